// A bound UDP socket whose listener thread hands every datagram to the main thread.
#include <arpa/inet.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/main_thread.h"
#include "platform/net.h"
#include "platform/net_resolve.h"
#include "platform/unique_fd.h"

namespace hd {

namespace {

constexpr std::size_t kMaxDatagram = 65536;

std::string SystemError(int code) { return std::strerror(code); }

class TUdpEndpoint : public IUdpEndpoint {
 public:
  ~TUdpEndpoint() override { Close(); }

  bool Bind(int port) override {
    Close();
    Error.clear();
    if (port < 0 || port > 65535) return Fail("Could not bind UDP port " + std::to_string(port) + ": no such port");
    TUniqueFd fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!fd.Valid()) return Fail("Could not open a UDP socket: " + SystemError(errno));
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(static_cast<std::uint16_t>(port));
    if (bind(fd.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
      return Fail("Could not bind UDP port " + std::to_string(port) + ": " + SystemError(errno));
    socklen_t size = sizeof local;
    getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&local), &size);
    TUniqueFd stop(eventfd(0, EFD_CLOEXEC));
    if (!stop.Valid()) return Fail("Could not start the UDP listener: " + SystemError(errno));

    Socket = std::move(fd);
    StopSignal = std::move(stop);
    Port = ntohs(local.sin_port);
    Active = std::make_shared<bool>(true);
    Listener = std::thread(&TUdpEndpoint::Listen, this, Socket.Get(), StopSignal.Get(), Active);
    return true;
  }

  void Close() override {
    if (!Socket.Valid()) return;
    // Datagrams already handed over but not yet delivered are dropped with the endpoint.
    *Active = false;
    const std::uint64_t one = 1;
    if (write(StopSignal.Get(), &one, sizeof one) < 0) {
    }
    Listener.join();
    Socket.Reset();
    StopSignal.Reset();
    Port = 0;
  }

  bool IsBound() const override { return Socket.Valid(); }
  int LocalPort() const override { return Port; }

  bool Send(const std::string& host, int port, const std::string& bytes) override {
    Error.clear();
    if (!Socket.Valid()) return Fail("The UDP endpoint is not active");
    if (port <= 0 || port > 65535) return Fail("Invalid UDP port " + std::to_string(port));
    sockaddr_in to{};
    std::string reason;
    if (!ResolveIPv4(host, to.sin_addr, reason)) return Fail(reason);
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port));
    for (;;) {
      const ssize_t sent = sendto(Socket.Get(), bytes.data(), bytes.size(), 0,
                                  reinterpret_cast<const sockaddr*>(&to), sizeof to);
      if (sent >= 0) return true;
      if (errno != EINTR)
        return Fail("Could not send to " + host + ":" + std::to_string(port) + ": " + SystemError(errno));
    }
  }

  std::string ErrorText() const override { return Error; }

 private:
  bool Fail(const std::string& text) {
    Error = text;
    return false;
  }

  // Runs on the listener thread; touches only its socket and the shared flag.
  void Listen(int fd, int stop, std::shared_ptr<bool> active) {
    std::string buffer(kMaxDatagram, '\0');
    for (;;) {
      pollfd waits[2] = {{fd, POLLIN, 0}, {stop, POLLIN, 0}};
      if (poll(waits, 2, -1) < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (waits[1].revents) return;
      if (!(waits[0].revents & POLLIN)) continue;
      sockaddr_in from{};
      socklen_t fromSize = sizeof from;
      const ssize_t got = recvfrom(fd, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                   reinterpret_cast<sockaddr*>(&from), &fromSize);
      // A refused earlier send shows up here as an error; it is no datagram.
      if (got < 0) continue;
      Deliver(buffer.substr(0, static_cast<std::size_t>(got)), DottedAddress(from.sin_addr),
              ntohs(from.sin_port), active);
    }
  }

  void Deliver(std::string bytes, std::string sender, int port, const std::shared_ptr<bool>& active) {
    // The flag is only read and written on the main thread, where Close runs.
    PostToMainThread([this, active, bytes = std::move(bytes), sender = std::move(sender), port] {
      if (*active && OnDatagram) OnDatagram(bytes, sender, port);
    });
  }

  TUniqueFd Socket;
  TUniqueFd StopSignal;
  int Port = 0;
  std::shared_ptr<bool> Active;
  std::thread Listener;
  std::string Error;
};

}  // namespace

std::unique_ptr<IUdpEndpoint> CreateUdpEndpoint() { return std::make_unique<TUdpEndpoint>(); }

}  // namespace hd
