#include <QApplication>
#include <QGuiApplication>

#include "platform/gui_application.h"
#include "platform/qt/qt_fonts.h"

namespace hd {

void EnsureGuiApplication() {
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char arg0[] = "HD58318";
    static char* argv[] = {arg0, nullptr};
    // Lives for the whole process, as the application object of the program does.
    new QApplication(argc, argv);
  }
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) RegisterShippedFonts();
}

}  // namespace hd
