// The native windows behind popups, topmost and tool windows, shapes and translucency.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "platform/layered.h"
#include "platform/qt/qt_native.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

TEST(QtTopLevel, WindowFollowsOwnerStylesShapeAndAlpha) {
  TGuiKit kit;
  auto owner = std::make_unique<TForm>(nullptr);
  auto popup = std::make_unique<TForm>(nullptr);
  popup->SetBorderStyle(bsNone);
  popup->SetBounds(10, 10, 100, 60);
  QWidget* w = popup->Native()->widget;

  popup->SetPopupParent(owner.get());
  popup->SetFormStyle(fsStayOnTop);
  SetWindowLongPtr(popup->Handle(), GWL_EXSTYLE, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED);
  ShowWindow(popup->Handle(), SW_SHOWNOACTIVATE);
  EXPECT_EQ(w->parentWidget(), owner->Native()->widget);
  EXPECT_TRUE(w->isWindow());
  EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(w->windowType(), Qt::Tool);
  EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(w->isVisible());

  ASSERT_TRUE(SetLayeredWindowAttributes(popup->Handle(), 0, 102, LWA_ALPHA));
  EXPECT_NEAR(w->windowOpacity(), 0.4, 0.01);
  ASSERT_TRUE(SetWindowRgn(popup->Handle(), TRegion(Rect(0, 0, 100, 60)) - TRegion(Rect(4, 4, 96, 56))));
  EXPECT_TRUE(w->mask().contains(QPoint(1, 1)));
  EXPECT_FALSE(w->mask().contains(QPoint(50, 30)));

  // Back to an ordinary window of its own.
  popup->SetFormStyle(fsNormal);
  SetWindowLongPtr(popup->Handle(), GWL_EXSTYLE, 0);
  popup->SetPopupParent(nullptr);
  EXPECT_EQ(w->parentWidget(), nullptr);
  EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(w->windowType(), Qt::Window);
  EXPECT_DOUBLE_EQ(w->windowOpacity(), 1.0);
}

}  // namespace
}  // namespace hd
