#include "platform/xml.h"

#include <pugixml.hpp>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <sstream>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace hd {

namespace {

// Comments, declaration, processing instructions and document type stay nodes of the
// document; whitespace-only text between elements is dropped, while an element whose only
// content is blanks keeps them, so a value of blanks reads back as written.
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_pi | pugi::parse_comments |
                                 pugi::parse_declaration | pugi::parse_doctype | pugi::parse_ws_pcdata_single;

unsigned SaveFlags(TXmlLayout layout) {
  return (layout == xlCompact ? pugi::format_raw : pugi::format_indent) | pugi::format_no_declaration;
}

// Files from outside come in UTF-8, UTF-16 with or without a mark, or Windows-1252.
std::string DecodeXmlBytes(std::string&& bytes) {
  if (bytes.size() >= 2 && bytes[0] == '<' && bytes[1] == '\0')
    return DecodeText(std::string("\xFF\xFE", 2) + bytes);
  if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] == '<')
    return DecodeText(std::string("\xFE\xFF", 2) + bytes);
  return DecodeText(std::move(bytes));
}

// Carriage returns outside comments, CDATA and processing instructions become character
// references: written raw, every reader would turn them into line feeds. Attribute values
// come escaped already and markup holds none, so only text is touched.
std::string EscapeCarriageReturns(const std::string& xml) {
  if (xml.find('\r') == std::string::npos) return xml;
  std::string out;
  out.reserve(xml.size() + 64);
  for (std::size_t i = 0; i < xml.size();) {
    const char* end = nullptr;
    std::size_t opener = 0;
    if (xml.compare(i, 4, "<!--") == 0) end = "-->", opener = 4;
    else if (xml.compare(i, 9, "<![CDATA[") == 0) end = "]]>", opener = 9;
    else if (xml.compare(i, 2, "<?") == 0) end = "?>", opener = 2;
    if (end) {
      // The end is sought after the whole opener: a comment may begin with ">" ("<!-->").
      std::size_t stop = xml.find(end, i + opener);
      stop = stop == std::string::npos ? xml.size() : stop + std::char_traits<char>::length(end);
      out.append(xml, i, stop - i);
      i = stop;
    } else if (xml[i] == '\r') {
      out += "&#13;";
      ++i;
    } else {
      out += xml[i++];
    }
  }
  return out;
}

// The first reference that names no character XML allows (NUL, a surrogate, beyond U+10FFFF)
// or an entity XML does not define; the parser would cut a value at a NUL or keep the text
// of an unknown entity, and the next save would write the file changed. Markup that holds no
// references (comments, CDATA, processing instructions, the document type) is skipped.
// Answers the offset and the reason, or an empty reason.
std::pair<std::size_t, std::string> BadReference(const std::string& xml) {
  static const char* const kSkipped[][2] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
  for (std::size_t i = xml.find_first_of("<&"); i < xml.size(); i = xml.find_first_of("<&", i)) {
    if (xml[i] == '<') {
      std::size_t stop = std::string::npos;
      for (const auto& skip : kSkipped)
        if (xml.compare(i, std::char_traits<char>::length(skip[0]), skip[0]) == 0) {
          stop = xml.find(skip[1], i + std::char_traits<char>::length(skip[0]));
          if (stop != std::string::npos) stop += std::char_traits<char>::length(skip[1]);
          break;
        }
      if (stop == std::string::npos && xml.compare(i, 9, "<!DOCTYPE") == 0) {
        const std::size_t subset = xml.find_first_of("[>", i);
        stop = subset != std::string::npos && xml[subset] == '[' ? xml.find("]", subset) : subset;
        if (stop != std::string::npos) stop = xml.find('>', stop);
        if (stop != std::string::npos) ++stop;
      }
      if (stop == std::string::npos && xml.compare(i, 2, "<!") == 0) return {xml.size(), {}};  // the parser reports it
      i = stop == std::string::npos ? i + 1 : stop;
      continue;
    }
    const std::size_t semicolon = xml.find(';', i);
    const std::size_t nameEnd = xml.find_first_of("&<>\"' \t\r\n;", i + 1);
    if (semicolon == std::string::npos || nameEnd != semicolon) {
      ++i;  // a lone "&", kept as text as it always was
      continue;
    }
    const std::string name = xml.substr(i + 1, semicolon - i - 1);
    if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos") {
      i = semicolon + 1;
      continue;
    }
    if (name.empty() || name[0] != '#') return {i, "the entity \"&" + name + ";\" is not defined"};
    const bool hex = name.size() > 1 && name[1] == 'x';
    const std::string digits = name.substr(hex ? 2 : 1);
    std::uint64_t code = 0;
    bool ok = !digits.empty() && digits.size() <= 8;
    for (char c : digits) {
      const int d = c >= '0' && c <= '9' ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
      if (d < 0) ok = false;
      code = code * (hex ? 16 : 10) + static_cast<std::uint64_t>(std::max(d, 0));
    }
    if (!ok || code == 0 || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
      return {i, "the character reference \"&" + name + ";\" names no character XML allows"};
    i = semicolon + 1;
  }
  return {xml.size(), {}};
}

