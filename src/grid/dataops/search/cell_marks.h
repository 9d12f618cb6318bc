// Occurrences of a text shown inside the cells by wrapping them in the highlight tag "hi" or
// the error tag "e", their removal, and the cell checks that hand cells to the grid's checker
// to correct them or mark their errors. Columns are real columns, rows display rows.
#pragma once

#include <string>

#include "grid/stringgrid/grid_data_host.h"

namespace hd {

inline constexpr const char* kHighlightTag = "hi";
inline constexpr const char* kErrorTag = "e";

// S with every occurrence of Text in its visible text wrapped in the tag; case ignored unless
// DoCase.
std::string TagText(bool DoCase, const std::string& S, const std::string& Text, const std::string& Tag);
std::string UntagText(const std::string& S, const std::string& Tag);

// The lines of a range operation, both ends included.
struct TMarkRange {
  int FirstCol, LastCol, FirstRow, LastRow;
};

enum class TMarkScope { Cell, Col, Row, Grid };
// The range a tagging (Tagging) or an untagging covers; the highlight tag's grid form and
// the untagging row and grid forms reach the hidden columns.
TMarkRange MarkRange(const TGridDataHost& Host, TMarkScope Scope, bool DoFixed, int ACol, int ARow, bool Tagging,
                     const std::string& Tag);

// The range's cells, escaped, with the occurrences of HiText tagged; a cell with none keeps its
// text as it is.
void TagRange(TGridDataHost& Host, const TMarkRange& Range, bool DoCase, const std::string& HiText,
              const std::string& Tag);
// The tag taken out of the range's cells and their text unescaped; cells without it stay.
void UntagRange(TGridDataHost& Host, const TMarkRange& Range, const std::string& Tag);

// The checker's correction and error marks of one cell; true when it left the text unchanged.
// Without a checker every check passes and no cell is touched.
bool CheckCell(TGridDataHost& Host, int ACol, int ARow);
bool CheckCells(TGridDataHost& Host, const TMarkRange& Range);

}  // namespace hd
