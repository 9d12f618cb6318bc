// Forms (top-level windows), modal showing with modal results, and the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/controls.h"
#include "platform/cursors.h"

namespace hd {

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrClose = 8, mrHelp = 9, mrTryAgain = 10, mrContinue = 11,
                       mrAll = 12, mrNoToAll = 13, mrYesToAll = 14;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// Top-level windows of a control's own: popups owned by a form, windows that stay on top or
// keep out of the taskbar, showing without activation, activation messages and sizing.
enum TFormStyle { fsNormal, fsStayOnTop };
// The smallest and largest size of a form; 0 leaves that side free.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  friend bool operator==(const TSizeConstraints&, const TSizeConstraints&) = default;
};

// WM_ACTIVATE's WParam (its LParam is the other window: the one being activated, or the one
// that was active); WM_MOUSEACTIVATE's answers.
constexpr WPARAM WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2;
constexpr LRESULT MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, MA_NOACTIVATEANDEAT = 4;
constexpr UINT WM_NCACTIVATE = 0x0086, WM_SIZING = 0x0214;
// WM_SIZING's WParam: the edge being dragged; its LParam points at the proposed TRect.
constexpr WPARAM WMSZ_RIGHT = 2, WMSZ_BOTTOM = 6, WMSZ_BOTTOMRIGHT = 8;

// Shows or hides a window; SW_SHOWNOACTIVATE and SW_SHOWNA leave the focus and the active form
// as they are. Returns whether the window was visible before.
bool ShowWindow(HWND h, int cmd);

constexpr HWND HWND_TOP = 0, HWND_BOTTOM = 1;
constexpr HWND HWND_TOPMOST = static_cast<HWND>(-1), HWND_NOTOPMOST = static_cast<HWND>(-2);
constexpr UINT SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004, SWP_NOACTIVATE = 0x0010,
               SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080;
// Places a window (a form in screen coordinates, a control in its parent's) and orders it;
// HWND_TOPMOST keeps a form above every other one. Without SWP_NOACTIVATE a visible form is
// activated. False for an unknown window.
bool SetWindowPos(HWND h, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
// The parent window of a child, the owner (PopupParent) of a top-level window; 0 for none.
HWND GetParent(HWND h);

// Extended window styles.
constexpr int GWL_EXSTYLE = -20;
constexpr std::intptr_t WS_EX_TOPMOST = 0x00000008, WS_EX_TRANSPARENT = 0x00000020,
                        WS_EX_TOOLWINDOW = 0x00000080, WS_EX_LAYERED = 0x00080000,
                        WS_EX_NOACTIVATE = 0x08000000;
// GWL_EXSTYLE only; 0 for another index or an unknown window. SetWindowLongPtr answers the
// value before.
std::intptr_t GetWindowLongPtr(HWND h, int index);
std::intptr_t SetWindowLongPtr(HWND h, int index, std::intptr_t value);

enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using enum TBorderIcon;
using TBorderIcons = TSet<TBorderIcon>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  const char* ClassName() const override { return "TForm"; }

  // Runs OnCreate, once; New (or the creator) calls it when the constructor has returned.
  void AfterConstruction() override;

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle s);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition p) { position_ = p; }
  // A form whose content scrolls is shrunk, when shown, to the work area it would run past, so
  // that every part of it stays reachable. A form of fixed layout keeps its size.
  bool FitToWorkArea() const { return fit_to_work_area_; }
  void SetFitToWorkArea(bool v) { fit_to_work_area_ = v; }
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool v) { key_preview_ = v; }

  TWinControl* ActiveControl() const { return active_control_; }
  // Raises EInvalidOperation for a control that cannot take the focus.
  void SetActiveControl(TWinControl* control);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult r) { modal_result_ = r; }
  // This form holds the focus.
  bool Active() const { return active_; }
  bool Modal() const { return modal_; }
  // Blocked by a modal form shown over it.
  bool BlockedByModal() const { return modal_blocks_ > 0; }

  void SetVisible(bool v) override;
  bool Showing() const override { return Visible(); }
  // Shows the form and runs a nested loop until ModalResult is set; returns it.
  // Closing through the title bar gives mrCancel.
  TModalResult ShowModal();
  void Close();
  bool CloseQuery();
  // Frees the form once the message it is handling has been handled.
  void Release();
  // Brings the form to the front and gives the focus to its active control.
  void SetFocus() override;
  void FocusControl(TWinControl* control);

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientSize(int w, int h) override;
  TPoint ClientOrigin() const override;
  // A form's frame is its native window's title bar and edges, outside its widget.
  TRect NonClientInsets() const override { return {}; }

  // Popup, stay-on-top and tool windows.
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle s);
  // The form this one belongs to: it stays above that form and has no taskbar entry of its
  // own; cleared when that form goes.
  TCustomForm* PopupParent() const { return popup_parent_; }
  void SetPopupParent(TCustomForm* owner);
  const TSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TSizeConstraints& c);
  // Constant translucency of the whole window (WS_EX_LAYERED with LWA_ALPHA).
  bool AlphaBlend() const { return alpha_blend_; }
  void SetAlphaBlend(bool v);
  std::uint8_t AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlendValue(std::uint8_t v);
  // The title bar is drawn active (WM_NCACTIVATE): while the form is active, or while a popup
  // of it keeps it so.
  bool CaptionActive() const { return caption_active_; }
  // The user is sizing the form by a corner or edge that WM_NCHITTEST answered.
  bool UserSizing() const { return sizing_.hit != 0; }
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void Dispatch(TMessage& message) override;

  // Focus bookkeeping, called from the focused window's WM_SETFOCUS: runs the exit and enter
  // notifications and activation. False when a handler moved the focus meanwhile.
  bool SetFocusedControl(TWinControl* control);
  // A control of this form is being hidden, disabled or removed.
  void DefocusControl(TWinControl* control, bool removing);

 protected:
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& action);

 private:
  friend class TScreen;
  struct FrameMetrics {
    int left, top, right, bottom;
  };
  FrameMetrics Frame() const;
  void HandleDialogKey(TMessage& m);
  void ActivateForm();
  void CloseModal();
  void ApplyPosition();
  void FitIntoWorkArea();

  TFormBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  bool fit_to_work_area_ = false;
  bool key_preview_ = false;
  TWinControl* active_control_ = nullptr;
  TWinControl* focused_control_ = nullptr;
  TModalResult modal_result_ = mrNone;
  bool active_ = false;
  bool modal_ = false;
  bool created_ = false;
  int modal_blocks_ = 0;

  // Top-level window state.
  friend bool ShowWindow(HWND, int);
  friend bool SetWindowPos(HWND, HWND, int, int, int, int, UINT);
  struct SizingState {
    int hit = 0;
    TPoint start_mouse;
    TSize start_size;
  };
  void ApplyAlpha();
  bool HandleSizing(TMessage& m);
  void StartSizing(int hit, TPoint screen);
  void StopSizing();
  TSize Constrained(int width, int height) const;
  TFormStyle form_style_ = fsNormal;
  TCustomForm* popup_parent_ = nullptr;
  TSizeConstraints constraints_;
  bool alpha_blend_ = false;
  std::uint8_t alpha_blend_value_ = 255;
  bool caption_active_ = false;
  bool show_no_activate_ = false;
  SizingState sizing_;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// The monitors of the desktop, each with the work area its panels and docks leave free.
