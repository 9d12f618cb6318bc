// The content of one cell in its fixed order: fixed-cell looks, row indicator, modified marker,
// background event, in-cell buttons, text, borders, fixed frames, cell object, draw events and
// the focus rectangle. The cell store's painter has drawn the background and the grid lines.
#include <algorithm>

#include "grid/foundation/draw_utils.h"
#include "grid/stringgrid/cell_paint_p.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"
#include "platform/themes.h"

namespace hd {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr int kDropDownPart = 16;

// The painter's text buffer: one per thread, reused from cell to cell.
std::string& PaintTextBuffer() {
  thread_local std::string buffer;
  return buffer;
}

}  // namespace

void TExtStringGrid::FetchCellText(int ACol, int ARow, std::string& Text) const {
  if (OnGetDisplWideText || ARow >= FNormalRowCount) {
    Text = GetCellEx(ACol, ARow);
    return;
  }
  TPoint base = BaseCell(ACol, ARow);
  Text.assign(Store().Text(base.X, base.Y));
  GetDisplText(base.X, base.Y, Text);
}

void TExtStringGrid::DrawHotFixedGradient(TCanvas& ACanvas, const TRect& R, bool Down) {
  const auto& g = FP->Colors.FDAZGradient;
  if (Down)
    DrawMirroredGradient(ACanvas, R, g[fgDownFrom], g[fgDownTo], g[fgDownMirrorFrom], g[fgDownMirrorTo], true,
                         g[fgDownBorder], false, true);
  else
    DrawMirroredGradient(ACanvas, R, g[fgHoverFrom], g[fgHoverTo], g[fgHoverMirrorFrom], g[fgHoverMirrorTo], true,
                         g[fgHoverBorder], false, true);
}

void TExtStringGrid::DrawFixedLook(TCanvas& ACanvas, TCellPaint& P) {
  TExtStringGridPrivate& p = *FP;
  TRect& R = P.R;
  bool gradientLook = FP->Colors.FLook == glDAZ || FP->Colors.FLook == glXP || FP->Colors.FLook == glVista || FP->Colors.FLook == glWin7 || FP->Colors.FLook == glOffice2007;
  bool hoverCell = ((FP->Colors.FHoverFixedCells == hfAll || FP->Colors.FHoverFixedCells == hfFixedColumns) && P.Col < FixedCols()) ||
                   ((FP->Colors.FHoverFixedCells == hfAll || FP->Colors.FHoverFixedCells == hfFixedRows) && P.Row < FixedRows());
  bool moving = FGridState == gsColMoving;
  bool hovered = (p.HoverFixedX == P.Col && p.HoverFixedY == P.Row && !moving) ||
                 (moving && p.ClickedCol == P.Col && P.Row < FixedRows());
  if (gradientLook && hoverCell && !IsDesigning() && hovered) {
    R.Bottom += 1;
    bool pressed = FGridState != gsNormal;
    bool dropDown = p.ControlLook->FixedDropDownButton();
    if (!pressed && !moving) {
      DrawHotFixedGradient(ACanvas, R, false);
    } else if (dropDown) {
      TRect part = R, rest = R;
      part.Left = R.Right - kDropDownPart;
      rest.Right = part.Left;
      bool partPressed = p.ClickedCol == P.Col && p.ClickedRow == P.Row;
      DrawHotFixedGradient(ACanvas, part, partPressed);
      DrawHotFixedGradient(ACanvas, rest, !partPressed);
    } else {
      DrawHotFixedGradient(ACanvas, R, true);
    }
    if (dropDown) {
      ACanvas.Pen().Color = pressed ? FP->Colors.FDAZGradient[fgDownBorder] : FP->Colors.FDAZGradient[fgHoverBorder];
      ACanvas.MoveTo(R.Right - kDropDownPart, R.Top);
      ACanvas.LineTo(R.Right - kDropDownPart, R.Bottom);
      DrawDownTriangle(ACanvas, R.Right - 8, R.Top + 8, clBlack);
      R.Right -= kDropDownPart;
    }
    return;
  }
  int fixedCols = FixedCols(), fixedRows = FixedRows();
  bool activeHeader = FP->Colors.FActiveCellShow && ((P.Row == Row() && P.Col == fixedCols - 1 && fixedCols > 0) ||
                                          (P.Col == Col() && P.Row == fixedRows - 1 && fixedRows > 0));
  if (activeHeader) {
    DrawMirroredGradient(ACanvas, R, FP->Colors.FActiveCellColor, FP->Colors.FActiveCellColorTo, clNone, clNone, true, clNone, false, true);
    return;
  }
  TColor border = FP->Colors.FLook == glVista ? kWhite : clNone;
  const TSortSettings& sort = *p.SortSettings;
  if (sort.Column() != -1 && sort.HeaderColor() != clNone && P.RealCol == sort.Column() && P.Row == fixedRows - 1 &&
      (P.Col >= fixedCols || sort.FixedCols())) {
    DrawMirroredGradient(ACanvas, R, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                         sort.HeaderMirrorColorTo(), true, clNone, true, true);
  } else if (!FP->Colors.FFlat) {
    DrawMirroredGradient(ACanvas, R, ACanvas.Brush().Color, P.Look.ColorTo, P.Look.MirrorColor, P.Look.MirrorColorTo, true, border,
                         true, true);
  }
}

