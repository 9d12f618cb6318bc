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
  const auto& g = FDAZGradient;
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
  bool gradientLook = FLook == glDAZ || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
  bool hoverCell = ((FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedColumns) && P.Col < FixedCols()) ||
                   ((FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedRows) && P.Row < FixedRows());
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
      ACanvas.Pen().Color = pressed ? FDAZGradient[fgDownBorder] : FDAZGradient[fgHoverBorder];
      ACanvas.MoveTo(R.Right - kDropDownPart, R.Top);
      ACanvas.LineTo(R.Right - kDropDownPart, R.Bottom);
      DrawDownTriangle(ACanvas, R.Right - 8, R.Top + 8, clBlack);
      R.Right -= kDropDownPart;
    }
    return;
  }
  int fixedCols = FixedCols(), fixedRows = FixedRows();
  bool activeHeader = FActiveCellShow && ((P.Row == Row() && P.Col == fixedCols - 1 && fixedCols > 0) ||
                                          (P.Col == Col() && P.Row == fixedRows - 1 && fixedRows > 0));
  if (activeHeader) {
    DrawMirroredGradient(ACanvas, R, FActiveCellColor, FActiveCellColorTo, clNone, clNone, true, clNone, false, true);
    return;
  }
  TColor border = FLook == glVista ? kWhite : clNone;
  const TSortSettings& sort = *p.SortSettings;
  if (sort.Column() != -1 && sort.HeaderColor() != clNone && P.RealCol == sort.Column() && P.Row == fixedRows - 1 &&
      (P.Col >= fixedCols || sort.FixedCols())) {
    DrawMirroredGradient(ACanvas, R, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                         sort.HeaderMirrorColorTo(), true, clNone, true, true);
  } else if (!FFlat) {
    DrawMirroredGradient(ACanvas, R, ACanvas.Brush().Color, P.ColorTo, P.MirrorColor, P.MirrorColorTo, true, border,
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
  switch (FLook) {
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

void TExtStringGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  TExtStringGridPrivate& p = *FP;
  // 1-2: the cell's indexes and flags.
  SetCtl3D(!FFlat);
  TCellPaint P;
  P.Col = ACol;
  P.Row = ARow;
  P.State = AState;
  P.R = ARect;
  P.RealCol = DisplToRealCol(ACol);
  P.Text = &PaintTextBuffer();
  int fixedCols = FixedCols(), fixedRows = FixedRows();
  P.Fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
  if (FHoverRow && ARow == FHoverRowIdx && FHoverRowCells.Contains(hcFixed)) P.Fixed = false;
  if (ARow == FFilterDropDownRow && FFilterDropDownAuto) P.ShowFilter = GetColumnFilter(P.RealCol);
  TRect& R = P.R;

  // 3: a cell scroll bar takes its width off the right edge.
  DrawCellScrollBar(ACanvas, P);

  // 4-8: the cell's look on the canvas.
  P.WW = FWordWrapEx;
  GetVisualProperties(ACol, ARow, P.State, false, false, true, ACanvas.Brush(), P.ColorTo, P.MirrorColor,
                      P.MirrorColorTo, ACanvas.Font(), P.HA, P.VA, P.WW, P.GD);
  // A check box that stands without its text still takes the cell's alignment.
  P.TextAlign = P.HA;
  P.Placement = GetCellGraphicPlacement(P.RealCol, ARow);
  if (P.RealCol == 0 && IsNode(ARow)) {
    const TCellProperties* node = FindCellProperties(0, ARow);
    P.Placement.Width = (node ? node->NodeLevel() : 0) * 12 + 4;
  }
  if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone)
    ACanvas.Brush().Color = clHighlight;
  ACanvas.Font().Size += FZoomFactor;
  P.BrushColor = ACanvas.Brush().Color;
  P.FontColor = ACanvas.Font().Color;
  int savedRight = R.Right;

  // 9: the application style paints fixed and selected cells.
  if (IsStyled() && (P.Fixed || P.State.Contains(gdSelected))) {
    TRect s = R;
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
  // 10: the looks of fixed cells.
  if (P.Fixed && !P.StylePainted) DrawFixedLook(ACanvas, P);

  // 11: the row indicator in column 0 of the current row.
  const TBitmap& indicator = *p.RowIndicator;
  bool indicatorRow = P.RealCol == 0 && ARow == Row() && fixedCols > 0 && !indicator.Empty() &&
                      !(FFixedRowAlways && RowCount() == fixedRows);
  if (indicatorRow) {
    int y = R.Top;
    if (FVAlignment == vtaCenter) y = R.Top + (R.Height() - indicator.Height()) / 2;
    if (FVAlignment == vtaBottom) y = R.Bottom - indicator.Height();
    TBitmap transparent = indicator;
    transparent.SetTransparent(true);
    ACanvas.Draw(R.Left + 2, y, transparent);
    R.Left += indicator.Width() + 2;
  }
  // 12: the list-view header look.
  if (FLook == glListView && P.Fixed && !P.StylePainted && !FFlat) {
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
  // 13: the modified marker.
  if (ACol == 0 && p.ShowModified->Enabled() && RowModified(DisplToRealRow(ARow)))
    FillRectColor(ACanvas, Rect(R.Right - 4, R.Top, R.Right, R.Bottom), p.ShowModified->Color());
  // 14.
  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, P.RealCol, ARow, P.State, R, false);

  // 15: buttons that show without an editor.
  const TControlLook& look = *p.ControlLook;
  if (!P.Fixed && (look.DropDownAlwaysVisible() || look.SpinButtonsAlwaysVisible())) {
    int mode = look.FlatButton() ? fdmFlat : ThemesActive() ? fdmTheme : fdmClassic;
    if (FFlat && p.ColorTones.Background.BrushColor != clNone) mode = fdmTones;
    bool canEdit = true;
    CanEditCell(P.RealCol, ARow, canEdit);
    int state = canEdit ? fdsNormal : fdsDisabled;
    if (look.DropDownAlwaysVisible() && HasComboBox(P.RealCol, ARow)) {
      DrawComboButton(ACanvas, Handle(), Rect(R.Right - kDropDownPart - 2, R.Top - 1, R.Right + 1, R.Bottom), mode,
                      state, p.ColorTones);
      R.Right -= kDropDownPart;
    }
    if (look.SpinButtonsAlwaysVisible() && HasSpinEdit(P.RealCol, ARow)) {
      DrawSpinButtons(ACanvas, Handle(), Rect(R.Right - kDropDownPart, R.Top, R.Right, R.Bottom), mode, state,
                      p.ColorTones);
      R.Right -= kDropDownPart;
    }
  }
  // 16: a background object, then the text.
  TCellGraphic* graphic = P.Placement.Graphic;
  bool hasGraphic = graphic && graphic->CellType() != ctEmpty && graphic->CellType() != ctNone;
  bool eventsDraw = (OnDrawCell || OnCustomCellDraw) && FNoDefaultDraw;
  if (!(hasGraphic && FNoImageAndText) && !eventsDraw) DrawCellText(ACanvas, P);

  // 17: colours back, then the borders.
  R.Right = savedRight;
  ACanvas.Brush().Color = P.BrushColor;
  ACanvas.Font().Color = P.FontColor;
  DrawCellBorders(ACanvas, P.RealCol, ARow, Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1));
  // 18.
  if (indicatorRow) R.Left -= indicator.Width() + 2;
  // 19-20: the frames of fixed cells.
  if (P.Fixed && !FFlat && !P.StylePainted) DrawFixedFrame(ACanvas, P);
  if (FFixedRightCols > 0 && P.RealCol >= TotalColCount() - FFixedRightCols && FLook != glClassic && !Ctl3D()) {
    ACanvas.Pen().Color = FFlat ? 0x808080 : clBlack;
    ACanvas.Brush().Style = bsClear;
    ACanvas.Rectangle(Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1));
    ACanvas.Brush().Style = bsSolid;
  }
  // 22: the cell's object.
  if (hasGraphic) {
    if (P.Fixed) R.Top += 1;
    DrawCellGraphic(ACanvas, P);
    if (P.Fixed) R.Top -= 1;
  }
  // 23: the draw events.
  if (OnDrawCell) {
    TRect e = Rect(R.Left + 1, R.Top + 1, R.Right - GridLineWidth(), R.Bottom - GridLineWidth());
    OnDrawCell(this, P.RealCol, ARow, e, P.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, P.RealCol, ARow, P.State, R, false);

  // 24: the focus rectangle, never over the fixed cells.
  TPoint cur = BaseCell(Col(), Row());
  TPoint me = BaseCell(ACol, ARow);
  if (!FHideFocusRect && me == cur && Focused() && !Options().Contains(goRowSelect) && Row() >= fixedRows &&
      Col() >= fixedCols) {
    TRect f = R;
    InflateRect(f, GridLineWidth() - 1, GridLineWidth() - 1);
    f.Right -= 1;
    f.Bottom -= 1;
    ACanvas.Brush().Color = clWhite;
    ACanvas.Font().Color = clBlack;
    ACanvas.DrawFocusRect(f);
  }
  // 25: column numbers while designing.
  if (ARow == 0 && IsDesigning() && FShowDesignHelper && p.ShowColumnNumbers) {
    ACanvas.Brush().Style = bsClear;
    ACanvas.Font() = TFont{};
    ACanvas.Font().Color = 0x808080;
    TRect n = R;
    n.Right -= 2;
    ACanvas.DrawText(std::to_string(P.RealCol), n, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
  }
}

}  // namespace hd
