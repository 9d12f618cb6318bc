// Drawing routines shared by the cell painters, the drop-down controls and printing:
// gradients, the rounded selection look, button faces and colour arithmetic. They keep no
// state; each sets the canvas pen, brush and font as it goes and leaves them so.
#pragma once

#include <cstdint>
#include <string>

#include "grid/foundation/theme.h"
#include "platform/canvas.h"
#include "platform/messages.h"
#include "platform/types.h"

namespace hd {

class TBitmap;
struct BLENDFUNCTION;

// How the face routines draw: through the visual style, as a classic or a flat frame
// control, or in the colours of a TColorTones. Other values draw nothing.
constexpr int fdmTheme = 0, fdmClassic = 1, fdmFlat = 2, fdmTones = 3;
// Face states: 0 normal, 1 hot, 2 down, 3 disabled.
constexpr int fdsNormal = 0, fdsHot = 1, fdsDown = 2, fdsDisabled = 3;

// Steps + 1 bands from FromColor to ToColor, left to right when Horizontal, else top to
// bottom. Steps is held to 1..extent - 1. An empty rectangle draws nothing; with either
// colour clNone the other fills the rectangle.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect, int Steps);
// A gradient background, split in two at the middle when MirrorColor is set, and a border
// (only the two side lines with BorderSidesOnly).
void DrawMirroredGradient(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor MirrorColor,
                          TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool BorderSidesOnly, bool Fill);
// The colour at Position (counted from the range's start) of a gradient spread over
// RangeStart..RangeEnd; Color when ColorTo is clNone or the range is empty.
TColor GradientColorAt(TColor Color, TColor ColorTo, int RangeStart, int Position, int RangeEnd);

// Which cell of a selection's row DrawStyledSelection draws.
constexpr int sspAlone = 0, sspLeftEnd = 1, sspRightEnd = 2, sspMiddle = 3;
// One cell of a rounded selection box spanning the selected columns of a row.
void DrawStyledSelection(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                         TColor InnerTopColor, TColor InnerBottomColor, TColor BorderColor, TColor CornerColor,
                         TColor BackgroundColor, const TRect& Rect, int Part);

// Button faces. Window is the control drawn for; the shipped style is the same for every
// window, and while themes are off the themed mode draws nothing.
void DrawComboButton(TCanvas& Canvas, HWND Window, const TRect& Rect, int Mode, int State, const TColorTones& Tones);
void DrawButtonFace(TCanvas& Canvas, HWND Window, const TRect& Rect, int Mode, int State, const TColorTones& Tones);
void DrawSpinButtons(TCanvas& Canvas, HWND Window, const TRect& Rect, int Mode, int State, const TColorTones& Tones);

void FillRectColor(TCanvas& Canvas, const TRect& Rect, TColor Color);
// A small filled triangle pointing down from (X-3, Y)..(X+3, Y) to (X, Y+3).
void DrawDownTriangle(TCanvas& Canvas, int X, int Y, TColor Color);
// The bitmap at Rect's top-left at its own size, the colour of its top-left pixel shown as
// BackgroundColor. The canvas keeps its brush.
void DrawBitmapTransparent(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackgroundColor, const TRect& Rect);
// The same for a named bitmap resource; EResNotFound when there is none.
void DrawResourceBitmapTransparent(TCanvas& Canvas, TColor BackgroundColor, const TRect& Rect,
                                   const std::string& ResourceName);

// Each channel halved.
TColor HalveColor(TColor Color);
// Each channel c becomes Round(c + c * Percent / 100) modulo 256: it wraps, it does not stop.
TColor AdjustBrightness(TColor Color, int Percent);
// "RRGGBB" in upper case.
std::string ColorToHexRGB(TColor Color);

// The platform's layered-window calls, as the grid makes them: UpdateLayeredWindow and
// SetLayeredWindowAttributes (layered.h), answering what those answer.
bool CallUpdateLayeredWindow(HWND Window, const TPoint* Position, const TBitmap& Image, const BLENDFUNCTION& Blend,
                             unsigned Flags);
bool CallSetLayeredWindowAttributes(HWND Window, TColor Key, std::uint8_t Alpha, unsigned Flags);

}  // namespace hd
