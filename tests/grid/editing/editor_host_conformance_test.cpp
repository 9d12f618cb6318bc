// Every in-place editor kind against a recording host: opened over a cell, typed into, its value
// refused and then accepted with Return, cancelled with Escape and left by the focus, with the
// host calls of each step and their order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/editing/inplace_edit_button.h"
#include "grid/editing/inplace_spin.h"
#include "grid/editing/recording_editor_host.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd::test {
namespace {

using TCalls = std::vector<std::string>;

struct TEditorScript {
  std::string name;
  TEditorType kind;
  // What the type step types.
  std::string typed;
  TCalls open, type, refused, accepted, cancel, done;
  // What the editor shows after the refusal (empty: the kind shows no text of its own).
  std::string shownAfterRefusal;
};

void PrintTo(const TEditorScript& s, std::ostream* os) { *os << s.name; }

bool IsEditBtnKind(TEditorType kind) { return kind == edEditBtn || kind == edUnitEditBtn; }
bool IsTextKind(TEditorType kind) {
  return kind != edComboEdit && kind != edComboList && kind != edCheckBox && kind != edButton && kind != edSpinEdit &&
         !IsEditBtnKind(kind);
}

class EditorHostConformance : public ::testing::TestWithParam<TEditorScript> {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 200);
    host = std::make_unique<TRecordingEditorHost>(form.get());
    THostGrid* grid = host->Grid;
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetCells(1, 1, "ab");
    other = New<TEdit>(form.get());
    other->SetParent(form.get());
    other->SetBounds(0, 160, 100, 24);
    form->Show();
    kit.Process();
    grid->SetFocus();
    grid->SetCol(1);
    grid->SetRow(1);
    kit.Process();
  }
  void TearDown() override {
    host.reset();
    form.reset();
  }

  // What the grid's set-up does for the kind: the session prepared, the editor over the cell.
  void Open() {
    TEditorType kind = GetParam().kind;
    TGridEditSession& s = host->State;
    s.EditControl = kind;
    s.EditMode = true;
    s.Editing = true;
    s.CellCache = host->CurrentCell();
    THostGrid* grid = host->Grid;
    TRect r = grid->CellRect(1, 1);
    if (IsTextKind(kind)) {
      grid->ShowEditor();
    } else if (kind == edCheckBox) {
      if (!check) check = Made<TGridCheckBox>();
      check->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      check->SetCaption(host->CurrentCell());
      Show(check);
    } else if (kind == edButton) {
      if (!button) button = Made<TGridButton>();
      button->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      button->SetCaption(host->CurrentCell());
      Show(button);
    } else if (kind == edSpinEdit) {
      if (!spin) spin = Made<TGridSpin>();
      spin->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      spin->SetText(host->CurrentCell());
      Show(spin);
    } else if (kind == edEditBtn) {
      if (!editBtn) editBtn = Made<TGridEditBtn>();
      editBtn->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      editBtn->SetText(host->CurrentCell());
      Show(editBtn);
    } else if (kind == edUnitEditBtn) {
      if (!unitBtn) {
        unitBtn = Made<TGridUnitEditBtn>();
        unitBtn->Units().Add("b");
      }
      unitBtn->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      unitBtn->SetUnitID("");
      unitBtn->SetTextAndUnit(host->CurrentCell());
      Show(unitBtn);
    } else {
      if (!combo) {
        combo = Made<TGridCombo>();
        for (const char* item : {"a", "ab", "b"}) combo->Items().Add(item);
      }
      combo->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      combo->SetStyle(kind == edComboList ? csDropDownList : csDropDown);
      if (kind == edComboList)
        combo->SetItemIndex(combo->Items().IndexOf(host->CurrentCell()));
      else
        combo->SetText(host->CurrentCell());
      Show(combo);
    }
    kit.Process();
  }
  template <class T>
  T* Made() {
    T* editor = New<T>(host->Grid, *host);
    editor->SetParent(host->Grid);
    editor->SetVisible(false);
    return editor;
  }
  void Show(TWinControl* editor) {
    host->Special = editor;
    editor->SetEnabled(true);
    editor->SetVisible(true);
    editor->SetFocus();
  }
  // The text the open editor shows.
  std::string Shown() {
    TEditorType kind = GetParam().kind;
    if (IsTextKind(kind)) return host->Grid->Editor() ? host->Grid->Editor()->Text() : "";
    if (kind == edComboEdit || kind == edComboList) return combo->Text();
    if (kind == edSpinEdit) return spin->Text();
    if (kind == edEditBtn) return editBtn->Text();
    if (kind == edUnitEditBtn) return unitBtn->TextAndUnit();
    return "";
  }
  // Runs a step and returns the host calls it made.
  template <class F>
  TCalls Step(F action) {
    host->Calls.clear();
    action();
    kit.Process();
    return host->Calls;
  }
  void Press(int vk) { kit.Press(vk); }
  // A step on an open editor: one a former step closed opens again first.
  template <class F>
  TCalls OpenAgainAnd(F action) {
    if (!EditorOpen()) Open();
    return Step(action);
  }
  bool EditorOpen() {
    if (!IsTextKind(GetParam().kind)) return host->Special && host->Special->Visible();
    return host->Grid->Editor() && host->Grid->Editor()->Visible();
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  std::unique_ptr<TRecordingEditorHost> host;
  TEdit* other = nullptr;
  TGridCombo* combo = nullptr;
  TGridCheckBox* check = nullptr;
  TGridButton* button = nullptr;
  TGridSpin* spin = nullptr;
  TGridEditBtn* editBtn = nullptr;
  TGridUnitEditBtn* unitBtn = nullptr;
};