void TExtStringGrid::DrawFixedFrame(TCanvas& ACanvas, TCellPaint& P) {
  TRect R = P.R;
  TGridOptions options = Options();
  TPen& pen = ACanvas.Pen();
  pen.Width = 1;
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    pen.Color = color;
    ACanvas.MoveTo(x1, y1);
    ACanvas.LineTo(x2, y2);
  };
  switch (FP->Colors.FLook) {
    case glClassic: {
      R.Top += 1;
      R.Bottom += 1;
      R.Left += 1;
      TRect inner = R;
      ACanvas.DrawEdge(inner, BDR_RAISEDINNER, BF_TOPLEFT);
      inner = R;
      ACanvas.DrawEdge(inner, EDGE_RAISED, BF_BOTTOMRIGHT);
      pen.Color = clBlack;
      ACanvas.MoveTo(R.Right - 1, R.Top);
      ACanvas.LineTo(R.Right - 1, R.Bottom - 1);
      ACanvas.LineTo(R.Left - 1, R.Bottom - 1);
      break;
    }
    case glDAZ:
    case glXP:
      R.Bottom += 1;
      if (options.Contains(goFixedHorzLine)) {
        line(HalveColor(ColorToRGB(FixedColor())), R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
        pen.Color = kWhite;
        ACanvas.MoveTo(R.Right - 2, R.Top + 1);
        ACanvas.LineTo(R.Left + 1, R.Top + 1);
        ACanvas.LineTo(R.Left + 1, R.Bottom - 1);
      }
      break;
    case glSoft:
      if (Ctl3D()) {
        R.Right += 1;
        R.Bottom += 1;
        if (options.Contains(goFixedHorzLine)) {
          line(HalveColor(ColorToRGB(FixedColor())), R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
          pen.Color = kWhite;
          ACanvas.MoveTo(R.Right, R.Top + 1);
          ACanvas.LineTo(R.Left + 1, R.Top + 1);
          ACanvas.LineTo(R.Left + 1, R.Bottom - 1);
        }
        if (options.Contains(goFixedVertLine)) {
          line(HalveColor(ColorToRGB(FixedColor())), R.Right - 2, R.Top, R.Right - 2, R.Bottom - 1);
          line(kWhite, R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
        }
      } else {
        if (options.Contains(goFixedHorzLine)) {
          line(clBlack, R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1);
          line(clBlack, R.Left - 1, R.Bottom, R.Right + 1, R.Bottom);
        }
        if (options.Contains(goFixedVertLine)) {
          line(clBlack, R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1);
          line(clBlack, R.Right, R.Top - 1, R.Right, R.Bottom + 1);
        }
      }
      break;
    default: break;
  }
}

void TExtStringGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, const TCellLook& Look) {
  SetCtl3D(!FP->Colors.FFlat);
  TCellPaint P;
  P.Col = ACol;
  P.Row = ARow;
  P.Look = Look;
  P.R = ARect;
  P.RealCol = Look.RealCol;
  P.Text = &PaintTextBuffer();
  P.Fixed = Look.Fixed;
  if (FHoverRow && ARow == FHoverRowIdx && FHoverRowCells.Contains(hcFixed)) P.Fixed = false;
  // Automatic lists and a column item's own list alike show the glyph that opens them.
  if (ARow == FP->FilterOptions.FFilterDropDownRow) P.ShowFilter = GetColumnFilter(P.RealCol);
  TRect& R = P.R;

  // A cell scroll bar takes its width off the right edge.
  DrawCellScrollBar(ACanvas, P);
  TakeContentLook(ACanvas, P);
  int savedRight = R.Right;
  if (IsStyled() && (P.Fixed || P.Look.State.Contains(gdSelected))) DrawStyledCell(ACanvas, P);
  if (P.Fixed && !P.StylePainted) DrawFixedLook(ACanvas, P);
  int indicatorWidth = DrawRowIndicator(ACanvas, P);
  if (FP->Colors.FLook == glListView && P.Fixed && !P.StylePainted && !FP->Colors.FFlat) DrawListViewHeader(ACanvas, P);
  if (ACol == 0 && FP->ShowModified->Enabled() && RowModified(DisplToRealRow(ARow)))
    FillRectColor(ACanvas, Rect(R.Right - 4, R.Top, R.Right, R.Bottom), FP->ShowModified->Color());
  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, P.RealCol, ARow, P.Look.State, R, false);
  if (!P.Fixed) DrawAlwaysVisibleButtons(ACanvas, P);

  // A cell object drawn alone, or draw events that replace the default, leave out the text.
  TCellGraphic* graphic = P.Placement.Graphic;
  bool hasGraphic = graphic && graphic->CellType() != ctEmpty && graphic->CellType() != ctNone;
  bool eventsDraw = (OnDrawCell || OnCustomCellDraw) && FP->PaintFlags.FNoDefaultDraw;
  if (!(hasGraphic && FP->PaintFlags.FNoImageAndText) && !eventsDraw) DrawCellText(ACanvas, P);

  // The colours back for the borders, which take the whole cell again.
  R.Right = savedRight;
  ACanvas.Brush().Color = P.BrushColor;
  ACanvas.Font().Color = P.FontColor;
  DrawCellBorders(ACanvas, P.RealCol, ARow, Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1));
  R.Left -= indicatorWidth;
  if (P.Fixed && !FP->Colors.FFlat && !P.StylePainted) DrawFixedFrame(ACanvas, P);
  if (FP->Layout.FFixedRightCols > 0 && P.RealCol >= TotalColCount() - FP->Layout.FFixedRightCols && FP->Colors.FLook != glClassic && !Ctl3D())
    DrawFixedRightFrame(ACanvas, R);
  if (hasGraphic) {
    if (P.Fixed) R.Top += 1;
    DrawCellGraphic(ACanvas, P);
    if (P.Fixed) R.Top -= 1;
  }
  if (P.RealCol == 0 && HasNodes() && ARow >= FixedRows()) DrawTreeLine(ACanvas, P);
  if (OnDrawCell) {
    TRect e = Rect(R.Left + 1, R.Top + 1, R.Right - GridLineWidth(), R.Bottom - GridLineWidth());
    OnDrawCell(this, P.RealCol, ARow, e, P.Look.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, P.RealCol, ARow, P.Look.State, R, false);
  DrawCellFocusRect(ACanvas, P);
  if (ARow == 0 && IsDesigning() && FP->Colors.FShowDesignHelper && FP->ShowColumnNumbers) DrawColumnNumber(ACanvas, P);
}

