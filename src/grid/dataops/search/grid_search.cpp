// The search walk, its cell test, the move to a found cell, replacing and type-ahead.
#include "grid/dataops/search/grid_search.h"

#include <algorithm>

#include "grid/dataops/nodes/row_nodes.h"
#include "grid/foundation/filter_match.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Two double quotes stand for an empty cell.
constexpr const char* kEmptyCellText = "\"\"";

bool IsAscii(const std::string& Text) {
  return std::none_of(Text.begin(), Text.end(), [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
}

// Every occurrence of From in Text, in any letter case, replaced by To.
std::string ReplaceIgnoringCase(const std::string& Text, const std::string& From, const std::string& To) {
  if (From.empty()) return Text;
  std::string upperText, upperFrom;
  SearchUpperCase(Text, upperText);
  SearchUpperCase(From, upperFrom);
  // Upper-casing that changes a text's length gives no positions to map back: exact case then.
  if (upperText.size() != Text.size() || upperFrom.size() != From.size()) return StringReplaceAll(Text, From, To);
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = upperText.find(upperFrom); at != std::string::npos; at = upperText.find(upperFrom, from)) {
    out.append(Text, from, at - from).append(To);
    from = at + From.size();
  }
  return out.append(Text, from, std::string::npos);
}

char AsciiUpper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// Whether Text holds the ASCII, upper-case Pattern, letter case ignored, without copying Text.
bool HoldsAsciiPattern(const std::string& Text, const std::string& Pattern, bool Start, bool Full) {
  if (Text.size() < Pattern.size() || (Full && Text.size() != Pattern.size())) return false;
  auto at = [&](std::size_t i) {
    for (std::size_t k = 0; k < Pattern.size(); ++k)
      if (AsciiUpper(Text[i + k]) != Pattern[k]) return false;
    return true;
  };
  if (Start || Full) return at(0);
  for (std::size_t i = 0, last = Text.size() - Pattern.size(); i <= last; ++i)
    if (AsciiUpper(Text[i]) == Pattern[0] && at(i)) return true;
  return false;
}

}  // namespace

void SearchUpperCase(const std::string& Text, std::string& Out) {
  if (!IsAscii(Text)) {
    Out = AnsiUpperCase(Text);
    return;
  }
  Out.assign(Text);
  for (char& ch : Out)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
}

TPoint TGridSearch::Find(TPoint StartCell, const std::string& s, TFindParams FindParams) {
  FFindParams = FindParams;
  if (FindParams.Contains(fnMatchCase)) FSearchCache = s;
  else SearchUpperCase(s, FSearchCache);
  FSearchCacheWide.clear();
  TPoint found = Walk(StartCell, FSearchCache, FindParams);
  if (found.X >= 0 && FindParams.Contains(fnAutoGoto)) ScrollAfterGoto();
  return found;
}

// The test runs on the text as UTF-8, so markup and conditions work in a wide search too.
TPoint TGridSearch::FindWide(TPoint StartCell, const WideString& s, TFindParams FindParams) {
  FFindParams = FindParams;
  FSearchCache.clear();
  const bool matchCase = FindParams.Contains(fnMatchCase);
  FSearchCacheWide = matchCase ? s : WideUpperCase(s);
  std::string pattern;
  if (matchCase) pattern = WideToUtf8(s);
  else SearchUpperCase(WideToUtf8(s), pattern);
  return Walk(StartCell, pattern, FindParams);
}

TPoint TGridSearch::FindFirst(const std::string& s, TFindParams FindParams) {
  FSearchCell = Find({-1, -1}, s, FindParams);
  return FSearchCell;
}

TPoint TGridSearch::FindNext() {
  FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
  return FSearchCell;
}

int TGridSearch::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams) {
  const bool hiddenCols = FindParams.Contains(fnIncludeHiddenColumns);
  const bool hiddenRows = FindParams.Contains(fnIncludeHiddenRows);
  int count = 0;
  for (TPoint at = Find({-1, -1}, OrigStr, FindParams); at.X >= 0; at = Find(at, OrigStr, FindParams)) {
    // The found cell is written where the test read it: hidden columns and rows as asked.
    const int col = hiddenCols ? at.X : FHost.DisplToRealCol(at.X);
    if (hiddenRows) FHost.SetAllCellText(col, at.Y, ReplaceIgnoringCase(FHost.AllCellText(col, at.Y), OrigStr, NewStr));
    else FHost.SetDisplayText(col, at.Y, ReplaceIgnoringCase(FHost.DisplayText(col, at.Y), OrigStr, NewStr));
    if (FHost.ShowModifiedEnabled()) FHost.SetRowModified(hiddenRows ? at.Y : FHost.DisplToRealRow(at.Y), true);
    ++count;
  }
  return count;
}

