// The calculator on an in-memory edit: sequences of keypad buttons and typed characters with
// the text after each step, the popup's keys, and the keypad's geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/editors/dropdown/calculator_engine.h"
#include "grid/editors/dropdown/dropdown_text_model.h"
#include "grid/editors/dropdown/memory_edit.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

struct Calc {
  test::TMemoryEdit edit;
  TDropDownTextModel model{edit};
  int maxLength = 0;
  TCalculatorEngine engine{model, edit, [this] { return maxLength; }};
  Calc() {
    SetFormatSettingsProvider([] { return InvariantFormatSettings(); });
    edit.model = &model;
    model.SetEditType(etFloat);
    model.SetPrecision(2);
    model.SetText("0");
  }
  ~Calc() { SetFormatSettingsProvider(nullptr); }
  // "n:" prepares the popup (a new number starts), "s:" selects the whole value as focusing the edit does, "b:<tag>" presses a button, "t:<c>" types a character into the edit with the popup closed
  // (the edit's own rules run on what passes), "p:<c>" types it into the open popup.
  void Step(const std::string& s) {
    if (s[0] == 'n') {
      engine.StartNewNumber();
    } else if (s[0] == 's') {
      model.SelectAll();
    } else if (s[0] == 'b') {
      engine.ButtonAction(std::stoi(s.substr(2)));
    } else {
      TKeyChar k = static_cast<TKeyChar>(s[2]);
      if (s.substr(2) == "CR") k = 13;
      if (s.substr(2) == "BS") k = 8;
      const bool popup = s[0] == 'p';
      if (engine.EditChar(k, !popup) && k != 0) model.KeyChar(k, false);
      if (popup) last = engine.PopupChar(k == 0 ? static_cast<TKeyChar>(s[2]) : k, false);
    }
  }
  TCalcPopupAction last = TCalcPopupAction::None;
};

struct Sequence {
  const char* name;
  std::vector<std::pair<std::string, std::string>> steps;  // step, text after it
};

