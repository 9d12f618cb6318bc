#include "grid/editors/dropdown/color_selector.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/bitmap_resources.h"
#include "platform/cursors.h"
#include "platform/forms.h"

namespace hd {

void TExtCustomColorSelectorPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (OnShouldHide) OnShouldHide(this);
}

void TColorBoxAppearance::Reset() {
  FBorderColor = 0x00C5C5C5;
  FOuterBorderColorHot = 0x003694F2;
  FInnerBorderColorHot = 0x0094E2FF;
  FOuterBorderColorSelected = 0x000000FF;
  FInnerBorderColorSelected = 0x0094E2FF;
}

void TColorBoxAppearance::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TColorBoxAppearance*>(Source)) {
    FBorderColor = s->FBorderColor;
    FOuterBorderColorHot = s->FOuterBorderColorHot;
    FInnerBorderColorHot = s->FInnerBorderColorHot;
    FOuterBorderColorSelected = s->FOuterBorderColorSelected;
    FInnerBorderColorSelected = s->FInnerBorderColorSelected;
    return;
  }
  TPersistent::Assign(Source);
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
  FItemColorStyle = Value;
  if (Value == scCustom) return;
  FColorBoxAppearance.Reset();
  Invalidate();
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
  SetParentColor(true);
  SetBounds(0, 0, 100, 50);
}

void TCustomColorSelector::AddDiscreteColors() {
  FItems.clear();
  for (const auto& d : DiscreteColors()) FItems.push_back({d.Color, true, {}, d.Pos});
  FItemIndex = -1;
  UpdateItemRects();
}

void TCustomColorSelector::UpdateItemRects() {
  std::vector<TItemPos> pos;
  for (const auto& it : FItems) pos.push_back(it.ColorBoxPos);
  const TColorBoxLayout l = LayoutColorBoxes(pos, FColumns, FColumnGap, FColorBoxWidth, FColorBoxHeight);
  if (!FItems.empty()) FItemHot = -1;
  for (size_t i = 0; i < FItems.size(); ++i) FItems[i].Rect = l.Rects[i];
  SetBounds(Left(), Top(), l.Width, l.Height);
  Invalidate();
}

void TCustomColorSelector::SetItemIndex(int Value) {
  if (Value < -1 || Value >= static_cast<int>(FItems.size())) return;
  if (Value >= 0 && !FItems[Value].Enabled) return;
  FItemIndex = Value;
  if (Value >= 0) {
    FSelectedColor = FItems[Value].Color;
    if (OnItemSelect) OnItemSelect(this);
  }
  Invalidate();
}

void TCustomColorSelector::SetItemHot(int Index) {
  if (Index == FItemHot) return;
  if (Index >= 0 && (Index >= static_cast<int>(FItems.size()) || !FItems[Index].Enabled)) return;
  FItemHot = Index;
  Invalidate();
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  FItemIndex = -1;
  if (Value != clNone)
    for (size_t i = 0; i < FItems.size(); ++i)
      if (FItems[i].Color == Value) {
        FItemIndex = static_cast<int>(i);
        break;
      }
  Invalidate();
}

void TCustomColorSelector::HandleKey(WORD Key, bool EditorEnabled, bool DroppedDown) {
  if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN) return;
  const int to = ColorBoxKeyTarget(Key, EditorEnabled, DroppedDown, FItemIndex, static_cast<int>(FItems.size()), FColumns);
  if (to != FItemIndex) SetItemIndex(to);
}

void TCustomColorSelector::HotNext() {
  const int n = static_cast<int>(FItems.size());
  if (n == 0) return;
  SetItemHot(FItemHot < 0 ? 0 : std::min(FItemHot + 1, n - 1));
}

