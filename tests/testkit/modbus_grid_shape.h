// A column grid shaped like the Modbus TCP read table: its fourteen columns (the row number,
// then IP address to mnemonic), the Type combo list, the two Y/N check-box columns, and rows of
// typical requests. Shared by the painting tests and the paint benchmark.
#pragma once

#include <array>
#include <string>

#include "grid/stringgrid/column_grid.h"

namespace hd::test {

inline constexpr int kModbusCols = 14;
inline constexpr int kModbusTypeCol = 4;
inline constexpr int kModbusSwapCol = 11;
inline constexpr int kModbusSwapWordCol = 12;

// The texts of one request row as the window shows them.
inline std::string ModbusCellText(int col, int row) {
  static const std::array<const char*, 4> kTypes = {"COIL STATUS", "INPUT STATUS", "HOLDING REGISTER",
                                                    "INPUT REGISTER"};
  switch (col) {
    case 0: return std::to_string(row);
    case 1: return "192.168.1." + std::to_string(10 + row % 20);
    case 2: return "502";
    case 3: return std::to_string(1 + row % 4);
    case 4: return kTypes[static_cast<std::size_t>(row % 4)];
    case 5: return std::to_string(row * 10);
    case 6: return "8";
    case 7: return "100";
    case 8: return "3";
    case 9: return std::to_string(row * 2);
    case 10: return "0";
    case 11: return row % 3 == 0 ? "Y" : "N";
    case 12: return "N";
    default: return "Request " + std::to_string(row);
  }
}

inline const char* ModbusHeader(int col) {
  static const std::array<const char*, kModbusCols> kHeaders = {
      "N.",       "IP Address", "Port",     "Slave ID", "Type", "Address",   "NPoint",
      "PollTime", "MaxError",   "Position", "Bit",      "Swap", "Swap Word", "Mnemonic"};
  return kHeaders[static_cast<std::size_t>(col)];
}

inline int ModbusColWidth(int col) {
  static const std::array<int, kModbusCols> kWidths = {36, 100, 44, 56, 124, 60, 56, 60, 62, 60, 36, 44, 70, 110};
  return kWidths[static_cast<std::size_t>(col)];
}

// Rows 1 .. rows - 1 hold requests; row 0 the headers.
inline void ShapeLikeModbusReadTable(TExtColumnGrid& grid, int rows) {
  grid.SetColCount(kModbusCols);
  grid.SetRowCount(rows);
  grid.SetFixedCols(1);
  grid.SetFixedRows(1);
  TGridColumnCollection& columns = grid.Columns();
  for (int c = 0; c < kModbusCols; ++c) {
    columns.Items(c)->SetHeader(ModbusHeader(c));
    grid.SetColWidths(c, ModbusColWidth(c));
  }
  columns.Items(kModbusTypeCol)->SetEditor(edComboList);
  for (int t = 0; t < 4; ++t) columns.Items(kModbusTypeCol)->ComboItems().Add(ModbusCellText(kModbusTypeCol, t));
  columns.Items(kModbusSwapCol)->SetEditor(edDataCheckBox);
  columns.Items(kModbusSwapWordCol)->SetEditor(edDataCheckBox);
  for (int r = 1; r < rows; ++r)
    for (int c = 0; c < kModbusCols; ++c) grid.SetCells(c, r, ModbusCellText(c, r));
}

}  // namespace hd::test
