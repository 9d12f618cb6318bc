// The grid's flat button: presses, drags and releases with and without groups, the drop-down
// zone, the colour looks, the derived glyphs and the faces each state paints.
#include "grid/foundation/grid_button.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/menus.h"
#include "platform/themes.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

struct TButtonBench {
  TGuiKit kit;
  TForm form{nullptr};
  std::vector<TExtGridButton*> buttons;
  int clicks = 0;
  int dropDowns = 0;

  explicit TButtonBench(int count = 1) {
    form.SetClientSize(300, 80);
    for (int i = 0; i < count; ++i) {
      auto* b = new TExtGridButton(&form);
      b->SetParent(&form);
      b->SetBounds(10 + i * 50, 10, 40, 22);
      b->OnClick = [this](TObject*) { ++clicks; };
      b->OnDropDown = [this](TObject*) { ++dropDowns; };
      buttons.push_back(b);
    }
    form.Show();
    kit.Process();
  }
  // "P5 M60 R60": press, move and release at x (y is 10), on the first button.
  void Play(const std::string& script) {
    std::istringstream in(script);
    std::string step;
    TExtGridButton* b = buttons[0];
    while (in >> step) {
      const int x = std::stoi(step.substr(1));
      if (step[0] == 'P') kit.MouseDown(b, x, 10);
      if (step[0] == 'M') kit.MoveMouse(b, x, 10, {ssLeft});
      if (step[0] == 'R') kit.MouseUp(b, x, 10);
    }
  }
};

