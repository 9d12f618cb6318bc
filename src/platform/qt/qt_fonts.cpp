#include "platform/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace hd {
namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";
constexpr const char* kFontFiles[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                      "DejaVuSans-BoldOblique.ttf"};

QString& Family() {
  static QString family = QStringLiteral("DejaVu Sans");
  return family;
}

// Em size over cell height of the family, for fonts asked by cell height.
double EmPerCell() {
  static double ratio = 0;
  if (ratio == 0) {
    QFont probe(Family());
    probe.setPixelSize(1000);
    QFontMetricsF fm(probe);
    ratio = fm.height() > 0 ? 1000.0 / fm.height() : 1.0;
  }
  return ratio;
}

}  // namespace

bool RegisterShippedFonts() {
  static int state = 0;  // 0 not tried, 1 registered, 2 missing
  if (state != 0) return state == 1;
  state = 2;
  for (const char* file : kFontFiles) {
    int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontDir) + QString::fromLatin1(file));
    if (id < 0) continue;
    QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) {
      Family() = families.front();
      state = 1;
    }
  }
  return state == 1;
}

QString ShippedFontFamily() { return Family(); }

QFont MakeQFont(const TFont& font, int pixelHeight) {
  QFont f(Family());
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  int h = pixelHeight < 0 ? -pixelHeight : static_cast<int>(std::lround(pixelHeight * EmPerCell()));
  f.setPixelSize(std::max(1, h == 0 ? 13 : h));
  f.setBold(font.Style.Contains(fsBold));
  f.setItalic(font.Style.Contains(fsItalic));
  f.setUnderline(font.Style.Contains(fsUnderline));
  f.setStrikeOut(font.Style.Contains(fsStrikeOut));
  return f;
}

}  // namespace hd
