// Fitting column widths to their content: the text extent and object size of every measured
// cell, the glyphs drawn beside the text, the text offsets and grid lines, then the limits.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/scroll_bars.h"

namespace hd {

void TExtStringGrid::AutoSizeCol(int ACol, int Padding) {
  // A double click outside the cells passes -1.
  if (ACol < 0 || ACol >= ColCount()) return;
  DoAutoSizeCol(ACol, FP->Layout.FSizeGrowOnly);
  if (Padding != 0) SetColWidths(ACol, LimitToRange(ColWidths(ACol) + Padding, FP->Layout.FMinColWidth, FP->Layout.FMaxColWidth));
}

void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
  int first = DoFixedCols ? 0 : FixedCols();
  int last = DoFixedCols ? ColCount() - 1 : ColCount() - FP->Layout.FFixedRightCols - 1;
  for (int c = first; c <= last; ++c) {
    AutoSizeCol(c, 0);
    if (Padding != 0) SetColWidths(c, LimitToRange(ColWidths(c) + Padding, FP->Layout.FMinColWidth, FP->Layout.FMaxColWidth));
  }
}

void TExtStringGrid::DoAutoSizeCol(int ACol, bool GrowOnly) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const TExtStringGridPrivate& p = *FP;
  int rc = DisplToRealCol(ACol);
  int first = 0, last = RowCount() - 1;
  switch (p.ColumnSize->Rows()) {
    case arNormal:
      first = FixedRows();
      last = RowCount() - FP->Layout.FFixedFooters - 1;
      break;
    case arFixed: last = FixedRows() - 1; break;
    case arAll: break;
  }
  int gw = GridLineWidth();
  int widest = 0;
  for (int r = first; r <= last; ++r) {
    if (IsXMergedCell(ACol, r)) continue;
    TPoint graphic = GetCellGraphicSize(rc, r);
    int w = graphic.X + GetCellTextSize(rc, r, false, false).cx;
    if (p.ControlLook->DropDownAlwaysVisible() && HasComboBox(rc, r)) w += 16;
    if (FP->FilterOptions.FFilterDropDownAuto && r == FP->FilterOptions.FFilterDropDownRow && GetColumnFilter(rc)) w += 12;
    if (IsSortGlyphCell(ACol, r) && ACol == p.SortSettings->Column()) w += 10;
    // An object filling the cell's width sets the width alone.
    if (const TCellGraphic* record = GetCellGraphic(rc, r); record && record->CellHAlign() == haFull)
      w = graphic.X - (2 * (gw + 1) + FP->Text.FXYOffset.X);
    widest = std::max(widest, w);
  }
  int width = widest + GetHorzXYOffset() + 2 * (gw + 1);
  if (GrowOnly && ColWidths(ACol) >= width) return;
  UpdateAutoColSize(ACol, width);
  SetColWidths(ACol, LimitToRange(width, FP->Layout.FMinColWidth, FP->Layout.FMaxColWidth));
}

void TExtStringGrid::AutoSizeRow(int ARow, int Padding) {
  DoAutoSizeRow(ARow, FP->Layout.FSizeGrowOnly, Padding);
  if (Padding != 0) SetRowHeights(ARow, LimitToRange(RowHeights(ARow) + Padding, FP->Layout.FMinRowHeight, FP->Layout.FMaxRowHeight));
}

void TExtStringGrid::DoAutoSizeRow(int ARow, bool GrowOnly, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const TIntList& ignored = *FP->IgnoreColumns;
  int tallest = 0;
  for (int c = 0; c < ColCount(); ++c) {
    int rc = DisplToRealCol(c);
    if (IsYMergedCell(c, ARow) || ignored.HasValue(rc)) continue;
    int t = GetCellTextSize(rc, ARow, FWordWrap, false).cy;
    int g = CalcCellGraphicSize(rc, ARow, Padding).Y;
    const TCellGraphic* record = GetCellGraphic(rc, ARow);
    TCellType type = record ? record->CellType() : ctEmpty;
    if (record && record->CellVAlign() == vaFull) g = t != 0 ? 0 : DefaultRowHeight();
    // A data check box stands for its text.
    if ((type == ctDataCheckBox || type == ctVirtCheckBox) && g > 0) t = 0;
    int h = IsMergedNonBaseCell(rc, ARow) ? 0 : t + g;
    if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton)
      h = DefaultRowHeight();
    tallest = std::max(tallest, h);
  }
  int height = tallest + GetVertXYOffset() + 2 * GridLineWidth() + (FP->Text.FXYOffsetTopLeftOnly ? 2 : 0);
  if (GrowOnly && RowHeights(ARow) >= height) return;
  SetRowHeights(ARow, LimitToRange(height, FP->Layout.FMinRowHeight, FP->Layout.FMaxRowHeight));
}

