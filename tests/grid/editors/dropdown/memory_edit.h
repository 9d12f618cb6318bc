// An in-memory one-line edit for the drop-down's typing rules, as the platform's behaves.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>

#include "grid/editors/dropdown/dropdown_text_model.h"
#include "platform/sysutils.h"

namespace hd::test {

// A one-line edit as the platform's behaves: typing replaces the selection, Backspace deletes,
// text set by code puts the caret at the start, and each change is reported.
class TMemoryEdit : public TDropDownEditHost {
 public:
  std::u32string text;
  int anchor = 0, caret = 0;
  bool modified = false, locked = false, ctrl = false;
  int changes = 0;
  TDropDownTextModel* model = nullptr;

  std::string EditText() const override { return CodePointsToUtf8(text); }
  void SetEditText(const std::string& t) override {
    std::u32string n = Utf8ToCodePoints(t);
    bool differs = n != text;
    text = n;
    anchor = caret = 0;
    if (differs) Notify();
  }
  int SelStart() const override { return std::min(anchor, caret); }
  int SelLength() const override { return std::abs(caret - anchor); }
  void SetSel(int s, int l) override {
    int n = static_cast<int>(text.size());
    anchor = std::clamp(s, 0, n);
    caret = std::clamp(s + l, 0, n);
  }
  void DefaultChar(TKeyChar k) override {
    int s = SelStart(), l = SelLength();
    if (k == 8) {
      if (l == 0) {
        if (s == 0) return;
        --s;
        l = 1;
      }
      text.erase(static_cast<size_t>(s), static_cast<size_t>(l));
    } else if (k >= 32) {
      text.replace(static_cast<size_t>(s), static_cast<size_t>(l), 1, k);
      ++s;
    } else {
      return;
    }
    anchor = caret = s;
    modified = true;
    Notify();
  }
  bool EditModified() const override { return modified; }
  void SetEditModified(bool v) override { modified = v; }
  bool ModifiedLocked() const override { return locked; }
  bool CtrlDown() const override { return ctrl; }
  void Change() override { ++changes; }
  void Notify() {
    if (model->ChangeNotified()) Change();
  }
};

}  // namespace hd::test
