// Cells edited with the spin editor and the edit-button editors, through a real grid: each
// kind opens its editor on the cell's text and stores it back, and Escape, Return, Tab, a
// refused value, the button and the spin events behave as a user expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/editing_fixture.h"
#include "grid/editing/inplace_edit_button.h"
#include "grid/editing/inplace_spin.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/look_objects.h"
#include "platform/clipboard.h"
#include "platform/dateutils.h"

namespace hd::test {
namespace {

class SpinAndButtonCellsTest : public EditingTest {
 protected:
  // The address cells ask for the kind.
  void AddressCellsUse(TEditorType kind) {
    grid->OnGetEditorType = [kind](TObject*, int c, int, TEditorType& e) {
      if (c == kAddrCol) e = kind;
    };
  }
  // Opens the editor of address cell (row 2) with F2.
  void OpenAddress(TEditorType kind, const std::string& text) {
    AddressCellsUse(kind);
    grid->SetCells(kAddrCol, 2, text);
    ClickCell(kAddrCol, 2);
    Press(VK_F2);
  }
  // The control of the open special editor.
  TCustomEdit* Open() const {
    for (TCustomEdit* e : {static_cast<TCustomEdit*>(grid->SpinEdit()), static_cast<TCustomEdit*>(grid->BtnEdit()),
                           static_cast<TCustomEdit*>(grid->BtnUnitEdit())})
      if (e->Visible()) return e;
    return nullptr;
  }
  void LogSpins() {
    auto cell = [](int c, int r) { return IntToStr(c) + "," + IntToStr(r); };
    grid->OnSpinClick = [=, this](TObject*, int c, int r, int v, bool up) {
      log.Note("spin " + cell(c, r) + " " + IntToStr(v) + (up ? " up" : " down"));
    };
    grid->OnFloatSpinClick = [=, this](TObject*, int c, int r, double v, bool up) {
      log.Note("float " + cell(c, r) + " " + FloatToStr(v) + (up ? " up" : " down"));
    };
  }
};

struct KindCase {
  const char* name;
  TEditorType kind;
  std::string cell;
  std::string shown;
  std::string stored;
};

TEST_F(SpinAndButtonCellsTest, EachKindOpensItsEditorOnTheCellsTextAndReturnStoresIt) {
  grid->BtnUnitEdit()->Units().Add("m");
  grid->BtnUnitEdit()->Units().Add("mm");
  std::string date = DateToStr(EncodeDate(2024, 3, 15));
  const KindCase cases[] = {
      {"integer spin", edSpinEdit, "200", "200", "200"},
      {"float spin, stored in the grid's float format", edFloatSpinEdit, "2.5", FloatToStr(2.5), "2.50"},
      {"time spin", edTimeSpinEdit, "10:15:00", "10:15:00", "10:15:00"},
      {"date spin", edDateSpinEdit, date, date, date},
      {"edit button", edEditBtn, "abc", "abc", "abc"},
      {"numeric edit button", edNumericEditBtn, "-12", "-12", "-12"},
      {"unit edit button", edUnitEditBtn, "12mm", "12", "12mm"},
      {"unit edit button, no known unit", edFloatUnitEditBtn, "7.5", "7.5", "7.5"},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.name);
    OpenAddress(c.kind, c.cell);
    TCustomEdit* editor = Open();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Focused());
    EXPECT_EQ(editor->Text(), c.shown);
    TRect cell = grid->CellRect(kAddrCol, 2);
    EXPECT_EQ(editor->BoundsRect(), (TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}));
    EXPECT_EQ(grid->EditControl(), c.kind);
    Press(VK_RETURN);
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(grid->Cells(kAddrCol, 2), c.stored);
    EXPECT_TRUE(grid->Focused());
  }
  EXPECT_EQ(grid->BtnUnitEdit()->UnitID(), "");
}

