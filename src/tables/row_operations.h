// The row commands the table windows share, on a table grid laid out with the header in row 0,
// the row numbers in column 0 and the data in columns 1 to ColCount-1. Only cell texts of the
// data columns move; the numbers in column 0 and the header row are never touched.
#pragma once

#include "platform/controls.h"

namespace hd {

struct TAppState;
class TExtColumnGrid;

// Moves the row and every row below it down by one and empties the row; the last row's
// texts are lost.
void Grid_Insert_Row(int row, TExtColumnGrid& grid);
// Moves every row below the row up by one and empties the last row.
void Grid_Delete_Row(int row, TExtColumnGrid& grid);
// Replaces the row clipboard with the texts of the row's data cells, empty ones included.
void Grid_Copy_Row(TAppState& state, TExtColumnGrid& grid, int row);
// Writes the row clipboard into the row's data cells. Refused with an error box when copied is
// false or the clipboard does not fit the grid's columns; asks before overwriting a row that
// holds text in a column other than a check-box column.
void Grid_Paste_Row(TAppState& state, TExtColumnGrid& grid, int row, bool copied);
// A double click on a header cell sizes its column to its widest text, when the option is on.
void Grid_Header_DblClick(const TAppState& state, TExtColumnGrid& grid, int row, int column);
// With the option on, Enter moves to the next data cell (to column 1 of the next row after the
// last column, wrapping to row 1) and is consumed.
void Grid_Enter_Jump(const TAppState& state, TExtColumnGrid& grid, TKeyChar& key);

}  // namespace hd
