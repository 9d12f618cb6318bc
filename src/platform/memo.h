// The memo: an edit of several lines, with the lines as a list, wrapping, alignment, scroll
// bars, and whether Return and Tab type into it or go to the window.
#pragma once

#include <memory>

#include "platform/std_ctrls.h"

namespace hd {

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;
  const char* ClassName() const override { return "TMemo"; }

  // The text's lines (a wrapped line stays one). Changes show at once, and what the user
  // types shows here; the text is the lines each followed by CR LF.
  TStringList& Lines();
  void SetLines(const TStringList& lines) { Lines().Assign(lines); }
  // Styles the window takes when it is made: changing them makes it again, keeping the text,
  // the selection and the focus.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle s);
  // Whether Return and Tab type into the memo rather than reach the window's buttons and
  // focus order (WM_GETDLGCODE).
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool v) { want_returns_ = v; }
  bool WantTabs() const { return want_tabs_; }
  void SetWantTabs(bool v) { want_tabs_ = v; }

  void DefaultHandler(TMessage& m) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyPress(TKeyChar& key) override;
  void Change() override;
  void TextChanged() override;

 private:
  void LinesFromText();
  void StyleChanged();

  std::unique_ptr<TControlItems> lines_;
  bool syncing_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool word_wrap_ = true;
  TScrollStyle scroll_bars_ = ssNone;
  bool want_returns_ = true;
  bool want_tabs_ = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace hd
