// Window shapes and translucency: where a shaped, mouse-transparent or per-pixel-alpha window
// takes the mouse, and what the layered facilities accept.
#include <gtest/gtest.h>

#include <memory>

#include "platform/desktop.h"
#include "platform/layered.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class LayeredTest : public ::testing::Test {
 protected:
  void SetUp() override {
    below = std::make_unique<TForm>(nullptr);
    below->SetBorderStyle(bsNone);
    below->SetBounds(50, 50, 400, 300);
    below->Show();
    shaped = std::make_unique<TForm>(nullptr);
    shaped->SetBorderStyle(bsNone);
    shaped->SetBounds(100, 100, 200, 150);
    shaped->Show();
    kit.Process();
  }
  void TearDown() override {
    shaped.reset();
    below.reset();
  }
  // The form the mouse meets at a point of the shaped form's window.
  HWND At(int x, int y) { return WindowFromPoint({100 + x, 100 + y}); }

  TGuiKit kit;
  std::unique_ptr<TForm> below;
  std::unique_ptr<TForm> shaped;
};

TEST_F(LayeredTest, ShapedWindowTakesTheMouseOnlyInsideItsRegion) {
  // A five-pointed star drawn in one stroke: its core is filled only by the winding rule.
  TRegion star = TRegion::Polygon({{100, 0}, {160, 150}, {10, 50}, {190, 50}, {40, 150}}, WINDING);
  ASSERT_TRUE(SetWindowRgn(shaped->Handle(), star - TRegion(Rect(80, 20, 120, 40))));
  struct Case {
    const char* name;
    TPoint p;
    bool onShaped;
  };
  const Case cases[] = {
      {"top point of the star", {100, 10}, true},
      {"core, filled by the winding rule", {100, 80}, true},
      {"lower left point", {60, 120}, true},
      {"in the cut out rectangle", {100, 30}, false},
      {"between two points", {20, 120}, false},
      {"window corner", {0, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(At(c.p.X, c.p.Y), c.onShaped ? shaped->Handle() : below->Handle());
  }
  ASSERT_TRUE(SetWindowRgn(shaped->Handle(), std::nullopt));
  EXPECT_EQ(At(0, 0), shaped->Handle());
  EXPECT_FALSE(SetWindowRgn(0, std::nullopt));
}

TEST_F(LayeredTest, TransparentWindowsLetTheMouseThrough) {
  auto* edit = new TEdit(shaped.get());
  edit->SetParent(shaped.get());
  edit->SetBounds(40, 40, 80, 21);
  EXPECT_EQ(At(50, 50), edit->Handle());
  SetWindowLongPtr(edit->Handle(), GWL_EXSTYLE, WS_EX_TRANSPARENT);
  EXPECT_EQ(At(50, 50), shaped->Handle());
  SetWindowLongPtr(shaped->Handle(), GWL_EXSTYLE, WS_EX_TRANSPARENT | WS_EX_LAYERED);
  EXPECT_EQ(At(50, 50), below->Handle());
  SetWindowLongPtr(shaped->Handle(), GWL_EXSTYLE, 0);
  EXPECT_EQ(At(50, 50), shaped->Handle());
  // A child is not made translucent here: refused rather than reported done.
  SetWindowLongPtr(edit->Handle(), GWL_EXSTYLE, WS_EX_LAYERED);
  EXPECT_FALSE(SetLayeredWindowAttributes(edit->Handle(), 0, 128, LWA_ALPHA));
}

TEST_F(LayeredTest, ConstantAlphaNeedsTheLayeredStyle) {
  HWND h = shaped->Handle();
  EXPECT_FALSE(SetLayeredWindowAttributes(h, 0, 128, LWA_ALPHA));
  EXPECT_EQ(LayeredWindowAlpha(h), 255);
  shaped->SetAlphaBlendValue(230);
  shaped->SetAlphaBlend(true);
  EXPECT_NE(GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(LayeredWindowAlpha(h), 230);
  // A colour key is not offered: refused, the alpha kept.
  EXPECT_FALSE(SetLayeredWindowAttributes(h, clWhite, 10, LWA_COLORKEY | LWA_ALPHA));
  EXPECT_EQ(LayeredWindowAlpha(h), 230);
  shaped->SetAlphaBlend(false);
  EXPECT_EQ(GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(LayeredWindowAlpha(h), 255);
}

TEST_F(LayeredTest, PerPixelAlphaPictureIsKeptAndItsClearPixelsLetTheMouseThrough) {
  HWND h = shaped->Handle();
  TBitmap image;
  image.SetPixelFormat(pf32bit);
  image.SetSize(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) image.ScanLine(y)[x] = x < 20 ? 0x80402000u : 0u;  // half, premultiplied
  BLENDFUNCTION blend;
  TPoint at{120, 130};
  EXPECT_FALSE(UpdateLayeredWindow(h, &at, image, blend)) << "not a layered window";
  SetWindowLongPtr(h, GWL_EXSTYLE, WS_EX_LAYERED);
  TBitmap notPremultiplied = image;
  notPremultiplied.ScanLine(0)[0] = 0x10FF0000u;
  EXPECT_FALSE(UpdateLayeredWindow(h, &at, notPremultiplied, blend));
  EXPECT_EQ(LayeredWindowImage(h), nullptr);

  ASSERT_TRUE(UpdateLayeredWindow(h, &at, image, blend));
  EXPECT_EQ(shaped->BoundsRect(), Bounds(120, 130, 40, 30));
  const TBitmap* shown = LayeredWindowImage(h);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->ScanLine(5)[5], 0x80402000u);
  EXPECT_EQ(WindowFromPoint({125, 135}), h);
  EXPECT_EQ(WindowFromPoint({150, 135}), below->Handle());
}

}  // namespace
}  // namespace hd
