// The event filter of every native widget, and the forwarding of default handling.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

#include "platform/forms.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

const char* const kControlProperty = "hdControlHandle";
int g_forward_depth = 0;
int g_filter_depth = 0;

struct FilterDepthGuard {
  FilterDepthGuard() { ++g_filter_depth; }
  ~FilterDepthGuard() { --g_filter_depth; }
};

// The user moved or resized the window: the layer's geometry follows. The form's resize
// handlers run here, below Qt's dispatch, so what they throw stops at this boundary.
void FollowUserGeometry(TCustomForm* form, QWidget* widget) {
  HWND h = form->Handle();
  TNativeWindow* native = form->Native();
  ++native->updating;
  try {
    // The client area moved; the frame around it is the form's own, as where it was placed.
    const QRect client = widget->geometry();
    const TPoint origin = form->ClientOrigin();
    const int dx = origin.X - form->Left(), dy = origin.Y - form->Top();
    const int fw = form->Width() - form->ClientWidth(), fh = form->Height() - form->ClientHeight();
    form->SetBounds(client.x() - dx, client.y() - dy, client.width() + fw, client.height() + fh);
  } catch (...) {
    ReportHandlerException(std::current_exception());
  }
  if (IsWindow(h)) --native->updating;
}

// Once the user moves through a window with the keyboard, its controls mark the one that has
// the focus, as the native dialogs do; the style draws those marks only for a window so flagged.
void ShowFocusCues(QWidget* widget, const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Alt:
      widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
      break;
    default:
      break;
  }
}

// Hands each Qt event of the control's widgets to the translator of its family.
class QtMessageFilter : public QObject {
 public:
  explicit QtMessageFilter(TNativeWindow* native) : native_(native) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (g_forward_depth > 0) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    TControl* control = native_->control;
    if (!widget || !control) return false;
    FilterDepthGuard depth;
    switch (e->type()) {
      case QEvent::ShortcutOverride:
        e->accept();
        return true;
      case QEvent::KeyPress:
        ShowFocusCues(widget, static_cast<QKeyEvent*>(e));
        TranslateKeyEvent(control, static_cast<QKeyEvent*>(e));
        return true;
      case QEvent::KeyRelease:
        TranslateKeyEvent(control, static_cast<QKeyEvent*>(e));
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        TranslateMouseEvent(control, widget, static_cast<QMouseEvent*>(e));
        return true;
      case QEvent::Wheel:
        TranslateWheelEvent(control, widget, static_cast<QWheelEvent*>(e));
        return true;
      case QEvent::Leave:
        if (widget == native_->widget && widget->isWindow()) TranslateMouseLeave(control);
        return false;
      case QEvent::ContextMenu:
        return true;
      case QEvent::Close:
        if (widget == native_->widget && dynamic_cast<TCustomForm*>(control)) {
          // The title bar's close button: the form decides through WM_CLOSE.
          e->ignore();
          PostMessage(control->Handle(), WM_CLOSE);
          ProcessPostedMessages();
          return true;
        }
        return false;
      case QEvent::Resize:
      case QEvent::Move:
        if (widget == native_->widget && widget->isWindow() && native_->updating == 0)
          if (auto* form = dynamic_cast<TCustomForm*>(control)) FollowUserGeometry(form, widget);
        return false;
      default:
        return false;
    }
  }

 private:
  TNativeWindow* native_;
};

}  // namespace

int FilterDepth() { return g_filter_depth; }

TNativeWindow* MakeNative(TControl* control, QWidget* widget) {
  auto* native = new TNativeWindow;
  native->control = control;
  native->widget = widget;
  native->mouse_target = widget;
  native->key_target = widget;
  native->filter = new QtMessageFilter(native);
  FilterSubWidget(native, widget);
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setContextMenuPolicy(Qt::PreventContextMenu);
  return native;
}

void FilterSubWidget(TNativeWindow* native, QWidget* sub) {
  sub->setProperty(kControlProperty, QVariant::fromValue<qulonglong>(native->control->Handle()));
  sub->installEventFilter(native->filter);
  sub->setMouseTracking(true);
  if (sub != native->widget) sub->setFocusPolicy(Qt::NoFocus);
}

TControl* ControlOfWidget(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    QVariant v = w->property(kControlProperty);
    if (v.isValid()) return dynamic_cast<TControl*>(FindWindowTarget(static_cast<HWND>(v.toULongLong())));
  }
  return nullptr;
}

bool InForward() { return g_forward_depth > 0; }

