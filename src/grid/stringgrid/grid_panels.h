// Child controls every string grid owns: the strip of its floating footer and the list of its
// header filter drop-down.
#pragma once

#include <functional>

#include "platform/check_list_box.h"
#include "platform/ext_ctrls.h"
#include "platform/std_ctrls.h"

namespace hd {

class TExtStringGrid;

// The strip docked along the grid's bottom that shows the floating footer.
class TFooterPanel : public TCustomPanel {
 public:
  // AOwner is the grid the panel belongs to.
  explicit TFooterPanel(TExtStringGrid* AOwner);
  const char* ClassName() const override { return "TFooterPanel"; }
  TExtStringGrid* Grid() const { return FGrid; }
  // The footer column whose hint shows; -1 for none.
  int HintCol() const { return FHintCol; }
  void SetHintCol(int Value) { FHintCol = Value; }

 protected:
  // Painting, hints and clicks are the grid's footer members.
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;
  void CreateWnd() override;

 private:
  TExtStringGrid* FGrid;
  int FHintCol = -1;
};

// A choice in a filter drop-down list: the item's index, -1 for a toggle in the check list.
using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

// The list of values the header filter drop-down offers. Enter or a mouse release hides it
// and reports the current item; Escape, the focus going elsewhere or a cancelled mouse mode
// with the pointer outside hide it with no choice (OnCancel).
class TDropList : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
  const char* ClassName() const override { return "TDropList"; }
  TDropSelectEvent OnSelect;
  TNotifyEvent OnCancel;
  void Dispatch(TMessage& m) override;

 private:
  bool FClosing = false;
};

// The check-list form: each toggle reports -1 and the list stays open; Escape, the focus going
// elsewhere or a cancelled mouse mode with the pointer outside close it (OnCancel).
class TDropCheckList : public TCheckListBox {
 public:
  explicit TDropCheckList(TComponent* AOwner);
  const char* ClassName() const override { return "TDropCheckList"; }
  TDropSelectEvent OnSelect;
  TNotifyEvent OnCancel;
  void Dispatch(TMessage& m) override;

 protected:
  void ClickCheck() override;

 private:
  bool FClosing = false;
};

}  // namespace hd
