// The flat picker's repaint rules, and the labelled picker: auto tab by format, the time part
// made and freed with the kind, whole-second values, the check box and the label.
#include "grid/editors/date_time_picker.h"

#include <gtest/gtest.h>

#include <memory>

#include "grid/editors/ext_date_time_picker.h"
#include "platform/bitmap.h"
#include "platform/format_settings_override.h"
#include "platform/forms.h"
#include "platform/themes.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

const TDateTime kDay = EncodeDate(2024, 3, 15);
const TDateTime kTime = EncodeTime(10, 30, 0, 0);

class PickerFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 200);
    form->Show();
    kit.Process();
  }
  template <class P>
  P* Make(int width = 200) {
    auto* p = new P(form.get());
    p->SetParent(form.get());
    p->SetBounds(60, 40, width, 23);
    return p;
  }
  static TBitmap Picture(TCustomControl* c) {
    TBitmap b(c->Width(), c->Height());
    c->PaintTo(b.Canvas());
    return b;
  }
  void Type(TControl* c, const std::string& digits) {
    for (char d : digits) {
      c->Perform(WM_CHAR, static_cast<WPARAM>(d), 0);
      kit.Process();
    }
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
};

using FlatPickerTest = PickerFixture;

TEST_F(FlatPickerTest, MetroRepaintsButtonOnlyForDatesAndFramesBoth) {
  auto* plain = Make<TDateTimePicker>();
  auto* flat = Make<TEsgDateTimePicker>();
  plain->SetDateTime(kDay + kTime);
  flat->SetDateTime(kDay + kTime);
  flat->SetButtonColor(clRed);
  flat->SetBorderColor(clBlue);
  kit.Process();
  TBitmap a = Picture(plain), b = Picture(flat);
  for (int x = 0; x < a.Width(); x += 3)
    ASSERT_EQ(a.Canvas().Pixel(x, 11), b.Canvas().Pixel(x, 11)) << "without metro and with Ctl3D: the platform's look, x=" << x;
  EXPECT_EQ(flat->Version(), "1.0.0.0");

  flat->SetMetroStyle(true);
  const int buttonX = flat->ClientWidth() - flat->ButtonRect().Width() / 2 + 2;
  TBitmap date = Picture(flat);
  EXPECT_EQ(date.Canvas().Pixel(buttonX, 4), ColorToRGB(clRed));
  EXPECT_EQ(date.Canvas().Pixel(0, 0), ColorToRGB(clBlue));
  flat->SetKind(dtkTime);
  TBitmap time = Picture(flat);
  EXPECT_NE(time.Canvas().Pixel(buttonX, 4), ColorToRGB(clRed)) << "a time picker's up-down is not repainted";
  EXPECT_EQ(time.Canvas().Pixel(0, 0), ColorToRGB(clBlue)) << "its border is";
}

TEST_F(FlatPickerTest, OwnBorderWithoutCtl3DFollowsBorderStyle) {
  auto* flat = Make<TEsgDateTimePicker>();
  form->SetColor(clYellow);
  flat->SetCtl3D(false);
  flat->SetBorderColor(clBlue);
  const bool themed = ThemesActive();
  SetThemesActive(false);
  TBitmap none = Picture(flat);
  EXPECT_EQ(none.Canvas().Pixel(0, 5), ColorToRGB(clYellow)) << "bsNone: the parent's colour hides the edge";
  flat->SetBorderStyle(bsSingle);
  TBitmap single = Picture(flat);
  EXPECT_EQ(single.Canvas().Pixel(0, 5), kDisabledThemedBorderColor) << "themed common controls give the soft blue";
  EXPECT_EQ(single.Canvas().Pixel(1, 5), ColorToRGB(clYellow));
  SetThemesActive(themed);
}

using ExtPickerTest = PickerFixture;

