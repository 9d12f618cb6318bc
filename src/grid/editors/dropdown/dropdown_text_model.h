// What a drop-down edit lets the user type and how it shows its value: an edit type choosing a
// character filter and a format, a fixed Prefix and Suffix around the value, and numbers with
// the locale's separators. The rules see the edit only through TDropDownEditHost, so they run
// on an in-memory edit as well as on the real one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/types.h"

namespace hd {

enum TDropDownEditType {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange,
  etHex, etAlphaNumeric, etValidChars
};

// ClassifyText's answers.
constexpr int tcInteger = 0, tcFloat = 1, tcOther = 2, tcHex = 5;

// Integer, float, hexadecimal or other, with the locale's thousand separator.
int ClassifyText(const std::string& Text);
// Hexadecimal digits summed by place; other characters count as 0. A long text wraps modulo
// 2^32 as the 32-bit register it is kept in.
int HexToInt(const std::string& Text);
std::string StripThousandSeparators(const std::string& Text);
bool IsRangeSeparator(char32_t Ch);
// Thousand separators removed, then the locale's conversion; 0 for what is no number.
double TextToFloat(const std::string& Text);

// The edit the typing rules work on. Positions count characters of the whole text shown
// (Prefix + value + Suffix).
class TDropDownEditHost {
 public:
  virtual ~TDropDownEditHost() = default;
  virtual std::string EditText() const = 0;
  // Set as code sets it: the caret goes to the start and the edit reports a change.
  virtual void SetEditText(const std::string& Text) = 0;
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  // Selects Length characters from Start with the caret at Start + Length.
  virtual void SetSel(int Start, int Length) = 0;
  // The edit's own handling of a typed character: inserted over the selection, Backspace
  // deleting.
  virtual void DefaultChar(TKeyChar Key) = 0;
  virtual bool EditModified() const = 0;
  virtual void SetEditModified(bool Value) = 0;
  // Loading, typing off or read-only: the modified state stays as it is.
  virtual bool ModifiedLocked() const = 0;
  // Either Ctrl key is down.
  virtual bool CtrlDown() const = 0;
  // The edit's change handling (its change event), run when a change is not swallowed.
  virtual void Change() = 0;
};

// The typing settings and the value rules of one drop-down edit.
class TDropDownTextModel {
 public:
  explicit TDropDownTextModel(TDropDownEditHost& Host) : host_(Host) {}

  TDropDownEditType EditType() const { return FEditType; }
  // Stores the type and brings the value into its form (0 when it is not one).
  void SetEditType(TDropDownEditType Value);
  const std::string& Prefix() const { return FPrefix; }
  void SetPrefix(const std::string& Value) { FPrefix = Value; }
  const std::string& Suffix() const { return FSuffix; }
  void SetSuffix(const std::string& Value) { FSuffix = Value; }
  int Precision() const { return FPrecision; }
  // Float, money and string edits only; the value is shown again with the new decimals.
  void SetPrecision(int Value);
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = static_cast<std::int16_t>(Value); }
  bool Signed() const { return FSigned; }
  void SetSigned(bool Value) { FSigned = Value; }
  const std::string& ValidChars() const { return FValidChars; }
  void SetValidChars(const std::string& Value) { FValidChars = Value; }
  bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
  void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
  void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }

  // The value: the shown text without Prefix and Suffix.
  std::string Text() const;
  // Formats Value by the edit type and shows it between Prefix and Suffix; it becomes OldText
  // and the edit is no longer modified.
  void SetText(const std::string& Value);
  // The edit's text exactly as given.
  void SetTextDirect(const std::string& Value) { host_.SetEditText(Value); }
  // The value last given to SetText.
  const std::string& OldText() const { return FOldText; }

  double GetFloatValue() const;
  void SetFloatValue(double Value);
  void SetIntValue(int Value);
  void SetModified(bool Value);
  bool IsModified() const { return FIsModified; }

  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();
  // The integer part of a money value written with thousand separators, keeping the caret's
  // distance from the value's end.
  void FormatMoneyText();

  // A typed character after the edit's own key rules (typing on, Return, Escape and the
  // clipboard keys handled). Keypad: the key came from the numeric keypad.
  void KeyChar(TKeyChar Key, bool Keypad);
  // The key-down guards before the edit's own handling; true when the key is dropped.
  bool KeyDownBefore(WORD Key, TShiftState Shift);
  // What follows the edit's own key-down handling.
  void KeyDownAfter(WORD Key);
  // The edit reports a change: false when it is to be swallowed.
  bool ChangeNotified();
  bool BlockChange() const { return FBlockChange; }
  void SetBlockChange(bool Value) { FBlockChange = Value; }

  // Replaces the selection with a clipboard text when the edit type takes the result. The
  // paste event sees the predicted value and may refuse it; MaxLength 0 is no limit.
  void Paste(const std::string& Clip, int MaxLength,
             const std::function<void(const std::string& Predicted, bool& Allow)>& AllowPaste);
  // The selected part of the value (what a cut or a copy hands on).
  std::string SelectedValue() const;
  // After a click: the caret and selection kept off the Prefix and Suffix.
  void KeepSelectionInValue();
  void FocusGained(bool AutoSelect);
  void FocusLost();

  // Where the integer part of a value ends (1-based position of the decimal separator in the
  // value without thousand separators), one less for a signed number with a minus.
  int IntegerPartEnd(const std::string& Value) const;
  bool SeparatorMisplaced(const std::u32string& Value, int Caret) const;
  bool FractionFull(const std::u32string& Value, int Caret) const;

 private:
  int PrefixLen() const;
  int SuffixLen() const;
  std::u32string ValueChars() const;
  void SetValueChars(const std::u32string& Value);
  void SetCaret(int Pos) { host_.SetSel(Pos, 0); }
  bool WholeValueSelected() const;
  bool IsNumberType() const { return FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney; }
  void PassChar(TKeyChar Key) { host_.DefaultChar(Key); }
  // Runs the edit's change handling for a change whose own report was swallowed.
  void Change();
  void ToggleSign();
  void FloatChar(TKeyChar Key);
  bool NumberSeparatorRules(TKeyChar Key);
  void MoneyChar(TKeyChar Key);
  void NumericChar(TKeyChar Key);
  void RangeChar(TKeyChar Key);
  void TypeChar(TKeyChar Key);
  bool PasteAccepted(const std::string& Predicted, const std::string& Clip);

  TDropDownEditHost& host_;
  TDropDownEditType FEditType = etString;
  std::string FPrefix;
  std::string FSuffix;
  std::int16_t FPrecision = 0;
  std::int16_t FLengthLimit = 0;
  bool FSigned = false;
  std::string FValidChars;
  bool FAllowNumericNullValue = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FAutoThousandSeparator = true;
  bool FIsModified = false;
  bool FBlockChange = false;
  std::string FOldText;
};

}  // namespace hd
