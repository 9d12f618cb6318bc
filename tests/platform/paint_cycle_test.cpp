// The paint cycle of own-drawn controls: the update region, painting only what waits, the
// redraw switch, PaintTo, and the control canvas outside painting.
#include <gtest/gtest.h>

#include <memory>

#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/recording_canvas.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// Ten by ten cells of 20 pixels; the paint visits only the cells that meet the paint
// rectangle, as the grid does.
class TCellPad : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int paints = 0;
  TColor fill = clYellow;

 protected:
  void Paint() override {
    ++paints;
    TCanvas& c = Canvas();
    TRect area = PaintRect();
    for (int row = 0; row < 10; ++row)
      for (int col = 0; col < 10; ++col) {
        TRect cell = Rect(col * 20, row * 20, col * 20 + 19, row * 20 + 19);
        if (!IntersectRect(cell, area)) continue;
        c.Brush().Color = fill;
        c.FillRect(cell);
      }
  }

 private:
  static bool IntersectRect(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
  }
};

class PaintCycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 300);
    pad = new TCellPad(form.get());
    pad->SetBounds(0, 0, 200, 200);
    pad->SetParent(form.get());
    form->Show();
    kit.Process();
    pad->Update();
  }
  void TearDown() override { form.reset(); }

  int CellFills(const TRecordingCanvas& rec) {
    int n = 0;
    for (const TCanvasCall& call : rec.CallsOf("FillRect"))
      if (call.Brush == clYellow) ++n;
    return n;
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TCellPad* pad = nullptr;
};

TEST_F(PaintCycleTest, InvalidatedRectangleRepaintsOnlyTheCellsInsideIt) {
  ASSERT_GE(pad->paints, 1);
  EXPECT_FALSE(GetUpdateRect(pad->Handle(), nullptr, false));
  TRect dirty = Rect(25, 25, 55, 45);
  InvalidateRect(pad->Handle(), &dirty, true);
  TRect more = Rect(30, 30, 35, 50);
  InvalidateRect(pad->Handle(), &more, true);
  TRect pending;
  ASSERT_TRUE(GetUpdateRect(pad->Handle(), &pending, false));
  EXPECT_EQ(pending, Rect(25, 25, 55, 50));

  TRecordingCanvas rec(200, 200);
  pad->PaintTo(rec, pad->UpdateRegion());
  EXPECT_EQ(CellFills(rec), 4);  // columns 1 and 2 of rows 1 and 2
  // The erase and the cells stay inside the update region.
  rec.ClearCalls();
  pad->PaintTo(rec);
  EXPECT_EQ(CellFills(rec), 100);

  int before = pad->paints;
  const TBitmap* buffer = pad->PaintedImage();
  pad->fill = clRed;
  UpdateWindow(pad->Handle());
  EXPECT_EQ(pad->paints, before + 1);
  EXPECT_FALSE(GetUpdateRect(pad->Handle(), nullptr, false));
  const TBitmap* image = pad->PaintedImage();
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image, buffer) << "one back buffer for every paint";
  TCanvas& shown = const_cast<TBitmap*>(image)->Canvas();
  EXPECT_EQ(shown.Pixel(30, 30), clRed);    // inside
  EXPECT_EQ(shown.Pixel(32, 47), clRed);    // inside the second rectangle only
  EXPECT_EQ(shown.Pixel(60, 30), clYellow); // painted before
  EXPECT_EQ(shown.Pixel(10, 10), clYellow);
  // Cells that meet the region are filled whole, but the canvas keeps to the region itself,
  // not to its bounding rectangle.
  EXPECT_EQ(shown.Pixel(21, 21), clYellow);
  EXPECT_EQ(shown.Pixel(50, 47), clYellow);
}

TEST_F(PaintCycleTest, RedrawSwitchedOffStopsPaintingUntilSwitchedOn) {
  int before = pad->paints;
  pad->Perform(WM_SETREDRAW, 0);
  pad->Invalidate();
  pad->Update();
  kit.Process();
  EXPECT_EQ(pad->paints, before);
  EXPECT_TRUE(GetUpdateRect(pad->Handle(), nullptr, false));
  pad->Perform(WM_SETREDRAW, 1);
  pad->Update();
  EXPECT_EQ(pad->paints, before + 1);
  kit.Process();
  EXPECT_EQ(pad->paints, before + 1);
}

