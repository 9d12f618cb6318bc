// The object a cell carries, sized, placed and drawn: pictures, check boxes and radios, buttons,
// progress bars, shapes, ratings, node boxes and comments; and the scroll bar of a cell.
#include <algorithm>
#include <cmath>

#include "grid/foundation/draw_utils.h"
#include "grid/foundation/progress_shapes.h"
#include "grid/stringgrid/cell_paint_p.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/bitmap_resources.h"
#include "grid/foundation/lists.h"
#include "platform/icon.h"
#include "platform/image_list.h"
#include "platform/picture.h"
#include "platform/sysutils.h"
#include "platform/themes.h"

namespace hd {

namespace {

constexpr int kExpandButton = 13;
constexpr int kPieSize = 20;
constexpr int kStar = 16;
constexpr int kStarPitch = 18;
constexpr int kScrollBarWidth = 16;

bool IsCheckKind(TCellType t) {
  return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
         t == ctRadioButton || t == ctTriStateCheckBox;
}

TColor SlotColor(const TCellSlot& slot) { return static_cast<TColor>(TCellGraphic::SlotValue(slot)); }

}  // namespace

double TExtStringGrid::CellNumber(int ACol, int ARow) {
  // Painting never raises: a text that is no number counts as 0.
  double value = 0;
  if (!TryStrToFloat(Trim(Cells(ACol, ARow)), value) || !std::isfinite(value)) return 0;
  return value;
}

TCellGraphicPlacement TExtStringGrid::GetCellGraphicPlacement(int ACol, int ARow) {
  TCellGraphicPlacement g;
  TCellGraphic* cg = GetCellGraphic(ACol, ARow);
  if (!cg) return g;
  g.Graphic = cg;
  g.HAlign = cg->CellHAlign();
  g.VAlign = cg->CellVAlign();
  const TControlLook& look = *FP->ControlLook;
  switch (cg->CellType()) {
    case ctBitmap:
      if (TBitmap* b = TCellGraphic::SlotObject<TBitmap>(cg->CellBitmap())) {
        g.Width = b->Width();
        g.Height = b->Height();
      }
      break;
    case ctIcon:
      if (TIcon* i = TCellGraphic::SlotObject<TIcon>(cg->CellIcon())) {
        g.Width = i->Width();
        g.Height = i->Height();
      }
      break;
    case ctPicture:
    case ctFilePicture: {
      // The picture as fitted into its cell by its stretch mode.
      TPoint cell = CellSize(RealToDisplCol(ACol), ARow);
      TPoint s = cg->GetPictureSize(cell.X - 1 - GetHorzXYOffset(), cell.Y - 1 - GetVertXYOffset(), false);
      g.Width = s.X;
      g.Height = s.Y;
      break;
    }
    case ctImageList:
      if (const TImageList* images = GetGridImages()) {
        g.Width = images->Width();
        g.Height = images->Height();
      }
      break;
    case ctImages:
      if (const TImageList* images = GetGridImages()) {
        const TIntList* list = TCellGraphic::SlotObject<TIntList>(cg->CellBitmap());
        int n = list ? list->Count() : 0;
        g.Width = cg->CellBoolean() ? n * images->Width() : images->Width();
        g.Height = cg->CellBoolean() ? images->Height() : n * images->Height();
      }
      break;
    case ctInterface:
      if (auto* cell = TCellGraphic::SlotObject<IInterfacedCell>(cg->CellBitmap())) {
        g.Width = cell->GetWidth();
        g.Height = cell->GetHeight();
      }
      break;
    case ctCheckBox:
    case ctTriStateCheckBox: g.Width = g.Height = look.CheckSize(); break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      g.Width = g.Height = look.CheckSize();
      g.TextToo = false;
      break;
    case ctDataImage:
      if (const TImageList* images = GetGridImages()) {
        g.Width = images->Width();
        g.Height = images->Height();
      }
      g.TextToo = false;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress: g.TextToo = false; break;
    case ctButton:
    case ctBitButton:
      g.Width = cg->CellIndex() & 0xFFFF;
      g.Height = (cg->CellIndex() >> 16) & 0xFFFF;
      break;
    case ctProgressPie: g.Width = g.Height = kPieSize; break;
    case ctRadioButton: g.Width = g.Height = look.RadioSize() + 4; break;
    case ctShape: g.Width = g.Height = std::max(0, RowHeights(ARow) - 2 * FP->Text.FXYOffset.Y); break;
    case ctRating:
      g.Width = cg->CellAngle() * kStarPitch;
      g.Height = kStar;
      g.TextToo = false;
      break;
    default: break;
  }
  return g;
}

void TExtStringGrid::PlaceCellGraphic(const TCellPaint& P, TRect& G) const {
  const TCellGraphicPlacement& g = P.Placement;
  const TRect& R = P.R;
  TCellType type = g.Graphic->CellType();
  int w = g.Width, h = g.Height;
  int tw = P.TextWidth;
  TCellHAlign ha = g.HAlign;
  TCellVAlign va = g.VAlign;
  int x = R.Left + 1;
  if (IsCheckKind(type)) {
    // Check boxes follow the cell's own alignment where it differs from the grid's.
    if (P.Look.VA != FP->Text.FVAlignment) va = P.Look.VA == vtaTop ? vaTop : P.Look.VA == vtaCenter ? vaCenter : vaBottom;
    int text = g.TextToo ? tw : 0;
    if (P.TextAlign == taRightJustify)
      x = R.Right - 1 - w - text;
    else if (P.TextAlign == taCenter)
      x = std::max(R.Left + 1, R.Left + (R.Width() - w - text) / 2);
  } else {
    switch (ha) {
      case haRight: x = R.Right - 1 - w; break;
      case haCenter: x = w < R.Width() ? R.Left + (R.Width() - w) / 2 : R.Left + 1; break;
      case haBeforeText:
        if (P.TextAlign == taRightJustify)
          x = R.Right - tw - w;
        else if (P.TextAlign == taCenter)
          x = R.Left + (R.Width() - tw - w) / 2;
        if (x < R.Left) x = R.Left + 1;
        break;
      case haAfterText:
        if (P.TextAlign == taRightJustify)
          x = R.Right - 1 - w;
        else if (P.TextAlign == taCenter)
          x = std::max(R.Left, R.Left + tw + (R.Width() - tw - w) / 2);
        else
          x = R.Left + tw;
        break;
      case haFull: x = R.Left; w = R.Width(); break;
      default: break;
    }
  }
  int y = R.Top + 1;
  switch (va) {
    case vaBottom: y = R.Bottom - 1 - h; break;
    case vaCenter: y = h < R.Height() ? R.Top + (R.Height() - h) / 2 : R.Top + 1; break;
    case vaUnderText: y = R.Bottom - h; break;
    case vaFull: y = R.Top; h = R.Height(); break;
    default: break;
  }
  G = Rect(x, y, x + w, y + h);
}

void TExtStringGrid::DrawCellGraphic(TCanvas& ACanvas, TCellPaint& P) {
  TExtStringGridPrivate& p = *FP;
  TCellGraphic& cg = *P.Placement.Graphic;
  TCellType type = cg.CellType();
  const TRect cellRect = P.R;
  TRect& R = P.R;
  if (type != ctNode && type != ctProgress && type != ctRangeIndicator && type != ctXPProgress)
    InflateRect(R, -(FP->Text.FXYOffset.X - 1), -(FP->Text.FXYOffset.Y - 1));
  TRect G;
  PlaceCellGraphic(P, G);
  const TControlLook& look = *p.ControlLook;
  bool canEdit = true;
  auto editable = [&] {
    canEdit = true;
    CanEditCell(P.RealCol, P.Row, canEdit);
    return canEdit;
  };
  switch (type) {
    case ctBitmap:
      if (TBitmap* b = TCellGraphic::SlotObject<TBitmap>(cg.CellBitmap())) {
        TBitmap copy = *b;
        copy.SetTransparent(cg.CellTransparent());
        ACanvas.Draw(G.Left, G.Top, copy);
      }
      break;
    case ctIcon:
      if (TIcon* i = TCellGraphic::SlotObject<TIcon>(cg.CellIcon())) ACanvas.DrawIcon(G.Left, G.Top, *i);
      break;
    case ctPicture:
      if (TPicture* pic = TCellGraphic::SlotObject<TPicture>(cg.CellBitmap())) pic->Draw(ACanvas, G, cg.CellAngle() != 0);
      break;
    case ctFilePicture:
      if (TFilePicture* pic = TCellGraphic::SlotObject<TFilePicture>(cg.CellBitmap())) pic->DrawPicture(ACanvas, G);
      break;
    case ctImageList:
      if (const TImageList* images = GetGridImages()) images->Draw(ACanvas, G.Left, G.Top, cg.CellIndex());
      break;
    case ctDataImage:
      if (const TImageList* images = GetGridImages()) {
        int index = static_cast<int>(CellNumber(P.RealCol, P.Row)) + cg.CellIndex();
        if (index >= 0 && index < images->Count()) images->Draw(ACanvas, G.Left, G.Top, index);
      }
      break;
    case ctImages:
      if (const TImageList* images = GetGridImages()) {
        const TIntList* list = TCellGraphic::SlotObject<TIntList>(cg.CellBitmap());
        int x = G.Left, y = G.Top;
        for (int i = 0; list && i < list->Count(); ++i) {
          images->Draw(ACanvas, x, y, list->Items(i));
          if (cg.CellBoolean())
            x += images->Width();
          else
            y += images->Height();
        }
      }
      break;
    case ctInterface:
      if (auto* cell = TCellGraphic::SlotObject<IInterfacedCell>(cg.CellBitmap()))
        cell->Draw(ACanvas, G, this, P.Look.State.Contains(gdSelected), P.Row, P.RealCol);
      break;
    case ctCheckBox:
    case ctRowCheckBox:
      DrawCheckBox(ACanvas, G, cg.CellBoolean(), cbUnchecked, false, look.ControlStyle(), cg.CellAngle() > 0,
                   editable());
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue;
      GetCheckTrue(P.RealCol, P.Row, checkTrue);
      DrawCheckBox(ACanvas, G, Cells(P.RealCol, P.Row) == checkTrue, cbUnchecked, false, look.ControlStyle(), false,
                   editable());
      break;
    }
    case ctTriStateCheckBox:
      DrawCheckBox(ACanvas, G, false, cg.CellCheckBoxState(), true, look.ControlStyle(), false, editable());
      break;
    case ctRadioButton: {
      TRect r = Rect(G.Left + FP->Text.FXYOffset.X, G.Top, G.Left + FP->Text.FXYOffset.X + look.RadioSize(), G.Top + look.RadioSize());
      TStringList one;
      one.Add("");
      DrawRadioGroup(ACanvas, r, false, 1.0, look.ControlStyle(), P.Row, P.RealCol, false, &one, !editable(), true,
                     cg.CellBoolean() ? 0 : -2, 1);
      break;
    }
    case ctRadio: {
      TStringList* items = TCellGraphic::SlotObject<TStringList>(cg.CellBitmap());
      DrawRadioGroup(ACanvas, R, false, 1.0, look.ControlStyle(), P.Row, P.RealCol, P.Look.State.Contains(gdSelected),
                     items, !editable(), cg.CellBoolean(), cg.CellIndex(), items ? items->Count() : 0);
      break;
    }
    case ctProgress: DrawProgressObject(ACanvas, P); break;
    case ctRangeIndicator: {
      TRect r = R;
      InflateRect(r, -look.ProgressMarginX(), -look.ProgressMarginY());
      DrawBipolarBar(ACanvas, r, CellNumber(P.RealCol, P.Row), cg.CellIndex(), cg.CellBoolean(),
                     SlotColor(cg.CellBitmap()), SlotColor(cg.CellIcon()));
      break;
    }
    case ctXPProgress: DrawStyledProgressObject(ACanvas, P); break;
    case ctProgressPie:
      DrawProgressPie(ACanvas, Rect(G.Left, G.Top, G.Left + kPieSize, G.Top + kPieSize), SlotColor(cg.CellBitmap()),
                      cg.CellAngle(), false);
      break;
    case ctComment: {
      TColor color = cg.CellIndex() != 0 ? static_cast<TColor>(cg.CellIndex()) : look.CommentColor();
      if (look.CommentColor() == clNone) break;
      int x = R.Right + FP->Text.FXYOffset.X, y = R.Top - FP->Text.FXYOffset.Y;
      TBrush saved = ACanvas.Brush();
      ACanvas.Brush() = TBrush{color, bsSolid};
      ACanvas.Pen().Color = color;
      ACanvas.Polygon({{x - 8, y + 1}, {x - 3, y + 1}, {x - 3, y + 6}});
      ACanvas.Brush() = saved;
      ACanvas.Brush().Color = Color();
      break;
    }
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawCellButton(ACanvas, P, G); break;
    case ctShape:
      DrawCellShape(ACanvas, G.Left, G.Top, G.Width() - 1, G.Height() - 1, static_cast<TCellShape>(cg.CellAngle()),
                    static_cast<TColor>(cg.CellIndex()), SlotColor(cg.CellBitmap()));
      break;
    case ctRating: {
      // Truncated to halves: 3.7 shows three and a half stars.
      double value = std::floor(CellNumber(P.RealCol, P.Row) * 2) / 2;
      TColor empty = SlotColor(cg.CellBitmap()), full = static_cast<TColor>(cg.CellIndex());
      int x = G.Left;
      for (int i = 0; i < cg.CellAngle(); ++i, x += kStarPitch) {
        DrawCellShape(ACanvas, x, G.Top, kStar, kStar, csStar, i + 1 > value ? empty : full, i + 1 > value ? empty : full);
        if (i < value && i + 1 > value) DrawCellShape(ACanvas, x, G.Top, kStar, kStar, csHalfStar, full, full);
      }
      break;
    }
    case ctNode: DrawNodeBox(ACanvas, P); break;
    case ctRotated: DrawRotatedText(ACanvas, P); break;
    default: break;
  }
  R = cellRect;
}

