// The date-time picker on a form, through its messages: fields typed and completed, the
// notifications in order, the check box's "no date", the calendar's drop-down and close-up.
#include "platform/date_time_picker.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/forms.h"
#include "platform/regional.h"
#include "platform/format_settings_override.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// Records the picker notifications the parent form receives.
class NotifyForm : public TForm {
 public:
  using TForm::TForm;
  struct Note {
    int code;
    unsigned flags;
    int y, m, d, h, mi;
  };
  std::vector<Note> notes;
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_NOTIFY) {
      const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
      Note n{hdr->code, 0, 0, 0, 0, 0, 0};
      if (hdr->code == DTN_DATETIMECHANGE) {
        const auto* c = reinterpret_cast<const NMDATETIMECHANGE*>(hdr);
        n = {hdr->code, c->dwFlags, c->wYear, c->wMonth, c->wDay, c->wHour, c->wMinute};
      }
      notes.push_back(n);
    }
    TForm::Dispatch(m);
  }
};

class DateTimePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<NotifyForm>(nullptr);
    form->SetClientSize(300, 200);
    picker = new TDateTimePicker(form.get());
    picker->SetParent(form.get());
    picker->SetBounds(10, 10, 160, 23);
    picker->SetFormat("dd/MM/yyyy");
    picker->SetDateTime(EncodeDate(2024, 3, 15) + EncodeTime(10, 30, 0, 0));
    picker->OnChange = [this](TObject*) { events.push_back("change"); };
    picker->OnDropDown = [this](TObject*) { events.push_back("dropdown"); };
    picker->OnCloseUp = [this](TObject*) { events.push_back("closeup"); };
    form->Show();
    picker->SetFocus();
    kit.Process();
  }
  void Key(int vk) {
    picker->Perform(WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
    kit.Process();
  }
  void Type(const std::string& digits) {
    for (char c : digits) picker->Perform(WM_CHAR, static_cast<WPARAM>(c), 0);
    kit.Process();
  }

  TGuiKit kit;
  std::unique_ptr<NotifyForm> form;
  TDateTimePicker* picker = nullptr;
  std::vector<std::string> events;
};

TEST_F(DateTimePickerTest, DateTypedFieldByFieldNotifiesEachCompletedField) {
  EXPECT_EQ(picker->Text(), "15/03/2024");
  Type("2");
  EXPECT_EQ(picker->Text(), "2/03/2024") << "the typed digit shows while the field waits for its second";
  EXPECT_TRUE(form->notes.empty());
  Type("8");
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 28));
  ASSERT_EQ(form->notes.size(), 1u);
  EXPECT_EQ(form->notes[0].code, DTN_DATETIMECHANGE);
  EXPECT_EQ(form->notes[0].d, 28);
  EXPECT_EQ(picker->CurrentField(), 0) << "the platform itself does not move on";
  Key(VK_RIGHT);
  Type("4");  // no second digit can follow: complete at once
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 4, 28));
  Key(VK_RIGHT);
  Type("202");
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 4, 28)) << "a year takes four digits";
  Type("5");
  EXPECT_EQ(picker->Date(), EncodeDate(2025, 4, 28));
  EXPECT_EQ(picker->Time(), EncodeTime(10, 30, 0, 0)) << "the time of day stays";
  ASSERT_EQ(form->notes.size(), 3u);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "change", "change"}));
  // A pending field is taken when the cursor leaves it, and Up steps the field.
  Key(VK_LEFT);
  Type("1");
  Key(VK_LEFT);
  EXPECT_EQ(picker->Date(), EncodeDate(2025, 1, 28));
  Key(VK_UP);
  EXPECT_EQ(picker->Date(), EncodeDate(2025, 1, 29));
  Type("31");
  Key(VK_RIGHT);
  Key(VK_UP);
  EXPECT_EQ(picker->Date(), EncodeDate(2025, 2, 28)) << "the day is held to the month's length";
}

