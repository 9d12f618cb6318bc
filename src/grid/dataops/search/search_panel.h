// The search footer's bar docked along the grid's bottom: the search edit, the find-next,
// find-previous and highlight buttons, the match-case box and the close button. The bar only
// lays out its controls and reports their use; the grid does the searching.
#pragma once

#include <string>

#include "grid/foundation/ext_check_box.h"
#include "grid/foundation/grid_button.h"
#include "platform/ext_ctrls.h"
#include "platform/std_ctrls.h"

namespace hd {

class TExtStringGrid;

// An edit that reports Enter and Ctrl+Enter instead of passing them on; the carriage-return
// and line-feed characters reach OnKeyPress and are then dropped.
class TRetEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  const char* ClassName() const override { return "TRetEdit"; }
  void WndProc(TMessage& m) override;

  TNotifyEvent OnReturn;
  TNotifyEvent OnCtrlReturn;
};

class TSearchPanel : public TCustomPanel {
 public:
  // AOwner must be a string grid (EInvalidCast otherwise).
  explicit TSearchPanel(TComponent* AOwner);
  const char* ClassName() const override { return "TSearchPanel"; }

  TRetEdit& EditControl() const { return *FEdit; }
  TExtGridButton& ForwardButton() const { return *FForwardButton; }
  TExtGridButton& BackwardButton() const { return *FBackwardButton; }
  TExtGridButton& ExitButton() const { return *FExitButton; }
  TExtGridButton& HiliteButton() const { return *FHiliteButton; }
  TExtCheckBox& MatchCase() const { return *FMatchCase; }
  TExtStringGrid& Grid() const { return *FGrid; }

  // End colour of the background gradient; clNone paints the plain colour.
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  // Mirrors the edit and the buttons (the match-case box keeps its place).
  bool RightToLeftReading() const { return FRightToLeft; }
  void SetRightToLeftReading(bool Value);
  // Places the controls by the panel's pixel layout.
  void LayoutControls();

  std::string FindNextCaption, FindPrevCaption, MatchCaseCaption, HighLightCaption;
  std::string HintClose, HintFindNext, HintFindPrev, HintHighlight;

  TNotifyEvent OnForwardClick;
  TNotifyEvent OnBackwardClick;
  TNotifyEvent OnEditChange;
  TNotifyEvent OnExitClick;
  TNotifyEvent OnHighlightClick;

 protected:
  void Paint() override;
  void CreateWnd() override;

 private:
  void EditChanged();
  void Fire(const TNotifyEvent& Event) {
    if (Event) Event(this);
  }

  TExtStringGrid* FGrid;
  TRetEdit* FEdit;
  TExtGridButton* FForwardButton;
  TExtGridButton* FBackwardButton;
  TExtGridButton* FExitButton;
  TExtGridButton* FHiliteButton;
  TExtCheckBox* FMatchCase;
  TColor FColorTo = clNone;
  bool FRightToLeft = false;
};

// The accelerator character of a caption ("Find &next": 'n'), or 0.
char CaptionAccelerator(const std::string& Caption);

}  // namespace hd
