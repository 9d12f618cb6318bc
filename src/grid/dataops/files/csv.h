// Delimited text files: one grid row per line, one cell per field.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "grid/stringgrid/grid_data_host.h"
#include "platform/streams.h"

namespace hd {

// How fields are written; Delimiter is never character 0 here.
struct TCsvWriteRules {
  char Delimiter = ',';
  bool JavaCSV = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
};

// One field as it stands in the file: quotes doubled, quoted where it must be, line breaks as
// "~", as LF inside quotes, or as character 11 inside added quotes.
std::string CsvField(const std::string& Text, const TCsvWriteRules& Rules);

// The delimiters a reader guesses from, in the order that breaks ties.
inline constexpr char kCsvCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
// From the first two lines (Line2 empty for a file of one line); character 0 when no
// candidate occurs at all.
char GuessCsvDelimiter(const std::string& Line1, const std::string& Line2);

// The lines of a decoded text; a line break inside an open quoted field joins the physical
// lines (as CR LF), so a multi-line field reads as one.
std::vector<std::string> CsvLines(const std::string& Text);
// The same as views into Text, or into Joined for the lines that were joined.
std::vector<std::string_view> CsvLineViews(const std::string& Text, std::deque<std::string>& Joined);
// The fields of a line to store, in order; an empty remainder after the last delimiter gives
// no field. JavaCSV turns "~" back into line breaks and "^" into an empty field, else
// character 11 becomes CR LF.
std::vector<std::string> SplitCsvLine(const std::string& Line, char Delimiter, bool JavaCSV);
// The same into the first fields of Fields (kept between lines so their storage is reused);
// answers how many.
std::size_t SplitCsvLine(std::string_view Line, char Delimiter, bool JavaCSV, std::vector<std::string>& Fields);

// The grid's side.
class TGridCsv {
 public:
  explicit TGridCsv(TGridDataHost& Host) : host_(Host) {}

  // Append reads the existing file first (it must exist) and writes its lines back in front.
  void Save(const std::string& FileName, bool Unicode, bool Append);
  // A file of 0 bytes changes nothing; Insert adds the lines below the last row.
  void LoadFile(const std::string& FileName, int MaxRows, bool Insert);
  void LoadStream(TStream& Stream, int MaxRows);

 private:
  void Load(std::string Bytes, int MaxRows, bool Insert);

  TGridDataHost& host_;
};

}  // namespace hd
