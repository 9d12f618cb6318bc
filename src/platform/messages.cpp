#include "platform/messages.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <iostream>
#include <map>
#include <unordered_map>

#include "platform/main_thread.h"
#include "platform/timers.h"

namespace hd {
namespace {

struct QueuedMessage {
  HWND window;
  UINT msg;
  WPARAM wp;
  LPARAM lp;
  bool from_timer = false;  // a window timer's WM_TIMER, taken back when the timer stops
};

struct MessageState {
  std::unordered_map<HWND, TWindowTarget*> windows;
  HWND next_handle = 1;
  std::map<std::string, std::pair<UINT, std::string>> registered;  // by lower-case name
  std::deque<QueuedMessage> queue;
  std::array<std::uint8_t, 256> keys{};
  HWND focus = 0;
  HWND focus_notified = 0;
  HWND focus_lost = 0;  // the window being told it lost the focus
  int killing = 0;      // depth of WM_KILLFOCUS deliveries
  HWND capture = 0;
  TMessageHooks hooks;
  bool trace = false;
  int trace_depth = 0;
  std::function<void(const std::string&)> trace_sink;
};

MessageState& S() {
  // Never destroyed: windows may outlive the other statics at exit.
  static MessageState* state = [] {
    auto* s = new MessageState;
    const char* env = std::getenv("HD_MESSAGE_TRACE");
    s->trace = env && *env && std::string(env) != "0";
    return s;
  }();
  return *state;
}

std::string Hex(std::uintmax_t v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%jX", v);
  return buf;
}

void TraceLine(const std::string& what) {
  auto& s = S();
  std::string line = "[msg] " + std::string(static_cast<size_t>(s.trace_depth) * 2, ' ') + what;
  if (s.trace_sink)
    s.trace_sink(line);
  else
    std::cerr << line << '\n';
}

std::string Describe(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  TWindowTarget* t = FindWindowTarget(h);
  return MessageName(msg) + " to " + (t ? t->TraceName() : std::string("<gone>")) + " #" + std::to_string(h) +
         " wp=" + Hex(wp) + " lp=" + Hex(static_cast<std::uintmax_t>(lp));
}

void DispatchQueued(const QueuedMessage& q);

}  // namespace

TWindowTarget::TWindowTarget() : handle_(S().next_handle++) { S().windows[handle_] = this; }

TWindowTarget::~TWindowTarget() {
  auto& s = S();
  s.windows.erase(handle_);
  if (s.focus == handle_) s.focus = 0;
  if (s.focus_notified == handle_) s.focus_notified = 0;
  if (s.focus_lost == handle_) s.focus_lost = 0;
  if (s.capture == handle_) {
    s.capture = 0;
    if (s.hooks.CaptureChanged) s.hooks.CaptureChanged(0);
  }
  KillTimersOf(handle_);
  if (s.hooks.WindowDestroyed) s.hooks.WindowDestroyed(handle_);
}

std::string TWindowTarget::TraceName() const { return "window"; }

TWindowTarget* FindWindowTarget(HWND h) {
  auto& w = S().windows;
  auto it = w.find(h);
  return it == w.end() ? nullptr : it->second;
}

bool IsWindow(HWND h) { return h != 0 && S().windows.count(h) != 0; }

UINT RegisterWindowMessage(const std::string& name) {
  std::string key;
  for (char c : name) key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  auto& r = S().registered;
  auto it = r.find(key);
  if (it != r.end()) return it->second.first;
  UINT id = kFirstRegisteredMessage + static_cast<UINT>(r.size());
  r[key] = {id, name};
  return id;
}

LRESULT DeliverMessage(HWND h, TMessage& message) {
  auto& s = S();
  TWindowTarget* target = FindWindowTarget(h);
  if (!target) return 0;
  if (s.trace) TraceLine("deliver " + Describe(h, message.Msg, message.WParam, message.LParam));
  ++s.trace_depth;
  ++target->dispatch_depth_;
  std::exception_ptr error;
  try {
    target->MainWndProc(message);
  } catch (...) {
    error = std::current_exception();
  }
  --s.trace_depth;
  // The handler may have destroyed the window; touch it only when it is still there.
  if (FindWindowTarget(h) == target && --target->dispatch_depth_ == 0 && target->release_requested_)
    delete target;
  if (error) {
    if (s.trace) TraceLine("exception left " + MessageName(message.Msg));
    ReportHandlerException(error);
  }
  return message.Result;
}

void ReportHandlerException(std::exception_ptr error) {
  auto& hooks = S().hooks;
  if (hooks.HandleException)
    hooks.HandleException(error);
  else
    std::cerr << "unhandled exception in a message handler\n";
}

LRESULT SendMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  TMessage m{msg, wp, lp, 0};
  return DeliverMessage(h, m);
}

