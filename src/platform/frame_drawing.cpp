#include <algorithm>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hd {
namespace {

// Top-left and bottom-right colours of one edge level, or clNone for no edge there.
struct EdgeColors {
  TColor lt = clNone;
  TColor rb = clNone;
};

EdgeColors OuterColors(unsigned edge, unsigned flags) {
  unsigned kind = edge & BDR_OUTER;
  if (flags & BF_MONO) return kind ? EdgeColors{clWindowFrame, clWindowFrame} : EdgeColors{};
  if (flags & BF_FLAT) return kind ? EdgeColors{clBtnShadow, clBtnShadow} : EdgeColors{};
  bool soft = (flags & BF_SOFT) != 0;
  if (kind == BDR_RAISEDOUTER) return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
  if (kind == BDR_SUNKENOUTER) return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
  return {};
}

EdgeColors InnerColors(unsigned edge, unsigned flags) {
  unsigned kind = edge & BDR_INNER;
  if (flags & BF_MONO) return kind ? EdgeColors{clWindow, clWindow} : EdgeColors{};
  if (flags & BF_FLAT) return kind ? EdgeColors{clBtnFace, clBtnFace} : EdgeColors{};
  bool soft = (flags & BF_SOFT) != 0;
  if (kind == BDR_RAISEDINNER) return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
  if (kind == BDR_SUNKENINNER) return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
  return {};
}

const std::vector<std::string> kCheckMark = {
    "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#....",
};

TRect CenteredSquare(const TRect& r) {
  int s = std::min(r.Width(), r.Height());
  int l = r.Left + (r.Width() - s) / 2, t = r.Top + (r.Height() - s) / 2;
  return {l, t, l + s, t + s};
}

}  // namespace