void TExtStringGrid::DrawProgressObject(TCanvas& ACanvas, TCellPaint& P) {
  const TControlLook& look = *FP->ControlLook;
  TCellGraphic& cg = *P.Placement.Graphic;
  TRect r = P.R;
  double value = CellNumber(P.RealCol, P.Row);
  if ((look.ControlStyle() == csWinXP || look.ControlStyle() == csTheme) && ThemesActive() && look.ProgressXP()) {
    InflateRect(r, -look.ProgressMarginX(), -look.ProgressMarginY());
    ACanvas.DrawThemedPart(TThemedElement::ProgressBar, TS_NORMAL, r);
    InflateRect(r, -2, -2);
    double pct = std::clamp(value, 0.0, 100.0);
    TRect chunk = Rect(r.Left, r.Top, r.Left + static_cast<int>(std::lround(pct * r.Width() / 100)), r.Bottom);
    if (chunk.Width() > 0) ACanvas.DrawThemedPart(TThemedElement::ProgressChunk, TS_NORMAL, chunk);
    return;
  }
  InflateRect(r, -2, -2);
  DrawProgressBar(ACanvas, r, SlotColor(cg.CellBitmap()), static_cast<TColor>(cg.CellIndex()),
                  SlotColor(cg.CellIcon()), static_cast<TColor>(cg.CellAngle()), value, look.ProgressMarginX(),
                  look.ProgressMarginY(), cg.CellErrFrom(), cg.CellErrLen(), cg.CellText(), look.ProgressBorderColor(),
                  false);
}