using HMONITOR = std::uintptr_t;
constexpr unsigned MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
constexpr unsigned MONITORINFOF_PRIMARY = 1;
struct MONITORINFO {
  TRect rcMonitor;
  TRect rcWork;
  unsigned dwFlags = 0;
};
struct TMonitorLayout {
  TRect Bounds;
  TRect WorkArea;
};
struct TMonitor {
  HMONITOR Handle = 0;
  int MonitorNum = 0;
  TRect BoundsRect;
  TRect WorkareaRect;
  bool Primary = false;
};
// The monitor holding the point, or by the flags: the nearest one, the primary one or none.
HMONITOR MonitorFromPoint(TPoint pt, unsigned flags);
// The monitor sharing the most area with the rectangle, else as MonitorFromPoint.
HMONITOR MonitorFromRect(const TRect& r, unsigned flags);
bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info);
// Makes the layer report these monitors (the first one primary) instead of the display's;
// an empty list reports the display's again. Returns the list set before.
std::vector<TMonitorLayout> SetMonitorLayoutOverride(std::vector<TMonitorLayout> monitors);

// The forms of the program and the display.
class TScreen {
 public:
  TCustomForm* ActiveForm() const { return focused_form_; }
  TWinControl* ActiveControl() const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int i) const { return forms_.at(static_cast<size_t>(i)); }
  // The primary monitor's size.
  int Width() const;
  int Height() const;
  int MonitorCount() const;
  TMonitor Monitors(int i) const;
  // The primary monitor's work area.
  TRect WorkAreaRect() const;
  // A cursor shown over every window while not crDefault.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor c);
  // Cursors registered by number (positive numbers; the stock ones are negative): a control or
  // the screen showing that number shows the cursor. Registering 0 for a number removes it.
  HCURSOR Cursors(TCursor n) const;
  void SetCursors(TCursor n, HCURSOR cursor);
  // The focus model behind SetFocus(HWND).
  static HWND FocusWindow(HWND h);
  // The visible forms, topmost first: the most recently activated on top, then those never
  // activated, the newest first.
  std::vector<TCustomForm*> VisibleFormsInZOrder() const;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* f) { forms_.push_back(f); }
  void RemoveForm(TCustomForm* f);
  // Most recently activated last.
  void NoteActivated(TCustomForm* f);
  TCustomForm* LastActiveVisible(const TCustomForm* except) const;

  std::vector<TCustomForm*> forms_;
  std::vector<TCustomForm*> activation_order_;
  TCustomForm* focused_form_ = nullptr;
  int focus_count_ = 0;
  TCursor cursor_ = crDefault;
  std::map<TCursor, HCURSOR> cursors_;
};

TScreen& Screen();

// Makes Screen() report this size instead of the display's (a small display in tests); a size
// of {0, 0} reports the display's again. Returns the size set before.
TSize SetScreenSizeOverride(TSize size);

}  // namespace hd
