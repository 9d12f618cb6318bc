#include "tables/frame_table_form.h"

#include <utility>

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/row_operations.h"

namespace hd {

namespace {

constexpr int kClientHeight = 337;
constexpr int kRowHeight = 21;
constexpr TColor kBackground = 0xEDF7F8;  // (248,247,237) as 0x00BBGGRR
constexpr int kButtonHints = 6;

}  // namespace

TTableColumn Frame_Column(const std::string& attribute, int header, int width, TColor tint) {
  return TTableColumn{.Attribute = attribute, .HeaderText = header, .Required = false, .Width = width,
                      .Color = tint, .BoldHeader = true};
}

TTableColumn Frame_Check(const std::string& attribute, int header, int width, TColor tint) {
  TTableColumn c = Frame_Column(attribute, header, width, tint);
  c.Editor = teDataCheckBox;
  c.Default = "N";
  return c;
}

TTableColumn Frame_Combo(const std::string& attribute, int header, int width, TColor tint,
                         std::vector<std::string> choices) {
  TTableColumn c = Frame_Column(attribute, header, width, tint);
  c.Editor = teComboList;
  c.Choices = std::move(choices);
  return c;
}

TTableFile Frame_File(const std::string& root, const std::string& version, int keyColumn,
                      std::vector<TTableColumn> columns) {
  return TTableFile{.Root = root, .Version = version, .KeyColumn = keyColumn, .TrimKey = false,
                    .Sections = {TTableSection{"", std::move(columns), Frame_Rows, 40}}};
}

bool Cell_In_Range(const TCellTableView& g, int column, int row, std::int64_t lo, std::int64_t hi) {
  const std::int64_t v = CellNumber(g.Cells(column, row));
  return v >= lo && v <= hi;
}

std::optional<TCellFailure> Test_Byte_Range(const TCellTableView& g, int row, int startColumn, int countColumn,
                                            int maxBytes, int startText) {
  if (!Cell_In_Range(g, startColumn, row, 0, maxBytes)) return TCellFailure{startText};
  const std::int64_t count = CellNumber(g.Cells(countColumn, row));
  if (count < 0 || CellNumber(g.Cells(startColumn, row)) + count > maxBytes) return TCellFailure{startText + 1};
  return std::nullopt;
}

std::optional<TCellFailure> Add_Frame_Bytes(std::int64_t& total, std::int64_t bytes, int imageSize,
                                            int tooManyText) {
  total += bytes;
  if (total > imageSize) return TCellFailure{tooManyText, imageSize, false};
  return std::nullopt;
}

TFrameTableForm::TFrameTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int textBase,
                                 int deleteText, int clientWidth)
    : TRuleTableForm(owner, state, file, textBase, deleteText), FTextBase(textBase), FClientWidth(clientWidth) {
  SetColor(kBackground);
  SetClientSize(FClientWidth, kClientHeight);
  Btn_OK = Add_Button("Btn_OK", 0);
  Btn_Cancel = Add_Button("Btn_Cancel", 1, mrCancel);
  Btn_DelRow = Add_Button("Btn_DelRow", 2);
  Btn_InsRow = Add_Button("Btn_InsRow", 3);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_DelRow->OnClick = [this](TObject* s) { Btn_DelRowClick(s); };
  Btn_InsRow->OnClick = [this](TObject* s) { Btn_InsRowClick(s); };
  sga = Make_Table_Grid(this, "sga", file.Sections[0]);
  sga->SetDefaultRowHeight(kRowHeight);
  OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TFrameTableForm::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(FClientWidth, kClientHeight);
  Set_Lang();
}

void TFrameTableForm::Set_Frame_Texts() {
  SetCaption(Lang(FTextBase));
  L_SW_Desc->SetCaption(Lang(FTextBase + 1));
  Btn_OK->SetCaption(Lang(FTextBase + 2));
  Btn_Cancel->SetCaption(Lang(FTextBase + 3));
  Btn_DelRow->SetCaption(Lang(FTextBase + 4));
  Btn_InsRow->SetCaption(Lang(FTextBase + 5));
  Set_Column_Headers(*sga, FFile.Sections[0], FTextBase + 6);
}

int TFrameTableForm::Read_Image_Size(const TParGenSize& key) {
  ClearTableGrids(FFile, Grid_Views());
  const TParGenValues<int> read = ReadParGenSizes(FState.Path_ParGen, {key});
  if (!read.Error.empty()) Show_Error(read.Error);
  return read.Values[0];
}

TJ1939TableForm::TJ1939TableForm(TComponent* owner, TAppState& state, const TTableFile& file, int textBase,
                                 int deleteText, int copyRowText)
    : TFrameTableForm(owner, state, file, textBase, deleteText, 800), FCopyRowText(copyRowText) {
  Btn_CopyRow = Add_Button("Btn_CopyRow", 4);
  Btn_PasteRow = Add_Button("Btn_PasteRow", 5);
  Btn_CopyRow->OnClick = [this](TObject* s) { Btn_CopyRowClick(s); };
  Btn_PasteRow->OnClick = [this](TObject* s) { Btn_PasteRowClick(s); };
  sga->SetShowHint(true);
  sga->OnKeyPress = [this](TObject* s, TKeyChar& k) { sgaKeyPress(s, k); };
  sga->OnDblClickCell = [this](TObject* s, int r, int c) { sgaDblClickCell(s, r, c); };
  sga->OnGridHint = [this](TObject* s, int r, int c, std::string& h) { sgaGridHint(s, r, c, h); };
}

void TJ1939TableForm::Set_J1939_Texts() {
  Set_Frame_Texts();
  Btn_CopyRow->SetCaption(Lang(FCopyRowText));
  Btn_PasteRow->SetCaption(Lang(FCopyRowText + 1));
  TLbButton* const hinted[kButtonHints] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
  for (int i = 0; i < kButtonHints; ++i) hinted[i]->SetHint(Lang(FCopyRowText + 2 + i));
  Hint_sga.Clear();
  const int firstColumnHint = FCopyRowText + 2 + kButtonHints;
  for (int c = 1; c < sga->ColCount(); ++c) Hint_sga.Add(Lang(firstColumnHint + c - 1));
}

int TJ1939TableForm::Show_J1939(const TParGenSize& key) {
  const int size = Read_Image_Size(key);
  Load_Table();
  Do_Copy = false;
  return size;
}

void TJ1939TableForm::Btn_CopyRowClick(TObject*) {
  Commit_Edits();
  Grid_Copy_Row(FState, *sga, sga->Row());
  Do_Copy = true;
}

void TJ1939TableForm::Btn_PasteRowClick(TObject*) {
  Commit_Edits();
  Grid_Paste_Row(FState, *sga, sga->Row(), Do_Copy);
}

void TJ1939TableForm::sgaKeyPress(TObject*, TKeyChar& Key) { Grid_Enter_Jump(FState, *sga, Key); }

void TJ1939TableForm::sgaDblClickCell(TObject*, int ARow, int ACol) {
  Grid_Header_DblClick(FState, *sga, ARow, ACol);
}

void TJ1939TableForm::sgaGridHint(TObject*, int ARow, int ACol, std::string& hintstr) {
  hintstr = ARow == 0 && ACol >= 1 && ACol <= Hint_sga.Count() ? Hint_sga.Strings(ACol - 1) : std::string();
}

}  // namespace hd
