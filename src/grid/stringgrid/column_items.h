// The settings of one column of the column grid (its header, editor kind, combo list, looks,
// check texts and size limits) and the collection that keeps one of them per real column.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/canvas.h"
#include "platform/classes.h"
#include "platform/dateutils.h"
#include "platform/string_list.h"

namespace hd {

class TEditLink;
class TExtColumnGrid;
class TPopupMenu;

// When a column's popup menu opens: on a click of that button in the fixed cells, the normal
// cells or all cells of the column.
enum TColumnPopupType {
  cpFixedCellsRClick,
  cpFixedCellsLClick,
  cpNormalCellsRClick,
  cpNormalCellsLClick,
  cpAllCellsRClick,
  cpAllCellsLClick
};

// The settings of one column. Its index in the collection is its real column.
class TGridColumnItem : public TCollectionItem {
 public:
  // With a collection, the fonts and colour start as the grid's; the grid's FSaveCol is made
  // without one.
  explicit TGridColumnItem(TCollection* Collection);
  const char* ClassName() const override { return "TGridColumnItem"; }

  // From another column item every setting but the print-only flags; any other source is
  // ignored. The width is taken without resizing the grid.
  void Assign(const TPersistent* Source) override;
  // As Assign, but not the lists, header, name and tag, and with the grid's colour and font.
  void AssignVisuals(const TPersistent* Source);
  // "Col 3: Name", or "Column 3" without a name.
  std::string GetDisplayName() const override;

  // The grid that owns the collection, or null.
  TExtColumnGrid* Grid() const;

