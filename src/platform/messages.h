// Window handles, window messages and the message queue of the platform layer.
// Window messages keep the platform's numbers; CM_ and CN_ messages are private to this layer.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "platform/types.h"

namespace hd {

using HWND = std::uintptr_t;  // 0 is no window; a handle is never reused
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT = unsigned;
using WORD = std::uint16_t;

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) { return (lo & 0xFFFF) | ((hi & 0xFFFF) << 16); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
  return static_cast<LPARAM>(static_cast<std::int32_t>((static_cast<unsigned>(lo) & 0xFFFF) |
                                                       ((static_cast<unsigned>(hi) & 0xFFFF) << 16)));
}
// Signed coordinates packed into an LParam, as mouse messages carry them.
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(lp & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>((lp >> 16) & 0xFFFF); }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return static_cast<std::int16_t>((wp >> 16) & 0xFFFF); }
constexpr int WHEEL_DELTA = 120;

// Window messages.
constexpr UINT WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003,
               WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008,
               WM_ENABLE = 0x000A, WM_SETREDRAW = 0x000B, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D,
               WM_GETTEXTLENGTH = 0x000E, WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUIT = 0x0012,
               WM_ERASEBKGND = 0x0014, WM_SHOWWINDOW = 0x0018, WM_ACTIVATEAPP = 0x001C,
               WM_CANCELMODE = 0x001F, WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021,
               WM_NOTIFY = 0x004E, WM_CONTEXTMENU = 0x007B, WM_NCCALCSIZE = 0x0083,
               WM_NCHITTEST = 0x0084, WM_NCPAINT = 0x0085, WM_NCMOUSEMOVE = 0x00A0,
               WM_NCLBUTTONDOWN = 0x00A1, WM_NCLBUTTONUP = 0x00A2, WM_NCLBUTTONDBLCLK = 0x00A3,
               WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102,
               WM_DEADCHAR = 0x0103, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106,
               WM_COMMAND = 0x0111, WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113, WM_HSCROLL = 0x0114,
               WM_VSCROLL = 0x0115, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201,
               WM_LBUTTONUP = 0x0202, WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204,
               WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207,
               WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A,
               WM_CAPTURECHANGED = 0x0215, WM_MOUSELEAVE = 0x02A3, WM_CUT = 0x0300, WM_COPY = 0x0301,
               WM_PASTE = 0x0302, WM_CLEAR = 0x0303, WM_UNDO = 0x0304, WM_USER = 0x0400,
               WM_APP = 0x8000;

// Edit, combo box, list box and button messages that the standard controls answer.
// CB_GETLBTEXT's LParam points at a std::string that receives the item.
// EM_GETRECT and EM_SETRECT(NP) carry a TRect* in LParam; EM_POSFROMCHAR answers the client
// point packed as x and y, or -1; EM_CHARFROMPOS answers the character and its line.
constexpr UINT EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3,
               EM_SETRECTNP = 0x00B4, EM_SCROLLCARET = 0x00B7, EM_GETLINECOUNT = 0x00BA,
               EM_LINEINDEX = 0x00BB, EM_LIMITTEXT = 0x00C5, EM_LINEFROMCHAR = 0x00C9,
               EM_SETPASSWORDCHAR = 0x00CC, EM_SETREADONLY = 0x00CF, EM_POSFROMCHAR = 0x00D6,
               EM_CHARFROMPOS = 0x00D7;
constexpr UINT CB_GETEDITSEL = 0x0140, CB_SETEDITSEL = 0x0142, CB_GETCOUNT = 0x0146, CB_GETCURSEL = 0x0147,
               CB_GETLBTEXT = 0x0148, CB_SETCURSEL = 0x014E, CB_SHOWDROPDOWN = 0x014F,
               CB_SETITEMHEIGHT = 0x0153, CB_GETITEMHEIGHT = 0x0154, CB_GETDROPPEDSTATE = 0x0157,
               CB_GETDROPPEDWIDTH = 0x015F, CB_SETDROPPEDWIDTH = 0x0160;
constexpr LRESULT CB_ERR = -1;
constexpr UINT LB_SETCURSEL = 0x0186, LB_GETCURSEL = 0x0188, LB_GETCOUNT = 0x018B;
constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_CLICK = 0x00F5;

// Notification codes carried in the high word of WM_COMMAND's WParam, or in WM_NOTIFY.
constexpr unsigned BN_CLICKED = 0, BN_DBLCLK = 5;
constexpr unsigned EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_UPDATE = 0x0400,
                   EN_MAXTEXT = 0x0501;
constexpr unsigned LBN_SELCHANGE = 1, LBN_DBLCLK = 2;
constexpr unsigned CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4,
                   CBN_EDITCHANGE = 5, CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8,
                   CBN_SELENDOK = 9;
constexpr int NM_CLICK = -2;
constexpr int TCN_SELCHANGE = -551, TCN_SELCHANGING = -552;

