#include "platform/mask_edit.h"

#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

std::u32string Chars(const std::string& s) { return Utf8ToCodePoints(s); }
std::string Utf8(const std::u32string& s) { return CodePointsToUtf8(s); }

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const std::string& mask) {
  if (mask == mask_.Mask()) return;
  std::u32string value = IsMasked() ? mask_.ValueOf(Chars(EditText())) : Chars(EditText());
  mask_ = TEditMask(mask);
  std::string shown = Utf8(IsMasked() ? mask_.EditTextFromRaw(value) : value);
  text_ = old_value_ = shown;
  TCustomEdit::NativeSetText(shown);
  if (IsMasked()) SetMaxLength(mask_.Size());
  CheckCursor();
}

void TCustomMaskEdit::SetEditText(const std::string& text) {
  std::string shown = IsMasked() ? Utf8(mask_.Normalized(Chars(text))) : text;
  if (shown == EditText()) return;
  text_ = old_value_ = shown;
  TCustomEdit::NativeSetText(shown);
  TextChanged();
  Perform(CM_TEXTCHANGED);
  CheckCursor();
}

std::string TCustomMaskEdit::Text() const {
  if (!IsMasked()) return TCustomEdit::Text();
  return Utf8(mask_.TextOf(Chars(EditText())));
}

void TCustomMaskEdit::NativeSetText(const std::string& text) {
  // The window holds the text as shown; code sets it through the mask.
  std::string shown = IsMasked() ? Utf8(mask_.EditTextOf(Chars(text))) : text;
  text_ = old_value_ = shown;
  TCustomEdit::NativeSetText(shown);
}

void TCustomMaskEdit::EditMasked(const std::function<void(TMaskedText&)>& edit) {
  TMaskedText m(mask_);
  std::u32string before = Chars(EditText());
  m.SetEditText(before);
  m.SelectRange(SelAnchor(), SelCaret());
  edit(m);
  if (m.EditText() != before) ReplaceText(Utf8(m.EditText()));
  SelectRange(m.Anchor(), m.Caret());
}

void TCustomMaskEdit::CheckCursor() {
  if (!IsMasked() || !HandleAllocated() || SelLength() > 1) return;
  EditMasked([](TMaskedText& m) { m.SetCursor(m.SelStart()); });
}

void TCustomMaskEdit::KeyDown(WORD& key, TShiftState shift) {
  TCustomEdit::KeyDown(key, shift);
  if (!IsMasked() || key == 0 || shift.Contains(ssAlt)) return;
  bool extend = shift.Contains(ssShift);
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
      if (shift.Contains(ssCtrl)) return;
      EditMasked([&](TMaskedText& m) { key == VK_LEFT ? m.MoveLeft(extend) : m.MoveRight(extend); });
      break;
    case VK_HOME:
    case VK_END:
      EditMasked([&](TMaskedText& m) { key == VK_HOME ? m.MoveHome(extend) : m.MoveEnd(extend); });
      break;
    case VK_UP:
    case VK_DOWN:
      break;
    case VK_DELETE:
      // Shift+Delete cuts and Ctrl+Delete is the window's; plain Delete blanks.
      if (shift.Contains(ssShift) || shift.Contains(ssCtrl)) return;
      if (!ReadOnly()) EditMasked([](TMaskedText& m) { m.Delete(); });
      break;
    case VK_BACK:
      if (!ReadOnly()) EditMasked([](TMaskedText& m) { m.Backspace(); });
      break;
    default:
      return;
  }
  key = 0;
}

void TCustomMaskEdit::KeyPress(TKeyChar& key) {
  TCustomEdit::KeyPress(key);
  if (!IsMasked() || key == 0) return;
  // Select all and the clipboard keys go on to the window's handling.
  if (key == 1 || key == 3 || key == 22 || key == 24) return;
  if (key == 27) {
    Reset();
  } else if (key >= 32 && !ReadOnly()) {
    TKeyChar ch = key;
    bool taken = true;
    EditMasked([&](TMaskedText& m) { taken = m.TypeChar(ch); });
    if (!taken) MessageBeep(0);
  }
  key = 0;
}

void TCustomMaskEdit::Reset() {
  if (!IsMasked() || !Modified()) return;
  std::string old = old_value_;
  SetEditText(old);
  SetModified(false);
}

void TCustomMaskEdit::DoEnter() {
  if (IsMasked() && !re_enter_) old_value_ = EditText();
  re_enter_ = false;
  TCustomEdit::DoEnter();
  CheckCursor();
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked() || !Modified()) return;
  int missing = mask_.FirstIncomplete(Chars(EditText()));
  if (missing < 0) return;
  MessageBeep(0);
  if (!Focused() && CanFocus()) {
    re_enter_ = true;
    SetFocus();
  }
  EditMasked([missing](TMaskedText& m) { m.SetCursor(missing); });
  throw EDBEditError("Invalid input value");
}

void TCustomMaskEdit::Dispatch(TMessage& m) {
  // Leaving checks the text first; a failed check takes the focus back, and its error reaches
  // the user from the message's delivery.
  if (m.Msg == CM_EXIT && IsMasked()) {
    ValidateEdit();
    CheckCursor();
  }
  TCustomEdit::Dispatch(m);
}

void TCustomMaskEdit::DefaultHandler(TMessage& m) {
  if (!IsMasked()) {
    TCustomEdit::DefaultHandler(m);
    return;
  }
  switch (m.Msg) {
    case WM_PASTE:
      if (!ReadOnly()) {
        bool all = true;
        EditMasked([&](TMaskedText& t) { all = t.Paste(Chars(FirstLine(Clipboard().AsText()))); });
        if (!all) MessageBeep(0);
      }
      return;
    case WM_CUT:
      if (ReadOnly()) return;
      Perform(WM_COPY);
      EditMasked([](TMaskedText& t) { t.Delete(); });
      return;
    case WM_CLEAR:
      if (!ReadOnly()) EditMasked([](TMaskedText& t) { t.Delete(); });
      return;
    case WM_LBUTTONUP:
      // A click leaves the caret on the nearest place.
      TCustomEdit::DefaultHandler(m);
      CheckCursor();
      return;
    default:
      TCustomEdit::DefaultHandler(m);
  }
}

}  // namespace hd
