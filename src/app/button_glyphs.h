// The pictures of the main window's icon buttons, drawn here in code and added to the
// program's bitmap resources as "BTNINFO", "BTNOPTIONS" and "BTNCLOSE" (32 x 32, one image
// each, fuchsia where transparent). The stock kinds' strips and the drop-down arrow are
// resources of the platform.
#pragma once

namespace hd {

// Adds the pictures to the bitmap resources; later calls do nothing.
void RegisterButtonGlyphs();

}  // namespace hd
