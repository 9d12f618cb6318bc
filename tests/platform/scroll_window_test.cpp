// Scrolling a window's pixels: they move, what waited to be painted moves with them, only the
// part uncovered is painted, and children follow when asked.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/scroll_window.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// A view over a plane of 10-pixel squares, each of its own colour; (ox, oy) is the plane's
// point at the client's top-left. It counts the pixels it is asked to paint.
class TPlaneView : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int ox = 0, oy = 0;
  long long paintedArea = 0;

 protected:
  void Paint() override {
    TCanvas& c = Canvas();
    TRect area = PaintRect();
    paintedArea += static_cast<long long>(area.Width()) * area.Height();
    for (int y = (area.Top + oy) / 10 * 10 - oy - 10; y < area.Bottom; y += 10)
      for (int x = (area.Left + ox) / 10 * 10 - ox - 10; x < area.Right; x += 10) {
        int sx = (x + ox) / 10, sy = (y + oy) / 10;
        c.Brush().Color = RGB((sx * 41) & 255, (sy * 67) & 255, ((sx + sy) * 13) & 255);
        c.FillRect(Rect(x, y, x + 10, y + 10));
      }
  }
};

std::string FirstDifference(const TBitmap& a, const TBitmap& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if ((a.ScanLine(y)[x] & 0xFFFFFFu) != (b.ScanLine(y)[x] & 0xFFFFFFu))
        return "pixel " + std::to_string(x) + "," + std::to_string(y);
  return "";
}

class ScrollWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 300);
    view = new TPlaneView(form.get());
    view->SetBounds(0, 0, 200, 200);
    view->SetParent(form.get());
    view->ox = view->oy = 1000;
    form->Show();
    kit.Process();
    view->Update();
  }
  void TearDown() override { form.reset(); }
  std::string ShownAgainstRepaint() {
    view->Update();
    TBitmap full(200, 200);
    view->PaintTo(full.Canvas());
    return FirstDifference(*view->PaintedImage(), full);
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TPlaneView* view = nullptr;
};

TEST_F(ScrollWindowTest, ThePixelsMoveAndOnlyThePartUncoveredIsPainted) {
  struct Case {
    const char* name;
    int dx, dy;
    TRect uncovered;
    long long area;  // pixels of the uncovered region
    int kind;
  };
  const Case cases[] = {
      {"up", 0, -15, {0, 185, 200, 200}, 200 * 15, SIMPLEREGION},
      {"right", 7, 0, {0, 0, 7, 200}, 7 * 200, SIMPLEREGION},
      {"both ways", -5, 12, {0, 0, 200, 200}, 200 * 12 + 5 * 188, COMPLEXREGION},
      {"farther than the window", 0, 250, {0, 0, 200, 200}, 200 * 200, SIMPLEREGION},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRegion uncovered;
    TRect bounds;
    EXPECT_EQ(ScrollWindowEx(view->Handle(), c.dx, c.dy, nullptr, nullptr, &uncovered, &bounds, SW_INVALIDATE),
              c.kind);
    EXPECT_EQ(bounds, c.uncovered);
    long long area = 0;
    for (const TRect& r : uncovered.Rects()) area += static_cast<long long>(r.Width()) * r.Height();
    EXPECT_EQ(area, c.area);
    EXPECT_EQ(view->UpdateRegion(), uncovered);
    view->ox -= c.dx;
    view->oy -= c.dy;
    view->paintedArea = 0;
    EXPECT_EQ(ShownAgainstRepaint(), "");
    // The paint after the scroll covered the bounds of the uncovered part, no more.
    EXPECT_LE(view->paintedArea - 200 * 200, static_cast<long long>(bounds.Width()) * bounds.Height());
  }
  EXPECT_EQ(ScrollWindowEx(view->Handle(), 0, 0, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE), NULLREGION);
}

TEST_F(ScrollWindowTest, OnlyTheScrolledPartMovesAndWhatWaitedMovesWithIt) {
  TBitmap before(200, 200);
  view->PaintTo(before.Canvas());
  TRect waiting = Rect(40, 60, 60, 70);
  InvalidateRect(view->Handle(), &waiting, false);
  // Rows 50..150 move up by 20; above and below stay as they are.
  TRect part = Rect(0, 50, 200, 150);
  ScrollWindowEx(view->Handle(), 0, -20, &part, &part, nullptr, nullptr, SW_INVALIDATE);
  // The waiting rectangle went to 40,40..60,50, out of the part: only the strip uncovered at
  // the part's bottom waits.
  EXPECT_EQ(view->UpdateRegion(), TRegion(Rect(0, 130, 200, 150)));
  const TBitmap& shown = *view->PaintedImage();
  EXPECT_EQ(shown.ScanLine(49)[5], before.ScanLine(49)[5]) << "above the part";
  EXPECT_EQ(shown.ScanLine(150)[5], before.ScanLine(150)[5]) << "below the part";
  EXPECT_EQ(shown.ScanLine(100)[5], before.ScanLine(120)[5]) << "inside, from 20 pixels further down";
}

TEST_F(ScrollWindowTest, PendingPixelsStillWaitWhereTheyWent) {
  TRect waiting = Rect(40, 60, 60, 70);
  InvalidateRect(view->Handle(), &waiting, false);
  ScrollWindowEx(view->Handle(), 5, -20, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
  const TRegion& pending = view->UpdateRegion();
  EXPECT_TRUE(pending.Contains(45, 40) && pending.Contains(64, 49));
  EXPECT_FALSE(pending.Contains(41, 61));
}

TEST_F(ScrollWindowTest, ChildrenMeetingThePartMoveWhenAsked) {
  auto* inside = new TPlaneView(form.get());
  inside->SetParent(view);
  inside->SetBounds(20, 100, 30, 30);
  auto* outside = new TPlaneView(form.get());
  outside->SetParent(view);
  outside->SetBounds(20, 10, 30, 20);
  TRect part = Rect(0, 50, 200, 200);
  ScrollWindowEx(view->Handle(), 3, -10, &part, &part, nullptr, nullptr, SW_INVALIDATE);
  EXPECT_EQ(inside->BoundsRect(), Rect(20, 100, 50, 130)) << "children stay without SW_SCROLLCHILDREN";
  ScrollWindowEx(view->Handle(), 3, -10, &part, &part, nullptr, nullptr, SW_INVALIDATE | SW_SCROLLCHILDREN);
  EXPECT_EQ(inside->BoundsRect(), Rect(23, 90, 53, 120));
  EXPECT_EQ(outside->BoundsRect(), Rect(20, 10, 50, 30));
}

}  // namespace
}  // namespace hd
