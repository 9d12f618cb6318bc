// The grid's cursors drawn as polygons on 32 x 32 bitmaps, so that the program carries no
// cursor files.
#include "grid/editing/grid_cursors.h"

#include <cmath>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/cursors.h"
#include "platform/forms.h"

namespace hd {

namespace {

constexpr int kSize = 32;

std::vector<TPoint> Plus(int Half, int Arm) {
  const int c = kSize / 2, a = Arm / 2;
  return {{c - a, c - Half}, {c + a, c - Half}, {c + a, c - a}, {c + Half, c - a}, {c + Half, c + a},
          {c + a, c + a},    {c + a, c + Half}, {c - a, c + Half}, {c - a, c + a}, {c - Half, c + a},
          {c - Half, c - a}, {c - a, c - a}};
}

// An arrow head pointing from the centre in the direction (DX, DY), each -1, 0 or 1.
std::vector<TPoint> PanArrow(int DX, int DY) {
  const double len = std::sqrt(static_cast<double>(DX * DX + DY * DY));
  const double ux = DX / len, uy = DY / len;
  const double cx = kSize / 2.0, cy = kSize / 2.0;
  auto at = [&](double along, double across) {
    return TPoint{static_cast<int>(std::lround(cx + ux * along - uy * across)),
                  static_cast<int>(std::lround(cy + uy * along + ux * across))};
  };
  return {at(13, 0), at(3, 8), at(3, 3), at(-6, 3), at(-6, -3), at(3, -3), at(3, -8)};
}

}  // namespace

void RegisterPolygonCursor(TCursor n, TPoint HotSpot, const std::vector<TPoint>& Shape, bool WhiteShape) {
  TBitmap mask(kSize, kSize), color(kSize, kSize);
  TCanvas& m = mask.Canvas();
  m.Brush().Color = clWhite;
  m.FillRect(Rect(0, 0, kSize, kSize));
  m.Brush().Color = clBlack;
  m.Pen().Color = clBlack;
  m.Pen().Width = 3;
  m.Polygon(Shape);
  TCanvas& c = color.Canvas();
  c.Brush().Color = WhiteShape ? clBlack : clWhite;
  c.FillRect(Rect(0, 0, kSize, kSize));
  c.Brush().Color = c.Pen().Color = WhiteShape ? clWhite : clBlack;
  c.Pen().Width = 1;
  c.Polygon(Shape);
  TIconInfo info;
  info.xHotspot = HotSpot.X;
  info.yHotspot = HotSpot.Y;
  info.hbmMask = &mask;
  info.hbmColor = &color;
  if (HCURSOR h = CreateIconIndirect(info)) Screen().SetCursors(n, h);
}

bool EnsureGridCursor(TCursor n) {
  if (Screen().Cursors(n) != 0) return true;
  const TPoint centre{kSize / 2, kSize / 2};
  switch (n) {
    case 8010: RegisterPolygonCursor(n, {26, 16}, {{6, 12}, {16, 12}, {16, 6}, {26, 16}, {16, 26}, {16, 20}, {6, 20}}, false); break;
    case 8011: RegisterPolygonCursor(n, {13, 26}, {{9, 6}, {17, 6}, {17, 16}, {23, 16}, {13, 26}, {3, 16}, {9, 16}}, false); break;
    case 8012: RegisterPolygonCursor(n, centre, Plus(10, 6), false); break;
    case 8014: RegisterPolygonCursor(n, centre, Plus(13, 8), true); break;
    case 8000: RegisterPolygonCursor(n, centre, Plus(9, 4), false); break;
    case 8001: RegisterPolygonCursor(n, centre, PanArrow(0, 1), false); break;
    case 8002: RegisterPolygonCursor(n, centre, PanArrow(-1, 0), false); break;
    case 8003: RegisterPolygonCursor(n, centre, PanArrow(1, 0), false); break;
    case 8004: RegisterPolygonCursor(n, centre, PanArrow(0, -1), false); break;
    case 8005: RegisterPolygonCursor(n, centre, PanArrow(1, -1), false); break;
    case 8006: RegisterPolygonCursor(n, centre, PanArrow(-1, -1), false); break;
    case 8007: RegisterPolygonCursor(n, centre, PanArrow(1, 1), false); break;
    case 8008: RegisterPolygonCursor(n, centre, PanArrow(-1, 1), false); break;
    default: return false;
  }
  return Screen().Cursors(n) != 0;
}

}  // namespace hd
