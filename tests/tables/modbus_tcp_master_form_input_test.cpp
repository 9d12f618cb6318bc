// The Set Access window as a user meets it, by mouse, keys and wheel through the native input
// path: lists picked and closed and the click that follows, selecting a range by mouse, the
// caret of a long text, the wheel, Return in a list, the focus when the window opens and a
// window too large for the screen.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/editing/inplace_combo.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/desktop.h"
#include "platform/std_ctrls.h"
#include "tables/modbus_tcp_master_form.h"
#include "testkit/gui_kit.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

// Read grid columns.
constexpr int kIp = 1, kPort = 2, kType = 4, kAddress = 5, kPosition = 9, kSwap = 11, kMnemonic = 13;

class ModbusTcpMasterInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Load_Default_Texts();
    state.SW_Code = TAppState::SW_Code_Const;
    state.Path_ParGen = dir.File("ParGen.xml");
    state.Path_ModbusTCPM_SetAccess = dir.File("ModbusTCPM_SetAccess.xml");
    form = std::make_unique<TFModbus_TCP_Master_Set_Access>(nullptr, state);
    form->AfterConstruction();
  }
  void TearDown() override { form.reset(); }

  // Shows the window modally and runs the action inside; the window is then cancelled.
  // The screen is one where the window keeps the size it was made for, unless given.
  void Show(const std::function<void()>& inside, TSize screenSize = {1280, 1024}) {
    test::TScreenSizeScope screen(screenSize.cx, screenSize.cy);
    kit.OnModal([&](TCustomForm*) {
      inside();
      if (Form().ModalResult() == mrNone) kit.Click(Form().Btn_Cancel);
    });
    Form().ShowModal();
  }
  TFModbus_TCP_Master_Set_Access& Form() { return *form; }
  TExtColumnGrid* Grid() { return Form().ACG_Modbus_Read; }
  TPoint Centre(int c, int r) {
    TRect cell = Grid()->CellRect(c, r);
    return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
  }
  void ClickCell(int c, int r, TShiftState shift = {}) {
    TPoint p = Centre(c, r);
    kit.Click(Grid(), p.X, p.Y, mbLeft, shift);
  }
  // A list cell's combo editor open with its list dropped by a click on its button.
  TGridCombo* DropListOf(int c, int r) {
    ClickCell(c, r);
    ClickCell(c, r);
    TGridCombo* combo = Grid()->Combobox();
    EXPECT_TRUE(combo->Visible());
    kit.Click(combo, combo->Width() - 6, combo->Height() / 2);
    EXPECT_TRUE(combo->DroppedDown());
    return combo;
  }

  test::TGuiKit kit;
  testkit::TempFolder dir;
  TAppState state;
  std::unique_ptr<TFModbus_TCP_Master_Set_Access> form;
};

TEST_F(ModbusTcpMasterInputTest, AClickAfterAListWasPickedStoresThePickAndActsWhereItIsMade) {
  Show([&] {
    // Picked, then another cell clicked: the pick is stored and typing goes to the new cell.
    TGridCombo* combo = DropListOf(kType, 1);
    combo->SetItemIndex(2);
    combo->SetDroppedDown(false);
    ClickCell(kAddress, 2);
    EXPECT_FALSE(combo->Visible());
    EXPECT_FALSE(combo->DroppedDown()) << "the click did not reopen the list";
    EXPECT_EQ(Grid()->Cells(kType, 1), "Holding Register");
    EXPECT_EQ(Grid()->Col(), kAddress);
    EXPECT_EQ(Grid()->Row(), 2);
    kit.Type("40");
    EXPECT_EQ(Grid()->Cells(kAddress, 2), "40");
    kit.Press(VK_RETURN);

    // Closed by Right after the list was used: the first click on a check box ticks it.
    combo = DropListOf(kPosition, 3);
    combo->SetDroppedDown(false);
    kit.Press(VK_RIGHT);
    EXPECT_FALSE(combo->Visible());
    ClickCell(kSwap, 5);
    EXPECT_EQ(Grid()->Cells(kSwap, 5), "Y");
  });
}

TEST_F(ModbusTcpMasterInputTest, AClosingListEditorHasItsCellPaintedAgain) {
  Show([&] {
    TGridCombo* combo = DropListOf(kPosition, 2);
    combo->SetDroppedDown(false);
    kit.Process();
    const TRect place = combo->BoundsRect();
    TRect painted{};
    auto previous = Grid()->WindowProc;
    Grid()->WindowProc = [&](TMessage& m) {
      if (m.Msg == WM_PAINT) {
        TRect r;
        if (GetUpdateRect(Grid()->Handle(), &r, false)) UnionRect(painted, painted.Width() > 0 ? painted : r, r);
      }
      previous(m);
    };
    kit.Press(VK_RIGHT);
    kit.Process();
    Grid()->WindowProc = previous;
    EXPECT_FALSE(combo->Visible());
    EXPECT_LE(painted.Left, place.Left);
    EXPECT_LE(painted.Top, place.Top);
    EXPECT_GE(painted.Right, place.Right) << "the editor's right edge drawn over the cell's line";
    EXPECT_GE(painted.Bottom, place.Bottom) << "and its bottom edge";
  });
}

