// The clock's two style tables: the component styles' colours and the twelve preset looks.
#include <algorithm>
#include <array>

#include "grid/editors/watch.h"

namespace hd {

namespace {

// One component style: AM/PM frame and fill, background, dial border, centre point border
// and fill, the marks and hands, the hand shadows and the second hand.
struct TWatchStyleColors {
  TDAZStyle Style;
  TColor AMPMFrame, AMPMFill, BackFrom, BackTo, Border, CentreBorder, CentreFill, Hands, Shadows, Second;
};

constexpr std::array<TWatchStyleColors, 15> kComponentStyles{{
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
    {tsWindowsXP, 0x000000, clBtnFace, clBtnFace, clBtnFace, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x000000},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
}};

void SetFontColor(TWatchAppearance& a, TColor Color) {
  TFont hour = a.HourFont(), ampm = a.AMPMFont();
  hour.Color = ampm.Color = Color;
  a.SetHourFont(hour);
  a.SetAMPMFont(ampm);
}

// "MS Sans Serif" always comes regular.
TFont SansSerif(TFont Font) {
  Font.Name = "MS Sans Serif";
  Font.Style = {};
  return Font;
}

TFont Named(TFont Font, const std::string& Name, int Size, TColor Color = clDefault, bool Bold = false) {
  Font.Name = Name;
  if (Size > 0) Font.Size = Size;
  if (Color != clDefault) Font.Color = Color;
  if (Bold) Font.Style = {fsBold};
  return Font;
}

// Marks and centre points are kept in a byte.
int ByteOf(int Value) { return std::clamp(Value, 0, 255); }

}  // namespace

void ApplyWatchComponentStyle(TWatchAppearance& a, TDAZStyle AStyle) {
  a.SetCenterPointOuterBorderColor(clBlack);
  SetFontColor(a, clBlack);
  const auto row = std::find_if(kComponentStyles.begin(), kComponentStyles.end(),
                                [&](const TWatchStyleColors& r) { return r.Style == AStyle; });
  if (row == kComponentStyles.end()) return;
  a.SetAMPMBorderColor(row->AMPMFrame);
  a.SetAMPMColor(row->AMPMFill);
  a.SetBackgroundColor(row->BackFrom);
  a.SetBackgroundColorTo(row->BackTo);
  a.SetBorderColor(row->Border);
  a.SetCenterPointBorderColor(row->CentreBorder);
  a.SetCenterPointColor(row->CentreFill);
  a.SetHourColor(row->Hands);
  a.SetMinuteColor(row->Hands);
  a.SetHourPointer(row->Hands);
  a.SetMinutePointer(row->Hands);
  a.SetHourPointerShadow(row->Shadows);
  a.SetMinutePointerShadow(row->Shadows);
  a.SetSecondPointer(row->Second);
  if (AStyle == tsOffice2007Obsidian) SetFontColor(a, 0xF2F1F0);
}

void TExtWatch::SetComponentStyle(TDAZStyle AStyle) {
  FDAZStyle = AStyle;
  ApplyWatchComponentStyle(*FAppearance, AStyle);
}

void TExtWatch::SetStyle(TWatchStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  ApplyPreset(Value);
}

void TExtWatch::ApplyPreset(TWatchStyle Value) {
  TWatchAppearance a;
  const int side = std::min(Width(), Height());
  bool showAMPM = false, showNumbers = true;
  bool keepAMPM = false;
  switch (Value) {
    case wsClassic:
      a.SetAMPMFont(SansSerif(a.AMPMFont()));
      a.SetHourFont(Named(a.HourFont(), "Comic Sans MS", 10, clDefault, true));
      a.SetHourMarkLength(8);
      a.SetMinuteMarkLength(4);
      a.SetHourPointer(clBlack);
      a.SetHourPointerSize(5);
      FAnimation = true;
      FAnimationFactor = 10;
      showAMPM = true;
      break;
    case wsTower:
      a.SetAMPMFont(SansSerif(a.AMPMFont()));
      a.SetAMPMFrame(apRect);
      a.SetBorderWidth(1);
      a.SetBackgroundColor(0xB1F0FE);
      a.SetBackgroundColorTo(0x5BCCE8);
      a.SetBackgroundGradient(wgDiagonalForward);
      a.SetCenterPointColor(0x002BD5);
      a.SetCenterPointSize(6);
      a.SetHourFont(Named(a.HourFont(), "Century", 0, clWindowText, true));
      a.SetHourPointer(clBlack);
      a.SetHourPointerSize(5);
      a.SetSecondPointer(0x002BD5);
      a.SetShape(wsRect);
      a.SetPointerStyle(psPointer);
      a.SetAMPMColor(a.BackgroundColor());
      a.SetTickMarks(tmHours);
      showNumbers = false;
      keepAMPM = true;
      break;
    case wsFluorescent:
      a.SetAMPMFont(SansSerif(Named(a.AMPMFont(), "MS Sans Serif", 10, clWindowText)));
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0xFF3E3E);
      a.SetBackgroundColor(clBlack);
      a.SetCenterPointColor(0xFF3E3E);
      a.SetCenterPointBorderColor(clBlack);
      a.SetCenterPointOuterBorderColor(clBlack);
      a.SetCenterPointSize(20);
      a.SetHourFont(SansSerif(Named(a.HourFont(), "MS Sans Serif", 8, clWindowText)));
      a.SetHourColor(0xFF3E3E);
      a.SetHourPointer(0xFF3E3E);
      a.SetMinutePointer(0xFF3E3E);
      a.SetHourMarkLength(10);
      a.SetHourMarkWidth(2);
      a.SetHourPointerSize(2);
      a.SetMinutePointerSize(2);
      a.SetShape(wsRoundRect);
      a.SetHourMarkStyle(hmsQuartDblLine);
      a.SetTickMarks(tmHours);
      showNumbers = false;
      break;
    case wsEmerald:
      a.SetAMPMFont(SansSerif(Named(a.AMPMFont(), "MS Sans Serif", 0, 0xA00000)));
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0x3AE800);
      a.SetBackgroundColor(0x3AE800);
      a.SetBackgroundColorTo(clBlack);
      a.SetBackgroundGradient(wgDiagonalForward);
      a.SetCenterPointBorderColor(0x40FF00);
      a.SetCenterPointColor(0x38E100);
      a.SetCenterPointSize(16);
      a.SetCenterPointOuterBorderColor(clBlack);
      a.SetHourFont(SansSerif(Named(a.HourFont(), "MS Sans Serif", 0, a.BackgroundColor())));
      a.SetHourPointer(0x40FF00);
      a.SetHourPointerSize(5);
      a.SetMinutePointer(0x40FF00);
      a.SetShape(wsRect);
      a.SetPointerStyle(psPointer);
      a.SetAMPMColor(clNone);
      a.SetHourMarkStyle(hmsQuartDblLine);
      a.SetHourColor(a.BackgroundColor());
      a.SetSecondPointer(0x00FFFF);
      a.SetTickMarks(tmHours);
      showNumbers = false;
      break;
    case wsBlueStar:
      a.SetAMPMFont(SansSerif(Named(a.AMPMFont(), "MS Sans Serif", 10, 0xA00000)));
      a.SetAMPMBorderColor(clNone);
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0xFFD5D5);
      a.SetBackgroundColor(0xFFD5D5);
      a.SetBackgroundColorTo(0xA00000);
      a.SetBackgroundGradient(wgRadial);
      a.SetHourFont(SansSerif(Named(a.HourFont(), "MS Sans Serif", 8, a.BackgroundColor())));
      a.SetHourPointer(0xA00000);
      a.SetHourPointerSize(5);
      a.SetMinutePointer(0xA00000);
      a.SetShape(wsRoundRect);
      a.SetPointerStyle(psPointer);
      a.SetAMPMColor(clNone);
      showAMPM = true;
      break;
    case wsFuchsia:
      a.SetAMPMFont(SansSerif(Named(a.AMPMFont(), "MS Sans Serif", 10, clWindowText)));
      a.SetAMPMFrame(apRoundRect);
      a.SetBorderColor(0xFFD0FF);
      a.SetBackgroundColor(clBlack);
      a.SetCenterPointBorderColor(0xDD68DD);
      a.SetCenterPointSize(20);
      a.SetCenterPointOuterBorderColor(clBlack);
      a.SetHourFont(SansSerif(Named(a.HourFont(), "MS Sans Serif", 8, clWindowText)));
      a.SetHourColor(0xFFD0FF);
      a.SetHourPointer(0xFFD0FF);
      a.SetMinutePointer(0xFFD0FF);
      a.SetHourMarkLength(10);
      a.SetHourMarkWidth(2);
      a.SetHourPointerSize(2);
      a.SetMinutePointerSize(2);
      a.SetShape(wsRect);
      a.SetHourMarkStyle(hmsQuartDblLine);
      a.SetSecondPointer(0xDD68DD);
      a.SetTickMarks(tmQuartHours);
      showNumbers = false;
      break;
    case wsBlack:
      a.SetAMPMFont(SansSerif(a.AMPMFont()));
      a.SetBackgroundColor(0x202020);
      a.SetBackgroundColorTo(clNone);
      a.SetBorderColor(clBlack);
      a.SetCenterPointColor(clWhite);
      a.SetCenterPointBorderColor(clWhite);
      a.SetCenterPointOuterBorderColor(clWhite);
      a.SetHourColor(0x585858);
      a.SetMinuteColor(0x585858);
      a.SetHourFont(Named(a.HourFont(), "Century Gothic", 11, clWhite));
      a.SetHourPointer(clWhite);
      a.SetHourPointerSize(5);
      a.SetMinutePointer(clWhite);
      a.SetMinuteMarkLength(4);
      break;
    case wsBlackWhite:
      a.SetBackgroundColor(clWhite);
      a.SetBackgroundColorTo(clNone);
      a.SetBorderColor(clBlack);
      a.SetBorderWidth(8);
      a.SetCenterPointColor(clBlack);
      a.SetCenterPointSize(8);
      a.SetCenterPointOuterBorderColor(clBlack);
      a.SetHourColor(0x585858);
      a.SetHourFont(Named(a.HourFont(), "Century Gothic", 14, clBlack, true));
      a.SetHourPointer(clBlack);
      a.SetMinutePointer(clBlack);
      a.SetHourPointerSize(5);
      a.SetMinuteMarkLength(4);
      a.SetSecondPointer(0x000080);
      a.SetPointerStyle(psPointer);
      a.SetTickMarks(tmQuartHours);
      break;
    case wsGray:
      a.SetAMPMFont(SansSerif(Named(a.AMPMFont(), "MS Sans Serif", 10)));
      a.SetBackgroundColor(0xD1D1D1);
      a.SetBackgroundColorTo(0x6C6C6C);
      a.SetBackgroundGradient(wgRadial);
      a.SetBorderColor(0x454545);
      a.SetCenterPointBorderColor(0x454545);
      a.SetCenterPointColor(clBlack);
      a.SetCenterPointOuterBorderColor(clNone);
      a.SetHourColor(clBlack);
      a.SetHourFont(Named(a.HourFont(), "Comic Sans MS", 8));
      a.SetHourPointer(0x4E4E4E);
      a.SetMinutePointer(0x4E4E4E);
      a.SetHourPointerSize(1);
      a.SetMinutePointerSize(1);
      a.SetHourPointerShadow(clNone);
      a.SetMinutePointerShadow(clNone);
      a.SetMinuteColor(0x808080);
      a.SetSecondPointer(0x0000FF);
      showAMPM = true;
      break;
    case wsSuperNova:
      a.SetBackgroundColorTo(0xD1D3D3);
      a.SetBorderColor(clNone);
      a.SetCenterPointOuterBorderColor(clBlack);
      a.SetCenterPointSize(10);
      a.SetHourMarkLength(ByteOf(RoundEven(side / 4.5)));
      a.SetMinuteMarkLength(ByteOf(side / 3));
      a.SetMinuteColor(0x808080);
      a.SetHourPointer(clBlack);
      a.SetMinutePointer(clBlack);
      showNumbers = false;
      break;
    case wsSports:
      a.SetBackgroundColor(clBlack);
      a.SetBackgroundColorTo(clNone);
      a.SetBorderColor(clBlack);
      a.SetBorderWidth(1);
      a.SetCenterPointBorderColor(0xFF0000);
      a.SetCenterPointOuterBorderColor(clBlack);
      a.SetCenterPointColor(0x191919);
      a.SetCenterPointSize(ByteOf(RoundEven(side / 3.6)));
      a.SetHourColor(0xABB0B1);
      a.SetHourFont(Named(a.HourFont(), "Times New Roman", 9, 0x797979));
      a.SetHourPointer(0x0000FF);
      a.SetMinutePointer(0x00FFFF);
      a.SetHourPointerSize(2);
      a.SetMinutePointerSize(2);
      a.SetHourPointerShadow(clNone);
      a.SetMinutePointerShadow(clNone);
      a.SetMinuteColor(0x808080);
      a.SetMinuteMarkLength(1);
      a.SetSecondPointer(0x188BFE);
      a.SetTickMarks(tmQuartHours);
      break;
    case wsSmooth:
      a.SetBackgroundColor(clWhite);
      a.SetBackgroundColorTo(0xABB0B1);
      a.SetBorderColor(0x585858);
      a.SetBorderWidth(1);
      a.SetCenterPointBorderColor(clBlack);
      a.SetCenterPointOuterBorderColor(0x4A4A4A);
      a.SetCenterPointColor(clWhite);
      a.SetCenterPointSize(6);
      a.SetHourColor(0xABB0B1);
      a.SetHourFont(Named(a.HourFont(), "Times New Roman", 9, 0x797979));
      a.SetHourPointer(0x4A4A4A);
      a.SetMinutePointer(0x4A4A4A);
      a.SetHourPointerSize(2);
      a.SetMinutePointerSize(2);
      a.SetHourPointerShadow(0xB2B2B2);
      a.SetMinutePointerShadow(0xB2B2B2);
      a.SetMinuteColor(0x808080);
      a.SetMinuteMarkLength(1);
      a.SetSecondPointer(0x4A4A4A);
      a.SetTickMarks(tmQuartHours);
      break;
  }
  FAppearance->Assign(&a);
  if (!keepAMPM) SetShowAMPM(showAMPM);
  SetShowNumbers(showNumbers);
}

}  // namespace hd
