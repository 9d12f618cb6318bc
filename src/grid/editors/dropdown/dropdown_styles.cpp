#include "grid/editors/dropdown/dropdown_styles.h"

#include <cstdint>
#include <utility>

#include "grid/foundation/draw_utils.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "platform/image_list.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

// System colours are written as the platform numbers them (0xFF0000nn).
constexpr TColor C(std::uint32_t v) { return static_cast<TColor>(v); }
constexpr std::optional<TColor> kKeep = std::nullopt;

struct PopupRow {
  TDAZStyle style;
  TDropDownPopupStyle colors;
};

constexpr PopupRow kPopupStyles[] = {
    {tsOffice2003Blue, {C(0xFFFFFF), clNone, kKeep, C(0xFCE1CB), C(0xE0A57D), C(0x000000), C(0x000000), C(0xFCE1CB), C(0xE0A57D), C(0x000000), C(0x962D00)}},
    {tsOffice2003Silver, {C(0xFFFFFF), clNone, kKeep, C(0xECE2E1), C(0xB39698), C(0x000000), C(0x947C7C), C(0xECE2E1), C(0xB39698), C(0x000000), C(0x947C7C)}},
    {tsOffice2003Olive, {C(0xFFFFFF), clNone, clNone, C(0xCFF0EA), C(0x8CC0B1), C(0x000000), C(0x588060), C(0xCFF0EA), C(0x8CC0B1), C(0x000000), C(0x588060)}},
    {tsOffice2003Classic, {C(0xF2F2F2), C(0xF2F2F2), clNone, C(0x808080), C(0x808080), C(0xFFFFFF), C(0x808080), C(0x808080), C(0x808080), C(0xFFFFFF), C(0x808080)}},
    {tsOffice2007Luna, {C(0xF3E5DA), C(0xF0DED0), clNone, C(0xFFEFE3), C(0xFFD2AF), C(0x723708), C(0xFFD2AF), C(0xFFEFE3), C(0xFFD2AF), C(0x723708), C(0xFFD2AF)}},
    {tsOffice2007Obsidian, {C(0xFFFFFF), clNone, clNone, C(0xF2F1F0), C(0xC9C2BD), C(0x433C37), C(0x5C534C), C(0xF2F1F0), C(0xC9C2BD), C(0x433C37), C(0x5C534C)}},
    {tsWindowsXP, {C(0xFFFFFF), clNone, kKeep, C(0xFFFFFF), C(0xFF00000F), C(0x000000), C(0x808080), C(0xFFFFFF), C(0xFF00000F), C(0x000000), C(0x808080)}},
    {tsWhidbey, {C(0xF5F9FA), C(0xF5F9FA), clNone, C(0xEBEEEF), C(0x7E9898), C(0xFFFFFF), C(0x962D00), C(0xEBEEEF), C(0x7E9898), C(0xFFFFFF), C(0x962D00)}},
    {tsOffice2007Silver, {C(0xF8F4F1), C(0xF0E8E3), clNone, C(0xF8F7F6), C(0xE8E0DB), C(0x8B4215), C(0x74706F), C(0xF8F7F6), C(0xE8E0DB), C(0x8B4215), C(0x74706F)}},
    {tsWindowsVista, {C(0xFFFFFF), C(0xFFFFFF), C(0x979797), C(0xFFFDF9), C(0xFFFAF0), C(0x000000), C(0xFCF2DA), C(0xFFFAF0), C(0xFFFDF9), C(0x000000), C(0xFCF2DA)}},
    {tsWindows7, {C(0xFFFFFF), C(0xFFFFFF), C(0x979797), C(0xFDFBFA), C(0xFDF3EB), C(0x000000), C(0xFBD6B8), C(0xFDFBFA), C(0xFDF3EB), C(0x000000), C(0xFBD6B8)}},
    {tsTerminal, {C(0xFFFFFF), C(0xFFFFFF), C(0x808080), C(0xFF00000F), C(0xFF00000F), C(0x000000), clNone, C(0xFF00000F), C(0xFF00000F), C(0x000000), clNone}},
    {tsOffice2010Blue, {C(0xFFFFFF), C(0xF1EFED), C(0xEDEDEC), C(0xFDF6EF), C(0xF0DAC7), C(0x5B391E), C(0xC7B29F), C(0xFDF6EF), C(0xF0DAC7), C(0x5B391E), C(0xC7B29F)}},
    {tsOffice2010Silver, {C(0xFFFFFF), C(0xF1EFED), C(0xEDEDEC), C(0xFFFFFF), C(0xEDE5E0), C(0x5B391E), C(0xD2CDC8), C(0xFFFFFF), C(0xEDE5E0), C(0x5B391E), C(0xD2CDC8)}},
    {tsOffice2010Black, {C(0xFFFFFF), C(0xF1EFED), C(0xEDEDEC), C(0xBFBFBF), C(0x919191), C(0xD7D7D6), C(0x6D6D6D), C(0xBFBFBF), C(0x919191), C(0xD7D7D6), C(0x6D6D6D)}},
};

