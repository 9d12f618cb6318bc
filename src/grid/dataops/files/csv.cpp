// Delimited text files.
#include "grid/dataops/files/csv.h"

#include <algorithm>
#include <deque>
#include <string_view>

#include "grid/dataops/files/save_range.h"
#include "grid/foundation/text_utils.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace hd {

namespace {

bool Has(const std::string& Text, char Ch) { return Text.find(Ch) != std::string::npos; }

// Most texts stand in the file as they are: no quote, delimiter or CR, and not empty.
bool NeedsEncoding(const std::string& Text, const TCsvWriteRules& Rules) {
  if (Text.empty() || Rules.AlwaysQuotes) return true;
  for (char ch : Text)
    if (ch == '"' || ch == '\r' || ch == '\n' || ch == Rules.Delimiter) return true;
  return false;
}

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
  // A bare LF counts as a line break too: written as it stands it would end the row.
  if (Has(t, s) || Has(t, '\r') || Has(t, '\n')) {
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

std::vector<std::string_view> CsvLineViews(const std::string& Text, std::deque<std::string>& Joined) {
  std::vector<std::string_view> lines;
  std::string joined;
  bool open = false;     // an odd number of quotes so far: a quoted field goes on
  bool joining = false;  // joined holds the start of the current line
  std::size_t start = 0;
  auto endJoined = [&](std::size_t to) {
    Joined.push_back(std::move(joined.append(Text, start, to - start)));
    joined.clear();
    joining = false;
    lines.emplace_back(Joined.back());
  };
  for (std::size_t i = 0; i < Text.size();) {
    const char ch = Text[i];
    if (ch != '"' && ch != '\r' && ch != '\n') {
      ++i;
      continue;
    }
    if (ch == '"') {
      open = !open;
      ++i;
      continue;
    }
    const std::size_t next = ch == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n' ? i + 2 : i + 1;
    if (open) {
      joined.append(Text, start, i - start).append("\r\n");
      joining = true;
    } else if (joining) {
      endJoined(i);
    } else {
      lines.emplace_back(Text.data() + start, i - start);
    }
    start = i = next;
  }
  // A quote left open at the end keeps the text it gathered as the last line.
  if (joining) endJoined(Text.size());
  else if (start < Text.size()) lines.emplace_back(Text.data() + start, Text.size() - start);
  return lines;
}

std::vector<std::string> CsvLines(const std::string& Text) {
  std::deque<std::string> joined;
  std::vector<std::string> lines;
  for (std::string_view line : CsvLineViews(Text, joined)) lines.emplace_back(line);
  return lines;
}

namespace {

// The closing quote of a quoted field whose opening quote is already dropped: the last quote
// of the first run of odd length that another character follows, or a quote that ends the text.
std::size_t ClosingQuote(std::string_view Rest) {
  for (std::size_t i = Rest.find('"'); i != std::string_view::npos; i = Rest.find('"', i)) {
    std::size_t j = i;
    while (j < Rest.size() && Rest[j] == '"') ++j;
    if (j == Rest.size() || (j - i) % 2 == 1) return j - 1;
    i = j;
  }
  return std::string_view::npos;
}

void AssignUndoubled(std::string& Out, std::string_view Text) {
  Out.clear();
  for (std::size_t i = 0; i < Text.size(); ++i) {
    Out += Text[i];
    if (Text[i] == '"' && i + 1 < Text.size() && Text[i + 1] == '"') ++i;
  }
}

void DropLeadingBlanks(std::string_view& Rest) {
  while (Rest.size() >= 2 && Rest[0] == ' ') Rest.remove_prefix(1);
}

// The line breaks the writer encoded put back into a field, in place.
void DecodeLineBreaksIn(std::string& Field, bool JavaCSV) {
  if (JavaCSV) {
    if (Field == "^") Field.clear();
    else if (Has(Field, '~')) Field = ReplaceAll(Field, "~", "\r\n");
  } else if (Has(Field, '\v')) {
    Field = ReplaceAll(Field, "\v", "\r\n");
  }
}

}  // namespace

std::size_t SplitCsvLine(std::string_view Line, char Delimiter, bool JavaCSV, std::vector<std::string>& Fields) {
  std::size_t n = 0;
  auto next = [&]() -> std::string& {
    if (n == Fields.size()) Fields.emplace_back();
    return Fields[n++];
  };
  std::string_view rest = Line;
  for (std::size_t at = Delimiter ? rest.find(Delimiter) : std::string_view::npos; at != std::string_view::npos;
       at = rest.find(Delimiter)) {
    const std::size_t before = rest.size();
    DropLeadingBlanks(rest);
    // Only a blank delimiter can be among the blanks dropped.
    if (rest.size() != before && (at = rest.find(Delimiter)) == std::string_view::npos) break;
    std::string& field = next();
    if (!rest.empty() && rest[0] == '"') {
      rest.remove_prefix(1);
      field.clear();
      if (const std::size_t close = ClosingQuote(rest); close != std::string_view::npos) {
        AssignUndoubled(field, rest.substr(0, close));
        rest.remove_prefix(close + 1);
      }
      // Text after the closing quote, or after an opening quote never closed, up to the
      // next delimiter is dropped.
      at = rest.find(Delimiter);
      rest.remove_prefix(at == std::string_view::npos ? rest.size() : at + 1);
    } else {
      field.assign(rest.substr(0, at));
      rest.remove_prefix(at + 1);
    }
    DecodeLineBreaksIn(field, JavaCSV);
  }
  DropLeadingBlanks(rest);
  if (rest.empty()) return n;
  std::string& field = next();
  if (rest[0] == '"') {
    rest.remove_prefix(1);
    if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
    AssignUndoubled(field, rest);
  } else {
    field.assign(rest);
  }
  DecodeLineBreaksIn(field, JavaCSV);
  return n;
}

std::vector<std::string> SplitCsvLine(const std::string& Line, char Delimiter, bool JavaCSV) {
  std::vector<std::string> fields;
  fields.resize(SplitCsvLine(std::string_view(Line), Delimiter, JavaCSV, fields));
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
      const std::string cell = host_.SaveCellText(cols[i], r);
      if (NeedsEncoding(cell, rules)) text += CsvField(cell, rules);
      else text += cell;
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
  Load(std::move(bytes), MaxRows, Insert);
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

void TGridCsv::Load(std::string Bytes, int MaxRows, bool Insert) {
  const TFileFormatOptions o = host_.FileOptions();
  const std::string text = DecodeCsv(std::move(Bytes), o.OemConvert);
  std::deque<std::string> joined;
  const std::vector<std::string_view> lines = CsvLineViews(text, joined);
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
    delimiter = GuessCsvDelimiter(std::string(lines[0]), lines.size() > 1 ? std::string(lines[1]) : std::string());
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
  std::vector<std::string> fields;
  for (std::size_t i = 0; i < count; ++i) {
    if (row >= host_.RowCount() - host_.FixedFooters()) host_.SetRowCount(row + 1000);
    const std::size_t n = SplitCsvLine(lines[first + i], delimiter, o.JavaCSV, fields);
    if (range.StartCol + static_cast<int>(n) > host_.ColCount() + hidden)
      host_.SetColCount(range.StartCol + static_cast<int>(n) - hidden);
    for (std::size_t k = 0; k < n; ++k) host_.LoadCellText(range.StartCol + static_cast<int>(k), row, fields[k]);
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
