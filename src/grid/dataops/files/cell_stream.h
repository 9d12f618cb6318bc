// The binary cell stream: a block of cells with their texts, properties and cell objects as
// property records, written to a stream or file and read back at any point of another grid.
// The grid's private clipboard format carries the same bytes.
#pragma once

#include "grid/stringgrid/grid_data_host.h"
#include "platform/streams.h"

namespace hd {

class TGridCellStream {
 public:
  explicit TGridCellStream(TGridDataHost& Host) : host_(Host) {}

  // The cells of R, both corners inclusive, at the stream's position.
  void SaveRect(const TRect& R, TStream& Stream);
  // The save range.
  void Save(TStream& Stream);
  void SaveToFile(const std::string& FileName);
  // The stream's cells with its first cell at P (a full grid from (0, 0)). Cells that fall
  // outside the grid are skipped; a broken stream fails with EReadError, the cells read
  // before it kept.
  void LoadAtPoint(TPoint P, TStream& Stream);
  // At (0, 0), then the node rows counted.
  void Load(TStream& Stream);
  void LoadFromFile(const std::string& FileName);

 private:
  TGridDataHost& host_;
};

}  // namespace hd
