// Workbooks of the office stand-in: sheets of values, read from .xlsx and .xls files and
// written as .xlsx.
#include <freexl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/office.h"
#include "platform/office_p.h"
#include "platform/text_file.h"

namespace hd {

using namespace office;

TOleValue TOleValue::FromText(std::string Value) {
  TOleValue v;
  v.Kind = ovText;
  v.Text = std::move(Value);
  return v;
}

TOleValue TOleValue::FromNumber(double Value) {
  TOleValue v;
  v.Kind = ovNumber;
  v.Number = Value;
  return v;
}

std::string TOleValue::AsText() const {
  switch (Kind) {
    case ovEmpty: return {};
    case ovText:
    case ovError: return Text;
    case ovBoolean: return Number != 0 ? "True" : "False";
    case ovNumber: {
      if (std::isnan(Number) || std::isinf(Number)) return "NAN";
      char buf[40];
      std::snprintf(buf, sizeof buf, "%.15g", Number);
      return buf;
    }
  }
  return {};
}

// A block of cells larger than this (a stray cell far out in a sheet) is refused rather than
// held in memory.
constexpr long long kMaxArrayCells = 16LL * 1024 * 1024;

TOleArray::TOleArray(int Rows, int Cols) : rows_(std::max(Rows, 0)), cols_(std::max(Cols, 0)) {
  if (static_cast<long long>(rows_) * cols_ > kMaxArrayCells)
    throw EOleError("A block of " + std::to_string(rows_) + " x " + std::to_string(cols_) + " cells is too large");
  items_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_));
}

TOleValue& TOleArray::At(int Row, int Col) {
  if (Row < 1 || Row > rows_ || Col < 1 || Col > cols_) throw EOleError("Array index out of bounds");
  return items_[static_cast<std::size_t>(Row - 1) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(Col - 1)];
}

const TOleValue& TOleArray::At(int Row, int Col) const { return const_cast<TOleArray*>(this)->At(Row, Col); }

std::string ColumnLetters(int Col) {
  std::string out;
  while (Col > 0) {
    const int d = (Col - 1) % 26;
    out.insert(out.begin(), static_cast<char>('A' + d));
    Col = (Col - 1) / 26;
  }
  return out;
}

int ColumnNumber(const std::string& Letters) {
  int n = 0;
  for (char ch : Letters) {
    const char up = static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
    if (up < 'A' || up > 'Z') return 0;
    n = n * 26 + (up - 'A' + 1);
    if (n > 1 << 20) return 0;
  }
  return n;
}

namespace {

// "B12" or "$B$12" into row and column; false when it is not a cell.
bool ParseCell(const std::string& Text, int& Row, int& Col) {
  std::string letters, digits;
  std::size_t i = 0;
  if (i < Text.size() && Text[i] == '$') ++i;
  while (i < Text.size() && std::isalpha(static_cast<unsigned char>(Text[i]))) letters += Text[i++];
  if (i < Text.size() && Text[i] == '$') ++i;
  while (i < Text.size() && std::isdigit(static_cast<unsigned char>(Text[i]))) digits += Text[i++];
  if (i != Text.size() || letters.empty() || digits.empty() || digits.size() > 7) return false;
  Col = ColumnNumber(letters);
  Row = std::atoi(digits.c_str());
  return Col > 0 && Row > 0;
}

std::string CellAddress(int Row, int Col) { return "$" + ColumnLetters(Col) + "$" + std::to_string(Row); }

const TOleValue kEmpty;

}  // namespace

std::string TExcelRange::Address() const {
  std::string a = CellAddress(r1_, c1_);
  if (r1_ != r2_ || c1_ != c2_) a += ":" + CellAddress(r2_, c2_);
  return a;
}

