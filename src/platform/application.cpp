#include "platform/application.h"

#include <iostream>

#include "platform/dialogs.h"
#include "platform/hint_window.h"
#include "platform/modal_loop.h"
#include "platform/native_bridge_p.h"
#include "platform/timers.h"

namespace hd {
namespace {

constexpr std::uintptr_t kShowHintTimer = 1;
constexpr std::uintptr_t kHideHintTimer = 2;

// An exception that leaves a window during delivery is shown, and the program goes on.
const bool kExceptionHookInstalled = [] {
  MessageHooks().HandleException = [](std::exception_ptr e) { Application().HandleException(e); };
  return true;
}();

TPoint g_cursor_pos;

std::string BaseNameWithoutExtension(const std::string& path) {
  std::string name = path.substr(path.find_last_of("/\\") + 1);
  auto dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

// Receives the hint timers.
class TApplication::HintTimer : public TWindowTarget {
 public:
  explicit HintTimer(TApplication& app) : app_(app) {}
  void MainWndProc(TMessage& m) override {
    if (m.Msg != WM_TIMER) return;
    KillTimer(Handle(), m.WParam);
    if (m.WParam == kShowHintTimer) app_.ActivateHint();
    if (m.WParam == kHideHintTimer) app_.HideHint();
  }
  std::string TraceName() const override { return "hint timer"; }

 private:
  TApplication& app_;
};

TApplication::TApplication() : TComponent(nullptr), hint_timer_(std::make_unique<HintTimer>(*this)) {
  (void)kExceptionHookInstalled;
}

TApplication::~TApplication() { FreeForms(); }

void TApplication::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  EnsureNativeApplication();
  if (title_.empty()) title_ = BaseNameWithoutExtension(ExeName());
}

void TApplication::FreeForms() {
  CancelHint();
  // OnDestroy of every form runs while all forms still exist.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (auto* f = dynamic_cast<TCustomForm*>(Components(i)); f && f->OnDestroy) {
      TNotifyEvent handler = f->OnDestroy;
      f->OnDestroy = nullptr;
      handler(f);
    }
  }
  DestroyComponents();
  main_form_ = nullptr;
  terminated_ = false;
}

void TApplication::Run() {
  Initialize();
  if (main_form_ && !terminated_) main_form_->Show();
  TModalLoop loop{TModalKind::Application, main_form_, [this] { return terminated_; }, [this] { terminated_ = true; }};
  RunModalLoop(loop);
}

void TApplication::ProcessMessages() { hd::ProcessMessages(); }

std::string TApplication::ExeName() const { return NativeExecutablePath(); }

void TApplication::HandleException(std::exception_ptr e) {
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& ex) {
    if (OnException)
      OnException(this, ex);
    else
      ShowException(ex);
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}

void TApplication::ShowException(const std::exception& e) {
  std::string text = e.what();
  // The platform ends the message with a full stop when it has none.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  TMessageBoxRequest request;
  request.Type = mtError;
  request.Caption = Title().empty() ? BaseNameWithoutExtension(ExeName()) : Title();
  request.Text = text;
  request.Buttons = {mbOK};
  request.DefaultButton = mbOK;
  try {
    DialogSink().ShowMessageBox(request);
  } catch (...) {
    std::cerr << "error: " << text << '\n';
  }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  TMessageBoxRequest request;
  request.Text = text;
  request.Caption = caption;
  switch (flags & 0xF0) {
    case MB_ICONERROR: request.Type = mtError; break;
    case MB_ICONQUESTION: request.Type = mtConfirmation; break;
    case MB_ICONWARNING: request.Type = mtWarning; break;
    case MB_ICONINFORMATION: request.Type = mtInformation; break;
    default: request.Type = mtCustom; break;
  }
  switch (flags & 0xF) {
    case MB_OKCANCEL: request.Buttons = {mbOK, mbCancel}; break;
    case MB_ABORTRETRYIGNORE: request.Buttons = {mbAbort, mbRetry, mbIgnore}; break;
    case MB_YESNOCANCEL: request.Buttons = {mbYes, mbNo, mbCancel}; break;
    case MB_YESNO: request.Buttons = {mbYes, mbNo}; break;
    case MB_RETRYCANCEL: request.Buttons = {mbRetry, mbCancel}; break;
    default: request.Buttons = {mbOK}; break;
  }
  size_t def = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
  request.DefaultButton = request.Buttons[std::min(def, request.Buttons.size() - 1)];
  // The modal results of these buttons are the platform's IDs.
  return DialogSink().ShowMessageBox(request);
}

