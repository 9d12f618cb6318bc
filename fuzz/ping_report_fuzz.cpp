// The report of the system's ping program.
#include "fuzz_support.h"
#include "platform/ping_packets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string report(reinterpret_cast<const char*>(data), size);
  const int payload = ParsePingProgramReply(report, "127.0.0.1");
  if (payload < -1 || payload > kMaxEchoPayload) fuzz::Broken("an impossible reply size");
  return 0;
}
