// The XML document object the configuration files are read and written with.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/exceptions.h"

namespace pugi {
class xml_document;
struct xml_node_struct;
}  // namespace pugi

namespace hd {

// A document that does not parse: the parser's code for the reason, and where it stopped as a
// byte offset into the decoded text and as a 1-based line.
class EXmlParseError : public EXmlError {
 public:
  EXmlParseError(const std::string& message, int code, std::size_t offset, int line)
      : EXmlError(message), code_(code), offset_(offset), line_(line) {}
  int Code() const { return code_; }
  std::size_t Offset() const { return offset_; }
  int Line() const { return line_; }

 private:
  int code_;
  std::size_t offset_;
  int line_;
};

enum TXmlNodeType {
  ntNone, ntElement, ntText, ntCData, ntComment, ntDeclaration, ntProcessingInstr, ntDocType, ntDocument
};

// Whitespace the writer puts between nodes: a line per node with indentation, or none at all.
enum TXmlLayout { xlIndented, xlCompact };

// A handle to a node of a TXmlDocument; a null handle stands for a missing node.
// Handles stay valid while their document lives and the node is not removed.
class TXmlNode {
 public:
  TXmlNode() = default;
  explicit TXmlNode(pugi::xml_node_struct* node) : node_(node) {}

  bool IsNull() const;
  explicit operator bool() const { return !IsNull(); }
  TXmlNodeType NodeType() const;
  std::string NodeName() const;  // element name; empty for other kinds
  // Value of a text, CDATA or comment node.
  std::string NodeValue() const;

  // All child nodes (comments included; whitespace-only text beside other nodes was dropped
  // on load).
  std::vector<TXmlNode> ChildNodes() const;
  int ChildCount() const;
  TXmlNode Child(int index) const;  // null when out of range
  TXmlNode FirstChild() const;
  // Child elements only: rows of a section (a comment inside a section is not a row).
  std::vector<TXmlNode> ChildElements() const;
  std::vector<TXmlNode> ChildElements(const std::string& name) const;
  // The first child element of exactly this name; null when none.
  TXmlNode FindNode(const std::string& name) const;
  TXmlNode Parent() const;
  TXmlNode NextSibling() const;

  // Plain text: no child gives "", one text or CDATA child gives its value; anything else
  // (child elements, several nodes, a non-element) is not plain text.
  bool IsTextElement() const;
  std::optional<std::string> TryText() const;
  std::string Text() const;  // EXmlError when not plain text
  // Replaces the children with one text node; an empty text leaves none, which reads back the same.
  void SetText(const std::string& text);

  bool HasAttribute(const std::string& name) const;
  // Missing told apart from empty.
  std::optional<std::string> Attribute(const std::string& name) const;
  std::string AttributeOr(const std::string& name, const std::string& def) const;
  void SetAttribute(const std::string& name, const std::string& value);
  std::vector<std::pair<std::string, std::string>> Attributes() const;
  // Visits the attributes in document order without copying them.
  void ForEachAttribute(const std::function<void(std::string_view name, std::string_view value)>& visit) const;

  TXmlNode AddChild(const std::string& name);
  TXmlNode AddComment(const std::string& text);
  TXmlNode AddText(const std::string& text);
  void RemoveChild(const TXmlNode& child);
  // An element placed before a child of this node; a null Before appends it.
  TXmlNode InsertChild(const std::string& name, const TXmlNode& Before);

 private:
  friend class TXmlDocument;
  pugi::xml_node_struct* node_ = nullptr;
};

// The largest XML file read: a file of empty elements takes some forty times its size in
// memory once parsed, and the configuration files stay far below this.
constexpr std::uint64_t kMaxXmlFileSize = 4 * 1024 * 1024;

class TXmlDocument {
 public:
  TXmlDocument();
  ~TXmlDocument();
  TXmlDocument(const TXmlDocument&) = delete;
  TXmlDocument& operator=(const TXmlDocument&) = delete;

  // Keeps comments, the declaration and processing instructions, so FirstChild() is whatever
  // the file starts with. EXmlError (naming the file) on a missing file or a file over
  // kMaxXmlFileSize, EXmlParseError on a parse error; the document is then empty.
  void LoadFromFile(const std::string& path);
  void LoadFromString(const std::string& text);
  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  // Removes every node.
  void Clear();

  TXmlNode FirstChild() const;  // the document's first child node, whatever its kind
  std::vector<TXmlNode> ChildNodes() const;
  TXmlNode DocumentElement() const;  // the first element at document level
  // Document-level additions, appended after what is there.
  TXmlNode AddChild(const std::string& name);
  TXmlNode AddComment(const std::string& text);

  // UTF-8, no declaration, through the atomic replace; EFCreateError on failure. Every text
  // reads back as set: carriage returns are written as references, and bytes that are not
  // UTF-8 are taken as Windows-1252.
  void SaveToFile(const std::string& path, TXmlLayout layout = xlIndented) const;
  std::string SaveToString(TXmlLayout layout = xlIndented) const;

 private:
  void Parse(std::string bytes, const std::string& what);

  std::unique_ptr<pugi::xml_document> doc_;
  std::string buffer_;  // the decoded text the document was parsed from in place
  bool active_ = false;
};

}  // namespace hd
