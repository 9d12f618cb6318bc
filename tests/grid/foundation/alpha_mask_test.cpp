// The soft focus frame's pictures: the blur kernel and its trimming, the blur's interior copy
// band, the rounded mask and the premultiplied merge.
#include "grid/foundation/alpha_mask.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/exceptions.h"

namespace hd {
namespace {

TBitmap Black24(int w, int h) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(w, h);
  b.Canvas().Brush().Color = clBlack;
  b.Canvas().FillRect(Rect(0, 0, w, h));
  return b;
}

TColor At(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x] & 0xFFFFFFu; }
int Red(const TBitmap& b, int x, int y) { return static_cast<int>(b.ScanLine(y)[x] & 0xFFu); }

TEST(BlurKernelTest, OuterTapsTooLightForAByteAreTrimmedAndTheRestSumsToOne) {
  struct Case {
    int radius;
    int size;  // taps kept on each side
  };
  // Radius 1: taps 10..4 together weigh less than 1/510, tap 3 reaches it and goes too.
  // Radius 10: the outermost tap alone reaches the limit.
  const Case cases[] = {{1, 2}, {3, 8}, {10, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radius);
    const TBlurKernel k = MakeBlurKernel(c.radius);
    EXPECT_EQ(k.Size, c.size);
    double sum = 0;
    for (int t = -10; t <= 10; ++t) {
      if (std::abs(t) > k.Size) { EXPECT_EQ(k.Weights[10 + t], 0.0f) << t; }
      sum += k.Weights[10 + t];
    }
    EXPECT_NEAR(sum, 1.0, 1e-6);
    EXPECT_EQ(k.Weights[10 - 1], k.Weights[10 + 1]);
    EXPECT_GT(k.Weights[10], k.Weights[11]);
  }
}

