#include "platform/tooltips.h"

#include <gtest/gtest.h>

#include "platform/desktop.h"
#include "platform/ext_ctrls.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

// A form with a panel that registers itself as the tool of a balloon tooltip and logs the
// notifications it hears, with the virtual time.
struct TToolFixture {
  TGuiKit kit;
  TForm form{nullptr};
  TPanel* tool = nullptr;
  TPanel* other = nullptr;
  HWND tip = 0;
  TEventLog log;
  std::string answer = "cell 2,3";
  TEventLink hook;

  TToolFixture() {
    form.SetClientSize(300, 200);
    tool = new TPanel(&form);
    tool->SetParent(&form);
    tool->SetBounds(10, 10, 150, 100);
    other = new TPanel(&form);
    other->SetParent(&form);
    other->SetBounds(10, 120, 150, 60);
    form.Show();
    kit.Process();
    hook = HookEvent(tool->WindowProc, [this](const std::function<void(TMessage&)>& next, TMessage& m) {
      if (m.Msg != WM_NOTIFY) return next(m);
      auto* header = reinterpret_cast<NMHDR*>(m.LParam);
      std::string at = "@" + std::to_string(kit.Clock().NowMs() - start);
      if (header->code == TTN_GETDISPINFOW) {
        reinterpret_cast<NMTTDISPINFOW*>(m.LParam)->lpszText = answer;
        log.Note("text" + at);
      }
      if (header->code == TTN_SHOW) log.Note("show" + at);
      if (header->code == TTN_POP) log.Note("pop" + at);
      EXPECT_EQ(header->hwndFrom, tip);
      EXPECT_EQ(header->idFrom, tool->Handle());
    });
    tip = CreateToolTipWindow(TTS_BALLOON | TTS_ALWAYSTIP | TTS_NOPREFIX, tool->Handle());
    TToolInfo info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = tool->Handle();
    info.uId = tool->Handle();
    info.rect = tool->ClientRect();
    info.lpszText = LPSTR_TEXTCALLBACKW;
    EXPECT_EQ(SendMessage(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)), 1);
    start = kit.Clock().NowMs();
  }
  TToolTipWindow& Tip() { return *FindToolTipWindow(tip); }
  void Restart() {
    log.Clear();
    start = kit.Clock().NowMs();
  }
  std::uint64_t start = 0;
};

TEST(ToolTipTest, RestAsksTheToolForTextShowsAndPopsOnTheDefaultDelays) {
  TToolFixture f;
  const int initial = static_cast<int>(GetDoubleClickTime());
  EXPECT_EQ(SendMessage(f.tip, TTM_GETDELAYTIME, TTDT_INITIAL), initial);
  EXPECT_EQ(SendMessage(f.tip, TTM_GETDELAYTIME, TTDT_AUTOPOP), initial * 10);
  EXPECT_EQ(SendMessage(f.tip, TTM_GETDELAYTIME, TTDT_RESHOW), initial / 5);

  f.kit.MoveMouse(f.tool, 20, 20);
  f.kit.Advance(static_cast<unsigned>(initial / 2));
  f.kit.MoveMouse(f.tool, 22, 20);  // a move starts the rest again
  f.kit.Advance(static_cast<unsigned>(initial - 1));
  EXPECT_EQ(f.log.Text(), "");
  EXPECT_FALSE(f.Tip().Showing());
  f.kit.Advance(1);
  std::string shownAt = "@" + std::to_string(initial / 2 + initial);
  EXPECT_EQ(f.log.Text(), "text" + shownAt + " show" + shownAt);
  ASSERT_TRUE(f.Tip().Showing());
  EXPECT_EQ(f.Tip().Text(), "cell 2,3");
  TPoint cursor = f.tool->ClientToScreen({22, 20});
  EXPECT_GT(f.Tip().BoundsRect().Top, cursor.Y) << "the balloon stands below the pointer";

  f.Restart();
  f.kit.MoveMouse(f.tool, 30, 30);  // moving over a tool that shows its tip keeps it
  f.kit.Advance(static_cast<unsigned>(initial * 10 - 1));
  EXPECT_TRUE(f.Tip().Showing());
  f.kit.Advance(1);
  EXPECT_EQ(f.log.Text(), "pop@" + std::to_string(initial * 10));
  EXPECT_FALSE(f.Tip().Showing());

  // After the auto-pop the tip waits until the mouse has left the tool.
  f.Restart();
  f.kit.MoveMouse(f.tool, 31, 30);
  f.kit.Advance(static_cast<unsigned>(initial * 2));
  EXPECT_EQ(f.log.Text(), "");
  f.kit.MoveMouse(f.other, 5, 5);
  f.kit.MoveMouse(f.tool, 40, 40);
  f.kit.Advance(static_cast<unsigned>(initial));
  EXPECT_TRUE(f.Tip().Showing());
}