TEST_P(EditorHostConformance, OpenTypeRefuseAcceptCancelAndLeave) {
  const TEditorScript& script = GetParam();
  EXPECT_EQ(Step([&] { Open(); }), script.open) << "open";
  EXPECT_EQ(Step([&] { kit.Type(script.typed); }), script.type) << "type";
  host->Refuse = true;
  EXPECT_EQ(Step([&] { Press(VK_RETURN); }), script.refused) << "Return, refused";
  EXPECT_EQ(Shown(), script.shownAfterRefusal);
  host->Refuse = false;
  EXPECT_EQ(OpenAgainAnd([&] { Press(VK_RETURN); }), script.accepted) << "Return, accepted";
  EXPECT_EQ(OpenAgainAnd([&] { Press(VK_ESCAPE); }), script.cancel) << "Escape";
  EXPECT_EQ(OpenAgainAnd([&] { other->SetFocus(); }), script.done) << "focus leaves";
}

// The text kinds differ only in what they let through; the proposal "a" of the refusal shows in
// every editor with a text. A second validation follows each Return: the key validates, then its
// character. Check box and button never validate; Escape leaves the check box open.
const TCalls kTextOpen{"editorprop 1,1"};
const TCalls kTextAccepted{"validate a", "validate a", "editdone 1,1"};
const TCalls kTextCancel{"hide", "editdone 1,1"};
const TCalls kTextDone{"validate a", "hide", "select 1,1", "editdone 1,1"};

const TEditorScript kScripts[] = {
    {"Normal", edNormal, "a1", kTextOpen, {"change 1,1=a", "change 1,1=a1"},
     {"validate a1", "change 1,1=a", "validate a"}, kTextAccepted, kTextCancel, kTextDone, "a"},
    {"Numeric", edNumeric, "a1", kTextOpen, {"change 1,1=1"}, {"validate 1", "change 1,1=a", "validate a"},
     kTextAccepted, kTextCancel, kTextDone, "a"},
    {"UpperCase", edUpperCase, "a1", kTextOpen, {"change 1,1=A", "change 1,1=A1"},
     {"validate A1", "change 1,1=a", "validate a"}, kTextAccepted, kTextCancel, kTextDone, "a"},
    {"ValidChars", edValidChars, "a1", kTextOpen, {"change 1,1=a"}, {"validate a", "validate a"}, kTextAccepted,
     kTextCancel, kTextDone, "a"},
    {"Password", edPassword, "a1", kTextOpen, {"change 1,1=a", "change 1,1=a1"},
     {"validate a1", "change 1,1=a", "validate a"}, kTextAccepted, kTextCancel, kTextDone, "a"},
    {"ComboEdit", edComboEdit, "b", {}, {"keypress 98", "change 1,1=abb"},
     {"setcell abb", "validate abb", "keypress 13"},
     {"setcell a", "validate a", "done 13", "hide", "keypress 13"}, {"readback", "hide", "keypress 27"}, {"hide"},
     "a"},
    {"ComboList", edComboList, "b", {}, {"keypress 98", "change 1,1=b"}, {"setcell b", "validate b", "keypress 13"},
     {"setcell a", "validate a", "hide", "hide", "done 13", "keypress 13"}, {"readback", "hide", "keypress 27"},
     {"hide"}, "a"},
    {"CheckBox", edCheckBox, " ", {}, {}, {"hide", "hide", "advance"}, {"hide", "hide", "advance"}, {}, {"hide"}, ""},
    {"Button", edButton, " ", {}, {"ellips ab", "setcell ab!", "button"}, {}, {}, {"hide", "restore"}, {"hide"}, ""},
    // The spin and the button edit report every change of their text, the one that loads them
    // too; after a refusal the spin shows the cell as validation left it, the button edit the
    // proposal. The unit edit splits the value from its unit ("b") and stores both together.
    {"SpinEdit", edSpinEdit, "1", {"change 1,1=0", "change 1,1=ab"}, {"change 1,1=1"}, {"setcell 1", "validate 1"},
     {"setcell 1", "validate 1", "done 13", "hide"}, {"done 27", "hide"}, {"hide"}, "1"},
    {"EditBtn", edEditBtn, "b", {"change 1,1=0", "change 1,1=ab"},
     {"keydown 66", "keypress 98", "change 1,1=b", "keyup 66"}, {"setcell b", "validate b", "change 1,1=a", "keyup 13"},
     {"setcell a", "validate a", "done 13", "hide"}, {"done 27", "hide", "keypress 27"}, {"hide"}, "a"},
    {"UnitEditBtn", edUnitEditBtn, "b", {}, {}, {"setcell bb", "validate bb"},
     {"setcell bb", "validate bb", "done 13", "hide"}, {"done 27", "hide"}, {"hide"}, "bb"},
};

INSTANTIATE_TEST_SUITE_P(EveryEditorKind, EditorHostConformance, ::testing::ValuesIn(kScripts),
                         [](const ::testing::TestParamInfo<TEditorScript>& info) { return info.param.name; });

}  // namespace
}  // namespace hd::test
