// The search footer driven headless: its layout, typing, Enter and Ctrl+Enter, the red edit,
// the highlight toggle, the accelerators and closing.
#include "grid/dataops/search/search_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/settings.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/bitmap_resources.h"
#include "platform/messages.h"

namespace hd::test {
namespace {

struct Action {
  std::string value;
  int col, row;
  TSearchAction action;
};

class SearchFooterTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid->SetCells(1, 1, "apple");
    grid->SetCells(2, 3, "pineapple");
    grid->SetCells(3, 5, "Apple pie");
    grid->OnSearchFooterAction = [this](TObject*, const std::string& v, int c, int r, TSearchAction a) {
      actions.push_back({v, c, r, a});
    };
    grid->SearchFooter().SetFindNextCaption("Find &next");
    grid->SearchFooter().SetVisible(true);
    kit.Process();
  }
  TSearchPanel& Panel() { return grid->SearchPanel(); }
  TRetEdit& Edit() { return Panel().EditControl(); }
  void Type(const std::string& Text) {
    for (char ch : Text) SendMessage(Edit().Handle(), WM_CHAR, static_cast<WPARAM>(ch));
  }
  void Backspace() {
    SendMessage(Edit().Handle(), WM_KEYDOWN, VK_BACK);
    SendMessage(Edit().Handle(), WM_CHAR, 8);
  }
  void Enter(bool Ctrl) {
    SetKeyDown(VK_CONTROL, Ctrl);
    SendMessage(Edit().Handle(), WM_KEYDOWN, VK_RETURN);
    SetKeyDown(VK_CONTROL, false);
  }
  TPoint Current() { return {grid->Col(), grid->Row()}; }
  std::vector<Action> actions;
};

TEST_F(SearchFooterTest, LayoutInThePanelsPixels) {
  EXPECT_EQ(Panel().Height(), 32);
  EXPECT_EQ(Panel().BoundsRect().Bottom, grid->ClientHeight());
  struct Place {
    const char* name;
    TControl& control;
    TRect bounds;
  };
  const Place places[] = {
      {"edit", Edit(), {25, 6, 135, 6 + Edit().Height()}},
      {"find next", Panel().ForwardButton(), {140, 5, 230, 28}},
      {"find previous", Panel().BackwardButton(), {235, 5, 325, 28}},
      {"close", Panel().ExitButton(), {5, 7, 19, 21}},
      {"highlight", Panel().HiliteButton(), {330, 5, 420, 28}},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.control.BoundsRect(), p.bounds);
  }
  EXPECT_EQ(Panel().MatchCase().Left(), 425);
  EXPECT_EQ(Panel().MatchCase().Top(), 8);
  grid->SearchFooter().SetShowHighLight(false);
  EXPECT_EQ(Panel().MatchCase().Left(), 330);
  EXPECT_EQ(Panel().HiliteButton().Height(), 0);
  Panel().SetRightToLeftReading(true);
  EXPECT_EQ(Panel().ForwardButton().Left(), Panel().ClientWidth() - 90 - 140);
  EXPECT_EQ(Edit().Left(), Panel().ClientWidth() - 110 - 25);
  EXPECT_EQ(Panel().MatchCase().Left(), 330);
  // The glyphs are the sizes the layout was made for.
  EXPECT_EQ(BitmapResource("ESGARDOWN").Width(), 16);
  EXPECT_EQ(BitmapResource("ESGHID").Height(), 16);
  EXPECT_EQ(BitmapResource("ESGCLOSEH").Width(), 14);
  grid->SearchFooter().SetVisible(false);
  EXPECT_EQ(Panel().Height(), 0);
}

