// The clipboard shortcuts of the grid: the selection as tab and line separated text through
// the platform's clipboard.
#include <algorithm>

#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/clipboard.h"

namespace hd {

namespace {

// Rows of Tab-separated fields; a trailing line break ends the last row rather than adding one.
std::vector<std::vector<std::string>> SplitTable(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n' || c == '\r') {
      rows.emplace_back(1);
    } else if (c == '\t') {
      rows.back().emplace_back();
    } else {
      rows.back().back() += c;
    }
  }
  if (rows.size() > 1 && rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
  return rows;
}

}  // namespace

bool TExtStringGrid::ClipboardKey(WORD Key, bool Ctrl, bool Shift) {
  enum { None, Cut, Copy, Paste } action = None;
  if (Ctrl && Key == 'X')
    action = Cut;
  else if (Ctrl && Key == 'V')
    action = Paste;
  else if (Ctrl && (Key == VK_INSERT || Key == 'C'))
    action = Copy;
  else if (Shift && Key == VK_INSERT)
    action = Paste;
  else if (Shift && Key == VK_DELETE)
    action = Cut;
  if (action == None) return false;
  bool allow = true;
  switch (action) {
    case Cut:
      if (OnClipboardCut) OnClipboardCut(this, allow);
      if (allow) CutCellsToClipboard();
      break;
    case Copy:
      if (OnClipboardCopy) OnClipboardCopy(this, allow);
      if (allow) CopyCellsToClipboard();
      break;
    default:
      if (OnClipboardPaste) OnClipboardPaste(this, allow);
      if (allow) PasteCellsFromClipboard();
      break;
  }
  return true;
}

void TExtStringGrid::CopyCellsToClipboard() { Clipboard().SetAsText(SelectedText()); }

void TExtStringGrid::CutCellsToClipboard() {
  CopyCellsToClipboard();
  TGridRect s = GridRect(Selection().TopLeft(), Selection().BottomRight());
  for (int r = s.Top; r <= s.Bottom; ++r)
    for (int c = s.Left; c <= s.Right; ++c)
      if (!IsFocusFixed(c, r)) SetCells(RealColIndex(c), r, "");
}

void TExtStringGrid::PasteCellsFromClipboard() {
  std::string text = Clipboard().AsText();
  if (text.empty()) return;
  TGridRect s = GridRect(Selection().TopLeft(), Selection().BottomRight());
  auto rows = SplitTable(text);
  for (size_t i = 0; i < rows.size(); ++i) {
    int r = s.Top + static_cast<int>(i);
    if (r >= RowCount()) break;
    for (size_t j = 0; j < rows[i].size(); ++j) {
      int c = s.Left + static_cast<int>(j);
      if (c >= ColCount()) break;
      bool canEdit = !IsFocusFixed(c, r);
      if (canEdit) CanEditCell(RealColIndex(c), r, canEdit);
      if (canEdit) SetCells(RealColIndex(c), r, rows[i][j]);
    }
  }
}

}  // namespace hd
