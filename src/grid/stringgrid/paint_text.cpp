// A cell's text with its filter and sort glyphs, the cell background picture or gradient slice,
// the selection rectangle, the cell borders, the display text and the text measurement.
#include <algorithm>
#include <cmath>

#include "grid/foundation/draw_utils.h"
#include "grid/foundation/error_underline.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/cell_paint_p.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/application.h"
#include "platform/bitmap_resources.h"
#include "platform/grids/grid_axis.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr unsigned kVFlags[] = {0, DT_VCENTER, DT_BOTTOM};  // vtaTop, vtaCenter, vtaBottom
constexpr unsigned kHFlags[] = {0, DT_RIGHT, DT_CENTER};    // taLeftJustify, taRightJustify, taCenter
constexpr int kFilterGlyph = 16;

int GlyphY(TVAlignment va, const TRect& r) {
  switch (va) {
    case vtaCenter: return r.Top + (r.Bottom - r.Top) / 2;
    case vtaBottom: return r.Bottom - 8;
    default: return r.Top + 8;
  }
}

// The first line of a text: up to its first line break.
void KeepFirstLine(std::string& text) {
  std::size_t end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
}

}  // namespace

void TExtStringGrid::DrawCellBackground(TCanvas& ACanvas, TCellPaint& P) {
  TExtStringGridPrivate& p = *FP;
  const TBackGround& bg = *p.BackGround;
  TRect& R = P.R;
  TBackGroundCells cells = bg.Cells();
  bool covered = cells == bcAll || (cells == bcNormal && !P.Fixed) || (cells == bcFixed && P.Fixed);
  bool ownColor = Colors(P.RealCol, P.Row) != clNone;
  bool selected = P.Look.State.Contains(gdSelected) && FP->Colors.FShowSelection;
  int gw = GridLineWidth();
  if (!bg.Bitmap().Empty() && !ownColor && covered && !selected) {
    TRect r = Rect(R.Left - gw + 1, R.Top - gw + 1, R.Right, R.Bottom);
    ACanvas.SaveState();
    ACanvas.IntersectClipRect(r);
    if (bg.Display() == bdTile) {
      // The tiles line up with the cells, counted from the first normal column and row.
      int fromCol = cells == bcNormal ? FixedCols() : 0, fromRow = cells == bcNormal ? FixedRows() : 0;
      // Positions from the axes, so that a far row costs what a near one does.
      std::int64_t x = ColAxis().Span(fromCol, std::max(P.Col, fromCol));
      std::int64_t y = RowAxis().Span(fromRow, std::max(P.Row, fromRow));
      int w = bg.Bitmap().Width(), h = bg.Bitmap().Height();
      int ox = w > 0 ? static_cast<int>(x % w) : 0, oy = h > 0 ? static_cast<int>(y % h) : 0;
      for (int ty = r.Top - oy; ty < r.Bottom; ty += h)
        for (int tx = r.Left - ox; tx < r.Right; tx += w) ACanvas.Draw(tx, ty, bg.Bitmap());
    } else {
      DrawBackgroundPictureAt(ACanvas, r);
    }
    ACanvas.RestoreState();
  }
  static constexpr TCellTypes kControlKinds{ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctRadioButton};
  bool controlKind = P.Placement.Graphic && kControlKinds.Contains(P.Placement.Graphic->CellType());
  bool focusedDrawn = P.Look.State.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected);
  if ((bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert) && (!ownColor || controlKind) && covered &&
      (!selected || focusedDrawn) && bg.ColorTo() != clNone) {
    bool horz = bg.Display() == bdGradientHorz;
    TRect r = Rect(R.Left - 1, R.Top - gw, R.Right, R.Bottom + gw - 1);
    int extent = horz ? Width() : Height();
    TColor from = GradientColorAt(bg.Color(), bg.ColorTo(), 0, horz ? r.Left : r.Top, extent);
    TColor to = GradientColorAt(bg.Color(), bg.ColorTo(), 0, horz ? r.Right : r.Bottom, extent);
    DrawGradient(ACanvas, from, to, horz, r, 128);
  }
}

