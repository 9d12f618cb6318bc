// The grid's settings accessors: the settings live in its private state.
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

bool TExtStringGrid::FixedRowAlways() const { return FP->Layout.FFixedRowAlways; }
void TExtStringGrid::SetFixedRowAlways(bool Value) { FP->Layout.FFixedRowAlways = Value; }
bool TExtStringGrid::FixedColAlways() const { return FP->Layout.FFixedColAlways; }
void TExtStringGrid::SetFixedColAlways(bool Value) { FP->Layout.FFixedColAlways = Value; }
int TExtStringGrid::FixedRowHeight() const { return FP->Layout.FFixedRowHeight; }
int TExtStringGrid::FixedFooters() const { return FP->Layout.FFixedFooters; }
int TExtStringGrid::FixedRightCols() const { return FP->Layout.FFixedRightCols; }
const TFont& TExtStringGrid::FixedFont() const { return FP->Colors.FFixedFont; }
const TFont& TExtStringGrid::ActiveCellFont() const { return FP->Colors.FActiveCellFont; }
const std::string& TExtStringGrid::FloatFormat() const { return FP->Text.FFloatFormat; }
void TExtStringGrid::SetFloatFormat(const std::string& Value) { FP->Text.FFloatFormat = Value; }
const std::string& TExtStringGrid::CheckTrue() const { return FP->Text.FCheckTrue; }
void TExtStringGrid::SetCheckTrue(const std::string& Value) { FP->Text.FCheckTrue = Value; }
const std::string& TExtStringGrid::CheckFalse() const { return FP->Text.FCheckFalse; }
void TExtStringGrid::SetCheckFalse(const std::string& Value) { FP->Text.FCheckFalse = Value; }
char TExtStringGrid::PasswordChar() const { return FP->Text.FPasswordChar; }
void TExtStringGrid::SetPasswordChar(char Value) { FP->Text.FPasswordChar = Value; }
char TExtStringGrid::Delimiter() const { return FP->Text.FDelimiter; }
void TExtStringGrid::SetDelimiter(char Value) { FP->Text.FDelimiter = Value; }
TAlignment TExtStringGrid::DefaultAlignment() const { return FP->Text.FDefaultAlignment; }
TVAlignment TExtStringGrid::VAlignment() const { return FP->Text.FVAlignment; }
unsigned TExtStringGrid::VAlign() const { return FP->Text.FVAlign; }
TEditorType TExtStringGrid::DefaultEditor() const { return FP->EditRules.FDefaultEditor; }
void TExtStringGrid::SetDefaultEditor(TEditorType Value) { FP->EditRules.FDefaultEditor = Value; }
bool TExtStringGrid::WordWrap() const { return FP->Text.FWordWrapEx; }
bool TExtStringGrid::EnableHTML() const { return FP->Text.FEnableHTML; }
void TExtStringGrid::SetEnableHTML(bool Value) { FP->Text.FEnableHTML = Value; }
const std::string& TExtStringGrid::XMLEncoding() const { return FP->Text.FXMLEncoding; }
void TExtStringGrid::SetXMLEncoding(const std::string& Value) { FP->Text.FXMLEncoding = Value; }
int TExtStringGrid::MaxEditLength() const { return FP->EditRules.FMaxEditLength; }
void TExtStringGrid::SetMaxEditLength(int Value) { FP->EditRules.FMaxEditLength = Value; }
const std::string& TExtStringGrid::InvalidEntryTitle() const { return FP->EditRules.FInvalidEntryTitle; }
void TExtStringGrid::SetInvalidEntryTitle(const std::string& Value) { FP->EditRules.FInvalidEntryTitle = Value; }
const std::string& TExtStringGrid::InvalidEntryText() const { return FP->EditRules.FInvalidEntryText; }
void TExtStringGrid::SetInvalidEntryText(const std::string& Value) { FP->EditRules.FInvalidEntryText = Value; }
TInvalidEntryIcon TExtStringGrid::InvalidEntryIcon() const { return FP->EditRules.FInvalidEntryIcon; }
void TExtStringGrid::SetInvalidEntryIcon(TInvalidEntryIcon Value) { FP->EditRules.FInvalidEntryIcon = Value; }
TColor TExtStringGrid::SelectionColor() const { return FP->Colors.FSelectionColor; }
void TExtStringGrid::SetSelectionColor(TColor Value) { SetAndInvalidate(FP->Colors.FSelectionColor, Value); }
TColor TExtStringGrid::SelectionColorTo() const { return FP->Colors.FSelectionColorTo; }
void TExtStringGrid::SetSelectionColorTo(TColor Value) { SetAndInvalidate(FP->Colors.FSelectionColorTo, Value); }
TColor TExtStringGrid::SelectionMirrorColor() const { return FP->Colors.FSelectionMirrorColor; }
void TExtStringGrid::SetSelectionMirrorColor(TColor Value) { SetAndInvalidate(FP->Colors.FSelectionMirrorColor, Value); }
TColor TExtStringGrid::SelectionMirrorColorTo() const { return FP->Colors.FSelectionMirrorColorTo; }
void TExtStringGrid::SetSelectionMirrorColorTo(TColor Value) { SetAndInvalidate(FP->Colors.FSelectionMirrorColorTo, Value); }
TColor TExtStringGrid::SelectionTextColor() const { return FP->Colors.FSelectionTextColor; }
void TExtStringGrid::SetSelectionTextColor(TColor Value) { SetAndInvalidate(FP->Colors.FSelectionTextColor, Value); }
bool TExtStringGrid::SelectionColorMixer() const { return FP->Colors.FSelectionColorMixer; }
void TExtStringGrid::SetSelectionColorMixer(bool Value) { SetAndInvalidate(FP->Colors.FSelectionColorMixer, Value); }
int TExtStringGrid::SelectionColorMixerFactor() const { return FP->Colors.FSelectionColorMixerFactor; }
bool TExtStringGrid::SelectionRectangle() const { return FP->Colors.FSelectionRectangle; }
void TExtStringGrid::SetSelectionRectangle(bool Value) { SetAndInvalidate(FP->Colors.FSelectionRectangle, Value); }
bool TExtStringGrid::SelectionResizer() const { return FP->Colors.FSelectionResizer; }
void TExtStringGrid::SetSelectionResizer(bool Value) { SetAndInvalidate(FP->Colors.FSelectionResizer, Value); }
TColor TExtStringGrid::SelectionRectangleColor() const { return FP->Colors.FSelectionRectangleColor; }
void TExtStringGrid::SetSelectionRectangleColor(TColor Value) { SetAndInvalidate(FP->Colors.FSelectionRectangleColor, Value); }
TColor TExtStringGrid::HintColor() const { return FP->Colors.FHintColor; }
void TExtStringGrid::SetHintColor(TColor Value) { FP->Colors.FHintColor = Value; }
TColor TExtStringGrid::HighlightColor() const { return FP->Colors.FHighlightColor; }
TColor TExtStringGrid::HighlightTextColor() const { return FP->Colors.FHighlightTextColor; }
TColor TExtStringGrid::URLColor() const { return FP->Colors.FURLColor; }
TPictureContainer* TExtStringGrid::PictureContainer() const { return FP->Colors.FPictureContainer; }
void TExtStringGrid::SetPictureContainer(TPictureContainer* Value) { SetAndInvalidate(FP->Colors.FPictureContainer, Value); }
TColor TExtStringGrid::DisabledFontColor() const { return FP->Colors.FDisabledFontColor; }
void TExtStringGrid::SetDisabledFontColor(TColor Value) { FP->Colors.FDisabledFontColor = Value; }
bool TExtStringGrid::ActiveCellShow() const { return FP->Colors.FActiveCellShow; }
void TExtStringGrid::SetActiveCellShow(bool Value) { SetAndInvalidate(FP->Colors.FActiveCellShow, Value); }
TColor TExtStringGrid::ActiveCellColor() const { return FP->Colors.FActiveCellColor; }
void TExtStringGrid::SetActiveCellColor(TColor Value) { SetAndInvalidate(FP->Colors.FActiveCellColor, Value); }
TColor TExtStringGrid::ActiveCellColorTo() const { return FP->Colors.FActiveCellColorTo; }
void TExtStringGrid::SetActiveCellColorTo(TColor Value) { SetAndInvalidate(FP->Colors.FActiveCellColorTo, Value); }
TColor TExtStringGrid::DAZGradientColor(TFixedGradientColor Which) const { return FP->Colors.FDAZGradient[Which]; }
TColor TExtStringGrid::DAZGradientFrom() const { return FP->Colors.FDAZGradient[fgFrom]; }
TColor TExtStringGrid::DAZGradientTo() const { return FP->Colors.FDAZGradient[fgTo]; }
TColor TExtStringGrid::DAZGradientMirrorFrom() const { return FP->Colors.FDAZGradient[fgMirrorFrom]; }
TColor TExtStringGrid::DAZGradientMirrorTo() const { return FP->Colors.FDAZGradient[fgMirrorTo]; }
TColor TExtStringGrid::ScrollColor() const { return FP->Scrolling.FScrollColor; }
TColor TExtStringGrid::BorderColor() const { return FP->Colors.FBorderColor; }
TGridLook TExtStringGrid::Look() const { return FP->Colors.FLook; }
TScrollType TExtStringGrid::ScrollType() const { return FP->Scrolling.FScrollType; }
int TExtStringGrid::ScrollWidth() const { return FP->Scrolling.FScrollWidth; }
TScrollBarAlways TExtStringGrid::ScrollBarAlways() const { return FP->Scrolling.FScrollBarAlways; }
bool TExtStringGrid::ScrollProportional() const { return FP->Scrolling.FScrollProportional; }
bool TExtStringGrid::ScrollSynch() const { return FP->Scrolling.FScrollSynch; }
void TExtStringGrid::SetScrollSynch(bool Value) { FP->Scrolling.FScrollSynch = Value; }
TScrollHintType TExtStringGrid::ScrollHints() const { return FP->Scrolling.FScrollHints; }
void TExtStringGrid::SetScrollHints(TScrollHintType Value) { FP->Scrolling.FScrollHints = Value; }
bool TExtStringGrid::ShowSelection() const { return FP->Colors.FShowSelection; }
bool TExtStringGrid::HideFocusRect() const { return FP->Colors.FHideFocusRect; }
void TExtStringGrid::SetHideFocusRect(bool Value) { SetAndInvalidate(FP->Colors.FHideFocusRect, Value); }
bool TExtStringGrid::FixedAsButtons() const { return FP->Colors.FFixedAsButtons; }
void TExtStringGrid::SetFixedAsButtons(bool Value) { SetAndInvalidate(FP->Colors.FFixedAsButtons, Value); }
THoverFixedCells TExtStringGrid::HoverFixedCells() const { return FP->Colors.FHoverFixedCells; }
void TExtStringGrid::SetHoverFixedCells(THoverFixedCells Value) { FP->Colors.FHoverFixedCells = Value; }
THintShowLargeTextPos TExtStringGrid::HintShowLargeTextPos() const { return FP->Colors.FHintShowLargeTextPos; }
void TExtStringGrid::SetHintShowLargeTextPos(THintShowLargeTextPos Value) { FP->Colors.FHintShowLargeTextPos = Value; }
bool TExtStringGrid::UseInternalHintClass() const { return FP->Colors.FUseInternalHintClass; }
void TExtStringGrid::SetUseInternalHintClass(bool Value) { FP->Colors.FUseInternalHintClass = Value; }
bool TExtStringGrid::UseDisabledFont() const { return FP->Colors.FUseDisabledFont; }
void TExtStringGrid::SetUseDisabledFont(bool Value) { FP->Colors.FUseDisabledFont = Value; }
bool TExtStringGrid::ShowDesignHelper() const { return FP->Colors.FShowDesignHelper; }
void TExtStringGrid::SetShowDesignHelper(bool Value) { SetAndInvalidate(FP->Colors.FShowDesignHelper, Value); }
bool TExtStringGrid::ShowNullDates() const { return FP->Text.FShowNullDates; }
void TExtStringGrid::SetShowNullDates(bool Value) { FP->Text.FShowNullDates = Value; }
bool TExtStringGrid::IntelliZoom() const { return FP->Scrolling.FIntelliZoom; }
void TExtStringGrid::SetIntelliZoom(bool Value) { FP->Scrolling.FIntelliZoom = Value; }
bool TExtStringGrid::EnableWheel() const { return FP->Scrolling.FEnableWheel; }
void TExtStringGrid::SetEnableWheel(bool Value) { FP->Scrolling.FEnableWheel = Value; }
bool TExtStringGrid::EnhRowColMove() const { return FP->Layout.FEnhRowColMove; }
void TExtStringGrid::SetEnhRowColMove(bool Value) { FP->Layout.FEnhRowColMove = Value; }
bool TExtStringGrid::FitCellsInGrid() const { return FP->Layout.FFitCellsInGrid; }
void TExtStringGrid::SetFitCellsInGrid(bool Value) { FP->Layout.FFitCellsInGrid = Value; }
bool TExtStringGrid::Flat() const { return FP->Colors.FFlat; }
bool TExtStringGrid::IntegralHeight() const { return FP->Layout.FIntegralHeight; }
bool TExtStringGrid::AutoSize() const { return FP->Layout.FAutoSize; }
bool TExtStringGrid::AutoNumAlign() const { return FP->Text.FAutoNumAlign; }
void TExtStringGrid::SetAutoNumAlign(bool Value) { FP->Text.FAutoNumAlign = Value; }
bool TExtStringGrid::AutoThemeAdapt() const { return FP->Colors.FAutoThemeAdapt; }
bool TExtStringGrid::AnchorHint() const { return FP->Text.FAnchorHint; }
void TExtStringGrid::SetAnchorHint(bool Value) { FP->Text.FAnchorHint = Value; }
bool TExtStringGrid::SizeWithForm() const { return FP->Layout.FSizeWithForm; }
void TExtStringGrid::SetSizeWithForm(bool Value) { FP->Layout.FSizeWithForm = Value; }
bool TExtStringGrid::SpreadSheet() const { return FP->EditRules.FSpreadSheet; }
const std::string& TExtStringGrid::FilterDropDownClear() const { return FP->FilterOptions.FFilterDropDownClear; }
void TExtStringGrid::SetFilterDropDownClear(const std::string& Value) { FP->FilterOptions.FFilterDropDownClear = Value; }
TFilterDropDownColumns TExtStringGrid::FilterDropDownColumns() const { return FP->FilterOptions.FFilterDropDownColumns; }
void TExtStringGrid::SetFilterDropDownColumns(TFilterDropDownColumns Value) { FP->FilterOptions.FFilterDropDownColumns = Value; }
bool TExtStringGrid::FilterDropDownAuto() const { return FP->FilterOptions.FFilterDropDownAuto; }
void TExtStringGrid::SetFilterDropDownAuto(bool Value) { FP->FilterOptions.FFilterDropDownAuto = Value; }
bool TExtStringGrid::FilterNormalCellsOnly() const { return FP->FilterOptions.FFilterNormalCellsOnly; }
void TExtStringGrid::SetFilterNormalCellsOnly(bool Value) { FP->FilterOptions.FFilterNormalCellsOnly = Value; }
bool TExtStringGrid::AutoFilterUpdate() const { return FP->FilterOptions.FAutoFilterUpdate; }
void TExtStringGrid::SetAutoFilterUpdate(bool Value) { FP->FilterOptions.FAutoFilterUpdate = Value; }
bool TExtStringGrid::FilterIncremental() const { return FP->FilterOptions.FFilterIncremental; }
void TExtStringGrid::SetFilterIncremental(bool Value) { FP->FilterOptions.FFilterIncremental = Value; }
int TExtStringGrid::MinRowHeight() const { return FP->Layout.FMinRowHeight; }
void TExtStringGrid::SetMinRowHeight(int Value) { FP->Layout.FMinRowHeight = Value; }
int TExtStringGrid::MaxRowHeight() const { return FP->Layout.FMaxRowHeight; }
void TExtStringGrid::SetMaxRowHeight(int Value) { FP->Layout.FMaxRowHeight = Value; }
int TExtStringGrid::MinColWidth() const { return FP->Layout.FMinColWidth; }
void TExtStringGrid::SetMinColWidth(int Value) { FP->Layout.FMinColWidth = Value; }
int TExtStringGrid::MaxColWidth() const { return FP->Layout.FMaxColWidth; }
void TExtStringGrid::SetMaxColWidth(int Value) { FP->Layout.FMaxColWidth = Value; }
bool TExtStringGrid::SizeGrowOnly() const { return FP->Layout.FSizeGrowOnly; }
void TExtStringGrid::SetSizeGrowOnly(bool Value) { FP->Layout.FSizeGrowOnly = Value; }
int TExtStringGrid::ZoomFactor() const { return FP->Layout.FZoomFactor; }
void TExtStringGrid::SetZoomFactor(int Value) { FP->Layout.FZoomFactor = Value; }
int TExtStringGrid::GroupColumn() const { return FP->Layout.FGroupColumn; }
TPoint TExtStringGrid::XYOffset() const { return FP->Text.FXYOffset; }
TEditorSetup& TExtStringGrid::EditorSetup() { return FP->EditRules.FEditorSetup; }
TEditLink* TExtStringGrid::EditLink() const { return FP->EditRules.FEditLink; }
void TExtStringGrid::SetEditLink(TEditLink* Value) { FP->EditRules.FEditLink = Value; }
int TExtStringGrid::GetHorzXYOffset() const { return FP->Text.FXYOffsetTopLeftOnly ? FP->Text.FXYOffset.X : 2 * FP->Text.FXYOffset.X; }
int TExtStringGrid::GetVertXYOffset() const { return FP->Text.FXYOffsetTopLeftOnly ? FP->Text.FXYOffset.Y : 2 * FP->Text.FXYOffset.Y; }
bool TExtStringGrid::XYOffsetTopLeftOnly() const { return FP->Text.FXYOffsetTopLeftOnly; }
void TExtStringGrid::SetXYOffsetTopLeftOnly(bool Value) { SetAndInvalidate(FP->Text.FXYOffsetTopLeftOnly, Value); }
bool TExtStringGrid::Multilinecells() const { return FP->Text.FMultilinecells; }
void TExtStringGrid::SetMultilinecells(bool Value) { SetAndInvalidate(FP->Text.FMultilinecells, Value); }
bool TExtStringGrid::URLShow() const { return FP->Text.FURLShow; }
void TExtStringGrid::SetURLShow(bool Value) { SetAndInvalidate(FP->Text.FURLShow, Value); }
bool TExtStringGrid::URLFull() const { return FP->Text.FURLFull; }
int TExtStringGrid::FilterDropDownRow() const { return FP->FilterOptions.FFilterDropDownRow; }
// Only a fixed row can carry the filter glyphs.
void TExtStringGrid::SetFilterDropDownRow(int Value) {
  if (Value >= 0 && Value < FixedRows()) SetAndInvalidate(FP->FilterOptions.FFilterDropDownRow, Value);
}
bool TExtStringGrid::AlwaysValidate() const { return FP->EditRules.FAlwaysValidate; }
void TExtStringGrid::SetAlwaysValidate(bool Value) { FP->EditRules.FAlwaysValidate = Value; }
bool TExtStringGrid::Lookup() const { return FP->EditRules.FLookup; }
void TExtStringGrid::SetLookup(bool Value) { FP->EditRules.FLookup = Value; }
bool TExtStringGrid::LookupCaseSensitive() const { return FP->EditRules.FLookupCaseSensitive; }
void TExtStringGrid::SetLookupCaseSensitive(bool Value) { FP->EditRules.FLookupCaseSensitive = Value; }
bool TExtStringGrid::LookupHistory() const { return FP->EditRules.FLookupHistory; }
void TExtStringGrid::SetLookupHistory(bool Value) { FP->EditRules.FLookupHistory = Value; }
const std::string& TExtStringGrid::ValidChars() const { return FP->EditRules.FValidChars; }
void TExtStringGrid::SetValidChars(const std::string& Value) { FP->EditRules.FValidChars = Value; }
const std::string& TExtStringGrid::ValidCharSet() const { return FP->EditRules.FValidCharSet; }
void TExtStringGrid::SetValidCharSet(const std::string& Value) { FP->EditRules.FValidCharSet = Value; }
bool TExtStringGrid::ExcelStyleDecimalSeparator() const { return FP->EditRules.FExcelStyleDecimalSeparator; }
void TExtStringGrid::SetExcelStyleDecimalSeparator(bool Value) { FP->EditRules.FExcelStyleDecimalSeparator = Value; }
int TExtStringGrid::MaxComboLength() const { return FP->EditRules.FMaxComboLength; }
void TExtStringGrid::SetMaxComboLength(int Value) { FP->EditRules.FMaxComboLength = Value; }
bool TExtStringGrid::EditWithTags() const { return FP->EditRules.FEditWithTags; }
void TExtStringGrid::SetEditWithTags(bool Value) { FP->EditRules.FEditWithTags = Value; }

}  // namespace hd
