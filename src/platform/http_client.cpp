// HTTP/1.0 GET over a plain TCP socket, bounded by a connect and a read time-out.
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>

#include "platform/http_reply.h"
#include "platform/net.h"
#include "platform/net_resolve.h"
#include "platform/unique_fd.h"

namespace hd {

namespace {

using Clock = std::chrono::steady_clock;

// A version check answer is a few bytes; this only stops a runaway peer.
constexpr std::size_t kMaxAnswerSize = 16 * 1024 * 1024;

int RemainingMs(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    const int ready = poll(&p, 1, RemainingMs(deadline));
    if (ready < 0 && errno == EINTR) continue;
    return ready > 0;
  }
}

TUniqueFd ConnectTo(const addrinfo& address, Clock::time_point deadline) {
  TUniqueFd fd(socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                      address.ai_protocol));
  if (!fd.Valid()) return fd;
  if (connect(fd.Get(), address.ai_addr, address.ai_addrlen) == 0) return fd;
  if (errno != EINPROGRESS || !WaitFor(fd.Get(), POLLOUT, deadline)) return TUniqueFd();
  int error = 0;
  socklen_t size = sizeof error;
  if (getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) return TUniqueFd();
  return fd;
}

TUniqueFd Connect(const THttpRequest& request) {
  // The resolver keeps only the low 16 bits of a service number: 65616 would reach port 80.
  if (request.Port < 1 || request.Port > 65535) return TUniqueFd();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV | AI_ADDRCONFIG;
  std::string host = request.Host;
  if (LooksNumeric(host)) {
    // The resolver would also read "127.1", a plain number or octal parts as some address;
    // a dotted address is taken only as written, as the other network services take it.
    in_addr address{};
    std::string error;
    if (!ResolveIPv4(host, address, error)) return TUniqueFd();
    host = DottedAddress(address);
    hints.ai_flags |= AI_NUMERICHOST;
  }
  addrinfo* found = nullptr;
  if (host.empty() || getaddrinfo(host.c_str(), std::to_string(request.Port).c_str(), &hints, &found) != 0)
    return TUniqueFd();
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(request.ConnectTimeoutMs);
  TUniqueFd fd;
  for (addrinfo* a = found; a && !fd.Valid(); a = a->ai_next) fd = ConnectTo(*a, deadline);
  freeaddrinfo(found);
  return fd;
}

std::string RequestText(const THttpRequest& request) {
  std::string text = "GET ";
  text.append(request.Path.empty() ? "/" : request.Path).append(" HTTP/1.0\r\nHost: ");
  const bool ipv6 = request.Host.find(':') != std::string::npos;
  text.append(ipv6 ? "[" : "").append(request.Host).append(ipv6 ? "]" : "");
  if (request.Port != 80) text.append(":").append(std::to_string(request.Port));
  text.append("\r\n");
  for (const auto& [name, value] : request.Headers) text.append(name).append(": ").append(value).append("\r\n");
  if (!request.UserAgent.empty()) text.append("User-Agent: ").append(request.UserAgent).append("\r\n");
  return text.append("\r\n");
}

bool SendAll(int fd, const std::string& bytes, Clock::time_point deadline) {
  for (std::size_t sent = 0; sent < bytes.size();) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!WaitFor(fd, POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// The whole answer up to the peer's close; nothing when the deadline passes first.
std::optional<std::string> ReceiveAll(int fd, Clock::time_point deadline) {
  std::string answer;
  char chunk[8192];
  for (;;) {
    const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
    if (n > 0) {
      answer.append(chunk, static_cast<std::size_t>(n));
      if (answer.size() > kMaxAnswerSize) return std::nullopt;
    } else if (n == 0) {
      return answer;
    } else if (errno == EINTR) {
      continue;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!WaitFor(fd, POLLIN, deadline)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
}

class THttp10Client : public IHttpClient {
 public:
  std::optional<std::string> Get(const THttpRequest& request) override {
    TUniqueFd fd = Connect(request);
    if (!fd.Valid()) return std::nullopt;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(request.ReadTimeoutMs);
    if (!SendAll(fd.Get(), RequestText(request), deadline)) return std::nullopt;
    const std::optional<std::string> answer = ReceiveAll(fd.Get(), deadline);
    if (!answer) return std::nullopt;
    return BodyOfOkAnswer(*answer);
  }
};

}  // namespace

std::unique_ptr<IHttpClient> CreateHttpClient() { return std::make_unique<THttp10Client>(); }

}  // namespace hd
