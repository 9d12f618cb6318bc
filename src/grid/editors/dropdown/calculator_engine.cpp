#include "grid/editors/dropdown/calculator_engine.h"

#include <cmath>

#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {

const std::vector<TCalcButtonDef>& CalculatorButtonDefs() {
  static const std::vector<TCalcButtonDef> defs = {
      {"", "BTN_ON", ctBlank, false},        {"Back", "BTN_BACK", ctBack, true},
      {"CE", "BTN_CE", ctClearEntry, true},  {"C", "BTN_C", ctClear, true},
      {"MC", "BTN_MC", ctMemoryClear, true}, {"MR", "BTN_MR", ctMemoryRecall, true},
      {"MS", "BTN_MS", ctMemoryStore, true}, {"M+", "BTN_M+", ctMemoryAdd, true},
      {"0", "BTN_0", 0, false},              {"1", "BTN_1", 1, false},
      {"4", "BTN_4", 4, false},              {"7", "BTN_7", 7, false},
      {"8", "BTN_8", 8, false},              {"5", "BTN_5", 5, false},
      {"2", "BTN_2", 2, false},              {"+/-", "BTN_+/-", ctSign, false},
      {".", "BTN_.", ctPoint, false},        {"3", "BTN_3", 3, false},
      {"6", "BTN_6", 6, false},              {"9", "BTN_9", 9, false},
      {"/", "BTN_/", ctDivide, true},        {"*", "BTN_*", ctMultiply, true},
      {"-", "BTN_-", ctSubtract, true},      {"+", "BTN_+", ctAdd, true},
      {"=", "BTN_=", ctEquals, true},        {"1/x", "BTN_1/x", ctReciprocal, false},
      {"%", "BTN_%", ctPercent, false},      {"sqrt", "BTN_sqrt", ctSqrt, true},
  };
  return defs;
}

std::vector<TRect> CalculatorButtonRects(const TRect& Area) {
  const int w = (Area.Width() - 8) / 6;
  const int h = (Area.Height() - 4) / 5;
  int c[6], r[5];
  c[0] = Area.Left;
  c[1] = c[0] + w + 4;
  c[2] = c[1] + w - 1;
  c[3] = c[2] + w - 1;
  c[4] = c[3] + w + 4;
  c[5] = c[4] + w - 1;
  r[0] = Area.Top;
  r[1] = r[0] + h + 4;
  r[2] = r[1] + h - 1;
  r[3] = r[2] + h - 1;
  r[4] = r[3] + h - 1;
  auto cell = [&](int col, int row) { return TRect{c[col], r[row], c[col] + w, r[row] + h}; };
  const int l = (c[5] + w - c[1] - 8) / 3;
  std::vector<TRect> rects(28);
  rects[0] = cell(0, 0);
  rects[1] = {c[1], r[0], c[1] + l, r[0] + h};
  rects[2] = {c[1] + l + 4, r[0], c[1] + 2 * l + 4, r[0] + h};
  rects[3] = {c[1] + 2 * l + 8, r[0], c[5] + w, r[0] + h};
  // Buttons 4 .. 27 by their place on the grid of rows 1 to 4.
  static const int place[24][2] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 4}, {1, 3}, {1, 2}, {1, 1},
                                   {2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 4}, {3, 3}, {3, 2}, {3, 1},
                                   {4, 1}, {4, 2}, {4, 3}, {4, 4}, {5, 4}, {5, 3}, {5, 2}, {5, 1}};
  for (int i = 0; i < 24; ++i) rects[static_cast<size_t>(i) + 4] = cell(place[i][0], place[i][1]);
  return rects;
}

bool TCalculatorEngine::ReadText(double& V) const {
  return TryStrToFloat(StripThousandSeparators(model_.Text()), V);
}

bool TCalculatorEngine::AtMaxLength() const {
  const int limit = maxLength_ ? maxLength_() : 0;
  return limit > 0 && Utf8Length(model_.Text()) == limit;
}

void TCalculatorEngine::ZeroWhenEmptyOrError() {
  const std::string t = model_.Text();
  if (t.empty() || t == "Error") model_.SetText("0");
}