void TExtStringGrid::DrawCellText(TCanvas& ACanvas, TCellPaint& P) {
  TExtStringGridPrivate& p = *FP;
  // The text moves the rectangle about; the steps after it start from the cell's again.
  const TRect cellRect = P.R;
  TRect& R = P.R;
  TColor urlColor = FP->Colors.FURLColor;
  // The selection's colours, or back to the plain ones.
  bool rowMarked = Options().Contains(goRowSelect) && RowSelectMark(P.Row);
  if ((P.Look.State.Contains(gdSelected) || rowMarked) && !P.Fixed) {
    if (FP->Colors.FShowSelection) {
      if (FP->Colors.FSelectionColor != clNone) ACanvas.Brush().Color = FP->Colors.FSelectionColor;
      if (Enabled() && FP->Colors.FSelectionTextColor != clNone) ACanvas.Font().Color = FP->Colors.FSelectionTextColor;
      urlColor = FP->Colors.FSelectionTextColor;
    } else if (!Focused() || (P.Placement.Graphic && P.Placement.Graphic->CellType() == ctCheckBox)) {
      ACanvas.Brush().Color = P.BrushColor;
      ACanvas.Font().Color = P.FontColor;
    }
  }
  // The text as shown.
  std::string& text = *P.Text;
  if (OnGetFloatFormat)
    text = GetFormattedCell(P.RealCol, P.Row);
  else
    FetchCellText(P.RealCol, P.Row, text);
  int kind = GetTextKind(text, FP->Text.FEnableHTML);
  bool password = false;
  IsPasswordCell(P.RealCol, P.Row, password);
  if (password) FillWithChar(text, FP->Text.FPasswordChar);
  // Fixed cells start a grid line further in; a scrolled cell is clipped to itself.
  if (P.Fixed) {
    R.Left += GridLineWidth();
    R.Top += GridLineWidth();
  }
  TRect textArea = R;
  bool clipped = P.ScrollPos > 0;
  if (clipped) {
    ACanvas.SaveState();
    ACanvas.IntersectClipRect(R);
    R.Top -= P.ScrollPos;
  }
  // The filter glyph.
  if (P.ShowFilter) {
    const TFilterDropDown& fd = *p.FilterDropDown;
    const TBitmap& glyph = p.Filter->HasFilter(P.RealCol) ? fd.GlyphActive() : fd.Glyph();
    if (!glyph.Empty()) {
      TBitmap t = glyph;
      t.SetTransparent(true);
      ACanvas.Draw(R.Right - kFilterGlyph, R.Top, t);
    } else {
      DrawResourceBitmapTransparent(ACanvas, FixedColor(), Rect(R.Right - kFilterGlyph, R.Top, R.Right, R.Bottom),
                                    "ESGFILT");
    }
  }
  // Under disjunct selection a cell of an unmarked row (column) shows the grid's colours,
  // whatever the selection rectangle underneath says.
  const TMouseActions& mouse = *p.MouseActions;
  if (!P.Fixed && FGridState != gsSelecting && (mouse.DisjunctRowSelect() || mouse.DisjunctColSelect())) {
    bool marked = mouse.DisjunctRowSelect()
                      ? RowSelectMark(mouse.RowSelectPersistent() ? DisplToRealRow(P.Row) : P.Row)
                      : P.RealCol < p.ColSelect->Count() && p.ColSelect->Items(P.RealCol) != 0;
    if (!marked) {
      ACanvas.Brush().Color = Color();
      ACanvas.Font() = Font();
      urlColor = FP->Colors.FURLColor;
      GetCellColor(P.RealCol, P.Row, P.Look.State, ACanvas.Brush(), ACanvas.Font());
      ACanvas.Font().Size += FP->Layout.FZoomFactor;
    }
  }
  // A background picture or gradient slice behind the text.
  DrawCellBackground(ACanvas, P);
  // The selection rectangle along the selection's outline.
  if (FP->Colors.FSelectionRectangle && !P.Fixed) {
    TGridRect sel = Selection();
    TPoint base = BaseCell(P.Col, P.Row);
    if (sel.Contains(base.X, base.Y)) {
      int gw = GridLineWidth();
      TPen saved = ACanvas.Pen();
      ACanvas.Pen() = TPen{FP->Colors.FSelectionRectangleColor, 2};
      TPoint ext = CellSpan(base.X, base.Y);
      auto seg = [&](int x1, int y1, int x2, int y2) {
        ACanvas.MoveTo(x1, y1);
        ACanvas.LineTo(x2, y2);
      };
      TRect c = textArea;
      if (base.X == sel.Left) seg(c.Left - gw + 1, c.Top - gw, c.Left - gw + 1, c.Bottom + 1);
      if (base.X + ext.X == sel.Right) seg(c.Right - 1, c.Top - gw, c.Right - 1, c.Bottom + 1);
      if (base.Y == sel.Top) seg(c.Left - gw, c.Top - gw + 1, c.Right, c.Top - gw + 1);
      if (base.Y + ext.Y == sel.Bottom) seg(c.Left - gw, c.Bottom, c.Right, c.Bottom);
      ACanvas.Pen() = saved;
      if (FP->Colors.FSelectionResizer && base.X + ext.X == sel.Right && base.Y + ext.Y == sel.Bottom) {
        TBrush brush = ACanvas.Brush();
        ACanvas.Brush() = TBrush{FP->Colors.FSelectionRectangleColor, bsSolid};
        ACanvas.FillRect(Rect(c.Right - 4, c.Bottom - 4, c.Right + 1, c.Bottom + 1));
        ACanvas.Brush() = brush;
      }
    }
  }
  // The text itself, unless the cell's object takes its place.
  if (P.Placement.TextToo || !P.Placement.Graphic) {
    R.Left += FP->Text.FXYOffset.X;
    R.Top += FP->Text.FXYOffset.Y;
    if (!FP->Text.FXYOffsetTopLeftOnly) R.Right -= FP->Text.FXYOffset.X;
    P.TextAlign = P.Look.HA;
    const TCellGraphicPlacement& g = P.Placement;
    if (g.Graphic) {
      if (g.HAlign == haBeforeText) R.Left += g.Width;
      if (g.HAlign == haAfterText) R.Right -= g.Width;
      if (g.VAlign == vaAboveText) R.Top += g.Height;
      if (g.VAlign == vaUnderText) R.Bottom -= g.Height;
    }
    if (kind == ttMarkup) {
      DrawMarkupText(ACanvas, P, text, urlColor);
      if (clipped) ACanvas.RestoreState();
      R = cellRect;
      return;
    }
    if (kind == ttRichText) {
      DrawRichText(ACanvas, P);
      if (clipped) ACanvas.RestoreState();
      R = cellRect;
      return;
    }
    const TSortSettings& sort = *p.SortSettings;
    bool sortHeader = sort.Show() && P.Row == sort.Row();
    if (sortHeader && P.Look.HA == taCenter) R.Left += 10;
    bool link = FP->Text.FURLShow && HasURLProtocol(text);
    if (link) {
      if (!FP->Text.FURLFull) StripURLProtocol(text);
      ACanvas.Font().Color = urlColor;
      ACanvas.Font().Style.Include(fsUnderline);
    }
    unsigned flags = DT_EDITCONTROL;
    bool oneLine = FP->Text.FMultilinecells ? CountLines(text, true) <= 1 : true;
    if (oneLine && !P.Look.WW) {
      KeepFirstLine(text);
      flags = DT_SINGLELINE;
      if (FP->PaintFlags.FEnhTextSize) flags |= DT_END_ELLIPSIS;
    } else if (P.Look.WW && !FP->Text.FMultilinecells && FP->PaintFlags.FEnhTextSize) {
      flags |= DT_END_ELLIPSIS;
    }
    flags |= DT_EXPANDTABS | DT_NOPREFIX | kHFlags[P.Look.HA] | kVFlags[P.Look.VA];
    if (P.Look.WW || FP->Text.FMultilinecells)
      flags |= DT_WORDBREAK | DT_EDITCONTROL;
    else
      flags |= DT_SINGLELINE;
    FP->PaintFlags.FLastVAlign = kVFlags[P.Look.VA];
    ACanvas.Brush().Style = bsClear;
    if (P.ShowFilter) R.Right -= kFilterGlyph;
    if (g.Graphic) {
      TRect m = R;
      ACanvas.DrawText(text, m, flags | DT_CALCRECT);
      P.TextWidth = m.Width() + 2;
    }
    TRect drawn = R;
    ACanvas.DrawText(text, drawn, flags);
    ACanvas.Brush().Style = bsSolid;
    // A marked range of the text.
    if (g.Graphic && (g.Graphic->CellType() == ctEmpty || g.Graphic->CellType() == ctValue) &&
        g.Graphic->CellErrLen() > 0)
      DrawWavyUnderline(this, ACanvas, text, g.Graphic->CellErrLen(), g.Graphic->CellErrFrom(), 0, R);
    // The sort glyph of a header.
    if (SortGlyphShown(P)) {
      TRect g4 = textArea;
      if (P.ShowFilter) g4.Right -= kFilterGlyph;
      int q = std::max(0, std::min(ACanvas.TextWidth(text), g4.Width() - 16));
      int gw = g.Graphic && (g.HAlign == haLeft || g.HAlign == haBeforeText) ? g.Width : 0;
      int x = P.Look.HA == taLeftJustify ? g4.Left + q + gw + 10 : P.Look.HA == taRightJustify ? g4.Right - q - 10 : g4.Left + 8;
      DrawSortGlyph(ACanvas, P.RealCol, GlyphY(P.Look.VA, g4), x);
    }
    if (link) ACanvas.Font().Style.Exclude(fsUnderline);
  }
  // The clip of the scrolled cell goes, the one before it comes back.
  if (clipped) ACanvas.RestoreState();
  R = cellRect;
}

