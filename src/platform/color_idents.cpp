#include "platform/color_idents.h"

#include <iterator>

#include "platform/exceptions.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

struct TColorIdent {
  TColor Value;
  const char* Name;
};

// In the order that decides which name a value takes.
constexpr TColorIdent kColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};
static_assert(std::size(kColorIdents) == 52);

}  // namespace

bool ColorToIdent(TColor Color, std::string& Ident) {
  for (const TColorIdent& e : kColorIdents)
    if (e.Value == Color) {
      Ident = e.Name;
      return true;
    }
  return false;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
  for (const TColorIdent& e : kColorIdents)
    if (SameText(Ident, e.Name)) {
      Color = e.Value;
      return true;
    }
  return false;
}

std::string ColorToString(TColor Color) {
  std::string ident;
  if (ColorToIdent(Color, ident)) return ident;
  return "$" + IntToHex(static_cast<std::uint32_t>(Color), 8);
}

TColor StringToColor(const std::string& Text) {
  TColor color = 0;
  if (IdentToColor(Text, color)) return color;
  return StrToInt(Text);
}

}  // namespace hd
