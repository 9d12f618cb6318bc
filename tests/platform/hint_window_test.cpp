#include "platform/hint_window.h"

#include <gtest/gtest.h>

#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// A hint class of a control's own: a fixed size, its data noted, a red bar painted.
class TBarHint : public THintWindow {
 public:
  static inline void* seenData = nullptr;
  TRect CalcHintRect(int, const std::string&, void* AData) override {
    seenData = AData;
    return Rect(0, 0, 80, 30);
  }

 protected:
  void Paint() override {
    THintWindow::Paint();
    Canvas().Brush().Color = clRed;
    Canvas().Brush().Style = bsSolid;
    Canvas().FillRect(Rect(4, 20, 76, 26));
  }
};

class TOtherHint : public THintWindow {};

TEST(HintWindowTest, HintThroughAControlsClassPaintsOnItsCanvas) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(10, 10, 100, 21);
  edit->SetHint("Address");
  edit->SetShowHint(true);
  auto* plain = new TEdit(&form);
  plain->SetParent(&form);
  plain->SetBounds(10, 100, 100, 21);
  plain->SetHint("Port");
  plain->SetShowHint(true);
  form.Show();
  kit.Process();
  int data = 42;
  auto previous = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    previous(m);
    if (m.Msg != CM_HINTSHOW) return;
    auto* info = reinterpret_cast<THintInfo*>(m.LParam);
    info->HintWindowClass = HintClassOf<TBarHint>();
    info->HintData = &data;
  };

  kit.MoveMouse(edit, 5, 5);
  kit.Advance(500);
  ASSERT_TRUE(Application().HintShowing());
  auto* window = dynamic_cast<TBarHint*>(Application().HintWindow());
  ASSERT_NE(window, nullptr) << "the class CM_HINTSHOW named shows the hint";
  EXPECT_EQ(TBarHint::seenData, &data);
  EXPECT_EQ(Application().HintRect().Width(), 80);
  EXPECT_EQ(Application().HintRect().Height(), 30);
  ASSERT_NE(window->PaintedImage(), nullptr);
  TBitmap picture = *window->PaintedImage();
  EXPECT_EQ(picture.Width(), 80);
  EXPECT_EQ(picture.Canvas().Pixel(40, 22), clRed);
  EXPECT_EQ(picture.Canvas().Pixel(40, 2), ColorToRGB(clInfoBk)) << "the base class's background under it";

  // The application's class serves hints that name none.
  SetHintWindowClass(HintClassOf<TOtherHint>());
  kit.MoveMouse(plain, 5, 5);
  kit.Advance(600);
  ASSERT_TRUE(Application().HintShowing());
  EXPECT_NE(dynamic_cast<TOtherHint*>(Application().HintWindow()), nullptr);
  EXPECT_EQ(Application().HintWindow()->Caption(), "Port");
  SetHintWindowClass(nullptr);
  Application().CancelHint();
  edit->WindowProc = previous;
}

}  // namespace
}  // namespace hd
