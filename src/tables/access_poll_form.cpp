#include "tables/access_poll_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/access_poll_table.h"
#include "tables/image_sizes.h"

namespace hd {

namespace {

constexpr int kDeleteText = 650;
constexpr int kClientWidth = 900, kClientHeight = 337;

TTabSheet* Make_Page(TComponent* owner, TPageControl* pages, const std::string& name) {
  auto* page = new TTabSheet(owner);
  page->SetName(name);
  page->SetPageControl(pages);
  return page;
}

}  // namespace

TFSetAccess::TFSetAccess(TComponent* owner, TAppState& state)
    : TRuleTableForm(owner, state, Access_Poll_File(), 0, kDeleteText) {
  SetName("FSetAccess");
  SetClientSize(kClientWidth, kClientHeight);
  Add_Row_Buttons();
  Btn_OK->OnClick = [this](TObject* s) { bitbtn1Click(s); };

  PageControl1 = new TPageControl(this);
  PageControl1->SetName("PageControl1");
  PageControl1->SetParent(this);
  PageControl1->SetAlign(alClient);
  TS_Modbus_Read = Make_Page(this, PageControl1, "TS_Modbus_Read");
  TS_Modbus_Write = Make_Page(this, PageControl1, "TS_Modbus_Write");
  const TTableFile& file = Access_Poll_File();
  ACG_Modbus_Read = Make_Table_Grid(TS_Modbus_Read, "ACG_Modbus_Read", file.Sections[0]);
  ACG_Modbus_Write = Make_Table_Grid(TS_Modbus_Write, "ACG_Modbus_Write", file.Sections[1]);
  PageControl1->SetActivePage(TS_Modbus_Read);

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFSetAccess::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(kClientWidth, kClientHeight);
  Set_Lang();
}

void TFSetAccess::Set_Lang() {
  SetCaption(Lang(600));
  L_SW_Desc->SetCaption(Lang(601));
  Btn_OK->SetCaption(Lang(602));
  Btn_Cancel->SetCaption(Lang(603));
  Btn_DelRow->SetCaption(Lang(604));
  Btn_InsRow->SetCaption(Lang(605));
  TS_Modbus_Read->SetCaption(Lang(606));
  TS_Modbus_Write->SetCaption(Lang(607));
  const TTableFile& file = Access_Poll_File();
  Set_Column_Headers(*ACG_Modbus_Read, file.Sections[0], 608);
  Set_Column_Headers(*ACG_Modbus_Write, file.Sections[1], 619);
}

void TFSetAccess::FormShow(TObject*) {
  PageControl1->SetActivePage(TS_Modbus_Read);
  const TImageSizes sizes = ReadImageSizes(FState.Path_ParGen);
  // The reverse of the Modbus TCP master window: the read polls fill the input image.
  NByte_IN = sizes.NB_Input;
  NByte_OUT = sizes.NB_Output;
  FillPositionList(ACG_Modbus_Read->Columns().Items(prPosition)->ComboItems(), NByte_IN);
  FillPositionList(ACG_Modbus_Write->Columns().Items(pwPosition)->ComboItems(), NByte_OUT);
  // An unreadable ParGen.xml still lets the polls load, bounded by the default sizes.
  if (!sizes.Error.empty()) Show_Error(sizes.Error);
  Load_Table();
}

TExtColumnGrid* TFSetAccess::Current_Grid() const {
  return PageControl1->ActivePage() == TS_Modbus_Read ? ACG_Modbus_Read : ACG_Modbus_Write;
}

std::string TFSetAccess::Table_Path() const { return FState.Path_SetAccess; }

bool TFSetAccess::Controllo_dati() {
  return Report_Check(Check_Access_Polls(*ACG_Modbus_Read, *ACG_Modbus_Write, NByte_IN, NByte_OUT),
                      Access_Poll_Prefix_Text);
}

}  // namespace hd
