#include "platform/net.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/main_thread.h"

namespace hd {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class SystemPingerTest : public testing::TestWithParam<TPingMethod> {};

TEST_P(SystemPingerTest, LoopbackAnswersWithThePayloadSize) {
  if (!PingMethodAvailable(GetParam())) GTEST_SKIP() << "this process may not use the method here";
  auto pinger = CreateSystemPinger(GetParam());
  for (int size : {1024, 16}) {
    SCOPED_TRACE(size);
    const TPingResult r = pinger->Echo("127.0.0.1", size, 2000);
    EXPECT_EQ(r.Status, TPingStatus::Reply);
    EXPECT_EQ(r.ReplySize, size);
  }
}

std::string MethodName(const testing::TestParamInfo<TPingMethod>& info) {
  static const char* const names[] = {"Auto", "IcmpSocket", "RawSocket", "PingProgram"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Methods, SystemPingerTest,
                         testing::Values(TPingMethod::Auto, TPingMethod::IcmpSocket, TPingMethod::RawSocket,
                                         TPingMethod::PingProgram),
                         MethodName);

TEST(SystemPinger, AddressesThatAreNoIPv4HostAreBad) {
  // None of these reaches a name server: each fails before any query.
  auto pinger = CreateSystemPinger();
  for (const char* host : {"bad..name", "1.2.3.300", "192.168.2", "::1", ""}) {
    SCOPED_TRACE(host);
    EXPECT_EQ(pinger->Echo(host, 1024, 400).Status, TPingStatus::BadAddress);
  }
}

TEST(SystemPinger, HostNamesAreResolved) {
  std::ifstream hosts("/etc/hosts");
  std::string text((std::istreambuf_iterator<char>(hosts)), std::istreambuf_iterator<char>());
  if (text.find("localhost") == std::string::npos) GTEST_SKIP() << "localhost only through a name server";
  if (!PingMethodAvailable(TPingMethod::Auto)) GTEST_SKIP() << "no way to ping here";
  const TPingResult r = CreateSystemPinger()->Echo("localhost", 100, 2000);
  EXPECT_EQ(r.Status, TPingStatus::Reply);
  EXPECT_EQ(r.ReplySize, 100);
}

// A one-connection HTTP server on 127.0.0.1 that records the request and gives a canned answer.
class TTestHttpServer {
 public:
  // silent: read the request, then answer nothing until the client gives up.
  explicit TTestHttpServer(std::string answer, bool silent = false) : Answer(std::move(answer)), Silent(silent) {
    Listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (bind(Listener, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(Listener, 1) != 0 ||
        getsockname(Listener, reinterpret_cast<sockaddr*>(&a), &size) != 0)
      ADD_FAILURE() << "test server could not listen";
    Port = ntohs(a.sin_port);
    Worker = std::thread([this] { Serve(); });
  }
  ~TTestHttpServer() {
    Worker.join();
    close(Listener);
  }

  int Port = 0;
  std::string Request;

 private:
  void Serve() {
    pollfd p{Listener, POLLIN, 0};
    if (poll(&p, 1, 10000) <= 0) return;
    const int peer = accept(Listener, nullptr, nullptr);
    if (peer < 0) return;
    char chunk[4096];
    while (Request.find("\r\n\r\n") == std::string::npos) {
      pollfd r{peer, POLLIN, 0};
      if (poll(&r, 1, 10000) <= 0) break;
      const ssize_t n = recv(peer, chunk, sizeof chunk, 0);
      if (n <= 0) break;
      Request.append(chunk, static_cast<std::size_t>(n));
    }
    if (Silent) {
      pollfd r{peer, POLLIN, 0};
      while (poll(&r, 1, 10000) > 0 && recv(peer, chunk, sizeof chunk, 0) > 0) {
      }
    } else {
      send(peer, Answer.data(), Answer.size(), MSG_NOSIGNAL);
    }
    close(peer);
  }

  std::string Answer;
  bool Silent;
  int Listener = -1;
  std::thread Worker;
};

THttpRequest VersionRequest(int port) {
  THttpRequest r;
  r.Host = "127.0.0.1";
  r.Port = port;
  r.Path = "/home/download/GetversionSW.asp?nomesw=SW58318";
  r.Headers = {{"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"}};
  r.UserAgent = "Configurator-Test/1.0 (loopback)";
  r.ConnectTimeoutMs = 2000;
  r.ReadTimeoutMs = 5000;
  return r;
}

TEST(HttpClient, SendsTheRequestLineHeadersAndUserAgent) {
  std::optional<std::string> body;
  std::string request;
  int port = 0;
  {
    TTestHttpServer server("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 10\r\n\r\nVER. 1.301");
    port = server.Port;
    body = CreateHttpClient()->Get(VersionRequest(server.Port));
    request = server.Request;
  }
  EXPECT_EQ(body, std::optional<std::string>("VER. 1.301"));
  EXPECT_EQ(request,
            "GET /home/download/GetversionSW.asp?nomesw=SW58318 HTTP/1.0\r\n"
            "Host: 127.0.0.1:" + std::to_string(port) + "\r\n"
            "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
            "User-Agent: Configurator-Test/1.0 (loopback)\r\n"
            "\r\n");
}

TEST(HttpClient, ReturnsTheBodyOfACompleteOkAnswerOnly) {
  struct Case {
    const char* name;
    std::string answer;
    std::optional<std::string> body;
  } cases[] = {
      {"200 up to the close", "HTTP/1.0 200 OK\r\n\r\nVER. 0.000", "VER. 0.000"},
      {"200 with a length shorter than the data", "HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", "abc"},
      {"200 with an empty body", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", ""},
      {"200 chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nVER.\r\n6\r\n 1.301\r\n0\r\n\r\n",
       "VER. 1.301"},
      {"200 with bare line feeds", "HTTP/1.0 200 OK\nServer: x\n\nbody", "body"},
      {"404 with a page", "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", std::nullopt},
      {"302 redirect", "HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\n", std::nullopt},
      {"500 error", "HTTP/1.0 500 Internal Server Error\r\n\r\noops", std::nullopt},
      {"status 2000", "HTTP/1.0 2000 OK\r\n\r\nx", std::nullopt},
      {"body cut short", "HTTP/1.0 200 OK\r\nContent-Length: 20\r\n\r\nVER.", std::nullopt},
      {"no HTTP at all", "VER. 1.301", std::nullopt},
      {"closed without an answer", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestHttpServer server(c.answer);
    EXPECT_EQ(CreateHttpClient()->Get(VersionRequest(server.Port)), c.body);
  }
}

TEST(HttpClient, GivesUpOnAServerThatNeverAnswers) {
  TTestHttpServer server("", true);
  THttpRequest request = VersionRequest(server.Port);
  request.ReadTimeoutMs = 300;
  const auto start = Clock::now();
  EXPECT_EQ(CreateHttpClient()->Get(request), std::nullopt);
  EXPECT_LT(Clock::now() - start, 5s);
}

TEST(HttpClient, RefusedConnectionGivesNothing) {
  // A port that was free a moment ago and has no listener now.
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof a;
  ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
  close(s);
  EXPECT_EQ(CreateHttpClient()->Get(VersionRequest(ntohs(a.sin_port))), std::nullopt);
  THttpRequest badHost = VersionRequest(80);
  badHost.Host = "1.2.3.300";
  EXPECT_EQ(CreateHttpClient()->Get(badHost), std::nullopt);
}

// The resolver would read these as 127.0.0.1; a dotted address is taken only as written.
TEST(HttpClient, ConnectsOnlyToTheAddressAsWritten) {
  TTestHttpServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.301");
  for (const char* host : {"127.1", "2130706433", "127.000.000.001"}) {
    SCOPED_TRACE(host);
    THttpRequest request = VersionRequest(server.Port);
    request.Host = host;
    request.ReadTimeoutMs = 300;
    EXPECT_EQ(CreateHttpClient()->Get(request), std::nullopt);
  }
  EXPECT_EQ(CreateHttpClient()->Get(VersionRequest(server.Port)), std::optional<std::string>("VER. 1.301"));
}

// The resolver keeps only the low 16 bits of a port number: 65536 + p would reach port p.
TEST(HttpClient, PortOutsideTheRangeGivesNothing) {
  TTestHttpServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.301");
  for (int port : {server.Port + 65536, 0, -1}) {
    SCOPED_TRACE(port);
    THttpRequest request = VersionRequest(port);
    request.ReadTimeoutMs = 300;
    EXPECT_EQ(CreateHttpClient()->Get(request), std::nullopt);
  }
  EXPECT_EQ(CreateHttpClient()->Get(VersionRequest(server.Port)), std::optional<std::string>("VER. 1.301"));
}

struct TDatagram {
  std::string Bytes;
  std::string Sender;
  int Port = 0;
  std::thread::id Thread;
};

// Runs the posted calls, as the message loop would, until the condition holds.
template <typename Condition>
bool PumpUntil(Condition done) {
  const auto end = Clock::now() + 10s;
  while (!done() && Clock::now() < end) {
    WaitForPostedCalls(100);
    RunPostedCalls();
  }
  return done();
}

void Record(IUdpEndpoint& endpoint, std::vector<TDatagram>& into) {
  endpoint.OnDatagram = [&into](const std::string& bytes, const std::string& sender, int port) {
    into.push_back({bytes, sender, port, std::this_thread::get_id()});
  };
}

TEST(UdpEndpoint, RoundTripOnLoopbackArrivesOnTheMainThread) {
  RunPostedCalls();
  auto device = CreateUdpEndpoint();
  auto page = CreateUdpEndpoint();
  ASSERT_TRUE(device->Bind(0)) << device->ErrorText();
  ASSERT_TRUE(page->Bind(0)) << page->ErrorText();
  ASSERT_NE(device->LocalPort(), 0);
  std::vector<TDatagram> atDevice, atPage;
  Record(*device, atDevice);
  Record(*page, atPage);

  std::string command(130, '\0');
  command[0] = static_cast<char>(0xB1);
  command[129] = static_cast<char>(0x80);
  ASSERT_TRUE(page->Send("127.0.0.1", device->LocalPort(), command)) << page->ErrorText();
  ASSERT_TRUE(PumpUntil([&] { return !atDevice.empty(); }));
  EXPECT_EQ(atDevice[0].Bytes, command);
  EXPECT_EQ(atDevice[0].Sender, "127.0.0.1");
  EXPECT_EQ(atDevice[0].Port, page->LocalPort());
  EXPECT_EQ(atDevice[0].Thread, std::this_thread::get_id());

  const std::string reply("\xB4\x01", 2);
  ASSERT_TRUE(device->Send(atDevice[0].Sender, atDevice[0].Port, reply)) << device->ErrorText();
  ASSERT_TRUE(PumpUntil([&] { return !atPage.empty(); }));
  EXPECT_EQ(atPage[0].Bytes, reply);
  EXPECT_EQ(atPage[0].Port, device->LocalPort());
  EXPECT_EQ(atDevice.size(), 1u);
}

TEST(UdpEndpoint, ClosedOrDestroyedEndpointGetsNothingFromDatagramsStillQueued) {
  RunPostedCalls();
  auto sender = CreateUdpEndpoint();
  auto receiver = CreateUdpEndpoint();
  ASSERT_TRUE(sender->Bind(0));
  ASSERT_TRUE(receiver->Bind(0));
  std::vector<TDatagram> got;
  Record(*receiver, got);

  ASSERT_TRUE(sender->Send("127.0.0.1", receiver->LocalPort(), "a"));
  ASSERT_TRUE(WaitForPostedCalls(10000));
  receiver->Close();
  EXPECT_FALSE(receiver->IsBound());
  EXPECT_EQ(RunPostedCalls(), 1);
  EXPECT_TRUE(got.empty());

  ASSERT_TRUE(receiver->Bind(0)) << "an endpoint can be bound again after closing";
  ASSERT_TRUE(sender->Send("127.0.0.1", receiver->LocalPort(), "b"));
  ASSERT_TRUE(PumpUntil([&] { return !got.empty(); }));
  EXPECT_EQ(got[0].Bytes, "b");

  ASSERT_TRUE(sender->Send("127.0.0.1", receiver->LocalPort(), "c"));
  ASSERT_TRUE(WaitForPostedCalls(10000));
  receiver.reset();
  EXPECT_EQ(RunPostedCalls(), 1);
  EXPECT_EQ(got.size(), 1u);
}

TEST(UdpEndpoint, BindingAPortInUseFailsWithAnErrorText) {
  auto first = CreateUdpEndpoint();
  ASSERT_TRUE(first->Bind(0));
  auto second = CreateUdpEndpoint();
  EXPECT_FALSE(second->Bind(first->LocalPort()));
  EXPECT_FALSE(second->IsBound());
  EXPECT_NE(second->ErrorText().find(std::to_string(first->LocalPort())), std::string::npos)
      << second->ErrorText();
  EXPECT_NE(second->ErrorText().find("in use"), std::string::npos) << second->ErrorText();
}

TEST(UdpEndpoint, SendFailsWithAnErrorTextForNoValidAddressOrWhenNotBound) {
  auto endpoint = CreateUdpEndpoint();
  EXPECT_FALSE(endpoint->Send("127.0.0.1", 10000, "x"));
  EXPECT_FALSE(endpoint->ErrorText().empty());
  ASSERT_TRUE(endpoint->Bind(0));
  for (const char* host : {"192.168.0.300", "bad..name", ""}) {
    SCOPED_TRACE(host);
    EXPECT_FALSE(endpoint->Send(host, 10000, "x"));
    EXPECT_FALSE(endpoint->ErrorText().empty());
  }
}

}  // namespace
}  // namespace hd
