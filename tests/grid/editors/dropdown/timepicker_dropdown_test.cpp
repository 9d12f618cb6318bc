// The time picker drop-down: the parse of a typed time (blanks, short fields, rejected forms)
// and the caret-to-part rule as tables, then through the real edit: typed texts, Up and Down
// stepping the part under the caret with wraps, ShowSeconds switched both ways, and the
// popup's clock taken on accept and put back on Escape.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "grid/editors/dropdown/timepicker_dropdown.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "platform/date_time_picker.h"
#include "platform/ext_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

TDateTime At(int h, int m, int s = 0) { return EncodeTime(h, m, s, 0); }

std::string HourMinute(TDateTime t) {
  int h, m, s, ms;
  DecodeTime(t, h, m, s, ms);
  return FormatPickerTime(h, m, s, ':', false);
}

TEST(TimePickerRulesTest, TypedTimesParseOnlyInTheWholeFormat) {
  struct Case {
    const char* name;
    const char* text;
    bool seconds;
    std::optional<TTypedTime> parsed;
  };
  const std::vector<Case> cases = {
      {"hours and minutes", "09:30", false, TTypedTime{9, 30, 0}},
      {"inner blanks read as zeros", "1 : 0", false, TTypedTime{10, 0, 0}},
      {"inner blank before a digit", "1 : 5", false, TTypedTime{10, 5, 0}},
      {"with seconds", "12:34:56", true, TTypedTime{12, 34, 56}},
      {"surrounding blanks are trimmed", "  07:05  ", false, TTypedTime{7, 5, 0}},
      {"out of range still parses", "25:61", false, TTypedTime{25, 61, 0}},
      {"a leading blank leaves a short text", " 9:30", false, std::nullopt},
      {"seconds missing", "12:34", true, std::nullopt},
      {"seconds where none are shown", "12:34:56", false, std::nullopt},
      {"a letter in the hour", "1a:30", false, std::nullopt},
      {"a letter in the second", "12:34:5x", true, std::nullopt},
      {"another separator", "12.30", false, std::nullopt},
      {"empty", "", false, std::nullopt},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const auto parsed = ParseTypedTime(k.text, ':', k.seconds);
    ASSERT_EQ(parsed.has_value(), k.parsed.has_value());
    if (!parsed) continue;
    EXPECT_EQ(parsed->Hour, k.parsed->Hour);
    EXPECT_EQ(parsed->Minute, k.parsed->Minute);
    EXPECT_EQ(parsed->Second, k.parsed->Second);
  }
  EXPECT_EQ(FormatPickerTime(7, 5, 0, '.', true), "07.05.00");
  EXPECT_EQ(FormatPickerTime(23, 59, 9, ':', false), "23:59");
}

TEST(TimePickerRulesTest, CaretChoosesThePartUpAndDownStep) {
  struct Case {
    const char* text;
    int caret;
    bool seconds;
    int part;
  };
  const std::vector<Case> cases = {
      {"12:34:56", 0, true, 0}, {"12:34:56", 2, true, 0}, {"12:34:56", 3, true, 1}, {"12:34:56", 5, true, 1},
      {"12:34:56", 6, true, 2}, {"12:34:56", 8, true, 2}, {"12:34", 2, false, 0},   {"12:34", 3, false, 1},
      {"12:34", 5, false, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.text) + " caret " + std::to_string(k.caret));
    EXPECT_EQ(PickerPartAt(k.text, k.caret, ':', k.seconds), k.part);
  }
}

class TimePickerTest : public test::DropDownFixture<TExtTimePickerDropDown> {
 protected:
  void SetUp() override {
    ShowForm([this] { drop->OnTimeChange = [this](TObject*) { ++timeChanges; }; });
  }
  bool Down() { return drop->DropDownForm() && drop->DropDownForm()->Visible(); }

  int timeChanges = 0;
};

TEST_F(TimePickerTest, NewPickerShowsMidnightWithTypingOffAndLunaClockColours) {
  EXPECT_EQ(drop->Text(), "00:00:00");
  EXPECT_EQ(drop->Time(), 0.0);
  EXPECT_FALSE(drop->EditorEnabled());
  EXPECT_TRUE(drop->DropDownEnabled());
  EXPECT_EQ(drop->EditMask(), "!90:00:00;1; ");
  EXPECT_FALSE(drop->DropDownHeader().Visible());
  EXPECT_FALSE(drop->DropDownFooter().Visible());
  EXPECT_EQ(drop->WatchAppearance().AMPMBorderColor(), TColor(0xF0DED0)) << "the base styles it Luna";
  EXPECT_EQ(drop->WatchAppearance().HourPointer(), TColor(0x723708));
  drop->SetComponentStyle(tsOffice2010Black);
  EXPECT_EQ(drop->WatchAppearance().HourPointer(), TColor(0x6D6D6D));
}

