#include "platform/main_thread.h"

#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace hd {
namespace {

TEST(MainThreadCalls, CallsFromOtherThreadsRunOnTheCallingThreadInPostingOrder) {
  RunPostedCalls();
  constexpr int kThreads = 4;
  constexpr int kCallsEach = 50;
  std::vector<std::vector<int>> seen(kThreads);
  std::vector<std::thread::id> ranOn;
  std::vector<std::thread> posters;
  for (int t = 0; t < kThreads; ++t)
    posters.emplace_back([&, t] {
      for (int i = 0; i < kCallsEach; ++i)
        PostToMainThread([&, t, i] {
          seen[t].push_back(i);
          ranOn.push_back(std::this_thread::get_id());
        });
    });
  for (std::thread& p : posters) p.join();

  EXPECT_TRUE(WaitForPostedCalls(0));
  EXPECT_EQ(RunPostedCalls(), kThreads * kCallsEach);
  EXPECT_FALSE(WaitForPostedCalls(0));
  std::vector<int> inOrder;
  for (int i = 0; i < kCallsEach; ++i) inOrder.push_back(i);
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(seen[t], inOrder) << "thread " << t;
  for (std::thread::id id : ranOn) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(MainThreadCalls, CallsQueuedWhileRunningWaitAndAThrowingCallLosesNoOther) {
  RunPostedCalls();
  std::vector<std::string> log;
  PostToMainThread([&] {
    log.push_back("first");
    PostToMainThread([&] { log.push_back("queued by first"); });
  });
  PostToMainThread([&] { throw std::runtime_error("handler failed"); });
  PostToMainThread([&] { log.push_back("after the throw"); });

  EXPECT_THROW(RunPostedCalls(), std::runtime_error);
  EXPECT_EQ(log, std::vector<std::string>{"first"});
  EXPECT_EQ(RunPostedCalls(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "after the throw", "queued by first"}));
  EXPECT_EQ(RunPostedCalls(), 0);
}

}  // namespace
}  // namespace hd
