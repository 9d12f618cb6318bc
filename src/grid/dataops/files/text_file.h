// The grid's own text file and the same lines in a caller's stream: a header "C,R", a width
// line "cw i,w" per column, then "c,r,text" per non-empty cell with line breaks packed.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/stringgrid/grid_data_host.h"
#include "platform/streams.h"

namespace hd {

// The layout, knowing no grid.
std::string TextFileHeader(int Cols, int Rows);
std::string TextFileWidthLine(int ACol, int Width);
std::string TextFileCellLine(int ACol, int ARow, const std::string& Text);

// A stream line: UTF-16LE code units followed by 0D 00 0A 00, no byte-order mark.
std::string StreamLineBytes(const std::string& Line);
// The lines of a stream from its position, each handed to Visit until it answers false; the
// stream is left just after the last line Visit took. A line ends at a CR; the code unit
// after it is dropped.
void ReadStreamLines(TStream& Stream, const std::function<bool(const std::string& Line)>& Visit);

// The two fields before the text of a cell line, as views into the line; a missing comma
// leaves a field empty and the rest as it was.
struct TCellLineFields {
  std::string_view Col, Row, Text;
};
TCellLineFields SplitCellLine(std::string_view Line);
// The lines of a text split at CR, LF or CR LF, as views into it; a final line end adds none.
std::vector<std::string_view> LineViews(const std::string& Text);

// The grid's side: the save range out, texts and widths back in.
class TGridTextFile {
 public:
  explicit TGridTextFile(TGridDataHost& Host) : host_(Host) {}

  void SaveToFile(const std::string& FileName, bool Unicode);
  // Never clears: cells and widths the file does not name stay.
  void LoadFromFile(const std::string& FileName);
  void SaveToStream(TStream& Stream);
  void LoadFromStream(TStream& Stream);

 private:
  TGridDataHost& host_;
};

}  // namespace hd
