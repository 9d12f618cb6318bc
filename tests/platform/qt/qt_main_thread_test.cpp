#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <thread>

#include "platform/main_thread.h"
#include "testkit/gui_kit.h"

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

TEST(QtMainThread, ACallThatThrowsInsideTheEventLoopIsShownAndStaysInside) {
  test::TGuiKit kit;
  bool after = false;
  PostToMainThread([] { throw Exception("Reading the datagram failed"); });
  PostToMainThread([&] { after = true; });
  EXPECT_NO_THROW(QCoreApplication::processEvents());
  EXPECT_TRUE(after);
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "Reading the datagram failed.");
}

}  // namespace
}  // namespace hd
