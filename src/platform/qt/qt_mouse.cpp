// Mouse: Qt mouse events become the platform's mouse messages, with its double-click rule,
// capture, hover enter and leave, and WM_SETCURSOR before every move.
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>

#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/qt/qt_native.h"
#include "platform/scroll_bars.h"
#include "platform/top_level_p.h"

namespace hd {
namespace {

// The platform's double-click rectangle around the first press.
constexpr int kDoubleClickDistance = 4;

struct MouseState {
  HWND hover = 0;
  // The last press that may start a double click.
  HWND last_press_target = 0;
  Qt::MouseButton last_press_button = Qt::NoButton;
  std::uint64_t last_press_time = 0;
  TPoint last_press_pos;
  bool last_was_double = false;
  std::uint64_t qt_press_time = ~std::uint64_t{0};
  // The window showing a sizing cursor over an edge its hit test answered.
  HWND sizing_cursor = 0;
};

MouseState& M() {
  static MouseState state;
  return state;
}

unsigned KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  unsigned mk = 0;
  if (buttons & Qt::LeftButton) mk |= MK_LBUTTON;
  if (buttons & Qt::RightButton) mk |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) mk |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) mk |= MK_SHIFT;
  if (mods & Qt::ControlModifier) mk |= MK_CONTROL;
  return mk;
}

void SyncButtonsAndModifiers(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  SetKeyDown(VK_LBUTTON, buttons & Qt::LeftButton);
  SetKeyDown(VK_RBUTTON, buttons & Qt::RightButton);
  SetKeyDown(VK_MBUTTON, buttons & Qt::MiddleButton);
  auto sync = [](int vk, int left, bool down) {
    if ((GetKeyState(vk) < 0) != down) {
      SetKeyDown(vk, down);
      SetKeyDown(left, down);
    }
  };
  sync(VK_SHIFT, VK_LSHIFT, mods & Qt::ShiftModifier);
  sync(VK_CONTROL, VK_LCONTROL, mods & Qt::ControlModifier);
  sync(VK_MENU, VK_LMENU, mods & Qt::AltModifier);
}

// The control under a point of a widget, whatever holds the mouse.
TControl* ControlUnder(QWidget* widget, QPointF pos) {
  QWidget* top = widget->window();
  QPoint inTop = widget->mapTo(top, pos.toPoint());
  QWidget* child = top->childAt(inTop);
  TControl* c = ControlOfWidget(child ? child : top);
  while (c && !c->Enabled() && c->Parent()) c = c->Parent();
  return c;
}

void UpdateHover(TControl* under) {
  HWND now = under ? under->Handle() : 0;
  HWND old = M().hover;
  if (now == old) return;
  M().hover = now;
  if (old) SendMessage(old, CM_MOUSELEAVE);
  if (now && IsWindow(now)) SendMessage(now, CM_MOUSEENTER);
}

LPARAM PosParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }

UINT ButtonMessage(Qt::MouseButton b, int kind) {  // kind 0 down, 1 up, 2 double
  UINT base = b == Qt::RightButton ? WM_RBUTTONDOWN : b == Qt::MiddleButton ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
  return base + static_cast<UINT>(kind);
}

// A form decides by WM_NCHITTEST whether a point is an edge the user sizes it by; the other
// answers leave the point to the layer's own hit test.
int FormSizingHit(TWinControl* win, TPoint screen) {
  if (!dynamic_cast<TCustomForm*>(win)) return HTCLIENT;
  auto hit = static_cast<int>(SendMessage(win->Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y)));
  return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? hit : HTCLIENT;
}

Qt::CursorShape SizingCursor(int hit) {
  switch (hit) {
    case HTLEFT: case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP: case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT: case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    default: return Qt::SizeBDiagCursor;
  }
}

void ShowSizingCursor(TWinControl* win, int hit) {
  auto& s = M();
  bool sizing = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
  if (sizing) {
    win->Native()->widget->setCursor(SizingCursor(hit));
    s.sizing_cursor = win->Handle();
    return;
  }
  if (s.sizing_cursor == 0) return;
  auto* had = dynamic_cast<TControl*>(FindWindowTarget(s.sizing_cursor));
  s.sizing_cursor = 0;
  if (TNativeWindow* n = NativeOf(had)) {
    if (had->Cursor() == crDefault)
      n->widget->unsetCursor();
    else
      n->widget->setCursor(QtCursor(had->Cursor()));
  }
}

// Input on a window's border or scroll bars: the WM_NC mouse messages (screen point in LParam),
// and the bar input the control holds the mouse for. False for the client area.
bool TranslateNonClientMouse(TControl* target, TPoint client, TPoint screen, bool captured, QMouseEvent* e) {
  auto* win = dynamic_cast<TWinControl*>(target);
  if (!win) return false;
  int hit = HTCLIENT;
  if (win->ScrollBarTracking()) {
    hit = HTVSCROLL;
  } else if (!captured) {
    hit = FormSizingHit(win, screen);
    if (!IsWindow(win->Handle())) return true;
    TRect in = win->NonClientInsets();
    if (hit == HTCLIENT) hit = win->NonClientHitTest({client.X + in.Left, client.Y + in.Top});
  }
  if (e->type() == QEvent::MouseMove && !captured) ShowSizingCursor(win, hit);
  if (hit == HTCLIENT) return false;
  HWND h = win->Handle();
  LPARAM lp = MAKELPARAM(screen.X, screen.Y);
  auto& s = M();
  switch (e->type()) {
    case QEvent::MouseMove:
      UpdateHover(target);
      if (IsWindow(h)) SendMessage(h, WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), lp);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      s.last_press_target = 0;
      s.qt_press_time = e->timestamp();
      if (e->button() == Qt::LeftButton) SendMessage(h, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), lp);
      break;
    case QEvent::MouseButtonRelease:
      if (e->button() == Qt::LeftButton) SendMessage(h, WM_NCLBUTTONUP, static_cast<WPARAM>(hit), lp);
      break;
    default:
      break;
  }
  return true;
}

}  // namespace

