// The check-box and button editors that OnGetEditorType can give a cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/editing/editing_fixture.h"

namespace hd::test {
namespace {

class CellEditorsTest : public EditingTest {
 protected:
  // The address cells ask for the kind.
  void AddressCellsUse(TEditorType kind) {
    grid->OnGetEditorType = [kind](TObject*, int c, int, TEditorType& e) {
      if (c == kAddrCol) e = kind;
    };
  }
};

TEST_F(CellEditorsTest, ACheckBoxEditorStartsUncheckedWithTheTextAsCaptionAndStoresNothing) {
  AddressCellsUse(edCheckBox);
  ClickCell(kAddrCol, 2);
  Press(VK_F2);
  TGridCheckBox* check = grid->CheckBoxEditor();
  ASSERT_TRUE(check->Visible());
  EXPECT_TRUE(check->Focused());
  EXPECT_EQ(check->Caption(), "200");
  EXPECT_EQ(check->State(), cbUnchecked);
  Press(VK_SPACE);
  EXPECT_TRUE(check->Checked());
  Press(VK_ESCAPE);
  EXPECT_TRUE(check->Visible()) << "Escape does not end the edit by itself";
  Press(VK_DOWN);
  EXPECT_FALSE(check->Visible());
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
}

TEST_F(CellEditorsTest, SpaceOnTheButtonEditorPassesTheCaptionThroughTheEllipsisEventFirst) {
  AddressCellsUse(edButton);
  std::vector<std::string> events;
  grid->OnEllipsClick = [&](TObject*, int c, int r, std::string& s) {
    events.push_back("ellips " + IntToStr(c) + "," + IntToStr(r) + "=" + s);
    s += "!";
  };
  grid->OnButtonClick = [&](TObject*, int c, int r) { events.push_back("button " + IntToStr(c) + "," + IntToStr(r)); };
  ClickCell(kAddrCol, 2);
  Press(VK_F2);
  TGridButton* button = grid->Btn();
  ASSERT_TRUE(button->Visible());
  TRect cell = grid->CellRect(kAddrCol, 2);
  EXPECT_EQ(button->BoundsRect(), (TRect{cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom}));
  Press(VK_SPACE);
  EXPECT_EQ(events, (std::vector<std::string>{"ellips 3,2=200", "button 3,2"}));
  EXPECT_EQ(button->Caption(), "200!");
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200!");
  // An arrow ends the edit and the grid moves exactly once.
  Press(VK_DOWN);
  EXPECT_FALSE(button->Visible());
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_TRUE(grid->Focused());
}

TEST_F(CellEditorsTest, KindsWithoutAnEditorHereOpenNothing) {
  for (TEditorType kind : {edCalculatorDropDown, edMemoDropDown, edCustom}) {
    SCOPED_TRACE(static_cast<int>(kind));
    AddressCellsUse(kind);
    ClickCell(kAddrCol, 2);
    Press(VK_F2);
    Type("5");
    EXPECT_FALSE(TextEditorShown());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
    EXPECT_TRUE(grid->Focused());
  }
}

}  // namespace
}  // namespace hd::test
