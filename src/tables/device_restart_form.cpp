#include "tables/device_restart_form.h"

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kClientWidth = 798, kClientHeight = 336;
constexpr int kNodes = 127;
constexpr int kRowHeight = 21;
constexpr TColor kBackground = 0xEDF7F8;  // (248,247,237) as 0x00BBGGRR

TTableFile BuildFile() {
  const TTableColumn enable{.Attribute = "Enable_ReStart", .HeaderText = 2407, .Editor = teDataCheckBox,
                            .Required = false, .Default = "N", .Width = 90, .Color = 0xFEFAE0,  // (224,250,254)
                            .BoldHeader = true};
  const TTableColumn mnemonic{.Attribute = "Mnemonic", .HeaderText = 2408, .Required = false, .Width = 440,
                              .Color = clWhite, .BoldHeader = true};
  return TTableFile{.Root = "Enable_ReStart_CANopen", .Version = "1.304", .KeyColumn = 0,
                    .Sections = {TTableSection{"", {enable, mnemonic}, kNodes, 80}}};
}

}  // namespace

const TTableFile& Device_Restart_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TFReStart_Devices::TFReStart_Devices(TComponent* owner, TAppState& state)
    : TRuleTableForm(owner, state, Device_Restart_File(), 0, 0) {
  SetName("FReStart_Devices");
  SetCaption("ReStart CANopen Devices");
  SetColor(kBackground);
  SetClientSize(kClientWidth, kClientHeight);
  Btn_OK = Add_Button("Btn_OK", 0);
  Btn_Cancel = Add_Button("Btn_Cancel", 1, mrCancel);
  Btn_SelectAll = Add_Button("Btn_SelectAll", 2);
  Btn_ClearAll = Add_Button("Btn_ClearAll", 3);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_SelectAll->OnClick = [this](TObject* s) { Select_Clear_All_Click(s); };
  Btn_ClearAll->OnClick = [this](TObject* s) { Select_Clear_All_Click(s); };
  sga = Make_Table_Grid(this, "sga", Device_Restart_File().Sections[0]);
  sga->SetDefaultRowHeight(kRowHeight);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFReStart_Devices::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientWidth(kClientWidth);
  Set_Lang();
}

void TFReStart_Devices::Set_Lang() {
  SetCaption(Lang(2400));
  L_SW_Desc->SetCaption(Lang(2401));
  Btn_OK->SetCaption(Lang(2402));
  Btn_Cancel->SetCaption(Lang(2403));
  Btn_SelectAll->SetCaption(Lang(2404));
  Btn_ClearAll->SetCaption(Lang(2405));
  Set_Column_Headers(*sga, Device_Restart_File().Sections[0], 2406);
}

void TFReStart_Devices::FormShow(TObject*) { Load_Table(); }

void TFReStart_Devices::Select_Clear_All_Click(TObject* Sender) {
  Commit_Edits();
  const std::string mark = Sender == Btn_SelectAll ? "Y" : "N";
  for (int r = 1; r < sga->RowCount(); ++r) sga->SetCells(1, r, mark);
}

std::string TFReStart_Devices::Table_Path() const { return FState.Path_ReStart_Devices; }

}  // namespace hd