// Owner drawing: the control sends itself CN_DRAWITEM and CN_MEASUREITEM (the platform's
// WM_DRAWITEM and WM_MEASUREITEM reflected back) with LParam pointing at these. The canvas
// stands where the platform passes a device context.
class TCanvas;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODS_SELECTED = 0x1, ODS_GRAYED = 0x2, ODS_DISABLED = 0x4, ODS_CHECKED = 0x8, ODS_FOCUS = 0x10,
               ODS_DEFAULT = 0x20, ODS_COMBOBOXEDIT = 0x1000;
struct TDrawItemStruct {
  UINT CtlType = ODT_COMBOBOX;
  int itemID = -1;  // -1 when no item is shown
  UINT itemState = 0;
  HWND hwndItem = 0;
  TCanvas* Canvas = nullptr;
  TRect rcItem;
};
struct TMeasureItemStruct {
  UINT CtlType = ODT_COMBOBOX;
  int itemID = -1;
  int itemWidth = 0;
  int itemHeight = 0;
};

// WM_NOTIFY's LParam points at this header (followed by the notification's own fields).
struct NMHDR {
  HWND hwndFrom = 0;
  std::uintptr_t idFrom = 0;
  int code = 0;
};
// The link of a link label's NM_CLICK.
struct NMLINK {
  NMHDR hdr;
  std::string Link;
};

// A date-time picker's change (DTN_DATETIMECHANGE): the date and time picked, every part 0
// when the picker holds no date.
constexpr int DTN_DATETIMECHANGE = -759;
struct NMDATETIMECHANGE {
  NMHDR hdr;
  unsigned dwFlags = 0;
  int wYear = 0, wMonth = 0, wDay = 0, wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

// WM_GETDLGCODE answers.
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                  DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010,
                  DLGC_UNDEFPUSHBUTTON = 0x0020, DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080,
                  DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000;

// Key flags of mouse messages' WParam.
constexpr unsigned MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008,
                   MK_MBUTTON = 0x0010;
constexpr int HTCLIENT = 1;  // the other hit codes are in scroll_bars.h

// Bits of a key message's LParam.
constexpr LPARAM KF_EXTENDED_BIT = LPARAM{1} << 24;
constexpr LPARAM KF_ALTDOWN_BIT = LPARAM{1} << 29;
constexpr LPARAM KF_REPEAT_BIT = LPARAM{1} << 30;
constexpr LPARAM KF_UP_BIT = LPARAM{1} << 31;

// The layer's own component messages.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_ENABLEDCHANGED = CM_BASE + 2,
               CM_COLORCHANGED = CM_BASE + 3, CM_FONTCHANGED = CM_BASE + 4,
               CM_CURSORCHANGED = CM_BASE + 5, CM_TEXTCHANGED = CM_BASE + 6,
               CM_VISIBLECHANGED = CM_BASE + 7, CM_SHOWINGCHANGED = CM_BASE + 8,
               CM_ENTER = CM_BASE + 9, CM_EXIT = CM_BASE + 10, CM_DIALOGKEY = CM_BASE + 11,
               CM_DIALOGCHAR = CM_BASE + 12, CM_WANTSPECIALKEY = CM_BASE + 13,
               CM_FOCUSCHANGED = CM_BASE + 14, CM_MOUSEENTER = CM_BASE + 15,
               CM_MOUSELEAVE = CM_BASE + 16, CM_MOUSEWHEEL = CM_BASE + 17, CM_HINTSHOW = CM_BASE + 18,
               CM_CHILDKEY = CM_BASE + 19, CM_PARENTCOLORCHANGED = CM_BASE + 20,
               CM_PARENTFONTCHANGED = CM_BASE + 21, CM_UIACTIVATE = CM_BASE + 22,
               CM_RELEASE = CM_BASE + 23, CM_CANCELMODE = CM_BASE + 24, CM_HINTSHOWPAUSE = CM_BASE + 25,
               CM_ACTIONUPDATE = CM_BASE + 26;

// Notifications reflected back to the control that sent them to its parent.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND, CN_NOTIFY = CN_BASE + WM_NOTIFY,
               CN_DRAWITEM = CN_BASE + 0x002B, CN_MEASUREITEM = CN_BASE + 0x002C,
               CN_KEYDOWN = CN_BASE + WM_KEYDOWN, CN_KEYUP = CN_BASE + WM_KEYUP,
               CN_CHAR = CN_BASE + WM_CHAR, CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN,
               CN_SYSKEYUP = CN_BASE + WM_SYSKEYUP, CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Registered messages start here.
constexpr UINT kFirstRegisteredMessage = 0xC000;

// Anything that has a window handle and takes messages.
class TWindowTarget {
 public:
  TWindowTarget(const TWindowTarget&) = delete;
  TWindowTarget& operator=(const TWindowTarget&) = delete;

  HWND Handle() const { return handle_; }
  // Where messages from outside enter the window: the funnel calls it.
  virtual void MainWndProc(TMessage& message) = 0;
  // How the message trace names this window.
  virtual std::string TraceName() const;

