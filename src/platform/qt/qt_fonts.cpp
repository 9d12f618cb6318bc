#include "platform/qt/qt_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdlib>

#include "platform/qt/qt_native.h"

namespace hd {
namespace {

constexpr const char* kTestFamily = "DejaVu Sans";

QString SingleFamily() {
  static const QString family = [] {
    const char* env = std::getenv("HD_FONT_FAMILY");
    if (env && *env) return QString::fromUtf8(env);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return QString::fromLatin1(kTestFamily);
    return QString();
  }();
  return family;
}

}  // namespace

QString QtFontFamily(const std::string& name) {
  QString single = SingleFamily();
  return single.isEmpty() ? ToQString(name) : single;
}

int FontPixelHeight(const TFont& font) {
  int ppi = font.PixelsPerInch > 0 ? font.PixelsPerInch : 96;
  // MulDiv rounds halves away from zero.
  int n = font.Size * ppi;
  return n >= 0 ? (n + 36) / 72 : -((-n + 36) / 72);
}

QFont ToQFont(const TFont& font) {
  QFont f(QtFontFamily(font.Name));
  int px = FontPixelHeight(font);
  f.setPixelSize(px > 0 ? px : 11);
  f.setBold(font.Style.Contains(fsBold));
  f.setItalic(font.Style.Contains(fsItalic));
  f.setUnderline(font.Style.Contains(fsUnderline));
  f.setStrikeOut(font.Style.Contains(fsStrikeOut));
  return f;
}

void SetupFonts() {
  TFont standard;
  QApplication::setFont(ToQFont(standard));
}

}  // namespace hd
