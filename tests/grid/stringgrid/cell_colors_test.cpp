// The decision of a cell's colours (own colour, bands, fixed colours, selection mixing), the
// looks and styles that set the colour sets, proportional scroll thumbs, and the per-cell style
// accessors; painting cells whose number is no number.
#include <gtest/gtest.h>

#include <string>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/lists.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/recording_canvas.h"
#include "platform/scroll_bars.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

using test::StringGridTest;

struct TCellLook {
  TColor Brush;
  TGridDrawState State;
  TColor FontColor;
};

TCellLook LookOf(TExtStringGrid& grid, int col, int row, TGridDrawState state = {}) {
  TBrush brush;
  TFont font;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  grid.GetVisualProperties(col, row, state, false, true, true, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
  return {brush.Color, state, font.Color};
}

TEST(BlendColorsTest, PercentPicksBetweenTheTwoAndClNoneGivesTheOther) {
  struct Case {
    const char* name;
    TColor a, b;
    int percent;
    TColor expected;
  };
  const Case cases[] = {
      {"100 gives the first", 0x0000FF, 0xFF0000, 100, 0x0000FF},
      {"0 gives the second", 0x0000FF, 0xFF0000, 0, 0xFF0000},
      {"50 averages each channel, halves to even", 0x000003, 0x000000, 50, 0x000002},
      {"first clNone", clNone, 0x123456, 50, 0x123456},
      {"second clNone", 0x123456, clNone, 50, 0x123456},
      {"25 percent", 0x0000FF, 0x000000, 25, 0x000040},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TExtStringGrid::BlendColors(c.a, c.b, c.percent), c.expected);
  }
}

TEST_F(StringGridTest, OwnColourBandsFixedColourAndSelectionInTheirOrder) {
  grid->SetLook(glStandard);
  grid->Bands().SetActive(true);
  grid->Bands().SetPrimaryColor(clYellow);
  grid->Bands().SetSecondaryColor(clAqua);
  grid->Bands().SetPrimaryLength(1);
  grid->Bands().SetSecondaryLength(1);
  grid->SetFixedColor(clBtnFace);
  // A plain text cell's own colour beats the bands and the fixed colour.
  grid->SetColors(2, 2, clRed);
  grid->SetColors(0, 3, clRed);
  EXPECT_EQ(LookOf(*grid, 2, 2).Brush, clRed);
  EXPECT_EQ(LookOf(*grid, 0, 3).Brush, clRed);
  // Bands alternate from the first normal row; the fixed column keeps the fixed colour.
  EXPECT_EQ(LookOf(*grid, 3, 1).Brush, clYellow);
  EXPECT_EQ(LookOf(*grid, 3, 2).Brush, clAqua);
  EXPECT_EQ(LookOf(*grid, 0, 4).Brush, clBtnFace);
  // A check-box cell's colour gives way to the fixed colour in a fixed column.
  grid->AddCheckBox(0, 5, cbChecked);
  grid->SetColors(0, 5, clRed);
  EXPECT_EQ(LookOf(*grid, 0, 5).Brush, clBtnFace);
  // The selection: pure on the grid colour, mixed on a coloured cell.
  grid->Bands().SetActive(false);
  grid->SetSelectionColor(0x000080);
  grid->SetSelection({2, 2, 3, 3});
  TCellLook plain = LookOf(*grid, 3, 3);
  EXPECT_EQ(plain.Brush, 0x000080);
  EXPECT_TRUE(plain.State.Contains(gdSelected));
  grid->SetSelectionColorMixer(true);
  grid->SetSelectionColorMixerFactor(50);
  grid->SetColors(2, 3, 0x000000);
  EXPECT_EQ(LookOf(*grid, 2, 3).Brush, 0x000040);
  // Bands of total length 0 leave the grid colour.
  grid->Bands().SetActive(true);
  grid->Bands().SetPrimaryLength(0);
  grid->Bands().SetSecondaryLength(0);
  EXPECT_EQ(LookOf(*grid, 4, 6).Brush, grid->Color());
}

TEST_F(StringGridTest, DisabledFontForADisabledRowOrADisabledGrid) {
  grid->SetDisabledFontColor(clGray);
  struct Case {
    const char* name;
    bool useDisabledFont, gridEnabled, rowEnabled;
    TColor expected;
  };
  const Case cases[] = {
      {"all enabled", true, true, true, clBlack},
      {"row disabled", true, true, false, clGray},
      {"grid disabled", true, false, true, clGray},
      {"row disabled, setting off", false, true, false, clBlack},
  };
  TFont font = grid->Font();
  font.Color = clBlack;
  grid->SetFont(font);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetUseDisabledFont(c.useDisabledFont);
    grid->SetEnabled(c.gridEnabled);
    grid->SetRowEnabled(4, c.rowEnabled);
    EXPECT_EQ(LookOf(*grid, 2, 4).FontColor, c.expected);
    EXPECT_EQ(LookOf(*grid, 2, 5).FontColor, c.gridEnabled || !c.useDisabledFont ? clBlack : clGray)
        << "another row";
  }
  grid->SetEnabled(true);
}