TForwardSuspend::TForwardSuspend() : saved_(g_forward_depth) { g_forward_depth = 0; }
TForwardSuspend::~TForwardSuspend() { g_forward_depth = saved_; }

namespace {

struct ForwardGuard {
  ForwardGuard() { ++g_forward_depth; }
  ~ForwardGuard() { --g_forward_depth; }
};

Qt::MouseButtons ButtonsOf(WPARAM wp) {
  Qt::MouseButtons b;
  if (wp & MK_LBUTTON) b |= Qt::LeftButton;
  if (wp & MK_RBUTTON) b |= Qt::RightButton;
  if (wp & MK_MBUTTON) b |= Qt::MiddleButton;
  return b;
}

Qt::KeyboardModifiers ModifiersOf(WPARAM wp) {
  Qt::KeyboardModifiers m;
  if (wp & MK_SHIFT) m |= Qt::ShiftModifier;
  if (wp & MK_CONTROL) m |= Qt::ControlModifier;
  if (GetKeyState(VK_MENU) < 0) m |= Qt::AltModifier;
  return m;
}

}  // namespace

void ForwardMouse(TNativeWindow* native, const TMessage& m) {
  if (!native || !native->mouse_target) return;
  QEvent::Type type;
  Qt::MouseButton button = Qt::NoButton;
  switch (m.Msg) {
    case WM_MOUSEMOVE: type = QEvent::MouseMove; break;
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    case WM_RBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::RightButton; break;
    case WM_MBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::MiddleButton; break;
    case WM_MBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::MiddleButton; break;
    case WM_MBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::MiddleButton; break;
    default: return;
  }
  QPoint inWidget(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
  // The part of the widget under the point takes it (a tab row, an inner editor); once
  // pressed, the moves and the release follow the part that took the press.
  QPointer<QWidget> target = native->mouse_target;
  if (target == native->widget)
    if (QWidget* child = native->widget->childAt(inWidget)) target = child;
  bool pressed = (m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
    native->press_target = target;
  else if ((pressed || type == QEvent::MouseButtonRelease) && native->press_target)
    target = native->press_target;
  if (!target) return;
  QPoint local = target->mapFrom(native->widget, inWidget);
  QPointF global = target->mapToGlobal(QPointF(local));
  QMouseEvent ev(type, QPointF(local), global, button, ButtonsOf(m.WParam), ModifiersOf(m.WParam));
  ForwardGuard guard;
  QCoreApplication::sendEvent(target, &ev);
}

void ForwardKey(TNativeWindow* native, const TMessage& m, const QString& text) {
  if (!native || !native->key_target) return;
  bool up = m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYUP;
  bool character = m.Msg == WM_CHAR || m.Msg == WM_SYSCHAR;
  int vk = character ? 0 : static_cast<int>(m.WParam);
  // A character's code is no key code: "(" read as VK_DOWN would step a list, " " as
  // VK_SPACE would drop one; the widget searches by the text instead.
  int key = character ? Qt::Key_unknown : QtKeyFromVirtualKey(vk);
  if (key == 0 && text.isEmpty()) return;
  Qt::KeyboardModifiers mods = QtModifiers(KeyDataToShiftState(m.LParam));
  if ((vk >= VK_NUMPAD0 && vk <= VK_DIVIDE)) mods |= Qt::KeypadModifier;
  bool repeat = !up && (m.LParam & KF_REPEAT_BIT);
  QKeyEvent ev(up ? QEvent::KeyRelease : QEvent::KeyPress, key, mods, text, repeat);
  QPointer<QWidget> target = native->key_target;
  ForwardGuard guard;
  QCoreApplication::sendEvent(target, &ev);
}

void ForwardWheel(TNativeWindow* native, const TMessage& m) {
  if (!native || !native->mouse_target) return;
  QWidget* target = native->mouse_target;
  TPoint screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TPoint client = native->control->ScreenToClient(screen);
  QPoint local = target->mapFrom(native->widget, QPoint(client.X, client.Y));
  int delta = GET_WHEEL_DELTA_WPARAM(m.WParam);
  QWheelEvent ev(QPointF(local), target->mapToGlobal(QPointF(local)), QPoint(), QPoint(0, delta),
                 ButtonsOf(LOWORD(m.WParam)), ModifiersOf(LOWORD(m.WParam)), Qt::NoScrollPhase, false);
  ForwardGuard guard;
  QCoreApplication::sendEvent(target, &ev);
}

QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string FromQString(const QString& s) {
  QByteArray b = s.toUtf8();
  return std::string(b.constData(), static_cast<size_t>(b.size()));
}

QColor ToQColor(TColor c) {
  TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace hd
