#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/gui_application.h"

namespace hd {
namespace {

// Rows of the bitmap as characters: '#' for ink, '.' for white, '?' for anything else.
std::vector<std::string> Picture(const TBitmap& bmp, TColor ink = clBlack) {
  std::vector<std::string> rows;
  for (int y = 0; y < bmp.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bmp.Width(); ++x) {
      TColor c = static_cast<TColor>(bmp.ScanLine(y)[x] & 0xFFFFFF);
      row += c == ColorToRGB(ink) ? '#' : c == clWhite ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

class CanvasPrimitives : public testing::Test {
 protected:
  void SetUp() override { EnsureGuiApplication(); }
  TBitmap bmp_{8, 6};
  TCanvas& c_ = bmp_.Canvas();
};

TEST_F(CanvasPrimitives, NewBitmapIsWhiteAndPixelsUseTheColorEncoding) {
  EXPECT_EQ(c_.Pixel(0, 0), clWhite);
  c_.SetPixel(2, 3, RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(c_.Pixel(2, 3), 0x563412);
  EXPECT_EQ(bmp_.ScanLine(3)[2] & 0xFFFFFF, 0x563412u);
  c_.SetPixel(1, 1, clBtnShadow);  // system colours are resolved
  EXPECT_EQ(c_.Pixel(1, 1), ColorToRGB(clBtnShadow));
}

TEST_F(CanvasPrimitives, LinesLeaveOutTheirLastPixel) {
  struct Case {
    const char* name;
    TPoint from, to;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"horizontal right", {1, 1}, {5, 1}, {"........", ".####...", "........", "........", "........", "........"}},
      {"horizontal left", {5, 2}, {1, 2}, {"........", "........", "..####..", "........", "........", "........"}},
      {"vertical down", {0, 0}, {0, 4}, {"#.......", "#.......", "#.......", "#.......", "........", "........"}},
      {"diagonal", {1, 1}, {5, 5}, {"........", ".#......", "..#.....", "...#....", "....#...", "........"}},
      {"single point", {3, 3}, {3, 3}, {"........", "........", "........", "........", "........", "........"}},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    TBitmap bmp(8, 6);
    TCanvas& c = bmp.Canvas();
    c.MoveTo(tc.from.X, tc.from.Y);
    c.LineTo(tc.to.X, tc.to.Y);
    EXPECT_EQ(Picture(bmp), tc.expected);
    EXPECT_EQ(c.PenPos(), tc.to);
  }
}

TEST_F(CanvasPrimitives, RectangleOutlinesInsideTheBoxAndFillsTheInside) {
  c_.Brush().Color = clRed;
  c_.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "........",
                               ".#####..",
                               ".#???#..",
                               ".#???#..",
                               ".#####..",
                               "........",
                           }));
  EXPECT_EQ(c_.Pixel(2, 2), clRed);
}

TEST_F(CanvasPrimitives, FillRectIsRightAndBottomExclusiveAndUsesNoPen) {
  c_.Pen().Color = clRed;
  c_.Brush().Color = clBlack;
  c_.FillRect({2, 1, 5, 3});
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "........", "..###...", "..###...", "........", "........", "........"}));
}

TEST_F(CanvasPrimitives, FrameRectDrawsAOnePixelRingWithTheBrushInsideTheBox) {
  c_.Pen().Color = clRed;
  c_.Brush().Color = clBlack;
  c_.FrameRect({1, 1, 6, 5});
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "........",
                               ".#####..",
                               ".#...#..",
                               ".#...#..",
                               ".#####..",
                               "........",
                           }));
}

TEST_F(CanvasPrimitives, ClearPenFillsTheWholeBox) {
  c_.Pen().Style = psClear;
  c_.Brush().Color = clBlack;
  c_.Rectangle(1, 1, 4, 3);
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "........", ".###....", ".###....", "........", "........", "........"}));
}

