#include "grid/foundation/arrow_window.h"

#include <algorithm>

#include "platform/layered.h"

namespace hd {
namespace {

constexpr TColor kArrowColor = 0x00FF00;
constexpr TColor kFocusColor = 0x0000FF;

// Top-level windows of a control stay above the form the control stands on.
TCustomForm* OwnerForm(TComponent* owner) {
  if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
  if (auto* control = dynamic_cast<TControl*>(owner)) return GetParentForm(control);
  return nullptr;
}

}  // namespace

std::array<TPoint, 7> TArrowWindow::ArrowPoints(TArrowDirection Direction) {
  switch (Direction) {
    case arrUp: return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown: return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft: return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight: return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
  }
  return {};
}

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection Direction)
    : TForm(AOwner), FDir(Direction), FArrow(ArrowPoints(Direction)) {
  SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
  SetPopupParent(OwnerForm(AOwner));
  SetColor(kArrowColor);
  int w = 0, h = 0;
  for (const TPoint& p : FArrow) {
    w = std::max(w, p.X + 1);
    h = std::max(h, p.Y + 1);
  }
  SetBounds(0, 0, w, h);
  SetWindowRgn(Handle(), TRegion::Polygon({FArrow.begin(), FArrow.end()}, WINDING));
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsNone);
  SetPopupParent(OwnerForm(AOwner));
  SetEnabled(false);
  SetColor(kFocusColor);
  SetWindowLongPtr(Handle(), GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  SetBounds(0, 0, 0, 0);
}

}  // namespace hd
