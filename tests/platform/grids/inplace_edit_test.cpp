// The in-place editor: opened by typing, F2, Return or a press on the current cell; loaded
// from the cell; placed over it and following the view; handing the grid the keys that leave
// it; and writing its text back, or the old text after Escape.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/grids/grid_fixture.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

using test::GridTest;

class EditorTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetCells(1, 1, "abc");
    grid->SetCells(2, 1, "two");
    grid->OnSetEditText = [this](TObject*, int c, int r, const std::string& v) {
      grid->log.Note("set " + std::to_string(c) + "," + std::to_string(r) + "=" + v);
    };
    grid->SetFocus();
    grid->log.Clear();
  }
  // The editor the grid made, or null.
  TInplaceEdit* Editor() const {
    for (int i = 0; i < grid->ControlCount(); ++i)
      if (auto* e = dynamic_cast<TInplaceEdit*>(grid->Controls(i))) return e;
    return nullptr;
  }
  bool EditorShown() const { return Editor() && Editor()->Visible(); }
  std::string Sets() const {
    std::string s;
    for (const std::string& e : grid->log.Entries())
      if (e.rfind("set ", 0) == 0) s += (s.empty() ? "" : " ") + e;
    return s;
  }
};

TEST_F(EditorTest, TypingOpensTheEditorAndReturnWritesTheTextBack) {
  Key('X');
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(grid->Cells(1, 1), "x") << "the typed character replaces the text and reaches the cell at once";
  EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
  Key('Y');
  Key('Z');
  EXPECT_EQ(Editor()->Text(), "xyz");
  Key(VK_RETURN);
  EXPECT_FALSE(EditorShown());
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cells(1, 1), "xyz");
  EXPECT_EQ(Sets(), "set 1,1=x set 1,1=xy set 1,1=xyz set 1,1=xyz");
  // Return again opens the editor on the cell's text, all of it selected.
  Key(VK_RETURN);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "xyz");
  EXPECT_EQ(Editor()->SelLength(), 3);
  // Backspace on the grid opens the editor too, and takes the selected text away.
  Key(VK_RETURN);
  Key(VK_BACK);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(EditorTest, EscapePutsBackTheTextTheEditorStartedWith) {
  std::vector<TKeyChar> pressed;
  grid->OnKeyPress = [&](TObject*, TKeyChar& k) { pressed.push_back(k); };
  Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->SelStart(), 3) << "F2 puts the caret after the text";
  EXPECT_EQ(Editor()->SelLength(), 0);
  Key('D');
  Key('E');
  EXPECT_EQ(grid->Cells(1, 1), "abcde");
  Key(VK_ESCAPE);
  EXPECT_FALSE(EditorShown());
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "abc");
  EXPECT_TRUE(grid->Focused());
  // The grid's OnKeyPress saw every character typed into the editor first.
  EXPECT_EQ(pressed, (std::vector<TKeyChar>{'d', 'e', 27}));
  // Escape with no editor open changes nothing.
  Key(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(1, 1), "abc");
}

TEST_F(EditorTest, AWriteInsideAnEditUpdateLeavesTheOpenEditorAlone) {
  Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  Key(VK_LEFT);
  ASSERT_EQ(Editor()->SelStart(), 2);
  grid->BeginEditUpdate();
  grid->SetCells(1, 1, "abz");
  grid->EndEditUpdate();
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(Editor()->Text(), "abc") << "the editor is not loaded again";
  EXPECT_EQ(Editor()->SelStart(), 2);
  // Outside an update the editor takes the cell's new text.
  grid->SetCells(1, 1, "xyz");
  EXPECT_EQ(Editor()->Text(), "xyz");
}

TEST_F(EditorTest, KeysThatLeaveTheEditorMoveTheCurrentCell) {
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  Key('Q');
  ASSERT_TRUE(EditorShown());
  Key(VK_TAB);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_FALSE(grid->EditorMode()) << "moving on hides the editor";
  EXPECT_EQ(grid->Cells(1, 1), "q");
  // Left and Right stay in the text; Down leaves it.
  Key(VK_F2);
  Key(VK_LEFT);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(Editor()->SelStart(), 2);
  Key(VK_DOWN);
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 2}));
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(2, 1), "two");
  // With goAlwaysShowEditor the editor stays open from cell to cell, and Right at the end of
  // the text moves on.
  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
  ASSERT_TRUE(EditorShown());
  Key('W');
  Key(VK_RIGHT);
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 2}));
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(grid->Cells(2, 2), "w");
  EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(3, 2));
}

