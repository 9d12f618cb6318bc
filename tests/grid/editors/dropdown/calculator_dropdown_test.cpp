// The calculator drop-down through its real edit and keypad: clicks on keypad buttons, keys
// typed into the edit and into the open popup, the popup closing with and without the result,
// the keypad's hot and pressed buttons, the thousand separator switch and the styles that
// reach the keypad's appearance.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/editors/dropdown/calculator_dropdown.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "platform/regional.h"

namespace hd {
namespace {

class CalculatorDropDownTest : public test::DropDownFixture<TExtCalculatorDropdown> {
 protected:
  void SetUp() override { ShowForm(); }
  TCustomButtonPanel* Keypad() { return drop->ButtonPanel(); }
  bool Down() { return drop->DropDownForm() && drop->DropDownForm()->Visible(); }
  void Open() {
    drop->ShowDropDown();
    kit.Process();
    ASSERT_TRUE(Down());
  }
  int IndexOf(const std::string& caption) {
    for (int i = 0; i < Keypad()->Buttons().Count(); ++i)
      if (Keypad()->Buttons().Items(i)->Caption() == caption) return i;
    ADD_FAILURE() << "no button " << caption;
    return 0;
  }
  TPoint Centre(int index) {
    const TRect r = Keypad()->Buttons().Items(index)->GetRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void ClickButton(const std::string& caption) {
    const TPoint p = Centre(IndexOf(caption));
    kit.Click(Keypad(), p.X, p.Y);
  }
};

TEST_F(CalculatorDropDownTest, NewControlIsAFloatEditWithAHiddenHeaderAndTheStyledKeypad) {
  EXPECT_EQ(drop->EditType(), etFloat);
  EXPECT_EQ(drop->Precision(), 2);
  EXPECT_EQ(drop->DropDownWidth(), 230);
  EXPECT_FALSE(drop->DropDownHeader().Visible());
  EXPECT_FALSE(drop->DropDownFooter().Visible());
  ASSERT_NE(Keypad(), nullptr);
  EXPECT_EQ(Keypad()->Buttons().Count(), 28);
  EXPECT_EQ(Keypad()->ExtDropDown(), drop);
  EXPECT_TRUE(drop->CalcClosed());
  // The construction's own style reached the keypad appearance made before it.
  EXPECT_EQ(drop->CalcButtonAppearance().Color(), drop->ButtonAppearance().Color());
  EXPECT_EQ(drop->CalcButtonAppearance().GlowColorHot(), drop->ButtonAppearance().ColorDownTo());
  EXPECT_EQ(drop->CalcButtonAppearance().GlowColorDown(), TColor{0xD5C244});
  drop->SetComponentStyle(tsOffice2010Blue);
  EXPECT_EQ(drop->CalcButtonAppearance().GlowColorHot(), drop->ButtonAppearance().ColorHot());
  EXPECT_EQ(drop->CalcButtonAppearance().GlowColorDown(), drop->ButtonAppearance().ColorHot());
  EXPECT_EQ(drop->CalcButtonAppearance().BorderColorDown(), drop->ButtonAppearance().BorderColorDown());
  drop->SetTextDirect("");
  EXPECT_EQ(drop->Value(), 0.0);
  EXPECT_EQ(drop->Text(), "0");
}

TEST_F(CalculatorDropDownTest, KeypadClicksComputeInTheEditAndReturnKeepsTheResult) {
  Open();
  EXPECT_FALSE(drop->CalcClosed());
  EXPECT_FALSE(drop->DropDownForm()->CancelOnDeActivate());
  const std::vector<std::pair<std::string, std::string>> steps = {
      {"1", "1.00"}, {"2", "12.00"}, {"+", "12.00"}, {"3", "3.00"}, {"=", "15.00"},
      {"*", "15.00"}, {"2", "2.00"}, {"%", "0.30"}, {"=", "4.50"}, {"MS", "4.50"},
      {"C", "0.00"}, {"MR", "4.50"}, {"sqrt", "2.12"}, {"CE", "0.00"}, {"1/x", "Error"},
      {"7", "7.00"}};
  for (const auto& [button, text] : steps) {
    ClickButton(button);
    EXPECT_EQ(drop->Text(), text) << "after " << button;
  }
  EXPECT_TRUE(drop->IsModified());
  EXPECT_TRUE(Down()) << "keypad clicks leave the popup open";
  // A press on one button released over another clicks nothing.
  const TPoint from = Centre(IndexOf("9")), to = Centre(IndexOf("8"));
  kit.MouseDown(Keypad(), from.X, from.Y);
  EXPECT_EQ(Keypad()->ButtonDown(), IndexOf("9"));
  kit.MouseUp(Keypad(), to.X, to.Y);
  EXPECT_EQ(Keypad()->ButtonDown(), -1);
  EXPECT_EQ(drop->Text(), "7.00");
  ClickButton("+");
  ClickButton("1");
  kit.Press(VK_RETURN);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->Text(), "8.00");
}

TEST_F(CalculatorDropDownTest, PopupKeysComputeAndEscapeRestoresTheTextLastSet) {
  drop->SetText("3");
  Open();
  EXPECT_TRUE(Keypad()->Focused());
  kit.Type("9*2");
  EXPECT_EQ(drop->Text(), "2.");
  kit.Press(VK_BACK);
  EXPECT_EQ(drop->Text(), "2.00");
  kit.Type("=");
  EXPECT_EQ(drop->Text(), "18.00");
  // The keypad's results are set as the edit's text: Escape puts back the last of them.
  kit.Type("+4");
  EXPECT_EQ(drop->Text(), "4.");
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->Text(), "18.00");
  // Tab closes keeping what the keypad made.
  Open();
  ClickButton("5");
  kit.Press(VK_TAB);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->Text(), "5.00");
}

