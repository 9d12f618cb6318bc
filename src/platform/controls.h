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
#include "platform/types.h"

namespace hd {

class TControl;
class TWinControl;
class TCustomForm;
class TBitmap;
class TOwnDrawing;
struct TNativeWindow;
// Paints an own-drawn control (WM_PAINT's handling): a bitmap of the client size, filled with
// the control's colour and set to its font, whose canvas Paint draws on; the widget then shows
// that image.
void PaintOwnDrawn(TControl& control, TOwnDrawing& drawing, const std::function<void()>& paint);

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

  // Invalidate asks for a later repaint; Repaint paints now; Update paints what is pending.
  void Invalidate();
  void Repaint();
  void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  virtual void Click();
  virtual void DblClick();

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
  void NativeSetParent();
  void NativeSetBounds();
  void NativeSetEnabled();
  void NativeSetCursor();
  void DestroyNative();

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

 private:
  friend class TControl;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void HandleCNKeyDown(TMessage& m);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  int align_disabled_ = 0;
  bool align_pending_ = false;
};

// The form that contains the control (the first form up the parent chain), or null.
TCustomForm* GetParentForm(const TControl* control);

// Shared by the own-drawn bases: a canvas over a bitmap of the client size while painting.
class TOwnDrawing {
 public:
  // Valid inside Paint.
  TCanvas& Canvas();
  // The last painted image of the control.
  const TBitmap* PaintedImage() const { return image_.get(); }

 private:
  friend void PaintOwnDrawn(TControl& control, TOwnDrawing& drawing, const std::function<void()>& paint);
  std::shared_ptr<TBitmap> image_;
  TCanvas* canvas_ = nullptr;
};

// A windowed control that paints itself: focus, keys and mouse, drawn on a canvas.
class TCustomControl : public TWinControl, public TOwnDrawing {
 public:
  explicit TCustomControl(TComponent* owner);
  const char* ClassName() const override { return "TCustomControl"; }
  void Dispatch(TMessage& message) override;

 protected:
  virtual void Paint() {}
};

// A control without focus that paints itself on its parent.
class TGraphicControl : public TControl, public TOwnDrawing {
 public:
  explicit TGraphicControl(TComponent* owner);
  const char* ClassName() const override { return "TGraphicControl"; }
  void Dispatch(TMessage& message) override;

 protected:
  virtual void Paint() {}
};


}  // namespace hd
