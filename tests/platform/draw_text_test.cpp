#include <gtest/gtest.h>
#include <algorithm>
#include <sys/resource.h>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/gui_application.h"
#include "platform/raster_canvas.h"

namespace hd {
namespace {

// The fixed test font at 8 points: cells 11 pixels high (ascent 9, external leading 1),
// every character 6 pixels wide, its box inked on rows 2..8 and columns 1..4 of the cell.
class DrawTextTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    c_.Font().Name = kTestFontName;
    c_.Font().Size = 8;
    c_.Font().Color = clBlack;
    c_.SetBkMode(bkTransparent);
  }
  bool Ink(int x, int y) const { return c_.Pixel(x, y) == clBlack; }
  bool AnyInkInColumns(int x0, int x1) const {
    for (int y = 0; y < bmp_.Height(); ++y)
      for (int x = x0; x < x1; ++x)
        if (Ink(x, y)) return true;
    return false;
  }
  TBitmap bmp_{120, 60};
  TCanvas& c_ = bmp_.Canvas();
};

TEST_F(DrawTextTest, CalcRectMeasuresLinesAndWidestLine) {
  struct Case {
    const char* name;
    const char* text;
    int width;
    unsigned flags;
    int expectHeight;
    int expectWidth;
  };
  const Case cases[] = {
      {"word break at blanks, long word kept whole", "aaa bbb cccccccccc d", 40, DT_WORDBREAK, 44, 60},
      {"words exactly filling the width stay on one line", "aaa bbb", 42, DT_WORDBREAK, 11, 42},
      {"one pixel less wraps them", "aaa bbb", 41, DT_WORDBREAK, 22, 18},
      {"edit control breaks a long word", "aaa bbb cccccccccc d", 40, DT_WORDBREAK | DT_EDITCONTROL, 44, 36},
      {"external leading adds to each line", "aaa bbb cccccccccc d", 40, DT_WORDBREAK | DT_EXTERNALLEADING, 48, 60},
      {"line breaks without word break", "ab\r\ncde\nf", 10, 0, 33, 18},
      {"trailing line break starts no line", "ab\n", 40, 0, 11, 12},
      {"single line ignores line breaks", "ab\ncd", 10, DT_SINGLELINE, 11, 24},
      {"single line sets the right edge", "abcdefghij", 20, DT_SINGLELINE, 11, 60},
      {"prefix hides the ampersand", "a&bc", 100, DT_SINGLELINE, 11, 18},
      {"double ampersand shows one", "a&&b", 100, DT_SINGLELINE, 11, 18},
      {"no prefix keeps every ampersand", "a&&b", 100, DT_SINGLELINE | DT_NOPREFIX, 11, 24},
      {"tabs stop every eight average widths", "a\tb", 100, DT_SINGLELINE | DT_EXPANDTABS, 11, 54},
      {"end ellipsis shortens to fit", "abcdefghij", 40, DT_SINGLELINE | DT_END_ELLIPSIS, 11, 36},
      {"empty text is one empty line", "", 40, 0, 11, 0},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    TRect r{5, 7, 5 + tc.width, 8};
    int h = c_.DrawText(tc.text, r, tc.flags | DT_CALCRECT);
    EXPECT_EQ(h, tc.expectHeight);
    EXPECT_EQ(r, (TRect{5, 7, 5 + tc.expectWidth, 7 + tc.expectHeight}));
  }
  EXPECT_FALSE(AnyInkInColumns(0, bmp_.Width())) << "DT_CALCRECT drew";
}

// Counts the characters the layout measures.
class TMeasuringCanvas : public TRasterCanvas {
 public:
  using TRasterCanvas::TRasterCanvas;
  TSize TextExtent(const std::string& text) override {
    measured += text.size();
    return TRasterCanvas::TextExtent(text);
  }
  size_t measured = 0;
};

TEST(DrawTextCost, WordBreakOfALongParagraphMeasuresEachCharacterAFewTimesNotEveryPrefix) {
  EnsureGuiApplication();
  TBitmap bmp(10, 10);
  TMeasuringCanvas c(bmp);
  c.Font().Name = kTestFontName;
  c.Font().Size = 8;
  // 20,000 words of five characters in lines of 1,000 characters (6 pixels each).
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "abcd ";
  for (unsigned extra : {0u, unsigned(DT_EDITCONTROL)}) {
    SCOPED_TRACE(extra);
    c.measured = 0;
    TRect r{0, 0, 6000, 10};
    EXPECT_EQ(c.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | extra), 100 * 11);
    EXPECT_EQ(r.Width(), 999 * 6) << "each line ends before its trailing blank";
    EXPECT_LT(c.measured, 30 * text.size()) << "measuring every prefix of a line costs 500 a character";
  }
  // A long single line cut with an ellipsis measures no prefix after prefix either.
  c.measured = 0;
  TRect r{0, 0, 6000, 10};
  c.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(r.Width(), 6000);
  EXPECT_LT(c.measured, 30 * text.size());
}

long PeakKilobytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

TEST_F(DrawTextTest, AVeryLongRunDrawsWhatShowsWithoutRenderingTheRest) {
  // Four million characters of 6 pixels: rendered whole, the run's glyph mask alone would take
  // some 260 MB.
  std::string text(4'000'000, 'a');
  for (size_t i = 0; i < text.size(); i += 7) text[i] = ' ';
  TBitmap shortRun{120, 60};
  shortRun.Canvas().Font() = c_.Font();
  shortRun.Canvas().SetBkMode(bkTransparent);
  struct Case {
    const char* name;
    int x;           // where the long run starts
    size_t from;     // the first character that shows
  };
  const int n = static_cast<int>(text.size());
  const Case cases[] = {
      {"the head shows from the left edge", 5, 0},
      {"the tail ends inside the bitmap", 100 - 6 * n, text.size() - 30},
      {"a middle part fills the bitmap", -6 * 2'000'003, 2'000'000},
  };
  const long before = PeakKilobytes();
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    c_.Brush().Color = clWhite;
    c_.FillRect({0, 0, 120, 60});
    shortRun.Canvas().Brush().Color = clWhite;
    shortRun.Canvas().FillRect({0, 0, 120, 60});
    c_.TextOut(tc.x, 10, text);
    // The same characters drawn as a short run where they stand.
    const size_t from = tc.from >= 40 ? tc.from - 40 : 0;
    shortRun.Canvas().TextOut(tc.x + 6 * static_cast<int>(from), 10, text.substr(from, 100));
    int differ = 0, ink = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 120; ++x) {
        differ += c_.Pixel(x, y) != shortRun.Canvas().Pixel(x, y);
        ink += c_.Pixel(x, y) == clBlack;
      }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(ink, 100);
  }
  EXPECT_LT(PeakKilobytes() - before, 100'000) << "the whole run was rendered";
}

TEST_F(DrawTextTest, WordBreakDrawsLinesBelowEachOther) {
  TRect r{0, 0, 40, 60};
  EXPECT_EQ(c_.DrawText("aaa bbb", r, DT_WORDBREAK), 22);
  EXPECT_TRUE(Ink(1, 2));    // "aaa" on the first line
  EXPECT_TRUE(Ink(1, 13));   // "bbb" on the second
  EXPECT_FALSE(Ink(19, 2));  // no fourth character on the first line
  EXPECT_FALSE(Ink(1, 24));
}

TEST_F(DrawTextTest, SingleLineIsCentredOrBottomAligned) {
  struct Case {
    const char* name;
    unsigned flags;
    int top;  // of the text cell
    int result;
  };
  const Case cases[] = {
      {"top", 0, 0, 11},
      {"centred", DT_VCENTER, 10, 21},
      {"bottom", DT_BOTTOM, 20, 31},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    c_.Brush().Color = clWhite;
    c_.FillRect({0, 0, 120, 60});
    TRect r{0, 0, 60, 31};
    EXPECT_EQ(c_.DrawText("ab", r, DT_SINGLELINE | tc.flags), tc.result);
    EXPECT_FALSE(Ink(1, tc.top + 1));
    EXPECT_TRUE(Ink(1, tc.top + 2));
    EXPECT_TRUE(Ink(1, tc.top + 8));
    EXPECT_FALSE(Ink(1, tc.top + 9));
  }
}

