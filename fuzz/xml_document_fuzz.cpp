// The XML document object: any bytes from a file, then what a save of them writes must read
// back to the same document.
#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "platform/text_file.h"
#include "platform/xml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  TXmlDocument doc;
  try {
    doc.LoadFromString(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const EXmlError&) {
    return 0;
  }
  for (TXmlNode n = doc.FirstChild(); n; n = n.NextSibling()) {
    n.ChildElements();
    n.TryText();
    n.Attributes();
  }
  const std::string saved = doc.SaveToString();
  if (!IsValidUtf8(saved)) fuzz::Broken("a save wrote text that is not UTF-8");
  TXmlDocument back;
  try {
    back.LoadFromString(saved);
  } catch (const EXmlError& e) {
    fuzz::Broken("a saved document does not load: " + e.Message());
  }
  // A document type is kept only as far as the parser reads it (an empty one gains a blank);
  // the configuration files have none.
  for (const TXmlNode& n : doc.ChildNodes())
    if (n.NodeType() == ntDocType) return 0;
  if (back.SaveToString() != saved) fuzz::Broken("a saved document reads back different");
  return 0;
}
