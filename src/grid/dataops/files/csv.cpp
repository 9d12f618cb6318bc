// Delimited text files.
#include "grid/dataops/files/csv.h"

#include <algorithm>

#include "grid/dataops/files/save_range.h"
#include "grid/foundation/text_utils.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace hd {

namespace {

bool Has(const std::string& Text, char Ch) { return Text.find(Ch) != std::string::npos; }

std::string Quoted(const std::string& Text) { return '"' + Text + '"'; }

std::string ReplaceAll(std::string Text, const std::string& From, const std::string& To) {
  for (std::size_t at = Text.find(From); at != std::string::npos; at = Text.find(From, at + To.size()))
    Text.replace(at, From.size(), To);
  return Text;
}

bool HasMark(const std::string& Bytes) {
  return Bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 || Bytes.compare(0, 2, "\xFF\xFE") == 0 ||
         Bytes.compare(0, 2, "\xFE\xFF") == 0;
}

// With OemConvert a file without a byte-order mark is read in the OEM code page.
std::string DecodeCsv(std::string Bytes, bool Oem) {
  return Oem && !HasMark(Bytes) ? OemToUtf8(Bytes) : DecodeText(std::move(Bytes));
}

// The field text after its quotes: the line breaks the writer encoded put back.
std::string DecodeLineBreaks(const std::string& Field, bool JavaCSV) {
  if (JavaCSV) return Field == "^" ? std::string() : ReplaceAll(Field, "~", "\r\n");
  return Has(Field, '\v') ? ReplaceAll(Field, "\v", "\r\n") : Field;
}

void DropLeadingBlanks(std::string& Rest) {
  std::size_t n = 0;
  while (Rest.size() - n >= 2 && Rest[n] == ' ') ++n;
  Rest.erase(0, n);
}

}  // namespace

std::string CsvField(const std::string& Text, const TCsvWriteRules& Rules) {
  const char s = Rules.Delimiter;
  std::string t = ReplaceAll(Text, "\"", "\"\"");
  bool quoted = false;
  if (Rules.AlwaysQuotes || (!Has(t, s) && Has(t, '"'))) {
    t = Quoted(t);
    quoted = true;
  }
  if (t.empty()) {
    if (Rules.JavaCSV) t = "^";
    else if (Rules.QuoteEmptyCells) t = "\"\"";
  }
  if (Has(t, s) || Has(t, '\r')) {
    if (Rules.JavaCSV) {
      t = ReplaceAll(ReplaceAll(t, "\n", ""), "\r", "~");
      // A delimiter inside a field would split it on reading.
      if (!quoted && Has(t, s)) t = Quoted(t);
    } else if (quoted) {
      t = ReplaceAll(t, "\r\n", "\n");
    } else {
      t = Quoted(ReplaceAll(t, "\r\n", "\v"));
    }
  }
  return t;
}

char GuessCsvDelimiter(const std::string& Line1, const std::string& Line2) {
  char best = '\0';
  int most = 0;
  for (char c : kCsvCandidates) {
    const int m1 = CountUndoubledChar(c, Line1), m2 = CountUndoubledChar(c, Line2);
    if (m1 == m2 && m1 > most) best = c, most = m1;
  }
  if (most == 0)
    for (char c : kCsvCandidates) {
      const int m1 = CharCount(c, Line1), m2 = CharCount(c, Line2);
      if (m1 == m2 && m1 > most) best = c, most = m1;
    }
  if (most == 0)
    for (char c : kCsvCandidates) {
      const int m = std::max(CharCount(c, Line1), CharCount(c, Line2));
      if (m > most) best = c, most = m;
    }
  return best;
}

std::vector<std::string> CsvLines(const std::string& Text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // an odd number of quotes so far: a quoted field goes on
  bool pending = false;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char ch = Text[i];
    if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
      if (open) {
        line += "\r\n";
        continue;
      }
      lines.push_back(std::move(line));
      line.clear();
      pending = false;
      continue;
    }
    if (ch == '"') open = !open;
    line += ch;
    pending = true;
  }
  // A quote left open at the end keeps the text it gathered as the last line.
  if (pending || open) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> SplitCsvLine(const std::string& Line, char Delimiter, bool JavaCSV) {
  std::vector<std::string> fields;
  std::string rest = Line;
  while (Delimiter != '\0' && Has(rest, Delimiter)) {
    DropLeadingBlanks(rest);
    std::string field;
    if (!rest.empty() && rest[0] == '"') {
      rest.erase(0, 1);
      int pos = 0;
      FindUndoubledChar('"', rest, pos);
      if (pos > 0) {
        field = UndoubleChar('"', rest.substr(0, static_cast<std::size_t>(pos) - 1));
        rest.erase(0, static_cast<std::size_t>(pos));
      }
      // Text after the closing quote, or after an opening quote never closed, up to the
      // next delimiter is dropped.
      const std::size_t at = rest.find(Delimiter);
      rest.erase(0, at == std::string::npos ? rest.size() : at + 1);
    } else {
      const std::size_t at = rest.find(Delimiter);
      field = rest.substr(0, at);
      rest.erase(0, at + 1);
    }
    fields.push_back(DecodeLineBreaks(field, JavaCSV));
  }
  DropLeadingBlanks(rest);
  if (rest.empty()) return fields;
  if (rest[0] == '"') {
    rest.erase(0, 1);
    if (!rest.empty() && rest.back() == '"') rest.pop_back();
    rest = UndoubleChar('"', rest);
  }
  fields.push_back(DecodeLineBreaks(rest, JavaCSV));
  return fields;
}

