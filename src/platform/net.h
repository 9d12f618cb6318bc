// Network services: ICMP echo, an HTTP/1.0 GET client and a UDP endpoint. Each is reached
// through a small interface so that tests can put a fake in its place.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hd {

enum class TPingStatus {
  Reply,      // an echo reply from the target arrived in time
  NoReply,    // nothing, or something other than the target's echo reply
  BadAddress  // the host could not be resolved or is not IPv4
};

struct TPingResult {
  TPingStatus Status = TPingStatus::NoReply;
  int ReplySize = 0;  // payload bytes of the reply
};

class IPinger {
 public:
  virtual ~IPinger() = default;
  // One echo request with payloadSize bytes, waiting up to timeoutMs for the reply.
  virtual TPingResult Echo(const std::string& host, int payloadSize, int timeoutMs) = 0;
};

// How the system pinger reaches the network. Auto takes the unprivileged ICMP socket where
// allowed, a raw socket where the process may open one, and the system's ping program otherwise.
enum class TPingMethod { Auto, IcmpSocket, RawSocket, PingProgram };

std::unique_ptr<IPinger> CreateSystemPinger(TPingMethod method = TPingMethod::Auto);
// Whether this process may use the method at all (Auto: any of them).
bool PingMethodAvailable(TPingMethod method);

struct THttpRequest {
  std::string Host;
  int Port = 80;
  std::string Path;  // with the query, e.g. "/a.asp?x=1"
  std::vector<std::pair<std::string, std::string>> Headers;
  std::string UserAgent;
  int ConnectTimeoutMs = 5000;
  int ReadTimeoutMs = 5000;  // bounds the wait for the whole answer, so a trickling peer cannot hold us
};

class IHttpClient {
 public:
  virtual ~IHttpClient() = default;
  // HTTP/1.0 GET: the body of a 200 answer, nothing on any failure.
  virtual std::optional<std::string> Get(const THttpRequest& request) = 0;
};

std::unique_ptr<IHttpClient> CreateHttpClient();

// A UDP endpoint bound to a local port. Received datagrams are handed to the GUI thread
// (OnDatagram runs there while the message loop runs).
class IUdpEndpoint {
 public:
  virtual ~IUdpEndpoint() = default;
  // Binds to the port on every local address; false with ErrorText() on failure.
  virtual bool Bind(int port) = 0;
  virtual void Close() = 0;
  virtual bool IsBound() const = 0;
  virtual int LocalPort() const = 0;
  // False with ErrorText() when the datagram could not be sent.
  virtual bool Send(const std::string& host, int port, const std::string& bytes) = 0;
  virtual std::string ErrorText() const = 0;
  std::function<void(const std::string& bytes, const std::string& senderHost, int senderPort)> OnDatagram;
};

std::unique_ptr<IUdpEndpoint> CreateUdpEndpoint();

}  // namespace hd
