#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/gui_application.h"
#include "platform/recording_canvas.h"
#include "platform/themes.h"

namespace hd {
namespace {

std::vector<std::string> Picture(const TBitmap& bmp) {
  std::vector<std::string> rows;
  for (int y = 0; y < bmp.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bmp.Width(); ++x) {
      TColor c = static_cast<TColor>(bmp.ScanLine(y)[x] & 0xFFFFFF);
      row += c == clBlack ? '#' : c == clWhite ? '.' : c == clRed ? 'r' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.ScanLine(y)[x] != b.ScanLine(y)[x]) return false;
  return true;
}

// A bitmap with varied content, so that inverting anything shows.
TBitmap Busy(int w, int h) {
  TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.Canvas().SetPixel(x, y, RGB(x * 13 % 256, y * 29 % 256, (x * y) % 256));
  return bmp;
}

class CanvasDrawing : public testing::Test {
 protected:
  void SetUp() override { EnsureGuiApplication(); }
};

TEST_F(CanvasDrawing, FilledShapesMatchTheirGoldenImages) {
  struct Case {
    const char* name;
    int w, h;
    void (*draw)(TCanvas&);
    std::vector<std::string> golden;
  };
  const Case cases[] = {
      {"ellipse", 12, 9, [](TCanvas& c) { c.Ellipse({1, 1, 11, 8}); },
       {"............", "...######...", "..#rrrrrr#..", ".#rrrrrrrr#.", ".#rrrrrrrr#.", ".#rrrrrrrr#.",
        "..#rrrrrr#..", "...######...", "............"}},
      {"polygon", 10, 8, [](TCanvas& c) { c.Polygon({{1, 1}, {8, 1}, {1, 6}}); },
       {"..........", ".########.", ".#rrrr##..", ".#rrr#....", ".#rr#.....", ".###......", ".#........",
        ".........."}},
      {"round rectangle", 12, 9, [](TCanvas& c) { c.RoundRect({1, 1, 11, 8}, 4, 4); },
       {"............", "..########..", ".#rrrrrrrr#.", ".#rrrrrrrr#.", ".#rrrrrrrr#.", ".#rrrrrrrr#.",
        ".#rrrrrrrr#.", "..########..", "............"}},
      {"rectangle, pen of width 2", 12, 9,
       [](TCanvas& c) {
         c.Pen().Width = 2;
         c.Rectangle({2, 2, 9, 7});
       },
       {"............", ".########...", ".########...", ".##rrrr##...", ".##rrrr##...", ".########...",
        ".########...", "............", "............"}},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    TBitmap bmp(tc.w, tc.h);
    bmp.Canvas().Brush().Color = clRed;
    tc.draw(bmp.Canvas());
    EXPECT_EQ(Picture(bmp), tc.golden);
  }
}

TEST_F(CanvasDrawing, FocusRectangleIsItsOwnInverse) {
  TBitmap bmp = Busy(12, 10);
  TBitmap before = bmp;
  TCanvas& c = bmp.Canvas();
  c.DrawFocusRect({1, 2, 9, 8});
  // Every other pixel of the outline [1, 8] x [2, 7] is inverted, none inside.
  EXPECT_EQ(c.Pixel(1, 3), before.Canvas().Pixel(1, 3) ^ 0xFFFFFF);
  EXPECT_EQ(c.Pixel(1, 2), before.Canvas().Pixel(1, 2));
  EXPECT_EQ(c.Pixel(8, 6), before.Canvas().Pixel(8, 6) ^ 0xFFFFFF);
  EXPECT_EQ(c.Pixel(8, 7), before.Canvas().Pixel(8, 7));
  EXPECT_EQ(c.Pixel(4, 4), before.Canvas().Pixel(4, 4));
  EXPECT_EQ(c.Pixel(9, 8), before.Canvas().Pixel(9, 8));
  c.DrawFocusRect({1, 2, 9, 8});
  EXPECT_TRUE(SamePixels(bmp, before));
}

TEST_F(CanvasDrawing, InvertedDottedLineErasesItself) {
  TBitmap bmp = Busy(10, 10);
  TBitmap before = bmp;
  TCanvas& c = bmp.Canvas();
  c.DrawInvertedDottedLine(2, 0, 2, 9);
  EXPECT_EQ(c.Pixel(2, 0), before.Canvas().Pixel(2, 0) ^ 0xFFFFFF);
  EXPECT_EQ(c.Pixel(2, 1), before.Canvas().Pixel(2, 1));
  EXPECT_EQ(c.Pixel(2, 8), before.Canvas().Pixel(2, 8) ^ 0xFFFFFF);
  EXPECT_EQ(c.Pixel(2, 9), before.Canvas().Pixel(2, 9));
  c.DrawInvertedDottedLine(2, 0, 2, 9);
  EXPECT_TRUE(SamePixels(bmp, before));
}

TEST_F(CanvasDrawing, EdgesUseTheSystemColours) {
  struct Case {
    const char* name;
    unsigned edge, flags;
    TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
  };
  const Case cases[] = {
      {"raised", EDGE_RAISED, BF_RECT, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
      {"sunken", EDGE_SUNKEN, BF_RECT, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
      {"soft raised", EDGE_RAISED, BF_RECT | BF_SOFT, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    TBitmap bmp(8, 8);
    TCanvas& c = bmp.Canvas();
    TRect r{0, 0, 8, 8};
    c.DrawEdge(r, tc.edge, tc.flags | BF_ADJUST);
    EXPECT_EQ(r, (TRect{2, 2, 6, 6}));
    EXPECT_EQ(c.Pixel(0, 0), ColorToRGB(tc.outerTopLeft));
    EXPECT_EQ(c.Pixel(0, 6), ColorToRGB(tc.outerTopLeft));
    EXPECT_EQ(c.Pixel(7, 0), ColorToRGB(tc.outerBottomRight));  // corners go to the shadow side
    EXPECT_EQ(c.Pixel(0, 7), ColorToRGB(tc.outerBottomRight));
    EXPECT_EQ(c.Pixel(1, 1), ColorToRGB(tc.innerTopLeft));
    EXPECT_EQ(c.Pixel(6, 6), ColorToRGB(tc.innerBottomRight));
    EXPECT_EQ(c.Pixel(3, 3), clWhite);
  }
  TBitmap bmp(6, 6);
  TRect r{0, 0, 6, 6};
  bmp.Canvas().DrawEdge(r, EDGE_RAISED, BF_LEFT | BF_MIDDLE);
  EXPECT_EQ(bmp.Canvas().Pixel(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(bmp.Canvas().Pixel(5, 0), ColorToRGB(clBtnFace));  // no right side, the middle fills
}

TEST_F(CanvasDrawing, FrameControlsShowTheirState) {
  auto draw = [](unsigned kind, unsigned state) {
    TBitmap bmp(13, 13);
    TRect r{0, 0, 13, 13};
    bmp.Canvas().DrawFrameControl(r, kind, state);
    return bmp;
  };
  auto count = [](const TBitmap& bmp, TColor color) {
    int n = 0;
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0; x < bmp.Width(); ++x) n += static_cast<TColor>(bmp.ScanLine(y)[x] & 0xFFFFFF) == ColorToRGB(color);
    return n;
  };
  TBitmap unchecked = draw(DFC_BUTTON, DFCS_BUTTONCHECK);
  TBitmap checked = draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  TBitmap inactive = draw(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(unchecked.Canvas().Pixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(unchecked.Canvas().Pixel(6, 6), ColorToRGB(clWindow));
  EXPECT_EQ(count(checked, clWindowText), 21);  // the check mark
  EXPECT_EQ(count(inactive, clGrayText), 21);
  EXPECT_EQ(inactive.Canvas().Pixel(3, 3), ColorToRGB(clBtnFace));

  TBitmap radio = draw(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(radio.Canvas().Pixel(6, 6), ColorToRGB(clWindowText));
  EXPECT_EQ(radio.Canvas().Pixel(0, 0), clWhite);  // outside the circle
  EXPECT_EQ(radio.Canvas().Pixel(6, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(radio.Canvas().Pixel(6, 12), ColorToRGB(clBtnHighlight));

  TBitmap arrow = draw(DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  EXPECT_EQ(arrow.Canvas().Pixel(6, 5), ColorToRGB(clBtnText));  // the arrow's base row
  EXPECT_EQ(count(arrow, clBtnText), 5 + 3 + 1);
  TBitmap pushed = draw(DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED);
  EXPECT_EQ(pushed.Canvas().Pixel(7, 6), ColorToRGB(clBtnText));  // moved by one pixel
  EXPECT_EQ(pushed.Canvas().Pixel(0, 0), ColorToRGB(clBtnShadow));
}

TEST_F(CanvasDrawing, RecordingCanvasLogsOuterCallsInOrderWithResolvedColours) {
  TRecordingCanvas c(40, 20);
  c.Font().Name = kTestFontName;
  c.Brush().Color = clBtnFace;
  c.FillRect({0, 0, 40, 20});
  c.Pen().Color = clNone;
  c.Rectangle(1, 1, 5, 5);
  TRect r{0, 0, 40, 20};
  c.DrawText("ab", r, DT_SINGLELINE | DT_VCENTER);
  c.DrawFocusRect({2, 2, 30, 18});
  EXPECT_EQ(c.Ops(), (std::vector<std::string>{"FillRect", "Rectangle", "DrawText", "DrawFocusRect"})) << c.Dump();
  EXPECT_EQ(c.Calls()[0].Brush, RGB(240, 240, 240));
  EXPECT_EQ(c.Calls()[1].Pen, clNone);
  EXPECT_EQ(c.Calls()[2].Text, "ab");
  EXPECT_EQ(c.Calls()[2].Flags, DT_SINGLELINE | DT_VCENTER);
  EXPECT_EQ(c.Calls()[2].FontColor, clBlack);
  // It draws too: the text's ink is on the surface.
  EXPECT_EQ(c.Pixel(1, 6), clBlack);
}

TEST_F(CanvasDrawing, ThemedPartsDrawThroughTheStyleAndFollowTheirState) {
  SetThemesActive(false);
  EXPECT_FALSE(ThemesActive());
  SetThemesActive(true);
  EXPECT_TRUE(ThemesActive());
  auto draw = [](TThemedElement e, int state) {
    TBitmap bmp(16, 16);
    bmp.Canvas().DrawThemedPart(e, state, {0, 0, 16, 16});
    return bmp;
  };
  TBitmap blank(16, 16);
  TBitmap unchecked = draw(TThemedElement::CheckBox, CBS_UNCHECKEDNORMAL);
  TBitmap checked = draw(TThemedElement::CheckBox, CBS_CHECKEDNORMAL);
  EXPECT_FALSE(SamePixels(unchecked, blank));
  EXPECT_FALSE(SamePixels(unchecked, checked));
  EXPECT_FALSE(SamePixels(draw(TThemedElement::PushButton, TS_NORMAL), draw(TThemedElement::PushButton, TS_PRESSED)));
  EXPECT_FALSE(SamePixels(draw(TThemedElement::HeaderItem, TS_NORMAL), blank));
  EXPECT_FALSE(SamePixels(draw(TThemedElement::ProgressChunk, TS_NORMAL), blank));
}

TEST_F(CanvasDrawing, ThemeNamesReportTheDefaultSchemeOnlyWhileThemesAreOn) {
  TThemeNames on = CurrentThemeNames();
  EXPECT_EQ(on.ColorName, "NormalColor");
  EXPECT_EQ(on.SizeName, "NormalSize");
  EXPECT_FALSE(on.FileName.empty());
  SetThemesActive(false);
  TThemeNames off = CurrentThemeNames();
  SetThemesActive(true);
  EXPECT_EQ(off.FileName + off.ColorName + off.SizeName, "");
}

}  // namespace
}  // namespace hd

namespace hd {
namespace {

// Underline and strike-out are lines of the text's ink across the whole run, each at its height.
TEST_F(CanvasDrawing, UnderlinedAndStruckTextDrawTheirLines) {
  auto inkRows = [](TFontStyles style) {
    TBitmap bmp(80, 30);
    TCanvas& c = bmp.Canvas();
    c.Brush().Color = clWhite;
    c.FillRect(Rect(0, 0, 80, 30));
    c.Font().Color = clBlack;
    c.Font().Style = style;
    c.Brush().Style = bsClear;
    c.TextOut(2, 2, "ab cd");
    const int width = c.TextWidth("ab cd");
    std::vector<int> full;
    for (int y = 0; y < 30; ++y) {
      int ink = 0;
      for (int x = 2; x < 2 + width; ++x) ink += c.Pixel(x, y) == clBlack;
      if (ink == width) full.push_back(y);
    }
    return full;
  };
  EXPECT_TRUE(inkRows({}).empty()) << "plain text has no row of ink under its blank";
  const std::vector<int> under = inkRows({fsUnderline}), struck = inkRows({fsStrikeOut});
  ASSERT_EQ(under.size(), 1u);
  ASSERT_EQ(struck.size(), 1u);
  EXPECT_LT(struck[0], under[0]);
  EXPECT_EQ(inkRows({fsUnderline, fsStrikeOut}), (std::vector<int>{struck[0], under[0]}));
}

}  // namespace
}  // namespace hd
