#include "platform/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <vector>

namespace hd {
namespace {

constexpr const char* kDejaVuDir = "/usr/share/fonts/truetype/dejavu/";
constexpr const char* kWineDir = "/usr/share/wine/fonts/";
constexpr const char* kLiberationDir = "/usr/share/fonts/truetype/liberation2/";

// A font name the windows use and the free files drawn for it, whose advances match the
// widths the windows were laid out for.
struct TFontSource {
  const char* Name;  // lower case
  const char* Dir;
  std::vector<const char*> Files;
};

const std::vector<TFontSource>& Sources() {
  static const std::vector<TFontSource> sources{
      {"tahoma", kWineDir, {"tahoma.ttf", "tahomabd.ttf"}},
      {"ms sans serif", kWineDir, {"ms_sans_serif.ttf"}},
      {"symbol", kWineDir, {"symbol.ttf"}},
      {"wingdings", kWineDir, {"wingding.ttf"}},
      {"marlett", kWineDir, {"marlett.ttf"}},
      {"arial",
       kLiberationDir,
       {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
        "LiberationSans-BoldItalic.ttf"}},
      {"times new roman",
       kLiberationDir,
       {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf",
        "LiberationSerif-BoldItalic.ttf"}},
      {"courier new",
       kLiberationDir,
       {"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf", "LiberationMono-Italic.ttf",
        "LiberationMono-BoldItalic.ttf"}},
  };
  return sources;
}

const std::vector<const char*> kFallbackFiles{"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                              "DejaVuSans-BoldOblique.ttf"};

// Family 0 is the fallback; the others are those of Sources() whose files were found.
struct TFamilies {
  std::vector<QString> names{QStringLiteral("DejaVu Sans")};
  std::map<std::string, int> byName;  // lower-case font name -> family index
};

TFamilies& Families() {
  static TFamilies families;
  return families;
}

// The family of the first file of a list that registers; empty when none does.
QString RegisterFiles(const char* dir, const std::vector<const char*>& files) {
  QString family;
  for (const char* file : files) {
    int id = QFontDatabase::addApplicationFont(QString::fromLatin1(dir) + QString::fromLatin1(file));
    if (id < 0) continue;
    QStringList names = QFontDatabase::applicationFontFamilies(id);
    if (family.isEmpty() && !names.isEmpty()) family = names.front();
  }
  return family;
}

std::string Lower(const std::string& s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Em size over cell height of a family, for fonts asked by cell height.
double EmPerCell(int family) {
  static std::map<int, double> ratios;
  auto it = ratios.find(family);
  if (it != ratios.end()) return it->second;
  QFont probe(Families().names[static_cast<size_t>(family)]);
  probe.setPixelSize(1000);
  QFontMetricsF fm(probe);
  double ratio = fm.height() > 0 ? 1000.0 / fm.height() : 1.0;
  ratios.emplace(family, ratio);
  return ratio;
}

}  // namespace

bool RegisterShippedFonts() {
  static int state = 0;  // 0 not tried, 1 registered, 2 fallback missing
  if (state != 0) return state == 1;
  state = 2;
  TFamilies& families = Families();
  QString fallback = RegisterFiles(kDejaVuDir, kFallbackFiles);
  if (!fallback.isEmpty()) {
    families.names[0] = fallback;
    state = 1;
  }
  // A name whose files are missing keeps the fallback.
  for (const TFontSource& source : Sources()) {
    QString family = RegisterFiles(source.Dir, source.Files);
    if (family.isEmpty()) continue;
    families.names.push_back(family);
    families.byName[source.Name] = static_cast<int>(families.names.size()) - 1;
  }
  return state == 1;
}

QString ShippedFontFamily() { return Families().names[0]; }

int FontFamilyIndex(const std::string& name) {
  const TFamilies& families = Families();
  if (families.byName.empty()) return 0;
  auto it = families.byName.find(Lower(name));
  return it == families.byName.end() ? 0 : it->second;
}

QString FontFamily(const std::string& name) { return Families().names[static_cast<size_t>(FontFamilyIndex(name))]; }

QFont MakeQFont(const TFont& font, int pixelHeight) {
  int family = FontFamilyIndex(font.Name);
  QFont f(Families().names[static_cast<size_t>(family)]);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  int h = pixelHeight < 0 ? -pixelHeight : static_cast<int>(std::lround(pixelHeight * EmPerCell(family)));
  f.setPixelSize(std::max(1, h == 0 ? 13 : h));
  f.setBold(font.Style.Contains(fsBold));
  f.setItalic(font.Style.Contains(fsItalic));
  f.setUnderline(font.Style.Contains(fsUnderline));
  f.setStrikeOut(font.Style.Contains(fsStrikeOut));
  return f;
}

}  // namespace hd
