#include "grid/stringgrid/ext_string_grid.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/filter_settings.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/grid_panels.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/print_settings.h"
#include "grid/stringgrid/settings_kit.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/scroll_bars.h"

namespace hd::test {
namespace {

TEST(ExtStringGridDefaults, NewGridHasEveryDefault) {
  TGuiKit kit;
  std::unique_ptr<TExtStringGrid> g(New<TExtStringGrid>(nullptr));
  ExpectDefaults({
      // The platform grid's own.
      HD_DEFAULT(g->ColCount(), 5),
      HD_DEFAULT(g->FixedCols(), 1),
      HD_DEFAULT(g->FixedRows(), 1),
      HD_DEFAULT(g->DefaultColWidth(), 64),
      HD_DEFAULT(g->GridLineWidth(), 1),
      HD_DEFAULT(g->FixedColor(), clBtnFace),
      HD_DEFAULT(g->BorderStyle(), bsSingle),
      HD_DEFAULT(g->ScrollBars(), ssBoth),
      HD_DEFAULT(g->Options().Bits(),
                 (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}.Bits())),
      // Size.
      HD_DEFAULT(g->RowCount(), 10),
      HD_DEFAULT(g->Width(), 400),
      HD_DEFAULT(g->Height(), 250),
      HD_DEFAULT(g->DefaultRowHeight(), 22),
      HD_DEFAULT(g->RowHeights(9), 22),
      HD_DEFAULT(g->FixedRowHeight(), 22),
      HD_DEFAULT(g->AutoSize(), false),
      // Text and fonts.
      HD_DEFAULT(g->FloatFormat(), "%.2f"),
      HD_DEFAULT(g->CheckTrue(), "Y"),
      HD_DEFAULT(g->CheckFalse(), "N"),
      HD_DEFAULT(g->PasswordChar(), '*'),
      HD_DEFAULT(g->Delimiter(), 0),
      HD_DEFAULT(g->DefaultAlignment(), taLeftJustify),
      HD_DEFAULT(g->VAlignment(), vtaTop),
      HD_DEFAULT(g->VAlign(), 0),
      HD_DEFAULT(g->DefaultEditor(), edNormal),
      HD_DEFAULT(g->WordWrap(), true),
      HD_DEFAULT(g->EnableHTML(), true),
      HD_DEFAULT(g->XMLEncoding(), "ISO-8859-1"),
      HD_DEFAULT(g->FixedFont().Name, "Tahoma"),
      HD_DEFAULT(g->FixedFont().Style.Bits(), TFontStyles{fsBold}.Bits()),
      HD_DEFAULT(g->ActiveCellFont().Style.Bits(), TFontStyles{fsBold}.Bits()),
      // Colours.
      HD_DEFAULT(g->SelectionColor(), 0xEACAB6),
      HD_DEFAULT(g->SelectionColorTo(), clNone),
      HD_DEFAULT(g->SelectionMirrorColor(), clNone),
      HD_DEFAULT(g->SelectionMirrorColorTo(), clNone),
      HD_DEFAULT(g->SelectionTextColor(), 0),
      HD_DEFAULT(g->SelectionColorMixerFactor(), 50),
      HD_DEFAULT(g->SelectionRectangleColor(), 0),
      HD_DEFAULT(g->HintColor(), static_cast<TColor>(0xFF000018)),
      HD_DEFAULT(g->HighlightColor(), static_cast<TColor>(0xFF00000D)),
      HD_DEFAULT(g->HighlightTextColor(), static_cast<TColor>(0xFF00000E)),
      HD_DEFAULT(g->URLColor(), 0xFF0000),
      HD_DEFAULT(g->DisabledFontColor(), 0xC0C0C0),
      HD_DEFAULT(g->ActiveCellColor(), 0x808080),
      HD_DEFAULT(g->ActiveCellColorTo(), clNone),
      HD_DEFAULT(g->DAZGradientFrom(), 0xFFFFFF),
      HD_DEFAULT(g->DAZGradientTo(), ColorToRGB(clBtnFace)),
      HD_DEFAULT(g->DAZGradientMirrorFrom(), clNone),
      HD_DEFAULT(g->DAZGradientMirrorTo(), clNone),
      HD_DEFAULT(g->ScrollColor(), clNone),
      HD_DEFAULT(g->BorderColor(), 0xB99D7F),
      // Look.
      HD_DEFAULT(g->Look(), glXP),
      HD_DEFAULT(g->ScrollType(), ssNormal),
      HD_DEFAULT(g->ScrollWidth(), GetSystemMetrics(SM_CXVSCROLL)),
      HD_DEFAULT(g->ShowSelection(), true),
      HD_DEFAULT(g->HideFocusRect(), false),
      HD_DEFAULT(g->FixedAsButtons(), false),
      HD_DEFAULT(g->HoverFixedCells(), hfNone),
      HD_DEFAULT(g->InvalidEntryIcon(), ieWarning),
      HD_DEFAULT(g->HintShowLargeTextPos(), hpCell),
      HD_DEFAULT(g->UseInternalHintClass(), true),
      HD_DEFAULT(g->UseDisabledFont(), true),
      HD_DEFAULT(g->ShowDesignHelper(), true),
      HD_DEFAULT(g->ShowNullDates(), true),
      HD_DEFAULT(g->IntelliZoom(), true),
      HD_DEFAULT(g->EnableWheel(), true),
      HD_DEFAULT(g->EnhRowColMove(), true),
      HD_DEFAULT(g->FitCellsInGrid(), true),
      // Filter.
      HD_DEFAULT(g->FilterDropDownClear(), "(All)"),
      HD_DEFAULT(g->FilterDropDownColumns(), fdNormal),
      HD_DEFAULT(g->FilterNormalCellsOnly(), true),
      HD_DEFAULT(g->AutoFilterUpdate(), true),
      HD_DEFAULT(g->FilterIncremental(), false),
      // Files and clipboard.
      HD_DEFAULT(g->SaveFixedCells(), true),
      HD_DEFAULT(g->SaveFixedRows(), false),
      HD_DEFAULT(g->SaveFixedCols(), false),
      HD_DEFAULT(g->SaveHiddenCells(), false),
      HD_DEFAULT(g->SaveVirtCells(), true),
      HD_DEFAULT(g->SaveWithHTML(), true),
      HD_DEFAULT(g->LoadFirstRow(), true),
      HD_DEFAULT(g->QuoteEmptyCells(), true),
      HD_DEFAULT(g->AlwaysQuotes(), false),
      HD_DEFAULT(g->JavaCSV(), false),
      HD_DEFAULT(g->ExcelClipboardFormat(), false),
      HD_DEFAULT(g->ClearTextOnly(), false),
      HD_DEFAULT(g->PrinterDriverFix(), false),
      // Sizes and limits: a grid made in code is loaded, which sets the minimums.
      HD_DEFAULT(g->MinRowHeight(), 22),
      HD_DEFAULT(g->MaxRowHeight(), 0),
      HD_DEFAULT(g->MinColWidth(), 10),
      HD_DEFAULT(g->MaxColWidth(), 0),
      HD_DEFAULT(g->SizeGrowOnly(), false),
      HD_DEFAULT(g->ZoomFactor(), 0),
      HD_DEFAULT(g->GroupColumn(), -1),
      HD_DEFAULT(g->XYOffset().X, 2),
      HD_DEFAULT(g->XYOffset().Y, 2),
      // Unnamed settings start at zero, false or empty.
      HD_DEFAULT(g->FixedFooters(), 0),
      HD_DEFAULT(g->FixedRowAlways(), false),
      HD_DEFAULT(g->SpreadSheet(), false),
      HD_DEFAULT(g->MaxEditLength(), 0),
      // The hide tables and the owned objects' set-up.
      HD_DEFAULT(g->NumHiddenColumns(), 0),
      HD_DEFAULT(g->NumHiddenRows(), 0),
      HD_DEFAULT(g->GetColVisible(512), true),
      HD_DEFAULT(g->FooterPanel()->Align(), alBottom),
      HD_DEFAULT(g->FooterPanel()->Height(), 0),
      HD_DEFAULT(g->FooterPanel()->HintCol(), -1),
      HD_DEFAULT(g->DropList()->Visible(), false),
      HD_DEFAULT(g->DropList()->Width(), 0),
      HD_DEFAULT(g->DropList()->Parent() == g.get(), true),
      HD_DEFAULT(g->FilterList().Sorted(), true),
      HD_DEFAULT(g->FilterList().Duplicates(), dupIgnore),
      HD_DEFAULT(g->FloatingFooter().Height(), 22),
      HD_DEFAULT(g->ColumnOrder().Count(), 5),
      HD_DEFAULT(g->OrigColSizes().Count(), 5),
      HD_DEFAULT(g->Version(), "6.2.1.3"),
      HD_DEFAULT(g->GetVersionString(), "6.2.1.3 Sep, 2012"),
      HD_DEFAULT(LinkCursor(), crHandPoint),
  });
}

}  // namespace
}  // namespace hd::test

