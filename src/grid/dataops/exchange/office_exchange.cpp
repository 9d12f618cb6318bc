// Workbooks, documents and databases as the office servers' members give them to the grid.
#include "grid/dataops/exchange/office_exchange.h"

#include <cctype>
#include <cstdlib>

#include "grid/dataops/files/save_range.h"
#include "grid/foundation/grid_types.h"
#include "grid/foundation/text_utils.h"
#include "platform/files.h"
#include "platform/office.h"

namespace hd {

namespace {

// Digits only, else -1.
int RowNumber(const std::string& Text) {
  if (Text.empty() || Text.size() > 9) return -1;
  for (char ch : Text)
    if (!std::isdigit(static_cast<unsigned char>(ch))) return -1;
  return std::atoi(Text.c_str());
}

int LetterValue(char ch) {
  const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return up >= 'A' && up <= 'Z' ? up - 'A' + 1 : -1;
}

// Letters "$" digits: one or two letters, the row after the "$".
void ParseCellPart(const std::string& Part, int& Col, int& Row) {
  const std::size_t dollar = Part.find('$');
  const std::string letters = Part.substr(0, dollar);
  Row = dollar == std::string::npos ? -1 : RowNumber(Part.substr(dollar + 1));
  Col = -1;
  if (letters.size() == 1) {
    Col = LetterValue(letters[0]);
  } else if (letters.size() == 2) {
    const int a = LetterValue(letters[0]), b = LetterValue(letters[1]);
    if (a > 0 && b > 0) Col = a * 26 + b;
  }
}

std::string DropLeadingDollar(const std::string& Text) { return !Text.empty() && Text[0] == '$' ? Text.substr(1) : Text; }

std::unique_ptr<TExcelApplication> CreateExcel() {
  try {
    if (auto app = TExcelApplication::Create()) return app;
  } catch (const Exception&) {
  }
  throw EExtGridError("Excel OLE server not found");
}

// Quits the server this operation made, on every way out.
struct TExcelQuit {
  TExcelApplication* App;
  ~TExcelQuit() {
    if (App) App->Quit();
  }
};

}  // namespace

TSheetRange ParseSheetAddress(const std::string& Address) {
  TSheetRange r;
  const std::size_t colon = Address.find(':');
  if (colon != std::string::npos) {
    const std::string first = DropLeadingDollar(Address.substr(0, colon));
    const std::string last = DropLeadingDollar(Address.substr(colon + 1));
    if (first.find('$') == std::string::npos) {
      r.C1 = 1;
      r.C2 = 256;
      r.R1 = RowNumber(first);
      r.R2 = RowNumber(last);
    } else {
      ParseCellPart(first, r.C1, r.R1);
      ParseCellPart(last, r.C2, r.R2);
    }
    return r;
  }
  r.SingleCell = true;
  if (Address.find('$') == std::string::npos) {
    r.C1 = r.C2 = r.R1 = r.R2 = 1;
  } else {
    ParseCellPart(Address.substr(1), r.C1, r.R1);
    r.C2 = r.C1;
    r.R2 = r.R1;
  }
  return r;
}

std::string SheetColumnLetters(int Col) {
  if (Col < 27) return std::string(1, static_cast<char>('A' + Col - 1));
  return {static_cast<char>('A' + (Col - 1) / 26 - 1), static_cast<char>('A' + (Col - 1) % 26)};
}

std::string SheetRangeText(int C1, int R1, int C2, int R2) {
  return SheetColumnLetters(C1) + std::to_string(R1) + ":" + SheetColumnLetters(C2) + std::to_string(R2);
}

std::unique_ptr<TStringList> TGridOffice::GetXLSSheets(const std::string& FileName) {
  auto app = CreateExcel();
  TExcelQuit quit{app.get()};
  TWorkBook& book = app->WorkBooks().Open(FileName);
  auto list = std::make_unique<TStringList>();
  for (int i = 1; i <= book.SheetCount(); ++i) list->Add(book.Sheets(i).Name());
  book.SetSaved(true);
  return list;
}

void TGridOffice::LoadXLS(const std::string& FileName, const std::string& SheetName) {
  THourGlass hourglass(host_);
  auto app = CreateExcel();
  struct TEnd {
    TGridDataHost& Host;
    TExcelApplication& App;
    ~TEnd() {
      App.Quit();
      Host.CellsChanged(TRect{0, 0, Host.ColCount(), Host.RowCount()});
      Host.AllCellsChanged();
    }
  } end{host_, *app};
  TWorkBook& book = app->WorkBooks().Open(FileName);

  TWorkSheet* sheet = nullptr;
  if (!SheetName.empty()) {
    for (int i = 1; i <= book.SheetCount(); ++i)
      if (book.Sheets(i).Name() == SheetName) sheet = &book.Sheets(i);
    if (!sheet) throw EExtGridError("Excel worksheet " + SheetName + " not found");
  } else {
    sheet = &book.ActiveSheet();
  }

  const TSheetRange r = ParseSheetAddress(sheet->UsedRange().Address());
  const int fixedCols = host_.FixedCols(), fixedRows = host_.FixedRows();
  if (r.C1 != -1 && r.R1 != -1 && r.C2 != -1 && r.R2 != -1) {
    host_.SetColCount(r.C2 - r.C1 + 1);
    host_.SetRowCount(r.R2 - r.R1 + 1);
  }
  const std::string rangeText = SheetRangeText(r.C1, r.R1, r.C2, r.R2);

  const TFileFormatOptions o = host_.FileOptions();
  const int colOffset = o.SaveFixedCells || o.SaveFixedCols ? 0 : fixedCols;
  const int rowOffset = o.SaveFixedCells || o.SaveFixedRows ? 0 : fixedRows;
  host_.SetColCount(host_.ColCount() + colOffset);
  host_.SetRowCount(host_.RowCount() + rowOffset);
  if (fixedCols < host_.ColCount()) host_.SetFixedCols(fixedCols);
  if (fixedRows < host_.RowCount()) host_.SetFixedRows(fixedRows);

  auto store = [&](int ACol, int ARow, const TOleValue& v) {
    if (v.IsEmpty())
      host_.LoadCellText(ACol, ARow, std::string());
    else if (!v.IsError())
      host_.LoadCellText(ACol, ARow, v.AsText());
  };
  if (r.SingleCell) {
    store(colOffset, rowOffset, sheet->Cells(r.R1, r.C1).Value().At(1, 1));
  } else {
    const TOleArray values = sheet->Range(rangeText).Value();
    for (int i = 1; i <= host_.RowCount() - rowOffset; ++i)
      for (int j = 1; j <= host_.ColCount() - colOffset; ++j) {
        const TOleValue* v = nullptr;
        try {
          v = &values.At(i, j);
        } catch (const EOleError&) {
          throw Exception("Incorrect XLS file");
        }
        store(j + colOffset - 1, i + rowOffset - 1, *v);
      }
  }
  app->WorkBooks().Close(book, false);
}

void TGridOffice::SaveXLS(const std::string& FileName, const std::string& SheetName, bool CreateNewSheet) {
  THourGlass hourglass(host_);
  std::unique_ptr<TExcelApplication> made;
  TExcelApplication* app = TExcelApplication::GetActive();
  if (!app) {
    made = CreateExcel();
    app = made.get();
  }
  TExcelQuit quit{made.get()};

  TWorkBook* book = nullptr;
  TWorkSheet* sheet = nullptr;
  bool saveAs = true;
  int top = 1;
  if (!SheetName.empty()) {
    if (FileExists(FileName)) {
      // A workbook that is there but cannot be read is not replaced by a new one: the user's
      // other sheets would be lost.
      try {
        book = &app->WorkBooks().Open(FileName);
      } catch (const EOleError& e) {
        throw EExtGridError(CannotCreateMessage(FileName) + ": " + e.Message());
      }
      saveAs = false;
    } else {
      try {
        book = &app->WorkBooks().Add();
      } catch (const EOleError&) {
        try {
          book = &app->WorkBooks().Add();
        } catch (const EOleError&) {
          throw EExtGridError(CannotCreateMessage(FileName));
        }
      }
    }
    for (int i = 1; i <= book->SheetCount(); ++i)
      if (book->Sheets(i).Name() == SheetName) sheet = &book->Sheets(i);
    if (!sheet) {
      sheet = &book->WorkSheetsAdd();
      sheet->SetName(SheetName);
    }
  } else if (CreateNewSheet || app->WorkBooks().Count() == 0) {
    book = &app->WorkBooks().Add();
    sheet = &book->Sheets(1);
  } else {
    book = app->ActiveWorkBook();
    sheet = &book->ActiveSheet();
  }

  const TSaveRange range = SaveRangeOf(host_);
  const int rows = host_.RowCount() - range.StartRow, cols = host_.ColCount() - range.StartCol;
  TOleArray values(rows, cols);
  host_.ExportNotification(esExportStart, range.StartRow);
  for (int r = range.StartRow; r < host_.RowCount(); ++r) {
    host_.ExportNotification(esExportNextRow, r);
    for (int c = range.StartCol; c < host_.ColCount(); ++c)
      values.At(r - range.StartRow + 1, c - range.StartCol + 1) =
          TOleValue::FromText(StripCR(host_.SaveCellText(host_.DisplToRealCol(c), r)));
  }
  host_.ExportNotification(esExportDone, -1);
  if (rows > 0 && cols > 0)
    sheet->Range("A" + std::to_string(top) + ":" + SheetColumnLetters(cols) + std::to_string(top + rows - 1)).SetValue(values);
  book->SetSaved(false);

  try {
    if (saveAs)
      book->SaveAs(FileName);
    else
      book->Save();
  } catch (const EOleError& e) {
    throw EExtGridError(CannotCreateMessage(FileName) + ": " + e.Message());
  }
}

}  // namespace hd

