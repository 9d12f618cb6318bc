#include "grid/dataops/filter/grid_filter.h"

#include <cmath>

#include "grid/foundation/filter_match.h"
#include "grid/foundation/text_utils.h"
#include "platform/sysutils.h"
#include "platform/unicode.h"

namespace hd {

namespace {

// Only a to z change: letters beyond them compare as they stand.
std::string UpperAsciiLetters(std::string S) {
  for (char& ch : S)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return S;
}

// Characters, not bytes: a typed letter beyond ASCII is one character more.
size_t CharCount(const std::string& S) {
  size_t n = 0;
  for (unsigned char ch : S)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

std::vector<TGridFilter::TCondition> TGridFilter::ReadConditions() const {
  std::vector<TCondition> out;
  TFilter& filter = FHost.Filter();
  out.reserve(static_cast<size_t>(filter.Count()));
  for (int i = 0; i < filter.Count(); ++i) {
    const TFilterData& d = *filter.Items(i);
    out.push_back({d.Column(), d.Condition(), d.CaseSensitive(), d.Prefix(), d.Suffix(), d.Operation(), d.Data(),
                   d.Method()});
  }
  return out;
}

std::string TGridFilter::TextOf(const TCondition& C, int ARow) {
  switch (C.Data) {
    case fcVirtual: return FHost.DisplayText(C.Column, ARow);
    case fcNormal: return FHost.StoredText(C.Column, ARow);
    case fcStripHTML: return FHost.StrippedText(C.Column, ARow);
    case fcCalculated: return FHost.CalculatedText(C.Column, ARow);
    case fcRow: return FHost.RowLinesText(ARow);
  }
  return {};
}

bool TGridFilter::ItemMatches(const TCondition& C, int ARow) {
  try {
    std::string text = Trim(TextOf(C, ARow));
    if (text.find("|\\") != std::string::npos) text = WideToUtf8(DecodePackedUnicode(text));
    if (C.Data == fcRow) return UpperAsciiLetters(text).find(UpperAsciiLetters(C.Condition)) != std::string::npos;
    if (!C.Prefix.empty() && text.compare(0, C.Prefix.size(), C.Prefix) == 0) text.erase(0, C.Prefix.size());
    if (!C.Suffix.empty()) {
      // Only when its first occurrence ends the text.
      size_t at = text.find(C.Suffix);
      if (at != std::string::npos && at + C.Suffix.size() == text.size()) text.erase(at);
    }
    if (C.Condition.empty()) return true;
    if (C.Method == fmLiteral) return text == C.Condition;
    return MatchFilter(C.Condition, text, C.CaseSensitive);
  } catch (...) {
    // A condition the matcher cannot take fails for this row; filtering goes on.
    return false;
  }
}

bool TGridFilter::Matches(const std::vector<TCondition>& Conditions, int ARow) {
  bool result = true;
  for (const TCondition& c : Conditions) {
    bool m = ItemMatches(c, ARow);
    switch (c.Operation) {
      case foSHORT:
        result = m;
        break;
      case foNONE: result = m; break;
      case foAND: result = result && m; break;
      case foXOR: result = result != m; break;
      case foOR: result = result || m; break;
    }
    if (c.Operation == foSHORT && !m) break;
  }
  if (FHost.HasCustomFilter()) FHost.CustomFilter(ARow, result);
  return result;
}

bool TGridFilter::MatchRow(int ARow) {
  if (FApplying) return Matches(*FApplying, ARow);
  return Matches(ReadConditions(), ARow);
}

void TGridFilter::ApplyFilter() {
  FFilterFixedRows = FHost.FixedRows();
  const int first = FHost.FixedRows();
  const int last = FHost.RowCount() - FHost.FixedFooters();
  const int count = last - first;
  const bool progress = FHost.HasFilterProgress() && count > 0;
  const bool normalOnly = FHost.FilterNormalCellsOnly();
  auto report = [&](int counted) {
    if (progress) FHost.FilterProgress(static_cast<int>(std::lround(100.0 * counted / count)));
  };
  const std::vector<TCondition> conditions = ReadConditions();
  std::vector<int> hide;
  int counted = 0;
  FApplying = &conditions;
  try {
    for (int r = first; r < last; ++r) {
      if (normalOnly && (FHost.IsNodeRow(r) || FHost.IsSummaryRow(r))) continue;
      ++counted;
      if (!FHost.MatchFilterRow(r)) hide.push_back(r);
      report(counted);
    }
  } catch (...) {
    FApplying = nullptr;
    throw;
  }
  FApplying = nullptr;
  FHost.HideFilterLevel(hide);
  report(counted);
}

void TGridFilter::FilterRow(int ARow) {
  if (ARow < 0 || ARow >= FHost.RowCount()) return;
  if (!FHost.MatchFilterRow(ARow)) FHost.HideFilteredRow(ARow);
}

void TGridFilter::RestoreFixedRows() {
  if (FFilterFixedRows >= 0 && FHost.FixedRows() != FFilterFixedRows) FHost.SetFixedRows(FFilterFixedRows);
}

void TGridFilter::SetFilterActive(bool Value) {
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      if (FHost.Row() >= FHost.RowCount() || FHost.Col() >= FHost.ColCount())
        FHost.FocusCell(FHost.FixedCols(), FHost.FixedRows());
      FHost.BeginUpdate();
      try {
        ApplyFilter();
      } catch (...) {
        FHost.EndUpdate();
        throw;
      }
      FHost.SetSelectionHidden(false);
      FHost.EndUpdate();
      FHost.SetTopRow(FHost.FixedRows());
    } else {
      FHost.UnHideFilterLevel();
      RestoreFixedRows();
      if (FHost.SelectionHidden()) FHost.UnHideSelection();
      FHost.SetTopRow(FHost.FixedRows());
    }
  }
  FHost.CalcFooter(-1);
}

bool TGridFilter::RemoveLastFilter() {
  int& level = FHost.FilterLevel();
  if (level <= 0) return false;
  FHost.UnHideFilterLevel();
  RestoreFixedRows();
  if (FHost.SelectionHidden()) FHost.UnHideSelection();
  FHost.CalcFooter(-1);
  --level;
  return level > 1;
}

void TGridFilter::RemoveAllFilters() {
  if (FHost.FilterLevel() != 0) {
    while (FHost.FilterLevel() > 0) RemoveLastFilter();
  } else {
    FHost.Filter().Clear();
  }
}

void TGridFilter::FillNarrowItem(const std::string& ACondition, int AColumn) {
  TFilter& filter = FHost.Filter();
  filter.Clear();
  TFilterData* item = filter.Add();
  if (AColumn == -1) {
    item->SetData(fcRow);
    item->SetCondition(ACondition);
  } else {
    item->SetData(fcNormal);
    std::string condition = "*" + ACondition + "*";
    // The matcher drops blanks outside quotes.
    if (condition.find(' ') != std::string::npos) condition = "\"" + condition + "\"";
    item->SetCondition(condition);
  }
  item->SetCaseSensitive(false);
  item->SetColumn(static_cast<std::int16_t>(AColumn));
  item->SetMethod(fmExpression);
}

void TGridFilter::NarrowDown(const std::string& ACondition, int AColumn) {
  FHost.SetFixedRowAlways(true);
  const std::string& last = FLastFilter;
  const size_t have = CharCount(ACondition), had = CharCount(last);
  if (!last.empty() && have == had + 1 && ACondition.compare(0, last.size(), last) == 0) {
    FillNarrowItem(ACondition, AColumn);
    ApplyFilter();
  } else if (!ACondition.empty() && had == have + 1 &&
             last.compare(0, ACondition.size(), ACondition) == 0) {
    RemoveLastFilter();
  } else {
    RemoveAllFilters();
    if (!ACondition.empty()) {
      FillNarrowItem(ACondition, AColumn);
      ApplyFilter();
    }
  }
  FLastFilter = ACondition;
}

}  // namespace hd
