#include "app/button_face.h"

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"

namespace hd {
namespace {

struct PresetRow {
  TLbColorStyle Style;
  TColor Color, LightColor, ShadowColor, ColorWhenDown, HotTrackColor;
  bool Flat, Modern, Quicken;
  TColor FontColor;
};

constexpr PresetRow kPresets[] = {
    {lcsGold, 0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, true, false, clBlack},
    {lcsChrome, 0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, true, false, clBlack},
    {lcsBlue, 0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, true, false, clBlack},
    {lcsRed, 0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, true, false, clBlack},
    {lcsUltraFlat1, clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, false, false, clBlack},
    {lcsUltraFlat2, clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, false, false, clBlack},
    {lcsUltraFlatXP, 0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, false, false, clBlack},
    {lcsAqua, 0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, true, false, clBlack},
    {lcsDefault, clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, false, false, clBlack},
    {lcsQuicken, 0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, false, true, clWhite},
};

int Channel(TColor c, int shift) { return (ColorToRGB(c) >> shift) & 0xFF; }

unsigned AlignmentFlag(TAlignment a) {
  switch (a) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
  }
  return DT_CENTER;
}

// Drops the last character, not the last byte, of a UTF-8 text.
void DropLastCharacter(std::string& s) {
  while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
  if (!s.empty()) s.pop_back();
}

void DrawEdgeLines(TCanvas& c, int w, int h, TColor topLeft, TColor bottomRight) {
  c.Pen().Color = topLeft;
  c.MoveTo(0, h - 1);
  c.LineTo(0, 0);
  c.LineTo(w - 1, 0);
  c.Pen().Color = bottomRight;
  c.LineTo(w - 1, h - 1);
  c.LineTo(0, h - 1);
}

void DrawOldInnerLine(TCanvas& c, int w, int h, TColor shadow, bool pressed) {
  c.Pen().Color = shadow;
  if (pressed) {
    c.MoveTo(1, h - 3);
    c.LineTo(1, 1);
    c.LineTo(w - 2, 1);
  } else {
    c.MoveTo(w - 2, 0);
    c.LineTo(w - 2, h - 2);
    c.LineTo(0, h - 2);
  }
}

void PaintBackground(TCanvas& c, const TButtonFace& f, TColor face, int offset) {
  const int w = f.Width, h = f.Height;
  switch (f.Style) {
    case bsShape:
      c.Brush() = TBrush{clFuchsia, bsSolid};
      c.FillRect(Rect(0, 0, w, h));
      break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
      c.Brush() = TBrush{face, bsSolid};
      c.FillRect(Rect(0, 0, w, h));
      break;
    case bsModern:
      FillGradientBands(c, f.LightColor, face, 2, 2, w - 2, h / 4 + offset);
      FillGradientBands(c, face, f.LightColor, 2, h / 4 + offset, w - 2, h - 1);
      break;
    case bsQuicken:
      break;
  }
}

void PaintEdges(TCanvas& c, const TButtonFace& f, TColor face, bool pressed) {
  const int w = f.Width, h = f.Height;
  c.Pen().Style = psSolid;
  c.Pen().Width = 1;
  const bool withEdges = f.Enabled ? (!f.Flat || f.Hot || pressed) : !f.Flat;
  switch (f.Style) {
    case bsNormal:
    case bsEncarta:
      if (!withEdges) return;
      if (pressed) DrawEdgeLines(c, w, h, f.ShadowColor, f.LightColor);
      else DrawEdgeLines(c, w, h, f.LightColor, f.ShadowColor);
      break;
    case bsOld:
      if (!withEdges) return;
      DrawOldInnerLine(c, w, h, f.ShadowColor, pressed);
      if (pressed) DrawEdgeLines(c, w, h, cl3DDkShadow, f.LightColor);
      else DrawEdgeLines(c, w, h, f.LightColor, cl3DDkShadow);
      break;
    case bsModern:
      c.Brush().Style = bsClear;
      c.Pen().Color = pressed ? f.ShadowColor : face;
      c.Rectangle(Rect(1, 1, w - 1, h - 1));
      c.Pen().Color = f.ShadowColor;
      c.RoundRect(Rect(0, 0, w, h), 6, 6);
      break;
    case bsQuicken:
      c.Brush() = TBrush{face, bsSolid};
      c.Pen().Style = psClear;
      c.RoundRect(Rect(0, 1, w, h), 4, 4);
      c.Pen().Style = psSolid;
      c.Pen().Color = f.ShadowColor;
      c.MoveTo(4, 0);
      c.LineTo(w - 5, 0);
      c.MoveTo(4, h - 1);
      c.LineTo(w - 5, h - 1);
      break;
    case bsShape:
      break;
  }
}

struct FaceLayout {
  TPoint GlyphPos;
  TRect CaptionRect;
};

// Left edge of a glyph beside the caption; captionRoom is tw + 4, or 0 for an empty caption.
int SideGlyphLeft(const TButtonFace& f, int offset, int gw, int captionRoom) {
  const int w = f.Width;
  if (f.Layout == blGlyphLeft) {
    if (f.WordWrap || f.Alignment == taLeftJustify) return offset + 4;
    if (f.Alignment == taRightJustify) return w + offset - gw - captionRoom - 4;
    return (w - gw) / 2 + offset - captionRoom / 2;
  }
  if (f.WordWrap || f.Alignment == taLeftJustify) return offset + 4 + captionRoom;
  if (f.Alignment == taRightJustify) return w + offset - gw - 4;
  return (w - gw) / 2 + offset + captionRoom / 2;
}

FaceLayout LayOut(const TButtonFace& f, int offset, TSize glyph, TSize text, int room, bool hasCaption) {
  const int w = f.Width, h = f.Height;
  const int gw = glyph.cx, gh = glyph.cy, tw = text.cx, th = text.cy;
  const bool hasGlyph = gw > 0;
  FaceLayout l;
  if (f.Style == bsShape) {
    l.GlyphPos = Point((w - gw) / 2, (h - gh) / 2);
    l.CaptionRect = Rect(offset, (h - th) / 2 + offset, w, h);
    return l;
  }
  if (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) {
    int left = offset + 4;
    if (f.Layout == blGlyphLeft && hasGlyph) left += gw + 4;
    const int top = (h - th) / 2 + offset;
    l.CaptionRect = Rect(left, top, left + room, top + th);
    l.GlyphPos = Point(SideGlyphLeft(f, offset, gw, hasCaption ? tw + 4 : 0), (h - gh) / 2 + offset);
    return l;
  }
  const int total = hasGlyph ? gh + th + 4 : th;
  const int top = (h - total) / 2;
  const int captionTop = f.Layout == blGlyphTop ? top + gh + offset : top + offset;
  const int glyphTop = f.Layout == blGlyphTop ? top + offset : top + th + offset;
  l.CaptionRect = Rect(offset + 4, captionTop, offset + 4 + room, captionTop + th);
  int glyphLeft = (w - gw) / 2 + offset;
  if (f.Alignment == taLeftJustify) glyphLeft = offset + 4;
  else if (f.Alignment == taRightJustify) glyphLeft = w - gw - 4 + offset;
  l.GlyphPos = Point(glyphLeft, glyphTop);
  return l;
}

}  // namespace

