// The scroll-bar looks: ssMetro's indicators replacing the bars and giving them back, the
// same look applied again, the flat looks on a platform without flat scroll bars, and the
// markup-hint switch.
#include <gtest/gtest.h>

#include "grid/stringgrid/html_hint_window.h"
#include "grid/stringgrid/no_active_form.h"
#include "grid/stringgrid/scroll_control.h"
#include "platform/application.h"
#include "platform/layered.h"
#include "string_grid_fixture.h"

namespace hd {
namespace {

using test::StringGridTest;
using test::TTestStringGrid;

TEST_F(StringGridTest, MetroLookSwapsTheBarsForIndicatorsAndBack) {
  grid->SetScrollBars(ssVertical);
  grid->SetScrollType(ssMetro);
  TScrollControl* vert = grid->VertScrollControl();
  TScrollControl* horz = grid->HorzScrollControl();
  ASSERT_NE(vert, nullptr);
  ASSERT_NE(horz, nullptr);
  EXPECT_EQ(grid->ScrollBars(), ssNone);
  EXPECT_EQ(vert->Parent(), grid);
  EXPECT_EQ(vert->Direction(), sdVertical);
  EXPECT_EQ(vert->Align(), alRight);
  EXPECT_EQ(vert->Width(), 6);
  EXPECT_EQ(horz->Direction(), sdHorizontal);
  EXPECT_EQ(horz->Align(), alBottom);
  EXPECT_EQ(horz->Height(), 6);
  EXPECT_TRUE(vert->Visible());

  // The same look again puts the bars away again and makes no second pair.
  grid->SetScrollBars(ssBoth);
  grid->SetScrollType(ssMetro);
  EXPECT_EQ(grid->ScrollBars(), ssNone);
  EXPECT_EQ(grid->VertScrollControl(), vert);

  grid->SetScrollType(ssNormal);
  EXPECT_EQ(grid->VertScrollControl(), nullptr);
  EXPECT_EQ(grid->HorzScrollControl(), nullptr);
  EXPECT_EQ(grid->ScrollBars(), ssBoth) << "both bars come back, whatever was set before";
  for (int i = 0; i < grid->ControlCount(); ++i)
    EXPECT_EQ(dynamic_cast<TScrollControl*>(grid->Controls(i)), nullptr) << "the indicators are gone";
}

TEST_F(StringGridTest, MetroLookSetBeforeTheWindowTakesEffectWhenItIsMade) {
  auto* later = New<TTestStringGrid>(form.get());
  later->SetScrollType(ssMetro);
  EXPECT_EQ(later->VertScrollControl(), nullptr) << "no window yet";
  later->SetParent(form.get());
  later->HandleNeeded();
  kit.Process();
  EXPECT_NE(later->VertScrollControl(), nullptr);
  EXPECT_NE(later->HorzScrollControl(), nullptr);
  EXPECT_EQ(later->ScrollBars(), ssNone) << "no bars beside the indicators";
}

TEST_F(StringGridTest, FlatLooksKeepTheirSettingAndShowNormalBars) {
  grid->SetRowCount(100);
  for (TScrollType look : {ssFlat, ssEncarta}) {
    SCOPED_TRACE(look);
    grid->SetScrollType(look);
    grid->SetScrollColor(clRed);
    grid->SetScrollWidth(9);
    kit.Process();
    EXPECT_EQ(grid->ScrollType(), look);
    EXPECT_EQ(grid->ScrollColor(), clRed);
    EXPECT_EQ(grid->ScrollWidth(), 9);
    EXPECT_FALSE(grid->FlatScrollBarsInitialised());
    EXPECT_EQ(grid->VertScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
    EXPECT_TRUE(grid->ScrollBarState(SB_VERT).Visible) << "the window's own bar shows";
  }
}

TEST_F(StringGridTest, ComponentStylesLeaveTheMetroLookAndColorTonesTakeIt) {
  grid->SetColorTones(TColorTones{});
  EXPECT_EQ(grid->ScrollType(), ssMetro);
  EXPECT_NE(grid->VertScrollControl(), nullptr);
  grid->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(grid->ScrollType(), ssNormal);
  EXPECT_EQ(grid->VertScrollControl(), nullptr);
  EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

TEST_F(StringGridTest, UseHTMLHintsSwitchesTheApplicationsHintWindowClass) {
  grid->SetUseHTMLHints(true);
  EXPECT_TRUE(grid->UseHTMLHints());
  EXPECT_NE(dynamic_cast<THTMLHintWindow*>(HintWindowClass()().get()), nullptr);
  TForm other(nullptr);
  EXPECT_NE(dynamic_cast<THTMLHintWindow*>(HintWindowClass()().get()), nullptr) << "for every window";
  grid->SetUseHTMLHints(false);
  EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(HintWindowClass()().get()), nullptr);
}

TEST_F(StringGridTest, MarkupHintShowsForAControlOnceTheSwitchIsOn) {
  grid->SetUseHTMLHints(true);
  grid->SetHint("<b>Bold</b> hint");
  grid->SetShowHint(true);
  kit.MoveMouse(grid, 100, 100);
  kit.Advance(Application().HintPause() + 10);
  auto* window = dynamic_cast<THTMLHintWindow*>(Application().HintWindow());
  grid->SetUseHTMLHints(false);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Showing());
  EXPECT_EQ(window->Caption(), "<b>Bold</b> hint");
  EXPECT_EQ(window->BoundsRect().Width(), window->TextWidth() + 16);
  Application().CancelHint();
}

TEST_F(StringGridTest, LayeredImageMakesAWindowTranslucentAndShowsThePicture) {
  TForm layer(nullptr);
  layer.SetBorderStyle(bsNone);
  layer.SetBounds(0, 0, 10, 10);
  layer.Show();
  TBitmap picture(40, 30);
  picture.Canvas().Brush().Color = clRed;
  picture.Canvas().FillRect(Rect(0, 0, 40, 30));
  ASSERT_TRUE(ApplyLayeredImage(layer.Handle(), picture, 128, Rect(50, 60, 150, 160)));
  EXPECT_NE(GetWindowLongPtr(layer.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(layer.BoundsRect(), Rect(50, 60, 150, 160)) << "the rectangle's size at its position";
  const TBitmap* shown = LayeredWindowImage(layer.Handle());
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->ScanLine(5)[5], 0xFF0000FFu);
  EXPECT_EQ(shown->ScanLine(50)[50], 0xFF000000u) << "beyond the picture: black";
  EXPECT_FALSE(ApplyLayeredImage(0, picture, 128, Rect(0, 0, 5, 5)));
}

TEST_F(StringGridTest, NoActiveFormNeverTakesTheActivationFromAClick) {
  TNoActiveForm picture(grid);
  picture.SetBorderStyle(bsNone);
  picture.SetFormStyle(fsStayOnTop);
  picture.SetBounds(300, 300, 50, 50);
  ShowWindow(picture.Handle(), SW_SHOWNOACTIVATE);
  kit.Process();
  EXPECT_EQ(picture.Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
  EXPECT_FALSE(picture.Enabled());
  EXPECT_NE(Screen().ActiveForm(), &picture);
  kit.Click(&picture, 10, 10);
  EXPECT_NE(Screen().ActiveForm(), &picture);
}

}  // namespace
}  // namespace hd
