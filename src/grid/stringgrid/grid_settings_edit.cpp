#include "grid/stringgrid/grid_settings_edit.h"

namespace hd {

void TDragDropSettings::SetOleDropTarget(bool Value) {
  FOleDropTarget = Value;
  if (FGrid && !FGrid->IsDesigning()) FGrid->ApplyOleDropTarget(Value);
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
  FOleDropRTF = Value;
  if (FGrid) FGrid->SetRTFDropEnabled(Value);
}

void TDragDropSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDragDropSettings*>(Source);
  if (!s || s == this) return;
  // The two settings that act go through their setters, so that a copied drop target is
  // registered and a copied rich-text switch is in effect; only a change acts, so that a
  // target is never registered twice.
  if (FOleDropTarget != s->FOleDropTarget) SetOleDropTarget(s->FOleDropTarget);
  FOleDropSource = s->FOleDropSource;
  FOleAcceptFiles = s->FOleAcceptFiles;
  FOleAcceptText = s->FOleAcceptText;
  FOleAcceptURLs = s->FOleAcceptURLs;
  if (FOleDropRTF != s->FOleDropRTF) SetOleDropRTF(s->FOleDropRTF);
  FOleEntireRows = s->FOleEntireRows;
  FOleRemoveRows = s->FOleRemoveRows;
  FOleInsertRows = s->FOleInsertRows;
  FOleAppendRows = s->FOleAppendRows;
  FOleCopyAlways = s->FOleCopyAlways;
  FOleColumnDragDrop = s->FOleColumnDragDrop;
  FOleColumnReorder = s->FOleColumnReorder;
  FOleColumnsOnly = s->FOleColumnsOnly;
  FShowCells = s->FShowCells;
}

void TDragScrollDelays::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TDragScrollDelays*>(Source)) {
    FInitialDelay = s->FInitialDelay;
    FRepeatDelay = s->FRepeatDelay;
  }
}

void TDragScrollMargins::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TDragScrollMargins*>(Source)) {
    FTopMargin = s->FTopMargin;
    FBottomMargin = s->FBottomMargin;
    FLeftMargin = s->FLeftMargin;
    FRightMargin = s->FRightMargin;
  }
}

void TDragScrollOptions::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TDragScrollOptions*>(Source)) {
    FMargins.Assign(&s->FMargins);
    FDelays.Assign(&s->FDelays);
    FActive = s->FActive;
  }
}

void TBalloonSettings::SetEnable(bool Value) {
  FEnable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TBalloonSettings*>(Source)) {
    FTextColor = s->FTextColor;
    FBackgroundColor = s->FBackgroundColor;
    FInitialDelay = s->FInitialDelay;
    FAutoHideDelay = s->FAutoHideDelay;
    FReshowDelay = s->FReshowDelay;
    FTransparency = s->FTransparency;
    FEnable = s->FEnable;
  }
}

void TShowModified::SetColor(TColor Value) {
  FColor = Value;
  if (OnChange) OnChange(this);
}

void TShowModified::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TShowModified*>(Source)) {
    FColor = s->FColor;
    FEnabled = s->FEnabled;
  }
}

}  // namespace hd
