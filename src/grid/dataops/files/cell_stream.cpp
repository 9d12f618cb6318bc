// The binary cell stream.
#include "grid/dataops/files/cell_stream.h"

#include <array>
#include <memory>
#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "grid/dataops/files/save_range.h"
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/lists.h"
#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/icon.h"
#include "platform/picture.h"
#include "platform/property_stream.h"
#include "platform/string_list.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Enumerations by the names of their values, in ordinal order.
constexpr std::array kAlignments{"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array kVAlignments{"vtaTop", "vtaCenter", "vtaBottom"};
constexpr std::array kBrushStyles{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                  "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
constexpr std::array kGradients{"GradientVertical", "GradientHorizontal"};
constexpr std::array kFontStyles{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::array kCellHAligns{"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
constexpr std::array kCellVAligns{"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::array kCheckStates{"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr std::array kCellTypes{
    "ctBitmap",       "ctIcon",           "ctNone",        "ctImageList",   "ctCheckBox",     "ctDataCheckBox",
    "ctRotated",      "ctDataImage",      "ctNode",        "ctRadio",       "ctEmpty",        "ctImages",
    "ctPicture",      "ctFilePicture",    "ctValue",       "ctProgress",    "ctComment",      "ctButton",
    "ctBitButton",    "ctVirtCheckBox",   "ctRowCheckBox", "ctProgressPie", "ctSummary",      "ctRangeIndicator",
    "ctXPProgress",   "ctInterface",      "ctScrollbar",   "ctRadioButton", "ctBalloon",      "ctShape",
    "ctRating",       "ctTriStateCheckBox", "ctExpand"};
constexpr std::array kEditors{
    "edNormal",          "edSpinEdit",           "edComboEdit",         "edComboList",
    "edEditBtn",         "edCheckBox",           "edDateEdit",          "edDateEditUpDown",
    "edTimeEdit",        "edButton",             "edDataCheckBox",      "edNumeric",
    "edPositiveNumeric", "edFloat",              "edCapital",           "edMixedCase",
    "edPassword",        "edUnitEditBtn",        "edLowerCase",         "edUpperCase",
    "edFloatSpinEdit",   "edTimeSpinEdit",       "edDateSpinEdit",      "edNumericEditBtn",
    "edFloatEditBtn",    "edCustom",             "edRichEdit",          "edNone",
    "edDateTimeEdit",    "edValidChars",         "edTrackbarDropDown",  "edMemoDropDown",
    "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown",
    "edColorPickerDropDown", "edImagePickerDropDown", "edExtGridDropDown", "edPositiveFloat",
    "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
static_assert(kCellTypes.size() == ctExpand + 1);
static_assert(kEditors.size() == kEditorTypeCount);

template <std::size_t N>
std::string NameOf(const std::array<const char*, N>& Names, int Value) {
  return Value >= 0 && static_cast<std::size_t>(Value) < N ? Names[static_cast<std::size_t>(Value)] : std::string();
}

// The ordinal of a value's name; EReadError for a name the enumeration lacks.
template <std::size_t N>
int OrdinalOf(const std::array<const char*, N>& Names, const TPropertyValue& V) {
  const std::string& name = V.AsIdent();
  for (std::size_t i = 0; i < N; ++i)
    if (SameText(name, Names[i])) return static_cast<int>(i);
  throw EReadError("Invalid property value " + name + " of " + V.Name);
}

// A record of the class expected; EReadError for another one or an unknown property.
TPropertyRecord ReadRecordOf(TPropertyReader& Reader, std::string_view ClassName, std::span<const std::string_view> Names) {
  TPropertyRecord rec = Reader.ReadRecord();
  if (rec.ClassName != ClassName)
    throw EReadError("Invalid stream format: " + rec.ClassName + " for " + std::string(ClassName));
  for (const TPropertyValue& p : rec.Properties) {
    bool known = false;
    for (std::string_view n : Names) known = known || p.Name == n;
    if (!known) throw EReadError("Property " + p.Name + " does not exist");
  }
  return rec;
}

constexpr std::array<std::string_view, 6> kHeaderProps{"ColCount", "RowCount", "ColWidths", "RowHeights", "FullGrid", "ID"};
constexpr std::array<std::string_view, 4> kCellProps{"Col", "Row", "Cell", "HasProp"};
constexpr std::array<std::string_view, 24> kPropProps{"CellProperties.IsBaseCell",   "CellProperties.CellSpanX",
                                "CellProperties.CellSpanY",    "CellProperties.OwnerCol",
                                "CellProperties.OwnerRow",     "CellProperties.Alignment",
                                "CellProperties.BorderColor",  "CellProperties.BorderWidth",
                                "CellProperties.BrushColor",   "CellProperties.BrushColorTo",
                                "CellProperties.BrushStyle",   "CellProperties.CellObject",
                                "CellProperties.FontColor",    "CellProperties.FontName",
                                "CellProperties.FontSize",     "CellProperties.FontStyle",
                                "CellProperties.Editor",       "CellProperties.GradientDirection",
                                "CellProperties.ReadOnly",     "CellProperties.VAlignment",
                                "CellProperties.WordWrap",     "CellProperties.NodeLevel",
                                "CellProperties.Control",      "HasGraphic"};
constexpr std::array<std::string_view, 13> kGraphicProps{"CellGraphic.CellType",          "CellGraphic.CellVAlign",
                                   "CellGraphic.CellHAlign",        "CellGraphic.CellIndex",
                                   "CellGraphic.CellTransparent",   "CellGraphic.CellCreated",
                                   "CellGraphic.CellBoolean",       "CellGraphic.CellCheckBoxState",
                                   "CellGraphic.CellAngle",         "CellGraphic.CellValue",
                                   "CellGraphic.CellErrFrom",       "CellGraphic.CellErrLen",
                                   "CellGraphic.CellText"};
constexpr std::array<std::string_view, 1> kBitmapProps{"Bitmap.Data"};
constexpr std::array<std::string_view, 1> kIconProps{"Icon.Data"};
constexpr std::array<std::string_view, 1> kPictureProps{"Picture.Data"};
constexpr std::array<std::string_view, 1> kFilePictureProps{"Picture.Filename"};
constexpr std::array<std::string_view, 1> kListProps{"Strings.Strings"};

// The kinds whose object is written only when the grid made it. An index list is always the
// grid's own, though its record never says so: it travels too.
bool CreatedOnly(TCellType T) {
  return T == ctBitmap || T == ctIcon || T == ctRadio || T == ctPicture || T == ctFilePicture || T == ctBitButton;
}

std::string Joined(const std::vector<int>& Values) {
  std::string out;
  for (std::size_t i = 0; i < Values.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(Values[i]);
  }
  return out;
}

// Whole numbers joined by ","; fewer than Count fail with the list error, others with the
// conversion error.
std::vector<int> SplitNumbers(const std::string& Text, int Count) {
  std::vector<int> out;
  std::size_t from = 0;
  while (!Text.empty() && from <= Text.size()) {
    std::size_t at = Text.find(',', from);
    if (at == std::string::npos) at = Text.size();
    out.push_back(StrToInt(Text.substr(from, at - from)));
    from = at + 1;
  }
  if (static_cast<int>(out.size()) < Count) throw EListError("List index out of bounds (" + std::to_string(out.size()) + ")");
  return out;
}

// A bitmap's data: a 4-byte size and the BMP file.
std::string BitmapData(const TBitmap& Bmp) {
  const std::string bmp = Bmp.SaveToMemory("bmp");
  const auto n = static_cast<std::uint32_t>(bmp.size());
  return std::string{static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16), static_cast<char>(n >> 24)} + bmp;
}

std::string SizedPayload(const std::string& Data) {
  if (Data.size() < 4) throw EReadError("Stream read error");
  const std::uint32_t n = static_cast<unsigned char>(Data[0]) | (static_cast<unsigned char>(Data[1]) << 8) |
                          (static_cast<unsigned char>(Data[2]) << 16) |
                          (static_cast<std::uint32_t>(static_cast<unsigned char>(Data[3])) << 24);
  if (n > Data.size() - 4) throw EReadError("Stream read error");
  return Data.substr(4, n);
}

// A picture's data: its graphic's class name and that graphic's own data.
std::string PictureData(const TPicture& Pic) {
  const auto named = [](const std::string& Class, const std::string& Data) {
    return static_cast<char>(Class.size()) + Class + Data;
  };
  if (Pic.Format() == "png") return named("TPngImage", Pic.Bitmap().SaveToMemory("png"));
  if (Pic.Format() == "jpeg") {
    const std::string jpeg = Pic.Bitmap().SaveToMemory("jpeg");
    const auto n = static_cast<std::uint32_t>(jpeg.size());
    return named("TJPEGImage", std::string{static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
                                           static_cast<char>(n >> 24)} + jpeg);
  }
  return named("TBitmap", BitmapData(Pic.Bitmap()));
}

// The picture a picture's data holds.
void LoadPictureData(TPicture& Pic, const std::string& Data) {
  if (Data.empty() || static_cast<unsigned char>(Data[0]) + 1U > Data.size()) throw EReadError("Stream read error");
  const std::size_t n = static_cast<unsigned char>(Data[0]);
  const std::string cls = Data.substr(1, n);
  const std::string payload = Data.substr(1 + n);
  if (cls == "TBitmap" || cls == "TJPEGImage") Pic.LoadFromMemory(SizedPayload(payload));
  else Pic.LoadFromMemory(payload);
}

// A 32-bit icon file holding one PNG image.
std::string IconData(const TIcon& Icon) {
  const std::string png = Icon.Image().SaveToMemory("png");
  const auto le16 = [](unsigned v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
  const auto le32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  };
  const auto side = [](int v) { return static_cast<char>(v >= 256 ? 0 : v); };
  return le16(0) + le16(1) + le16(1) + side(Icon.Width()) + side(Icon.Height()) + std::string(2, '\0') + le16(1) +
         le16(32) + le32(static_cast<std::uint32_t>(png.size())) + le32(22) + png;
}

// A graphic payload decoded; EReadError for data that holds no picture.
template <class F>
void Decoding(F&& Decode) {
  try {
    Decode();
  } catch (const EInvalidGraphic& e) {
    throw EReadError(std::string("Stream read error: ") + e.what());
  }
}

class TCellWriter {
 public:
  TCellWriter(TGridDataHost& Host, TStream& S) : host_(Host), w_(S) {}

  void Write(const TRect& R) {
    const TFileFormatOptions o = host_.FileOptions();
    const int cols = R.Right - R.Left + 1, rows = R.Bottom - R.Top + 1;
    const bool full = o.SaveFixedCells
                          ? rows == host_.RowCount() && cols == host_.ColCount()
                          : rows == host_.RowCount() - host_.FixedRows() && cols == host_.ColCount() - host_.FixedCols();
    std::vector<int> widths, heights;
    for (int c = R.Left; c <= R.Right; ++c) widths.push_back(host_.ColWidth(c));
    for (int r = R.Top; r <= R.Bottom; ++r) heights.push_back(host_.RowHeight(r));
    w_.BeginRecord("TGridPropIO");
    w_.WriteInteger("ColCount", cols);
    w_.WriteInteger("RowCount", rows);
    if (!widths.empty()) w_.WriteString("ColWidths", Joined(widths));
    if (!heights.empty()) w_.WriteString("RowHeights", Joined(heights));
    w_.WriteBoolean("FullGrid", full);
    w_.WriteInteger("ID", static_cast<std::int32_t>(host_.GridHandle()));
    w_.EndRecord();

    TProgressReporter progress(host_);
    host_.ExportNotification(esExportStart, R.Top);
    for (int r = R.Top; r <= R.Bottom; ++r) {
      host_.ExportNotification(esExportNextRow, r);
      for (int c = R.Left; c <= R.Right; ++c) Cell(c, r);
      progress.Report(r - R.Top, std::max(1, R.Bottom - R.Top));
    }
    host_.ExportNotification(esExportDone, -1);
  }

 private:
  void Cell(int C, int R) {
    const TCellProperties* p = host_.FindCellProperties(C, R);
    w_.BeginRecord("TGridCellIO");
    w_.WriteInteger("Col", C & 0xFFFF);
    w_.WriteInteger("Row", R & 0xFFFF);
    const std::string text = host_.DisplayText(C, R);
    if (!text.empty()) w_.WriteString("Cell", text);
    w_.WriteBoolean("HasProp", p != nullptr);
    w_.EndRecord();
    if (!p) return;
    TCellGraphic* g = host_.CellGraphic(C, R);
    const bool hasGraphic = g && g->CellType() != ctEmpty && (!CreatedOnly(g->CellType()) || g->CellCreated());
    const std::string P = "CellProperties.";
    w_.BeginRecord("TGridCellPropIO");
    w_.WriteBoolean(P + "IsBaseCell", p->IsBaseCell());
    w_.WriteInteger(P + "CellSpanX", p->CellSpanX());
    w_.WriteInteger(P + "CellSpanY", p->CellSpanY());
    w_.WriteIdent(P + "Alignment", NameOf(kAlignments, p->Alignment()));
    w_.WriteColor(P + "BorderColor", p->BorderColor());
    w_.WriteInteger(P + "BorderWidth", p->BorderWidth());
    w_.WriteColor(P + "BrushColor", p->BrushColor());
    w_.WriteColor(P + "BrushColorTo", p->BrushColorTo());
    w_.WriteIdent(P + "BrushStyle", NameOf(kBrushStyles, p->BrushStyle()));
    // A reference means nothing to another grid or process.
    w_.WriteInteger(P + "CellObject", 0);
    w_.WriteColor(P + "FontColor", p->FontColor());
    if (!p->FontName().empty()) w_.WriteString(P + "FontName", p->FontName());
    w_.WriteInteger(P + "FontSize", p->FontSize());
    std::vector<std::string> styles;
    for (int i = 0; i < 4; ++i)
      if (p->FontStyle().Contains(static_cast<TFontStyle>(i))) styles.push_back(kFontStyles[static_cast<std::size_t>(i)]);
    w_.WriteSet(P + "FontStyle", styles);
    w_.WriteIdent(P + "Editor", NameOf(kEditors, p->Editor()));
    w_.WriteIdent(P + "GradientDirection", NameOf(kGradients, p->GradientDirection()));
    w_.WriteBoolean(P + "ReadOnly", p->ReadOnly());
    w_.WriteIdent(P + "VAlignment", NameOf(kVAlignments, p->VAlignment()));
    w_.WriteBoolean(P + "WordWrap", p->WordWrap());
    w_.WriteInteger(P + "NodeLevel", p->NodeLevel());
    if (p->Control()) w_.WriteInteger(P + "Control", 0);
    w_.WriteBoolean("HasGraphic", hasGraphic);
    w_.EndRecord();
    if (hasGraphic) Graphic(*g);
  }

  void Graphic(const TCellGraphic& G) {
    const std::string P = "CellGraphic.";
    w_.BeginRecord("TGridGraphicIO");
    w_.WriteIdent(P + "CellType", NameOf(kCellTypes, G.CellType()));
    w_.WriteIdent(P + "CellVAlign", NameOf(kCellVAligns, G.CellVAlign()));
    w_.WriteIdent(P + "CellHAlign", NameOf(kCellHAligns, G.CellHAlign()));
    w_.WriteInteger(P + "CellIndex", G.CellIndex());
    w_.WriteBoolean(P + "CellTransparent", G.CellTransparent());
    w_.WriteBoolean(P + "CellCreated", G.CellCreated());
    w_.WriteBoolean(P + "CellBoolean", G.CellBoolean());
    w_.WriteIdent(P + "CellCheckBoxState", NameOf(kCheckStates, G.CellCheckBoxState()));
    w_.WriteInteger(P + "CellAngle", G.CellAngle());
    if (G.CellValue() != 0) w_.WriteExtended(P + "CellValue", G.CellValue());
    w_.WriteInteger(P + "CellErrFrom", G.CellErrFrom());
    w_.WriteInteger(P + "CellErrLen", G.CellErrLen());
    if (!G.CellText().empty()) w_.WriteString(P + "CellText", G.CellText());
    w_.EndRecord();

    switch (G.CellType()) {
      case ctBitmap:
      case ctBitButton: {
        const TBitmap* bmp = TCellGraphic::SlotObject<TBitmap>(G.CellBitmap());
        w_.BeginRecord("TGridBMPIO");
        if (bmp && !bmp->Empty()) w_.WriteBinary("Bitmap.Data", BitmapData(*bmp));
        w_.EndRecord();
        break;
      }
      case ctIcon: {
        const TIcon* icon = TCellGraphic::SlotObject<TIcon>(G.CellIcon());
        w_.BeginRecord("TGridIconIO");
        if (icon && !icon->Empty()) w_.WriteBinary("Icon.Data", IconData(*icon));
        w_.EndRecord();
        break;
      }
      case ctRadio:
      case ctImages: {
        std::vector<std::string> items;
        if (G.CellType() == ctRadio) {
          if (const TStringList* list = TCellGraphic::SlotObject<TStringList>(G.CellBitmap()))
            for (int i = 0; i < list->Count(); ++i) items.push_back(list->Strings(i));
        } else if (const TIntList* list = TCellGraphic::SlotObject<TIntList>(G.CellBitmap())) {
          for (int i = 0; i < list->Count(); ++i) items.push_back(std::to_string(list->Items(i)));
        }
        w_.BeginRecord("TGridSLIO");
        if (!items.empty()) w_.WriteList("Strings.Strings", items);
        w_.EndRecord();
        break;
      }
      case ctPicture: {
        const TPicture* pic = TCellGraphic::SlotObject<TPicture>(G.CellBitmap());
        w_.BeginRecord("TGridPicIO");
        if (pic && !pic->Empty()) w_.WriteBinary("Picture.Data", PictureData(*pic));
        w_.EndRecord();
        break;
      }
      case ctFilePicture: {
        const TFilePicture* pic = TCellGraphic::SlotObject<TFilePicture>(G.CellBitmap());
        w_.BeginRecord("TGridFilePicIO");
        if (pic && !pic->Filename().empty()) w_.WriteString("Picture.Filename", pic->Filename());
        w_.EndRecord();
        break;
      }
      default:
        break;
    }
  }

  TGridDataHost& host_;
  TPropertyWriter w_;
};

class TCellReader {
 public:
  TCellReader(TGridDataHost& Host, TStream& S) : host_(Host), s_(S), r_(S) {}

  void Read(TPoint P) {
    const TPropertyRecord header = ReadRecordOf(r_, "TGridPropIO", kHeaderProps);
    const TPropertyValue* fullValue = header.Find("FullGrid");
    const bool full = fullValue && fullValue->AsBoolean();
    bool havePending = false;
    if (Remaining()) {
      ReadCellRecord();
      havePending = true;
    }
    TPoint origin{0, 0};
    if (full) {
      const int cols = header.Find("ColCount") ? static_cast<int>(header.Find("ColCount")->AsInteger()) : 0;
      const int rows = header.Find("RowCount") ? static_cast<int>(header.Find("RowCount")->AsInteger()) : 0;
      const std::string widthText = header.Find("ColWidths") ? header.Find("ColWidths")->AsString() : std::string();
      const std::string heightText = header.Find("RowHeights") ? header.Find("RowHeights")->AsString() : std::string();
      if (cols < 0 || rows < 0) throw EReadError("Invalid grid size in the stream");
      // The lists are checked before the grid is touched, and a count needs a number per line
      // in the stream, so no stream can ask for more lines than it has bytes.
      const std::vector<int> widths = SplitNumbers(widthText, cols);
      const std::vector<int> heights = SplitNumbers(heightText, rows);
      host_.ClearGrid();
      // A grid saved without its fixed cells starts at its first normal cell: room for it.
      const int extraCols = havePending ? col_ : 0, extraRows = havePending ? row_ : 0;
      host_.SetRowCount(rows + extraRows);
      host_.SetColCount(cols + extraCols);
      for (int c = 0; c < cols; ++c) host_.SetColWidth(c, widths[static_cast<std::size_t>(c)]);
      for (int r = 0; r < rows; ++r) host_.SetRowHeight(r, heights[static_cast<std::size_t>(r)]);
    } else if (havePending) {
      origin = {col_, row_};
    }
    TProgressReporter progress(host_);
    int lastRow = -1;
    while (havePending) {
      const int tc = col_ + P.X - origin.X, tr = row_ + P.Y - origin.Y;
      const bool inside = tc >= 0 && tr >= 0 && tc < host_.ColCount() + host_.NumHiddenColumns() && tr < host_.RowCount();
      if (inside) host_.SetDisplayText(tc, tr, text_);
      if (tr != lastRow) {
        lastRow = tr;
        progress.Report(tr, std::max(1, host_.RowCount()));
      }
      if (hasProp_) Properties(tc, tr, inside);
      havePending = Remaining();
      if (havePending) ReadCellRecord();
    }
  }

 private:
  bool Remaining() { return s_.Size() - s_.Position() >= 2; }

  void ReadCellRecord() {
    TPropertyRecord rec = ReadRecordOf(r_, "TGridCellIO", kCellProps);
    text_.clear();
    for (TPropertyValue& v : rec.Properties) {
      // Words: whatever size a writer gave them, they stay 0 .. 65535.
      if (v.Name == "Col") col_ = static_cast<int>(v.AsInteger() & 0xFFFF);
      else if (v.Name == "Row") row_ = static_cast<int>(v.AsInteger() & 0xFFFF);
      else if (v.Name == "Cell") {
        v.AsString();  // a string, or the read error
        text_ = std::move(v.Text);
      }
      else hasProp_ = v.AsBoolean();
    }
  }

  // Reads the cell's property record and what follows it; applies them when the cell is in the grid.
  void Properties(int C, int R, bool Inside) {
    const TPropertyRecord rec = ReadRecordOf(r_, "TGridCellPropIO", kPropProps);
    const TPropertyValue* hasGraphic = rec.Find("HasGraphic");
    // Every value is checked before the cell changes.
    TCellProperties scratch(nullptr, C, R);
    ApplyProperties(scratch, rec);
    if (Inside) {
      TCellProperties* p = host_.MakeCellProperties(C, R);
      ApplyProperties(*p, rec);
      p->SetOwnerCol(C);
      p->SetOwnerRow(R);
    }
    if (hasGraphic && hasGraphic->AsBoolean()) Graphic(C, R, Inside);
  }

  static void ApplyProperties(TCellProperties& Props, const TPropertyRecord& Rec) {
    const std::size_t skip = std::string("CellProperties.").size();
    for (const TPropertyValue& v : Rec.Properties) {
      if (v.Name.size() <= skip) continue;  // HasGraphic
      const std::string n = v.Name.substr(skip);
      if (n == "IsBaseCell") Props.SetIsBaseCell(v.AsBoolean());
      else if (n == "CellSpanX") Props.SetCellSpanX(static_cast<int>(v.AsInteger()));
      else if (n == "CellSpanY") Props.SetCellSpanY(static_cast<int>(v.AsInteger()));
      else if (n == "Alignment") Props.SetAlignment(static_cast<TAlignment>(OrdinalOf(kAlignments, v)));
      else if (n == "BorderColor") Props.SetBorderColor(v.AsColor());
      else if (n == "BorderWidth") Props.SetBorderWidth(static_cast<int>(v.AsInteger()));
      else if (n == "BrushColor") Props.SetBrushColor(v.AsColor());
      else if (n == "BrushColorTo") Props.SetBrushColorTo(v.AsColor());
      else if (n == "BrushStyle") Props.SetBrushStyle(static_cast<TBrushStyle>(OrdinalOf(kBrushStyles, v)));
      else if (n == "FontColor") Props.SetFontColor(v.AsColor());
      else if (n == "FontName") Props.SetFontName(v.AsString());
      else if (n == "FontSize") Props.SetFontSize(static_cast<int>(v.AsInteger()));
      else if (n == "FontStyle") {
        if (v.Type != TValueType::vaSet) throw EReadError("Invalid property value of " + v.Name);
        TFontStyles styles;
        for (const std::string& m : v.Items) {
          TPropertyValue member;
          member.Name = v.Name;
          member.Type = TValueType::vaIdent;
          member.Text = m;
          styles.Include(static_cast<TFontStyle>(OrdinalOf(kFontStyles, member)));
        }
        Props.SetFontStyle(styles);
      } else if (n == "Editor") Props.SetEditor(static_cast<TEditorType>(OrdinalOf(kEditors, v)));
      else if (n == "GradientDirection")
        Props.SetGradientDirection(static_cast<TCellGradientDirection>(OrdinalOf(kGradients, v)));
      else if (n == "ReadOnly") Props.SetReadOnly(v.AsBoolean());
      else if (n == "VAlignment") Props.SetVAlignment(static_cast<TVAlignment>(OrdinalOf(kVAlignments, v)));
      else if (n == "WordWrap") Props.SetWordWrap(v.AsBoolean());
      else if (n == "NodeLevel") Props.SetNodeLevel(static_cast<int>(v.AsInteger()));
      // CellObject and Control are references of the writing process: the target keeps its own.
    }
  }

  static void ApplyGraphic(TCellGraphic& G, const TPropertyRecord& Rec) {
    const std::size_t skip = std::string("CellGraphic.").size();
    for (const TPropertyValue& v : Rec.Properties) {
      const std::string n = v.Name.substr(skip);
      if (n == "CellType") G.SetCellType(static_cast<TCellType>(OrdinalOf(kCellTypes, v)));
      else if (n == "CellVAlign") G.SetCellVAlign(static_cast<TCellVAlign>(OrdinalOf(kCellVAligns, v)));
      else if (n == "CellHAlign") G.SetCellHAlign(static_cast<TCellHAlign>(OrdinalOf(kCellHAligns, v)));
      else if (n == "CellIndex") G.SetCellIndex(static_cast<int>(v.AsInteger()));
      else if (n == "CellTransparent") G.SetCellTransparent(v.AsBoolean());
      else if (n == "CellCreated") G.SetCellCreated(v.AsBoolean());
      else if (n == "CellBoolean") G.SetCellBoolean(v.AsBoolean());
      else if (n == "CellCheckBoxState") G.SetCellCheckBoxState(static_cast<TCheckBoxState>(OrdinalOf(kCheckStates, v)));
      else if (n == "CellAngle") G.SetCellAngle(static_cast<int>(v.AsInteger()));
      else if (n == "CellValue") {
        if (v.Type != TValueType::vaExtended) throw EReadError("Invalid property value of " + v.Name);
        G.SetCellValue(v.Ext);
      } else if (n == "CellErrFrom") G.SetCellErrFrom(static_cast<int>(v.AsInteger()));
      else if (n == "CellErrLen") G.SetCellErrLen(static_cast<int>(v.AsInteger()));
      else if (n == "CellText") G.SetCellText(v.AsString());
    }
  }

  void Graphic(int C, int R, bool Inside) {
    const TPropertyRecord rec = ReadRecordOf(r_, "TGridGraphicIO", kGraphicProps);
    TCellGraphic graphic;
    ApplyGraphic(graphic, rec);
    const TCellType type = graphic.CellType();
    // The object the kind carries, read whole before the cell changes; owned here until then.
    std::unique_ptr<TBitmap> bmp;
    std::unique_ptr<TIcon> icon;
    std::unique_ptr<TStringList> strings;
    std::unique_ptr<TIntList> indexes;
    std::unique_ptr<TPicture> pic;
    std::unique_ptr<TFilePicture> filePic;
    TPropertyRecord data;
    switch (type) {
      case ctBitmap:
      case ctBitButton:
        data = ReadRecordOf(r_, "TGridBMPIO", kBitmapProps);
        if (const TPropertyValue* v = data.Find("Bitmap.Data")) {
          if (v->Type != TValueType::vaBinary) throw EReadError("Invalid property value of " + v->Name);
          bmp = std::make_unique<TBitmap>();
          Decoding([&] { bmp->LoadFromMemory(SizedPayload(v->Text)); });
        }
        break;
      case ctIcon:
        data = ReadRecordOf(r_, "TGridIconIO", kIconProps);
        if (const TPropertyValue* v = data.Find("Icon.Data")) {
          if (v->Type != TValueType::vaBinary) throw EReadError("Invalid property value of " + v->Name);
          icon = std::make_unique<TIcon>();
          Decoding([&] { icon->LoadFromMemory(v->Text); });
        }
        break;
      case ctRadio:
      case ctImages: {
        const TPropertyRecord list = ReadRecordOf(r_, "TGridSLIO", kListProps);
        const TPropertyValue* v = list.Find("Strings.Strings");
        if (v && v->Type != TValueType::vaList) throw EReadError("Invalid property value of " + v->Name);
        if (type == ctRadio) {
          strings = std::make_unique<TStringList>();
          if (v)
            for (const std::string& s : v->Items) strings->Add(s);
        } else {
          indexes = std::make_unique<TIntList>(C, R);
          if (v)
            for (const std::string& s : v->Items) {
              int n = 0;
              if (!TryStrToInt(s, n)) throw EReadError("Invalid image index " + s);
              indexes->Add(n);
            }
        }
        break;
      }
      case ctPicture:
        data = ReadRecordOf(r_, "TGridPicIO", kPictureProps);
        if (const TPropertyValue* v = data.Find("Picture.Data")) {
          if (v->Type != TValueType::vaBinary) throw EReadError("Invalid property value of " + v->Name);
          pic = std::make_unique<TPicture>();
          Decoding([&] { LoadPictureData(*pic, v->Text); });
        }
        break;
      case ctFilePicture:
        data = ReadRecordOf(r_, "TGridFilePicIO", kFilePictureProps);
        if (const TPropertyValue* v = data.Find("Picture.Filename")) {
          filePic = std::make_unique<TFilePicture>();
          try {
            filePic->SetFilename(v->AsString());
          } catch (const EReadError&) {
            throw;
          } catch (const Exception&) {
            filePic.reset();  // a file that is gone or no picture: the cell shows none
          }
        }
        break;
      default:
        break;
    }
    if (!Inside) return;
    TCellGraphic* g = host_.CreateCellGraphic(C, R);
    g->Assign(&graphic);
    // The cell owns whatever the stream made for it.
    if (bmp) g->SetCellBitmap(bmp.release());
    if (icon) g->SetCellIcon(icon.release());
    if (strings) g->SetCellBitmap(strings.release());
    if (indexes) g->SetCellBitmap(static_cast<TObject*>(indexes.release()));
    if (pic) g->SetCellBitmap(pic.release());
    if (filePic) g->SetCellBitmap(static_cast<TObject*>(filePic.release()));
    g->SetCellCreated(CreatedOnly(type) || type == ctImages || graphic.CellCreated());
  }

  TGridDataHost& host_;
  TStream& s_;
  TPropertyReader r_;
  int col_ = 0, row_ = 0;
  std::string text_;
  bool hasProp_ = false;
};

}  // namespace

void TGridCellStream::SaveRect(const TRect& R, TStream& Stream) { TCellWriter(host_, Stream).Write(R); }

void TGridCellStream::Save(TStream& Stream) {
  const TSaveRange range = SaveRangeOf(host_);
  SaveRect(TRect{range.StartCol, range.StartRow, range.EndCol, range.EndRow}, Stream);
}

void TGridCellStream::SaveToFile(const std::string& FileName) {
  TMemoryStream ms;
  Save(ms);
  ms.SaveToFile(FileName);
}

void TGridCellStream::LoadAtPoint(TPoint P, TStream& Stream) {
  TUpdateLock lock(host_);
  TCellReader(host_, Stream).Read(P);
}

void TGridCellStream::Load(TStream& Stream) {
  LoadAtPoint(TPoint{0, 0}, Stream);
  int nodes = 0;
  for (int r = host_.FixedRows(); r < host_.RowCount(); ++r)
    if (host_.CellType(0, r) == ctNode) ++nodes;
  host_.SetNumNodes(nodes);
  if (nodes > 0) host_.RepaintCol(0);
}

void TGridCellStream::LoadFromFile(const std::string& FileName) {
  TMemoryStream ms;
  ms.LoadFromFile(FileName);
  Load(ms);
}

}  // namespace hd