TEST_F(SpinAndButtonCellsTest, TypingOnASpinCellOpensItWithTheCharacterAndStepsReachTheCell) {
  LogEvents();
  LogSpins();
  AddressCellsUse(edSpinEdit);
  ClickCell(kAddrCol, 2);
  Type("7");
  TGridSpin* spin = grid->SpinEdit();
  ASSERT_TRUE(spin->Visible());
  EXPECT_EQ(spin->Text(), "7");
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "9");
  // Keys step without the spin event; the buttons fire it after their step.
  EXPECT_EQ(Events().find("spin"), std::string::npos);
  kit.Click(spin->Button()->DownButton(), 3, 3);
  kit.Process();
  EXPECT_EQ(spin->Text(), "8");
  EXPECT_NE(Events().find("spin 3,2 8 down"), std::string::npos) << Events();
  EXPECT_NE(Events().find("change 3,2=8"), std::string::npos) << Events();
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "8");
  EXPECT_NE(Events().find("done"), std::string::npos);
}

TEST_F(SpinAndButtonCellsTest, HomeAndEndGoToTheLimitsAndFireOnSpinClickOnce) {
  LogSpins();
  grid->Columns().Items(kAddrCol)->SetSpinMin(10);
  grid->Columns().Items(kAddrCol)->SetSpinMax(500);
  OpenAddress(edSpinEdit, "200");
  Press(VK_HOME);
  EXPECT_EQ(grid->SpinEdit()->Text(), "500");
  Press(VK_END);
  EXPECT_EQ(grid->SpinEdit()->Text(), "10");
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"spin 3,2 500 up", "spin 3,2 10 down"}));
  Press(VK_UP);
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "11");
}

TEST_F(SpinAndButtonCellsTest, EscapeGivesTheCellBackTheTextItHadBeforeTheEdit) {
  grid->BtnUnitEdit()->Units().Add("mm");
  struct {
    const char* name;
    TEditorType kind;
    const char* cell;
  } cases[] = {
      {"integer spin", edSpinEdit, "200"},
      {"integer spin, a text that is no number", edSpinEdit, "n/a"},
      {"integer spin, beyond its limits", edSpinEdit, "900"},
      {"float spin", edFloatSpinEdit, "2.5"},
      {"edit button", edEditBtn, "abc"},
      {"unit edit button", edUnitEditBtn, "12mm"},
  };
  grid->Columns().Items(kAddrCol)->SetSpinMax(500);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenAddress(c.kind, c.cell);
    TCustomEdit* editor = Open();
    ASSERT_NE(editor, nullptr);
    editor->SelectAll();
    Type("4");
    Press(VK_ESCAPE);
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(grid->Cells(kAddrCol, 2), c.cell);
    EXPECT_EQ(grid->Row(), 2);
  }
}

TEST_F(SpinAndButtonCellsTest, ARefusedValueKeepsTheEditorOpenWithTheValidationsText) {
  grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
    if (v == "5" || v == "5mm") {
      valid = false;
      v = v == "5" ? "42" : "42mm";
    }
  };
  OpenAddress(edSpinEdit, "200");
  TGridSpin* spin = grid->SpinEdit();
  spin->SelectAll();
  Type("5");
  Press(VK_RETURN);
  ASSERT_TRUE(spin->Visible());
  EXPECT_EQ(spin->Text(), "42");
  EXPECT_EQ(spin->SelStart(), 2);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_TRUE(spin->Focused());
  Press(VK_ESCAPE);
  EXPECT_FALSE(spin->Visible());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200") << "Escape also takes back the refused value's proposal";

  OpenAddress(edEditBtn, "200");
  TGridEditBtn* edit = grid->BtnEdit();
  edit->SelectAll();
  Type("5");
  Press(VK_RETURN);
  ASSERT_TRUE(edit->Visible());
  EXPECT_EQ(edit->Text(), "42");
  EXPECT_EQ(edit->SelLength(), 2) << "the proposal is selected";
  EXPECT_EQ(grid->EditControl(), edEditBtn);
  Press(VK_ESCAPE);
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");

  // The proposal holds its unit: it is split again, not put whole before the unit.
  grid->BtnUnitEdit()->Units().Add("mm");
  OpenAddress(edUnitEditBtn, "12mm");
  TGridUnitEditBtn* unit = grid->BtnUnitEdit();
  unit->SelectAll();
  Type("5");
  Press(VK_RETURN);
  ASSERT_TRUE(unit->Visible());
  EXPECT_EQ(unit->Text(), "42");
  EXPECT_EQ(unit->UnitID(), "mm");
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "42mm");
}

