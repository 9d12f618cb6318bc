// The native side of the edit: a line edit, or a plain text edit for ES_MULTILINE, whose
// typing, clipboard and selection go through the edit's messages.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/clipboard.h"
#include "platform/qt/qt_edit_box.h"
#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

// The edit's box, its window made first when it has none yet.
QtEditBox* BoxNeeded(const TCustomEdit* edit) {
  auto* self = const_cast<TCustomEdit*>(edit);
  if (!self->HandleAllocated() && !self->Destroying()) self->HandleNeeded();
  return EditBoxOf(edit);
}

bool NeedsWindow(UINT msg) {
  return (msg >= EM_GETSEL && msg <= EM_CHARFROMPOS) || msg == WM_CHAR ||
         (msg >= WM_CUT && msg <= WM_UNDO);
}

int WParamInt(const TMessage& m) { return static_cast<int>(static_cast<std::intptr_t>(m.WParam)); }

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (border_style_ == bsSingle) params.Style |= WS_BORDER;
  if (read_only_) params.Style |= ES_READONLY;
  if (password_char_) params.Style |= ES_PASSWORD;
  if (char_case_ == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (char_case_ == ecLowerCase) params.Style |= ES_LOWERCASE;
}

unsigned TCustomEdit::EditStyle() const {
  if (EditBoxOf(this)) return window_style_;
  TCreateParams params;
  const_cast<TCustomEdit*>(this)->CreateParams(params);
  return params.Style;
}

TNativeWindow* TCustomEdit::CreateNativeWindow() {
  TCreateParams params;
  CreateParams(params);
  window_style_ = params.Style;
  QtEditBoxStyle style;
  style.multiline = params.Style & ES_MULTILINE;
  style.password = (params.Style & ES_PASSWORD) && !style.multiline;
  style.wordWrap = style.multiline && !(params.Style & ES_AUTOHSCROLL);
  style.alignment = (params.Style & ES_RIGHT) ? taRightJustify : (params.Style & ES_CENTER) ? taCenter : taLeftJustify;
  style.horzBar = params.Style & WS_HSCROLL;
  style.vertBar = params.Style & WS_VSCROLL;
  QtEditBox* box = MakeEditBox(style);
  // Drag and drop and undo of the native widget stay; its own key handling only sees what
  // the layer forwards.
  TNativeWindow* n = MakeNative(this, box->Widget());
  if (auto* area = dynamic_cast<QAbstractScrollArea*>(box->Widget())) {
    FilterSubWidget(n, area->viewport());
    n->mouse_target = area->viewport();
  }
  auto changed = [this, n] {
    if (n->updating == 0) modified_ = true;
    NotifyParent(this, EN_CHANGE);
  };
  if (auto* line = dynamic_cast<QLineEdit*>(box->Widget()))
    QObject::connect(line, &QLineEdit::textChanged, changed);
  else if (auto* text = dynamic_cast<QPlainTextEdit*>(box->Widget()))
    QObject::connect(text, &QPlainTextEdit::textChanged, changed);
  return n;
}

void TCustomEdit::CreateWnd() {
  // Handing the new window the text would reset these.
  bool modified = modified_;
  int anchor = kept_anchor_, caret = kept_caret_;
  TWinControl::CreateWnd();
  QtEditBox* box = EditBoxOf(this);
  if (!box) return;
  TNativeUpdate guard(Native());
  box->SetReadOnly(read_only_);
  box->SetFrame(border_style_ != bsNone);
  box->Select(anchor, caret);
  modified_ = modified;
}

void TCustomEdit::DestroyWnd() {
  if (QtEditBox* box = EditBoxOf(this)) {
    text_ = box->Text();
    kept_anchor_ = box->Anchor();
    kept_caret_ = box->Caret();
  }
  TWinControl::DestroyWnd();
}

std::string TCustomEdit::Text() const {
  QtEditBox* box = EditBoxOf(this);
  return box ? box->Text() : text_;
}

void TCustomEdit::NativeSetText(const std::string& text) {
  kept_anchor_ = kept_caret_ = 0;
  QtEditBox* box = EditBoxOf(this);
  if (!box) return;
  TNativeUpdate guard(Native());
  box->SetText(text);
  // Text set by code leaves the caret at the start, as on the platform.
  box->Select(0, 0);
  modified_ = false;
}

void TCustomEdit::ReplaceText(const std::string& text) {
  if (QtEditBox* box = BoxNeeded(this)) box->SetText(text);
}

void TCustomEdit::NativeSetColor() {
  TWinControl::NativeSetColor();
  if (QtEditBox* box = EditBoxOf(this)) SetBaseColor(box->Widget(), Color());
}

void TCustomEdit::SetReadOnly(bool v) {
  read_only_ = v;
  if (QtEditBox* box = EditBoxOf(this)) box->SetReadOnly(v);
}

void TCustomEdit::SetPasswordChar(TKeyChar c) {
  if (c == password_char_) return;
  password_char_ = c;
  // The platform's edit shows its characters hidden or not from when its window is made.
  if (!(EditStyle() & ES_MULTILINE)) RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase c) { char_case_ = c; }

void TCustomEdit::SetBorderStyle(TBorderStyle s) {
  border_style_ = s;
  if (QtEditBox* box = EditBoxOf(this)) box->SetFrame(s != bsNone);
}

int TCustomEdit::SelAnchor() const {
  QtEditBox* box = BoxNeeded(this);
  return box ? box->Anchor() : kept_anchor_;
}

int TCustomEdit::SelCaret() const {
  QtEditBox* box = BoxNeeded(this);
  return box ? box->Caret() : kept_caret_;
}

void TCustomEdit::SelectRange(int anchor, int caret) {
  if (QtEditBox* box = BoxNeeded(this)) box->Select(anchor, caret);
}

