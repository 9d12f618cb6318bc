#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <cmath>
#include <utility>
#include <vector>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "platform/gui_application.h"
#include "platform/qt/qt_fonts.h"
#include "platform/text_render_p.h"

namespace hd::text_render {
namespace {

bool IsTestFont(const TFont& font) { return font.Name == kTestFontName; }

// One glyph's ink over the height of a run (ascent + descent), from `left` pixels off the pen
// position, 1 where ink is.
struct Glyph {
  int left = 0;
  int width = 0;
  std::vector<std::uint8_t> bits;
};

// A printable ASCII character's glyph and advance, looked up once.
struct AsciiGlyph {
  bool known = false;
  quint32 index = 0;
  double advance = 0;
};

// Printable ASCII measured per character: the shaped advance of each character alone, and
// for each pair whether the shaped pair is exactly the sum of the two (no ligature or other
// substitution joins them). A text all of whose neighbouring pairs add up is as wide as the sum
// of its characters, which is what the shaper answers for it.
struct AsciiAdvances {
  static constexpr int kFirst = 0x20, kCount = 0x7F - 0x20;
  std::array<double, kCount> advance{};
  std::array<bool, kCount> known{};
  std::array<std::uint8_t, kCount * kCount> pair{};  // 0 not asked, 1 adds up, 2 does not
};

struct CachedFont {
  QFont font;
  QFontMetrics metrics;
  QRawFont raw;
  // Glyphs drawn once and composed into every run after; emptied when it grows past kMaxGlyphs.
  std::unordered_map<quint32, Glyph> glyphs;
  std::array<AsciiGlyph, 128> ascii{};
  std::unique_ptr<AsciiAdvances> sums = std::make_unique<AsciiAdvances>();
};

constexpr size_t kMaxGlyphs = 4096;

// Measuring runs often, so fonts and their metrics are kept per family, height and style.
CachedFont& Lookup(const TFont& font, int pixelHeight) {
  static std::map<std::tuple<int, int, std::uint64_t>, CachedFont> cache;
  auto key = std::make_tuple(FontFamilyIndex(font.Name), pixelHeight, font.Style.Bits());
  auto it = cache.find(key);
  if (it == cache.end()) {
    EnsureGuiApplication();
    QFont qf = MakeQFont(font, pixelHeight);
    it = cache.emplace(key, CachedFont{qf, QFontMetrics(qf), QRawFont::fromFont(qf), {}}).first;
  }
  return it->second;
}

// Rendered runs and measured advances, kept per font (family, height and style) and text, so
// that a screen of cells renders each text once and then copies. The least recently used go
// when the cache is full.
template <class Value>
class TextCache {
 public:
  explicit TextCache(size_t capacity) : capacity_(capacity) {}
  const Value* Find(const std::string& key) {
    auto it = index_.find(key);
    if (it == index_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return &it->second->second;
  }
  const Value& Put(const std::string& key, Value value) {
    order_.emplace_front(key, std::move(value));
    index_[key] = order_.begin();
    if (order_.size() > capacity_) {
      index_.erase(order_.back().first);
      order_.pop_back();
    }
    return order_.front().second;
  }

 private:
  size_t capacity_;
  std::list<std::pair<std::string, Value>> order_;
  std::unordered_map<std::string, typename std::list<std::pair<std::string, Value>>::iterator> index_;
};

constexpr std::size_t kLongestCachedText = 1024;

std::string CacheKey(const TFont& font, int pixelHeight, const std::string& text, bool rtl) {
  std::string key;
  key.reserve(text.size() + 20);
  key += std::to_string(FontFamilyIndex(font.Name));
  key += ':';
  key += std::to_string(pixelHeight);
  key += ':';
  key += std::to_string(font.Style.Bits());
  key += rtl ? 'r' : 'l';
  key += text;
  return key;
}

Mask RenderUncached(const CachedFont& f, const std::string& text, bool rtl);
bool Compose(CachedFont& f, const std::string& text, Mask& mask);
bool ComposedWidth(CachedFont& f, const std::string& text, int& width);

double ShapedWidth(const CachedFont& f, const QString& s) { return QFontMetricsF(f.font).horizontalAdvance(s); }

// The width of printable ASCII text from the per-character table, as the shaper rounds it;
// false for other text and for text holding a pair that does not add up.
bool SummedAdvance(CachedFont& f, const std::string& text, int& width) {
  AsciiAdvances& t = *f.sums;
  double sum = 0;
  int prev = -1;
  for (char ch : text) {
    int c = static_cast<unsigned char>(ch) - AsciiAdvances::kFirst;
    if (c < 0 || c >= AsciiAdvances::kCount) return false;
    if (!t.known[static_cast<size_t>(c)]) {
      t.advance[static_cast<size_t>(c)] = ShapedWidth(f, QString(QChar(ch)));
      t.known[static_cast<size_t>(c)] = true;
    }
    if (prev >= 0) {
      std::uint8_t& verdict = t.pair[static_cast<size_t>(prev * AsciiAdvances::kCount + c)];
      if (verdict == 0) {
        const char two[2] = {static_cast<char>(prev + AsciiAdvances::kFirst), ch};
        double joined = ShapedWidth(f, QString::fromLatin1(two, 2));
        verdict = joined == t.advance[static_cast<size_t>(prev)] + t.advance[static_cast<size_t>(c)] ? 1 : 2;
      }
      if (verdict != 1) return false;
    }
    sum += t.advance[static_cast<size_t>(c)];
    prev = c;
  }
  // The shaper's advances are in 1/64 pixels, so the sum is exact; it rounds half up.
  width = static_cast<int>(std::floor(sum + 0.5));
  return true;
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
  // Text that is drawn put together from its glyphs is as wide as they add up to: measured
  // the same way, it fits the space measured for it to the pixel.
  int composed = 0;
  if (ComposedWidth(Lookup(font, pixelHeight), text, composed)) return composed;
  // A decorated run is drawn whole by the shaper: printable ASCII is summed from its table.
  if (int summed = 0; SummedAdvance(Lookup(font, pixelHeight), text, summed)) return summed;
  // A long text is measured once, by a caller that lays it out; keeping it as a key would
  // hold its copy for nothing.
  if (text.size() > kLongestCachedText)
    return Lookup(font, pixelHeight).metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  static TextCache<int> cache(16384);
  std::string key = CacheKey(font, pixelHeight, text, false);
  if (const int* known = cache.Find(key)) return *known;
  int advance = Lookup(font, pixelHeight).metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  return cache.Put(key, advance);
}

Mask Render(const TFont& font, int pixelHeight, const std::string& text, bool rtl) {
  if (IsTestFont(font)) return test_font::Render(font, pixelHeight, text);
  CachedFont& f = Lookup(font, pixelHeight);
  // Text of one direction in the font's own glyphs is put together from glyphs drawn before,
  // each time: text never drawn costs what text drawn a thousand times does.
  if (!rtl) {
    Mask composed;
    if (Compose(f, text, composed)) return composed;
  }
  // Anything else (right to left, other scripts, glyphs from another font) is drawn whole and
  // kept.
  if (text.size() > kLongestCachedText) return RenderUncached(f, text, rtl);
  static TextCache<std::shared_ptr<const Mask>> cache(4096);
  std::string key = CacheKey(font, pixelHeight, text, rtl);
  if (const auto* known = cache.Find(key)) return **known;
  return *cache.Put(key, std::make_shared<const Mask>(RenderUncached(f, text, rtl)));
}

namespace {

// Characters whose glyphs stand side by side without shaping: Latin, no controls.
bool SimpleText(const QString& s) {
  for (QChar c : s)
    if (c.unicode() < 0x20 || c.unicode() >= 0x250 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)) return false;
  return true;
}

const Glyph& GlyphOf(CachedFont& f, quint32 index) {
  auto it = f.glyphs.find(index);
  if (it != f.glyphs.end()) return it->second;
  if (f.glyphs.size() >= kMaxGlyphs) f.glyphs.clear();
  int ascent = f.metrics.ascent(), height = ascent + f.metrics.descent();
  QRectF box = f.raw.boundingRect(index);
  Glyph g;
  g.left = static_cast<int>(std::floor(box.left())) - 1;
  g.width = std::max(0, static_cast<int>(std::ceil(box.right())) + 1 - g.left);
  if (box.isEmpty()) g.width = 0;
  g.bits.assign(static_cast<size_t>(g.width) * static_cast<size_t>(std::max(0, height)), 0);
  if (g.width > 0 && height > 0) {
    QImage img(g.width, height, QImage::Format_Grayscale8);
    img.fill(0);
    QGlyphRun run;
    run.setRawFont(f.raw);
    run.setGlyphIndexes({index});
    run.setPositions({QPointF(-g.left, ascent)});
    {
      QPainter p(&img);
      p.setRenderHint(QPainter::TextAntialiasing, false);
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setPen(Qt::white);
      p.drawGlyphRun(QPointF(0, 0), run);
    }
    for (int y = 0; y < height; ++y) {
      const uchar* line = img.constScanLine(y);
      for (int x = 0; x < g.width; ++x) g.bits[static_cast<size_t>(y) * g.width + x] = line[x] > 127 ? 1 : 0;
    }
  }
  return f.glyphs.emplace(index, std::move(g)).first->second;
}

using GlyphList = std::vector<std::pair<quint32, double>>;

// The glyphs and advances of a text that needs no shaping; false when it does, or when a glyph
// is missing from the font. Printable ASCII is looked up per character once per font.
bool GlyphsOf(CachedFont& f, const std::string& text, GlyphList& out) {
  out.clear();
  out.reserve(text.size());
  bool ascii = true;
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c >= 0x7F) {
      ascii = false;
      break;
    }
    AsciiGlyph& g = f.ascii[c];
    if (!g.known) {
      QList<quint32> index = f.raw.glyphIndexesForString(QString(QChar(c)));
      if (index.size() == 1) {
        g.index = index[0];
        QList<QPointF> advance = f.raw.advancesForGlyphIndexes(index);
        g.advance = advance.size() == 1 ? advance[0].x() : 0;
      }
      g.known = true;
    }
    if (g.index == 0) return false;
    out.emplace_back(g.index, g.advance);
  }
  if (ascii) return true;
  out.clear();
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (!SimpleText(s)) return false;
  QList<quint32> indexes = f.raw.glyphIndexesForString(s);
  if (indexes.size() != s.size()) return false;
  QList<QPointF> advances = f.raw.advancesForGlyphIndexes(indexes);
  if (advances.size() != indexes.size()) return false;
  for (qsizetype k = 0; k < indexes.size(); ++k) {
    if (indexes[k] == 0) return false;
    out.emplace_back(indexes[k], advances[k].x());
  }
  return true;
}

// The run put together from its glyphs at their advances, as wide as they add up to; false
// when the text needs shaping or a glyph from another font.
// Glyphs carry no underline or strike-out line: a decorated run is drawn whole, and measured
// the way it is drawn.
bool Composable(const CachedFont& f) { return f.raw.isValid() && !f.font.underline() && !f.font.strikeOut(); }

bool ComposedWidth(CachedFont& f, const std::string& text, int& width) {
  if (!Composable(f)) return false;
  static GlyphList glyphs;
  if (!GlyphsOf(f, text, glyphs)) return false;
  double sum = 0;
  for (const auto& [index, advance] : glyphs) sum += advance;
  width = std::max(0, static_cast<int>(std::lround(sum)));
  return true;
}

bool Compose(CachedFont& f, const std::string& text, Mask& mask) {
  if (!Composable(f)) return false;
  static GlyphList glyphs;
  if (!GlyphsOf(f, text, glyphs)) return false;
  double width = 0;
  for (const auto& [index, advance] : glyphs) width += advance;
  mask.Width = std::max(0, static_cast<int>(std::lround(width)));
  mask.Height = std::max(0, f.metrics.ascent() + f.metrics.descent());
  mask.Bits.assign(static_cast<size_t>(mask.Width) * static_cast<size_t>(mask.Height), 0);
  double pen = 0;
  for (const auto& [index, advance] : glyphs) {
    const Glyph& g = GlyphOf(f, index);
    int x0 = static_cast<int>(std::lround(pen)) + g.left;
    pen += advance;
    int from = std::max(0, -x0), to = std::min(g.width, mask.Width - x0);
    if (from >= to) continue;
    for (int y = 0; y < mask.Height; ++y) {
      const std::uint8_t* src = g.bits.data() + static_cast<size_t>(y) * g.width;
      std::uint8_t* dst = mask.Bits.data() + static_cast<size_t>(y) * mask.Width + x0;
      for (int x = from; x < to; ++x) dst[x] |= src[x];
    }
  }
  return true;
}

Mask RenderUncached(const CachedFont& f, const std::string& text, bool rtl) {
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

}  // namespace

}  // namespace hd::text_render
