#include "tables/table_check.h"

namespace hd {

std::string TTableCheck::Message(int prefixText, const std::function<std::string(int)>& langText) const {
  std::string text = Failure.NamesRow ? langText(prefixText) + IntToStr(Row) : std::string();
  text += langText(Failure.TextIndex);
  if (Failure.Bound) text += IntToStr(*Failure.Bound);
  return text;
}

TTableCheck WalkTableCheck(const TTableFile& file, const std::vector<TCellTableView>& grids, const TRowTest& test) {
  for (std::size_t g = 0; g < grids.size(); ++g) {
    const int used = UsedRowCount(file, grids[g]);
    for (int r = 1; r <= used; ++r)
      if (std::optional<TCellFailure> f = test(static_cast<int>(g), grids[g], r))
        return TTableCheck{static_cast<int>(g), r, *f};
  }
  return {};
}

}  // namespace hd