TEST_F(SpinAndButtonCellsTest, WithGoTabsTabStoresAndMovesToTheNextCell) {
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  grid->SetOptions(o);
  grid->SetAlwaysValidate(true);
  int validations = 0;
  grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validations; };
  for (TEditorType kind : {edSpinEdit, edEditBtn, edUnitEditBtn}) {
    SCOPED_TRACE(static_cast<int>(kind));
    validations = 0;
    OpenAddress(kind, "200");
    TCustomEdit* editor = Open();
    ASSERT_NE(editor, nullptr);
    editor->SelectAll();
    Type("300");
    Press(VK_TAB);
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(grid->Cells(kAddrCol, 2), "300");
    EXPECT_EQ(grid->Col(), kAddrCol + 1);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(validations, 1) << "one Tab, one validation";
  }
}

TEST_F(SpinAndButtonCellsTest, TheButtonPassesTheTextThroughTheEllipsisEvent) {
  std::vector<std::string> seen;
  grid->OnEllipsClick = [&](TObject*, int c, int r, std::string& s) {
    seen.push_back(IntToStr(c) + "," + IntToStr(r) + "=" + s);
    s = "<" + s + ">";
  };
  OpenAddress(edEditBtn, "200");
  TGridEditBtn* edit = grid->BtnEdit();
  Press(VK_F4);
  EXPECT_EQ(edit->Text(), "<200>");
  EXPECT_EQ(edit->SelLength(), 5);
  EXPECT_TRUE(edit->Visible());
  edit->SetStopEditAfterClick(true);
  kit.Click(edit->Button()->Button());
  kit.Process();
  EXPECT_FALSE(edit->Visible()) << "StopEditAfterClick ends the edit";
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "<<200>>");
  EXPECT_EQ(seen, (std::vector<std::string>{"3,2=200", "3,2=<200>"}));
  EXPECT_TRUE(grid->Focused());
  edit->SetStopEditAfterClick(false);
}

TEST_F(SpinAndButtonCellsTest, NumericAndFloatKindsFilterTypedCharacters) {
  OpenAddress(edNumericEditBtn, "12");
  TGridEditBtn* edit = grid->BtnEdit();
  edit->SetSelStart(2);
  Type("-x3");
  EXPECT_EQ(edit->Text(), "123");
  EXPECT_EQ(kit.Beeps().size(), 2u) << "a minus after a digit and a letter beep";
  edit->SetSelStart(0);
  Type("-");
  EXPECT_EQ(edit->Text(), "-123");
  Press(VK_ESCAPE);

  OpenAddress(edFloatEditBtn, "1.5");
  edit->SetSelStart(3);
  size_t beeps = kit.Beeps().size();
  Type(",.7");
  EXPECT_EQ(edit->Text(), "1.57") << "the thousand separator and a second decimal separator are dropped";
  EXPECT_EQ(kit.Beeps().size(), beeps) << "silently";
  edit->SelectAll();
  Type("-");
  EXPECT_EQ(edit->Text(), "-");
}

TEST_F(SpinAndButtonCellsTest, PasteDropsOnlyALineBreakThatClosesTheText) {
  OpenAddress(edEditBtn, "200");
  TGridEditBtn* edit = grid->BtnEdit();
  edit->SelectAll();
  Clipboard().SetAsText("12\r\n");
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(edit->SelLength(), 2) << "the pasted text replaced a selection and stays selected";
  edit->SetSelStart(2);
  Clipboard().SetAsText("3\r\n4");
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Text(), "123\r\n4");
  EXPECT_EQ(edit->SelStart(), 6);
}