void TExtStringGrid::SetRowLineHeight(int ARow, int Lines, int Extra) {
  TBrush brush;
  brush.Color = Color();
  TFont font = Font();
  GetCellColor(DisplToRealCol(FixedCols()), ARow, TGridDrawState{}, brush, font);
  TCanvas& canvas = Canvas();
  TFont saved = canvas.Font();
  canvas.Font() = font;
  int h = canvas.TextHeight("gh");
  canvas.Font() = saved;
  SetRowHeights(ARow, LimitToRange(Extra + Lines * (h + h / 8), FP->Layout.FMinRowHeight, FP->Layout.FMaxRowHeight));
}

int TExtStringGrid::GetMaxLinesInRow(int ARow) {
  if (ColCount() == 0 || !FP->Text.FMultilinecells) return 1;
  int most = 1;
  for (int c = 0; c < ColCount(); ++c) most = std::max(most, CountLines(Cells(DisplToRealCol(c), ARow), true));
  return most;
}

bool TExtStringGrid::IsSortGlyphCell(int ACol, int ARow) {
  int r = ARow;
  if (IsMergedCell(ACol, ARow)) r += CellSpan(ACol, ARow).Y;
  const TSortSettings& sort = *FP->SortSettings;
  return r == sort.Row() && sort.Show() && RowCount() > FixedRows() + 1;
}

void TExtStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
  if (RowCount() <= 0) return;
  const TExtStringGridPrivate& p = *FP;
  const int first = DoFixedRows ? 0 : FixedRows();
  ExportNotification(esExportStart, first);
  for (int r = first; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    if (FWordWrap) {
      AutoSizeRow(r, 0);
      if (Padding != 0) SetRowHeights(r, LimitToRange(RowHeights(r) + Padding, p.Layout.FMinRowHeight, p.Layout.FMaxRowHeight));
    } else {
      SetRowLineHeight(r, GetMaxLinesInRow(r), Padding);
    }
  }
  ApplyScrollBarAlways(true);
  ExportNotification(esExportDone, -1);
}

void TExtStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  const TExtStringGridPrivate& p = *FP;
  BeginUpdate();
  int firstCol = DoFixedCells ? 0 : FixedCols(), firstRow = DoFixedCells ? 0 : FixedRows();
  TCanvas& canvas = Canvas();
  TFont saved = canvas.Font();
  for (int c = firstCol; c < ColCount(); ++c) {
    int rc = DisplToRealCol(c);
    int cw = p.Layout.FSizeGrowOnly ? ColWidths(c) : 0;
    for (int r = firstRow; r < RowCount(); ++r) {
      bool fixed = c < FixedCols() || r < FixedRows();
      TBrush brush;
      brush.Color = Color();
      TFont font = fixed ? p.Colors.FFixedFont : Font();
      GetCellColor(rc, r, TGridDrawState{}, brush, font);
      canvas.Font() = font;
      TPoint g = GetCellGraphicSize(rc, r);
      TSize t = GetCellTextSize(rc, r, false, false);
      int w = t.cx + g.X + PaddingX + p.Text.FXYOffset.X;
      int h = t.cy + g.Y + PaddingY + p.Text.FXYOffset.Y;
      if (!IsXMergedCell(c, r) && w > cw) {
        w = LimitToRange(w, p.Layout.FMinColWidth, p.Layout.FMaxColWidth);
        if (w > cw) {
          SetColWidths(c, w);
          cw = w;
        }
      }
      if (!IsYMergedCell(c, r) && h > RowHeights(r)) {
        h = LimitToRange(h, p.Layout.FMinRowHeight, p.Layout.FMaxRowHeight);
        if (h > RowHeights(r)) SetRowHeights(r, h);
      }
    }
  }
  canvas.Font() = saved;
  EndUpdate();
}

