#include "grid/foundation/draw_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/recording_canvas.h"
#include "platform/themes.h"

namespace hd {
namespace {

constexpr TColor kPaper = RGB(1, 2, 3);

// A surface filled with a colour no routine draws, so untouched pixels show.
class TPaper : public TRecordingCanvas {
 public:
  TPaper(int w, int h) : TRecordingCanvas(w, h) {
    Brush() = TBrush{kPaper, bsSolid};
    FillRect({0, 0, w, h});
    ClearCalls();
    Brush().Style = bsClear;  // a routine must not depend on the caller's brush style
  }
};

TEST(DrawGradientTest, BandsAndHalvesToEvenColoursByPixel) {
  // 10 red and 6 green over 4 steps move 2.5 and 1.5 per band: the halves go to even.
  const TColor from = RGB(0, 0, 200), to = RGB(10, 6, 190);
  const std::vector<TColor> band = {RGB(0, 0, 200), RGB(2, 2, 198), RGB(5, 3, 195), RGB(8, 4, 192), RGB(10, 6, 190)};
  struct Case {
    const char* name;
    int width, height, steps;
    bool horizontal;
    std::vector<int> bandAt;  // band index at each pixel along the gradient
  };
  const std::vector<Case> cases = {
      {"5 wide, 64 steps held to 4", 5, 3, 64, true, {0, 1, 2, 3, 4}},
      {"5 high, vertical", 3, 5, 4, false, {0, 1, 2, 3, 4}},
      {"13 wide, 4 steps of 3 pixels", 13, 2, 4, true, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TPaper c(20, 20);
    DrawGradient(c, from, to, k.horizontal, {2, 3, 2 + k.width, 3 + k.height}, k.steps);
    EXPECT_EQ(c.CallsOf("Rectangle").size(), 5u) << c.Dump();
    for (size_t i = 0; i < k.bandAt.size(); ++i) {
      int x = k.horizontal ? 2 + static_cast<int>(i) : 2, y = k.horizontal ? 3 : 3 + static_cast<int>(i);
      EXPECT_EQ(c.Pixel(x, y), band[static_cast<size_t>(k.bandAt[i])]) << "pixel " << i;
      // The band covers the whole rectangle across the gradient and nothing outside it.
      EXPECT_EQ(c.Pixel(k.horizontal ? x : 1 + k.width, k.horizontal ? 2 + k.height : y), c.Pixel(x, y));
    }
    EXPECT_EQ(c.Pixel(1, 3), kPaper);
    EXPECT_EQ(c.Pixel(k.horizontal ? 2 + k.width : 2, k.horizontal ? 3 : 3 + k.height), kPaper);
  }
}

TEST(DrawGradientTest, EmptyRectanglesDrawNothingAndANoneColourFillsSolid) {
  for (TRect r : {TRect{4, 4, 4, 10}, TRect{4, 4, 10, 4}, TRect{10, 4, 4, 8}}) {
    for (bool horizontal : {true, false}) {
      TPaper c(16, 16);
      DrawGradient(c, clRed, clBlue, horizontal, r, 16);
      DrawGradient(c, clRed, clNone, horizontal, r, 16);
      EXPECT_TRUE(c.Calls().empty()) << c.Dump();
    }
  }
  // Bottom above Top is turned round.
  TPaper c(16, 16);
  DrawGradient(c, clNone, clBtnFace, true, {2, 9, 8, 3}, 16);
  ASSERT_EQ(c.CallsOf("Rectangle").size(), 1u);
  EXPECT_EQ(c.Calls()[0].Rect, (TRect{2, 3, 8, 9}));
  EXPECT_EQ(c.Pixel(7, 8), ColorToRGB(clBtnFace));
}

TEST(GradientColorAtTest, SpreadsOverTheRangeAndKeepsTheColourWithoutOne) {
  EXPECT_EQ(GradientColorAt(RGB(0, 0, 0), RGB(10, 6, 0), 0, 1, 4), RGB(2, 2, 0));
  EXPECT_EQ(GradientColorAt(RGB(0, 0, 0), RGB(10, 6, 0), 0, 3, 4), RGB(8, 4, 0));
  // The position counts from the range's start, whatever RangeStart is.
  EXPECT_EQ(GradientColorAt(RGB(0, 0, 0), RGB(10, 6, 0), 100, 2, 104), RGB(5, 3, 0));
  EXPECT_EQ(GradientColorAt(clBtnFace, clNone, 0, 5, 10), clBtnFace);
  // A grid without client width has no range: the start colour, not a division by zero.
  EXPECT_EQ(GradientColorAt(clWhite, clBlack, 0, 0, 0), clWhite);
}

TEST(ColourArithmeticTest, BrightnessWrapsAndRoundsHalvesToEven) {
  struct Case {
    TColor in;
    int percent;
    TColor out;
  };
  const std::vector<Case> cases = {
      {RGB(200, 100, 3), 50, RGB(44, 150, 4)},   // 300 wraps to 44; 4.5 goes to 4
      {RGB(5, 7, 0), 50, RGB(8, 10, 0)},         // 7.5 to 8, 10.5 to 10
      {RGB(100, 255, 1), -50, RGB(50, 128, 0)},  // 127.5 to 128, 0.5 to 0
      {RGB(10, 0, 0), -150, RGB(251, 0, 0)},     // -5 is 251 modulo 256
  };
  for (const Case& k : cases) EXPECT_EQ(AdjustBrightness(k.in, k.percent), k.out) << k.percent;
  EXPECT_EQ(AdjustBrightness(clBtnFace, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(HalveColor(RGB(255, 128, 3)), RGB(127, 64, 1));
  EXPECT_EQ(HalveColor(clWhite), RGB(127, 127, 127));
  EXPECT_EQ(ColorToHexRGB(RGB(0x12, 0xAB, 0x0F)), "12AB0F");
}

class StyledSelectionTest : public ::testing::Test {
 protected:
  static constexpr TColor kFill = RGB(200, 220, 240), kTop = RGB(250, 250, 250), kBottom = RGB(240, 240, 240),
                          kBorder = RGB(100, 100, 160), kCorner = RGB(180, 180, 200), kBack = RGB(255, 255, 255);
  void Draw(TCanvas& c, int part) {
    DrawStyledSelection(c, kFill, clNone, clNone, clNone, kTop, kBottom, kBorder, kCorner, kBack, {2, 2, 22, 22}, part);
  }
  static int Count(const TCanvas& c, TColor color) {
    int n = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) n += c.Pixel(x, y) == color;
    return n;
  }
};

TEST_F(StyledSelectionTest, AMiddleCellHasNoSidesNorCornersAndItsBordersRunThrough) {
  TPaper c(24, 24);
  Draw(c, sspMiddle);
  // L 2, T 2, R 21, B 20.
  EXPECT_EQ(Count(c, kCorner), 0);
  EXPECT_EQ(Count(c, kBack), 0);
  for (int x = 2; x <= 20; ++x) {
    SCOPED_TRACE(x);
    EXPECT_EQ(c.Pixel(x, 2), kBorder);
    EXPECT_EQ(c.Pixel(x, 20), kBorder);
    EXPECT_EQ(c.Pixel(x, 3), kTop);
    EXPECT_EQ(c.Pixel(x, 19), kBottom);
    EXPECT_EQ(c.Pixel(x, 10), kFill);
  }
  EXPECT_EQ(c.Pixel(21, 10), kPaper);  // the last column and the last row stay the grid's
  EXPECT_EQ(c.Pixel(10, 21), kPaper);
}

TEST_F(StyledSelectionTest, ACellAloneHasRoundedCornersOnBothSides) {
  TPaper c(24, 24);
  Draw(c, sspAlone);
  EXPECT_EQ(c.Pixel(2, 2), kBack);
  EXPECT_EQ(c.Pixel(3, 2), kCorner);
  EXPECT_EQ(c.Pixel(2, 3), kCorner);
  EXPECT_EQ(c.Pixel(2, 20), kBack);
  EXPECT_EQ(c.Pixel(20, 2), kBack);
  EXPECT_EQ(c.Pixel(19, 3), kCorner);
  EXPECT_EQ(c.Pixel(20, 20), kBack);
  EXPECT_EQ(c.Pixel(2, 10), kBorder);   // outer left side
  EXPECT_EQ(c.Pixel(20, 10), kBorder);  // outer right side
  EXPECT_EQ(c.Pixel(3, 6), kTop);       // inner sides, light above the middle, dark below
  EXPECT_EQ(c.Pixel(3, 15), kBottom);
  EXPECT_EQ(c.Pixel(4, 10), kFill);
  EXPECT_EQ(c.Pixel(5, 2), kBorder);
  EXPECT_EQ(c.Pixel(1, 2), kPaper);
  // The left end joins its right neighbour: corners only on the left.
  TPaper left(24, 24);
  Draw(left, sspLeftEnd);
  EXPECT_EQ(left.Pixel(2, 2), kBack);
  EXPECT_EQ(left.Pixel(20, 2), kBorder);
  EXPECT_EQ(left.Pixel(20, 10), kFill);
}

TEST(FaceDrawingTest, ModesAndStatesPickTheLookAndTheTone) {
  TColorTones tones;
  tones.Background = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)};
  tones.Hover = {RGB(4, 4, 4), RGB(5, 5, 5), RGB(6, 6, 6)};
  tones.Selected = {RGB(7, 7, 7), RGB(8, 8, 8), RGB(9, 9, 9)};
  tones.Disabled = {RGB(10, 10, 10), RGB(11, 11, 11), RGB(12, 12, 12)};
  const TRect r{10, 10, 60, 30};
  struct Case {
    const char* name;
    void (*draw)(TCanvas&, HWND, const TRect&, int, int, const TColorTones&);
    int mode, state;
    std::string dump;  // the ops with what tells them apart
  };
  // Each call with what tells it apart: the points of lines and polygons, the element and state
  // of themed parts, the flags of frame controls, the colours of rectangles.
  auto dump = [](const TRecordingCanvas& c) {
    std::string s;
    auto pt = [](TPoint p) { return std::to_string(p.X) + "," + std::to_string(p.Y); };
    for (const TCanvasCall& k : c.Calls()) {
      s += k.Op + "(";
      if (k.Op == "Polygon" || k.Op == "LineTo") {
        for (TPoint p : k.Points) s += pt(p) + " ";
      } else if (k.Op == "MoveTo") {
        s += pt(k.Rect.TopLeft());
      } else {
        s += pt(k.Rect.TopLeft()) + "," + pt(k.Rect.BottomRight());
      }
      s += ")";
      if (k.Op == "Rectangle") s += " brush " + std::to_string(GetRValue(k.Brush)) + " pen " + std::to_string(GetRValue(k.Pen));
      if (k.Op == "DrawFrameControl") s += " " + std::to_string(k.Flags);
      if (k.Op == "DrawThemedPart") s += " element " + pt(k.Points[0]);
      s += ";";
    }
    return s;
  };
  const std::vector<Case> cases = {
      {"combo, theme, hot looks normal", DrawComboButton, fdmTheme, fdsHot, "DrawThemedPart(41,11,58,29) element 6,1;"},
      {"combo, theme, down looks normal", DrawComboButton, fdmTheme, fdsDown, "DrawThemedPart(41,11,58,29) element 6,1;"},
      {"combo, theme, disabled", DrawComboButton, fdmTheme, fdsDisabled, "DrawThemedPart(41,11,58,29) element 6,4;"},
      {"combo, flat, disabled", DrawComboButton, fdmFlat, fdsDisabled,
       "DrawFrameControl(41,11,58,29) " + std::to_string(DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE | DFCS_FLAT) + ";"},
      {"combo, tones, hot", DrawComboButton, fdmTones, fdsHot,
       "Rectangle(44,11,58,29) brush 4 pen 4;MoveTo(45,11);LineTo(45,29 );Polygon(49,19 55,19 52,22 );"},
      {"button, theme, down", DrawButtonFace, fdmTheme, fdsDown, "DrawThemedPart(10,10,60,30) element 1,3;"},
      {"button, classic, hot", DrawButtonFace, fdmClassic, fdsHot,
       "DrawFrameControl(10,10,60,30) " + std::to_string(DFCS_BUTTONPUSH | DFCS_HOT) + ";"},
      {"button, tones, down", DrawButtonFace, fdmTones, fdsDown, "Rectangle(10,10,60,30) brush 7 pen 8;"},
      {"button, unknown mode", DrawButtonFace, 4, fdsNormal, ""},
      {"spin, classic", DrawSpinButtons, fdmClassic, fdsNormal,
       "DrawFrameControl(44,9,59,19) 0;DrawFrameControl(44,20,59,29) 1;"},
      {"spin, theme, disabled", DrawSpinButtons, fdmTheme, fdsDisabled,
       "DrawThemedPart(44,9,59,19) element 7,4;DrawThemedPart(44,19,59,29) element 8,4;"},
      {"spin, tones, disabled", DrawSpinButtons, fdmTones, fdsDisabled,
       "Rectangle(44,9,59,19) brush 10 pen 10;Rectangle(44,20,59,29) brush 10 pen 10;"
       "Polygon(49,14 53,14 51,12 );Polygon(49,21 53,21 51,23 );"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TRecordingCanvas c(80, 40);
    k.draw(c, 0, r, k.mode, k.state, tones);
    EXPECT_EQ(dump(c), k.dump);
  }
  // The combo's arrow is in the normal tone's text colour whatever the state.
  TRecordingCanvas c(80, 40);
  DrawComboButton(c, 0, r, fdmTones, fdsDisabled, tones);
  auto polys = c.CallsOf("Polygon");
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].Brush, RGB(3, 3, 3));
  EXPECT_EQ(polys[0].Points, (std::vector<TPoint>{{49, 19}, {55, 19}, {52, 22}}));
  // Without themes the themed look has nothing to draw with.
  SetThemesActive(false);
  TRecordingCanvas off(80, 40);
  DrawButtonFace(off, 0, r, fdmTheme, fdsNormal, tones);
  SetThemesActive(true);
  EXPECT_TRUE(off.Calls().empty());
}

TEST(TransparentBitmapTest, TheTopLeftColourShowsTheBackgroundAndTheBrushStays) {
  TBitmap bmp(3, 2);
  bmp.Canvas().Brush() = TBrush{clFuchsia, bsSolid};
  bmp.Canvas().FillRect({0, 0, 3, 2});
  bmp.Canvas().SetPixel(1, 0, clNavy);
  bmp.Canvas().SetPixel(2, 1, clGreen);
  TPaper c(8, 8);
  c.Brush() = TBrush{clRed, bsCross};
  DrawBitmapTransparent(c, bmp, clYellow, {4, 5, 20, 20});
  EXPECT_EQ(c.Pixel(4, 5), clYellow);
  EXPECT_EQ(c.Pixel(5, 5), clNavy);
  EXPECT_EQ(c.Pixel(6, 6), clGreen);
  EXPECT_EQ(c.Pixel(4, 6), clYellow);
  EXPECT_EQ(c.Pixel(7, 5), kPaper);  // drawn at its own size
  EXPECT_EQ(c.Brush(), (TBrush{clRed, bsCross}));
}

}  // namespace
}  // namespace hd
