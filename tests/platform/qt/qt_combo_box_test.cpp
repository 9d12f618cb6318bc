// The combo box on screen: its face painted through the control, its list drawn by it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "platform/ext_ctrls.h"
#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace hd {
namespace {

using test::TGuiKit;

class QtComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 200);
    combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetBounds(10, 10, 145, 21);
    for (const char* item : {"red", "green", "blue"}) combo->Items().Add(item);
    form->Show();
    kit.Process();
  }
  QComboBox* Widget() { return static_cast<QComboBox*>(combo->Native()->widget); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TComboBox* combo = nullptr;
};

TEST_F(QtComboBoxTest, WhatTheHandlerPaintsOverTheFaceIsWhatTheScreenShows) {
  auto previous = combo->WindowProc;
  combo->WindowProc = [&](TMessage& m) {
    previous(m);
    if (m.Msg == WM_PAINT && m.WParam) {
      TCanvas& canvas = *reinterpret_cast<TCanvas*>(m.WParam);
      canvas.Brush().Color = clRed;
      canvas.FrameRect(combo->ClientRect());
    }
  };
  QImage shown = Widget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(144, 20), QColor(255, 0, 0));
  combo->WindowProc = previous;
}

// A control's own border goes on in WM_NCPAINT, which every paint sends after WM_PAINT with
// the same canvas: it lies over whatever the face painted.
TEST_F(QtComboBoxTest, NonClientPaintFollowsThePaintOnTheSameCanvasAndShows) {
  std::vector<UINT> order;
  TCanvas* painted = nullptr;
  auto previous = combo->WindowProc;
  combo->WindowProc = [&](TMessage& m) {
    previous(m);
    if (m.Msg == WM_PAINT) {
      order.push_back(m.Msg);
      painted = reinterpret_cast<TCanvas*>(m.WParam);
      painted->Brush().Color = clRed;
      painted->FrameRect(combo->ClientRect());
    }
    if (m.Msg == WM_NCPAINT && m.LParam) {
      order.push_back(m.Msg);
      auto* window = reinterpret_cast<TCanvas*>(m.LParam);
      EXPECT_EQ(window, painted);
      EXPECT_EQ(m.WParam, 1u);
      window->Brush().Color = clBlue;
      window->FrameRect(Rect(0, 0, combo->Width(), combo->Height() - 1));
    }
  };
  QImage shown = Widget()->grab().toImage();
  combo->WindowProc = previous;
  EXPECT_EQ(order, (std::vector<UINT>{WM_PAINT, WM_NCPAINT}));
  EXPECT_EQ(shown.pixelColor(0, 0), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(144, 19), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(40, 20), QColor(255, 0, 0)) << "the bottom row kept the paint's frame";
}

// Qt closes the list whenever the combo is hidden; only a list that was open reports it.
TEST_F(QtComboBoxTest, HidingTheComboReportsCloseUpOnlyForAnOpenList) {
  int closeUps = 0;
  combo->OnCloseUp = [&](TObject*) { ++closeUps; };
  combo->SetVisible(false);
  kit.Process();
  EXPECT_EQ(closeUps, 0);
  combo->SetVisible(true);
  combo->SetDroppedDown(true);
  kit.Process();
  ASSERT_TRUE(combo->DroppedDown());
  combo->SetVisible(false);
  kit.Process();
  EXPECT_EQ(closeUps, 1);
  EXPECT_FALSE(combo->DroppedDown());
  combo->OnCloseUp = nullptr;
}

TEST_F(QtComboBoxTest, OwnerDrawnListItemsAreDrawnAndMeasuredByTheControl) {
  combo->SetStyle(csOwnerDrawVariable);
  combo->SetItemIndex(1);
  combo->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 20 + 4 * index; };
  std::vector<std::pair<int, TOwnerDrawState>> drawn;
  combo->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
    if (state.Contains(odComboBoxEdit)) return;
    drawn.push_back({index, state});
    combo->Canvas().FillRect(rect);
  };
  combo->Perform(CB_SETDROPPEDWIDTH, 260);
  combo->SetDroppedDown(true);
  kit.Process();
  QAbstractItemView* view = Widget()->view();
  ASSERT_TRUE(view->isVisible());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(view->visualRect(view->model()->index(i, 0)).height(), 20 + 4 * i) << i;
  EXPECT_GE(view->window()->width(), 260) << "the list takes the dropped width";
  drawn.clear();
  view->viewport()->grab();
  ASSERT_EQ(drawn.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(drawn[static_cast<size_t>(i)].first, i);
  EXPECT_TRUE(drawn[1].second.Contains(odSelected)) << "the current item is drawn selected";
  EXPECT_FALSE(drawn[0].second.Contains(odSelected));
  combo->SetDroppedDown(false);
}

}  // namespace
}  // namespace hd

