#include "platform/qt/qt_main_thread.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/main_thread.h"

namespace hd {

bool WakeQtMainLoop() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  // A queued call on the application object runs in the thread that owns it, the GUI thread.
  QMetaObject::invokeMethod(app, [] { RunPostedCalls(); }, Qt::QueuedConnection);
  return true;
}

}  // namespace hd