int TGridSearch::Search(const std::string& s) {
  if (FHost.RowCount() < 2) return -1;
  int key = FHost.FixedCols();
  const TSortSettings& sort = FHost.SortSettings();
  if (sort.Show()) {
    if (!sort.IndexShow()) key = sort.Column();
    else if (FHost.SortIndexes().Count() > 0) key = FHost.SortIndexes().SortColumns(0);
  }
  if (key == -1) return -1;
  for (int r = FHost.FixedRows(); r < FHost.RowCount(); ++r) {
    SearchUpperCase(FHost.StrippedText(key, r), FUpper);
    if (FUpper.starts_with(s)) return r;
  }
  return -1;
}

TGridSearch::TRange TGridSearch::SearchRange(TFindParams Params) const {
  TRange r;
  if (Params.Contains(fnIncludeFixed))
    r = {0, FHost.ColCount() - 1, 0, FHost.RowCount() - 1};
  else
    r = {FHost.FixedCols(), FHost.ColCount() - FHost.FixedRightCols() - 1, FHost.FixedRows(),
         FHost.RowCount() - FHost.FixedFooters() - 1};
  if (Params.Contains(fnSelectedCells)) {
    const TGridRect sel = FHost.Selection();
    r = {sel.Left, sel.Right, sel.Top, sel.Bottom};
  }
  if (Params.Contains(fnIncludeHiddenColumns)) r.LastCol += FHost.NumHiddenColumns();
  if (Params.Contains(fnIncludeHiddenRows)) r.LastRow += FHost.NumHiddenRows();
  return r;
}

TPoint TGridSearch::StepFrom(TPoint Cell, const TRange& R, TFindParams Params) const {
  const bool back = Params.Contains(fnBackward);
  // Along the walk's inner axis first, then the outer one; past both, the walk starts over.
  int& inner = Params.Contains(fnDirectionLeftRight) ? Cell.X : Cell.Y;
  int& outer = Params.Contains(fnDirectionLeftRight) ? Cell.Y : Cell.X;
  const int innerEdge = Params.Contains(fnDirectionLeftRight) ? (back ? R.FirstCol : R.LastCol)
                                                               : (back ? R.FirstRow : R.LastRow);
  const int outerEdge = Params.Contains(fnDirectionLeftRight) ? (back ? R.FirstRow : R.LastRow)
                                                               : (back ? R.FirstCol : R.LastCol);
  if (back ? inner >= innerEdge : inner <= innerEdge) inner += back ? -1 : 1;
  else if (back ? outer >= outerEdge : outer <= outerEdge) outer += back ? -1 : 1;
  else return back ? TPoint{R.LastCol, R.LastRow} : TPoint{R.FirstCol, R.FirstRow};
  return Cell;
}

TPoint TGridSearch::Walk(TPoint StartCell, const std::string& Pattern, TFindParams Params) {
  FFindBusy = true;
  if (FHost.ColCount() == FHost.FixedCols() || FHost.ColCount() == 0 ||
      FHost.RowCount() + FHost.NumHiddenRows() == FHost.FixedRows() || FHost.RowCount() == 0)
    return {-1, -1};
  const bool back = Params.Contains(fnBackward);
  TRange R = SearchRange(Params);
  const bool continued = StartCell.X != -1 || StartCell.Y != -1;
  TPoint cell = continued ? StepFrom(StartCell, R, Params)
                          : (back ? TPoint{R.LastCol, R.LastRow} : TPoint{R.FirstCol, R.FirstRow});
  auto restrict = [&cell](bool Rows, int Value, TRange& Range) {
    (Rows ? cell.Y : cell.X) = Value;
    (Rows ? Range.FirstRow : Range.FirstCol) = Value;
    (Rows ? Range.LastRow : Range.LastCol) = Value;
  };
  if (Params.Contains(fnFindInCurrentRow)) restrict(true, FHost.Row(), R);
  if (Params.Contains(fnFindInPresetRow)) restrict(true, FFindRow, R);
  if (Params.Contains(fnFindInCurrentCol)) restrict(false, FHost.Col(), R);
  if (Params.Contains(fnFindInPresetCol)) restrict(false, FFindCol, R);
  // A restriction that undid the step puts the walk back on the cell already found: it is
  // passed over, never tested again.
  bool skip = continued && cell.X == StartCell.X && cell.Y == StartCell.Y;
  const int d = back ? -1 : 1;
  const TIntList& ignored = FHost.IgnoreColumns();
  const bool anyIgnored = ignored.Count() > 0;
  auto visit = [&](int c, int r) {
    if (skip && c == StartCell.X && r == StartCell.Y) {
      skip = false;
      return false;
    }
    return CellPasses(c, r, Pattern, Params);
  };
  TPoint found{-1, -1};
  if (Params.Contains(fnDirectionLeftRight)) {
    const int restart = Params.Contains(fnFindInCurrentCol) ? FHost.Col() : back ? R.LastCol : R.FirstCol;
    for (int r = cell.Y, c = cell.X; found.X < 0 && r >= R.FirstRow && r <= R.LastRow; r += d, c = restart)
      for (; c >= R.FirstCol && c <= R.LastCol; c += d)
        if (!(anyIgnored && ignored.HasValue(c)) && visit(c, r)) {
          found = {c, r};
          break;
        }
  } else {
    const int restart = Params.Contains(fnFindInCurrentRow) ? FHost.Row() : back ? R.LastRow : R.FirstRow;
    for (int c = cell.X, r = cell.Y; found.X < 0 && c >= R.FirstCol && c <= R.LastCol; c += d, r = restart)
      for (; r >= R.FirstRow && r <= R.LastRow; r += d)
        if (visit(c, r)) {
          found = {c, r};
          break;
        }
  }
  if (found.X < 0) {
    FFindBusy = false;
    return found;
  }
  FSearchCell = found;
  if (Params.Contains(fnAutoGoto)) GotoFound(found, Params);
  return found;
}

