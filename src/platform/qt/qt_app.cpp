// The Qt application object, the native event pump and waiting, the screen and focus.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleHints>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "platform/application.h"
#include "platform/native_bridge_p.h"
#include "platform/gui_application.h"
#include "platform/qt/qt_native.h"
#include "platform/timers.h"

namespace hd {
namespace {

QTimer* g_wake = nullptr;

// Arms the wake-up for the next window timer when the real clock runs.
void ArmWake() {
  if (!g_wake) return;
  auto due = NextTimerDue();
  if (!due) {
    g_wake->stop();
    return;
  }
  std::uint64_t now = Clock().NowMs();
  int ms = *due > now ? static_cast<int>(std::min<std::uint64_t>(*due - now, 1u << 30)) : 0;
  if (Clock().IsVirtual()) ms = std::max(ms, 50);
  g_wake->start(ms);
}

QPalette StandardPalette() {
  QPalette p;
  auto set = [&p](QPalette::ColorRole role, TColor c) { p.setColor(role, ToQColor(c)); };
  set(QPalette::Window, clBtnFace);
  set(QPalette::WindowText, clWindowText);
  set(QPalette::Base, clWindow);
  set(QPalette::AlternateBase, clBtnFace);
  set(QPalette::Text, clWindowText);
  set(QPalette::Button, clBtnFace);
  set(QPalette::ButtonText, clBtnText);
  set(QPalette::Highlight, clHighlight);
  set(QPalette::HighlightedText, clHighlightText);
  set(QPalette::ToolTipBase, clInfoBk);
  set(QPalette::ToolTipText, clInfoText);
  set(QPalette::Light, clBtnHighlight);
  set(QPalette::Mid, clBtnShadow);
  set(QPalette::Dark, cl3DDkShadow);
  set(QPalette::Link, clHotLight);
  p.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
  p.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(clGrayText));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGrayText));
  return p;
}

}  // namespace

void EnsureNativeApplication() {
  static bool done = false;
  if (done) return;
  done = true;
  EnsureGuiApplication();
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  QApplication::setPalette(StandardPalette());
  QApplication::setFont(QtControlFont(TFont{}));
  QApplication::setQuitOnLastWindowClosed(false);
  g_wake = new QTimer(qApp);
  g_wake->setSingleShot(true);
  // The timer only wakes the wait; the loop then processes due timers.
  QObject::connect(g_wake, &QTimer::timeout, [] {});
  MessageHooks().PumpNativeEvents = NativeProcessEvents;
  MessageHooks().WindowDestroyed = [](HWND h) { MouseControlGone(h); };
  MessageHooks().CaptureChanged = NativeCaptureChanged;
  SetTimerChangeListener(ArmWake);
}

void NativeProcessEvents() {
  if (!QApplication::instance()) return;
  // A handler that pumps may run inside a forwarded event; what arrives now is new input.
  TForwardSuspend suspend;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // Widgets of freed controls go once no Qt event of theirs is being handled.
  if (FilterDepth() == 0) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void NativeWaitForEvents() {
  EnsureNativeApplication();
  ArmWake();
  TForwardSuspend suspend;
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TSize NativeScreenSize() {
  EnsureNativeApplication();
  QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return {1024, 768};
  QRect g = s->geometry();
  return {g.width(), g.height()};
}

void NativeBeep() {
  EnsureNativeApplication();
  QApplication::beep();
}

unsigned NativeDoubleClickTime() {
  EnsureNativeApplication();
  return static_cast<unsigned>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

int NativeWheelScrollLines() {
  EnsureNativeApplication();
  return QApplication::wheelScrollLines();
}

std::string NativeExecutablePath() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return p.string();
  return QApplication::instance() ? FromQString(QCoreApplication::applicationFilePath()) : std::string();
}

Qt::CursorShape QtCursorShape(TCursor c) {
  switch (c) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: case crSQLWait: return Qt::WaitCursor;
    case crDrag: case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

void NativeSetScreenCursor(TCursor cursor) {
  EnsureNativeApplication();
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (cursor != crDefault) QApplication::setOverrideCursor(QtCursor(cursor));
}

void NativeFocusChanged(HWND focused) {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(focused));
  TNativeWindow* native = NativeOf(control);
  if (!native) {
    if (QWidget* w = QApplication::focusWidget()) w->clearFocus();
    return;
  }
  QWidget* w = native->widget;
  if (w->window() && !w->window()->isActiveWindow() && w->window()->isVisible()) w->window()->activateWindow();
  w->setFocus(Qt::OtherFocusReason);
}

}  // namespace hd
