// The column items saved to a stream and read back, in a text format of this program's own:
// a first line naming the format, the item count, then per item one "Key=Value" line for every
// setting an item keeps (texts escaped, lists as their lines). A stream that does not read
// back whole changes no column. And the fonts of the items scaled with the form.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "grid/stringgrid/column_grid.h"
#include "platform/exceptions.h"
#include "platform/streams.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr const char* kFormatLine = "HD58318 column items 1";

std::string Escape(const std::string& s) {
  std::string out;
  for (char ch : s) {
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += ch;
    }
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    char next = s[++i];
    out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

int ToInt(const std::string& s) {
  int v = 0;
  if (!TryStrToInt(s, v)) throw EReadError("Invalid column stream value \"" + s + "\"");
  return v;
}

std::string FontText(const TFont& f) {
  return Escape(f.Name) + "|" + IntToStr(f.Size) + "|" + std::to_string(f.Style.Bits()) + "|" +
         IntToStr(static_cast<int>(f.Color)) + "|" + IntToStr(f.Orientation);
}

TFont TextFont(const std::string& s, TFont f) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar = s.find('|'); bar != std::string::npos; bar = s.find('|', start)) {
    parts.push_back(s.substr(start, bar - start));
    start = bar + 1;
  }
  parts.push_back(s.substr(start));
  if (parts.size() != 5) throw EReadError("Invalid column stream font \"" + s + "\"");
  f.Name = Unescape(parts[0]);
  f.Size = ToInt(parts[1]);
  f.Style = TFontStyles::FromBits(static_cast<std::uint64_t>(ToInt(parts[2])));
  f.Color = static_cast<TColor>(ToInt(parts[3]));
  f.Orientation = ToInt(parts[4]);
  return f;
}

std::string PenText(const TPen& p) {
  return IntToStr(static_cast<int>(p.Color)) + "|" + IntToStr(p.Width) + "|" + IntToStr(static_cast<int>(p.Style));
}

TPen TextPen(const std::string& s, TPen p) {
  size_t a = s.find('|'), b = a == std::string::npos ? a : s.find('|', a + 1);
  if (b == std::string::npos) throw EReadError("Invalid column stream pen \"" + s + "\"");
  p.Color = static_cast<TColor>(ToInt(s.substr(0, a)));
  p.Width = ToInt(s.substr(a + 1, b - a - 1));
  p.Style = static_cast<TPenStyle>(ToInt(s.substr(b + 1)));
  return p;
}

struct TItemProperty {
  const char* Name;
  std::function<std::string(TGridColumnItem&)> Get;
  std::function<void(TGridColumnItem&, const std::string&)> Set;
};

template <class T>
TItemProperty IntProp(const char* name, T (TGridColumnItem::*get)() const, void (TGridColumnItem::*set)(T)) {
  return {name, [get](TGridColumnItem& i) { return IntToStr(static_cast<int>((i.*get)())); },
          [set](TGridColumnItem& i, const std::string& v) { (i.*set)(static_cast<T>(ToInt(v))); }};
}

TItemProperty TextProp(const char* name, const std::string& (TGridColumnItem::*get)() const,
                       void (TGridColumnItem::*set)(const std::string&)) {
  return {name, [get](TGridColumnItem& i) { return Escape((i.*get)()); },
          [set](TGridColumnItem& i, const std::string& v) { (i.*set)(Unescape(v)); }};
}

TItemProperty FontProp(const char* name, const TFont& (TGridColumnItem::*get)() const,
                       void (TGridColumnItem::*set)(const TFont&)) {
  return {name, [get](TGridColumnItem& i) { return FontText((i.*get)()); },
          [get, set](TGridColumnItem& i, const std::string& v) { (i.*set)(TextFont(v, (i.*get)())); }};
}

TItemProperty PenProp(const char* name, const TPen& (TGridColumnItem::*get)() const,
                      void (TGridColumnItem::*set)(const TPen&)) {
  return {name, [get](TGridColumnItem& i) { return PenText((i.*get)()); },
          [get, set](TGridColumnItem& i, const std::string& v) { (i.*set)(TextPen(v, (i.*get)())); }};
}