std::string TGridSearch::CellText(int ACol, int ARow, TFindParams Params) const {
  const int col = Params.Contains(fnIncludeHiddenColumns) ? ACol : FHost.DisplToRealCol(ACol);
  return Params.Contains(fnIncludeHiddenRows) ? FHost.AllCellText(col, ARow) : FHost.DisplayText(col, ARow);
}

// Markup goes before the upper-casing, so that entities still read as their characters.
bool TGridSearch::CellPasses(int ACol, int ARow, const std::string& Pattern, TFindParams Params) {
  std::string text = CellText(ACol, ARow, Params);
  if (Params.Contains(fnIgnoreHTMLTags)) text = MarkupToText(text);
  const bool matchCase = Params.Contains(fnMatchCase);
  // A plain ASCII search text is compared in place: no upper-cased copy per cell.
  if (!matchCase && !Params.Contains(fnMatchRegular) && !Pattern.empty() && Pattern != kEmptyCellText &&
      IsAscii(Pattern))
    return HoldsAsciiPattern(text, Pattern, Params.Contains(fnMatchStart), Params.Contains(fnMatchFull));
  if (!matchCase) SearchUpperCase(text, FUpper);
  const std::string& t = matchCase ? text : FUpper;
  if (Pattern == kEmptyCellText) return t.empty();
  if (Params.Contains(fnMatchRegular)) return MatchFilter(Pattern, t, matchCase);
  if (Pattern.empty()) return false;
  if (Params.Contains(fnMatchStart) ? !t.starts_with(Pattern) : t.find(Pattern) == std::string::npos) return false;
  return !Params.Contains(fnMatchFull) || t == Pattern;
}

void TGridSearch::GotoFound(TPoint Cell, TFindParams Params) {
  int target = Cell.Y;
  if (Params.Contains(fnIncludeHiddenRows) && FHost.NumHiddenRows() > 0) {
    if (FHost.IsHiddenRow(Cell.Y) && FHost.NumNodes() > 0) ShowHiddenRow(Cell.Y);
    target = FHost.RealToDisplRow(Cell.Y);
  }
  // A row still hidden (by a filter) or a hidden column cannot become current.
  if (target < 0 || target >= FHost.RowCount()) return;
  if (FHost.DisjunctRowSelect()) {
    FHost.ClearRowSelect();
    FHost.SetRowSelect(target, true);
    FHost.SetRow(target);
    return;
  }
  const int col = Params.Contains(fnIncludeHiddenColumns) ? FHost.RealToDisplCol(Cell.X) : Cell.X;
  FHost.SetRow(target);
  if (col >= 0 && col < FHost.ColCount()) FHost.SetCol(col);
}

// A row hidden inside contracted nodes is shown by expanding, level by level, the node row
// that shows just above it.
void TGridSearch::ShowHiddenRow(int ARealRow) {
  TRowNodes nodes(FHost);
  for (int last = -1; FHost.IsHiddenRow(ARealRow);) {
    int lo = FHost.FixedRows(), hi = FHost.RowCount() - 1, above = -1;
    while (lo <= hi) {
      const int mid = lo + (hi - lo) / 2;
      if (FHost.DisplToRealRow(mid) < ARealRow) {
        above = mid;
        lo = mid + 1;
      } else {
        hi = mid - 1;
      }
    }
    if (above < 0 || above == last || !nodes.IsNode(above)) return;
    nodes.ExpandNode(FHost.DisplToRealRow(above));
    last = above;
  }
}

void TGridSearch::ScrollAfterGoto() {
  const int footer = FHost.FloatingFooterVisible() ? 2 : 0;
  const int visible = FHost.VisibleRowCount();
  if (FHost.Row() > FHost.TopRow() + visible - 2 - footer && visible + FHost.FixedRows() + footer < FHost.RowCount())
    FHost.SetTopRow(FHost.TopRow() + 1 + footer);
}

}  // namespace hd
