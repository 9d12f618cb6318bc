// The grid's cell stream members, each handing over to the cell stream.
#include "grid/dataops/files/cell_stream.h"
#include "grid/stringgrid/ext_string_grid.h"

namespace hd {

void TExtStringGrid::SaveRectToBinStream(const TRect& Rect, TStream& Stream) { TGridCellStream(DataHost()).SaveRect(Rect, Stream); }
void TExtStringGrid::SaveToBinStream(TStream& Stream) { TGridCellStream(DataHost()).Save(Stream); }
void TExtStringGrid::SaveToBinFile(const std::string& FileName) { TGridCellStream(DataHost()).SaveToFile(FileName); }
void TExtStringGrid::LoadAtPointFromBinStream(TPoint Point, TStream& Stream) {
  TGridCellStream(DataHost()).LoadAtPoint(Point, Stream);
}
void TExtStringGrid::LoadFromBinStream(TStream& Stream) { TGridCellStream(DataHost()).Load(Stream); }
void TExtStringGrid::LoadFromBinFile(const std::string& FileName) { TGridCellStream(DataHost()).LoadFromFile(FileName); }

}  // namespace hd