// Under disjunct column selection the selection rectangle of the platform grid does not make a
// cell selected: only marked columns show the selection, in the background and in the text.
TEST_F(StringGridTest, DisjunctColumnSelectionShowsOnlyTheMarkedColumns) {
  grid->MouseActions().SetDisjunctColSelect(true);
  grid->SetSelectionColor(0x800000);
  grid->SetSelectionTextColor(clWhite);
  TFont font = grid->Font();
  font.Color = clBlack;
  grid->SetFont(font);
  grid->SetSelection({2, 2, 3, 3});
  grid->SetColSelect(3, true);
  for (int col : {2, 3}) grid->SetCells(col, 2, "c" + std::to_string(col));
  TRecordingCanvas canvas(600, 400);
  for (int col : {2, 3}) grid->PaintCell(canvas, col, 2, grid->CellRect(col, 2), {gdSelected});
  struct Case {
    int col;
    TColor brush, font;
  };
  for (const Case& c : {Case{2, grid->Color(), clBlack}, Case{3, 0x800000, clWhite}}) {
    SCOPED_TRACE(c.col);
    EXPECT_EQ(LookOf(*grid, c.col, 2, {gdSelected}).Brush, c.brush);
    const TCanvasCall* text = nullptr;
    for (const TCanvasCall& call : canvas.Calls())
      if (call.Op == "DrawText" && call.Text == "c" + std::to_string(c.col)) text = &call;
    ASSERT_NE(text, nullptr) << canvas.Dump();
    EXPECT_EQ(text->FontColor, c.font);
  }
}

TEST_F(StringGridTest, StylesAndTonesSetTheirColourSets) {
  // A style whose look the grid already has leaves the look's hover colours alone.
  grid->SetLook(glXP);
  TColor defaultHover = TControlLook(nullptr).FixedGradientHoverFrom();
  grid->SetStyle(gsOffice2003Blue);
  EXPECT_EQ(grid->ControlLook().FixedGradientHoverFrom(), defaultHover);
  EXPECT_EQ(grid->DAZGradientFrom(), 0xFCE1CBu);
  EXPECT_EQ(grid->SelectionColor(), 0x94E6FBu);
  EXPECT_EQ(grid->SearchFooter().Color(), grid->DAZGradientFrom());
  // From another look it brings glXP's.
  grid->SetLook(glStandard);
  grid->SetStyle(gsOffice2003Blue);
  EXPECT_EQ(grid->ControlLook().FixedGradientHoverFrom(), 0xCFD0D1u);
  // Silver 2007 leaves the mirror colours as they were (on a grid already at its look).
  grid->SetLook(glOffice2007);
  grid->SetDAZGradientMirrorFrom(0x112233);
  grid->SetStyle(gsOffice2007Silver);
  EXPECT_EQ(grid->Look(), glOffice2007);
  EXPECT_EQ(grid->DAZGradientMirrorFrom(), 0x112233u);
  // Tones: classic look, flat, glyph check boxes.
  TColorTones tones;
  tones.Background.BrushColor = clWhite;
  tones.Foreground.BrushColor = 0x404040;
  tones.Selected.BrushColor = 0x800000;
  grid->SetColorTones(tones);
  EXPECT_EQ(grid->Look(), glClassic);
  EXPECT_TRUE(grid->Flat());
  EXPECT_EQ(grid->ControlLook().ControlStyle(), csGlyph);
  EXPECT_FALSE(grid->ControlLook().CheckedGlyph().Empty());
  EXPECT_EQ(grid->FixedColor(), 0x404040u);
  EXPECT_EQ(grid->SelectionColor(), 0x800000u);
  // A component style other than custom turns the thin scroll look back.
  grid->SetComponentStyle(tsOffice2007Luna);
  EXPECT_EQ(grid->ScrollType(), ssNormal);
}

TEST_F(StringGridTest, ProportionalThumbCoversTheVisibleShareOfTheColumns) {
  // Ten columns of 100 in a client 400 wide with one fixed column of 0: e is 0.4.
  grid->SetColCount(11);
  grid->SetFixedCols(1);
  grid->SetColWidths(0, 0);
  grid->SetGridLineWidth(0);
  for (int c = 1; c < 11; ++c) grid->SetColWidths(c, 100);
  grid->SetBounds(0, 0, 400 + (grid->Width() - grid->ClientWidth()), 300);
  kit.Process();
  ASSERT_EQ(grid->ClientWidth(), 400);
  grid->SetScrollProportional(true);
  grid->UpdateHorzScrollProportional();
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_HORZ, info));
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 212);
  EXPECT_EQ(info.nPage, 86u);
}

