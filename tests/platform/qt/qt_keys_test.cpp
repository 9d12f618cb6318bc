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

}  // namespace
}  // namespace hd
