// The look the configurator's dialog windows give their push buttons, and the glyphs of the
// buttons that have no stock picture.
#pragma once

#include "platform/bitmap.h"
#include "platform/types.h"

namespace hd {

class TLbButton;

// Hot-track colours: yellow on most windows, sky blue on the communication parameters.
constexpr TColor kYellowHotTrack = 0x00FFFF;
constexpr TColor kSkyBlueHotTrack = 0xF0CAA6;

enum class TDialogGlyph { OK, Cancel, Ping, Next, Update };

// One 16 x 16 image, fuchsia where transparent.
TBitmap DialogGlyph(TDialogGlyph kind);

// The shared face: light face colour, gray light edges, orange while pressed, the hot-track
// colour under the mouse, the gradient style, and one glyph.
void StyleDialogButton(TLbButton& button, TColor hotTrackColor, const TBitmap& glyph);

}  // namespace hd