TEST(CalculatorEngineTest, SequencesLeaveTheExpectedText) {
  const std::vector<Sequence> table = {
      {"add", {{"b:5", "5.00"}, {"b:10", "5.00"}, {"b:3", "3.00"}, {"b:17", "8.00"}}},
      {"operator twice re-applies", {{"b:5", "5.00"}, {"b:10", "5.00"}, {"b:10", "10.00"}}},
      {"chain", {{"b:2", "2.00"}, {"b:12", "2.00"}, {"b:3", "3.00"}, {"b:11", "6.00"}, {"b:1", "1.00"}, {"b:17", "5.00"}}},
      {"percent then equals",
       {{"b:2", "2.00"}, {"b:0", "20.00"}, {"b:0", "200.00"}, {"b:10", "200.00"}, {"b:1", "1.00"},
        {"b:0", "10.00"}, {"b:18", "20.00"}, {"b:17", "220.00"}}},
      {"divide by zero and recovery",
       {{"b:9", "9.00"}, {"b:13", "9.00"}, {"b:0", "0.00"}, {"b:17", "Error"}, {"b:4", "4.00"}, {"b:10", "4.00"},
        {"b:1", "1.00"}, {"b:17", "5.00"}}},
      {"operator after error", {{"b:37", "0.00"}, {"b:11", "0.00"}, {"b:1", "1.00"}, {"b:11", "-1.00"}}},
      {"decimals keep precision",
       {{"b:1", "1.00"}, {"b:10", "1.00"}, {"b:15", "0.00"}, {"b:5", "0.50"}, {"b:7", "0.57"}, {"b:3", "0.57"}}},
      {"back drops the last shortest digit", {{"b:1", "1.00"}, {"b:2", "12.00"}, {"b:15", "12.00"}, {"b:5", "12.50"}, {"b:31", "12.00"}, {"b:31", "1.00"}}},
      {"back waits while an operator is pending", {{"b:4", "4.00"}, {"b:2", "42.00"}, {"b:10", "42.00"}, {"b:31", "42.00"}}},
      {"sign", {{"b:7", "7.00"}, {"b:14", "-7.00"}, {"b:14", "7.00"}}},
      {"sqrt and reciprocal", {{"b:9", "9.00"}, {"b:37", "3.00"}, {"b:38", "0.33"}, {"b:32", "0.00"}, {"b:38", "Error"}}},
      {"negative sqrt", {{"b:4", "4.00"}, {"b:14", "-4.00"}, {"b:37", "Error"}, {"b:16", "0.00"}}},
      {"memory",
       {{"b:6", "6.00"}, {"b:35", "6.00"}, {"b:16", "0.00"}, {"b:2", "2.00"}, {"b:36", "2.00"}, {"b:32", "0.00"},
        {"b:34", "8.00"}, {"b:33", "8.00"}, {"b:34", "0.00"}}},
      {"typed operators before the popup was shown",
       {{"s:", "0.00"}, {"t:5", "5"}, {"t:+", "5.00"}, {"t:3", "3"}, {"t:x", "3"}, {"t:=", "8.00"}, {"t:c", "0.00"}}},
      {"typed subtract does not also negate", {{"s:", "0.00"}, {"t:9", "9"}, {"t:-", "9.00"}, {"t:4", "4"}, {"t:CR", "5.00"}}},
      {"typed backspace on one character", {{"s:", "0.00"}, {"t:7", "7"}, {"t:BS", "0"}}},
      {"popup keys", {{"n:", "0.00"}, {"p:4", "4."}, {"p:*", "4.00"}, {"p:2", "2."}, {"p:=", "8.00"}, {"p:C", "0.00"}}},
  };
  for (const Sequence& seq : table) {
    Calc c;
    for (const auto& [step, text] : seq.steps) {
      c.Step(step);
      EXPECT_EQ(c.model.Text(), text) << seq.name << " after " << step;
    }
  }
}

TEST(CalculatorEngineTest, StateAfterErrorsAndRefusals) {
  {  // Division by zero clears the accumulator.
    Calc c;
    for (int t : {9, ctDivide, 0, ctEquals}) c.engine.ButtonAction(t);
    EXPECT_EQ(c.engine.Accumulator(), 0);
    EXPECT_EQ(c.engine.PendingOp(), -1);
  }
  {  // An operator on a lone "-" changes nothing and raises nothing.
    Calc c;
    for (int t : {7, ctAdd}) c.engine.ButtonAction(t);
    c.model.SetTextDirect("-");
    c.model.SetModified(false);
    for (int t : {ctAdd, ctMultiply, ctEquals, ctPercent, ctMemoryStore}) {
      c.engine.ButtonAction(t);
      EXPECT_EQ(c.model.Text(), "-") << t;
      EXPECT_EQ(c.engine.Accumulator(), 7) << t;
      EXPECT_EQ(c.engine.PendingOp(), 0) << t;
      EXPECT_EQ(c.engine.Memory(), 0) << t;
      EXPECT_FALSE(c.model.IsModified()) << t;
    }
  }
  {  // At MaxLength digits, sign and point do nothing and leave the edit unmodified.
    Calc c;
    c.model.SetPrecision(0);
    c.model.SetText("1234");
    c.maxLength = 4;
    for (int t : {5, ctSign, ctPoint}) {
      c.engine.ButtonAction(t);
      EXPECT_EQ(c.model.Text(), "1234") << t;
      EXPECT_FALSE(c.model.IsModified()) << t;
    }
    c.engine.ButtonAction(ctClear);
    EXPECT_EQ(c.model.Text(), "0");
    EXPECT_TRUE(c.model.IsModified());
  }
  {  // Thousand separators are read back as the number they group; MS keeps it.
    Calc c;
    c.model.SetEditType(etMoney);
    c.engine.SetValue(1234.5);
    EXPECT_EQ(c.model.Text(), "1,234.50");
    c.engine.ButtonAction(ctMemoryStore);
    EXPECT_EQ(c.engine.Memory(), 1234.5);
    EXPECT_EQ(c.engine.Value(), 1234.5);
  }
}

