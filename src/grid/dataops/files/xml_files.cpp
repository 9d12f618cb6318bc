// XML files of the grid.
#include "grid/dataops/files/xml_files.h"

#include <algorithm>
#include <vector>

#include "grid/dataops/files/save_range.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"
#include "platform/xml.h"

namespace hd {

namespace {

std::string ReplaceAll(std::string Text, const std::string& From, const std::string& To) {
  for (std::size_t at = Text.find(From); at != std::string::npos; at = Text.find(From, at + To.size()))
    Text.replace(at, From.size(), To);
  return Text;
}

// The encoding a declaration names, upper-cased; empty without one.
std::string DeclaredEncoding(const std::string& Bytes) {
  if (Bytes.compare(0, 5, "<?xml") != 0) return {};
  const std::size_t end = Bytes.find("?>");
  const std::string decl = UpperCase(Bytes.substr(0, end));
  const std::size_t at = decl.find("ENCODING");
  if (at == std::string::npos) return {};
  const std::size_t open = decl.find_first_of("\"'", at);
  if (open == std::string::npos) return {};
  const std::size_t close = decl.find(decl[open], open + 1);
  return close == std::string::npos ? std::string() : decl.substr(open + 1, close - open - 1);
}

// Files the writer made are in the ANSI code page whatever their declaration says; one
// declared ISO-8859-1 is read as such even where its bytes happen to form UTF-8.
std::string DecodeXmlFile(std::string Bytes) {
  const std::string enc = DeclaredEncoding(Bytes);
  if (enc == "ISO-8859-1" || enc == "WINDOWS-1252") return Windows1252ToUtf8(Bytes);
  return DecodeText(std::move(Bytes));
}

// The nodes a record is walked through: elements and texts, not comments or instructions.
std::vector<TXmlNode> Children(const TXmlNode& Node) {
  std::vector<TXmlNode> out;
  for (const TXmlNode& n : Node.ChildNodes())
    if (n.NodeType() == ntElement || n.NodeType() == ntText || n.NodeType() == ntCData) out.push_back(n);
  return out;
}

// The text of a node and everything below it.
std::string InnerText(const TXmlNode& Node) {
  if (Node.NodeType() == ntText || Node.NodeType() == ntCData) return Node.NodeValue();
  std::string text;
  for (const TXmlNode& n : Node.ChildNodes()) text += InnerText(n);
  return text;
}

// Lays one record after another into the grid, from column C and row R on.
class TXmlRecordWalk {
 public:
  TXmlRecordWalk(TGridDataHost& Host, bool LevelToRow, bool LoadFieldDescr)
      : host_(Host), levelToRow_(LevelToRow), fieldDescr_(LoadFieldDescr) {
    const TFileFormatOptions o = Host.FileOptions();
    headerRow_ = o.SaveFixedCells || o.SaveFixedRows;
    quoteEmpty_ = o.QuoteEmptyCells;
    C_ = SaveRangeOf(Host).StartCol;
    R_ = headerRow_ && !LoadFieldDescr ? 0 : Host.FixedRows();
    maxCol_ = C_;
    maxRow_ = R_;
  }

  void Records(const TXmlNode& List) {
    const std::vector<TXmlNode> records = Children(List);
    for (std::size_t i = 0; i < records.size(); ++i) {
      q_ = 0;
      level_ = 1;
      if (levelToRow_ && i == 0 && records[i].Attributes().empty()) s_ = -1;
      Walk(records[i]);
      if (!levelToRow_) ++s_;
    }
  }
  int MaxCol() const { return maxCol_; }
  int MaxRow() const { return maxRow_; }

 private:
  void Walk(const TXmlNode& Node) {
    bool moved = false;
    if (Node.NodeType() == ntElement) {
      const auto attributes = Node.Attributes();
      for (const auto& [name, value] : attributes) {
        if (Grow() && headerRow_ && host_.DisplayText(Col(), 0).empty()) host_.LoadCellText(Col(), 0, name);
        Store(XmlCellValue(value));
        ++q_;
      }
      if (levelToRow_ && !attributes.empty()) {
        ++s_;
        q_ = level_;
        moved = true;
      }
    }
    const std::vector<TXmlNode> children = Children(Node);
    if (children.size() > 1) {
      if (levelToRow_ && !moved) {
        ++s_;
        q_ = 0;
      }
      ++level_;
      for (const TXmlNode& child : children) Walk(child);
    } else if (children.empty()) {
      if (Grow()) host_.LoadCellText(Col(), Row(), "");
      ++q_;
    } else {
      if (Grow() && headerRow_ && fieldDescr_ && host_.DisplayText(Col(), 0).empty())
        host_.LoadCellText(Col(), 0, Node.NodeName());
      std::string value = XmlCellValue(InnerText(Node));
      if (quoteEmpty_ && value == "\"\"") value.clear();
      Store(value);
      ++q_;
    }
  }

