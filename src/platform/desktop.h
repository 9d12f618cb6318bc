// What the desktop offers beside the windows themselves: the beep, the double-click time and
// the window under a screen point.
#pragma once

#include <functional>

#include "platform/messages.h"
#include "platform/types.h"

namespace hd {

// Sounds the platform's beep for a message-box type (0, MB_ICONERROR, ...).
void MessageBeep(unsigned type);
// Beeps go to the sink instead of the speaker (tests count them); an empty sink restores the
// speaker. Returns the previous sink.
using TBeepSink = std::function<void(unsigned type)>;
TBeepSink SetMessageBeepSink(TBeepSink sink);

// The longest time between the two clicks of a double click, in milliseconds.
unsigned GetDoubleClickTime();
// The lines one notch of the mouse wheel moves, as the desktop is set; at least 1.
int GetWheelScrollLines();

// The window at a screen point: the deepest visible, enabled windowed control there on the
// topmost visible form (the form itself on its frame); 0 where no form is.
HWND WindowFromPoint(TPoint screen);

}  // namespace hd
