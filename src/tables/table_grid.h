// The grids of the table windows and of the device command page, built from their
// descriptions: every column's editor, choices, width, tint and header look come from its
// entry in the table's section.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/string_list.h"
#include "tables/table_file.h"

namespace hd {

class TExtColumnGrid;

constexpr int Table_Header_Height = 22;

// A fixed header row and row-number column and one column item per data column; the row
// count is the section's when it names one.
TExtColumnGrid* Make_Table_Grid(TComponent* owner, TWinControl* parent, const std::string& name,
                                const TTableSection& section);
// The headers from the description's text numbers, column 0 from numberHeaderText.
void Set_Column_Headers(TExtColumnGrid& grid, const TTableSection& section, int numberHeaderText,
                        const TStringList& langTable);

}  // namespace hd
