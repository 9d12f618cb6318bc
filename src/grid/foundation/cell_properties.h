// The state of one cell beyond its text: colours, font, alignment, merge state, editor kind and
// the objects held for the cell. A cell gets one on first use; the grid's object slot of the
// cell owns it.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/canvas.h"
#include "platform/classes.h"
#include "platform/types.h"

namespace hd {

class TBaseGrid;
class TControl;
class TMergedCells;

class TCellProperties : public TPersistent {
 public:
  // Sets the grid's flag that some cell has properties.
  TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
  const char* ClassName() const override { return "TCellProperties"; }

  // Copies the look, the merge state, the owner cell, the user object and the control; the
  // grid, the graphic object, the gradient end and direction, the paint pass and the
  // calculation stay.
  void Assign(const TPersistent* Source) override;

  // The top-left cell of the range that (ACol, ARow), the cell holding these properties,
  // belongs to; the cell itself when it is not covered.
  TPoint GetBaseCell(int ACol, int ARow) const;
  TPoint BaseCell(int ACol, int ARow) const { return GetBaseCell(ACol, ARow); }

  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool v) { FIsBaseCell = v; }
  // A base cell's extra columns and rows, a covered cell's offset from its base, -1 when
  // not merged.
  int CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(int v) { FCellSpanX = v; }
  int CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(int v) { FCellSpanY = v; }
  int OwnerCol() const { return FOwnerCol; }
  void SetOwnerCol(int v) { FOwnerCol = v; }
  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int v) { FOwnerRow = v; }
  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { FBorderColor = v; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v) { FBorderWidth = v; }
  // The colour and alignment setters marked "repaints" repaint the owner cell.
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor v);  // repaints
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor v);  // repaints
  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle v) { FBrushStyle = v; }
  // The user object of the cell; an integer may be kept in it.
  TObject* CellObject() const { return FObject; }
  void SetCellObject(TObject* v) { FObject = v; }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor v) { FFontColor = v; }
  const std::string& FontName() const { return FFontName; }
  void SetFontName(const std::string& v) { FFontName = v; }
  int FontSize() const { return FFontSize; }
  void SetFontSize(int v) { FFontSize = v; }
  TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TFontStyles v) { FFontStyle = v; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType v) { FEditor = v; }
  TCellGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TCellGradientDirection v) { FGradientDirection = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment v);  // repaints
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);  // repaints
  // Node level of the row (kept in column 0).
  int NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(int v) { FNodeLevel = v; }
  // A control placed in the cell; not owned.
  TControl* Control() const { return FControl; }
  void SetControl(TControl* v) { FControl = v; }
  // The footer calculation of the cell and its object; not owned.
  TColumnCalcType CalcType() const { return FCalcType; }
  void SetCalcType(TColumnCalcType v) { FCalcType = v; }
  TObject* CalcObject() const { return FCalcObject; }
  void SetCalcObject(TObject* v) { FCalcObject = v; }

 private:
  friend class TBaseGrid;
  friend class TMergedCells;
  void RepaintOwner();

  TBaseGrid* FOwnerGrid;
  int FOwnerCol;
  int FOwnerRow;
  TObject* FObject = nullptr;
  // A cell graphic (freed with these properties by a range free) or any other object.
  TObject* FGraphicObject = nullptr;
  TBrushStyle FBrushStyle = bsSolid;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  int FFontSize = 0;
  TColor FFontColor = clNone;
  TFontStyles FFontStyle;
  int FCellSpanY = -1;
  int FCellSpanX = -1;
  int FBorderWidth = 0;
  TColor FBorderColor = 0;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  // The paint pass in which a covered cell last painted this base cell.
  int FPaintID = 0;
  bool FWordWrap = true;
  bool FIsBaseCell = true;
  TColumnCalcType FCalcType = acNONE;
  TObject* FCalcObject = nullptr;
  int FNodeLevel = 0;
  TEditorType FEditor = edNormal;
  std::string FFontName;
  bool FReadOnly = false;
  TCellGradientDirection FGradientDirection = GradientVertical;
  TControl* FControl = nullptr;
};

}  // namespace hd