void TExtStringGrid::DrawRichText(TCanvas& ACanvas, TCellPaint& P) {
  // A selected cell without the focus keeps what is under it when there is no selection colour.
  bool keep = P.Look.State.Contains(gdSelected) && !Focused() && FP->Colors.FSelectionColor == clNone;
  if (!keep) ACanvas.FillRect(P.R);
  ACanvas.Brush().Style = bsClear;
  DrawRichCell(P.RealCol, P.Row, P.R, ACanvas);
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Font().Color = clBlack;
}

bool TExtStringGrid::SortGlyphShown(const TCellPaint& P) const {
  const TExtStringGridPrivate& p = *FP;
  const TSortSettings& sort = *p.SortSettings;
  bool sortHeader = sort.Show() && P.Row == sort.Row();
  bool sortColumn = P.RealCol == sort.Column() || p.SortIndexes->IndexOf(P.RealCol) >= 0;
  bool glyphCell = sortHeader && RowCount() > FixedRows() + 1;
  bool firstIndex = p.SortIndexes->Count() == 0 || p.SortIndexes->Items(0) == P.RealCol || sort.IndexShow();
  return glyphCell && sortColumn && FixedRows() > 0 && (P.Col >= FixedCols() || sort.FixedCols()) && firstIndex;
}

