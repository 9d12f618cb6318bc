// Pumping Qt's events from the layer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "platform/hint_window.h"
#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// A check box's click runs while the layer hands the click to the widget. A handler there that
// pumps messages (a modal form's loop does) let the input that arrived meanwhile past the
// layer: typing went into the edit without key messages, so OnKeyPress could not swallow it.
TEST(QtApp, TheWheelLinesAreTheDesktopsSetting) {
  TGuiKit kit;
  const int before = QApplication::wheelScrollLines();
  QApplication::setWheelScrollLines(5);
  EXPECT_EQ(GetWheelScrollLines(), 5);
  QApplication::setWheelScrollLines(before);
}

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

// The shown tool-tip windows and their texts.
std::vector<std::pair<std::string, QRect>> ShownTips() {
  std::vector<std::pair<std::string, QRect>> tips;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* label = qobject_cast<QLabel*>(w); label && label->isVisible() && (w->windowFlags() & Qt::ToolTip))
      tips.emplace_back(label->text().toStdString(), label->geometry());
  return tips;
}

// Each hint window has a native window of its own: two show at once, each where its owner put
// it, and hiding one leaves the other.
TEST(QtApp, HintWindowsShowTheirOwnWindowsBesideEachOther) {
  TGuiKit kit;
  THintWindow a, b;
  TRect size = a.CalcHintRect(100, "Row : 181");
  EXPECT_GT(size.Width(), 0);
  EXPECT_LE(size.Width(), 100);
  EXPECT_GT(size.Height(), 0);
  EXPECT_EQ(size.Left, 0);
  a.ActivateHint(Rect(50, 60, 50 + size.Width(), 60 + size.Height()), "Row : 181");
  b.ActivateHint(Rect(200, 60, 260, 80), "Col : 3");
  kit.Process();
  auto tips = ShownTips();
  ASSERT_EQ(tips.size(), 2u);
  std::sort(tips.begin(), tips.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  EXPECT_EQ(tips[0].first, "Col : 3");
  EXPECT_EQ(tips[0].second, QRect(200, 60, 60, 20));
  EXPECT_EQ(tips[1].first, "Row : 181");
  EXPECT_EQ(tips[1].second.topLeft(), QPoint(50, 60));
  b.ReleaseHandle();
  kit.Process();
  tips = ShownTips();
  ASSERT_EQ(tips.size(), 1u);
  EXPECT_EQ(tips[0].first, "Row : 181");
  EXPECT_FALSE(b.Showing());
  EXPECT_TRUE(a.Showing());
  a.ReleaseHandle();
  kit.Process();
  EXPECT_TRUE(ShownTips().empty());
}

}  // namespace
}  // namespace hd