TOleArray TExcelRange::Value() const {
  TOleArray out(r2_ - r1_ + 1, c2_ - c1_ + 1);
  for (const auto& [pos, v] : sheet_->Filled()) {
    if (pos.first < r1_ || pos.first > r2_ || pos.second < c1_ || pos.second > c2_) continue;
    out.At(pos.first - r1_ + 1, pos.second - c1_ + 1) = v;
  }
  return out;
}

void TExcelRange::SetValue(const TOleArray& Values) {
  for (int r = 1; r <= Values.Rows() && r1_ + r - 1 <= r2_; ++r)
    for (int c = 1; c <= Values.Cols() && c1_ + c - 1 <= c2_; ++c) sheet_->SetCell(r1_ + r - 1, c1_ + c - 1, Values.At(r, c));
}

TExcelRange TWorkSheet::UsedRange() {
  if (cells_.empty()) return TExcelRange(*this, 1, 1, 1, 1);
  int r1 = cells_.begin()->first.first, r2 = cells_.rbegin()->first.first;
  int c1 = cells_.begin()->first.second, c2 = c1;
  for (const auto& entry : cells_) {
    c1 = std::min(c1, entry.first.second);
    c2 = std::max(c2, entry.first.second);
  }
  return TExcelRange(*this, r1, c1, r2, c2);
}

TExcelRange TWorkSheet::Range(const std::string& A1) {
  const std::size_t colon = A1.find(':');
  int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
  bool ok = ParseCell(A1.substr(0, colon), r1, c1);
  if (colon == std::string::npos) {
    r2 = r1;
    c2 = c1;
  } else {
    ok = ok && ParseCell(A1.substr(colon + 1), r2, c2);
  }
  if (!ok) throw EOleError("Range \"" + A1 + "\" is not a cell or block");
  return TExcelRange(*this, std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2));
}

const TOleValue& TWorkSheet::Cell(int Row, int Col) const {
  auto it = cells_.find({Row, Col});
  return it == cells_.end() ? kEmpty : it->second;
}

void TWorkSheet::SetCell(int Row, int Col, TOleValue Value) {
  if (Value.IsEmpty() || (Value.Kind == TOleValue::ovText && Value.Text.empty()))
    cells_.erase({Row, Col});
  else
    cells_[{Row, Col}] = std::move(Value);
}

// ---- Reading .xlsx.

