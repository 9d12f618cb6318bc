#include "grid/dataops/print/print_settings_ini.h"

#include <utility>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/print_settings.h"
#include "platform/ini_files.h"

namespace hd {
namespace {

constexpr std::pair<TFontStyle, int> kStyleBits[] = {{fsBold, 1}, {fsItalic, 2}, {fsUnderline, 4}, {fsStrikeOut, 8}};
constexpr const char* kLineBreak = "\\n";

int StyleBits(const TFontStyles& Style) {
  int bits = 0;
  for (auto [style, bit] : kStyleBits)
    if (Style.Contains(style)) bits |= bit;
  return bits;
}

std::string TitleLinesText(const TStringList& Lines) {
  std::string text;
  for (int i = 0; i < Lines.Count(); ++i) {
    for (char c : Lines.Strings(i))
      if (c == '\r')
        text += kLineBreak;
      else if (c != '\n')
        text += c;
    text += kLineBreak;
  }
  return text;
}

void SetTitleLines(TStringList& Lines, const std::string& Text) {
  Lines.Clear();
  std::size_t start = 0;
  for (std::size_t at = Text.find(kLineBreak); at != std::string::npos; at = Text.find(kLineBreak, start)) {
    Lines.Add(Text.substr(start, at - start));
    start = at + 2;
  }
  if (start < Text.size()) Lines.Add(Text.substr(start));
}

class TWriter {
 public:
  TWriter(TMemIniFile& File, const std::string& Section) : F(File), S(Section) {}
  void Int(const char* Key, int Value) { F.WriteInteger(S, Key, Value); }
  void Flag(const char* Key, bool Value) { F.WriteString(S, Key, Value ? "Y" : "N"); }
  void Text(const char* Key, const std::string& Value) { F.WriteString(S, Key, Value); }
  void Font(const std::string& Prefix, const TFont& Font) {
    F.WriteString(S, Prefix + "Name", Font.Name);
    F.WriteInteger(S, Prefix + "Size", Font.Size);
    F.WriteInteger(S, Prefix + "Style", StyleBits(Font.Style));
    F.WriteInteger(S, Prefix + "Color", Font.Color);
  }

 private:
  TMemIniFile& F;
  const std::string& S;
};

class TReader {
 public:
  TReader(const TMemIniFile& File, const std::string& Section) : F(File), S(Section) {}
  int Int(const std::string& Key, int Default) const { return F.ReadInteger(S, Key, Default); }
  // "Y" exactly; any other text is off.
  bool Flag(const char* Key, const char* Default) const { return F.ReadString(S, Key, Default) == "Y"; }
  std::string Text(const std::string& Key, const char* Default = "") const { return F.ReadString(S, Key, Default); }
  // Taken only inside 0 .. Last; else the setting keeps its value.
  template <class E>
  void Choice(const char* Key, int Last, E& Target) const {
    int v = Int(Key, 0);
    if (v >= 0 && v <= Last) Target = static_cast<E>(v);
  }
  TPrintPosition Position(const char* Key) const {
    int v = Int(Key, 0);
    return v >= 1 && v <= 6 ? static_cast<TPrintPosition>(v) : ppNone;
  }
  void Font(const std::string& Prefix, TFont& Font) const {
    Font.Name = Text(Prefix + "Name", "Arial");
    Font.Size = Int(Prefix + "Size", 10);
    int bits = Int(Prefix + "Style", 0);
    for (auto [style, bit] : kStyleBits)
      if (bits & bit) Font.Style.Include(style);
    Font.Color = Int(Prefix + "Color", 0);
  }

