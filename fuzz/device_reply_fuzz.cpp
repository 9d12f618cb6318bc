// Datagrams from the network as the device command page reads them: whatever arrives, a reply
// fills at most the page's 1024 rows, and only the reply to the read command last sent.
#include "fuzz_support.h"
#include "tables/device_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput in(data, size);
  static const int kAwaited[] = {arNone, arPollStatus, arErrorCounters, arTransparentMode, arSlavePolls, arSinglePoll};
  const int lastCmd = kAwaited[in.Byte() % 6];
  const std::string datagram = in.Rest();
  const TDeviceReply reply = Decode_Reply(lastCmd, datagram);
  if (reply.Disabled.size() > static_cast<std::size_t>(Device_Poll_Count) || reply.Disabled.size() % 8 != 0)
    fuzz::Broken("a status reply reaches past the polls");
  if (reply.Counters.size() > static_cast<std::size_t>(Device_Poll_Count))
    fuzz::Broken("an error-counter reply reaches past the polls");
  const bool awaited = (reply.Kind == TDeviceReply::PollStatus && lastCmd == arPollStatus) ||
                       (reply.Kind == TDeviceReply::ErrorCounters && lastCmd == arErrorCounters) ||
                       (reply.Kind == TDeviceReply::TransparentMode && lastCmd == arTransparentMode);
  if (reply.Kind != TDeviceReply::Ignored && !awaited) fuzz::Broken("a reply was taken that was not awaited");
  return 0;
}
