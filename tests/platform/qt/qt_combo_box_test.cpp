// The combo box on screen: its face painted through the control, its list drawn by it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <memory>

#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

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