namespace hd::test {
namespace {

// A window description's grid: its properties are set while the window loads, and Loaded
// follows once the window is whole.
class TGridForm : public TForm {
 public:
  using TForm::TForm;
  TExtStringGrid* grid = nullptr;

 protected:
  void Create() override {
    TForm::Create();
    SetClientSize(500, 300);
    grid = New<TExtStringGrid>(this);
    grid->SetParent(this);
    grid->SetColCount(7);
    grid->SetRowCount(6);
    grid->SetFixedRowAlways(true);
    grid->SetFixedRows(2);
    grid->SetDefaultRowHeight(30);
    grid->SetColWidths(3, 90);
    grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    TStringList headers;
    headers.SetCommaText("Name,Two\\nLines");
    grid->ColumnHeaders().Assign(headers);
  }
};

TEST(ExtStringGridLoading, GridLoadedInCodeSetsWhatALoadedWindowSets) {
  TGuiKit kit;
  std::unique_ptr<TGridForm> form(New<TGridForm>(nullptr));
  TExtStringGrid& g = *form->grid;
  EXPECT_EQ(g.MinColWidth(), 10);
  EXPECT_EQ(g.MinRowHeight(), 30);
  EXPECT_EQ(g.ColumnOrder().StrValue(), "0,1,2,3,4,5,6");
  EXPECT_EQ(g.OrigColSizes().StrValue(), "64,64,64,90,64,64,64");
  EXPECT_EQ(g.MaxRowCount(), 6);
  // The editor-always option becomes the navigation setting.
  EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
  EXPECT_TRUE(g.Navigation().AlwaysEdit());
  EXPECT_EQ(g.Cells(0, 0), "Name");
  EXPECT_EQ(g.Cells(1, 0), "Two\rLines");
  // The fixed rows read while loading are the minimum the grid keeps coming back to.
  g.SetRowCount(2);
  EXPECT_EQ(g.FixedRows(), 1);
  g.SetRowCount(10);
  EXPECT_EQ(g.FixedRows(), 2);

  form->Show();
  kit.Process();
  EXPECT_TRUE(TimerActive(g.Handle(), 111));
  // The grid timer ticks every 500 ms.
  TMessageSpy spy(&g, {WM_TIMER});
  auto ticks = [&] {
    int n = 0;
    for (const TMessageSpy::Entry& e : spy.Entries()) n += e.wp == 111;
    return n;
  };
  std::vector<int> tickTimes;
  for (int ms = 1; ms <= 1200 && tickTimes.size() < 2; ++ms) {
    int n = ticks();
    kit.Advance(1);
    if (ticks() > n) tickTimes.push_back(ms);
  }
  ASSERT_EQ(tickTimes.size(), 2u);
  EXPECT_EQ(tickTimes[1] - tickTimes[0], 500);
}

// A window description's grid that fits its columns to their texts.
class TAutoSizeForm : public TForm {
 public:
  using TForm::TForm;
  TExtStringGrid* grid = nullptr;