namespace {

bool Enqueue(const QueuedMessage& q) {
  if (!IsWindow(q.window)) return false;
  if (S().trace) TraceLine("post " + Describe(q.window, q.msg, q.wp, q.lp));
  S().queue.push_back(q);
  return true;
}

}  // namespace

bool PostMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return Enqueue({h, msg, wp, lp}); }

void PostTimerMessage(HWND h, std::uintptr_t id) { Enqueue({h, WM_TIMER, id, 0, true}); }

void RemoveTimerMessage(HWND h, std::uintptr_t id) {
  auto& q = S().queue;
  q.erase(std::remove_if(q.begin(), q.end(),
                         [&](const QueuedMessage& m) { return m.from_timer && m.window == h && m.wp == id; }),
          q.end());
}

void ProcessPostedMessages() {
  auto& q = S().queue;
  while (!q.empty()) {
    QueuedMessage m = q.front();
    q.pop_front();
    DispatchQueued(m);
  }
}

bool HasPostedMessages() { return !S().queue.empty(); }
void ClearPostedMessages() { S().queue.clear(); }

void ProcessMessages() {
  auto& hooks = S().hooks;
  // Calls that other threads handed to the GUI thread run here too, as event handlers.
  RunPostedCalls(ReportHandlerException);
  if (hooks.PumpNativeEvents) hooks.PumpNativeEvents();
  ProcessPostedMessages();
  // Timers come after the queue, as the platform generates WM_TIMER only when nothing else waits.
  if (PostDueTimers() > 0) ProcessPostedMessages();
}

void DispatchKeyInput(HWND target, UINT msg, int vk, LPARAM keyData, std::optional<char32_t> ch) {
  if (!IsWindow(target)) return;
  // Dialog keys and accelerators: a non-zero answer means a stage took the key.
  if (SendMessage(target, CN_BASE + msg, static_cast<WPARAM>(vk), keyData) != 0) return;
  if (!IsWindow(target)) return;
  // The character goes into the queue before the key is dispatched, so it arrives even when
  // the key-down handler used the key, and ahead of anything that handler posts.
  if (ch && (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN))
    PostMessage(target, msg == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(*ch), keyData);
  SendMessage(target, msg, static_cast<WPARAM>(vk), keyData);
}

