// How a grid goes out of the program: its page set-up for printing and its HTML export.
#pragma once

#include <string>

#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_settings_host.h"
#include "platform/canvas.h"
#include "platform/classes.h"
#include "platform/string_list.h"

namespace hd {

// Where a page item goes: 1 to 3 in the header, 4 to 6 in the footer.
enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
// Which cell and frame lines are printed.
enum TPrintBorders {
  pbNoborder,
  pbSingle,
  pbDouble,
  pbVertical,
  pbHorizontal,
  pbAround,
  pbAroundVertical,
  pbAroundHorizontal,
  pbCustom,
};
// Scaling of the columns to the page width.
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

// The page set-up of one grid's printing and preview. Lengths are tenths of a millimetre.
// Every setter stores; the fonts and title lines are copied into the object's own.
class TPrintSettings : public TPersistent {
 public:
  explicit TPrintSettings(TGridSettingsHost* AOwner) : FGrid(AOwner) {}
  TPrintSettings(const TPrintSettings&) = delete;
  TPrintSettings& operator=(const TPrintSettings&) = delete;
  const char* ClassName() const override { return "TPrintSettings"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  TPrintPosition Time() const { return FTime; }
  void SetTime(TPrintPosition Value) { FTime = Value; }
  TPrintPosition Date() const { return FDate; }
  void SetDate(TPrintPosition Value) { FDate = Value; }
  TPrintPosition PageNr() const { return FPageNr; }
  void SetPageNr(TPrintPosition Value) { FPageNr = Value; }
  // Between page number and page total; empty prints the number only.
  const std::string& PageNumSep() const { return FPageNumSep; }
  void SetPageNumSep(const std::string& Value) { FPageNumSep = Value; }
  const std::string& DateFormat() const { return FDateFormat; }
  void SetDateFormat(const std::string& Value) { FDateFormat = Value; }
  TPrintPosition Title() const { return FTitle; }
  void SetTitle(TPrintPosition Value) { FTitle = Value; }
  // Normal cells when UseDisplayFont is off; its "gh" height is the page's spacing unit.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }
  TFont& HeaderFont() { return FHeaderFont; }
  const TFont& HeaderFont() const { return FHeaderFont; }
  void SetHeaderFont(const TFont& Value) { FHeaderFont = Value; }
  TFont& FooterFont() { return FFooterFont; }
  const TFont& FooterFont() const { return FFooterFont; }
  void SetFooterFont(const TFont& Value) { FFooterFont = Value; }
  TPrintBorders Borders() const { return FBorders; }
  void SetBorders(TPrintBorders Value) { FBorders = Value; }
  TPenStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TPenStyle Value) { FBorderStyle = Value; }
  // A one-line title; when empty the title comes from TitleLines.
  const std::string& TitleText() const { return FTitleText; }
  void SetTitleText(const std::string& Value) { FTitleText = Value; }
  TStringList& TitleLines() { return FTitleLines; }
  const TStringList& TitleLines() const { return FTitleLines; }
  void SetTitleLines(const TStringList& Value);
  // Columns centred on the page width (the left margin is then not applied).
  bool Centered() const { return FCentered; }
  void SetCentered(bool Value) { FCentered = Value; }
  bool RepeatFixedRows() const { return FRepeatFixedRows; }
  void SetRepeatFixedRows(bool Value) { FRepeatFixedRows = Value; }
  bool RepeatFixedCols() const { return FRepeatFixedCols; }
  void SetRepeatFixedCols(bool Value) { FRepeatFixedCols = Value; }
  int FooterSize() const { return FFooterSize; }
  void SetFooterSize(int Value) { FFooterSize = Value; }
  int HeaderSize() const { return FHeaderSize; }
  void SetHeaderSize(int Value) { FHeaderSize = Value; }
  int LeftSize() const { return FLeftSize; }
  void SetLeftSize(int Value) { FLeftSize = Value; }
  int RightSize() const { return FRightSize; }
  void SetRightSize(int Value) { FRightSize = Value; }
  int ColumnSpacing() const { return FColumnSpacing; }
  void SetColumnSpacing(int Value) { FColumnSpacing = Value; }
  int RowSpacing() const { return FRowSpacing; }
  void SetRowSpacing(int Value) { FRowSpacing = Value; }
  int TitleSpacing() const { return FTitleSpacing; }
  void SetTitleSpacing(int Value) { FTitleSpacing = Value; }
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation Value) { FOrientation = Value; }
  const std::string& PagePrefix() const { return FPagePrefix; }
  void SetPagePrefix(const std::string& Value) { FPagePrefix = Value; }
  const std::string& PageSuffix() const { return FPageSuffix; }
  void SetPageSuffix(const std::string& Value) { FPageSuffix = Value; }
  int FixedHeight() const { return FFixedHeight; }
  void SetFixedHeight(int Value) { FFixedHeight = Value; }
  bool UseFixedHeight() const { return FUseFixedHeight; }
  void SetUseFixedHeight(bool Value) { FUseFixedHeight = Value; }
  int FixedWidth() const { return FFixedWidth; }
  void SetFixedWidth(int Value) { FFixedWidth = Value; }
  bool UseFixedWidth() const { return FUseFixedWidth; }
  void SetUseFixedWidth(bool Value) { FUseFixedWidth = Value; }
  TFitToPage FitToPage() const { return FFitToPage; }
  void SetFitToPage(TFitToPage Value) { FFitToPage = Value; }
  // Columns take the grid's screen widths instead of their measured content.
  bool NoAutoSize() const { return FNoAutoSize; }
  void SetNoAutoSize(bool Value) { FNoAutoSize = Value; }
  bool PrintGraphics() const { return FPrintGraphics; }
  void SetPrintGraphics(bool Value) { FPrintGraphics = Value; }
  // Title of the print job handed to the printer.
  const std::string& JobName() const { return FJobName; }
  void SetJobName(const std::string& Value) { FJobName = Value; }
  bool NoAutoSizeRow() const { return FNoAutoSizeRow; }
  void SetNoAutoSizeRow(bool Value) { FNoAutoSizeRow = Value; }
  int PageNumberOffset() const { return FPageNumberOffset; }
  void SetPageNumberOffset(int Value) { FPageNumberOffset = Value; }
  int MaxPagesOffset() const { return FMaxPagesOffset; }
  void SetMaxPagesOffset(int Value) { FMaxPagesOffset = Value; }
  // Fixed cells when UseDisplayFont is off.
  TFont& FixedFont() { return FFixedFont; }
  const TFont& FixedFont() const { return FFixedFont; }
  void SetFixedFont(const TFont& Value) { FFixedFont = Value; }
  // Cells print with the grid's screen fonts.
  bool UseDisplayFont() const { return FUseDisplayFont; }
  void SetUseDisplayFont(bool Value) { FUseDisplayFont = Value; }
  // The printer's orientation is left as it is.
  bool UseDefaultOrientation() const { return FUseDefaultOrientation; }
  void SetUseDefaultOrientation(bool Value) { FUseDefaultOrientation = Value; }
  // When only the selection is printed, fixed rows and columns are printed all the same.
  bool FixedCellsAlways() const { return FFixedCellsAlways; }
  void SetFixedCellsAlways(bool Value) { FFixedCellsAlways = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }

