#include "grid/editors/dropdown/multicolumn_dropdown.h"

#include <algorithm>

#include "platform/sysutils.h"

namespace hd::multicolumn {

std::string TDropDownItem::ColumnText(int Column) const {
  if (Column < 0 || Column >= static_cast<int>(FText.size())) return {};
  return FText[static_cast<size_t>(Column)];
}

int FindLookup(const TDropDownItems& Items, int Column, const std::string& Entry, bool CaseSensitive) {
  if (Entry.empty()) return -1;
  const std::string key = CaseSensitive ? Entry : AnsiUpperCase(Entry);
  for (size_t i = 0; i < Items.size(); ++i) {
    const std::string t = CaseSensitive ? Items[i].ColumnText(Column) : AnsiUpperCase(Items[i].ColumnText(Column));
    if (t.compare(0, key.size(), key) == 0) return static_cast<int>(i);
  }
  return -1;
}

int StepItem(int ItemIndex, int Count, WORD Key, bool EndKeys) {
  if (Count <= 0) return ItemIndex;
  const int last = Count - 1;
  const bool none = ItemIndex < 0;
  switch (Key) {
    case VK_PRIOR: return none || ItemIndex - 10 < 0 ? 0 : ItemIndex - 10;
    case VK_NEXT: return none ? 0 : std::min(ItemIndex + 10, last);
    case VK_UP: return none ? 0 : std::max(ItemIndex - 1, 0);
    case VK_DOWN: return none ? 0 : std::min(ItemIndex + 1, last);
    case VK_HOME: return EndKeys ? 0 : ItemIndex;
    case VK_END: return EndKeys ? last : ItemIndex;
    default: return ItemIndex;
  }
}

}  // namespace hd::multicolumn
