// The drop-down that edits an integer with a slider: the popup holds a track bar, the edit
// shows the position as decimal text; with typing off the value also moves with Up and Down
// and by dragging the mouse over the edit.
#pragma once

#include "grid/editors/dropdown/dropdown_edit.h"
#include "platform/track_bar.h"

namespace hd {

class TExtTrackBarDropDown : public TExtCustomDropDown {
 public:
  explicit TExtTrackBarDropDown(TComponent* AOwner);
  const char* ClassName() const override { return "TExtTrackBarDropDown"; }

  // Each setter hands the value to the slider and reads back what the slider kept.
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  // The slider's page step and the pixels of mouse drag per unit.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  // Tick spacing and the step of Up and Down.
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  TTrackBar* TrackBar() const { return FTrackBar; }

  TNotifyEvent OnTrackChange;

  void Dispatch(TMessage& m) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void Change() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void TrackBarChange();
  void GiveRange();

  TTrackBar* FTrackBar = nullptr;
  int FMin = 0;
  int FFrequency = 1;
  int FPageSize = 2;
  int FMax = 10;
  int FPosition = 0;
  bool FMouseDraging = false;
  int FMouseX = 0;
};

}  // namespace hd