TEST_F(PaintCycleTest, ValidatedPartIsNotPainted) {
  pad->Invalidate();
  TRect keep = Rect(0, 0, 200, 100);
  ValidateRect(pad->Handle(), &keep);
  TRect pending;
  ASSERT_TRUE(GetUpdateRect(pad->Handle(), &pending, false));
  EXPECT_EQ(pending, Rect(0, 100, 200, 200));
  ValidateRect(pad->Handle(), nullptr);
  EXPECT_FALSE(GetUpdateRect(pad->Handle(), nullptr, false));
}

// A control that holds its repaints back while locked sees the layer's own requests too.
class TLockedPad : public TCellPad {
 public:
  using TCellPad::TCellPad;
  bool locked = false;
  int requests = 0;
  void Invalidate() override {
    ++requests;
    if (!locked) TCellPad::Invalidate();
  }
};

TEST_F(PaintCycleTest, LayerRepaintRequestsReachTheControlsOwnInvalidate) {
  auto* locked = new TLockedPad(form.get());
  locked->SetBounds(0, 0, 50, 50);
  locked->SetParent(form.get());
  kit.Process();
  locked->Update();
  locked->locked = true;
  locked->SetColor(clRed);  // the colour change repaints through Invalidate
  locked->Repaint();
  EXPECT_EQ(locked->requests, 2);
  EXPECT_FALSE(GetUpdateRect(locked->Handle(), nullptr, false));
  locked->locked = false;
  static_cast<TControl*>(locked)->Invalidate();
  EXPECT_EQ(locked->requests, 3);
  EXPECT_TRUE(GetUpdateRect(locked->Handle(), nullptr, false));
}

TEST_F(PaintCycleTest, ControlCanvasMeasuresAnytimeAndDrawsOnTheShownImage) {
  TFont font;
  font.Name = kTestFontName;
  font.Size = 10;
  pad->SetFont(font);
  EXPECT_FALSE(pad->Painting());
  TCanvas& c = pad->Canvas();
  EXPECT_EQ(c.Font().Name, kTestFontName);
  EXPECT_GT(c.TextWidth("Cell"), 0);
  int before = pad->paints;
  pad->Update();
  // A focus mark drawn during a mouse move shows without a paint, and goes when drawn again.
  TRect mark = Rect(40, 40, 80, 60);
  TColor was = pad->Canvas().Pixel(40, 40);
  pad->Canvas().DrawFocusRect(mark);
  EXPECT_NE(pad->PaintedImage()->Width(), 0);
  EXPECT_NE(pad->Canvas().Pixel(40, 40), was);
  TBitmap picture;
  picture.LoadFromFile(kit.RenderPng(pad, "control_canvas_mark"));
  EXPECT_EQ(picture.Canvas().Pixel(40, 40), pad->Canvas().Pixel(40, 40)) << "the window shows the mark";
  pad->Canvas().DrawFocusRect(mark);
  EXPECT_EQ(pad->Canvas().Pixel(40, 40), was);
  EXPECT_EQ(pad->paints, before + 1);  // the font change's repaint only
}

TEST_F(PaintCycleTest, ShowNowShowsTheControlCanvasBeforeTheLoopRuns) {
  kit.Process();
  test::TMessageSpy spy(pad, {WM_PAINT});
  pad->Canvas().DrawFocusRect(Rect(40, 40, 80, 60));
  EXPECT_TRUE(spy.Entries().empty()) << "drawing only asks the window to show the image";
  pad->ShowNow();
  EXPECT_EQ(spy.Entries().size(), 1u) << "the window showed it at once";
  kit.Process();
  EXPECT_EQ(spy.Entries().size(), 1u) << "nothing was left waiting";
}

}  // namespace
}  // namespace hd
