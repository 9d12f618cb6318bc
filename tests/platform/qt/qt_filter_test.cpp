// The event filter of the native widgets: what reaches the layer from Qt's own dispatch.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "platform/qt/qt_native.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// The window manager resizes the window: the form follows and runs its resize handler below
// Qt's dispatch, which must not see the handler's exception.
TEST(QtFilter, ResizeHandlerThatThrowsWhenTheUserResizesTheWindow) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientSize(300, 200);
  form->Show();
  kit.Process();
  form->OnResize = [](TObject*) { throw Exception("Layout failed"); };
  QWidget* window = form->Native()->widget;
  EXPECT_NO_THROW({
    window->resize(400, 250);
    QCoreApplication::processEvents();
  });
  EXPECT_EQ(form->ClientWidth(), 400);
  EXPECT_EQ(form->ClientHeight(), 250);
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "Layout failed.");
  form->OnResize = nullptr;
  window->resize(420, 260);
  QCoreApplication::processEvents();
  EXPECT_EQ(form->ClientWidth(), 420) << "the window goes on following its widget";
}

}  // namespace
}  // namespace hd
