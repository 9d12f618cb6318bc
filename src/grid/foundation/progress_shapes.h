// Drawing of the value-like cell objects: progress bars and pies, the bar that grows either way
// from the middle, and the cell shapes. They keep no state and leave the canvas pen, brush and
// font as they set them.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "platform/types.h"

namespace hd {

// Ordinals are kept in stored cells.
enum TCellShape {
  csRectangle,
  csCircle,
  csTriangleLeft,
  csTriangleRight,
  csTriangleUp,
  csTriangleDown,
  csDiamond,
  csLineVert,
  csLineHorz,
  csRoundRect,
  csEllips,
  csSquare,
  csRoundSquare,
  csStar,
  csArrowUp,
  csArrowDown,
  csArrowLeft,
  csArrowRight,
  csHalfStar,
};

// The look of a styled progress bar, filled by the content painter from the grid's progress
// appearance (whose defaults these are). The Level2 colours are not used by a stacked bar.
struct TProgressBarLook {
  TColor Level0Color = 0x00FF00;
  TColor Level0ColorTo = 0xE1FFE1;
  TColor Level1Color = 0x00FFFF;
  TColor Level1ColorTo = 0xCAFFFF;
  TColor Level2Color = 0x53A9FF;
  TColor Level2ColorTo = 0xA8D3FF;
  TColor Level3Color = 0x0000FF;
  TColor Level3ColorTo = 0xCACAFF;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  const TFont* Font = nullptr;  // not owned; none keeps the canvas font
  TColor FontColor = clBlue;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int Steps = 11;
  TColor BackgroundColor = clWindow;
  bool Vertical = false;
};

// A bar inside Rect less the margins whose text changes colour where the bar ends. Without a
// Format the text is Round(Position) and "%", and Position is the percentage; with one, the
// percentage is Position's place between Min and Max, and a Format with "d" or "u" takes
// Round(Position). Printing places the text for coordinates that run upwards. A Format with
// Max equal to Min has no percentage: nothing is drawn.
void DrawProgressBar(TCanvas& Canvas, TRect Rect, TColor Color, TColor TextColor, TColor BackColor,
                     TColor BackTextColor, double Position, int MarginX, int MarginY, double Min, double Max,
                     const std::string& Format, TColor BorderColor, bool Printing);
// A bar with level colours, stacked or by level, smooth or in blocks, with gradients.
void DrawStyledProgress(TCanvas& Canvas, const TRect& Rect, int Percent, TProgressBarLook Look);
// A grey circle with a sector filled clockwise from 12 o'clock. Only a sector with room inside
// its lines is filled, so the fill never runs outside it. Flag seeds the fill above the top,
// which lies outside the circle: with it on nothing is filled.
void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor FillColor, int Percent, bool Flag);
// A bar from the middle, to the left for negative values; Value is held to -Max..Max. Max 0
// draws nothing. ShowValue writes the value over the bar.
void DrawBipolarBar(TCanvas& Canvas, const TRect& Rect, double Value, double Max, bool ShowValue,
                    TColor NegativeColor, TColor PositiveColor);
// The shape in the box (X, Y, X + Width, Y + Height); circles and squares take the smaller
// side. Values past csHalfStar draw nothing.
void DrawCellShape(TCanvas& Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
                   TColor PenColor);

}  // namespace hd