  int Col() const { return q_ + C_; }
  int Row() const { return s_ + R_; }
  // The grid made to hold the current cell; false for a cell above the first row.
  bool Grow() {
    if (Col() < 0 || Row() < 0) return false;
    if (host_.ColCount() < Col() + 1) host_.SetColCount(Col() + 1);
    if (host_.RowCount() < Row() + 1) host_.SetRowCount(Row() + 1);
    return true;
  }
  void Store(const std::string& Value) {
    if (!Grow()) return;
    host_.LoadCellText(Col(), Row(), Value);
    maxCol_ = std::max(maxCol_, Col());
    maxRow_ = std::max(maxRow_, Row());
  }

  TGridDataHost& host_;
  bool levelToRow_, fieldDescr_, headerRow_ = false, quoteEmpty_ = true;
  int C_ = 0, R_ = 0, s_ = 0, q_ = 0, level_ = 1, maxCol_ = 0, maxRow_ = 0;
};

}  // namespace

std::string XmlCellText(const std::string& Text) {
  std::string t = ReplaceAll(Text, "&", "$amp;");
  t = ReplaceAll(t, ">", "&gt;");
  t = ReplaceAll(t, "<", "&lt;");
  return ReplaceAll(t, "\"", "&quot;");
}

std::string XmlCellValue(const std::string& Text) {
  std::string t = ReplaceAll(Text, "&quot;", "\"");
  t = ReplaceAll(t, "&lt;", "<");
  t = ReplaceAll(t, "&gt;", ">");
  return ReplaceAll(t, "$amp;", "&");
}

void TGridXml::Save(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                    const TStringList* FieldDescr, bool ExportEmptyCells) {
  const TFileFormatOptions o = host_.FileOptions();
  const TSaveRange range = SaveRangeOf(host_);
  const std::vector<int> cols = SavedColumns(host_, range);
  std::string text = "<?xml version=\"1.0\" encoding=\"" + o.XMLEncoding + "\" ?>\r\n<" + ListDescr + ">\r\n";
  TProgressReporter progress(host_);
  host_.ExportNotification(esExportStart, range.StartRow);
  for (int r = range.StartRow; r <= range.EndRow; ++r) {
    host_.ExportNotification(esExportNextRow, r);
    text += "<" + RecordDescr + ">\r\n";
    for (std::size_t k = 0; k < cols.size(); ++k) {
      if (!host_.IsBaseCell(cols[k], r)) continue;
      std::string t = host_.SaveCellText(cols[k], r);
      if (t.empty() && !ExportEmptyCells) continue;
      if (t.empty() && o.QuoteEmptyCells) t = "\"\"";
      const std::string name = FieldDescr && static_cast<int>(k) < FieldDescr->Count()
                                   ? (*FieldDescr)[static_cast<int>(k)]
                                   : "FIELD" + std::to_string(k);
      text += "<" + name + ">" + XmlCellText(t) + "</" + name + ">\r\n";
    }
    text += "</" + RecordDescr + ">\r\n";
    progress.Report(r, std::max(1, range.EndRow - range.StartRow));
  }
  text += "</" + ListDescr + ">\r\n";
  host_.ExportNotification(esExportDone, -1);
  try {
    WriteFileAtomic(FileName, EncodeText(text, TTextEncoding::Windows1252));
  } catch (const EInOutError&) {
    throw EExtGridError(CannotCreateMessage(FileName));
  }
}

void TGridXml::Load(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr) {
  if (!FileExists(FileName)) throw Exception("XML file not found");
  TXmlDocument doc;
  try {
    doc.LoadFromString(DecodeXmlFile(ReadFileBytes(FileName)));
  } catch (const EXmlParseError& e) {
    throw Exception("XMLDOM Parsing error " + std::to_string(e.Code()) + " on line " + std::to_string(e.Line()));
  }
  TUpdateLock lock(host_);
  TXmlRecordWalk walk(host_, LevelToRow, LoadFieldDescr);
  try {
    if (TXmlNode list = doc.DocumentElement()) walk.Records(list);
  } catch (...) {
    host_.AllCellsChanged();
    throw;
  }
  // The grid takes the file's extent, smaller than before where the file is.
  host_.SetColCount(walk.MaxCol() + 1);
  host_.SetRowCount(walk.MaxRow() + 1);
  host_.AllCellsChanged();
}

}  // namespace hd