void TExtStringGrid::AutoFitColumns(bool DoFixedCells) {
  const TExtStringGridPrivate& p = *FP;
  int rightFixed = p.Layout.FFixedRightCols;
  bool scrolls = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
  int s = p.Scrolling.FScrollBarAlways == saVert || (scrolls && VisibleRowCount() + FixedRows() < RowCount())
              ? GetSystemMetrics(SM_CXVSCROLL)
              : 0;
  int b = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
  int first = DoFixedCells ? 0 : FixedCols();
  int last = DoFixedCells ? ColCount() - 1 : ColCount() - rightFixed - 1;
  int room = Width();
  if (!DoFixedCells) {
    for (int c = 0; c < FixedCols(); ++c) room -= ColWidths(c);
    for (int c = ColCount() - rightFixed; c < ColCount(); ++c) room -= ColWidths(c);
  }
  TGridOptions options = Options();
  int lines = options.Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - rightFixed) : 0;
  if (options.Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + rightFixed;
  if (ColCount() < 2) {
    SetColWidths(0, Width() - s - 5);
    return;
  }
  long long sum = 0;
  for (int c = first; c <= last; ++c) sum += ColWidths(c);
  if (sum == 0 || sum == room - s - b) return;
  double f = static_cast<double>(room - s - b - lines) / static_cast<double>(sum);
  long long target = 0;
  for (int c = first; c <= last; ++c) target += std::llround(std::nearbyint(ColWidths(c) * f));
  std::vector<int> widths;
  for (int c = first; c <= last; ++c)
    widths.push_back(static_cast<int>(std::nearbyint(ColWidths(c) * static_cast<double>(target) / static_cast<double>(sum))));
  long long newSum = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    SetColWidths(first + static_cast<int>(i), widths[i]);
    newSum += widths[i];
  }
  long long rest = room - (s + b + newSum);
  int n = static_cast<int>(widths.size());
  if (n > 1 && rest > n) {
    for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + static_cast<int>(rest / n));
    rest %= n;
  }
  int widest = first;
  for (int c = first; c <= last; ++c)
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  SetColWidths(widest, ColWidths(widest) + static_cast<int>(rest));
}

int TExtStringGrid::GetMaxColTextLength(int ACol) {
  int longest = 0;
  for (int r = 0; r < RowCount(); ++r) {
    std::string rest = Cells(ACol, r), line;
    if (!FP->Text.FMultilinecells) {
      longest = std::max(longest, static_cast<int>(rest.size()));
      continue;
    }
    // Lines end at a CR, an LF right after it skipped, as the cells count them.
    while (!rest.empty()) {
      CutFirstLine(rest, true, line);
      longest = std::max(longest, static_cast<int>(line.size()));
    }
  }
  return longest;
}

void TExtStringGrid::SizeToCols() {
  int sum = 0;
  for (int c = 0; c < ColCount(); ++c) sum += ColWidths(c);
  SetClientWidth(sum);
}

void TExtStringGrid::SizeToRows() {
  int sum = 0;
  for (int r = 0; r < RowCount(); ++r) sum += RowHeights(r);
  SetClientHeight(sum);
}

void TExtStringGrid::SizeToCells() {
  TScrollStyle bars = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(bars);
}

void TExtStringGrid::UpdateColSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::UpdateAutoColSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

int TExtStringGrid::AllColWidths(int ACol) const {
  if (ACol >= 0 && ACol <= kMaxHideColumns && IsHiddenColumn(ACol)) return FP->AllColWidths[ACol];
  return ColWidths(RealToDisplCol(ACol));
}

void TExtStringGrid::SetAllColWidths(int ACol, int Value) {
  // A hidden column takes the width when it shows again.
  if (ACol >= 0 && ACol <= kMaxHideColumns && IsHiddenColumn(ACol))
    FP->AllColWidths[ACol] = static_cast<std::int16_t>(std::clamp(Value, 0, 32767));
  else
    SetColWidths(RealToDisplCol(ACol), Value);
}

}  // namespace hd
