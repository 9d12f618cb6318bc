// The button's bitmap resources, drawn here in code: the glyph strips of the stock kinds
// ("LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY", "LBIGNORE",
// "LBALL"; a normal and a disabled image each), the drop-down arrow "LBARROW" and the pictures
// of the main window's icon buttons ("BTNINFO", "BTNOPTIONS", "BTNCLOSE"; one image each).
// Transparent pixels are fuchsia, as is the bottom-left pixel of every image.
#pragma once

#include <string>

namespace hd {

class TBitmap;

// Fills bitmap with the named resource; false, leaving bitmap alone, for an unknown name.
bool LoadButtonGlyph(const std::string& name, TBitmap& bitmap);

}  // namespace hd