TEST(BlurBitmapTest, InteriorRepeatsTheBlurredRowAndColumnFifteenOnlyWhereTheBandLeavesAnInterior) {
  // One white pixel at (15, 15). Far from it a 40-pixel bitmap (no interior) stays black; a
  // 100-pixel one shows in its interior the value row 15 had after it was blurred.
  const TBlurKernel k = MakeBlurKernel(3);
  const int blurredCentre = static_cast<int>(255.0f * k.Weights[10]);
  struct Case {
    const char* name;
    int size;
    TPoint probe;
    int expected;
  };
  const Case cases[] = {
      {"40 pixels: every line blurred", 40, {35, 35}, 0},
      {"100 pixels: the interior copies", 100, {50, 50}, blurredCentre},
      {"100 pixels: the last copied column", 100, {79, 50}, blurredCentre},
      {"100 pixels: the band beyond is blurred", 100, {85, 85}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap b = Black24(c.size, c.size);
    b.ScanLine(15)[15] = 0xFFFFFFFFu;
    BlurBitmap(b, 3);
    EXPECT_NEAR(Red(b, c.probe.X, c.probe.Y), c.expected, 1);
  }
}

TEST(BlurBitmapTest, UniformColoursStayWithinTheirByteAndOtherFormatsAreRefused) {
  for (TColor colour : {clBlack, clWhite, TColor{0x80FF40}}) {
    SCOPED_TRACE(colour);
    TBitmap b = Black24(30, 30);
    b.Canvas().Brush().Color = colour;
    b.Canvas().FillRect(Rect(0, 0, 30, 30));
    BlurBitmap(b, 2);
    for (int y = 0; y < 30; y += 7)
      for (int x = 0; x < 30; x += 7)
        for (int shift = 0; shift <= 16; shift += 8) {
          const int want = static_cast<int>((colour >> shift) & 0xFF);
          const int got = static_cast<int>((At(b, x, y) >> shift) & 0xFF);
          // Single-precision weights may leave a full channel one below.
          EXPECT_LE(got, want);
          EXPECT_GE(got, want - 1);
        }
  }
  TBitmap wide = Black24(10, 10);
  wide.SetPixelFormat(pf32bit);
  try {
    BlurBitmap(wide, 3);
    FAIL() << "a 32-bit bitmap was blurred";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Blur only works for 24-bit bitmaps");
  }
  TBitmap zero = Black24(10, 10);
  zero.ScanLine(5)[5] = 0xFFFFFFFFu;
  BlurBitmap(zero, 0);
  EXPECT_EQ(At(zero, 5, 5), 0xFFFFFFu) << "a radius of 0 blurs nothing";
}

TEST(RoundRectMaskTest, FilledOrOutlinedInsetByHalfThePen) {
  struct Case {
    const char* name;
    int pen;
    TPoint white;
    TPoint black;
  };
  const Case cases[] = {
      {"pen 0 fills from (2, 2)", 0, {15, 10}, {1, 10}},
      {"pen 0: the corner stays black", 0, {2, 10}, {2, 2}},
      {"pen 4 outlines from (4, 4)", 4, {5, 10}, {15, 10}},
      {"pen 4: nothing outside the pen", 4, {20, 5}, {1, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap b;
    MakeRoundRectMask(b, 30, 20, c.pen, 5, 0);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.Width(), 30);
    EXPECT_EQ(b.Height(), 20);
    EXPECT_EQ(At(b, c.white.X, c.white.Y), clWhite);
    EXPECT_EQ(At(b, c.black.X, c.black.Y), clBlack);
  }
  TBitmap blurred;
  MakeRoundRectMask(blurred, 30, 20, 4, 5, 3);
  EXPECT_GT(Red(blurred, 3, 10), 0) << "the blur softens the edge outwards";
  EXPECT_LT(Red(blurred, 5, 10), 255);
}

TEST(AlphaMaskTest, MergeMaskPremultipliesByTheMaskRedByte) {
  TBitmap mask = Black24(3, 1);
  mask.ScanLine(0)[0] = 0xFF000080u;  // red 128
  mask.ScanLine(0)[1] = 0xFF00FF00u;  // green only: alpha 0
  mask.ScanLine(0)[2] = 0xFF0000FFu;  // red 255
  TBitmap colour = Black24(3, 1);
  for (int x = 0; x < 3; ++x) colour.ScanLine(0)[x] = 0xFF3264C8u;  // R 200, G 100, B 50
  TGridAlphaMask a;
  a.MergeMask(mask, colour, clRed);
  ASSERT_EQ(a.Width(), 3);
  EXPECT_EQ(a.PixelFormat(), pf32bit);
  // 200 * 128 / 255 = 100.4, 100 * 128 / 255 = 50.2, 50 * 128 / 255 = 25.1
  EXPECT_EQ(a.ScanLine(0)[0], 0x80193264u);
  EXPECT_EQ(a.ScanLine(0)[1], 0x00000000u);
  EXPECT_EQ(a.ScanLine(0)[2], 0xFF3264C8u);

  TBitmap other = colour;
  other.SetPixelFormat(pf32bit);
  TGridAlphaMask untouched;
  untouched.SetSize(2, 2);
  untouched.MergeMask(mask, other, clNone);
  EXPECT_EQ(untouched.Width(), 2) << "only a 24-bit bitmap is merged";
}

TEST(AlphaMaskTest, AssignFromAMaskCopiesOpacityAndRowsIntoItsOwnSize) {
  TGridAlphaMask source;
  source.SetSize(4, 3);
  source.SetOpacity(230);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) source.ScanLine(y)[x] = 0x80000000u | static_cast<std::uint32_t>(y * 16 + x);
  TGridAlphaMask target;
  target.SetSize(2, 3);
  target.Assign(source);
  EXPECT_EQ(target.Opacity(), 230);
  EXPECT_EQ(target.Width(), 2) << "the target keeps its size";
  EXPECT_EQ(target.ScanLine(2)[1], 0x80000021u);
  TBitmap plain(5, 5);
  target.Assign(plain);
  EXPECT_EQ(target.Width(), 5);
  EXPECT_EQ(target.PixelFormat(), pf32bit);
}

}  // namespace
}  // namespace hd
