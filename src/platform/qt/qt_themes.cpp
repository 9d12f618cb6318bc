#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>

#include "platform/bitmap.h"
#include "platform/gui_application.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/themes.h"

namespace hd {
namespace {

bool g_themes_active = true;

QStyle* Fusion() {
  static std::unique_ptr<QStyle> style;
  if (!style) style.reset(QStyleFactory::create(QStringLiteral("Fusion")));
  return style.get();
}

// Button-like states: 1 normal, 2 hot, 3 pressed, 4 disabled; check states add 4 and 8.
QStyle::State StateFlags(int state) {
  int base = (state - 1) % 4;
  QStyle::State s = QStyle::State_None;
  if (base != 3) s |= QStyle::State_Enabled;
  if (base == 1) s |= QStyle::State_MouseOver;
  if (base == 2) s |= QStyle::State_Sunken;
  return s;
}

void FillOption(QStyleOption& opt, QStyle* style, int state, const QRect& rect) {
  opt.rect = rect;
  opt.palette = style->standardPalette();
  opt.state = StateFlags(state) | QStyle::State_Active;
  opt.direction = Qt::LeftToRight;
}

void PaintElement(QPainter& p, QStyle* style, TThemedElement element, int state, const QRect& rect) {
  switch (element) {
    case TThemedElement::HeaderItem: {
      QStyleOptionHeader opt;
      FillOption(opt, style, state, rect);
      opt.state |= QStyle::State_Raised | QStyle::State_Horizontal;
      opt.orientation = Qt::Horizontal;
      opt.position = QStyleOptionHeader::Middle;
      style->drawControl(QStyle::CE_HeaderSection, &opt, &p);
      break;
    }
    case TThemedElement::PushButton: {
      QStyleOptionButton opt;
      FillOption(opt, style, state, rect);
      if (!(opt.state & QStyle::State_Sunken)) opt.state |= QStyle::State_Raised;
      style->drawControl(QStyle::CE_PushButtonBevel, &opt, &p);
      break;
    }
    case TThemedElement::CheckBox:
    case TThemedElement::RadioButton: {
      QStyleOptionButton opt;
      FillOption(opt, style, state, rect);
      int group = (state - 1) / 4;
      opt.state |= group == 1 ? QStyle::State_On : group == 2 ? QStyle::State_NoChange : QStyle::State_Off;
      style->drawPrimitive(element == TThemedElement::CheckBox ? QStyle::PE_IndicatorCheckBox
                                                               : QStyle::PE_IndicatorRadioButton,
                           &opt, &p);
      break;
    }
    case TThemedElement::ProgressBar:
    case TThemedElement::ProgressChunk: {
      QStyleOptionProgressBar opt;
      FillOption(opt, style, state, rect);
      opt.minimum = 0;
      opt.maximum = 100;
      opt.progress = 100;
      opt.state |= QStyle::State_Horizontal;
      style->drawControl(element == TThemedElement::ProgressBar ? QStyle::CE_ProgressBarGroove
                                                                : QStyle::CE_ProgressBarContents,
                         &opt, &p);
      break;
    }
    case TThemedElement::ComboButton:
    case TThemedElement::SpinUp:
    case TThemedElement::SpinDown: {
      QStyleOptionButton opt;
      FillOption(opt, style, state, rect);
      if (!(opt.state & QStyle::State_Sunken)) opt.state |= QStyle::State_Raised;
      style->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p);
      QStyleOption arrow = opt;
      arrow.rect = rect.adjusted(2, 2, -2, -2);
      style->drawPrimitive(element == TThemedElement::SpinUp ? QStyle::PE_IndicatorArrowUp
                                                             : QStyle::PE_IndicatorArrowDown,
                           &arrow, &p);
      break;
    }
  }
}

}  // namespace

bool ThemesActive() { return g_themes_active; }
void SetThemesActive(bool active) { g_themes_active = active; }

TThemeNames CurrentThemeNames() {
  if (!g_themes_active) return {};
  return {"Fusion", "NormalColor", "NormalSize"};
}

void PaintThemedPart(TCanvas& canvas, TThemedElement element, int state, const TRect& r) {
  if (r.IsEmpty()) return;
  EnsureGuiApplication();
  QStyle* style = Fusion();
  if (!style || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  TBitmap part(r.Width(), r.Height());
  part.Canvas().CopyRect({0, 0, r.Width(), r.Height()}, canvas, r);
  {
    QPainter p(&BitmapImage(part));
    PaintElement(p, style, element, state, QRect(0, 0, r.Width(), r.Height()));
  }
  canvas.Draw(r.Left, r.Top, part);
}

}  // namespace hd
