// The floating footer's strip: its painting in the four styles, the template of the custom
// preview, the column under the mouse, its hints and clicks.
#include <string>
#include <vector>

#include "grid/foundation/markup/markup_renderer.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_panels.h"
#include "platform/application.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

constexpr TColor kFooterGray = RGB(128, 128, 128);

// A footer column: its display index and where it lies in the strip.
struct TFooterColumn {
  int Col;
  int Left;
  int Width;
};

// The fixed columns, then the columns from the first one scrolled in.
std::vector<TFooterColumn> FooterColumns(const TExtStringGrid& G) {
  std::vector<TFooterColumn> out;
  int x = 0;
  auto add = [&](int c) {
    out.push_back({c, x, G.ColWidths(c)});
    x += G.ColWidths(c);
  };
  for (int c = 0; c < G.FixedCols() && c < G.ColCount(); ++c) add(c);
  for (int c = std::max(G.LeftCol(), G.FixedCols()); c < G.ColCount(); ++c) add(c);
  return out;
}

int FooterWidth(const std::vector<TFooterColumn>& Cols) {
  return Cols.empty() ? 0 : Cols.back().Left + Cols.back().Width;
}

void Line(TCanvas& C, TColor Color, int X1, int Y1, int X2, int Y2) {
  C.Pen().Color = Color;
  C.Pen().Width = 1;
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
}

void Fill(TCanvas& C, TColor Color, const TRect& R) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  C.Brush() = TBrush{Color, bsSolid};
  C.FillRect(R);
}

// The preview frame: grey along the bottom and right, white along the top and left.
void PreviewFrame(TCanvas& C, const TRect& R) {
  Line(C, kFooterGray, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
  Line(C, kFooterGray, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
  Line(C, clWhite, R.Left, R.Top, R.Right, R.Top);
  Line(C, clWhite, R.Left, R.Top, R.Left, R.Bottom);
}

bool RaisedLook(TGridLook Look) { return Look == glSoft || Look == glDAZ || Look == glXP || Look == glVista; }

}  // namespace

std::string TExtStringGrid::ExpandFooterTemplate(const std::string& Template) {
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    std::size_t open = Template.find("<#", pos);
    if (open == std::string::npos) break;
    std::size_t close = Template.find('>', open + 2);
    if (close == std::string::npos) {
      // An unclosed placeholder stays as it is, and the expansion ends.
      break;
    }
    out += Template.substr(pos, open - pos);
    int col = 0;
    if (TryStrToInt(Template.substr(open + 2, close - open - 2), col) && col >= 0 && col < TotalColCount())
      out += Cells(col, Row());
    pos = close + 1;
  }
  return out + Template.substr(pos);
}

