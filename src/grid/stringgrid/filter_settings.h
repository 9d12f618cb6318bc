// The grid's filter: its conditions and the look of the header filter drop-down.
#pragma once

#include <cstdint>
#include <string>

#include "grid/stringgrid/grid_settings_host.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace hd {

// How a filter item's result joins the results before it.
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
// Which text of the row a filter item tests.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

// One condition of the grid's filter.
class TFilterData : public TCollectionItem {
 public:
  explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}
  const char* ClassName() const override { return "TFilterData"; }

  // The real column tested (not with fcRow).
  std::int16_t Column() const { return FColumn; }
  void SetColumn(std::int16_t Value) { FColumn = Value; }
  // Empty passes.
  const std::string& Condition() const { return FCondition; }
  void SetCondition(const std::string& Value) { FCondition = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  // Taken off the end and the start of the cell text before it is tested.
  const std::string& Suffix() const { return FSuffix; }
  void SetSuffix(const std::string& Value) { FSuffix = Value; }
  const std::string& Prefix() const { return FPrefix; }
  void SetPrefix(const std::string& Value) { FPrefix = Value; }
  TFilterOperation Operation() const { return FOperation; }
  void SetOperation(TFilterOperation Value) { FOperation = Value; }
  TFilterCells Data() const { return FData; }
  void SetData(TFilterCells Value) { FData = Value; }
  TFilterMethod Method() const { return FMethod; }
  void SetMethod(TFilterMethod Value) { FMethod = Value; }

  // From another filter item all but Method; nothing for no source; any other class is an
  // EInvalidCast.
  void Assign(const TPersistent* Source) override;

 private:
  std::int16_t FColumn = 0;
  std::string FCondition;
  bool FCaseSensitive = true;
  std::string FSuffix;
  std::string FPrefix;
  TFilterOperation FOperation = foSHORT;
  TFilterCells FData = fcVirtual;
  TFilterMethod FMethod = fmExpression;
};

// The conditions of the grid's filter, in the order they are combined.
class TFilter : public TCollection {
 public:
  explicit TFilter(TGridSettingsHost* AOwner) : TCollection(ItemClassOf<TFilterData>()), FOwner(AOwner) {}
  const char* ClassName() const override { return "TFilter"; }
  TGridSettingsHost* Owner() const { return FOwner; }

  // A new last item, joined by foNONE when it is the only one and by foAND otherwise.
  TFilterData* Add();
  // A new last item (the index is not used), joined by foSHORT.
  TFilterData* Insert(int Index);
  TFilterData* Items(int Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
  // The first item of the column, or a new one added for it.
  TFilterData* GetColFilter(int Col);
  TFilterData* ColumnFilter(int Col) { return GetColFilter(Col); }
  bool HasFilter(int Col) const;
  // Deletes every item of the column and repaints its header cell (Col, 0).
  void RemoveColumnFilter(int Col);

 private:
  TGridSettingsHost* FOwner;
};

// The header filter drop-down: its pop-up's size, colour and font and the header glyphs.
// Setting a glyph fires OnChange, which the grid points at a repaint; the rest store.
class TFilterDropDown : public TPersistent {
 public:
  TFilterDropDown() = default;
  TFilterDropDown(const TFilterDropDown&) = delete;
  TFilterDropDown& operator=(const TFilterDropDown&) = delete;
  const char* ClassName() const override { return "TFilterDropDown"; }

  // Size the pop-up to its entries instead of Width and Height.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }
  // Header glyph of a column without, and with, an active filter.
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& Value);
  const TBitmap& GlyphActive() const { return FGlyphActive; }
  void SetGlyphActive(const TBitmap& Value);
  // The pop-up is as wide as the column's header cell.
  bool ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(bool Value) { FColumnWidth = Value; }

  TNotifyEvent OnChange;

  // From another filter drop-down all but AutoSize; the two glyphs arrive through their
  // setters. Any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  bool FAutoSize = false;
  int FHeight = 150;
  int FWidth = 150;
  TColor FColor = clWindow;
  TFont FFont;
  TBitmap FGlyph;
  TBitmap FGlyphActive;
  bool FColumnWidth = false;
};

}  // namespace hd
