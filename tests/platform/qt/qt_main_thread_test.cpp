#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/main_thread.h"
#include "platform/messages.h"

namespace hd {
namespace {

TEST(QtMainThread, APostFromAnotherThreadWakesTheRunningEventLoop) {
  RunPostedCalls();
  std::unique_ptr<QCoreApplication> ownApp;
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) ownApp = std::make_unique<QCoreApplication>(argc, argv);

  QEventLoop loop;
  bool ran = false;
  std::thread::id ranOn;
  std::thread poster([&] {
    PostToMainThread([&] {
      ran = true;
      ranOn = std::this_thread::get_id();
      loop.quit();
    });
  });
  // Only a safety net: the posted call ends the loop long before.
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  poster.join();
  EXPECT_TRUE(ran);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

// An exception must not pass through Qt's event loop: Qt would end the loop with it.
TEST(QtMainThread, AThrowingCallGoesToTheExceptionHandlerAndTheLoopGoesOn) {
  RunPostedCalls();
  std::unique_ptr<QCoreApplication> ownApp;
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) ownApp = std::make_unique<QCoreApplication>(argc, argv);
  std::vector<std::string> handled;
  auto savedHandler = MessageHooks().HandleException;
  MessageHooks().HandleException = [&](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& ex) {
      handled.push_back(ex.what());
    }
  };

  QEventLoop loop;
  bool laterCallRan = false;
  PostToMainThread([] { throw std::runtime_error("bad datagram"); });
  PostToMainThread([&] {
    laterCallRan = true;
    loop.quit();
  });
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  EXPECT_NO_THROW(loop.exec());
  EXPECT_EQ(handled, std::vector<std::string>{"bad datagram"});
  EXPECT_TRUE(laterCallRan);
  RunPostedCalls();  // nothing that refers to this test's locals may stay queued
  MessageHooks().HandleException = savedHandler;
}

}  // namespace
}  // namespace hd
