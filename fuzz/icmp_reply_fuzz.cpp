// ICMP packets that reach the pinger's socket.
#include <arpa/inet.h>

#include "fuzz_support.h"
#include "platform/ping_packets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput in(data, size);
  TEchoFilter filter;
  inet_pton(AF_INET, "127.0.0.1", &filter.Target);
  const std::uint8_t mode = in.Byte();
  filter.HasIpHeader = mode & 1;
  filter.CheckIdentifier = mode & 2;
  filter.Identifier = static_cast<std::uint16_t>(in.Word());
  filter.Sequence = static_cast<std::uint16_t>(in.Word());
  const std::string packet = in.Rest();
  const int payload = MatchEchoReply(reinterpret_cast<const unsigned char*>(packet.data()), packet.size(),
                                     filter.Target, filter);
  if (payload > static_cast<int>(packet.size())) fuzz::Broken("a payload larger than the packet");
  InternetChecksum(reinterpret_cast<const unsigned char*>(packet.data()), packet.size());
  return 0;
}