namespace {

const char* const kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const kPkgRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string PartText(const std::map<std::string, std::string>& Parts, const std::string& Name) {
  auto it = Parts.find(Name);
  return it == Parts.end() ? std::string() : it->second;
}

// Relationship targets by id, resolved against the folder of the part they belong to.
std::map<std::string, std::pair<std::string, std::string>> Relationships(const std::map<std::string, std::string>& Parts,
                                                                          const std::string& Folder,
                                                                          const std::string& RelsName) {
  std::map<std::string, std::pair<std::string, std::string>> out;
  const std::string text = PartText(Parts, RelsName);
  if (text.empty()) return out;
  TXmlDocument doc;
  doc.LoadFromString(text);
  for (const TXmlNode& rel : Children(doc.DocumentElement(), "Relationship")) {
    std::string target = Attr(rel, "Target");
    if (!target.empty() && target[0] == '/')
      target = target.substr(1);
    else
      target = Folder + target;
    out[Attr(rel, "Id")] = {Attr(rel, "Type"), target};
  }
  return out;
}

TOleValue XlsxCellValue(const TXmlNode& C, const std::vector<std::string>& Shared) {
  const std::string t = Attr(C, "t");
  const TXmlNode v = FirstChildNamed(C, "v");
  const std::string vt = v ? AllText(v) : std::string();
  if (t == "inlineStr") return TOleValue::FromText(AllText(FirstChildNamed(C, "is")));
  if (!v) return TOleValue();
  if (t == "s") {
    const long i = std::strtol(vt.c_str(), nullptr, 10);
    if (i < 0 || static_cast<std::size_t>(i) >= Shared.size()) throw EOleError("Shared string " + vt + " is missing");
    return TOleValue::FromText(Shared[static_cast<std::size_t>(i)]);
  }
  if (t == "str") return TOleValue::FromText(vt);
  if (t == "e") {
    TOleValue e;
    e.Kind = TOleValue::ovError;
    e.Text = vt;
    return e;
  }
  if (t == "b") {
    TOleValue b;
    b.Kind = TOleValue::ovBoolean;
    b.Number = vt == "1" ? 1 : 0;
    return b;
  }
  char* end = nullptr;
  const double d = std::strtod(vt.c_str(), &end);
  if (vt.empty() || *end != '\0') return TOleValue::FromText(vt);
  return TOleValue::FromNumber(d);
}

void ReadXlsx(const std::string& FileName, std::vector<std::unique_ptr<TWorkSheet>>& Sheets, int& Active) {
  const std::map<std::string, std::string> parts = ReadZip(FileName);
  std::string bookName = "xl/workbook.xml";
  for (const auto& [id, rel] : Relationships(parts, "", "_rels/.rels"))
    if (rel.first.size() >= 15 && rel.first.compare(rel.first.size() - 15, 15, "/officeDocument") == 0) bookName = rel.second;
  const std::string bookText = PartText(parts, bookName);
  if (bookText.empty()) throw EOleError("\"" + FileName + "\" holds no workbook");
  const std::size_t slash = bookName.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : bookName.substr(0, slash + 1);
  const std::string relsName = folder + "_rels/" + bookName.substr(folder.size()) + ".rels";
  const auto rels = Relationships(parts, folder, relsName);

  std::vector<std::string> shared;
  std::string sharedName = folder + "sharedStrings.xml";
  for (const auto& [id, rel] : rels)
    if (rel.first.size() >= 14 && rel.first.compare(rel.first.size() - 14, 14, "/sharedStrings") == 0) sharedName = rel.second;
  if (const std::string s = PartText(parts, sharedName); !s.empty()) {
    TXmlDocument doc;
    doc.LoadFromString(s);
    for (const TXmlNode& si : Children(doc.DocumentElement(), "si")) shared.push_back(AllText(si));
  }

  TXmlDocument book;
  book.LoadFromString(bookText);
  const TXmlNode views = FirstChildNamed(book.DocumentElement(), "bookViews");
  Active = std::atoi(Attr(FirstChildNamed(views, "workbookView"), "activeTab").c_str());
  for (const TXmlNode& s : Children(FirstChildNamed(book.DocumentElement(), "sheets"), "sheet")) {
    auto sheet = std::make_unique<TWorkSheet>(Attr(s, "name"));
    auto rel = rels.find(Attr(s, "id"));
    const std::string text = rel == rels.end() ? std::string() : PartText(parts, rel->second.second);
    if (!text.empty()) {
      TXmlDocument doc;
      doc.LoadFromString(text);
      int rowNo = 0;
      for (const TXmlNode& row : Children(FirstChildNamed(doc.DocumentElement(), "sheetData"), "row")) {
        const std::string r = Attr(row, "r");
        rowNo = r.empty() ? rowNo + 1 : std::atoi(r.c_str());
        int colNo = 0;
        for (const TXmlNode& c : Children(row, "c")) {
          int cr = 0, cc = 0;
          if (ParseCell(Attr(c, "r"), cr, cc))
            colNo = cc;
          else
            ++colNo;
          if (rowNo > 0 && colNo > 0) sheet->SetCell(rowNo, colNo, XlsxCellValue(c, shared));
        }
      }
    }
    Sheets.push_back(std::move(sheet));
  }
  if (Sheets.empty()) throw EOleError("\"" + FileName + "\" holds no worksheet");
  if (Active < 0 || Active >= static_cast<int>(Sheets.size())) Active = 0;
}

// ---- Reading .xls.

void ReadXls(const std::string& FileName, std::vector<std::unique_ptr<TWorkSheet>>& Sheets) {
  const void* h = nullptr;
  if (freexl_open(FileName.c_str(), &h) != FREEXL_OK) {
    if (h) freexl_close(h);
    throw EOleError("\"" + FileName + "\" is not a workbook that can be read");
  }
  struct TCloser {
    const void* h;
    ~TCloser() { freexl_close(h); }
  } closer{h};
  unsigned int count = 0;
  freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &count);
  for (unsigned short i = 0; i < count; ++i) {
    const char* name = nullptr;
    freexl_get_worksheet_name(h, i, &name);
    auto sheet = std::make_unique<TWorkSheet>(name ? name : "Sheet" + std::to_string(i + 1));
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_select_active_worksheet(h, i) == FREEXL_OK && freexl_worksheet_dimensions(h, &rows, &cols) == FREEXL_OK) {
      for (unsigned int r = 0; r < rows; ++r)
        for (unsigned short c = 0; c < cols; ++c) {
          FreeXL_CellValue v;
          if (freexl_get_cell_value(h, r, c, &v) != FREEXL_OK)
            throw EOleError("\"" + FileName + "\": cell " + ColumnLetters(c + 1) + std::to_string(r + 1) + " cannot be read");
          TOleValue value;
          switch (v.type) {
            case FREEXL_CELL_INT: value = TOleValue::FromNumber(v.value.int_value); break;
            case FREEXL_CELL_DOUBLE: value = TOleValue::FromNumber(v.value.double_value); break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME: value = TOleValue::FromText(v.value.text_value ? v.value.text_value : ""); break;
            default: break;
          }
          sheet->SetCell(static_cast<int>(r) + 1, c + 1, std::move(value));
        }
    }
    Sheets.push_back(std::move(sheet));
  }
  if (Sheets.empty()) throw EOleError("\"" + FileName + "\" holds no worksheet");
}

