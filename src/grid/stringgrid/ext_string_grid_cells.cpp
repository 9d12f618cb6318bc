// Cell values: typed reads and writes, fills, the cell-object primitives and tri-state check
// boxes, the header lists and the recorded column order.
#include <random>

#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr const char* kNoInteger = "Cell does not contain integer value";
constexpr const char* kNoFloat = "Cell does not contain a float value";
constexpr const char* kColumnRange = "Columns is not in valid range";

// A whole decimal number: an optional sign and digits only, within 32 bits.
bool ParseDecimalInt(const std::string& s, int& value) {
  size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  if (i == s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > 2147483648LL) return false;
  }
  if (s[0] == '-') v = -v;
  if (v > 2147483647LL) return false;
  value = static_cast<int>(v);
  return true;
}

void CheckPrintColumn(int ACol) {
  if (ACol < 0 || ACol >= kPrintColumns) throw EExtGridError(kColumnRange);
}

}  // namespace

int TExtStringGrid::TextToInt(const std::string& Text) {
  std::string s = Trim(Text);
  if (s.empty() || s == "-") return 0;
  int v = 0;
  if (!ParseDecimalInt(s, v)) throw EExtGridError(kNoInteger);
  return v;
}

double TExtStringGrid::TextToFloat(const std::string& Text) {
  std::string s = FinancialToNumberText(Text);
  if (s.empty() || s == "-") {
    // Signs and separators alone read as 0; words are no number, though the reduction drops
    // them as it drops currency signs.
    for (char ch : Text)
      if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'))
        throw EExtGridError(kNoFloat);
    return 0;
  }
  double v = 0;
  // The plain number is written with "." whatever the locale.
  if (!TryStrToFloat(s, v, InvariantFormatSettings())) throw EExtGridError(kNoFloat);
  return v;
}

std::string TExtStringGrid::GetStrippedCell(int ACol, int ARow) const { return MarkupToText(Cells(ACol, ARow)); }

int TExtStringGrid::Ints(int ACol, int ARow) const { return TextToInt(GetStrippedCell(ACol, ARow)); }

void TExtStringGrid::SetInts(int ACol, int ARow, int Value) {
  SetCells(ACol, ARow, IntToStr(Value));
  if (FP->NumHidden > 0) RepaintCell(RealToDisplCol(ACol), ARow);
}

int TExtStringGrid::AllInts(int ACol, int ARow) const { return TextToInt(MarkupToText(GetCellsEx(ACol, ARow))); }

void TExtStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetCellsEx(ACol, ARow, IntToStr(Value)); }

double TExtStringGrid::Floats(int ACol, int ARow) const { return TextToFloat(GetStrippedCell(ACol, ARow)); }

void TExtStringGrid::SetFloats(int ACol, int ARow, double Value) {
  std::string format = FP->Text.FFloatFormat;
  GetFloatFormat(ACol, format);
  SetCells(ACol, ARow, Format(format, {Value}));
}

double TExtStringGrid::AllFloats(int ACol, int ARow) const {
  return TextToFloat(MarkupToText(GetCellsEx(ACol, ARow)));
}

void TExtStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
  SetCellsEx(ACol, ARow, Format(FP->Text.FFloatFormat, {Value}));
}

TDateTime TExtStringGrid::Dates(int ACol, int ARow) const { return StrToDate(Cells(ACol, ARow)); }

void TExtStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
  SetCells(ACol, ARow, Value > 0 || FP->Text.FShowNullDates ? DateToStr(Value) : std::string());
}

TDateTime TExtStringGrid::Times(int ACol, int ARow) const { return StrToTime(Cells(ACol, ARow)); }

void TExtStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCells(ACol, ARow, TimeToStr(Value)); }

std::string TExtStringGrid::GetCtrlVal(int ACol, int ARow, const std::string& ID) const {
  std::string value;
  return GetControlValue(Cells(ACol, ARow), ID, value) ? value : std::string();
}

void TExtStringGrid::SetCtrlVal(int ACol, int ARow, const std::string& ID, const std::string& Value) {
  std::string markup = Cells(ACol, ARow);
  if (SetControlValue(markup, ID, Value)) SetCells(ACol, ARow, markup);
}

WideString TExtStringGrid::WideCells(int ACol, int ARow) const { return Utf8ToWide(Cells(ACol, ARow)); }

void TExtStringGrid::SetWideCells(int ACol, int ARow, const WideString& Value) {
  SetCells(ACol, ARow, WideToUtf8(Value));
}

int TExtStringGrid::PrintColWidth(int ACol) const {
  CheckPrintColumn(ACol);
  return FP->PrintColWidths[ACol];
}

void TExtStringGrid::SetPrintColWidth(int ACol, int Value) {
  CheckPrintColumn(ACol);
  FP->PrintColWidths[ACol] = Value;
}

int TExtStringGrid::PrintColOffset(int ACol) const {
  CheckPrintColumn(ACol);
  return FP->PrintColOffsets[ACol];
}

