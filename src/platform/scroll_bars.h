// The window scroll bars of a windowed control, the non-client hit codes and the system's
// metrics, with the platform's names and values. The bars belong to the control's non-client
// area; user input on them reaches the control as WM_HSCROLL / WM_VSCROLL, and the control
// moves the thumb itself (SetScrollInfo / SetScrollPos), as on the platform.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/types.h"

namespace hd {

// The window timer that repeats a held arrow or track (WM_TIMER with this id goes to the bars).
constexpr std::uintptr_t kScrollRepeatTimerId = 0xFFFF5C01u;

// Which bar: nBar of the scroll functions.
constexpr int SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3;

// Scroll codes: LOWORD of WM_HSCROLL / WM_VSCROLL's WParam (HIWORD carries the 16-bit
// position for the thumb codes; the full one is SCROLLINFO's nTrackPos).
constexpr unsigned SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2,
                   SB_PAGELEFT = 2, SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4,
                   SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6, SB_BOTTOM = 7, SB_RIGHT = 7,
                   SB_ENDSCROLL = 8;

constexpr unsigned SIF_RANGE = 0x1, SIF_PAGE = 0x2, SIF_POS = 0x4, SIF_DISABLENOSCROLL = 0x8,
                   SIF_TRACKPOS = 0x10, SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// EnableScrollBar arrows.
constexpr unsigned ESB_ENABLE_BOTH = 0, ESB_DISABLE_LTUP = 1, ESB_DISABLE_LEFT = 1, ESB_DISABLE_UP = 1,
                   ESB_DISABLE_RTDN = 2, ESB_DISABLE_RIGHT = 2, ESB_DISABLE_DOWN = 2, ESB_DISABLE_BOTH = 3;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// Sets what fMask names; the position is kept within nMin .. nMax - max(nPage - 1, 0). A bar
// whose page covers its whole range hides, or, with SIF_DISABLENOSCROLL, shows disabled; a
// range that needs scrolling shows it again, enabled unless only the page was set. The bar is drawn anew either way (redraw is kept
// for the platform's signature). Returns the new position; 0 for no window.
int SetScrollInfo(HWND h, int nBar, const SCROLLINFO& info, bool redraw);
// Fills what info.fMask names; false for no window or no such bar.
bool GetScrollInfo(HWND h, int nBar, SCROLLINFO& info);
int GetScrollPos(HWND h, int nBar);
// Returns the previous position.
int SetScrollPos(HWND h, int nBar, int pos, bool redraw);
bool SetScrollRange(HWND h, int nBar, int minPos, int maxPos, bool redraw);
bool GetScrollRange(HWND h, int nBar, int* minPos, int* maxPos);
// wBar SB_HORZ, SB_VERT or SB_BOTH.
bool ShowScrollBar(HWND h, int wBar, bool show);
bool EnableScrollBar(HWND h, unsigned wSBflags, unsigned wArrows);

// The state of one window scroll bar.
struct TScrollBarState {
  int Min = 0;
  int Max = 100;
  unsigned Page = 0;
  int Pos = 0;
  int TrackPos = 0;
  bool Visible = false;
  unsigned DisabledArrows = ESB_ENABLE_BOTH;  // ESB_ flags
  // The highest position the page allows.
  int MaxPos() const;
  bool NeedsScrolling() const { return MaxPos() > Min; }
};

// Non-client hit codes (WM_NCHITTEST's answers, the WParam of the WM_NC mouse messages).
constexpr int HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTSIZE = 4, HTGROWBOX = 4, HTHSCROLL = 6,
              HTVSCROLL = 7, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14,
              HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18;

// GetSystemMetrics indexes and what they answer here.
constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
              SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYVTHUMB = 9,
              SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14,
              SM_CYMENU = 15, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_SWAPBUTTON = 23,
              SM_CXMIN = 28, SM_CYMIN = 29, SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXDOUBLECLK = 36,
              SM_CYDOUBLECLK = 37, SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50,
              SM_CXDRAG = 68, SM_CYDRAG = 69, SM_MOUSEWHEELPRESENT = 75;
int GetSystemMetrics(int index);

}  // namespace hd