int TCustomEdit::SelStart() const { return std::min(SelAnchor(), SelCaret()); }

void TCustomEdit::SetSelStart(int pos) {
  pos = std::max(pos, 0);
  SelectRange(pos, pos);
}

int TCustomEdit::SelLength() const { return std::abs(SelCaret() - SelAnchor()); }

void TCustomEdit::SetSelLength(int len) {
  int start = SelStart();
  SelectRange(start, start + std::max(len, 0));
}

std::string TCustomEdit::SelText() const {
  QtEditBox* box = BoxNeeded(this);
  return box ? box->SelectedText() : std::string();
}

void TCustomEdit::SetSelText(const std::string& text) {
  if (QtEditBox* box = BoxNeeded(this)) box->Insert(text);
}

void TCustomEdit::SelectAll() {
  if (QtEditBox* box = BoxNeeded(this)) box->Select(0, box->Length());
}

void TCustomEdit::ClearSelection() {
  if (QtEditBox* box = BoxNeeded(this); box && box->Anchor() != box->Caret() && !read_only_) box->DeleteSelection();
}

void TCustomEdit::CopyToClipboard() { Perform(WM_COPY); }
void TCustomEdit::CutToClipboard() { Perform(WM_CUT); }
void TCustomEdit::PasteFromClipboard() { Perform(WM_PASTE); }
void TCustomEdit::Undo() { Perform(WM_UNDO); }

void TCustomEdit::InsertTyped(const std::string& text) {
  QtEditBox* box = BoxNeeded(this);
  if (!box || read_only_) return;
  std::string add = FittingText(CasedText(text, char_case_), box->Length(), std::abs(box->Caret() - box->Anchor()), max_length_);
  if (!add.empty()) box->Insert(add);
}

void TCustomEdit::DefaultHandler(TMessage& m) {
  bool multiline = EditStyle() & ES_MULTILINE;
  if (m.Msg == WM_GETDLGCODE) {
    // A multi-line edit takes Return and Escape too; Tab only when a descendant asks for it.
    m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | (multiline ? DLGC_WANTALLKEYS : 0);
    return;
  }
  QtEditBox* box = NeedsWindow(m.Msg) ? BoxNeeded(this) : EditBoxOf(this);
  if (!box) return;
  bool hasSelection = box->Anchor() != box->Caret();
  switch (m.Msg) {
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(m.WParam);
      switch (ch) {
        case 8: if (!read_only_) box->DeleteBack(); return;
        case 1: SelectAll(); return;
        case 3: Perform(WM_COPY); return;
        case 22: Perform(WM_PASTE); return;
        case 24: Perform(WM_CUT); return;
        case 26: Perform(WM_UNDO); return;
        // Return (and Ctrl+Return's line feed) and Tab type into several lines only.
        case 10: case 13: if (multiline) InsertTyped("\r\n"); return;
        case 9: if (multiline) InsertTyped("\t"); return;
        default: break;
      }
      if (ch >= 32 && ch != 127) InsertTyped(FromQString(CharText(ch)));
      return;
    }
    case WM_COPY:
      if (hasSelection && !(EditStyle() & ES_PASSWORD)) Clipboard().SetAsText(box->SelectedText());
      return;
    case WM_CUT:
      if (read_only_ || !hasSelection) return;
      Perform(WM_COPY);
      box->DeleteSelection();
      return;
    case WM_CLEAR: if (!read_only_) box->DeleteSelection(); return;
    case WM_UNDO: if (!read_only_) box->Undo(); return;
    case WM_PASTE:
      InsertTyped(multiline ? Clipboard().AsText() : FirstLine(Clipboard().AsText()));
      return;
    case EM_GETSEL: {
      int start = SelStart();
      m.Result = MAKELPARAM(start, start + SelLength());
      return;
    }
    case EM_SETSEL: {
      // The caret goes to the second position; -1 first removes the selection, -1 second
      // reaches the end.
      int from = WParamInt(m), to = static_cast<int>(m.LParam), len = box->Length();
      if (from < 0) {
        box->Select(box->Caret(), box->Caret());
        return;
      }
      if (to < 0 || to > len) to = len;
      box->Select(std::min(from, len), to);
      return;
    }
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
    case EM_GETLINECOUNT: m.Result = box->LineCount(); return;
    case EM_LINEFROMCHAR:
      // -1: the line of the selection's start.
      m.Result = box->LineFromChar(WParamInt(m) < 0 ? std::min(box->Anchor(), box->Caret()) : WParamInt(m));
      return;
    case EM_LINEINDEX:
      m.Result = box->LineIndex(WParamInt(m) < 0 ? box->LineFromChar(box->Caret()) : WParamInt(m));
      return;
    case EM_POSFROMCHAR: {
      std::optional<TPoint> at = box->PosFromChar(WParamInt(m));
      m.Result = at ? MAKELPARAM(at->X, at->Y) : -1;
      return;
    }
    case EM_CHARFROMPOS: {
      int index = box->CharFromPos({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      m.Result = MAKELPARAM(index, box->LineFromChar(index));
      return;
    }
    case EM_GETRECT:
      if (auto* r = reinterpret_cast<TRect*>(m.LParam)) *r = box->FormatRect();
      return;
    case EM_SETRECT:
    case EM_SETRECTNP:
      if (auto* r = reinterpret_cast<const TRect*>(m.LParam)) box->SetFormatRect(*r);
      if (m.Msg == EM_SETRECT) box->Widget()->update();
      return;
    case EM_SCROLLCARET: box->ScrollCaret(); m.Result = 1; return;
    default:
      NativeDefault(this, m, false);
  }
}

}  // namespace hd
