// The grid's cells moved to and from spreadsheet workbooks, word-processing documents and
// database tables through the office servers' members.
#pragma once

#include <memory>
#include <string>

#include "grid/stringgrid/grid_data_host.h"
#include "platform/string_list.h"

namespace hd {

// A used-range address in columns and rows, 1-based; -1 for a part that does not convert.
struct TSheetRange {
  int C1 = -1, R1 = -1, C2 = -1, R2 = -1;
  bool SingleCell = false;
  bool operator==(const TSheetRange&) const = default;
};

// "$B$2:$D$10", "$1:$10" (whole rows: columns 1 to 256) or "$C$3"; one or two column letters.
TSheetRange ParseSheetAddress(const std::string& Address);
// Columns as the writer names them: one letter up to 26, else two (27 is AA, 53 is BA).
std::string SheetColumnLetters(int Col);
// "A1:D10" from the columns and rows of a block.
std::string SheetRangeText(int C1, int R1, int C2, int R2);

class TGridOffice {
 public:
  explicit TGridOffice(TGridDataHost& Host) : host_(Host) {}

  std::unique_ptr<TStringList> GetXLSSheets(const std::string& FileName);
  // An empty sheet name loads the active sheet.
  void LoadXLS(const std::string& FileName, const std::string& SheetName);
  // An empty sheet name writes a new workbook (or the running one's active sheet).
  void SaveXLS(const std::string& FileName, const std::string& SheetName, bool CreateNewSheet);
  void LoadMDB(const std::string& FileName, const std::string& SQL);
  void SaveDOC(const std::string& FileName, bool CreateNewDocument, bool Append, const std::string& Bookmark);

 private:
  TGridDataHost& host_;
};

}  // namespace hd