TEST_F(StringGridTest, FixedGradientGivenAsASystemColourIsKeptResolved) {
  // The control look keeps what it was given; the grid's gradient colours hold plain RGB.
  grid->ControlLook().SetFixedGradientFrom(clBtnFace);
  EXPECT_EQ(grid->ControlLook().FixedGradientFrom(), clBtnFace);
  EXPECT_EQ(grid->DAZGradientFrom(), ColorToRGB(clBtnFace));
  grid->ControlLook().SetFixedGradientHoverTo(clHighlight);
  EXPECT_EQ(grid->DAZGradientColor(fgHoverTo), ColorToRGB(clHighlight));
  grid->ControlLook().SetFixedGradientMirrorTo(clNone);
  EXPECT_EQ(grid->DAZGradientMirrorTo(), clNone) << "none stays none";
  // The switch to a look with a system colour as the gradient's end.
  grid->SetLook(glStandard);
  grid->SetLook(glXP);
  EXPECT_EQ(grid->DAZGradientTo(), ColorToRGB(clBtnFace));
  EXPECT_EQ(grid->SearchFooter().ColorTo(), ColorToRGB(clBtnFace));
}

TEST_F(StringGridTest, StyleAccessorsReadWithoutCreatingAndRowColourNoneDropsTheSettings) {
  EXPECT_EQ(grid->Colors(2, 2), clNone);
  EXPECT_EQ(grid->FontColors(2, 2), clNone);
  EXPECT_FALSE(grid->ReadOnly(2, 2));
  EXPECT_EQ(grid->FindCellProperties(2, 2), nullptr) << "reading creates nothing";
  grid->SetFontColors(2, 4, clRed);
  grid->SetRowColor(4, clYellow);
  EXPECT_EQ(grid->Colors(3, 4), clYellow);
  grid->SetRowColor(4, clNone);
  EXPECT_EQ(grid->FontColors(2, 4), clNone) << "the font colour went with the properties";
  EXPECT_EQ(grid->FindCellProperties(2, 4), nullptr);
  // A cell with an object keeps its properties and only loses the colour.
  grid->AddCheckBox(3, 4, cbChecked);
  grid->SetColors(3, 4, clRed);
  grid->SetRowColor(4, clNone);
  EXPECT_NE(grid->FindCellProperties(3, 4), nullptr);
  EXPECT_EQ(grid->Colors(3, 4), clNone);
}

TEST_F(StringGridTest, CellControlIsListedByRealRowAndGoesWithItsCount) {
  TEdit* edit = New<TEdit>(form.get());
  grid->SetCellControls(2, 3, edit);
  EXPECT_EQ(grid->CellControls(2, 3), edit);
  EXPECT_EQ(grid->ControlList().Count(), 1);
  EXPECT_EQ(grid->ControlList().ControlIndex(2, grid->RealRowIndex(3)), 0);
  EXPECT_EQ(edit->Parent(), grid);
  TRect cell = grid->CellRect(2, 3);
  EXPECT_EQ(edit->Left(), cell.Left - 1);
  EXPECT_EQ(edit->Width(), cell.Width() + 1);
  // Setting it again replaces the entry; none removes it.
  grid->SetCellControls(2, 3, edit);
  EXPECT_EQ(grid->ControlList().Count(), 1);
  grid->SetCellControls(2, 3, nullptr);
  EXPECT_EQ(grid->ControlList().Count(), 0);
  EXPECT_EQ(grid->CellControls(2, 3), nullptr);
}

TEST_F(StringGridTest, NumberShowingCellsPaintTextThatIsNoNumberAsZero) {
  for (TCellType type : {ctProgress, ctRating, ctRangeIndicator, ctXPProgress}) {
    SCOPED_TRACE(static_cast<int>(type));
    TCellGraphic* g = grid->CreateCellGraphic(2, 2);
    g->SetCellType(type);
    g->SetCellAngle(5);
    g->SetCellErrLen(100);
    grid->SetCells(2, 2, "not a number");
    TRecordingCanvas canvas(600, 400);
    EXPECT_NO_THROW(grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {}));
    EXPECT_FALSE(canvas.Calls().empty());
    // Exactly as a cell holding 0.
    grid->SetCells(2, 2, "0");
    TRecordingCanvas zero(600, 400);
    grid->PaintCell(zero, 2, 2, grid->CellRect(2, 2), {});
    EXPECT_EQ(canvas.Dump(), zero.Dump());
  }
}

TEST_F(StringGridTest, ScrolledCellKeepsTheClipItFound) {
  TCellGraphic* bar = grid->CreateCellGraphic(2, 2);
  bar->SetCellType(ctScrollbar);
  bar->SetCellIndex(10);   // scrolled by 10 pixels
  bar->SetCellAngle(20);   // page
  bar->SetCellErrFrom(0);  // a range of nothing draws no bar, and divides by nothing
  grid->SetCells(2, 2, "line\r\nline\r\nline");
  TRecordingCanvas canvas(600, 400);
  const TRect fixedFree = Rect(64, 22, 600, 400);
  canvas.SetClipRect(fixedFree);
  EXPECT_NO_THROW(grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {}));
  bar->SetCellErrFrom(100);
  grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
  EXPECT_EQ(canvas.ClipBox(), fixedFree);
}

}  // namespace
}  // namespace hd
