// Spreadsheet workbooks, word-processing documents and database tables behind the members an
// office automation server offers, served in process and backed by the files themselves:
// workbooks read from .xlsx and .xls and written as .xlsx (whatever the name ends in),
// documents written as .docx, databases through ODBC. No running application is ever there
// to attach to, so the Active... calls always give null.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/exceptions.h"

namespace hd {

// What the automation layer itself raises: a file it cannot read or write, a range text it
// does not understand, a database error.
class EOleError : public Exception {
 public:
  using Exception::Exception;
};

struct TOleValue {
  enum TKind { ovEmpty, ovText, ovNumber, ovBoolean, ovError };
  TKind Kind = ovEmpty;
  std::string Text;  // the text, or an error value's code such as "#DIV/0!"
  double Number = 0;  // a number, or a boolean as 0 and 1

  static TOleValue FromText(std::string Value);
  static TOleValue FromNumber(double Value);
  bool IsEmpty() const { return Kind == ovEmpty; }
  bool IsError() const { return Kind == ovError; }
  // A number in its shortest form of up to 15 digits, a boolean as "True" or "False".
  std::string AsText() const;
};

// A two-dimensional array as the server hands it, indexed from 1.
class TOleArray {
 public:
  TOleArray() = default;
  TOleArray(int Rows, int Cols);
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  TOleValue& At(int Row, int Col);
  const TOleValue& At(int Row, int Col) const;

 private:
  int rows_ = 0, cols_ = 0;
  std::vector<TOleValue> items_;
};

class TWorkSheet;

// A block of cells of a sheet, from (Row1, Col1) to (Row2, Col2), 1-based.
class TExcelRange {
 public:
  TExcelRange(TWorkSheet& Sheet, int Row1, int Col1, int Row2, int Col2)
      : sheet_(&Sheet), r1_(Row1), c1_(Col1), r2_(Row2), c2_(Col2) {}
  // "$A$1" for one cell, "$A$1:$D$10" for a block.
  std::string Address() const;
  TOleArray Value() const;
  // The array from the block's top left corner; a smaller array leaves the rest as it was.
  void SetValue(const TOleArray& Values);
  int Row() const { return r1_; }

 private:
  TWorkSheet* sheet_;
  int r1_, c1_, r2_, c2_;
};

class TWorkSheet {
 public:
  explicit TWorkSheet(std::string Name) : name_(std::move(Name)) {}
  const std::string& Name() const { return name_; }
  void SetName(const std::string& Value) { name_ = Value; }
  // The block from the first to the last filled row and column; "$A$1" on an empty sheet.
  TExcelRange UsedRange();
  // A1 notation: "B2" or "A1:IV10" ("$" allowed); EOleError for any other text.
  TExcelRange Range(const std::string& A1);
  TExcelRange Cells(int Row, int Col) { return TExcelRange(*this, Row, Col, Row, Col); }

  const TOleValue& Cell(int Row, int Col) const;
  void SetCell(int Row, int Col, TOleValue Value);
  // Filled cells by row, then column.
  const std::map<std::pair<int, int>, TOleValue>& Filled() const { return cells_; }

 private:
  std::string name_;
  std::map<std::pair<int, int>, TOleValue> cells_;
};

// 1-based column letters: A .. Z, AA .. ZZ, AAA ...; and back (0 for no letters).
std::string ColumnLetters(int Col);
int ColumnNumber(const std::string& Letters);

class TWorkBook {
 public:
  // A new book holds one sheet, "Sheet1".
  TWorkBook();
  // Reads a workbook file, told apart by its signature: a zip package (.xlsx) or a compound
  // file (.xls). EOleError names the file and what is wrong with it.
  static std::unique_ptr<TWorkBook> Open(const std::string& FileName);

  int SheetCount() const { return static_cast<int>(sheets_.size()); }
  TWorkSheet& Sheets(int Index);  // 1-based
  TWorkSheet& WorkSheetsAdd();    // a new sheet before the active one, made active
  TWorkSheet& ActiveSheet() { return *sheets_[static_cast<std::size_t>(active_)]; }
  bool Saved() const { return saved_; }
  void SetSaved(bool Value) { saved_ = Value; }
  const std::string& FullName() const { return fullName_; }
  // Writes the book as .xlsx, replacing the file only once complete; EOleError on failure.
  void Save();
  void SaveAs(const std::string& FileName);

 private:
  std::vector<std::unique_ptr<TWorkSheet>> sheets_;
  int active_ = 0;
  bool saved_ = true;
  std::string fullName_;
};

class TExcelApplication;

class TWorkBooks {
 public:
  TWorkBook& Open(const std::string& FileName);
  TWorkBook& Add();
  int Count() const { return static_cast<int>(books_.size()); }
  TWorkBook& Item(int Index);  // 1-based
  // Closes the book; SaveChanges writes it first when it has changes.
  void Close(TWorkBook& Book, bool SaveChanges);

