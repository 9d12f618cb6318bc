// The update wizard's reachability check: ICMP echo tries until two are answered or the
// time is up, with the window's messages handled between tries.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/net.h"

namespace hd {

constexpr int Ping_Packet_Size = 1024;
constexpr int Ping_Try_Timeout_Ms = 400;
constexpr int Ping_Total_Ms = 10000;
constexpr int Ping_Answers_Needed = 2;
constexpr int Ping_Pause_Ms = 10;

// Language-table texts the wizard shows for each outcome.
constexpr int Text_Device_Found = 1712;
constexpr int Text_Device_Not_Found = 1713;
constexpr int Text_Check_Ip_Address = 1714;

// Time and message handling of the ping loop, so tests can run it on a virtual clock.
class IPingClock {
 public:
  virtual ~IPingClock() = default;
  virtual std::int64_t NowMs() = 0;  // milliseconds from any fixed point
  virtual void Sleep(int ms) = 0;
  virtual void ProcessMessages() = 0;  // lets the window handle what is pending
};

// The real clock; processMessages (may be empty) is the application's message pump.
class TSystemPingClock : public IPingClock {
 public:
  explicit TSystemPingClock(std::function<void()> processMessages = {});
  std::int64_t NowMs() override;
  void Sleep(int ms) override;
  void ProcessMessages() override;

 private:
  std::function<void()> processMessages_;
};

enum class TPingOutcome { Found, NotFound, Error };

struct TPingLoopResult {
  TPingOutcome Outcome = TPingOutcome::NotFound;
  int TextIndex = Text_Device_Not_Found;  // 1712, 1713 or 1714
  int Tries = 0;
  int Answered = 0;
  bool Found() const { return Outcome == TPingOutcome::Found; }
};

// Pings host until Ping_Answers_Needed tries are answered or Ping_Total_Ms have passed.
// The device counts as found only when the last try was answered, so a device that stops
// answering is not reported found on the strength of an earlier reply.
TPingLoopResult Run_Ping(IPinger& pinger, IPingClock& clock, const std::string& host);

// The wizard's host text: the four address boxes joined with ".".
std::string Join_IP(const std::string& ip1, const std::string& ip2, const std::string& ip3, const std::string& ip4);

}  // namespace hd
