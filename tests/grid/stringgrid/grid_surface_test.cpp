// The column grid of the Modbus read table painted whole: pixel probes of the default look's
// header gradient, selection, focus, data check boxes and grid lines; a wheel step is one
// paint; the update lock; and a PNG of the grid scrolled to row 300 for review.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "grid/stringgrid/column_grid.h"
#include "platform/desktop.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "platform/themes.h"
#include "testkit/gui_kit.h"
#include "testkit/modbus_grid_shape.h"

namespace hd {
namespace {

using test::kModbusSwapCol;
using test::kModbusSwapWordCol;

class ModbusGridPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(800, 600);
    grid = New<TExtColumnGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 800, 600);
    test::ShapeLikeModbusReadTable(*grid, 513);
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  // The grid as it shows now.
  TBitmap Shot() {
    TBitmap image(grid->ClientWidth(), grid->ClientHeight());
    grid->PaintTo(image.Canvas());
    return image;
  }

  test::TGuiKit kit;
  std::unique_ptr<TForm> form;
  TExtColumnGrid* grid = nullptr;
};

TEST_F(ModbusGridPaintTest, DefaultLookPaintsHeaderGradientSelectionFocusAndLines) {
  grid->SetTopRow(300);
  grid->SetSelection({2, 302, 3, 304});
  grid->SetFocus();
  kit.Process();
  TBitmap image = Shot();
  TCanvas& c = image.Canvas();
  // The header runs from DAZGradientFrom at its top to DAZGradientTo at its bottom.
  TRect header = grid->CellRect(5, 0);
  EXPECT_EQ(c.Pixel(header.Left + 10, header.Top), ColorToRGB(grid->DAZGradientFrom()));
  TColor low = c.Pixel(header.Left + 10, header.Bottom - 3);
  TColor to = ColorToRGB(grid->DAZGradientTo());
  EXPECT_NEAR(GetRValue(low), GetRValue(to), 8);
  EXPECT_NEAR(GetBValue(low), GetBValue(to), 8);
  // The fixed lines and the normal lines, at the cells' right edges.
  EXPECT_EQ(c.Pixel(header.Right - 1, header.Top + 5), ColorToRGB(grid->GridFixedLineColor()));
  TRect body = grid->CellRect(5, 310);
  EXPECT_EQ(c.Pixel(body.Right - 1, body.Top + 5), ColorToRGB(grid->GridLineColor()));
  EXPECT_EQ(c.Pixel(body.Left + 3, body.Bottom - 1), ColorToRGB(grid->GridLineColor()));
  EXPECT_EQ(c.Pixel(body.Left + 3, body.Top + 3), ColorToRGB(grid->Color()));
  // A selected cell that is not current takes the selection colour; the current one shows
  // the dotted focus rectangle inside its lines.
  TRect selected = grid->CellRect(2, 302);
  EXPECT_EQ(c.Pixel(selected.Left + 3, selected.Top + 3), ColorToRGB(grid->SelectionColor()));
  TRect current = grid->CellRect(3, 304);
  ASSERT_EQ(grid->Row(), 304);
  TColor inside = c.Pixel(current.Left + 3, current.Top + 3);
  EXPECT_NE(c.Pixel(current.Left + 1, current.Top + 1), inside) << "focus rectangle";
  // Without the focus the dotted rectangle goes.
  TEdit* other = New<TEdit>(form.get());
  other->SetParent(form.get());
  other->SetFocus();
  kit.Process();
  ASSERT_FALSE(grid->Focused());
  TBitmap unfocused = Shot();
  EXPECT_EQ(unfocused.Canvas().Pixel(current.Left + 1, current.Top + 1), inside);
}