void TExtStringGrid::DrawStyledProgressObject(TCanvas& ACanvas, TCellPaint& P) {
  const TExtStringGridPrivate& p = *FP;
  const TControlLook& look = *p.ControlLook;
  const TGridProgressAppearance& a = *p.ProgressAppearance;
  TCellGraphic& cg = *P.Placement.Graphic;
  TRect r = P.R;
  InflateRect(r, -look.ProgressMarginX(), -look.ProgressMarginY());
  r.Right -= 1;
  r.Bottom -= 1;
  TProgressBarLook l;
  l.Level0Color = a.Level0Color();
  l.Level0ColorTo = a.Level0ColorTo();
  l.Level1Color = a.Level1Color();
  l.Level1ColorTo = a.Level1ColorTo();
  l.Level2Color = a.Level2Color();
  l.Level2ColorTo = a.Level2ColorTo();
  l.Level3Color = a.Level3Color();
  l.Level3ColorTo = a.Level3ColorTo();
  l.Level1Perc = a.Level1Perc();
  l.Level2Perc = a.Level2Perc();
  l.ShowBorder = a.ShowBorder();
  l.BorderColor = a.BorderColor();
  l.Stacked = a.Stacked();
  l.ShowPercentage = a.ShowPercentage();
  l.CompletionSmooth = a.CompletionSmooth();
  l.ShowGradient = a.ShowGradient();
  l.Font = &Font();
  l.FontColor = a.CompleteFontColor();
  l.Steps = a.Steps();
  l.BackgroundColor = a.UnCompleteColor() == clNone ? ACanvas.Brush().Color : a.UnCompleteColor();
  // A range of nothing has no percentage: it shows as 0.
  int lo = cg.CellErrFrom(), hi = cg.CellErrLen();
  int pct = 0;
  if (hi != lo) {
    double v = std::abs(static_cast<double>(static_cast<long long>(CellNumber(P.RealCol, P.Row))) - lo);
    pct = static_cast<int>(std::lround(v / (hi - lo) * 100));
  }
  DrawStyledProgress(ACanvas, r, pct, l);
}

