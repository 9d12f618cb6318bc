// Synthesized input through Qt's window-system entry points, and rendering to PNG.
#include <QApplication>
#include <QCloseEvent>
#include <QPixmap>
#include <QWheelEvent>
#include <QWindow>

#include <filesystem>

#include "platform/forms.h"
#include "platform/native_input.h"
#include "platform/qt/qt_native.h"

// Qt's own entry points for injected input (the ones its test library uses): the events take
// the same path as those of the windowing system.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace hd {
namespace {

int g_time = 100000;
Qt::MouseButtons g_buttons;
// Far more than any double-click time.
constexpr int kClickGap = 5000;

Qt::MouseButton QtButton(TMouseButton b) {
  return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

struct WindowPoint {
  QWindow* window = nullptr;
  QWidget* top = nullptr;
  QPointF local;
  QPointF global;
};

WindowPoint Locate(TControl* control, TPoint p) {
  WindowPoint wp;
  TNativeWindow* n = NativeOf(control);
  if (!n) return wp;
  wp.top = n->widget->window();
  wp.window = wp.top->windowHandle();
  // Client points lie inside the window's border and bars.
  TRect in = control->NonClientInsets();
  QPoint local = n->widget->mapTo(wp.top, QPoint(p.X + in.Left, p.Y + in.Top));
  wp.local = QPointF(local);
  wp.global = QPointF(wp.top->mapToGlobal(local));
  return wp;
}

void SendMouse(TControl* control, TPoint p, QEvent::Type type, Qt::MouseButton button, TShiftState shift) {
  WindowPoint wp = Locate(control, p);
  if (!wp.window) return;
  if (type == QEvent::MouseButtonPress) g_buttons |= button;
  if (type == QEvent::MouseButtonRelease) g_buttons &= ~button;
  qt_handleMouseEvent(wp.window, wp.local, wp.global, g_buttons, button, type, QtModifiers(shift), g_time);
}

QWindow* KeyWindow() {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(GetFocus()));
  TCustomForm* form = control ? GetParentForm(control) : Screen().ActiveForm();
  TNativeWindow* n = NativeOf(form);
  return n ? n->widget->windowHandle() : nullptr;
}

QString KeyText(int vk, TShiftState shift) {
  auto ch = CharFromVirtualKey(vk, shift);
  if (!ch) return {};
  char32_t c = *ch;
  return QString::fromUcs4(&c, 1);
}

int QtKeyFor(int vk, TShiftState shift) {
  if (vk == VK_TAB && shift.Contains(ssShift)) return Qt::Key_Backtab;
  return QtKeyFromVirtualKey(vk);
}

Qt::KeyboardModifiers KeyModifiers(int vk, TShiftState shift) {
  Qt::KeyboardModifiers m = QtModifiers(shift);
  if (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) m |= Qt::KeypadModifier;
  return m;
}

}  // namespace

void NativeMouseMove(TControl* control, TPoint p, TShiftState shift) {
  g_time += 10;
  SendMouse(control, p, QEvent::MouseMove, Qt::NoButton, shift);
}

void NativeMouseDown(TControl* control, TPoint p, TMouseButton button, TShiftState shift) {
  g_time += 10;
  SendMouse(control, p, QEvent::MouseButtonPress, QtButton(button), shift);
}

void NativeMouseUp(TControl* control, TPoint p, TMouseButton button, TShiftState shift) {
  g_time += 10;
  SendMouse(control, p, QEvent::MouseButtonRelease, QtButton(button), shift);
}

void NativeClick(TControl* control, TPoint p, TMouseButton button, TShiftState shift) {
  g_time += kClickGap;
  HWND h = control->Handle();
  NativeMouseDown(control, p, button, shift);
  if (IsWindow(h)) NativeMouseUp(control, p, button, shift);
}

void NativeDoubleClick(TControl* control, TPoint p, TMouseButton button, TShiftState shift) {
  g_time += kClickGap;
  HWND h = control->Handle();
  NativeMouseDown(control, p, button, shift);
  if (IsWindow(h)) NativeMouseUp(control, p, button, shift);
  if (IsWindow(h)) NativeMouseDown(control, p, button, shift);
  if (IsWindow(h)) NativeMouseUp(control, p, button, shift);
}

void NativeWheel(TControl* control, TPoint p, int delta, TShiftState shift) {
  WindowPoint wp = Locate(control, p);
  if (!wp.top) return;
  QWidget* target = wp.top->childAt(wp.local.toPoint());
  if (!target) target = wp.top;
  QPointF local = QPointF(target->mapFrom(wp.top, wp.local.toPoint()));
  QWheelEvent ev(local, wp.global, QPoint(), QPoint(0, delta), g_buttons, QtModifiers(shift), Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(target, &ev);
}

void NativeKeyDown(int vk, TShiftState shift, const std::string& text) {
  QWindow* w = KeyWindow();
  if (!w) return;
  QString t = text == "\x01" ? KeyText(vk, shift) : ToQString(text);
  qt_handleKeyEvent(w, QEvent::KeyPress, QtKeyFor(vk, shift), KeyModifiers(vk, shift), t, false, 1);
}

void NativeKeyUp(int vk, TShiftState shift) {
  QWindow* w = KeyWindow();
  if (!w) return;
  qt_handleKeyEvent(w, QEvent::KeyRelease, QtKeyFor(vk, shift), KeyModifiers(vk, shift), KeyText(vk, shift), false, 1);
}

void NativeKeyPress(int vk, TShiftState shift) {
  NativeKeyDown(vk, shift);
  NativeKeyUp(vk, shift);
}

void NativeType(const std::string& text) {
  QString all = ToQString(text);
  for (char32_t c : all.toUcs4()) {
    int vk = 0;
    TShiftState shift;
    for (int k = 0x08; k <= 0xDE && !vk; ++k) {
      for (TShiftState s : {TShiftState{}, TShiftState{ssShift}}) {
        auto ch = CharFromVirtualKey(k, s);
        // The keypad types the same digits; the main keys are what typing uses.
        if (ch && *ch == c && !(k >= VK_NUMPAD0 && k <= VK_DIVIDE)) {
          vk = k;
          shift = s;
          break;
        }
      }
    }
    QString t = QString::fromUcs4(&c, 1);
    QWindow* w = KeyWindow();
    if (!w) return;
    if (vk) {
      qt_handleKeyEvent(w, QEvent::KeyPress, QtKeyFor(vk, shift), KeyModifiers(vk, shift), t, false, 1);
      if ((w = KeyWindow()))
        qt_handleKeyEvent(w, QEvent::KeyRelease, QtKeyFor(vk, shift), KeyModifiers(vk, shift), t, false, 1);
    } else {
      qt_handleKeyEvent(w, QEvent::KeyPress, 0, Qt::NoModifier, t, false, 1);
      if ((w = KeyWindow())) qt_handleKeyEvent(w, QEvent::KeyRelease, 0, Qt::NoModifier, t, false, 1);
    }
  }
}

void NativeCloseWindow(TCustomForm* form) {
  if (TNativeWindow* n = NativeOf(form)) n->widget->close();
}

bool RenderToPng(TControl* control, const std::string& path) {
  if (auto* w = dynamic_cast<TWinControl*>(control)) w->HandleNeeded();
  TNativeWindow* n = NativeOf(control);
  if (!n) return false;
  std::error_code ec;
  auto dir = std::filesystem::path(path).parent_path();
  if (!dir.empty()) std::filesystem::create_directories(dir, ec);
  QPixmap picture = n->widget->grab();
  return picture.save(ToQString(path), "PNG");
}

}  // namespace hd
