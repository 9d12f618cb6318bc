// The grid's text file members, each handing over to the file format it names.
#include "grid/dataops/files/csv.h"
#include "grid/dataops/files/fixed_ascii.h"
#include "grid/dataops/files/save_range.h"
#include "grid/dataops/files/text_file.h"
#include "grid/dataops/files/xml_files.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

int TExtStringGrid::SaveStartCol() const { return SaveRangeOf(const_cast<TExtStringGrid*>(this)->DataHost()).StartCol; }
int TExtStringGrid::SaveEndCol() const { return SaveRangeOf(const_cast<TExtStringGrid*>(this)->DataHost()).EndCol; }
int TExtStringGrid::SaveColCount() const { return SaveRangeOf(const_cast<TExtStringGrid*>(this)->DataHost()).ColCount; }
int TExtStringGrid::SaveStartRow() const { return SaveRangeOf(const_cast<TExtStringGrid*>(this)->DataHost()).StartRow; }
int TExtStringGrid::SaveEndRow() const { return SaveRangeOf(const_cast<TExtStringGrid*>(this)->DataHost()).EndRow; }
int TExtStringGrid::SaveRowCount() const { return SaveRangeOf(const_cast<TExtStringGrid*>(this)->DataHost()).RowCount; }
TRect TExtStringGrid::UsedCells() { return UsedCellsOf(DataHost()); }
double TExtStringGrid::CellToReal(int ACol, int ARow) { return hd::CellNumber(DataHost(), ACol, ARow); }

void TExtStringGrid::SaveToFile(const std::string& FileName, bool Unicode) { TGridTextFile(DataHost()).SaveToFile(FileName, Unicode); }
void TExtStringGrid::LoadFromFile(const std::string& FileName) { TGridTextFile(DataHost()).LoadFromFile(FileName); }
void TExtStringGrid::SaveToStream(TStream& Stream) { TGridTextFile(DataHost()).SaveToStream(Stream); }
void TExtStringGrid::LoadFromStream(TStream& Stream) { TGridTextFile(DataHost()).LoadFromStream(Stream); }

void TExtStringGrid::SaveToCSV(const std::string& FileName, bool Unicode) { TGridCsv(DataHost()).Save(FileName, Unicode, false); }
void TExtStringGrid::AppendToCSV(const std::string& FileName, bool Unicode) { TGridCsv(DataHost()).Save(FileName, Unicode, true); }
void TExtStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows) { TGridCsv(DataHost()).LoadFile(FileName, MaxRows, false); }
void TExtStringGrid::LoadFromCSVStream(TStream& Stream, int MaxRows) { TGridCsv(DataHost()).LoadStream(Stream, MaxRows); }
void TExtStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows) { TGridCsv(DataHost()).LoadFile(FileName, MaxRows, true); }

void TExtStringGrid::SaveToFixed(const std::string& FileName, TIntList& Positions) {
  TGridFixedAscii(DataHost()).SaveToFixed(FileName, Positions);
}
void TExtStringGrid::LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim, int MaxRows) {
  TGridFixedAscii(DataHost()).LoadFromFixed(FileName, Positions, DoTrim, MaxRows);
}
void TExtStringGrid::SaveToASCII(const std::string& FileName, bool Unicode) { TGridFixedAscii(DataHost()).SaveToASCII(FileName, Unicode, false); }
void TExtStringGrid::AppendToASCII(const std::string& FileName, bool Unicode) { TGridFixedAscii(DataHost()).SaveToASCII(FileName, Unicode, true); }

void TExtStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                               const TStringList* FieldDescr, bool ExportEmptyCells) {
  TGridXml(DataHost()).Save(FileName, ListDescr, RecordDescr, FieldDescr, ExportEmptyCells);
}
void TExtStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr) {
  TGridXml(DataHost()).Load(FileName, LevelToRow, LoadFieldDescr);
}

void TExtStringGrid::ExportNotification(TGridExportState, int) {}

}  // namespace hd
