// A scrolling control on screen: its children and its bars show inside a window of its own,
// whichever of the box, its child and its form got a window first.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <memory>

#include "platform/forms.h"
#include "platform/qt/qt_native.h"
#include "platform/scroll_bars.h"
#include "platform/scroll_box.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

class RedBlock : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    Canvas().Brush() = TBrush{clRed, bsSolid};
    Canvas().FillRect(ClientRect());
  }
};

TEST(QtScrollBoxTest, ChildAndBarShowWhicheverWindowCameFirst) {
  // The list of a drop-down puts its panel into the box before the box has a parent, and the
  // box into a popup that is already shown.
  for (bool boxAfterShow : {false, true}) {
    SCOPED_TRACE(boxAfterShow ? "box into a shown form" : "box into a form shown later");
    test::TGuiKit kit;
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetColor(clWhite);
    form->SetBounds(100, 100, 300, 200);
    if (boxAfterShow) {
      form->Show();
      kit.Process();
    }
    auto* box = new TScrollBox(form.get());
    box->SetColor(clWhite);
    auto* block = new RedBlock(box);
    block->SetParent(box);
    block->SetBounds(0, 50, 60, 200);
    box->SetParent(form.get());
    box->SetBounds(10, 10, 100, 100);
    if (!boxAfterShow) form->Show();
    kit.Process();
    EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible()) << "counted also before the box had a window";

    ASSERT_NE(block->Native(), nullptr);
    QWidget* blockWidget = block->Native()->widget;
    ASSERT_NE(box->Native(), nullptr) << "the box has a window for its child and bars";
    EXPECT_EQ(blockWidget->parentWidget(), box->Native()->widget);
    EXPECT_TRUE(blockWidget->isVisible());

    const QImage shot = form->Native()->widget->grab().toImage();
    EXPECT_EQ(shot.pixelColor(10 + 30, 10 + 70), QColor(255, 0, 0)) << "the child shows";
    EXPECT_EQ(shot.pixelColor(10 + 30, 10 + 20), QColor(255, 255, 255)) << "the box's own colour above it";
    EXPECT_EQ(shot.pixelColor(10 + 75, 10 + 70), QColor(255, 255, 255)) << "and beside it";
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_NE(shot.pixelColor(10 + 100 - bar / 2, 10 + 50), QColor(255, 255, 255)) << "the bar is drawn";

    // Scrolled to the end, the child covers the top of the box.
    box->VertScrollBar().SetPosition(1000);
    kit.Process();
    EXPECT_EQ(box->VertScrollBar().Position(), 150);
    const QImage scrolled = form->Native()->widget->grab().toImage();
    EXPECT_EQ(scrolled.pixelColor(10 + 30, 10 + 20), QColor(255, 0, 0));
  }
}

}  // namespace
}  // namespace hd
