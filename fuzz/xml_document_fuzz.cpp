// The XML document object: any bytes from a file, then what a save of them writes must read
// back to the same nodes and values.
#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "platform/text_file.h"
#include "platform/xml.h"

namespace {

// The nodes, names, attributes and values in document order, as a save can keep them: text
// and CDATA run together (CDATA holding "]]>" is written as two), blank runs beside other
// nodes left out; comments and processing instructions by kind only ("--" and "?>" inside
// them are written apart); no declaration (the save is UTF-8 whatever it said) and no document
// type (kept only as far as the parser reads it; the configuration files have none).
void Dump(const std::vector<hd::TXmlNode>& nodes, std::string& out) {
  std::string text;
  auto endText = [&] {
    // Blanks beside other nodes are layout to every reader; alone they are the value.
    if (!text.empty() && (nodes.size() == 1 || text.find_first_not_of(" \t\r\n") != std::string::npos))
      out += "text:" + text;
    text.clear();
  };
  for (const hd::TXmlNode& n : nodes) {
    const hd::TXmlNodeType type = n.NodeType();
    if (type == hd::ntDeclaration || type == hd::ntDocType) continue;
    if (type == hd::ntText || type == hd::ntCData) {
      text += n.NodeValue();  // a reference to NUL ends a value: an empty one is written as nothing
      continue;
    }
    endText();
    out += "|" + std::to_string(type) + "<" + n.NodeName() + ">";
    for (const auto& [name, value] : n.Attributes()) out += " " + name + "=" + value;
    out += "{";
    Dump(n.ChildNodes(), out);
    out += "}";
  }
  endText();
}

std::string Dump(const hd::TXmlDocument& doc) {
  std::string out;
  Dump(doc.ChildNodes(), out);
  return out;
}

}  // namespace

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
  }
  const std::string saved = doc.SaveToString();
  if (!IsValidUtf8(saved)) fuzz::Broken("a save wrote text that is not UTF-8");
  TXmlDocument back;
  try {
    back.LoadFromString(saved);
  } catch (const EXmlError& e) {
    fuzz::Broken("a saved document does not load: " + e.Message());
  }
  if (Dump(back) != Dump(doc)) fuzz::Broken("a saved document reads back different");
  return 0;
}
