// Validation of an edited value: a refused value keeps the focus with the old text and the
// row's mark as they were, an accepted one is stored with its undo record.
#include <gtest/gtest.h>

#include <functional>

#include "grid/editing/editing_fixture.h"
#include "grid/foundation/settings.h"
#include "grid/foundation/undo.h"
#include "platform/sysutils.h"
#include "platform/unicode.h"

namespace hd::test {
namespace {

TEST_F(EditingTest, ARefusedValueKeepsTheCellTheOldTextAndTheRowsMark) {
  grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
  grid->SetModified(false);
  ClickCell(kAddrCol, 2);
  Type("bad");
  Press(VK_DOWN);
  EXPECT_EQ(grid->Row(), 2) << "the move does not happen";
  EXPECT_EQ(grid->Col(), kAddrCol);
  EXPECT_FALSE(grid->RowModified(2));
  EXPECT_FALSE(grid->Modified());
  ASSERT_TRUE(TextEditorShown()) << "the editor is open again on the cell";
  EXPECT_TRUE(TextEditor()->Focused());
  EXPECT_EQ(TextEditor()->Text(), "bad") << "the user's text stays to be put right";
  // Escape gives up and the cell has its text from before the edit.
  Press(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
  EXPECT_FALSE(grid->RowModified(2));
  Press(VK_F2);
  ASSERT_TRUE(TextEditorShown());
  // A good value then passes and the move goes on.
  TextEditor()->SetText("250");
  Press(VK_DOWN);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "250");
  EXPECT_TRUE(grid->RowModified(2));
}

// However the edit ends, the proposal of a handler that refuses the value reaches the cell,
// the current cell stays, and the editor opens again on the proposal.
TEST_F(EditingTest, AHandlersProposalIsWhatTheReopenedEditorShows) {
  struct Case {
    const char* name;
    std::function<void()> leave;
  };
  const Case cases[] = {
      {"Down", [&] { Press(VK_DOWN); }},
      {"a click on another cell", [&] { ClickCell(kAddrCol, 3); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
      if (v.size() > 3) {
        v = v.substr(0, 3);
        valid = false;
      }
    };
    ClickCell(kIdCol, 1);
    Type("12345");
    c.leave();
    ASSERT_TRUE(TextEditorShown());
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), kIdCol);
    EXPECT_EQ(TextEditor()->Text(), "123");
    EXPECT_EQ(grid->Cells(kIdCol, 1), "123");
    Press(VK_RETURN);
    EXPECT_FALSE(TextEditorShown());
    EXPECT_EQ(grid->Cells(kIdCol, 1), "123");
  }
}

// A validation handler that throws must not leave the grid believing it is still validating:
// every later edit would then pass unchecked.
TEST_F(EditingTest, AHandlerThatThrowsLeavesLaterEditsValidated) {
  struct Case {
    const char* name;
    bool wide;
  };
  for (const Case& c : {Case{"narrow text", false}, Case{"wide text", true}}) {
    SCOPED_TRACE(c.name);
    int validations = 0;
    bool fail = true;
    auto check = [&] {
      ++validations;
      if (fail) throw Exception("handler failed");
    };
    grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { check(); };
    grid->OnCellValidateWide = [&](TObject*, int, int, WideString&, bool&) { check(); };
    auto validate = [&](const std::string& text) {
      return c.wide ? grid->ValidateCellWide(Utf8ToWide(text)) : grid->ValidateCell(text);
    };
    ClickCell(kAddrCol, 2);
    Press(VK_F2);
    ASSERT_TRUE(TextEditorShown());
    EXPECT_THROW(validate("1"), Exception);
    fail = false;
    Press(VK_ESCAPE);
    ClickCell(kAddrCol, 3);
    Press(VK_F2);
    ASSERT_TRUE(TextEditorShown());
    EXPECT_TRUE(validate("2"));
    EXPECT_EQ(validations, 2) << "the second edit is validated too";
    Press(VK_ESCAPE);
  }
}

TEST_F(EditingTest, AnEditFollowedByUndo) {
  TExtGridUndoRedo* undo = New<TExtGridUndoRedo>(form.get());
  undo->SetGrid(grid);
  grid->SetUndoRedo(undo);
  ClickCell(kAddrCol, 4);
  Type("42");
  Press(VK_RETURN);
  ASSERT_EQ(grid->Cells(kAddrCol, 4), "42");
  EXPECT_TRUE(undo->CanUndo());
  undo->Undo();
  EXPECT_EQ(grid->Cells(kAddrCol, 4), "400");
  undo->Redo();
  EXPECT_EQ(grid->Cells(kAddrCol, 4), "42");
}

TEST_F(EditingTest, AnUnchangedValueIsNotValidated) {
  int validations = 0;
  grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validations; };
  ClickCell(kAddrCol, 2);
  Press(VK_F2);
  ASSERT_TRUE(TextEditorShown());
  Press(VK_DOWN);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(validations, 0);
  EXPECT_FALSE(grid->RowModified(2));
  grid->SetAlwaysValidate(true);
  Press(VK_F2);
  Press(VK_DOWN);
  EXPECT_EQ(validations, 1);
}