TEST_F(CanvasPrimitives, NoneColourSkipsTheLineOrTheFill) {
  c_.Pen().Color = clNone;
  c_.Brush().Color = clBlack;
  c_.Rectangle(0, 0, 4, 4);
  c_.MoveTo(0, 5);
  c_.LineTo(8, 5);
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "####....", "####....", "####....", "####....", "........", "........"}));
  TBitmap other(8, 6);
  TCanvas& c = other.Canvas();
  c.Brush().Color = clNone;
  c.Rectangle(0, 0, 4, 4);
  c.FillRect({5, 0, 8, 6});
  EXPECT_EQ(Picture(other), (std::vector<std::string>{
                                "####....", "#..#....", "#..#....", "####....", "........", "........"}));
}

TEST_F(CanvasPrimitives, DottedPenSetsEveryOtherPixel) {
  c_.SetBkMode(bkTransparent);
  c_.Pen().Style = psDot;
  c_.MoveTo(0, 1);
  c_.LineTo(8, 1);
  c_.MoveTo(0, 3);
  c_.LineTo(0, 6);
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "........", "#.#.#.#.", "........", "#.......", "........", "#......."}));
}

TEST_F(CanvasPrimitives, WidePenIsCentredOnTheLine) {
  c_.Pen().Width = 3;
  c_.MoveTo(1, 2);
  c_.LineTo(6, 2);
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "........", "#######.", "#######.", "#######.", "........", "........"}));
}

TEST_F(CanvasPrimitives, FloodFillStopsAtTheBorderColourAndFillsOnlyTheSurface) {
  c_.Brush().Style = bsClear;
  c_.Rectangle(1, 0, 6, 5);
  c_.Brush().Style = bsSolid;
  c_.Brush().Color = clRed;
  c_.FloodFill(3, 2, clBlack, fsBorder);
  EXPECT_EQ(Picture(bmp_, clRed), (std::vector<std::string>{
                                      ".?????..", ".?###?..", ".?###?..", ".?###?..", ".?????..", "........"}));
  c_.Brush().Color = clBlue;
  c_.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(Picture(bmp_, clBlue), (std::vector<std::string>{
                                       "#?????##", "#?????##", "#?????##", "#?????##", "#?????##", "########"}));
}

TEST_F(CanvasPrimitives, ClipRestrictsDrawingAndStateIsRestored) {
  c_.Brush().Color = clBlack;
  c_.SaveState();
  c_.SetClipRect({2, 1, 6, 5});
  c_.ExcludeClipRect({3, 2, 5, 4});
  c_.Brush().Color = clRed;
  c_.FillRect({0, 0, 8, 6});
  EXPECT_EQ(c_.ClipBox(), (TRect{2, 1, 6, 5}));
  c_.RestoreState();
  EXPECT_EQ(c_.Brush().Color, clBlack);
  EXPECT_FALSE(c_.ClipRegion().has_value());
  EXPECT_EQ(Picture(bmp_, clRed), (std::vector<std::string>{
                                      "........", "..####..", "..#..#..", "..#..#..", "..####..", "........"}));
}

TEST_F(CanvasPrimitives, TransparentBitmapKeysOnItsBottomLeftPixel) {
  TBitmap sprite(3, 2);
  TCanvas& s = sprite.Canvas();
  s.Brush().Color = clLime;
  s.FillRect({0, 0, 3, 2});
  s.SetPixel(1, 0, clRed);
  s.SetPixel(2, 1, clBlue);
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.TransparentColor(), clLime);
  c_.Brush().Color = clBlack;
  c_.FillRect({0, 0, 8, 6});
  c_.Draw(2, 2, sprite);
  EXPECT_EQ(c_.Pixel(2, 2), clBlack);
  EXPECT_EQ(c_.Pixel(3, 2), clRed);
  EXPECT_EQ(c_.Pixel(4, 3), clBlue);
  EXPECT_EQ(c_.Pixel(2, 3), clBlack);
  sprite.SetTransparent(false);
  c_.Draw(2, 2, sprite);
  EXPECT_EQ(c_.Pixel(2, 2), clLime);
}