[[noreturn]] void MissingNode(const char* action) {
  throw EXmlError(std::string("Cannot ") + action + " a missing XML node");
}

}  // namespace

namespace {
pugi::xml_node Node(pugi::xml_node_struct* n) { return pugi::xml_node(n); }
TXmlNode Handle(pugi::xml_node n) { return TXmlNode(n.internal_object()); }
}  // namespace

bool TXmlNode::IsNull() const { return node_ == nullptr; }

TXmlNodeType TXmlNode::NodeType() const {
  switch (Node(node_).type()) {
    case pugi::node_element:
      return ntElement;
    case pugi::node_pcdata:
      return ntText;
    case pugi::node_cdata:
      return ntCData;
    case pugi::node_comment:
      return ntComment;
    case pugi::node_declaration:
      return ntDeclaration;
    case pugi::node_pi:
      return ntProcessingInstr;
    case pugi::node_doctype:
      return ntDocType;
    case pugi::node_document:
      return ntDocument;
    case pugi::node_null:
      break;
  }
  return ntNone;
}

std::string TXmlNode::NodeName() const {
  return Node(node_).type() == pugi::node_element ? Node(node_).name() : std::string();
}

std::string TXmlNode::NodeValue() const { return Node(node_).value(); }

std::vector<TXmlNode> TXmlNode::ChildNodes() const {
  std::vector<TXmlNode> nodes;
  for (pugi::xml_node c : Node(node_).children()) nodes.push_back(Handle(c));
  return nodes;
}

int TXmlNode::ChildCount() const {
  int n = 0;
  for (pugi::xml_node c = Node(node_).first_child(); c; c = c.next_sibling()) ++n;
  return n;
}

TXmlNode TXmlNode::Child(int index) const {
  if (index < 0) return TXmlNode();
  pugi::xml_node c = Node(node_).first_child();
  for (; c && index > 0; --index) c = c.next_sibling();
  return Handle(c);
}

TXmlNode TXmlNode::FirstChild() const { return Handle(Node(node_).first_child()); }

std::vector<TXmlNode> TXmlNode::ChildElements() const {
  std::vector<TXmlNode> nodes;
  for (pugi::xml_node c : Node(node_).children())
    if (c.type() == pugi::node_element) nodes.push_back(Handle(c));
  return nodes;
}

std::vector<TXmlNode> TXmlNode::ChildElements(const std::string& name) const {
  std::vector<TXmlNode> nodes;
  for (pugi::xml_node c : Node(node_).children(name.c_str())) nodes.push_back(Handle(c));
  return nodes;
}

TXmlNode TXmlNode::FindNode(const std::string& name) const { return Handle(Node(node_).child(name.c_str())); }

TXmlNode TXmlNode::Parent() const { return Handle(Node(node_).parent()); }

TXmlNode TXmlNode::NextSibling() const { return Handle(Node(node_).next_sibling()); }

