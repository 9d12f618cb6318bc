// What the push button draws with: its enumerations, the colour presets and the face painter.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "platform/types.h"

namespace hd {

class TBitmap;

enum TLbColorStyle {
  lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP,
  lcsAqua, lcsDefault, lcsQuicken
};
enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

// The colours and flags a colour style stands for.
struct TLbColorPreset {
  TColor Color = clBtnFace;
  TColor LightColor = clWhite;
  TColor ShadowColor = clGray;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  bool Flat = false;
  TColor FontColor = clBlack;
  bool Modern = false;
  bool Quicken = false;
};

// Clears the flags and the font colour, then fills in the style's row; lcsCustom leaves the
// colours as they are.
void GetColorStylePreset(TLbColorStyle style, TLbColorPreset& preset);

// Everything of a button that its face depends on.
struct TButtonFace {
  int Width = 0;
  int Height = 0;
  int HotTrackStep = 0;  // 8 = fully hot-tracked, 0 = plain face colour
  int NumGlyphs = 0;
  const TBitmap* Glyph = nullptr;  // strip of NumGlyphs images: normal, disabled, pressed, hot
  bool Pressed = false;
  bool Hot = false;  // mouse over the button or focused
  bool Enabled = true;
  bool Flat = false;
  bool WordWrap = false;
  bool HasPopupMenu = false;
  TLbButtonStyle Style = bsNormal;
  TColor Color = clBtnFace;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  TColor LightColor = clWhite;
  TColor ShadowColor = clGray;
  TFont Font;
  TLbButtonLayout Layout = blGlyphLeft;
  std::string Caption;
  TAlignment Alignment = taCenter;
};

// Draws the complete face (background, edges, caption, glyph, drop-down arrow) into the canvas.
void PaintButtonFace(TCanvas& canvas, const TButtonFace& face);

// Color moved toward HotTrackColor by step eighths, each channel truncated.
TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int step);

// A vertical gradient in 32 bands from startColor at top to endColor at bottom.
void FillGradientBands(TCanvas& canvas, TColor startColor, TColor endColor, int left, int top,
                       int right, int bottom);

// Draws image index (1-based) of a strip of images gw x gh transparently at (x, y); an image
// beyond the strip draws nothing.
void DrawGlyphFrame(TCanvas& canvas, const TBitmap& strip, int index, int gw, int gh, int x, int y);

// The image of the strip the face shows: 1 normal, 2 disabled, 3 pressed, 4 hot.
int GlyphImageIndex(int numGlyphs, bool enabled, bool pressed, bool hot);

}  // namespace hd
