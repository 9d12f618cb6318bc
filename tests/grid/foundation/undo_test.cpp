// Undo and redo of cell changes replayed on a grid: single changes, sequences, the history's
// bound, the redo tail, and the link between grid and component.
#include "grid/foundation/undo.h"

#include <gtest/gtest.h>

#include <string>

#include "grid/foundation/base_grid_fixture.h"

namespace hd {
namespace {

class UndoTest : public test::BaseGridTest {
 protected:
  void SetUp() override {
    BaseGridTest::SetUp();
    undo = New<TExtGridUndoRedo>(form.get());
    grid->SetUndoRedo(undo);
    undo->OnUndo = [&](TObject*, TBaseGrid* g, int c, int r, const std::string& orig, const std::string& text) {
      EXPECT_EQ(g, grid);
      replayed.Note("undo " + std::to_string(c) + "," + std::to_string(r) + " " + orig + ">" + text);
    };
    undo->OnRedo = [&](TObject*, TBaseGrid*, int c, int r, const std::string& orig, const std::string& text) {
      replayed.Note("redo " + std::to_string(c) + "," + std::to_string(r) + " " + orig + ">" + text);
    };
  }
  // A finished edit as the grid's editing registers it: old text first, then the new one.
  void Edit(int col, int row, const std::string& text) {
    std::string old = grid->Cells(col, row);
    grid->SetCells(col, row, text);
    undo->RegisterChange(col, row, old, text);
  }
  TPoint Current() const { return {grid->Col(), grid->Row()}; }