void TCustomColorSelector::HotPrevious() {
  if (FItemHot > 0) SetItemHot(FItemHot - 1);
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].Rect.Contains({X, Y})) return static_cast<int>(i);
  return -1;
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (i >= 0 && FItems[i].Enabled) SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  SetItemHot(i >= 0 && FItems[i].Enabled ? i : -1);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas& c) {
  const TColorBoxItem& it = FItems[Index];
  TRect r = it.Rect;
  if (it.Color != clNone) {
    c.Pen() = TPen{it.Color};
    c.Brush() = TBrush{it.Color, bsSolid};
    c.Rectangle(r);
  }
  c.Brush() = TBrush{clNone, bsClear};
  if (Index == FItemIndex || Index == FItemHot) {
    const bool sel = Index == FItemIndex;
    const TColorBoxAppearance& a = FColorBoxAppearance;
    c.Pen() = TPen{sel ? a.OuterBorderColorSelected() : a.OuterBorderColorHot()};
    c.Rectangle(r);
    InflateRect(r, -1, -1);
    c.Pen() = TPen{sel ? a.InnerBorderColorSelected() : a.InnerBorderColorHot()};
    c.Rectangle(r);
    return;
  }
  c.Pen() = TPen{FColorBoxAppearance.BorderColor()};
  const int l = r.Left, t = r.Top, rt = r.Right - 1, b = r.Bottom - 1;
  const bool top = it.ColorBoxPos == ipStandAlone || it.ColorBoxPos == ipTop;
  const bool bottom = it.ColorBoxPos == ipStandAlone || it.ColorBoxPos == ipBottom;
  c.MoveTo(l, t); c.LineTo(l, b + 1);
  c.MoveTo(rt, t); c.LineTo(rt, b + 1);
  if (top) { c.MoveTo(l, t); c.LineTo(rt + 1, t); }
  if (bottom) { c.MoveTo(l, b); c.LineTo(rt + 1, b); }
}

void TCustomColorSelector::Paint() {
  TCanvas& c = Canvas();
  c.Brush() = TBrush{Color(), bsSolid};
  c.FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
  for (int i = 0; i < static_cast<int>(FItems.size()); ++i) DrawItem(i, c);
}

}  // namespace hd

namespace hd {

TExtColorCubePanel::TExtColorCubePanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
  SetShowHint(true);
  ResetHot();
}

void TExtColorCubePanel::SetSelectedColor(TColor Value) {
  FSelectedColor = Value;
  FSelectedIndex = ColorCubeCellOf(Value);
}

void TExtColorCubePanel::SetShowRGBHint(bool Value) {
  FShowRGBHint = Value;
  SetShowHint(Value);
}

void TExtColorCubePanel::ResetHot() {
  FHotIndex = -1;
  SetBounds(Left(), Top(), 182, 160);
}

void TExtColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int cell = ColorCubeHitTest(X, Y);
  if (cell < 0) return;
  FSelectedIndex = cell;
  FSelectedColor = ColorCubeCells()[cell - 1].Color;
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExtColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int cell = ColorCubeHitTest(X, Y);
  if (cell < 0) {
    if (FShowRGBHint) SetHint("");
    return;
  }
  if (cell == FHotIndex) return;
  FHotIndex = cell;
  if (FShowRGBHint) SetHint(ColorCubeHint(ColorCubeCells()[cell - 1].Color));
  Invalidate();
}

void TExtColorCubePanel::Paint() {
  TCanvas& c = Canvas();
  c.Brush() = TBrush{Color(), bsSolid};
  c.FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
  auto poly = [&](const TCubeCell& cell, int b, int a) {
    const auto p = CubeCellPolygon(cell.X, cell.Y, b, a);
    return std::vector<TPoint>(p.begin(), p.end());
  };
  for (const auto& cell : ColorCubeCells()) {
    c.Pen() = TPen{cell.Color};
    c.Brush() = TBrush{cell.Color, bsSolid};
    c.Polygon(poly(cell, 6, 3));
  }
  auto frame = [&](int index, TColor outer) {
    if (index < 1) return;
    const TCubeCell& cell = ColorCubeCells()[index - 1];
    c.Brush() = TBrush{clNone, bsClear};
    c.Pen() = TPen{outer};
    c.Polygon(poly(cell, 5, 3));
    c.Pen() = TPen{clWhite};
    c.Polygon(poly(cell, 4, 2));
  };
  frame(FHotIndex, 0x0000FF);
  frame(FSelectedIndex, clBlack);
}

}  // namespace hd

