// The pictures on the windows' push buttons that dialog_buttons.h and the main window's icons
// do not draw, and the about window's picture, drawn here in code and added to the program's
// bitmap resources. Each is one image, fuchsia where transparent: "WGNEW", "WGOPEN",
// "WGSETCOM", "WGSETACCESS", "WGUPDATE" (24 x 24, the main window's steps), "WGPREV",
// "WGCHECK", "WGTOOLS" (16 x 16, the options window) and "WGDEVICE" (64 x 64, the about
// window). The main window's "BTNINFO", "BTNOPTIONS" and "BTNCLOSE" come from button_glyphs.h.
#pragma once

#include <string>

namespace hd {

class TBitmap;

// Adds the pictures to the bitmap resources; later calls do nothing.
void RegisterWindowGlyphs();

// The named picture, registering the pictures first when needed.
TBitmap WindowGlyph(const std::string& name);

}  // namespace hd