  // The grid's width of the real column (0 without a collection).
  int Width() const;
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The title of the column, written into row 0 while the grid has a fixed row; "\n" stands
  // for a line break there.
  const std::string& Header() const { return FColumnHeader; }
  void SetHeader(const std::string& Value);
  TSortStyle SortStyle() const { return FSortStyle; }
  void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
  const std::string& SortPrefix() const { return FSortPrefix; }
  void SetSortPrefix(const std::string& Value) { FSortPrefix = Value; }
  const std::string& SortSuffix() const { return FSortSuffix; }
  void SetSortSuffix(const std::string& Value) { FSortSuffix = Value; }
  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& Value) { FEditMask = Value; }
  // 0: no limit.
  int EditLength() const { return FEditLength; }
  void SetEditLength(int Value) { FEditLength = Value; }
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* Value) { FEditLink = Value; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The editor of the column's normal cells.
  TEditorType Editor() const { return FEditorType; }
  void SetEditor(TEditorType Value);
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // The list the combo editor offers; the window clears and refills it.
  TStringList& ComboItems() { return FComboItems; }
  const TStringList& ComboItems() const { return FComboItems; }
  void SetComboItems(const TStringList& Value) { FComboItems.Assign(Value); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int SpinMin() const { return FSpinMin; }
  void SetSpinMin(int Value) { FSpinMin = Value; }
  int SpinMax() const { return FSpinMax; }
  void SetSpinMax(int Value) { FSpinMax = Value; }
  int SpinStep() const { return FSpinStep; }
  void SetSpinStep(int Value) { FSpinStep = Value; }
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  const TFont& PrintFont() const { return FPrintFont; }
  void SetPrintFont(const TFont& Value) { FPrintFont = Value; }
  TColor PrintColor() const { return FPrintColor; }
  void SetPrintColor(TColor Value) { FPrintColor = Value; }
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  const TPen& BorderPen() const { return FBorderPen; }
  void SetBorderPen(const TPen& Value);
  TCellBorders PrintBorders() const { return FPrintBorders; }
  void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
  const TPen& PrintBorderPen() const { return FPrintBorderPen; }
  void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // The column's design position.
  int DefIdx() const { return FDefIdx; }
  void SetDefIdx(int Value) { FDefIdx = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  // The texts of an unticked and a ticked data check box of the column.
  const std::string& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }
  const std::string& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
  // The grid's band colours apply in the column.
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  // Fixed filter entries: a display text, "=" and a condition.
  TStringList& Filter() { return FFilter; }
  const TStringList& Filter() const { return FFilter; }
  void SetFilter(const TStringList& Value) { FFilter.Assign(Value); }
  // Limits of a width set by the user, and of one set automatically (0: none).
  int MaxSize() const { return FMaxSize; }
  void SetMaxSize(int Value) { FMaxSize = Value; }
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value; }
  int AutoMinSize() const { return FAutoMinSize; }
  void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
  int AutoMaxSize() const { return FAutoMaxSize; }
  void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
  TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
  void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
  // Not owned; forgotten when the menu is freed.
  TPopupMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(TPopupMenu* Value);
  bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
  void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
  // Empty: the grid's.
  const std::string& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const std::string& Value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  const TFont& HeaderFont() const { return FHeaderFont; }
  void SetHeaderFont(const TFont& Value);
  bool PrintBorderCustom() const { return FPrintBorderCustom; }
  void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
  bool PrintFontCustom() const { return FPrintFontCustom; }
  void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }

  // The grid's cells of this column by row, as text and through the typed accessors.
  std::string Rows(int ARow) const;
  void SetRows(int ARow, const std::string& Value);
  int Ints(int ARow) const;
  void SetInts(int ARow, int Value);
  double Floats(int ARow) const;
  void SetFloats(int ARow, double Value);
  TDateTime Dates(int ARow) const;
  void SetDates(int ARow, TDateTime Value);
  TDateTime Times(int ARow) const;
  void SetTimes(int ARow, TDateTime Value);

 private:
  friend class TExtColumnGrid;
  // The settings both copies share.
  void AssignCommon(const TGridColumnItem& S);
  // Tells the collection (and so the grid) that the item changed.
  void Notify() { Changed(false); }
  void InvalidateGrid() const;
  TExtColumnGrid& CheckedGrid() const;

  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  std::string FColumnHeader;
  TSortStyle FSortStyle = ssAutomatic;
  std::string FSortPrefix;
  std::string FSortSuffix;
  std::string FEditMask;
  int FEditLength = 0;
  TEditLink* FEditLink = nullptr;
  TFont FFont;
  TColor FColor = clWindow;
  TEditorType FEditorType = edNormal;
  bool FFixed = false;
  bool FReadOnly = false;
  TStringList FComboItems;
  int FDropDownCount = 8;
  int FSpinMin = 0;
  int FSpinMax = 0;
  int FSpinStep = 1;
  bool FPassword = false;
  TFont FPrintFont;
  TColor FPrintColor = clWhite;
  TCellBorders FBorders;
  TPen FBorderPen{0xC0C0C0, 1};
  TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  TPen FPrintBorderPen{clBlack, 1};
  int FTag = 0;
  int FDefIdx = 0;
  std::string FName;
  std::string FCheckFalse = "N";
  std::string FCheckTrue = "Y";
  bool FShowBands = false;
  TStringList FFilter;
  int FMaxSize = 0;
  int FMinSize = 0;
  int FAutoMinSize = 0;
  int FAutoMaxSize = 0;
  TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
  TPopupMenu* FColumnPopup = nullptr;
  bool FFilterCaseSensitive = false;
  std::string FFloatFormat;
  TAlignment FHeaderAlignment = taLeftJustify;
  TFont FHeaderFont;
  bool FPrintBorderCustom = true;
  bool FPrintFontCustom = true;
};

// The column items of a column grid, item i for real column i.
class TGridColumnCollection : public TOwnedCollection {
 public:
  explicit TGridColumnCollection(TExtColumnGrid* AOwner);
  const char* ClassName() const override { return "TGridColumnCollection"; }

  TExtColumnGrid* Grid() const { return FOwner; }
  // A new last item with the visuals of the item before it.
  TGridColumnItem* Add();
  // A new item with the defaults at Index.
  TGridColumnItem* Insert(int Index);
  // EListError outside 0 to Count-1.
  TGridColumnItem* Items(int Index) const { return static_cast<TGridColumnItem*>(TCollection::Items(Index)); }
  TGridColumnItem* GetItem(int Index) const { return Items(Index); }
  void SetItem(int Index, const TGridColumnItem* Value) { SetItems(Index, Value); }

  // An item changed (null: several did): the grid takes the column count and the headers.
  void Update(TCollectionItem* Item) override;
  // The item count in step with the grid, and every item's design position its index.
  void SetOrganization();
  // While on, item changes leave the grid's column count alone.
  bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
  void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }

 private:
  TExtColumnGrid* FOwner;
  bool FNoRecursiveUpdate = false;
};

}  // namespace hd
