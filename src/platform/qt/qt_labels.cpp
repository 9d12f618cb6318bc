// The native sides of the label and the static text.
#include <QFontMetrics>
#include <QLabel>

#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

// A label's text size for auto-sizing.
QSize TextSize(const QFont& font, const QString& text, bool wordWrap, int width) {
  QFontMetrics fm(font);
  if (text.isEmpty()) return {0, fm.height()};
  int flags = wordWrap ? Qt::TextWordWrap : 0;
  QRect r = fm.boundingRect(QRect(0, 0, wordWrap ? std::max(width, 1) : 100000, 100000), flags | Qt::AlignLeft, text);
  return {wordWrap ? width : r.width(), std::max(r.height(), fm.height())};
}

}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  AttachNative(MakeNative(this, label));
  SetBounds(0, 0, 65, 17);
  ApplyLook();
  AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  ApplyLook();
}

void TCustomLabel::SetLayout(TTextLayout l) {
  layout_ = l;
  ApplyLook();
}

void TCustomLabel::SetWordWrap(bool v) {
  word_wrap_ = v;
  ApplyLook();
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
  transparent_ = v;
  ApplyLook();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  show_accel_char_ = v;
  NativeSetText(text_);
  AdjustBounds();
}

void TCustomLabel::ApplyLook() {
  auto* label = WidgetOf<QLabel>(this);
  if (!label) return;
  Qt::Alignment h = alignment_ == taCenter ? Qt::AlignHCenter : alignment_ == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
  Qt::Alignment v = layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
  label->setAlignment(h | v);
  label->setWordWrap(word_wrap_);
  label->setAutoFillBackground(!transparent_);
}

void TCustomLabel::NativeSetText(const std::string& text) {
  if (auto* label = WidgetOf<QLabel>(this)) label->setText(ToQString(show_accel_char_ ? StripAccel(text) : text));
}

void TCustomLabel::NativeSetColor() {
  TControl::NativeSetColor();
  if (Native()) Native()->widget->setAutoFillBackground(!transparent_);
}

void TCustomLabel::NativeSetFont() { TControl::NativeSetFont(); }

void TCustomLabel::AdjustBounds() {
  if (!auto_size_) return;
  QString text = ToQString(show_accel_char_ ? StripAccel(Caption()) : Caption());
  QSize s = TextSize(QtControlFont(Font()), text, word_wrap_, Width());
  int left = Left();
  // A right-aligned label keeps its right edge.
  if (alignment_ == taRightJustify && !word_wrap_) left += Width() - s.width();
  SetBounds(left, Top(), s.width(), s.height());
}

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  AttachNative(MakeNative(this, label));
  SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

void TStaticText::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TStaticText::SetAlignment(TAlignment a) {
  alignment_ = a;
  if (auto* label = WidgetOf<QLabel>(this))
    label->setAlignment((a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignTop);
}

void TStaticText::SetBorderStyle(TStaticBorderStyle s) {
  border_style_ = s;
  if (auto* label = WidgetOf<QLabel>(this)) {
    switch (s) {
      case sbsNone: label->setFrameStyle(QFrame::NoFrame); break;
      case sbsSingle: label->setFrameStyle(QFrame::Box | QFrame::Plain); break;
      case sbsSunken: label->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
  }
  AdjustBounds();
}

void TStaticText::NativeSetText(const std::string& text) {
  if (auto* label = WidgetOf<QLabel>(this)) label->setText(ToQString(StripAccel(text)));
}

void TStaticText::NativeSetFont() { TWinControl::NativeSetFont(); }

void TStaticText::AdjustBounds() {
  if (!auto_size_) return;
  QSize s = TextSize(QtControlFont(Font()), ToQString(StripAccel(Caption())), false, Width());
  int frame = border_style_ == sbsNone ? 0 : 2;
  SetBounds(Left(), Top(), s.width() + 2 * frame, s.height() + 2 * frame);
}

void TStaticText::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = DLGC_STATIC;
    return;
  }
  TWinControl::DefaultHandler(m);
}

}  // namespace hd
