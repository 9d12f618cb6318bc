// A window's picture as the kit rendered it, probed at its controls.
#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/controls.h"
#include "testkit/gui_kit.h"

namespace hd::testkit {

class TWindowPicture {
 public:
  // Reads the PNG the kit wrote for `window`; an empty path gives an empty picture.
  TWindowPicture(const std::string& png, const TControl* window);

  bool Empty() const { return bitmap_.Empty(); }
  // Pixels of exactly this colour inside the control's rectangle.
  int Count(const TControl* c, TColor colour) const;
  bool Shows(const TControl* c, TColor colour) const { return Count(c, colour) > 0; }
  // The part of the control's rectangle its parents let show, in picture coordinates.
  TRect Place(const TControl* c) const;
  // The showing labels, check boxes, radio buttons, group boxes and edits whose caption or
  // text is drawn against their state: enabled ones must show their font's colour, disabled
  // ones must not (they are greyed). Controls their parents hide entirely are left out.
  std::vector<std::string> CaptionsDrawnWrong() const;

 private:
  TBitmap bitmap_;
  const TControl* window_;
};

// Renders the window through the kit, expects every caption drawn as its control's state asks,
// and answers the picture for further probes.
TWindowPicture RenderWindow(test::TGuiKit& kit, TControl* window, const std::string& name);

}  // namespace hd::testkit
