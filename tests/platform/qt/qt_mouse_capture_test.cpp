// The mouse capture taken by code: moves over windows that are not the program's reach the
// window holding it, as they do on the platform.
#include <gtest/gtest.h>

#include <QWidget>
#include <QWindow>
#include <memory>

#include "platform/ext_ctrls.h"
#include "platform/qt/qt_native.h"
#include "testkit/gui_kit.h"

Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace hd {
namespace {

using test::TGuiKit;

TEST(QtMouseCapture, CaptureSetByCodeReceivesMovesFromOutsideTheProgramsWindows) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(100, 100, 300, 200);
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(10, 10, 100, 100);
  form->Show();
  // Another program's window, beside ours.
  QWidget other;
  other.setGeometry(600, 100, 200, 200);
  other.show();
  kit.Process();

  std::vector<TPoint> moves;
  auto previous = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_MOUSEMOVE) moves.push_back({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    previous(m);
  };
  int time = 1000;
  auto moveOverOther = [&](int x, int y) {
    QPoint local(x, y);
    qt_handleMouseEvent(other.windowHandle(), local, other.mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                        QEvent::MouseMove, Qt::NoModifier, time += 10);
    kit.Process();
  };

  moveOverOther(5, 5);
  EXPECT_TRUE(moves.empty()) << "without the capture the other window keeps its moves";

  SetCapture(panel->Handle());
  moveOverOther(20, 30);
  ASSERT_EQ(moves.size(), 1u);
  QPoint inPanel = panel->Native()->widget->mapFromGlobal(other.mapToGlobal(QPoint(20, 30)));
  EXPECT_EQ(moves[0], (TPoint{inPanel.x(), inPanel.y()})) << "in the capturing window's client coordinates";

  ReleaseCapture();
  moveOverOther(40, 40);
  EXPECT_EQ(moves.size(), 1u);
  panel->WindowProc = previous;
}

}  // namespace
}  // namespace hd
