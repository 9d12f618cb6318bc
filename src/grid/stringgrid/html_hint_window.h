// The hint window of markup hints: measures and paints the hint with the markup renderer, or
// as one line of wide text when the hint is packed wide text, and keeps itself on the monitor
// nearest to where it is asked to show.
#pragma once

#include <string>

#include "platform/hint_window.h"
#include "platform/unicode.h"

namespace hd {

class TImageList;
class TPictureContainer;

// The font name packed wide hints are shown in: the grid records its own font's name here
// each time it prepares a cell hint. Empty keeps the hint window's font.
const std::string& HintFontName();
void SetHintFontName(const std::string& Name);

class THTMLHintWindow : public THintWindow {
 public:
  THTMLHintWindow() = default;

  // A packed wide hint measured as one line; any other as markup with word wrap within
  // MaxWidth. AData, when not null, is the TObject that asked for the hint.
  TRect CalcHintRect(int MaxWidth, const std::string& Hint, void* AData) override;
  using THintWindow::CalcHintRect;
  // With a string grid as AData, its picture container serves the hint's pictures.
  void ActivateHintData(const TRect& Rect, const std::string& Hint, void* AData) override;
  // Sizes the window to the text with its margins (8 for packed wide text, 16 for markup),
  // keeps it 2 pixels inside the nearest monitor, and shows it.
  void ActivateHint(const TRect& Rect, const std::string& Hint) override;

  TImageList* Images() const { return FImages; }
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  int TextWidth() const { return FTextWidth; }
  int TextHeight() const { return FTextHeight; }
  const WideString& WideCaption() const { return FWideCaption; }

 protected:
  void Paint() override;

 private:
  bool IsPackedWide(const std::string& Hint) const;
  TSize MeasureWide(const WideString& Text, TRect Within);
  TSize MeasureMarkup(const std::string& Hint, const TRect& Within);

  TImageList* FImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  int FTextHeight = 0;
  int FTextWidth = 0;
  WideString FWideCaption;
  bool FPacked = false;
};

}  // namespace hd
