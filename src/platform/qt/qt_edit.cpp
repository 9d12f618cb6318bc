// The native side of the edit: a line edit whose typing, clipboard and selection go through
// the edit's messages.
#include <QLineEdit>

#include "platform/clipboard.h"
#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"
#include "platform/sysutils.h"

namespace hd {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  auto* edit = new QLineEdit;
  edit->setMaxLength(32767);
  // Drag and drop and undo of the native widget stay; its own key handling only sees what
  // the layer forwards.
  TNativeWindow* n = MakeNative(this, edit);
  AttachNative(n);
  SetBounds(0, 0, 121, 21);
  QObject::connect(edit, &QLineEdit::textChanged, [this, n](const QString&) {
    if (n->updating == 0) modified_ = true;
    NotifyParent(this, EN_CHANGE);
  });
}

std::string TCustomEdit::Text() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  return edit ? FromQString(edit->text()) : text_;
}

void TCustomEdit::NativeSetText(const std::string& text) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return;
  TNativeUpdate guard(Native());
  edit->setText(ToQString(text));
  modified_ = false;
}

void TCustomEdit::NativeSetColor() {
  TWinControl::NativeSetColor();
  if (auto* edit = WidgetOf<QLineEdit>(this)) SetBaseColor(edit, Color());
}

void TCustomEdit::SetReadOnly(bool v) {
  read_only_ = v;
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->setReadOnly(v);
}

void TCustomEdit::SetPasswordChar(TKeyChar c) {
  password_char_ = c;
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TCustomEdit::SetCharCase(TEditCharCase c) { char_case_ = c; }

void TCustomEdit::SetBorderStyle(TBorderStyle s) {
  border_style_ = s;
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->setFrame(s != bsNone);
}

int TCustomEdit::SelStart() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  return edit ? LineSelStart(edit) : 0;
}

void TCustomEdit::SetSelStart(int pos) {
  if (auto* edit = WidgetOf<QLineEdit>(this)) SetLineSelStart(edit, pos);
}

int TCustomEdit::SelLength() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  return edit ? LineSelLength(edit) : 0;
}

void TCustomEdit::SetSelLength(int len) {
  if (auto* edit = WidgetOf<QLineEdit>(this)) SetLineSelLength(edit, len);
}

std::string TCustomEdit::SelText() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  return edit ? FromQString(edit->selectedText()) : std::string();
}

void TCustomEdit::SetSelText(const std::string& text) {
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->insert(ToQString(text));
}

void TCustomEdit::SelectAll() {
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->selectAll();
}

void TCustomEdit::ClearSelection() {
  if (auto* edit = WidgetOf<QLineEdit>(this); edit && edit->hasSelectedText() && !read_only_) edit->del();
}

void TCustomEdit::CopyToClipboard() { Perform(WM_COPY); }
void TCustomEdit::CutToClipboard() { Perform(WM_CUT); }
void TCustomEdit::PasteFromClipboard() { Perform(WM_PASTE); }
void TCustomEdit::Undo() { Perform(WM_UNDO); }

void TCustomEdit::InsertTyped(const std::string& text) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit || read_only_) return;
  std::string add = FittingText(CasedText(text, char_case_), Utf8Length(FromQString(edit->text())),
                                Utf8Length(FromQString(edit->selectedText())), max_length_);
  if (!add.empty()) edit->insert(ToQString(add));
}

void TCustomEdit::DefaultHandler(TMessage& m) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return;
  switch (m.Msg) {
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
      return;
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(m.WParam);
      switch (ch) {
        case 8: if (!read_only_) edit->backspace(); return;
        case 1: edit->selectAll(); return;
        case 3: Perform(WM_COPY); return;
        case 22: Perform(WM_PASTE); return;
        case 24: Perform(WM_CUT); return;
        case 26: Perform(WM_UNDO); return;
        default: break;
      }
      if (ch >= 32 && ch != 127) InsertTyped(FromQString(CharText(ch)));
      return;
    }
    case WM_COPY:
      if (edit->hasSelectedText() && edit->echoMode() == QLineEdit::Normal) Clipboard().SetAsText(SelText());
      return;
    case WM_CUT:
      if (read_only_ || !edit->hasSelectedText()) return;
      Perform(WM_COPY);
      edit->del();
      return;
    case WM_CLEAR: if (!read_only_) edit->del(); return;
    case WM_UNDO: if (!read_only_) edit->undo(); return;
    case WM_PASTE:
      InsertTyped(FirstLine(Clipboard().AsText()));
      return;
    case EM_GETSEL: {
      int start = SelStart();
      m.Result = MAKELPARAM(start, start + SelLength());
      return;
    }
    case EM_SETSEL:
      SetLineSelRange(edit, static_cast<int>(static_cast<std::intptr_t>(m.WParam)), static_cast<int>(m.LParam));
      return;
    case WM_KEYDOWN:
      // The platform's edit answers these clipboard keys through its own messages, so that a
      // paste keeps to MaxLength and the first line; the widget's own bindings would not.
      if (int msg = ClipboardKeyMessage(static_cast<int>(m.WParam), KeyDataToShiftState(m.LParam))) {
        Perform(static_cast<UINT>(msg));
        return;
      }
      NativeDefault(this, m, false);
      return;
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(m.WParam)); return;
    case EM_SETREADONLY: SetReadOnly(m.WParam != 0); m.Result = 1; return;
    case EM_SETPASSWORDCHAR: SetPasswordChar(static_cast<TKeyChar>(m.WParam)); return;
    case EM_LINEFROMCHAR: m.Result = 0; return;
    case EM_CHARFROMPOS: {
      int pos = edit->cursorPositionAt(QPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
      m.Result = CharsBefore(edit->text(), pos);
      return;
    }
    default:
      NativeDefault(this, m, false);
  }
}

}  // namespace hd