struct FaceRow {
  TDAZStyle style;
  TColor color, colorTo, border;
};

constexpr FaceRow kButtonFaces[] = {
    {tsOffice2003Blue, C(0xFCE1CB), C(0xE0A57D), clNone},
    {tsOffice2003Silver, C(0xECE2E1), C(0xB39698), clNone},
    {tsOffice2003Olive, C(0xCFF0EA), C(0x8CC0B1), clNone},
    {tsOffice2003Classic, C(0xFFFFFF), C(0xC9D1D5), clNone},
    {tsOffice2007Luna, C(0xFFEFE3), C(0xFFDDC4), clNone},
    {tsOffice2007Obsidian, C(0xF2F1F0), C(0xC9C2BD), clNone},
    {tsWindowsXP, C(0xFFFFFF), C(0xFF00000F), clNone},
    {tsWhidbey, C(0xFFFFFF), C(0xDFEDF0), clNone},
    {tsOffice2007Silver, C(0xF9F8F8), C(0xE4E2DF), clNone},
    {tsWindowsVista, C(0xFFFDF9), C(0xFFFAF0), C(0xFCF2DA)},
    {tsWindows7, C(0xFDFBFA), C(0xFDF3EB), C(0xFBD6B8)},
    {tsTerminal, C(0xFF00000F), C(0xFF00000F), clNone},
    {tsOffice2010Blue, C(0xFDF6EF), C(0xF0DAC7), C(0xC7B29F)},
    {tsOffice2010Silver, C(0xFFFFFF), C(0xEDE5E0), C(0xD2CDC8)},
    {tsOffice2010Black, C(0xBFBFBF), C(0x919191), C(0xD7D7D6)},
};

// The state colours by group: Office, 2003 Classic, XP, Vista, 7, Terminal, 2010.
struct StateColors {
  TColor hot, hotTo, borderHot, down, downTo, borderDown, disabled, disabledTo, checked, checkedTo, borderChecked;
};

constexpr StateColors kStateGroups[] = {
    {C(0xEBFDFF), C(0xACECFF), C(0x99CEDB), C(0xAAD9FF), C(0x6EBBFF), C(0x42AEFE), C(0xF2F2F2), C(0xB6B6B6), C(0x76AFF1), C(0x4190F3), C(0x45667B)},
    {C(0xD2BDB6), C(0xD2BDB6), C(0x808080), C(0xB59285), C(0xB59285), C(0x808080), C(0xD8D5D4), C(0xD8D5D4), C(0xD8D5D4), C(0xD8D5D4), C(0x808080)},
    {C(0xEFD3C6), C(0xEFD3C6), C(0xFF00000D), C(0xFF000003), C(0xFF000003), C(0xFF00000D), C(0xB6B6B6), C(0xB6B6B6), C(0xB9D8DC), C(0xB9D8DC), C(0x000000)},
    {C(0xFEF9F0), C(0xFFFAF0), C(0xFCF2DA), C(0xFEF9F0), C(0xFDF0D7), C(0xFEDF9A), C(0xFFFFFF), C(0xFFFFFF), C(0xFEF9F0), C(0xFDF0D7), C(0xFEDF9A)},
    {C(0xFDFBFA), C(0xFDF3EB), C(0xFBD6B8), C(0xFCEBDC), C(0xFCDBC1), C(0xCEA27D), C(0xFFFFFF), C(0xFFFFFF), C(0xFEF9F0), C(0xFCDBC1), C(0xCEA27D)},
    {C(0xC0C0C0), C(0xC0C0C0), C(0x808080), C(0xFF00000D), C(0xFF00000D), C(0x808080), C(0xFF00000F), C(0xFF00000F), C(0xFF00000F), C(0xFF00000F), C(0xFF00000D)},
    {C(0x8AE3FD), clNone, C(0x58CAF1), C(0x6CD0FF), clNone, C(0x308AC2), C(0xF2F2F2), C(0xB6B6B6), C(0x45E1FE), clNone, C(0x4FA0CE)},
};

const StateColors& StateGroup(TDAZStyle style) {
  switch (style) {
    case tsOffice2003Classic: return kStateGroups[1];
    case tsWindowsXP: return kStateGroups[2];
    case tsWindowsVista: return kStateGroups[3];
    case tsWindows7: return kStateGroups[4];
    case tsTerminal: return kStateGroups[5];
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black: return kStateGroups[6];
    default: return kStateGroups[0];
  }
}

}  // namespace

std::optional<TDropDownPopupStyle> DropDownPopupStyle(TDAZStyle Style) {
  for (const PopupRow& row : kPopupStyles)
    if (row.style == Style) return row.colors;
  return std::nullopt;
}