TEST_F(ExtPickerTest, AutoTabMovesOnWhenAFieldCompletesExceptTheFormatsLast) {
  FormatSettingsOverride fixed{TFormatSettings{}};  // dd/mm/yyyy, hh:nn:ss
  struct Case {
    const char* format;
    TExtDateTimeKind kind;
    int startField;  // the field typed into (its index in the format's fields)
    const char* digits;
    int fieldAfter;  // -1: the time part has the focus
  } cases[] = {
      {"dd/MM/yyyy", dkDate, 0, "1", 0},       // waits for the second digit
      {"dd/MM/yyyy", dkDate, 0, "28", 2},      // the day of a day-first format moves on
      {"dd/MM/yyyy", dkDate, 0, "15", 0},      // the same day again: nothing changed
      {"dd/MM/yyyy", dkDate, 4, "2025", 4},    // the year of a year-last format stays
      {"dd/MM/yyyy", dkDateTime, 4, "2025", -1},  // ... and hands on to the time part
      {"MM/dd/yyyy", dkDate, 0, "4", 2},       // month-first: a 4 completes the month
      {"MM/dd/yyyy", dkDate, 2, "9", 4},
      {"yyyy-MM-dd", dkDate, 0, "2030", 2},
      {"yyyy-MM-dd", dkDate, 4, "20", 4},      // the last field: no move
      {"", dkDate, 0, "4", 2},                 // no format: day or month move on
      {"", dkDateTime, 4, "2031", -1},         // ... a year goes to the time part
      {"HH:mm:ss", dkTime, 0, "07", 2},
      {"HH:mm:ss", dkTime, 0, "1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " typing " + c.digits);
    auto* p = Make<TExtDateTimePicker>(260);
    p->SetKind(c.kind);
    if (c.kind == dkTime) p->SetTimeFormat(c.format); else p->SetFormat(c.format);
    p->SetDateTime(kDay + kTime);
    p->SetAutoTab(true);
    p->SetFocus();
    kit.Process();
    for (int i = 0; i < 5 && p->CurrentField() < c.startField; ++i) p->Perform(WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_EQ(p->CurrentField(), c.startField);
    Type(p, c.digits);
    if (c.fieldAfter < 0) {
      ASSERT_NE(p->TimePicker(), nullptr);
      EXPECT_TRUE(p->TimePicker()->Focused());
    } else {
      EXPECT_EQ(p->CurrentField(), c.fieldAfter);
      EXPECT_TRUE(p->Focused());
    }
    delete p;
  }
}

TEST_F(ExtPickerTest, ValuesKeepWholeSecondsAndTheTimePartFollowsTheKind) {
  auto* p = Make<TExtDateTimePicker>(260);
  EXPECT_EQ(p->Kind(), dkDateTime);
  ASSERT_NE(p->TimePicker(), nullptr);
  EXPECT_EQ(p->Version(), "1.2.0.0");
  p->SetDateTime(kDay + EncodeTime(10, 30, 15, 750));
  EXPECT_NEAR(p->DateTime(), kDay + EncodeTime(10, 30, 15, 0), 1e-9) << "milliseconds dropped";
  EXPECT_NEAR(p->TimePicker()->DateTime(), kDay + EncodeTime(10, 30, 15, 0), 1e-9) << "in both parts";
  p->SetDate(EncodeDate(2025, 1, 2) + 0.75);
  EXPECT_NEAR(p->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(10, 30, 15, 0), 1e-9) << "Date keeps the time";
  // The user changes only the time part: the whole value reads it.
  p->TimePicker()->SetTime(EncodeTime(18, 5, 0, 0));
  EXPECT_NEAR(p->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(18, 5, 0, 0), 1e-9);
  EXPECT_NEAR(p->Time(), EncodeTime(18, 5, 0, 0), 1e-9);
  // The part sits inside the picker's right end, before the button, and goes with dkDate.
  kit.Process();
  const TCustomDateTimePicker* part = p->TimePicker();
  EXPECT_TRUE(part->Visible());
  EXPECT_LT(part->Left() + part->Width(), p->Width());
  EXPECT_GT(part->Left(), 0);
  p->SetKind(dkDate);
  EXPECT_EQ(p->TimePicker(), nullptr);
  p->SetKind(dkDateTime);
  ASSERT_NE(p->TimePicker(), nullptr);
  EXPECT_TRUE(p->TimePicker()->Visible());
  // An unchecked box keeps the time part disabled.
  p->SetShowCheckbox(true);
  p->SetChecked(false);
  EXPECT_FALSE(p->TimePicker()->Enabled());
  p->SetChecked(true);
  EXPECT_TRUE(p->TimePicker()->Enabled());
  p->SetEnabled(false);
  EXPECT_FALSE(p->TimePicker()->Enabled());
}

TEST_F(ExtPickerTest, LabelStandsWhereItsPositionSays) {
  auto* p = Make<TExtDateTimePicker>(200);
  EXPECT_EQ(p->PickerLabel(), nullptr);
  EXPECT_EQ(p->LabelCaption(), "");
  p->SetLabelCaption("Due");
  TLabel* label = p->PickerLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form.get());
  const int Wl = label->Width(), Hl = label->Height();
  p->SetLabelPosition(lpTopLeft);
  EXPECT_EQ(label->Left(), 60);
  EXPECT_EQ(label->Top(), 40 - Hl - 4);
  p->SetLabelPosition(lpRightCenter);
  EXPECT_EQ(label->Left(), 60 + 200 + 4);
  EXPECT_EQ(label->Top(), 40 + (23 - Hl) / 2);
  p->SetLabelPosition(lpBottomCenter);
  p->SetLabelMargin(10);
  EXPECT_EQ(label->Left(), 60 + (200 - Wl) / 2);
  EXPECT_EQ(label->Top(), 40 + 23 + 10);
  p->SetLabelPosition(lpLeftTop);
  EXPECT_LT(label->Left() + Wl, 60);
  p->SetBounds(100, 80, 200, 23);
  EXPECT_EQ(label->Top(), 80) << "the label moves with the picker";
  bool clicked = false;
  p->OnLabelClick = [&](TObject* Sender) { clicked = Sender == p; };
  label->Click();
  EXPECT_TRUE(clicked);
}

TEST_F(ExtPickerTest, LabelFontIsItsOwnUntilLoadedWithTheParentsFont) {
  TFont big = form->Font();
  big.Size = 14;
  // Made in code: the label shows the label font, which ParentFont keeps unchanged.
  auto* coded = Make<TExtDateTimePicker>();
  coded->SetLabelCaption("Due");
  const int ownSize = coded->PickerLabel()->Font().Size;
  coded->SetLabelFont(big);
  EXPECT_EQ(coded->PickerLabel()->Font().Size, ownSize) << "ParentFont is on";
  coded->SetParentFont(false);
  coded->SetLabelFont(big);
  EXPECT_EQ(coded->PickerLabel()->Font().Size, 14);

  // Loaded: the label takes the picker's font and follows the parent's; an unchecked picker's
  // time part stays off.
  TExtDateTimePicker* loaded = nullptr;
  {
    detail::TLoadingPhase phase;
    loaded = new TExtDateTimePicker(form.get());
    loaded->SetParent(form.get());
    loaded->SetBounds(60, 100, 200, 23);
    loaded->SetShowCheckbox(true);
    loaded->SetChecked(false);
    loaded->SetLabelCaption("From");
    phase.End();
  }
  ASSERT_NE(loaded->TimePicker(), nullptr);
  EXPECT_FALSE(loaded->TimePicker()->Enabled());
  EXPECT_EQ(loaded->PickerLabel()->Font().Size, loaded->Font().Size);
  TFont bigger = form->Font();
  bigger.Size = 16;
  form->SetFont(bigger);
  EXPECT_EQ(loaded->PickerLabel()->Font().Size, 16);
  EXPECT_EQ(coded->PickerLabel()->Font().Size, 14) << "not the parent's without ParentFont";
}

// A picker that takes Tab for itself, as the grid's editor does.
class TabTakingPicker : public TExtDateTimePicker {
 public:
  using TExtDateTimePicker::TExtDateTimePicker;
  int tabs = 0;
  void WndProc(TMessage& m) override {
    TExtDateTimePicker::WndProc(m);
    if (m.Msg == CM_WANTSPECIALKEY && m.WParam == VK_TAB) m.Result = 1;
  }
  void KeyDown(WORD& Key, TShiftState Shift) override {
    if (Key == VK_TAB) {
      ++tabs;
      Key = 0;
      return;
    }
    TExtDateTimePicker::KeyDown(Key, Shift);
  }
};

TEST_F(ExtPickerTest, TabInTheTimePartReachesAPickerThatTakesIt) {
  auto* taking = Make<TabTakingPicker>();
  auto* next = Make<TExtDateTimePicker>();
  next->SetTop(100);
  ASSERT_NE(taking->TimePicker(), nullptr);
  taking->TimePicker()->SetFocus();
  kit.Process();
  kit.Press(VK_TAB);
  EXPECT_EQ(taking->tabs, 1);
  EXPECT_TRUE(taking->TimePicker()->Focused()) << "the form did not move the focus on";

  auto* plain = Make<TExtDateTimePicker>();
  plain->SetTop(150);
  plain->TimePicker()->SetFocus();
  kit.Process();
  kit.Press(VK_TAB);
  EXPECT_FALSE(plain->TimePicker()->Focused()) << "a picker that leaves Tab lets the form move on";
}

}  // namespace
}  // namespace hd
