// The headless kit for window tests: a virtual clock, scripted modal loops, recorded and
// answered message boxes and file dialogs, input through the Qt adaptor, pictures as PNG.
// One TGuiKit lives in a test fixture; it puts everything back when it goes.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/event_chain.h"
#include "platform/forms.h"
#include "platform/modal_loop.h"
#include "platform/native_input.h"
#include "platform/timers.h"

namespace hd::test {

// The clipboard of a test: the formats the program set, held in memory.
class TMemoryClipboard : public TClipboardSink {
 public:
  void SetData(const TClipboardData& data) override {
    data_ = data;
    ++writes_;
  }
  bool HasFormat(TClipboardFormat format) override { return data_.count(format) > 0; }
  std::optional<std::string> GetData(TClipboardFormat format) override;
  std::vector<TClipboardFormat> Formats() override;
  const TClipboardData& Data() const { return data_; }
  // How often the content was replaced.
  int Writes() const { return writes_; }

 private:
  TClipboardData data_;
  int writes_ = 0;
};

class TGuiKit : public TModalRunner, public TDialogSink {
 public:
  TGuiKit();
  ~TGuiKit() override;

  TVirtualClock& Clock() { return clock_; }
  // Processes what is pending (native events, posted messages, due timers).
  void Process();
  // Moves the virtual clock, stopping at each timer on the way and processing messages there.
  void Advance(unsigned ms);

  // The next modal loop (a modal form, the application's loop) runs this action inside it.
  // A loop that the action does not end fails the test and is cancelled.
  using TModalAction = std::function<void(TCustomForm* form)>;
  void OnModal(TModalAction action);
  // The next popup menu picks the item with this caption, accelerator marks left out; "|"
  // walks into sub-menus ("Units|mm"). An empty path dismisses the menu. An item that is not
  // there fails the test and dismisses the menu.
  void ChooseMenuItem(const std::string& path);
  // The loop being run now (inside a scripted action), or null.
  TModalLoop* CurrentLoop() const { return current_loop_; }
  // Modal loops run so far, with the form's name (empty for other loops).
  const std::vector<std::string>& ModalLog() const { return modal_log_; }

  // Message boxes shown so far, and the answers the next ones give (in order); a box without
  // an answer gets its default button.
  const std::vector<TMessageBoxRequest>& MessageBoxes() const { return boxes_; }
  void AnswerMessageBox(TModalResult result) { box_answers_.push_back(result); }
  // File dialogs shown so far, and their answers; a dialog without an answer is cancelled.
  const std::vector<TFileDialogRequest>& FileDialogs() const { return file_requests_; }
  void AnswerFileDialog(const std::string& fileName, int filterIndex = 1);
  void CancelFileDialog();

  // Input through the Qt adaptor at client points of a control.
  void Click(TControl* c, int x, int y, TMouseButton b = mbLeft, TShiftState s = {}) { NativeClick(c, {x, y}, b, s); }
  void Click(TControl* c) { Click(c, c->ClientWidth() / 2, c->ClientHeight() / 2); }
  void DoubleClick(TControl* c, int x, int y) { NativeDoubleClick(c, {x, y}); }
  void MoveMouse(TControl* c, int x, int y, TShiftState s = {}) { NativeMouseMove(c, {x, y}, s); }
  // Press and release apart, for drags; points outside the client area reach the border and
  // the scroll bars (a vertical bar lies right of ClientWidth()).
  void MouseDown(TControl* c, int x, int y, TMouseButton b = mbLeft, TShiftState s = {}) { NativeMouseDown(c, {x, y}, b, s); }
  void MouseUp(TControl* c, int x, int y, TMouseButton b = mbLeft, TShiftState s = {}) { NativeMouseUp(c, {x, y}, b, s); }
  // Wheel notches (120 each, positive away from the user) over a client point.
  void Wheel(TControl* c, int x, int y, int delta, TShiftState s = {}) { NativeWheel(c, {x, y}, delta, s); }
  void Press(int vk, TShiftState s = {}) { NativeKeyPress(vk, s); }
  void Type(const std::string& text) { NativeType(text); }
  void CloseByTitleBar(TCustomForm* f) { NativeCloseWindow(f); }

