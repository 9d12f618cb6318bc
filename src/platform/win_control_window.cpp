// A windowed control's window: when it is made and taken down, and its non-client area (the
// border and the window scroll bars) with the client rectangle it leaves.
#include <algorithm>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/native_bridge_p.h"

namespace hd {

void TWinControl::HandleNeeded() {
  if (!handle_allocated_) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_allocated_ || Destroying()) return;
  CreateWnd();
  handle_allocated_ = true;
  // Visible children get their windows with their parent's.
  std::vector<HWND> children;
  for (TControl* c : controls_) children.push_back(c->Handle());
  for (HWND h : children)
    if (auto* w = dynamic_cast<TWinControl*>(FindWindowTarget(h)); w && w->Visible() && w->Parent() == this)
      w->CreateHandle();
}

void TWinControl::CreateWnd() {
  if (!Native()) {
    if (TNativeWindow* n = CreateNativeWindow()) {
      native_on_demand_ = true;
      AttachNative(n);
      // Children made before the window was go inside it now.
      for (TControl* c : controls_) c->NativeSetParent();
    }
  }
  handle_allocated_ = true;
  NonClientChanged();
}

void TWinControl::DestroyWnd() {
  if (!native_on_demand_) return;
  // The children's windows leave first, so that they do not go with this one.
  for (TControl* c : controls_) {
    TWinControl* saved = c->parent_;
    c->parent_ = nullptr;
    c->NativeSetParent();
    c->parent_ = saved;
  }
  DestroyNative();
}

void TWinControl::DestroyHandle() {
  if (!handle_allocated_) return;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  DestroyWnd();
  handle_allocated_ = false;
}

void TWinControl::RecreateWnd() {
  if (!handle_allocated_) return;
  bool hadFocus = Focused();
  DestroyHandle();
  CreateHandle();
  if (hadFocus) NativeFocusChanged(GetFocus());
}

void TWinControl::SetBorderStyle(TBorderStyle s) {
  if (s != bsNone) s = bsSingle;
  if (s == border_style_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  border_style_ = s;
  NonClientResized(cw, ch);
}

void TWinControl::SetCtl3D(bool v) {
  if (v == ctl3d_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  ctl3d_ = v;
  NonClientResized(cw, ch);
}

void TWinControl::SetScrollBars(TScrollStyle s) {
  if (s == scroll_bars_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  scroll_bars_ = s;
  hbar_.Visible = s == ssHorizontal || s == ssBoth;
  vbar_.Visible = s == ssVertical || s == ssBoth;
  NonClientResized(cw, ch);
}

TRect TWinControl::NonClientInsets() const {
  int b = 0;
  if (border_style_ == bsSingle) b = ctl3d_ ? GetSystemMetrics(SM_CXEDGE) : GetSystemMetrics(SM_CXBORDER);
  TRect r{b, b, b, b};
  // A bar shows only where the window leaves room for it.
  if (vbar_.Visible) r.Right += std::min(GetSystemMetrics(SM_CXVSCROLL), std::max(0, Width() - 2 * b));
  if (hbar_.Visible) r.Bottom += std::min(GetSystemMetrics(SM_CYHSCROLL), std::max(0, Height() - 2 * b));
  return r;
}

int TWinControl::ClientWidth() const {
  TRect r = NonClientInsets();
  return std::max(0, Width() - r.Left - r.Right);
}

int TWinControl::ClientHeight() const {
  TRect r = NonClientInsets();
  return std::max(0, Height() - r.Top - r.Bottom);
}

TPoint TWinControl::ClientOrigin() const {
  TPoint p = TControl::ClientOrigin();
  TRect r = NonClientInsets();
  return {p.X + r.Left, p.Y + r.Top};
}

void TWinControl::NonClientResized(int oldCw, int oldCh) {
  // The children stand in the client area, which moved inside the window.
  for (TControl* c : controls_) c->NativeSetBounds();
  NonClientChanged();
  if (ClientWidth() != oldCw || ClientHeight() != oldCh) {
    size_before_ = {oldCw, oldCh};
    Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
  }
}

void TWinControl::NonClientChanged() { NativeUpdateRect(this, nullptr); }

TRect TWinControl::BarRect(int nBar) const {
  TRect in = NonClientInsets();
  int b = border_style_ == bsSingle ? in.Left : 0;
  int right = Width() - b, bottom = Height() - b;
  if (nBar == SB_VERT)
    return vbar_.Visible ? TRect{right - (in.Right - b), b, right, bottom - (in.Bottom - b)} : TRect{};
  return hbar_.Visible ? TRect{b, bottom - (in.Bottom - b), right - (in.Right - b), bottom} : TRect{};
}

int TWinControl::NonClientHitTest(TPoint p) const {
  if (!Rect(0, 0, Width(), Height()).Contains(p)) return HTNOWHERE;
  TRect in = NonClientInsets();
  if (Rect(in.Left, in.Top, Width() - in.Right, Height() - in.Bottom).Contains(p)) return HTCLIENT;
  if (BarRect(SB_VERT).Contains(p)) return HTVSCROLL;
  if (BarRect(SB_HORZ).Contains(p)) return HTHSCROLL;
  int b = border_style_ == bsSingle ? in.Left : 0;
  if (Rect(b, b, Width() - b, Height() - b).Contains(p)) return HTSIZE;
  return HTBORDER;
}

}  // namespace hd
