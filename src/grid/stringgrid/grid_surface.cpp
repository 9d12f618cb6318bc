// The grid's whole surface around the cells: the paint pass, the editor frame, the background
// behind and between the cells, the border some looks draw, the lines shown while sizing, and
// the update lock that holds painting back during bulk changes.
#include <algorithm>

#include "grid/foundation/draw_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

constexpr int kSearchPanelHeight = 32;
constexpr int kBackgroundSteps = 128;

}  // namespace

void TExtStringGrid::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Pen().Style = psSolid;
  canvas.Brush().Style = bsSolid;
  TBaseGrid::Paint();
  TExtStringGridPrivate& p = *FP;
  if (EditorMode()) {
    bool noLines = GridLineWidth() < 1 || !(Options().Contains(goHorzLine) || Options().Contains(goVertLine));
    TRect r = CellRect(Col(), Row());
    canvas.Pen() = TPen{noLines ? Color() : GridLineColor(), 1};
    canvas.Brush().Style = bsClear;
    canvas.Rectangle(Rect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1));
    canvas.Brush().Style = bsSolid;
  }
  canvas.Pen().Color = clBlack;
  if (!p.BackGround->Bitmap().Empty() || p.BackGround->ColorTo() != clNone) PaintEmptyArea(canvas);
  PaintDesignHelper(canvas);
  DrawPanGlyph(canvas);
  if (OnPainted) OnPainted(this);
}

TRect TExtStringGrid::ScrollableArea() const {
  const TBackGround& bg = *FP->BackGround;
  if (!bg.Bitmap().Empty() || bg.ColorTo() != clNone) return TRect{};
  TRect client = ClientRect();
  if (FP->SearchFooter->Visible()) client.Bottom -= kSearchPanelHeight;
  if (FP->FloatingFooter->Visible() && FP->FooterPanel) client.Bottom -= FP->FooterPanel->Height();
  return client;
}

void TExtStringGrid::PaintEmptyArea(TCanvas& ACanvas) {
  const TBackGround& bg = *FP->BackGround;
  bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
  if (bg.Bitmap().Empty() && (!gradient || bg.ColorTo() == clNone)) return;
  int gw = GridLineWidth();
  TRect client = ClientRect();
  if (FP->SearchFooter->Visible()) client.Bottom -= kSearchPanelHeight;
  if (FP->FloatingFooter->Visible() && FP->FooterPanel) client.Bottom -= FP->FooterPanel->Height();
  // The cell edges: the right of the last column and the bottom of the last row, when in view.
  TRect lastCol = CellRect(ColCount() - 1, std::max(0, TopRow()));
  TRect lastRow = CellRect(std::max(0, LeftCol()), RowCount() - 1);
  int right = lastCol.Width() > 0 ? lastCol.Right + gw : -1;
  int bottom = lastRow.Height() > 0 ? lastRow.Bottom + gw : -1;
  // Nothing is empty while rows and columns both run past the view.
  if ((right < 0 || right >= client.Right) && (bottom < 0 || bottom >= client.Bottom)) return;
  TRegion area;
  if (right >= 0 && right < client.Right) area = TRegion(Rect(right, client.Top, client.Right, client.Bottom));
  if (bottom >= 0 && bottom < client.Bottom) {
    TRegion below(Rect(client.Left, bottom, client.Right, client.Bottom));
    area = area | below;
  }
  ACanvas.SaveState();
  ACanvas.SetClipRegion(area);
  if (bg.Bitmap().Empty()) {
    DrawGradient(ACanvas, bg.Color(), bg.ColorTo(), bg.Display() == bdGradientHorz, client, kBackgroundSteps);
  } else if (bg.Display() == bdTile) {
    if (bg.Cells() != bcFixed) {
      TRect from = client;
      if (bg.Cells() == bcNormal) {
        from.Left = FixedColsWidth() + FP->Text.FXYOffset.X;
        from.Top = FixedRowsHeight() + FP->Text.FXYOffset.Y;
      }
      TileBackgroundPicture(ACanvas, from);
    }
  } else {
    DrawBackgroundPictureAt(ACanvas, client);
  }
  ACanvas.RestoreState();
}

