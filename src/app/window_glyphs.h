// The pictures on the windows' push buttons and the about window's picture, drawn here in
// code and added to the program's bitmap resources. Each is one image, fuchsia where
// transparent: "WGNEW", "WGOPEN", "WGSETCOM", "WGSETACCESS", "WGUPDATE" (24 x 24, the main
// window's steps), "WGOK", "WGCANCEL", "WGNEXT", "WGPREV", "WGCHECK", "WGTOOLS" (16 x 16, the
// dialogs' buttons) and "WGDEVICE" (64 x 64, the about window).
#pragma once

#include <string>

namespace hd {

class TBitmap;

// Adds the pictures to the bitmap resources; later calls do nothing.
void RegisterWindowGlyphs();

// The named picture, registering the pictures first when needed.
TBitmap WindowGlyph(const std::string& name);

}  // namespace hd