 private:
  const TMemIniFile& F;
  const std::string& S;
};

}  // namespace

void WritePrintSettings(const TPrintSettings& P, TMemIniFile& File, const std::string& Section) {
  TWriter w(File, Section);
  w.Int("ColumnSpacing", P.ColumnSpacing());
  w.Int("RowSpacing", P.RowSpacing());
  w.Int("TitleSpacing", P.TitleSpacing());
  w.Int("FixedHeight", P.FixedHeight());
  w.Int("FixedWidth", P.FixedWidth());
  w.Flag("Centered", P.Centered());
  w.Flag("NoAutoSize", P.NoAutoSize());
  w.Flag("UseFixedHeight", P.UseFixedHeight());
  w.Flag("UseFixedWidth", P.UseFixedWidth());
  w.Flag("RepeatFixedRows", P.RepeatFixedRows());
  w.Flag("RepeatFixedCols", P.RepeatFixedCols());
  w.Flag("UseDisplFont", P.UseDisplayFont());
  w.Flag("UseDefOrientation", P.UseDefaultOrientation());
  w.Int("Borders", P.Borders());
  w.Int("BorderColor", P.BorderColor());
  w.Int("BorderStyle", P.BorderStyle());
  w.Int("Date", P.Date());
  w.Int("PageNr", P.PageNr());
  w.Int("Title", P.Title());
  w.Int("Time", P.Time());
  w.Text("DateFormat", P.DateFormat());
  w.Text("TitleText", P.TitleText());
  w.Int("FooterSize", P.FooterSize());
  w.Int("HeaderSize", P.HeaderSize());
  w.Int("LeftSize", P.LeftSize());
  w.Int("RightSize", P.RightSize());
  w.Int("FitToPage", P.FitToPage());
  w.Font("Font", P.Font());
  w.Font("HeaderFont", P.HeaderFont());
  w.Font("FooterFont", P.FooterFont());
  w.Text("PageNumSep", P.PageNumSep());
  w.Text("PageSuffix", P.PageSuffix());
  w.Text("PagePrefix", P.PagePrefix());
  w.Int("Orientation", P.Orientation());
  w.Text("TitleLines", TitleLinesText(P.TitleLines()));
  w.Flag("PrintGraphics", P.PrintGraphics());
}

void ReadPrintSettings(TPrintSettings& P, const TMemIniFile& File, const std::string& Section) {
  TReader r(File, Section);
  P.SetColumnSpacing(r.Int("ColumnSpacing", 20));
  P.SetRowSpacing(r.Int("RowSpacing", 20));
  P.SetTitleSpacing(r.Int("TitleSpacing", 20));
  P.SetFixedHeight(r.Int("FixedHeight", 0));
  P.SetFixedWidth(r.Int("FixedWidth", 0));
  P.SetCentered(r.Flag("Centered", "Y"));
  P.SetNoAutoSize(r.Flag("NoAutoSize", "N"));
  P.SetUseFixedHeight(r.Flag("UseFixedHeight", "N"));
  P.SetUseFixedWidth(r.Flag("UseFixedWidth", "N"));
  P.SetRepeatFixedRows(r.Flag("RepeatFixedRows", "N"));
  P.SetRepeatFixedCols(r.Flag("RepeatFixedCols", "N"));
  P.SetUseDisplayFont(r.Flag("UseDisplFont", "N"));
  P.SetUseDefaultOrientation(r.Flag("UseDefOrientation", "N"));
  P.SetDateFormat(r.Text("DateFormat"));
  P.SetTitleText(r.Text("TitleText"));
  P.SetFooterSize(r.Int("FooterSize", 100));
  P.SetHeaderSize(r.Int("HeaderSize", 100));
  P.SetLeftSize(r.Int("LeftSize", 100));
  P.SetRightSize(r.Int("RightSize", 100));
  P.SetPageNumSep(r.Text("PageNumSep"));
  P.SetPageSuffix(r.Text("PageSuffix"));
  P.SetPagePrefix(r.Text("PagePrefix"));
  P.SetPrintGraphics(r.Flag("PrintGraphics", "N"));
  TPrintBorders borders = P.Borders();
  r.Choice("Borders", pbCustom, borders);
  P.SetBorders(borders);
  // The user and alternate pen styles (7 and 8) are not taken.
  TPenStyle pen = P.BorderStyle();
  r.Choice("BorderStyle", psInsideFrame, pen);
  P.SetBorderStyle(pen);
  P.SetBorderColor(r.Int("BorderColor", 0));
  P.SetDate(r.Position("Date"));
  P.SetPageNr(r.Position("PageNr"));
  P.SetTitle(r.Position("Title"));
  P.SetTime(r.Position("Time"));
  TFitToPage fit = P.FitToPage();
  r.Choice("FitToPage", fpCustom, fit);
  P.SetFitToPage(fit);
  r.Font("Font", P.Font());
  r.Font("HeaderFont", P.HeaderFont());
  r.Font("FooterFont", P.FooterFont());
  SetTitleLines(P.TitleLines(), r.Text("TitleLines"));
  TPrinterOrientation orientation = P.Orientation();
  r.Choice("Orientation", poLandscape, orientation);
  P.SetOrientation(orientation);
}

void SavePrintSettingsToIni(const TPrintSettings& Settings, const std::string& FileName, const std::string& Section) {
  TMemIniFile file(FileName);
  WritePrintSettings(Settings, file, Section);
  file.UpdateFile();
}

void LoadPrintSettingsFromIni(TPrintSettings& Settings, const std::string& FileName, const std::string& Section) {
  TMemIniFile file(FileName);
  ReadPrintSettings(Settings, file, Section);
  file.UpdateFile();
}

void TExtStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section) {
  SavePrintSettingsToIni(PrintSettings(), Key, Section);
}

void TExtStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section) {
  LoadPrintSettingsFromIni(PrintSettings(), Key, Section);
}

}  // namespace hd