 protected:
  void Create() override {
    TForm::Create();
    grid = New<TExtStringGrid>(this);
    grid->SetParent(this);
    TFont fixedMetrics;
    fixedMetrics.Name = kTestFontName;
    grid->SetFont(fixedMetrics);
    grid->SetCells(1, 1, "abc");
    grid->SetCells(2, 3, "abcdef");
    grid->SetAutoSize(true);
  }
};

TEST(ExtStringGridLoading, AutoSizeFitsTheNormalColumnsOnceLoadedAndWhenSwitchedOn) {
  TGuiKit kit;
  std::unique_ptr<TAutoSizeForm> form(New<TAutoSizeForm>(nullptr));
  TExtStringGrid& g = *form->grid;
  TCanvas& canvas = g.Canvas();
  canvas.Font() = g.Font();
  const int ch = canvas.TextWidth("x");
  ASSERT_GT(ch, 0);
  // Text offsets on both sides and a line and a pixel beside the text.
  const int room = 2 * g.XYOffset().X + 2 * (g.GridLineWidth() + 1);

  // Loading sizes with a margin of 4, the fixed column left alone.
  EXPECT_EQ(g.ColWidths(0), 64);
  EXPECT_EQ(g.ColWidths(1), 3 * ch + room + 4);
  EXPECT_EQ(g.ColWidths(2), 6 * ch + room + 4);
  EXPECT_EQ(g.ColWidths(4), room + 4);
  // What the loaded grid remembers for stretching are the fitted widths.
  EXPECT_EQ(g.OrigColSizes().Items(1), 3 * ch + room + 4);

  g.SetAutoSize(false);
  g.SetCells(1, 2, "abcdefgh");
  EXPECT_EQ(g.ColWidths(1), 3 * ch + room + 4);
  // Switched on in a loaded grid: a margin of 10, added after MinColWidth raised the width.
  g.SetMinColWidth(room + 12);
  g.SetAutoSize(true);
  EXPECT_EQ(g.ColWidths(1), 8 * ch + room + 10);
  EXPECT_EQ(g.ColWidths(4), room + 12 + 10);
}

TEST_F(StringGridTest, FixedRowAlwaysKeepsAFixedRowAndRemembersWhatWasAsked) {
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);

