// The desktop's services: beeps, the double-click time, the window under a point, and the
// per-user settings store's answers for what it does not hold.
#include <gtest/gtest.h>

#include <memory>

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/ext_ctrls.h"
#include "platform/registry.h"
#include "testkit/gui_kit.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using test::TGuiKit;

TEST(DesktopTest, BeepsGoToTheSinkAndDoubleClickTimeIsThePlatforms) {
  TGuiKit kit;
  MessageBeep(0);
  MessageBeep(MB_ICONERROR);
  EXPECT_EQ(kit.Beeps(), (std::vector<unsigned>{0, MB_ICONERROR}));
  EXPECT_GT(GetDoubleClickTime(), 0u);
}

TEST(DesktopTest, WindowFromPointFindsTheDeepestWindowOnTheTopmostForm) {
  TGuiKit kit;
  auto back = std::make_unique<TForm>(nullptr);
  back->SetBounds(100, 100, 300, 200);
  auto front = std::make_unique<TForm>(nullptr);
  front->SetBounds(250, 150, 300, 200);
  auto* panel = new TPanel(back.get());
  panel->SetParent(back.get());
  panel->SetBounds(10, 10, 100, 80);
  auto* inner = new TPanel(back.get());
  inner->SetParent(panel);
  inner->SetBounds(5, 5, 40, 30);
  auto* hidden = new TPanel(back.get());
  hidden->SetParent(back.get());
  hidden->SetBounds(150, 10, 50, 50);
  hidden->Hide();
  auto* disabled = new TPanel(back.get());
  disabled->SetParent(back.get());
  disabled->SetBounds(150, 100, 50, 50);
  disabled->SetEnabled(false);
  back->Show();
  front->Show();
  back->SetFocus();
  kit.Process();

  auto at = [&](TControl* c, int x, int y) { return c->ClientToScreen({x, y}); };
  struct Case {
    const char* name;
    TPoint screen;
    HWND expected;
  };
  const std::vector<Case> cases = {
      {"nested child", at(inner, 1, 1), inner->Handle()},
      {"child outside its own child", at(panel, 90, 70), panel->Handle()},
      {"hidden child: the form", at(back.get(), 160, 20), back->Handle()},
      {"disabled child: the form", at(back.get(), 160, 110), back->Handle()},
      {"frame of the form", {back->Left() + 1, back->Top() + 1}, back->Handle()},
      {"overlap: the form activated last", at(back.get(), 200, 90), back->Handle()},
      {"the other form", at(front.get(), 250, 150), front->Handle()},
      {"no form", {5, 5}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WindowFromPoint(c.screen), c.expected);
  }
  front->SetFocus();
  kit.Process();
  EXPECT_EQ(WindowFromPoint(at(back.get(), 200, 90)), front->Handle());
}

TEST(DesktopTest, SettingsStoreAnswersMissingForUnknownKeysAndRefusesWritesWithoutAKey) {
  testkit::TempFolder dir;
  SetUserStoreFile(dir.File("store.ini"));
  TRegistry reg;
  EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Microsoft\\Office\\14.0\\Common\\General"));
  EXPECT_FALSE(reg.KeyExists("Software"));
  EXPECT_FALSE(reg.ValueExists("Theme"));
  EXPECT_EQ(reg.CurrentPath(), "");
  EXPECT_EQ(reg.ReadString("Col0"), "");
  try {
    reg.ReadInteger("Theme");
    ADD_FAILURE() << "a missing integer reads as an error";
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Failed to get data for 'Theme'");
  }
  EXPECT_THROW(reg.ReadBool("Flag"), ERegistryException);
  try {
    reg.WriteInteger("Col0", 64);
    ADD_FAILURE() << "no key is open to take the value";
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'Col0'");
  }
  EXPECT_THROW(reg.WriteString("Col0", "64"), ERegistryException);
  // Only the user's own root keeps values.
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(reg.OpenKey("Software\\HD58318", true));
  SetUserStoreFile("");
}

}  // namespace
}  // namespace hd
