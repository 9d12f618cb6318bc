#include <gtest/gtest.h>

#include "platform/ext_ctrls.h"
#include "platform/menus.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

TEST(ContextMenuTest, RightReleaseShiftF10AndTheMenuKeyPopTheControlsMenu) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 300, 200);
  auto* edit = new TEdit(panel);
  edit->SetParent(panel);
  edit->SetBounds(20, 20, 100, 24);
  auto* bare = new TEdit(panel);
  bare->SetParent(panel);
  bare->SetBounds(20, 100, 100, 24);
  TEventLog log;
  auto* editMenu = new TPopupMenu(&form);
  editMenu->Items().Add(NewItem(editMenu, "&Copy", [&](TObject*) { log.Note("copy"); }));
  auto* panelMenu = new TPopupMenu(&form);
  panelMenu->Items().Add(NewItem(panelMenu, "Refresh", [&](TObject*) { log.Note("refresh"); }));
  edit->SetPopupMenu(editMenu);
  panel->SetPopupMenu(panelMenu);
  form.Show();
  kit.Process();

  struct Case {
    const char* name;
    TWinControl* target;
    std::function<void()> trigger;
    const char* item;
    TPopupMenu* menu;
    TPoint at;  // client point of the target; (-1, -1) its middle
    const char* clicks;
  };
  const Case cases[] = {
      {"right release", edit, [&] { kit.Click(edit, 7, 9, mbRight); }, "Copy", editMenu, {7, 9}, "copy"},
      {"Shift+F10", edit, [&] { kit.Press(VK_F10, {ssShift}); }, "Copy", editMenu, {-1, -1}, "copy"},
      {"menu key", edit, [&] { kit.Press(VK_APPS); }, "Copy", editMenu, {-1, -1}, "copy"},
      {"a control without a menu asks its parent", bare, [&] { kit.Click(bare, 5, 6, mbRight); }, "Refresh",
       panelMenu, {5, 6}, "refresh"},
      {"F10 alone is no menu key", edit, [&] { kit.Press(VK_F10); }, nullptr, nullptr, {}, ""},
      {"the left button pops nothing", edit, [&] { kit.Click(edit, 7, 9); }, nullptr, nullptr, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.Clear();
    c.target->SetFocus();
    size_t loops = kit.ModalLog().size();
    if (c.item) kit.ChooseMenuItem(c.item);
    c.trigger();
    kit.Process();
    EXPECT_EQ(log.Text(), c.clicks);
    EXPECT_EQ(kit.ModalLog().size(), loops + (c.item ? 1 : 0)) << "the menu runs in the modal runner";
    if (!c.menu) continue;
    EXPECT_EQ(c.menu->PopupComponent(), c.menu == editMenu ? static_cast<TComponent*>(edit) : panel);
    TPoint at = c.at.X == -1 ? TPoint{c.target->ClientWidth() / 2, c.target->ClientHeight() / 2} : c.at;
    EXPECT_EQ(c.menu->PopupPoint(), c.target->ClientToScreen(at));
  }

  delete editMenu;
  EXPECT_EQ(edit->PopupMenu(), nullptr) << "a freed menu leaves the control";
}

}  // namespace
}  // namespace hd