void TExtStringGrid::DrawMarkupText(TCanvas& ACanvas, TCellPaint& P, const std::string& Text, TColor URLColor) {
  TRect& R = P.R;
  bool glyph = SortGlyphShown(P);
  if (P.ShowFilter) R.Right -= 18;
  R.Left -= 1;
  if (glyph) R.Right -= 10;
  TMarkupCall call;
  call.Rect = R;
  call.WordWrap = P.Look.WW;
  PointerMarkupLook(P.Col, P.Row, call);
  call.URLColor = URLColor;
  call.ShadowColor = clGray;
  call.PictureCache = &ImageCache();
  call.PictureContainer = FP->Colors.FPictureContainer;
  TMarkupResult result;
  DrawMarkup(ACanvas, Text, call, result);
  P.TextWidth = result.XSize + 2;
  if (glyph) DrawSortGlyph(ACanvas, P.RealCol, GlyphY(P.Look.VA, R), R.Right + 2);
}

THTMLPictureCache& TExtStringGrid::ImageCache() const { return *FP->ImageCache; }

void TExtStringGrid::DrawSortGlyph(TCanvas& ACanvas, int ACol, int Y, int X) {
  TExtStringGridPrivate& p = *FP;
  const TSortSettings& sort = *p.SortSettings;
  TPen& pen = ACanvas.Pen();
  int k = p.SortIndexes->IndexOf(ACol);
  if (sort.IndexShow() && k >= 0) {
    TBrush savedBrush = ACanvas.Brush();
    TFont savedFont = ACanvas.Font();
    ACanvas.Brush() = TBrush{sort.IndexColor(), bsSolid};
    ACanvas.SetBkMode(bkTransparent);
    ACanvas.Font().Color = clBlack;
    ACanvas.Font().Size = 6;
    bool up = (static_cast<unsigned>(p.SortIndexes->Items(k)) & 0x80000000u) != 0;
    bool noGlyphs = sort.IndexUpGlyph().Empty() || sort.IndexDownGlyph().Empty();
    pen.Color = clBlack;
    if (up) {
      if (noGlyphs)
        ACanvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
      else
        ACanvas.Draw(X - 7, Y - 7, sort.IndexUpGlyph());
      ACanvas.TextOut(X - 2, Y - 4, std::to_string(k + 1));
    } else {
      if (noGlyphs)
        ACanvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
      else
        ACanvas.Draw(X - 7, Y - 7, sort.IndexDownGlyph());
      ACanvas.TextOut(X - 2, Y - 2, std::to_string(k + 1));
    }
    ACanvas.Brush() = savedBrush;
    ACanvas.Font() = savedFont;
    return;
  }
  if (sort.UpGlyph().Empty() || sort.DownGlyph().Empty()) {
    pen.Width = 1;
    if (sort.Direction() == sdDescending) {
      pen.Color = clWhite;
      ACanvas.MoveTo(X + 4, Y - 4);
      ACanvas.LineTo(X, Y + 4);
      pen.Color = 0x808080;
      ACanvas.LineTo(X - 4, Y - 4);
      ACanvas.LineTo(X + 4, Y - 4);
    } else {
      pen.Color = clWhite;
      ACanvas.MoveTo(X - 4, Y + 4);
      ACanvas.LineTo(X + 4, Y + 4);
      ACanvas.LineTo(X, Y - 4);
      pen.Color = 0x808080;
      ACanvas.LineTo(X - 4, Y + 4);
    }
    pen.Color = clBlack;
    return;
  }
  TBitmap glyph = sort.Direction() == sdDescending ? sort.DownGlyph() : sort.UpGlyph();
  glyph.SetTransparent(true);
  ACanvas.Draw(X - 4, Y - 4, glyph);
  ACanvas.Brush().Color = FixedColor();
}