TItemProperty BordersProp(const char* name, TCellBorders (TGridColumnItem::*get)() const,
                          void (TGridColumnItem::*set)(TCellBorders)) {
  return {name, [get](TGridColumnItem& i) { return std::to_string((i.*get)().Bits()); },
          [set](TGridColumnItem& i, const std::string& v) {
            (i.*set)(TCellBorders::FromBits(static_cast<std::uint64_t>(ToInt(v))));
          }};
}

TItemProperty ListProp(const char* name, TStringList& (TGridColumnItem::*get)()) {
  return {name, [get](TGridColumnItem& i) { return Escape((i.*get)().Text()); },
          [get](TGridColumnItem& i, const std::string& v) { (i.*get)().SetText(Unescape(v)); }};
}

const std::vector<TItemProperty>& ItemProperties() {
  using I = TGridColumnItem;
  static const std::vector<TItemProperty> props{
      IntProp<int>("Width", &I::Width, &I::SetWidth),
      IntProp<TAlignment>("Alignment", &I::Alignment, &I::SetAlignment),
      TextProp("Header", &I::Header, &I::SetHeader),
      IntProp<TSortStyle>("SortStyle", &I::SortStyle, &I::SetSortStyle),
      TextProp("SortPrefix", &I::SortPrefix, &I::SetSortPrefix),
      TextProp("SortSuffix", &I::SortSuffix, &I::SetSortSuffix),
      TextProp("EditMask", &I::EditMask, &I::SetEditMask),
      IntProp<int>("EditLength", &I::EditLength, &I::SetEditLength),
      FontProp("Font", &I::Font, &I::SetFont),
      IntProp<TColor>("Color", &I::Color, &I::SetColor),
      IntProp<TEditorType>("Editor", &I::Editor, &I::SetEditor),
      IntProp<bool>("Fixed", &I::Fixed, &I::SetFixed),
      IntProp<bool>("ReadOnly", &I::ReadOnly, &I::SetReadOnly),
      ListProp("ComboItems", &I::ComboItems),
      IntProp<int>("DropDownCount", &I::DropDownCount, &I::SetDropDownCount),
      IntProp<int>("SpinMin", &I::SpinMin, &I::SetSpinMin),
      IntProp<int>("SpinMax", &I::SpinMax, &I::SetSpinMax),
      IntProp<int>("SpinStep", &I::SpinStep, &I::SetSpinStep),
      IntProp<bool>("Password", &I::Password, &I::SetPassword),
      FontProp("PrintFont", &I::PrintFont, &I::SetPrintFont),
      IntProp<TColor>("PrintColor", &I::PrintColor, &I::SetPrintColor),
      BordersProp("Borders", &I::Borders, &I::SetBorders),
      PenProp("BorderPen", &I::BorderPen, &I::SetBorderPen),
      BordersProp("PrintBorders", &I::PrintBorders, &I::SetPrintBorders),
      PenProp("PrintBorderPen", &I::PrintBorderPen, &I::SetPrintBorderPen),
      IntProp<int>("Tag", &I::Tag, &I::SetTag),
      IntProp<int>("DefIdx", &I::DefIdx, &I::SetDefIdx),
      TextProp("Name", &I::Name, &I::SetName),
      TextProp("CheckFalse", &I::CheckFalse, &I::SetCheckFalse),
      TextProp("CheckTrue", &I::CheckTrue, &I::SetCheckTrue),
      IntProp<bool>("ShowBands", &I::ShowBands, &I::SetShowBands),
      ListProp("Filter", &I::Filter),
      IntProp<int>("MaxSize", &I::MaxSize, &I::SetMaxSize),
      IntProp<int>("MinSize", &I::MinSize, &I::SetMinSize),
      IntProp<int>("AutoMinSize", &I::AutoMinSize, &I::SetAutoMinSize),
      IntProp<int>("AutoMaxSize", &I::AutoMaxSize, &I::SetAutoMaxSize),
      IntProp<TColumnPopupType>("ColumnPopupType", &I::ColumnPopupType, &I::SetColumnPopupType),
      IntProp<bool>("FilterCaseSensitive", &I::FilterCaseSensitive, &I::SetFilterCaseSensitive),
      TextProp("FloatFormat", &I::FloatFormat, &I::SetFloatFormat),
      IntProp<TAlignment>("HeaderAlignment", &I::HeaderAlignment, &I::SetHeaderAlignment),
      FontProp("HeaderFont", &I::HeaderFont, &I::SetHeaderFont),
      IntProp<bool>("PrintBorderCustom", &I::PrintBorderCustom, &I::SetPrintBorderCustom),
      IntProp<bool>("PrintFontCustom", &I::PrintFontCustom, &I::SetPrintFontCustom),
  };
  return props;
}

