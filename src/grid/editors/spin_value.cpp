// The spin edit's value rules: the character check per kind of value, the stepping of a date
// or time part under the caret, and the conversions with their fall-backs.
#include "grid/editors/spin_value.h"

#include <algorithm>
#include <cmath>

#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr TKeyChar kBackspace = 8, kReturn = 13, kEscape = 27;

bool IsDigit(TKeyChar c) { return c >= '0' && c <= '9'; }

int CountOf(const std::u32string& s, TKeyChar c) { return static_cast<int>(std::count(s.begin(), s.end(), c)); }

// 1-based position of c in s from the 1-based Offset, 0 when absent.
int PosOf(const std::u32string& s, TKeyChar c, int Offset = 1) {
  for (int i = Offset - 1; i < static_cast<int>(s.size()); ++i)
    if (s[static_cast<size_t>(i)] == c) return i + 1;
  return 0;
}

std::u32string Selected(const std::u32string& text, int start, int length) {
  start = std::clamp(start, 0, static_cast<int>(text.size()));
  length = std::clamp(length, 0, static_cast<int>(text.size()) - start);
  return text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

// A separator typed into a kind that is not its own is taken only where it doubles as a
// character of numbers.
bool ForeignSeparatorValid(TKeyChar Sep, TEsgSpinType Type, const TFormatSettings& Fs) {
  bool numeric = Sep == static_cast<TKeyChar>(Fs.DecimalSeparator) || Sep == static_cast<TKeyChar>(Fs.ThousandSeparator) ||
                 Sep == '-' || Sep == '+';
  return numeric && (Type == sptNormal || Type == sptFloat);
}

bool FloatCharValid(const TSpinCharState& S, const std::u32string& text, TKeyChar Key, bool valid,
                    const TFormatSettings& Fs) {
  auto ds = static_cast<TKeyChar>(Fs.DecimalSeparator);
  if (Key == static_cast<TKeyChar>(Fs.ThousandSeparator)) return false;
  if (Key == ds && PosOf(text, ds) > 0 && PosOf(Selected(text, S.SelStart, S.SelLength), ds) == 0) return false;
  // The decimals are full: only a selection or a caret in the integer part takes more.
  if (S.Precision > 0 && Key >= 32) {
    int p = PosOf(text, ds);
    if (p > 0 && S.SelStart >= p && S.SelLength == 0 && static_cast<int>(text.size()) >= p + S.Precision) return false;
  }
  return valid;
}

}  // namespace

bool SpinCharValid(const TSpinCharState& S, TKeyChar Key, const TFormatSettings& Fs) {
  if (Key == kBackspace) return S.EditorEnabled;
  auto ds = static_cast<TKeyChar>(Fs.DecimalSeparator);
  auto gs = static_cast<TKeyChar>(Fs.ThousandSeparator);
  auto dt = static_cast<TKeyChar>(Fs.DateSeparator);
  auto ts = static_cast<TKeyChar>(Fs.TimeSeparator);
  bool control = Key < 32;
  bool valid = Key == ds || Key == gs || Key == dt || Key == ts || IsDigit(Key) || Key == '-' || (control && Key != kReturn);
  if (Key == ts && S.SpinType != sptTime) valid = valid && ForeignSeparatorValid(ts, S.SpinType, Fs);
  if (Key == dt && S.SpinType != sptDate) valid = valid && ForeignSeparatorValid(dt, S.SpinType, Fs);
  std::u32string text = Utf8ToCodePoints(S.Text);
  if (Key == '-') {
    if (PosOf(text, '-') == 0)
      valid = valid && S.SelStart == 0;
    else
      valid = valid && PosOf(Selected(text, S.SelStart, S.SelLength), '-') > 0 && S.SelStart == 0;
  }
  switch (S.SpinType) {
    case sptNormal:
      if (!control) valid = valid && (IsDigit(Key) || Key == '-');
      break;
    case sptFloat:
      if (Key != kEscape && Key != kReturn) valid = FloatCharValid(S, text, Key, valid, Fs);
      break;
    case sptTime:
      if (Key == ts && CountOf(text, ts) >= 2) valid = false;
      break;
    case sptDate: break;
  }
  if (!S.EditorEnabled && !control) valid = false;
  return valid;
}

