// The string grid's text file readers on any input: CSV lines and fields, the text file's cell
// lines and numbers, the stream's lines, and XML cell values. Texts the CSV writer encodes read
// back as they were, and a stream read stops where its Visit said.
#include <deque>

#include "fuzz_support.h"
#include "grid/dataops/files/csv.h"
#include "grid/dataops/files/save_range.h"
#include "grid/dataops/files/text_file.h"
#include "grid/dataops/files/xml_files.h"
#include "platform/streams.h"

namespace {

// A cell text the CSV format carries exactly: line breaks as CR LF pairs, no vertical tab,
// no leading blank (a reader drops those before a field).
std::string Carried(const std::string& Raw) {
  std::string t;
  for (std::size_t i = 0; i < Raw.size(); ++i) {
    const char ch = Raw[i];
    if (ch == '\v') continue;
    if (ch == '\r' || ch == '\n') {
      t += "\r\n";
      if (ch == '\r' && i + 1 < Raw.size() && Raw[i + 1] == '\n') ++i;
      continue;
    }
    if (ch == ' ' && t.empty()) continue;
    t += ch;
  }
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  std::deque<std::string> joined;
  const std::vector<std::string_view> lines = CsvLineViews(bytes, joined);
  const char guessed = GuessCsvDelimiter(lines.empty() ? std::string() : std::string(lines[0]),
                                         lines.size() > 1 ? std::string(lines[1]) : std::string());
  std::vector<std::string> fields;
  for (std::string_view line : lines) {
    SplitCsvLine(line, guessed, false, fields);
    SplitCsvLine(line, ',', true, fields);
    const TCellLineFields f = SplitCellLine(line);
    LenientNumber(f.Col);
    LenientNumber(f.Row);
    XmlCellValue(std::string(f.Text));
  }

  fuzz::TInput input(data, size);
  std::vector<std::string> texts;
  for (int k = 0; k < 6; ++k) texts.push_back(Carried(input.Text()));
  TCsvWriteRules rules;
  std::string line;
  for (std::size_t k = 0; k < texts.size(); ++k) line += (k ? "," : "") + CsvField(texts[k], rules);
  const std::vector<std::string> read = CsvLines(line + "\r\n");
  if (read.size() != 1) fuzz::Broken("a written row reads as " + std::to_string(read.size()) + " lines");
  if (SplitCsvLine(read[0], ',', false) != texts) fuzz::Broken("a written row reads back changed");

  TMemoryStream stream(bytes);
  int seen = 0;
  ReadStreamLines(stream, [&](const std::string&) { return ++seen < 3; });
  if (stream.Position() > stream.Size()) fuzz::Broken("a stream read ran past the end");
  return 0;
}
