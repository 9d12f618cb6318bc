// Date and time cells through a real grid: each kind opens its picker filled from the cell,
// the read-back writes the locale's format, and Escape, Return, Tab, a refused value and the
// picker's events behave as a user expects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/editing_fixture.h"
#include "grid/editing/inplace_date.h"
#include "grid/foundation/input_settings.h"
#include "platform/dateutils.h"
#include "platform/format_settings_override.h"

namespace hd::test {
namespace {

class DateCellsTest : public EditingTest {
 protected:
  void Open(TEditorType kind, const std::string& text) {
    grid->OnGetEditorType = [kind](TObject*, int c, int, TEditorType& e) {
      if (c == kAddrCol) e = kind;
    };
    grid->SetCells(kAddrCol, 2, text);
    ClickCell(kAddrCol, 2);
    Press(VK_F2);
  }
  // Digits typed into the open picker, as the keyboard gives them.
  void Digits(TWinControl* picker, const std::string& digits) {
    for (char d : digits) {
      picker->Perform(WM_CHAR, static_cast<WPARAM>(d), 0);
      kit.Process();
    }
  }
  FormatSettingsOverride fixed{TFormatSettings{}};  // dd/mm/yyyy, hh:nn:ss, short hh:nn
};

TEST_F(DateCellsTest, EachKindOpensItsPickerFromTheCellAndStoresTheLocalesFormat) {
  struct Case {
    const char* name;
    TEditorType kind;
    const char* cell;
    const char* shown;
    const char* stored;
  } cases[] = {
      {"date", edDateEdit, "15/03/2024", "15/03/2024", "15/03/2024"},
      {"date up-down", edDateEditUpDown, "1/2/2024", "01/02/2024", "01/02/2024"},
      {"time", edTimeEdit, "7:05:09", "07:05:09", "07:05:09"},
      {"date and time", edDateTimeEdit, "15/03/2024 10:30", "15/03/2024", "15/03/2024 10:30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.kind, c.cell);
    TDateTimePicker* picker = c.kind == edDateTimeEdit ? static_cast<TDateTimePicker*>(grid->DateAndTimePicker())
                                                       : grid->DateTimePicker();
    ASSERT_TRUE(picker->Visible());
    EXPECT_TRUE(picker->Focused());
    EXPECT_EQ(picker->Text(), c.shown);
    EXPECT_EQ(grid->DateTimePicker()->DateMode() == dmUpDown, c.kind == edDateEditUpDown);
    if (c.kind == edDateTimeEdit) {
      ASSERT_NE(grid->DateAndTimePicker()->TimePicker(), nullptr);
      EXPECT_EQ(grid->DateAndTimePicker()->TimePicker()->Text(), "10:30:00");
    }
    Press(VK_RETURN);
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(grid->Cells(kAddrCol, 2), c.stored);
  }
}

// A program's own reading of the cell's text gives the date the picker opens on, still kept
// within the picker's limits; an empty cell opens on today without asking.
TEST_F(DateCellsTest, ACustomReadingOfTheTextGivesTheDateWithinTheLimits) {
  std::vector<std::string> asked;
  grid->OnCustomStrToDate = [&](TObject* Sender, const std::string& Value, TDateTime& ADate) {
    EXPECT_EQ(Sender, grid);
    asked.push_back(Value);
    if (Value == "Q1") ADate = EncodeDate(2024, 3, 31);
  };
  Open(edDateEdit, "Q1");
  EXPECT_EQ(grid->DateTimePicker()->Text(), "31/03/2024");
  Press(VK_ESCAPE);
  grid->DateTimePicker()->SetMaxDate(EncodeDate(2024, 1, 10));
  Open(edDateEdit, "Q1");
  EXPECT_EQ(grid->DateTimePicker()->Text(), "09/01/2024");
  Press(VK_ESCAPE);
  Open(edDateEdit, "");
  EXPECT_EQ(asked, (std::vector<std::string>{"Q1", "Q1"}));
  Press(VK_ESCAPE);
}

TEST_F(DateCellsTest, TypedDigitsMoveOnAndReturnCompletesTheFieldBeingTyped) {
  LogEvents();
  Open(edDateEdit, "15/03/2024");
  TGridDatePicker* picker = grid->DateTimePicker();
  Digits(picker, "28");
  EXPECT_EQ(picker->CurrentField(), 2) << "the day of a day-first format moves on";
  Digits(picker, "1");  // the month waits for a second digit
  EXPECT_EQ(picker->Text(), "28/1/2024");
  Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "28/01/2024") << "Return took the month first";
  EXPECT_NE(Events().find("validate 3,2=28/01/2024"), std::string::npos) << Events();
  EXPECT_NE(Events().find("change 3,2=28/03/2024"), std::string::npos) << "OnEditChange follows each field";
  // The year of a year-last format: the cursor stays.
  Open(edDateEdit, "15/03/2024");
  picker->Perform(WM_KEYDOWN, VK_END, 0);
  Digits(picker, "2026");
  EXPECT_EQ(picker->CurrentField(), 4);
}

TEST_F(DateCellsTest, EscapeTabAndARefusedValue) {
  // Escape: the cell keeps its text, also one the picker cannot show.
  for (const char* text : {"15/03/2024", "not a date"}) {
    SCOPED_TRACE(text);
    Open(edDateEdit, text);
    TGridDatePicker* picker = grid->DateTimePicker();
    Digits(picker, "28");
    Press(VK_ESCAPE);
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(grid->Cells(kAddrCol, 2), text);
  }
  // A refused value keeps the editor open on what validation left.
  grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
    valid = v != "28/03/2024";
    if (!valid) v = "01/01/2024";
  };
  Open(edDateEdit, "15/03/2024");
  TGridDatePicker* picker = grid->DateTimePicker();
  Digits(picker, "28");
  Press(VK_RETURN);
  EXPECT_TRUE(picker->Visible());
  EXPECT_EQ(picker->Text(), "01/01/2024");
  // Tab with goTabs completes the field, stores and moves to the next cell.
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  picker->Perform(WM_KEYDOWN, VK_HOME, 0);
  Digits(picker, "5");
  Press(VK_TAB);
  EXPECT_FALSE(picker->Visible());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "05/01/2024");
  EXPECT_EQ(grid->Col(), kAddrCol + 1);
}