void TExtStringGrid::PaintFooter(TCanvas& ACanvas, const TRect& AClient) {
  TFloatingFooter& footer = FloatingFooter();
  TFooterPanel* panel = FooterPanel();
  std::vector<TFooterColumn> cols = FooterColumns(*this);
  const int w = FooterWidth(cols), h = AClient.Bottom - AClient.Top;
  const TRect area{AClient.Left, AClient.Top, AClient.Left + w, AClient.Bottom};
  const TRect rest{area.Right, AClient.Top, AClient.Right, AClient.Bottom};
  auto withBlackSelection = [&](auto&& Paint) {
    TColor was = SelectionTextColor();
    SetSelectionTextColor(clBlack);
    Paint();
    SetSelectionTextColor(was);
  };
  switch (footer.FooterStyle()) {
    case fsFixedLastRow: {
      Fill(ACanvas, footer.Color(), area);
      Fill(ACanvas, Color(), rest);
      const bool vert = Options().Contains(goFixedVertLine), horz = Options().Contains(goFixedHorzLine);
      const bool raised = RaisedLook(Look()) && !Flat();
      for (const TFooterColumn& fc : cols) {
        int x = AClient.Left + fc.Left;
        if (vert && raised) Line(ACanvas, clWhite, x, 0, x, h);
        if (horz) Line(ACanvas, GridLineColor(), x, 0, x + fc.Width, 0);
        if (vert) {
          bool gridColor = fc.Col < FixedCols() || Look() == glVista;
          Line(ACanvas, gridColor ? GridLineColor() : kFooterGray, x + fc.Width - 1, 0, x + fc.Width - 1, h);
        }
      }
      const int last = RowCount() - 1;
      if (last < 0) break;
      const int dx = raised && horz ? 1 : 0, dy = horz ? 1 : 0;
      for (const TFooterColumn& fc : cols) {
        const bool base = IsBaseCell(fc.Col, last);
        int width = fc.Width;
        if (base && IsMergedCell(fc.Col, last)) {
          TPoint span = CellSpan(fc.Col, last);
          for (int k = 1; k <= span.X && fc.Col + k < ColCount(); ++k) width += ColWidths(fc.Col + k);
        }
        // Inside the cell's frame lines.
        TRect r{AClient.Left + fc.Left + dx, dy, AClient.Left + fc.Left + width - 1, h};
        const int real = RealColIndex(fc.Col);
        const bool fixed = fc.Col < FixedCols();
        if (!fixed) {
          if (OnGetCellColor) {
            TBrush brush{clNone, bsSolid};
            TFont font = Font();
            OnGetCellColor(this, last, real, TGridDrawState{gdFixed}, brush, font);
            if (brush.Color != clNone) Fill(ACanvas, brush.Color, r);
          }
          if (TColor c = Colors(real, last); c != clNone) Fill(ACanvas, c, r);
        }
        if (!base) continue;
        if (OnFooterPaint && !fixed) {
          OnFooterPaint(panel, fc.Col, ACanvas, r);
          continue;
        }
        TCellLook look;
        look.State = TGridDrawState{gdFixed};
        look.Brush = TBrush{footer.Color(), bsClear};
        look.Font = Font();
        GetCellLook(fc.Col, last, look, false, false, false);
        // Over the footer's own background.
        look.Brush.Style = bsClear;
        ACanvas.Font() = look.Font;
        ACanvas.Brush().Style = bsClear;
        DrawCellContent(ACanvas, fc.Col, last, r, look);
      }
      break;
    }
    case fsColumnPreview:
      Fill(ACanvas, footer.Color(), area);
      PreviewFrame(ACanvas, area);
      withBlackSelection([&] {
        if (OnFooterPaint) {
          OnFooterPaint(panel, footer.Column(), ACanvas, area);
        } else if (footer.Column() >= 0 && footer.Column() < ColCount() && Row() < RowCount()) {
          TCellLook look;
          look.State = TGridDrawState{gdFixed};
          look.Brush = TBrush{footer.Color(), bsClear};
          look.Font = Font();
          GetCellLook(footer.Column(), Row(), look, false, false, false);
          look.Brush.Style = bsClear;
          ACanvas.Font() = look.Font;
          ACanvas.Brush().Style = bsClear;
          DrawCellContent(ACanvas, footer.Column(), Row(), area, look);
        }
      });
      Fill(ACanvas, Color(), rest);
      break;
    case fsCustomPreview:
      Fill(ACanvas, footer.Color(), area);
      PreviewFrame(ACanvas, area);
      ACanvas.Font() = Font();
      ACanvas.Brush().Style = bsClear;
      if (IsDesigning()) {
        ACanvas.TextOut(area.Left + 2, area.Top + 2, footer.CustomTemplate());
      } else {
        withBlackSelection([&] {
          TMarkupCall call;
          call.Rect = TRect{area.Left, area.Top + 2, area.Right, area.Bottom};
          call.Images = GridImages();
          call.PictureContainer = PictureContainer();
          call.URLColor = URLColor();
          TMarkupResult result;
          DrawMarkup(ACanvas, ExpandFooterTemplate(footer.CustomTemplate()), call, result);
        });
      }
      Fill(ACanvas, Color(), rest);
      break;
    case fsCustomPaint:
      if (OnFooterPaint) OnFooterPaint(panel, footer.Column(), ACanvas, AClient);
      break;
  }
  if (footer.BorderColor() != clNone) {
    int right = footer.FooterStyle() == fsCustomPaint ? AClient.Right : area.Right;
    Line(ACanvas, footer.BorderColor(), AClient.Left, AClient.Top, right, AClient.Top);
  }
}

int TExtStringGrid::FooterColumnAt(int X) {
  for (const TFooterColumn& fc : FooterColumns(*this))
    if (X >= fc.Left && X < fc.Left + fc.Width) return fc.Col;
  return -1;
}

void TExtStringGrid::FooterHint(int X, std::string& HintStr) {
  TFooterPanel* panel = FooterPanel();
  int col = FooterColumnAt(X);
  if (col >= 0 && OnGridHint) OnGridHint(this, RowCount() - 1, col, HintStr);
  if (panel) panel->SetHintCol(panel->ShowHint() && col >= 0 ? col : -1);
}

void TExtStringGrid::FooterMouseMove(int X) {
  TFooterPanel* panel = FooterPanel();
  if (!panel || !panel->ShowHint() || panel->HintCol() < 0) return;
  int col = FooterColumnAt(X);
  if (col == panel->HintCol()) return;
  // The hint is asked for again, now for the column under the mouse.
  Application().CancelHint();
  panel->SetHintCol(col);
}

void TExtStringGrid::FooterMouseLeave() {
  if (TFooterPanel* panel = FooterPanel()) panel->SetHintCol(-1);
}

void TExtStringGrid::FooterClick(int X) {
  if (OnClick) OnClick(this);
  int col = FooterColumnAt(X);
  if (OnClickCell) OnClickCell(this, RowCount() - 1, col < 0 ? ColCount() : col);
}

}  // namespace hd
