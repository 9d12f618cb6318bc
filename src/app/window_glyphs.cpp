#include "app/window_glyphs.h"

#include <vector>

#include "app/button_glyphs.h"
#include "app/dialog_buttons.h"
#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"

namespace hd {
namespace {

constexpr TColor kClear = clFuchsia;
constexpr TColor kOutline = RGB(64, 64, 64);

TBitmap Blank(int size) {
  TBitmap b(size, size);
  TCanvas& c = b.Canvas();
  c.Brush().Color = kClear;
  c.FillRect(Rect(0, 0, size, size));
  return b;
}

void Shape(TCanvas& c, TColor fill, TColor line) {
  c.Brush().Color = fill;
  c.Brush().Style = bsSolid;
  c.Pen().Color = line;
  c.Pen().Width = 1;
}

// A sheet with its corner folded over, and a green plus.
TBitmap NewGlyph() {
  TBitmap b = Blank(24);
  TCanvas& c = b.Canvas();
  Shape(c, clWhite, kOutline);
  c.Polygon({{4, 2}, {14, 2}, {19, 7}, {19, 21}, {4, 21}});
  c.Polyline({{14, 2}, {14, 7}, {19, 7}});
  Shape(c, RGB(0, 150, 0), RGB(0, 150, 0));
  c.FillRect(Rect(14, 12, 24, 16));
  c.FillRect(Rect(17, 9, 21, 19));
  return b;
}

// A folder with its flap open.
TBitmap OpenGlyph() {
  TBitmap b = Blank(24);
  TCanvas& c = b.Canvas();
  Shape(c, RGB(230, 180, 60), RGB(150, 100, 20));
  c.Polygon({{2, 5}, {8, 5}, {10, 7}, {19, 7}, {19, 20}, {2, 20}});
  Shape(c, RGB(250, 210, 100), RGB(150, 100, 20));
  c.Polygon({{5, 11}, {23, 11}, {19, 20}, {2, 20}});
  return b;
}

// Two stations joined by a line.
TBitmap SetComGlyph() {
  TBitmap b = Blank(24);
  TCanvas& c = b.Canvas();
  Shape(c, RGB(40, 90, 170), RGB(20, 50, 110));
  c.Rectangle(1, 3, 10, 10);
  c.Rectangle(14, 14, 23, 21);
  Shape(c, RGB(170, 210, 250), RGB(170, 210, 250));
  c.FillRect(Rect(3, 5, 8, 8));
  c.FillRect(Rect(16, 16, 21, 19));
  c.Pen().Color = kOutline;
  c.Polyline({{5, 10}, {5, 17}, {14, 17}});
  c.Polyline({{10, 6}, {18, 6}, {18, 14}});
  return b;
}

// A table with a coloured heading.
TBitmap SetAccessGlyph() {
  TBitmap b = Blank(24);
  TCanvas& c = b.Canvas();
  Shape(c, clWhite, kOutline);
  c.Rectangle(2, 3, 22, 21);
  Shape(c, RGB(40, 90, 170), RGB(40, 90, 170));
  c.FillRect(Rect(3, 4, 21, 8));
  c.Pen().Color = RGB(150, 150, 150);
  for (int y : {12, 16}) c.Polyline({{3, y}, {21, y}});
  for (int x : {8, 14}) c.Polyline({{x, 8}, {x, 20}});
  return b;
}

// A device with an arrow going into it.
TBitmap UpdateGlyph() {
  TBitmap b = Blank(24);
  TCanvas& c = b.Canvas();
  Shape(c, RGB(70, 70, 80), RGB(30, 30, 30));
  c.Rectangle(3, 14, 21, 22);
  Shape(c, RGB(0, 220, 0), RGB(0, 220, 0));
  c.FillRect(Rect(6, 17, 9, 19));
  Shape(c, RGB(0, 150, 0), RGB(0, 110, 0));
  c.Polygon({{9, 1}, {15, 1}, {15, 7}, {19, 7}, {12, 13}, {5, 7}, {9, 7}});
  return b;
}

// The dialogs' Next arrow turned to point back.
TBitmap PrevGlyph() {
  const TBitmap next = DialogGlyph(TDialogGlyph::Next);
  TBitmap b(next.Width(), next.Height());
  for (int y = 0; y < next.Height(); ++y)
    for (int x = 0; x < next.Width(); ++x) b.ScanLine(y)[next.Width() - 1 - x] = next.ScanLine(y)[x];
  return b;
}

// A globe: the version check asks the internet.
TBitmap CheckGlyph() {
  TBitmap b = Blank(16);
  TCanvas& c = b.Canvas();
  Shape(c, RGB(120, 170, 230), RGB(30, 70, 140));
  c.Ellipse(Rect(1, 1, 15, 15));
  c.Brush().Style = bsClear;
  c.Ellipse(Rect(5, 1, 11, 15));
  c.Polyline({{1, 8}, {15, 8}});
  return b;
}

// A spanner.
TBitmap ToolsGlyph() {
  TBitmap b = Blank(16);
  TCanvas& c = b.Canvas();
  Shape(c, RGB(150, 150, 160), RGB(70, 70, 80));
  c.Polygon({{2, 12}, {9, 5}, {11, 7}, {4, 14}});
  c.Ellipse(Rect(8, 1, 15, 8));
  Shape(c, kClear, kClear);
  c.FillRect(Rect(11, 2, 14, 5));
  return b;
}

// The converter: a grey case with its two network sockets and status lights.
TBitmap DeviceGlyph() {
  TBitmap b = Blank(64);
  TCanvas& c = b.Canvas();
  Shape(c, RGB(200, 200, 205), RGB(90, 90, 100));
  c.RoundRect(Rect(6, 4, 58, 60), 8, 8);
  Shape(c, RGB(40, 90, 170), RGB(20, 50, 110));
  c.FillRect(Rect(10, 8, 54, 14));
  for (int x : {13, 35}) {
    Shape(c, RGB(50, 50, 55), RGB(20, 20, 20));
    c.Rectangle(x, 36, x + 16, 52);
    Shape(c, RGB(230, 190, 60), RGB(230, 190, 60));
    c.FillRect(Rect(x + 3, 39, x + 13, 42));
  }
  const TColor lights[] = {RGB(0, 200, 0), RGB(0, 200, 0), RGB(240, 160, 0)};
  for (int i = 0; i < 3; ++i) {
    Shape(c, lights[i], RGB(40, 40, 40));
    c.Ellipse(Bounds(14 + i * 12, 20, 7, 7));
  }
  return b;
}

}  // namespace

void RegisterWindowGlyphs() {
  static const bool registered = [] {
    RegisterBitmapResource("WGNEW", NewGlyph);
    RegisterBitmapResource("WGOPEN", OpenGlyph);
    RegisterBitmapResource("WGSETCOM", SetComGlyph);
    RegisterBitmapResource("WGSETACCESS", SetAccessGlyph);
    RegisterBitmapResource("WGUPDATE", UpdateGlyph);
    RegisterBitmapResource("WGPREV", PrevGlyph);
    RegisterBitmapResource("WGCHECK", CheckGlyph);
    RegisterBitmapResource("WGTOOLS", ToolsGlyph);
    RegisterBitmapResource("WGDEVICE", DeviceGlyph);
    return true;
  }();
  (void)registered;
}

TBitmap WindowGlyph(const std::string& name) {
  RegisterWindowGlyphs();
  RegisterButtonGlyphs();
  return BitmapResource(name);
}

}  // namespace hd
