// The drag arrows' shapes and the focus window's window style.
#include "grid/foundation/arrow_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/layered.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

TEST(ArrowWindowTest, EachRegionIsItsSevenPointArrowWithTheTipWhereItPoints) {
  TGuiKit kit;
  TForm form(nullptr);
  struct Case {
    const char* name;
    TArrowDirection dir;
    TPoint nearTip;
    TPoint farSide;  // the opposite side's middle, outside the arrow
  };
  const Case cases[] = {
      {"arrUp points up", arrUp, {5, 1}, {1, 8}},
      {"arrDown points down", arrDown, {5, 7}, {1, 1}},
      {"arrLeft points right", arrLeft, {7, 5}, {7, 1}},
      {"arrRight points left", arrRight, {1, 5}, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TArrowWindow w(&form, c.dir);
    EXPECT_EQ(w.Dir(), c.dir);
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.Color(), 0x00FF00u);
    EXPECT_EQ(w.PopupParent(), &form);
    std::optional<TRegion> region = GetWindowRgn(w.Handle());
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, TRegion::Polygon({w.Arrow().begin(), w.Arrow().end()}, WINDING));
    EXPECT_TRUE(region->Contains(c.nearTip.X, c.nearTip.Y));
    EXPECT_FALSE(region->Contains(c.farSide.X, c.farSide.Y));
    TRect box = region->Bounds();
    EXPECT_LE(box.Right, w.Width());
    EXPECT_LE(box.Bottom, w.Height());
  }
  EXPECT_EQ(TArrowWindow::ArrowPoints(arrLeft)[4], (TPoint{8, 5})) << "arrLeft's tip";
  EXPECT_EQ(TArrowWindow::ArrowPoints(arrRight)[0], (TPoint{0, 5})) << "arrRight's tip";
}

TEST(GridFocusWindowTest, StartsAsAnEmptyRedDisabledTopmostToolWindow) {
  TGuiKit kit;
  TForm form(nullptr);
  TGridFocusWindow w(&form);
  EXPECT_EQ(w.Width(), 0);
  EXPECT_EQ(w.Height(), 0);
  EXPECT_EQ(w.Color(), 0x0000FFu);
  EXPECT_FALSE(w.Enabled());
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(w.BorderStyle(), bsNone);
  const std::intptr_t ex = GetWindowLongPtr(w.Handle(), GWL_EXSTYLE);
  EXPECT_EQ(ex & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
}

}  // namespace
}  // namespace hd