  grid->SetRowCount(2);
  grid->SetFixedRows(3);
  EXPECT_EQ(grid->TBaseGrid::FixedRows(), 1);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->FixedRows(), 3);

  grid->SetFixedRowAlways(false);
  EXPECT_THROW(grid->SetFixedRows(10), EInvalidGridOperation);
}

TEST_F(StringGridTest, AssignCopiesSettingsSizesAndCells) {
  std::unique_ptr<TExtStringGrid> source(New<TExtStringGrid>(nullptr));
  source->SetColCount(3);
  source->SetRowCount(4);
  source->SetColWidths(1, 40);
  source->SetColWidths(2, 77);
  source->SetRowHeights(3, 50);
  source->SetCheckTrue("X");
  source->Navigation().SetAdvanceOnEnter(true);
  source->SetActiveCellColor(clRed);
  source->SetCells(2, 3, "c");
  source->SetCells(0, 0, "h");
  grid->SetColWidths(4, 99);
  grid->SetCells(1, 1, "old");

  grid->Assign(source.get());
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->ColWidths(1), 40);
  EXPECT_EQ(grid->ColWidths(2), 77);
  EXPECT_EQ(grid->RowHeights(3), 50);
  EXPECT_TRUE(grid->Navigation().AdvanceOnEnter());
  EXPECT_EQ(grid->ActiveCellColor(), clRed);
  EXPECT_EQ(grid->Cells(2, 3), "c");
  EXPECT_EQ(grid->Cells(0, 0), "h");
  EXPECT_EQ(grid->Cells(1, 1), "");
  // CheckTrue is not among what a grid copies.
  EXPECT_EQ(grid->CheckTrue(), "Y");

  TPersistent other;
  grid->Assign(&other);
  EXPECT_EQ(grid->ColCount(), 3);
}

TEST_F(StringGridTest, IntegralHeightCutsTheHeightToWholeRows) {
  grid->SetColCount(3);
  grid->SetIntegralHeight(true);
  grid->SetHeight(250);
  // 250 + 2 - (248 mod 22) with a single border and every column shown.
  EXPECT_EQ(grid->Height(), 246);
}

TEST_F(StringGridTest, StretchColumnFillsTheClientWidth) {
  grid->SetBorderStyle(bsNone);
  grid->SetScrollBars(ssNone);
  grid->SetBounds(0, 0, 500, 200);
  grid->SetColCount(3);
  grid->SetColWidths(0, 100);
  grid->SetColWidths(1, 100);
  grid->SetColWidths(2, 50);
  grid->StretchColumn(-1);
  EXPECT_EQ(grid->ColWidths(2), 50);  // only with ColumnSize.Stretch
  grid->ColumnSize().SetStretch(true);
  grid->StretchColumn(-1);
  EXPECT_EQ(grid->ColWidths(2), 299);
  try {
    grid->StretchColumn(3);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Stretch column index out of range");
  }
}

struct ScrollBarAlwaysCase {
  const char* name;
  TScrollBarAlways always;
  int rows;
  bool vertShown, horzShown;
  unsigned vertArrows;
};

