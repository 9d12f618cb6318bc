#include "tables/modbus_tcp_master_form.h"

#include <iterator>

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/image_sizes.h"
#include "tables/modbus_tcp_master_table.h"
#include "tables/row_operations.h"

namespace hd {

namespace {

constexpr int kIndLang = 1300;
constexpr int kDeleteText = 1356;
constexpr int kClientWidth = 1100, kClientHeight = 337;
constexpr int kRowCount = 513;  // 512 requests per grid

// Column tints, as 0x00BBGGRR.
constexpr TColor kAddressTint = 0xFEFAE0;
constexpr TColor kTimingTint = 0xA8FFA8;
constexpr TColor kPositionTint = 0xF4D6FC;
constexpr TColor kSwapTint = 0xA8FFFF;
constexpr TColor kForceTint = 0xFFD5D5;

constexpr int kReadWidths[] = {40, 101, 45, 55, 100, 55, 45, 60, 64, 60, 60, 40, 80, 144};
constexpr TColor kReadTints[] = {clBtnFace,    kAddressTint,  kAddressTint,  kAddressTint, kAddressTint,
                                 kAddressTint, kAddressTint,  kTimingTint,   kTimingTint,  kPositionTint,
                                 kPositionTint, kSwapTint,    kSwapTint,     clWhite};
constexpr int kWriteWidths[] = {40, 101, 45, 55, 100, 55, 45, 60, 66, 62, 55, 55, 40, 80, 64, 90};
constexpr TColor kWriteTints[] = {clBtnFace,   kAddressTint, kAddressTint,  kAddressTint,  kAddressTint, kAddressTint,
                                  kAddressTint, kTimingTint, kTimingTint,   kTimingTint,   kPositionTint,
                                  kPositionTint, kSwapTint,  kSwapTint,     kForceTint,    clWhite};
static_assert(std::size(kReadWidths) == 14 && std::size(kReadTints) == 14);
static_assert(std::size(kWriteWidths) == 16 && std::size(kWriteTints) == 16);

}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* owner, TAppState& state)
    : TRuleTableForm(owner, state, ModbusTCPM_SetAccess_File(), kIndLang, kDeleteText) {
  SetName("FModbus_TCP_Master_Set_Access");
  SetClientSize(kClientWidth, kClientHeight);
  Create_Buttons();
  Create_Grids();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFModbus_TCP_Master_Set_Access::Create_Buttons() {
  Add_Row_Buttons();
  Btn_CopyRow = Add_Button("Btn_CopyRow", 4);
  Btn_PasteRow = Add_Button("Btn_PasteRow", 5);
  Btn_CopyRow->SetCaption("Copy Row");
  Btn_PasteRow->SetCaption("Paste Row");
  Btn_CopyRow->OnClick = [this](TObject* s) { Btn_CopyRowClick(s); };
  Btn_PasteRow->OnClick = [this](TObject* s) { Btn_PasteRowClick(s); };
}

void TFModbus_TCP_Master_Set_Access::Create_Grids() {
  PageControl1 = new TPageControl(this);
  PageControl1->SetName("PageControl1");
  PageControl1->SetParent(this);
  PageControl1->SetAlign(alClient);
  TS_Modbus_Read = new TTabSheet(this);
  TS_Modbus_Read->SetName("TS_Modbus_Read");
  TS_Modbus_Read->SetPageControl(PageControl1);
  TS_Modbus_Write = new TTabSheet(this);
  TS_Modbus_Write->SetName("TS_Modbus_Write");
  TS_Modbus_Write->SetPageControl(PageControl1);

  const TTableFile& file = ModbusTCPM_SetAccess_File();
  ACG_Modbus_Read = Make_Table_Grid(TS_Modbus_Read, "ACG_Modbus_Read", file.Sections[0]);
  ACG_Modbus_Write = Make_Table_Grid(TS_Modbus_Write, "ACG_Modbus_Write", file.Sections[1]);
  Style_Columns(*ACG_Modbus_Read, kReadWidths, kReadTints);
  Style_Columns(*ACG_Modbus_Write, kWriteWidths, kWriteTints);
  for (TExtColumnGrid* g : Grids()) {
    g->SetRowCount(kRowCount);
    g->OnKeyPress = [this](TObject* s, TKeyChar& k) { sgaKeyPress(s, k); };
    g->OnDblClickCell = [this](TObject* s, int r, int c) { sgaDblClickCell(s, r, c); };
  }
  PageControl1->SetActivePage(TS_Modbus_Read);
}

void TFModbus_TCP_Master_Set_Access::Style_Columns(TExtColumnGrid& grid, const int* widths, const TColor* tints) {
  for (int c = 0; c < grid.ColCount(); ++c) {
    grid.SetColWidths(c, widths[c]);
    if (c > 0) grid.Columns().Items(c)->SetColor(tints[c]);
  }
}

void TFModbus_TCP_Master_Set_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientWidth(kClientWidth);
  Ind_Lang = kIndLang;
  Set_Lang();
}

