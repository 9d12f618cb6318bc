// The native side of top-level windows of a control's own (owner, stay-on-top, tool and
// no-activate windows), of window shapes and translucency, of the monitors and of cursors
// made in code.
#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>

#include "platform/layered.h"
#include "platform/native_bridge_p.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_native.h"
#include "platform/top_level_p.h"

namespace hd {
namespace {

const char* const kLayeredPainter = "hdLayeredPainter";

// Paints a layered form's picture in place of its background.
class LayeredPainter : public QObject {
 public:
  explicit LayeredPainter(HWND h, QObject* parent) : QObject(parent), h_(h) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    const TWindowAttributes* a = FindWindowAttributes(h_);
    if (!a || !a->image) return false;
    auto* w = static_cast<QWidget*>(watched);
    QPainter p(w);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(w->rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(a->image_alpha / 255.0);
    p.drawImage(0, 0, BitmapImage(*a->image));
    return true;
  }

 private:
  HWND h_;
};

QRegion ToQRegion(const TRegion& region, TPoint offset) {
  QRegion out;
  for (const TRect& r : region.Rects()) out += QRect(r.Left + offset.X, r.Top + offset.Y, r.Width(), r.Height());
  return out;
}

void ApplyLayeredPicture(TControl* control, QWidget* w, const TWindowAttributes& a) {
  auto* painter = w->findChild<LayeredPainter*>(kLayeredPainter, Qt::FindDirectChildrenOnly);
  if (a.image && !painter) {
    painter = new LayeredPainter(control->Handle(), w);
    painter->setObjectName(kLayeredPainter);
    w->installEventFilter(painter);
    w->setAttribute(Qt::WA_TranslucentBackground, true);
    w->setAutoFillBackground(false);
  } else if (!a.image && painter) {
    w->removeEventFilter(painter);
    delete painter;
    w->setAttribute(Qt::WA_TranslucentBackground, false);
    w->setAutoFillBackground(true);
  }
  w->update();
}

}  // namespace

Qt::WindowFlags TopLevelFlags(const TCustomForm* form) {
  Qt::WindowFlags flags;
  std::intptr_t ex = ExStyleOf(form->Handle());
  if (IsTopmostForm(form)) flags |= Qt::WindowStaysOnTopHint;
  if (ex & WS_EX_TOOLWINDOW) flags |= Qt::Tool;
  if (ex & WS_EX_NOACTIVATE) flags |= Qt::WindowDoesNotAcceptFocus;
  if (ex & WS_EX_TRANSPARENT) flags |= Qt::WindowTransparentForInput;
  return flags;
}

QWidget* OwnerWidget(const TCustomForm* form) {
  TNativeWindow* owner = NativeOf(form->PopupParent());
  return owner ? owner->widget : nullptr;
}

void NativeApplyWindowAttributes(TControl* control) {
  TNativeWindow* n = NativeOf(control);
  if (!n) return;
  QWidget* w = n->widget;
  auto* form = dynamic_cast<TCustomForm*>(control);
  if (form) NativeSetFormStyle(form);
  const TWindowAttributes* found = FindWindowAttributes(control->Handle());
  TWindowAttributes none;
  const TWindowAttributes& a = found ? *found : none;
  // The region is in window coordinates; a form's widget is its client area only.
  TPoint offset{0, 0};
  if (form) offset = {form->Left() - form->ClientOrigin().X, form->Top() - form->ClientOrigin().Y};
  if (a.region)
    w->setMask(ToQRegion(*a.region, offset));
  else
    w->clearMask();
  if (!form) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents, (a.ex_style & WS_EX_TRANSPARENT) != 0);
    return;
  }
  w->setWindowOpacity(a.alpha / 255.0);
  ApplyLayeredPicture(control, w, a);
}

void NativeSetShowNoActivate(TCustomForm* form, bool noActivate) {
  if (TNativeWindow* n = NativeOf(form)) n->widget->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
}

std::vector<TMonitorLayout> NativeMonitors() {
  EnsureNativeApplication();
  std::vector<TMonitorLayout> out;
  QScreen* primary = QGuiApplication::primaryScreen();
  auto add = [&out](QScreen* s) {
    QRect g = s->geometry(), a = s->availableGeometry();
    out.push_back({Bounds(g.x(), g.y(), g.width(), g.height()), Bounds(a.x(), a.y(), a.width(), a.height())});
  };
  if (primary) add(primary);
  for (QScreen* s : QGuiApplication::screens())
    if (s != primary) add(s);
  return out;
}

QCursor QtCursor(TCursor c) {
  if (c > 0) {
    if (auto made = CursorImage(Screen().Cursors(c)))
      return QCursor(QPixmap::fromImage(BitmapImage(made->Image)), made->HotSpot.X, made->HotSpot.Y);
    return QCursor(Qt::ArrowCursor);
  }
  return QCursor(QtCursorShape(c));
}

}  // namespace hd