TEST_F(StringGridTest, ScrollBarAlwaysShowsTheBarsItNamesAndDisablesThoseWithNothingToScroll) {
  // 5 columns of 64 and 22-pixel rows in a 400 x 250 grid: columns fit, 10 rows fit, 40 do not.
  for (const ScrollBarAlwaysCase& c : std::vector<ScrollBarAlwaysCase>{
           {"vertical, rows fit", saVert, 10, true, false, ESB_DISABLE_BOTH},
           {"horizontal, rows fit", saHorz, 10, false, true, ESB_DISABLE_BOTH},
           {"both, rows fit", saBoth, 10, true, true, ESB_DISABLE_BOTH},
           {"horizontal, rows do not fit", saHorz, 40, true, true, ESB_ENABLE_BOTH},
           {"vertical, rows do not fit", saVert, 40, true, false, ESB_ENABLE_BOTH}}) {
    SCOPED_TRACE(c.name);
    grid->SetScrollBarAlways(saNone);
    grid->SetRowCount(c.rows);
    grid->SetScrollBarAlways(c.always);
    kit.Process();
    EXPECT_EQ(grid->ScrollBarState(SB_VERT).Visible, c.vertShown);
    EXPECT_EQ(grid->ScrollBarState(SB_HORZ).Visible, c.horzShown);
    EXPECT_EQ(grid->ScrollBarState(SB_VERT).DisabledArrows, c.vertArrows);
    if (c.horzShown) {
      EXPECT_EQ(grid->ScrollBarState(SB_HORZ).DisabledArrows, ESB_DISABLE_BOTH);
    }
  }
  // Back to none hides what fits and keeps what is needed.
  grid->SetScrollBarAlways(saBoth);
  grid->SetScrollBarAlways(saNone);
  EXPECT_TRUE(grid->ScrollBarState(SB_VERT).Visible);
  EXPECT_FALSE(grid->ScrollBarState(SB_HORZ).Visible);
  grid->SetRowCount(10);
  grid->SetScrollBarAlways(saBoth);
  grid->SetScrollBarAlways(saNone);
  EXPECT_FALSE(grid->ScrollBarState(SB_VERT).Visible);
}

TEST_F(StringGridTest, SpreadSheetTurnsOnRangeEditing) {
  grid->SetSpreadSheet(false);
  EXPECT_TRUE(grid->SelectionRectangle());
  EXPECT_TRUE(grid->SelectionResizer());
  EXPECT_TRUE(grid->Navigation().AllowSmartClipboard());
  EXPECT_TRUE(grid->MouseActions().RangeSelectAndEdit());
  EXPECT_TRUE(grid->Options().Contains(goEditing));
  EXPECT_TRUE(grid->Options().Contains(goRangeSelect));
  grid->SetSelectionColorMixerFactor(140);
  EXPECT_EQ(grid->SelectionColorMixerFactor(), 100);
  grid->SetSelectionColorMixerFactor(-3);
  EXPECT_EQ(grid->SelectionColorMixerFactor(), 0);
}

// Which grids are made on the form and in which order they go.
struct ResizeCase {
  const char* name;
  bool firstGoesFirst;
};

void PrintTo(const ResizeCase& c, std::ostream* os) { *os << c.name; }

class TwoGridsOnOneFormKeepTheirResizeHandlers : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(TwoGridsOnOneFormKeepTheirResizeHandlers, EachGridTakesAwayOnlyItsOwn) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(400, 300);
  int formResizes = 0;
  form.OnResize = [&](TObject*) { ++formResizes; };
  TExtStringGrid* a = New<TExtStringGrid>(&form);
  TExtStringGrid* b = New<TExtStringGrid>(&form);
  for (TExtStringGrid* g : {a, b}) {
    g->SetParent(&form);
    g->SetSizeWithForm(true);
  }
  form.Show();
  kit.Process();

  auto grow = [&](int dx) {
    formResizes = 0;
    form.SetClientSize(form.ClientWidth() + dx, form.ClientHeight());
    kit.Process();
  };
  grow(20);
  EXPECT_EQ(formResizes, 1);
  EXPECT_EQ(a->Width(), 420);
  EXPECT_EQ(b->Width(), 420);

  TExtStringGrid* gone = GetParam().firstGoesFirst ? a : b;
  TExtStringGrid* kept = gone == a ? b : a;
  delete gone;
  grow(20);
  EXPECT_EQ(formResizes, 1);
  EXPECT_EQ(kept->Width(), 440);

  delete kept;
  grow(20);
  EXPECT_EQ(formResizes, 1);
}

INSTANTIATE_TEST_SUITE_P(StringGrid, TwoGridsOnOneFormKeepTheirResizeHandlers,
                         ::testing::Values(ResizeCase{"FirstMadeGoesFirst", true},
                                           ResizeCase{"LastMadeGoesFirst", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hd::test