void TFModbus_TCP_Master_Set_Access::Set_Lang() {
  SetCaption(Lang(Ind_Lang + 0));
  L_SW_Desc->SetCaption(Lang(Ind_Lang + 1));
  Btn_OK->SetCaption(Lang(Ind_Lang + 2));
  Btn_Cancel->SetCaption(Lang(Ind_Lang + 3));
  Btn_DelRow->SetCaption(Lang(Ind_Lang + 4));
  Btn_InsRow->SetCaption(Lang(Ind_Lang + 5));
  TS_Modbus_Read->SetCaption(Lang(Ind_Lang + 6));
  TS_Modbus_Write->SetCaption(Lang(Ind_Lang + 7));
  const TTableFile& file = ModbusTCPM_SetAccess_File();
  Set_Column_Headers(*ACG_Modbus_Read, file.Sections[0], Ind_Lang + 8);
  Set_Column_Headers(*ACG_Modbus_Write, file.Sections[1], Ind_Lang + 20);
}

void TFModbus_TCP_Master_Set_Access::FormShow(TObject*) {
  PageControl1->SetActivePage(TS_Modbus_Read);
  const TImageSizes sizes = ReadImageSizes(FState.Path_ParGen);
  // The read requests fill the image the device sends, the writes read the one it receives.
  NByte_IN = sizes.NB_Output;
  NByte_OUT = sizes.NB_Input;
  FillPositionList(ACG_Modbus_Read->Columns().Items(rcPosition)->ComboItems(), NByte_IN);
  FillPositionList(ACG_Modbus_Write->Columns().Items(wcPosition)->ComboItems(), NByte_OUT);
  // An unreadable ParGen.xml still lets the requests load, bounded by the default sizes.
  if (!sizes.Error.empty()) Show_Error(sizes.Error);
  Load_Table();
  Do_Copy_In_Read = false;
  Do_Copy_In_Write = false;
}

TExtColumnGrid* TFModbus_TCP_Master_Set_Access::Current_Grid() const {
  return PageControl1->ActivePage() == TS_Modbus_Read ? ACG_Modbus_Read : ACG_Modbus_Write;
}

std::string TFModbus_TCP_Master_Set_Access::Table_Path() const { return FState.Path_ModbusTCPM_SetAccess; }

bool TFModbus_TCP_Master_Set_Access::Controllo_dati() {
  const TTableCheck check = hd::Controllo_dati(*ACG_Modbus_Read, *ACG_Modbus_Write, NByte_IN, NByte_OUT);
  return Report_Check(check, Modbus_Check_Prefix_Text);
}

void TFModbus_TCP_Master_Set_Access::Btn_CopyRowClick(TObject*) {
  Commit_Edits();
  TExtColumnGrid* grid = Current_Grid();
  Grid_Copy_Row(FState, *grid, grid->Row());
  Do_Copy_In_Read = grid == ACG_Modbus_Read;
  Do_Copy_In_Write = !Do_Copy_In_Read;
}

void TFModbus_TCP_Master_Set_Access::Btn_PasteRowClick(TObject*) {
  Commit_Edits();
  TExtColumnGrid* grid = Current_Grid();
  Grid_Paste_Row(FState, *grid, grid->Row(), grid == ACG_Modbus_Read ? Do_Copy_In_Read : Do_Copy_In_Write);
}

void TFModbus_TCP_Master_Set_Access::sgaKeyPress(TObject* Sender, TKeyChar& Key) {
  // A key typed into a cell's editor comes with the editor as Sender; its grid is its parent.
  auto* grid = dynamic_cast<TExtColumnGrid*>(Sender);
  if (auto* editor = dynamic_cast<TControl*>(Sender); !grid && editor)
    grid = dynamic_cast<TExtColumnGrid*>(editor->Parent());
  if (grid) Grid_Enter_Jump(FState, *grid, Key);
}

void TFModbus_TCP_Master_Set_Access::sgaDblClickCell(TObject* Sender, int ARow, int ACol) {
  if (auto* grid = dynamic_cast<TExtColumnGrid*>(Sender)) Grid_Header_DblClick(FState, *grid, ARow, ACol);
}

}  // namespace hd
