// The banded gradient and the drop-down button face, read back pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "grid/editors/dropdown_drawing.h"
#include "platform/bitmap.h"

namespace hd {
namespace {

constexpr TColor kPaper = RGB(1, 2, 3);

TBitmap Paper(int w, int h) {
  TBitmap b(w, h);
  b.Canvas().Brush() = TBrush{kPaper, bsSolid};
  b.Canvas().FillRect(Rect(0, 0, w, h));
  return b;
}

struct GradientCase {
  const char* name;
  TColor from, to;
  int steps;
  TRect rect;
  bool horizontal;
  // Pixels along the gradient's direction (x when horizontal, else y), probed in the middle
  // of the other direction, with the colour each must have.
  std::vector<std::pair<int, TColor>> probes;
};

TEST(DrawSteppedGradientTest, BandsOverlapByAPixelAndRoundHalvesToEven) {
  const std::vector<GradientCase> cases = {
      // Width 9: d = 8 / 4 = 2, each band 3 pixels wide from 0, 2, 4, 6; the later band wins
      // the shared pixel, and the last one reaches the last column.
      {"four bands left to right", clBlack, RGB(200, 100, 40), 4, Rect(0, 0, 9, 5), true,
       {{0, RGB(0, 0, 0)}, {1, RGB(0, 0, 0)}, {2, RGB(50, 25, 10)}, {5, RGB(100, 50, 20)}, {6, RGB(150, 75, 30)},
        {8, RGB(150, 75, 30)}}},
      {"four bands top to bottom", clBlack, RGB(200, 100, 40), 4, Rect(0, 0, 5, 9), false,
       {{0, RGB(0, 0, 0)}, {2, RGB(50, 25, 10)}, {4, RGB(100, 50, 20)}, {8, RGB(150, 75, 30)}}},
      // d = 4.5: the second band starts at 4 and is 5 wide, so the last column stays bare;
      // its channels move by 2.5, -2.5 and -7.5, which round to 2, -2 and -8.
      {"halves to even", RGB(0, 5, 15), RGB(5, 0, 0), 2, Rect(0, 0, 10, 3), true,
       {{0, RGB(0, 5, 15)}, {3, RGB(0, 5, 15)}, {4, RGB(2, 3, 7)}, {8, RGB(2, 3, 7)}, {9, kPaper}}},
      {"steps 0 is one band of the first colour", RGB(10, 20, 30), RGB(200, 200, 200), 0, Rect(2, 1, 12, 4), true,
       {{2, RGB(10, 20, 30)}, {11, RGB(10, 20, 30)}, {12, kPaper}, {1, kPaper}}},
      // d = 0.25: bands one pixel wide start at 0, 0, 0, 1, 1, 1, 2, 2; each column shows the
      // last band drawn on it.
      {"narrower than its steps", clBlack, RGB(80, 80, 80), 8, Rect(0, 0, 3, 2), true,
       {{0, RGB(20, 20, 20)}, {1, RGB(50, 50, 50)}, {2, RGB(70, 70, 70)}}},
      {"system colours resolved", clBtnFace, clWhite, 1, Rect(0, 0, 4, 4), false, {{3, ColorToRGB(clBtnFace)}}},
  };
  for (const GradientCase& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap b = Paper(14, 10);
    DrawSteppedGradient(b.Canvas(), c.from, c.to, c.steps, c.rect, c.horizontal);
    const int across = c.horizontal ? (c.rect.Top + c.rect.Bottom) / 2 : (c.rect.Left + c.rect.Right) / 2;
    for (auto [at, colour] : c.probes) {
      TColor got = c.horizontal ? b.Canvas().Pixel(at, across) : b.Canvas().Pixel(across, at);
      EXPECT_EQ(got, colour) << "at " << at;
    }
  }
}

TEST(DrawButtonBackgroundTest, GradientOrFillThenAnOutlineOfTheGivenWidth) {
  TBitmap b = Paper(20, 12);
  TCanvas& c = b.Canvas();
  // Vertical: 80 bands top to bottom; the first row shows the fourth band, the last the 80th.
  DrawButtonBackground(&c, Rect(0, 0, 20, 12), RGB(0, 0, 0), RGB(110, 0, 0), clNone, 0, true);
  EXPECT_EQ(c.Pixel(10, 0), RGB(4, 0, 0));
  EXPECT_EQ(c.Pixel(10, 11), RGB(109, 0, 0));
  EXPECT_EQ(c.Pixel(0, 5), c.Pixel(19, 5)) << "each band spans the width";

  DrawButtonBackground(&c, Rect(0, 0, 20, 12), RGB(0, 0, 0), RGB(0, 110, 0), clNone, 0, false);
  EXPECT_EQ(c.Pixel(0, 6), RGB(0, 3, 0));
  EXPECT_EQ(c.Pixel(19, 6), RGB(0, 109, 0)) << "not vertical: left to right";

  DrawButtonBackground(&c, Rect(2, 2, 18, 10), RGB(9, 9, 9), clNone, RGB(200, 0, 0), 2, true);
  int border = 0;
  for (int x = 0; x < 6; ++x) border += c.Pixel(x, 5) == RGB(200, 0, 0);
  EXPECT_EQ(c.Pixel(2, 5), RGB(200, 0, 0));
  EXPECT_EQ(border, 2) << "a border two pixels wide";
  EXPECT_EQ(c.Pixel(10, 6), RGB(9, 9, 9));

  TBitmap untouched = Paper(6, 6);
  DrawButtonBackground(&untouched.Canvas(), Rect(0, 0, 6, 6), clNone, clNone, RGB(200, 0, 0), 0, true);
  EXPECT_EQ(untouched.Canvas().Pixel(0, 0), kPaper) << "no colour, no border width: nothing drawn";
  EXPECT_EQ(untouched.Canvas().Pixel(3, 3), kPaper);
  DrawButtonBackground(nullptr, Rect(0, 0, 6, 6), RGB(9, 9, 9), clNone, clNone, 0, true);
}

}  // namespace
}  // namespace hd
