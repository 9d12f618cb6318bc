// What the settings objects of a string grid ask of the grid that owns them. The string grid
// implements this interface; the settings objects know no grid type, so the layers above can
// make them with any grid, and tests with a recording one.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/types.h"

namespace hd {

class TSortIndexList;

// The fixed-cell gradient colours that the control look mirrors into the grid (the grid's
// DAZGradient... colours with the same suffixes).
enum TFixedGradientColor {
  fgFrom,
  fgTo,
  fgMirrorFrom,
  fgMirrorTo,
  fgHoverFrom,
  fgHoverTo,
  fgHoverMirrorFrom,
  fgHoverMirrorTo,
  fgHoverBorder,
  fgDownFrom,
  fgDownTo,
  fgDownMirrorFrom,
  fgDownMirrorTo,
  fgDownBorder,
};
inline constexpr int kFixedGradientColorCount = 14;

class TGridSettingsHost {
 public:
  virtual ~TGridSettingsHost() = default;

  // Repaints the whole grid.
  virtual void InvalidateGrid() = 0;
  // Repaints one display row, or one cell (display column).
  virtual void RepaintRow(int ARow) = 0;
  virtual void RepaintCell(int ACol, int ARow) = 0;
  virtual int FixedRows() const = 0;
  // True while the grid sits in a designer.
  virtual bool IsDesigning() const = 0;
  // The grid has a parent window, so its columns can be stretched.
  virtual bool HasParent() const = 0;
  // Stretches a display column (-1 the last) over the room left in the grid.
  virtual void StretchColumn(int ACol) = 0;

  // The grid's own colour behind a fixed-gradient setting of the control look.
  virtual void SetDAZGradientColor(TFixedGradientColor Which, TColor Value) = 0;

  // The floating footer's strip and the footer rows it stands for.
  virtual void SetFixedFooters(int Value) = 0;
  // The cell store leaves the last row out of the cell area.
  virtual void SetHideLastRow(bool Value) = 0;
  // The footer panel's height, visibility and hint switch; no effect without a panel.
  virtual void SetFooterPanelHeight(int Value) = 0;
  virtual void SetFooterPanelVisible(bool Value) = 0;
  virtual void SetFooterPanelShowHint(bool Value) = 0;
  // Repaints the footer panel.
  virtual void UpdateFooter() = 0;

  // Switching OLE drops on creates and registers the grid's drop target for its window;
  // switching them off revokes a registration that succeeded.
  virtual void ApplyOleDropTarget(bool Value) = 0;
  // The program-wide switch for rich text in drag and drop.
  virtual void SetRTFDropEnabled(bool Value) = 0;

  // The columns of the grid's sort over several columns.
  virtual TSortIndexList& SortIndexes() = 0;
  // Applies a sort settings text and sorts the grid by it; a host that cannot sort ignores it.
  virtual void LoadSortSettings(const std::string& Value) { (void)Value; }
  // The calculation kind kept in a column's footer cell (the last row): acNONE while that cell
  // has no properties; setting it makes them and recalculates the column.
  virtual TColumnCalcType FooterCalcType(int ACol) const { (void)ACol; return acNONE; }
  virtual void SetFooterCalcType(int ACol, TColumnCalcType Value) { (void)ACol, (void)Value; }
};

}  // namespace hd
