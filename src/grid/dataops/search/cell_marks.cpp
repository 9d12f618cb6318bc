// Highlighting, error marks and the cell checks.
#include "grid/dataops/search/cell_marks.h"

#include <cctype>

#include "grid/dataops/search/grid_search.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/settings.h"

namespace hd {

namespace {

// What the cell holds as the tagging sees it: the displayed text while a display hook changes
// it, else the stored one.
std::string MarkedCellText(const TGridDataHost& Host, int ACol, int ARow) {
  return Host.HasDisplayHooks() ? Host.DisplayText(ACol, ARow) : Host.StoredText(ACol, ARow);
}

// The cell text escaped with every occurrence of Search wrapped in the tag; empty when there is
// none. Occurrences are found in the text itself, so that none starts inside an entity the
// escaping makes.
std::string EscapedWithTags(const std::string& Text, const std::string& Search, const std::string& Tag, bool DoCase) {
  if (Search.empty()) return {};
  std::string text = Text, search = Search;
  if (!DoCase) {
    SearchUpperCase(Text, text);
    SearchUpperCase(Search, search);
    // Upper-casing that changes lengths gives no positions in the cell text: exact case then.
    if (text.size() != Text.size() || search.size() != Search.size()) text = Text, search = Search;
  }
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
    out += EscapeHTML(Text.substr(from, at - from), false);
    out += "<" + Tag + ">" + EscapeHTML(Text.substr(at, Search.size()), false) + "</" + Tag + ">";
    from = at + Search.size();
  }
  if (from == 0) return {};
  return out + EscapeHTML(Text.substr(from), false);
}

bool HoldsTag(const std::string& S, const std::string& Tag) {
  const std::string open = "<" + Tag + ">";
  for (std::size_t at = S.find('<'); at != std::string::npos; at = S.find('<', at + 1)) {
    if (S.size() - at < open.size()) return false;
    bool same = true;
    for (std::size_t i = 1; same && i < open.size(); ++i)
      same = std::tolower(static_cast<unsigned char>(S[at + i])) == std::tolower(static_cast<unsigned char>(open[i]));
    if (same) return true;
  }
  return false;
}

}  // namespace

std::string TagText(bool DoCase, const std::string& S, const std::string& Text, const std::string& Tag) {
  std::string out;
  HighlightMarkup(S, Text, Tag, out, DoCase);
  return out;
}

std::string UntagText(const std::string& S, const std::string& Tag) { return UnHighlightMarkup(S, Tag); }

TMarkRange MarkRange(const TGridDataHost& Host, TMarkScope Scope, bool DoFixed, int ACol, int ARow, bool Tagging,
                     const std::string& Tag) {
  const int hidden = Host.NumHiddenColumns();
  TMarkRange r{ACol, ACol, ARow, ARow};
  if (Scope == TMarkScope::Cell) return r;
  if (Scope != TMarkScope::Row) {
    r.FirstRow = DoFixed ? 0 : Host.FixedRows();
    r.LastRow = DoFixed ? Host.RowCount() - 1 : Host.RowCount() - Host.FixedFooters() - 1;
  }
  if (Scope != TMarkScope::Col) {
    r.FirstCol = DoFixed ? 0 : Host.FixedCols();
    r.LastCol = DoFixed ? Host.ColCount() - 1 : Host.ColCount() - Host.FixedRightCols() - 1;
    const bool reachesHidden =
        !Tagging || (Scope == TMarkScope::Grid && !DoFixed && Tag == kHighlightTag);
    if (reachesHidden) r.LastCol += hidden;
  }
  return r;
}

void TagRange(TGridDataHost& Host, const TMarkRange& Range, bool DoCase, const std::string& HiText,
              const std::string& Tag) {
  for (int r = Range.FirstRow; r <= Range.LastRow; ++r)
    for (int c = Range.FirstCol; c <= Range.LastCol; ++c) {
      if (!Host.IsBaseCell(c, r)) continue;
      // A cell without an occurrence is left alone: escaped, it would show its entities.
      const std::string tagged = EscapedWithTags(MarkedCellText(Host, c, r), HiText, Tag, DoCase);
      if (!tagged.empty()) Host.SetDisplayText(c, r, tagged);
    }
}

void UntagRange(TGridDataHost& Host, const TMarkRange& Range, const std::string& Tag) {
  for (int r = Range.FirstRow; r <= Range.LastRow; ++r)
    for (int c = Range.FirstCol; c <= Range.LastCol; ++c) {
      if (!Host.IsBaseCell(c, r)) continue;
      const std::string text = MarkedCellText(Host, c, r);
      // Only a cell the tagging escaped is unescaped; plain entities of any other cell stay.
      if (HoldsTag(text, Tag)) Host.SetDisplayText(c, r, UnHighlightMarkup(UnescapeHTML(text, false), Tag));
    }
}

bool CheckCell(TGridDataHost& Host, int ACol, int ARow) {
  TExtStringGridCheck* checker = Host.CellChecker();
  if (!checker) return true;
  const std::string text = UnHighlightMarkup(Host.DisplayText(ACol, ARow), kErrorTag);
  if (checker->GotoCell()) Host.GotoCell(ACol, ARow);
  // Both receive the unmarked text: with both on, the marked one is written.
  std::string result = text;
  if (checker->UseCorrect()) result = checker->Correct(ACol, ARow, text);
  if (checker->UseMarkError()) result = checker->MarkError(ACol, ARow, text);
  Host.SetDisplayText(ACol, ARow, result);
  return result == text;
}

bool CheckCells(TGridDataHost& Host, const TMarkRange& Range) {
  TExtStringGridCheck* checker = Host.CellChecker();
  if (!checker) return true;
  checker->StartCheck();
  const int row = Host.Row(), col = Host.Col();
  bool passed = true;
  for (int r = Range.FirstRow; r <= Range.LastRow; ++r)
    for (int c = Range.FirstCol; c <= Range.LastCol; ++c) passed = CheckCell(Host, c, r) && passed;
  checker->StopCheck();
  if (checker->GotoCell()) {
    Host.SetRow(row);
    Host.SetCol(col);
  }
  return passed;
}

}  // namespace hd