TEST_F(CalculatorDropDownTest, OperatorsTypedInTheClosedEditActAndOtherCharactersAreDropped) {
  drop->SelectAll();
  kit.Type("12+3x");
  EXPECT_EQ(drop->Text(), "3");
  kit.Press(VK_RETURN);
  EXPECT_EQ(drop->Text(), "15.00");
  kit.Type("-");
  EXPECT_EQ(drop->Text(), "15.00") << "an operator starts the next number";
  kit.Type("5=");
  EXPECT_EQ(drop->Text(), "10.00");
  drop->SetText("Error");
  drop->SetSelStart(5);
  kit.Press(VK_DELETE);
  EXPECT_EQ(drop->Text(), "0.00");
  // A length limit stops digit buttons without marking the edit modified.
  drop->SetText("12");
  drop->SetMaxLength(5);
  EXPECT_EQ(drop->Text(), "12.00");
  Open();
  drop->SetModified(false);
  ClickButton("4");
  EXPECT_EQ(drop->Text(), "12.00");
  EXPECT_FALSE(drop->IsModified());
}

TEST_F(CalculatorDropDownTest, ThousandSeparatorSwitchesToMoneyAndMemoryReadsThroughIt) {
  drop->SetValue(1234.5);
  EXPECT_EQ(drop->Text(), "1234.50");
  drop->SetShowThousandSeparator(true);
  EXPECT_EQ(drop->EditType(), etMoney);
  EXPECT_EQ(drop->Text(), "1,234.50");
  EXPECT_DOUBLE_EQ(drop->Value(), 1234.5);
  Open();
  ClickButton("MS");
  EXPECT_DOUBLE_EQ(drop->Engine().Memory(), 1234.5);
  ClickButton("+");
  ClickButton("MR");
  ClickButton("=");
  EXPECT_EQ(drop->Text(), "2,469.00");
  drop->SetShowThousandSeparator(false);
  EXPECT_EQ(drop->EditType(), etFloat);
  EXPECT_EQ(drop->Text(), "2469.00");
}

