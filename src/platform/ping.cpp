// The system pinger: ICMP echo through whichever way this process is allowed to use.
#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/net.h"
#include "platform/net_resolve.h"
#include "platform/ping_packets.h"
#include "platform/unique_fd.h"

extern char** environ;

namespace hd {

namespace {

using Clock = std::chrono::steady_clock;

// The ping program needs a moment to start before its own wait begins.
constexpr int kProgramStartAllowanceMs = 300;

std::atomic<std::uint16_t> NextSequence{1};

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

TUniqueFd OpenIcmpSocket(int type) {
  return TUniqueFd(socket(AF_INET, type | SOCK_CLOEXEC, IPPROTO_ICMP));
}

std::optional<TPingResult> EchoThroughSocket(int type, const in_addr& target, int payloadSize,
                                             int timeoutMs) {
  TUniqueFd fd = OpenIcmpSocket(type);
  if (!fd.Valid()) return std::nullopt;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  TEchoFilter filter;
  filter.Target = target;
  filter.HasIpHeader = type == SOCK_RAW;
  // On an unprivileged ICMP socket the kernel puts its own identifier in and filters by it.
  filter.CheckIdentifier = type == SOCK_RAW;
  filter.Identifier = static_cast<std::uint16_t>(getpid() & 0xFFFF);
  filter.Sequence = NextSequence.fetch_add(1);
  const std::string request = BuildEchoRequest(filter.Identifier, filter.Sequence, payloadSize);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr = target;
  if (sendto(fd.Get(), request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to),
             sizeof to) < 0)
    return TPingResult{TPingStatus::NoReply, 0};
  const int payload = AwaitEchoReply(fd.Get(), filter, deadline);
  if (payload < 0) return TPingResult{TPingStatus::NoReply, 0};
  return TPingResult{TPingStatus::Reply, payload};
}

std::string FindPingProgram() {
  std::vector<std::string> folders;
  if (const char* path = std::getenv("PATH")) {
    std::string all = path;
    for (std::size_t start = 0; start <= all.size();) {
      std::size_t end = all.find(':', start);
      if (end == std::string::npos) end = all.size();
      if (end > start) folders.push_back(all.substr(start, end - start));
      start = end + 1;
    }
  }
  for (const char* folder : {"/usr/bin", "/bin", "/usr/sbin", "/sbin"}) folders.push_back(folder);
  for (const std::string& folder : folders) {
    const std::string candidate = folder + "/ping";
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// The program's own wait is whole seconds for every ping program in use.
std::string WaitSeconds(int timeoutMs) { return std::to_string(timeoutMs <= 1000 ? 1 : (timeoutMs + 999) / 1000); }

std::vector<std::string> EnvironmentInCLocale() {
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) {
    const std::string entry = *e;
    if (entry.rfind("LC_ALL=", 0) == 0 || entry.rfind("LANG=", 0) == 0 || entry.rfind("LANGUAGE=", 0) == 0)
      continue;
    env.push_back(entry);
  }
  env.push_back("LC_ALL=C");
  return env;
}

std::vector<char*> PointersOf(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& t : texts) pointers.push_back(t.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Reads the program's report until it ends or the deadline passes, however much it writes.
std::string ReadReport(int fd, Clock::time_point deadline) {
  constexpr std::size_t kMaxReport = 64 * 1024;
  std::string report;
  char chunk[4096];
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, RemainingMs(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return report;
    const ssize_t got = read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return report;
    report.append(chunk, static_cast<std::size_t>(got));
    if (report.size() > kMaxReport || Clock::now() >= deadline) return report;
  }
}

TPingResult EchoThroughProgram(const in_addr& target, int payloadSize, int timeoutMs) {
  const std::string program = FindPingProgram();
  if (program.empty()) return {TPingStatus::NoReply, 0};
  const std::string dotted = DottedAddress(target);
  std::vector<std::string> args = {program, "-n", "-c", "1", "-s", std::to_string(payloadSize),
                                   "-W", WaitSeconds(timeoutMs), dotted};
  std::vector<std::string> env = EnvironmentInCLocale();
  std::vector<char*> argv = PointersOf(args);
  std::vector<char*> envp = PointersOf(env);

  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return {TPingStatus::NoReply, 0};
  TUniqueFd readEnd(pipeFds[0]);
  TUniqueFd writeEnd(pipeFds[1]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  writeEnd.Reset();
  if (rc != 0) return {TPingStatus::NoReply, 0};

  const Clock::time_point deadline =
      Clock::now() + std::chrono::milliseconds(timeoutMs + kProgramStartAllowanceMs);
  const std::string report = ReadReport(readEnd.Get(), deadline);
  // Our own helper, not the user's program: it must not outlive the request.
  kill(pid, SIGKILL);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  const int payload = ParsePingProgramReply(report, dotted);
  if (payload < 0) return {TPingStatus::NoReply, 0};
  return {TPingStatus::Reply, payload};
}

class TSystemPinger : public IPinger {
 public:
  explicit TSystemPinger(TPingMethod method) : Method(method) {}

  TPingResult Echo(const std::string& host, int payloadSize, int timeoutMs) override {
    in_addr target{};
    std::string error;
    if (!ResolveIPv4(host, target, error)) return {TPingStatus::BadAddress, 0};
    payloadSize = payloadSize < 0 ? 0 : (payloadSize > kMaxEchoPayload ? kMaxEchoPayload : payloadSize);
    timeoutMs = timeoutMs < 0 ? 0 : timeoutMs;
    if (Method == TPingMethod::Auto || Method == TPingMethod::IcmpSocket) {
      if (auto r = EchoThroughSocket(SOCK_DGRAM, target, payloadSize, timeoutMs)) return *r;
      if (Method == TPingMethod::IcmpSocket) return {TPingStatus::NoReply, 0};
    }
    if (Method == TPingMethod::Auto || Method == TPingMethod::RawSocket) {
      if (auto r = EchoThroughSocket(SOCK_RAW, target, payloadSize, timeoutMs)) return *r;
      if (Method == TPingMethod::RawSocket) return {TPingStatus::NoReply, 0};
    }
    return EchoThroughProgram(target, payloadSize, timeoutMs);
  }

 private:
  TPingMethod Method;
};

}  // namespace

std::unique_ptr<IPinger> CreateSystemPinger(TPingMethod method) {
  return std::make_unique<TSystemPinger>(method);
}

bool PingMethodAvailable(TPingMethod method) {
  switch (method) {
    case TPingMethod::IcmpSocket: return OpenIcmpSocket(SOCK_DGRAM).Valid();
    case TPingMethod::RawSocket: return OpenIcmpSocket(SOCK_RAW).Valid();
    case TPingMethod::PingProgram: return !FindPingProgram().empty();
    case TPingMethod::Auto: break;
  }
  return PingMethodAvailable(TPingMethod::IcmpSocket) || PingMethodAvailable(TPingMethod::RawSocket) ||
         PingMethodAvailable(TPingMethod::PingProgram);
}

}  // namespace hd
