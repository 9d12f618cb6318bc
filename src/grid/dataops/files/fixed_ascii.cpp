// Fixed-width and ASCII files.
#include "grid/dataops/files/fixed_ascii.h"

#include <algorithm>

#include "grid/dataops/files/save_range.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"

namespace hd {

namespace {

// Blanks and control characters at both ends.
std::string TrimControls(const std::string& Text) {
  std::size_t b = 0, e = Text.size();
  while (b < e && static_cast<unsigned char>(Text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(Text[e - 1]) <= ' ') --e;
  return Text.substr(b, e - b);
}

void WriteLines(const std::string& FileName, const std::vector<std::string>& Lines, bool Unicode) {
  std::string text;
  for (const std::string& line : Lines) text += line + "\r\n";
  WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::UTF16LE)
                                    : EncodeText(text, TTextEncoding::Windows1252));
}

// The lines of a cell text, split at CR LF.
std::vector<std::string> CellLines(const std::string& Text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at = Text.find("\r\n"); at != std::string::npos; at = Text.find("\r\n", from)) {
    lines.push_back(Text.substr(from, at - from));
    from = at + 2;
  }
  lines.push_back(Text.substr(from));
  return lines;
}

}  // namespace

std::string FixedField(const std::string& Text, int Width) {
  std::string t;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\r' || Text[i] == '\n') {
      t += ' ';
      if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    } else {
      t += Text[i];
    }
  }
  const int length = Utf8Length(t);
  if (length > Width) return Utf8Copy(t, 1, Width);
  return t + std::string(static_cast<std::size_t>(Width - length), ' ');
}

std::vector<std::string> SplitFixedLine(const std::string& Line, const std::vector<int>& Starts, bool DoTrim) {
  std::vector<std::string> fields;
  for (std::size_t k = 0; k + 1 < Starts.size(); ++k) {
    std::string field = Utf8Copy(Line, Starts[k], Starts[k + 1] - Starts[k]);
    fields.push_back(DoTrim ? TrimControls(field) : field);
  }
  return fields;
}

std::string AlignedText(const std::string& Text, TAlignment Alignment, int Width) {
  std::string t = Text;
  int length = Utf8Length(t);
  if (Alignment == taRightJustify && length < Width) {
    t.insert(0, static_cast<std::size_t>(Width - length), ' ');
  } else if (Alignment == taCenter) {
    for (; length < Width; length += 2) t = ' ' + t + ' ';
  }
  return t;
}

void TGridFixedAscii::SaveToFixed(const std::string& FileName, TIntList& Positions) {
  const TSaveRange range = SaveRangeOf(host_);
  const std::vector<int> cols = SavedColumns(host_, range);
  for (std::size_t i = static_cast<std::size_t>(Positions.Count()); i < cols.size(); ++i)
    Positions.Add(host_.MaxColTextLength(cols[i]) + 1);
  std::vector<std::string> lines;
  host_.ExportNotification(esExportStart, range.StartRow);
  for (int r = range.StartRow; r <= range.EndRow; ++r) {
    host_.ExportNotification(esExportNextRow, r);
    std::string line;
    for (std::size_t i = 0; i < cols.size(); ++i)
      line += FixedField(host_.SaveCellText(cols[i], r), Positions.Items(static_cast<int>(i)));
    lines.push_back(std::move(line));
  }
  host_.ExportNotification(esExportDone, -1);
  try {
    WriteLines(FileName, lines, false);
  } catch (const EInOutError&) {
    throw EExtGridError(CannotCreateMessage(FileName));
  }
}

void TGridFixedAscii::LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim, int MaxRows) {
  if (!FileExists(FileName)) throw EExtGridError("File " + FileName + " not found");
  std::vector<std::string> lines;
  try {
    lines = ReadTextLines(FileName);
  } catch (const EInOutError&) {
    throw EExtGridError("File " + FileName + " not found");
  }
  TUpdateLock lock(host_);
  host_.SetColCount(host_.FixedCols() + std::max(Positions.Count() - 1, 1));
  Positions.Sort([](int a, int b) { return a < b ? -1 : a > b ? 1 : 0; });
  std::vector<int> starts;
  for (int k = 0; k < Positions.Count(); ++k) starts.push_back(Positions.Items(k));
  const TSaveRange range = SaveRangeOf(host_);
  const int limit = MaxRows == -1 ? -1 : std::max(1, MaxRows);
  int row = range.StartRow, read = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (row >= host_.RowCount()) host_.SetRowCount(row + 1);
    int c = range.StartCol;
    for (const std::string& field : SplitFixedLine(lines[i], starts, DoTrim)) host_.LoadCellText(c++, row, field);
    if (limit != -1 && ++read >= limit) break;
    if (row + 1 >= host_.RowCount() && i + 1 < lines.size()) host_.SetRowCount(row + 2);
    ++row;
  }
  host_.CellsChanged(TRect{0, 0, host_.ColCount(), host_.RowCount()});
  host_.AllCellsChanged();
}

void TGridFixedAscii::SaveToASCII(const std::string& FileName, bool Unicode, bool Append) {
  THourGlass hourGlass(host_);
  std::vector<std::string> out;
  if (Append && FileExists(FileName)) out = ReadTextLines(FileName);
  try {
    const TSaveRange range = SaveRangeOf(host_);
    const TFileFormatOptions o = host_.FileOptions();
    const int hidden = o.SaveHiddenCells ? host_.NumHiddenColumns() : 0;
    // Right fixed columns and footer rows are always written.
    std::vector<int> cols, widths;
    for (int c = range.StartCol; c < host_.ColCount() + hidden; ++c) {
      cols.push_back(o.SaveHiddenCells ? c : host_.DisplToRealCol(c));
      widths.push_back(host_.MaxColTextLength(cols.back()));
    }
    host_.ExportNotification(esExportStart, range.StartRow);
    for (int r = range.StartRow; r < host_.RowCount(); ++r) {
      host_.ExportNotification(esExportNextRow, r);
      std::string main;
      std::vector<std::string> more;
      int start = 0;
      for (std::size_t i = 0; i < cols.size(); ++i) {
        const int w = widths[i];
        const TAlignment align = host_.CellAlignment(cols[i], r);
        std::vector<std::string> parts = CellLines(host_.SaveCellText(cols[i], r));
        for (std::size_t j = 1; o.Multilinecells && j < parts.size(); ++j) {
          if (more.size() < j) more.emplace_back();
          std::string& line = more[j - 1];
          const int length = Utf8Length(line);
          if (length < start) line.append(static_cast<std::size_t>(start - length), ' ');
          line += AlignedText(parts[j], align, w);
        }
        std::string part = AlignedText(parts[0], align, w);
        const int length = Utf8Length(part);
        if (length <= w) part.append(static_cast<std::size_t>(w - length + 1), ' ');
        main += part;
        start += w + 1;
      }
      out.push_back(std::move(main));
      out.insert(out.end(), more.begin(), more.end());
    }
    host_.ExportNotification(esExportDone, -1);
  } catch (...) {
    WriteLines(FileName, out, Unicode);
    throw;
  }
  WriteLines(FileName, out, Unicode);
}

}  // namespace hd
