// Child controls every string grid owns: the strip of its floating footer and the list of its
// header filter drop-down.
#pragma once

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

// The list of values the header filter drop-down offers.
class TDropList : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
  const char* ClassName() const override { return "TDropList"; }
};

}  // namespace hd