void TApplication::SetShowHint(bool v) {
  show_hint_ = v;
  if (!v) CancelHint();
}

void TApplication::CancelHint() {
  HideHint();
  if (hint_timer_) KillTimer(hint_timer_->Handle(), kShowHintTimer);
  hint_control_ = 0;
}

bool TApplication::HintShowing() const { return hint_active_; }
std::string TApplication::HintText() const { return hint_active_ ? hint_text_ : std::string(); }
TRect TApplication::HintRect() const { return hint_active_ && hint_window_ ? hint_window_->BoundsRect() : TRect{}; }

void TApplication::HintMouseMessage(TControl* control, const TMessage& m) {
  if (m.Msg != WM_MOUSEMOVE) {
    if (m.Msg != WM_MOUSEWHEEL) CancelHint();
    return;
  }
  TPoint pos{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (control->Handle() == hint_control_ && (!hint_active_ || hint_cursor_rect_.Contains(pos))) return;
  bool recentlyShown = hint_active_ || (hint_hidden_at_ != 0 && Clock().NowMs() - hint_hidden_at_ < 100);
  HideHint();
  KillTimer(hint_timer_->Handle(), kShowHintTimer);
  hint_control_ = control->Handle();
  if (show_hint_ && control->ShowHint())
    SetTimer(hint_timer_->Handle(), kShowHintTimer,
             static_cast<unsigned>(recentlyShown ? hint_short_pause_ : hint_pause_));
}

void TApplication::ActivateHint() {
  auto* control = dynamic_cast<TControl*>(FindWindowTarget(hint_control_));
  if (!control || !control->Showing()) return;
  THintInfo info;
  info.HintControl = control;
  info.CursorPos = control->ScreenToClient(GetCursorPos());
  info.CursorRect = control->ClientRect();
  std::string hint;
  for (const TControl* c = control; c && hint.empty(); c = c->Parent()) hint = c->Hint();
  info.HintStr = GetShortHint(hint);
  info.HintMaxWidth = Screen().Width();
  info.HintColor = hint_color_;
  TPoint cursor = GetCursorPos();
  info.HintPos = {cursor.X, cursor.Y + 20};
  info.HideTimeout = hint_hide_pause_;
  if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
  THintWindowClass cls = info.HintWindowClass ? info.HintWindowClass : HintWindowClass();
  if (!hint_window_ || cls != hint_window_class_) {
    if (hint_window_) hint_window_->ReleaseHandle();
    hint_window_ = cls();
    hint_window_class_ = cls;
  }
  hint_window_->SetColor(info.HintColor);
  hint_rect_ = hint_window_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  OffsetRect(hint_rect_, info.HintPos.X, info.HintPos.Y);
  hint_text_ = info.HintStr;
  hint_cursor_rect_ = info.CursorRect;
  hint_active_ = true;
  hint_window_->ActivateHintData(hint_rect_, hint_text_, info.HintData);
  if (info.HideTimeout > 0) SetTimer(hint_timer_->Handle(), kHideHintTimer, static_cast<unsigned>(info.HideTimeout));
  if (info.ReshowTimeout > 0) SetTimer(hint_timer_->Handle(), kShowHintTimer, static_cast<unsigned>(info.ReshowTimeout));
}

void TApplication::HideHint() {
  if (!hint_active_) return;
  hint_active_ = false;
  hint_hidden_at_ = Clock().NowMs();
  if (hint_timer_) KillTimer(hint_timer_->Handle(), kHideHintTimer);
  if (hint_window_) hint_window_->ReleaseHandle();
}

TApplication& Application() {
  static TApplication* app = new TApplication;
  return *app;
}

std::string GetShortHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

TPoint GetCursorPos() { return g_cursor_pos; }
void SetCursorPosition(TPoint p) { g_cursor_pos = p; }

}  // namespace hd
