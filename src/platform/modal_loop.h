// Message loops that run inside a handler until something ends them: modal forms, message
// boxes, popup menus, drags, and the application's own loop. They go through a runner that
// tests replace, so that a test acts inside the loop instead of waiting.
#pragma once

#include <functional>
#include <string>

namespace hd {

class TWinControl;

enum class TModalKind { Application, Form, MessageBox, FileDialog, PopupMenu, Drag };

struct TModalLoop {
  TModalKind Kind = TModalKind::Form;
  TWinControl* Window = nullptr;  // the modal window, when there is one
  // True once the loop may end.
  std::function<bool()> Done;
  // Ends the loop from outside (a runner that must give up): for a form, a Cancel result.
  std::function<void()> Cancel;
};

class TModalRunner {
 public:
  virtual ~TModalRunner() = default;
  // Returns when loop.Done() holds.
  virtual void Run(TModalLoop& loop) = 0;
};

// Installs a runner (not owned); nullptr restores the program's own, which waits for native
// events and processes messages until the loop is done. Returns the previous runner.
TModalRunner* SetModalRunner(TModalRunner* runner);
TModalRunner& ModalRunner();
void RunModalLoop(TModalLoop& loop);
// How deep the modal loops are nested right now.
int ModalLoopDepth();

// The program's runner: waits for native events (with the real clock's timers) and processes
// messages.
class TNativeModalRunner : public TModalRunner {
 public:
  void Run(TModalLoop& loop) override;
};

}  // namespace hd
