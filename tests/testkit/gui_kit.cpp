#include "testkit/gui_kit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/menus.h"
#include "platform/std_ctrls.h"

namespace hd::test {

TGuiKit::TGuiKit() {
  // Window tests never need a display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Application().Initialize();
  SetClock(&clock_);
  previous_runner_ = SetModalRunner(this);
  previous_sink_ = SetDialogSink(this);
  previous_clipboard_ = SetClipboardSink(&clipboard_);
  previous_beep_ = SetMessageBeepSink([this](unsigned type) { beeps_.push_back(type); });
  ResetKeyStates();
  ClearPostedMessages();
  Process();
}

TGuiKit::~TGuiKit() {
  Application().FreeForms();
  Process();
  ClearPostedMessages();
  SetModalRunner(previous_runner_);
  SetDialogSink(previous_sink_);
  SetClipboardSink(previous_clipboard_);
  SetMessageBeepSink(std::move(previous_beep_));
  SetClock(nullptr);
  ResetKeyStates();
  if (!modal_actions_.empty()) ADD_FAILURE() << modal_actions_.size() << " scripted modal action(s) never ran";
}

void TGuiKit::Process() { ProcessMessages(); }

void TGuiKit::Advance(unsigned ms) {
  std::uint64_t target = clock_.NowMs() + ms;
  for (;;) {
    auto due = NextTimerDue();
    if (!due || *due > target) break;
    clock_.Set(std::max(clock_.NowMs(), *due));
    Process();
  }
  clock_.Set(target);
  Process();
}

void TGuiKit::OnModal(TModalAction action) { modal_actions_.push_back(std::move(action)); }

void TGuiKit::Run(TModalLoop& loop) {
  auto* form = dynamic_cast<TCustomForm*>(loop.Window);
  modal_log_.push_back(form ? form->Name() : std::string());
  Process();
  if (loop.Done()) return;
  if (modal_actions_.empty()) {
    ADD_FAILURE() << "a modal loop (" << (form ? form->Name() : std::string("no form"))
                  << ") ran without a scripted action; it is cancelled";
    loop.Cancel();
    Process();
    return;
  }
  TModalAction action = std::move(modal_actions_.front());
  modal_actions_.pop_front();
  TModalLoop* outer = current_loop_;
  current_loop_ = &loop;
  action(form);
  current_loop_ = outer;
  Process();
  if (!loop.Done()) {
    ADD_FAILURE() << "the scripted action left the modal loop (" << (form ? form->Name() : std::string("no form"))
                  << ") running; it is cancelled";
    loop.Cancel();
    Process();
  }
}

void TGuiKit::ChooseMenuItem(const std::string& path) {
  OnModal([this, path](TCustomForm*) {
    if (!current_loop_ || current_loop_->Kind != TModalKind::PopupMenu) {
      ADD_FAILURE() << "the modal loop that ran is not a popup menu";
      return;
    }
    auto* loop = static_cast<TPopupMenuLoop*>(current_loop_);
    TMenuItem* item = path.empty() ? nullptr : loop->Menu;
    for (size_t from = 0; item && from <= path.size();) {
      size_t bar = std::min(path.find('|', from), path.size());
      std::string caption = path.substr(from, bar - from);
      TMenuItem* found = nullptr;
      for (int i = 0; i < item->Count() && !found; ++i)
        if (StripAccel(item->Items(i)->Caption()) == caption) found = item->Items(i);
      if (!found) ADD_FAILURE() << "the popup menu has no item \"" << caption << "\"";
      item = found;
      from = bar + 1;
    }
    loop->Choose(item);
  });
}

TModalResult TGuiKit::ShowMessageBox(const TMessageBoxRequest& request) {
  boxes_.push_back(request);
  if (!box_answers_.empty()) {
    TModalResult r = box_answers_.front();
    box_answers_.pop_front();
    return r;
  }
  return ModalResultOf(request.DefaultButton);
}

void TGuiKit::AnswerFileDialog(const std::string& fileName, int filterIndex) {
  file_answers_.push_back({true, fileName, filterIndex});
}

void TGuiKit::CancelFileDialog() { file_answers_.push_back({}); }

TFileDialogAnswer TGuiKit::ExecuteFileDialog(const TFileDialogRequest& request) {
  file_requests_.push_back(request);
  if (file_answers_.empty()) return {};
  TFileDialogAnswer a = file_answers_.front();
  file_answers_.pop_front();
  return a;
}

std::string TGuiKit::RenderPng(TControl* c, const std::string& name) {
  const char* dir = std::getenv("HD_TEST_TMP");
  std::string path = std::string(dir && *dir ? dir : "/tmp/hd-test") + "/" + name + ".png";
  Process();
  return RenderToPng(c, path) ? path : std::string();
}

std::optional<std::string> TMemoryClipboard::GetData(TClipboardFormat format) {
  auto it = data_.find(format);
  if (it == data_.end()) return std::nullopt;
  return it->second;
}

std::vector<TClipboardFormat> TMemoryClipboard::Formats() {
  std::vector<TClipboardFormat> out;
  for (const auto& [format, bytes] : data_) out.push_back(format);
  return out;
}

TMessageSpy::TMessageSpy(TControl* control, std::vector<UINT> only) : only_(std::move(only)) {
  hook_ = HookEvent(control->WindowProc, [this](const std::function<void(TMessage&)>& next, TMessage& m) {
    if (only_.empty() || std::find(only_.begin(), only_.end(), m.Msg) != only_.end())
      entries_.push_back({m.Msg, m.WParam});
    next(m);
  });
}

TMessageSpy::~TMessageSpy() = default;

std::string TMessageSpy::Text() const {
  std::string s;
  for (const Entry& e : entries_) {
    if (!s.empty()) s += ' ';
    s += MessageName(e.msg) + "(" + std::to_string(e.wp) + ")";
  }
  return s;
}

std::string TEventLog::Text() const {
  std::string s;
  for (const auto& e : entries_) {
    if (!s.empty()) s += ' ';
    s += e;
  }
  return s;
}

}  // namespace hd::test