TEST_F(TimePickerTest, TypedTextSetsTimeQuietlyAndRewritesOnlyWholeHours) {
  drop->SetShowSeconds(false);
  drop->SetEditorEnabled(true);
  struct Case {
    const char* name;
    const char* typed;
    const char* time;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"a whole time", "09:30", "09:30", "09:30"},
      {"blanks before zeros are rewritten", "1 : 0", "10:00", "10:00"},
      {"blanks before other digits stay", "1 : 5", "10:05", "1 : 5"},
      {"a leading blank is not read", " 9:30", "10:05", " 9:30"},
      {"an hour out of range keeps the time", "25:00", "10:05", "25:00"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    drop->SetText(k.typed);
    EXPECT_EQ(HourMinute(drop->Time()), k.time);
    EXPECT_EQ(drop->Text(), k.text);
  }
  EXPECT_EQ(timeChanges, 0) << "typing fires no time change";
  drop->SetShowSeconds(true);
  drop->SetText("12:34:56");
  EXPECT_EQ(drop->Time(), At(12, 34, 56));
}

TEST_F(TimePickerTest, UpAndDownStepThePartUnderTheCaretWithWraps) {
  drop->SetEditorEnabled(true);
  struct Case {
    const char* name;
    TDateTime start;
    int caret;
    int key;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"Down adds an hour", At(12, 34, 56), 1, VK_DOWN, "13:34:56"},
      {"Down at hour 23 wraps to 0", At(23, 34, 56), 0, VK_DOWN, "00:34:56"},
      {"Up at hour 0 wraps to 23", At(0, 34, 56), 2, VK_UP, "23:34:56"},
      {"Up at minute 0 wraps to 59 and leaves the hour", At(5, 0, 10), 3, VK_UP, "05:59:10"},
      {"Down at minute 59 wraps to 0 without a carry", At(5, 59, 10), 4, VK_DOWN, "05:00:10"},
      {"Down at second 59 wraps to 0", At(5, 6, 59), 7, VK_DOWN, "05:06:00"},
      {"Up steps the second", At(5, 6, 7), 6, VK_UP, "05:06:06"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    drop->SetTime(k.start);
    timeChanges = 0;
    drop->SetSelStart(k.caret);
    drop->SetSelLength(1);
    kit.Press(k.key);
    EXPECT_EQ(drop->Text(), k.text);
    EXPECT_EQ(timeChanges, 1);
    EXPECT_EQ(drop->SelStart(), k.caret) << "the caret stays in its part";
    EXPECT_EQ(drop->SelLength(), 1) << "with the block it had";
  }
  drop->SetShowSeconds(false);
  drop->SetTime(At(5, 6, 7));
  drop->SetSelStart(4);
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->Text(), "05:07") << "without seconds the caret after the separator steps the minute";
  timeChanges = 0;
  kit.Press(VK_DOWN, {ssCtrl});
  EXPECT_EQ(drop->Text(), "05:07") << "Ctrl leaves the time alone";
  EXPECT_EQ(timeChanges, 0);
}

TEST_F(TimePickerTest, ShowSecondsSwitchedBothWaysKeepsTheTime) {
  drop->SetTime(At(12, 34, 56));
  const std::string before = drop->Text();
  drop->SetTime(At(12, 34, 56));
  EXPECT_EQ(drop->Text(), before);
  drop->SetShowSeconds(false);
  EXPECT_EQ(drop->EditMask(), "!90:00;1; ");
  EXPECT_EQ(drop->Text(), "12:34");
  EXPECT_EQ(drop->Time(), At(12, 34, 56)) << "the seconds are kept, only not shown";
  drop->SetShowSeconds(true);
  EXPECT_EQ(drop->EditMask(), "!90:00:00;1; ");
  EXPECT_EQ(drop->Text(), "12:34:56");
  EXPECT_EQ(timeChanges, 0);
}