std::optional<TDropDownButtonStyle> DropDownButtonStyle(TDAZStyle Style) {
  for (const FaceRow& face : kButtonFaces) {
    if (face.style != Style) continue;
    const StateColors& s = StateGroup(Style);
    return TDropDownButtonStyle{face.color,  face.colorTo,    face.border,     s.hot,       s.hotTo,
                                s.borderHot, s.down,          s.downTo,        s.borderDown, s.disabled,
                                s.disabledTo, s.checked,      s.checkedTo,     s.borderChecked};
  }
  return std::nullopt;
}

std::optional<std::pair<TColor, TColor>> SelectionPreset(TSelectionColorStyle Style) {
  switch (Style) {
    case scOffice2007: return std::pair{C(0xD7FFFD), C(0x58D4FC)};
    case scWindowsVista: return std::pair{C(0xFDF8F1), C(0xFCEFD5)};
    case scWindows7: return std::pair{C(0xFCEBDC), C(0xFCDBC1)};
    case scCustom: break;
  }
  return std::nullopt;
}

TSelectionStyleColors SelectionStyleColors(TSelectionColorStyle Style, TColor Color, TColor ColorTo) {
  switch (Style) {
    case scWindowsVista: return {Color, ColorTo, C(0xFCEDCB), C(0xFDDE99), C(0xFDF5E7), C(0xFDFBF6), clNone, clNone};
    case scWindows7: return {Color, ColorTo, C(0xE0C5AE), C(0xCEA27D), C(0xFDEADB), C(0xFDF4EB), clNone, clNone};
    default: return {Color, ColorTo, C(0xC3D9DF), C(0x8DD7D3), C(0xCAF8FF), C(0xF4FEFF), C(0x58D4FC), C(0xB3F1FC)};
  }
}

void DrawSelectionBackground(TCanvas& Canvas, TSelectionColorStyle Style, TColor Color, TColor ColorTo,
                             const TRect& Rect, int Part, TColor CornerColor) {
  if (Style == scCustom) {
    Canvas.Brush() = TBrush{Color, bsSolid};
    Canvas.Pen().Color = Color;
    Canvas.Rectangle(Rect);
    return;
  }
  const TSelectionStyleColors s = SelectionStyleColors(Style, Color, ColorTo);
  DrawStyledSelection(Canvas, s.Color, s.ColorTo, s.MirrorColor, s.MirrorColorTo, s.InnerTop, s.InnerBottom,
                      s.OuterBorder, s.InnerCorner, CornerColor, Rect, Part);
}

void DrawImageAndText(TCanvas* Canvas, const TRect& Rect, const std::string& Text, int ImageIndex,
                      const TImageList* Images) {
  if (!Canvas) return;
  TRect r = Rect;
  const bool image = ImageIndex >= 0 && Images;
  if (image) {
    Images->Draw(*Canvas, Rect.Left + 4, Rect.Top + (Rect.Height() - Images->Height()) / 2, ImageIndex);
    r.Left = Rect.Left + Images->Width() + 8;
  }
  if (Text.empty()) return;
  Canvas->SetBkMode(bkTransparent);
  Canvas->DrawText(Text, r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (image ? 0u : DT_CENTER));
}

void DrawGlyphInColor(TCanvas& Canvas, const TBitmap& Glyph, TColor Color, const TRect& Rect) {
  if (Glyph.Empty()) return;
  TBitmap copy(Glyph.Width(), Glyph.Height());
  TBitmap source = Glyph;
  const TColor key = source.Canvas().Pixel(0, 0);
  copy.Canvas().Brush() = TBrush{Color, bsSolid};
  const TRect all{0, 0, Glyph.Width(), Glyph.Height()};
  copy.Canvas().BrushCopy(all, Glyph, all, key);
  Canvas.CopyRect(Rect, copy.Canvas(), all);
}

TSize GetTextSize(TCanvas& Canvas, const std::string& Text) {
  if (Text.empty()) return {0, 0};
  TRect r{0, 0, 1000, 500};
  Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
  return {r.Width(), r.Height()};
}

std::string FitTextWidth(TCanvas& Canvas, const std::string& Text, int MaxWidth, bool Ellipsis) {
  if (GetTextSize(Canvas, Text).cx <= MaxWidth) return Text;
  std::u32string chars = Utf8ToCodePoints(Text);
  while (!chars.empty()) {
    chars.pop_back();
    std::string candidate = CodePointsToUtf8(chars) + (Ellipsis ? "..." : "");
    if (GetTextSize(Canvas, candidate).cx < MaxWidth) return candidate;
  }
  return Text;
}

TSize DrawMarkupText(TCanvas& Canvas, const std::string& Text, const TRect& Rect, HWND Handle, bool Draw,
                     TImageList* Images) {
  if (Text.empty()) return {0, 0};
  TMarkupCall call;
  call.Rect = Rect;
  call.Images = Images;
  call.MeasureOnly = !Draw;
  call.WindowHandle = Handle;
  TMarkupResult result;
  DrawMarkup(Canvas, Text, call, result);
  return {result.XSize, result.YSize};
}

std::string MatchCaseText(const std::string& Text, bool CaseSensitive) {
  return CaseSensitive ? Text : AnsiUpperCase(Text);
}

}  // namespace hd
