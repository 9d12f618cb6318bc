// Forms (top-level windows), modal showing with modal results, and the screen.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls.h"

namespace hd {

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrClose = 8, mrHelp = 9, mrTryAgain = 10, mrContinue = 11,
                       mrAll = 12, mrNoToAll = 13, mrYesToAll = 14;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

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

  TFormBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  bool key_preview_ = false;
  TWinControl* active_control_ = nullptr;
  TWinControl* focused_control_ = nullptr;
  TModalResult modal_result_ = mrNone;
  bool active_ = false;
  bool modal_ = false;
  bool created_ = false;
  int modal_blocks_ = 0;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// The forms of the program and the display.
class TScreen {
 public:
  TCustomForm* ActiveForm() const { return focused_form_; }
  TWinControl* ActiveControl() const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int i) const { return forms_.at(static_cast<size_t>(i)); }
  int Width() const;
  int Height() const;
  // A cursor shown over every window while not crDefault.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor c);
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
};

TScreen& Screen();

// Makes Screen() report this size instead of the display's (a small display in tests); a size
// of {0, 0} reports the display's again. Returns the size set before.
TSize SetScreenSizeOverride(TSize size);

}  // namespace hd
