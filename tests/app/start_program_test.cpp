#include "app/start_program.h"

#include <csignal>
#include <string>

#include <gtest/gtest.h>
#include <sys/types.h>

#include "testkit/temp_folder.h"

namespace hd {
namespace {

using namespace std::chrono_literals;
using testkit::TempFolder;

TEST(StartProgram, WaitsForAProgramThatEnds) {
  TempFolder dir;
  const std::string mark = dir.File("ran");
  // The limit is far away: only the program's end can make the call return with Ended.
  EXPECT_EQ(Start_Program("/bin/sh", "-c \"sleep 1; echo done > '" + mark + "'\"", 0).Outcome,
            TProgramOutcome::Ended);
  EXPECT_EQ(dir.Read("ran"), "done\n");
}

TEST(StartProgram, LeavesARunningProgramAloneWhenTheLimitPasses) {
  TempFolder dir;
  const std::string pidFile = dir.File("pid");
  const TProgramOutcome outcome =
      Start_Program("/bin/sh", "-c \"echo $$ > '" + pidFile + "'; exec sleep 30\"", 1, 300ms).Outcome;
  const std::string pidText = dir.Read("pid");
  ASSERT_FALSE(pidText.empty());
  const pid_t pid = static_cast<pid_t>(std::stol(pidText));
  // Still alive: the limit passed without the program being terminated.
  EXPECT_EQ(::kill(pid, 0), 0);
  ::kill(pid, SIGKILL);
  EXPECT_EQ(outcome, TProgramOutcome::StillRunning);
}

TEST(StartProgram, ReturnsAtOnceWhenTheProgramCannotBeStarted) {
  TempFolder dir;
  const TProgramResult r = Start_Program(dir.File("Ethernet_Update.exe"), "", 0);
  EXPECT_EQ(r.Outcome, TProgramOutcome::NotStarted);
  EXPECT_EQ(r.Error, "No such file or directory");
}

}  // namespace
}  // namespace hd
