// The rows a grid has hidden: a hidden row leaves the cell store and waits, with its cells and
// their properties objects, in an item of the grid's collection until it is shown again.
#pragma once

#include "platform/classes.h"
#include "platform/string_list.h"

#include <vector>

namespace hd {

// Why a row is hidden: a hiding call (HideRow, HideRows ...), a single-row filter test
// (FilterRow), a filter level, or a contracted node. Only a filter's removal brings back
// filter rows; the others wait for their own callers.
enum class THiddenBy { Call, FilterRow, Filter, Node };

class TGridItem : public TCollectionItem {
 public:
  explicit TGridItem(TCollection* Collection) : TCollectionItem(Collection) {}
  const char* ClassName() const override { return "TGridItem"; }

  // The real row index of the hidden row.
  int Idx() const { return FIdx; }
  void SetIdx(int Value);
  // The row's height when it was hidden.
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  // One string per store column (hidden columns included), each with the cell's properties
  // object as its object. The item does not free those objects: they go back to the store.
  TStringList& Items() { return FItems; }
  const TStringList& Items() const { return FItems; }
  void SetItems(const TStringList& Value) { FItems.Assign(Value); }
  // The text and object kept for one column; a column past the list reads "" and null, and
  // writing one grows the list to it.
  std::string Text(int ACol) const { return ACol >= 0 && ACol < FItems.Count() ? FItems.Strings(ACol) : std::string(); }
  TObject* Object(int ACol) const { return ACol >= 0 && ACol < FItems.Count() ? FItems.Objects(ACol) : nullptr; }
  TStringList& ItemsThrough(int ACol) {
    while (FItems.Count() <= ACol) FItems.Add("");
    return FItems;
  }
  // The filter level that hid the row; 0 for rows hidden otherwise, kNodeLevel for the rows
  // of a contracted node (no filter level ever reaches it).
  static constexpr int kNodeLevel = -0x40000000;
  int Level() const { return FLevel; }
  // kNodeLevel also marks the row as hidden by a node.
  void SetLevel(int Value) {
    FLevel = Value;
    if (Value == kNodeLevel) FHiddenBy = THiddenBy::Node;
  }
  THiddenBy HiddenBy() const { return FHiddenBy; }
  void SetHiddenBy(THiddenBy Value) { FHiddenBy = Value; }

 private:
  int FIdx = 0;
  int FHeight = 0;
  TStringList FItems;
  int FLevel = 0;
  THiddenBy FHiddenBy = THiddenBy::Call;
};

class TGridItems : public TCollection {
 public:
  TGridItems() : TCollection(ItemClassOf<TGridItem>()) {}
  const char* ClassName() const override { return "TGridItems"; }
  TGridItem* Items(int Index) const { return static_cast<TGridItem*>(TCollection::Items(Index)); }
  TGridItem* Add() { return static_cast<TGridItem*>(TCollection::Add()); }
  TGridItem* Insert(int Index) { return static_cast<TGridItem*>(TCollection::Insert(Index)); }

  // The hidden real rows in ascending order, kept between changes so that mapping a row
  // costs a search, not a walk over every hidden row.
  const std::vector<int>& SortedIdx() const;
  // How many hidden rows lie below a real row; the real row of a display row.
  int CountBelow(int ARow) const;
  int RealOfDisplay(int ARow) const;
  // The item of a hidden real row, or null.
  TGridItem* FindIdx(int ARow) const;
  // An item's index changed.
  void IdxChanged() { FSortedValid = false; }

 protected:
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  void Sort() const;
  mutable std::vector<int> FSorted;
  // The item of each entry of FSorted, so that finding a hidden row is a search too.
  mutable std::vector<TGridItem*> FSortedItems;
  mutable bool FSortedValid = false;
};

}  // namespace hd
