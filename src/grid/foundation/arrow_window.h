// The grid's small top-level windows: the arrows its drag and drop shows around a drop
// position, and the borderless frame it lays around the focused cell.
#pragma once

#include <array>

#include "grid/foundation/grid_types.h"
#include "platform/forms.h"

namespace hd {

// A hidden green window shaped as an arrow. arrLeft is the window left of a drop point, so
// its tip is at the right; arrRight's tip is at the left.
class TArrowWindow : public TForm {
 public:
  // Owned by AOwner and kept above the form AOwner stands on.
  TArrowWindow(TComponent* AOwner, TArrowDirection Direction);
  const char* ClassName() const override { return "TArrowWindow"; }

  TArrowDirection Dir() const { return FDir; }
  // The seven corners of the arrow, in window coordinates.
  const std::array<TPoint, 7>& Arrow() const { return FArrow; }
  static std::array<TPoint, 7> ArrowPoints(TArrowDirection Direction);

 private:
  TArrowDirection FDir;
  std::array<TPoint, 7> FArrow;
};

// The borderless, disabled, topmost tool window the grid lays around its focused area; it
// starts red and 0 x 0, and the grid gives it its picture.
class TGridFocusWindow : public TForm {
 public:
  explicit TGridFocusWindow(TComponent* AOwner);
  const char* ClassName() const override { return "TGridFocusWindow"; }
};

}  // namespace hd
