// The grid's find, highlight and check members, each handing over to the search engine or
// the cell-mark operations.
#include <memory>
#include <type_traits>

#include "grid/dataops/search/cell_marks.h"
#include "grid/dataops/search/grid_search.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

TGridSearch& TExtStringGrid::Searcher() {
  static_assert(std::is_base_of_v<TDataEngine, TGridSearch>);
  std::unique_ptr<TDataEngine>& slot = SearchEngineSlot();
  if (!slot) slot = std::make_unique<TGridSearch>(DataHost());
  return static_cast<TGridSearch&>(*slot);
}

TPoint TExtStringGrid::Find(TPoint StartCell, const std::string& s, TFindParams FindParams) {
  return Searcher().Find(StartCell, s, FindParams);
}
TPoint TExtStringGrid::FindWide(TPoint StartCell, const WideString& s, TFindParams FindParams) {
  return Searcher().FindWide(StartCell, s, FindParams);
}
TPoint TExtStringGrid::FindFirst(const std::string& s, TFindParams FindParams) {
  return Searcher().FindFirst(s, FindParams);
}
TPoint TExtStringGrid::FindNext() { return Searcher().FindNext(); }
int TExtStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams) {
  return Searcher().Replace(OrigStr, NewStr, FindParams);
}
int TExtStringGrid::Search(const std::string& s) { return Searcher().Search(s); }

void TExtStringGrid::TypeAheadChar(TKeyChar Key) {
  if (!Navigation().AutoGotoWhenSorted() || Options().Contains(goEditing)) return;
  if (Key != 8 && (Key < 32 || Key > 0xFFFF)) return;
  std::string text = IncrSearchText();
  const std::string typed = WideToUtf8(WideString(1, static_cast<char16_t>(Key)));
  if (!Navigation().AutoGotoIncremental()) {
    if (Key == 8) return;
    text = typed;
  } else if (Key == 8) {
    // The last character, with the continuation bytes of its UTF-8 form.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
  } else {
    text += typed;
  }
  std::string upper;
  SearchUpperCase(text, upper);
  const int row = text.empty() ? -1 : Search(upper);
  SetIncrSearchText(row == -1 ? std::string() : text);
  if (row != -1) SetRow(row);
}
TPoint TExtStringGrid::SearchCell() { return Searcher().SearchCell(); }
void TExtStringGrid::SetSearchCell(TPoint Value) { Searcher().SetSearchCell(Value); }
TFindParams TExtStringGrid::LastFindParams() { return Searcher().FindParams(); }
void TExtStringGrid::SetLastFindParams(TFindParams Value) { Searcher().SetFindParams(Value); }
std::string TExtStringGrid::SearchCache() { return Searcher().SearchCache(); }
WideString TExtStringGrid::SearchCacheWide() { return Searcher().SearchCacheWide(); }
int TExtStringGrid::FindCol() { return Searcher().FindCol(); }
void TExtStringGrid::SetFindCol(int Value) { Searcher().SetFindCol(Value); }
int TExtStringGrid::FindRow() { return Searcher().FindRow(); }
void TExtStringGrid::SetFindRow(int Value) { Searcher().SetFindRow(Value); }
bool TExtStringGrid::FindBusy() { return Searcher().FindBusy(); }

std::string TExtStringGrid::HilightText(bool DoCase, const std::string& S, const std::string& Text) {
  return TagText(DoCase, S, Text, kHighlightTag);
}
std::string TExtStringGrid::UnHilightText(const std::string& S) { return UntagText(S, kHighlightTag); }
std::string TExtStringGrid::MarkText(bool DoCase, const std::string& S, const std::string& Text) {
  return TagText(DoCase, S, Text, kErrorTag);
}
std::string TExtStringGrid::UnMarkText(const std::string& S) { return UntagText(S, kErrorTag); }

namespace {

void TagCells(TGridDataHost& H, TMarkScope Scope, bool DoFixed, bool DoCase, int ACol, int ARow, const std::string& Text,
         const char* TagName) {
  TagRange(H, MarkRange(H, Scope, DoFixed, ACol, ARow, true, TagName), DoCase, Text, TagName);
}

void UntagCells(TGridDataHost& H, TMarkScope Scope, bool DoFixed, int ACol, int ARow, const char* TagName) {
  UntagRange(H, MarkRange(H, Scope, DoFixed, ACol, ARow, false, TagName), TagName);
}

}  // namespace

void TExtStringGrid::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Cell, false, DoCase, Col, Row, HiText, kHighlightTag);
}
void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Col, DoFixed, DoCase, Col, 0, HiText, kHighlightTag);
}
void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Row, DoFixed, DoCase, 0, Row, HiText, kHighlightTag);
}
void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Grid, DoFixed, DoCase, 0, 0, HiText, kHighlightTag);
}
void TExtStringGrid::UnHilightInCell(int Col, int Row) {
  UntagCells(DataHost(), TMarkScope::Cell, false, Col, Row, kHighlightTag);
}
void TExtStringGrid::UnHilightInCol(bool DoFixed, int Col) {
  UntagCells(DataHost(), TMarkScope::Col, DoFixed, Col, 0, kHighlightTag);
}
void TExtStringGrid::UnHilightInRow(bool DoFixed, int Row) {
  UntagCells(DataHost(), TMarkScope::Row, DoFixed, 0, Row, kHighlightTag);
}
void TExtStringGrid::UnHilightInGrid(bool DoFixed) { UntagCells(DataHost(), TMarkScope::Grid, DoFixed, 0, 0, kHighlightTag); }
void TExtStringGrid::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Cell, false, DoCase, Col, Row, HiText, kErrorTag);
}
void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Col, DoFixed, DoCase, Col, 0, HiText, kErrorTag);
}
void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Row, DoFixed, DoCase, 0, Row, HiText, kErrorTag);
}
void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
  TagCells(DataHost(), TMarkScope::Grid, DoFixed, DoCase, 0, 0, HiText, kErrorTag);
}
void TExtStringGrid::UnMarkInCell(int Col, int Row) { UntagCells(DataHost(), TMarkScope::Cell, false, Col, Row, kErrorTag); }
void TExtStringGrid::UnMarkInCol(bool DoFixed, int Col) { UntagCells(DataHost(), TMarkScope::Col, DoFixed, Col, 0, kErrorTag); }
void TExtStringGrid::UnMarkInRow(bool DoFixed, int Row) { UntagCells(DataHost(), TMarkScope::Row, DoFixed, 0, Row, kErrorTag); }
void TExtStringGrid::UnMarkInGrid(bool DoFixed) { UntagCells(DataHost(), TMarkScope::Grid, DoFixed, 0, 0, kErrorTag); }

bool TExtStringGrid::CheckCell(int Col, int Row) { return hd::CheckCell(DataHost(), Col, Row); }
bool TExtStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  return hd::CheckCells(DataHost(), {FromCol, ToCol, FromRow, ToRow});
}
bool TExtStringGrid::CheckCol(bool DoFixed, int Col) {
  return hd::CheckCells(DataHost(), MarkRange(DataHost(), TMarkScope::Col, DoFixed, Col, 0, true, kErrorTag));
}
bool TExtStringGrid::CheckRow(bool DoFixed, int Row) {
  return hd::CheckCells(DataHost(), MarkRange(DataHost(), TMarkScope::Row, DoFixed, 0, Row, true, kErrorTag));
}
bool TExtStringGrid::CheckGrid(bool DoFixed) {
  return hd::CheckCells(DataHost(), MarkRange(DataHost(), TMarkScope::Grid, DoFixed, 0, 0, true, kErrorTag));
}

}  // namespace hd
