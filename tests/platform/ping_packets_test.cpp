#include "platform/ping_packets.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hd {
namespace {

in_addr Address(const char* dotted) {
  in_addr a{};
  inet_pton(AF_INET, dotted, &a);
  return a;
}

std::string IpHeader(const char* from, std::size_t icmpSize) {
  std::string h(20, '\0');
  h[0] = 0x45;
  h[2] = static_cast<char>((20 + icmpSize) >> 8);
  h[3] = static_cast<char>((20 + icmpSize) & 0xFF);
  h[8] = 64;
  h[9] = IPPROTO_ICMP;
  const in_addr a = Address(from);
  h.replace(12, 4, reinterpret_cast<const char*>(&a), 4);
  return h;
}

std::string AsReply(std::string echo) {
  echo[0] = 0;
  return echo;
}

// What a router sends back: type 3 quoting the IP header and first bytes of our request.
std::string Unreachable(const std::string& request) {
  std::string icmp(8, '\0');
  icmp[0] = 3;
  icmp[1] = 1;
  return icmp + IpHeader("127.0.0.1", request.size()) + request.substr(0, 8);
}

TEST(PingPackets, EchoRequestCarriesItsChecksumAndPayload) {
  const std::string request = BuildEchoRequest(0x1234, 0xBEEF, 1024);
  ASSERT_EQ(request.size(), 8u + 1024u);
  EXPECT_EQ(static_cast<unsigned char>(request[0]), 8);
  EXPECT_EQ(request.substr(4, 4), std::string("\x12\x34\xBE\xEF"));
  EXPECT_EQ(InternetChecksum(reinterpret_cast<const unsigned char*>(request.data()), request.size()), 0)
      << "a packet with its checksum in place sums to zero";
  EXPECT_EQ(BuildEchoRequest(1, 1, 0).size(), 8u);
  const std::string odd = BuildEchoRequest(7, 9, 3);
  EXPECT_EQ(InternetChecksum(reinterpret_cast<const unsigned char*>(odd.data()), odd.size()), 0);
}

TEST(PingPackets, OnlyTheTargetsEchoReplyToOurRequestCounts) {
  const std::string request = BuildEchoRequest(0x0102, 7, 1024);
  const std::string reply = AsReply(request);
  struct Case {
    const char* name;
    std::string packet;
    const char* sender;
    bool hasIpHeader;
    bool checkIdentifier;
    int payload;
  } cases[] = {
      {"reply on an ICMP socket", reply, "10.1.2.3", false, false, 1024},
      {"reply on a raw socket", IpHeader("10.1.2.3", reply.size()) + reply, "10.1.2.3", true, true, 1024},
      {"reply from another host", reply, "10.1.2.4", false, false, -1},
      {"our own request seen on loopback", IpHeader("10.1.2.3", request.size()) + request, "10.1.2.3",
       true, true, -1},
      {"destination unreachable", IpHeader("10.1.2.3", 36) + Unreachable(request), "10.1.2.3", true, true, -1},
      {"another pinger's identifier", AsReply(BuildEchoRequest(0x0103, 7, 1024)), "10.1.2.3", false, true, -1},
      {"identifier left to the kernel", AsReply(BuildEchoRequest(0x0103, 7, 1024)), "10.1.2.3", false, false,
       1024},
      {"an earlier sequence", AsReply(BuildEchoRequest(0x0102, 6, 1024)), "10.1.2.3", false, false, -1},
      {"truncated header", reply.substr(0, 6), "10.1.2.3", false, false, -1},
      {"IP header longer than the packet", std::string("\x4F") + std::string(30, '\0'), "10.1.2.3", true,
       true, -1},
      {"empty reply payload", AsReply(BuildEchoRequest(0x0102, 7, 0)), "10.1.2.3", false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEchoFilter filter;
    filter.Target = Address("10.1.2.3");
    filter.HasIpHeader = c.hasIpHeader;
    filter.CheckIdentifier = c.checkIdentifier;
    filter.Identifier = 0x0102;
    filter.Sequence = 7;
    EXPECT_EQ(MatchEchoReply(reinterpret_cast<const unsigned char*>(c.packet.data()), c.packet.size(),
                             Address(c.sender), filter),
              c.payload);
  }
}

TEST(PingPackets, PingProgramReportIsReadForTheTargetsReplyOnly) {
  struct Case {
    const char* name;
    const char* report;
    int payload;
  } cases[] = {
      {"iputils reply",
       "PING 127.0.0.1 (127.0.0.1) 1024(1052) bytes of data.\n"
       "1032 bytes from 127.0.0.1: icmp_seq=1 ttl=64 time=0.045 ms\n\n--- 127.0.0.1 ping statistics ---\n",
       1024},
      {"busybox reply", "PING 127.0.0.1 (127.0.0.1): 56 data bytes\n64 bytes from 127.0.0.1: seq=0 ttl=64 time=0.1 ms\n",
       56},
      {"error message from a router",
       "PING 127.0.0.1 (127.0.0.1) 56(84) bytes of data.\nFrom 10.0.0.1 icmp_seq=1 Destination Host Unreachable\n", -1},
      {"reply from another address", "1032 bytes from 127.0.0.2: icmp_seq=1 ttl=64 time=0.045 ms\n", -1},
      {"no reply", "PING 127.0.0.1 (127.0.0.1) 56(84) bytes of data.\n\n1 packets transmitted, 0 received\n", -1},
      {"nothing at all", "", -1},
      {"impossible size", "65516 bytes from 127.0.0.1: icmp_seq=1 ttl=64 time=0.045 ms\n", -1},
      {"largest possible size", "65515 bytes from 127.0.0.1: icmp_seq=1 ttl=64 time=0.045 ms\n", 65507},
      {"size beyond any integer", "99999999999999999999999 bytes from 127.0.0.1: icmp_seq=1\n", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParsePingProgramReply(c.report, "127.0.0.1"), c.payload);
  }
}

// A 500 ms echo returned after 8 s while the loopback was flooded: each packet that arrived
// started another wait, even after the deadline.
TEST(PingPackets, OtherTrafficDoesNotHoldTheWaitPastItsDeadline) {
  int pair[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_DGRAM, 0, pair), 0);
  const std::string request = BuildEchoRequest(7, 1, 8);
  int queued = 0;
  for (; queued < 50; ++queued) ASSERT_EQ(::send(pair[1], request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
  TEchoFilter filter;
  filter.Target = Address("127.0.0.1");
  filter.Identifier = 7;
  filter.Sequence = 1;
  // The deadline has passed: one packet may still be looked at, the rest wait for nobody.
  EXPECT_EQ(AwaitEchoReply(pair[0], filter, std::chrono::steady_clock::now()), -1);
  int left = 0;
  char buffer[64];
  while (::recv(pair[0], buffer, sizeof buffer, MSG_DONTWAIT) > 0) ++left;
  EXPECT_EQ(left, queued - 1);
  ::close(pair[0]);
  ::close(pair[1]);
}

}  // namespace
}  // namespace hd
