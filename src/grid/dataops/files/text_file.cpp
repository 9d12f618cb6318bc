// The grid's own text file and stream.
#include "grid/dataops/files/text_file.h"

#include "grid/dataops/files/save_range.h"
#include "grid/foundation/text_utils.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/unicode.h"

namespace hd {

std::string TextFileHeader(int Cols, int Rows) { return std::to_string(Cols) + "," + std::to_string(Rows); }

std::string TextFileWidthLine(int ACol, int Width) {
  return "cw " + std::to_string(ACol) + "," + std::to_string(Width);
}

std::string TextFileCellLine(int ACol, int ARow, const std::string& Text) {
  return std::to_string(ACol) + "," + std::to_string(ARow) + "," + PackLineBreaks(Text);
}

std::string StreamLineBytes(const std::string& Line) {
  const WideString wide = Utf8ToWide(Line) + u"\r\n";
  std::string bytes;
  bytes.reserve(wide.size() * 2);
  for (char16_t u : wide) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

void ReadStreamLines(TStream& Stream, const std::function<bool(const std::string& Line)>& Visit) {
  const std::int64_t start = Stream.Position();
  const std::string bytes = Stream.ReadAll();
  const std::size_t units = bytes.size() / 2;
  auto unit = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  };
  std::size_t i = 0;
  while (i < units) {
    WideString line;
    std::size_t j = i;
    while (j < units && unit(j) != u'\r') line += unit(j++);
    // The unit after the CR (the LF) is dropped, whatever it is.
    const std::size_t next = j < units ? std::min(j + 2, units) : units;
    if (!Visit(WideToUtf8(line))) break;
    i = next;
  }
  // An odd last byte belongs to no line and stays unread.
  Stream.SetPosition(start + static_cast<std::int64_t>(i * 2));
}

TCellLineFields SplitCellLine(std::string_view Line) {
  TCellLineFields f;
  const std::size_t first = Line.find(',');
  if (first == std::string_view::npos) {
    f.Text = Line;
    return f;
  }
  f.Col = Line.substr(0, first);
  const std::size_t second = Line.find(',', first + 1);
  if (second == std::string_view::npos) {
    f.Text = Line.substr(first + 1);
    return f;
  }
  f.Row = Line.substr(first + 1, second - first - 1);
  f.Text = Line.substr(second + 1);
  return f;
}

std::vector<std::string_view> LineViews(const std::string& Text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] != '\r' && Text[i] != '\n') continue;
    lines.emplace_back(Text.data() + start, i - start);
    if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < Text.size()) lines.emplace_back(Text.data() + start, Text.size() - start);
  return lines;
}

void TGridTextFile::SaveToFile(const std::string& FileName, bool Unicode) {
  const TSaveRange range = SaveRangeOf(host_);
  const TFileFormatOptions o = host_.FileOptions();
  const int hidden = o.SaveHiddenCells ? host_.NumHiddenColumns() : 0;
  std::string text = TextFileHeader(range.ColCount + hidden, range.RowCount) + "\r\n";
  const std::vector<int> cols = SavedColumns(host_, range);
  for (int d = range.StartCol; d <= range.EndCol + hidden; ++d)
    text += TextFileWidthLine(d, o.SaveHiddenCells ? host_.RealColWidth(d) : host_.ColWidth(d)) + "\r\n";
  TProgressReporter progress(host_);
  host_.ExportNotification(esExportStart, range.StartRow);
  for (int r = range.StartRow; r <= range.EndRow; ++r) {
    host_.ExportNotification(esExportNextRow, r);
    const std::string row = "," + std::to_string(r) + ",";
    for (int c : cols) {
      const std::string cell = host_.SaveCellText(c, r);
      if (cell.empty()) continue;
      text += std::to_string(c);
      text += row;
      text += cell.find('\r') == std::string::npos ? cell : PackLineBreaks(cell);
      text += "\r\n";
    }
    progress.Report(r, std::max(1, range.RowCount - 1));
  }
  host_.ExportNotification(esExportDone, -1);
  WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::UTF16LE)
                                    : EncodeText(text, TTextEncoding::Windows1252));
}