TEST_F(TimePickerTest, PopupClockIsTakenOnAcceptAndPutBackOnEscape) {
  drop->SetAnimation(false);
  struct Case {
    const char* name;
    const char* setText;  // the text the grid would give, or none
    int closeKey;
    const char* after;
  };
  const std::vector<Case> cases = {
      {"Return takes the clock's time", nullptr, VK_RETURN, "10:31:00"},
      {"Escape puts the time from before back", nullptr, VK_ESCAPE, "10:30:00"},
      {"Escape after a text set from outside restores it", "08:15:00", VK_ESCAPE, "08:15:00"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    if (k.setText)
      drop->SetText(k.setText);
    else
      drop->SetTime(At(10, 30));
    const TDateTime start = drop->Time();
    drop->ShowDropDown();
    kit.Process();
    ASSERT_TRUE(Down());
    TExtWatch* clock = drop->Watch();
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->Time(), start);
    EXPECT_FALSE(clock->Animation());
    EXPECT_FALSE(drop->DropDownForm()->CancelOnDeActivate());
    timeChanges = 0;
    kit.Press(VK_RIGHT);
    EXPECT_EQ(drop->Time(), start + At(0, 1)) << "the clock's change reaches the time at once";
    EXPECT_EQ(timeChanges, 1);
    kit.Press(VK_DOWN);
    EXPECT_EQ(drop->Time(), start + At(0, 1)) << "Down belongs to the clock, which has no use for it";
    kit.Press(k.closeKey);
    kit.Process();
    EXPECT_FALSE(Down());
    EXPECT_EQ(drop->Text(), k.after);
    EXPECT_EQ(clock->Time(), drop->Time()) << "the clock shows the time kept";
  }
}

TEST_F(TimePickerTest, RunningClockIsNotSetFromTheTime) {
  drop->SetTime(At(3, 0));
  drop->WatchSettings().SetAuto(true);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  EXPECT_TRUE(drop->Watch()->Settings().Auto());
  EXPECT_NE(drop->Watch()->Time(), At(3, 0)) << "it runs on the system time";
  drop->HideDropDown(true);
}

// Whole seconds: the picker and the clock keep a time as a fraction of the day.
long Seconds(TDateTime t) { return std::lround(t * 86400.0); }

TEST_F(TimePickerTest, TimePickerUnderTheClockFollowsItAndPassesItsKeysOn) {
  drop->SetAnimation(false);
  drop->SetTime(At(10, 30, 15));
  drop->SetShowTimePicker(true);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  TDateTimePicker* picker = drop->DateTimePicker();
  ASSERT_NE(picker, nullptr);
  EXPECT_TRUE(picker->Visible());
  EXPECT_EQ(picker->Kind(), dtkTime);
  EXPECT_EQ(picker->Format(), "HH:mm:ss");
  EXPECT_EQ(Seconds(picker->Time()), Seconds(At(10, 30, 15)));
  EXPECT_EQ(drop->DropDownForm()->Height(), 170 + picker->Height() + 2 * drop->DropDownBorderWidth());
  EXPECT_EQ(picker->Top() + picker->Height(), drop->Panel()->ClientHeight()) << "under the clock";

  drop->Watch()->HandleKey(VK_RIGHT);
  EXPECT_EQ(Seconds(picker->Time()), Seconds(At(10, 31, 15))) << "the clock's change reaches the picker";
  EXPECT_EQ(drop->Time(), At(10, 31, 15));
  picker->Perform(WM_KEYDOWN, VK_HOME, 0);
  picker->Perform(WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(Seconds(drop->Watch()->Time()), Seconds(At(11, 31, 15))) << "the picker's change reaches the clock";
  EXPECT_TRUE(Down()) << "Up stays in the picker";
  picker->Perform(WM_KEYDOWN, VK_RETURN, 0);
  kit.Process();
  EXPECT_FALSE(Down()) << "Return in the picker reaches the edit";
  EXPECT_EQ(drop->Text(), "11:31:15");

  drop->SetShowSeconds(false);
  drop->ShowDropDown();
  kit.Process();
  EXPECT_EQ(picker->Format(), "HH:mm");
  drop->HideDropDown(true);
  drop->SetShowTimePicker(false);
  drop->ShowDropDown();
  kit.Process();
  EXPECT_FALSE(picker->Visible());
  drop->HideDropDown(true);
}

}  // namespace
}  // namespace hd
