// The floating header button of the grid's own header drag: a small top-level window showing
// the moved line's header, kept beside the pointer while the line is dragged.
#pragma once

#include <string>

#include "grid/stringgrid/no_active_form.h"

namespace hd {

class TBaseGrid;

class THeaderDragButton : public TNoActiveForm {
 public:
  // AGrid: the grid whose header cell look the button takes (also its owner).
  explicit THeaderDragButton(TBaseGrid* AGrid);
  const char* ClassName() const override { return "THeaderDragButton"; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) { FFlat = Value; }
  // Draws the button on its face: the look of the grid's cell (0, 0), the caption centred on
  // one line with an ellipsis, or drawn as markup when it holds a closing tag.
  void Paint();
  // Draws the same onto any canvas of the button's size.
  void PaintTo(TCanvas& ACanvas);

 private:
  class TFace;
  TBaseGrid* FGrid;
  std::string FCaption;
  bool FFlat = false;
  TFace* FFace;
};

}  // namespace hd