namespace hd {
namespace {

// A press on the face that drops the list ends in the list; the face must not keep the mouse,
// or the next click anywhere in the window would reopen the list.
TEST_F(QtComboBoxTest, AListDroppedByThePressThenClosedLeavesTheNextClickToWhereItIsMade) {
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(10, 100, 200, 60);
  kit.Process();
  std::vector<std::string> presses;
  panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    presses.push_back(std::to_string(x) + "," + std::to_string(y));
  };
  struct Case {
    const char* name;
    bool pickByMouse;
  } cases[] = {{"picked by mouse", true}, {"closed by code", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    presses.clear();
    kit.Click(combo, combo->Width() - 8, 10);
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(GetCapture(), HWND{0}) << "the list holds the mouse, not the face";
    if (c.pickByMouse) {
      QAbstractItemView* list = Widget()->view();
      QWindow* popup = list->window()->windowHandle();
      ASSERT_NE(popup, nullptr);
      QRect item = list->visualRect(list->model()->index(2, 0));
      QPoint at = list->viewport()->mapTo(list->window(), item.center());
      QPoint global = list->window()->mapToGlobal(at);
      static int time = 100000;
      qt_handleMouseEvent(popup, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                          Qt::NoModifier, time += 10);
      qt_handleMouseEvent(popup, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                          Qt::NoModifier, time += 10);
      kit.Process();
      EXPECT_EQ(combo->ItemIndex(), 2);
    } else {
      combo->SetDroppedDown(false);
      kit.Process();
    }
    ASSERT_FALSE(combo->DroppedDown());
    kit.Click(panel, 30, 20);
    EXPECT_EQ(presses, (std::vector<std::string>{"30,20"}));
    EXPECT_FALSE(combo->DroppedDown()) << "the click did not go back to the face";
  }
}

TEST_F(QtComboBoxTest, AHiddenControlGivesUpTheMouse) {
  SetCapture(combo->Handle());
  combo->SetVisible(false);
  EXPECT_EQ(GetCapture(), HWND{0});
}

// The list shows DropDownCount items with a scroll bar, below the face, or above it where the
// screen ends; it is never narrower than its widest item.
TEST_F(QtComboBoxTest, TheListShowsDropDownCountItemsBelowTheFaceOrAboveIt) {
  combo->Items().Clear();
  for (int i = 0; i < 500; ++i) combo->Items().Add(std::to_string(i));
  combo->Items().Add("an item much wider than the face");
  const QRect screen = form->Native()->widget->screen()->availableGeometry();
  struct Case {
    const char* name;
    int formTop;
    bool below;
  } cases[] = {{"room below", 100, true}, {"at the screen's foot", screen.bottom() - 60, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form->SetBounds(100, c.formTop, 320, 50);
    kit.Process();
    combo->SetDroppedDown(true);
    kit.Process();
    ASSERT_TRUE(combo->DroppedDown());
    QAbstractItemView* list = Widget()->view();
    const QRect popup = list->window()->geometry();
    const QRect face(Widget()->mapToGlobal(QPoint(0, 0)), Widget()->size());
    const int rowHeight = list->visualRect(list->model()->index(0, 0)).height();
    ASSERT_GT(rowHeight, 0);
    EXPECT_LE(popup.height(), rowHeight * 8 + 12) << "8 items at a time";
    EXPECT_GE(popup.height(), rowHeight * 8);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    if (c.below)
      EXPECT_GE(popup.top(), face.bottom());
    else
      EXPECT_LE(popup.bottom(), face.top());
    EXPECT_GE(popup.width(), list->sizeHintForColumn(0));
    combo->SetDroppedDown(false);
    kit.Process();
  }
}

}  // namespace
}  // namespace hd