const TItemProperty* FindProperty(const std::string& name) {
  for (const TItemProperty& p : ItemProperties())
    if (name == p.Name) return &p;
  return nullptr;
}

// Keeps the collection from resizing the grid while it changes, and lets it go again
// whatever happens.
class TQuietColumns {
 public:
  explicit TQuietColumns(TGridColumnCollection& c) : c_(c), saved_(c.NoRecursiveUpdate()) { c_.SetNoRecursiveUpdate(true); }
  ~TQuietColumns() { c_.SetNoRecursiveUpdate(saved_); }
  TQuietColumns(const TQuietColumns&) = delete;
  TQuietColumns& operator=(const TQuietColumns&) = delete;

 private:
  TGridColumnCollection& c_;
  bool saved_;
};

}  // namespace

void TExtColumnGrid::SaveColumnsToStream(TStream& st) {
  std::string out = std::string(kFormatLine) + "\n";
  TGridColumnCollection& columns = *FColumnCollection;
  out += "Count=" + IntToStr(columns.Count()) + "\n";
  for (int i = 0; i < columns.Count(); ++i) {
    out += "[Item]\n";
    for (const TItemProperty& p : ItemProperties()) out += std::string(p.Name) + "=" + p.Get(*columns.Items(i)) + "\n";
  }
  st.WriteString(out);
}

void TExtColumnGrid::LoadColumnsFromStream(TStream& st) {
  std::string text = st.ReadAll();
  // Every line is read and checked before any column changes.
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  if (lines.size() < 2 || lines[0] != kFormatLine || lines[1].rfind("Count=", 0) != 0)
    throw EReadError("Not a stream of column items");
  int count = ToInt(lines[1].substr(6));
  if (count < 0) throw EReadError("Not a stream of column items");
  std::vector<std::vector<std::pair<const TItemProperty*, std::string>>> items;
  for (size_t i = 2; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    if (line == "[Item]") {
      items.emplace_back();
      continue;
    }
    size_t eq = line.find('=');
    if (items.empty() || eq == std::string::npos) throw EReadError("Invalid column stream line " + IntToStr(static_cast<int>(i) + 1));
    // Settings this version does not know are passed over.
    if (const TItemProperty* p = FindProperty(line.substr(0, eq))) items.back().emplace_back(p, line.substr(eq + 1));
  }
  if (static_cast<int>(items.size()) != count) throw EReadError("The column stream holds a different number of items");
  // Values are tried on a loose item first: a value that does not read fails here.
  {
    TGridColumnItem probe(nullptr);
    for (const auto& item : items)
      for (const auto& [p, v] : item) p->Set(probe, v);
  }
  TGridColumnCollection& columns = *FColumnCollection;
  {
    TQuietColumns quiet(columns);
    while (columns.Count() < count) columns.Add();
    while (columns.Count() > count) columns.Delete(columns.Count() - 1);
    for (int i = 0; i < count; ++i)
      for (const auto& [p, v] : items[static_cast<size_t>(i)]) {
        // A width belongs to a column the grid has.
        if (std::string(p->Name) == "Width" && i >= TotalColCount()) continue;
        p->Set(*columns.Items(i), v);
      }
  }
  InvalidateGrid();
}

void TExtColumnGrid::ChangeScale(int M, int D) {
  TExtStringGrid::ChangeScale(M, D);
  if (IsDesigning() || M == D || D == 0) return;
  TGridColumnCollection& columns = *FColumnCollection;
  for (int i = 0; i < ColCount() && i < columns.Count(); ++i) {
    TGridColumnItem& item = *columns.Items(i);
    TFont font = item.Font();
    font.Size = MulDiv(font.Size, M, D);
    item.SetFont(font);
    TFont header = item.HeaderFont();
    header.Size = MulDiv(header.Size, M, D);
    item.SetHeaderFont(header);
  }
}

}  // namespace hd