void TExtStringGrid::DrawCellButton(TCanvas& ACanvas, TCellPaint& P, TRect G) {
  const TExtStringGridPrivate& p = *FP;
  const TControlLook& look = *p.ControlLook;
  TCellGraphic& cg = *P.Placement.Graphic;
  TRect& R = P.R;
  TCellType type = cg.CellType();
  if (type == ctExpand) G = Rect(R.Right - kExpandButton, R.Top, R.Right, R.Top + kExpandButton);
  TRect cell = CellRect(P.Col, P.Row);
  cg.SetCellValue((G.Left - cell.Left) + (G.Top - cell.Top) * 65536.0);
  bool enabled = look.NoDisabledButtonLook();
  if (!enabled) {
    enabled = true;
    CanEditCell(P.RealCol, P.Row, enabled);
  }
  int mode = look.FlatButton() ? fdmFlat : ThemesActive() ? fdmTheme : fdmClassic;
  if (FP->Colors.FFlat && p.ColorTones.Background.BrushColor != clNone) mode = fdmTones;
  bool hot = p.PushedCellButton.X == P.Col && p.PushedCellButton.Y == P.Row;
  int state = cg.CellBoolean() ? fdsDown : hot ? fdsHot : fdsNormal;
  if (!enabled && type != ctExpand) state = fdsDisabled;
  DrawButtonFace(ACanvas, Handle(), G, mode, state, p.ColorTones);
  if (state == fdsDown) OffsetRect(G, 1, 1);
  if (type == ctExpand) {
    ACanvas.Pen() = TPen{clBlack, 1};
    // The arrow shows the expanded state; the pushed look is the face's.
    bool down = cg.CellVar() != 0;
    int x = R.Right, y = R.Top;
    if (!down)
      ACanvas.Polyline({{x - 10, y + 5}, {x - 7, y + 8}, {x - 3, y + 4}});
    else
      ACanvas.Polyline({{x - 10, y + 8}, {x - 7, y + 5}, {x - 3, y + 9}});
    return;
  }
  TRect text = G;
  if (type == ctBitButton) {
    if (TBitmap* glyph = TCellGraphic::SlotObject<TBitmap>(cg.CellBitmap())) {
      int gy = glyph->Height() < G.Height() ? G.Top + (G.Height() - glyph->Height()) / 2 : G.Top + 3;
      bool beside = !cg.CellText().empty() || glyph->Width() + 6 > G.Width();
      int gx = beside ? G.Left + 3 : G.Left + (G.Width() - glyph->Width()) / 2;
      TBitmap t = *glyph;
      t.SetTransparent(true);
      ACanvas.Draw(gx, gy, t);
      if (beside) text.Left = gx + glyph->Width() + 4;
    }
  }
  if (cg.CellText().empty()) return;
  const TColorTones& tones = p.ColorTones;
  if (mode == fdmTones) {
    const TColorTone& tone = state == fdsDown ? tones.Selected
                             : state == fdsHot ? tones.Hover
                             : state == fdsDisabled ? tones.Disabled
                                                    : tones.Background;
    if (tone.TextColor != clNone) ACanvas.Font().Color = tone.TextColor;
  }
  unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  flags |= cg.CellText().find('\r') != std::string::npos ? DT_WORDBREAK : DT_SINGLELINE;
  text.Left += 1;
  ACanvas.Brush().Style = bsClear;
  ACanvas.DrawText(cg.CellText(), text, flags);
  ACanvas.Brush().Style = bsSolid;
}

