// Number and date formatting with format texts from outside, and the date readers.
#include "fuzz_support.h"
#include "platform/dateutils.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput in(data, size);
  const std::uint8_t what = in.Byte();
  const std::int64_t number = static_cast<std::int64_t>(in.Wide());
  const std::int64_t small = static_cast<std::int32_t>(in.Word()) % 2000000;
  const double real = in.Double();
  const std::string text = in.Text();
  const std::string format = in.Rest();
  const TFormatSettings fs = InvariantFormatSettings();
  try {
    switch (what % 5) {
      case 0: Format(format, {number, real, text, small, number, text}, fs); break;
      case 1: FormatFloat(format, real, fs); break;
      case 2: FormatDateTime(format, real, fs); break;
      case 3: FloatToStrF(real, static_cast<TFloatFormat>(what / 5 % 5), static_cast<int>(small % 40),
                          static_cast<int>(number % 40), fs); break;
      default: {
        TDateTime dt = 0;
        TryStrToDate(format, dt, fs);
        TryStrToTime(format, dt, fs);
        TryStrToDateTime(format, dt, fs);
      }
    }
  } catch (const EConvertError&) {
  }
  return 0;
}