void TExtStringGrid::TakeContentLook(TCanvas& ACanvas, TCellPaint& P) {
  ContentLook(P.Col, P.Row, P.Look);
  ACanvas.Brush().Color = P.Look.Brush.Color;
  ACanvas.Font() = P.Look.Font;
  // A check box that stands without its text still takes the cell's alignment.
  P.TextAlign = P.Look.HA;
  P.Placement = GetCellGraphicPlacement(P.RealCol, P.Row);
  if (P.RealCol == 0 && IsNode(P.Row)) {
    const TCellProperties* node = FindCellProperties(0, P.Row);
    P.Placement.Width = (node ? node->NodeLevel() : 0) * 12 + 4;
  }
  if (P.Look.State.Contains(gdSelected) && !P.Look.State.Contains(gdFocused) && FP->Colors.FSelectionColor == clNone)
    ACanvas.Brush().Color = clHighlight;
  ACanvas.Font().Size += FP->Layout.FZoomFactor;
  P.BrushColor = ACanvas.Brush().Color;
  P.FontColor = ACanvas.Font().Color;
}

// The application style paints fixed and selected cells.
void TExtStringGrid::DrawStyledCell(TCanvas& ACanvas, TCellPaint& P) {
  TRect s = P.R;
  if (P.Fixed) {
    s.Bottom += 2;
    s.Right += 1;
  } else {
    InflateRect(s, 1, 1);
  }
  ACanvas.SaveState();
  ACanvas.DrawThemedPart(P.Fixed ? TThemedElement::HeaderItem : TThemedElement::PushButton, TS_NORMAL, s);
  ACanvas.RestoreState();
  ACanvas.Brush().Style = bsClear;
  P.StylePainted = true;
}