TEST(GridButtonTest, PressMoveAndReleaseDecideDownStateClickAndDropDown) {
  struct Case {
    const char* name;
    int group;
    bool allowAllUp;
    TExtGridButtonStyle style;
    bool dropDownButton;
    const char* script;
    bool down;
    TButtonState state;
    int clicks;
    int dropDowns;
  };
  const Case cases[] = {
      {"ungrouped: release inside clicks", 0, false, tasButton, false, "P5 R5", false, bsUp, 1, 0},
      {"ungrouped: out and back in still clicks", 0, false, tasButton, false, "P5 M60 M5 R5", false, bsUp, 1, 0},
      {"ungrouped: release outside does not", 0, false, tasButton, false, "P5 M60 R60", false, bsUp, 0, 0},
      {"grouped: a click holds it down", 1, false, tasButton, false, "P5 R5", true, bsExclusive, 1, 0},
      {"grouped without all up: a second click keeps it", 1, false, tasButton, false, "P5 R5 P5 R5", true,
       bsExclusive, 2, 0},
      {"grouped with all up: a second click raises it", 1, true, tasButton, false, "P5 R5 P5 R5", false, bsUp, 2,
       0},
      {"grouped: release outside leaves it up", 1, false, tasButton, false, "P5 M60 R60", false, bsUp, 0, 0},
      {"grouped: a held button released outside stays", 1, false, tasButton, false, "P5 R5 P5 M60 R60", true,
       bsExclusive, 1, 0},
      {"tasCheck: a click checks it", 0, false, tasCheck, false, "P5 R5", true, bsUp, 1, 0},
      {"tasCheck: a release outside flips it too", 0, false, tasCheck, false, "P5 M60 R60", true, bsUp, 0, 0},
      {"tasCheck: two clicks uncheck it", 0, false, tasCheck, false, "P5 R5 P5 R5", false, bsUp, 2, 0},
      {"drop-down zone opens and clicks nothing", 0, false, tasButton, true, "P35 R35", false, bsUp, 0, 1},
      {"left of the zone clicks", 0, false, tasButton, true, "P20 R20", false, bsUp, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonBench bench;
    TExtGridButton* b = bench.buttons[0];
    b->SetGroupIndex(c.group);
    b->SetAllowAllUp(c.allowAllUp);
    b->SetStyle(c.style);
    b->SetDropDownButton(c.dropDownButton);
    bench.Play(c.script);
    EXPECT_EQ(b->Down(), c.down);
    EXPECT_EQ(b->State(), c.state);
    EXPECT_EQ(bench.clicks, c.clicks);
    EXPECT_EQ(bench.dropDowns, c.dropDowns);
  }
}

TEST(GridButtonTest, DraggedOffAndBackTheFaceFollowsThePointer) {
  TButtonBench bench;
  TExtGridButton* b = bench.buttons[0];
  bench.kit.MouseDown(b, 5, 10);
  EXPECT_EQ(b->State(), bsDown);
  bench.kit.MoveMouse(b, 60, 10, {ssLeft});
  EXPECT_EQ(b->State(), bsUp);
  bench.kit.MoveMouse(b, 39, 22, {ssLeft});
  EXPECT_EQ(b->State(), bsDown) << "the bottom edge still counts as inside";
  bench.kit.MouseUp(b, 39, 22);
}

TEST(GridButtonTest, GroupKeepsOneDownAndCopiesAllowAllUp) {
  TButtonBench bench(3);
  for (auto* b : bench.buttons) b->SetGroupIndex(1);
  bench.buttons[2]->SetGroupIndex(2);
  bench.buttons[0]->SetDown(true);
  bench.buttons[2]->SetDown(true);
  bench.buttons[1]->SetDown(true);
  EXPECT_FALSE(bench.buttons[0]->Down()) << "a second button of the group releases the first";
  EXPECT_TRUE(bench.buttons[1]->Down());
  EXPECT_TRUE(bench.buttons[2]->Down()) << "another group is left alone";
  bench.buttons[1]->SetDown(false);
  EXPECT_TRUE(bench.buttons[1]->Down()) << "without AllowAllUp the last one cannot be raised";
  bench.buttons[0]->SetAllowAllUp(true);
  EXPECT_TRUE(bench.buttons[1]->AllowAllUp()) << "the group shares AllowAllUp";
  bench.buttons[1]->SetDown(false);
  EXPECT_FALSE(bench.buttons[1]->Down());
  TExtGridButton* ungrouped = bench.buttons[0];
  ungrouped->SetGroupIndex(0);
  ungrouped->SetDown(true);
  EXPECT_FALSE(ungrouped->Down()) << "an ungrouped button is never down";
  EXPECT_EQ(bench.clicks, 0);
}

TEST(GridButtonTest, DropDownMenuPopsUpAtTheLowerLeftCorner) {
  TButtonBench bench;
  TExtGridButton* b = bench.buttons[0];
  TPopupMenu menu(&bench.form);
  auto* item = new TMenuItem(&menu);
  item->SetCaption("Only");
  menu.Items().Add(item);
  b->SetDropDownButton(true);
  b->SetDropDownMenu(&menu);
  bench.kit.ChooseMenuItem("");
  bench.kit.MouseDown(b, 35, 10);
  bench.kit.MouseUp(b, 35, 10);
  EXPECT_EQ(menu.PopupPoint(), b->ClientToScreen({0, b->Height()}));
  EXPECT_EQ(bench.dropDowns, 1);
  EXPECT_EQ(bench.clicks, 0);
}

TEST(GridButtonTest, AcceleratorClicksAnEnabledButtonAndDoubleClickCountsOnlyWhileDown) {
  TButtonBench bench;
  TExtGridButton* b = bench.buttons[0];
  int doubles = 0;
  b->OnDblClick = [&doubles](TObject*) { ++doubles; };
  b->SetCaption("&Find");
  bench.kit.Press('F', {ssAlt});
  EXPECT_EQ(bench.clicks, 1);
  b->SetEnabled(false);
  bench.kit.Press('F', {ssAlt});
  EXPECT_EQ(bench.clicks, 1) << "a disabled button ignores its accelerator";
  b->SetEnabled(true);
  bench.kit.DoubleClick(b, 5, 10);
  EXPECT_EQ(doubles, 0);
  b->SetGroupIndex(1);
  b->SetDown(true);
  bench.kit.DoubleClick(b, 5, 10);
  EXPECT_EQ(doubles, 1);
}

TEST(GridButtonTest, LooksSetTheirColoursAndOtherValuesAreIgnored) {
  TButtonBench bench;
  TExtGridButton* b = bench.buttons[0];
  b->SetBorderColor(clRed);
  b->SetFlat(false);
  b->SetLook(2);
  EXPECT_EQ(b->Color(), 0xFDEADAu);
  EXPECT_EQ(b->ColorTo(), 0xE4AE88u);
  EXPECT_EQ(b->ColorHotTo(), 0x91D0FFu);
  EXPECT_EQ(b->ColorCheckedTo(), 0x55ADFFu);
  EXPECT_EQ(b->BorderDownColor(), 0x000000u);
  EXPECT_EQ(b->BorderHotColor(), 0x000000u);
  EXPECT_EQ(b->BorderColor(), clNone);
  EXPECT_TRUE(b->Flat());
  EXPECT_FALSE(b->Rounded());
  b->SetLook(0);
  EXPECT_TRUE(b->Rounded());
  EXPECT_EQ(b->BorderDownColor(), 0xAF987Au);
  EXPECT_EQ(b->BorderHotColor(), 0xC3CECEu);
  b->SetLook(5);
  EXPECT_EQ(b->ColorHot(), clBtnFace);
  EXPECT_EQ(b->BorderDownColor(), clNone);
  b->SetLook(7);
  b->SetLook(-1);
  EXPECT_EQ(b->Look(), 5);
  EXPECT_EQ(b->ColorChecked(), 0xCAC7C7u);
  b->SetMargin(-5);
  EXPECT_EQ(b->Margin(), -1);
  b->SetMargin(3);
  EXPECT_EQ(b->Margin(), 3);
}

TEST(GridButtonTest, ThemeAdaptationPicksTheLookOfTheDesktopScheme) {
  TButtonBench bench;
  TExtGridButton* b = bench.buttons[0];
  const bool themes = ThemesActive();
  // The shipped style reports the default scheme, "NormalColor".
  SetThemesActive(true);
  EXPECT_EQ(CurrentThemeScheme(), 1);
  b->SetAutoThemeAdapt(true);
  EXPECT_EQ(b->Look(), 2);
  SetThemesActive(false);
  EXPECT_EQ(CurrentThemeScheme(), 0);
  b->Perform(0x031A);
  EXPECT_EQ(b->Look(), 1);
  SetThemesActive(themes);
}

TEST(GridButtonTest, GlyphDerivesAGreyDisabledGlyphAndASilhouette) {
  TButtonBench bench;
  TExtGridButton* b = bench.buttons[0];
  TBitmap glyph(3, 1);
  // Red, green and blue; the grey is the rounded average halved, plus 96.
  glyph.ScanLine(0)[0] = 0xFF1F140Au;  // 10, 20, 31: average 20.3 -> 20 -> 106
  glyph.ScanLine(0)[1] = 0xFF020201u;  // 1, 2, 2: average 1.7 -> 2 -> 97
  glyph.ScanLine(0)[2] = 0xFFFEFFFFu;  // 255, 255, 254: average 254.7 -> 255 -> 223
  b->SetGlyph(glyph);
  const TBitmap& grey = b->GlyphDisabled();
  ASSERT_EQ(grey.Width(), 3);
  EXPECT_EQ(grey.ScanLine(0)[0] & 0xFFFFFFu, 0x6A6A6Au);
  EXPECT_EQ(grey.ScanLine(0)[1] & 0xFFFFFFu, 0x616161u);
  EXPECT_EQ(grey.ScanLine(0)[2] & 0xFFFFFFu, 0xDFDFDFu);
  // The silhouette: grey where the glyph differs from its bottom-left pixel, black there.
  const TBitmap& shade = b->GlyphShade();
  EXPECT_EQ(shade.ScanLine(0)[0] & 0xFFFFFFu, 0x000000u);
  EXPECT_EQ(shade.ScanLine(0)[1] & 0xFFFFFFu, 0x808080u);
  // A given disabled glyph is kept.
  TBitmap own(2, 2);
  b->SetGlyphDisabled(own);
  b->SetGlyph(glyph);
  EXPECT_EQ(b->GlyphDisabled().Width(), 2);
}

TEST(GridButtonTest, EachStatePaintsItsFaceColour) {
  enum Step { Idle, Hover, HoverPressed, CheckedHover, Exclusive };
  struct Case {
    const char* name;
    Step step;
    TColor face;
  };
  const Case cases[] = {
      {"idle: Color", Idle, 0x101010},
      {"hot: ColorHot", Hover, 0x202020},
      {"hot and pressed: ColorDown", HoverPressed, 0x303030},
      {"checked and hot: ColorChecked", CheckedHover, 0x404040},
      {"held in its group, mouse away: ColorChecked", Exclusive, 0x404040},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonBench bench;
    TExtGridButton* b = bench.buttons[0];
    b->SetColor(0x101010);
    b->SetColorHot(0x202020);
    b->SetColorDown(0x303030);
    b->SetColorChecked(0x404040);
    if (c.step == CheckedHover) {
      b->SetStyle(tasCheck);
      b->SetDown(true);
    }
    if (c.step == Exclusive) {
      b->SetGroupIndex(1);
      b->SetDown(true);
    }
    if (c.step != Idle && c.step != Exclusive) bench.kit.MoveMouse(b, 8, 8);
    if (c.step == HoverPressed) bench.kit.MouseDown(b, 8, 8);
    b->Repaint();
    const TBitmap* image = b->PaintedImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->ScanLine(11)[20] & 0xFFFFFFu, c.face);
    if (c.step == HoverPressed) bench.kit.MouseUp(b, 8, 8);
  }
}

TEST(ButtonGradientTest, BandsStepFromTheFirstColourAndTheBorderFramesTheRect) {
  TBitmap b(10, 16);
  DrawButtonGradient(b.Canvas(), 0x000000, 0x0000F0, 0x00FF00, 16, Rect(0, 0, 10, 16), false);
  // Band n of 16 over 16 rows starts at row n, red = round(n * 240 / 16).
  EXPECT_EQ(b.ScanLine(5)[5] & 0xFFFFFFu, 0x00004Bu);
  EXPECT_EQ(b.ScanLine(14)[5] & 0xFFFFFFu, 0x0000D2u);
  EXPECT_EQ(b.ScanLine(0)[5] & 0xFFFFFFu, 0x00FF00u) << "the border";
  TBitmap one(4, 4);
  DrawButtonGradient(one.Canvas(), 0x123456, 0xFFFFFF, clNone, 0, Rect(0, 0, 4, 4), true);
  EXPECT_EQ(one.ScanLine(3)[3] & 0xFFFFFFu, 0x123456u) << "0 steps count as 1: the first colour";
}

}  // namespace
}  // namespace hd