void TExtStringGrid::DrawNodeBox(TCanvas& ACanvas, TCellPaint& P) {
  const TExtStringGridPrivate& p = *FP;
  const TCellNode& node = *p.CellNode;
  TCellGraphic& cg = *P.Placement.Graphic;
  TRect R = P.R;
  int indent = GetRowIndent(P.Row);
  R.Left = indent - node.NodeIndent() / 2 - 4;
  TColor back = ACanvas.Brush().Color;
  if (back == clNone) back = FixedCols() == 0 ? Color() : FixedColor();
  bool contracted = cg.CellBoolean();
  int h = R.Height();
  auto glyph = [&](const char* name, int dx, int dy) {
    DrawResourceBitmapTransparent(ACanvas, back, Rect(R.Left + dx, R.Top + dy, R.Right, R.Bottom), name);
  };
  switch (node.NodeType()) {
    case cnLeaf: glyph(contracted ? "ESGLEAFCLOSE" : "ESGLEAFOPEN", 0, (h - 12) / 2); return;
    case cnXP: glyph(contracted ? "XPNODEC" : "XPNODEO", 4, (h - 10) / 2); return;
    case cnGlyph:
      if (!node.ExpandGlyph().Empty() && !node.ContractGlyph().Empty()) {
        const TBitmap& b = contracted ? node.ContractGlyph() : node.ExpandGlyph();
        int y = R.Top + (h - node.ContractGlyph().Height()) / 2;
        DrawBitmapTransparent(ACanvas, b, back, Rect(R.Left, y, R.Right, R.Bottom));
        return;
      }
      break;
    default: break;
  }
  int x = R.Left + 4, y = R.Top + (h - 8) / 2;
  TRect box = Rect(x, y, x + 9, y + 9);
  FillRectColor(ACanvas, box, node.Color());
  if (node.NodeType() == cnFlat) {
    ACanvas.Pen() = TPen{node.NodeColor(), 1};
    ACanvas.Brush().Style = bsClear;
    ACanvas.Rectangle(box);
    ACanvas.Brush().Style = bsSolid;
    ACanvas.MoveTo(x + 2, y + 4);
    ACanvas.LineTo(x + 7, y + 4);
    if (contracted) {
      ACanvas.MoveTo(x + 4, y + 2);
      ACanvas.LineTo(x + 4, y + 7);
    }
  } else {
    ACanvas.DrawEdge(box, contracted ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_SOFT);
  }
}

