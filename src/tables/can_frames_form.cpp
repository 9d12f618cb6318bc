#include "tables/can_frames_form.h"

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kClientWidth = 759, kClientHeight = 337;
constexpr int kRowHeight = 21;
constexpr TColor kBackground = 0xEDF7F8;  // (248,247,237) as 0x00BBGGRR

}  // namespace

TCANFramesForm::TCANFramesForm(TComponent* owner, TAppState& state, const TCanFramesWindow& window)
    : TRuleTableForm(owner, state, window.File, window.FirstText, window.DeleteText), FWindow(window) {
  SetName(window.Name);
  SetColor(kBackground);
  SetClientSize(kClientWidth, kClientHeight);
  Btn_OK = Add_Button("Btn_OK", 0);
  Btn_Cancel = Add_Button("Btn_Cancel", 1, mrCancel);
  Btn_DelRow = Add_Button("Btn_DelRow", 2);
  Btn_InsRow = Add_Button("Btn_InsRow", 3);
  Btn_OK->OnClick = [this](TObject* s) { bitbtn1Click(s); };
  Btn_DelRow->OnClick = [this](TObject* s) { Btn_DelRowClick(s); };
  Btn_InsRow->OnClick = [this](TObject* s) { Btn_InsRowClick(s); };
  sga = Make_Table_Grid(this, "sga", window.File.Sections[0]);
  sga->SetDefaultRowHeight(kRowHeight);
  sga->SetOptions(sga->Options() - TGridOptions{goColSizing});
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TCANFramesForm::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientWidth(kClientWidth);
  Set_Lang();
}

void TCANFramesForm::Set_Lang() {
  const int first = FWindow.FirstText;
  SetCaption(Lang(first));
  L_SW_Desc->SetCaption(Lang(first + 1));
  Btn_OK->SetCaption(Lang(first + 2));
  Btn_Cancel->SetCaption(Lang(first + 3));
  Btn_DelRow->SetCaption(Lang(first + 4));
  Btn_InsRow->SetCaption(Lang(first + 5));
  Set_Column_Headers(*sga, FWindow.File.Sections[0], first + 6);
}

void TCANFramesForm::FormShow(TObject*) { Load_Table(); }

}  // namespace hd
