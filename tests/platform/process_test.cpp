#include "platform/process.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "testkit/temp_folder.h"

namespace hd {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

void WriteFile(const fs::path& path, const std::string& text, fs::perms perms) {
  std::ofstream(path) << text;
  fs::permissions(path, perms);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A pid that kill() no longer finds has been reaped: a zombie still answers.
bool WaitUntilReaped(pid_t pid, std::chrono::milliseconds limit) {
  const auto end = Clock::now() + limit;
  while (Clock::now() < end) {
    if (kill(pid, 0) != 0 && errno == ESRCH) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

char ProcessState(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() ? text[close + 2] : '?';
}

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<std::string> args;
  } cases[] = {
      {"empty", "", {}},
      {"only blanks", "  \t ", {}},
      {"plain words", "a bc  d", {"a", "bc", "d"}},
      {"quoted blank kept", "\"a b\" c", {"a b", "c"}},
      {"quotes inside a word join", "x\"y z\"w", {"xy zw"}},
      {"doubled quote inside quotes", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"empty quoted argument", "a \"\" b", {"a", "", "b"}},
      {"unclosed quote runs to the end", "\"a b", {"a b"}},
      {"backslashes are path characters", "C:\\dir\\f.xml \"C:\\a b\\\"", {"C:\\dir\\f.xml", "C:\\a b\\"}},
      {"no shell expansion", "$HOME *.txt", {"$HOME", "*.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitCommandLine(c.text), c.args);
  }
}

TEST(RunProgramAndWait, WaitsForAProgramThatEndsAfterAboutOneSecond) {
  const auto start = Clock::now();
  const TProgramResult r = RunProgramAndWait("/bin/sleep", "1", 20s);
  const auto waited = Clock::now() - start;
  EXPECT_EQ(r.Outcome, TProgramOutcome::Ended);
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_GE(waited, 950ms);
  EXPECT_LT(waited, 10s);
  EXPECT_TRUE(kill(r.ProcessId, 0) != 0 && errno == ESRCH) << "the ended child was reaped";
}

TEST(RunProgramAndWait, LeavesAProgramRunningAfterTheLimitAndReapsItLater) {
  const auto start = Clock::now();
  const TProgramResult r = RunProgramAndWait("/bin/sleep", "60", 200ms);
  const auto waited = Clock::now() - start;
  ASSERT_EQ(r.Outcome, TProgramOutcome::StillRunning);
  ASSERT_GT(r.ProcessId, 0);
  EXPECT_GE(waited, 200ms);
  EXPECT_LT(waited, 30s);
  EXPECT_EQ(kill(r.ProcessId, 0), 0);
  EXPECT_NE(ProcessState(r.ProcessId), 'Z');

  ASSERT_EQ(kill(r.ProcessId, SIGTERM), 0);
  EXPECT_TRUE(WaitUntilReaped(r.ProcessId, 10s)) << "no zombie may stay behind";
}

TEST(RunProgramAndWait, PassesArgumentsWithoutAShellAndStartsInTheProgramsFolder) {
  testkit::TempFolder tmp;
  const fs::path folder = fs::canonical(tmp.Path());
  const fs::path script = folder / "report args.sh";
  WriteFile(script, "#!/bin/sh\nout=\"$1\"\npwd > \"$out\"\nshift\nprintf '%s\\n' \"$@\" >> \"$out\"\nexit 3\n",
            fs::perms::owner_all);
  const fs::path out = folder / "out file.txt";
  const std::string parameters = std::string(1, '"').append(out.string()).append("\" \"a \"\"q\"\" b\" $HOME *");
  const TProgramResult r = RunProgramAndWait(script.string(), parameters, 20s);
  EXPECT_EQ(r.Outcome, TProgramOutcome::Ended);
  EXPECT_EQ(r.ExitCode, 3);
  EXPECT_EQ(ReadFile(out), folder.string() + "\na \"q\" b\n$HOME\n*\n");
}

TEST(RunProgramAndWait, FindsABareNameOnThePath) {
  const TProgramResult r = RunProgramAndWait("sh", "-c \"exit 7\"", 20s);
  EXPECT_EQ(r.Outcome, TProgramOutcome::Ended);
  EXPECT_EQ(r.ExitCode, 7);
}

TEST(RunProgramAndWait, ReturnsAtOnceWhenTheProgramCannotBeStarted) {
  testkit::TempFolder tmp;
  const fs::path folder = fs::canonical(tmp.Path());
  WriteFile(folder / "plain.sh", "#!/bin/sh\nexit 0\n", fs::perms::owner_read | fs::perms::owner_write);
  WriteFile(folder / "badinterp.sh", "#!/no/such/interpreter\n", fs::perms::owner_all);
  // The reason is what the user is told, so it must say what went wrong.
  struct Case {
    const char* name;
    std::string file;
    const char* reason;
  } cases[] = {
      {"missing file", (folder / "Ethernet_Update.exe").string(), "No such file or directory"},
      {"not executable", (folder / "plain.sh").string(), "Permission denied"},
      {"missing interpreter", (folder / "badinterp.sh").string(), "No such file or directory"},
      {"a folder", folder.string(), "Permission denied"},
      {"bare name not on the path", "no-such-program-hd58318", "Not found on the search path"},
      {"empty name", "", "No program named"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = Clock::now();
    const TProgramResult r = RunProgramAndWait(c.file, "", 60s);
    EXPECT_EQ(r.Outcome, TProgramOutcome::NotStarted);
    EXPECT_EQ(r.ProcessId, 0);
    EXPECT_EQ(r.Error, c.reason);
    EXPECT_LT(Clock::now() - start, 10s);
  }
}

}  // namespace
}  // namespace hd