// ---- Writing .xlsx.

std::string Escaped(const std::string& Text) {
  std::string out;
  out.reserve(Text.size());
  for (char ch : Text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\r': out += "&#13;"; break;
      default:
        // Control characters other than tab and line feed have no place in XML 1.0.
        if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t' && ch != '\n')
          out += ' ';
        else
          out += ch;
    }
  }
  return out;
}

std::string SheetXml(const TWorkSheet& Sheet) {
  std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"";
  x += kMainNs;
  x += "\"><sheetData>";
  int row = 0;
  for (const auto& [pos, v] : Sheet.Filled()) {
    if (pos.first != row) {
      if (row) x += "</row>";
      row = pos.first;
      x += "<row r=\"" + std::to_string(row) + "\">";
    }
    const std::string ref = ColumnLetters(pos.second) + std::to_string(pos.first);
    switch (v.Kind) {
      case TOleValue::ovNumber: x += "<c r=\"" + ref + "\"><v>" + v.AsText() + "</v></c>"; break;
      case TOleValue::ovBoolean: x += "<c r=\"" + ref + "\" t=\"b\"><v>" + (v.Number != 0 ? "1" : "0") + "</v></c>"; break;
      case TOleValue::ovError: x += "<c r=\"" + ref + "\" t=\"e\"><v>" + Escaped(v.Text) + "</v></c>"; break;
      default:
        x += "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" +
             Escaped(ValidUtf8(v.Text)) + "</t></is></c>";
    }
  }
  if (row) x += "</row>";
  x += "</sheetData></worksheet>";
  return x;
}

