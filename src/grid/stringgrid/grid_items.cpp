#include "grid/stringgrid/grid_items.h"

#include <algorithm>
#include <utility>

namespace hd {

void TGridItem::SetIdx(int Value) {
  FIdx = Value;
  if (auto* items = dynamic_cast<TGridItems*>(Collection())) items->IdxChanged();
}

void TGridItems::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TCollection::Notify(Item, Action);
  FSortedValid = false;
}

void TGridItems::Sort() const {
  std::vector<std::pair<int, TGridItem*>> pairs;
  pairs.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) pairs.emplace_back(Items(i)->Idx(), Items(i));
  // Stable: of two items with one index, the first in the collection is found, as before.
  std::stable_sort(pairs.begin(), pairs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  FSorted.clear();
  FSortedItems.clear();
  FSorted.reserve(pairs.size());
  FSortedItems.reserve(pairs.size());
  for (const auto& [idx, item] : pairs) {
    FSorted.push_back(idx);
    FSortedItems.push_back(item);
  }
  FSortedValid = true;
}

const std::vector<int>& TGridItems::SortedIdx() const {
  if (!FSortedValid) Sort();
  return FSorted;
}

TGridItem* TGridItems::FindIdx(int ARow) const {
  const std::vector<int>& h = SortedIdx();
  auto it = std::lower_bound(h.begin(), h.end(), ARow);
  if (it == h.end() || *it != ARow) return nullptr;
  return FSortedItems[static_cast<size_t>(it - h.begin())];
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