TEST_F(EditingTest, ChangeNotifiersHearEveryValidatedChangeInRegistrationOrder) {
  struct TLogNotifier : TGridChangeNotifier {
    TLogNotifier(TEventLog& log, std::string name) : TGridChangeNotifier(nullptr), log_(log), name_(std::move(name)) {}
    void CellsChanged(const TRect& R) override { log_.Note(name_ + " " + IntToStr(R.Left) + "," + IntToStr(R.Top)); }
    TEventLog& log_;
    std::string name_;
  };
  TLogNotifier a(log, "a"), b(log, "b");
  grid->RegisterNotifier(&a);
  grid->RegisterNotifier(&b);
  grid->RegisterNotifier(&a);
  grid->OnCellsChanged = [this](TObject*, const TRect&) { log.Note("event"); };
  ClickCell(kIdCol, 5);
  Type("9");
  Press(VK_RETURN);
  EXPECT_EQ(Events(), "event | a 1,5 | b 1,5");
  grid->UnRegisterNotifier(&a);
  log.Clear();
  Press(VK_F2);
  Type("8");
  Press(VK_RETURN);
  EXPECT_EQ(Events(), "event | b 1,5");
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

TEST_F(EditingTest, ARefusalRecordedForAHeaderCellLeavesTheCurrentCellWhereItIs) {
  grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& valid) { valid = false; };
  ClickCell(kAddrCol, 3);
  Type("5");
  ASSERT_TRUE(TextEditorShown());
  // The record names a header cell (as after the focus entered the grid on one).
  grid->StoreOldCell(kAddrCol, 0);
  EXPECT_FALSE(grid->ValidateCell("6"));
  EXPECT_EQ(grid->Col(), kAddrCol);
  EXPECT_EQ(grid->Row(), 3);
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

// Upper-cases every value and marks the ones holding an "X" as errors.
class TUpperChecker : public TExtStringGridCheck {
 public:
  using TExtStringGridCheck::TExtStringGridCheck;
  std::string Correct(int, int, const std::string& s) override { return AnsiUpperCase(s); }
  std::string MarkError(int, int, const std::string& s) override {
    return s.find('X') != std::string::npos ? "<e>" + s + "</e>" : s;
  }
};

TEST_F(EditingTest, TheCellCheckerCorrectsBeforeTheHandlerAndMarksWhatIsStored) {
  auto* checker = new TUpperChecker(nullptr);
  checker->SetAutoCorrect(true);
  checker->SetAutoMarkError(true);
  grid->SetCellChecker(checker);
  std::string seen;
  grid->OnCellValidate = [&seen](TObject*, int, int, std::string& v, bool&) { seen = v; };
  ClickCell(kAddrCol, 2);
  Type("x1");
  Press(VK_DOWN);
  EXPECT_EQ(seen, "X1");
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "<e>X1</e>");
  // The grid lets go of a checker that is destroyed.
  delete checker;
  EXPECT_EQ(grid->CellChecker(), nullptr);
}

}  // namespace
}  // namespace hd::test
