#include "tables/table_window.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/window_looks.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/exceptions.h"
#include "platform/ext_ctrls.h"
#include "platform/sysutils.h"
#include "tables/row_operations.h"
#include "tables/table_grid.h"

namespace hd {

namespace {

constexpr int kButtonLeft = 8, kButtonTop = 6, kButtonWidth = 110, kButtonHeight = 28, kButtonGap = 4;

}  // namespace

TRuleTableForm::TRuleTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int indLang,
                               int deleteText)
    : TForm(owner), Ind_Lang(indLang), FState(state), FFile(file), FDeleteText(deleteText) {
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  // Its grids scroll: on a small screen the window shrinks to it, every part reachable.
  SetFitToWorkArea(true);
  SetFont(Window_Font());
  SetShowHint(true);
  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  P_Button = Make_Button_Panel(this, 40);
}

TLbButton* TRuleTableForm::Add_Button(const std::string& name, int index, TModalResult modalResult) {
  const int left = kButtonLeft + index * (kButtonWidth + kButtonGap);
  const bool glyphed = index < 2;  // OK and Cancel carry their pictures
  TLbButton* b =
      Make_Button(this, P_Button, name, Bounds(left, kButtonTop, kButtonWidth, kButtonHeight),
                  glyphed ? DialogGlyph(index == 0 ? TDialogGlyph::OK : TDialogGlyph::Cancel) : TBitmap(), modalResult);
  b->SetTabOrder(index);
  return b;
}

void TRuleTableForm::Add_Row_Buttons() {
  Btn_OK = Add_Button("Btn_OK", 0);
  Btn_Cancel = Add_Button("Btn_Cancel", 1, mrCancel);
  Btn_DelRow = Add_Button("Btn_DelRow", 2);
  Btn_InsRow = Add_Button("Btn_InsRow", 3);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_DelRow->OnClick = [this](TObject* s) { Btn_DelRowClick(s); };
  Btn_InsRow->OnClick = [this](TObject* s) { Btn_InsRowClick(s); };
}

TExtColumnGrid* TRuleTableForm::Make_Table_Grid(TWinControl* parent, const std::string& name,
                                                const TTableSection& section) {
  return hd::Make_Table_Grid(this, parent, name, section);
}

void TRuleTableForm::Set_Column_Headers(TExtColumnGrid& grid, const TTableSection& section, int numberHeaderText) {
  hd::Set_Column_Headers(grid, section, numberHeaderText, FState.Lang_Table);
}

void TRuleTableForm::DoShow() {
  TForm::DoShow();
  TExtColumnGrid* grid = Current_Grid();
  if (grid && grid->CanFocus()) SetActiveControl(grid);
}

const std::string& TRuleTableForm::Lang(int number) const { return FState.Lang_Table.Strings(number); }

std::vector<TCellTableView> TRuleTableForm::Grid_Views() const {
  std::vector<TCellTableView> views;
  for (TExtColumnGrid* g : Grids()) views.emplace_back(*g);
  return views;
}

void TRuleTableForm::Commit_Edits() {
  for (TExtColumnGrid* g : Grids()) {
    if (g->EditorMode()) g->SetEditorMode(false);
    // Closing the editor leaves the edit open; ended here, a later Escape has nothing stale to put back.
    if (g->Editing()) g->ValidateCell(g->Cells(g->Col(), g->Row()));
  }
}

void TRuleTableForm::Load_Table() {
  const std::string failure = LoadTableFile(FFile, Table_Path(), Grid_Views());
  if (!failure.empty()) Show_Error(failure);
}

bool TRuleTableForm::Save_Table() {
  try {
    SaveTableFile(FFile, Table_Path(), Grid_Views());
    return true;
  } catch (const Exception& e) {
    Show_Error(e.Message());
    return false;
  }
}

bool TRuleTableForm::Report_Check(const TTableCheck& check, int prefixText) {
  if (check.Passed()) return true;
  Show_Error(check.Message(prefixText, [this](int i) { return Lang(i); }));
  return false;
}

void TRuleTableForm::Btn_OKClick(TObject*) {
  Commit_Edits();
  if (!Controllo_dati()) return;
  // A failed write keeps the window open with the user's rows.
  if (!Save_Table()) return;
  SetModalResult(mrOk);
}

void TRuleTableForm::Btn_InsRowClick(TObject*) {
  Commit_Edits();
  TExtColumnGrid* grid = Current_Grid();
  Insert_Row(grid->Row(), *grid);
}

void TRuleTableForm::Btn_DelRowClick(TObject*) {
  Commit_Edits();
  TExtColumnGrid* grid = Current_Grid();
  const int row = grid->Row();
  if (!Ask_Yes_No(Lang(FDeleteText) + IntToStr(row))) return;
  Delete_Row(row, *grid);
}

void TRuleTableForm::Insert_Row(int Num_Row, TExtColumnGrid& grid) { Grid_Insert_Row(Num_Row, grid); }

void TRuleTableForm::Delete_Row(int Num_Row, TExtColumnGrid& grid) { Grid_Delete_Row(Num_Row, grid); }

}  // namespace hd
