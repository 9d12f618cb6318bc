#include "platform/controls.h"

#include <cstdlib>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/menus.h"
#include "platform/native_bridge_p.h"

namespace hd {

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
}

TControl::~TControl() {
  MarkDestroying();
  if (parent_) parent_->RemoveControl(this);
  DestroyNative();
}

std::string TControl::TraceName() const {
  std::string n = ClassName();
  if (!Name().empty()) n += " " + Name();
  return n;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  int oldCw = ClientWidth(), oldCh = ClientHeight();
  const bool moved = left != left_ || top != top_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  NativeSetBounds();
  if (parent_ && align_ != alNone) parent_->Realign();
  // What stands beside a window in screen coordinates (a frame, a popup) follows its moves.
  if (moved) Perform(WM_MOVE, 0, MAKELPARAM(left_, top_));
  if (ClientWidth() != oldCw || ClientHeight() != oldCh) {
    size_before_ = {oldCw, oldCh};
    Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
  }
}

void TControl::SetClientSize(int w, int h) { SetBounds(left_, top_, w, h); }

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  TPoint p = parent_->ClientOrigin();
  return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign a) {
  if (a == align_) return;
  align_ = a;
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  HWND self = Handle();
  visible_ = v;
  NativeSetVisible();
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (!IsWindow(self)) return;
  if (v && parent_ && parent_->HandleAllocated())
    if (auto* w = dynamic_cast<TWinControl*>(this)) w->HandleNeeded();
  if (parent_ && align_ != alNone) parent_->Realign();
  if (parent_ && parent_->Showing()) ShowingChanged();
  if (!IsWindow(self)) return;
  if (!v) {
    // Hidden, it would take the next press from wherever the user clicks.
    if (MouseCapture()) ReleaseCapture();
    if (auto* w = dynamic_cast<TWinControl*>(this))
      if (auto* f = GetParentForm(this); f && f != this) f->DefocusControl(w, false);
  }
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::ShowingChanged() {
  auto* w = dynamic_cast<TWinControl*>(this);
  if (!w) return;
  w->Perform(CM_SHOWINGCHANGED, w->Showing() ? 1 : 0);
  for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->ShowingChanged();
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  NativeSetEnabled();
  Perform(CM_ENABLEDCHANGED);
  if (!v) {
    if (auto* w = dynamic_cast<TWinControl*>(this))
      if (auto* f = GetParentForm(this); f && f != this) f->DefocusControl(w, false);
  }
}

void TControl::SetText(const std::string& text) {
  if (text == Text()) return;
  text_ = text;
  NativeSetText(text);
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor c) {
  parent_color_ = false;
  if (c == color_) return;
  color_ = c;
  NativeSetColor();
  Perform(CM_COLORCHANGED);
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* child : w->controls_) child->ParentColorChanged(color_);
}

void TControl::ParentColorChanged(TColor c) {
  if (!parent_color_ || c == color_) return;
  color_ = c;
  NativeSetColor();
  Perform(CM_COLORCHANGED);
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* child : w->controls_) child->ParentColorChanged(color_);
}

void TControl::SetParentColor(bool v) {
  parent_color_ = v;
  if (v && parent_) {
    parent_color_ = true;
    TColor c = parent_->Color();
    if (c != color_) {
      color_ = c;
      NativeSetColor();
      Perform(CM_COLORCHANGED);
    }
  }
}

void TControl::SetFont(const TFont& f) {
  parent_font_ = false;
  if (f == font_) return;
  font_ = f;
  NativeSetFont();
  Perform(CM_FONTCHANGED);
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* child : w->controls_) child->ParentFontChanged(font_);
}

void TControl::ParentFontChanged(const TFont& f) {
  if (!parent_font_ || f == font_) return;
  font_ = f;
  NativeSetFont();
  Perform(CM_FONTCHANGED);
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (TControl* child : w->controls_) child->ParentFontChanged(font_);
}

void TControl::SetParentFont(bool v) {
  parent_font_ = v;
  if (v && parent_) ParentFontChanged(parent_->Font());
}

bool TControl::ShowHint() const {
  if (parent_show_hint_ && parent_) return parent_->ShowHint();
  return show_hint_;
}

void TControl::SetCursor(TCursor c) {
  if (c == cursor_) return;
  cursor_ = c;
  NativeSetCursor();
  Perform(CM_CURSORCHANGED);
}

bool TControl::MouseCapture() const { return GetCapture() == Handle(); }

void TControl::SetMouseCapture(bool v) {
  if (v)
    SetCapture(Handle());
  else if (MouseCapture())
    ReleaseCapture();
}

void TControl::MainWndProc(TMessage& message) {
  // Once its destructor has begun, the control's own class is gone: what its widget still
  // reports while it is taken down (a combo box closing its list as it hides) goes nowhere.
  if (Destroying()) return;
  WindowProc(message);
}

