// The grid's date and time editors: TGridDatePicker for edDateEdit, edDateEditUpDown and
// edTimeEdit, TGridDateTimePicker for edDateTimeEdit. Their keys while open: Escape puts the
// cell's value back, Return completes the field being typed and validates, Tab moves on when
// the grid takes it; keys stay with an open calendar.
#pragma once

#include "grid/editors/date_time_picker.h"
#include "grid/editors/ext_date_time_picker.h"

namespace hd {

class TGridEditorHost;

class TGridDatePicker : public TEsgDateTimePicker {
 public:
  TGridDatePicker(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridDatePicker"; }

  bool Weeknumbers() const { return FWeekNumbers; }
  void SetWeeknumbers(bool Value) { FWeekNumbers = Value; }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { FShowToday = Value; }
  bool ShowTodayCircle() const { return FShowTodayCircle; }
  void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
  // Makes the window again before each use.
  void ReCreate() { RecreateWnd(); }

  void WndProc(TMessage& Message) override;

 protected:
  // After a typed digit: Right when it completed a field that is not the format's last.
  virtual void AdvanceOnPartChange();
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void DoExit() override;
  void Paint() override;

 private:
  // The picker's text to the cell and validated; refused, the editor shows what validation
  // left and the key is used up.
  bool StoreAndValidate(WORD& Key);

  TGridEditorHost* FHost;
  int Fy = 0, Fm = 0, Fd = 0;
  int Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
  bool FOldDropped = false;
  bool FWeekNumbers = false;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
};

class TGridDateTimePicker : public TExtDateTimePicker {
 public:
  TGridDateTimePicker(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridDateTimePicker"; }

  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  TGridEditorHost* FHost;
};

}  // namespace hd