// The row indicator in column 0 of the current row; answers the width it took off the left.
int TExtStringGrid::DrawRowIndicator(TCanvas& ACanvas, TCellPaint& P) {
  const TBitmap& indicator = *FP->RowIndicator;
  int fixedCols = FixedCols(), fixedRows = FixedRows();
  if (P.RealCol != 0 || P.Row != Row() || fixedCols <= 0 || indicator.Empty() ||
      (FP->Layout.FFixedRowAlways && RowCount() == fixedRows))
    return 0;
  TRect& R = P.R;
  int y = R.Top;
  if (FP->Text.FVAlignment == vtaCenter) y = R.Top + (R.Height() - indicator.Height()) / 2;
  if (FP->Text.FVAlignment == vtaBottom) y = R.Bottom - indicator.Height();
  TBitmap transparent = indicator;
  transparent.SetTransparent(true);
  ACanvas.Draw(R.Left + 2, y, transparent);
  R.Left += indicator.Width() + 2;
  return indicator.Width() + 2;
}

void TExtStringGrid::DrawListViewHeader(TCanvas& ACanvas, TCellPaint& P) {
  const TRect& R = P.R;
  if (ThemesActive()) {
    TRect h = R;
    h.Bottom += 1;
    ACanvas.DrawThemedPart(TThemedElement::HeaderItem, TS_NORMAL, h);
    ACanvas.Pen().Color = kWhite;
    ACanvas.MoveTo(R.Left, R.Top);
    ACanvas.LineTo(R.Right, R.Top);
  } else {
    ACanvas.Pen().Color = kWhite;
    TBrush brush = ACanvas.Brush();
    ACanvas.Brush() = TBrush{clBtnFace, bsSolid};
    ACanvas.Rectangle(R);
    ACanvas.Brush() = brush;
  }
}

// The drop-down and spin buttons the look shows without an editor.
void TExtStringGrid::DrawAlwaysVisibleButtons(TCanvas& ACanvas, TCellPaint& P) {
  TExtStringGridPrivate& p = *FP;
  const TControlLook& look = *p.ControlLook;
  if (!look.DropDownAlwaysVisible() && !look.SpinButtonsAlwaysVisible()) return;
  TRect& R = P.R;
  int mode = look.FlatButton() ? fdmFlat : ThemesActive() ? fdmTheme : fdmClassic;
  if (FP->Colors.FFlat && p.ColorTones.Background.BrushColor != clNone) mode = fdmTones;
  bool canEdit = true;
  CanEditCell(P.RealCol, P.Row, canEdit);
  int state = canEdit ? fdsNormal : fdsDisabled;
  if (look.DropDownAlwaysVisible() && HasComboBox(P.RealCol, P.Row)) {
    DrawComboButton(ACanvas, Handle(), Rect(R.Right - kDropDownPart - 2, R.Top - 1, R.Right + 1, R.Bottom), mode, state,
                    p.ColorTones);
    R.Right -= kDropDownPart;
  }
  if (look.SpinButtonsAlwaysVisible() && HasSpinEdit(P.RealCol, P.Row)) {
    DrawSpinButtons(ACanvas, Handle(), Rect(R.Right - kDropDownPart, R.Top, R.Right, R.Bottom), mode, state,
                    p.ColorTones);
    R.Right -= kDropDownPart;
  }
}

void TExtStringGrid::DrawFixedRightFrame(TCanvas& ACanvas, const TRect& R) {
  ACanvas.Pen().Color = FP->Colors.FFlat ? 0x808080 : clBlack;
  ACanvas.Brush().Style = bsClear;
  ACanvas.Rectangle(Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1));
  ACanvas.Brush().Style = bsSolid;
}

// The focus rectangle of the current cell, never over the fixed cells.
void TExtStringGrid::DrawCellFocusRect(TCanvas& ACanvas, const TCellPaint& P) {
  if (FP->Colors.FHideFocusRect || !Focused() || Options().Contains(goRowSelect) || Row() < FixedRows() || Col() < FixedCols())
    return;
  if (BaseCell(P.Col, P.Row) != BaseCell(Col(), Row())) return;
  TRect f = P.R;
  InflateRect(f, GridLineWidth() - 1, GridLineWidth() - 1);
  f.Right -= 1;
  f.Bottom -= 1;
  ACanvas.Brush().Color = clWhite;
  ACanvas.Font().Color = clBlack;
  ACanvas.DrawFocusRect(f);
}

// The column numbers shown while designing.
void TExtStringGrid::DrawColumnNumber(TCanvas& ACanvas, const TCellPaint& P) {
  ACanvas.Brush().Style = bsClear;
  ACanvas.Font() = TFont{};
  ACanvas.Font().Color = 0x808080;
  TRect n = P.R;
  n.Right -= 2;
  ACanvas.DrawText(std::to_string(P.RealCol), n, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
}

}  // namespace hd