 private:
  friend class TExcelApplication;
  std::vector<std::unique_ptr<TWorkBook>> books_;
};

class TExcelApplication {
 public:
  // A new server of its own.
  static std::unique_ptr<TExcelApplication> Create();
  // The running server: none runs here.
  static TExcelApplication* GetActive() { return nullptr; }

  TWorkBooks& WorkBooks() { return books_; }
  TWorkBook* ActiveWorkBook() { return books_.books_.empty() ? nullptr : books_.books_.back().get(); }
  // Closes every book without saving.
  void Quit() { books_.books_.clear(); }

 private:
  TWorkBooks books_;
};

// ---- Documents.

class TWordDocument;

// A place in a document: before block Start of its body (paragraphs and tables).
struct TWordRange {
  int Start = 0;
  int End = 0;
};

class TWordCell {
 public:
  TWordCell(TWordDocument& Doc, int Table, int Row, int Col) : doc_(&Doc), table_(Table), row_(Row), col_(Col) {}
  // Appends text to the cell; a line feed starts a new line, carriage returns are dropped.
  void InsertAfter(const std::string& Text);
  // 0 left, 1 centred, 2 right.
  void SetAlignment(int Value);

 private:
  TWordDocument* doc_;
  int table_, row_, col_;
};

class TWordTable {
 public:
  TWordTable(TWordDocument& Doc, int Index) : doc_(&Doc), index_(Index) {}
  TWordCell Cell(int Row, int Column) { return TWordCell(*doc_, index_, Row, Column); }  // 1-based

 private:
  TWordDocument* doc_;
  int index_;
};

class TWordDocument {
 public:
  // An empty document of one paragraph.
  TWordDocument();
  ~TWordDocument();
  // Reads a .docx; EOleError names the file and what is wrong with it.
  static std::unique_ptr<TWordDocument> Open(const std::string& FileName);

  void SetShowSpellingErrors(bool) {}
  bool BookmarksExists(const std::string& Name) const;
  // What = -1: the bookmark Name (the block that holds it); EOleError when there is none.
  TWordRange Goto(int What, const std::string& Name);
  // An empty paragraph at the end.
  void ParagraphsAdd();
  TWordRange Range(int Start, int End) const { return {Start, End}; }
  TWordTable TablesAdd(const TWordRange& At, int NumRows, int NumColumns);
  void SaveAs(const std::string& FileName);

  // The selection: typing makes a paragraph before the block it stands at.
  void TypeText(const std::string& Text);
  void TypeParagraph();
  // What = 3, Which = -1: the last line of the document.
  void SelectionGoto(int What, int Which);
  int SelectionEnd() const { return sel_; }

  // The body as XML, for tests and the cells.
  std::string BodyXml() const;
  int BlockCount() const;

 private:
  friend class TWordCell;
  struct TImpl;
  std::unique_ptr<TImpl> p_;
  int sel_ = 0;
  bool typing_ = false;
};

class TWordApplication {
 public:
  static std::unique_ptr<TWordApplication> Create();
  static TWordApplication* GetActive() { return nullptr; }

  TWordDocument& DocumentsOpen(const std::string& FileName);
  TWordDocument& DocumentsAdd();
  int DocumentsCount() const { return static_cast<int>(docs_.size()); }
  TWordDocument* ActiveDocument() { return docs_.empty() ? nullptr : docs_.back().get(); }
  void Quit() { docs_.clear(); }

 private:
  std::vector<std::unique_ptr<TWordDocument>> docs_;
};

// ---- Databases.

class TDbConnection {
 public:
  TDbConnection();
  ~TDbConnection();
  TDbConnection(const TDbConnection&) = delete;
  TDbConnection& operator=(const TDbConnection&) = delete;
  // A connection text; the desktop-database driver is served by the .mdb driver, or by the
  // SQLite driver for a file that is an SQLite database. EOleError carries the driver's message.
  void Open(const std::string& ConnectionString);
  void Close();
  // The text handed to the driver manager for a connection text.
  static std::string DriverConnectionString(const std::string& ConnectionString);

 private:
  friend class TDbRecordSet;
  struct TImpl;
  std::unique_ptr<TImpl> p_;
};

class TDbRecordSet {
 public:
  TDbRecordSet();
  ~TDbRecordSet();
  TDbRecordSet(const TDbRecordSet&) = delete;
  TDbRecordSet& operator=(const TDbRecordSet&) = delete;
  void SetActiveConnection(TDbConnection& Connection) { conn_ = &Connection; }
  void Open(const std::string& SQL);
  int FieldCount() const;
  std::string FieldName(int Index) const;
  // -1 when the driver does not know it before the end.
  int RecordCount() const;
  bool Eof() const;
  void MoveNext();
  // 0 for a null value.
  int FieldActualSize(int Index) const;
  std::string FieldValue(int Index) const;
  void Close();

 private:
  struct TImpl;
  TDbConnection* conn_ = nullptr;
  std::unique_ptr<TImpl> p_;
};

}  // namespace hd