TEST_F(EditorTest, TheEditorFollowsTheViewAndTheCell) {
  Key(VK_F2);
  Key('Q');
  ASSERT_EQ(Editor()->BoundsRect(), (TRect{51, 21, 101, 41}));
  // Scrolled out of view it hides and keeps its text; scrolled back it shows again.
  grid->SetTopRow(3);
  EXPECT_FALSE(Editor()->Visible());
  EXPECT_TRUE(grid->EditorMode());
  grid->SetTopRow(1);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "abcq");
  // A wider column and a taller row carry the editor with them.
  grid->SetColWidths(1, 80);
  grid->SetRowHeights(0, 30);
  EXPECT_EQ(Editor()->BoundsRect(), (TRect{51, 31, 131, 51}));
  // Text written from code into the cell shows in the editor.
  grid->SetCells(1, 1, "new");
  EXPECT_EQ(Editor()->Text(), "new");
  // Moving the row under the editor keeps it on its cell.
  grid->MoveRow(1, 2);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 2));
  EXPECT_EQ(Editor()->Text(), "new");
}

TEST_F(EditorTest, PressesOpenAndCloseTheEditor) {
  Press(60, 30);  // the current cell
  Release(60, 30);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->GridState(), gsNormal) << "a press in editing mode selects nothing";
  Key('K');
  Press(110, 30);  // another cell: the text goes back and the editor closes
  Release(110, 30);
  EXPECT_EQ(grid->Cells(1, 1), "k");
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Col(), 2);
  // A double click on the current cell: the first press opens the editor, the second lands
  // on it and is the grid's double click.
  int doubleClicks = 0;
  grid->OnDblClick = [&](TObject*) { ++doubleClicks; };
  kit.DoubleClick(grid, 110, 30);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(doubleClicks, 1);
  Key(VK_ESCAPE);
  // Leaving the grid for another control closes the editor too.
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(0, 150, 100, 20);
  Key(VK_F2);
  Key('Z');
  ASSERT_TRUE(Editor()->Focused());
  edit->SetFocus();
  EXPECT_FALSE(EditorShown());
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(2, 1), "twoz");
}

TEST_F(EditorTest, TheEditorTakesTheCellsMaskAndLimit) {
  grid->OnGetEditMask = [](TObject*, int c, int, std::string& mask) {
    if (c == 2) mask = "00;0;_";
  };
  grid->SetCells(2, 1, "");
  grid->FocusCell(2, 1, true);
  Key('7');
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(Editor()->IsMasked());
  Key('A');  // no digit: the mask keeps it out
  Key('8');
  Key(VK_RETURN);
  EXPECT_EQ(grid->Cells(2, 1), "78");
  // Escape gives back the cell's own text even where the mask could not hold it.
  grid->SetCells(2, 2, "abc");
  grid->FocusCell(2, 2, true);
  Key(VK_F2);
  Key('5');
  Key(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(2, 2), "abc");
  // The next cell has no mask, but a limit.
  grid->editLimit = 4;
  grid->FocusCell(1, 1, true);
  Key(VK_F2);
  EXPECT_FALSE(Editor()->IsMasked());
  EXPECT_EQ(Editor()->Text(), "abc");
  Key('D');
  Key('E');
  EXPECT_EQ(Editor()->Text(), "abcd");
}

TEST_F(EditorTest, OnGetEditTextDecidesWhatTheEditorStartsWith) {
  std::vector<std::string> asked;
  grid->OnGetEditText = [&](TObject*, int c, int r, std::string& value) {
    asked.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + value);
    value = "[" + value + "]";
  };
  Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(asked, std::vector<std::string>{"1,1=abc"}) << "the handler sees the cell's own text";
  EXPECT_EQ(Editor()->Text(), "[abc]");
  EXPECT_EQ(grid->Cells(1, 1), "abc") << "loading the editor writes nothing";
  Key('X');
  Key(VK_RETURN);
  EXPECT_EQ(grid->Cells(1, 1), "[abc]x");
  EXPECT_EQ(Sets(), "set 1,1=[abc]x set 1,1=[abc]x");
}

TEST_F(EditorTest, TypingAndReturnThroughTheQtAdaptor) {
  kit.Type("hi");
  ASSERT_TRUE(EditorShown());
  kit.Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(1, 1), "hi");
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(grid->Focused());
  kit.Press(VK_RIGHT);
  kit.Press(VK_F2);
  kit.Type("!");
  kit.Press(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(2, 1), "two");
  EXPECT_FALSE(grid->EditorMode());
}

}  // namespace
}  // namespace hd
