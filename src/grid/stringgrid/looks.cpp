// The grid's appearance presets: looks, styles, colour tones and colour schemes, each setting
// its complete colour set.
#include <optional>

#include "grid/foundation/draw_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/bitmap_resources.h"

namespace hd {

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

// Hover and pressed gradients of a style, written through the control look.
struct TFixedStates {
  TColor HoverFrom, HoverTo, HoverMirrorFrom, HoverMirrorTo, HoverBorder;
  TColor DownFrom, DownTo, DownMirrorFrom, DownMirrorTo, DownBorder;
};

// One style's own values; nullopt leaves what the resets and the look left.
struct TStyleValues {
  std::optional<TGridLook> Look;
  TColor From = clNone, To = clNone, MirrorFrom = clNone, MirrorTo = clNone;
  bool SetMirror = false;
  TColor Active = clNone, ActiveTo = clNone;
  std::optional<TColor> Selection, SelectionTo;
  std::optional<TColor> GridLines, FixedLines;
  std::optional<TFixedStates> States;
  std::optional<TColor> SortFrom, SortTo, SortMirrorFrom, SortMirrorTo;
  // The control look's fixed gradient ends up as clNone.
  bool ClearLookGradient = false;
  std::optional<TGridSelectionStyle> SelStyle;
};

// The columns every style gives: look, gradient, mirror, active cell and selection colours.
TStyleValues Values(std::optional<TGridLook> look, TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo,
                    bool setMirror, TColor active, TColor activeTo, std::optional<TColor> selection = std::nullopt,
                    std::optional<TColor> selectionTo = std::nullopt) {
  TStyleValues v;
  v.Look = look;
  v.From = from;
  v.To = to;
  v.MirrorFrom = mirrorFrom;
  v.MirrorTo = mirrorTo;
  v.SetMirror = setMirror;
  v.Active = active;
  v.ActiveTo = activeTo;
  v.Selection = selection;
  v.SelectionTo = selectionTo;
  return v;
}

constexpr TFixedStates kVistaStates{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993,
                                    0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
constexpr TFixedStates kWin7States{0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3,
                                   0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
constexpr TFixedStates kLunaStates{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87,
                                   0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
constexpr TFixedStates k2010States{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8,
                                   0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};

TStyleValues Office2003(TColor from, TColor to) {
  return Values(glXP, from, to, clNone, clNone, true, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE);
}

TStyleValues Office2010(TColor all, TColor sort, TColor fixedLines) {
  TStyleValues v = Values(glOffice2007, all, all, all, all, true, 0x5BD5FF, 0x71EFFF, 0xFFDBB7);
  v.FixedLines = fixedLines;
  v.States = k2010States;
  v.SortFrom = v.SortTo = v.SortMirrorFrom = v.SortMirrorTo = sort;
  v.ClearLookGradient = true;
  v.SelStyle = ssDefault;
  return v;
}

TStyleValues ValuesOf(TExtGridStyle style) {
  switch (style) {
    case gsOffice2003Blue: return Office2003(0xFCE1CB, 0xE0A57D);
    case gsOffice2003Silver: return Office2003(0xECE2E1, 0xB39698);
    case gsOffice2003Olive: return Office2003(0xCFF0EA, 0x8CC0B1);
    case gsOffice2003Classic: {
      TStyleValues v = Values(glXP, kWhite, 0xCCD4D8, clNone, clNone, true, 0xD8D5D4, 0xD8D5D4);
      v.ClearLookGradient = true;
      return v;
    }
    case gsOffice2007Luna: {
      TStyleValues v = Values(glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, true, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1);
      v.GridLines = 0xF1EDEB;
      v.FixedLines = 0xD1BBA4;
      v.States = kLunaStates;
      return v;
    }
    case gsOffice2007Obsidian: {
      TStyleValues v = Values(glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, true, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1);
      v.GridLines = 0xE5D7D0;
      return v;
    }
    case gsWindowsXP: {
      TStyleValues v = Values(glXP, clBtnFace, clBtnFace, clNone, clNone, true, clBtnFace, clBtnFace);
      v.ClearLookGradient = true;
      return v;
    }
    case gsWhidbey: {
      TStyleValues v = Values(std::nullopt, kWhite, clBtnFace, clNone, clNone, true, 0x94E6FB, 0x1595EE);
      v.ClearLookGradient = true;
      return v;
    }
    case gsOffice2007Silver: {
      TStyleValues v = Values(glOffice2007, 0xF3F3F1, 0xCAC9C8, clNone, clNone, false, 0x99CCFF, 0x699CFF, 0x95C7F5);
      v.GridLines = 0xE5D7D0;
      return v;
    }
    case gsWindowsVista:
    case gsWindows7: {
      bool vista = style == gsWindowsVista;
      TStyleValues v = vista ? Values(glVista, kWhite, kWhite, 0xFAF8F7, 0xF4F2F1, true, 0xFDF8F1, 0xFCEFD5, 0xEACAB6)
                             : Values(glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, true, 0xFCEBDC, 0xFCDBC1, 0xEACAB6);
      v.States = vista ? kVistaStates : kWin7States;
      v.SortFrom = v.SortTo = 0xFCF9F2;
      v.SortMirrorFrom = 0xF9F1E1;
      v.SortMirrorTo = 0xF6ECD8;
      v.ClearLookGradient = true;
      v.SelStyle = vista ? ssVista : ssWin7;
      v.GridLines = 0xECECF0;
      v.FixedLines = 0xD4D2D1;
      return v;
    }
    case gsOffice2010Blue: return Office2010(0xF5E7DA, 0xD6CEC7, 0xC7B0A0);
    case gsOffice2010Silver: return Office2010(0xE8E3DF, 0xAAAAAA, 0xBAB5B1);
    case gsOffice2010Black: return Office2010(0x6A6A6A, 0xBABABA, 0x444444);
    default: return {};
  }
}

}  // namespace

std::string TExtStringGrid::GridLookToString(TGridLook ALook) {
  static constexpr const char* kNames[] = {"glStandard", "glSoft", "glClassic",  "glDAZ",        "glXP",
                                           "glListView", "glVista", "glWin7", "glOffice2007"};
  return ALook >= glStandard && ALook < glCustom ? kNames[ALook] : "";
}

std::string TExtStringGrid::GridLookCaption(TGridLook ALook) {
  static constexpr const char* kCaptions[] = {"Standard", "Soft",          "Classic",   "DAZ",       "Windows XP",
                                              "ListView", "Windows Vista", "Windows 7", "Office2007"};
  return ALook >= glStandard && ALook < glCustom ? kCaptions[ALook] : "";
}

void TExtStringGrid::SetDAZGradientFrom(TColor Value) {
  FP->Colors.FDAZGradient[fgFrom] = ColorToRGB(Value);
  InvalidateGrid();
}

void TExtStringGrid::SetDAZGradientTo(TColor Value) {
  FP->Colors.FDAZGradient[fgTo] = ColorToRGB(Value);
  InvalidateGrid();
}

void TExtStringGrid::SetDAZGradientMirrorFrom(TColor Value) {
  FP->Colors.FDAZGradient[fgMirrorFrom] = ColorToRGB(Value);
  InvalidateGrid();
}

void TExtStringGrid::SetDAZGradientMirrorTo(TColor Value) {
  FP->Colors.FDAZGradient[fgMirrorTo] = ColorToRGB(Value);
  InvalidateGrid();
}

void TExtStringGrid::SetLook(TGridLook Value) {
  if (Value == FP->Colors.FLook) return;
  FP->Colors.FLook = Value;
  TExtStringGridPrivate& p = *FP;
  TControlLook& look = *p.ControlLook;
  if (Value != glCustom) {
    for (TFixedGradientColor c : {fgMirrorFrom, fgMirrorTo, fgFrom, fgTo}) look.SetFixedGradient(c, clNone);
    for (TFixedGradientColor c : {fgFrom, fgTo, fgMirrorFrom, fgMirrorTo}) FP->Colors.FDAZGradient[c] = clNone;
    p.SortSettings->SetHeaderColor(clNone);
  }
  bool loading = Loading();
  switch (Value) {
    case glVista:
      SetStyle(gsWindowsVista);
      p.Style = tsWindowsVista;
      SetSelectionStyle(ssVista);
      break;
    case glWin7:
      SetStyle(gsWindows7);
      p.Style = tsWindows7;
      SetSelectionStyle(ssWin7);
      break;
    case glOffice2007:
      SetStyle(gsOffice2007Luna);
      p.Style = tsOffice2007Luna;
      SetSelectionStyle(ssOffice2007);
      break;
    case glCustom: break;
    default: {
      if (!IsDesigning()) SetEditorsComponentStyle(tsWindowsXP);
      SetSelectionStyle(ssDefault);
      if (loading) break;
      bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
      if (plain) {
        SetFixedColor(clBtnFace);
        look.SetFixedGradientFrom(clBtnFace);
        look.SetFixedGradientTo(clNone);
      } else {
        look.SetFixedGradientFrom(kWhite);
        look.SetFixedGradientTo(clBtnFace);
      }
      SetGridFixedLineColor(0x808080);
      look.SetFixedGradientMirrorFrom(clNone);
      look.SetFixedGradientMirrorTo(clNone);
      FP->Colors.FDAZGradient[fgMirrorFrom] = FP->Colors.FDAZGradient[fgMirrorTo] = clNone;
      SetGridLineColor(0xC0C0C0);
      if (plain || Value == glListView) {
        FP->Colors.FActiveCellColor = 0x808080;
        FP->Colors.FActiveCellColorTo = clNone;
        FP->Colors.FSelectionColor = clHighlight;
        FP->Colors.FSelectionTextColor = clHighlightText;
        p.SearchFooter->SetColor(clBtnFace);
        p.SearchFooter->SetColorTo(clBtnFace);
      } else {
        FP->Colors.FActiveCellColor = 0xEACAB6;
        FP->Colors.FActiveCellColorTo = clNone;
        FP->Colors.FSelectionColor = 0xEACAB6;
        FP->Colors.FSelectionColorTo = clNone;
        FP->Colors.FSelectionTextColor = kBlack;
        p.SearchFooter->SetColor(FP->Colors.FDAZGradient[fgFrom]);
        p.SearchFooter->SetColorTo(FP->Colors.FDAZGradient[fgTo]);
        look.SetFixedGradientFrom(kWhite);
        look.SetFixedGradientTo(Value == glXP ? clBtnFace : 0xC0C0C0);
        look.SetFixedGradientHoverFrom(0xCFD0D1);
        look.SetFixedGradientHoverTo(0xBEC6C8);
        look.SetFixedGradientHoverMirrorFrom(0xBEC6C8);
        look.SetFixedGradientHoverMirrorTo(0xABBCBF);
        look.SetFixedGradientDownFrom(0x868788);
        look.SetFixedGradientDownTo(0x737C7E);
        look.SetFixedGradientDownMirrorFrom(0x737C7E);
        look.SetFixedGradientDownMirrorTo(0x627376);
      }
    }
  }
  SetScrollType(ssNormal);
  SetBorderStyle(bsSingle);
  SetBorderColor(0xB99D7F);
  InvalidateGrid();
  if (!loading) UpdateFooter();
}

void TExtStringGrid::SetStyle(TExtGridStyle AStyle) {
  TExtStringGridPrivate& p = *FP;
  TControlLook& look = *p.ControlLook;
  FP->Colors.FSelectionColor = clHighlight;
  FP->Colors.FSelectionColorTo = clNone;
  FP->Colors.FSelectionTextColor = clHighlightText;
  SetSelectionStyle(ssDefault);
  TSortSettings& sort = *p.SortSettings;
  sort.SetHeaderColor(clNone);
  sort.SetHeaderColorTo(clNone);
  sort.SetHeaderMirrorColor(clNone);
  sort.SetHeaderMirrorColorTo(clNone);
  look.ResetColors();

  TStyleValues v = ValuesOf(AStyle);
  if (AStyle == gsCustom || AStyle == gsTerminal) {
    if (v.Look) SetLook(*v.Look);
    if (AStyle == gsTerminal) SetLook(glStandard);
    InvalidateGrid();
    return;
  }
  if (v.Look) SetLook(*v.Look);
  FP->Colors.FDAZGradient[fgFrom] = ColorToRGB(v.From);
  FP->Colors.FDAZGradient[fgTo] = ColorToRGB(v.To);
  if (v.SetMirror) {
    FP->Colors.FDAZGradient[fgMirrorFrom] = v.MirrorFrom;
    FP->Colors.FDAZGradient[fgMirrorTo] = v.MirrorTo;
  }
  FP->Colors.FActiveCellColor = v.Active;
  FP->Colors.FActiveCellColorTo = v.ActiveTo;
  if (v.Selection) {
    FP->Colors.FSelectionColor = *v.Selection;
    FP->Colors.FSelectionColorTo = v.SelectionTo.value_or(clNone);
    FP->Colors.FSelectionTextColor = kBlack;
  }
  if (AStyle == gsWindows7) {
    // The direct hover gradient of this style, which the control look's values then replace.
    FP->Colors.FDAZGradient[fgHoverFrom] = 0xFDF8F3;
    FP->Colors.FDAZGradient[fgHoverTo] = 0xF9F3EF;
    FP->Colors.FDAZGradient[fgHoverMirrorFrom] = FP->Colors.FDAZGradient[fgHoverMirrorTo] = clNone;
  }
  if (v.SortFrom) {
    sort.SetHeaderColor(*v.SortFrom);
    sort.SetHeaderColorTo(*v.SortTo);
    sort.SetHeaderMirrorColor(*v.SortMirrorFrom);
    sort.SetHeaderMirrorColorTo(*v.SortMirrorTo);
  }
  if (v.States && v.ClearLookGradient && v.SelStyle == ssDefault)
    // The office 2010 styles start from no hover colours at all.
    for (TFixedGradientColor c : {fgHoverFrom, fgHoverTo, fgHoverMirrorFrom, fgHoverMirrorTo, fgHoverBorder})
      FP->Colors.FDAZGradient[c] = clNone;
  if (v.States) {
    const TFixedStates& s = *v.States;
    look.SetFixedGradientHoverFrom(s.HoverFrom);
    look.SetFixedGradientHoverTo(s.HoverTo);
    look.SetFixedGradientHoverMirrorFrom(s.HoverMirrorFrom);
    look.SetFixedGradientHoverMirrorTo(s.HoverMirrorTo);
    look.SetFixedGradientHoverBorder(s.HoverBorder);
    look.SetFixedGradientDownFrom(s.DownFrom);
    look.SetFixedGradientDownTo(s.DownTo);
    look.SetFixedGradientDownMirrorFrom(s.DownMirrorFrom);
    look.SetFixedGradientDownMirrorTo(s.DownMirrorTo);
    look.SetFixedGradientDownBorder(s.DownBorder);
  }
  p.SearchFooter->SetColor(FP->Colors.FDAZGradient[fgFrom]);
  p.SearchFooter->SetColorTo(FP->Colors.FDAZGradient[fgMirrorTo]);
  if (v.ClearLookGradient) {
    look.SetFixedGradientFrom(clNone);
    look.SetFixedGradientTo(clNone);
  } else {
    look.SetFixedGradientFrom(FP->Colors.FDAZGradient[fgFrom]);
    look.SetFixedGradientTo(FP->Colors.FDAZGradient[fgTo]);
  }
  SetGridLineColor(v.GridLines.value_or(0xC0C0C0));
  SetGridFixedLineColor(v.FixedLines.value_or(0x808080));
  if (v.SelStyle)
    SetSelectionStyle(*v.SelStyle);
  else if (AStyle == gsOffice2007Luna && FP->Colors.FLook == glOffice2007)
    SetSelectionStyle(ssOffice2007);
  InvalidateGrid();
}

void TExtStringGrid::SetComponentStyle(TDAZStyle AStyle) {
  FP->Style = AStyle;
  SetStyle(static_cast<TExtGridStyle>(AStyle));
  if (!IsDesigning()) SetEditorsComponentStyle(AStyle);
  if (AStyle != tsCustom && FP->Scrolling.FScrollType == ssMetro) SetScrollType(ssNormal);
}

TDAZStyle TExtStringGrid::GetComponentStyle() const { return FP->Style; }

void TExtStringGrid::SetEditorsComponentStyle(TDAZStyle AStyle) { FP->EditorsStyle = AStyle; }

void TExtStringGrid::SetColorTones(const TColorTones& ATones) {
  TExtStringGridPrivate& p = *FP;
  p.ColorTones = ATones;
  SetLook(glClassic);
  SetFlat(true);
  SetScrollType(ssMetro);
  SetFixedColor(ATones.Foreground.BrushColor);
  FP->Colors.FFixedFont.Color = ATones.Foreground.TextColor;
  FP->Colors.FFixedFont.Name = GetDefaultFontName();
  SetColor(ATones.Background.BrushColor);
  TFont font = Font();
  font.Name = GetDefaultFontName();
  font.Color = ATones.Background.TextColor;
  SetFont(font);
  FP->Colors.FSelectionColor = ATones.Selected.BrushColor;
  FP->Colors.FSelectionTextColor = ATones.Selected.TextColor;
  FP->Colors.FSelectionColorTo = clNone;
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(AdjustBrightness(ATones.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);
  TControlLook& look = *p.ControlLook;
  look.SetControlStyle(csGlyph);
  look.SetCheckedGlyph(BitmapResource("metrocheckon"));
  look.SetUnCheckedGlyph(BitmapResource("metrocheckoff"));
  look.SetRadioOffGlyph(BitmapResource("metroradiooff"));
  look.SetRadioOnGlyph(BitmapResource("metroradioon"));
  look.SetFlatButton(true);
  p.FloatingFooter->SetColor(ATones.Foreground.BrushColor);
  p.SearchFooter->SetColor(ATones.Foreground.BrushColor);
  p.SearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  p.CellNode->SetNodeType(cnFlat);
  InvalidateGrid();
}

void TExtStringGrid::SetTheme(TXPColorScheme Scheme) {
  struct TScheme {
    TColor From, To, MirrorFrom, MirrorTo, FooterFrom, FooterTo, Active, ActiveTo;
  };
  static constexpr TScheme kSchemes[] = {
      {kWhite, clBtnFace, clNone, clNone, kWhite, 0xFFD9B3, kWhite, 0xFFD9B3},
      {0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D, 0x94E6FB, 0x1595EE},
      {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x94E6FB, 0x1595EE},
      {0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE},
      {kWhite, kWhite, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE},
  };
  const TScheme& s = kSchemes[Scheme];
  FP->Colors.FDAZGradient[fgFrom] = ColorToRGB(s.From);
  FP->Colors.FDAZGradient[fgTo] = ColorToRGB(s.To);
  FP->Colors.FDAZGradient[fgMirrorFrom] = s.MirrorFrom;
  FP->Colors.FDAZGradient[fgMirrorTo] = s.MirrorTo;
  FP->SearchFooter->SetColor(s.FooterFrom);
  FP->SearchFooter->SetColorTo(s.FooterTo);
  FP->Colors.FActiveCellColor = s.Active;
  FP->Colors.FActiveCellColorTo = s.ActiveTo;
  TControlLook& look = *FP->ControlLook;
  look.SetFixedGradientFrom(Scheme == xpNone ? clNone : s.From);
  look.SetFixedGradientTo(Scheme == xpNone ? clNone : s.To);
  InvalidateGrid();
}

void TExtStringGrid::SetAutoThemeAdapt(bool Value) {
  if (Value == FP->Colors.FAutoThemeAdapt) return;
  FP->Colors.FAutoThemeAdapt = Value;
  FP->SearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    FollowOfficeTheme();
    InvalidateGrid();
  }
  if (IsDesigning() || Loading() || !HandleAllocated()) return;
  if (TThemeNotifier* notifier = GetThemeNotifier(this)) {
    if (Value)
      notifier->RegisterWindow(Handle());
    else
      notifier->UnRegisterWindow(Handle());
  }
}

void TExtStringGrid::FollowOfficeTheme() {
  if (IsDesigning()) return;
  TOfficeTheme theme = GetOfficeTheme();
  if (theme == FP->PrevOfficeTheme) return;
  static constexpr TDAZStyle kStyles[] = {tsOffice2003Blue,  tsOffice2003Silver, tsOffice2003Olive,
                                          tsOffice2003Classic, tsOffice2007Luna, tsOffice2007Silver,
                                          tsOffice2007Obsidian, tsOffice2010Blue, tsOffice2010Silver,
                                          tsOffice2010Black};
  if (theme == otUnknown) return;
  SetComponentStyle(kStyles[theme]);
  FP->PrevOfficeTheme = theme;
}

}  // namespace hd
