// The markup hint window's size on a font of fixed boxes (every character half its height
// wide): its text, its margins by the kind of hint, and the shifts that keep it on its
// monitor.
#include "grid/stringgrid/html_hint_window.h"

#include <gtest/gtest.h>

#include "grid/foundation/text_utils.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class HTMLHintWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before = SetMonitorLayoutOverride({{Bounds(0, 0, 800, 600), Bounds(0, 0, 800, 560)},
                                       {Bounds(800, 0, 1024, 768), Bounds(800, 0, 1024, 768)}});
    TFont font = hint.Font();
    font.Name = kTestFontName;
    font.SetHeight(-10);
    hint.SetFont(font);
    SetHintFontName("");
  }
  void TearDown() override {
    hint.ReleaseHandle();
    SetMonitorLayoutOverride(before);
    SetHintFontName("");
  }
  TGuiKit kit;
  THTMLHintWindow hint;
  std::vector<TMonitorLayout> before;
};

TEST_F(HTMLHintWindowTest, SizedToItsTextWithTheMarginOfItsKindAndKeptOnItsMonitor) {
  const std::string wide = EncodePackedUnicode(u"Wide\u00e9!");  // 6 characters
  struct Case {
    const char* name;
    std::string text;
    TPoint at;
    TRect bounds;
  };
  // Characters are 5 pixels wide; the text is 10 high, the window 4 more.
  const Case cases[] = {
      {"markup: 16 pixels of margin", "<b>Hello</b>", {100, 100}, Bounds(100, 100, 25 + 16, 14)},
      {"packed wide text: 8 pixels", wide, {100, 100}, Bounds(100, 100, 30 + 8, 14)},
      {"past the right edge: 2 pixels inside", "Hello", {790, 100}, Bounds(800 - 2 - 41, 100, 41, 14)},
      {"past the bottom: 2 pixels inside", "Hello", {100, 595}, Bounds(100, 600 - 2 - 14, 41, 14)},
      {"on the second monitor", "Hello", {1000, 100}, Bounds(1000, 100, 41, 14)},
      {"past the second monitor's right edge", wide, {1810, 100}, Bounds(1824 - 2 - 38, 100, 38, 14)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRect r = hint.CalcHintRect(800, c.text, nullptr);
    OffsetRect(r, c.at.X, c.at.Y);
    hint.ActivateHint(r, c.text);
    EXPECT_EQ(hint.BoundsRect(), c.bounds);
    EXPECT_TRUE(hint.Showing());
  }
}

TEST_F(HTMLHintWindowTest, PackedWideHintTakesTheRecordedFontAndMarkupWrapsInCalcHintRect) {
  const std::string wide = EncodePackedUnicode(u"abcd");
  hint.ActivateHint(Bounds(10, 10, 1, 1), wide);
  EXPECT_EQ(hint.TextWidth(), 20);
  EXPECT_EQ(hint.WideCaption(), u"abcd");
  // The grid records its font for packed hints: here one of 20-pixel boxes, 10 wide.
  SetHintFontName(kTestFontName);
  TFont big = hint.Font();
  big.SetHeight(-20);
  big.Name = "Arial";
  hint.SetFont(big);
  hint.ActivateHint(Bounds(10, 10, 1, 1), wide);
  EXPECT_EQ(hint.TextWidth(), 40);
  EXPECT_EQ(hint.BoundsRect().Width(), 48);
  // Markup is measured with word wrap within the width it is given.
  SetHintFontName("");
  TFont small = hint.Font();
  small.Name = kTestFontName;
  small.SetHeight(-10);
  hint.SetFont(small);
  const TRect r = hint.CalcHintRect(60, "one two three four", nullptr);
  EXPECT_LE(r.Width(), 60);
  EXPECT_GE(r.Height(), 20) << "wrapped onto more lines";
}

TEST_F(HTMLHintWindowTest, PaintsAFrameOfLightAndDarkShadowAroundTheText) {
  hint.SetColor(clWhite);
  hint.ActivateHint(Bounds(100, 100, 1, 1), "Hi");
  const TBitmap* image = hint.PaintedImage();
  ASSERT_NE(image, nullptr);
  const int w = image->Width(), h = image->Height();
  EXPECT_EQ(image->ScanLine(0)[0] & 0xFFFFFFu, ColorToRGB(cl3DLight));
  EXPECT_EQ(image->ScanLine(h - 1)[3] & 0xFFFFFFu, ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(image->ScanLine(3)[w - 1] & 0xFFFFFFu, ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(image->ScanLine(h / 2)[w - 3] & 0xFFFFFFu, 0xFFFFFFu) << "the window colour inside";
}

}  // namespace
}  // namespace hd
