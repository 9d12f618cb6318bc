#include "grid/editors/dropdown/dropdown_text_model.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/text_utils.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

constexpr TKeyChar kBack = 8, kTab = 9, kLineFeed = 10, kReturn = 13;

char32_t DecimalSep() { return static_cast<unsigned char>(FormatSettings().DecimalSeparator); }
char32_t ThousandSep() { return static_cast<unsigned char>(FormatSettings().ThousandSeparator); }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsHexLetter(char32_t c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// Backspace, Tab and Return pass every filter that takes digits.
bool IsEditingChar(char32_t c) { return c == kBack || c == kTab || c == kReturn; }

// 1-based position of c in s, 0 when absent.
int PosOf(char32_t c, const std::u32string& s) {
  auto at = s.find(c);
  return at == std::u32string::npos ? 0 : static_cast<int>(at) + 1;
}

std::u32string Chars(const std::string& s) { return Utf8ToCodePoints(s); }
std::string Utf8(const std::u32string& s) { return CodePointsToUtf8(s); }

std::string FormatWithPrecision(char type, int precision, double value) {
  return Format("%." + std::to_string(precision) + type, {value});
}

std::string HexDigits(std::uint32_t value) { return IntToHex(value, 1); }

}  // namespace

int ClassifyText(const std::string& Text) {
  if (Text.empty()) return tcOther;
  const std::u32string s = Chars(Text);
  const char32_t thousand = ThousandSep(), decimal = DecimalSep();
  bool integerLike = true, floatLike = true, hexLike = true;
  int minus = 0, decimals = 0, lastThousand = -1;
  for (int i = 1; i <= static_cast<int>(s.size()); ++i) {
    const char32_t c = s[static_cast<size_t>(i - 1)];
    if (c != '-' && !IsDigit(c)) integerLike = false;
    if (c != ',' && c != '-' && c != '.' && !IsDigit(c)) floatLike = false;
    if (c == thousand) {
      if (i - lastThousand < 3) floatLike = false;
      lastThousand = i;
    }
    if (c != '-' && !IsDigit(c) && !IsHexLetter(c)) hexLike = false;
    if (c == '-') ++minus;
    if (c == decimal) ++decimals;
  }
  if (minus > 1 || decimals > 1) return tcOther;
  if (integerLike) return tcInteger;
  if (floatLike) return tcFloat;
  if (hexLike) return tcHex;
  return tcOther;
}

int HexToInt(const std::string& Text) {
  // Unsigned arithmetic wraps by definition; the 32-bit pattern is the answer.
  std::uint32_t sum = 0;
  for (unsigned char c : Text) {
    std::uint32_t digit = 0;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    sum = sum * 16u + digit;
  }
  return static_cast<int>(sum);
}

std::string StripThousandSeparators(const std::string& Text) {
  std::string out;
  const char thousand = FormatSettings().ThousandSeparator;
  for (char c : Text)
    if (c != thousand) out += c;
  return out;
}

bool IsRangeSeparator(char32_t Ch) { return Ch == ',' || Ch == '-' || Ch == ';'; }

double TextToFloat(const std::string& Text) {
  double v = 0;
  return TryStrToFloat(StripThousandSeparators(Text), v) ? v : 0.0;
}

int TDropDownTextModel::PrefixLen() const { return Utf8Length(FPrefix); }
int TDropDownTextModel::SuffixLen() const { return Utf8Length(FSuffix); }

std::u32string TDropDownTextModel::ValueChars() const {
  std::u32string s = Chars(host_.EditText());
  const std::u32string prefix = Chars(FPrefix);
  if (!prefix.empty() && s.compare(0, prefix.size(), prefix) == 0) s.erase(0, prefix.size());
  // The Suffix's length comes off the end whether or not the text ends with it.
  const size_t cut = std::min(s.size(), static_cast<size_t>(SuffixLen()));
  s.erase(s.size() - cut);
  return s;
}

std::string TDropDownTextModel::Text() const { return Utf8(ValueChars()); }

void TDropDownTextModel::SetValueChars(const std::u32string& Value) {
  host_.SetEditText(FPrefix + Utf8(Value) + FSuffix);
}

bool TDropDownTextModel::WholeValueSelected() const {
  const int p = PrefixLen(), len = static_cast<int>(ValueChars().size());
  const int start = host_.SelStart(), end = start + host_.SelLength();
  return host_.SelLength() > 0 && start <= p && end >= p + len;
}

