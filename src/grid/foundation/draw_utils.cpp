#include "grid/foundation/draw_utils.h"

#include <algorithm>
#include <cstdio>

#include "grid/foundation/draw_utils_p.h"
#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"
#include "platform/layered.h"
#include "platform/sysutils.h"
#include "platform/themes.h"

namespace hd {
namespace {

TColor Resolved(TColor c) { return c == clNone ? clNone : ColorToRGB(c); }

using draw_detail::SetPenAndBrush;
using draw_detail::SolidBrush;

// The channel k of c1 moved by Round(i * (c2k - c1k) / steps), as the gradient bands need it.
int BandChannel(int c1, int c2, int i, int steps) {
  return c1 + static_cast<int>(Round(i * (static_cast<double>(c2 - c1) / steps)));
}

const TColorTone& ToneOf(const TColorTones& tones, int state) {
  switch (state) {
    case fdsHot: return tones.Hover;
    case fdsDown: return tones.Selected;
    case fdsDisabled: return tones.Disabled;
    default: return tones.Background;
  }
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void FrameControl(TCanvas& canvas, TRect r, unsigned kind, unsigned state) { canvas.DrawFrameControl(r, kind, state); }

}  // namespace

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect, int Steps) {
  TRect r = Rect;
  if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
  // A rectangle without area has no extent to spread the colours over.
  if (r.Top == r.Bottom || r.Right <= r.Left) return;
  TColor c1 = Resolved(FromColor), c2 = Resolved(ToColor);
  if (c1 == clNone || c2 == clNone) {
    SetPenAndBrush(Canvas, c1 == clNone ? c2 : c1);
    Canvas.Rectangle(r);
    return;
  }
  int extent = (Horizontal ? r.Width() : r.Height()) - 1;
  int steps = std::max(std::min(Steps, extent), 1);
  double band = static_cast<double>(extent) / steps;
  int bandWidth = static_cast<int>(Trunc(band + 1));
  for (int i = 0; i <= steps; ++i) {
    int offset = static_cast<int>(Trunc(i * band));
    TColor c = RGB(BandChannel(GetRValue(c1), GetRValue(c2), i, steps),
                   BandChannel(GetGValue(c1), GetGValue(c2), i, steps),
                   BandChannel(GetBValue(c1), GetBValue(c2), i, steps));
    SetPenAndBrush(Canvas, c);
    if (Horizontal)
      Canvas.Rectangle(r.Left + offset, r.Top, std::min(r.Right, r.Left + offset + bandWidth), r.Bottom);
    else
      Canvas.Rectangle(r.Left, r.Top + offset, r.Right, std::min(r.Bottom, r.Top + offset + bandWidth));
  }
}

void DrawMirroredGradient(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor MirrorColor,
                          TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool BorderSidesOnly, bool Fill) {
  if (Fill && Color != clNone) {
    if (MirrorColor == clNone && ColorTo == clNone) {
      SetPenAndBrush(Canvas, Color);
      Canvas.FillRect({Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1});
    } else if (MirrorColor == clNone) {
      DrawGradient(Canvas, Color, ColorTo, !Vertical, Rect, 128);
    } else {
      TRect first = Rect, second = Rect;
      if (Vertical) {
        first.Bottom = second.Top = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
      } else {
        first.Right = second.Left = Rect.Left + (Rect.Right - Rect.Left) / 2;
      }
      DrawGradient(Canvas, Color, ColorTo, !Vertical, first, 128);
      DrawGradient(Canvas, MirrorColor, MirrorColorTo, !Vertical, second, 128);
    }
  }
  if (BorderColor == clNone) return;
  if (BorderSidesOnly) {
    Canvas.Pen().Color = BorderColor;
    Line(Canvas, Rect.Left, Rect.Top, Rect.Left, Rect.Bottom);
    Line(Canvas, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
  } else {
    SolidBrush(Canvas, BorderColor);
    Canvas.FrameRect(Rect);
  }
}

TColor GradientColorAt(TColor Color, TColor ColorTo, int RangeStart, int Position, int RangeEnd) {
  if (ColorTo == clNone || RangeEnd == RangeStart) return Color;
  TColor c1 = ColorToRGB(Color), c2 = ColorToRGB(ColorTo);
  double range = static_cast<double>(RangeEnd) - RangeStart;
  auto channel = [&](int a, int b) { return a + static_cast<int>(Round((b - a) / range * Position)); };
  return RGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
             channel(GetBValue(c1), GetBValue(c2)));
}

void DrawStyledSelection(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                         TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                         TColor BackgroundColor, const TRect& Rect, int Part) {
  const int L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 2, M = T + (B - T) / 2;
  const bool left = Part == sspAlone || Part == sspLeftEnd;
  const bool right = Part == sspAlone || Part == sspRightEnd;

  Canvas.Pen().Color = InnerTopColor;
  Line(Canvas, L, T + 1, R, T + 1);
  if (left) Line(Canvas, L + 1, T + 1, L + 1, M);
  if (right) Line(Canvas, R - 2, T + 1, R - 2, M);

  Canvas.Pen().Color = InnerBottomColor;
  Line(Canvas, L, B - 1, R, B - 1);
  if (left) Line(Canvas, L + 1, M, L + 1, B - 1);
  if (right) Line(Canvas, R - 2, M, R - 2, B - 1);

  // A joined side keeps no inset, so the outer lines run on into the neighbour cell.
  const int li = left ? 2 : 0, ri = right ? 2 : 0;
  Canvas.Pen().Color = BorderColor;
  Line(Canvas, L + li, T, R - ri, T);
  Line(Canvas, L + li, B, R - ri, B);
  if (right) Line(Canvas, R - 1, T + 2, R - 1, B - 1);
  if (left) Line(Canvas, L, T + 2, L, B - 1);

  if (left) {
    for (TPoint p : {Point(L + 1, T), Point(L + 1, T + 1), Point(L, T + 1), Point(L + 1, B), Point(L + 1, B - 1),
                     Point(L, B - 1)})
      Canvas.SetPixel(p.X, p.Y, CornerColor);
    Canvas.SetPixel(L, T, BackgroundColor);
    Canvas.SetPixel(L, B, BackgroundColor);
  }
  if (right) {
    for (TPoint p : {Point(R - 2, T), Point(R - 2, T + 1), Point(R - 1, T + 1), Point(R - 2, B), Point(R - 2, B - 1),
                     Point(R - 1, B - 1)})
      Canvas.SetPixel(p.X, p.Y, CornerColor);
    Canvas.SetPixel(R - 1, T, BackgroundColor);
    Canvas.SetPixel(R - 1, B, BackgroundColor);
  }

  TRect f{L + li, T + 2, R - ri, B - 1};
  if (ColorTo == clNone) {
    FillRectColor(Canvas, f, Color);
  } else if (MirrorColor == clNone) {
    DrawGradient(Canvas, Color, ColorTo, false, f, 16);
  } else {
    int mid = f.Top + (f.Bottom - f.Top) / 2;
    DrawGradient(Canvas, Color, ColorTo, false, {f.Left, f.Top, f.Right, mid}, 16);
    DrawGradient(Canvas, MirrorColor, MirrorColorTo, false, {f.Left, mid, f.Right, f.Bottom}, 16);
  }
}

void DrawComboButton(TCanvas& Canvas, HWND /*Window*/, const TRect& Rect, int Mode, int State,
                     const TColorTones& Tones) {
  TRect r{Rect.Right - 19, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  unsigned inactive = State == fdsDisabled ? DFCS_INACTIVE : 0;
  switch (Mode) {
    case fdmTheme:
      // The style shows the button normal or disabled; hot and down look normal.
      if (ThemesActive())
        Canvas.DrawThemedPart(TThemedElement::ComboButton, State == fdsDisabled ? TS_DISABLED : TS_NORMAL, r);
      break;
    case fdmClassic:
    case fdmFlat:
      FrameControl(Canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | inactive | (Mode == fdmFlat ? DFCS_FLAT : 0));
      break;
    case fdmTones: {
      r.Left += 3;
      SetPenAndBrush(Canvas, ToneOf(Tones, State).BrushColor);
      Canvas.Rectangle(r);
      Canvas.Pen().Color = Tones.Background.BorderColor;
      Line(Canvas, r.Left + 1, r.Top, r.Left + 1, r.Bottom);
      SetPenAndBrush(Canvas, Tones.Background.TextColor);
      Canvas.Polygon({{r.Left + 5, r.Top + 8}, {r.Left + 11, r.Top + 8}, {r.Left + 8, r.Top + 11}});
      break;
    }
    default: break;
  }
}

void DrawButtonFace(TCanvas& Canvas, HWND /*Window*/, const TRect& Rect, int Mode, int State,
                    const TColorTones& Tones) {
  switch (Mode) {
    case fdmTheme:
      if (ThemesActive() && State >= fdsNormal && State <= fdsDisabled)
        Canvas.DrawThemedPart(TThemedElement::PushButton, TS_NORMAL + State, Rect);
      break;
    case fdmClassic:
    case fdmFlat: {
      unsigned state = DFCS_BUTTONPUSH;
      if (State == fdsHot) state |= DFCS_HOT;
      if (State == fdsDown) state |= DFCS_PUSHED;
      if (State == fdsDisabled) state |= DFCS_INACTIVE;
      if (Mode == fdmFlat) state |= DFCS_FLAT;
      FrameControl(Canvas, Rect, DFC_BUTTON, state);
      break;
    }
    case fdmTones: {
      const TColorTone& tone = ToneOf(Tones, State);
      SolidBrush(Canvas, tone.BrushColor);
      Canvas.Pen().Color = tone.BorderColor;
      Canvas.Rectangle(Rect);
      break;
    }
    default: break;
  }
}

void DrawSpinButtons(TCanvas& Canvas, HWND /*Window*/, const TRect& Rect, int Mode, int State,
                     const TColorTones& Tones) {
  const TRect r{Rect.Right - 16, Rect.Top - 1, Rect.Right - 1, Rect.Bottom - 1};
  const int mc = r.Top + (r.Bottom - r.Top) / 2;
  const TRect upper{r.Left, r.Top, r.Right, mc};
  const TRect lower{r.Left, mc + 1, r.Right, r.Bottom};
  unsigned inactive = State == fdsDisabled ? DFCS_INACTIVE : 0;
  switch (Mode) {
    case fdmTheme:
      if (ThemesActive()) {
        int state = State == fdsDisabled ? TS_DISABLED : TS_NORMAL;
        Canvas.DrawThemedPart(TThemedElement::SpinUp, state, upper);
        Canvas.DrawThemedPart(TThemedElement::SpinDown, state, {r.Left, mc, r.Right, r.Bottom});
      }
      break;
    case fdmClassic:
    case fdmFlat: {
      unsigned flat = Mode == fdmFlat ? DFCS_FLAT : 0;
      FrameControl(Canvas, upper, DFC_SCROLL, DFCS_SCROLLUP | inactive | flat);
      FrameControl(Canvas, lower, DFC_SCROLL, DFCS_SCROLLDOWN | inactive | flat);
      break;
    }
    case fdmTones:
      SetPenAndBrush(Canvas, ToneOf(Tones, State).BrushColor);
      Canvas.Rectangle(upper);
      Canvas.Rectangle(lower);
      SetPenAndBrush(Canvas, clBlack);
      Canvas.Polygon({{r.Left + 5, r.Top + 5}, {r.Left + 9, r.Top + 5}, {r.Left + 7, r.Top + 3}});
      Canvas.Polygon({{r.Left + 5, mc + 2}, {r.Left + 9, mc + 2}, {r.Left + 7, mc + 4}});
      break;
    default: break;
  }
}

void FillRectColor(TCanvas& Canvas, const TRect& Rect, TColor Color) {
  SolidBrush(Canvas, Color);
  Canvas.FillRect(Rect);
}

void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color) {
  SetPenAndBrush(Canvas, Color);
  Canvas.Polygon({{X - 3, Y}, {X + 3, Y}, {X, Y + 3}});
}

void DrawBitmapTransparent(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackgroundColor, const TRect& Rect) {
  if (Bitmap.Empty()) return;
  const int w = Bitmap.Width(), h = Bitmap.Height();
  TColor key = static_cast<TColor>(Bitmap.ScanLine(0)[0] & 0xFFFFFFu);
  // The brush copy replaces the key by the canvas brush; the caller's brush stays.
  TBrush saved = Canvas.Brush();
  Canvas.Brush().Color = BackgroundColor;
  Canvas.Brush().Style = bsSolid;
  Canvas.BrushCopy({Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h}, Bitmap, {0, 0, w, h}, key);
  Canvas.SetBrush(saved);
}

void DrawResourceBitmapTransparent(TCanvas& Canvas, TColor BackgroundColor, const TRect& Rect,
                                   const std::string& ResourceName) {
  TBitmap bmp = BitmapResource(ResourceName);
  DrawBitmapTransparent(Canvas, bmp, BackgroundColor, Rect);
}

TColor HalveColor(TColor Color) {
  TColor c = ColorToRGB(Color);
  return RGB(GetRValue(c) >> 1, GetGValue(c) >> 1, GetBValue(c) >> 1);
}

TColor AdjustBrightness(TColor Color, int Percent) {
  TColor c = ColorToRGB(Color);
  // RGB keeps the low byte, which is the value modulo 256 also for a negative result.
  auto adjust = [Percent](int v) { return static_cast<int>(Round(v + (v * static_cast<double>(Percent)) / 100)); };
  return RGB(adjust(GetRValue(c)), adjust(GetGValue(c)), adjust(GetBValue(c)));
}

std::string ColorToHexRGB(TColor Color) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", GetRValue(Color), GetGValue(Color), GetBValue(Color));
  return buf;
}

bool CallUpdateLayeredWindow(HWND Window, const TPoint* Position, const TBitmap& Image, const BLENDFUNCTION& Blend,
                             unsigned Flags) {
  return UpdateLayeredWindow(Window, Position, Image, Blend, Flags);
}

bool CallSetLayeredWindowAttributes(HWND Window, TColor Key, std::uint8_t Alpha, unsigned Flags) {
  return SetLayeredWindowAttributes(Window, Key, Alpha, Flags);
}

}  // namespace hd