  // Every property but FixedCellsAlways from other print settings; any other source (or
  // none) is an EInvalidCast and copies nothing.
  void Assign(const TPersistent* Source) override;

 private:
  TGridSettingsHost* FGrid;
  TPrintPosition FTime = ppNone;
  TPrintPosition FDate = ppNone;
  TPrintPosition FPageNr = ppNone;
  std::string FPageNumSep = "/";
  std::string FDateFormat = "dd/mm/yyyy";
  TPrintPosition FTitle = ppNone;
  TFont FFont;
  TFont FHeaderFont;
  TFont FFooterFont;
  TPrintBorders FBorders = pbSingle;
  TPenStyle FBorderStyle = psSolid;
  std::string FTitleText;
  TStringList FTitleLines;
  bool FCentered = true;
  bool FRepeatFixedRows = false;
  bool FRepeatFixedCols = false;
  int FFooterSize = 0;
  int FHeaderSize = 0;
  int FLeftSize = 0;
  int FRightSize = 0;
  int FColumnSpacing = 0;
  int FRowSpacing = 0;
  int FTitleSpacing = 0;
  TPrinterOrientation FOrientation = poPortrait;
  std::string FPagePrefix;
  std::string FPageSuffix;
  int FFixedHeight = 0;
  bool FUseFixedHeight = false;
  int FFixedWidth = 0;
  bool FUseFixedWidth = false;
  TFitToPage FFitToPage = fpNever;
  bool FNoAutoSize = false;
  bool FPrintGraphics = false;
  std::string FJobName;
  bool FNoAutoSizeRow = false;
  int FPageNumberOffset = 0;
  int FMaxPagesOffset = 0;
  TFont FFixedFont;
  bool FUseDisplayFont = true;
  bool FUseDefaultOrientation = false;
  bool FFixedCellsAlways = false;
  TColor FBorderColor = clBlack;
};

