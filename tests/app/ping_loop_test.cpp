#include "app/ping_loop.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

namespace hd {
namespace {

// Virtual time: the pinger and the pauses advance it, nothing sleeps.
class TFakeClock : public IPingClock {
 public:
  std::int64_t NowMs() override { return now; }
  void Sleep(int ms) override {
    now += ms;
    pauses.push_back(ms);
  }
  void ProcessMessages() override { ++pumped; }

  std::int64_t now = 5000;  // any starting point
  std::vector<int> pauses;
  int pumped = 0;
};

// Plays a script of replies, the last one for ever; a reply takes 3 ms, silence the full time-out.
class TFakePinger : public IPinger {
 public:
  TFakePinger(TFakeClock& clock, std::vector<TPingResult> script) : clock_(clock), script_(std::move(script)) {}
  TPingResult Echo(const std::string& host, int payloadSize, int timeoutMs) override {
    hosts.push_back(host);
    sizes.push_back(payloadSize);
    timeouts.push_back(timeoutMs);
    const TPingResult r = script_[std::min(calls++, script_.size() - 1)];
    if (throws) throw std::runtime_error("socket failure");
    clock_.now += r.Status == TPingStatus::Reply ? 3 : timeoutMs;
    return r;
  }

  std::vector<std::string> hosts;
  std::vector<int> sizes;
  std::vector<int> timeouts;
  std::size_t calls = 0;
  bool throws = false;

 private:
  TFakeClock& clock_;
  std::vector<TPingResult> script_;
};

const TPingResult Answer{TPingStatus::Reply, 1024};
const TPingResult Silence{TPingStatus::NoReply, 0};
const TPingResult Empty{TPingStatus::Reply, 0};
const TPingResult Unresolved{TPingStatus::BadAddress, 0};

TEST(PingLoop, OutcomeFollowsTheLastTry) {
  struct Case {
    const char* name;
    std::vector<TPingResult> script;
    TPingOutcome outcome;
    int text;
    std::size_t tries;
    int answered;
  } cases[] = {
      {"answered, answered: found after two tries", {Answer}, TPingOutcome::Found, 1712, 2, 2},
      {"never answered: tries for 10 s", {Silence}, TPingOutcome::NotFound, 1713, 25, 0},
      {"answered, then silent: not found", {Answer, Silence}, TPingOutcome::NotFound, 1713, 26, 1},
      {"silent, then answered twice: found", {Silence, Silence, Answer}, TPingOutcome::Found, 1712, 4, 2},
      // An empty reply comes back at once, so the 10 s hold many more tries.
      {"a reply without data is no answer", {Empty}, TPingOutcome::NotFound, 1713, 770, 0},
      {"the resolver fails: error", {Unresolved}, TPingOutcome::Error, 1714, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFakeClock clock;
    TFakePinger pinger(clock, c.script);
    const TPingLoopResult r = Run_Ping(pinger, clock, "10.1.2.3");
    EXPECT_EQ(r.Outcome, c.outcome);
    EXPECT_EQ(r.TextIndex, c.text);
    EXPECT_EQ(r.Found(), c.outcome == TPingOutcome::Found);
    EXPECT_EQ(pinger.calls, c.tries);
    EXPECT_EQ(r.Tries, static_cast<int>(c.tries));
    EXPECT_EQ(r.Answered, c.answered);
    EXPECT_EQ(pinger.hosts, std::vector<std::string>(c.tries, "10.1.2.3"));
    EXPECT_EQ(pinger.sizes, std::vector<int>(c.tries, 1024));
    EXPECT_EQ(pinger.timeouts, std::vector<int>(c.tries, 400));
  }
}

TEST(PingLoop, NeverAnsweredStopsJustAfterTenSecondsAndPumpsMessagesBetweenTries) {
  TFakeClock clock;
  TFakePinger pinger(clock, {Silence});
  const std::int64_t start = clock.now;
  Run_Ping(pinger, clock, "10.1.2.3");
  // Each try takes 400 ms plus a 10 ms pause; the loop goes on while no more than 10 s have passed.
  EXPECT_GT(clock.now - start, 10000);
  EXPECT_LE(clock.now - start, 10000 + 410);
  EXPECT_EQ(clock.pumped, 25);
  EXPECT_EQ(clock.pauses, std::vector<int>(25, 10));
}

TEST(PingLoop, AnErrorRaisedByThePingerReportsTheAddressText) {
  TFakeClock clock;
  TFakePinger pinger(clock, {Answer});
  pinger.throws = true;
  const TPingLoopResult r = Run_Ping(pinger, clock, "10.1.2.3");
  EXPECT_EQ(r.Outcome, TPingOutcome::Error);
  EXPECT_EQ(r.TextIndex, Text_Check_Ip_Address);
}

TEST(PingLoop, RealEchoOfTheLoopbackAddressIsFound) {
  const std::unique_ptr<IPinger> pinger = CreateSystemPinger();
  int pumped = 0;
  TSystemPingClock clock([&pumped] { ++pumped; });
  const TPingLoopResult r = Run_Ping(*pinger, clock, "127.0.0.1");
  EXPECT_EQ(r.Outcome, TPingOutcome::Found);
  EXPECT_EQ(r.TextIndex, Text_Device_Found);
  EXPECT_EQ(r.Tries, 2);
  EXPECT_EQ(pumped, 2);
}

TEST(PingLoop, JoinsTheAddressBoxes) { EXPECT_EQ(Join_IP("192", "168", "2", "205"), "192.168.2.205"); }

}  // namespace
}  // namespace hd
