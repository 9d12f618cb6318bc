// Popup menus on Qt: the native menu the items become, driven by keys inside the layer's loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <memory>

#include "platform/menus.h"
#include "platform/timers.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// The program's own loop runner on the real clock: a timer posts a message whose handler
// chooses an item with the keyboard while the native menu is open, so the menu cannot be
// running a loop of its own that holds back timers and posted messages.
TEST(QtMenus, NativeMenuShowsTheItemsAndTheLayersLoopTakesItsChoice) {
  TGuiKit kit;
  TModalRunner* kitRunner = SetModalRunner(nullptr);
  SetClock(nullptr);
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientSize(200, 100);
  form->Show();
  kit.Process();
  TPopupMenu menu(nullptr);
  TMenuItem* disabled = NewItem(nullptr, "&Disabled");
  disabled->SetEnabled(false);
  menu.Items().Add(disabled);
  menu.Items().Add(NewItem(nullptr, "-"));
  TMenuItem* checked = NewItem(nullptr, "Chec&ked");
  checked->SetChecked(true);
  menu.Items().Add(checked);
  std::string clicked;
  checked->OnClick = [&](TObject*) { clicked = "checked"; };

  constexpr std::uintptr_t kChoose = 1, kGiveUp = 2;
  QStringList seen;
  auto previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    previous(m);
    if (m.Msg == WM_TIMER && m.WParam == kChoose) {
      KillTimer(form->Handle(), kChoose);
      PostMessage(form->Handle(), WM_APP);
    } else if (m.Msg == WM_TIMER && m.WParam == kGiveUp) {
      KillTimer(form->Handle(), kGiveUp);
      ADD_FAILURE() << "the menu was not chosen in time";
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    } else if (m.Msg == WM_APP) {
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(popup, nullptr) << "the menu is open while posted messages are delivered";
      for (QAction* a : popup->actions())
        seen << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isChecked() ? "*" : "") + (a->isEnabled() ? "" : "(off)"));
      for (int key : {Qt::Key_Down, Qt::Key_Return}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(popup, &press);
      }
    }
  };
  SetTimer(form->Handle(), kChoose, 20);
  SetTimer(form->Handle(), kGiveUp, 5000);
  menu.Popup(10, 10);
  kit.Process();
  KillTimersOf(form->Handle());
  form->WindowProc = previous;
  SetModalRunner(kitRunner);
  SetClock(&kit.Clock());

  EXPECT_EQ(seen, (QStringList{"&Disabled(off)", "-", "Chec&ked*"}));
  EXPECT_EQ(clicked, "checked") << "Down skips the disabled item and the separator";
}

}  // namespace
}  // namespace hd