bool TXmlNode::IsTextElement() const { return TryText().has_value(); }

std::optional<std::string> TXmlNode::TryText() const {
  if (Node(node_).type() != pugi::node_element) return std::nullopt;
  pugi::xml_node first = Node(node_).first_child();
  if (!first) return std::string();
  if (first.next_sibling()) return std::nullopt;
  if (first.type() != pugi::node_pcdata && first.type() != pugi::node_cdata) return std::nullopt;
  return std::string(first.value());
}

std::string TXmlNode::Text() const {
  std::optional<std::string> text = TryText();
  if (!text) {
    if (IsNull()) MissingNode("read the text of");
    throw EXmlError("Node \"" + NodeName() + "\" holds no plain text");
  }
  return *text;
}

void TXmlNode::SetText(const std::string& text) {
  if (Node(node_).type() != pugi::node_element) MissingNode("set the text of");
  while (pugi::xml_node c = Node(node_).first_child()) Node(node_).remove_child(c);
  if (!text.empty()) Node(node_).append_child(pugi::node_pcdata).set_value(text.c_str());
}

bool TXmlNode::HasAttribute(const std::string& name) const {
  return static_cast<bool>(Node(node_).attribute(name.c_str()));
}

std::optional<std::string> TXmlNode::Attribute(const std::string& name) const {
  pugi::xml_attribute a = Node(node_).attribute(name.c_str());
  if (!a) return std::nullopt;
  return std::string(a.value());
}

std::string TXmlNode::AttributeOr(const std::string& name, const std::string& def) const {
  return Attribute(name).value_or(def);
}

void TXmlNode::SetAttribute(const std::string& name, const std::string& value) {
  if (Node(node_).type() != pugi::node_element) MissingNode("set an attribute of");
  pugi::xml_attribute a = Node(node_).attribute(name.c_str());
  if (!a) a = Node(node_).append_attribute(name.c_str());
  a.set_value(value.c_str());
}

std::vector<std::pair<std::string, std::string>> TXmlNode::Attributes() const {
  std::vector<std::pair<std::string, std::string>> list;
  for (pugi::xml_attribute a : Node(node_).attributes()) list.emplace_back(a.name(), a.value());
  return list;
}

void TXmlNode::ForEachAttribute(
    const std::function<void(std::string_view name, std::string_view value)>& visit) const {
  for (pugi::xml_attribute a : Node(node_).attributes()) visit(a.name(), a.value());
}

TXmlNode TXmlNode::AddChild(const std::string& name) {
  pugi::xml_node c = Node(node_).append_child(name.c_str());
  if (!c) MissingNode("add an element to");
  return Handle(c);
}

TXmlNode TXmlNode::InsertChild(const std::string& name, const TXmlNode& Before) {
  if (Before.IsNull()) return AddChild(name);
  pugi::xml_node c = Node(node_).insert_child_before(name.c_str(), Node(Before.node_));
  if (!c) MissingNode("insert an element into");
  return Handle(c);
}

TXmlNode TXmlNode::AddComment(const std::string& text) {
  pugi::xml_node c = Node(node_).append_child(pugi::node_comment);
  if (!c) MissingNode("add a comment to");
  c.set_value(text.c_str());
  return Handle(c);
}

TXmlNode TXmlNode::AddText(const std::string& text) {
  pugi::xml_node c = Node(node_).append_child(pugi::node_pcdata);
  if (!c) MissingNode("add text to");
  c.set_value(text.c_str());
  return Handle(c);
}

void TXmlNode::RemoveChild(const TXmlNode& child) {
  if (!Node(node_).remove_child(Node(child.node_))) throw EXmlError("Cannot remove a node that is not a child");
}

TXmlDocument::TXmlDocument() : doc_(std::make_unique<pugi::xml_document>()) {}

TXmlDocument::~TXmlDocument() = default;

