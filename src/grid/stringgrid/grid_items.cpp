#include "grid/stringgrid/grid_items.h"

#include <algorithm>

namespace hd {

void TGridItem::SetIdx(int Value) {
  FIdx = Value;
  if (auto* items = dynamic_cast<TGridItems*>(Collection())) items->IdxChanged();
}

void TGridItems::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TCollection::Notify(Item, Action);
  FSortedValid = false;
}

const std::vector<int>& TGridItems::SortedIdx() const {
  if (!FSortedValid) {
    FSorted.clear();
    FSorted.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i) FSorted.push_back(Items(i)->Idx());
    std::sort(FSorted.begin(), FSorted.end());
    FSortedValid = true;
  }
  return FSorted;
}

TGridItem* TGridItems::FindIdx(int ARow) const {
  const std::vector<int>& h = SortedIdx();
  if (!std::binary_search(h.begin(), h.end(), ARow)) return nullptr;
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Idx() == ARow) return Items(i);
  return nullptr;
}

int TGridItems::CountBelow(int ARow) const {
  const std::vector<int>& h = SortedIdx();
  return static_cast<int>(std::lower_bound(h.begin(), h.end(), ARow) - h.begin());
}

int TGridItems::RealOfDisplay(int ARow) const {
  const std::vector<int>& h = SortedIdx();
  // h[i] - i is the display row the i-th hidden row would take; those at or before ARow push
  // the answer one further each, and they come first as h[i] - i never falls.
  int lo = 0, hi = static_cast<int>(h.size());
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (h[static_cast<size_t>(mid)] - mid <= ARow)
      lo = mid + 1;
    else
      hi = mid;
  }
  return ARow + lo;
}

}  // namespace hd
