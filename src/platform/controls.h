// Controls: windows with a handle that speak messages. TControl carries position, look and the
// mouse; TWinControl adds children, keyboard and focus; TCustomControl and TGraphicControl are
// the bases of controls that paint themselves on a canvas.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/messages.h"
#include "platform/region.h"
#include "platform/scroll_bars.h"
#include "platform/types.h"

namespace hd {

class TControl;
class TWinControl;
class TCustomForm;
class TBitmap;
class TOwnDrawing;
class TPopupMenu;
struct TNativeWindow;

using TKeyChar = char32_t;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, TKeyChar& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using enum TAnchorKind;
using TAnchors = TSet<TAnchorKind>;

enum class TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
  csFixedWidth, csFixedHeight, csNoStdEvents, csParentBackground
};
using enum TControlStyleItem;
using TControlStyle = TSet<TControlStyleItem>;

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                  crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22;

// Border of a form or of a framed control.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
// The window scroll bars a control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class THintWindow;
// A hint window class: makes a window of that class (see HintClassOf in hint_window.h).
using THintWindowClass = std::unique_ptr<THintWindow> (*)();

// Fills the hint shown for a control; CM_HINTSHOW's LParam points at it. A non-zero result
// of CM_HINTSHOW suppresses the hint.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;        // screen position of the hint window
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;      // client rectangle the hint belongs to; leaving it hides the hint
  TPoint CursorPos;      // client position of the mouse
  int ReshowTimeout = 0; // ms; non-zero shows the hint again after that time
  int HideTimeout = 0;   // ms; 0 keeps the application's
  std::string HintStr;
  // The class that shows this hint (null: the application's HintWindowClass) and the data it
  // is handed.
  THintWindowClass HintWindowClass = nullptr;
  void* HintData = nullptr;
};