  // The types of the beeps sounded so far (MessageBeep).
  const std::vector<unsigned>& Beeps() const { return beeps_; }
  // The clipboard the program sees while the kit lives.
  TMemoryClipboard& TestClipboard() { return clipboard_; }

  // Renders the control to <HD_TEST_TMP>/<name>.png; returns the path, empty on failure.
  std::string RenderPng(TControl* c, const std::string& name);

  // TModalRunner
  void Run(TModalLoop& loop) override;
  // TDialogSink
  TModalResult ShowMessageBox(const TMessageBoxRequest& request) override;
  TFileDialogAnswer ExecuteFileDialog(const TFileDialogRequest& request) override;

 private:
  TVirtualClock clock_;
  std::deque<TModalAction> modal_actions_;
  TModalLoop* current_loop_ = nullptr;
  std::vector<std::string> modal_log_;
  std::vector<TMessageBoxRequest> boxes_;
  std::deque<TModalResult> box_answers_;
  std::vector<TFileDialogRequest> file_requests_;
  std::deque<TFileDialogAnswer> file_answers_;
  TMemoryClipboard clipboard_;
  std::vector<unsigned> beeps_;
  TBeepSink previous_beep_;
  TModalRunner* previous_runner_ = nullptr;
  TDialogSink* previous_sink_ = nullptr;
  TClipboardSink* previous_clipboard_ = nullptr;
};

// While it lives, Screen() reports this size instead of the display's: windows place
// themselves on a small screen, as on a laptop.
class TScreenSizeScope {
 public:
  TScreenSizeScope(int width, int height) : previous_(SetScreenSizeOverride({width, height})) {}
  ~TScreenSizeScope() { SetScreenSizeOverride(previous_); }
  TScreenSizeScope(const TScreenSizeScope&) = delete;
  TScreenSizeScope& operator=(const TScreenSizeScope&) = delete;

 private:
  TSize previous_;
};

// While it lives, the layer reports these monitors (the first one primary) instead of the
// display's: several monitors, one of them left of x = 0, on any machine.
class TMonitorLayoutScope {
 public:
  explicit TMonitorLayoutScope(std::vector<TMonitorLayout> monitors)
      : previous_(SetMonitorLayoutOverride(std::move(monitors))) {}
  ~TMonitorLayoutScope() { SetMonitorLayoutOverride(std::move(previous_)); }
  TMonitorLayoutScope(const TMonitorLayoutScope&) = delete;
  TMonitorLayoutScope& operator=(const TMonitorLayoutScope&) = delete;

 private:
  std::vector<TMonitorLayout> previous_;
};

// Records the messages a control's window procedure receives, in order, by hooking its
// WindowProc; the hook is removed when the spy goes (spies may go in any order).
class TMessageSpy {
 public:
  explicit TMessageSpy(TControl* control, std::vector<UINT> only = {});
  ~TMessageSpy();
  TMessageSpy(const TMessageSpy&) = delete;
  TMessageSpy& operator=(const TMessageSpy&) = delete;

  struct Entry {
    UINT msg;
    WPARAM wp;
  };
  const std::vector<Entry>& Entries() const { return entries_; }
  // "WM_KEYDOWN(13) WM_CHAR(13)": names with their WParam, for readable comparisons.
  std::string Text() const;
  void Clear() { entries_.clear(); }

 private:
  std::vector<UINT> only_;
  std::vector<Entry> entries_;
  TEventLink hook_;
};

// A shared event log for order tests: each Note appends "what".
class TEventLog {
 public:
  void Note(const std::string& what) { entries_.push_back(what); }
  std::string Text() const;
  void Clear() { entries_.clear(); }
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace hd::test
