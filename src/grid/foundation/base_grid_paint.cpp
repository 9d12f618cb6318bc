// The cell painter: background, selection look, hover and active row, grid lines, then the
// content hook. A merged range paints as one cell.
#include "grid/foundation/base_grid.h"
#include "grid/foundation/draw_utils.h"

namespace hd {

namespace {

// The colours of the rounded selection box of one look.
struct TSelectionColors {
  TColor Color, ColorTo, MirrorColor, MirrorColorTo, BorderColor, InnerTopColor, InnerBottomColor, CornerColor;
};

constexpr TSelectionColors kVista{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
constexpr TSelectionColors kWin7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
constexpr TSelectionColors kOffice2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
// Every look shows an unfocused selection in greys.
constexpr TSelectionColors kUnfocused{0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};

const TSelectionColors& SelectionColors(TGridSelectionStyle style, bool focused) {
  if (!focused) return kUnfocused;
  switch (style) {
    case ssVista:
      return kVista;
    case ssWin7:
      return kWin7;
    default:
      return kOffice2007;
  }
}

// Which part of a row's selection box a cell is: alone, left end, right end or middle.
int SelectionPart(int col, int left, int right) {
  if (col == left && col < right) return sspLeftEnd;
  if (col == right && col > left) return sspRightEnd;
  if (col > left && col < right) return sspMiddle;
  return sspAlone;
}

}  // namespace

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

bool TBaseGrid::IsFixed(int, int) const { return false; }

void TBaseGrid::GetCellLook(int, int, TCellLook&, bool, bool, bool) {}

void TBaseGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                    TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                    TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                    TCellGradientDirection& GD) {
  TCellLook look{.State = AState, .Brush = ABrush, .Font = AFont, .ColorTo = AColorTo, .MirrorColor = AMirrorColor,
                 .MirrorColorTo = AMirrorColorTo, .HA = HA, .VA = VA, .WW = WW, .GD = GD};
  GetCellLook(ACol, ARow, look, Print, Select, Remap);
  AState = look.State;
  ABrush = look.Brush;
  AFont = look.Font;
  AColorTo = look.ColorTo;
  AMirrorColor = look.MirrorColor;
  AMirrorColorTo = look.MirrorColorTo;
  HA = look.HA;
  VA = look.VA;
  WW = look.WW;
  GD = look.GD;
}

void TBaseGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState) {
  // Over the background already painted.
  ACanvas.Brush().Style = bsClear;
  TRect r = ARect;
  ACanvas.DrawText(GetCellEx(ACol, ARow), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void TBaseGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, const TCellLook& Look) {
  DrawCellContent(ACanvas, ACol, ARow, ARect, Look.State);
}

void TBaseGrid::DoPaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                            bool UseMergedRect) {
  if (FHideLastRow && ARow == RowCount() - 1) {
    ACanvas.Brush() = TBrush{Color(), bsSolid};
    ACanvas.Pen().Color = Color();
    ACanvas.Rectangle(ARect);
    return;
  }
  // A covered cell paints its range through the base cell, once per paint pass; the base
  // cell also paints itself when it is in the area painted.
  int bc, br;
  if (!ResolveBaseCell(ACol, ARow, bc, br) && (bc != ACol || br != ARow)) {
    TCellProperties* base = FindCellProperties(bc, br);
    if (base && base->FPaintID != FPaintID) {
      base->FPaintID = FPaintID;
      PaintCell(ACanvas, bc, br, ARect, AState);
    }
    return;
  }
  if (UseMergedRect) {
    if (IsFixed(ACol, ARow)) {
      AState.Include(gdFixed);
      AState.Exclude(gdSelected);
    }
    ARect = CellRect(ACol, ARow);
  }
  // A range scrolled in under the fixed cells must not paint over them.
  int fixedW = ACol < FixedCols() ? 0 : FixedColsWidth(), fixedH = ARow < FixedRows() ? 0 : FixedRowsHeight();
  bool clipped = (ACol >= FixedCols() && FixedCols() > 0 && ARect.Left < fixedW) ||
                 (ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < fixedH);
  if (clipped) {
    ACanvas.SaveState();
    ACanvas.IntersectClipRect(Rect(fixedW, fixedH, Width(), Height()));
  }
  ACanvas.Pen().Width = 1;

  // The look starts from the grid's own, so that nothing is left over from the last cell; the
  // content is drawn with the same look, so the cell's questions are asked once.
  TCellLook look;
  look.State = AState;
  look.Brush = TBrush{Color(), bsSolid};
  look.Font = Font();
  look.WW = FWordWrap;
  GetCellLook(ACol, ARow, look, false, true, true);
  AState = look.State;
  ACanvas.Brush() = look.Brush;
  ACanvas.Font() = look.Font;
  TColor colorTo = look.ColorTo, mirror = look.MirrorColor, mirrorTo = look.MirrorColorTo;
  TCellGradientDirection gd = look.GD;
  bool selected = AState.Contains(gdSelected), fixed = AState.Contains(gdFixed);
  bool hoverReaches = !(selected && !FHoverRowCells.Contains(hcSelected)) && !(fixed && !FHoverRowCells.Contains(hcFixed));
  if (hoverReaches && FHoverRow && ARow == FHoverRowIdx) {
    ACanvas.Brush().Color = FHoverRowColor;
    colorTo = FHoverRowColorTo;
    mirror = clNone;
    mirrorTo = clNone;
    gd = GradientVertical;
  }
  if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel)) ||
      (!UseMergedRect && selected)) {
    ACanvas.Brush().Color = FActiveRowColor;
    colorTo = FActiveRowColorTo;
    mirror = FActiveRowMirrorColor;
    mirrorTo = FActiveRowMirrorColorTo;
  }
  ACanvas.Pen().Color = ACanvas.Brush().Color;

  TColor background = ACanvas.Brush().Color;
  if (selected && FSelectionStyle != ssDefault && FShowSel) {
    TGridRect sel = Selection();
    int part = SelectionPart(ACol, std::min(sel.Left, sel.Right), std::max(sel.Left, sel.Right));
    TRect r = ARect;
    if (!Options().Contains(goHorzLine)) ++r.Bottom;
    if (!Options().Contains(goVertLine)) ++r.Right;
    const TSelectionColors& c =
        SelectionColors(FSelectionStyle, Focused() || Options().Contains(goDrawFocusSelected));
    DrawStyledSelection(ACanvas, c.Color, c.ColorTo, c.MirrorColor, c.MirrorColorTo, c.InnerTopColor,
                        c.InnerBottomColor, c.BorderColor, c.CornerColor, Color(), r, part);
  } else if (!IsStyled() || !(fixed || selected)) {
    if (mirrorTo == clNone)
      DrawGradient(ACanvas, background, colorTo, gd == GradientHorizontal, ARect, 64);
    else
      DrawMirroredGradient(ACanvas, ARect, background, colorTo, mirror, mirrorTo, true, clNone, false, true);
  }

  // The lines lie inside the cell, along its right and bottom edges.
  int w;
  if (fixed) {
    ACanvas.Pen().Color = FGridFixedLineColor;
    ACanvas.Pen().Width = 1;
    w = 1;
  } else {
    if (FGridLineWidth > 0) ACanvas.Pen().Color = FGridLineColor;
    ACanvas.Pen().Width = FGridLineWidth;
    w = (FGridLineWidth + 1) / 2;
  }
  // Width 0 draws no line (a one-pixel line there would lie in the next cell).
  bool lines = fixed || FGridLineWidth > 0;
  TGridOptions options = Options();
  if (lines && !(HasNodes() && ACol == 0) &&
      ((options.Contains(goHorzLine) && !fixed) || (options.Contains(goFixedHorzLine) && fixed))) {
    ACanvas.MoveTo(ARect.Left - w + 1, ARect.Bottom - w);
    ACanvas.LineTo(ARect.Right - w + 1, ARect.Bottom - w);
  }
  if (lines && ((options.Contains(goVertLine) && !fixed) || (options.Contains(goFixedVertLine) && fixed))) {
    ACanvas.MoveTo(ARect.Right - w, ARect.Bottom - w);
    ACanvas.LineTo(ARect.Right - w, ARect.Top - w);
  }

  if (UseMergedRect) {
    TRect content = ARect;
    if (fixed) {
      content.Right -= 1;
      content.Bottom -= 2;
    } else {
      InflateRect(content, -FGridLineWidth, -FGridLineWidth);
    }
    DrawCellContent(ACanvas, ACol, ARow, content, look);
  }
  if (clipped) ACanvas.RestoreState();
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Pen().Style = psSolid;
}

}  // namespace hd