class TControl : public TComponent, public TWindowTarget {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }
  std::string TraceName() const override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
  void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
  virtual void SetClientSize(int w, int h);
  TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign a);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors a) { anchors_ = a; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so is every parent up to a visible form.
  virtual bool Showing() const;
  // Tells every windowed control from this one down (CM_SHOWINGCHANGED, wParam the new
  // Showing) that it may have been shown or hidden with it.
  void ShowingChanged();
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);

  // Caption and Text are the same text.
  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  TColor Color() const { return color_; }
  void SetColor(TColor c);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool v);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& f);
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool v);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }
  bool ShowHint() const;
  void SetShowHint(bool v) { show_hint_ = v; parent_show_hint_ = false; }
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool v) { parent_show_hint_ = v; }

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor c);
  // The menu WM_CONTEXTMENU pops up (a right-button release, Shift+F10 or the menu key); a
  // control without one leaves the message to its parent.
  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* Value);
  TControlStyle ControlStyle() const { return control_style_; }
  void SetControlStyle(TControlStyle s) { control_style_ = s; }

  bool MouseCapture() const;
  void SetMouseCapture(bool v);
  bool MouseInControl() const { return mouse_in_control_; }

  // The window procedure chain: WindowProc (hookable; starts as WndProc), then Dispatch to
  // the message handlers, then DefaultHandler, which is the native control's own handling.
  std::function<void(TMessage&)> WindowProc;
  virtual void WndProc(TMessage& message);
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  void MainWndProc(TMessage& message) override;
  // Synchronous call of the window procedure, without the exception guard.
  LRESULT Perform(UINT msg, WPARAM wp = 0, LPARAM lp = 0);

  // Invalidate asks for a later repaint of the whole client area; Repaint paints it now;
  // Update paints what is pending now. Virtual so that a control that holds its repaints
  // back (an update lock) sees every request, the layer's own ones included.
  virtual void Invalidate();
  void Repaint();
  void Update();
  void Refresh() { Repaint(); }
  // Adds client pixels (all of them for null) to the update region; erase fills them with
  // the control's colour before it paints them.
  virtual void InvalidateRegion(const TRegion* region, bool erase);
  // Offsets from the window's top-left corner to the client area's, and from the client
  // area's right and bottom to the window's: the border and the scroll bars.
  virtual TRect NonClientInsets() const { return {}; }
  void BringToFront();
  void SendToBack();

  virtual void Click();
  virtual void DblClick();
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

  TNativeWindow* Native() const { return native_; }

 protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
  virtual void Resize();
  // The text changed (CM_TEXTCHANGED follows).
  virtual void TextChanged() {}
  // Told after the client size changed, before OnResize.
  virtual void BoundsChanged(int oldClientWidth, int oldClientHeight);

  // Qt side: takes the native window made for this control.
  void AttachNative(TNativeWindow* native);
  // Qt side: the native window goes (a windowed control's DestroyWnd).
  void DestroyNative();
  // Pushes the text to the native control.
  virtual void NativeSetText(const std::string& text);
  virtual void NativeSetColor();
  virtual void NativeSetFont();
  void ParentColorChanged(TColor c);
  void ParentFontChanged(const TFont& f);
  void SetVisibleFlag(bool v) { visible_ = v; }
  void NativeSetVisible();

  std::string text_;
  TControlStyle control_style_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TColor color_ = clBtnFace;
  TFont font_;

 private:
  friend class TWinControl;
  void HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl);
  void HandleMouseWheel(TMessage& m);
  void HandleSetCursor(TMessage& m);
  void HandleContextMenu(TMessage& m);
  void NativeSetParent();
  void NativeSetBounds();
  void NativeSetEnabled();
  void NativeSetCursor();

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool parent_color_ = true;
  bool parent_font_ = true;
  std::string hint_;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenu* popup_menu_ = nullptr;
  TAlign align_ = alNone;
  TAnchors anchors_{akLeft, akTop};
  bool clicked_ = false;
  bool mouse_in_control_ = false;
  int wheel_accumulator_ = 0;
  TSize size_before_;  // client size before the change that WM_SIZE reports
  TNativeWindow* native_ = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  bool ContainsControl(const TControl* control) const;
  // The child (visible ones only, unless allowInvisible) under a client point, topmost first.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowInvisible = false) const;

  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v) { tab_stop_ = v; }
  int TabOrder() const;
  void SetTabOrder(int order);
  // Children that take part in tabbing, in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  void SelectFirst();

  // Visible and enabled up to a visible, enabled form that no modal form blocks.
  bool CanFocus() const;
  bool Focused() const { return GetFocus() == Handle() && Handle() != 0; }
  // Raises EInvalidOperation for a window that cannot take the focus.
  virtual void SetFocus();

  // Sends the message to each child until one answers non-zero.
  void Broadcast(TMessage& message);
  void DisableAlign() { ++align_disabled_; }
  void EnableAlign();
  void Realign();
  int ClientWidth() const override;
  int ClientHeight() const override;
  TPoint ClientOrigin() const override;

  // The window: it exists once the control is parented into a form that is shown, or once
  // HandleNeeded asks for it. Handle() names the control for messages at any time.
  bool HandleAllocated() const { return handle_allocated_; }
  void HandleNeeded();
  // Takes the window down and makes it again (for settings the native window takes only
  // when it is made); nothing when there is none.
  void RecreateWnd();

  // The non-client area: a border (bsSingle, sunken edges with Ctl3D, else a line) and the
  // window scroll bars. Forms keep their own frame.
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle s);
  bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool v);
  // The bars shown from the start; SetScrollInfo and ShowScrollBar show and hide them later.
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle s);
  TRect NonClientInsets() const override;
  // The state of SB_HORZ or SB_VERT (read-only; the scroll functions change it).
  const TScrollBarState& ScrollBarState(int nBar) const { return nBar == SB_VERT ? vbar_ : hbar_; }
  // Where a window point (0,0 = the window's top-left) lies: HTCLIENT, HTVSCROLL,
  // HTHSCROLL, HTBORDER, HTSIZE (the corner between two bars) or HTNOWHERE.
  int NonClientHitTest(TPoint windowPoint) const;
  // True while the user drags a thumb or holds an arrow or the track of a bar.
  bool ScrollBarTracking() const;
  // Draws the border and the scroll bars onto a canvas of the window's size.
  void PaintNonClient(TCanvas& canvas) const;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

  void Dispatch(TMessage& message) override;
  void WndProc(TMessage& message) override;

 protected:
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(TKeyChar& key);
  // True when the key was taken (by the form's key preview or a handler that cleared it), or
  // when a handler freed this window: then nothing may touch it any more.
  bool DoKeyDown(TMessage& m);
  bool DoKeyUp(TMessage& m);
  bool DoKeyPress(TMessage& m);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void AlignControls(TRect& rect);
  void BoundsChanged(int oldClientWidth, int oldClientHeight) override;
  // A child was inserted or removed.
  virtual void ControlsChanged(TControl*, bool /*inserted*/) {}

  // Makes the window: the native window of the class (CreateNativeWindow), when it has none
  // yet, with the children's windows inside it. An override calls the base first and then
  // hands the new window what the control holds. HandleAllocated is true from here on.
  virtual void CreateWnd();
  // Takes the window down; the control keeps its state for the next CreateWnd.
  virtual void DestroyWnd();
  // The native window of a class whose windows are made on demand (own-drawn controls and
  // those that RecreateWnd rebuilds); null for a class that made its window itself.
  virtual TNativeWindow* CreateNativeWindow() { return nullptr; }
  void CreateHandle();
  void DestroyHandle();
  // The border, the bars or their state changed: the non-client area needs painting.
  virtual void NonClientChanged();

 private:
  friend class TControl;
  friend int SetScrollInfo(HWND, int, const SCROLLINFO&, bool);
  friend bool ShowScrollBar(HWND, int, bool);
  friend bool EnableScrollBar(HWND, unsigned, unsigned);
  // The bar input in progress: which bar and part, where the pointer is (window point), its
  // offset into a dragged thumb, and the position the drag reached.
  struct ScrollTrack {
    int bar = SB_VERT;
    int part = 0;
    TPoint last;
    int grab = 0;
    int trackPos = 0;
  };
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void HandleCNKeyDown(TMessage& m);
  // Sets the client size after a non-client change, keeping the window size.
  void NonClientResized(int oldClientWidth, int oldClientHeight);
  TScrollBarState& Bar(int nBar) { return nBar == SB_VERT ? vbar_ : hbar_; }
  // Scroll-bar input: the non-client mouse messages and the repeat timer.
  bool HandleNonClientMouse(TMessage& m);
  void ScrollBarPress(int nBar, TPoint windowPoint);
  void ScrollBarDrag(TPoint windowPoint);
  void ScrollBarRelease();
  void ScrollBarRepeat();
  void SendScroll(unsigned code, int pos);
  TRect BarRect(int nBar) const;

  bool handle_allocated_ = false;
  bool native_on_demand_ = false;
  TBorderStyle border_style_ = bsNone;
  bool ctl3d_ = true;
  TScrollStyle scroll_bars_ = ssNone;
  TScrollBarState hbar_, vbar_;
  std::unique_ptr<ScrollTrack> track_;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  int align_disabled_ = 0;
  bool align_pending_ = false;
};