TEST_F(CanvasPrimitives, StretchDrawUsesTheNearestPixel) {
  TBitmap sprite(2, 1);
  sprite.Canvas().SetPixel(0, 0, clBlack);
  c_.StretchDraw({0, 0, 4, 2}, sprite);
  EXPECT_EQ(Picture(bmp_), (std::vector<std::string>{
                               "##......", "##......", "........", "........", "........", "........"}));
}

TEST_F(CanvasPrimitives, TextExtentAndTextOutWithTheFixedTestFont) {
  TBitmap bmp(40, 14);
  TCanvas& c = bmp.Canvas();
  c.Font().Name = kTestFontName;
  c.Font().Size = 8;  // 11 pixels at 96 dpi: ascent 9, descent 2, 6 pixels a character
  TTextMetric m = c.TextMetrics();
  EXPECT_EQ(m.Height, 11);
  EXPECT_EQ(m.Ascent, 9);
  EXPECT_EQ(m.AveCharWidth, 6);
  EXPECT_EQ(c.TextExtent("ab c"), (TSize{24, 11}));
  c.Font().Color = clBlack;
  c.Brush().Color = clYellow;
  c.TextOut(2, 1, "a b");
  EXPECT_EQ(c.PenPos(), (TPoint{20, 1}));
  EXPECT_EQ(c.Pixel(2, 1), clYellow);   // opaque cell background
  EXPECT_EQ(c.Pixel(3, 8), clBlack);    // ink of "a"
  EXPECT_EQ(c.Pixel(9, 8), clYellow);   // the blank
  EXPECT_EQ(c.Pixel(20, 8), clWhite);   // past the run
  EXPECT_EQ(c.Pixel(3, 12), clWhite);   // below the cell
}

TEST_F(CanvasPrimitives, RotatedTextTurnsCounterClockwiseAroundItsStart) {
  TBitmap bmp(40, 40);
  TCanvas& c = bmp.Canvas();
  c.Font().Name = kTestFontName;
  c.Font().Color = clBlack;
  c.Font().Orientation = 900;
  c.SetBkMode(bkTransparent);
  c.TextOut(10, 30, "a");
  // The glyph box (columns 1..4, rows 2..8 of the cell) now runs upwards from y = 30.
  EXPECT_EQ(c.Pixel(15, 27), clBlack);
  EXPECT_EQ(c.Pixel(12, 26), clBlack);
  EXPECT_EQ(c.Pixel(15, 31), clWhite);
  EXPECT_EQ(c.Pixel(11, 27), clWhite);
  EXPECT_EQ(c.Pixel(15, 24), clWhite);
}

// A name without a family of its own is drawn with the shipped fallback family, as wide as
// any other such name.
TEST_F(CanvasPrimitives, TheFallbackFamilyServesEveryOtherFontName) {
  TBitmap bmp(100, 30);
  TCanvas& c = bmp.Canvas();
  c.Font().Name = "Verdana";
  TSize fallback = c.TextExtent("Hello");
  c.Font().Name = "Segoe UI";
  EXPECT_EQ(c.TextExtent("Hello"), fallback);
  EXPECT_GT(fallback.cx, 10);
  EXPECT_EQ(fallback.cy, c.TextMetrics().Ascent + c.TextMetrics().Descent);
  c.Font().Color = clBlack;
  c.SetBkMode(bkTransparent);
  c.TextOut(2, 2, "Hello");
  int ink = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) {
      TColor p = c.Pixel(x, y);
      EXPECT_TRUE(p == clBlack || p == clWhite) << "antialiased pixel at " << x << "," << y;
      ink += p == clBlack;
    }
  EXPECT_GT(ink, 20);
}

}  // namespace
}  // namespace hd
