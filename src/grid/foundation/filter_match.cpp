#include "grid/foundation/filter_match.h"

#include <algorithm>
#include <optional>

#include "platform/exceptions.h"
#include "platform/regional.h"
#include "platform/sysutils.h"
#include "platform/unicode.h"

namespace hd {

namespace {

constexpr std::string_view kFilterOperators = "(;^&|";

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

template <typename T>
int Compare(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// The operand of a comparison that starts right after its operator at `from`.
std::string ComparisonOperand(const std::string& pattern, size_t from, bool anySpaceEnds) {
  const size_t n = pattern.size();
  size_t i = from;
  while (i < n && pattern[i] == ' ') ++i;
  bool inQuotes = false;
  if (i < n && pattern[i] == '"') {
    inQuotes = true;
    ++i;
  }
  std::string operand;
  for (; i < n; ++i) {
    char c = pattern[i];
    if (c == '"') inQuotes = !inQuotes;
    if (c == ' ' && (!inQuotes || anySpaceEnds)) break;
    if (!inQuotes && (c == '&' || c == '|')) break;
    operand += c;
  }
  if (!operand.empty() && operand.back() == '"') operand.pop_back();
  return operand;
}

// A number in either regional form; a date never counts as one (a day-first date with points
// would otherwise read as a number once its separators are dropped).
bool ReadNumber(const std::string& text, double& value) {
  TDateTime dummy;
  if (LocaleTextToDateTime(text, dummy)) return false;
  return TryStrToFloat(DotDecimalText(text), value, InvariantFormatSettings());
}

std::u32string First255(const std::string& text) {
  std::u32string cps = Utf8ToCodePoints(text);
  if (cps.size() > 255) cps.resize(255);
  return cps;
}

// Numbers as numbers, dates as dates, anything else by character codes.
int CompareValues(const std::string& value, const std::string& operand) {
  double a = 0, b = 0;
  if (ReadNumber(value, a) && ReadNumber(operand, b)) return Compare(a, b);
  TDateTime da = 0, db = 0;
  if (LocaleTextToDateTime(value, da) && LocaleTextToDateTime(operand, db)) return Compare(da, db);
  const int cmp = First255(value).compare(First255(operand));
  return cmp < 0 ? -1 : (cmp > 0 ? 1 : 0);
}

// "*" any run (also none), "?" one character; quotes are skipped and any "!" inverts.
bool WildcardMatch(const std::string& pattern, const std::string& value) {
  bool invert = false;
  std::u32string p;
  for (char32_t c : Utf8ToCodePoints(pattern)) {
    if (c == '!')
      invert = true;
    else if (c == '"')
      continue;
    else if (!(c == '*' && !p.empty() && p.back() == '*'))
      p += c;
  }
  const std::u32string v = Utf8ToCodePoints(value);
  // Greedy with a return to the last star: linear in practice, never exponential.
  size_t pi = 0, vi = 0, starP = std::u32string::npos, starV = 0;
  while (vi < v.size()) {
    if (pi < p.size() && p[pi] == '*') {
      starP = pi++;
      starV = vi;
    } else if (pi < p.size() && (p[pi] == '?' || p[pi] == v[vi])) {
      ++pi;
      ++vi;
    } else if (starP != std::u32string::npos) {
      pi = starP + 1;
      vi = ++starV;
    } else {
      return invert;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return (pi == p.size()) != invert;
}

bool ReadField(const std::string& text, int& value) { return TryStrToInt(text, value); }

bool ReadShortDate(const std::string& text, bool monthFirst, TDateTime& out) {
  const char sep = Contains(text, '/') ? '/' : (Contains(text, '.') ? '.' : '-');
  size_t p1 = text.find(sep);
  if (p1 == std::string::npos) return false;
  size_t p2 = text.find(sep, p1 + 1);
  if (p2 == std::string::npos) return false;
  int a = 0, b = 0, year = 0;
  const std::string yearText = Trim(text.substr(p2 + 1));
  if (!ReadField(text.substr(0, p1), a) || !ReadField(text.substr(p1 + 1, p2 - p1 - 1), b) ||
      !ReadField(yearText, year))
    return false;
  if (yearText.size() <= 2) {
    const auto y = static_cast<std::uint16_t>(year);
    year = y <= 25 ? y + 2000 : y + 1900;
  }
  return monthFirst ? TryEncodeDate(year, a, b, out) : TryEncodeDate(year, b, a, out);
}

TDateTime StepMonths(TDateTime date, int months) {
  try {
    return IncMonth(date, months);
  } catch (const EConvertError&) {
    return date;  // beyond the years the platform's dates hold
  }
}

}  // namespace

char LocaleDateSeparator() { return FormatSettings().DateSeparator; }
char LocaleTimeSeparator() { return FormatSettings().TimeSeparator; }
std::string LocaleShortDateFormat() { return FormatSettings().ShortDateFormat; }
char LocaleThousandSeparator() { return FormatSettings().ThousandSeparator; }
char LocaleDecimalSeparator() { return FormatSettings().DecimalSeparator; }

namespace {

// Groups nested deeper than any hand-written condition: the matcher recurses once per group.
constexpr int kMaxFilterNesting = 64;

// Empty when the condition nests its groups too deep to be read.
std::optional<bool> MatchGroup(const std::string& Condition, const std::string& Value, bool CaseSensitive,
                               int depth) {
  if (depth > kMaxFilterNesting) return std::nullopt;
  std::string s = RemoveSpacesOutsideQuotes(Trim(Condition));
  if (s.starts_with('=')) s.erase(0, 1);
  bool result = false, first = true;
  char pending = 0;
  auto combine = [&](bool value) {
    if (first) {
      result = value;
      first = false;
    } else if (pending == '&') {
      result = result && value;
    } else if (pending == ';' || pending == '^' || pending == '|') {
      result = result || value;
    }  // after a group, the empty operand before the next operator counts for nothing
  };
  int pos = 0;
  while (char op = FindOperatorOutsideQuotes(kFilterOperators, s, pos)) {
    if (s.starts_with('(')) {
      int close = MatchingParenPos(s);
      if (close == 0) return false;  // an unclosed group can never be satisfied
      const std::optional<bool> group =
          MatchGroup(s.substr(1, static_cast<size_t>(close) - 2), Value, CaseSensitive, depth + 1);
      if (!group) return std::nullopt;
      combine(*group);
      s.erase(0, static_cast<size_t>(close));
    } else {
      combine(MatchOperand(s.substr(0, static_cast<size_t>(pos) - 1), Value, CaseSensitive));
      s.erase(0, static_cast<size_t>(pos));
    }
    pending = op;
  }
  combine(MatchOperand(s, Value, CaseSensitive));
  return result;
}

}  // namespace

bool MatchFilter(const std::string& Condition, const std::string& Value, bool CaseSensitive) {
  return MatchGroup(Condition, Value, CaseSensitive, 0).value_or(false);
}

bool MatchOperand(const std::string& Operand, const std::string& Value, bool CaseSensitive) {
  if (CaseSensitive) return MatchCondition(Operand, Value);
  return MatchCondition(CharUpperText(Operand), CharUpperText(Value));
}

bool MatchCondition(const std::string& Pattern, const std::string& Value) {
  bool gt = true, lt = true, gtPart = false, ltPart = false;
  const bool hasGreater = Contains(Pattern, '>'), hasLess = Contains(Pattern, '<');
  if (hasGreater) {
    size_t from = Pattern.find('>') + 1;
    const bool inclusive = from < Pattern.size() && Pattern[from] == '=';
    const int cmp = CompareValues(Value, ComparisonOperand(Pattern, inclusive ? from + 1 : from, false));
    gt = inclusive ? cmp >= 0 : cmp > 0;
    gtPart = true;
  }
  if (hasLess) {
    size_t from = Pattern.find('<') + 1;
    const bool inclusive = from < Pattern.size() && Pattern[from] == '=';
    const int cmp = CompareValues(Value, ComparisonOperand(Pattern, inclusive ? from + 1 : from, true));
    lt = inclusive ? cmp <= 0 : cmp < 0;
    ltPart = true;
  }
  if (Contains(Pattern, '!')) {
    if (!hasGreater) gtPart = true;
    if (!hasLess) ltPart = true;
  }
  if (Contains(Pattern, '^') && (gtPart || ltPart)) return gt || lt;
  if (Contains(Pattern, '&') && gtPart && ltPart) return gt && lt;
  if (hasGreater && gt) return true;
  if (hasLess && lt) return true;
  return WildcardMatch(Pattern, Value);
}

char FindOperatorOutsideQuotes(std::string_view Operators, const std::string& Text, int& Position) {
  bool inQuotes = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    char c = Text[i];
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (!inQuotes && Operators.find(c) != std::string_view::npos) {
      Position = static_cast<int>(i) + 1;
      return c;
    }
  }
  Position = -1;
  return 0;
}

int MatchingParenPos(const std::string& Text) {
  int open = 0, close = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '(') {
      ++open;
    } else if (Text[i] == ')') {
      ++close;
      if (open == close) return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

std::string RemoveSpacesOutsideQuotes(const std::string& Text) {
  std::string r;
  bool inQuotes = false;
  for (char c : Text) {
    if (c == '"') inQuotes = !inQuotes;
    if (c != ' ' || inQuotes) r += c;
  }
  return r;
}

std::string DotDecimalText(const std::string& Text) {
  const char dec = LocaleDecimalSeparator(), thou = LocaleThousandSeparator();
  std::string r;
  for (char c : Text) {
    if (c == dec)
      r += '.';
    else if (c != thou)
      r += c;
  }
  return r;
}

bool LocaleTextToDateTime(const std::string& Text, TDateTime& DateTime) {
  const TFormatSettings fs = FormatSettings();
  const size_t p1 = Text.find(fs.DateSeparator);
  if (p1 == std::string::npos) return false;
  const size_t p2 = Text.find(fs.DateSeparator, p1 + 1);
  if (p2 == std::string::npos) return false;
  const std::string rest = Trim(Text.substr(p2 + 1));
  const size_t space = rest.find(' ');
  const std::string fields[3] = {Text.substr(0, p1), Text.substr(p1 + 1, p2 - p1 - 1), rest.substr(0, space)};
  const std::string timePart = space == std::string::npos ? std::string() : Trim(rest.substr(space));

  // Day, month and year in the order their letters first appear in the short date format.
  const std::string format = UpperCase(fs.ShortDateFormat);
  char units[3] = {'D', 'M', 'Y'};
  std::stable_sort(units, units + 3, [&](char a, char b) { return format.find(a) < format.find(b); });
  int day = 0, month = 0, year = 0;
  for (int i = 0; i < 3; ++i) {
    int& target = units[i] == 'D' ? day : (units[i] == 'M' ? month : year);
    if (!ReadField(fields[i], target)) return false;
  }
  if (day > 31 || month > 12) return false;
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(year, month, day, date)) return false;
  if (timePart.empty()) {
    DateTime = date;
    return true;
  }

  const size_t t1 = timePart.find(fs.TimeSeparator);
  if (t1 == std::string::npos) {
    DateTime = date;
    return false;
  }
  int hour = 0, minute = 0, second = 0;
  const size_t t2 = timePart.find(fs.TimeSeparator, t1 + 1);
  if (!ReadField(timePart.substr(0, t1), hour) || hour > 23) return false;
  if (!ReadField(timePart.substr(t1 + 1, t2 == std::string::npos ? std::string::npos : t2 - t1 - 1), minute))
    return false;
  if (t2 != std::string::npos && (!ReadField(timePart.substr(t2 + 1), second) || second > 60)) return false;
  if (minute > 59 || !TryEncodeTime(hour, minute, second, 0, time)) return false;
  DateTime = date + time;
  return true;
}

bool LooksLikeDate(const std::string& Text) {
  const char sep = LocaleDateSeparator();
  size_t p = Text.find(sep);
  if (p == std::string::npos || p < 1) return false;
  size_t q = Text.find(sep, p + 1);
  return q != std::string::npos && q - p >= 2;
}

TDateTime ShortDateUSToDate(const std::string& Text) {
  TDateTime d = 0;
  return ReadShortDate(Text, true, d) ? d : 0;
}

TDateTime ShortDateEUToDate(const std::string& Text) {
  TDateTime d = 0;
  return ReadShortDate(Text, false, d) ? d : 0;
}

TDateTime AdjustDate(std::int16_t Years, std::int16_t Months, std::int16_t Days, double Delta, TDateTime Date) {
  if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
  if (Years != 0 && Months == 0 && Days == 0) return StepMonths(Date, Years * 12);
  if (Months != 0 && Years == 0 && Days == 0) return StepMonths(Date, Months);
  return Date + Delta;
}

}  // namespace hd
