#include "platform/modal_loop.h"

#include "platform/messages.h"
#include "platform/native_bridge_p.h"

namespace hd {
namespace {

TNativeModalRunner& NativeRunner() {
  static TNativeModalRunner runner;
  return runner;
}

TModalRunner* g_runner = nullptr;
int g_depth = 0;

}  // namespace

TModalRunner* SetModalRunner(TModalRunner* runner) {
  TModalRunner* previous = g_runner;
  g_runner = runner;
  return previous;
}

TModalRunner& ModalRunner() { return g_runner ? *g_runner : NativeRunner(); }

void RunModalLoop(TModalLoop& loop) {
  ++g_depth;
  try {
    ModalRunner().Run(loop);
  } catch (...) {
    --g_depth;
    throw;
  }
  --g_depth;
}

int ModalLoopDepth() { return g_depth; }

void TNativeModalRunner::Run(TModalLoop& loop) {
  EnsureNativeApplication();
  ProcessMessages();
  while (!loop.Done()) {
    NativeWaitForEvents();
    ProcessMessages();
  }
}

}  // namespace hd
