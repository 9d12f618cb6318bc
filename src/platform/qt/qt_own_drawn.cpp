// Own-drawn controls on the Qt side: the widget's paint event sends WM_PAINT, whose handling
// paints into a bitmap of the client size through its canvas; the widget then shows that image.
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "platform/native_bridge_p.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

class QtOwnDrawnWidget : public QWidget {
 public:
  QtOwnDrawnWidget(TControl* control, TOwnDrawing* drawing) : control_(control), drawing_(drawing) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    TControl* control = control_;
    if (!control) return;
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(control->Color()));
    HWND h = control->Handle();
    SendMessage(h, WM_PAINT);
    if (!IsWindow(h)) return;
    DrawPaintedImage(painter, *drawing_);
  }

 private:
  TControl* control_;
  TOwnDrawing* drawing_;
};

}  // namespace

TNativeWindow* CreateOwnDrawnWindow(TControl* control, TOwnDrawing* drawing) {
  EnsureNativeApplication();
  return MakeNative(control, new QtOwnDrawnWidget(control, drawing));
}

void DrawPaintedImage(QPainter& painter, const TOwnDrawing& drawing) {
  if (const TBitmap* image = drawing.PaintedImage()) painter.drawImage(0, 0, BitmapImage(*image));
}

}  // namespace hd