void GetColorStylePreset(TLbColorStyle style, TLbColorPreset& preset) {
  preset.Flat = false;
  preset.FontColor = clBlack;
  preset.Modern = false;
  preset.Quicken = false;
  for (const PresetRow& row : kPresets) {
    if (row.Style != style) continue;
    preset.Color = row.Color;
    preset.LightColor = row.LightColor;
    preset.ShadowColor = row.ShadowColor;
    preset.ColorWhenDown = row.ColorWhenDown;
    preset.HotTrackColor = row.HotTrackColor;
    preset.Flat = row.Flat;
    preset.FontColor = row.FontColor;
    preset.Modern = row.Modern;
    preset.Quicken = row.Quicken;
  }
}

TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int step) {
  // step / 8 is exact, so integer arithmetic truncates as the real-valued blend does.
  auto mix = [&](int shift) { return (Channel(color, shift) * (8 - step) + Channel(hotTrackColor, shift) * step) / 8; };
  return RGB(mix(0), mix(8), mix(16));
}

void FillGradientBands(TCanvas& canvas, TColor startColor, TColor endColor, int left, int top,
                       int right, int bottom) {
  const TPen savedPen = canvas.Pen();
  canvas.Pen().Style = psClear;
  const int bandHeight = (bottom - top) / 31 + 1;
  auto channel = [&](int shift, int i) {
    const int s = Channel(startColor, shift);
    return s + i * (Channel(endColor, shift) - s) / 31;
  };
  for (int i = 0; i < 32; ++i) {
    const int y = top + i * (bottom - top) / 31;
    canvas.Brush() = TBrush{RGB(channel(0, i), channel(8, i), channel(16, i)), bsSolid};
    canvas.FillRect(Rect(left, y, right, std::min(y + bandHeight, bottom)));
  }
  canvas.SetPen(savedPen);
}

