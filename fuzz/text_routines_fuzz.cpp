// The grid's text routines on any text: valid UTF-8 in, valid UTF-8 out, and clipboard HTML
// whose offsets point where they say.
#include "fuzz_support.h"
#include "grid/foundation/text_utils.h"
#include "platform/text_file.h"

namespace {

std::size_t Offset(const std::string& doc, const std::string& name) {
  const std::size_t at = doc.find(name + ":");
  if (at == std::string::npos) hd::fuzz::Broken("no " + name);
  return std::stoull(doc.substr(at + name.size() + 1, doc.find('\r', at) - at - name.size() - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput input(data, size);
  const std::string text = ValidUtf8(input.Rest());
  if (!IsValidUtf8(MixedCaseText(text))) hd::fuzz::Broken("mixed case is not UTF-8");
  std::string doc = text;
  MakeClipboardHTML(doc);
  const std::size_t start = Offset(doc, "StartFragment"), end = Offset(doc, "EndFragment");
  if (end > doc.size() || start > end || doc.compare(start, end - start, text) != 0 ||
      Offset(doc, "EndHTML") != doc.size() || doc.compare(Offset(doc, "StartHTML"), 9, "<!DOCTYPE") != 0)
    hd::fuzz::Broken("clipboard offsets point elsewhere");
  DecodePackedUnicode(text);
  std::string result;
  HyperlinkText(text, "HTTP://", result);
  DoubleQuoteChars(text);
  return 0;
}