 protected:
  TWindowTarget();
  virtual ~TWindowTarget();
  // Frees this window once the outermost delivery to it has returned.
  void ReleaseAfterDispatch() { release_requested_ = true; }

 private:
  friend LRESULT DeliverMessage(HWND h, TMessage& message);
  HWND handle_;
  int dispatch_depth_ = 0;
  bool release_requested_ = false;
};

TWindowTarget* FindWindowTarget(HWND h);
bool IsWindow(HWND h);
LRESULT DeliverMessage(HWND h, TMessage& message);

// The same number for the same name during the run, from 0xC000 up.
UINT RegisterWindowMessage(const std::string& name);

// Synchronous delivery through the funnel; an exception leaving the window goes to the
// exception handler, not to the caller. 0 for an unknown window.
LRESULT SendMessage(HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
// Queues a message (first in, first out); false for an unknown window.
bool PostMessage(HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0);

// DeliverMessage is the one delivery path: it keeps the target alive until the outermost
// delivery returns, traces, and catches exceptions at the boundary.

// Hands an exception that left an event handler to the exception handler (without one, to
// stderr). Every place where handlers run below the windowing system's own code catches and
// comes here, so that no exception crosses that code.
void ReportHandlerException(std::exception_ptr error);

// Runs what is waiting: calls posted from other threads, native input, posted messages and due
// timers, until nothing is left.
void ProcessMessages();
// Delivers the queued messages only (including those posted meanwhile).
void ProcessPostedMessages();
bool HasPostedMessages();
// Throws away queued messages (test set-up).
void ClearPostedMessages();

// The key pipeline: offers the key to the target as CN_ message (dialog keys), queues the
// character (when the key yields one) ahead of the key's own dispatch, then dispatches.
// `ch` is the character the key yields, or none.
void DispatchKeyInput(HWND target, UINT msg, int vk, LPARAM keyData, std::optional<char32_t> ch);
// The character a key yields under the given shift state with a US layout, or none;
// used for key messages posted by code.
std::optional<char32_t> CharFromVirtualKey(int vk, TShiftState shift);
LPARAM KeyDataFor(int vk, bool up, bool alt, bool repeat);
int ScanCodeOf(int vk);
bool IsExtendedKey(int vk);

// The keyboard and mouse-button state table.
short GetKeyState(int vk);
void SetKeyDown(int vk, bool down);
void ResetKeyStates();
TShiftState KeyboardStateToShiftState();
TShiftState KeyDataToShiftState(LPARAM keyData);
TShiftState KeysToShiftState(unsigned mkKeys);

HWND GetFocus();
// Moves the keyboard focus (WM_KILLFOCUS to the old window, then WM_SETFOCUS to the new one);
// a hidden or disabled window cannot take it. Returns the window that had the focus, 0 when
// refused.
HWND SetFocus(HWND h);
HWND GetCapture();
// Sends WM_CAPTURECHANGED to the window that loses the capture.
HWND SetCapture(HWND h);
bool ReleaseCapture();

// The trace of message flow, switched on by HD_MESSAGE_TRACE=1 (to stderr).
std::string MessageName(UINT msg);
bool MessageTraceEnabled();
void SetMessageTrace(bool on);
// Where trace lines go; by default stderr.
void SetMessageTraceSink(std::function<void(const std::string&)> sink);

// Hooks that upper layers install.
struct TMessageHooks {
  // Called with the exception that left a window during delivery.
  std::function<void(std::exception_ptr)> HandleException;
  // Processes pending native (windowing-system) events without waiting.
  std::function<void()> PumpNativeEvents;
  // The focus model; installed by the control layer.
  std::function<HWND(HWND)> SetFocus;
  // Told when a window handle goes away.
  std::function<void(HWND)> WindowDestroyed;
  // Told the window that holds the mouse capture now (0 for none), so that the windowing
  // system sends it the mouse also from outside its window.
  std::function<void(HWND)> CaptureChanged;
};
TMessageHooks& MessageHooks();

// Internal to the layer: records the focused window without any message.
void SetFocusHandle(HWND h);
// Internal to the layer: the window that heard WM_SETFOCUS last and no WM_KILLFOCUS since.
// Only it hears WM_KILLFOCUS when the focus moves on, so that every WM_KILLFOCUS follows a
// WM_SETFOCUS even when a handler moves the focus while it is moving.
HWND FocusNotifiedWindow();
void SetFocusNotifiedWindow(HWND h);
// Moves the focus to h (0: nowhere) with the messages: WM_KILLFOCUS to the window that had
// heard it got the focus, then, unless a handler moved the focus meanwhile, WM_SETFOCUS to h.
void MoveFocusWithMessages(HWND h);
// Internal to the layer: queues a window timer's WM_TIMER, and takes it back when the timer
// is killed or set again before the message was delivered, as the platform generates
// WM_TIMER only for a timer that still runs.
void PostTimerMessage(HWND h, std::uintptr_t id);
void RemoveTimerMessage(HWND h, std::uintptr_t id);

}  // namespace hd
