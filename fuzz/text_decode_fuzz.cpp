// Text decoding of files from outside: whatever the bytes, the text is UTF-8.
#include "fuzz_support.h"
#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TTextEncoding encoding;
  const std::string text = DecodeText(bytes, &encoding);
  if (!IsValidUtf8(text)) fuzz::Broken("decoded text is not UTF-8");
  if (!IsValidUtf8(ValidUtf8(bytes))) fuzz::Broken("ValidUtf8 left bytes that are not UTF-8");
  if (IsValidUtf8(bytes) && ValidUtf8(bytes) != bytes) fuzz::Broken("ValidUtf8 changed valid text");
  for (const std::string& line : SplitLines(text))
    if (line.find_first_of("\r\n") != std::string::npos) fuzz::Broken("a line holds a line end");
  for (TTextEncoding e : {TTextEncoding::UTF8BOM, TTextEncoding::UTF16LE, TTextEncoding::UTF16BE}) {
    if (DecodeText(EncodeText(text, e)) != text) fuzz::Broken("text does not survive its encoding");
  }
  Utf8ToWindows1252(text);
  return 0;
}
