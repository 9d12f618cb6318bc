// The tooltip control: a window that watches the mouse over its tools and, after a rest, shows
// a tip (a plain box or a balloon) with the text the tool gives. It is driven by messages, as
// the platform's tooltip class is, and times itself on the layer's timers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/event_chain.h"
#include "platform/messages.h"
#include "platform/region.h"
#include "platform/types.h"

namespace hd {

class THintWindow;
class TControl;
class TWinControl;

constexpr const char* TOOLTIPS_CLASS = "Tooltips_Class32";

// Styles.
constexpr unsigned TTS_ALWAYSTIP = 0x01, TTS_NOPREFIX = 0x02, TTS_NOANIMATE = 0x10, TTS_NOFADE = 0x20,
                   TTS_BALLOON = 0x40;
// Tool flags.
constexpr unsigned TTF_IDISHWND = 0x01, TTF_CENTERTIP = 0x02, TTF_SUBCLASS = 0x10;
// Delays of TTM_SETDELAYTIME.
constexpr WPARAM TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3;
// Title icons.
constexpr WPARAM TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3;

// Messages. TTM_ADDTOOLW and TTM_DELTOOLW carry a TToolInfo* in LParam, TTM_SETTITLEW the icon
// in WParam and a const std::string* title in LParam.
constexpr UINT TTM_ACTIVATE = WM_USER + 1, TTM_SETDELAYTIME = WM_USER + 3, TTM_SETTIPBKCOLOR = WM_USER + 19,
               TTM_SETTIPTEXTCOLOR = WM_USER + 20, TTM_GETDELAYTIME = WM_USER + 21,
               TTM_GETTIPBKCOLOR = WM_USER + 22, TTM_GETTIPTEXTCOLOR = WM_USER + 23,
               TTM_SETMAXTIPWIDTH = WM_USER + 24, TTM_GETMAXTIPWIDTH = WM_USER + 25, TTM_POP = WM_USER + 28,
               TTM_SETTITLEW = WM_USER + 33, TTM_ADDTOOLW = WM_USER + 50, TTM_DELTOOLW = WM_USER + 51;
// Notifications, in WM_NOTIFY to the tool's window.
constexpr int TTN_GETDISPINFOW = -530, TTN_SHOW = -521, TTN_POP = -522;

// The text of a tool that is asked for each time (TTN_GETDISPINFOW).
inline const char* const LPSTR_TEXTCALLBACKW = reinterpret_cast<const char*>(static_cast<std::intptr_t>(-1));

struct TToolInfo {
  unsigned cbSize = 48;
  unsigned uFlags = 0;
  HWND hwnd = 0;             // the window that hears the notifications
  std::uintptr_t uId = 0;    // with TTF_IDISHWND: the tool's window
  TRect rect;                // client rectangle of the tool, without TTF_IDISHWND
  std::intptr_t hinst = 0;
  const char* lpszText = nullptr;  // the text, or LPSTR_TEXTCALLBACKW
};

// TTN_GETDISPINFOW's LParam: the tool puts its text into lpszText.
struct NMTTDISPINFOW {
  NMHDR hdr;
  std::string lpszText;
  unsigned uFlags = 0;
  LPARAM lParam = 0;
};

// The edit messages that show and hide a balloon at the caret, with EM_SHOWBALLOONTIP's LParam.
constexpr UINT EM_SHOWBALLOONTIP = 0x1503, EM_HIDEBALLOONTIP = 0x1504;
struct EDITBALLOONTIP {
  unsigned cbStruct = 0;
  std::string pszTitle;
  std::string pszText;
  int ttiIcon = static_cast<int>(TTI_NONE);
};

class TToolTipWindow : public TWindowTarget {
 public:
  TToolTipWindow(unsigned style, HWND owner);
  ~TToolTipWindow() override;

  void MainWndProc(TMessage& message) override;
  std::string TraceName() const override { return "tooltip"; }

  unsigned Style() const { return style_; }
  HWND Owner() const { return owner_; }
  bool Showing() const;
  // What the tip shows now (or showed last).
  const std::string& Text() const { return text_; }
  const std::string& Title() const { return title_; }
  int TitleIcon() const { return icon_; }
  TRect BoundsRect() const;
  const class TBitmap* PaintedImage() const;
  int DelayTime(WPARAM which) const;

  // Shows a tip at once with its stem at a screen point, without asking a tool: the balloon of
  // an edit. It goes after the auto-pop delay or with Pop.
  void TrackBalloon(TPoint stem, const std::string& title, const std::string& text, int icon);
  void Pop();
  std::uint8_t Alpha() const;
  void SetAlpha(std::uint8_t alpha);

 private:
  struct Tool {
    TToolInfo info;
    std::string text;
    TEventLink hook;
  };
  class TipWindow;
  LRESULT AddTool(const TToolInfo& info);
  LRESULT DeleteTool(const TToolInfo& info);
  Tool* FindTool(HWND toolWindow, std::uintptr_t id);
  void WatchToolMessage(Tool& tool, const TMessage& m);
  void MouseOverTool(Tool& tool, TPoint client);
  void ToolLeft();
  void RestEnded();
  bool ShowTip(TPoint stem, const std::string& text);
  void PopAndNotify();
  void Notify(const Tool& tool, int code, NMHDR* header);
  void SetDelay(WPARAM which, int ms);

  unsigned style_;
  HWND owner_;
  bool active_ = true;
  std::vector<std::unique_ptr<Tool>> tools_;
  std::uintptr_t current_ = 0;  // the tool under the mouse (its id), 0 for none
  HWND current_window_ = 0;
  bool shown_for_current_ = false;
  bool reshow_ = false;
  std::unique_ptr<TipWindow> tip_;
  std::string text_, title_;
  int icon_ = 0;
  TColor back_color_ = clInfoBk;
  TColor text_color_ = clInfoText;
  int max_width_ = -1;
  int initial_ = -1, reshow_delay_ = -1, autopop_ = -1;
};

// Makes a tooltip control of the style, owned by a window; its handle. The control lives until
// DestroyToolTipWindow.
HWND CreateToolTipWindow(unsigned style, HWND owner);
bool DestroyToolTipWindow(HWND tooltip);
// The control behind a handle, or null.
TToolTipWindow* FindToolTipWindow(HWND tooltip);

// Shows the tips of a tooltip control with a constant alpha (255 opaque), as a layered window
// would; false for a handle that is no tooltip control.
bool SetToolTipAlpha(HWND tooltip, std::uint8_t alpha);
std::uint8_t ToolTipAlpha(HWND tooltip);

// The balloon of an edit (EM_SHOWBALLOONTIP, EM_HIDEBALLOONTIP): one tooltip control per
// edit, pointing at the caret; typing, a click or the loss of the focus hides it.
LRESULT ShowEditBalloon(TWinControl* edit, const EDITBALLOONTIP& tip);
LRESULT HideEditBalloon(TWinControl* edit);
// The edit's balloon control, or null when it never showed one.
TToolTipWindow* EditBalloon(const TWinControl* edit);

}  // namespace hd