void DrawGlyphFrame(TCanvas& canvas, const TBitmap& strip, int index, int gw, int gh, int x, int y) {
  const int srcLeft = (index - 1) * gw;
  if (gw <= 0 || gh <= 0 || srcLeft < 0 || srcLeft + gw > strip.Width() || gh > strip.Height()) return;
  TBitmap image(gw, gh);
  for (int row = 0; row < gh; ++row) std::copy_n(strip.ScanLine(row) + srcLeft, gw, image.ScanLine(row));
  image.SetTransparent(true);
  canvas.Draw(x, y, image);
}

int GlyphImageIndex(int numGlyphs, bool enabled, bool pressed, bool hot) {
  if (!enabled) return 2;
  if (pressed && numGlyphs > 2) return 3;
  if (hot && numGlyphs > 3) return 4;
  return 1;
}

void PaintButtonFace(TCanvas& canvas, const TButtonFace& f) {
  const bool pressed = f.Pressed && f.Enabled;
  const int offset = pressed && f.Style != bsEncarta ? 1 : 0;
  TColor face = f.Color;
  if (f.Enabled && f.HotTrackColor != clNone) face = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
  if (pressed && f.ColorWhenDown != clNone) face = f.ColorWhenDown;

  PaintBackground(canvas, f, face, offset);
  PaintEdges(canvas, f, face, pressed);

  TFont font = f.Font;
  if (f.Style == bsEncarta && pressed) font.Style.Include(fsBold);
  if (!f.Enabled) font.Color = clGray;
  canvas.SetFont(font);

  const bool hasGlyph = f.Glyph && f.NumGlyphs > 0 && !f.Glyph->Empty();
  const TSize glyph = hasGlyph ? TSize{f.Glyph->Width() / f.NumGlyphs, f.Glyph->Height()} : TSize{};
  const bool beside = glyph.cx > 0 && (f.Layout == blGlyphLeft || f.Layout == blGlyphRight);
  const int room = std::max(0, beside ? f.Width - glyph.cx - 12 : f.Width - 8);

  std::string caption = f.Caption;
  if (!f.WordWrap)
    while (!caption.empty() && canvas.TextWidth(caption) > room) DropLastCharacter(caption);
  const unsigned flags = DT_WORDBREAK | AlignmentFlag(f.Style == bsShape ? taCenter : f.Alignment);
  TRect measured = Rect(0, 0, room, 0);
  canvas.DrawText(caption, measured, flags | DT_CALCRECT);
  const TSize text{measured.Width(), measured.Height()};

  const FaceLayout layout = LayOut(f, offset, glyph, text, room, !caption.empty());
  if (glyph.cx > 0) {
    const int index = GlyphImageIndex(f.NumGlyphs, f.Enabled, pressed, f.Hot);
    DrawGlyphFrame(canvas, *f.Glyph, index, glyph.cx, glyph.cy, layout.GlyphPos.X, layout.GlyphPos.Y);
  }
  canvas.Brush().Style = bsClear;
  canvas.SetBkMode(bkTransparent);
  TRect captionRect = layout.CaptionRect;
  canvas.DrawText(caption, captionRect, flags);

  if (f.HasPopupMenu) {
    TBitmap arrow = BitmapResource("LBARROW");
    arrow.SetTransparent(true);
    canvas.Draw(f.Width - 11, f.Height / 2 - 1, arrow);
  }
}

}  // namespace hd
