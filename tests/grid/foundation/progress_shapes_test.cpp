#include "grid/foundation/progress_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/recording_canvas.h"

namespace hd {
namespace {

constexpr TColor kPaper = RGB(1, 2, 3);

class TPaper : public TRecordingCanvas {
 public:
  TPaper(int w, int h) : TRecordingCanvas(w, h) {
    Brush() = TBrush{kPaper, bsSolid};
    FillRect({0, 0, w, h});
    ClearCalls();
  }
  int Count(TColor color) const {
    int n = 0;
    for (int y = 0; y < Surface().Height(); ++y)
      for (int x = 0; x < Surface().Width(); ++x) n += Pixel(x, y) == color;
    return n;
  }
};

TEST(ProgressBarTest, TextAndDonePartFollowThePositionClampedToTheBar) {
  struct Case {
    const char* name;
    double position, min, max;
    std::string format;
    std::string text;
    int doneRight;
  };
  // The bar inside the margins runs from x 2 to 102.
  const std::vector<Case> cases = {
      {"past the end", 150, 0, 100, "", "150%", 102},
      {"below the start", -5, 0, 100, "", "-5%", 2},
      {"half a percent goes to even", 2.5, 0, 100, "", "2%", 4},
      {"integer format takes the rounded position", 2.5, 0, 10, "%d of 10", "2 of 10", 27},
      {"float format takes the position", 2.5, 0, 10, "%.1f", "2.5", 27},
      {"range not starting at zero", 30, 20, 60, "%d", "30", 27},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TPaper c(110, 30);
    c.Brush().Color = clSilver;
    DrawProgressBar(c, {0, 0, 104, 24}, clGreen, clWhite, clYellow, clBlack, k.position, 2, 2, k.min, k.max,
                    k.format, clBlue, false);
    auto texts = c.CallsOf("TextRect");
    ASSERT_EQ(texts.size(), 2u) << c.Dump();
    EXPECT_EQ(texts[0].Text, k.text);
    EXPECT_EQ(texts[0].Rect, (TRect{2, 2, k.doneRight, 22}));
    EXPECT_EQ(texts[1].Rect, (TRect{k.doneRight, 2, 102, 22}));
    if (k.doneRight > 2) {
      EXPECT_EQ(c.Pixel(2, 2), clGreen);
    }
    if (k.doneRight < 102) {
      EXPECT_EQ(c.Pixel(101, 21), clYellow);
    }
    // The border just outside the bar, then a frame in the brush colour it had.
    EXPECT_EQ(c.Pixel(1, 10), clBlue);
    EXPECT_EQ(c.Pixel(0, 10), clSilver);
    EXPECT_EQ(c.Pixel(104, 10), kPaper);
  }
}

TEST(ProgressBarTest, AFormatWithoutARangeDrawsNothing) {
  TPaper c(60, 30);
  DrawProgressBar(c, {0, 0, 50, 20}, clGreen, clWhite, clYellow, clBlack, 5, 2, 2, 10, 10, "%d", clBlue, false);
  EXPECT_TRUE(c.Calls().empty()) << c.Dump();
  EXPECT_EQ(c.Count(kPaper), 60 * 30);
}

class StyledProgressTest : public ::testing::Test {
 protected:
  StyledProgressTest() {
    look.Level0Color = RGB(10, 0, 0);
    look.Level1Color = RGB(20, 0, 0);
    look.Level2Color = RGB(30, 0, 0);
    look.Level3Color = RGB(40, 0, 0);
    look.Level1Perc = 50;
    look.Level2Perc = 75;
    look.ShowGradient = false;
    look.ShowPercentage = false;
    look.ShowBorder = true;
    look.BackgroundColor = clWhite;
  }
  // The filled rectangles, in order, of a bar 100 x 16 at (0, 0).
  std::vector<TRect> Fills(int percent) {
    TPaper c(100, 16);
    DrawStyledProgress(c, {0, 0, 100, 16}, percent, look);
    std::vector<TRect> out;
    for (const TCanvasCall& k : c.CallsOf("FillRect")) out.push_back(k.Rect);
    return out;
  }
  TProgressBarLook look;
};

TEST_F(StyledProgressTest, ThePercentPicksTheLevelColour) {
  const std::vector<std::pair<int, TColor>> cases = {
      {49, RGB(10, 0, 0)}, {50, RGB(20, 0, 0)}, {99, RGB(30, 0, 0)}, {100, RGB(40, 0, 0)}};
  for (auto [percent, color] : cases) {
    SCOPED_TRACE(percent);
    TPaper c(100, 16);
    DrawStyledProgress(c, {0, 0, 100, 16}, percent, look);
    EXPECT_EQ(c.Pixel(1, 1), color);
    EXPECT_EQ(c.Pixel(0, 0), clBlack);  // the border, drawn again over everything
  }
  // 98 pixels inside the frame: 49 % is 48.02 of them.
  EXPECT_EQ(Fills(49), (std::vector<TRect>{{1, 1, 49, 15}}));
  EXPECT_TRUE(Fills(0).empty());
  EXPECT_EQ(Fills(150), (std::vector<TRect>{{1, 1, 99, 15}}));  // never past the frame
}

TEST_F(StyledProgressTest, BlocksOfSevenOnAPitchOfNine) {
  look.CompletionSmooth = false;
  std::vector<TRect> full = Fills(100);  // t = 98: ten blocks and one of 7
  ASSERT_EQ(full.size(), 11u);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(full[static_cast<size_t>(k)], (TRect{2 + 9 * k, 2, 9 + 9 * k, 14}));
  EXPECT_EQ(full[10], (TRect{92, 2, 99, 14}));
  EXPECT_TRUE(Fills(1).empty());                             // t = 1
  EXPECT_EQ(Fills(5), (std::vector<TRect>{{2, 2, 6, 14}}));  // t = 5: one short block
  EXPECT_EQ(Fills(11).size(), 1u);  // t = 11: what is left over (2) makes no block
  EXPECT_EQ(Fills(12), (std::vector<TRect>{{2, 2, 9, 14}, {11, 2, 13, 14}}));  // t = 12
}

TEST_F(StyledProgressTest, StackedPartsFollowTheLevels) {
  look.Stacked = true;
  // 49 + 24 (24.5 to even) + 5 (4.9) pixels of the 98.
  EXPECT_EQ(Fills(80), (std::vector<TRect>{{1, 1, 50, 15}, {50, 1, 74, 15}, {74, 1, 79, 15}}));
  EXPECT_EQ(Fills(100), (std::vector<TRect>{{1, 1, 50, 15}, {50, 1, 74, 15}, {74, 1, 99, 15}}));
  EXPECT_EQ(Fills(60), (std::vector<TRect>{{1, 1, 50, 15}, {50, 1, 60, 15}}));
  TPaper c(100, 16);
  DrawStyledProgress(c, {0, 0, 100, 16}, 100, look);
  EXPECT_EQ(c.Pixel(80, 5), RGB(40, 0, 0));  // the third part takes the Level3 colours
}

TEST_F(StyledProgressTest, GradientsMirrorAcrossTheBarAndVerticalBarsGrowUpwards) {
  look.ShowGradient = true;
  look.Level0ColorTo = RGB(200, 200, 200);
  TPaper c(100, 16);
  DrawStyledProgress(c, {0, 0, 100, 16}, 30, look);
  EXPECT_EQ(c.Pixel(5, 1), RGB(200, 200, 200));
  EXPECT_EQ(c.Pixel(5, 7), RGB(10, 0, 0));
  EXPECT_EQ(c.Pixel(5, 8), RGB(10, 0, 0));
  EXPECT_EQ(c.Pixel(5, 14), RGB(200, 200, 200));

  look.ShowGradient = false;
  look.Vertical = true;
  look.ShowPercentage = true;
  TPaper v(16, 100);
  DrawStyledProgress(v, {0, 0, 16, 100}, 50, look);
  ASSERT_EQ(v.CallsOf("FillRect").size(), 1u);
  EXPECT_EQ(v.CallsOf("FillRect")[0].Rect, (TRect{1, 50, 15, 99}));
  ASSERT_EQ(v.CallsOf("TextOut").size(), 1u);
  EXPECT_EQ(v.CallsOf("TextOut")[0].Text, "50%");
}

// Whether a pixel lies in the pie's sector, clockwise from 12 o'clock over theta. The pie's
// radius ends on the ellipse, so angles are measured with x scaled to a circle; two pixels of
// slack cover the rasterised lines.
bool InSector(const TRect& r, int x, int y, double theta) {
  double cx = r.Left + r.Width() / 2 + 0.5, cy = r.Top + r.Height() / 2 + 0.5;
  double px = x + 0.5 - cx, py = cy - (y + 0.5), d = std::hypot(px, py);
  if (d < 2) return true;
  double phi = std::atan2(px * (r.Height() + 1) / (r.Width() + 1), py);
  if (phi < 0) phi += 2 * std::numbers::pi;
  return phi <= theta + 2 / d || phi >= 2 * std::numbers::pi - 2 / d;
}

TEST(ProgressPieTest, TheFillStaysInsideTheSectorAtEveryPercentage) {
  const TColor fill = RGB(0, 160, 0);
  // Small pies are where a thin sector used to be filled as the whole disc, and a narrow one
  // as all around it.
  for (TRect r : {TRect{4, 4, 16, 16}, TRect{4, 4, 17, 20}, TRect{4, 4, 8, 19}, TRect{4, 4, 24, 24},
                  TRect{4, 4, 25, 25}, TRect{4, 4, 34, 22}}) {
    for (int percent : {1, 2, 3, 4, 5, 8, 12, 25, 40, 50, 70, 95, 99, 100}) {
      SCOPED_TRACE(std::to_string(r.Width()) + "x" + std::to_string(r.Height()) + " at " + std::to_string(percent));
      TPaper c(40, 40);
      c.Brush().Color = clWhite;
      DrawProgressPie(c, r, fill, percent, false);
      const double theta = percent / 100.0 * 2 * std::numbers::pi;
      int outside = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
          if (c.Pixel(x, y) == fill && (!r.Contains({x, y}) || !InSector(r, x, y, theta))) ++outside;
      EXPECT_EQ(outside, 0);
      EXPECT_EQ(c.Pixel(0, 0), kPaper);
      // A sector wide enough to hold a seed is filled.
      if (percent >= 12 && r.Width() > 6) {
        EXPECT_GT(c.Count(fill), 0);
      }
    }
  }
}

TEST(ProgressPieTest, ZeroDrawsTheOutlineAndTheTopRadiusOnlyAndAFlaggedSeedFillsNothing) {
  TPaper c(30, 30);
  c.Brush().Color = clWhite;
  DrawProgressPie(c, {5, 5, 25, 25}, clGreen, 0, false);
  EXPECT_EQ(c.Count(clGreen), 0);
  for (int y = 5; y < 15; ++y) EXPECT_EQ(c.Pixel(15, y), clGray) << y;
  EXPECT_EQ(c.Pixel(16, 8), clWhite);
  EXPECT_EQ(c.Pixel(14, 8), clWhite);

  // The flag seeds above the circle, which would fill all around it.
  TPaper f(30, 30);
  DrawProgressPie(f, {5, 5, 25, 25}, clGreen, 40, true);
  EXPECT_EQ(f.Count(clGreen), 0);
}

TEST(BipolarBarTest, GrowsFromTheMiddleAndDrawsNothingWithoutARange) {
  struct Case {
    double value;
    TRect bar;
    TColor color;
  };
  // Rect 0..44 shrinks to 2..42: the middle is 22, 20 pixels to either side.
  const std::vector<Case> cases = {
      {-5, {12, 2, 22, 22}, clRed}, {5, {22, 2, 32, 22}, clGreen}, {25, {22, 2, 42, 22}, clGreen},
      {-30, {2, 2, 22, 22}, clRed}, {0.25, {22, 2, 22, 22}, clGreen}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.value);
    TPaper c(50, 30);
    DrawBipolarBar(c, {0, 0, 44, 24}, k.value, 10, false, clRed, clGreen);
    auto rects = c.CallsOf("Rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Rect, k.bar);
    EXPECT_EQ(rects[0].Brush, k.color);
  }
  TPaper c(50, 30);
  DrawBipolarBar(c, {0, 0, 44, 24}, 5, 0, true, clRed, clGreen);
  EXPECT_TRUE(c.Calls().empty());
  DrawBipolarBar(c, {0, 0, 44, 24}, 5, 10, true, clRed, clGreen);
  ASSERT_EQ(c.CallsOf("TextOut").size(), 1u);
  EXPECT_EQ(c.CallsOf("TextOut")[0].Text, "5");
}

TEST(CellShapeTest, ShapesInTheirBox) {
  struct Case {
    const char* name;
    TCellShape shape;
    int w, h;
    std::string op;
    TRect rect;                  // for rectangles, ellipses and round rectangles
    std::vector<TPoint> points;  // for polygons
  };
  const std::vector<Case> cases = {
      {"circle takes the smaller side", csCircle, 30, 20, "Ellipse", {10, 10, 30, 30}, {}},
      {"ellipse takes the box", csEllips, 30, 20, "Ellipse", {10, 10, 40, 30}, {}},
      {"square inset by one", csSquare, 30, 20, "Rectangle", {11, 11, 29, 29}, {}},
      {"vertical line", csLineVert, 9, 20, "Rectangle", {14, 10, 15, 30}, {}},
      {"round square", csRoundSquare, 12, 20, "RoundRect", {10, 10, 22, 22}, {}},
      {"diamond on an odd box", csDiamond, 11, 9, "Polygon", {}, {{10, 14}, {15, 10}, {20, 14}, {15, 18}}},
      {"arrow up", csArrowUp, 17, 16, "Polygon", {},
       {{10, 18}, {18, 10}, {26, 18}, {22, 18}, {22, 26}, {14, 26}, {14, 18}}},
      {"arrow right", csArrowRight, 16, 13, "Polygon", {},
       {{26, 16}, {18, 10}, {18, 13}, {10, 13}, {10, 19}, {18, 19}, {18, 22}}},
      {"half star", csHalfStar, 16, 16, "Polygon", {}, {{18, 10}, {18, 21}, {13, 24}, {15, 19}, {10, 16}, {16, 16}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TRecordingCanvas c(50, 50);
    DrawCellShape(c, 10, 10, k.w, k.h, k.shape, clYellow, clBlack);
    ASSERT_EQ(c.Calls().size(), 1u) << c.Dump();
    const TCanvasCall& call = c.Calls()[0];
    EXPECT_EQ(call.Op, k.op);
    if (k.op == "Polygon")
      EXPECT_EQ(call.Points, k.points);
    else
      EXPECT_EQ(call.Rect, k.rect);
    EXPECT_EQ(call.Brush, clYellow);
  }
  TRecordingCanvas star(50, 50);
  DrawCellShape(star, 0, 0, 16, 16, csStar, clYellow, clBlack);
  ASSERT_EQ(star.CallsOf("Polygon").size(), 1u);
  EXPECT_EQ(star.CallsOf("Polygon")[0].Points.size(), 10u);
  EXPECT_EQ(star.CallsOf("Polygon")[0].Points[0], (TPoint{8, 0}));
  TRecordingCanvas none(50, 50);
  DrawCellShape(none, 0, 0, 16, 16, static_cast<TCellShape>(csHalfStar + 1), clYellow, clBlack);
  EXPECT_TRUE(none.Calls().empty());
}

}  // namespace
}  // namespace hd