void TDropDownTextModel::SetText(const std::string& Value) {
  std::string v = Value;
  if (v.empty() && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney || FEditType == etHex))
    v = "0";
  if (FPrecision > 0 && !v.empty() && v != "Error") {
    if (FEditType == etMoney) v = FormatWithPrecision('n', FPrecision, TextToFloat(v));
    else if (FEditType == etFloat) v = FormatWithPrecision('f', FPrecision, TextToFloat(v));
  }
  if (FEditType == etHex) v = AnsiUpperCase(v);
  host_.SetEditText(FPrefix + v + FSuffix);
  FOldText = v;
  SetModified(false);
}

void TDropDownTextModel::SetEditType(TDropDownEditType Value) {
  if (Value == FEditType) return;
  FEditType = Value;
  const int kind = ClassifyText(Text());
  if (FEditType == etNumeric && kind != tcInteger) SetIntValue(0);
  else if ((FEditType == etFloat || FEditType == etMoney) && kind > tcFloat) SetFloatValue(0);
  else if (FEditType == etHex && kind != tcInteger && kind != tcHex) SetIntValue(0);
}

void TDropDownTextModel::SetPrecision(int Value) {
  if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
  if (Value == FPrecision) return;
  FPrecision = static_cast<std::int16_t>(Value);
  if (ClassifyText(Text()) > tcFloat) SetFloatValue(0);
  else SetFloatValue(GetFloatValue());
}

void TDropDownTextModel::SetFloatValue(double Value) {
  const bool general = FPrecision < 0;
  std::string s;
  switch (FEditType) {
    case etString:
    case etFloat:
      s = general ? Format("%g", {Value}) : FormatWithPrecision('f', FPrecision, Value);
      break;
    case etNumeric:
      s = general ? Format("%g", {Value}) : FormatWithPrecision('n', FPrecision, Value);
      break;
    case etMoney:
      s = general ? Format("%g", {Value}) : FormatWithPrecision('f', FPrecision, Value);
      SetText(s);
      FormatMoneyText();
      SetModified(true);
      return;
    case etHex:
      s = HexDigits(static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(std::fmod(Value, 4294967296.0)))));
      break;
    default:
      SetModified(true);
      return;
  }
  SetText(s);
  SetModified(true);
}

void TDropDownTextModel::SetIntValue(int Value) {
  switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(std::to_string(Value)); break;
    case etMoney:
      SetText(std::to_string(Value));
      FormatMoneyText();
      break;
    case etHex: SetText(HexDigits(static_cast<std::uint32_t>(Value))); break;
    default: break;
  }
  SetModified(true);
}

double TDropDownTextModel::GetFloatValue() const {
  const std::string value = Text();
  switch (FEditType) {
    case etString: {
      // Read as the runtime's Val reads: "." always separates the decimals.
      double v = 0;
      return TryStrToFloat(value, v, InvariantFormatSettings()) ? v : 0.0;
    }
    case etNumeric:
    case etFloat:
      if (value.empty() || value == "Error" || value == "-") return 0;
      return TextToFloat(value);
    case etMoney: {
      std::string s = StripThousandSeparators(value);
      if (!s.empty() && s.back() == FormatSettings().DecimalSeparator) s.pop_back();
      if (s.empty() || s == "-") return 0;
      return TextToFloat(s);
    }
    case etHex: return HexToInt(value);
    default: return 0;
  }
}

void TDropDownTextModel::SetModified(bool Value) {
  if (host_.ModifiedLocked()) return;
  host_.SetEditModified(Value);
  FIsModified = Value;
}

void TDropDownTextModel::SelectAll() { host_.SetSel(PrefixLen(), static_cast<int>(ValueChars().size())); }

void TDropDownTextModel::SelectBeforeDecimal() {
  const int at = PosOf(DecimalSep(), ValueChars());
  SetCaret(PrefixLen() + (at > 0 ? at - 1 : 0));
}

void TDropDownTextModel::SelectAfterDecimal() {
  const int at = PosOf(DecimalSep(), ValueChars());
  SetCaret(PrefixLen() + (at > 0 ? at : 0));
}

