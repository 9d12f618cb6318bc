// Documents of the office stand-in: the body of a .docx as blocks (paragraphs and tables),
// typed into, given tables, and written back with the package's other parts as they were.
#include <algorithm>
#include <functional>

#include "platform/files.h"
#include "platform/office.h"
#include "platform/office_p.h"
#include "platform/text_file.h"

namespace hd {

using namespace office;

namespace {

const char* const kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const char* const kDocumentType = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

}  // namespace

struct TWordDocument::TImpl {
  std::vector<std::pair<std::string, std::string>> parts;  // the package as read, in order
  std::string documentPart = "word/document.xml";
  TXmlDocument xml;
  TXmlNode body;
  std::string w;  // the prefix of the document's elements, with its colon
  std::vector<TXmlNode> tables;

  std::vector<TXmlNode> Blocks() const {
    std::vector<TXmlNode> out;
    for (const TXmlNode& c : body.ChildElements())
      if (LocalName(c) != "sectPr") out.push_back(c);
    return out;
  }
  // The block at Index, or the section properties (null: the end) past the last block.
  TXmlNode BlockAt(int Index) const {
    const std::vector<TXmlNode> blocks = Blocks();
    if (Index >= 0 && Index < static_cast<int>(blocks.size())) return blocks[static_cast<std::size_t>(Index)];
    return FirstChildNamed(body, "sectPr");
  }
  void AddRuns(TXmlNode P, const std::string& Text) {
    TXmlNode run = P.AddChild(w + "r");
    std::string line;
    auto flush = [&] {
      TXmlNode t = run.AddChild(w + "t");
      t.SetAttribute("xml:space", "preserve");
      t.SetText(line);
      line.clear();
    };
    for (char ch : ValidUtf8(Text)) {
      if (ch == '\r') continue;
      if (ch == '\n') {
        flush();
        run.AddChild(w + "br");
      } else {
        line += ch;
      }
    }
    flush();
  }
};

TWordDocument::TWordDocument() : p_(std::make_unique<TImpl>()) {
  p_->w = "w:";
  p_->xml.LoadFromString(std::string("<w:document xmlns:w=\"") + kWordNs + "\"><w:body><w:p/></w:body></w:document>");
  p_->body = FirstChildNamed(p_->xml.DocumentElement(), "body");
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  p_->parts = {{"[Content_Types].xml",
                head + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                       "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                       "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                       "<Override PartName=\"/word/document.xml\" ContentType=\"" + kDocumentType + "\"/></Types>"},
               {"_rels/.rels",
                head + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                       "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
                       "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
               {"word/document.xml", std::string()}};
}

TWordDocument::~TWordDocument() = default;

std::unique_ptr<TWordDocument> TWordDocument::Open(const std::string& FileName) {
  std::map<std::string, std::string> entries = ReadZip(FileName);
  auto doc = std::make_unique<TWordDocument>();
  TImpl& p = *doc->p_;
  p.parts.clear();
  auto rels = entries.find("_rels/.rels");
  if (rels != entries.end()) {
    TXmlDocument r;
    r.LoadFromString(rels->second);
    for (const TXmlNode& rel : Children(r.DocumentElement(), "Relationship")) {
      const std::string type = Attr(rel, "Type");
      if (type.size() >= 15 && type.compare(type.size() - 15, 15, "/officeDocument") == 0) {
        std::string target = Attr(rel, "Target");
        p.documentPart = !target.empty() && target[0] == '/' ? target.substr(1) : target;
      }
    }
  }
  auto main = entries.find(p.documentPart);
  if (main == entries.end()) throw EOleError("\"" + FileName + "\" holds no document");
  try {
    p.xml.LoadFromString(main->second);
  } catch (const EXmlError& e) {
    throw EOleError("\"" + FileName + "\": " + e.Message());
  }
  const TXmlNode root = p.xml.DocumentElement();
  const std::string rootName = root.NodeName();
  const std::size_t colon = rootName.find(':');
  p.w = colon == std::string::npos ? std::string() : rootName.substr(0, colon + 1);
  p.body = FirstChildNamed(root, "body");
  if (!p.body) throw EOleError("\"" + FileName + "\" holds no document body");
  // [Content_Types].xml first, as packages keep it.
  auto types = entries.find("[Content_Types].xml");
  if (types != entries.end()) p.parts.emplace_back(types->first, types->second);
  for (auto& [name, bytes] : entries)
    if (name != "[Content_Types].xml") p.parts.emplace_back(name, std::move(bytes));
  return doc;
}

bool TWordDocument::BookmarksExists(const std::string& Name) const {
  std::function<bool(const TXmlNode&)> find = [&](const TXmlNode& n) {
    for (const TXmlNode& c : n.ChildElements()) {
      if (LocalName(c) == "bookmarkStart" && Attr(c, "name") == Name) return true;
      if (find(c)) return true;
    }
    return false;
  };
  return find(p_->body);
}

TWordRange TWordDocument::Goto(int What, const std::string& Name) {
  if (What == -1) {
    const std::vector<TXmlNode> blocks = p_->Blocks();
    std::function<bool(const TXmlNode&)> holds = [&](const TXmlNode& n) {
      if (LocalName(n) == "bookmarkStart" && Attr(n, "name") == Name) return true;
      for (const TXmlNode& c : n.ChildElements())
        if (holds(c)) return true;
      return false;
    };
    for (std::size_t i = 0; i < blocks.size(); ++i)
      if (holds(blocks[i])) {
        sel_ = static_cast<int>(i);
        typing_ = false;
        return {sel_, sel_};
      }
  }
  throw EOleError("The bookmark " + Name + " does not exist");
}

void TWordDocument::ParagraphsAdd() { p_->body.InsertChild(p_->w + "p", FirstChildNamed(p_->body, "sectPr")); }

int TWordDocument::BlockCount() const { return static_cast<int>(p_->Blocks().size()); }

void TWordDocument::SelectionGoto(int What, int Which) {
  if (What == 3 && Which == -1) {
    sel_ = std::max(BlockCount() - 1, 0);
    typing_ = false;
  }
}

void TWordDocument::TypeText(const std::string& Text) {
  if (!typing_) {
    p_->body.InsertChild(p_->w + "p", p_->BlockAt(sel_));
    typing_ = true;
  }
  p_->AddRuns(p_->Blocks()[static_cast<std::size_t>(sel_)], Text);
}

void TWordDocument::TypeParagraph() {
  if (!typing_) p_->body.InsertChild(p_->w + "p", p_->BlockAt(sel_));
  typing_ = false;
  ++sel_;
}

TWordTable TWordDocument::TablesAdd(const TWordRange& At, int NumRows, int NumColumns) {
  if (NumRows < 1 || NumColumns < 1) throw EOleError("A table needs a row and a column");
  const std::string& w = p_->w;
  TXmlNode tbl = p_->body.InsertChild(w + "tbl", p_->BlockAt(At.Start));
  TXmlNode pr = tbl.AddChild(w + "tblPr");
  TXmlNode width = pr.AddChild(w + "tblW");
  width.SetAttribute(w + "w", "0");
  width.SetAttribute(w + "type", "auto");
  TXmlNode borders = pr.AddChild(w + "tblBorders");
  for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    TXmlNode b = borders.AddChild(w + side);
    b.SetAttribute(w + "val", "single");
    b.SetAttribute(w + "sz", "4");
    b.SetAttribute(w + "space", "0");
    b.SetAttribute(w + "color", "auto");
  }
  TXmlNode grid = tbl.AddChild(w + "tblGrid");
  for (int c = 0; c < NumColumns; ++c) grid.AddChild(w + "gridCol");
  for (int r = 0; r < NumRows; ++r) {
    TXmlNode tr = tbl.AddChild(w + "tr");
    for (int c = 0; c < NumColumns; ++c) tr.AddChild(w + "tc").AddChild(w + "p");
  }
  p_->tables.push_back(tbl);
  return TWordTable(*this, static_cast<int>(p_->tables.size()) - 1);
}

void TWordDocument::SaveAs(const std::string& FileName) {
  bool replaced = false;
  const std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n" + p_->xml.SaveToString(xlCompact);
  for (auto& [name, bytes] : p_->parts)
    if (name == p_->documentPart) {
      bytes = text;
      replaced = true;
    }
  if (!replaced) p_->parts.emplace_back(p_->documentPart, text);
  try {
    WriteFileAtomic(FileName, WriteZip(p_->parts));
  } catch (const EInOutError& e) {
    throw EOleError(e.Message());
  }
}

std::string TWordDocument::BodyXml() const {
  TXmlDocument copy;
  copy.LoadFromString(p_->xml.SaveToString(xlCompact));
  return copy.SaveToString(xlCompact);
}

namespace {

TXmlNode CellParagraph(const std::vector<TXmlNode>& Tables, const std::string& W, int Table, int Row, int Col) {
  const std::vector<TXmlNode> rows = Children(Tables[static_cast<std::size_t>(Table)], "tr");
  if (Row < 1 || Row > static_cast<int>(rows.size())) throw EOleError("The table has no row " + std::to_string(Row));
  const std::vector<TXmlNode> cells = Children(rows[static_cast<std::size_t>(Row - 1)], "tc");
  if (Col < 1 || Col > static_cast<int>(cells.size())) throw EOleError("The table has no column " + std::to_string(Col));
  TXmlNode p = FirstChildNamed(cells[static_cast<std::size_t>(Col - 1)], "p");
  TXmlNode cell = cells[static_cast<std::size_t>(Col - 1)];
  return p ? p : cell.AddChild(W + "p");
}

}  // namespace

void TWordCell::InsertAfter(const std::string& Text) {
  if (Text.empty()) return;
  doc_->p_->AddRuns(CellParagraph(doc_->p_->tables, doc_->p_->w, table_, row_, col_), Text);
}

void TWordCell::SetAlignment(int Value) {
  TXmlNode p = CellParagraph(doc_->p_->tables, doc_->p_->w, table_, row_, col_);
  const std::string& w = doc_->p_->w;
  TXmlNode pr = FirstChildNamed(p, "pPr");
  if (!pr) pr = p.InsertChild(w + "pPr", p.FirstChild());
  TXmlNode jc = FirstChildNamed(pr, "jc");
  if (!jc) jc = pr.AddChild(w + "jc");
  jc.SetAttribute(w + "val", Value == 2 ? "right" : Value == 1 ? "center" : "left");
}

std::unique_ptr<TWordApplication> TWordApplication::Create() { return std::make_unique<TWordApplication>(); }

TWordDocument& TWordApplication::DocumentsOpen(const std::string& FileName) {
  docs_.push_back(TWordDocument::Open(FileName));
  return *docs_.back();
}

TWordDocument& TWordApplication::DocumentsAdd() {
  docs_.push_back(std::make_unique<TWordDocument>());
  return *docs_.back();
}

}  // namespace hd