TEST_F(SearchFooterTest, TypingFindsRedWhenNothingEnterAndCtrlEnterStep) {
  EXPECT_FALSE(Panel().ForwardButton().Enabled());
  Type("ap");
  EXPECT_TRUE(Panel().ForwardButton().Enabled());
  EXPECT_EQ(Current(), (TPoint{1, 1}));
  EXPECT_EQ(Edit().Color(), clWindow);
  Type("x");
  EXPECT_EQ(Edit().Color(), clRed);
  EXPECT_EQ(Current(), (TPoint{1, 1})) << "a failed search leaves the current cell";
  Backspace();
  EXPECT_EQ(Edit().Color(), clWindow);
  Enter(false);
  EXPECT_EQ(Current(), (TPoint{2, 3}));
  Enter(false);
  EXPECT_EQ(Current(), (TPoint{3, 5}));
  Enter(true);
  EXPECT_EQ(Current(), (TPoint{2, 3}));
  ASSERT_GE(actions.size(), 3U);
  const Action& last = actions.back();
  EXPECT_EQ(last.value, "ap");
  EXPECT_EQ(last.action, saFindPrevious);
  EXPECT_EQ(last.col, 2);
  EXPECT_EQ(last.row, 3);
  EXPECT_EQ(Edit().Text(), "ap") << "Enter puts no line break into the edit";
  // Alt+N: the find-next button's accelerator.
  EXPECT_TRUE(grid->SearchFooterDialogChar('N'));
  EXPECT_EQ(Current(), (TPoint{3, 5}));
  EXPECT_FALSE(grid->SearchFooterDialogChar('Q'));
  while (!Edit().Text().empty()) Backspace();
  EXPECT_EQ(Edit().Color(), clWindow);
  EXPECT_FALSE(Panel().ForwardButton().Enabled());
}

TEST_F(SearchFooterTest, HighlightToggleFollowsTheTextAndCloseHidesTheBar) {
  Type("apple");
  Panel().HiliteButton().SetDown(true);
  Panel().HiliteButton().Click();
  EXPECT_EQ(grid->Cells(1, 1), "<hi>apple</hi>");
  EXPECT_EQ(grid->Cells(2, 3), "pine<hi>apple</hi>");
  SendMessage(Edit().Handle(), WM_KEYDOWN, VK_BACK);
  SendMessage(Edit().Handle(), WM_CHAR, 8);
  EXPECT_EQ(grid->Cells(1, 1), "<hi>appl</hi>e");
  EXPECT_EQ(grid->Cells(3, 5), "<hi>Appl</hi>e pie");
  Panel().HiliteButton().SetDown(false);
  Panel().HiliteButton().Click();
  EXPECT_EQ(grid->Cells(1, 1), "apple");
  EXPECT_EQ(grid->Cells(3, 5), "Apple pie");

  int closes = 0;
  grid->OnSearchFooterClose = [&closes](TObject*) { ++closes; };
  Panel().ExitButton().Click();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(grid->SearchFooter().Visible());
  EXPECT_EQ(Panel().Height(), 0);
}

TEST_F(SearchFooterTest, WithoutAutoSearchTheButtonsStartOverOnANewText) {
  grid->SearchFooter().SetAutoSearch(false);
  grid->SearchFooter().SetSearchColumn(3);
  Type("apple");
  EXPECT_EQ(Current(), (TPoint{1, 1})) << "typing searches nothing";
  EXPECT_TRUE(actions.empty());
  Panel().ForwardButton().Click();
  EXPECT_EQ(Current(), (TPoint{3, 5})) << "only the search column";
  Panel().ForwardButton().Click();
  EXPECT_EQ(actions.back().col, -1);
  EXPECT_EQ(Current(), (TPoint{3, 5}));
}

TEST_F(SearchFooterTest, CtrlFPutsTheFocusIntoTheEdit) {
  grid->SetFocus();
  kit.Process();
  SetKeyDown(VK_CONTROL, true);
  SendMessage(grid->Handle(), WM_KEYDOWN, 'F');
  SetKeyDown(VK_CONTROL, false);
  kit.Process();
  EXPECT_TRUE(Edit().Focused());
}

TEST(SearchPanelTest, OwnerMustBeAStringGrid) {
  TComponent owner(nullptr);
  EXPECT_THROW(TSearchPanel{&owner}, EInvalidCast);
}

}  // namespace
}  // namespace hd::test
