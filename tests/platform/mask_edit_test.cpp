// The masked edit in a window: keys, the clipboard, Text and EditText, and the check on leaving.
#include <gtest/gtest.h>

#include <memory>

#include "platform/clipboard.h"
#include "platform/mask_edit.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class MaskEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 200);
    edit = new TMaskEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 150, 21);
    other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 50, 150, 21);
    form->Show();
    kit.Process();
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TMaskEdit* edit = nullptr;
  TEdit* other = nullptr;
};

TEST_F(MaskEditTest, TypedKeysFillThePlacesAndRefusedOnesBeep) {
  struct Case {
    const char* name;
    const char* mask;
    std::vector<int> keys;  // virtual keys pressed after the typed text
    const char* typed;
    const char* editText;
    const char* text;
    size_t beeps;
    int selStart;
  };
  const std::vector<Case> cases = {
      {"date, literals saved", "!99/99/00;1;_", {}, "1231", "12/31/__", "12/31/  ", 0, 6},
      {"letter refused by a digit place", "000;0;_", {}, "1x2", "12_", "12", 1, 2},
      {"upper-case places", ">LL;1;_", {}, "ab", "AB", "AB", 0, 2},
      {"backspace blanks the place before", "00-00;1;_", {VK_BACK}, "123", "12-__", "12-  ", 0, 3},
      {"left skips the literal, delete blanks", "00-00;1;_", {VK_LEFT, VK_LEFT, VK_DELETE}, "123", "1_-3_", "1 -3 ", 0, 1},
      {"home goes to the first place", "(999)000;0;_", {VK_HOME}, "1", "(1__)___", "1", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    edit->SetEditMask(c.mask);
    edit->SetText("");
    edit->SetFocus();
    edit->SetSelStart(0);
    size_t beeps = kit.Beeps().size();
    kit.Type(c.typed);
    for (int key : c.keys) kit.Press(key);
    EXPECT_EQ(edit->EditText(), c.editText);
    EXPECT_EQ(edit->Text(), c.text);
    EXPECT_EQ(kit.Beeps().size() - beeps, c.beeps);
    EXPECT_EQ(edit->SelStart(), c.selStart);
    EXPECT_EQ(edit->SelLength(), edit->SelStart() < static_cast<int>(TEditMask(c.mask).Size()) ? 1 : 0)
        << "the caret rests as a block on a place";
    EXPECT_TRUE(edit->Modified());
  }
}

TEST_F(MaskEditTest, TextSetByCodeGoesThroughTheMaskAndANewMaskKeepsTheTypedCharacters) {
  edit->SetEditMask("!99/99/00;1;_");
  edit->SetText("1/2/99");
  EXPECT_EQ(edit->EditText(), "_1/_2/99") << "\"!\" puts the blanks of a short field first";
  EXPECT_EQ(edit->Text(), " 1/ 2/99");
  EXPECT_FALSE(edit->Modified());

  edit->SetEditMask("000;0;_");
  edit->SetEditText("12_");
  edit->SetEditMask("0-0-0;0;*");
  EXPECT_EQ(edit->EditText(), "1-2-*");
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(edit->MaxLength(), 5);

  edit->SetEditMask("");
  EXPECT_EQ(edit->Text(), "12") << "without a mask the value stays as plain text";
  edit->SetFocus();
  edit->SetSelStart(2);
  kit.Type("ab");
  EXPECT_EQ(edit->Text(), "12ab");
}

TEST_F(MaskEditTest, ValidateEditRaisesForAnEmptyRequiredPlaceOfAChangedText) {
  edit->SetEditMask("(999)000-0000;0;_");
  edit->SetFocus();
  EXPECT_NO_THROW(edit->ValidateEdit()) << "an unchanged text is not checked";
  kit.Type("555123");
  try {
    edit->ValidateEdit();
    ADD_FAILURE() << "an incomplete number passes";
  } catch (const EDBEditError& e) {
    EXPECT_STREQ(e.what(), "Invalid input value");
  }
  EXPECT_EQ(edit->SelStart(), 9) << "the caret on the first empty required place";
  EXPECT_FALSE(kit.Beeps().empty());
  kit.Type("4567");
  EXPECT_NO_THROW(edit->ValidateEdit());
}

TEST_F(MaskEditTest, LeavingAnIncompleteTextShowsTheErrorAndKeepsTheFocus) {
  edit->SetEditMask("00:00;1;_");
  int exits = 0;
  edit->OnExit = [&](TObject*) { ++exits; };
  edit->SetFocus();
  kit.Type("12");
  kit.Press(VK_TAB);
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "Invalid input value.");
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(edit->SelStart(), 3);

  kit.Type("34");
  kit.Press(VK_TAB);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(edit->Text(), "12:34");
}

TEST_F(MaskEditTest, EscapeGoesBackToTheTextOfTheFocusAndPasteFillsThePlaces) {
  edit->SetEditMask("(999)000-0000;0;_");
  edit->SetText("5551234567");
  edit->SetFocus();
  kit.Type("9");
  EXPECT_EQ(edit->Text(), "9551234567");
  kit.Press(VK_ESCAPE);
  EXPECT_EQ(edit->Text(), "5551234567");
  EXPECT_FALSE(edit->Modified());

  edit->SetText("");
  edit->SetSelStart(0);
  Clipboard().SetAsText("(030)123-4567\r\nsecond line");
  kit.Press('V', {ssCtrl});
  EXPECT_EQ(edit->EditText(), "(030)123-4567");
  size_t beeps = kit.Beeps().size();
  edit->SetText("");
  edit->SetSelStart(0);
  Clipboard().SetAsText("12x");
  kit.Press('V', {ssCtrl});
  EXPECT_EQ(edit->EditText(), "(12_)___-____");
  EXPECT_EQ(kit.Beeps().size(), beeps + 1) << "a paste that does not fit stops with a beep";
}

// An in-place editor asks for its window's styles: several lines, right-aligned, wrapping.
class StyledEdit : public TMaskEdit {
 public:
  using TMaskEdit::TMaskEdit;
  bool right = true;
  void Restyle() { RecreateWnd(); }

 protected:
  void CreateParams(TCreateParams& params) override {
    TMaskEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_WANTRETURN;
    params.Style &= ~ES_AUTOHSCROLL;
    if (right) params.Style |= ES_RIGHT;
  }
};

TEST_F(MaskEditTest, DescendantStylesMakeTheWindowTheyAskFor) {
  auto* styled = new StyledEdit(form.get());
  styled->SetParent(form.get());
  styled->SetBounds(10, 100, 200, 60);
  kit.Process();
  styled->SetText("ab\r\ncd");
  EXPECT_EQ(styled->Perform(EM_GETLINECOUNT), 2);
  EXPECT_EQ(styled->Perform(EM_LINEINDEX, 1), 4);
  EXPECT_GT(GET_X_LPARAM(styled->Perform(EM_POSFROMCHAR, 0)), 100) << "right-aligned";
  styled->SetFocus();
  styled->SetSelStart(2);
  kit.Press(VK_RETURN);
  EXPECT_EQ(styled->Text(), "ab\r\n\r\ncd") << "Return types a line break into several lines";

  styled->right = false;
  styled->Restyle();
  EXPECT_LT(GET_X_LPARAM(styled->Perform(EM_POSFROMCHAR, 0)), 20);
  EXPECT_EQ(styled->Text(), "ab\r\n\r\ncd");
  EXPECT_EQ(styled->SelStart(), 4);
  EXPECT_TRUE(styled->Focused());
}

}  // namespace
}  // namespace hd