void TranslateMouseEvent(TControl* receiver, QWidget* widget, QMouseEvent* e) {
  auto& s = M();
  QPointF pos = e->position();
  // Screen coordinates of the layer's own geometry, so that they agree with ClientToScreen;
  // the widget holds the non-client area too.
  QPoint inControl = widget->mapTo(receiver->Native()->widget, pos.toPoint());
  TRect insets = receiver->NonClientInsets();
  TPoint screen = receiver->ClientToScreen({inControl.x() - insets.Left, inControl.y() - insets.Top});
  SetCursorPosition(screen);
  SyncButtonsAndModifiers(e->buttons(), e->modifiers());

  TControl* under = ControlUnder(widget, pos);
  HWND capture = GetCapture();
  auto* target = capture ? dynamic_cast<TControl*>(FindWindowTarget(capture)) : under;
  if (!target) target = receiver;
  HWND h = target->Handle();
  TPoint client = target->ScreenToClient(screen);
  WPARAM mk = KeyFlags(e->buttons(), e->modifiers());
  if (TranslateNonClientMouse(target, client, screen, capture == h, e)) {
    ProcessPostedMessages();
    return;
  }

  switch (e->type()) {
    case QEvent::MouseMove: {
      UpdateHover(under);
      if (!IsWindow(h)) break;
      SendMessage(h, WM_SETCURSOR, h, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      SendMessage(h, WM_MOUSEMOVE, mk, PosParam(client));
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      Qt::MouseButton b = e->button();
      std::uint64_t now = e->timestamp();
      // Qt follows the second press of a double click with its own double-click event; the
      // platform's rule below decides, so that one is dropped.
      if (e->type() == QEvent::MouseButtonDblClick && s.qt_press_time == now && s.last_press_button == b) break;
      s.qt_press_time = now;
      unsigned interval = GetDoubleClickTime();
      bool dbl = !s.last_was_double && s.last_press_target == h && s.last_press_button == b &&
                 now - s.last_press_time <= static_cast<std::uint64_t>(interval) &&
                 std::abs(screen.X - s.last_press_pos.X) <= kDoubleClickDistance &&
                 std::abs(screen.Y - s.last_press_pos.Y) <= kDoubleClickDistance &&
                 target->ControlStyle().Contains(csDoubleClicks);
      s.last_press_target = h;
      s.last_press_button = b;
      s.last_press_time = now;
      s.last_press_pos = screen;
      s.last_was_double = dbl;
      UpdateHover(under);
      if (!IsWindow(h)) break;
      UINT msg = ButtonMessage(b, dbl ? 2 : 0);
      TMouseActivation activation(h, msg);
      if (!activation.Eat() && IsWindow(h)) SendMessage(h, msg, mk, PosParam(client));
      break;
    }
    case QEvent::MouseButtonRelease: {
      SendMessage(h, ButtonMessage(e->button(), 1), mk, PosParam(client));
      break;
    }
    default:
      break;
  }
  ProcessPostedMessages();
}

void TranslateWheelEvent(TControl* receiver, QWidget* widget, QWheelEvent* e) {
  QPoint inControl = widget->mapTo(receiver->Native()->widget, e->position().toPoint());
  TRect insets = receiver->NonClientInsets();
  TPoint screen = receiver->ClientToScreen({inControl.x() - insets.Left, inControl.y() - insets.Top});
  SetCursorPosition(screen);
  SyncButtonsAndModifiers(e->buttons(), e->modifiers());
  // The wheel turns the focused window; its handling asks the parents first.
  HWND target = GetFocus() ? GetFocus() : receiver->Handle();
  int delta = e->angleDelta().y();
  if (delta == 0) return;
  WPARAM wp = MAKEWPARAM(KeyFlags(e->buttons(), e->modifiers()), static_cast<unsigned>(delta));
  SendMessage(target, WM_MOUSEWHEEL, wp, MAKELPARAM(screen.X, screen.Y));
  ProcessPostedMessages();
}

void TranslateMouseLeave(TControl*) {
  UpdateHover(nullptr);
  ProcessPostedMessages();
}

void NativeCaptureChanged(HWND capture) {
  QWidget* grabber = QWidget::mouseGrabber();
  if (grabber && ControlOfWidget(grabber)) grabber->releaseMouse();
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(capture));
  if (TNativeWindow* n = NativeOf(control)) n->widget->grabMouse();
}

void MouseControlGone(HWND h) {
  auto& s = M();
  if (s.hover == h) s.hover = 0;
  if (s.last_press_target == h) s.last_press_target = 0;
}

}  // namespace hd