void TExtStringGrid::SetPrintColOffset(int ACol, int Value) {
  CheckPrintColumn(ACol);
  FP->PrintColOffsets[ACol] = Value;
}

void TExtStringGrid::FillCells(bool DoFixed, const std::function<void(int, int)>& Fill) {
  int firstCol = DoFixed ? 0 : TBaseGrid::FixedCols();
  int firstRow = DoFixed ? 0 : TBaseGrid::FixedRows();
  for (int r = firstRow; r < RowCount(); ++r)
    for (int c = firstCol; c < ColCount(); ++c) Fill(c, r);
  AllCellsChanged();
}

void TExtStringGrid::TextFill(bool DoFixed, const std::string& Txt) {
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, Txt); });
}

void TExtStringGrid::FormatFill(bool DoFixed, const std::string& Fmt) {
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, Format(Fmt, {c, r})); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int Rnd) {
  std::mt19937 gen{std::random_device{}()};
  FillCells(DoFixed, [&](int c, int r) {
    SetInts(c, r, Rnd > 0 ? static_cast<int>(std::uniform_int_distribution<int>(0, Rnd - 1)(gen)) : 0);
  });
}

void TExtStringGrid::LinearFill(bool DoFixed) {
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, IntToStr(c) + ":" + IntToStr(r)); });
}

bool TExtStringGrid::RowSelectMark(int ARow) const {
  const TIntList& marks = *FP->RowSelect;
  return ARow >= 0 && ARow < marks.Count() && marks.Items(ARow) != 0;
}

int TExtStringGrid::RowSelectCount() const {
  const TIntList& marks = *FP->RowSelect;
  int n = 0;
  for (int i = 0; i < marks.Count(); ++i)
    if (marks.Items(i) != 0) ++n;
  return n;
}

TCellGraphic* TExtStringGrid::GetCellGraphic(int ACol, int ARow) {
  TObject* object = GetGraphicObjectEx(ACol, ARow);
  auto* record = dynamic_cast<TCellGraphic*>(object);
  if (object && !record) return nullptr;
  if (ACol != 0 || !FP->MouseActions->HotmailRowSelect()) return record;
  // Column 0 shows the rows' selection as check boxes, all through one shared record.
  TCellGraphic& shared = *FP->CellGraphic;
  shared.SetCellType(ctRowCheckBox);
  shared.SetCellTransparent(FP->ControlLook->ControlStyle() == csFlat);
  if (ARow == 0) {
    int n = RowSelectCount();
    int m = RowCount() - TBaseGrid::FixedRows();
    shared.SetCellAngle(n > 0 && n < m ? 1 : 0);
    shared.SetCellBoolean(m <= n);
  } else {
    shared.SetCellAngle(0);
    shared.SetCellBoolean(RowSelectMark(DisplToRealRow(ARow)));
  }
  return &shared;
}

TCellType TExtStringGrid::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (TCellType packed = PackedCheckBoxType(ACol, ARow); packed != ctEmpty) return packed;
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  return record ? record->CellType() : ctEmpty;
}

namespace {

bool IsSharedRecordType(TCellType t) { return t == ctVirtCheckBox || t == ctRowCheckBox; }

}  // namespace

void TExtStringGrid::FreeStoredCellGraphic(int ACol, int ARow) {
  // The record the cell itself stores leaves the cell; a shared one (handed out for many
  // cells) is never freed.
  auto* stored = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
  if (!stored) return;
  SetGraphicObjectEx(ACol, ARow, nullptr);
  if (stored != FP->CellGraphic.get() && !IsSharedRecordType(stored->CellType())) delete stored;
}

TCellGraphic* TExtStringGrid::CreateCellGraphic(int ACol, int ARow) {
  FreeStoredCellGraphic(ACol, ARow);
  auto* record = new TCellGraphic;
  SetGraphicObjectEx(ACol, ARow, record);
  if (FP->NumHidden > 0 && RealToDisplCol(ACol) != ACol) RepaintCell(RealToDisplCol(ACol), ARow);
  return record;
}

