// The application object: creates the program's forms, runs the message loop, shows errors
// that leave event handlers, and shows hints.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/forms.h"

namespace hd {

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  const char* ClassName() const override { return "TApplication"; }

  // Brings up the windowing system and installs the error and focus handling.
  void Initialize();
  // Creates a form owned by the application; the first becomes the main form. The form's
  // OnCreate runs before this returns, so each creation handler runs before the next form
  // exists. `reference` is set before OnCreate runs. The arguments after the owner go to the
  // form's constructor. The form is built in two phases (see New): its components hear
  // Loaded when its construction has ended, before OnCreate.
  template <class T, class... Args>
  void CreateForm(T*& reference, Args&&... args) {
    Initialize();
    T* form = detail::Construct<T>(this, std::forward<Args>(args)...);
    reference = form;
    if (!main_form_) main_form_ = form;
    form->AfterConstruction();
  }
  TCustomForm* MainForm() const { return main_form_; }
  // Frees the forms the application owns (each after its OnDestroy) and starts afresh:
  // no main form, not terminated.
  void FreeForms();
  // Shows the main form and handles messages until Terminate (closing the main form).
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  void ProcessMessages();
  bool MainFormOnTaskbar() const { return main_form_on_taskbar_; }
  void SetMainFormOnTaskbar(bool v) { main_form_on_taskbar_ = v; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t) { title_ = t; }
  // Full path of the running executable.
  std::string ExeName() const;

  // Shows the exception in an error box (or passes it to OnException) and carries on.
  void HandleException(std::exception_ptr e);
  void ShowException(const std::exception& e);
  TExceptionEvent OnException;

  // A message box with the platform's MB_ flags; returns the ID of the button chosen.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v);
  int HintPause() const { return hint_pause_; }
  void SetHintPause(int ms) { hint_pause_ = ms; }
  int HintHidePause() const { return hint_hide_pause_; }
  void SetHintHidePause(int ms) { hint_hide_pause_ = ms; }
  int HintShortPause() const { return hint_short_pause_; }
  void SetHintShortPause(int ms) { hint_short_pause_ = ms; }
  TColor HintColor() const { return hint_color_; }
  void SetHintColor(TColor c) { hint_color_ = c; }
  void CancelHint();
  // The hint on screen, if any.
  bool HintShowing() const;
  std::string HintText() const;
  TRect HintRect() const;
  // The window of the last hint shown, of the class the hint asked for; null before any.
  THintWindow* HintWindow() const { return hint_window_.get(); }
  // Called for every mouse message a control receives.
  void HintMouseMessage(TControl* control, const TMessage& message);

 private:
  class HintTimer;
  void ActivateHint();
  void HideHint();

  TCustomForm* main_form_ = nullptr;
  bool terminated_ = false;
  bool initialized_ = false;
  bool main_form_on_taskbar_ = false;
  std::string title_;
  bool show_hint_ = true;
  int hint_pause_ = 500;
  int hint_hide_pause_ = 2500;
  int hint_short_pause_ = 50;
  TColor hint_color_ = clInfoBk;
  std::unique_ptr<HintTimer> hint_timer_;
  std::unique_ptr<THintWindow> hint_window_;
  THintWindowClass hint_window_class_ = nullptr;
  HWND hint_control_ = 0;
  bool hint_active_ = false;
  TRect hint_cursor_rect_;
  std::string hint_text_;
  TRect hint_rect_;
  std::uint64_t hint_hidden_at_ = 0;
};

TApplication& Application();

// The part of a hint text before "|".
std::string GetShortHint(const std::string& hint);
// The part after "|", or the whole text when there is none.
std::string GetLongHint(const std::string& hint);

// Where the mouse is, in screen coordinates (as last seen by the input translation).
TPoint GetCursorPos();
void SetCursorPosition(TPoint p);

}  // namespace hd
