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

namespace hd {

namespace {

constexpr int kButtonLeft = 8, kButtonTop = 6, kButtonWidth = 110, kButtonHeight = 28, kButtonGap = 4;
constexpr int kNumberColWidth = 40;
constexpr int kHeaderHeight = 22;

TEditorType EditorOf(TTableEditor editor) {
  switch (editor) {
    case teComboList: return edComboList;
    case teDataCheckBox: return edDataCheckBox;
    case teNormal: break;
  }
  return edNormal;
}

}  // namespace

TRuleTableForm::TRuleTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int indLang,
                               int deleteText)
    : TForm(owner), Ind_Lang(indLang), FState(state), FFile(file), FDeleteText(deleteText) {
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
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

TExtColumnGrid* TRuleTableForm::Make_Table_Grid(TWinControl* parent, const std::string& name,
                                                const TTableSection& section) {
  auto* grid = New<TExtColumnGrid>(this);
  grid->SetName(name);
  grid->SetParent(parent);
  grid->SetAlign(alClient);
  grid->SetColCount(static_cast<int>(section.Columns.size()) + 1);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetColWidths(0, kNumberColWidth);
  grid->SetRowHeights(0, kHeaderHeight);
  grid->SetScrollBars(ssBoth);
  grid->SetOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing,
                    goEditing});
  for (std::size_t i = 0; i < section.Columns.size(); ++i) {
    const TTableColumn& column = section.Columns[i];
    TGridColumnItem* item = grid->Columns().Items(static_cast<int>(i) + 1);
    item->SetEditor(EditorOf(column.Editor));
    item->ComboItems().Clear();
    for (const std::string& choice : column.Choices) item->ComboItems().Add(choice);
    if (column.Editor == teDataCheckBox) {
      item->SetCheckTrue("Y");
      item->SetCheckFalse("N");
      item->SetAlignment(taCenter);
    }
  }
  return grid;
}

void TRuleTableForm::Set_Column_Headers(TExtColumnGrid& grid, const TTableSection& section, int numberHeaderText) {
  grid.Columns().Items(0)->SetHeader(Lang(numberHeaderText));
  for (std::size_t i = 0; i < section.Columns.size(); ++i)
    grid.Columns().Items(static_cast<int>(i) + 1)->SetHeader(Lang(section.Columns[i].HeaderText));
}

const std::string& TRuleTableForm::Lang(int number) const { return FState.Lang_Table.Strings(number); }

std::vector<TCellTableView> TRuleTableForm::Grid_Views() const {
  std::vector<TCellTableView> views;
  for (TExtColumnGrid* g : Grids()) views.emplace_back(*g);
  return views;
}

void TRuleTableForm::Commit_Edits() {
  for (TExtColumnGrid* g : Grids())
    if (g->EditorMode()) g->SetEditorMode(false);
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