namespace {

void DispatchQueued(const QueuedMessage& q) {
  switch (q.msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      int vk = static_cast<int>(q.wp);
      TShiftState shift = KeyboardStateToShiftState();
      if (q.lp & KF_ALTDOWN_BIT) shift.Include(ssAlt);
      DispatchKeyInput(q.window, q.msg, vk, q.lp, CharFromVirtualKey(vk, shift));
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      DispatchKeyInput(q.window, q.msg, static_cast<int>(q.wp), q.lp, std::nullopt);
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      if (SendMessage(q.window, CN_BASE + q.msg, q.wp, q.lp) != 0) break;
      SendMessage(q.window, q.msg, q.wp, q.lp);
      break;
    default:
      SendMessage(q.window, q.msg, q.wp, q.lp);
  }
}

struct ScanEntry {
  int vk;
  int scan;
};

// Scan codes of a US keyboard for the keys that have one.
constexpr ScanEntry kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06}, {'6', 0x07},
    {'7', 0x08}, {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},
    {VK_BACK, 0x0E}, {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11}, {'E', 0x12}, {'R', 0x13}, {'T', 0x14},
    {'Y', 0x15}, {'U', 0x16}, {'I', 0x17}, {'O', 0x18}, {'P', 0x19}, {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B},
    {VK_RETURN, 0x1C}, {VK_CONTROL, 0x1D}, {VK_LCONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20},
    {'F', 0x21}, {'G', 0x22}, {'H', 0x23}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_OEM_1, 0x27},
    {VK_OEM_7, 0x28}, {VK_OEM_3, 0x29}, {VK_SHIFT, 0x2A}, {VK_LSHIFT, 0x2A}, {VK_OEM_5, 0x2B},
    {'Z', 0x2C}, {'X', 0x2D}, {'C', 0x2E}, {'V', 0x2F}, {'B', 0x30}, {'N', 0x31}, {'M', 0x32},
    {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35}, {VK_RSHIFT, 0x36},
    {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38}, {VK_LMENU, 0x38}, {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A},
    {VK_F1, 0x3B}, {VK_F2, 0x3C}, {VK_F3, 0x3D}, {VK_F4, 0x3E}, {VK_F5, 0x3F}, {VK_F6, 0x40},
    {VK_F7, 0x41}, {VK_F8, 0x42}, {VK_F9, 0x43}, {VK_F10, 0x44}, {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46},
    {VK_NUMPAD0 + 7, 0x47}, {VK_NUMPAD0 + 8, 0x48}, {VK_NUMPAD0 + 9, 0x49}, {VK_SUBTRACT, 0x4A},
    {VK_NUMPAD0 + 4, 0x4B}, {VK_NUMPAD0 + 5, 0x4C}, {VK_NUMPAD0 + 6, 0x4D}, {VK_ADD, 0x4E},
    {VK_NUMPAD0 + 1, 0x4F}, {VK_NUMPAD0 + 2, 0x50}, {VK_NUMPAD0 + 3, 0x51}, {VK_NUMPAD0, 0x52},
    {VK_DECIMAL, 0x53}, {VK_F11, 0x57}, {VK_F12, 0x58},
    // Extended keys share scan codes with the keypad; the extended bit tells them apart.
    {VK_HOME, 0x47}, {VK_UP, 0x48}, {VK_PRIOR, 0x49}, {VK_LEFT, 0x4B}, {VK_RIGHT, 0x4D},
    {VK_END, 0x4F}, {VK_DOWN, 0x50}, {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53},
    {VK_DIVIDE, 0x35}, {VK_RCONTROL, 0x1D}, {VK_RMENU, 0x38}, {VK_LWIN, 0x5B}, {VK_RWIN, 0x5C},
    {VK_APPS, 0x5D},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

struct OemChar {
  int vk;
  char plain;
  char shifted;
};
constexpr OemChar kOemChars[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},      {VK_OEM_7, '\'', '"'},
};

}  // namespace

int ScanCodeOf(int vk) {
  for (const auto& e : kScanCodes)
    if (e.vk == vk) return e.scan;
  return 0;
}

bool IsExtendedKey(int vk) {
  switch (vk) {
    case VK_HOME: case VK_UP: case VK_PRIOR: case VK_LEFT: case VK_RIGHT: case VK_END: case VK_DOWN:
    case VK_NEXT: case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_RCONTROL: case VK_RMENU:
    case VK_LWIN: case VK_RWIN: case VK_APPS: case VK_NUMLOCK:
      return true;
    default:
      return false;
  }
}

