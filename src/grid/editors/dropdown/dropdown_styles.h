// The looks a drop-down edit takes from a component style (popup, header, footer and the
// buttons drawn in the popup), the looks of selected items, and the drawing routines the
// drop-down controls share: images with text, recoloured glyphs, measured and fitted text.
#pragma once

#include <optional>
#include <string>

#include "grid/foundation/theme.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/messages.h"

namespace hd {

class TImageList;

enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// What a style gives the popup and its strips; a border left unset keeps the popup's.
struct TDropDownPopupStyle {
  TColor DropDownColor, DropDownColorTo;
  std::optional<TColor> DropDownBorderColor;
  TColor HeaderColor, HeaderColorTo, HeaderFont, HeaderBorderColor;
  TColor FooterColor, FooterColorTo, FooterFont, FooterBorderColor;
};

// What a style gives the push buttons of the popup's strips.
struct TDropDownButtonStyle {
  TColor Color, ColorTo, BorderColor;
  TColor ColorHot, ColorHotTo, BorderColorHot;
  TColor ColorDown, ColorDownTo, BorderColorDown;
  TColor ColorDisabled, ColorDisabledTo;
  TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

// The fill and the six colours of a styled selection.
struct TSelectionStyleColors {
  TColor Color, ColorTo;
  TColor InnerCorner, OuterBorder, InnerBottom, InnerTop;
  TColor MirrorColor, MirrorColorTo;
};

// Nothing for tsCustom, which changes no colour.
std::optional<TDropDownPopupStyle> DropDownPopupStyle(TDAZStyle Style);
std::optional<TDropDownButtonStyle> DropDownButtonStyle(TDAZStyle Style);
// The two selection colours of a preset; nothing for scCustom, which keeps them.
std::optional<std::pair<TColor, TColor>> SelectionPreset(TSelectionColorStyle Style);
// The styled selection's colours for the fill Color..ColorTo (not for scCustom).
TSelectionStyleColors SelectionStyleColors(TSelectionColorStyle Style, TColor Color, TColor ColorTo);

// The selected look of one cell of a row: Part 0 a single cell, 1 the left end, 2 the right
// end, 3 a middle cell; CornerColor is the colour around it. scCustom fills in Color.
void DrawSelectionBackground(TCanvas& Canvas, TSelectionColorStyle Style, TColor Color, TColor ColorTo,
                             const TRect& Rect, int Part, TColor CornerColor);

// The image (when ImageIndex >= 0 and Images are given) 4 pixels in and centred vertically,
// then the text on one line with an ellipsis, centred only without an image.
void DrawImageAndText(TCanvas* Canvas, const TRect& Rect, const std::string& Text, int ImageIndex,
                      const TImageList* Images);
// The glyph with the colour of its top-left pixel shown as Color, copied into Rect.
void DrawGlyphInColor(TCanvas& Canvas, const TBitmap& Glyph, TColor Color, const TRect& Rect);
// The single-line extent of Text in a 1000 x 500 box; (0, 0) for an empty text.
TSize GetTextSize(TCanvas& Canvas, const std::string& Text);
// Text when it fits MaxWidth; else the longest shortening (with "..." when Ellipsis) narrower
// than MaxWidth; Text itself when none is.
std::string FitTextWidth(TCanvas& Canvas, const std::string& Text, int MaxWidth, bool Ellipsis);
// Draws (Draw) or measures markup text in Rect; answers its size, (0, 0) for an empty text.
TSize DrawMarkupText(TCanvas& Canvas, const std::string& Text, const TRect& Rect, HWND Handle, bool Draw,
                     TImageList* Images);
// Text as it stands, or upper-cased by the locale when case does not matter.
std::string MatchCaseText(const std::string& Text, bool CaseSensitive);

}  // namespace hd