void TExtStringGrid::DrawBackgroundPictureAt(TCanvas& ACanvas, const TRect& R) {
  const TBackGround& bg = *FP->BackGround;
  const TBitmap& b = bg.Bitmap();
  TRect pic = Rect(bg.Left(), bg.Top(), bg.Left() + b.Width(), bg.Top() + b.Height());
  TRect part;
  if (!IntersectRect(part, pic, R)) return;
  TBkMode mode = ACanvas.BkMode();
  ACanvas.SetBkMode(bkTransparent);
  ACanvas.CopyRect(part, const_cast<TBitmap&>(b).Canvas(),
                   Rect(part.Left - pic.Left, part.Top - pic.Top, part.Right - pic.Left, part.Bottom - pic.Top));
  ACanvas.SetBkMode(mode);
}

void TExtStringGrid::TileBackgroundPicture(TCanvas& ACanvas, const TRect& R) {
  const TBitmap& b = FP->BackGround->Bitmap();
  int w = b.Width(), h = b.Height();
  if (w <= 0 || h <= 0) return;
  TCanvas& source = const_cast<TBitmap&>(b).Canvas();
  // Row by row from one pixel above and left of the target; the last tiles are cut.
  for (int y = R.Top - 1; y < R.Bottom; y += h)
    for (int x = R.Left - 1; x < R.Right; x += w) {
      int cw = std::min(w, R.Right - x), ch = std::min(h, R.Bottom - y);
      ACanvas.CopyRect(Rect(x, y, x + cw, y + ch), source, Rect(0, 0, cw, ch));
    }
}

// The frame some looks draw goes over the platform's own non-client painting.
void TExtStringGrid::WMNCPaint(TMessage& message) {
  TBaseGrid::Dispatch(message);
  if (FP->UpdateCount <= 0) {
    DrawNCBorder();
    message.Result = 0;
  }
}

void TExtStringGrid::DrawNCBorder() {
  bool look = FP->Colors.FLook == glSoft || (FP->Colors.FLook >= glDAZ && FP->Colors.FLook <= glOffice2007);
  if (!look || BorderStyle() == bsNone || FP->Colors.FBorderColor == clNone || FP->Colors.FFlat || !HandleAllocated()) return;
  TCanvas& canvas = WindowCanvas();
  canvas.Brush().Style = bsClear;
  canvas.Pen() = TPen{FP->Colors.FBorderColor, 1};
  if (FP->Layout.FFitCellsInGrid) {
    canvas.Rectangle(Rect(1, 1, Width() - 1, Height() - 1));
    if (TWinControl* parent = Parent()) {
      canvas.Pen().Color = parent->Color();
      canvas.Rectangle(Rect(0, 0, Width(), Height()));
    }
  } else if (FP->IsComCtl6) {
    canvas.Rectangle(Rect(0, 0, Width(), Height()));
  }
  canvas.Brush().Style = bsSolid;
}

void TExtStringGrid::DrawSizeLine(int X1, int Y1, int X2, int Y2) {
  TCanvas& canvas = Canvas();
  TPen saved = canvas.Pen();
  canvas.Pen() = TPen{clBlack, 1, psDot, pmXor};
  canvas.MoveTo(X1, Y1);
  canvas.LineTo(X2, Y2);
  canvas.Pen() = saved;
}

void TExtStringGrid::DrawColSizeLine(int X) {
  TRect last = CellRect(ColCount() - 1, RowCount() - 1);
  DrawSizeLine(X, 0, X, std::max(Height(), last.Bottom));
}

void TExtStringGrid::DrawRowSizeLine(int Y) {
  TRect last = CellRect(ColCount() - 1, RowCount() - 1);
  DrawSizeLine(0, Y, std::max(Width(), last.Right), Y);
}

void TExtStringGrid::BeginUpdate() {
  if (!Visible()) return;
  if (FP->UpdateCount++ == 0 && HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 0);
}

void TExtStringGrid::StartUpdate() { ++FP->UpdateCount; }

void TExtStringGrid::EndUpdate() {
  TExtStringGridPrivate& p = *FP;
  if (!Visible() || p.UpdateCount <= 0) return;
  if (--p.UpdateCount > 0 || Destroying()) return;
  p.SelChanged = false;
  if (HandleAllocated()) {
    SendMessage(Handle(), WM_SETREDRAW, 1);
    ::hd::InvalidateRect(Handle(), nullptr, false);
  }
  DrawNCBorder();
}

void TExtStringGrid::ResetUpdate() { FP->UpdateCount = 0; }

bool TExtStringGrid::LockUpdate() const { return FP->UpdateCount > 0; }

void TExtStringGrid::SetLockUpdate(bool Value) {
  if (Value)
    BeginUpdate();
  else
    EndUpdate();
}

}  // namespace hd
