// The GUI application instance that fonts, text and themed drawing need.
#pragma once

namespace hd {

// Creates the application object unless one exists, choosing the offscreen platform when no
// display is at hand, and registers the shipped fonts. Safe to call again.
void EnsureGuiApplication();

}  // namespace hd
