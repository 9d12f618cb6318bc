// The save range and the helpers the grid's text files share.
#include "grid/dataops/files/save_range.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "grid/foundation/text_utils.h"
#include "platform/sysutils.h"

namespace hd {

TSaveRange SaveRangeOf(const TGridDataHost& Host) {
  const TFileFormatOptions o = Host.FileOptions();
  const bool cols = o.SaveFixedCells || o.SaveFixedCols, rows = o.SaveFixedCells || o.SaveFixedRows;
  TSaveRange s;
  s.StartCol = cols ? 0 : Host.FixedCols();
  s.EndCol = cols ? Host.ColCount() - 1 : Host.ColCount() - Host.FixedRightCols() - 1;
  s.ColCount = s.EndCol - s.StartCol + 1;
  s.StartRow = rows ? 0 : Host.FixedRows();
  s.EndRow = rows ? Host.RowCount() - 1 : Host.RowCount() - Host.FixedFooters() - 1;
  s.RowCount = s.EndRow - s.StartRow + 1;
  return s;
}

std::vector<int> SavedColumns(const TGridDataHost& Host, const TSaveRange& Range) {
  const bool hidden = Host.FileOptions().SaveHiddenCells;
  const int end = Range.EndCol + (hidden ? Host.NumHiddenColumns() : 0);
  std::vector<int> cols;
  for (int d = Range.StartCol; d <= end; ++d) cols.push_back(hidden ? d : Host.DisplToRealCol(d));
  return cols;
}

TRect UsedCellsOf(const TGridDataHost& Host) {
  TRect used{0, 0, 0, 0};
  bool any = false;
  for (int c = 0; c < Host.ColCount(); ++c)
    for (int r = 0; r < Host.RowCount(); ++r) {
      if (Host.DisplayText(c, r).empty()) continue;
      if (!any) used = TRect{c, r, c, r};
      any = true;
      used.Left = std::min(used.Left, c);
      used.Top = std::min(used.Top, r);
      used.Right = std::max(used.Right, c);
      used.Bottom = std::max(used.Bottom, r);
    }
  return used;
}

namespace {

// Where a decimal number in Text stops being one, 0-based; Text.size() when it is whole.
std::size_t NumberEnd(const std::string& Text, double& Value) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  const bool negative = i < Text.size() && Text[i] == '-';
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) ++i;
  const char* begin = Text.data() + i;
  auto [end, ec] = std::from_chars(begin, Text.data() + Text.size(), Value, std::chars_format::general);
  if (ec != std::errc()) return i;
  if (negative) Value = -Value;
  return static_cast<std::size_t>(end - Text.data());
}

}  // namespace

double CellNumber(const TGridDataHost& Host, int ACol, int ARow) {
  const std::string text = Host.DisplayText(ACol, ARow);
  if (text.empty()) return 0;
  const std::string plain = FinancialToNumberText(text);
  double value = 0;
  const std::size_t stop = NumberEnd(plain, value);
  if (stop < plain.size() || plain.empty())
    throw EExtGridError("Error at position: " + std::to_string(stop + 1) + " in Cell [" + std::to_string(ACol) +
                        ", " + std::to_string(ARow) + "].");
  return value;
}

int RoundedPercent(long long Done, long long Total) {
  if (Total <= 0) Total = 1;
  const long long num = Done * 100;
  long long q = num / Total, rem = num % Total;
  if (rem < 0) rem += Total, --q;
  if (2 * rem > Total || (2 * rem == Total && q % 2 != 0)) ++q;
  return static_cast<int>(q);
}

void TProgressReporter::Report(long long Done, long long Total) {
  if (!active_) return;
  const int percent = RoundedPercent(Done, Total);
  if (percent == last_) return;
  last_ = percent;
  host_.FileProgress(percent);
}

void TMessagePump::Poll() {
  // The clock is read every 64th call only: a load of a million lines would spend longer on it.
  if (++calls_ % 64 != 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - last_ < std::chrono::milliseconds(50)) return;
  last_ = now;
  host_.ProcessMessages();
}

THourGlass::THourGlass(TGridDataHost& Host) : host_(Host), old_(Host.ScreenCursor()) {
  host_.SetScreenCursor(crHourGlass);
}

int LenientNumber(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  int base = 10;
  if (i < Text.size() && Text[i] == '$') {
    base = 16, ++i;
  } else if (i < Text.size() && (Text[i] == 'x' || Text[i] == 'X')) {
    base = 16, ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    base = 16, i += 2;
  }
  std::int64_t value = 0;
  for (; i < Text.size(); ++i) {
    const char c = Text[i];
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0) break;
    // A number too large for a count keeps the largest value instead of wrapping round.
    value = std::min<std::int64_t>(value * base + d, INT32_MAX);
  }
  return static_cast<int>(negative ? -value : value);
}

int StrictNumber(const std::string& Text) { return StrToInt(Text); }

std::string CannotCreateMessage(const std::string& FileName) { return "Cannot Create file " + FileName; }

}  // namespace hd