TEST_F(SpinAndButtonCellsTest, AUnitChosenFromTheMenuReachesTheGridsEventAndTheCell) {
  grid->BtnUnitEdit()->Units().Add("mm");
  std::vector<std::string> units;
  grid->OnUnitChanged = [&](TObject* Sender, const std::string& u) {
    EXPECT_EQ(Sender, grid);
    units.push_back(u);
  };
  grid->BtnUnitEdit()->Units().Add("cm");
  OpenAddress(edUnitEditBtn, "12mm");
  TGridUnitEditBtn* edit = grid->BtnUnitEdit();
  kit.ChooseMenuItem("cm");
  Press(VK_F4);
  EXPECT_EQ(edit->UnitID(), "cm");
  EXPECT_EQ(units, std::vector<std::string>{"cm"});
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "12cm");
}

TEST_F(SpinAndButtonCellsTest, APressOnTheSpinButtonsACellShowsStepsTheEditorItOpens) {
  grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
  grid->MouseActions().SetDirectEdit(true);
  AddressCellsUse(edSpinEdit);
  grid->SetCells(kAddrCol, 2, "200");
  TRect cell = grid->CellRect(kAddrCol, 2);
  kit.Click(grid, cell.Right - 4, cell.Top + 2);
  kit.Process();
  TGridSpin* spin = grid->SpinEdit();
  ASSERT_TRUE(spin->Visible());
  EXPECT_EQ(spin->Text(), "201");
  Press(VK_ESCAPE);
  kit.Click(grid, cell.Right - 4, cell.Bottom - 3);
  kit.Process();
  ASSERT_TRUE(spin->Visible());
  EXPECT_EQ(spin->Text(), "199");
}

TEST_F(SpinAndButtonCellsTest, OnceTheGridShowsEditsAsTheyGoEveryChangeReachesTheCell) {
  OpenAddress(edSpinEdit, "200");
  grid->SpinEdit()->SelectAll();
  Type("7");
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200") << "not before a text editor was shown";
  Press(VK_ESCAPE);
  ClickCell(kIdCol, 2);
  Press(VK_F2);
  Press(VK_ESCAPE);
  for (TEditorType kind : {edSpinEdit, edEditBtn}) {
    SCOPED_TRACE(static_cast<int>(kind));
    OpenAddress(kind, "200");
    Open()->SelectAll();
    Type("7");
    EXPECT_EQ(grid->Cells(kAddrCol, 2), "7");
    Press(VK_ESCAPE);
    EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
  }
}

TEST_F(SpinAndButtonCellsTest, AnEmptiedSpinStoresTheEmptyTextOnlyWhenAllowed) {
  for (bool allow : {false, true}) {
    SCOPED_TRACE(allow);
    grid->SpinEdit()->SetAllowEmptyValue(allow);
    OpenAddress(edSpinEdit, "200");
    grid->SpinEdit()->SelectAll();
    Press(VK_BACK);
    EXPECT_EQ(grid->SpinEdit()->Text(), "");
    Press(VK_RETURN);
    EXPECT_EQ(grid->Cells(kAddrCol, 2), allow ? "" : "0");
  }
}

TEST_F(SpinAndButtonCellsTest, TheButtonEditCompletesFromTheLookupListAndWalksToTheCellsBeside) {
  grid->SetLookup(true);
  grid->LookupItems().Add("Holding");
  OpenAddress(edEditBtn, "200");
  TGridEditBtn* edit = grid->BtnEdit();
  edit->SelectAll();
  Type("ho");
  EXPECT_EQ(edit->Text(), "holding");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 5);
  Press(VK_BACK);
  EXPECT_EQ(edit->Text(), "ho") << "Backspace is not completed again";
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "ho");

  grid->Navigation().SetCursorWalkEditor(true);
  OpenAddress(edEditBtn, "200");
  edit->SetSelStart(3);
  Press(VK_RIGHT);
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->Col(), kAddrCol + 1);
  OpenAddress(edEditBtn, "200");
  edit->SetSelStart(1);
  Press(VK_LEFT);
  EXPECT_TRUE(edit->Visible()) << "the first press only moves the caret to the start";
  Press(VK_LEFT);
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(grid->Col(), kAddrCol - 1);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
}

}  // namespace
}  // namespace hd::test
