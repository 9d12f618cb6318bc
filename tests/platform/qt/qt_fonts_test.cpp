// The families drawn for the windows' font names, and the measurer's widths.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <string>
#include <vector>

#include "platform/qt/qt_fonts.h"
#include "platform/text_render_p.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

TEST(QtFonts, EachWindowFontNameIsDrawnWithAFamilyOfItsWidths) {
  test::TGuiKit kit;
  struct Case {
    const char* name;
    const char* family;
  };
  const std::vector<Case> cases{
      {"Tahoma", "Tahoma"},
      {"MS Sans Serif", "MS Sans Serif"},
      {"Symbol", "Symbol"},
      {"Wingdings", "Wingdings"},
      {"Marlett", "Marlett"},
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
      {"tahoma", "Tahoma"},
      {"Segoe UI", "DejaVu Sans"},
      {"", "DejaVu Sans"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFont font;
    font.Name = c.name;
    EXPECT_EQ(FontFamily(c.name).toStdString(), c.family);
    // Qt draws with that family, not a look-alike of its own choosing.
    EXPECT_EQ(QFontInfo(MakeQFont(font, font.Height())).family().toStdString(), c.family);
  }
  TFont bold;
  bold.Style = TFontStyles{fsBold};
  EXPECT_TRUE(QFontInfo(MakeQFont(bold, bold.Height())).bold());
}

// Plain text is measured from per-character advances; each width must be the one the shaper
// gives the whole text, ligature pairs included.
TEST(QtFonts, MeasuredWidthsAreTheShapersWidths) {
  test::TGuiKit kit;
  std::vector<std::string> texts{"Slave IP Address", "On Change", "office affluent fjord", "AVATAR Wa To",
                                 "  spaced  ", "x", "1234567890.,;:", "ffi ffl fi fl ff"};
  // And a spread of printable text from a fixed generator.
  unsigned seed = 12345;
  for (int i = 0; i < 200; ++i) {
    std::string s;
    int length = 1 + static_cast<int>(seed % 23);
    for (int k = 0; k < length; ++k) {
      seed = seed * 1103515245u + 12345u;
      s += static_cast<char>(0x20 + (seed >> 16) % 95);
    }
    texts.push_back(s);
  }
  for (const char* name : {"Tahoma", "Arial", "Times New Roman", "Courier New", "MS Sans Serif", "Verdana"}) {
    for (int height : {-11, -13, 16}) {
      for (bool bold : {false, true}) {
        // Underlined runs are drawn whole by the shaper, so they are measured from the table;
        // plain runs are measured as their glyphs are put together (see the draw-text tests).
        TFont font;
        font.Name = name;
        font.Style = bold ? TFontStyles{fsBold, fsUnderline} : TFontStyles{fsUnderline};
        QFontMetrics shaper(MakeQFont(font, height));
        for (const std::string& text : texts) {
          // Twice: the first answer fills the tables, the second reads them.
          for (int pass = 0; pass < 2; ++pass)
            ASSERT_EQ(text_render::Advance(font, height, text), shaper.horizontalAdvance(QString::fromStdString(text)))
                << name << " " << height << (bold ? " bold " : " ") << '"' << text << '"';
        }
      }
    }
  }
}

}  // namespace
}  // namespace hd
