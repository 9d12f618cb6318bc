// The edit session's record of the cell an edit began in.
#include "grid/editing/edit_session.h"

#include <utility>

namespace hd {

void TGridEditSession::RememberOldCell(int ACol, int ARow, std::string Text, WideString WideText, bool ModifiedNow) {
  OldCol = ACol;
  OldRow = ARow;
  OldCellText = std::move(Text);
  OldCellTextWide = std::move(WideText);
  OldModifiedValue = ModifiedNow;
}

}  // namespace hd
