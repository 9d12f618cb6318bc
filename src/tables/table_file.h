// Rule tables described as data: one loader and one saver serve every table window's file.
//
// A table file is one XML document: the root element, then (in tables with a version) the
// comment "SW_VERSION = <version>" at document level. Under the root stand the rows of a
// single-grid table, or one section element per grid holding that grid's rows. A row element
// carries one attribute per data column, in column order, holding the cell text unchanged.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"
#include "tables/cell_table.h"

namespace hd {

// How a data column is edited in its grid.
enum TTableEditor { teNormal, teComboList, teDataCheckBox };

struct TTableColumn {
  std::string Attribute{};
  int HeaderText = 0;  // Lang_Table number of the column header
  TTableEditor Editor = teNormal;
  // A required attribute missing from a row ends the loading; any other reads as Default.
  bool Required = true;
  std::string Default{};
  // The combo list's choices fixed at design; empty where the window fills them.
  std::vector<std::string> Choices{};
  // The column's look in its grid: width in pixels (0: the grid's default) and the tint of
  // its data cells (clNone: the grid's colour).
  int Width = 0;
  TColor Color = clNone;
  bool ReadOnly = false;  // shown only; the window still writes it
  bool BoldHeader = false;
  // A present but empty attribute reads as Default too.
  bool EmptyReadsDefault = false;
};

// The part of a file that one grid is read from and written to.
struct TTableSection {
  std::string Name;  // the section element; empty when the rows stand under the root
  std::vector<TTableColumn> Columns;  // data columns 1 to ColCount-1
  // The grid's capacity in data rows (0: the window sets its row count) and the width of
  // the row-number column.
  int DataRows = 0;
  int NumberWidth = 40;
  bool BoldNumberHeader = false;
  // The row-number column's own colour (clNone: the grid's); a fixed column paints in the fixed colour.
  TColor NumberColor = clNone;
};

struct TTableFile {
  std::string Root{};
  std::string Version{};  // empty: no version comment
  std::string RowElement = "row";
  // The first row whose key cell is empty ends the table; 0 for tables whose every row is
  // written, where a row the file does not fill shows its columns' defaults.
  int KeyColumn = 1;
  bool TrimKey = true;  // a key of blanks (characters up to 0x20) counts as empty
  std::vector<TTableSection> Sections{};  // one per grid, in grid order

  bool HasKey() const { return KeyColumn > 0; }
};

// Whether row r ends the table (always false for a table without a key column).
bool KeyCellEmpty(const TTableFile& file, const TCellTableView& grid, int r);
// The rows that are checked and saved: 1 up to the row before the first empty key.
int UsedRowCount(const TTableFile& file, const TCellTableView& grid);

// Row numbers in column 0 and every data cell empty, or its column's default in a table
// without a key.
void ClearTableGrids(const TTableFile& file, const std::vector<TCellTableView>& grids);

// Clears the grids (row numbers in column 0, every data cell empty, or its column's default in
// a table without a key), then fills them from the file at path when it exists: the first element is the root, the k-th element of a
// section fills row k+1. Answers "" when everything was read; otherwise the text to show: the
// sections holding more rows than their grid (only the first are kept), and the error that
// ended the reading, with the rows and cells read before it left in the grids.
std::string LoadTableFile(const TTableFile& file, const std::string& path,
                          const std::vector<TCellTableView>& grids);

// Rebuilds the document from the grids (rows above the first empty key, values unchanged) and
// replaces the file. EFCreateError when the path is empty or the file cannot be written; the
// old file is then as it was.
void SaveTableFile(const TTableFile& file, const std::string& path, const std::vector<TCellTableView>& grids);
// The text SaveTableFile writes.
std::string TableFileText(const TTableFile& file, const std::vector<TCellTableView>& grids);

}  // namespace hd