std::string XlsxBytes(const std::vector<std::unique_ptr<TWorkSheet>>& Sheets, int Active) {
  const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  std::string types = head +
                      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                      "<Override PartName=\"/xl/workbook.xml\" "
                      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
  std::string book = head + "<workbook xmlns=\"" + kMainNs + "\" xmlns:r=\"" + kRelNs +
                     "\"><bookViews><workbookView activeTab=\"" + std::to_string(Active) + "\"/></bookViews><sheets>";
  std::string bookRels = head + "<Relationships xmlns=\"" + kPkgRelNs + "\">";
  std::vector<std::pair<std::string, std::string>> entries;
  for (std::size_t i = 0; i < Sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    types += "<Override PartName=\"/xl/worksheets/sheet" + n +
             ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    book += "<sheet name=\"" + Escaped(ValidUtf8(Sheets[i]->Name())) + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
    bookRels += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRelNs + "/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
    entries.emplace_back("xl/worksheets/sheet" + n + ".xml", SheetXml(*Sheets[i]));
  }
  types += "</Types>";
  book += "</sheets></workbook>";
  bookRels += "</Relationships>";
  const std::string rootRels = head + "<Relationships xmlns=\"" + kPkgRelNs + "\"><Relationship Id=\"rId1\" Type=\"" + kRelNs +
                               "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  entries.insert(entries.begin(), {{"[Content_Types].xml", types},
                                   {"_rels/.rels", rootRels},
                                   {"xl/workbook.xml", book},
                                   {"xl/_rels/workbook.xml.rels", bookRels}});
  return WriteZip(entries);
}

}  // namespace

TWorkBook::TWorkBook() { sheets_.push_back(std::make_unique<TWorkSheet>("Sheet1")); }

std::unique_ptr<TWorkBook> TWorkBook::Open(const std::string& FileName) {
  const std::string head = FileHead(FileName, 8);
  auto book = std::make_unique<TWorkBook>();
  book->sheets_.clear();
  if (head.compare(0, 4, "PK\x03\x04") == 0)
    ReadXlsx(FileName, book->sheets_, book->active_);
  else if (head == std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
    ReadXls(FileName, book->sheets_);
  else
    throw EOleError("\"" + FileName + "\" is not a workbook");
  book->fullName_ = FileName;
  return book;
}

TWorkSheet& TWorkBook::Sheets(int Index) {
  if (Index < 1 || Index > SheetCount()) throw EOleError("Sheet " + std::to_string(Index) + " does not exist");
  return *sheets_[static_cast<std::size_t>(Index - 1)];
}

TWorkSheet& TWorkBook::WorkSheetsAdd() {
  int n = SheetCount() + 1;
  auto taken = [&](const std::string& name) {
    return std::any_of(sheets_.begin(), sheets_.end(), [&](const auto& s) { return s->Name() == name; });
  };
  while (taken("Sheet" + std::to_string(n))) ++n;
  sheets_.insert(sheets_.begin() + active_, std::make_unique<TWorkSheet>("Sheet" + std::to_string(n)));
  saved_ = false;
  return *sheets_[static_cast<std::size_t>(active_)];
}

void TWorkBook::Save() {
  if (fullName_.empty()) throw EOleError("The workbook has no file name");
  SaveAs(fullName_);
}

void TWorkBook::SaveAs(const std::string& FileName) {
  try {
    WriteFileAtomic(FileName, XlsxBytes(sheets_, active_));
  } catch (const EInOutError& e) {
    throw EOleError(e.Message());
  }
  fullName_ = FileName;
  saved_ = true;
}

TWorkBook& TWorkBooks::Open(const std::string& FileName) {
  books_.push_back(TWorkBook::Open(FileName));
  return *books_.back();
}

TWorkBook& TWorkBooks::Add() {
  books_.push_back(std::make_unique<TWorkBook>());
  return *books_.back();
}

TWorkBook& TWorkBooks::Item(int Index) {
  if (Index < 1 || Index > Count()) throw EOleError("Workbook " + std::to_string(Index) + " does not exist");
  return *books_[static_cast<std::size_t>(Index - 1)];
}

void TWorkBooks::Close(TWorkBook& Book, bool SaveChanges) {
  if (SaveChanges && !Book.Saved()) Book.Save();
  books_.erase(std::remove_if(books_.begin(), books_.end(), [&](const auto& b) { return b.get() == &Book; }), books_.end());
}

std::unique_ptr<TExcelApplication> TExcelApplication::Create() { return std::make_unique<TExcelApplication>(); }

}  // namespace hd
