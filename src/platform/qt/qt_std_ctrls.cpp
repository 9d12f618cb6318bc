// The native handling shared by the standard controls.
#include "platform/qt/qt_std_ctrls_p.h"

#include <algorithm>

#include "platform/qt/qt_native.h"

namespace hd {
namespace {

// A press takes the focus, as the native controls do, before the widget sees it.
void TakeFocusOnPress(TWinControl* c, const TMessage& m) {
  if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && !c->Focused() && c->CanFocus()) c->SetFocus();
}

}  // namespace

int CharsBefore(const QString& text, int units) {
  units = std::clamp(units, 0, static_cast<int>(text.size()));
  int chars = 0;
  for (int i = 0; i < units; ++i)
    if (!text.at(i).isLowSurrogate()) ++chars;
  return chars;
}

int UnitsOf(const QString& text, int chars) {
  int units = 0, counted = 0;
  while (units < text.size() && counted < chars) {
    units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    ++counted;
  }
  return units;
}

QString CharText(TKeyChar ch) {
  char32_t c = ch;
  return QString::fromUcs4(&c, 1);
}

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

int ClipboardKeyMessage(int vk, TShiftState shift) {
  if (vk == VK_INSERT && shift == TShiftState{ssShift}) return WM_PASTE;
  if (vk == VK_INSERT && shift == TShiftState{ssCtrl}) return WM_COPY;
  if (vk == VK_DELETE && shift == TShiftState{ssShift}) return WM_CUT;
  return 0;
}

bool YieldsChar(const TMessage& m) {
  return CharFromVirtualKey(static_cast<int>(m.WParam), KeyDataToShiftState(m.LParam)).has_value();
}

void NativeDefault(TWinControl* c, TMessage& m, bool forwardCharKeys) {
  TNativeWindow* n = c->Native();
  if (IsMouseMessage(m.Msg)) {
    HWND self = c->Handle();
    TakeFocusOnPress(c, m);
    if (IsWindow(self)) ForwardMouse(c->Native(), m);
    return;
  }
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (forwardCharKeys || !YieldsChar(m)) ForwardKey(n, m);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      ForwardKey(n, m);
      break;
    case WM_MOUSEWHEEL:
      ForwardWheel(n, m);
      break;
    default:
      break;
  }
}

void SetBaseColor(QWidget* w, TColor color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, ToQColor(color));
  w->setPalette(p);
}

int LineSelStart(const QLineEdit* edit) {
  int pos = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  return CharsBefore(edit->text(), pos);
}

int LineSelLength(const QLineEdit* edit) {
  if (!edit->hasSelectedText()) return 0;
  QString t = edit->text();
  int start = edit->selectionStart();
  return CharsBefore(t, start + static_cast<int>(edit->selectedText().size())) - CharsBefore(t, start);
}

void SetLineSelStart(QLineEdit* edit, int pos) {
  edit->deselect();
  edit->setCursorPosition(UnitsOf(edit->text(), std::max(pos, 0)));
}

void SetLineSelLength(QLineEdit* edit, int len) {
  QString t = edit->text();
  int start = LineSelStart(edit);
  int from = UnitsOf(t, start), to = UnitsOf(t, start + std::max(len, 0));
  edit->setSelection(from, to - from);
}

void SetLineSelRange(QLineEdit* edit, int from, int to) {
  int len = CharsBefore(edit->text(), static_cast<int>(edit->text().size()));
  if (from < 0) {
    edit->deselect();
    return;
  }
  if (to < 0 || to > len) to = len;
  SetLineSelStart(edit, std::min(from, to));
  SetLineSelLength(edit, std::abs(to - from));
}

}  // namespace hd