void TXmlDocument::LoadFromFile(const std::string& path) {
  doc_->reset();
  std::string bytes;
  try {
    bytes = ReadFileBytes(path, kMaxXmlFileSize);
  } catch (const EInOutError& e) {
    throw EXmlError(e.Message());
  }
  Parse(std::move(bytes), "XML file \"" + path + "\"");
}

void TXmlDocument::LoadFromString(const std::string& text) {
  doc_->reset();
  Parse(text, "XML text");
}

namespace {

// The offsets of the line feeds (and of CRs that no LF follows), kept before the parser
// rewrites the buffer in place, so that an error's offset can be told as a line.
std::vector<std::size_t> LineBreaks(const std::string& text) {
  std::vector<std::size_t> breaks;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) breaks.push_back(i);
  return breaks;
}

int LineOf(const std::vector<std::size_t>& breaks, std::size_t offset) {
  return static_cast<int>(std::lower_bound(breaks.begin(), breaks.end(), offset) - breaks.begin()) + 1;
}

}  // namespace

void TXmlDocument::Parse(std::string bytes, const std::string& what) {
  buffer_ = DecodeXmlBytes(std::move(bytes));
  const std::vector<std::size_t> breaks = LineBreaks(buffer_);
  // Every text is then a piece of the decoded, valid UTF-8 buffer or a character it may hold.
  if (auto [offset, reason] = BadReference(buffer_); !reason.empty()) {
    Clear();
    throw EXmlParseError("Cannot load " + what + ": " + reason + " at offset " + std::to_string(offset),
                         pugi::status_bad_pcdata, offset, LineOf(breaks, offset));
  }
  pugi::xml_parse_result result =
      doc_->load_buffer_inplace(buffer_.data(), buffer_.size(), kParseFlags, pugi::encoding_utf8);
  if (!result) {
    Clear();
    const std::size_t offset = static_cast<std::size_t>(std::max<std::ptrdiff_t>(result.offset, 0));
    throw EXmlParseError("Cannot load " + what + ": " + result.description() + " at offset " +
                             std::to_string(result.offset),
                         static_cast<int>(result.status), offset, LineOf(breaks, offset));
  }
  active_ = true;
}

void TXmlDocument::Clear() {
  doc_->reset();
  buffer_.clear();
  buffer_.shrink_to_fit();
}

TXmlNode TXmlDocument::FirstChild() const { return Handle(doc_->first_child()); }

std::vector<TXmlNode> TXmlDocument::ChildNodes() const {
  std::vector<TXmlNode> nodes;
  for (pugi::xml_node c : doc_->children()) nodes.push_back(Handle(c));
  return nodes;
}

TXmlNode TXmlDocument::DocumentElement() const { return Handle(doc_->document_element()); }

TXmlNode TXmlDocument::AddChild(const std::string& name) {
  return Handle(doc_->append_child(name.c_str()));
}

TXmlNode TXmlDocument::AddComment(const std::string& text) {
  pugi::xml_node c = doc_->append_child(pugi::node_comment);
  c.set_value(text.c_str());
  return Handle(c);
}

void TXmlDocument::SaveToFile(const std::string& path, TXmlLayout layout) const {
  WriteFileAtomic(path, SaveToString(layout));
}

std::string TXmlDocument::SaveToString(TXmlLayout layout) const {
  std::ostringstream out;
  // A declaration read from a file may name another encoding than the UTF-8 written here.
  if (doc_->find_child([](pugi::xml_node n) { return n.type() == pugi::node_declaration; })) {
    pugi::xml_document copy;
    for (pugi::xml_node c : doc_->children())
      if (c.type() != pugi::node_declaration) copy.append_copy(c);
    copy.save(out, "  ", SaveFlags(layout), pugi::encoding_utf8);
  } else {
    doc_->save(out, "  ", SaveFlags(layout), pugi::encoding_utf8);
  }
  // A value from outside (a folder name) may not be UTF-8; the file must be, or the reader
  // takes all of it for Windows-1252 and every other value changes.
  return ValidUtf8(EscapeCarriageReturns(out.str()));
}

}  // namespace hd