int SpinIntFromText(const std::string& Text, int MinValue) {
  std::string t = Trim(Text);
  if (t.empty()) return 0;
  int value = 0;
  return TryStrToInt(t, value) ? value : MinValue;
}

double SpinFloatFromText(const std::string& Text, double MinValue, const TFormatSettings& Fs) {
  double value = 0;
  return TryStrToFloat(Text, value, Fs) && std::isfinite(value) ? value : MinValue;
}

TDateTime SpinDateFromText(const std::string& Text, TDateTime MinValue, const TFormatSettings& Fs) {
  if (Text.empty() || Text == "0") return Now();
  TDateTime value = 0;
  return TryStrToDate(Text, value, Fs) ? value : MinValue;
}

TDateTime SpinTimeFromText(const std::string& Text, const TFormatSettings& Fs) {
  TDateTime value = 0;
  return TryStrToTime(Text, value, Fs) ? value : 0;
}

std::string SpinFloatText(double Value, int Precision, const TFormatSettings& Fs) {
  if (Precision > 0) return FloatToStrF(Value, ffFixed, 15, Precision, Fs);
  return FloatToStr(Value, Fs);
}

std::string SpinDateText(TDateTime Value, const TFormatSettings& Fs) {
  return FormatDateTime(Fs.ShortDateFormat, Value, Fs);
}

std::string SpinTimeText(TDateTime Value, bool ShowSeconds, const TFormatSettings& Fs) {
  return FormatDateTime(ShowSeconds ? Fs.LongTimeFormat : std::string("h:nn"), Value, Fs);
}

bool MonthBeforeDay(const TFormatSettings& Fs) {
  std::string f = UpperCase(Fs.ShortDateFormat);
  size_t m = f.find('M'), d = f.find('D');
  return m != std::string::npos && (d == std::string::npos || m < d);
}

TDateTime StepDatePart(TDateTime Value, const std::string& Text, int Caret, int Delta, const TFormatSettings& Fs) {
  std::u32string text = Utf8ToCodePoints(Text);
  auto dt = static_cast<TKeyChar>(Fs.DateSeparator);
  int p1 = PosOf(text, dt);
  int p2 = p1 > 0 ? PosOf(text, dt, p1 + 1) : 0;
  enum { kDay, kMonth, kYear } part = kYear;
  bool usDates = MonthBeforeDay(Fs);
  if (Caret < p1)
    part = usDates ? kMonth : kDay;
  else if (Caret < p2)
    part = usDates ? kDay : kMonth;
  switch (part) {
    case kDay: return Value + Delta;
    case kMonth: return IncMonth(Value, Delta);
    case kYear: return IncMonth(Value, 12 * Delta);
  }
  return Value;
}

TDateTime StepTimePart(TDateTime Value, const std::string& Text, int Caret, bool Up, bool ShowSeconds,
                       const TTimeSteps& Steps, const TFormatSettings& Fs) {
  std::u32string text = Utf8ToCodePoints(Text);
  auto ts = static_cast<TKeyChar>(Fs.TimeSeparator);
  int p1 = PosOf(text, ts);
  int p2 = p1 > 0 ? PosOf(text, ts, p1 + 1) : 0;
  double step;
  if (Caret < p1)
    step = Steps.Hours / 24.0;
  else if (ShowSeconds && p2 > 0 && Caret >= p2)
    step = Steps.Seconds / 86400.0;
  else
    step = Steps.Minutes / 1440.0;
  if (Up) return Value + step;
  // A day added first keeps the result positive, so stepping down wraps past midnight.
  TDateTime result = Value + 1 - step;
  if (result > 1) result -= 1;
  return result;
}

}  // namespace hd