LPARAM KeyDataFor(int vk, bool up, bool alt, bool repeat) {
  LPARAM lp = 1;  // repeat count
  lp |= static_cast<LPARAM>(ScanCodeOf(vk) & 0xFF) << 16;
  if (IsExtendedKey(vk)) lp |= KF_EXTENDED_BIT;
  if (alt) lp |= KF_ALTDOWN_BIT;
  if (repeat || up) lp |= KF_REPEAT_BIT;
  if (up) lp |= KF_UP_BIT;
  return lp;
}

std::optional<char32_t> CharFromVirtualKey(int vk, TShiftState shift) {
  bool ctrl = shift.Contains(ssCtrl), sh = shift.Contains(ssShift), alt = shift.Contains(ssAlt);
  if (ctrl && alt) return std::nullopt;
  if (ctrl) {
    if (vk >= 'A' && vk <= 'Z') return static_cast<char32_t>(vk - 'A' + 1);
    switch (vk) {
      case VK_RETURN: return U'\n';
      case VK_BACK: return char32_t{127};
      case VK_SPACE: return U' ';
      case VK_ESCAPE: return char32_t{27};
      case VK_OEM_4: return char32_t{27};
      case VK_OEM_5: return char32_t{28};
      case VK_OEM_6: return char32_t{29};
      case '6': return sh ? std::optional<char32_t>(30) : std::nullopt;
      case VK_OEM_MINUS: return sh ? std::optional<char32_t>(31) : std::nullopt;
      default: return std::nullopt;
    }
  }
  if (vk >= 'A' && vk <= 'Z') return static_cast<char32_t>(sh ? vk : vk + 32);
  if (vk >= '0' && vk <= '9') return static_cast<char32_t>(sh ? kShiftedDigits[vk - '0'] : vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<char32_t>('0' + vk - VK_NUMPAD0);
  switch (vk) {
    case VK_SPACE: return U' ';
    case VK_RETURN: return U'\r';
    case VK_BACK: return U'\b';
    case VK_TAB: return U'\t';
    case VK_ESCAPE: return char32_t{27};
    case VK_DECIMAL: return U'.';
    case VK_ADD: return U'+';
    case VK_SUBTRACT: return U'-';
    case VK_MULTIPLY: return U'*';
    case VK_DIVIDE: return U'/';
    default: break;
  }
  for (const auto& o : kOemChars)
    if (o.vk == vk) return static_cast<char32_t>(sh ? o.shifted : o.plain);
  return std::nullopt;
}

short GetKeyState(int vk) {
  if (vk < 0 || vk > 255) return 0;
  std::uint8_t k = S().keys[static_cast<size_t>(vk)];
  short result = static_cast<short>(k & 1);
  if (k & 0x80) result = static_cast<short>(result | static_cast<short>(0x8000));
  return result;
}

void SetKeyDown(int vk, bool down) {
  if (vk < 0 || vk > 255) return;
  auto& k = S().keys[static_cast<size_t>(vk)];
  bool was = k & 0x80;
  if (down && !was) k ^= 1;  // toggle state flips on each press
  k = static_cast<std::uint8_t>(down ? (k | 0x80) : (k & ~0x80));
}

void ResetKeyStates() { S().keys.fill(0); }

TShiftState KeyboardStateToShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  if (GetKeyState(VK_LBUTTON) < 0) s.Include(ssLeft);
  if (GetKeyState(VK_RBUTTON) < 0) s.Include(ssRight);
  if (GetKeyState(VK_MBUTTON) < 0) s.Include(ssMiddle);
  return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (keyData & KF_ALTDOWN_BIT) s.Include(ssAlt);
  return s;
}