void TDropDownTextModel::FormatMoneyText() {
  std::u32string value = ValueChars();
  if (value.empty()) return;
  const int fromEnd = PrefixLen() + static_cast<int>(value.size()) - host_.SelStart();
  std::u32string sign;
  if (value[0] == '-') {
    sign = U"-";
    value.erase(0, 1);
  }
  std::u32string fraction;
  if (int at = PosOf(DecimalSep(), value)) fraction = value.substr(static_cast<size_t>(at - 1), 255);
  // Truncated as a double: a long run of digits is no integer overflow.
  const double whole = std::trunc(std::fabs(GetFloatValue()));
  std::u32string integer = Chars(FormatWithPrecision(FAutoThousandSeparator ? 'n' : 'f', 2, whole));
  if (int at = PosOf(DecimalSep(), integer)) integer.erase(static_cast<size_t>(at - 1));
  const std::string before = host_.EditText();
  const std::string after = FPrefix + Utf8(sign + integer + fraction) + FSuffix;
  host_.SetEditText(after);
  FBlockChange = before != after;
  const int end = PrefixLen() + static_cast<int>((sign + integer + fraction).size());
  SetCaret(std::max(PrefixLen(), end - fromEnd));
}

int TDropDownTextModel::IntegerPartEnd(const std::string& Value) const {
  const std::u32string v = Chars(StripThousandSeparators(Value));
  int at = PosOf(DecimalSep(), v);
  if (at == 0) at = static_cast<int>(v.size()) + 1;
  if (FSigned && IsNumberType() && v.find(U'-') != std::u32string::npos) --at;
  return at;
}

bool TDropDownTextModel::SeparatorMisplaced(const std::u32string& Value, int Caret) const {
  std::u32string v = Value;
  const char32_t thousand = ThousandSep();
  if (PosOf(thousand, v) == 0) return false;
  int m = static_cast<int>(v.size()), c = Caret;
  while (int p = PosOf(thousand, v)) {
    const int d = std::abs(p - c);
    m = std::min(m, d);
    if (d < 3) return true;
    if (c > p) c -= p;
    v.erase(0, static_cast<size_t>(p));
  }
  return m > 3;
}

bool TDropDownTextModel::FractionFull(const std::u32string& Value, int Caret) const {
  const int len = static_cast<int>(Value.size());
  if (FPrecision <= 0 || len - Caret > FPrecision) return false;
  const int p = PosOf(DecimalSep(), Value);
  if (p == 0) return false;
  return Caret >= p && len - p >= FPrecision;
}

bool TDropDownTextModel::ChangeNotified() {
  if (!FBlockChange) return true;
  FBlockChange = false;
  return false;
}

void TDropDownTextModel::ToggleSign() {
  std::u32string value = ValueChars();
  const int p = PrefixLen(), caret = host_.SelStart();
  if (value.find(U'-') != std::u32string::npos) {
    value.erase(0, 1);
    SetValueChars(value);
    SetCaret(std::max(p, caret - 1));
  } else {
    SetValueChars(U"-" + value);
    SetCaret(caret + 1);
  }
  SetModified(true);
}

void TDropDownTextModel::NumericChar(TKeyChar Key) {
  bool passed = false;
  if (Key == '-') {
    if (WholeValueSelected()) {
      SetValueChars(U"-");
      SetCaret(PrefixLen() + 1);
      SetModified(true);
    } else {
      ToggleSign();
    }
  } else if (IsEditingChar(Key) || IsDigit(Key)) {
    PassChar(Key);
    passed = true;
  }
  // Ctrl with a letter gives the control characters the edit acts on (select all, undo);
  // each goes to the edit once.
  if (host_.CtrlDown() && !passed && Key != '-') PassChar(Key);
}

// The separator, full-fraction, empty-value and sign rules float and money values share;
// true when the character was dealt with here.
bool TDropDownTextModel::NumberSeparatorRules(TKeyChar Key) {
  const std::u32string value = ValueChars();
  const int caret = host_.SelStart() - PrefixLen();
  const bool selected = host_.SelLength() > 0;
  const char32_t decimal = DecimalSep();
  if ((Key == ThousandSep() || Key == decimal) && SeparatorMisplaced(value, caret)) return true;
  if ((IsDigit(Key) || Key == decimal) && !selected && FractionFull(value, caret)) {
    if (IsDigit(Key) && caret < static_cast<int>(value.size())) {
      host_.SetSel(host_.SelStart(), 1);
      PassChar(Key);
    }
    return true;
  }
  if (Key == decimal && value.empty() && caret <= 0) {
    SetValueChars(std::u32string(U"0") + decimal);
    SetCaret(PrefixLen() + 2);
    SetModified(true);
    return true;
  }
  if (Key == '-' && !selected) {
    ToggleSign();
    return true;
  }
  return false;
}

