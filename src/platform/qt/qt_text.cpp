#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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

// Rendered runs and measured advances, kept per font (height and style: every name is served
// by one family) and text, so that a screen of cells renders each text once and then copies.
// The least recently used go when the cache is full.
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
  key.reserve(text.size() + 16);
  key += std::to_string(pixelHeight);
  key += ':';
  key += std::to_string(font.Style.Bits());
  key += rtl ? 'r' : 'l';
  key += text;
  return key;
}

Mask RenderUncached(const CachedFont& f, const std::string& text, bool rtl);

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
  if (text.size() > kLongestCachedText) return RenderUncached(Lookup(font, pixelHeight), text, rtl);
  static TextCache<std::shared_ptr<const Mask>> cache(4096);
  std::string key = CacheKey(font, pixelHeight, text, rtl);
  if (const auto* known = cache.Find(key)) return **known;
  return *cache.Put(key, std::make_shared<const Mask>(RenderUncached(Lookup(font, pixelHeight), text, rtl)));
}

namespace {

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
