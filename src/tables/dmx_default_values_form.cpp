#include "tables/dmx_default_values_form.h"

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kClientWidth = 475, kClientHeight = 337;
constexpr int kChannels = 512;
constexpr int kPrefixText = 1407;
constexpr int kRangeText = 1408;

TTableFile BuildFile() {
  const TTableColumn value{.Attribute = "Default_Value", .HeaderText = 1405, .Required = false, .Default = "0",
                           .Width = 100, .Color = 0xFEFAE0};  // as 0x00BBGGRR
  const TTableColumn mnemonic{.Attribute = "Mnemonic", .HeaderText = 1406, .Required = false, .Width = 250};
  return TTableFile{.Root = "DMX_Default_Values", .Version = "1.101", .RowElement = "Row", .KeyColumn = 0,
                    .Sections = {TTableSection{"", {value, mnemonic}, kChannels, 100}}};
}

}  // namespace

const TTableFile& DMX_Default_Values_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_DMX_Default_Values(const TCellTableView& grid) {
  return WalkTableCheck(DMX_Default_Values_File(), {grid},
                        [](int, const TCellTableView& cells, int row) -> std::optional<TCellFailure> {
                          const int value = CellNumber(cells.Cells(1, row));
                          if (value < 0 || value > 255) return TCellFailure{kRangeText, std::nullopt};
                          return std::nullopt;
                        });
}

TFDMXDefVal::TFDMXDefVal(TComponent* owner, TAppState& state)
    : TRuleTableForm(owner, state, DMX_Default_Values_File(), 0, 0) {
  SetName("FDMXDefVal");
  SetClientSize(kClientWidth, kClientHeight);
  Btn_OK = Add_Button("Btn_OK", 0);
  Btn_Cancel = Add_Button("Btn_Cancel", 1, mrCancel);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  ACG_DMX_Def_Val = Make_Table_Grid(this, "ACG_DMX_Def_Val", DMX_Default_Values_File().Sections[0]);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFDMXDefVal::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(kClientWidth, kClientHeight);
  Set_Lang();
}

void TFDMXDefVal::Set_Lang() {
  SetCaption(Lang(1400));
  L_SW_Desc->SetCaption(Lang(1401));
  Btn_OK->SetCaption(Lang(1402));
  Btn_Cancel->SetCaption(Lang(1403));
  Set_Column_Headers(*ACG_DMX_Def_Val, DMX_Default_Values_File().Sections[0], 1404);
}

void TFDMXDefVal::FormShow(TObject*) {
  ACG_DMX_Def_Val->SetRowCount(kChannels + 1);
  Load_Table();
}

std::string TFDMXDefVal::Table_Path() const { return FState.Path_DMX_Def_Val; }

bool TFDMXDefVal::Controllo_dati() { return Report_Check(Check_DMX_Default_Values(*ACG_DMX_Def_Val), kPrefixText); }

}  // namespace hd
