// The float reader: whatever it accepts, FloatToStr writes a text it reads back.
#include <cmath>

#include "fuzz_support.h"
#include "platform/sysutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput in(data, size);
  const bool local = in.Byte() & 1;
  TFormatSettings fs = InvariantFormatSettings();
  if (local) {
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = '.';
  }
  const std::string text = in.Rest();
  double value = 0;
  if (!TryStrToFloat(text, value, fs)) return 0;
  if (!std::isfinite(value)) return 0;
  const std::string written = FloatToStr(value, fs);
  double back = 0;
  if (!TryStrToFloat(written, back, fs)) fuzz::Broken("FloatToStr wrote \"" + written + "\", which does not read back");
  if (value != 0 && std::fabs(back / value - 1) > 1e-14) fuzz::Broken("\"" + written + "\" reads back another value");
  return 0;
}
