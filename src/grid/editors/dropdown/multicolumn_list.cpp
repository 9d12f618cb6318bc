// The multi-column drop-down's list: loading and fitting itself from the drop-down, drawing
// its cells, and telling the drop-down which row the user confirmed.
#include <algorithm>

#include "grid/editors/dropdown/multicolumn_dropdown.h"
#include "grid/editors/dropdown_drawing.h"
#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "platform/scroll_bars.h"

namespace hd::multicolumn {

TExtColGrid::TExtColGrid(TComponent* AOwner) : TStringGrid(AOwner) {
  SetFixedCols(0);
  SetFixedRows(1);
  TGridOptions o = Options();
  o.Include(goRowSelect);
  o.Include(goHorzLine);
  o.Exclude(goRangeSelect);
  o.Exclude(goDrawFocusSelected);
  SetOptions(o);
  SetBorderStyle(bsNone);
  // The cells draw their own lines, GridLineWidth wide.
  TStringGrid::SetGridLineWidth(0);
}

bool TExtColGrid::InPopup() const {
  return FExtDropDown && FExtDropDown->DropDownForm() && Parent() == FExtDropDown->DropDownForm();
}

void TExtColGrid::LoadFromDropDown() {
  TExtMultiColumnDropDown* d = FExtDropDown;
  if (!d) return;
  FColumns = d->Columns();
  const int items = d->Items().Count();
  SetColCount(std::max(1, FColumns.Count()));
  SetRowCount(items + 1);
  if (items > 0) {
    SetFixedRows(1);
    SetRow(1);
  }
  for (int i = 0; i < FColumns.Count(); ++i) SetColWidths(i, FColumns[static_cast<size_t>(i)].Width());
  FLineColor = d->LineColor();
  FFixedLineColor = d->FixedLineColor();
  FHeaderColor = d->HeaderColor();
  FHeaderColorTo = d->HeaderColorTo();
  FHeaderHeight = d->HeaderHeight();
  FHeaderFont = d->HeaderFont();
  FImages = d->Images();
  SetDefaultRowHeight(d->DropDownRowHeight());
  SetRowHeights(0, FHeaderHeight);
  TGridOptions o = Options();
  if (d->ColumnSizing())
    o.Include(goColSizing);
  else
    o.Exclude(goColSizing);
  SetOptions(o);
  FitColumnWidths();
  FitRowHeights();
}

void TExtColGrid::FitColumnWidths() {
  for (int i = 0; i < FColumns.Count(); ++i)
    if (FColumns[static_cast<size_t>(i)].AutoSize()) FitColumnWidth(i);
}

void TExtColGrid::FitColumnWidth(int Index) {
  if (!InPopup() || Index < 0 || Index >= FColumns.Count()) return;
  TDropDownColumn& column = FColumns[static_cast<size_t>(Index)];
  TBitmap measure(1, 1);
  TCanvas& c = measure.Canvas();
  c.SetFont(column.Font());
  const int image = column.ColumnType() == ctImage && FImages ? FImages->Width() + 4 : 0;
  int width = 0;
  for (const TDropDownItem& item : FExtDropDown->Items()) {
    const std::string text = item.ColumnText(Index);
    width = std::max(width, image + (text.empty() ? 0 : c.TextWidth(text) + 6));
  }
  column.SetWidth(width);
  if (Index < FExtDropDown->Columns().Count()) FExtDropDown->Columns()[static_cast<size_t>(Index)].SetWidth(width);
  SetColWidths(Index, width);
}

void TExtColGrid::FitRowHeights() {
  if (!InPopup()) return;
  const bool wraps = std::any_of(FColumns.begin(), FColumns.end(), [](const TDropDownColumn& c) { return c.Wordwrap(); });
  if (!wraps) return;
  TBitmap measure(1, 1);
  TCanvas& c = measure.Canvas();
  const TDropDownItems& items = FExtDropDown->Items();
  TImageList* images = FExtDropDown->Images();
  for (int row = 1; row <= items.Count(); ++row) {
    const TDropDownItem& item = items[static_cast<size_t>(row - 1)];
    int height = 24;
    for (int col = 0; col < FColumns.Count(); ++col) {
      const TDropDownColumn& column = FColumns[static_cast<size_t>(col)];
      if (!column.Wordwrap()) continue;
      if (column.ColumnType() == ctImage && images && item.ImageIndex() >= 0) height = std::max(height, images->Height() + 6);
      const std::string text = item.ColumnText(col);
      if (text.empty()) continue;
      c.SetFont(column.Font());
      TRect r{0, 0, column.Width(), 0};
      c.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
      height = std::max(height, r.Height() + 6);
    }
    SetRowHeights(row, height);
  }
}

bool TExtColGrid::AllRowsVisible() const {
  int total = 0;
  for (int r = 0; r < TCustomGrid::RowCount() && total <= ClientHeight(); ++r) total += RowHeights(r);
  return total <= ClientHeight();
}

int TExtColGrid::GetTotalWidth() const {
  int w = BorderStyle() == bsNone ? 0 : 2;
  for (int i = 0; i < ColCount(); ++i) w += ColWidths(i);
  if (!AllRowsVisible()) w += GetSystemMetrics(SM_CXVSCROLL);
  return w;
}

TRect TExtColGrid::CellRectFull(int ACol, int ARow) const {
  const TRect r = CellRect(ACol, ARow);
  return {r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow)};
}

void TExtColGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

void TExtColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState) {
  TCanvas& c = Canvas();
  TExtMultiColumnDropDown* d = FExtDropDown;
  const TRect r{ARect.Left, ARect.Top, ARect.Left + ColWidths(ACol), ARect.Top + RowHeights(ARow)};
  if (d && d->OnDropDownDrawItem) {
    d->OnDropDownDrawItem(d, ACol, ARow, c, r);
    return;
  }
  const bool header = ARow == 0;
  const bool selected = !header && ARow == Row();
  const TDropDownColumn* column = ACol < FColumns.Count() ? &FColumns[static_cast<size_t>(ACol)] : nullptr;
  const TColor color = column ? column->Color() : Color();
  if (!header) {
    if (!selected) {
      c.Brush() = TBrush{color, bsSolid};
      c.Pen() = TPen{color};
      c.FillRect(r);
    } else if (d) {
      const int last = ColCount() - 1;
      const int part = last == 0 ? 0 : ACol == 0 ? 1 : ACol == last ? 2 : 3;
      d->DrawSelectionBackground(c, r, part, color);
    }
  } else if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
    if (FHeaderColor != clNone) {
      c.Brush() = TBrush{FHeaderColor, bsSolid};
      c.FillRect(r);
    }
  } else if (d) {
    d->DrawGradient(c, FHeaderColor, FHeaderColorTo, 80, r, true);
  } else {
    DrawSteppedGradient(c, FHeaderColor, FHeaderColorTo, 80, r, false);
  }
  // The lines: a pen of width w is centred, so the line stands (w + 1) / 2 inside the edge.
  const int width = header ? 1 : FGridLineWidth;
  const int inset = header ? 1 : (width + 1) / 2;
  const TGridOptions o = Options();
  if (width > 0) {
    c.Pen() = TPen{header ? FFixedLineColor : FLineColor, width};
    if (o.Contains(header ? goFixedHorzLine : goHorzLine)) {
      c.MoveTo(r.Left - inset + 1, r.Bottom - inset);
      c.LineTo(r.Right - inset + 1, r.Bottom - inset);
    }
    if (o.Contains(header ? goFixedVertLine : goVertLine)) {
      c.MoveTo(r.Right - inset, r.Bottom - inset);
      c.LineTo(r.Right - inset, r.Top - inset);
    }
  }
  DrawText(c, ACol, ARow, r, selected);
}

void TExtColGrid::DrawText(TCanvas& C, int ACol, int ARow, const TRect& Cell, bool Selected) {
  TExtMultiColumnDropDown* d = FExtDropDown;
  const bool header = ARow == 0;
  const TDropDownColumn* column = ACol < FColumns.Count() ? &FColumns[static_cast<size_t>(ACol)] : nullptr;
  std::string text;
  int imageIndex = -1;
  if (header) {
    if (column) text = column->Header();
  } else if (d && ARow - 1 < d->Items().Count()) {
    const TDropDownItem& item = d->Items()[static_cast<size_t>(ARow - 1)];
    text = item.ColumnText(ACol);
    if (column && column->ColumnType() == ctImage) imageIndex = item.ImageIndex();
  }
  if (d && d->OnDropDownGetItemText) d->OnDropDownGetItemText(d, ACol, ARow, text);
  TRect content{Cell.Left + FGridLineWidth, Cell.Top + FGridLineWidth, Cell.Right - FGridLineWidth,
                Cell.Bottom - FGridLineWidth};
  TImageList* images = d ? d->Images() : nullptr;
  if (images && imageIndex >= 0) {
    int y = content.Top;
    if (images->Height() < content.Height()) y += (content.Height() - images->Height()) / 2;
    images->Draw(C, content.Left + 2, y, imageIndex);
    content.Left += images->Width() + 4;
  } else {
    content.Left += 2;
  }
  if (text.empty()) return;
  const bool wrap = column && column->Wordwrap();
  unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER | (wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
  const TAlignment align = column ? column->Alignment() : taLeftJustify;
  if (align == taRightJustify) flags |= DT_RIGHT;
  if (align == taCenter) flags |= DT_CENTER;
  if (column && column->Ellipsis()) flags |= DT_END_ELLIPSIS;
  C.SetFont(header || !column ? FHeaderFont : column->Font());
  if (Selected && d) C.Font().Color = d->SelectionTextColor();
  C.SetBkMode(bkTransparent);
  C.DrawText(text, content, flags);
}

void TExtColGrid::KeyDown(WORD& Key, TShiftState Shift) {
  FConfirmSelection = true;
  if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
    if (FExtDropDown) SendMessage(FExtDropDown->Handle(), WM_KEYDOWN, Key, 0);
    return;
  }
  const WORD key = Key;
  HWND self = Handle();
  TStringGrid::KeyDown(Key, Shift);
  if (key == VK_RETURN && IsWindow(self)) DoSelect();
}

void TExtColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FConfirmSelection = true;
  FOldRow = Row();
  TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TStringGrid::MouseUp(Button, Shift, X, Y);
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.Y >= 1) DoSelect();
}

bool TExtColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  FMouseWheelSelection = true;
  FConfirmSelection = false;
  const bool handled = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  FMouseWheelSelection = false;
  return handled;
}

bool TExtColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  FMouseWheelSelection = true;
  FConfirmSelection = false;
  const bool handled = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  FMouseWheelSelection = false;
  return handled;
}

void TExtColGrid::Dispatch(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
    return;
  }
  if (m.Msg == WM_KEYDOWN && m.WParam == VK_TAB) return;
  TStringGrid::Dispatch(m);
}

}  // namespace hd::multicolumn