// How the grid is written as an HTML table. Every setter stores.
class THTMLSettings : public TPersistent {
 public:
  THTMLSettings() : FColWidths(0, 0) {}
  THTMLSettings(const THTMLSettings&) = delete;
  THTMLSettings& operator=(const THTMLSettings&) = delete;
  const char* ClassName() const override { return "THTMLSettings"; }

  // The written file is opened with the system's default handler.
  bool AutoPreview() const { return FAutoPreview; }
  void SetAutoPreview(bool Value) { FAutoPreview = Value; }
  bool ConvertSpecialChars() const { return FConvertSpecialChars; }
  void SetConvertSpecialChars(bool Value) { FConvertSpecialChars = Value; }
  bool NonBreakingText() const { return FNonBreakingText; }
  void SetNonBreakingText(bool Value) { FNonBreakingText = Value; }
  bool SaveColor() const { return FSaveColor; }
  void SetSaveColor(bool Value) { FSaveColor = Value; }
  bool SaveFonts() const { return FSaveFonts; }
  void SetSaveFonts(bool Value) { FSaveFonts = Value; }
  // Files whose lines follow and precede the table.
  const std::string& FooterFile() const { return FFooterFile; }
  void SetFooterFile(const std::string& Value) { FFooterFile = Value; }
  const std::string& HeaderFile() const { return FHeaderFile; }
  void SetHeaderFile(const std::string& Value) { FHeaderFile = Value; }
  int BorderSize() const { return FBorderSize; }
  void SetBorderSize(int Value) { FBorderSize = Value; }
  int CellSpacing() const { return FCellSpacing; }
  void SetCellSpacing(int Value) { FCellSpacing = Value; }
  int CellPadding() const { return FCellPadding; }
  void SetCellPadding(int Value) { FCellPadding = Value; }
  const std::string& TableStyle() const { return FTableStyle; }
  void SetTableStyle(const std::string& Value) { FTableStyle = Value; }
  const std::string& PrefixTag() const { return FPrefixTag; }
  void SetPrefixTag(const std::string& Value) { FPrefixTag = Value; }
  const std::string& SuffixTag() const { return FSuffixTag; }
  void SetSuffixTag(const std::string& Value) { FSuffixTag = Value; }
  const std::string& Summary() const { return FSummary; }
  void SetSummary(const std::string& Value) { FSummary = Value; }
  // Table width in percent.
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  // Column widths written into the cells.
  TIntList& ColWidths() { return FColWidths; }
  const TIntList& ColWidths() const { return FColWidths; }
  bool XHTML() const { return FXHTML; }
  void SetXHTML(bool Value) { FXHTML = Value; }
  bool ExportImages() const { return FExportImages; }
  void SetExportImages(bool Value) { FExportImages = Value; }

  // From other HTML settings all but ExportImages and ColWidths; any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  bool FAutoPreview = false;
  bool FConvertSpecialChars = false;
  bool FNonBreakingText = false;
  bool FSaveColor = true;
  bool FSaveFonts = true;
  std::string FFooterFile;
  std::string FHeaderFile;
  int FBorderSize = 1;
  int FCellSpacing = 0;
  int FCellPadding = 0;
  std::string FTableStyle;
  std::string FPrefixTag;
  std::string FSuffixTag;
  std::string FSummary;
  int FWidth = 100;
  TIntList FColWidths;
  bool FXHTML = false;
  bool FExportImages = true;
};

}  // namespace hd
