// Popup menus: their items, the modal loop they run in, and how the choice comes back.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ext_ctrls.h"
#include "platform/menus.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

class MenusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(200, 100);
    form->Show();
    kit.Process();
    menu = new TPopupMenu(form.get());
    auto add = [&](TMenuItem* parent, const std::string& caption) {
      TMenuItem* item = NewItem(form.get(), caption, [this, caption](TObject*) { log.Note("click " + caption); });
      parent->Add(item);
      return item;
    };
    add(&menu->Items(), "&Copy");
    add(&menu->Items(), "-");
    paste = add(&menu->Items(), "&Paste");
    units = add(&menu->Items(), "Units");
    mm = add(units, "mm");
    inch = add(units, "inch");
    inch->SetChecked(true);
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TPopupMenu* menu = nullptr;
  TMenuItem* paste = nullptr;
  TMenuItem* units = nullptr;
  TMenuItem* mm = nullptr;
  TMenuItem* inch = nullptr;
  TEventLog log;
};

TEST_F(MenusTest, PostedMessagesAndTimersRunWhileTheMenuIsOpen) {
  auto previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_APP) log.Note("posted");
    previous(m);
  };
  TTimer timer(form.get());
  timer.SetInterval(50);
  timer.OnTimer = [&](TObject*) { log.Note("tick"); };
  menu->OnPopup = [&](TObject*) { log.Note("popup"); };
  PostMessage(form->Handle(), WM_APP);

  kit.OnModal([&](TCustomForm*) {
    ASSERT_NE(kit.CurrentLoop(), nullptr);
    ASSERT_EQ(kit.CurrentLoop()->Kind, TModalKind::PopupMenu);
    auto* loop = static_cast<TPopupMenuLoop*>(kit.CurrentLoop());
    EXPECT_EQ(loop->Menu, &menu->Items());
    kit.Advance(60);
    log.Note("choose");
    loop->Choose(inch);
  });
  menu->Popup(30, 40);
  log.Note("after popup");
  kit.Process();

  EXPECT_EQ(log.Text(), "popup posted tick choose after popup click inch")
      << "the click comes from a posted command, after Popup has returned";
  EXPECT_EQ(menu->PopupPoint(), (TPoint{30, 40}));
  form->WindowProc = previous;
}

TEST_F(MenusTest, KitChoosesItemsBySubMenuPathAndNeverClicksWhatCannotBeChosen) {
  struct Case {
    const char* name;
    std::string path;
    bool disablePaste;
    const char* clicks;
  };
  const std::vector<Case> cases = {
      {"item of a sub-menu", "Units|mm", false, "click mm"},
      {"accelerator marks are not part of the path", "Paste", false, "click &Paste"},
      {"dismissed", "", false, ""},
      {"disabled item", "Paste", true, ""},
      {"a sub-menu itself is no command", "Units", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.Clear();
    paste->SetEnabled(!c.disablePaste);
    kit.ChooseMenuItem(c.path);
    menu->Popup(0, 0);
    kit.Process();
    EXPECT_EQ(log.Text(), c.clicks);
  }
}

TEST_F(MenusTest, TrackPopupMenuReturnsOrSendsTheChosenCommand) {
  std::vector<WPARAM> commands;
  auto previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_COMMAND) commands.push_back(m.WParam);
    previous(m);
  };
  kit.ChooseMenuItem("Units|inch");
  EXPECT_EQ(TrackPopupMenu(menu->Items(), TPM_RETURNCMD, 5, 5, form->Handle()), inch->Command());
  kit.Process();
  EXPECT_TRUE(commands.empty()) << "TPM_RETURNCMD sends nothing";

  kit.ChooseMenuItem("Units|mm");
  EXPECT_EQ(TrackPopupMenu(menu->Items(), TPM_LEFTALIGN, 5, 5, form->Handle()), 1);
  kit.Process();
  EXPECT_EQ(commands, std::vector<WPARAM>{MAKEWPARAM(mm->Command(), 0)});
  EXPECT_EQ(log.Text(), "") << "an item chosen through TrackPopupMenu is not clicked by the menu";

  kit.ChooseMenuItem("");
  EXPECT_EQ(TrackPopupMenu(menu->Items(), TPM_RETURNCMD, 5, 5, form->Handle()), 0);
  form->WindowProc = previous;
}

TEST_F(MenusTest, ItemsBelongToTheirParentAndGoWithIt) {
  EXPECT_EQ(menu->Items().Count(), 4);
  EXPECT_EQ(units->Count(), 2);
  EXPECT_EQ(inch->MenuIndex(), 1);
  EXPECT_EQ(menu->Items().FindItem(inch->Command()), inch);
  EXPECT_THROW(menu->Items().Add(inch), EMenuError);
  int components = form->ComponentCount();
  units->Delete(0);  // frees mm
  EXPECT_EQ(form->ComponentCount(), components - 1);
  delete units;  // takes itself out of the menu and frees inch with it
  EXPECT_EQ(menu->Items().Count(), 3);
  EXPECT_EQ(form->ComponentCount(), components - 3);
}

}  // namespace
}  // namespace hd