TEST_F(CalculatorDropDownTest, KeypadHotAndPressedButtonsFollowTheMouseAndSkipDisabledOnes) {
  Open();
  TCustomButtonPanel* k = Keypad();
  // The layout follows the keypad's size.
  TRect area;
  k->GetButtonArea(area);
  for (int i : {0, 1, 3, 11, 27}) EXPECT_EQ(k->Buttons().Items(i)->GetRect(), CalculatorButtonRects(area)[i]) << i;
  const TPoint seven = Centre(IndexOf("7"));
  kit.MoveMouse(k, seven.X, seven.Y);
  EXPECT_EQ(k->ButtonHot(), IndexOf("7"));
  // On a shared border the lower index wins.
  const TRect r7 = k->Buttons().Items(IndexOf("7"))->GetRect();
  EXPECT_EQ(k->ButtonAtPos(r7.Right - 1, r7.Top + 2), IndexOf("7"));
  EXPECT_EQ(k->ButtonAtPos(1, 1), -1);
  k->Buttons().Items(IndexOf("8"))->SetEnabled(false);
  const TPoint eight = Centre(IndexOf("8"));
  kit.MoveMouse(k, eight.X, eight.Y);
  EXPECT_EQ(k->ButtonHot(), -1);
  kit.Click(k, eight.X, eight.Y);
  EXPECT_EQ(k->ButtonDown(), -1);
  EXPECT_EQ(drop->Text(), "0.00");
  std::vector<int> clicks;
  k->OnButtonClick = [&](TObject*, int index) { clicks.push_back(index); };
  kit.Click(k, seven.X, seven.Y, mbRight);
  EXPECT_EQ(clicks, std::vector<int>{IndexOf("7")}) << "any mouse button clicks";
}

TEST_F(CalculatorDropDownTest, FreeStandingPanelSizesButtonsByLayoutAndKeepsItsOwnButtons) {
  TImageList images(16, 12);
  images.Add(TBitmap(16, 12));
  auto* panel = new TCustomButtonPanel(main.get());
  panel->SetParent(main.get());
  panel->Loaded();
  EXPECT_EQ(panel->Buttons().Count(), 28) << "a calculator panel alone makes its keypad when loaded";
  panel->SetButtonPanelType(plCustom);
  panel->ClearButtons();
  panel->SetImages(&images);
  TButtonItem* a = panel->Buttons().Add();
  a->SetCaption("Wide caption");
  a->SetImageIndex(0);
  panel->Buttons().Add()->SetCaption("x");
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(panel->Font());
  const TSize text = GetTextSize(measure.Canvas(), "Wide caption");
  struct Case {
    TItemLayout layout;
    int width, height;
  };
  for (const Case& c : {Case{ilCaptionRight, 8 + 16 + text.cx, std::max(12, text.cy) + 8},
                        Case{ilCaptionLeft, 8 + 16 + text.cx, std::max(12, text.cy) + 8},
                        Case{ilCaptionTop, std::max(16, text.cx) + 8, 8 + 12 + text.cy},
                        Case{ilCaptionBottom, std::max(16, text.cx) + 8, 8 + 12 + text.cy}}) {
    panel->SetButtonLayout(c.layout);
    int w = 0, h = 0;
    panel->GetButtonSize(w, h);
    EXPECT_EQ(w, c.width) << c.layout;
    EXPECT_EQ(h, c.height) << c.layout;
  }
  // A custom panel neither makes nor places buttons.
  panel->ResetButtons();
  EXPECT_EQ(panel->Buttons().Count(), 0);
  // Copies take everything but the place and the special mark.
  TButtonItems copy(nullptr);
  TButtonItem* b = copy.Add();
  b->SetCaption("=");
  b->SetTag(ctEquals);
  b->SetSpecial(true);
  b->SetRect(TRect{1, 2, 30, 40});
  TButtonItems target(nullptr);
  target.Assign(&copy);
  EXPECT_EQ(target.Items(0)->Caption(), "=");
  EXPECT_EQ(target.Items(0)->Tag(), ctEquals);
  EXPECT_FALSE(target.Items(0)->Special());
  EXPECT_EQ(target.Items(0)->GetRect(), TRect{});
}

}  // namespace
}  // namespace hd