namespace hd {
namespace {

// Hue across, from full colour at the top to grey at the bottom.
TBitmap MakeSpectrum() {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(128, 128);
  TCanvas& c = b.Canvas();
  for (int x = 0; x < 128; ++x) {
    const double h = x * 6.0 / 128;
    const int sector = static_cast<int>(h);
    const double f = h - sector;
    double r = 0, g = 0, bl = 0;
    switch (sector) {
      case 0: r = 1; g = f; break;
      case 1: r = 1 - f; g = 1; break;
      case 2: g = 1; bl = f; break;
      case 3: g = 1 - f; bl = 1; break;
      case 4: r = f; bl = 1; break;
      default: r = 1; bl = 1 - f; break;
    }
    for (int y = 0; y < 128; ++y) {
      const double s = 1.0 - y / 127.0;
      auto mix = [&](double v) { return static_cast<int>((v * s + 0.5 * (1 - s)) * 255 + 0.5); };
      c.SetPixel(x, y, mix(r) | (mix(g) << 8) | (mix(bl) << 16));
    }
  }
  return b;
}

// A pen nib pointing at the lower-left corner, hot spot (1, 30).
HCURSOR MakePointer() {
  std::vector<std::string> rows(32, std::string(32, '.'));
  for (int i = 0; i < 28; ++i) {
    const int y = 30 - i, x = 1 + i;
    for (int d = 0; d < 3 && x + d < 32; ++d) rows[y][x + d] = '#';
  }
  const TBitmap mask = BitmapFromRows(rows, {{'.', clWhite}, {'#', clBlack}});
  TIconInfo info;
  info.xHotspot = 1;
  info.yHotspot = 30;
  info.hbmMask = &mask;
  return CreateIconIndirect(info);
}

}  // namespace

TExtColorSpectrumPanel::TExtColorSpectrumPanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner) {
  static const bool registered = [] {
    RegisterBitmapResource("DAZ_SPECTRUM", MakeSpectrum);
    Screen().SetCursors(54, MakePointer());
    return true;
  }();
  (void)registered;
  FSpectrum = BitmapResource("DAZ_SPECTRUM");
  UpdateLayout();
}

void TExtColorSpectrumPanel::UpdateLayout() {
  SetBounds(Left(), Top(), 150, 174);
  const int left = (150 - 128) / 2;
  FImageRect = Bounds(left, 10, 128, 128);
  FSelectedRect = Rect(left - 1, FImageRect.Bottom + 8, left + 128 / 2 - 2, FImageRect.Bottom + 28);
  FHotRect = Rect(FSelectedRect.Right + 4, FSelectedRect.Top, FImageRect.Right + 1, FSelectedRect.Bottom);
  FHotColor = clNone;
  Invalidate();
}

void TExtColorSpectrumPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const bool over = FImageRect.Contains({X, Y});
  SetCursor(over ? 54 : crDefault);
  if (!over) return;
  FHotColor = FSpectrum.Canvas().Pixel(X - FImageRect.Left, Y - FImageRect.Top);
  Invalidate();
}

void TExtColorSpectrumPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!FImageRect.Contains({X, Y})) return;
  // Without a move over the spectrum first, the hot colour is none and so is the choice.
  FSelectedColor = FHotColor;
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExtColorSpectrumPanel::Paint() {
  TCanvas& c = Canvas();
  c.Brush() = TBrush{Color(), bsSolid};
  c.FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
  c.Draw(FImageRect.Left, FImageRect.Top, FSpectrum);
  c.Brush() = TBrush{clNone, bsClear};
  TRect r = FImageRect;
  InflateRect(r, 1, 1);
  c.Pen() = TPen{clWhite};
  c.Rectangle(r);
  InflateRect(r, 1, 1);
  c.Pen() = TPen{0x808080};
  c.Rectangle(r);
  for (const auto& [box, colour] : {std::pair{FSelectedRect, FSelectedColor}, std::pair{FHotRect, FHotColor}}) {
    TRect o = box;
    InflateRect(o, 1, 1);
    c.Brush() = TBrush{clNone, bsClear};
    c.Pen() = TPen{0x808080};
    c.Rectangle(o);
    c.Pen() = TPen{clWhite};
    c.Brush() = colour == clNone ? TBrush{clNone, bsClear} : TBrush{colour, bsSolid};
    c.Rectangle(box);
  }
}

}  // namespace hd