void TCalculatorEngine::ApplyPendingOp() {
  ZeroWhenEmptyOrError();
  double x = 0;
  if (!ReadText(x)) return;
  double acc = FPrevval;
  switch (FPrevop) {
    case 0: acc += x; break;
    case 1: acc *= x; break;
    case 2: acc -= x; break;
    case 3:
      if (x == 0) {
        FPrevval = 0;
        model_.SetText("Error");
        return;
      }
      acc /= x;
      break;
    default: acc = x; break;
  }
  FPrevval = std::isfinite(acc) ? acc : 0.0;
  model_.SetFloatValue(FPrevval);
  FNewval = true;
}

void TCalculatorEngine::Operator(int Op) {
  ApplyPendingOp();
  FPrevop = Op;
}

void TCalculatorEngine::CalcEquals() {
  ApplyPendingOp();
  if (model_.Text().empty()) model_.SetText("0");
  FPrevop = -1;
  double x = 0;
  if (model_.Text() != "Error" && ReadText(x)) FPrevval = x;
}

void TCalculatorEngine::CalcPercent() {
  ZeroWhenEmptyOrError();
  double x = 0;
  if (!ReadText(x)) return;
  model_.SetText(Format("%g", {FPrevval * x / 100.0}));
}

void TCalculatorEngine::ButtonAction(int Tag) {
  if (BeforeCalcInput) BeforeCalcInput();
  // An action that reads a text which is no number (a lone "-") does nothing at all.
  const bool reads = (Tag >= ctAdd && Tag <= ctDivide) || Tag == ctEquals || Tag == ctPercent ||
                     Tag == ctMemoryStore || Tag == ctMemoryAdd;
  if (reads) {
    const std::string t = model_.Text();
    double x = 0;
    if (!t.empty() && t != "Error" && !ReadText(x)) return;
  }
  if ((Tag >= ctAdd && Tag <= ctSign) || (Tag >= ctClear && Tag <= ctPercent)) FDecim = 0;
  if (((Tag >= 0 && Tag <= 9) || Tag == ctSign || Tag == ctPoint) && AtMaxLength()) return;
  const char sep = FormatSettings().DecimalSeparator;
  if (Tag >= 0 && Tag <= 9) {
    const double v = model_.GetFloatValue();
    if ((v == 0 && FDecim == 0) || FNewval) {
      model_.SetText(std::string(1, static_cast<char>('0' + Tag)));
      FNewval = false;
    } else if (FDecim > 0) {
      model_.SetFloatValue(v + Tag / FDecim);
      FDecim *= 10;
    } else {
      model_.SetFloatValue(v * 10 + Tag);
    }
  } else {
    switch (Tag) {
      case ctAdd: CalcAdd(); break;
      case ctSubtract: CalcSubtract(); break;
      case ctMultiply: CalcMultiply(); break;
      case ctDivide: CalcDivide(); break;
      case ctSign: {
        std::string t = model_.Text();
        if (t.find('-') != std::string::npos) t.erase(0, 1);
        else t.insert(0, "-");
        model_.SetText(t);
        break;
      }
      case ctPoint:
        if (model_.Text().find(sep) == std::string::npos) model_.SetText(model_.Text() + sep);
        FDecim = 10;
        if (FNewval) model_.SetText("0");
        FNewval = false;
        break;
      case ctClear:
      case ctBlank:
      case ctClearEntry:
        model_.SetText("0");
        FPrevval = 0;
        FPrevop = -1;
        break;
      case ctEquals: CalcEquals(); break;
      case ctPercent: CalcPercent(); break;
      case ctBack:
        if (FPrevop == -1) {
          std::string t = FloatToStr(model_.GetFloatValue());
          if (!t.empty()) t.pop_back();
          model_.SetText(t);
        }
        break;
      case ctMemoryClear: FMVal = 0; break;
      case ctMemoryRecall: model_.SetFloatValue(FMVal); break;
      case ctMemoryStore:
      case ctMemoryAdd: {
        double x = 0;
        ReadText(x);
        FMVal = Tag == ctMemoryStore ? x : FMVal + x;
        break;
      }
      case ctSqrt: {
        const double v = model_.GetFloatValue();
        if (v < 0) model_.SetText("Error");
        else model_.SetFloatValue(std::sqrt(v));
        break;
      }
      case ctReciprocal: {
        const double v = model_.GetFloatValue();
        if (v == 0) model_.SetText("Error");
        else model_.SetFloatValue(1.0 / v);
        break;
      }
      default: break;
    }
  }
  model_.SetModified(true);
}