TEST_F(DateTimePickerTest, TimeKindTypesHoursMinutesAndSeconds) {
  picker->SetKind(dtkTime);
  picker->SetFormat("HH:mm:ss");
  EXPECT_EQ(picker->Text(), "10:30:00");
  Type("07");
  Key(VK_RIGHT);
  Type("5");
  Key(VK_RIGHT);
  Type("9");  // above 5: complete
  EXPECT_NEAR(picker->Time(), EncodeTime(7, 5, 9, 0), 1e-8);
  EXPECT_EQ(picker->Text(), "07:05:09");
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 15));
  picker->SetFormat("h:mm tt");
  EXPECT_EQ(picker->Text(), "7:05 AM");
  Key(VK_END);
  Type("p");
  EXPECT_EQ(picker->Text(), "7:05 PM");
}

TEST_F(DateTimePickerTest, UncheckedBoxReportsNoDateAsZeroDate) {
  picker->SetShowCheckbox(true);
  EXPECT_TRUE(picker->Checked());
  Key(VK_SPACE);
  EXPECT_FALSE(picker->Checked());
  ASSERT_EQ(form->notes.size(), 1u);
  EXPECT_EQ(form->notes[0].flags, GDT_NONE);
  EXPECT_EQ(form->notes[0].y + form->notes[0].m + form->notes[0].d, 0);
  Type("1");
  EXPECT_EQ(picker->Text(), "15/03/2024") << "no typing into a picker without a date";
  TDateTime got = 0;
  EXPECT_EQ(picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&got)), static_cast<LRESULT>(GDT_NONE));
  picker->SetChecked(true);
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(form->notes.size(), 1u) << "code sets the state without a notification";
  kit.Click(picker, picker->CheckboxRect().Left + 3, picker->ClientHeight() / 2);
  kit.Process();
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(form->notes.back().flags, GDT_NONE);
}

TEST_F(DateTimePickerTest, CalendarDropsDownAndPicksAndCloses) {
  Key(VK_F4);
  ASSERT_TRUE(picker->DroppedDown());
  ASSERT_NE(picker->Calendar(), nullptr);
  EXPECT_EQ(picker->Calendar()->Date(), EncodeDate(2024, 3, 15));
  Key(VK_DOWN);  // a week on, in the calendar
  Key(VK_RIGHT);
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 15)) << "moving in the calendar picks nothing yet";
  Key(VK_RETURN);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 23));
  EXPECT_EQ(events, (std::vector<std::string>{"dropdown", "change", "closeup"}));
  std::vector<int> codes;
  for (const auto& n : form->notes) codes.push_back(n.code);
  EXPECT_EQ(codes, (std::vector<int>{DTN_DROPDOWN, DTN_DATETIMECHANGE, DTN_CLOSEUP}));
  // Escape closes without a pick; a time picker and an up-down one drop nothing down.
  picker->SetDroppedDown(true);
  Key(VK_ESCAPE);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 23));
  picker->SetDateMode(dmUpDown);
  Key(VK_F4);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST(PickerFormatTest, RegionalFormatsBecomePickerFields) {
  FormatSettingsOverride fixed{TFormatSettings{}};
  struct Case {
    std::string regional, picker;
  } cases[] = {
      {"dd/mm/yyyy", "dd/MM/yyyy"}, {"m/d/yy", "M/d/yy"}, {"hh:nn:ss", "HH:mm:ss"}, {"h:mm am/pm", "h:mm tt"},
  };
  for (const Case& c : cases) EXPECT_EQ(PickerFormatOfRegional(c.regional), c.picker) << c.regional;
  auto fields = ParsePickerFormat("ddd', 'd MMMM yyyy");
  ASSERT_EQ(fields.size(), 7u);
  EXPECT_EQ(fields[0].Kind, TPickerField::DayName);
  EXPECT_FALSE(fields[0].Editable());
  EXPECT_EQ(fields[1].Text, ", ");
  EXPECT_EQ(fields[4].Kind, TPickerField::Month);
  EXPECT_EQ(fields[4].Width, 4);
}

}  // namespace
}  // namespace hd