TEST_F(ModbusGridPaintTest, DataCheckBoxShowsTheCellTextTickedOrNot) {
  grid->SetTopRow(300);
  kit.Process();
  // Row 300 holds "Y" in Swap (300 % 3 == 0) and "N" in Swap Word.
  ASSERT_EQ(grid->Cells(kModbusSwapCol, 300), "Y");
  ASSERT_EQ(grid->Cells(kModbusSwapWordCol, 300), "N");
  for (TControlLookStyle style : {csClassic, csWinXP, csTheme}) {
    SCOPED_TRACE(static_cast<int>(style));
    grid->ControlLook().SetControlStyle(style);
    TBitmap image = Shot();
    TCanvas& c = image.Canvas();
    auto boxCentre = [&](int col) {
      TRect r = grid->CellRect(col, 300);
      // Left-aligned text: the box starts at the content's left plus XYOffset, vertically
      // from its top.
      int left = r.Left + 1 + grid->XYOffset().X;
      int top = r.Top + 1 + grid->XYOffset().Y;
      return c.Pixel(left + 7, top + 8);
    };
    TColor ticked = boxCentre(kModbusSwapCol), unticked = boxCentre(kModbusSwapWordCol);
    EXPECT_NE(ticked, unticked);
    EXPECT_EQ(unticked, clWhite) << "an empty box is white inside";
    // The text itself is not drawn beside a data check box.
    EXPECT_EQ(c.Pixel(grid->CellRect(kModbusSwapCol, 300).Right - 6, grid->CellRect(kModbusSwapCol, 300).Top + 9),
              ColorToRGB(grid->Color()));
  }
}

TEST_F(ModbusGridPaintTest, OneWheelStepIsOnePaint) {
  grid->SetTopRow(300);
  // The wheel moves the current row by the desktop's wheel lines; from the last row shown the
  // view scrolls as far.
  grid->SetRow(300 + grid->VisibleRowCount() - 1);
  kit.Process();
  int paints = 0;
  grid->OnPainted = [&](TObject*) { ++paints; };
  kit.Wheel(grid, 200, 200, -120);
  kit.Process();
  EXPECT_EQ(grid->TopRow(), 300 + GetWheelScrollLines());
  EXPECT_EQ(paints, 1);
}

TEST_F(ModbusGridPaintTest, UpdateLockRepaintsOnlyAtTheOutermostEnd) {
  int paints = 0;
  grid->OnPainted = [&](TObject*) { ++paints; };
  grid->BeginUpdate();
  grid->BeginUpdate();
  grid->SetCells(1, 1, "changed");
  kit.Process();
  grid->EndUpdate();
  kit.Process();
  EXPECT_EQ(paints, 0);
  EXPECT_TRUE(grid->LockUpdate());
  grid->EndUpdate();
  kit.Process();
  EXPECT_EQ(paints, 1);
  EXPECT_FALSE(grid->LockUpdate());
  // Too many ends never take the counter below 0; a hidden grid does not count at all.
  grid->EndUpdate();
  grid->SetVisible(false);
  grid->BeginUpdate();
  EXPECT_FALSE(grid->LockUpdate());
  grid->SetVisible(true);
}

TEST_F(ModbusGridPaintTest, SizeLineDrawnTwiceLeavesTheCanvasAsBefore) {
  kit.Process();
  TBitmap before = Shot();
  grid->DrawColSizeLine(150);
  grid->DrawColSizeLine(150);
  const TBitmap* shown = grid->PaintedImage();
  ASSERT_NE(shown, nullptr);
  for (int y : {0, 100, 300})
    EXPECT_EQ(const_cast<TBitmap*>(shown)->Canvas().Pixel(150, y), before.Canvas().Pixel(150, y)) << y;
}

// A picture of the read table scrolled to row 300 with a selection, written for review next
// to the test binary (or where HD_REVIEW_DIR points).
TEST_F(ModbusGridPaintTest, WritesReviewPictureOfTheReadTableAtRow300) {
  grid->SetTopRow(300);
  grid->SetSelection({1, 303, 4, 306});
  grid->SetFocus();
  kit.Process();
  TBitmap image = Shot();
  const char* dir = std::getenv("HD_REVIEW_DIR");
  std::string path = std::string(dir ? dir : ".") + "/modbus_read_grid_row300.png";
  image.SaveToFile(path);
  TBitmap back;
  back.LoadFromFile(path);
  EXPECT_EQ(back.Width(), grid->ClientWidth());
  EXPECT_EQ(back.Height(), grid->ClientHeight());
}

}  // namespace
}  // namespace hd