namespace hd {

void TGridOffice::LoadMDB(const std::string& FileName, const std::string& SQL) {
  TDbConnection connection;
  connection.Open("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + FileName);
  TDbRecordSet rs;
  rs.SetActiveConnection(connection);
  rs.Open(SQL);
  const int n = rs.FieldCount();
  const int fixedCols = host_.FixedCols(), fixedRows = host_.FixedRows();
  host_.SetColCount(n + fixedCols);
  if (fixedRows > 0)
    for (int i = 0; i < n; ++i) host_.LoadCellText(fixedCols + i, fixedRows - 1, rs.FieldName(i));
  if (rs.RecordCount() > 0) host_.SetRowCount(fixedRows + rs.RecordCount());
  int r = fixedRows;
  while (!rs.Eof()) {
    if (r >= host_.RowCount()) host_.SetRowCount(r + 1);
    for (int i = 0; i < n; ++i)
      host_.LoadCellText(fixedCols + i, r, rs.FieldActualSize(i) > 0 ? rs.FieldValue(i) : std::string());
    rs.MoveNext();
    ++r;
  }
  rs.Close();
  connection.Close();
}

void TGridOffice::SaveDOC(const std::string& FileName, bool CreateNewDocument, bool Append, const std::string& Bookmark) {
  THourGlass hourglass(host_);
  std::unique_ptr<TWordApplication> made;
  TWordApplication* app = TWordApplication::GetActive();
  if (!app) {
    try {
      made = TWordApplication::Create();
    } catch (const Exception&) {
    }
    if (!made) throw EExtGridError("Word OLE server not found");
    app = made.get();
  }
  struct TQuit {
    TWordApplication* App;
    ~TQuit() {
      if (App) App->Quit();
    }
  } quit{made.get()};

  TWordDocument* doc = nullptr;
  if (Append)
    doc = &app->DocumentsOpen(FileName);
  else if (!CreateNewDocument && app->DocumentsCount() != 0)
    doc = app->ActiveDocument();
  else
    doc = &app->DocumentsAdd();

  doc->SetShowSpellingErrors(false);
  doc->TypeText(host_.WindowText());
  doc->TypeParagraph();

  TWordRange at;
  if (Append && !Bookmark.empty() && doc->BookmarksExists(Bookmark)) {
    at = doc->Goto(-1, Bookmark);
  } else if (Append) {
    doc->ParagraphsAdd();
    doc->SelectionGoto(3, -1);
    at = doc->Range(doc->SelectionEnd(), doc->SelectionEnd());
  } else {
    at = doc->Range(0, 0);
  }

  TWordTable table = doc->TablesAdd(at, host_.RowCount(), host_.ColCount());
  host_.ExportNotification(esExportStart, 0);
  for (int r = 1; r <= host_.RowCount(); ++r) {
    host_.ExportNotification(esExportNextRow, r);
    for (int c = 1; c <= host_.ColCount(); ++c) {
      TWordCell cell = table.Cell(r, c);
      cell.InsertAfter(host_.SaveCellText(host_.DisplToRealCol(c - 1), r - 1));
      const TAlignment a = host_.CellAlignment(c - 1, r - 1);
      if (a == taRightJustify)
        cell.SetAlignment(2);
      else if (a == taCenter)
        cell.SetAlignment(1);
    }
  }
  host_.ExportNotification(esExportDone, -1);
  try {
    doc->SaveAs(FileName);
  } catch (const EOleError& e) {
    throw EExtGridError(CannotCreateMessage(FileName) + ": " + e.Message());
  }
}

}  // namespace hd