// The form that contains the control (the first form up the parent chain), or null.
TCustomForm* GetParentForm(const TControl* control);

// The paint cycle shared by every control that paints itself: an update region that
// invalidations add to, one back buffer of the client size that WM_PAINT paints into (with the
// canvas clipped to the update region), and the image the window shows.
class TOwnDrawing {
 public:
  explicit TOwnDrawing(TControl* control);
  virtual ~TOwnDrawing();
  TOwnDrawing(const TOwnDrawing&) = delete;
  TOwnDrawing& operator=(const TOwnDrawing&) = delete;

  // While the control paints: the canvas it paints on, clipped to the update region, set to
  // the control's font and colour. At other times the control canvas: it measures with the
  // control's font and draws straight onto the shown image (a sizing line, a focus mark).
  TCanvas& Canvas();
  bool Painting() const { return paint_canvas_ != nullptr; }
  // The bounding rectangle of what the current paint must cover (the platform's rcPaint).
  TRect PaintRect() const { return paint_rect_; }
  // Client pixels waiting to be painted.
  const TRegion& UpdateRegion() const { return update_; }
  // Painting is on unless WM_SETREDRAW switched it off.
  bool RedrawEnabled() const { return redraw_; }
  // The image the control shows (its back buffer), null before the first paint.
  const TBitmap* PaintedImage() const { return image_.get(); }
  // The whole control (its client area), or the part inside clip (client coordinates),
  // painted onto any canvas, as WM_PAINT would paint it.
  void PaintTo(TCanvas& canvas);
  void PaintTo(TCanvas& canvas, const TRect& clip);
  void PaintTo(TCanvas& canvas, const TRegion& clip);

