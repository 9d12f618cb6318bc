// The controls written into cell markup, worked through a real grid with the mouse and keys:
// CHECK, RADIO and BUTTON presses, the edit and the combo opened over EDIT and COMBO controls,
// Tab from one EDIT control to the next, and no change without editing.
#include <gtest/gtest.h>

#include <memory>

#include "grid/editing/cell_controls.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/sysutils.h"
#include "testkit/gui_kit.h"

namespace hd::test {
namespace {

class TControlsGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::CellRect;
};

class CellControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(700, 300);
    grid = New<TControlsGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 680, 280);
    grid->SetColCount(4);
    grid->SetRowCount(5);
    grid->SetColWidths(1, 300);
    grid->SetRowHeights(1, 40);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->OnControlClick = [this](TObject*, int r, int c, const std::string& id, const std::string& type,
                                  const std::string& v) {
      events.push_back("click " + IntToStr(r) + "," + IntToStr(c) + " " + id + " " + type + "=" + v);
    };
    grid->OnControlEditDone = [this](TObject*, int r, int c, const std::string& id, const std::string& type,
                                     const std::string& v) {
      events.push_back("done " + IntToStr(r) + "," + IntToStr(c) + " " + id + " " + type + "=" + v);
    };
    form->Show();
    kit.Process();
    grid->SetFocus();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  // The middle of a control of cell (1, 1), found as the grid finds it.
  TPoint ControlPoint(const std::string& id) {
    TRect r = grid->CellRect(1, 1);
    r.Left += 1;
    r.Top += 1;
    TMarkupCall call;
    call.Rect = r;
    call.X = call.Y = -1;
    call.HitTest = true;
    TMarkupResult result;
    result.ControlID = id;
    grid->Canvas().Font() = grid->Font();
    DrawMarkup(grid->Canvas(), grid->Cells(1, 1), call, result);
    EXPECT_EQ(result.AnchorVal, "ctrl") << id;
    return {(result.ControlRect.Left + result.ControlRect.Right) / 2, result.ControlRect.Top + 8};
  }
  void ClickControl(const std::string& id) {
    TPoint at = ControlPoint(id);
    kit.Click(grid, at.X, at.Y);
    kit.Process();
  }
  template <class T>
  T* Child() {
    for (int i = 0; i < grid->ComponentCount(); ++i)
      if (auto* c = dynamic_cast<T*>(grid->Components(i))) return c;
    return nullptr;
  }
  std::string Value(const std::string& id) {
    std::string v;
    GetControlValue(grid->Cells(1, 1), id, v);
    return v;
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TControlsGrid* grid = nullptr;
  std::vector<std::string> events;
};

TEST_F(CellControlsTest, CheckFlipsAndTwoClicksGiveBackTheText) {
  // The tag as the markup writes a control back.
  const std::string text = "Enable <CONTROL ID=\"en\" VALUE=\"FALSE\" WIDTH=\"20\" TYPE=\"CHECK\">";
  grid->SetCells(1, 1, text);
  ClickControl("en");
  EXPECT_EQ(Value("en"), "TRUE");
  ClickControl("en");
  EXPECT_EQ(grid->Cells(1, 1), text);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], "click 1,1 en CHECK=FALSE") << "the value from before the click";
  EXPECT_EQ(events[1], "click 1,1 en CHECK=TRUE");
}

TEST_F(CellControlsTest, RadioClearsEveryRadioOfTheCellWhateverItsID) {
  grid->SetCells(1, 1,
                 "<CONTROL TYPE=\"RADIO\" ID=\"a\" VALUE=\"TRUE\" WIDTH=\"20\"> <CONTROL TYPE=\"RADIO\" ID=\"b\" "
                 "VALUE=\"FALSE\" WIDTH=\"20\"> <CONTROL TYPE=\"RADIO\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\">");
  ClickControl("c");
  EXPECT_EQ(Value("a"), "FALSE");
  EXPECT_EQ(Value("b"), "FALSE");
  EXPECT_EQ(Value("c"), "TRUE");
  ClickControl("b");
  EXPECT_EQ(Value("b"), "TRUE");
  EXPECT_EQ(Value("c"), "FALSE");
}

TEST_F(CellControlsTest, ButtonIsReportedAndChangesNoText) {
  const std::string text = "<CONTROL TYPE=\"BUTTON\" ID=\"go\" VALUE=\"Go\" WIDTH=\"60\">";
  grid->SetCells(1, 1, text);
  TPoint at = ControlPoint("go");
  kit.MouseDown(grid, at.X, at.Y);
  kit.Process();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0], "click 1,1 go BUTTON=Go");
  EXPECT_EQ(grid->CellControlCell(), (TPoint{1, 1}));
  kit.MouseUp(grid, at.X, at.Y);
  kit.Process();
  EXPECT_EQ(grid->Cells(1, 1), text);
  EXPECT_FALSE(grid->CellControlEditing());
}