TEST_F(ModbusTcpMasterInputTest, ARangeIsSelectedByDraggingAndByShiftClick) {
  Show([&] {
    // A drag from one cell to another (a press on the current cell would edit it).
    TPoint from = Centre(kIp, 2), to = Centre(kAddress, 3);
    kit.MouseDown(Grid(), from.X, from.Y);
    kit.MoveMouse(Grid(), (from.X + to.X) / 2, to.Y);
    kit.MoveMouse(Grid(), to.X, to.Y);
    kit.MouseUp(Grid(), to.X, to.Y);
    EXPECT_EQ(Grid()->Selection(), (TGridRect{kIp, 2, kAddress, 3}));
    EXPECT_EQ(Grid()->Col(), kIp);
    EXPECT_EQ(Grid()->Row(), 2);
    EXPECT_FALSE(Grid()->EditorMode());

    // A range made by keys, then extended by Shift and a click.
    ClickCell(kPort, 4);
    kit.Press(VK_RIGHT, {ssShift});
    kit.Press(VK_DOWN, {ssShift});
    EXPECT_EQ(Grid()->Selection(), (TGridRect{kPort, 4, kPort + 1, 5}));
    ClickCell(kAddress, 6, {ssShift});
    EXPECT_EQ(Grid()->Selection(), (TGridRect{kPort, 4, kAddress, 6}));

    // A press on the current cell opens its editor; moving on from there selects nothing.
    Grid()->SetRow(2);
    Grid()->SetCol(kMnemonic);
    TPoint at = Centre(kMnemonic, 2), below = Centre(kMnemonic, 4);
    kit.MouseDown(Grid(), at.X, at.Y);
    kit.MoveMouse(Grid(), below.X, below.Y);
    kit.MouseUp(Grid(), below.X, below.Y);
    EXPECT_TRUE(Grid()->EditorMode());
    EXPECT_EQ(Grid()->Selection(), (TGridRect{kMnemonic, 2, kMnemonic, 2}));
    kit.Press(VK_ESCAPE);
  });
}

TEST_F(ModbusTcpMasterInputTest, ALongTextTypedIntoAWrappingCellKeepsTheCaretInSight) {
  Show([&] {
    ClickCell(kMnemonic, 1);
    const std::string text = "pumps of the north hall, line three, left of the second gate, beside the tank";
    kit.Type(text);
    ASSERT_TRUE(Grid()->EditorMode());
    TWinControl* editor = Grid()->NormalEdit();
    ASSERT_NE(editor, nullptr);
    const LRESULT at = editor->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(text.size() - 1), 0);
    ASSERT_NE(at, -1);
    const int y = GET_Y_LPARAM(at);
    EXPECT_GE(y, 0);
    EXPECT_LT(y, editor->ClientHeight()) << "the last character typed is in view";
    kit.Press(VK_ESCAPE);
  });
}

TEST_F(ModbusTcpMasterInputTest, OneWheelNotchMovesTheDesktopsWheelLines) {
  Show([&] {
    ClickCell(kIp, 1);
    TPoint p = Centre(kIp, 2);
    kit.Wheel(Grid(), p.X, p.Y, -120);
    EXPECT_EQ(Grid()->Row(), 1 + GetWheelScrollLines());
    kit.Wheel(Grid(), p.X, p.Y, 120);
    EXPECT_EQ(Grid()->Row(), 1);
  });
}

TEST_F(ModbusTcpMasterInputTest, OneReturnInAnOpenListStoresTheChoiceAndJumpsWithTheOption) {
  state.Opt_Jump_Field_Tables = 1;
  Show([&] {
    TGridCombo* combo = DropListOf(kType, 1);
    kit.Press(VK_DOWN);
    kit.Press(VK_RETURN);
    kit.Process();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(Grid()->Cells(kType, 1), "Input Status");
    EXPECT_EQ(Grid()->Col(), kAddress) << "one Return stored the choice and jumped";
    kit.Type("7");
    kit.Press(VK_RETURN);
    EXPECT_EQ(Grid()->Cells(kAddress, 1), "7");
    EXPECT_EQ(Grid()->Cells(kType, 1), "Input Status");
  });
}

TEST_F(ModbusTcpMasterInputTest, TheGridInSightHasTheFocusWhenTheWindowOpens) {
  Show([&] {
    EXPECT_EQ(GetFocus(), Grid()->Handle());
    kit.Click(Form().Btn_InsRow);
    EXPECT_NE(GetFocus(), Grid()->Handle());
  });
  Show([&] {
    EXPECT_EQ(GetFocus(), Grid()->Handle()) << "not the button used last";
    kit.Type("10.0.0.1");
    EXPECT_EQ(Grid()->Cells(Grid()->Col(), Grid()->Row()), "10.0.0.1");
    kit.Press(VK_ESCAPE);
  });
}

TEST_F(ModbusTcpMasterInputTest, OnASmallScreenTheWindowFitsAndItsFarEdgeCanBeReached) {
  Show([&] {
    const TRect bounds = Form().BoundsRect();
    EXPECT_GE(bounds.Left, 0);
    EXPECT_GE(bounds.Top, 0);
    EXPECT_LE(bounds.Right, 1024);
    EXPECT_LE(bounds.Bottom, 768);
    EXPECT_EQ(Form().ClientHeight(), 337);
    // The last column is scrolled to and shown.
    Grid()->SetCol(kMnemonic);
    const TRect cell = Grid()->CellRect(kMnemonic, Grid()->Row());
    EXPECT_GT(cell.Width(), 0);
    EXPECT_LE(cell.Right, Grid()->ClientWidth());
  }, {1024, 768});
}

}  // namespace
}  // namespace hd