TEST(CalculatorEngineTest, PopupKeysCloseAndEdit) {
  Calc c;
  c.engine.StartNewNumber();
  EXPECT_EQ(c.engine.PopupChar(27, false), TCalcPopupAction::CloseCancel);
  EXPECT_EQ(c.engine.PopupChar('&', true), TCalcPopupAction::CloseCancel);
  EXPECT_EQ(c.engine.PopupChar('&', false), TCalcPopupAction::None);
  EXPECT_EQ(c.engine.PopupKeyDown(VK_TAB), TCalcPopupAction::CloseKeep);
  EXPECT_EQ(c.engine.PopupKeyDown(VK_F4), TCalcPopupAction::CloseKeep);
  c.model.SetText("Error");
  c.engine.PopupKeyDown(VK_BACK);
  EXPECT_EQ(c.model.Text(), "0.00");
  c.model.SetTextDirect("7");
  c.engine.PopupKeyDown(VK_BACK);
  EXPECT_EQ(c.model.Text(), "0.00");
  for (int t : {3, ctAdd, 4}) c.engine.ButtonAction(t);
  EXPECT_EQ(c.engine.PopupChar(13, false), TCalcPopupAction::CloseKeep);
  EXPECT_EQ(c.model.Text(), "7.00");
  c.model.SetText("");
  c.engine.EditKeyDown(VK_DELETE);
  EXPECT_EQ(c.model.Text(), "0.00");
}

TEST(CalculatorEngineTest, KeypadGeometry) {
  const auto& defs = CalculatorButtonDefs();
  ASSERT_EQ(defs.size(), 28u);
  // Area 214 x 134: w = 34, h = 26.
  const std::vector<TRect> r = CalculatorButtonRects(TRect{8, 8, 222, 142});
  ASSERT_EQ(r.size(), 28u);
  auto at = [&](const char* caption) {
    for (size_t i = 0; i < defs.size(); ++i)
      if (std::string(defs[i].Caption) == caption && (caption[0] || i == 0)) return r[i];
    return TRect{};
  };
  EXPECT_EQ(r[0], (TRect{8, 8, 42, 34}));
  EXPECT_EQ(at("MC"), (TRect{8, 38, 42, 64}));  // blocks 4 apart
  EXPECT_EQ(at("MR"), (TRect{8, 63, 42, 89}));  // shared border inside a block
  EXPECT_EQ(at("7"), (TRect{46, 38, 80, 64}));
  EXPECT_EQ(at("8"), (TRect{79, 38, 113, 64}));
  EXPECT_EQ(at("/"), (TRect{150, 38, 184, 64}));
  EXPECT_EQ(at("="), (TRect{183, 113, 217, 139}));
  EXPECT_EQ(at("+/-"), (TRect{79, 113, 113, 139}));
  // Back, CE and C share the top row from the digit block's left to the right block's right.
  const int l = (183 + 34 - 46 - 8) / 3;
  EXPECT_EQ(at("Back"), (TRect{46, 8, 46 + l, 34}));
  EXPECT_EQ(at("CE"), (TRect{46 + l + 4, 8, 46 + 2 * l + 4, 34}));
  EXPECT_EQ(at("C"), (TRect{46 + 2 * l + 8, 8, 217, 34}));
  int tags = 0;
  for (const auto& d : defs) tags += d.Tag;
  EXPECT_EQ(tags, 45 + 10 + 11 + 12 + 13 + 14 + 15 + 16 + 17 + 18 + 30 + 31 + 32 + 33 + 34 + 35 + 36 + 37 + 38);
}

}  // namespace
}  // namespace hd
