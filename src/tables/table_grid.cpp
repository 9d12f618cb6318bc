#include "tables/table_grid.h"

#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

TEditorType EditorOf(TTableEditor editor) {
  switch (editor) {
    case teComboList: return edComboList;
    case teDataCheckBox: return edDataCheckBox;
    case teNormal: break;
  }
  return edNormal;
}

void Bold_Header(TGridColumnItem& item) {
  TFont font = item.HeaderFont();
  font.Style = {fsBold};
  item.SetHeaderFont(font);
}

void Describe_Column(TExtColumnGrid& grid, int col, const TTableColumn& column) {
  TGridColumnItem* item = grid.Columns().Items(col);
  item->SetEditor(EditorOf(column.Editor));
  item->ComboItems().Clear();
  for (const std::string& choice : column.Choices) item->ComboItems().Add(choice);
  if (column.Editor == teDataCheckBox) {
    item->SetCheckTrue("Y");
    item->SetCheckFalse("N");
    item->SetAlignment(taCenter);
  }
  if (column.Width > 0) grid.SetColWidths(col, column.Width);
  if (column.Color != clNone) item->SetColor(column.Color);
  item->SetReadOnly(column.ReadOnly);
  if (column.BoldHeader) Bold_Header(*item);
}

}  // namespace

TExtColumnGrid* Make_Table_Grid(TComponent* owner, TWinControl* parent, const std::string& name,
                                const TTableSection& section) {
  auto* grid = New<TExtColumnGrid>(owner);
  grid->SetName(name);
  grid->SetParent(parent);
  grid->SetAlign(alClient);
  // A grid placed on a window when it is designed carries the grid's design font, Tahoma 8,
  // and the column widths were made for it; the columns' header fonts copy it.
  TFont font = grid->Font();
  font.Name = "Tahoma";
  font.Size = 8;
  grid->SetFont(font);
  grid->SetColCount(static_cast<int>(section.Columns.size()) + 1);
  if (section.DataRows > 0) grid->SetRowCount(section.DataRows + 1);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetColWidths(0, section.NumberWidth);
  grid->SetRowHeights(0, Table_Header_Height);
  grid->SetScrollBars(ssBoth);
  grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing,
                    goEditing});
  if (section.BoldNumberHeader) Bold_Header(*grid->Columns().Items(0));
  if (section.NumberColor != clNone) grid->Columns().Items(0)->SetColor(section.NumberColor);
  for (std::size_t i = 0; i < section.Columns.size(); ++i)
    Describe_Column(*grid, static_cast<int>(i) + 1, section.Columns[i]);
  return grid;
}

void Set_Column_Headers(TExtColumnGrid& grid, const TTableSection& section, int numberHeaderText,
                        const TStringList& langTable) {
  grid.Columns().Items(0)->SetHeader(langTable[numberHeaderText]);
  for (std::size_t i = 0; i < section.Columns.size(); ++i)
    grid.Columns().Items(static_cast<int>(i) + 1)->SetHeader(langTable[section.Columns[i].HeaderText]);
}

}  // namespace hd