void TDropDownTextModel::FloatChar(TKeyChar Key) {
  const char32_t decimal = DecimalSep(), thousand = ThousandSep();
  if (Key == ',' && decimal != ',' && thousand != ',') return;
  if (Key == '.' && decimal != '.' && thousand != '.') return;
  if (!IsEditingChar(Key) && Key != ',' && Key != '-' && Key != '.' && !IsDigit(Key)) return;
  if (Key == decimal && SelectedValue().find(static_cast<char>(decimal)) == std::string::npos) {
    const std::u32string value = ValueChars();
    const int at = PosOf(decimal, value);
    if (at > 0 || FPrecision == 0) {
      if (FPrecision > 0) SetCaret(PrefixLen() + at);
      return;
    }
  }
  if (NumberSeparatorRules(Key)) return;
  PassChar(Key);
}

void TDropDownTextModel::MoneyChar(TKeyChar Key) {
  const char32_t decimal = DecimalSep();
  if (Key == decimal) {
    const std::u32string value = ValueChars();
    if (PosOf(decimal, value) > 0 || FPrecision == 0) {
      if (FPrecision > 0) {
        if (WholeValueSelected()) SetValueChars(std::u32string(U"0") + decimal + U"0");
        SetCaret(PrefixLen() + PosOf(decimal, ValueChars()));
      }
      return;
    }
  }
  if (!IsEditingChar(Key) && Key != '-' && !IsDigit(Key) && Key != decimal) return;
  if (NumberSeparatorRules(Key)) return;
  PassChar(Key);
  const std::string value = Text();
  if (!value.empty() && value != "-" && Key != decimal) {
    FormatMoneyText();
    if (host_.EditModified()) SetModified(true);
  }
}

void TDropDownTextModel::RangeChar(TKeyChar Key) {
  if (!IsEditingChar(Key) && !IsDigit(Key) && !IsRangeSeparator(Key)) return;
  SetModified(true);
  if (IsRangeSeparator(Key)) {
    const std::u32string text = Chars(host_.EditText());
    const int caret = host_.SelStart();
    if (caret <= PrefixLen()) return;
    if (caret >= 1 && caret - 1 < static_cast<int>(text.size()) && IsRangeSeparator(text[static_cast<size_t>(caret - 1)]))
      return;
    if (caret < static_cast<int>(text.size()) && IsRangeSeparator(text[static_cast<size_t>(caret)])) return;
  }
  PassChar(Key);
}

void TDropDownTextModel::TypeChar(TKeyChar Key) {
  switch (FEditType) {
    case etString:
    case etPassword:
      SetModified(true);
      PassChar(Key);
      return;
    case etNumeric: NumericChar(Key); return;
    case etFloat: FloatChar(Key); return;
    case etMoney: MoneyChar(Key); return;
    case etUppercase:
    case etLowerCase: {
      const std::string one = CodePointsToUtf8(std::u32string(1, Key));
      const std::u32string cased = Chars(FEditType == etUppercase ? AnsiUpperCase(one) : AnsiLowerCase(one));
      PassChar(cased.size() == 1 ? cased[0] : Key);
      return;
    }
    case etMixedCase: {
      const int caret = host_.SelStart();
      PassChar(Key);
      SetValueChars(Chars(MixedCaseText(Text())));
      SetCaret(caret + 1);
      return;
    }
    case etRange: RangeChar(Key); return;
    case etHex:
      if (IsEditingChar(Key) || Key == '-' || IsDigit(Key) || IsHexLetter(Key)) {
        SetModified(true);
        PassChar(Key);
      }
      return;
    case etAlphaNumeric:
      if (IsEditingChar(Key) || IsDigit(Key) || IsAsciiLetter(Key)) {
        SetModified(true);
        PassChar(Key);
      }
      return;
    case etValidChars:
      if (Key == kBack || (Key != 0 && Chars(FValidChars).find(Key) != std::u32string::npos)) {
        SetModified(true);
        PassChar(Key);
      }
      return;
  }
}

