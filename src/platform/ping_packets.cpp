#include "platform/ping_packets.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <sstream>
#include <vector>

namespace hd {

namespace {

constexpr unsigned char kEchoReply = 0;
constexpr unsigned char kEchoRequest = 8;
constexpr std::size_t kIcmpHeaderSize = 8;
constexpr std::size_t kMinIpHeaderSize = 20;

std::uint16_t ReadBigEndian16(const unsigned char* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

}  // namespace

std::uint16_t InternetChecksum(const unsigned char* data, std::size_t size) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < size; i += 2) sum += ReadBigEndian16(data + i);
  if (size % 2) sum += static_cast<std::uint32_t>(data[size - 1]) << 8;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

std::string BuildEchoRequest(std::uint16_t identifier, std::uint16_t sequence, int payloadSize) {
  std::string packet(kIcmpHeaderSize + static_cast<std::size_t>(payloadSize > 0 ? payloadSize : 0), '\0');
  packet[0] = static_cast<char>(kEchoRequest);
  packet[4] = static_cast<char>(identifier >> 8);
  packet[5] = static_cast<char>(identifier & 0xFF);
  packet[6] = static_cast<char>(sequence >> 8);
  packet[7] = static_cast<char>(sequence & 0xFF);
  for (std::size_t i = kIcmpHeaderSize; i < packet.size(); ++i)
    packet[i] = static_cast<char>('a' + (i - kIcmpHeaderSize) % 23);
  const std::uint16_t sum =
      InternetChecksum(reinterpret_cast<const unsigned char*>(packet.data()), packet.size());
  packet[2] = static_cast<char>(sum >> 8);
  packet[3] = static_cast<char>(sum & 0xFF);
  return packet;
}

int MatchEchoReply(const unsigned char* packet, std::size_t size, const in_addr& sender,
                   const TEchoFilter& filter) {
  if (sender.s_addr != filter.Target.s_addr) return -1;
  if (filter.HasIpHeader) {
    if (size < kMinIpHeaderSize) return -1;
    const std::size_t headerSize = static_cast<std::size_t>(packet[0] & 0x0F) * 4;
    if (headerSize < kMinIpHeaderSize || headerSize > size) return -1;
    if (packet[9] != IPPROTO_ICMP) return -1;
    packet += headerSize;
    size -= headerSize;
  }
  if (size < kIcmpHeaderSize) return -1;
  if (packet[0] != kEchoReply || packet[1] != 0) return -1;
  if (filter.CheckIdentifier && ReadBigEndian16(packet + 4) != filter.Identifier) return -1;
  if (ReadBigEndian16(packet + 6) != filter.Sequence) return -1;
  return static_cast<int>(size - kIcmpHeaderSize);
}

int AwaitEchoReply(int fd, const TEchoFilter& filter, std::chrono::steady_clock::time_point deadline) {
  using Clock = std::chrono::steady_clock;
  std::vector<unsigned char> buffer(65536);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, left > 0 ? static_cast<int>(left) : 0);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return -1;
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t got =
        recvfrom(fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (got >= 0) {
      const int payload = MatchEchoReply(buffer.data(), static_cast<std::size_t>(got), from.sin_addr, filter);
      if (payload >= 0) return payload;
    } else if (errno != EINTR && errno != EAGAIN) {
      return -1;
    }
    // Other traffic keeps the socket readable: without this a flood would hold us past the time-out.
    if (Clock::now() >= deadline) return -1;
  }
}

int ParsePingProgramReply(const std::string& report, const std::string& targetDotted) {
  std::istringstream lines(report);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    long bytes = -1;
    std::string word1, word2, from;
    if (!(words >> bytes >> word1 >> word2 >> from)) continue;
    if (word1 != "bytes" || word2 != "from" || bytes < static_cast<long>(kIcmpHeaderSize)) continue;
    if (bytes - static_cast<long>(kIcmpHeaderSize) > kMaxEchoPayload) continue;
    if (!from.empty() && from.back() == ':') from.pop_back();
    if (from != targetDotted) continue;
    return static_cast<int>(bytes - static_cast<long>(kIcmpHeaderSize));
  }
  return -1;
}

}  // namespace hd
