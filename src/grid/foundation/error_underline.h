// The red zig-zag that marks characters of a cell text, as a spelling or validation mark.
#pragma once

#include <string>

#include "platform/canvas.h"

namespace hd {

class TWinControl;

// Underlines characters Start .. Start + Length - 1 of Text as a single-line edit of Owner
// lays the text out over Rect; YOffset moves the line down from the text's top. A range that
// reaches the text's end runs a few pixels past its last character.
void DrawWavyUnderline(TWinControl* Owner, TCanvas& Canvas, const std::string& Text, int Length, int Start,
                       int YOffset, const TRect& Rect);

}  // namespace hd
