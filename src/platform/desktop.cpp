#include "platform/desktop.h"

#include <algorithm>

#include "platform/forms.h"
#include "platform/native_bridge_p.h"
#include "platform/top_level_p.h"

namespace hd {
namespace {

TBeepSink& BeepSink() {
  static TBeepSink sink;
  return sink;
}

// The windowed child under a client point, depth first; hidden and disabled windows, and
// those that let the mouse through there, are passed through, as the platform does not report
// them.
TWinControl* WindowAt(TWinControl* parent, TPoint client) {
  for (int i = parent->ControlCount() - 1; i >= 0; --i) {
    auto* child = dynamic_cast<TWinControl*>(parent->Controls(i));
    if (!child || !child->Visible() || !child->Enabled() || !child->BoundsRect().Contains(client)) continue;
    TPoint inChild{client.X - child->Left(), client.Y - child->Top()};
    if (!WindowTakesMouseAt(child->Handle(), inChild)) continue;
    return WindowAt(child, inChild);
  }
  return parent;
}

}  // namespace

void MessageBeep(unsigned type) {
  if (BeepSink())
    BeepSink()(type);
  else
    NativeBeep();
}

TBeepSink SetMessageBeepSink(TBeepSink sink) {
  TBeepSink previous = std::move(BeepSink());
  BeepSink() = std::move(sink);
  return previous;
}

unsigned GetDoubleClickTime() { return NativeDoubleClickTime(); }

int GetWheelScrollLines() { return std::max(1, NativeWheelScrollLines()); }

HWND WindowFromPoint(TPoint screen) {
  for (TCustomForm* form : Screen().VisibleFormsInZOrder()) {
    if (!form->BoundsRect().Contains(screen)) continue;
    // Shaped and mouse-transparent forms let the mouse through to what lies below.
    if (!WindowTakesMouseAt(form->Handle(), {screen.X - form->Left(), screen.Y - form->Top()})) continue;
    TPoint client = form->ScreenToClient(screen);
    if (!form->ClientRect().Contains(client)) return form->Handle();
    return WindowAt(form, client)->Handle();
  }
  return 0;
}

}  // namespace hd
