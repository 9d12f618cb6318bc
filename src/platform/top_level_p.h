// What the layer keeps per window beside the control (extended style, shape, translucency),
// and the steps of top-level windows that the Qt adaptor calls. Private to the platform layer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/region.h"

namespace hd {

struct TWindowAttributes {
  std::intptr_t ex_style = 0;
  std::optional<TRegion> region;
  std::uint8_t alpha = 255;
  std::shared_ptr<const TBitmap> image;
  std::uint8_t image_alpha = 255;
};
// Null for a window that never had any set.
const TWindowAttributes* FindWindowAttributes(HWND h);
TWindowAttributes& WindowAttributes(HWND h);
std::intptr_t ExStyleOf(HWND h);
// The form stays above the others: WS_EX_TOPMOST or fsStayOnTop.
bool IsTopmostForm(const TCustomForm* form);
// The window takes the mouse at a point in its own window coordinates: inside its region, not
// WS_EX_TRANSPARENT, and not on a fully transparent pixel of its layered picture.
bool WindowTakesMouseAt(HWND h, TPoint windowPoint);

// A press in a form that is not active asks the pressed window (then its parents, until one
// answers) with WM_MOUSEACTIVATE; while an answer of MA_NOACTIVATE or MA_NOACTIVATEANDEAT
// lasts, the press moves neither the focus nor the activation into that form.
class TMouseActivation {
 public:
  TMouseActivation(HWND target, UINT buttonMsg);
  ~TMouseActivation();
  TMouseActivation(const TMouseActivation&) = delete;
  TMouseActivation& operator=(const TMouseActivation&) = delete;
  // The press itself is dropped.
  bool Eat() const { return answer_ == MA_ACTIVATEANDEAT || answer_ == MA_NOACTIVATEANDEAT; }

 private:
  static void ActivatePressedForm(HWND top);
  LRESULT answer_ = MA_ACTIVATE;
  HWND previous_ = 0;
  // The form an activating press is for.
  HWND form_ = 0;
};
// The form whose activation a no-activate press holds back, or 0.
HWND NoActivateForm();

// Native side (src/platform/qt/): the window follows its attributes, the form's style, owner
// and topmost state; the display's monitors, primary first.
void NativeApplyWindowAttributes(TControl* control);
void NativeSetShowNoActivate(TCustomForm* form, bool noActivate);
std::vector<TMonitorLayout> NativeMonitors();

}  // namespace hd