TEST(ToolTipTest, PopWhileOverTheToolReshowsAfterTheReshowDelayAndLeavingPops) {
  TToolFixture f;
  SendMessage(f.tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(100, 0));
  SendMessage(f.tip, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(30, 0));
  SendMessage(f.tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(1000, 0));
  f.kit.MoveMouse(f.tool, 20, 20);
  f.kit.Advance(100);
  ASSERT_TRUE(f.Tip().Showing());

  // The grid pops the balloon when the pointer reaches another cell.
  f.Restart();
  SendMessage(f.tip, TTM_POP);
  EXPECT_EQ(f.log.Text(), "pop@0");
  f.answer = "cell 3,3";
  f.kit.MoveMouse(f.tool, 80, 20);
  f.kit.Advance(30);
  EXPECT_EQ(f.log.Text(), "pop@0 text@30 show@30");
  EXPECT_EQ(f.Tip().Text(), "cell 3,3");

  f.Restart();
  f.kit.MoveMouse(f.other, 5, 5);
  EXPECT_EQ(f.log.Text(), "pop@0");
  EXPECT_FALSE(f.Tip().Showing());

  // An empty answer shows nothing; a click puts the tip away.
  f.answer.clear();
  f.Restart();
  f.kit.MoveMouse(f.tool, 20, 20);
  f.kit.Advance(100);
  EXPECT_EQ(f.log.Text(), "text@100");
  EXPECT_FALSE(f.Tip().Showing());
  f.answer = "again";
  f.kit.MoveMouse(f.tool, 21, 20);
  f.kit.Advance(100);
  ASSERT_TRUE(f.Tip().Showing());
  f.kit.Click(f.tool, 21, 20);
  EXPECT_FALSE(f.Tip().Showing());

  // A delay of -1 goes back to the system's.
  SendMessage(f.tip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(-1, 0));
  EXPECT_EQ(SendMessage(f.tip, TTM_GETDELAYTIME, TTDT_INITIAL), static_cast<LRESULT>(GetDoubleClickTime()));
}

TEST(ToolTipTest, TitleIconColoursAndWidthShapeTheBalloon) {
  TToolFixture f;
  std::string title = "ToolTipText";
  EXPECT_EQ(SendMessage(f.tip, TTM_SETTITLEW, 7, reinterpret_cast<LPARAM>(&title)), 1);
  EXPECT_EQ(f.Tip().TitleIcon(), 0) << "an icon outside 0 to 3 is none";
  SendMessage(f.tip, TTM_SETTITLEW, TTI_ERROR, reinterpret_cast<LPARAM>(&title));
  EXPECT_EQ(f.Tip().TitleIcon(), 3);
  EXPECT_EQ(SendMessage(f.tip, TTM_SETMAXTIPWIDTH, 0, 300), -1);
  EXPECT_EQ(SendMessage(f.tip, TTM_GETMAXTIPWIDTH), 300);
  SendMessage(f.tip, TTM_SETTIPBKCOLOR, static_cast<WPARAM>(clYellow));
  SendMessage(f.tip, TTM_SETTIPTEXTCOLOR, static_cast<WPARAM>(clNavy));
  EXPECT_EQ(SendMessage(f.tip, TTM_GETTIPBKCOLOR), static_cast<LRESULT>(clYellow));

  f.answer.clear();
  for (int i = 0; i < 40; ++i) f.answer += "word ";
  f.kit.MoveMouse(f.tool, 20, 20);
  f.kit.Advance(GetDoubleClickTime());
  ASSERT_TRUE(f.Tip().Showing());
  TRect bounds = f.Tip().BoundsRect();
  EXPECT_LE(bounds.Width(), 300) << "long text wraps at the maximum width";
  EXPECT_EQ(f.Tip().Title(), "ToolTipText");
  const TBitmap* picture = f.Tip().PaintedImage();
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->Width(), bounds.Width());
  TBitmap copy = *picture;
  // Inside the body, right of the title: the background colour; the text colour is drawn.
  EXPECT_EQ(copy.Canvas().Pixel(bounds.Width() - 8, 20), clYellow);
  bool navy = false;
  for (int y = 0; y < copy.Height() && !navy; ++y)
    for (int x = 0; x < copy.Width() && !navy; ++x) navy = copy.Canvas().Pixel(x, y) == clNavy;
  EXPECT_TRUE(navy);
}

