#include "platform/qt/qt_main_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <exception>
#include <iostream>

#include "platform/main_thread.h"
#include "platform/messages.h"

namespace hd {
namespace {

// Qt ends its event loop with any exception that passes through it, so one that leaves a
// posted call goes where an exception that leaves a window goes. The calls queued behind it
// stay queued and run on the wakes their own posts asked for.
void RunPostedCallsFromQt() {
  try {
    RunPostedCalls();
  } catch (...) {
    try {
      if (MessageHooks().HandleException)
        MessageHooks().HandleException(std::current_exception());
      else
        std::cerr << "unhandled exception in a call posted to the main thread\n";
    } catch (...) {
      std::cerr << "the exception handler failed on a call posted to the main thread\n";
    }
  }
}

}  // namespace

bool WakeQtMainLoop() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  // A queued call on the application object runs in the thread that owns it, the GUI thread.
  QMetaObject::invokeMethod(app, [] { RunPostedCallsFromQt(); }, Qt::QueuedConnection);
  return true;
}

}  // namespace hd