bool TExtStringGrid::RemoveCellGraphic(int ACol, int ARow) {
  if (!GetCellGraphic(ACol, ARow)) return false;
  FreeStoredCellGraphic(ACol, ARow);
  if (!Destroying()) RepaintCell(ACol, ARow);
  return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
  return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

bool TExtStringGrid::HasCellGraphicType(int ACol, int ARow, TCellTypes Types) {
  if (ACol < 0 || ARow < 0) return false;
  if (TCellType packed = PackedCheckBoxType(ACol, ARow); packed != ctEmpty) return Types.Contains(packed);
  TPoint base = BaseCell(ACol, ARow);
  TCellGraphic* record = GetCellGraphic(base.X, base.Y);
  return record && Types.Contains(record->CellType());
}

bool TExtStringGrid::IsNode(int ARow) {
  if (ARow < 0) return false;
  auto* record = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
  return record && record->CellType() == ctNode;
}

bool TExtStringGrid::IsSummary(int ARow) {
  if (ARow < 0) return false;
  auto* record = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
  return record && record->CellType() == ctSummary;
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
  // Negative indexes are refused like those past the end: either would write outside the grid.
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() + FP->NumHidden || ARow >= RowCount() + NumHiddenRows())
    throw Exception("Invalid cell");
  TCellGraphic* record = CreateCellGraphic(ACol, ARow);
  record->SetCellType(ctTriStateCheckBox);
  record->SetCellCheckBoxState(State);
  record->SetCellBoolean(false);
  record->SetCellTransparent(true);
  record->SetCellHAlign(haBeforeText);
  switch (FP->Text.FVAlignment) {
    case vtaTop: record->SetCellVAlign(vaTop); break;
    case vtaCenter: record->SetCellVAlign(vaCenter); break;
    case vtaBottom: record->SetCellVAlign(vaBottom); break;
  }
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
  int first = FP->MouseActions->CheckAllCheck() ? 0 : TBaseGrid::FixedRows();
  for (int r = first; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

TCellGraphic* TExtStringGrid::FindStateRecord(int ACol, int ARow, bool& FromProperties) {
  FromProperties = false;
  if (NumHiddenRows() == 0) return GetCellGraphic(ACol, ARow);
  // ARow is a real row: its properties wait with the hidden row or sit at its display row.
  TCellProperties* props = nullptr;
  if (const TGridItem* item = FP->GridItems->FindIdx(ARow)) {
    props = dynamic_cast<TCellProperties*>(item->Object(ACol));
  } else {
    props = FindCellProperties(ACol, RealToDisplRow(ARow));
  }
  if (!props) return GetCellGraphic(ACol, ARow);
  FromProperties = true;
  return dynamic_cast<TCellGraphic*>(GraphicOfCellProperties(props));
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
  bool fromProps = false;
  TCellGraphic* record = FindStateRecord(ACol, ARow, fromProps);
  if (!record) return false;
  switch (record->CellType()) {
    case ctCheckBox:
      State = BoolToCheckBoxState(record->CellBoolean());
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue = FP->Text.FCheckTrue;
      GetCheckTrue(ACol, ARow, checkTrue);
      std::string text = fromProps ? GetCellsEx(ACol, ARow) : Cells(ACol, ARow);
      State = BoolToCheckBoxState(text == checkTrue);
      return true;
    }
    case ctTriStateCheckBox:
      State = record->CellCheckBoxState();
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      // Without properties of its own, a cell among hidden rows reads the shared record.
      State = BoolToCheckBoxState(NumHiddenRows() > 0 && !fromProps ? record->CellBoolean() : RowSelectMark(ARow));
      return true;
    default:
      return false;
  }
}

TStringList& TExtStringGrid::ColumnHeaders() { return *FP->ColumnHeaders; }

void TExtStringGrid::SetColumnHeaders(const TStringList& Value) {
  FP->ColumnHeaders->Assign(Value);
  if (TBaseGrid::FixedRows() > 0) {
    ClearColumnHeaders();
    ShowColumnHeaders();
  }
}

void TExtStringGrid::ColumnHeadersChanged() {
  SyncColumnHeaders();
  ShowColumnHeaders();
}

void TExtStringGrid::ShowColumnHeaders() {
  if (TBaseGrid::FixedRows() == 0) return;
  const TStringList& headers = *FP->ColumnHeaders;
  for (int i = 0; i < headers.Count() && i < TotalColCount(); ++i) SetCells(i, 0, UnescapeLineBreaks(headers[i]));
}

void TExtStringGrid::ClearColumnHeaders() {
  for (int i = 0; i < ColCount(); ++i) SetCells(i, 0, "");
}

TStringList& TExtStringGrid::RowHeaders() { return *FP->RowHeaders; }

void TExtStringGrid::SetRowHeaders(const TStringList& Value) {
  FP->RowHeaders->Assign(Value);
  if (IsDesigning() && TBaseGrid::FixedCols() > 0) ClearRowHeaders();
  ShowRowHeaders();
}

void TExtStringGrid::ShowRowHeaders() {
  if (TBaseGrid::FixedCols() == 0) return;
  const TStringList& headers = *FP->RowHeaders;
  for (int i = 0; i < headers.Count() && i < RowCount(); ++i) SetCells(0, i, UnescapeLineBreaks(headers[i]));
}

void TExtStringGrid::ClearRowHeaders() {
  for (int i = 0; i < RowCount(); ++i) SetCells(0, i, "");
}

void TExtStringGrid::SetColumnOrder() {
  TIntList& order = *FP->ColumnOrder;
  order.Clear();
  for (int c = 0; c < ColCount(); ++c) order.Add(c);
}

TIntList& TExtStringGrid::ColumnOrder() { return *FP->ColumnOrder; }

}  // namespace hd
