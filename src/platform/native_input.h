// Input as the windowing system delivers it, and pictures of windows: for tests and for
// reviewing what a window shows. Mouse and key events enter through the native event path
// (hit testing, modality, the event filter), so they meet the same translation as real input.
#pragma once

#include <string>

#include "platform/controls.h"

namespace hd {

class TCustomForm;

// Mouse at a client point of the control; the event goes to the control's top-level window
// at that place, so whatever lies there (or holds the capture) receives it.
void NativeMouseMove(TControl* control, TPoint p, TShiftState shift = {});
void NativeMouseDown(TControl* control, TPoint p, TMouseButton button = mbLeft, TShiftState shift = {});
void NativeMouseUp(TControl* control, TPoint p, TMouseButton button = mbLeft, TShiftState shift = {});
// Down and up; successive clicks are far enough apart in time never to pair into a double click.
void NativeClick(TControl* control, TPoint p, TMouseButton button = mbLeft, TShiftState shift = {});
// Two clicks within the double-click time.
void NativeDoubleClick(TControl* control, TPoint p, TMouseButton button = mbLeft, TShiftState shift = {});
// Wheel notches (120 each, positive away from the user) over a client point.
void NativeWheel(TControl* control, TPoint p, int delta, TShiftState shift = {});

// Keys go to the window that holds the focus. The text is what the key types (derived from
// the key and shift state when not given).
void NativeKeyDown(int vk, TShiftState shift = {}, const std::string& text = "\x01");
void NativeKeyUp(int vk, TShiftState shift = {});
void NativeKeyPress(int vk, TShiftState shift = {});
// Types each character of UTF-8 text as a key press.
void NativeType(const std::string& text);

// Closes a form as its title bar's close button does.
void NativeCloseWindow(TCustomForm* form);

// Renders the control (a form: its client area) with everything on it to a PNG file.
bool RenderToPng(TControl* control, const std::string& path);

}  // namespace hd
