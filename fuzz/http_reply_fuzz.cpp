// The HTTP answer of the version check.
#include "app/version_check.h"
#include "fuzz_support.h"
#include "platform/http_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string answer(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> body = BodyOfOkAnswer(answer);
  if (body && body->size() > answer.size()) fuzz::Broken("a body longer than the answer");
  if (body) Is_Newer_Version(*body);
  Conv_Version(answer);
  return 0;
}
