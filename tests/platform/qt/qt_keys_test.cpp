// Qt key events as the windowing systems deliver them, turned into key messages.
#include <gtest/gtest.h>

#include <QWindow>
#include <memory>

#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

// Qt's entry point for key input from the windowing system, as its test library uses it.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace hd {
namespace {

using test::TGuiKit;
using test::TMessageSpy;

// A held key on X11 arrives as press, then release and press pairs marked as repeats, then the
// last release. Each repeated release became a key up: a button clicked on every repeat.
TEST(QtKeys, HeldKeyRepeatsItsKeyDownAndGoesUpOnce) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  kit.Process();
  edit->SetFocus();
  QWindow* window = form->Native()->widget->windowHandle();
  std::vector<bool> repeats;
  edit->OnKeyDown = [&](TObject*, WORD&, TShiftState) { repeats.push_back(GetKeyState(VK_LEFT) < 0); };
  TMessageSpy spy(edit, {WM_KEYDOWN, WM_KEYUP});
  auto key = [&](QEvent::Type type, bool autorep) {
    qt_handleKeyEvent(window, type, Qt::Key_Left, Qt::NoModifier, QString(), autorep, 1);
  };
  key(QEvent::KeyPress, false);
  for (int i = 0; i < 2; ++i) {
    key(QEvent::KeyRelease, true);
    key(QEvent::KeyPress, true);
  }
  key(QEvent::KeyRelease, false);
  EXPECT_EQ(spy.Text(), "WM_KEYDOWN(37) WM_KEYDOWN(37) WM_KEYDOWN(37) WM_KEYUP(37)");
  EXPECT_EQ(repeats, (std::vector<bool>{true, true, true})) << "the key stays down between repeats";
  EXPECT_GE(GetKeyState(VK_LEFT), 0);
}

// AltGr types the third character of a key ("@" on a German Q). The platform reports it as
// Control and the right Alt key held: handlers see both, and the character still arrives.
TEST(QtKeys, AltGrIsReportedAsRightAltPlusControl) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  kit.Process();
  edit->SetFocus();
  QWindow* window = form->Native()->widget->windowHandle();
  std::string states;
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState shift) {
    if (key != 'Q') return;
    states += shift.Contains(ssCtrl) ? "ctrl " : "";
    states += shift.Contains(ssAlt) ? "alt " : "";
    states += GetKeyState(VK_RMENU) < 0 ? "right-alt " : "";
    states += GetKeyState(VK_LMENU) < 0 ? "left-alt " : "";
    states += GetKeyState(VK_CONTROL) < 0 ? "control" : "";
  };
  TMessageSpy spy(edit, {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR});
  qt_handleKeyEvent(window, QEvent::KeyPress, Qt::Key_AltGr, Qt::NoModifier, QString(), false, 1);
  qt_handleKeyEvent(window, QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, "@", false, 1);
  qt_handleKeyEvent(window, QEvent::KeyRelease, Qt::Key_Q, Qt::NoModifier, "@", false, 1);
  qt_handleKeyEvent(window, QEvent::KeyRelease, Qt::Key_AltGr, Qt::NoModifier, QString(), false, 1);
  kit.Process();

  EXPECT_EQ(spy.Text(),
            "WM_KEYDOWN(17) WM_KEYDOWN(18) WM_KEYDOWN(81) WM_CHAR(64) WM_KEYUP(81) WM_KEYUP(17) WM_KEYUP(18)");
  EXPECT_EQ(states, "ctrl alt right-alt control");
  EXPECT_EQ(edit->Text(), "@");
  for (int vk : {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU}) EXPECT_GE(GetKeyState(vk), 0) << vk;
}

}  // namespace
}  // namespace hd
