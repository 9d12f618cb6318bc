#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <map>
#include <tuple>

#include "platform/gui_application.h"
#include "platform/qt/qt_fonts.h"
#include "platform/text_render_p.h"

namespace hd::text_render {
namespace {

bool IsTestFont(const TFont& font) { return font.Name == kTestFontName; }

struct CachedFont {
  QFont font;
  QFontMetrics metrics;
};

// Measuring runs often, so fonts and their metrics are kept per height and style.
const CachedFont& Lookup(const TFont& font, int pixelHeight) {
  static std::map<std::tuple<int, std::uint64_t>, CachedFont> cache;
  auto key = std::make_tuple(pixelHeight, font.Style.Bits());
  auto it = cache.find(key);
  if (it == cache.end()) {
    EnsureGuiApplication();
    QFont qf = MakeQFont(font, pixelHeight);
    it = cache.emplace(key, CachedFont{qf, QFontMetrics(qf)}).first;
  }
  return it->second;
}

}  // namespace

TTextMetric Metrics(const TFont& font, int pixelHeight) {
  if (IsTestFont(font)) return test_font::Metrics(pixelHeight);
  const CachedFont& f = Lookup(font, pixelHeight);
  TTextMetric m;
  m.Ascent = f.metrics.ascent();
  m.Descent = f.metrics.descent();
  m.Height = m.Ascent + m.Descent;
  m.InternalLeading = std::max(0, m.Height - f.font.pixelSize());
  m.ExternalLeading = std::max(0, f.metrics.leading());
  m.AveCharWidth = f.metrics.averageCharWidth();
  m.MaxCharWidth = f.metrics.maxWidth();
  return m;
}

int Advance(const TFont& font, int pixelHeight, const std::string& text) {
  if (IsTestFont(font)) return test_font::Advance(pixelHeight, text);
  if (text.empty()) return 0;
  return Lookup(font, pixelHeight).metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

Mask Render(const TFont& font, int pixelHeight, const std::string& text, bool rtl) {
  if (IsTestFont(font)) return test_font::Render(font, pixelHeight, text);
  const CachedFont& f = Lookup(font, pixelHeight);
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  Mask mask;
  mask.Width = f.metrics.horizontalAdvance(s);
  mask.Height = f.metrics.ascent() + f.metrics.descent();
  if (mask.Width <= 0 || mask.Height <= 0) {
    mask.Width = std::max(0, mask.Width);
    mask.Bits.assign(static_cast<size_t>(mask.Width) * static_cast<size_t>(std::max(0, mask.Height)), 0);
    return mask;
  }
  QImage img(mask.Width, mask.Height, QImage::Format_Grayscale8);
  img.fill(0);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(f.font);
    p.setPen(Qt::white);
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (rtl) flags |= Qt::TextForceRightToLeft;
    p.drawText(QRect(0, 0, mask.Width, mask.Height), flags, s);
  }
  mask.Bits.resize(static_cast<size_t>(mask.Width) * static_cast<size_t>(mask.Height));
  for (int y = 0; y < mask.Height; ++y) {
    const uchar* line = img.constScanLine(y);
    for (int x = 0; x < mask.Width; ++x) mask.Bits[static_cast<size_t>(y) * mask.Width + x] = line[x] > 127 ? 1 : 0;
  }
  return mask;
}

}  // namespace hd::text_render