void TGridTextFile::LoadFromFile(const std::string& FileName) {
  const std::string text = ReadTextFile(FileName);
  const std::vector<std::string_view> lines = LineViews(text);
  const TSaveRange range = SaveRangeOf(host_);
  const bool multiLine = host_.FileOptions().Multilinecells;
  TUpdateLock lock(host_);
  if (!lines.empty() && !lines[0].empty()) {
    const std::size_t comma = lines[0].find(',');
    host_.SetColCount(range.StartCol + (comma == std::string_view::npos ? 0 : LenientNumber(lines[0].substr(0, comma))));
    host_.SetRowCount(range.StartRow + LenientNumber(lines[0].substr(comma == std::string_view::npos ? 0 : comma + 1)));
  }
  if (host_.ColCount() <= 0 || host_.RowCount() <= 0)
    throw EExtGridError("File contains no data or corrupt file " + FileName);
  TProgressReporter progress(host_);
  TMessagePump pump(host_);
  std::string cell;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.substr(0, 2) == "cw") {
      const std::string_view rest = line.substr(std::min<std::size_t>(3, line.size()));
      const std::size_t comma = rest.find(',');
      const int index = LenientNumber(comma == std::string_view::npos ? std::string_view() : rest.substr(0, comma));
      if (index >= 0 && index < host_.ColCount())
        host_.SetColWidth(index, LenientNumber(rest.substr(comma == std::string_view::npos ? 0 : comma + 1, 255)));
      continue;
    }
    const TCellLineFields f = SplitCellLine(line);
    const int c = LenientNumber(f.Col), r = LenientNumber(f.Row);
    if (c >= 0 && c < host_.ColCount() + host_.NumHiddenColumns() && r >= 0 && r < host_.RowCount()) {
      cell.assign(f.Text);
      // Only a packed text holds a line break once unpacked.
      if (cell.find('\b') != std::string::npos) cell = UnpackLineBreaks(cell, multiLine);
      host_.LoadCellText(c, r, cell);
    }
    progress.Report(r, std::max(1, host_.RowCount() - 1));
    pump.Poll();
  }
  host_.CellsChanged(TRect{0, 0, host_.ColCount(), host_.RowCount()});
  host_.AllCellsChanged();
}

void TGridTextFile::SaveToStream(TStream& Stream) {
  const TSaveRange range = SaveRangeOf(host_);
  std::string bytes = StreamLineBytes(TextFileHeader(range.ColCount, range.RowCount));
  for (int c = 0; c < host_.ColCount(); ++c) bytes += StreamLineBytes(TextFileWidthLine(c, host_.ColWidth(c)));
  host_.ExportNotification(esExportStart, range.StartRow);
  for (int r = range.StartRow; r <= range.EndRow; ++r) {
    host_.ExportNotification(esExportNextRow, r);
    for (int d = range.StartCol; d <= range.EndCol; ++d) {
      const std::string text = host_.SaveCellText(host_.DisplToRealCol(d), r);
      if (!text.empty()) bytes += StreamLineBytes(TextFileCellLine(d - range.StartCol, r - range.StartRow, text));
    }
  }
  host_.ExportNotification(esExportDone, -1);
  Stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TGridTextFile::LoadFromStream(TStream& Stream) {
  const TSaveRange range = SaveRangeOf(host_);
  const bool multiLine = host_.FileOptions().Multilinecells;
  TUpdateLock lock(host_);
  bool header = true;
  ReadStreamLines(Stream, [&](const std::string& line) {
    if (header) {
      header = false;
      if (!line.empty()) {
        std::string rest = line;
        const int cols = StrictNumber(CutToken(rest, ","));
        const int rows = StrictNumber(rest);
        host_.SetColCount(cols + range.StartCol);
        host_.SetRowCount(rows + range.StartRow);
      }
      return true;
    }
    if (line.compare(0, 2, "cw") == 0) {
      std::string rest = line.substr(std::min<std::size_t>(3, line.size()));
      const int index = StrictNumber(CutToken(rest, ","));
      const int width = StrictNumber(rest);
      if (index >= 0 && index < host_.ColCount()) host_.SetColWidth(index, width);
      return true;
    }
    // A line without a column and a row is the caller's data that follows the grid's.
    const TCellLineFields f = SplitCellLine(line);
    if (f.Col.empty() || f.Row.empty()) return false;
    const int c = StrictNumber(std::string(f.Col)) + range.StartCol;
    const int r = StrictNumber(std::string(f.Row)) + range.StartRow;
    if (c >= 0 && c < host_.ColCount() && r >= 0 && r < host_.RowCount())
      host_.LoadCellText(host_.DisplToRealCol(c), r, UnpackLineBreaks(std::string(f.Text), multiLine));
    return true;
  });
  host_.CellsChanged(TRect{0, 0, host_.ColCount(), host_.RowCount()});
  host_.AllCellsChanged();
}

}  // namespace hd
