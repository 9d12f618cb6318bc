#include "grid/stringgrid/column_size.h"

namespace hd {

void TColumnSize::SetStretch(bool Value) {
  FStretch = Value;
  if (FOwner && FOwner->HasParent()) FOwner->StretchColumn(FStretchColumn);
}

void TColumnSize::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColumnSize*>(Source);
  if (!s) return;
  FSave = s->FSave;
  FKey = s->FKey;
  FSection = s->FSection;
  FStretch = s->FStretch;
  FStretchColumn = s->FStretchColumn;
  FSynchWithGrid = s->FSynchWithGrid;
  FSynchNormalCellsOnly = s->FSynchNormalCellsOnly;
  FLocation = s->FLocation;
  FRows = s->FRows;
}

}  // namespace hd
