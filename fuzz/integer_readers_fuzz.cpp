// The integer readers: whatever they accept, the number's own text reads back to it.
#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string text(reinterpret_cast<const char*>(data), size);
  int i = 0;
  if (TryStrToInt(text, i)) {
    if (StrToInt(IntToStr(i)) != i) fuzz::Broken("IntToStr does not read back");
    if (StrToInt(text) != i) fuzz::Broken("StrToInt and TryStrToInt differ");
  } else {
    try {
      StrToInt(text);
      fuzz::Broken("StrToInt took what TryStrToInt refused");
    } catch (const EConvertError&) {
    }
  }
  std::int64_t w = 0;
  if (TryStrToInt64(text, w) && StrToInt64(IntToStr(w)) != w) fuzz::Broken("64-bit text does not read back");
  if (TryStrToInt64(text, w) && StrToInt64("$" + IntToHex(w, 1)) != w) fuzz::Broken("hex text does not read back");
  StrToIntDef(text, 7);
  return 0;
}
