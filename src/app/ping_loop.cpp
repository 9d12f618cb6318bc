#include "app/ping_loop.h"

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

namespace hd {

TSystemPingClock::TSystemPingClock(std::function<void()> processMessages)
    : processMessages_(std::move(processMessages)) {}

std::int64_t TSystemPingClock::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void TSystemPingClock::Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void TSystemPingClock::ProcessMessages() {
  if (processMessages_) processMessages_();
}

namespace {

TPingLoopResult Outcome(TPingLoopResult r, TPingOutcome outcome) {
  r.Outcome = outcome;
  switch (outcome) {
    case TPingOutcome::Found: r.TextIndex = Text_Device_Found; break;
    case TPingOutcome::NotFound: r.TextIndex = Text_Device_Not_Found; break;
    case TPingOutcome::Error: r.TextIndex = Text_Check_Ip_Address; break;
  }
  return r;
}

}  // namespace

TPingLoopResult Run_Ping(IPinger& pinger, IPingClock& clock, const std::string& host) {
  TPingLoopResult r;
  try {
    const std::int64_t start = clock.NowMs();
    bool lastAnswered = false;
    do {
      const TPingResult reply = pinger.Echo(host, Ping_Packet_Size, Ping_Try_Timeout_Ms);
      ++r.Tries;
      if (reply.Status == TPingStatus::BadAddress) return Outcome(r, TPingOutcome::Error);
      // Each try stands on its own reply: silence now is not redeemed by an earlier answer.
      lastAnswered = reply.Status == TPingStatus::Reply && reply.ReplySize > 0;
      if (lastAnswered) ++r.Answered;
      // The echo has already waited for its reply; the pause only lets the window breathe.
      clock.Sleep(Ping_Pause_Ms);
      clock.ProcessMessages();
    } while (r.Answered < Ping_Answers_Needed && clock.NowMs() - start <= Ping_Total_Ms);
    return Outcome(r, lastAnswered ? TPingOutcome::Found : TPingOutcome::NotFound);
  } catch (const std::exception&) {
    return Outcome(r, TPingOutcome::Error);
  }
}

std::string Join_IP(const std::string& ip1, const std::string& ip2, const std::string& ip3, const std::string& ip4) {
  return ip1 + "." + ip2 + "." + ip3 + "." + ip4;
}

}  // namespace hd