void TCanvas::DrawFocusRect(const TRect& r) {
  if (r.IsEmpty()) return;
  TRegion frame = TRegion(r) - TRegion({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
  for (const TRect& rc : frame.Rects())
    for (int y = rc.Top; y < rc.Bottom; ++y)
      for (int x = rc.Left; x < rc.Right; ++x) {
        if ((x + y) & 1) continue;
        TColor c = Pixel(x, y);
        if (c != clNone) SetPixel(x, y, c ^ 0xFFFFFF);
      }
}

void TCanvas::DrawInvertedDottedLine(int x1, int y1, int x2, int y2) {
  int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = dx + dy, x = x1, y = y1;
  for (int i = 0; x != x2 || y != y2; ++i) {
    if (i % 2 == 0) {
      TColor c = Pixel(x, y);
      if (c != clNone) SetPixel(x, y, c ^ 0xFFFFFF);
    }
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
}

void TCanvas::InvertRect(const TRect& r) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      TColor c = Pixel(x, y);
      if (c != clNone) SetPixel(x, y, c ^ 0xFFFFFF);
    }
}

bool TCanvas::DrawEdge(TRect& r, unsigned edge, unsigned flags) {
  TRect inner = r;
  for (EdgeColors colors : {OuterColors(edge, flags), InnerColors(edge, flags)}) {
    if (colors.lt == clNone || inner.IsEmpty()) continue;
    const TRect& q = inner;
    // The top-right and bottom-left corner pixels belong to the bottom-right colour.
    if (flags & BF_TOP) FillSolid({q.Left, q.Top, q.Right - 1, q.Top + 1}, colors.lt);
    if (flags & BF_LEFT) FillSolid({q.Left, q.Top, q.Left + 1, q.Bottom - 1}, colors.lt);
    if (flags & BF_BOTTOM) FillSolid({q.Left, q.Bottom - 1, q.Right, q.Bottom}, colors.rb);
    if (flags & BF_RIGHT) FillSolid({q.Right - 1, q.Top, q.Right, q.Bottom}, colors.rb);
    if (flags & BF_LEFT) ++inner.Left;
    if (flags & BF_TOP) ++inner.Top;
    if (flags & BF_RIGHT) --inner.Right;
    if (flags & BF_BOTTOM) --inner.Bottom;
  }
  if ((flags & BF_MIDDLE) && !inner.IsEmpty()) FillSolid(inner, (flags & BF_MONO) ? clWindow : clBtnFace);
  if (flags & BF_ADJUST) r = inner;
  return true;
}

bool TCanvas::DrawFrameControl(TRect& r, unsigned kind, unsigned state) {
  bool flat = (state & (DFCS_FLAT | DFCS_MONO)) != 0;
  bool pushed = (state & DFCS_PUSHED) != 0;
  bool inactive = (state & DFCS_INACTIVE) != 0;
  auto buttonFace = [&](TRect box) {
    if (flat) {
      TRect frame = box;
      DrawEdge(frame, BDR_OUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    } else if (pushed || (state & DFCS_CHECKED)) {
      DrawEdge(box, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    } else {
      DrawEdge(box, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
    }
  };
  if (kind == DFC_BUTTON) {
    unsigned type = state & 0xFF;
    if (type & DFCS_BUTTONPUSH) {
      buttonFace(r);
      return true;
    }
    TRect box = CenteredSquare(r);
    TColor face = (inactive || pushed) ? clBtnFace : clWindow;
    TColor mark = inactive ? clGrayText : ((type & DFCS_BUTTON3STATE) ? clBtnShadow : clWindowText);
    if (type & DFCS_BUTTONRADIO) {
      TRegion disc = TRegion::Ellipse(box);
      TRegion in1 = disc.Interior();
      TRegion in2 = flat ? in1 : in1.Interior();
      int c2 = box.Left + box.Right - 1, m2 = box.Top + box.Bottom - 1;  // twice the centre
      auto ring = [&](const TRegion& rg, TColor ul, TColor lr) {
        for (const TRect& rc : rg.Rects())
          for (int y = rc.Top; y < rc.Bottom; ++y)
            for (int x = rc.Left; x < rc.Right; ++x) SetPixel(x, y, (2 * x - c2) + (2 * y - m2) < 0 ? ul : lr);
      };
      if (flat) {
        ring(disc - in1, clBtnShadow, clBtnShadow);
      } else {
        ring(disc - in1, clBtnShadow, clBtnHighlight);
        ring(in1 - in2, cl3DDkShadow, cl3DLight);
      }
      for (const TRect& rc : in2.Rects()) FillSolid(rc, face);
      if (state & DFCS_CHECKED) {
        int d = std::max(2, box.Width() / 3);
        int l = box.Left + (box.Width() - d) / 2, t = box.Top + (box.Height() - d) / 2;
        for (const TRect& rc : TRegion::Ellipse({l, t, l + d, t + d}).Rects()) FillSolid(rc, mark);
      }
      return true;
    }
    TRect inner = box;
    if (flat) DrawEdge(inner, BDR_OUTER, BF_RECT | BF_FLAT | BF_ADJUST);
    else DrawEdge(inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillSolid(inner, face);
    if (state & DFCS_CHECKED) {
      int x0 = inner.Left + (inner.Width() - 7) / 2, y0 = inner.Top + (inner.Height() - 7) / 2;
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
          if (kCheckMark[y][x] == '#') SetPixel(x0 + x, y0 + y, mark);
    }
    return true;
  }
  if (kind == DFC_SCROLL) {
    buttonFace(r);
    unsigned dir = state & 0xFF;
    int s = std::min(r.Width(), r.Height());
    int ah = std::max(2, (s + 1) / 4);  // arrow height; its base is 2 * ah - 1 wide
    int shift = pushed && !flat ? 1 : 0;
    int cx = r.Left + r.Width() / 2 + shift, cy = r.Top + r.Height() / 2 + shift;
    auto arrow = [&](int ox, int oy, TColor color) {
      for (int i = 0; i < ah; ++i) {
        int half = ah - 1 - i;  // rows from the base to the tip
        switch (dir) {
          case DFCS_SCROLLUP: FillSolid({cx - half + ox, cy + ah / 2 - i + oy, cx + half + 1 + ox, cy + ah / 2 - i + 1 + oy}, color); break;
          case DFCS_SCROLLLEFT: FillSolid({cx + ah / 2 - i + ox, cy - half + oy, cx + ah / 2 - i + 1 + ox, cy + half + 1 + oy}, color); break;
          case DFCS_SCROLLRIGHT: FillSolid({cx - ah / 2 + i + ox, cy - half + oy, cx - ah / 2 + i + 1 + ox, cy + half + 1 + oy}, color); break;
          default: FillSolid({cx - half + ox, cy - ah / 2 + i + oy, cx + half + 1 + ox, cy - ah / 2 + i + 1 + oy}, color); break;
        }
      }
    };
    if (inactive) {
      arrow(1, 1, clBtnHighlight);
      arrow(0, 0, clBtnShadow);
    } else {
      arrow(0, 0, clBtnText);
    }
    return true;
  }
  return false;
}

}  // namespace hd