void TDropDownTextModel::KeyChar(TKeyChar Key, bool Keypad) {
  const std::string textBefore = host_.EditText();
  // A keystroke over the whole value changes it once; the edit's own report of that is
  // swallowed. One that ends without a change must not leave the swallow armed for the next.
  bool armed = false;
  if (WholeValueSelected() && !ValueChars().empty()) FBlockChange = armed = true;
  const char32_t decimal = DecimalSep();
  if (FExcelStyleDecimalSeparator && Keypad && (Key == '.' || Key == ',')) Key = decimal;
  const int p = PrefixLen();
  const std::u32string value = ValueChars();
  bool dropped = false;
  if (Key == kBack && p > 0 && host_.SelLength() == 0 && host_.SelStart() <= p) dropped = true;
  if (!dropped && FLengthLimit > 0) {
    const int e = IntegerPartEnd(Text());
    const std::u32string text = Chars(host_.EditText());
    int sepPos = PosOf(decimal, text);
    if (sepPos == 0) sepPos = static_cast<int>(text.size()) + 1;
    const bool signedMinus = Key == '-' && FSigned && IsNumberType();
    if (e > FLengthLimit && host_.SelLength() == 0 && host_.SelStart() < sepPos && Key != kBack && Key != decimal &&
        !signedMinus)
      dropped = true;
  }
  if (!dropped && Key == kBack) {
    const bool fromValueStart = host_.SelLength() > 0 && host_.SelStart() <= p;
    PassChar(Key);
    if (fromValueStart && ValueChars().empty()) Change();
  } else if (!dropped && Key == kLineFeed) {
    dropped = true;
  } else if (!dropped && Key == '-' && IsNumberType() && !FSigned) {
    dropped = true;
  } else if (!dropped) {
    TypeChar(Key);
  }
  if (host_.EditModified()) SetModified(true);
  if (armed && FBlockChange && host_.EditText() == textBefore) FBlockChange = false;
}

void TDropDownTextModel::Change() {
  FBlockChange = false;
  host_.Change();
}

bool TDropDownTextModel::KeyDownBefore(WORD Key, TShiftState Shift) {
  const int p = PrefixLen(), len = static_cast<int>(ValueChars().size());
  const int start = host_.SelStart(), selLen = host_.SelLength(), end = start + selLen;
  const bool hasPrefix = !FPrefix.empty(), hasSuffix = !FSuffix.empty();
  // The value ends at p + len: positions count the Prefix too.
  switch (Key) {
    case VK_RIGHT:
      return hasSuffix && end >= p + len;
    case VK_DELETE:
      if (hasSuffix && end >= p + len && selLen == 0) return true;
      if (start >= p) {
        std::u32string value = ValueChars();
        const int from = std::clamp(start - p, 0, len);
        value.erase(static_cast<size_t>(from), static_cast<size_t>(selLen > 0 ? std::min(selLen, len - from) : 1));
        if (FLengthLimit > 0 && IntegerPartEnd(Utf8(value)) - 1 > FLengthLimit) return true;
      }
      SetModified(true);
      return false;
    case VK_LEFT:
      return hasPrefix && end <= p;
    case VK_END:
      if (!hasSuffix) return false;
      if (Shift.Contains(ssShift)) host_.SetSel(start, p + len - start);
      else SetCaret(p + len);
      return true;
    case VK_HOME:
      if (!hasPrefix) return false;
      if (Shift.Contains(ssShift)) host_.SetSel(p, len);
      else SetCaret(p);
      return true;
    case VK_BACK:
      if (hasPrefix && selLen == 0 && start <= p) return true;
      if (hasPrefix) SetModified(true);
      return false;
    default:
      return false;
  }
}

void TDropDownTextModel::KeyDownAfter(WORD Key) {
  if (Key == VK_DELETE && FEditType == etMoney) FormatMoneyText();
  if (!FPrefix.empty() && host_.SelStart() < PrefixLen()) SetCaret(PrefixLen());
}

std::string TDropDownTextModel::SelectedValue() const {
  const std::u32string value = ValueChars();
  const int from = host_.SelStart() - PrefixLen();
  if (from < 0 || from >= static_cast<int>(value.size())) return {};
  return Utf8(value.substr(static_cast<size_t>(from), static_cast<size_t>(host_.SelLength())));
}