TEST(ToolTipTest, BalloonKeepsToTheScreen) {
  TToolFixture f;
  f.form.SetBounds(200, 300, f.form.Width(), f.form.Height());
  f.kit.Process();
  TPoint origin = f.tool->ClientToScreen({0, 0});
  // A screen that ends just below the tool's first rows, and just right of its left edge.
  test::TScreenSizeScope screen(origin.X + 60, origin.Y + 40);
  f.kit.MoveMouse(f.tool, 40, 30);
  f.kit.Advance(GetDoubleClickTime());
  ASSERT_TRUE(f.Tip().Showing());
  TRect r = f.Tip().BoundsRect();
  TPoint cursor = f.tool->ClientToScreen({40, 30});
  EXPECT_LT(r.Bottom, cursor.Y) << "above the pointer when below it there is no room";
  EXPECT_LE(r.Right, origin.X + 60);
  EXPECT_GE(r.Left, 0);
}

TEST(ToolTipTest, ToolTipGoesWithItsOwnerAndRemovedToolsAskNothing) {
  TToolFixture f;
  TToolInfo info;
  info.hwnd = f.tool->Handle();
  info.uId = f.tool->Handle();
  EXPECT_EQ(SendMessage(f.tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info)), 1);
  f.kit.MoveMouse(f.tool, 20, 20);
  f.kit.Advance(GetDoubleClickTime() * 2);
  EXPECT_EQ(f.log.Text(), "");
  TToolInfo unknown;
  unknown.uFlags = TTF_IDISHWND;
  unknown.uId = 123456789;
  EXPECT_EQ(SendMessage(f.tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&unknown)), 0) << "no such window";
  f.hook.Remove();
  delete f.tool;
  EXPECT_EQ(FindToolTipWindow(f.tip), nullptr);
  EXPECT_FALSE(IsWindow(f.tip));
}

TEST(ToolTipTest, EditShowsABalloonAtItsCaretUntilTyping) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(300, 120);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(10, 10, 200, 24);
  form.Show();
  edit->SetFocus();
  kit.Process();
  EXPECT_EQ(SendMessage(edit->Handle(), EM_HIDEBALLOONTIP), 0) << "none to hide";

  EDITBALLOONTIP tip{sizeof(EDITBALLOONTIP), "Caps Lock is on", "Passwords are case sensitive.", TTI_WARNING};
  EXPECT_EQ(SendMessage(edit->Handle(), EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip)), 1);
  TToolTipWindow* balloon = EditBalloon(edit);
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->Showing());
  EXPECT_EQ(balloon->Title(), "Caps Lock is on");
  EXPECT_EQ(balloon->Text(), "Passwords are case sensitive.");
  EXPECT_EQ(balloon->TitleIcon(), 2);
  EXPECT_EQ(balloon->BoundsRect().Top, edit->ClientToScreen({0, edit->ClientHeight()}).Y);
  EXPECT_EQ(SendMessage(edit->Handle(), EM_HIDEBALLOONTIP), 1);
  EXPECT_FALSE(balloon->Showing());

  SendMessage(edit->Handle(), EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ(EditBalloon(edit), balloon) << "the same window shows it again";
  kit.Type("a");
  EXPECT_FALSE(balloon->Showing());
}

}  // namespace
}  // namespace hd
