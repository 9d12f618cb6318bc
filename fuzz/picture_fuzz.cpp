// Pictures from files: BMP, PNG, GIF and ICO through Qt's readers, JPEG through libjpeg.
#include "fuzz_support.h"
#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/gui_application.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  hd::EnsureGuiApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput in(data, size);
  const bool small = in.Byte() & 1;
  const std::int64_t limit = small ? kSmallPicturePixels : kMaxPicturePixels;
  TBitmap bmp;
  try {
    bmp.LoadFromMemory(in.Rest(), limit);
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  if (static_cast<std::int64_t>(bmp.Width()) * bmp.Height() > limit) fuzz::Broken("a picture over its limit");
  return 0;
}
