// XML files of the grid: a flat list of records, one element per row and one child element
// per cell; any XML whose records carry their values as attributes or leaf elements reads back.
#pragma once

#include <string>

#include "grid/stringgrid/grid_data_host.h"
#include "platform/string_list.h"

namespace hd {

// "&" as "$amp;" (the form stored files give back their ampersands in), then the three
// entities for ">", "<" and the double quote.
std::string XmlCellText(const std::string& Text);
// The entities first and "$amp;" last, so every text the writer made comes back as it was.
std::string XmlCellValue(const std::string& Text);

class TGridXml {
 public:
  explicit TGridXml(TGridDataHost& Host) : host_(Host) {}

  void Save(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
            const TStringList* FieldDescr, bool ExportEmptyCells);
  void Load(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr);

 private:
  TGridDataHost& host_;
};

}  // namespace hd
