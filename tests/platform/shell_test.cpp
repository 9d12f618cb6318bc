#include "platform/shell.h"

#include <gtest/gtest.h>

#include <vector>

namespace hd {
namespace {

class TRecordingShell : public TShellSink {
 public:
  TRecordingShell() : previous_(SetShellSink(this)) {}
  ~TRecordingShell() override { SetShellSink(previous_); }
  bool Open(const TShellRequest& request) override {
    requests.push_back(request);
    return succeed;
  }
  std::vector<TShellRequest> requests;
  bool succeed = true;

 private:
  TShellSink* previous_;
};

TEST(ShellTest, OnlyLinksOfTheKnownSchemesReachTheOpener) {
  struct Case {
    const char* name;
    const char* verb;
    const char* file;
    std::intptr_t result;
  };
  const Case cases[] = {
      {"http link", "open", "http://www.example.com/a?b=c", kShellExecuteStarted},
      {"https, scheme in capitals", "open", "HTTPS://example.com", kShellExecuteStarted},
      {"ftp link, empty verb", "", "ftp://host/file.bin", kShellExecuteStarted},
      {"mailto", "open", "mailto:service@example.com", kShellExecuteStarted},
      {"file URL", "Open", "file:///tmp/report.csv", kShellExecuteStarted},
      {"a program path", "open", "/usr/bin/xterm", SE_ERR_ACCESSDENIED},
      {"an option for the opener", "open", "--help", SE_ERR_ACCESSDENIED},
      {"another scheme", "open", "javascript:alert(1)", SE_ERR_ACCESSDENIED},
      {"a scheme and nothing after it", "open", "http://", SE_ERR_ACCESSDENIED},
      {"a line break inside", "open", "http://a.example\n--x", SE_ERR_ACCESSDENIED},
      {"the scheme later in the text", "open", "x http://a.example", SE_ERR_ACCESSDENIED},
      {"empty text", "open", "", SE_ERR_FNF},
      {"another verb", "print", "http://a.example", SE_ERR_NOASSOC},
      {"a verb that only starts with open", "openas", "http://a.example", SE_ERR_NOASSOC},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRecordingShell shell;
    EXPECT_EQ(ShellExecute(7, c.verb, c.file), c.result);
    if (c.result == kShellExecuteStarted) {
      ASSERT_EQ(shell.requests.size(), 1u);
      EXPECT_EQ(shell.requests[0].Operation, "open");
      EXPECT_EQ(shell.requests[0].File, c.file);
      EXPECT_EQ(shell.requests[0].Owner, 7u);
      EXPECT_EQ(shell.requests[0].ShowCmd, SW_SHOWNORMAL);
    } else {
      EXPECT_TRUE(shell.requests.empty()) << "a refused text never reaches the opener";
    }
  }
}

TEST(ShellTest, AnOpenerThatCannotStartIsReportedAsFailure) {
  TRecordingShell shell;
  shell.succeed = false;
  EXPECT_EQ(ShellExecute(0, "open", "https://example.com"), SE_ERR_NOASSOC);
  EXPECT_EQ(shell.requests.size(), 1u);
}

}  // namespace
}  // namespace hd
