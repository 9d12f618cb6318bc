#include "tables/node_guarding_form.h"

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kClientWidth = 700, kClientHeight = 337;
constexpr int kDevices = 32;
constexpr int kDeleteText = 2315;
constexpr int kDeviceText = 2312, kGuardTimeText = 2313, kLifeTimeText = 2314;

TTableFile BuildFile() {
  auto column = [](const char* attribute, int header, int width, TColor tint) {
    return TTableColumn{.Attribute = attribute, .HeaderText = header, .Required = false, .Width = width,
                        .Color = tint, .BoldHeader = true};
  };
  constexpr TColor deviceTint = 0xFEFAE0, timingTint = 0xA8FFFF;  // (224,250,254), (255,255,168)
  return TTableFile{.Root = "Node_Guarding", .Version = "1.304", .KeyColumn = ngNodeID,
                    .Sections = {TTableSection{.Name = "", .Columns = {column("NodeID", 2307, 120, deviceTint),
                                                           column("GuardTime", 2308, 120, timingTint),
                                                           column("LifeTimeFactor", 2309, 120, timingTint),
                                                           column("Mnemonic", 2310, 275, clWhite)},
                                               .DataRows = kDevices}}};
}

}  // namespace

const TTableFile& Node_Guarding_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_Node_Guarding(const TCellTableView& grid) {
  return WalkTableCheck(Node_Guarding_File(), {grid},
                        [](int, const TCellTableView& g, int r) -> std::optional<TCellFailure> {
                          auto outside = [&](int column, int lo, int hi) {
                            const int v = CellNumber(g.Cells(column, r));
                            return v < lo || v > hi;
                          };
                          if (outside(ngNodeID, 1, 127)) return TCellFailure{kDeviceText, {}};
                          if (outside(ngGuardTime, 1, 65535)) return TCellFailure{kGuardTimeText, {}};
                          if (outside(ngLifeTimeFactor, 1, 255)) return TCellFailure{kLifeTimeText, {}};
                          return std::nullopt;
                        });
}

TFNodeGuard::TFNodeGuard(TComponent* owner, TAppState& state)
    : TRuleTableForm(owner, state, Node_Guarding_File(), 0, kDeleteText) {
  SetName("FNodeGuard");
  SetCaption("Node Guarding Access");
  SetColor(0xEDF7F8);  // (248,247,237)
  SetClientSize(kClientWidth, kClientHeight);
  Add_Row_Buttons();
  ESG = Make_Table_Grid(this, "ESG", Node_Guarding_File().Sections[0]);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFNodeGuard::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(kClientWidth, kClientHeight);
  Set_Lang();
}

void TFNodeGuard::Set_Lang() {
  SetCaption(Lang(2300));
  L_SW_Desc->SetCaption(Lang(2301));
  Btn_OK->SetCaption(Lang(2302));
  Btn_Cancel->SetCaption(Lang(2303));
  Btn_DelRow->SetCaption(Lang(2304));
  Btn_InsRow->SetCaption(Lang(2305));
  Set_Column_Headers(*ESG, Node_Guarding_File().Sections[0], 2306);
}

void TFNodeGuard::FormShow(TObject*) { Load_Table(); }

std::string TFNodeGuard::Table_Path() const { return FState.Path_NodeGuard; }

bool TFNodeGuard::Controllo_dati() {
  return Report_Check(Check_Node_Guarding(*ESG), Node_Guarding_Prefix_Text);
}

}  // namespace hd
