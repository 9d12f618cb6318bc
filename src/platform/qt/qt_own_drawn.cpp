// Own-drawn controls on the Qt side: the widget's paint event sends WM_PAINT, whose handling
// paints what waits into the control's back buffer; the widget then shows that image inside
// the non-client image.
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "platform/native_bridge_p.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

// Shows the window: the non-client image (border, bars) and the client's back buffer, after
// WM_PAINT has painted what waits into it.
class QtOwnDrawnWidget : public QWidget {
 public:
  explicit QtOwnDrawnWidget(HWND control) : control_(control) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent* e) override {
    // The widget may outlive its control until Qt deletes it: it finds the control by handle.
    auto* control = dynamic_cast<TControl*>(FindWindowTarget(control_));
    if (!control || control->Destroying()) return;
    HWND h = control_;
    SendMessage(h, WM_PAINT);
    if (!IsWindow(h)) return;
    auto* drawing = dynamic_cast<TOwnDrawing*>(control);
    QPainter painter(this);
    painter.setClipRegion(e->region());
    TRect in = control->NonClientInsets();
    if (const TBitmap* nc = drawing->NonClientImage()) painter.drawImage(0, 0, BitmapImage(*nc));
    QRect client(in.Left, in.Top, std::max(0, control->ClientWidth()), std::max(0, control->ClientHeight()));
    const TBitmap* image = drawing->PaintedImage();
    if (image && !image->Empty())
      painter.drawImage(client.topLeft(), BitmapImage(*image));
    else
      painter.fillRect(client, ToQColor(control->Color()));
    TRegion shown;
    for (const QRect& r : e->region()) shown = shown | TRegion(Rect(r.left() - in.Left, r.top() - in.Top, r.right() + 1 - in.Left, r.bottom() + 1 - in.Top));
    drawing->ImageShown(shown);
  }

 private:
  HWND control_;
};

}  // namespace

TNativeWindow* CreateOwnDrawnWindow(TControl* control, TOwnDrawing*) {
  EnsureNativeApplication();
  return MakeNative(control, new QtOwnDrawnWidget(control->Handle()));
}

}  // namespace hd
