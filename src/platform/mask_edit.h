// The masked edit: an edit whose text follows an edit mask (see edit_mask.h). The user types
// into the mask's places only; the caret skips its literals and rests on a one-character
// block. Text reads the text through the mask, EditText as it is shown.
#pragma once

#include <string>

#include "platform/edit_mask.h"
#include "platform/std_ctrls.h"

namespace hd {

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* owner);
  const char* ClassName() const override { return "TMaskEdit"; }

  // A new mask carries the typed characters over into the new places.
  const std::string& EditMask() const { return mask_.Mask(); }
  void SetEditMask(const std::string& mask);
  bool IsMasked() const { return mask_.IsMasked(); }
  // The text as shown: literals and blanks in place (a text set here gets the mask's literals).
  std::string EditText() const { return TCustomEdit::Text(); }
  void SetEditText(const std::string& text);
  // Through the mask: with save literals the shown text with blanks as spaces, else the typed
  // characters. Set by code, the text is placed into the mask.
  std::string Text() const override;
  // Checks a text the user changed: a required place left empty beeps, puts the caret there
  // with the focus back in the edit and raises EDBEditError "Invalid input value".
  virtual void ValidateEdit();
  // Puts back the text the edit had when it got the focus or code last set it (Escape does
  // this).
  void Reset();

  void Dispatch(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(TKeyChar& key) override;
  void DoEnter() override;
  void NativeSetText(const std::string& text) override;
  // The caret onto an input place, unless more than one character is selected.
  void CheckCursor();

 private:
  // Applies an edit of the masked text (keys, clipboard) to the window.
  void EditMasked(const std::function<void(TMaskedText&)>& edit);

  TEditMask mask_;
  std::string old_value_;
  // The focus came back after a failed check: the text to go back to stays.
  bool re_enter_ = false;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace hd
