// The Qt side of the main-thread call queue.
#include <QCoreApplication>
#include <QMetaObject>

#include "platform/main_thread.h"
#include "platform/messages.h"
#include "platform/native_bridge_p.h"

namespace hd {

bool NativeWakeMainLoop() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  // A queued call on the application object runs in the thread that owns it, the GUI thread.
  // The calls run inside Qt's event loop: their exceptions must not cross it.
  QMetaObject::invokeMethod(app, [] { RunPostedCalls(ReportHandlerException); }, Qt::QueuedConnection);
  return true;
}

}  // namespace hd