LRESULT TControl::Perform(UINT msg, WPARAM wp, LPARAM lp) {
  TMessage m{msg, wp, lp, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  if ((m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) || m.Msg == WM_MOUSEWHEEL)
    Application().HintMouseMessage(this, m);
  Dispatch(m);
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: HandleMouseButton(m, mbLeft, true, false); break;
    case WM_LBUTTONDBLCLK: HandleMouseButton(m, mbLeft, true, true); break;
    case WM_LBUTTONUP: HandleMouseButton(m, mbLeft, false, false); break;
    case WM_RBUTTONDOWN: HandleMouseButton(m, mbRight, true, false); break;
    case WM_RBUTTONDBLCLK: HandleMouseButton(m, mbRight, true, true); break;
    case WM_RBUTTONUP: HandleMouseButton(m, mbRight, false, false); break;
    case WM_MBUTTONDOWN: HandleMouseButton(m, mbMiddle, true, false); break;
    case WM_MBUTTONDBLCLK: HandleMouseButton(m, mbMiddle, true, true); break;
    case WM_MBUTTONUP: HandleMouseButton(m, mbMiddle, false, false); break;
    case WM_MOUSEMOVE: {
      HWND self = Handle();
      DefaultHandler(m);
      if (IsWindow(self) && !control_style_.Contains(csNoStdEvents))
        MouseMove(KeysToShiftState(static_cast<unsigned>(m.WParam)), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      break;
    }
    case WM_MOUSEWHEEL: HandleMouseWheel(m); break;
    case CM_MOUSEWHEEL: {
      TShiftState shift = KeysToShiftState(LOWORD(m.WParam));
      TPoint pos{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      m.Result = 0;
      if (DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(m.WParam), pos))
        m.Result = 1;
      else if (parent_)
        m.Result = parent_->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
      break;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      bool enter = m.Msg == CM_MOUSEENTER;
      if (parent_) parent_->Perform(m.Msg, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
      if (m.LParam == 0) {
        mouse_in_control_ = enter;
        if (enter && OnMouseEnter) OnMouseEnter(this);
        if (!enter && OnMouseLeave) OnMouseLeave(this);
      }
      break;
    }
    case WM_SETCURSOR: HandleSetCursor(m); break;
    case WM_CONTEXTMENU: HandleContextMenu(m); break;
    case WM_SIZE: {
      BoundsChanged(size_before_.cx, size_before_.cy);
      size_before_ = {ClientWidth(), ClientHeight()};
      Resize();
      break;
    }
    case CM_HINTSHOW: m.Result = 0; break;
    default: DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl) {
  HWND self = Handle();
  DefaultHandler(m);
  if (!IsWindow(self)) return;
  int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TShiftState shift = KeysToShiftState(static_cast<unsigned>(m.WParam));
  if (down) {
    if (button == mbLeft && control_style_.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (dbl) {
      if (button == mbLeft && control_style_.Contains(csClickEvents)) DblClick();
      if (!IsWindow(self)) return;
      shift.Include(ssDouble);
    } else if (button == mbLeft && control_style_.Contains(csClickEvents)) {
      clicked_ = true;
    }
    if (!control_style_.Contains(csNoStdEvents)) MouseDown(button, shift, x, y);
    return;
  }
  if (button == mbLeft && control_style_.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (button == mbLeft && clicked_) {
    clicked_ = false;
    // A press that ends outside the control is no click.
    if (ClientRect().Contains({x, y})) Click();
    if (!IsWindow(self)) return;
  }
  if (!control_style_.Contains(csNoStdEvents)) MouseUp(button, shift, x, y);
  // The right button's release asks for the context menu, at the release point.
  if (button == mbRight && IsWindow(self)) {
    TPoint at = ClientToScreen({x, y});
    Perform(WM_CONTEXTMENU, self, MAKELPARAM(at.X, at.Y));
  }
}

void TControl::HandleMouseWheel(TMessage& m) {
  HWND self = Handle();
  LRESULT r = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
  if (!IsWindow(self)) return;
  if (r == 0)
    DefaultHandler(m);
  else
    m.Result = r;
}

void TControl::HandleSetCursor(TMessage& m) {
  if (Screen().Cursor() != crDefault || cursor_ != crDefault) {
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (popup_menu_) RemoveFreeNotification(popup_menu_);
  popup_menu_ = Value;
  if (popup_menu_) FreeNotification(popup_menu_);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

// LParam -1 comes from the keyboard: the menu then opens at the middle of the control.
void TControl::HandleContextMenu(TMessage& m) {
  if (!popup_menu_) {
    m.Result = parent_ ? parent_->Perform(WM_CONTEXTMENU, m.WParam, m.LParam) : 0;
    return;
  }
  TPoint at = m.LParam == -1 ? ClientToScreen({ClientWidth() / 2, ClientHeight() / 2})
                             : TPoint{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  popup_menu_->SetPopupComponent(this);
  popup_menu_->Popup(at.X, at.Y);
  m.Result = 1;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  if (handled) return true;
  wheel_accumulator_ += wheelDelta;
  while (std::abs(wheel_accumulator_) >= WHEEL_DELTA) {
    bool negative = wheel_accumulator_ < 0;
    wheel_accumulator_ = std::abs(wheel_accumulator_) - WHEEL_DELTA;
    if (negative) {
      if (wheel_accumulator_ != 0) wheel_accumulator_ = -wheel_accumulator_;
      handled = DoMouseWheelDown(shift, mousePos);
    } else {
      handled = DoMouseWheelUp(shift, mousePos);
    }
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, shift, mousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, shift, mousePos, handled);
  return handled;
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::BoundsChanged(int, int) {}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  const TControl* c = control;
  while (c->Parent()) c = c->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

}  // namespace hd
