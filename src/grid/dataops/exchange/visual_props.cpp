#include "grid/dataops/exchange/visual_props.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "grid/foundation/settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/look_objects.h"
#include "platform/color_idents.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"

namespace hd {
namespace {

constexpr std::pair<TFontStyle, const char*> kStyleNames[] = {
    {fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}};

// The file's identifiers by ordinal; the look has none for glCustom, written as an empty value.
constexpr std::array<const char*, 7> kControlStyles = {"csClassic", "csFlat", "csWinXP", "csCorvane",
                                                       "csDAZ",     "csGlyph", "csTheme"};
constexpr std::array<const char*, 9> kLooks = {"glStandard", "glSoft",   "glClassic", "glDAZ",       "glXP",
                                               "glListView", "glVista", "glWin7",    "glOffice2007"};
constexpr std::array<const char*, 4> kDisplays = {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
constexpr std::array<const char*, 3> kCells = {"bcNormal", "bcFixed", "bcAll"};

TVisualProp Colour(const char* Key, std::function<TColor()> Get, std::function<void(TColor)> Set) {
  return {Key, [Get] { return ColorToString(Get()); }, [Set](const std::string& t) { Set(VisualTextToColor(t)); }};
}

TVisualProp Boolean(const char* Key, std::function<bool()> Get, std::function<void(bool)> Set) {
  return {Key, [Get] { return BoolToVisualText(Get()); }, [Set](const std::string& t) { Set(VisualTextToBool(t)); }};
}

TVisualProp Integer(const char* Key, std::function<int()> Get, std::function<void(int)> Set) {
  return {Key, [Get] { return IntToStr(Get()); }, [Set](const std::string& t) { Set(StrToInt(t)); }};
}

// An identifier matching none of the names leaves the setting as it is.
template <class E, std::size_t N>
TVisualProp Enumeration(const char* Key, const std::array<const char*, N>& Names, std::function<E()> Get,
                        std::function<void(E)> Set) {
  return {Key,
          [&Names, Get] {
            auto v = static_cast<std::size_t>(Get());
            return v < N ? std::string(Names[v]) : std::string();
          },
          [&Names, Set](const std::string& t) {
            for (std::size_t i = 0; i < N; ++i)
              if (SameText(t, Names[i])) return Set(static_cast<E>(i));
          }};
}

// The four lines of a font, each applied through the font's setter.
void AddFont(std::vector<TVisualProp>& T, const std::string& Prefix, std::function<TFont()> Get,
             std::function<void(const TFont&)> Set) {
  auto change = [Get, Set](auto Edit) {
    TFont f = Get();
    Edit(f);
    Set(f);
  };
  T.push_back(Colour((Prefix + ".Color").c_str(), [Get] { return Get().Color; },
                     [change](TColor c) { change([c](TFont& f) { f.Color = c; }); }));
  T.push_back({Prefix + ".Style", [Get] { return FontStyleToVisualText(Get().Style); },
               [change](const std::string& t) { change([&t](TFont& f) { f.Style = VisualTextToFontStyle(t); }); }});
  T.push_back(Integer((Prefix + ".Size").c_str(), [Get] { return Get().Size; },
                      [change](int s) { change([s](TFont& f) { f.Size = s; }); }));
  T.push_back({Prefix + ".Name", [Get] { return Get().Name; },
               [change](const std::string& t) { change([&t](TFont& f) { f.Name = t; }); }});
}

void AddGridColours(std::vector<TVisualProp>& T, TExtStringGrid& G) {
  T.push_back(Colour("Color", [&G] { return G.Color(); }, [&G](TColor c) { G.SetColor(c); }));
  T.push_back(Colour("HintColor", [&G] { return G.HintColor(); }, [&G](TColor c) { G.SetHintColor(c); }));
  T.push_back(Colour("SelectionColor", [&G] { return G.SelectionColor(); }, [&G](TColor c) { G.SetSelectionColor(c); }));
  T.push_back(Colour("SelectionColorTo", [&G] { return G.SelectionColorTo(); },
                     [&G](TColor c) { G.SetSelectionColorTo(c); }));
  T.push_back(Colour("SelectionMirrorColor", [&G] { return G.SelectionMirrorColor(); },
                     [&G](TColor c) { G.SetSelectionMirrorColor(c); }));
  T.push_back(Colour("SelectionMirrorColorTo", [&G] { return G.SelectionMirrorColorTo(); },
                     [&G](TColor c) { G.SetSelectionMirrorColorTo(c); }));
  T.push_back(Colour("SelectionTextColor", [&G] { return G.SelectionTextColor(); },
                     [&G](TColor c) { G.SetSelectionTextColor(c); }));
  T.push_back(Colour("URLColor", [&G] { return G.URLColor(); }, [&G](TColor c) { G.SetURLColor(c); }));
  T.push_back(Boolean("URLShow", [&G] { return G.URLShow(); }, [&G](bool b) { G.SetURLShow(b); }));
  T.push_back(Boolean("URLShowInText", [&G] { return G.URLShowInText(); }, [&G](bool b) { G.SetURLShowInText(b); }));
  T.push_back(Colour("ScrollColor", [&G] { return G.ScrollColor(); }, [&G](TColor c) { G.SetScrollColor(c); }));
  T.push_back(Colour("ActiveRowColor", [&G] { return G.ActiveRowColor(); }, [&G](TColor c) { G.SetActiveRowColor(c); }));
  T.push_back(Boolean("ActiveRowShow", [&G] { return G.ActiveRowShow(); }, [&G](bool b) { G.SetActiveRowShow(b); }));
  T.push_back(Boolean("ActiveCellShow", [&G] { return G.ActiveCellShow(); }, [&G](bool b) { G.SetActiveCellShow(b); }));
  AddFont(T, "Font", [&G] { return G.Font(); }, [&G](const TFont& f) { G.SetFont(f); });
  T.push_back(Colour("ActiveCellColor", [&G] { return G.ActiveCellColor(); }, [&G](TColor c) { G.SetActiveCellColor(c); }));
  T.push_back(Colour("ActiveCellColorTo", [&G] { return G.ActiveCellColorTo(); },
                     [&G](TColor c) { G.SetActiveCellColorTo(c); }));
  AddFont(T, "ActiveCellFont", [&G] { return G.ActiveCellFont(); }, [&G](const TFont& f) { G.SetActiveCellFont(f); });
  AddFont(T, "FixedFont", [&G] { return G.FixedFont(); }, [&G](const TFont& f) { G.SetFixedFont(f); });
}

void AddSettingsObjects(std::vector<TVisualProp>& T, TExtStringGrid& G) {
  TBalloonSettings& balloon = G.Balloon();
  T.push_back(Colour("Balloon.BackgroundColor", [&balloon] { return balloon.BackgroundColor(); },
                     [&balloon](TColor c) { balloon.SetBackgroundColor(c); }));
  T.push_back(Colour("Balloon.TextColor", [&balloon] { return balloon.TextColor(); },
                     [&balloon](TColor c) { balloon.SetTextColor(c); }));
  T.push_back(Integer("Balloon.Transparency", [&balloon] { return static_cast<int>(balloon.Transparency()); },
                      [&balloon](int v) { balloon.SetTransparency(static_cast<std::uint8_t>(std::clamp(v, 0, 255))); }));
  TBands& bands = G.Bands();
  T.push_back(Colour("Bands.PrimaryColor", [&bands] { return bands.PrimaryColor(); },
                     [&bands](TColor c) { bands.SetPrimaryColor(c); }));
  T.push_back(Colour("Bands.SecondaryColor", [&bands] { return bands.SecondaryColor(); },
                     [&bands](TColor c) { bands.SetSecondaryColor(c); }));
  T.push_back(Boolean("Bands.Active", [&bands] { return bands.Active(); }, [&bands](bool b) { bands.SetActive(b); }));
  TSortSettings& sort = G.SortSettings();
  T.push_back(Colour("SortSettings.IndexColor", [&sort] { return sort.IndexColor(); },
                     [&sort](TColor c) { sort.SetIndexColor(c); }));
  TFloatingFooter& footer = G.FloatingFooter();
  T.push_back(Colour("FloatingFooter.Color", [&footer] { return footer.Color(); },
                     [&footer](TColor c) { footer.SetColor(c); }));
}

void AddControlLook(std::vector<TVisualProp>& T, TControlLook& L) {
  T.push_back(Integer("ControlLook.CheckSize", [&L] { return L.CheckSize(); }, [&L](int v) { L.SetCheckSize(v); }));
  T.push_back(Colour("ControlLook.Color", [&L] { return L.Color(); }, [&L](TColor c) { L.SetColor(c); }));
  T.push_back(Colour("ControlLook.CommentColor", [&L] { return L.CommentColor(); },
                     [&L](TColor c) { L.SetCommentColor(c); }));
  T.push_back(Enumeration<TControlLookStyle>("ControlLook.ControlStyle", kControlStyles,
                                             [&L] { return L.ControlStyle(); },
                                             [&L](TControlLookStyle s) { L.SetControlStyle(s); }));
  T.push_back(Colour("ControlLook.FixedGradientFrom", [&L] { return L.FixedGradientFrom(); },
                     [&L](TColor c) { L.SetFixedGradientFrom(c); }));
  T.push_back(Colour("ControlLook.FixedGradientTo", [&L] { return L.FixedGradientTo(); },
                     [&L](TColor c) { L.SetFixedGradientTo(c); }));
  T.push_back(Integer("ControlLook.RadioSize", [&L] { return L.RadioSize(); }, [&L](int v) { L.SetRadioSize(v); }));
  T.push_back(Boolean("ControlLook.FlatButton", [&L] { return L.FlatButton(); }, [&L](bool b) { L.SetFlatButton(b); }));
  T.push_back(Colour("ControlLook.ProgressBorderColor", [&L] { return L.ProgressBorderColor(); },
                     [&L](TColor c) { L.SetProgressBorderColor(c); }));
  T.push_back(Boolean("ControlLook.ProgressXP", [&L] { return L.ProgressXP(); }, [&L](bool b) { L.SetProgressXP(b); }));
}

void AddGrouping(std::vector<TVisualProp>& T, TGrouping& R) {
  T.push_back(Colour("Grouping.HeaderColor", [&R] { return R.HeaderColor(); }, [&R](TColor c) { R.SetHeaderColor(c); }));
  T.push_back(Colour("Grouping.HeaderColorTo", [&R] { return R.HeaderColorTo(); },
                     [&R](TColor c) { R.SetHeaderColorTo(c); }));
  T.push_back(Colour("Grouping.HeaderTextColor", [&R] { return R.HeaderTextColor(); },
                     [&R](TColor c) { R.SetHeaderTextColor(c); }));
  T.push_back(Boolean("Grouping.HeaderUnderline", [&R] { return R.HeaderUnderline(); },
                      [&R](bool b) { R.SetHeaderUnderline(b); }));
  T.push_back(Colour("Grouping.HeaderLineColor", [&R] { return R.HeaderLineColor(); },
                     [&R](TColor c) { R.SetHeaderLineColor(c); }));
  T.push_back(Integer("Grouping.HeaderLineWidth", [&R] { return R.HeaderLineWidth(); },
                      [&R](int v) { R.SetHeaderLineWidth(v); }));
  T.push_back(Colour("Grouping.SummaryColor", [&R] { return R.SummaryColor(); }, [&R](TColor c) { R.SetSummaryColor(c); }));
  T.push_back(Colour("Grouping.SummaryColorTo", [&R] { return R.SummaryColorTo(); },
                     [&R](TColor c) { R.SetSummaryColorTo(c); }));
  T.push_back(Colour("Grouping.SummaryTextColor", [&R] { return R.SummaryTextColor(); },
                     [&R](TColor c) { R.SetSummaryTextColor(c); }));
  T.push_back(Boolean("Grouping.SummaryLine", [&R] { return R.SummaryLine(); }, [&R](bool b) { R.SetSummaryLine(b); }));
  T.push_back(Colour("Grouping.SummaryLineColor", [&R] { return R.SummaryLineColor(); },
                     [&R](TColor c) { R.SetSummaryLineColor(c); }));
  T.push_back(Integer("Grouping.SummaryLineWidth", [&R] { return R.SummaryLineWidth(); },
                      [&R](int v) { R.SetSummaryLineWidth(v); }));
}

void AddBackGround(std::vector<TVisualProp>& T, TBackGround& B) {
  T.push_back(Integer("BackGround.Top", [&B] { return B.Top(); }, [&B](int v) { B.SetTop(v); }));
  T.push_back(Integer("BackGround.Left", [&B] { return B.Left(); }, [&B](int v) { B.SetLeft(v); }));
  T.push_back(Enumeration<TBackGroundDisplay>("BackGround.Display", kDisplays, [&B] { return B.Display(); },
                                              [&B](TBackGroundDisplay d) { B.SetDisplay(d); }));
  T.push_back(Enumeration<TBackGroundCells>("BackGround.Cells", kCells, [&B] { return B.Cells(); },
                                            [&B](TBackGroundCells c) { B.SetCells(c); }));
  T.push_back(Colour("BackGround.Color", [&B] { return B.Color(); }, [&B](TColor c) { B.SetColor(c); }));
  T.push_back(Colour("BackGround.ColorTo", [&B] { return B.ColorTo(); }, [&B](TColor c) { B.SetColorTo(c); }));
}

}  // namespace

std::string BoolToVisualText(bool Value) { return Value ? "true" : "false"; }

bool VisualTextToBool(const std::string& Text) { return UpperCase(Text) == "TRUE"; }

std::string FontStyleToVisualText(const TFontStyles& Style) {
  std::string text;
  for (auto [style, name] : kStyleNames)
    if (Style.Contains(style)) text += (text.empty() ? "" : ",") + std::string(name);
  return text;
}

TFontStyles VisualTextToFontStyle(const std::string& Text) {
  TFontStyles style;
  for (auto [s, name] : kStyleNames)
    if (Text.find(name) != std::string::npos) style.Include(s);
  return style;
}

TColor VisualTextToColor(const std::string& Text) { return Text.empty() ? clNone : StringToColor(Text); }

void WriteVisualProps(const std::vector<TVisualProp>& Table, const std::string& FileName) {
  std::vector<std::string> lines;
  for (const TVisualProp& p : Table) lines.push_back(p.Key + "=" + p.Value());
  try {
    WriteTextLines(FileName, lines, "\r\n", TTextEncoding::Windows1252);
  } catch (const EInOutError&) {
    throw EFCreateError("Cannot Create " + FileName);
  }
}

void ReadVisualProps(const std::vector<TVisualProp>& Table, const std::string& FileName) {
  std::vector<std::string> lines;
  try {
    lines = ReadTextLines(FileName);
  } catch (const EInOutError&) {
    throw EFOpenError("Cannot open file " + FileName);
  }
  for (const TVisualProp& p : Table) {
    std::string value;
    for (const std::string& line : lines) {
      std::size_t eq = line.find('=');
      if (eq != std::string::npos && SameText(line.substr(0, eq), p.Key)) {
        value = line.substr(eq + 1);
        break;
      }
    }
    p.Apply(value);
  }
}

std::vector<TVisualProp> GridVisualProps(TExtStringGrid& G, bool ForReading) {
  std::vector<TVisualProp> T;
  AddGridColours(T, G);
  AddSettingsObjects(T, G);
  AddControlLook(T, G.ControlLook());
  T.push_back(Enumeration<TGridLook>("Look", kLooks, [&G] { return G.Look(); }, [&G](TGridLook l) { G.SetLook(l); }));
  TSearchFooter& search = G.SearchFooter();
  T.push_back(Colour("SearchFooter.Color", [&search] { return search.Color(); }, [&search](TColor c) { search.SetColor(c); }));
  T.push_back(Colour("SearchFooter.ColorTo", [&search] { return search.ColorTo(); },
                     [&search](TColor c) { search.SetColorTo(c); }));
  std::vector<TVisualProp> gridLines;
  gridLines.push_back(Colour("GridLineColor", [&G] { return G.GridLineColor(); }, [&G](TColor c) { G.SetGridLineColor(c); }));
  gridLines.push_back(Colour("GridFixedLineColor", [&G] { return G.GridFixedLineColor(); },
                             [&G](TColor c) { G.SetGridFixedLineColor(c); }));
  if (ForReading) T.insert(T.end(), gridLines.begin(), gridLines.end());
  AddGrouping(T, G.Grouping());
  if (!ForReading) T.insert(T.end(), gridLines.begin(), gridLines.end());
  AddBackGround(T, G.BackGround());
  return T;
}

void TExtStringGrid::SaveVisualProps(const std::string& FileName) {
  WriteVisualProps(GridVisualProps(*this, false), FileName);
}

void TExtStringGrid::LoadVisualProps(const std::string& FileName) {
  ReadVisualProps(GridVisualProps(*this, true), FileName);
}

}  // namespace hd
