// The cycle every table window shares: the file is loaded into the grids at each showing, OK
// checks the rows down to the first empty key and rewrites the file only when the check
// passes, Cancel writes nothing; Insert and Delete act on the current row of the current grid.
// A window describes its file as data (table_file.h) and adds its own check and layout.
#pragma once

#include <string>
#include <vector>

#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "tables/table_check.h"
#include "tables/table_file.h"

namespace hd {

struct TAppState;
class TExtColumnGrid;
class TLbButton;
class TPanel;

class TRuleTableForm : public TForm {
 public:
  // file describes the table; deleteText is the Lang_Table number of the delete question.
  TRuleTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int indLang, int deleteText);
  const char* ClassName() const override { return "TRuleTableForm"; }

  // True when every checked row passes; otherwise the first failure's message was shown.
  virtual bool Controllo_dati() = 0;

  void Btn_OKClick(TObject* Sender);
  void Btn_InsRowClick(TObject* Sender);
  void Btn_DelRowClick(TObject* Sender);

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;
  TLbButton* Btn_DelRow = nullptr;
  TLbButton* Btn_InsRow = nullptr;

  // First text number of the window's block.
  int Ind_Lang = 0;

 protected:
  // After the window's own showing, the grid in sight takes the focus: typing and Return go to
  // the table, not to a button.
  void DoShow() override;
  // The grids in the order of the file's sections.
  virtual std::vector<TExtColumnGrid*> Grids() const = 0;
  // The grid the row commands act on.
  virtual TExtColumnGrid* Current_Grid() const = 0;
  // Where the table is read from and written to; empty when the configuration sets no file.
  virtual std::string Table_Path() const = 0;
  // The window's own copies of the row shifters move texts as the shared ones do.
  virtual void Insert_Row(int Num_Row, TExtColumnGrid& grid);
  virtual void Delete_Row(int Num_Row, TExtColumnGrid& grid);

  // A grid of the window as table_grid.h makes it from the description.
  TExtColumnGrid* Make_Table_Grid(TWinControl* parent, const std::string& name, const TTableSection& section);
  // The column headers of a grid from the description's text numbers.
  void Set_Column_Headers(TExtColumnGrid& grid, const TTableSection& section, int numberHeaderText);
  // The push buttons of the table windows on the bottom panel, from its left in tab order.
  TLbButton* Add_Button(const std::string& name, int index, TModalResult modalResult = mrNone);
  // OK, Cancel, Delete Row and Insert Row, each wired to its command.
  void Add_Row_Buttons();

  // Clears the grids and loads the file; a failure to read is shown, the window keeps what was
  // read before it.
  void Load_Table();
  // Writes the grids to the file; a failure is shown and answered false.
  bool Save_Table();
  // Shows a failed check with the window's row prefix; true when the check passed.
  bool Report_Check(const TTableCheck& check, int prefixText);
  // A pending in-place edit reaches its cell before anything reads the cells.
  void Commit_Edits();
  // The views of the grids, for the file and check routines.
  std::vector<TCellTableView> Grid_Views() const;

  const std::string& Lang(int number) const;

  TAppState& FState;
  const TTableFile& FFile;

 private:
  int FDeleteText;
};

}  // namespace hd