bool TCalculatorEngine::EditChar(TKeyChar& Key, bool OperatorsAct) {
  if (OperatorsAct) {
    bool acted = true;
    switch (Key) {
      case 13:
      case '=': CalcEquals(); break;
      case '%': CalcPercent(); break;
      case '*': CalcMultiply(); break;
      case '+': CalcAdd(); break;
      case '-': CalcSubtract(); break;
      case '/': CalcDivide(); break;
      case 'C':
      case 'c':
        model_.SetText("0");
        FNewval = true;
        FPrevop = -1;
        break;
      default: acted = false; break;
    }
    // An operator that acted is not typed into the new number as well.
    if (acted) {
      Key = 0;
      return false;
    }
  }
  const TFormatSettings fs = FormatSettings();
  const bool digit = Key >= '0' && Key <= '9';
  if (!digit && Key != static_cast<TKeyChar>(fs.DecimalSeparator) && Key != 8 && Key != '-') {
    Key = 0;
    return false;
  }
  const std::string text = model_.Text();
  const int caret = Utf8Length(model_.Prefix()) + 1;
  if (digit && (text == "0" || FNewval)) {
    host_.SetEditText(model_.Prefix() + std::string(1, static_cast<char>(Key)) + model_.Suffix());
    host_.SetSel(caret, 0);
    model_.SetModified(true);
    FNewval = false;
    Key = 0;
    return false;
  }
  if (Key == 8 && Utf8Length(text) == 1) {
    host_.SetEditText(model_.Prefix() + "0" + model_.Suffix());
    host_.SetSel(caret, 0);
    model_.SetModified(true);
    Key = 0;
    return false;
  }
  if (Key == static_cast<TKeyChar>(fs.DecimalSeparator) && text.find(fs.DecimalSeparator) != std::string::npos) {
    Key = 0;
    return false;
  }
  return true;
}

TCalcPopupAction TCalculatorEngine::PopupChar(TKeyChar Key, bool AltDown) {
  if (BeforeCalcInput) BeforeCalcInput();
  const char sep = FormatSettings().DecimalSeparator;
  if (model_.Text().find(sep) == std::string::npos) {
    // The caret stays where typing left it.
    const int start = host_.SelStart(), length = host_.SelLength();
    host_.SetEditText(model_.Prefix() + model_.Text() + sep + model_.Suffix());
    host_.SetSel(start, length);
  }
  const bool digit = Key >= '0' && Key <= '9';
  if (digit && AtMaxLength()) return TCalcPopupAction::None;
  switch (Key) {
    case 13: CalcEquals(); return TCalcPopupAction::CloseKeep;
    case 27: return TCalcPopupAction::CloseCancel;
    case '&': return AltDown ? TCalcPopupAction::CloseCancel : TCalcPopupAction::None;
    case '%': CalcPercent(); break;
    case '*': CalcMultiply(); break;
    case '+': CalcAdd(); break;
    case '-': CalcSubtract(); break;
    case '/': CalcDivide(); break;
    case '=': CalcEquals(); break;
    case 'C':
    case 'c':
      model_.SetText("0");
      FPrevval = 0;
      FNewval = true;
      FPrevop = -1;
      break;
    default:
      if (digit) FNewval = false;
      break;
  }
  return TCalcPopupAction::None;
}

TCalcPopupAction TCalculatorEngine::PopupKeyDown(WORD Key) {
  if (Key == VK_TAB || Key == VK_F4) return TCalcPopupAction::CloseKeep;
  if (Key == VK_BACK) {
    std::u32string t = Utf8ToCodePoints(model_.Text());
    if (!t.empty()) t.pop_back();
    const std::string s = CodePointsToUtf8(t);
    model_.SetText(s.empty() || s == "Error" ? "0" : s);
  }
  return TCalcPopupAction::None;
}

void TCalculatorEngine::EditKeyDown(WORD Key) {
  if (Key == VK_DELETE) ZeroWhenEmptyOrError();
}

void TCalculatorEngine::StartNewNumber() {
  FNewval = true;
  FDecim = 0;
}

double TCalculatorEngine::Value() {
  if (model_.Text().empty()) model_.SetTextDirect(model_.Prefix() + "0" + model_.Suffix());
  double v = 0;
  return ReadText(v) ? v : 0.0;
}

void TCalculatorEngine::SetValue(double V) { model_.SetText(Format("%g", {V})); }

}  // namespace hd
