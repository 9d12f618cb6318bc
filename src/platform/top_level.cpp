#include <algorithm>
#include <map>

#include "platform/layered.h"
#include "platform/native_bridge_p.h"
#include "platform/scroll_bars.h"
#include "platform/top_level_p.h"

namespace hd {
namespace {

std::map<HWND, TWindowAttributes>& AttributeStore() {
  static auto* store = new std::map<HWND, TWindowAttributes>;
  return *store;
}

HWND g_no_activate_form = 0;

}  // namespace

const TWindowAttributes* FindWindowAttributes(HWND h) {
  auto& store = AttributeStore();
  auto it = store.find(h);
  return it == store.end() ? nullptr : &it->second;
}

TWindowAttributes& WindowAttributes(HWND h) {
  auto& store = AttributeStore();
  // Handles are never reused: attributes of windows gone are dropped as new ones come.
  std::erase_if(store, [](const auto& entry) { return !IsWindow(entry.first); });
  return store[h];
}

std::intptr_t ExStyleOf(HWND h) {
  const TWindowAttributes* a = FindWindowAttributes(h);
  return a ? a->ex_style : 0;
}

bool IsTopmostForm(const TCustomForm* form) {
  return form->FormStyle() == fsStayOnTop || (ExStyleOf(form->Handle()) & WS_EX_TOPMOST) != 0;
}

bool WindowTakesMouseAt(HWND h, TPoint p) {
  const TWindowAttributes* a = FindWindowAttributes(h);
  if (!a) return true;
  if (a->ex_style & WS_EX_TRANSPARENT) return false;
  if (a->region && !a->region->Contains(p.X, p.Y)) return false;
  if (a->image) {
    if (p.X < 0 || p.Y < 0 || p.X >= a->image->Width() || p.Y >= a->image->Height()) return false;
    if ((a->image->ScanLine(p.Y)[p.X] >> 24) == 0) return false;
  }
  return true;
}

std::intptr_t GetWindowLongPtr(HWND h, int index) {
  if (index != GWL_EXSTYLE || !IsWindow(h)) return 0;
  return ExStyleOf(h);
}

std::intptr_t SetWindowLongPtr(HWND h, int index, std::intptr_t value) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (index != GWL_EXSTYLE || !control) return 0;
  TWindowAttributes& a = WindowAttributes(h);
  std::intptr_t before = a.ex_style;
  a.ex_style = value;
  // A window leaving the layered style loses its translucency and its picture.
  if (!(value & WS_EX_LAYERED)) {
    a.alpha = 255;
    a.image.reset();
  }
  NativeApplyWindowAttributes(control);
  return before;
}

bool ShowWindow(HWND h, int cmd) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!control) return false;
  bool was = control->Visible();
  if (cmd == SW_HIDE) {
    control->Hide();
    return was;
  }
  auto* form = dynamic_cast<TCustomForm*>(control);
  if (!form || (cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWNA)) {
    control->Show();
    return was;
  }
  auto restore = [form, h] {
    if (!IsWindow(h)) return;
    form->show_no_activate_ = false;
    NativeSetShowNoActivate(form, false);
  };
  form->show_no_activate_ = true;
  NativeSetShowNoActivate(form, true);
  try {
    form->Show();
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return was;
}

bool SetWindowPos(HWND h, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!control) return false;
  auto* form = dynamic_cast<TCustomForm*>(control);
  if (!(flags & SWP_NOZORDER)) {
    if (form && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)) {
      std::intptr_t ex = ExStyleOf(h);
      ex = insertAfter == HWND_TOPMOST ? ex | WS_EX_TOPMOST : ex & ~WS_EX_TOPMOST;
      SetWindowLongPtr(h, GWL_EXSTYLE, ex);
    } else if (insertAfter == HWND_BOTTOM) {
      control->SendToBack();
    } else if (insertAfter == HWND_TOP) {
      control->BringToFront();
    }
  }
  int left = flags & SWP_NOMOVE ? control->Left() : x;
  int top = flags & SWP_NOMOVE ? control->Top() : y;
  int width = flags & SWP_NOSIZE ? control->Width() : cx;
  int height = flags & SWP_NOSIZE ? control->Height() : cy;
  control->SetBounds(left, top, width, height);
  if (!IsWindow(h)) return true;
  if (flags & SWP_HIDEWINDOW) {
    control->Hide();
  } else if (flags & SWP_SHOWWINDOW) {
    ShowWindow(h, flags & SWP_NOACTIVATE ? SW_SHOWNOACTIVATE : SW_SHOW);
  } else if (form && form->Visible() && !(flags & SWP_NOACTIVATE) && Screen().ActiveForm() != form) {
    form->ActivateForm();
  }
  return true;
}

HWND GetParent(HWND h) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(h));
  if (!control) return 0;
  if (auto* form = dynamic_cast<TCustomForm*>(control); form && !form->Parent())
    return form->PopupParent() ? form->PopupParent()->Handle() : 0;
  return control->Parent() ? control->Parent()->Handle() : 0;
}