  // The window shows what was drawn on the control canvas now, not when the event loop runs
  // again: for an animation that holds the loop between its frames.
  void ShowNow();

  // The whole window's canvas (0,0 = the window's top-left corner) over its non-client
  // image, as the platform's window device context: WM_NCPAINT paints the border and the bars
  // there, and a control may draw its own border after that, or at any time. What lies over
  // the client area is covered by the client's image.
  TCanvas& WindowCanvas();

  // Internal to the layer: the window's non-client image (border and bars), painted through
  // WM_NCPAINT when it changed; null when the control has no non-client area.
  const TBitmap* NonClientImage();
  // Internal to the layer: the window showed the image over a client region.
  void ImageShown(const TRegion& client) { unshown_ = unshown_ - client; }

 protected:
  // Paints the control on Canvas().
  virtual void Paint() {}
  // The shared handling of WM_PAINT, WM_NCPAINT, WM_SETREDRAW and the changes that repaint;
  // true when the message was handled here.
  bool HandleOwnDrawnMessage(TMessage& m);
  void NonClientDirty() { nc_dirty_ = true; }

 private:
  friend class TControl;
  friend bool ValidateRect(HWND, const TRect*);
  friend bool UpdateWindow(HWND);
  friend int ScrollWindowEx(HWND, int, int, const TRect*, const TRect*, TRegion*, TRect*, unsigned);
  void AddUpdate(const TRegion& region, bool erase);
  // Moves the painted pixels of `area` by dx, dy within `clip` (both inside the client area)
  // and the waiting update region with them; returns what the move uncovered.
  TRegion ScrollPixels(int dx, int dy, const TRect& area, const TRect& clip);
  void PaintPending();
  void RunPaint(TCanvas& canvas, const TRegion& clip, bool erase);
  TBitmap& Buffer();
  TBitmap& WindowBuffer();

  TControl* control_;
  std::unique_ptr<TBitmap> image_;
  std::unique_ptr<TBitmap> nc_image_;
  TRegion update_;
  // Client pixels the window was asked to show again and has not shown yet.
  TRegion unshown_;
  bool erase_ = false;
  bool redraw_ = true;
  bool nc_dirty_ = true;
  bool nc_painting_ = false;
  TCanvas* paint_canvas_ = nullptr;
  TRect paint_rect_;
};

// The paint cycle by window handle. Rectangles and regions are in client coordinates; null
// means the whole client area.
bool InvalidateRect(HWND h, const TRect* r, bool erase);
bool InvalidateRgn(HWND h, const TRegion* region, bool erase);
bool ValidateRect(HWND h, const TRect* r);
// The bounding rectangle of the update region; false when nothing waits.
bool GetUpdateRect(HWND h, TRect* r, bool erase);
// Paints what waits now (WM_PAINT), when the window shows.
bool UpdateWindow(HWND h);

// A windowed control that paints itself: focus, keys and mouse, drawn on a canvas.
class TCustomControl : public TWinControl, public TOwnDrawing {
 public:
  explicit TCustomControl(TComponent* owner);
  const char* ClassName() const override { return "TCustomControl"; }
  void Dispatch(TMessage& message) override;

 protected:
  TNativeWindow* CreateNativeWindow() override;
  void NonClientChanged() override;
};

// A control without focus that paints itself on its parent.
class TGraphicControl : public TControl, public TOwnDrawing {
 public:
  explicit TGraphicControl(TComponent* owner);
  const char* ClassName() const override { return "TGraphicControl"; }
  void Dispatch(TMessage& message) override;
};

}  // namespace hd
