// A column grid shaped like the Modbus read-request table on a shown form, with a log of the
// editing events, for the editing tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/editing/check_editors.h"
#include "grid/editing/inplace_combo.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/forms.h"
#include "platform/sysutils.h"
#include "testkit/gui_kit.h"

namespace hd::test {

class TTestEditGrid : public TExtColumnGrid {
 public:
  using TExtColumnGrid::TExtColumnGrid;
  using TExtColumnGrid::CellRect;
};

// Column 0 numbers the rows; 1 Slave ID (text), 2 function (list), 3 start address (text),
// 4 enabled ("Y"/"N" check box), 5 a read-only note.
constexpr int kIdCol = 1;
constexpr int kFuncCol = 2;
constexpr int kAddrCol = 3;
constexpr int kEnableCol = 4;
constexpr int kNoteCol = 5;

class EditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(700, 300);
    grid = New<TTestEditGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 680, 280);
    grid->SetColCount(6);
    grid->SetRowCount(6);
    TGridColumnCollection& columns = grid->Columns();
    columns.Items(kFuncCol)->SetEditor(edComboList);
    for (const char* f : {"Read Coil Status", "Read Input Status", "Read Holding Registers", "Read Input Registers"})
      columns.Items(kFuncCol)->ComboItems().Add(f);
    columns.Items(kEnableCol)->SetEditor(edDataCheckBox);
    columns.Items(kNoteCol)->SetReadOnly(true);
    for (int r = 1; r < 6; ++r) {
      grid->SetCells(0, r, IntToStr(r));
      grid->SetCells(kIdCol, r, IntToStr(r));
      grid->SetCells(kFuncCol, r, "Read Holding Registers");
      grid->SetCells(kAddrCol, r, IntToStr(100 * r));
      grid->SetCells(kEnableCol, r, "Y");
    }
    form->Show();
    kit.Process();
    grid->SetFocus();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  // Clicks the middle of a cell.
  void ClickCell(int c, int r) {
    TRect rect = grid->CellRect(c, r);
    kit.Click(grid, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    kit.Process();
  }
  void Press(int vk, TShiftState s = {}) {
    kit.Press(vk, s);
    kit.Process();
  }
  void Type(const std::string& text) {
    kit.Type(text);
    kit.Process();
  }
  TExtInplaceEdit* TextEditor() const { return grid->NormalEdit(); }
  bool TextEditorShown() const { return TextEditor() && TextEditor()->Visible(); }
  // Logs the editing events as "name col,row[=value]".
  void LogEvents() {
    auto cell = [](int c, int r) { return IntToStr(c) + "," + IntToStr(r); };
    grid->OnEditChange = [=, this](TObject*, int c, int r, const std::string& v) {
      log.Note("change " + cell(c, r) + "=" + v);
    };
    grid->OnCellValidate = [=, this](TObject*, int c, int r, std::string& v, bool&) {
      log.Note("validate " + cell(c, r) + "=" + v);
    };
    grid->OnCellsChanged = [=, this](TObject*, const TRect& R) { log.Note("cells " + cell(R.Left, R.Top)); };
    grid->OnEditingDone = [this](TObject*) { log.Note("done"); };
    grid->OnEditCellDone = [=, this](TObject*, int c, int r) { log.Note("celldone " + cell(c, r)); };
    grid->OnRowChanging = [=, this](TObject*, int o, int n, bool&) {
      log.Note("rowchanging " + IntToStr(o) + ">" + IntToStr(n));
    };
    grid->OnComboChange = [=, this](TObject*, int c, int r, int i, const std::string& s) {
      log.Note("combo " + cell(c, r) + " " + IntToStr(i) + "=" + s);
    };
  }

  std::string Events() const {
    std::string s;
    for (const std::string& e : log.Entries()) s += (s.empty() ? "" : " | ") + e;
    return s;
  }

  TGuiKit kit;
  TEventLog log;
  std::unique_ptr<TForm> form;
  TTestEditGrid* grid = nullptr;
};

}  // namespace hd::test
