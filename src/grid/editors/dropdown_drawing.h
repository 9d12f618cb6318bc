// Drawing routines of the editor controls and drop-down edits: a banded gradient and the face
// of a drop-down button. They keep no state and leave the canvas's pen and brush as they set
// them.
#pragma once

#include "platform/canvas.h"
#include "platform/types.h"

namespace hd {

// Steps solid bands (0 counts as 1) from FromColor to ToColor, left to right when Horizontal,
// else top to bottom. Each band is the nearest whole number of pixels wide plus one, so
// neighbouring bands overlap by a pixel rather than leave a gap.
void DrawSteppedGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect,
                         bool Horizontal);
// The grid's order of the same arguments reads alike but swaps the meaning of a bool and an
// int; it is refused rather than converted.
void DrawSteppedGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect,
                         int Steps) = delete;

// A button face: an 80-band gradient from Color to ColorTo (top to bottom when Vertical),
// or Color alone when ColorTo is clNone, then a BorderWidth-wide outline in BorderColor.
// Nothing without a canvas; a clNone colour leaves that part out.
void DrawButtonBackground(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor BorderColor,
                          int BorderWidth, bool Vertical);

// ColorA weighted by Percent against ColorB, each channel to the nearest integer; 100 or more
// gives ColorA, 0 or less ColorB, both as given.
TColor BlendColor(TColor ColorA, TColor ColorB, int Percent);
// Each non-zero channel scaled to min(100, 100 + Delta) percent (nearest integer, halves to
// even); a zero channel becomes max(0, Delta).
TColor ScaleColor(TColor Color, int DeltaR, int DeltaG, int DeltaB);

}  // namespace hd
