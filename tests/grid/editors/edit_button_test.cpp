// The edit with a button and the unit edit on a form: who presses the button (F4 or the
// mouse) and with which Sender, the editor switched off, the split of a value and its unit,
// and the unit menu.
#include "grid/editors/edit_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/clipboard.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class EditButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 200);
    edit = new TEsgEditBtn(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(20, 20, 140, 24);
    edit->OnClickBtn = [this](TObject* Sender) { senders.push_back(Sender); };
    form->Show();
    edit->SetFocus();
    kit.Process();
  }
  void TearDown() override { ResetKeyStates(); }
  void Press(int vk, TShiftState s = {}) {
    kit.Press(vk, s);
    kit.Process();
  }
  void ClickButton() {
    TExtSpeedButton* button = edit->Button()->Button();
    kit.Click(button);
    kit.Process();
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TEsgEditBtn* edit = nullptr;
  std::vector<TObject*> senders;
};

TEST_F(EditButtonTest, F4PressesTheButtonWithTheEditAsSenderButNotWithCtrlOrAlt) {
  WORD seen = 0;
  edit->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { seen = Key; };
  Press(VK_F4);
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], edit);
  EXPECT_EQ(seen, VK_F4) << "F4 goes on to the edit's own key handling";
  Press(VK_F4, {ssCtrl});
  Press(VK_F4, {ssAlt});
  EXPECT_EQ(senders.size(), 1u);
}

TEST_F(EditButtonTest, AClickOnTheButtonHasTheContainerAsSenderAndLeavesTheFocusInTheEdit) {
  ClickButton();
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], edit->Button());
  EXPECT_TRUE(edit->Focused());
}

TEST_F(EditButtonTest, EditorOffRefusesTypingCutAndPasteWhileTheButtonWorks) {
  edit->SetText("abc");
  edit->SetEditorEnabled(false);
  edit->SelectAll();
  kit.Type("x");
  kit.Process();
  Clipboard().SetAsText("pasted");
  edit->Perform(WM_PASTE);
  edit->SelectAll();
  edit->Perform(WM_CUT);
  EXPECT_EQ(edit->Text(), "abc");
  ClickButton();
  EXPECT_EQ(senders.size(), 1u);
}

TEST_F(EditButtonTest, ATooTallFontGrowsTheEditBeforeTheButtonIsPlaced) {
  TFont big = edit->Font();
  big.SetHeight(-40);
  edit->SetFont(big);
  edit->SetBounds(20, 20, 140, 20);
  EXPECT_GE(edit->Height(), edit->GetMinHeight());
  EXPECT_EQ(edit->Button()->Left() + edit->Button()->Width(), edit->Width() - 5);
}

struct SplitCase {
  const char* name;
  const char* value;
  const char* text;
  const char* unit;
};

TEST(UnitEditTest, TextAndUnitSplitsAtTheFirstUnitThatClosesTheValue) {
  TGuiKit kit;
  TForm form(nullptr);
  auto* unit = new TEsgUnitEditBtn(&form);
  unit->SetParent(&form);
  for (const char* u : {"m", "mm", "s"}) unit->Units().Add(u);
  const SplitCase cases[] = {
      {"a unit at the end", "12s", "12", "s"},
      {"the first unit occurs earlier, the second closes", "12mm", "12", "mm"},
      {"a unit earlier but not at the end", "5mx", "before", "u0"},
      {"only the unit", "m", "", "m"},
      {"the empty text", "", "before", "u0"},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    unit->SetText("before");
    unit->SetUnitID("u0");
    unit->SetTextAndUnit(c.value);
    EXPECT_EQ(unit->Text(), c.text);
    EXPECT_EQ(unit->UnitID(), c.unit);
  }
  unit->SetText("7");
  unit->SetUnitID("mm");
  EXPECT_EQ(unit->TextAndUnit(), "7mm");
}

TEST(UnitEditTest, TheMenuOffersTheUnitsAndReportsOnlyAChange) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* unit = new TEsgUnitEditBtn(&form);
  unit->SetParent(&form);
  unit->SetBounds(20, 20, 140, 24);
  for (const char* u : {"m", "mm", "km"}) unit->Units().Add(u);
  unit->SetUnitID("m");
  std::vector<std::string> changes;
  int clicks = 0;
  unit->OnUnitChanged = [&](TObject* Sender, const std::string& NewUnit) {
    EXPECT_EQ(Sender, unit);
    changes.push_back(NewUnit);
  };
  unit->OnClickBtn = [&](TObject* Sender) {
    EXPECT_EQ(Sender, unit);
    ++clicks;
  };
  form.Show();
  unit->SetFocus();
  kit.Process();
  kit.ChooseMenuItem("km");
  kit.Press(VK_F4);
  kit.Process();
  EXPECT_EQ(unit->UnitID(), "km");
  kit.ChooseMenuItem("km");
  kit.Click(unit->Button()->Button());
  kit.Process();
  kit.ChooseMenuItem("");
  kit.Press(VK_F4);
  kit.Process();
  EXPECT_EQ(changes, std::vector<std::string>{"km"});
  EXPECT_EQ(unit->UnitID(), "km");
  EXPECT_EQ(clicks, 3) << "the button's event comes before each menu";
}

}  // namespace
}  // namespace hd

namespace hd {
namespace {

TEST(UnitEditTest, AUnitWiderThanItsSpaceNarrowsTheTextInsteadOfBeingCut) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* unit = new TEsgUnitEditBtn(&form);
  unit->SetParent(&form);
  unit->SetBounds(20, 20, 160, 24);
  form.Show();
  kit.Process();
  auto textRight = [&] {
    TRect r;
    unit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.Right;
  };
  unit->SetUnitID("m");
  int narrowUnit = textRight();
  EXPECT_EQ(narrowUnit, unit->ClientWidth() - unit->Button()->Width() - 5 - unit->UnitSpace() - 3);
  unit->SetUnitID("kilometres");
  EXPECT_LT(textRight(), narrowUnit - 20);
}

}  // namespace
}  // namespace hd
