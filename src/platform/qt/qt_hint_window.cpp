// The windows of hints and balloons: top-most, frameless, never activated, showing the
// picture the layer painted.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QRegion>

#include "platform/native_bridge_p.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

// The label keeps the text (assistive tools and tests read it) but shows the picture.
class TPictureLabel : public QLabel {
 public:
  TPictureLabel() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
  }
  void SetPicture(const QImage& image) {
    picture_ = image;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
  }

 private:
  QImage picture_;
};

class TQtHintWindow : public TNativeHintWindow {
 public:
  ~TQtHintWindow() override {
    if (QApplication::instance()) delete label_;
  }
  void Show(const std::string& text, const TRect& r, const TBitmap& picture, const TRegion* shape) override {
    EnsureNativeApplication();
    if (!label_) label_ = new TPictureLabel;
    label_->setText(ToQString(text));
    label_->SetPicture(BitmapImage(picture));
    label_->setGeometry(r.Left, r.Top, r.Width(), r.Height());
    if (shape) {
      QRegion mask;
      for (const TRect& part : shape->Rects()) mask += QRect(part.Left, part.Top, part.Width(), part.Height());
      label_->setMask(mask);
    } else {
      label_->clearMask();
    }
    label_->show();
  }
  void Hide() override {
    if (label_) label_->hide();
  }
  void SetAlpha(std::uint8_t alpha) override {
    EnsureNativeApplication();
    if (!label_) label_ = new TPictureLabel;
    label_->setWindowOpacity(alpha / 255.0);
  }

 private:
  TPictureLabel* label_ = nullptr;
};

}  // namespace

std::unique_ptr<TNativeHintWindow> NativeCreateHintWindow() { return std::make_unique<TQtHintWindow>(); }

}  // namespace hd
