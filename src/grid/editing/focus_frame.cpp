// The soft frame laid round the cell being edited: a translucent window with a rounded mask,
// shaped so that it never lies over the cell itself, one at a time in the program.
#include "grid/editing/grid_pointer.h"
#include "grid/foundation/alpha_mask.h"
#include "grid/foundation/arrow_window.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/forms.h"
#include "platform/layered.h"

namespace hd {

namespace {

// The focus frame: its colour and opacity, how far it stands out of the cell, and its mask.
constexpr TColor kFocusFrameColor = 0xFDD397;
constexpr std::uint8_t kFocusFrameOpacity = 230;
constexpr int kFocusFrameOut = 4;
constexpr int kFocusFrameGrow = 9;

// The grid whose frame shows: one at a time in the program.
TGridPointer* g_focus_owner = nullptr;

}  // namespace

TGridFocusWindow* TGridPointer::FocusWindow() const {
  TComponent& owner = H.Owner();
  for (int i = 0; i < owner.ComponentCount(); ++i)
    if (auto* w = dynamic_cast<TGridFocusWindow*>(owner.Components(i))) return w;
  return nullptr;
}

void TGridPointer::ShowFocusWindow(const TRect& R) {
  if (g_focus_owner && g_focus_owner != this) g_focus_owner->HideFocusWindow();
  TGridFocusWindow* w = FocusWindow();
  if (!w) w = new TGridFocusWindow(&H.Owner());
  g_focus_owner = this;
  FocusCell = R;
  w->Hide();
  const int width = R.Width() + kFocusFrameGrow, height = R.Height() + kFocusFrameGrow;
  TBitmap mask;
  MakeRoundRectMask(mask, width, height, 4, 5, 3);
  TBitmap colour(width, height);
  colour.SetPixelFormat(pf24bit);
  colour.Canvas().Brush().Color = kFocusFrameColor;
  colour.Canvas().FillRect(Rect(0, 0, width, height));
  TGridAlphaMask alpha;
  alpha.MergeMask(mask, colour, kFocusFrameColor);
  alpha.SetOpacity(kFocusFrameOpacity);
  ApplyAlphaMaskToWindow(w->Handle(), alpha);
  TRegion frame = TRegion(Rect(0, 0, width, height)) -
                  TRegion(Rect(kFocusFrameOut, kFocusFrameOut, kFocusFrameOut + R.Width(), kFocusFrameOut + R.Height()));
  SetWindowRgn(w->Handle(), frame);
  const TPoint at = H.ClientToScreen(R.TopLeft());
  w->SetBounds(at.X - kFocusFrameOut, at.Y - kFocusFrameOut, width, height);
  ShowWindow(w->Handle(), SW_SHOWNOACTIVATE);
  // The frame is a window of its own: it goes where the form goes.
  if (TWinControl* form = H.ParentForm(); form && !FormMoveLink.Active())
    FormMoveLink = HookEvent(form->WindowProc, [this](const std::function<void(TMessage&)>& next, TMessage& m) {
      if (next) next(m);
      if (m.Msg == WM_MOVE || m.Msg == WM_SIZE) MoveFocusWindow();
    });
}

void TGridPointer::MoveFocusWindow() {
  TGridFocusWindow* w = FocusWindow();
  if (g_focus_owner != this || !w) return;
  const TRect r = H.CellRect(H.Col(), H.Row());
  const TPoint at = H.ClientToScreen(r.TopLeft());
  w->SetBounds(at.X - kFocusFrameOut, at.Y - kFocusFrameOut, r.Width() + kFocusFrameGrow, r.Height() + kFocusFrameGrow);
}

void TGridPointer::HideFocusWindow() {
  FormMoveLink.Remove();
  if (g_focus_owner == this) g_focus_owner = nullptr;
  if (TGridFocusWindow* w = FocusWindow()) w->Hide();
}

TGridFocusWindow* TExtStringGrid::FocusWindow() const { return FP->Pointer->FocusWindow(); }

void TExtStringGrid::ShowFocusWindow(const TRect& R) { FP->Pointer->ShowFocusWindow(R); }

void TExtStringGrid::MoveFocusWindow() { FP->Pointer->MoveFocusWindow(); }

void TExtStringGrid::HideFocusWindow() { FP->Pointer->HideFocusWindow(); }

void ApplyAlphaMaskToWindow(HWND Window, const TGridAlphaMask& Mask) {
  if (Mask.Height() == 0) return;
  SetWindowLongPtr(Window, GWL_EXSTYLE, GetWindowLongPtr(Window, GWL_EXSTYLE) | WS_EX_LAYERED);
  BLENDFUNCTION blend;
  blend.SourceConstantAlpha = Mask.Opacity();
  UpdateLayeredWindow(Window, nullptr, Mask, blend, ULW_ALPHA);
}

}  // namespace hd
