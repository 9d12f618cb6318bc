#include "tables/table_file.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

void CheckGridCount(const TTableFile& file, const std::vector<TCellTableView>& grids) {
  if (grids.size() != file.Sections.size())
    throw std::logic_error("Table \"" + file.Root + "\" has " + std::to_string(file.Sections.size()) +
                           " sections but was given " + std::to_string(grids.size()) + " grids");
}

void ClearGrid(const TTableFile& file, const TTableSection& section, const TCellTableView& grid) {
  for (int r = 1; r < grid.RowCount(); ++r) {
    grid.SetCells(0, r, IntToStr(r));
    for (int c = 1; c < grid.ColCount(); ++c) {
      const std::size_t i = static_cast<std::size_t>(c - 1);
      grid.SetCells(c, r, !file.HasKey() && i < section.Columns.size() ? section.Columns[i].Default : std::string());
    }
  }
}

std::string LoadFailure(const std::string& path, const std::string& reason) {
  return "Cannot load \"" + path + "\": " + reason;
}

std::string SectionName(const TTableSection& section) {
  return section.Name.empty() ? std::string("the table") : "\"" + section.Name + "\"";
}

// Fills one grid from its section; answers the failure that ended the reading, or "". Rows
// beyond the grid's capacity are named in `dropped`, so the user knows before OK saves.
std::string LoadSection(const TTableFile& file, const TTableSection& section, const TXmlNode& root,
                        const TCellTableView& grid, const std::string& path, std::string& dropped) {
  TXmlNode parent = section.Name.empty() ? root : root.FindNode(section.Name);
  if (!parent) return LoadFailure(path, "the section \"" + section.Name + "\" is missing.");
  // Any element is a row whatever its name; comments and text between rows are not.
  const std::vector<TXmlNode> rows = parent.ChildElements();
  const int rowCount = std::min(static_cast<int>(rows.size()), std::max(grid.RowCount() - 1, 0));
  const int colCount = std::min(static_cast<int>(section.Columns.size()), std::max(grid.ColCount() - 1, 0));
  // A table with a fixed set of rows (one per channel or node) has no place for more.
  if (file.HasKey() && static_cast<int>(rows.size()) > rowCount)
    dropped += LoadFailure(path, SectionName(section) + " holds " + IntToStr(static_cast<int>(rows.size())) +
                                     " rows but the table takes " + IntToStr(rowCount) + "; only the first " +
                                     IntToStr(rowCount) + " are kept, and OK saves only those.");
  for (int k = 0; k < rowCount; ++k) {
    for (int i = 0; i < colCount; ++i) {
      const TTableColumn& column = section.Columns[static_cast<std::size_t>(i)];
      std::optional<std::string> value = rows[static_cast<std::size_t>(k)].Attribute(column.Attribute);
      if (value && value->empty() && column.EmptyReadsDefault) value.reset();
      if (!value && column.Required)
        return LoadFailure(path, "row " + IntToStr(k + 1) + " of " + SectionName(section) +
                                     " has no attribute \"" + column.Attribute +
                                     "\"; only what stands before it was loaded.");
      grid.SetCells(i + 1, k + 1, value ? *value : column.Default);
    }
  }
  return {};
}

// A box never ticked holds no text; the file says "N" for it, as for one ticked off.
std::string WrittenText(const TTableColumn& column, const TCellTableView& grid, int c, int r) {
  std::string text = grid.CellOrEmpty(c, r);
  if (column.Editor == teDataCheckBox && text.empty()) return "N";
  return text;
}

void BuildDocument(const TTableFile& file, const std::vector<TCellTableView>& grids, TXmlDocument& doc) {
  CheckGridCount(file, grids);
  doc.SetActive(true);
  doc.Clear();
  TXmlNode root = doc.AddChild(file.Root);
  if (!file.Version.empty()) doc.AddComment("SW_VERSION = " + file.Version);
  for (std::size_t g = 0; g < grids.size(); ++g) {
    const TTableSection& section = file.Sections[g];
    const TCellTableView& grid = grids[g];
    // A section is written even when it holds no row.
    TXmlNode parent = section.Name.empty() ? root : root.AddChild(section.Name);
    const int used = UsedRowCount(file, grid);
    for (int r = 1; r <= used; ++r) {
      TXmlNode row = parent.AddChild(file.RowElement);
      for (std::size_t i = 0; i < section.Columns.size(); ++i)
        row.SetAttribute(section.Columns[i].Attribute, WrittenText(section.Columns[i], grid, static_cast<int>(i) + 1, r));
    }
  }
}

}  // namespace

bool KeyCellEmpty(const TTableFile& file, const TCellTableView& grid, int r) {
  if (!file.HasKey()) return false;
  const std::string key = grid.CellOrEmpty(file.KeyColumn, r);
  return file.TrimKey ? Trim(key).empty() : key.empty();
}

int UsedRowCount(const TTableFile& file, const TCellTableView& grid) {
  const int last = grid.RowCount() - 1;
  for (int r = 1; r <= last; ++r)
    if (KeyCellEmpty(file, grid, r)) return r - 1;
  return std::max(last, 0);
}

void ClearTableGrids(const TTableFile& file, const std::vector<TCellTableView>& grids) {
  CheckGridCount(file, grids);
  for (std::size_t g = 0; g < grids.size(); ++g) ClearGrid(file, file.Sections[g], grids[g]);
}

std::string LoadTableFile(const TTableFile& file, const std::string& path,
                          const std::vector<TCellTableView>& grids) {
  ClearTableGrids(file, grids);
  if (!FileExists(path)) return {};
  TXmlDocument doc;
  try {
    doc.LoadFromFile(path);
  } catch (const Exception& e) {
    return e.Message();  // not well-formed, or unreadable
  }
  // The first element is the root whatever its name, as the compile reads it; a declaration or
  // comments before it are skipped.
  TXmlNode root = doc.DocumentElement();
  if (!root) return LoadFailure(path, "the file holds no root element.");
  std::string dropped;
  for (std::size_t g = 0; g < grids.size(); ++g) {
    std::string failure = LoadSection(file, file.Sections[g], root, grids[g], path, dropped);
    if (!failure.empty()) return dropped.empty() ? failure : dropped + "\n" + failure;
  }
  return dropped;
}

std::string TableFileText(const TTableFile& file, const std::vector<TCellTableView>& grids) {
  TXmlDocument doc;
  BuildDocument(file, grids, doc);
  return doc.SaveToString(xlCompact);
}

void SaveTableFile(const TTableFile& file, const std::string& path, const std::vector<TCellTableView>& grids) {
  // With no file set for the table, nothing else of the configuration may be written instead.
  if (path.empty()) throw EFCreateError("Cannot save the table: no file is set for it in this configuration.");
  TXmlDocument doc;
  BuildDocument(file, grids, doc);
  doc.SaveToFile(path, xlCompact);
}

}  // namespace hd