void TExtStringGrid::DrawTreeLine(TCanvas& ACanvas, TCellPaint& P) {
  const TCellNode& node = *FP->CellNode;
  const TCellProperties* props = FindCellProperties(0, P.Row);
  int level = props ? props->NodeLevel() : 0;
  if (!node.ShowTree() || level <= 0 || IsNode(P.Row)) return;
  int type = GetNodeSpanType(P.Row);
  // Under the centre of the owning node's glyph, then across to the row's text.
  int x = P.R.Left + level * node.NodeIndent() - node.NodeIndent() / 2 + 4;
  int mid = (P.R.Top + P.R.Bottom) / 2;
  int top = node.ShowTreeFull() ? P.R.Top : P.R.Top + 2;
  int bottom = type == 2 ? (node.ShowTreeFull() ? P.R.Bottom : P.R.Bottom - 2) : mid;
  TPen saved = ACanvas.Pen();
  ACanvas.Pen() = TPen{node.TreeColor(), 1};
  ACanvas.MoveTo(x, top);
  ACanvas.LineTo(x, bottom);
  ACanvas.MoveTo(x, mid);
  ACanvas.LineTo(x + node.NodeIndent() / 2, mid);
  ACanvas.Pen() = saved;
}

void TExtStringGrid::DrawRotatedText(TCanvas& ACanvas, TCellPaint& P) {
  const TCellGraphic& cg = *P.Placement.Graphic;
  TRect clip = P.R;
  InflateRect(clip, -2, -2);
  TFont saved = ACanvas.Font();
  std::string& text = *P.Text;
  FetchCellText(P.RealCol, P.Row, text);
  TSize size = ACanvas.TextExtent(text);
  ACanvas.Font().Orientation = cg.CellAngle() * 10;
  // The text's box turns about the cell's centre: its top-left corner starts half the text
  // back along the baseline and half a line up across it.
  double a = cg.CellAngle() * 3.14159265358979 / 180;
  double cx = (P.R.Left + P.R.Right) / 2.0, cy = (P.R.Top + P.R.Bottom) / 2.0;
  double ux = std::cos(a), uy = -std::sin(a), vx = std::sin(a), vy = std::cos(a);
  int x = static_cast<int>(std::lround(cx - ux * size.cx / 2 - vx * size.cy / 2));
  int y = static_cast<int>(std::lround(cy - uy * size.cx / 2 - vy * size.cy / 2));
  ACanvas.SaveState();
  ACanvas.IntersectClipRect(clip);
  TBrushStyle style = ACanvas.Brush().Style;
  ACanvas.Brush().Style = bsClear;
  ACanvas.TextOut(x, y, text);
  ACanvas.Brush().Style = style;
  ACanvas.RestoreState();
  ACanvas.Font() = saved;
}

void TExtStringGrid::DrawCellScrollBar(TCanvas& ACanvas, TCellPaint& P) {
  TCellGraphic* cg = GetCellGraphic(P.RealCol, P.Row);
  if (!cg || cg->CellType() != ctScrollbar) return;
  P.ScrollPos = cg->CellIndex();
  int range = cg->CellErrFrom(), page = cg->CellAngle();
  if (page >= range) return;
  TRect& R = P.R;
  R.Right -= kScrollBarWidth;
  // The bar: a trough with a thumb of the page's share, placed by the position.
  TRect bar = Rect(R.Right, R.Top, R.Right + kScrollBarWidth, R.Bottom);
  FillRectColor(ACanvas, bar, clScrollBar);
  int track = bar.Height();
  int thumb = range > 0 ? std::max(8, MulDiv(track, std::max(page, 0), range)) : track;
  int span = std::max(range - page, 1);
  int top = bar.Top + MulDiv(track - thumb, std::clamp(P.ScrollPos, 0, span), span);
  TRect t = Rect(bar.Left, top, bar.Right, top + thumb);
  FillRectColor(ACanvas, t, clBtnFace);
  ACanvas.DrawEdge(t, EDGE_RAISED, BF_RECT);
}

}  // namespace hd