TEST_F(DrawTextTest, HorizontalAlignment) {
  TRect r{0, 0, 40, 11};
  c_.DrawText("ab", r, DT_SINGLELINE | DT_CENTER);  // starts at (40 - 12) / 2 = 14
  EXPECT_FALSE(Ink(14, 5));
  EXPECT_TRUE(Ink(15, 5));
  EXPECT_TRUE(Ink(24, 5));
  EXPECT_FALSE(Ink(25, 5));
  TRect right{0, 20, 40, 31};
  c_.DrawText("ab", right, DT_SINGLELINE | DT_RIGHT);  // starts at 28
  EXPECT_TRUE(Ink(29, 25));
  EXPECT_FALSE(Ink(27, 25));
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
  TRect r{0, 0, 60, 11};
  c_.DrawText("a&bc", r, DT_SINGLELINE);
  // The underline runs one row below the baseline, under "b" only.
  for (int x = 6; x < 12; ++x) EXPECT_TRUE(Ink(x, 10)) << x;
  EXPECT_FALSE(Ink(5, 10));
  EXPECT_FALSE(Ink(12, 10));
  c_.Brush().Color = clWhite;
  c_.FillRect({0, 0, 120, 60});
  c_.DrawText("a&bc", r, DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_FALSE(Ink(7, 10));
  EXPECT_TRUE(Ink(7, 5));
}

TEST_F(DrawTextTest, DoubledAmpersandDrawsOneAndUnderlinesNothing) {
  TRect r{0, 0, 60, 11};
  c_.DrawText("a&&bc", r, DT_SINGLELINE);
  // "a&bc": four cells, the fourth ("c") inked on columns 19..22.
  EXPECT_TRUE(Ink(13, 5)) << "the ampersand";
  EXPECT_TRUE(Ink(19, 5));
  EXPECT_FALSE(AnyInkInColumns(24, 60));
  for (int x = 0; x < 30; ++x) EXPECT_FALSE(Ink(x, 10)) << x;
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip) {
  TRect r{0, 0, 20, 11};
  c_.DrawText("abcdefghij", r, DT_SINGLELINE);
  EXPECT_TRUE(Ink(13, 5));
  EXPECT_FALSE(AnyInkInColumns(20, 120));
  c_.DrawText("abcdefghij", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_TRUE(Ink(55, 5));
}

TEST_F(DrawTextTest, EndEllipsisDrawsOnlyWhatFits) {
  TRect r{0, 0, 40, 11};
  c_.DrawText("abcdefghij", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  EXPECT_TRUE(Ink(31, 5));  // the last dot ends at 36
  EXPECT_FALSE(AnyInkInColumns(36, 120));
}

TEST_F(DrawTextTest, EditControlHidesAPartlyVisibleLastLine) {
  TRect r{0, 0, 40, 16};  // room for one full line and five rows of the second
  c_.DrawText("aaa bbb", r, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_TRUE(Ink(1, 5));
  EXPECT_FALSE(Ink(1, 13));
  c_.DrawText("aaa bbb", r, DT_WORDBREAK);
  EXPECT_TRUE(Ink(1, 13));
  EXPECT_FALSE(Ink(1, 16));  // clipped at the rectangle's bottom
}

// In a real font a run is drawn from its glyphs at their advances, without kerning: what
// measures the run must give that width, or text fitted to a measured space spills over it.
TEST(DrawTextWidth, RealFontTextIsAsWideAsItsOpaqueBackground) {
  EnsureGuiApplication();
  TBitmap bmp(400, 40);
  TCanvas& c = bmp.Canvas();
  c.Font().Name = "Tahoma";
  for (int size : {8, 11}) {
    c.Font().Size = size;
    for (const char* text : {"AVAVAV To Wa", "Entry 1234", "ffi fl LT Yo", "caf\xc3\xa9 na\xc3\xafve"}) {
      c.Brush() = TBrush{clWhite, bsSolid};
      c.FillRect(TRect{0, 0, 400, 40});
      c.SetBkMode(bkOpaque);
      c.Brush() = TBrush{clRed, bsSolid};
      c.Font().Color = clBlack;
      c.TextOut(0, 0, text);
      int right = 0;
      for (int x = 0; x < 400; ++x)
        if (c.Pixel(x, c.TextHeight(text) - 1) == clRed) right = x + 1;
      EXPECT_EQ(c.TextWidth(text), right) << text << " at " << size;
    }
  }
}

// Underlined and struck-out text in the shipped family shows its line across the whole run.
TEST(TextDecoration, UnderlineAndStrikeOutDrawALineAcrossTheRun) {
  EnsureGuiApplication();
  auto widestInkRun = [](TFontStyles style) {
    TBitmap bmp(200, 40);
    TCanvas& c = bmp.Canvas();
    c.Font().Name = "Tahoma";
    c.Font().Size = 10;
    c.Font().Color = clBlack;
    c.Font().Style = style;
    c.SetBkMode(bkTransparent);
    c.TextOut(5, 5, "i i i i i i");
    int widest = 0;
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0, run = 0; x < bmp.Width(); ++x) {
        run = c.Pixel(x, y) == clBlack ? run + 1 : 0;
        widest = std::max(widest, run);
      }
    return widest;
  };
  const int plain = widestInkRun({});
  EXPECT_GT(widestInkRun({fsUnderline}), 4 * plain);
  EXPECT_GT(widestInkRun({fsStrikeOut}), 4 * plain);
}

}  // namespace
}  // namespace hd
