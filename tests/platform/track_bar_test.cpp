// The slider's range rules (a Min above Max or a Max below Min is refused, the position is
// clamped and follows a shrinking range), its change event, keys and clicks; the scroll box's
// ranges from its content, bar visibility and ScrollInView with a margin.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/scroll_bars.h"
#include "platform/scroll_box.h"
#include "platform/track_bar.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class TrackBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(50, 50, 400, 300);
    bar = new TTrackBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(10, 10, 216, 40);
    bar->OnChange = [this](TObject*) { ++changes; };
    form->Show();
    kit.Process();
  }
  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TTrackBar* bar = nullptr;
  int changes = 0;
};

TEST_F(TrackBarTest, RangeRefusesCrossingEndsAndClampsThePosition) {
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 10);
  bar->SetMin(20);  // above Max: refused
  EXPECT_EQ(bar->Min(), 0);
  bar->SetPosition(99);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(changes, 1);
  bar->SetMax(-5);  // below Min: refused
  EXPECT_EQ(bar->Max(), 10);
  bar->SetMax(6);  // shrinks under the position, which follows
  EXPECT_EQ(bar->Position(), 6);
  EXPECT_EQ(changes, 2);
  bar->SetMin(8);  // above the new Max: refused
  EXPECT_EQ(bar->Min(), 0);
  bar->SetMin(-4);
  bar->SetPosition(-10);
  EXPECT_EQ(bar->Position(), -4);
  bar->SetPosition(-4);
  EXPECT_EQ(changes, 3) << "an unchanged position fires nothing";
}

TEST_F(TrackBarTest, KeysAndClicksMoveByLineAndPage) {
  bar->SetFocus();
  kit.Process();
  bar->SetPageSize(3);
  kit.Press(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 1);
  kit.Press(VK_NEXT);
  EXPECT_EQ(bar->Position(), 4);
  kit.Press(VK_END);
  EXPECT_EQ(bar->Position(), 10);
  kit.Press(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 10);
  kit.Press(VK_HOME);
  EXPECT_EQ(bar->Position(), 0);
  // A click on the channel right of the thumb moves a page toward it.
  const TRect thumb = bar->ThumbRect();
  kit.Click(bar, thumb.Right + 40, (thumb.Top + thumb.Bottom) / 2);
  EXPECT_EQ(bar->Position(), 3);
  // Dragging the thumb follows the mouse to the nearest position.
  const TRect t2 = bar->ThumbRect();
  const int y = (t2.Top + t2.Bottom) / 2, x = (t2.Left + t2.Right) / 2;
  kit.MouseDown(bar, x, y);
  const TRect ch = bar->ChannelRect();
  kit.MoveMouse(bar, ch.Right + 30, y, {ssLeft});
  kit.MouseUp(bar, ch.Right + 30, y);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(bar->PositionAt(ch.Left, y), 0);
  EXPECT_EQ(bar->PositionAt(ch.Left + ch.Width() / 2, y), 5);
}

TEST(ScrollBoxTest, RangesFollowTheContentAndScrollInViewKeepsTheMargin) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(50, 50, 400, 400);
  auto* box = new TScrollBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(0, 0, 200, 100);
  auto* content = new TPanel(box);
  content->SetParent(box);
  content->SetBounds(0, 0, 150, 500);
  form->Show();
  kit.Process();
  box->UpdateScrollBars();
  EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible());
  EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
  EXPECT_EQ(box->VertScrollBar().Range(), 500);
  EXPECT_EQ(box->ClientWidth(), 200 - GetSystemMetrics(SM_CXVSCROLL));
  box->VertScrollBar().SetPosition(1000);
  EXPECT_EQ(box->VertScrollBar().Position(), 400) << "kept within the range less the client height";
  EXPECT_EQ(content->Top(), -400);
  // A child that reaches right past the client area brings the horizontal bar.
  auto* wide = new TPanel(box);
  wide->SetParent(box);
  wide->SetBounds(0, 20 - 400, 300, 10);
  box->UpdateScrollBars();
  EXPECT_TRUE(box->HorzScrollBar().IsScrollBarVisible());
  EXPECT_EQ(box->VertScrollBar().Range(), 500);
  box->VertScrollBar().SetMargin(5);
  box->ScrollInView(wide);
  EXPECT_EQ(box->VertScrollBar().Position(), 15);
  EXPECT_EQ(wide->Top(), 5);
  // The thumb message moves the content only while tracking is on.
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = 100;
  SetScrollInfo(box->Handle(), SB_VERT, info, true);
  SendMessage(box->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100), 0);
  EXPECT_EQ(box->VertScrollBar().Position(), 100);
  // Content that shrinks takes the position back.
  content->SetBounds(0, content->Top(), 150, 50);
  wide->SetBounds(0, wide->Top(), 100, 10);
  box->UpdateScrollBars();
  EXPECT_FALSE(box->VertScrollBar().IsScrollBarVisible());
  EXPECT_EQ(box->VertScrollBar().Position(), 0);
  EXPECT_EQ(content->Top(), 0);
}

}  // namespace
}  // namespace hd