TEST_F(CellControlsTest, EditOpensOverTheControlAndTabMovesToTheNextEditControl) {
  grid->SetCells(1, 1,
                 "Host <CONTROL TYPE=\"EDIT\" ID=\"host\" VALUE=\"10.0.0.1\" WIDTH=\"90\" MAXLEN=\"15\"> "
                 "<CONTROL TYPE=\"CHECK\" ID=\"x\" VALUE=\"FALSE\" WIDTH=\"20\"> Port <CONTROL TYPE=\"EDIT\" "
                 "ID=\"port\" VALUE=\"502\" WIDTH=\"50\">");
  const TPoint hostAt = ControlPoint("host");
  ClickControl("host");
  ASSERT_TRUE(grid->CellControlEditing());
  auto* edit = Child<TControlEdit>();
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->Visible());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->Text(), "10.0.0.1");
  EXPECT_EQ(edit->MaxLength(), 15);
  EXPECT_LE(edit->Left(), hostAt.X);
  EXPECT_GE(edit->Left() + edit->Width(), hostAt.X);
  edit->SelectAll();
  kit.Type("10.0.0.9");
  kit.Press(VK_TAB);
  kit.Process();
  EXPECT_EQ(Value("host"), "10.0.0.9");
  // The check box between is no edit control: the editor goes on to "port".
  ASSERT_TRUE(grid->CellControlEditing());
  EXPECT_EQ(grid->CellControlID(), "port");
  EXPECT_EQ(edit->Text(), "502");
  EXPECT_TRUE(edit->Focused());
  edit->SelectAll();
  kit.Type("1502");
  kit.Press(VK_RETURN);
  kit.Process();
  EXPECT_FALSE(grid->CellControlEditing());
  EXPECT_FALSE(edit->Visible());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(Value("port"), "1502");
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0], "click 1,1 host EDIT=10.0.0.1");
  EXPECT_EQ(events[1], "done 1,1 host EDIT=10.0.0.9");
  EXPECT_EQ(events[2], "done 1,1 port EDIT=1502");
}

TEST_F(CellControlsTest, ComboShowsAValueOutsideItsListWithNoItemPicked) {
  grid->SetCells(1, 1, "Mode <CONTROL TYPE=\"COMBO\" ID=\"mode\" VALUE=\"Custom\" WIDTH=\"100\">");
  int dropCountSeen = 0;
  grid->OnControlComboList = [&](TObject*, int r, int c, const std::string& id, const std::string&,
                                 const std::string& v, TStringList& values, bool& edit, int& count) {
    EXPECT_EQ(r, 1);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(id, "mode");
    EXPECT_EQ(v, "Custom");
    EXPECT_TRUE(edit);
    dropCountSeen = count;
    values.Add("Master");
    values.Add("Slave");
    count = 4;
  };
  std::vector<std::string> picked;
  grid->OnControlComboSelect = [&](TObject*, int, int, int index, const std::string&, const std::string& v) {
    picked.push_back(IntToStr(index) + "=" + v);
  };
  ClickControl("mode");
  auto* combo = Child<TControlCombo>();
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(dropCountSeen, 8);
  EXPECT_EQ(combo->Text(), "Custom");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->DropDownCount(), 4);
  combo->SetItemIndex(1);
  grid->ControlComboSelect(combo);
  ASSERT_EQ(picked.size(), 1u);
  EXPECT_EQ(picked[0], "1=Slave");
  grid->SetFocus();  // leaving the combo writes its text back
  kit.Process();
  EXPECT_EQ(Value("mode"), "Slave");
}

TEST_F(CellControlsTest, WithoutEditingAClickChangesNothingAndOpensNothing) {
  grid->SetOptions(grid->Options() - TGridOptions{goEditing});
  const std::string text = "<CONTROL TYPE=\"CHECK\" ID=\"en\" VALUE=\"FALSE\" WIDTH=\"20\"> "
                           "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"x\" WIDTH=\"40\">";
  grid->SetCells(1, 1, text);
  ClickControl("en");
  ClickControl("e");
  EXPECT_EQ(grid->Cells(1, 1), text);
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(grid->CellControlEditing());
  EXPECT_EQ(grid->Col(), 1) << "the press selected the cell";
  EXPECT_EQ(grid->Row(), 1);
}

}  // namespace
}  // namespace hd::test
