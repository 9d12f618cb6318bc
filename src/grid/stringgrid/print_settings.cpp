#include "grid/stringgrid/print_settings.h"

#include "platform/exceptions.h"

namespace hd {

void TPrintSettings::SetTitleLines(const TStringList& Value) {
  if (&Value != &FTitleLines) FTitleLines.Assign(Value);
}

void TPrintSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TPrintSettings*>(Source);
  if (!s) throw EInvalidCast();
  if (s == this) return;
  FTime = s->FTime;
  FDate = s->FDate;
  FPageNr = s->FPageNr;
  FPageNumSep = s->FPageNumSep;
  FDateFormat = s->FDateFormat;
  FTitle = s->FTitle;
  FFont = s->FFont;
  FHeaderFont = s->FHeaderFont;
  FFooterFont = s->FFooterFont;
  FBorders = s->FBorders;
  FBorderStyle = s->FBorderStyle;
  FTitleText = s->FTitleText;
  FTitleLines.Assign(s->FTitleLines);
  FCentered = s->FCentered;
  FRepeatFixedRows = s->FRepeatFixedRows;
  FRepeatFixedCols = s->FRepeatFixedCols;
  FFooterSize = s->FFooterSize;
  FHeaderSize = s->FHeaderSize;
  FLeftSize = s->FLeftSize;
  FRightSize = s->FRightSize;
  FColumnSpacing = s->FColumnSpacing;
  FRowSpacing = s->FRowSpacing;
  FTitleSpacing = s->FTitleSpacing;
  FOrientation = s->FOrientation;
  FPagePrefix = s->FPagePrefix;
  FPageSuffix = s->FPageSuffix;
  FFixedHeight = s->FFixedHeight;
  FUseFixedHeight = s->FUseFixedHeight;
  FFixedWidth = s->FFixedWidth;
  FUseFixedWidth = s->FUseFixedWidth;
  FFitToPage = s->FFitToPage;
  FNoAutoSize = s->FNoAutoSize;
  FPrintGraphics = s->FPrintGraphics;
  FJobName = s->FJobName;
  FNoAutoSizeRow = s->FNoAutoSizeRow;
  FPageNumberOffset = s->FPageNumberOffset;
  FMaxPagesOffset = s->FMaxPagesOffset;
  FFixedFont = s->FFixedFont;
  FUseDisplayFont = s->FUseDisplayFont;
  FUseDefaultOrientation = s->FUseDefaultOrientation;
  FBorderColor = s->FBorderColor;
}

void THTMLSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const THTMLSettings*>(Source);
  if (!s) return;
  FBorderSize = s->FBorderSize;
  FCellSpacing = s->FCellSpacing;
  FCellPadding = s->FCellPadding;
  FSaveColor = s->FSaveColor;
  FSaveFonts = s->FSaveFonts;
  FFooterFile = s->FFooterFile;
  FHeaderFile = s->FHeaderFile;
  FTableStyle = s->FTableStyle;
  FPrefixTag = s->FPrefixTag;
  FSuffixTag = s->FSuffixTag;
  FSummary = s->FSummary;
  FWidth = s->FWidth;
  FXHTML = s->FXHTML;
  FConvertSpecialChars = s->FConvertSpecialChars;
  FAutoPreview = s->FAutoPreview;
  FNonBreakingText = s->FNonBreakingText;
}

}  // namespace hd