TShiftState KeysToShiftState(unsigned keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

HWND GetFocus() { return S().focus; }
void SetFocusHandle(HWND h) { S().focus = h; }

HWND FocusNotifiedWindow() { return S().focus_notified; }
void SetFocusNotifiedWindow(HWND h) { S().focus_notified = h; }

void MoveFocusWithMessages(HWND h) {
  auto& s = S();
  s.focus = h;
  HWND lost = s.focus_notified;
  if (lost == h) return;
  s.focus_notified = 0;
  // The window that lost the focus; inside its WM_KILLFOCUS, the one being told.
  HWND from = lost ? lost : (s.killing > 0 ? s.focus_lost : 0);
  if (lost && IsWindow(lost)) {
    HWND outer = s.focus_lost;
    s.focus_lost = lost;
    ++s.killing;
    SendMessage(lost, WM_KILLFOCUS, h, 0);
    --s.killing;
    s.focus_lost = outer;
  }
  // A handler that moved the focus again has told the windows itself.
  if (h == 0 || s.focus != h || s.focus_notified != 0 || !IsWindow(h)) return;
  s.focus_notified = h;
  SendMessage(h, WM_SETFOCUS, from, 0);
}

HWND SetFocus(HWND h) {
  auto& hooks = S().hooks;
  if (hooks.SetFocus) return hooks.SetFocus(h);
  if (h != 0 && !IsWindow(h)) return 0;
  HWND old = S().focus;
  if (old == h) return old;
  MoveFocusWithMessages(h);
  return old;
}

HWND GetCapture() { return S().capture; }

HWND SetCapture(HWND h) {
  HWND old = S().capture;
  if (old == h) return old;
  S().capture = IsWindow(h) ? h : 0;
  if (S().hooks.CaptureChanged) S().hooks.CaptureChanged(S().capture);
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(S().capture));
  return old;
}

