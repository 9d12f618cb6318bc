// Pumping Qt's events from the layer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <memory>

#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// A check box's click runs while the layer hands the click to the widget. A handler there that
// pumps messages (a modal form's loop does) let the input that arrived meanwhile past the
// layer: typing went into the edit without key messages, so OnKeyPress could not swallow it.
TEST(QtApp, InputPumpedFromInsideAForwardedEventGoesThroughTheLayer) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientSize(300, 200);
  auto* box = new TCheckBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(10, 10, 100, 20);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 40, 100, 21);
  form->Show();
  kit.Process();
  std::string pressed;
  edit->OnKeyPress = [&](TObject*, TKeyChar& key) {
    pressed += static_cast<char>(key);
    key = 0;
  };
  box->OnClick = [&](TObject*) {
    edit->SetFocus();
    QCoreApplication::postEvent(edit->Native()->widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
    Application().ProcessMessages();
  };
  kit.Click(box);
  kit.Process();
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(pressed, "x");
  EXPECT_EQ(edit->Text(), "");
}

}  // namespace
}  // namespace hd
