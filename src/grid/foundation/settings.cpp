#include "grid/foundation/settings.h"

namespace hd {

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign) : FOwner(AOwner) {
  if (!InitDesign) return;
  FFindNextCaption = "Find &next";
  FFindPrevCaption = "Find &previous";
  FMatchCaseCaption = "Match case";
  FHintClose = "Close";
  FHintFindPrev = "Find previous occurrence";
  FHintHighLight = "Highlight occurrences";
  FHintFindNext = "Find next occurrence";
  FHighLightCaption = "Highlight";
}

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::SetShowFindPrev(bool Value) {
  if (FShowFindPrev == Value) return;
  FShowFindPrev = Value;
  Changed();
}

void TSearchFooter::SetShowFindNext(bool Value) {
  if (FShowFindNext == Value) return;
  FShowFindNext = Value;
  Changed();
}

void TSearchFooter::SetFindNextCaption(const std::string& Value) {
  FFindNextCaption = Value;
  Changed();
}

void TSearchFooter::SetFindPrevCaption(const std::string& Value) {
  FFindPrevCaption = Value;
  Changed();
}

void TSearchFooter::SetColorTo(TColor Value) {
  FColorTo = Value;
  Changed();
}

void TSearchFooter::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TSearchFooter::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  Changed();
}

void TSearchFooter::SetShowClose(bool Value) {
  FShowClose = Value;
  Changed();
}

void TSearchFooter::SetShowHighLight(bool Value) {
  if (FShowHighLight == Value) return;
  FShowHighLight = Value;
  Changed();
}

void TSearchFooter::SetShowMatchCase(bool Value) {
  if (FShowMatchCase == Value) return;
  FShowMatchCase = Value;
  Changed();
}

void TSearchFooter::SetMatchCaseCaption(const std::string& Value) {
  FMatchCaseCaption = Value;
  Changed();
}

void TSearchFooter::SetHintClose(const std::string& Value) {
  FHintClose = Value;
  Changed();
}

void TSearchFooter::SetHintFindPrev(const std::string& Value) {
  FHintFindPrev = Value;
  Changed();
}

void TSearchFooter::SetHintHighlight(const std::string& Value) {
  FHintHighLight = Value;
  Changed();
}

void TSearchFooter::SetHintFindNext(const std::string& Value) {
  FHintFindNext = Value;
  Changed();
}

void TSearchFooter::SetHighLightCaption(const std::string& Value) {
  FHighLightCaption = Value;
  Changed();
}

void TSearchFooter::SetFont(const TFont& Value) {
  FFont = Value;
  Changed();
}

void TSearchFooter::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TSearchFooter*>(Source);
  if (!src) return;
  FShowFindPrev = src->FShowFindPrev;
  FShowFindNext = src->FShowFindNext;
  FFindNextCaption = src->FFindNextCaption;
  FFindPrevCaption = src->FFindPrevCaption;
  FColorTo = src->FColorTo;
  FColor = src->FColor;
  FVisible = src->FVisible;
  FShowClose = src->FShowClose;
  FShowHighLight = src->FShowHighLight;
  FShowMatchCase = src->FShowMatchCase;
  FMatchCaseCaption = src->FMatchCaseCaption;
  FHintClose = src->FHintClose;
  FHintFindPrev = src->FHintFindPrev;
  FHintHighLight = src->FHintHighLight;
  FHintFindNext = src->FHintFindNext;
  FSearchColumn = src->FSearchColumn;
  FSearchActiveColumnOnly = src->FSearchActiveColumnOnly;
  FSearchMatchStart = src->FSearchMatchStart;
  FSearchHiddenRows = src->FSearchHiddenRows;
  FHighLightCaption = src->FHighLightCaption;
  FAlwaysHighLight = src->FAlwaysHighLight;
  FSearchDirection = src->FSearchDirection;
  FFont = src->FFont;
}

void TSyncGrid::SetGrid(TStringGrid* Value) {
  if (Value != FOwner) FGrid = Value;
}

void TSyncGrid::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TSyncGrid*>(Source);
  if (!src) return;
  SetGrid(src->FGrid);
  FScrollVertical = src->FScrollVertical;
  FScrollHorizontal = src->FScrollHorizontal;
  FSelectionColumn = src->FSelectionColumn;
  FSelectionRow = src->FSelectionRow;
  FMoveColumn = src->FMoveColumn;
  FMoveRow = src->FMoveRow;
}

void TBands::ChangedWhileActive() {
  if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
  if (FPrimaryColor == Value) return;
  FPrimaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
  if (FSecondaryColor == Value) return;
  FSecondaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetPrimaryLength(int Value) {
  if (FPrimaryLength == Value) return;
  FPrimaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::SetSecondaryLength(int Value) {
  if (FSecondaryLength == Value) return;
  FSecondaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TBands*>(Source);
  if (!src) return;
  FActive = src->FActive;
  FPrimaryColor = src->FPrimaryColor;
  FPrimaryLength = src->FPrimaryLength;
  FSecondaryColor = src->FSecondaryColor;
  FSecondaryLength = src->FSecondaryLength;
  FPrint = src->FPrint;
  FTotalLength = FPrimaryLength + FSecondaryLength;
}

void TFocusHelper::Assign(const TPersistent* Source) {
  if (auto* src = dynamic_cast<const TFocusHelper*>(Source)) FEnabled = src->FEnabled;
}

std::string TExtStringGridCheck::MarkError(int, int, const std::string& s) { return s; }

std::string TExtStringGridCheck::Correct(int, int, const std::string& s) { return s; }

void TExtStringGridCheck::StartCheck() {}

void TExtStringGridCheck::StopCheck() {}

}  // namespace hd