void TGridCsv::Save(const std::string& FileName, bool Unicode, bool Append) {
  const TFileFormatOptions o = host_.FileOptions();
  const TCsvWriteRules rules{o.Delimiter == '\0' ? ',' : o.Delimiter, o.JavaCSV, o.QuoteEmptyCells, o.AlwaysQuotes};
  std::string text;
  if (Append)
    for (const std::string& line : SplitLines(DecodeCsv(ReadFileBytes(FileName), o.OemConvert))) text += line + "\r\n";
  const TSaveRange range = SaveRangeOf(host_);
  const std::vector<int> cols = SavedColumns(host_, range);
  TProgressReporter progress(host_);
  host_.ExportNotification(esExportStart, range.StartRow);
  for (int r = range.StartRow; r <= range.EndRow; ++r) {
    host_.ExportNotification(esExportNextRow, r);
    for (std::size_t i = 0; i < cols.size(); ++i) {
      if (i > 0) text += rules.Delimiter;
      text += CsvField(host_.SaveCellText(cols[i], r), rules);
    }
    text += "\r\n";
    progress.Report(r, std::max(1, host_.RowCount() - 1));
  }
  host_.ExportNotification(esExportDone, -1);
  if (Unicode) text = EncodeText(text, TTextEncoding::UTF8BOM);
  else text = o.OemConvert ? Utf8ToOem(text) : EncodeText(text, TTextEncoding::Windows1252);
  WriteFileAtomic(FileName, text);
}

void TGridCsv::LoadFile(const std::string& FileName, int MaxRows, bool Insert) {
  std::string bytes = ReadFileBytes(FileName);
  if (bytes.empty()) return;
  Load(bytes, MaxRows, Insert);
}

void TGridCsv::LoadStream(TStream& Stream, int MaxRows) { Load(Stream.ReadAll(), MaxRows, false); }

namespace {

// The texts and objects of a row taken out of the grid and put back into another.
struct TKeptRow {
  std::vector<std::string> Texts;
  std::vector<TObject*> Objects;
};

TKeptRow TakeRow(TGridDataHost& Host, int ARow) {
  TKeptRow kept;
  for (int c = 0; c < Host.ColCount() + Host.NumHiddenColumns(); ++c) {
    kept.Texts.push_back(Host.StoredText(c, ARow));
    kept.Objects.push_back(Host.CellObject(c, ARow));
  }
  Host.ClearRowsDetached(ARow, 1);
  return kept;
}

void PutRow(TGridDataHost& Host, const TKeptRow& Kept, int ARow) {
  for (std::size_t c = 0; c < Kept.Texts.size(); ++c) {
    Host.SetStoredText(static_cast<int>(c), ARow, Kept.Texts[c]);
    Host.SetCellObject(static_cast<int>(c), ARow, Kept.Objects[c]);
  }
}

// The delimiter the host had, back on every way out of a read.
class TDelimiterKeeper {
 public:
  explicit TDelimiterKeeper(TGridDataHost& Host) : host_(Host), old_(Host.FileOptions().Delimiter) {}
  ~TDelimiterKeeper() { host_.SetFileDelimiter(old_); }
  TDelimiterKeeper(const TDelimiterKeeper&) = delete;
  TDelimiterKeeper& operator=(const TDelimiterKeeper&) = delete;

 private:
  TGridDataHost& host_;
  char old_;
};

}  // namespace

void TGridCsv::Load(const std::string& Bytes, int MaxRows, bool Insert) {
  const TFileFormatOptions o = host_.FileOptions();
  const std::vector<std::string> lines = CsvLines(DecodeCsv(Bytes, o.OemConvert));
  if (lines.empty()) throw Exception("File is empty");
  TDelimiterKeeper keeper(host_);
  TUpdateLock lock(host_);
  const TSaveRange range = SaveRangeOf(host_);
  int row = range.StartRow;
  const bool footer = Insert && host_.FloatingFooterVisible() && host_.RowCount() > 0;
  TKeptRow footerRow;
  if (Insert) {
    row = host_.RowCount();
    if (footer) footerRow = TakeRow(host_, --row);
  }
  char delimiter = o.Delimiter;
  if (delimiter == '\0') {
    delimiter = GuessCsvDelimiter(lines[0], lines.size() > 1 ? lines[1] : std::string());
    host_.SetFileDelimiter(delimiter);
  }
  const std::size_t first = o.LoadFirstRow ? 0 : 1;
  std::size_t count = lines.size() > first ? lines.size() - first : 0;
  if (MaxRows > 0) count = std::min(count, static_cast<std::size_t>(MaxRows));
  TProgressReporter progress(host_);
  if (progress.Active())
    host_.SetRowCount(Insert ? host_.RowCount() + static_cast<int>(lines.size())
                             : range.StartRow + static_cast<int>(lines.size()) + host_.FixedFooters());
  const int hidden = o.SaveHiddenCells ? host_.NumHiddenColumns() : 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (row >= host_.RowCount() - host_.FixedFooters()) host_.SetRowCount(row + 1000);
    int c = range.StartCol;
    for (const std::string& field : SplitCsvLine(lines[first + i], delimiter, o.JavaCSV)) {
      if (c >= host_.ColCount() + hidden) host_.SetColCount(c + 1 - hidden);
      host_.LoadCellText(c++, row, field);
    }
    ++row;
    progress.Report(static_cast<long long>(i + 1), static_cast<long long>(count));
  }
  // The footer row gets a row of its own below the lines read, so the last line stays.
  host_.SetRowCount(row + host_.FixedFooters() + (footer ? 1 : 0));
  if (footer) PutRow(host_, footerRow, host_.RowCount() - 1);
  host_.CellsChanged(TRect{0, 0, host_.ColCount(), host_.RowCount()});
  host_.AllCellsChanged();
}

}  // namespace hd
