// The grid's office exchange members, each handing over to the exchange engine.
#include "grid/dataops/exchange/office_exchange.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

std::unique_ptr<TStringList> TExtStringGrid::GetXLSSheets(const std::string& FileName) { return TGridOffice(DataHost()).GetXLSSheets(FileName); }
void TExtStringGrid::LoadFromXLS(const std::string& Filename) { TGridOffice(DataHost()).LoadXLS(Filename, std::string()); }
void TExtStringGrid::LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName) {
  TGridOffice(DataHost()).LoadXLS(Filename, SheetName);
}
void TExtStringGrid::SaveToXLS(const std::string& Filename, bool CreateNewSheet) {
  TGridOffice(DataHost()).SaveXLS(Filename, std::string(), CreateNewSheet);
}
void TExtStringGrid::SaveToXLSSheet(const std::string& Filename, const std::string& SheetName) {
  TGridOffice(DataHost()).SaveXLS(Filename, SheetName, true);
}
void TExtStringGrid::LoadFromMDBTable(const std::string& Filename, const std::string& Table) {
  TGridOffice(DataHost()).LoadMDB(Filename, "SELECT * FROM " + Table);
}
void TExtStringGrid::LoadFromMDBSQL(const std::string& Filename, const std::string& SQL) { TGridOffice(DataHost()).LoadMDB(Filename, SQL); }
void TExtStringGrid::SaveToDOC(const std::string& Filename, bool CreateNewDocument) {
  TGridOffice(DataHost()).SaveDOC(Filename, CreateNewDocument, false, std::string());
}
void TExtStringGrid::AppendToDoc(const std::string& Filename, const std::string& Bookmark) {
  TGridOffice(DataHost()).SaveDOC(Filename, false, true, Bookmark);
}

}  // namespace hd
