// Calls handed from other threads to the main (GUI) thread.
#pragma once

#include <exception>
#include <functional>

namespace hd {

// Queues fn to run on the main thread; callable from any thread. A running Qt event loop
// is woken to run it (an exception leaving it there goes to MessageHooks().HandleException);
// otherwise it waits for the next RunPostedCalls.
void PostToMainThread(std::function<void()> fn);

// Runs, on the calling thread, the calls queued so far (not those they queue themselves);
// answers how many ran.
int RunPostedCalls();
// The same, but an exception leaving a call goes to onError and the later calls still run.
int RunPostedCalls(const std::function<void(std::exception_ptr)>& onError);

// Blocks until at least one call is queued or the time passes; true when one is queued.
bool WaitForPostedCalls(int timeoutMs);

}  // namespace hd