bool TDropDownTextModel::PasteAccepted(const std::string& Predicted, const std::string& Clip) {
  const bool hasMinus = Predicted.find('-') != std::string::npos;
  switch (FEditType) {
    case etString:
    case etPassword: SetText(Predicted); return true;
    case etNumeric:
      if (ClassifyText(Predicted) != tcInteger || (!FSigned && hasMinus)) return false;
      SetText(Predicted);
      SetModified(true);
      return true;
    case etFloat:
    case etMoney:
      if (ClassifyText(Predicted) > tcFloat || (!FSigned && hasMinus)) return false;
      if (FPrecision == 0 && Clip.find(FormatSettings().DecimalSeparator) != std::string::npos) return false;
      SetText(Predicted);
      SetFloatValue(GetFloatValue());
      SetModified(true);
      return true;
    case etUppercase: SetText(AnsiUpperCase(Predicted)); return true;
    case etLowerCase: SetText(AnsiLowerCase(Predicted)); return true;
    case etMixedCase: SetText(MixedCaseText(Predicted)); return true;
    case etAlphaNumeric:
    case etValidChars: {
      const std::u32string valid = Chars(FValidChars);
      for (char32_t c : Chars(Predicted)) {
        const bool ok = FEditType == etAlphaNumeric ? (IsDigit(c) || IsAsciiLetter(c)) : valid.find(c) != std::u32string::npos;
        if (!ok) return false;
      }
      SetText(Predicted);
      SetModified(true);
      return true;
    }
    case etRange:
    case etHex: return false;
  }
  return false;
}

void TDropDownTextModel::Paste(const std::string& Clip, int MaxLength,
                               const std::function<void(const std::string& Predicted, bool& Allow)>& AllowPaste) {
  const std::u32string value = ValueChars(), clip = Chars(Clip);
  const int p = PrefixLen(), len = static_cast<int>(value.size());
  const int start = std::clamp(host_.SelStart() - p, 0, len);
  const int length = std::clamp(host_.SelLength(), 0, len - start);
  const std::string predicted = Utf8(value.substr(0, static_cast<size_t>(start)) + clip +
                                     value.substr(static_cast<size_t>(start + length)));
  bool allow = true;
  if (AllowPaste) AllowPaste(predicted, allow);
  if (!allow) return;
  if (MaxLength > 0 && static_cast<int>(clip.size()) + len - length > MaxLength) return;
  if (!PasteAccepted(predicted, Clip)) return;
  if (FEditType == etMoney && Utf8Length(Text()) > 3) SelectAll();
  else if (length > 0) host_.SetSel(p + start, static_cast<int>(clip.size()));
  else SetCaret(p + start + static_cast<int>(clip.size()));
  if (FEditType == etString || FEditType == etUppercase || FEditType == etMixedCase || FEditType == etLowerCase ||
      FEditType == etPassword)
    SetModified(true);
}

void TDropDownTextModel::KeepSelectionInValue() {
  const int p = PrefixLen(), len = static_cast<int>(ValueChars().size());
  const int start = host_.SelStart(), end = start + host_.SelLength();
  if (!FPrefix.empty() && start < p) {
    host_.SetSel(p, len);
    return;
  }
  if (FSuffix.empty()) return;
  if (start > p + len) SetCaret(p + len);
  else if (end > p + len) host_.SetSel(start, p + len - start);
}

void TDropDownTextModel::FocusGained(bool AutoSelect) {
  if (AutoSelect) SelectAll();
  else if (FEditType == etFloat || FEditType == etMoney) SelectBeforeDecimal();
}

void TDropDownTextModel::FocusLost() {
  const bool empty = Text().empty();
  if ((FEditType == etFloat || FEditType == etMoney) && FPrecision > 0 && (!empty || !FAllowNumericNullValue)) {
    const bool modified = host_.EditModified();
    SetFloatValue(GetFloatValue());
    SetModified(modified);
  } else if (FEditType == etNumeric && empty && !FAllowNumericNullValue) {
    SetText("0");
  } else if ((FEditType == etFloat || FEditType == etMoney) && empty && !FAllowNumericNullValue) {
    SetFloatValue(0);
  }
}

}  // namespace hd
