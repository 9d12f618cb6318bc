#include "platform/main_thread.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/native_bridge_p.h"

namespace hd {

namespace {

struct TCallQueue {
  std::mutex Lock;
  std::condition_variable Posted;
  std::deque<std::function<void()>> Calls;
};

TCallQueue& Queue() {
  static TCallQueue* queue = new TCallQueue;  // outlives threads still posting at exit
  return *queue;
}

}  // namespace

void PostToMainThread(std::function<void()> fn) {
  TCallQueue& q = Queue();
  {
    std::lock_guard<std::mutex> guard(q.Lock);
    q.Calls.push_back(std::move(fn));
  }
  q.Posted.notify_all();
  // Every post wakes the loop; a wake that finds the queue already emptied runs nothing.
  NativeWakeMainLoop();
}

int RunPostedCalls() { return RunPostedCalls(nullptr); }

int RunPostedCalls(const std::function<void(std::exception_ptr)>& onError) {
  TCallQueue& q = Queue();
  std::size_t count;
  {
    std::lock_guard<std::mutex> guard(q.Lock);
    count = q.Calls.size();
  }
  int ran = 0;
  // One at a time, so a call that throws leaves the later ones queued rather than lost.
  for (; count > 0; --count) {
    std::function<void()> call;
    {
      std::lock_guard<std::mutex> guard(q.Lock);
      if (q.Calls.empty()) break;
      call = std::move(q.Calls.front());
      q.Calls.pop_front();
    }
    ++ran;
    if (!onError) {
      call();
      continue;
    }
    try {
      call();
    } catch (...) {
      onError(std::current_exception());
    }
  }
  return ran;
}

bool WaitForPostedCalls(int timeoutMs) {
  TCallQueue& q = Queue();
  std::unique_lock<std::mutex> guard(q.Lock);
  return q.Posted.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return !q.Calls.empty(); });
}

}  // namespace hd
