// The four-function calculator behind the calculator drop-down: the shown number is the edit's
// own text, read back before every action, so typing into the edit and pressing keypad buttons
// work on the same number. It sees the edit only through the typing model and its host, so it
// runs on an in-memory edit as well as on the real one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/editors/dropdown/dropdown_text_model.h"
#include "platform/types.h"

namespace hd {

// Keypad action codes (button tags).
constexpr int ctDigit0 = 0, ctAdd = 10, ctSubtract = 11, ctMultiply = 12, ctDivide = 13, ctSign = 14,
              ctPoint = 15, ctClear = 16, ctEquals = 17, ctPercent = 18, ctBlank = 30, ctBack = 31,
              ctClearEntry = 32, ctMemoryClear = 33, ctMemoryRecall = 34, ctMemoryStore = 35, ctMemoryAdd = 36,
              ctSqrt = 37, ctReciprocal = 38;

// One keypad button as the calculator lays it out.
struct TCalcButtonDef {
  const char* Caption;
  const char* Name;
  int Tag;
  bool Special;
};
// The 28 buttons in index order.
const std::vector<TCalcButtonDef>& CalculatorButtonDefs();
// The rectangles of the 28 buttons inside the button area: blocks 4 pixels apart, neighbours
// inside a block sharing their one-pixel border.
std::vector<TRect> CalculatorButtonRects(const TRect& Area);

// What a key in the popup asks of the popup.
enum class TCalcPopupAction { None, CloseKeep, CloseCancel };

class TCalculatorEngine {
 public:
  // MaxLength: the edit's length limit, 0 for none.
  TCalculatorEngine(TDropDownTextModel& Model, TDropDownEditHost& Host, std::function<int()> MaxLength)
      : model_(Model), host_(Host), maxLength_(std::move(MaxLength)) {}

  // Runs before every keypad action and every character typed in the popup.
  std::function<void()> BeforeCalcInput;

  // A keypad button's action by its tag.
  void ButtonAction(int Tag);
  void ApplyPendingOp();
  void CalcEquals();
  void CalcPercent();
  void CalcAdd() { Operator(0); }
  void CalcMultiply() { Operator(1); }
  void CalcSubtract() { Operator(2); }
  void CalcDivide() { Operator(3); }

  // A character typed in the edit. OperatorsAct: the popup was never prepared or is hidden.
  // Answers whether the character goes on to the edit's own typing rules (Key may be changed
  // to 0 to drop it).
  bool EditChar(TKeyChar& Key, bool OperatorsAct);
  // After the edit's handling of a character typed in the popup.
  TCalcPopupAction PopupChar(TKeyChar Key, bool AltDown);
  // After the edit's handling of a key pressed in the popup.
  TCalcPopupAction PopupKeyDown(WORD Key);
  // After the edit's own key-down handling.
  void EditKeyDown(WORD Key);
  // The popup is being prepared: a new number starts; accumulator, operator and memory stay.
  void StartNewNumber();

  double Value();
  void SetValue(double V);

  double Accumulator() const { return FPrevval; }
  int PendingOp() const { return FPrevop; }
  double Memory() const { return FMVal; }
  bool NewValue() const { return FNewval; }

 private:
  // The text read as a number (thousand separators removed); false when it is none.
  bool ReadText(double& V) const;
  void Operator(int Op);
  bool AtMaxLength() const;
  void ZeroWhenEmptyOrError();

  TDropDownTextModel& model_;
  TDropDownEditHost& host_;
  std::function<int()> maxLength_;
  // Divisor of the next decimal digit; 0 while integer digits are entered.
  double FDecim = 0;
  bool FNewval = false;
  double FPrevval = 0;
  // -1 none, 0 add, 1 multiply, 2 subtract, 3 divide.
  int FPrevop = -1;
  double FMVal = 0;
};

}  // namespace hd
