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

// Top and Left are the outer frame's corner: a form at the top of the screen has its client
// area below its own title bar, and the window system's report of where the client area went
// keeps the form where it was put.
TEST(QtFilter, FormAtTheScreensCornerHasItsClientAreaInsideItsFrame) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsSingle);
  form->SetClientSize(300, 200);
  form->SetBounds(0, 0, form->Width(), form->Height());
  form->Show();
  kit.Process();
  QWidget* window = form->Native()->widget;
  EXPECT_EQ(window->geometry(), QRect(3, 26, 300, 200));
  EXPECT_EQ((TPoint{form->Left(), form->Top()}), (TPoint{0, 0}));

  form->SetBounds(50, 40, form->Width(), form->Height());
  kit.Process();
  EXPECT_EQ(window->geometry(), QRect(53, 66, 300, 200));
  EXPECT_EQ((TPoint{form->Left(), form->Top()}), (TPoint{50, 40}));

  // The user drags the window: the client area's new place moves the frame with it.
  window->move(window->pos() + QPoint(10, 60));
  QCoreApplication::processEvents();
  EXPECT_EQ((TPoint{form->Left(), form->Top()}), (TPoint{window->geometry().x() - 3, window->geometry().y() - 26}));
  EXPECT_EQ(form->ClientToScreen({0, 0}), (TPoint{window->geometry().x(), window->geometry().y()}));
}

}  // namespace
}  // namespace hd
