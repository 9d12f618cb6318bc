// The Qt side of a control: its widget, the one event filter that turns the widget's Qt events
// into messages, and the forwarding of messages' default handling back to the widget.
#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

#include "platform/controls.h"
#include "platform/qt/qt_fonts.h"

namespace hd {

struct TNativeWindow {
  TControl* control = nullptr;
  QWidget* widget = nullptr;
  // Where forwarded mouse and key events go (a scroll area's viewport, a combo box's editor).
  QWidget* mouse_target = nullptr;
  QWidget* key_target = nullptr;
  QObject* filter = nullptr;
  // The widget that took the last press; moves and the release follow it.
  QPointer<QWidget> press_target;
  // Set while the layer itself changes the widget, so its signals are not user changes.
  int updating = 0;
};

struct TNativeUpdate {
  explicit TNativeUpdate(TNativeWindow* n) : native(n) { if (native) ++native->updating; }
  ~TNativeUpdate() { if (native) --native->updating; }
  TNativeUpdate(const TNativeUpdate&) = delete;
  TNativeUpdate& operator=(const TNativeUpdate&) = delete;
  TNativeWindow* native;
};

// Wraps a new widget for the control: installs the event filter, mouse tracking, and the
// layer's ownership of focus and context menus.
TNativeWindow* MakeNative(TControl* control, QWidget* widget);
// Sub-widgets whose input belongs to the control (viewports, inner editors).
void FilterSubWidget(TNativeWindow* native, QWidget* sub);
// The control whose widget (or sub-widget) this is, or null.
TControl* ControlOfWidget(const QWidget* widget);
// The native window of a control, or null.
inline TNativeWindow* NativeOf(const TControl* c) { return c ? c->Native() : nullptr; }
template <class W>
W* WidgetOf(const TControl* c) {
  TNativeWindow* n = NativeOf(c);
  return n ? static_cast<W*>(n->widget) : nullptr;
}

// The default handling of a mouse or key message: the widget gets the Qt event it stands for.
void ForwardMouse(TNativeWindow* native, const TMessage& m);
void ForwardKey(TNativeWindow* native, const TMessage& m, const QString& text = QString());
void ForwardWheel(TNativeWindow* native, const TMessage& m);
// True while a forwarded event is being delivered (the filter lets it through).
bool InForward();
// A modal loop runs with forwarding suspended: real input to the modal window is translated.
class TForwardSuspend {
 public:
  TForwardSuspend();
  ~TForwardSuspend();
  TForwardSuspend(const TForwardSuspend&) = delete;
  TForwardSuspend& operator=(const TForwardSuspend&) = delete;

 private:
  int saved_;
};

// Translators of the filter, one per family of events.
void TranslateKeyEvent(TControl* receiver, class QKeyEvent* e);
void TranslateMouseEvent(TControl* receiver, QWidget* widget, class QMouseEvent* e);
void TranslateWheelEvent(TControl* receiver, QWidget* widget, class QWheelEvent* e);
void TranslateMouseLeave(TControl* receiver);
void MouseControlGone(HWND h);
// The widget of the window that holds the capture grabs the mouse, so that moves from outside
// every window of the program reach it too.
void NativeCaptureChanged(HWND capture);

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers mods, const QString& text);
int QtKeyFromVirtualKey(int vk);
Qt::KeyboardModifiers QtModifiers(TShiftState shift);

// The depth of Qt events being handled through the filter.
int FilterDepth();

Qt::CursorShape QtCursorShape(TCursor c);
// The cursor a number shows: a stock shape, or a cursor registered on the screen.
QCursor QtCursor(TCursor c);
// What a form's extended style, form style and owner add to its window flags, and its owner's
// widget (its native parent), or null.
class TCustomForm;
Qt::WindowFlags TopLevelFlags(const TCustomForm* form);
QWidget* OwnerWidget(const TCustomForm* form);
// The Qt font of a control's font: the shipped family at the font's character height, as the
// canvas draws it.
inline QFont QtControlFont(const TFont& font) { return MakeQFont(font, font.Height()); }
QString ToQString(const std::string& s);
std::string FromQString(const QString& s);
QColor ToQColor(TColor c);

}  // namespace hd
