// ICMP echo packets and the reading of the system ping program's report, apart from the
// sockets so that the rules for what counts as an answer can be checked on their own.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace hd {

std::uint16_t InternetChecksum(const unsigned char* data, std::size_t size);

// An echo request: ICMP header with its checksum, then payloadSize bytes of filler.
std::string BuildEchoRequest(std::uint16_t identifier, std::uint16_t sequence, int payloadSize);

struct TEchoFilter {
  in_addr Target{};
  bool HasIpHeader = false;   // raw sockets hand over the IP header too
  bool CheckIdentifier = true;  // the kernel's ICMP sockets set and filter it themselves
  std::uint16_t Identifier = 0;
  std::uint16_t Sequence = 0;
};

// Payload bytes of a packet that is the target's echo reply to our request, -1 for anything
// else (our own request seen on loopback, error messages, other pingers' replies, truncation).
int MatchEchoReply(const unsigned char* packet, std::size_t size, const in_addr& sender,
                   const TEchoFilter& filter);

// Waits on an ICMP socket for the target's reply to our request; the payload size of the
// reply, -1 when none came by the deadline. The deadline holds however much other traffic
// arrives meanwhile.
int AwaitEchoReply(int fd, const TEchoFilter& filter, std::chrono::steady_clock::time_point deadline);

// The largest echo payload an IPv4 packet can carry.
constexpr int kMaxEchoPayload = 65535 - 20 - 8;

// Payload bytes of the first reply line from the target in the ping program's report
// ("1032 bytes from 127.0.0.1: icmp_seq=1 ...") that names a possible size, -1 when there is none.
int ParsePingProgramReply(const std::string& report, const std::string& targetDotted);

}  // namespace hd