void TExtStringGrid::DrawCellBorders(TCanvas& ACanvas, int ACol, int ARow, TRect R) {
  TCellBorders borders;
  TPen saved = ACanvas.Pen();
  TPen pen = saved;
  GetCellBorder(ACol, ARow, pen, borders);
  if (borders.Empty()) {
    ACanvas.Pen() = saved;
    return;
  }
  TPen left = pen, top = pen, right = pen, bottom = pen;
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, ACol, left, top, right, bottom);
  int e = (pen.Width + 1) / 2;
  int leftInset = Options().Contains(goVertLine) ? e : 0;
  int bottomInset = Options().Contains(goHorzLine) ? e : 0;
  int gw = GridLineWidth();
  R.Left += leftInset;
  R.Bottom -= bottomInset;
  auto line = [&](const TPen& p, int x1, int y1, int x2, int y2) {
    ACanvas.Pen() = p;
    ACanvas.MoveTo(x1, y1);
    ACanvas.LineTo(x2, y2);
  };
  if (borders.Contains(cbLeft)) line(left, std::max(0, R.Left), R.Top, std::max(0, R.Left), R.Bottom);
  R.Right -= leftInset;
  if (borders.Contains(cbRight)) line(right, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
  if (borders.Contains(cbTop)) {
    R.Top += bottomInset;
    int y = gw == 0 ? R.Top + 1 : std::max(0, R.Top - gw);
    line(top, R.Left, y, R.Right, y);
  }
  if (borders.Contains(cbBottom)) line(bottom, R.Left - gw - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
  ACanvas.Pen() = saved;
}

}  // namespace hd
