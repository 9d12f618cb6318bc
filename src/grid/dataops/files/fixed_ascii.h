// Column-aligned text files: the fixed-width file (every field at a width the caller gives)
// and the ASCII table (every column as wide as its longest line plus one blank, texts
// aligned as the cells are, further lines of a cell on continuation lines under it).
#pragma once

#include <string>
#include <vector>

#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_data_host.h"

namespace hd {

// Text cut to Width characters, or padded with blanks to it; a line break becomes one blank,
// so that every record stays on its line.
std::string FixedField(const std::string& Text, int Width);
// The fields of a fixed-width line between neighbouring 1-based starts (sorted ascending).
std::vector<std::string> SplitFixedLine(const std::string& Line, const std::vector<int>& Starts, bool DoTrim);
// A text aligned within Width: right-aligned texts get blanks in front, centred ones a blank
// on each side at a time (so one more than Width is possible), left-aligned ones nothing.
std::string AlignedText(const std::string& Text, TAlignment Alignment, int Width);

class TGridFixedAscii {
 public:
  explicit TGridFixedAscii(TGridDataHost& Host) : host_(Host) {}

  // Widths missing at the end of Positions are appended: the column's longest text + 1.
  void SaveToFixed(const std::string& FileName, TIntList& Positions);
  // Positions are sorted in place; MaxRows -1 reads every line, any other value at most that
  // many and at least one.
  void LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim, int MaxRows);
  void SaveToASCII(const std::string& FileName, bool Unicode, bool Append);

 private:
  TGridDataHost& host_;
};

}  // namespace hd