bool ReleaseCapture() {
  HWND old = S().capture;
  if (!old) return true;
  S().capture = 0;
  if (S().hooks.CaptureChanged) S().hooks.CaptureChanged(0);
  SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

bool MessageTraceEnabled() { return S().trace; }
void SetMessageTrace(bool on) { S().trace = on; }
void SetMessageTraceSink(std::function<void(const std::string&)> sink) { S().trace_sink = std::move(sink); }

TMessageHooks& MessageHooks() { return S().hooks; }

std::string MessageName(UINT msg) {
  static const std::unordered_map<UINT, const char*> names = {
      {WM_NULL, "WM_NULL"}, {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"}, {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_ENABLE, "WM_ENABLE"}, {WM_SETREDRAW, "WM_SETREDRAW"},
      {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"}, {WM_PAINT, "WM_PAINT"},
      {WM_CLOSE, "WM_CLOSE"}, {WM_QUIT, "WM_QUIT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_CANCELMODE, "WM_CANCELMODE"}, {WM_SETCURSOR, "WM_SETCURSOR"},
      {WM_NOTIFY, "WM_NOTIFY"}, {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"},
      {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
      {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"}, {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"}, {WM_GETDLGCODE, "WM_GETDLGCODE"},
      {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"},
      {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"},
      {WM_COMMAND, "WM_COMMAND"}, {WM_TIMER, "WM_TIMER"}, {WM_HSCROLL, "WM_HSCROLL"},
      {WM_VSCROLL, "WM_VSCROLL"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
      {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
      {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"}, {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"},
      {WM_MBUTTONUP, "WM_MBUTTONUP"}, {WM_MBUTTONDBLCLK, "WM_MBUTTONDBLCLK"},
      {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
      {WM_CUT, "WM_CUT"}, {WM_COPY, "WM_COPY"}, {WM_PASTE, "WM_PASTE"}, {WM_CLEAR, "WM_CLEAR"},
      {WM_UNDO, "WM_UNDO"}, {EM_GETSEL, "EM_GETSEL"}, {EM_SETSEL, "EM_SETSEL"},
      {EM_LIMITTEXT, "EM_LIMITTEXT"}, {EM_SETREADONLY, "EM_SETREADONLY"},
      {EM_SETPASSWORDCHAR, "EM_SETPASSWORDCHAR"}, {EM_LINEFROMCHAR, "EM_LINEFROMCHAR"},
      {EM_CHARFROMPOS, "EM_CHARFROMPOS"}, {EM_GETRECT, "EM_GETRECT"}, {EM_SETRECT, "EM_SETRECT"},
      {EM_SETRECTNP, "EM_SETRECTNP"}, {EM_SCROLLCARET, "EM_SCROLLCARET"}, {EM_GETLINECOUNT, "EM_GETLINECOUNT"},
      {EM_LINEINDEX, "EM_LINEINDEX"}, {EM_POSFROMCHAR, "EM_POSFROMCHAR"}, {CB_GETCOUNT, "CB_GETCOUNT"}, {CB_GETCURSEL, "CB_GETCURSEL"},
      {CB_GETLBTEXT, "CB_GETLBTEXT"}, {CB_SETCURSEL, "CB_SETCURSEL"}, {CB_SHOWDROPDOWN, "CB_SHOWDROPDOWN"},
      {CB_GETDROPPEDSTATE, "CB_GETDROPPEDSTATE"}, {LB_SETCURSEL, "LB_SETCURSEL"},
      {LB_GETCURSEL, "LB_GETCURSEL"}, {LB_GETCOUNT, "LB_GETCOUNT"}, {BM_GETCHECK, "BM_GETCHECK"},
      {BM_SETCHECK, "BM_SETCHECK"}, {BM_CLICK, "BM_CLICK"},
      {CM_ACTIVATE, "CM_ACTIVATE"}, {CM_DEACTIVATE, "CM_DEACTIVATE"},
      {CM_ENABLEDCHANGED, "CM_ENABLEDCHANGED"}, {CM_COLORCHANGED, "CM_COLORCHANGED"},
      {CM_FONTCHANGED, "CM_FONTCHANGED"}, {CM_CURSORCHANGED, "CM_CURSORCHANGED"},
      {CM_TEXTCHANGED, "CM_TEXTCHANGED"}, {CM_VISIBLECHANGED, "CM_VISIBLECHANGED"},
      {CM_SHOWINGCHANGED, "CM_SHOWINGCHANGED"}, {CM_ENTER, "CM_ENTER"}, {CM_EXIT, "CM_EXIT"},
      {CM_DIALOGKEY, "CM_DIALOGKEY"}, {CM_DIALOGCHAR, "CM_DIALOGCHAR"},
      {CM_WANTSPECIALKEY, "CM_WANTSPECIALKEY"}, {CM_FOCUSCHANGED, "CM_FOCUSCHANGED"},
      {CM_MOUSEENTER, "CM_MOUSEENTER"}, {CM_MOUSELEAVE, "CM_MOUSELEAVE"},
      {CM_MOUSEWHEEL, "CM_MOUSEWHEEL"}, {CM_HINTSHOW, "CM_HINTSHOW"}, {CM_CHILDKEY, "CM_CHILDKEY"},
      {CM_PARENTCOLORCHANGED, "CM_PARENTCOLORCHANGED"}, {CM_PARENTFONTCHANGED, "CM_PARENTFONTCHANGED"},
      {CM_UIACTIVATE, "CM_UIACTIVATE"}, {CM_RELEASE, "CM_RELEASE"}, {CM_CANCELMODE, "CM_CANCELMODE"},
      {CN_COMMAND, "CN_COMMAND"}, {CN_NOTIFY, "CN_NOTIFY"}, {CN_KEYDOWN, "CN_KEYDOWN"},
      {CN_KEYUP, "CN_KEYUP"}, {CN_CHAR, "CN_CHAR"}, {CN_SYSKEYDOWN, "CN_SYSKEYDOWN"},
      {CN_SYSKEYUP, "CN_SYSKEYUP"}, {CN_SYSCHAR, "CN_SYSCHAR"},
  };
  auto it = names.find(msg);
  if (it != names.end()) return it->second;
  if (msg >= kFirstRegisteredMessage && msg <= 0xFFFF) {
    for (const auto& [key, entry] : S().registered)
      if (entry.first == msg) return "\"" + entry.second + "\"";
  }
  if (msg >= WM_USER && msg < WM_APP) return "WM_USER+" + std::to_string(msg - WM_USER);
  return Hex(msg);
}

}  // namespace hd
