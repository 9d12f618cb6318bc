// Keys: a Qt key event becomes key-state changes and the key messages of the platform.
#include <QKeyEvent>

#include "platform/forms.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

struct KeyPair {
  int qt;
  int vk;
};

// Keys whose virtual-key code does not depend on the keypad.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Print, VK_SNAPSHOT}, {Qt::Key_Home, VK_HOME}, {Qt::Key_End, VK_END}, {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN}, {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_Shift, VK_SHIFT}, {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU}, {Qt::Key_AltGr, VK_RMENU}, {Qt::Key_Meta, VK_LWIN}, {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Menu, VK_APPS},
    {Qt::Key_Space, VK_SPACE}, {Qt::Key_Help, VK_HELP}, {Qt::Key_Clear, VK_CLEAR},
    // US layout punctuation, shifted and plain.
    {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Colon, VK_OEM_1}, {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA}, {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Question, VK_OEM_2}, {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5}, {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// Keys that differ on the keypad.
struct KeypadKey {
  int qt;
  int main;
  int keypad;
};
constexpr KeypadKey kKeypadKeys[] = {
    {Qt::Key_Plus, VK_OEM_PLUS, VK_ADD},     {Qt::Key_Minus, VK_OEM_MINUS, VK_SUBTRACT},
    {Qt::Key_Period, VK_OEM_PERIOD, VK_DECIMAL}, {Qt::Key_Slash, VK_OEM_2, VK_DIVIDE},
    {Qt::Key_Asterisk, '8', VK_MULTIPLY},
};

// A key this table does not know but which types a character.
constexpr int VK_OEM_8 = 0xDF;

int g_modifier_vks[][3] = {{VK_SHIFT, VK_LSHIFT, 0}, {VK_CONTROL, VK_LCONTROL, 0}, {VK_MENU, VK_LMENU, 0}};

// The platform reports AltGr as the right Alt key held together with Control; the state table
// keeps it so while AltGr is down.
bool AltGrHeld() { return GetKeyState(VK_RMENU) < 0; }

Qt::KeyboardModifiers EffectiveModifiers(const QKeyEvent* e) {
  Qt::KeyboardModifiers mods = e->modifiers();
  if (AltGrHeld()) mods |= Qt::ControlModifier | Qt::AltModifier;
  return mods;
}

void SyncModifiers(Qt::KeyboardModifiers mods) {
  const Qt::KeyboardModifier flags[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
  for (int i = 0; i < 3; ++i) {
    bool down = mods.testFlag(flags[i]);
    if ((GetKeyState(g_modifier_vks[i][0]) < 0) != down) {
      SetKeyDown(g_modifier_vks[i][0], down);
      SetKeyDown(g_modifier_vks[i][1], down);
    }
  }
}

// The character the key yields, computed as the platform's keyboard translation does.
std::optional<char32_t> CharOf(const QKeyEvent* e, int vk) {
  Qt::KeyboardModifiers mods = EffectiveModifiers(e);
  bool ctrl = mods.testFlag(Qt::ControlModifier), alt = mods.testFlag(Qt::AltModifier);
  TShiftState shift;
  if (mods.testFlag(Qt::ShiftModifier)) shift.Include(ssShift);
  if (ctrl) shift.Include(ssCtrl);
  if (alt) shift.Include(ssAlt);
  if (ctrl && !alt) return CharFromVirtualKey(vk, shift);
  switch (vk) {
    case VK_RETURN: return U'\r';
    case VK_BACK: return U'\b';
    case VK_TAB: return U'\t';
    case VK_ESCAPE: return char32_t{27};
    default: break;
  }
  QString text = e->text();
  if (!text.isEmpty()) {
    char32_t c = text.toUcs4().value(0);
    if (c >= 32 && c != 127) return c;
  }
  if (alt && !ctrl) {
    shift.Exclude(ssAlt);
    return CharFromVirtualKey(vk, shift);
  }
  return std::nullopt;
}

}  // namespace

int VirtualKeyFromQt(int key, Qt::KeyboardModifiers mods, const QString& text) {
  bool keypad = mods.testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
  for (const auto& k : kKeypadKeys)
    if (k.qt == key) return keypad ? k.keypad : k.main;
  for (const auto& k : kKeys)
    if (k.qt == key) return k.vk;
  return text.isEmpty() ? 0 : VK_OEM_8;
}

int QtKeyFromVirtualKey(int vk) {
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return Qt::Key_0 + (vk - VK_NUMPAD0);
  if (vk >= VK_F1 && vk <= VK_F1 + 23) return Qt::Key_F1 + (vk - VK_F1);
  for (const auto& k : kKeypadKeys) {
    if (k.keypad == vk) return k.qt;
    if (k.main == vk && k.qt != Qt::Key_Asterisk) return k.qt;
  }
  switch (vk) {
    case VK_TAB: return Qt::Key_Tab;
    case VK_LSHIFT: case VK_RSHIFT: return Qt::Key_Shift;
    case VK_LCONTROL: case VK_RCONTROL: return Qt::Key_Control;
    case VK_LMENU: return Qt::Key_Alt;
    default: break;
  }
  for (const auto& k : kKeys)
    if (k.vk == vk) return k.qt;
  return 0;
}

Qt::KeyboardModifiers QtModifiers(TShiftState shift) {
  Qt::KeyboardModifiers m;
  if (shift.Contains(ssShift)) m |= Qt::ShiftModifier;
  if (shift.Contains(ssCtrl)) m |= Qt::ControlModifier;
  if (shift.Contains(ssAlt)) m |= Qt::AltModifier;
  return m;
}

namespace {

// Keys go to the focused window, as the platform's keyboard does.
HWND KeyTarget(TControl* receiver) {
  if (HWND focus = GetFocus()) return focus;
  TCustomForm* form = Screen().ActiveForm();
  if (!form) form = GetParentForm(receiver);
  return form ? form->Handle() : receiver->Handle();
}

// AltGr goes down as Control and then the right Alt key, and up in the same order.
void TranslateAltGr(TControl* receiver, bool down, bool repeat) {
  if (!down && !AltGrHeld()) return;
  for (int vk : {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU}) SetKeyDown(vk, down);
  UINT msg = down ? WM_KEYDOWN : WM_KEYUP;
  DispatchKeyInput(KeyTarget(receiver), msg, VK_CONTROL, KeyDataFor(VK_LCONTROL, !down, false, repeat), std::nullopt);
  DispatchKeyInput(KeyTarget(receiver), msg, VK_MENU, KeyDataFor(VK_RMENU, !down, true, repeat), std::nullopt);
  ProcessPostedMessages();
}

}  // namespace

void TranslateKeyEvent(TControl* receiver, QKeyEvent* e) {
  bool down = e->type() == QEvent::KeyPress;
  // X11 reports a held key as pairs of release and press, both marked as repeats; the platform
  // repeats only the key down and sends one key up when the key is let go.
  if (!down && e->isAutoRepeat()) return;
  if (e->key() == Qt::Key_AltGr) {
    TranslateAltGr(receiver, down, e->isAutoRepeat());
    return;
  }
  int vk = VirtualKeyFromQt(e->key(), e->modifiers(), e->text());
  Qt::KeyboardModifiers mods = EffectiveModifiers(e);
  // The key-state table first, so that handlers read the state the key leaves.
  SyncModifiers(mods);
  if (vk == 0) return;
  if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) {
    for (auto& row : g_modifier_vks)
      if (row[0] == vk) SetKeyDown(row[1], down);
  }
  SetKeyDown(vk, down);
  bool alt = mods.testFlag(Qt::AltModifier), ctrl = mods.testFlag(Qt::ControlModifier);
  bool sys = (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU;
  UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM keyData = KeyDataFor(vk, !down, alt, e->isAutoRepeat());
  if (e->modifiers().testFlag(Qt::KeypadModifier) && vk == VK_RETURN) keyData |= KF_EXTENDED_BIT;
  DispatchKeyInput(KeyTarget(receiver), msg, vk, keyData, down ? CharOf(e, vk) : std::nullopt);
  ProcessPostedMessages();
}

}  // namespace hd