  TExtGridUndoRedo* undo = nullptr;
  test::TEventLog replayed;
};

TEST_F(UndoTest, EditsUndoToTheirOldTextsAndRedoToTheNewOnes) {
  ASSERT_EQ(undo->Grid(), grid);
  grid->SetCells(2, 2, "old A");
  Edit(2, 2, "new A");
  Edit(3, 4, "new B");
  EXPECT_EQ(undo->Level(), 2);

  undo->Undo();
  EXPECT_EQ(grid->Cells(3, 4), "");
  EXPECT_EQ(Current(), (TPoint{3, 4}));
  undo->Undo();
  EXPECT_EQ(grid->Cells(2, 2), "old A");
  EXPECT_EQ(Current(), (TPoint{2, 2}));
  EXPECT_FALSE(undo->CanUndo());
  EXPECT_TRUE(undo->CanRedo());
  undo->Undo();  // nothing left
  EXPECT_EQ(undo->Level(), 0);

  undo->Redo();
  undo->Redo();
  EXPECT_EQ(grid->Cells(2, 2), "new A");
  EXPECT_EQ(grid->Cells(3, 4), "new B");
  EXPECT_EQ(Current(), (TPoint{3, 4}));
  EXPECT_FALSE(undo->CanRedo());
  // The events see the cell's text now and the text about to be written.
  EXPECT_EQ(replayed.Text(), "undo 3,4 new B> undo 2,2 new A>old A redo 2,2 old A>new A redo 3,4 >new B");

  undo->Reset();
  EXPECT_FALSE(undo->CanUndo());
  EXPECT_FALSE(undo->CanRedo());
  EXPECT_EQ(undo->Items().Count(), 0);
}

TEST_F(UndoTest, SequenceReplaysAsOneStepInOrder) {
  Edit(1, 1, "before");
  undo->StartSequence();
  Edit(1, 2, "a");
  Edit(2, 2, "b");
  Edit(3, 2, "c");
  undo->StopSequence();
  replayed.Clear();

  int invalidates = grid->invalidates;
  undo->Undo();
  EXPECT_EQ(replayed.Text(), "undo 3,2 c> undo 2,2 b> undo 1,2 a>") << "last change first";
  EXPECT_EQ(grid->invalidates, invalidates + 1);
  EXPECT_EQ(undo->Level(), 1) << "the change before the sequence stays done";
  EXPECT_EQ(grid->Cells(1, 1), "before");

  replayed.Clear();
  undo->Redo();
  EXPECT_EQ(replayed.Text(), "redo 1,2 >a redo 2,2 >b redo 3,2 >c") << "first change first";
  EXPECT_EQ(grid->invalidates, invalidates + 2);
  EXPECT_EQ(undo->Level(), 6);
  EXPECT_FALSE(undo->CanRedo());
}

TEST_F(UndoTest, MaxLevelDropsTheOldestChange) {
  undo->SetMaxLevel(3);
  for (int i = 1; i <= 4; ++i) Edit(i, 1, "v" + std::to_string(i));
  ASSERT_EQ(undo->Items().Count(), 3);
  EXPECT_EQ(undo->Level(), 3);
  EXPECT_EQ(undo->Items().Items(0)->Col(), 2);
  EXPECT_EQ(undo->Items().Items(0)->OrigValue(), "");
  EXPECT_EQ(undo->Items().Items(0)->Value(), "v2");
}

TEST_F(UndoTest, NewChangeDropsWhatCouldStillBeRedone) {
  Edit(1, 1, "a");
  Edit(2, 1, "b");
  Edit(3, 1, "c");
  undo->Undo();
  undo->Undo();
  Edit(1, 3, "new");
  EXPECT_EQ(undo->Items().Count(), 2);
  EXPECT_EQ(undo->Level(), 2);
  EXPECT_FALSE(undo->CanRedo());
  undo->Undo();
  undo->Undo();
  EXPECT_EQ(grid->Cells(1, 3), "");
  EXPECT_EQ(grid->Cells(1, 1), "");
  undo->Redo();
  undo->Redo();
  undo->Redo();
  EXPECT_EQ(grid->Cells(2, 1), "") << "the dropped changes never come back";
  EXPECT_EQ(grid->Cells(1, 3), "new");

  // A sequence started after an undo drops the tail too.
  undo->Undo();
  undo->StartSequence();
  EXPECT_EQ(undo->Items().Count(), 2);
  EXPECT_EQ(undo->Items().Items(1)->SequenceStart(), true);
}

TEST_F(UndoTest, StrayStopSequenceNeverTakesTheLevelBelowZero) {
  Edit(1, 1, "a");
  undo->StopSequence();
  undo->Undo();
  EXPECT_EQ(undo->Level(), 0);
  EXPECT_EQ(grid->Cells(1, 1), "");
  EXPECT_FALSE(undo->CanUndo());
  replayed.Clear();
  undo->Redo();
  undo->Redo();
  EXPECT_EQ(undo->Level(), 2);
  EXPECT_EQ(grid->Cells(1, 1), "a");
  EXPECT_EQ(replayed.Text(), "redo 1,1 >a") << "the marker writes no cell";
}

TEST_F(UndoTest, ReplayOutsideTheGridWritesTheTextButKeepsTheCurrentCell) {
  grid->FocusCell(2, 3, true);
  undo->RegisterChange(15, 30, "old", "new");
  grid->SetGridCells(15, 30, "new");
  undo->Undo();
  EXPECT_EQ(grid->GridCells(15, 30), "old");
  EXPECT_EQ(Current(), (TPoint{2, 3}));
  undo->Redo();
  EXPECT_EQ(grid->GridCells(15, 30), "new");
}

TEST_F(UndoTest, EitherSideForgetsTheOtherWhenItGoes) {
  delete undo;
  EXPECT_EQ(grid->UndoRedo(), nullptr);
  undo = New<TExtGridUndoRedo>(nullptr);
  grid->SetUndoRedo(undo);
  Edit(1, 1, "a");
  delete grid;
  grid = nullptr;
  EXPECT_EQ(undo->Grid(), nullptr);
  undo->Undo();  // nothing to replay on
  EXPECT_EQ(undo->Level(), 1);
  delete undo;
}

}  // namespace
}  // namespace hd