TMouseActivation::TMouseActivation(HWND target, UINT buttonMsg) : previous_(g_no_activate_form) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(target));
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  if (!form || form == Screen().ActiveForm()) return;
  HWND top = form->Handle();
  LRESULT answer = 0;
  // Unanswered, the question goes up to the parent, as the platform's default handling does.
  for (HWND h = target; h && answer == 0; h = h == top ? 0 : GetParent(h))
    answer = SendMessage(h, WM_MOUSEACTIVATE, top, MAKELPARAM(HTCLIENT, static_cast<int>(buttonMsg)));
  if (answer != 0) answer_ = answer;
  if (answer_ == MA_NOACTIVATE || answer_ == MA_NOACTIVATEANDEAT) {
    g_no_activate_form = top;
    return;
  }
  // A windowed control takes the focus, and with it the activation, from its own press; a
  // graphic control or the form's own surface takes none, so the press activates the form
  // here, before it arrives. A windowed control that takes no focus either gets the same once
  // its press has been handled.
  form_ = top;
  if (!dynamic_cast<TWinControl*>(control) || control == form) ActivatePressedForm(top);
}

void TMouseActivation::ActivatePressedForm(HWND top) {
  auto* form = dynamic_cast<TCustomForm*>(FindWindowTarget(top));
  if (form && form != Screen().ActiveForm() && form->Visible() && form->Enabled() && !form->BlockedByModal())
    form->SetFocus();
}

TMouseActivation::~TMouseActivation() {
  g_no_activate_form = previous_;
  if (form_) ActivatePressedForm(form_);
}

HWND NoActivateForm() { return g_no_activate_form; }

void TCustomForm::SetFormStyle(TFormStyle s) {
  if (s == form_style_) return;
  form_style_ = s;
  NativeApplyWindowAttributes(this);
}

void TCustomForm::SetPopupParent(TCustomForm* owner) {
  // An owner chain never closes on itself.
  for (TCustomForm* f = owner; f; f = f->popup_parent_)
    if (f == this) return;
  if (owner == popup_parent_) return;
  popup_parent_ = owner;
  NativeApplyWindowAttributes(this);
}

TSize TCustomForm::Constrained(int width, int height) const {
  const TSizeConstraints& c = constraints_;
  if (c.MaxWidth > 0) width = std::min(width, c.MaxWidth);
  if (c.MaxHeight > 0) height = std::min(height, c.MaxHeight);
  return {std::max(width, c.MinWidth), std::max(height, c.MinHeight)};
}

void TCustomForm::SetConstraints(const TSizeConstraints& c) {
  constraints_ = c;
  TSize s = Constrained(Width(), Height());
  if (s.cx != Width() || s.cy != Height()) SetBounds(Left(), Top(), s.cx, s.cy);
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
  TSize s = Constrained(width, height);
  TWinControl::SetBounds(left, top, s.cx, s.cy);
}

void TCustomForm::ApplyAlpha() {
  HWND h = Handle();
  std::intptr_t ex = ExStyleOf(h);
  if (alpha_blend_) {
    SetWindowLongPtr(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(h, 0, alpha_blend_value_, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongPtr(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
  }
}

void TCustomForm::SetAlphaBlend(bool v) {
  if (v == alpha_blend_) return;
  alpha_blend_ = v;
  ApplyAlpha();
}

void TCustomForm::SetAlphaBlendValue(std::uint8_t v) {
  alpha_blend_value_ = v;
  if (alpha_blend_) ApplyAlpha();
}

void TCustomForm::StartSizing(int hit, TPoint screen) {
  sizing_ = {hit, screen, {Width(), Height()}};
  SetCapture(Handle());
}

void TCustomForm::StopSizing() {
  if (sizing_.hit == 0) return;
  sizing_.hit = 0;
  if (GetCapture() == Handle()) ReleaseCapture();
}

// The sizing the hit test allowed: the bottom and right edges follow the mouse, within the
// constraints; WM_SIZING lets the form change the proposal first.
bool TCustomForm::HandleSizing(TMessage& m) {
  switch (m.Msg) {
    case WM_NCLBUTTONDOWN: {
      int hit = static_cast<int>(m.WParam);
      if (hit != HTRIGHT && hit != HTBOTTOM && hit != HTBOTTOMRIGHT) return false;
      StartSizing(hit, {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      return true;
    }
    case WM_MOUSEMOVE: {
      if (sizing_.hit == 0) return false;
      TPoint at = ClientToScreen({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      int w = sizing_.start_size.cx, h = sizing_.start_size.cy;
      if (sizing_.hit != HTBOTTOM) w += at.X - sizing_.start_mouse.X;
      if (sizing_.hit != HTRIGHT) h += at.Y - sizing_.start_mouse.Y;
      TSize s = Constrained(std::max(w, 1), std::max(h, 1));
      TRect proposed = Bounds(Left(), Top(), s.cx, s.cy);
      WPARAM edge = sizing_.hit == HTRIGHT ? WMSZ_RIGHT : sizing_.hit == HTBOTTOM ? WMSZ_BOTTOM : WMSZ_BOTTOMRIGHT;
      HWND self = Handle();
      Perform(WM_SIZING, edge, reinterpret_cast<LPARAM>(&proposed));
      if (IsWindow(self)) SetBoundsRect(proposed);
      return true;
    }
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
      if (sizing_.hit == 0) return false;
      StopSizing();
      return true;
    case WM_CAPTURECHANGED:
      if (sizing_.hit != 0 && static_cast<HWND>(m.LParam) != Handle()) sizing_.hit = 0;
      return false;
    default:
      return false;
  }
}

}  // namespace hd
