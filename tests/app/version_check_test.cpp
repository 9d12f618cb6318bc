#include "app/version_check.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hd {
namespace {

TEST(VersionCheck, RepliesThatMeanANewerVersion) {
  struct Case {
    const char* reply;
    bool newer;
  } cases[] = {
      {"VER. 1.400", true},
      {"ver. 1.400", true},  // upper-cased before the test against VER. 0.000
      {"VER. 1.301", true},
      {"  VER. 1.400\r\n", true},
      {"2.000", true},  // no blank: converted whole
      {"VER. 1.300", false},
      {"VER. 1.299", false},
      {"VER. 0.000", false},
      {"ver. 0.000", false},
      {"VER. 10.000", false},  // not one digit, a point and three digits
      {"VER. 2", false},
      {"VER. 1.4x0", false},
      {"", false},
      {"<html><body>Not here</body></html>", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(Is_Newer_Version(c.reply), c.newer);
  }
}

TEST(VersionCheck, ConvVersionReadsOneDigitAPointAndThreeDigits) {
  EXPECT_EQ(Conv_Version("VER. 1.301"), 1301);
  EXPECT_EQ(Conv_Version("1.300"), 1300);
  EXPECT_EQ(Conv_Version("VER.   2.000  "), 2000);
  EXPECT_EQ(Conv_Version("VER. 10.000"), -1);
  EXPECT_EQ(Conv_Version("VER. 2"), -1);
  EXPECT_EQ(Conv_Version("VER. -.123"), -1);
}

// One HTTP peer on 127.0.0.1: records the request it gets and answers with a canned reply,
// or keeps silent.
class TLoopbackHttpServer {
 public:
  explicit TLoopbackHttpServer(std::optional<std::string> answer) : answer_(std::move(answer)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    EXPECT_EQ(::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    EXPECT_EQ(::listen(listener_, 1), 0);
    socklen_t len = sizeof addr;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TLoopbackHttpServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    ::close(listener_);
  }

  int Port() const { return port_; }
  // Call after the client has returned.
  std::string Request() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return request_;
  }

 private:
  bool WaitReadable(int fd) {
    pollfd p{fd, POLLIN, 0};
    while (!stop_)
      if (::poll(&p, 1, 20) > 0) return true;
    return false;
  }

  void Serve() {
    if (!WaitReadable(listener_)) return;
    const int fd = ::accept(listener_, nullptr, nullptr);
    char buffer[4096];
    while (request_.find("\r\n\r\n") == std::string::npos && WaitReadable(fd)) {
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request_.append(buffer, static_cast<std::size_t>(n));
    }
    if (answer_) {
      ::send(fd, answer_->data(), answer_->size(), MSG_NOSIGNAL);
    } else {
      // Silent until the client gives up or the test ends.
      while (WaitReadable(fd) && ::recv(fd, buffer, sizeof buffer, 0) > 0) {
      }
    }
    ::close(fd);
  }

  std::optional<std::string> answer_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::string request_;
  std::thread thread_;
};

TVersionServer Loopback(int port) {
  TVersionServer server;
  server.Host = "127.0.0.1";
  server.Port = port;
  server.ConnectTimeoutMs = 2000;
  server.ReadTimeoutMs = 300;
  return server;
}

TEST(VersionCheck, SendsTheVersionRequestWithTheClientsHeaders) {
  TLoopbackHttpServer server("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.400");
  const std::unique_ptr<IHttpClient> http = CreateHttpClient();
  EXPECT_TRUE(Check_Version(*http, Loopback(server.Port())));
  const std::string request = server.Request();
  EXPECT_TRUE(request.starts_with("GET /home/download/GetversionSW.asp?nomesw=SW58318 HTTP/1.0\r\n")) << request;
  EXPECT_NE(request.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"),
            std::string::npos)
      << request;
  EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos) << request;
  EXPECT_EQ(request.find("Cookie"), std::string::npos) << request;
}

TEST(VersionCheck, AnyFailureMeansNoNewerVersion) {
  const std::unique_ptr<IHttpClient> http = CreateHttpClient();
  {
    SCOPED_TRACE("error status with a newer version in its body");
    TLoopbackHttpServer server("HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999");
    EXPECT_FALSE(Check_Version(*http, Loopback(server.Port())));
  }
  {
    SCOPED_TRACE("a server that never answers: the read time-out ends the wait");
    TLoopbackHttpServer server(std::nullopt);
    EXPECT_FALSE(Check_Version(*http, Loopback(server.Port())));
  }
  {
    SCOPED_TRACE("nobody listening");
    int port = 0;
    { TLoopbackHttpServer closed("HTTP/1.0 200 OK\r\n\r\nVER. 9.999"); port = closed.Port(); }
    EXPECT_FALSE(Check_Version(*http, Loopback(port)));
  }
}

TEST(VersionCheck, TheMakersPages) {
  EXPECT_EQ(Download_Page_Url(), std::string("http://") + Maker_Web_Host + "/Home/download/download.asp#HD58318");
  EXPECT_EQ(Home_Page_Url(), std::string("http://") + Maker_Web_Host + "/HOME/default.asp?frompg=SW58318");
  EXPECT_EQ(Version_Request().Host, Maker_Web_Host);
  EXPECT_EQ(Version_Request().Port, 80);
}

}  // namespace
}  // namespace hd
