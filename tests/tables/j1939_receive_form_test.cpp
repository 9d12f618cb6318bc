// The J1939 receive window: its check (a range of a single frame given whole or not at all,
// each end a byte of the frame), header hints on header cells only, and a row copy that only
// this window's paste accepts.
#include "tables/j1939_receive_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/j1939_transmit_form.h"
#include "tables/testkit/english_check.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

using testkit::TRows;

TEST(ReceiveJ1939Check, RowsAreCheckedInOrderAndTheirBytesAgainstTheInputImage) {
  // DataPage, PGN, SA, TP, TP_Start, TP_NByte, Delete, Mnemonic
  auto range = [](const std::string& tp, const std::string& start, const std::string& bytes) {
    return std::vector<std::string>{"0", "61444", "0", tp, start, bytes};
  };
  const std::string pgn = "Error in row 1!! PGN must be between 0x0000 and 0xFFFF";
  const std::string startByte = "Error in row 1!! The Start Byte must be between 1 and 8";
  const std::string countByte = "Error in row 1!! The Number Bytes must be between 1 and 8";
  const std::string tooMany = "Error!! Too many bytes of data, the max number is ";
  TRows overByOne = TRows(62, range("N", "", ""));
  overByOne[20] = range("Y", "0", "9");
  const std::vector<testkit::TCheckCase> cases = {
      {"an empty first PGN ends the table", {{"", "", "x"}}, 496, ""},
      {"PGN 0xFFFF, source address 255", {{"1", "0xFFFF", "255", "N"}}, 496, ""},
      {"PGN $FFFF", {{"1", "$FFFF", "0", "N"}}, 496, ""},
      {"PGN 65536", {{"1", "65536", "0", "N"}}, 496, pgn},
      {"a PGN of one blank is no end of the table", {{"1", " ", "0", "N"}}, 496, pgn},
      {"an empty data page", {{"", "1", "0", "N"}}, 496, "Error in row 1!! Data Page must be 0 or 1"},
      {"source address 256, under the text that names 239", {{"0", "1", "256", "N"}}, 496,
       "Error in row 1!! Source Address must be between 0 and 239"},
      {"single frame: start 2 and 6 bytes", {range("N", "2", "6")}, 496, ""},
      {"single frame: start 0 and 8 bytes", {range("N", "0", "8")}, 496, ""},
      {"single frame: start 3 and 6 bytes", {range("N", "3", "6")}, 496,
       "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
      {"single frame: only the start", {range("N", "2", " ")}, 496,
       "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
      {"single frame: a negative start", {range("N", "-1", "3")}, 496, startByte},
      {"single frame: start 9 and no bytes", {range("N", "9", "0")}, 496, startByte},
      {"single frame: a count that is no number", {range("N", "0", "abc")}, 496, countByte},
      {"single frame: a negative count", {range("N", "4", "-4")}, 496, countByte},
      {"transport: start 1785 and 0 bytes", {range("Y", "1785", "0")}, 496, ""},
      {"transport: start 1785 and 1 byte", {range("Y", "1785", "1")}, 496,
       "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
      {"transport: start 1786", {range("Y", "1786", "0")}, 496,
       "Error in row 1!! Start Byte must be between 0 and 1785"},
      {"62 whole frames, their ends blank, fit the default image", TRows(62, range("N", " ", "  ")), 496, ""},
      {"62 frames given as ranges of 8 bytes", TRows(62, range("N", "0", "8")), 496, ""},
      {"one byte more anywhere", overByOne, 496, tooMany + "496"},
      {"a range counts its bytes, not the frame's", {range("Y", "0", "490"), range("N", "1", "6")}, 496, ""},
  };
  testkit::Expect_Check_Boxes(cases, 9, Check_Receive_J1939, 1515);
}

class ReceiveJ1939Test : public testkit::TableWindowFixture {
 protected:
  static std::string Hint(TExtColumnGrid& grid, int col, int row) {
    std::string hint = "stale";
    grid.OnGridHint(&grid, row, col, hint);
    return hint;
  }
};

TEST_F(ReceiveJ1939Test, HeaderCellsShowTheirColumnsHintAndDataCellsNone) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFReceiveJ1939>(main, "TFReceiveJ1939", [&](TFReceiveJ1939& form) {
      TExtColumnGrid& g = *form.sga;
      EXPECT_EQ(Hint(g, 5, 0), "Insert the Start Byte to capture for the Receive J1939 frame");
      EXPECT_EQ(Hint(g, 8, 0), "Insert a description of Receive J1939 frame");
      EXPECT_EQ(Hint(g, 0, 0), "") << "the row-number header";
      EXPECT_EQ(Hint(g, 5, 1), "");
      EXPECT_EQ(Hint(g, 0, 7), "");
      EXPECT_TRUE(g.ShowHint());
      // Of the buttons only Copy Row and Paste Row show their hints.
      EXPECT_EQ(form.Btn_OK->Hint(), "Confirm and save the PDO List");
      EXPECT_FALSE(form.Btn_OK->ShowHint());
      EXPECT_TRUE(form.Btn_CopyRow->ShowHint());
      EXPECT_EQ(form.Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
      Kit.Click(form.Btn_Cancel);
    });
    Open<TFTransmitJ1939>(main, "TFTransmitJ1939", [&](TFTransmitJ1939& form) {
      EXPECT_EQ(Hint(*form.sga, 10, 0), "Insert a description of Transmit J1939 frame");
      EXPECT_EQ(Hint(*form.sga, 1, 0), "Insert the Priority of Transmit J1939 frame [0..7]");
      EXPECT_EQ(Hint(*form.sga, 1, 62), "");
      EXPECT_TRUE(form.Btn_OK->ShowHint()) << "every button of the transmit window shows its hint";
      Kit.Click(form.Btn_Cancel);
    });
  });
}

TEST_F(ReceiveJ1939Test, ARowCopiedHereIsPastedHereAndRefusedByTheTransmitWindow) {
  WriteConfigFile("Receive_J1939.xml",
                  R"(<Receive_J1939><row DataPage="1" PGN="61444" SA="0" TP="N" TP_Start="" TP_NByte="" )"
                  R"(Delete="Y" Mnemonic="engine speed"/></Receive_J1939>)");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFReceiveJ1939>(main, "TFReceiveJ1939", [&](TFReceiveJ1939& form) {
      TExtColumnGrid& g = *form.sga;
      Kit.Click(form.Btn_PasteRow);  // nothing copied in this showing yet
      g.SetRow(1);
      Kit.Click(form.Btn_CopyRow);
      g.SetRow(3);
      Kit.Click(form.Btn_PasteRow);
      EXPECT_EQ(g.Cells(8, 3), "engine speed");
      EXPECT_EQ(g.Cells(7, 3), "Y");
      Kit.Click(form.Btn_Cancel);
    });
    Open<TFTransmitJ1939>(main, "TFTransmitJ1939", [&](TFTransmitJ1939& form) {
      form.sga->SetRow(1);
      Kit.Click(form.Btn_PasteRow);
      EXPECT_EQ(form.sga->Cells(3, 1), "") << "the receive window's row is not pasted";
      Kit.Click(form.Btn_Cancel);
    });
    Open<TFReceiveJ1939>(main, "TFReceiveJ1939", [&](TFReceiveJ1939& form) {
      EXPECT_FALSE(form.Do_Copy) << "a new showing starts without a copy";
      EXPECT_EQ(form.sga->Cells(8, 3), "") << "the paste was cancelled";
      Kit.Click(form.Btn_Cancel);
    });
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error!!! Copy a valid row before Paste it",
                                                  "Error!!! Copy a valid row before Paste it"}));
}

TEST_F(ReceiveJ1939Test, EnterMovesToTheNextFieldAndAHeaderDoubleClickSizesItsColumn) {
  Run([&](TFTessaroneFirmWare& main) {
    main.State().Opt_Jump_Field_Tables = 1;
    main.State().Opt_Double_Click_Auto_Size = 1;
    Open<TFReceiveJ1939>(main, "TFReceiveJ1939", [&](TFReceiveJ1939& form) {
      TExtColumnGrid& g = *form.sga;
      g.SetFocus();
      g.SetRow(2);
      g.SetCol(8);
      Kit.Press(VK_RETURN);
      EXPECT_FALSE(g.EditorMode());
      EXPECT_EQ(g.Col(), 1);
      EXPECT_EQ(g.Row(), 3);
      g.SetCells(2, 5, "a very long text in the PGN column of the table");
      const int before = g.ColWidths(2);
      g.OnDblClickCell(&g, 0, 2);  // as the grid reports it: row first
      EXPECT_GT(g.ColWidths(2), before);
      Kit.Click(form.Btn_Cancel);
    });
  });
}

}  // namespace
}  // namespace hd