TEST_F(DateCellsTest, DateAndTimeEditorEscapeRestoresTheDateAndTheTimePartFiresOnDateTimeChange) {
  std::vector<TDateTime> changes;
  grid->OnDateTimeChange = [&](TObject*, int c, int r, TDateTime v) {
    EXPECT_EQ(c, kAddrCol);
    EXPECT_EQ(r, 2);
    changes.push_back(v);
  };
  Open(edDateTimeEdit, "15/03/2024 10:30");
  TGridDateTimePicker* picker = grid->DateAndTimePicker();
  TCustomDateTimePicker* part = picker->TimePicker();
  ASSERT_NE(part, nullptr);
  part->SetFocus();
  kit.Process();
  Digits(part, "18");
  ASSERT_FALSE(changes.empty());
  EXPECT_NEAR(changes.back(), EncodeDate(2024, 3, 15) + EncodeTime(18, 30, 0, 0), 1e-9);
  EXPECT_EQ(part->CurrentField(), 2) << "auto tab moved on to the minutes";
  picker->SetFocus();
  kit.Process();
  Digits(picker, "20");
  picker->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
  kit.Process();
  EXPECT_FALSE(picker->Visible());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "15/03/2024 18:30") << "the date comes back, the typed time stays";
}

TEST_F(DateCellsTest, CalendarDropDownAndCloseUpReachTheGridRowFirst) {
  std::vector<std::string> events;
  grid->OnDatePickerDropDown = [&](TObject*, int r, int c) { events.push_back("drop " + IntToStr(r) + "," + IntToStr(c)); };
  grid->OnDatePickerCloseUp = [&](TObject*, int r, int c) { events.push_back("close " + IntToStr(r) + "," + IntToStr(c)); };
  grid->MouseActions().SetDirectDateClose(true);
  Open(edDateEdit, "15/03/2024");
  TGridDatePicker* picker = grid->DateTimePicker();
  picker->SetWeeknumbers(true);
  picker->SetShowToday(false);
  Press(VK_F4);
  ASSERT_TRUE(picker->DroppedDown());
  EXPECT_TRUE(picker->Calendar()->WeekNumbers());
  EXPECT_FALSE(picker->Calendar()->ShowToday());
  // Keys go to the open calendar: Return picks, it does not end the edit by itself.
  picker->Perform(WM_KEYDOWN, VK_RIGHT, 0);
  kit.Process();
  picker->Perform(WM_KEYDOWN, VK_RETURN, 0);
  kit.Process();
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_FALSE(picker->Visible()) << "DirectDateClose ends the edit on close-up";
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "16/03/2024");
  EXPECT_EQ(events, (std::vector<std::string>{"drop 2,3", "close 2,3"}));
}

}  // namespace
}  // namespace hd::test
