// The Set Access window on the headless kit: what a showing loads, what OK writes and when it
// refuses, the row commands on the current tab, and copy and paste between tabs and showings.
#include "tables/modbus_tcp_master_form.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/files.h"
#include "testkit/gui_kit.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

const std::vector<std::string> kRead = {"192.168.1.125", "502", "7", "Holding Register", "5", "10", "250",
                                        "3",             "0",   "",  "N",                "N", "pumps"};
const std::vector<std::string> kWrite = {"10.0.0.2", "503", "1", "Coil Status", "40", "8", "0", "Y",
                                         "5",        "1",   "0", "N",           "N",  "N", "valves"};

class ModbusTcpMasterFormTest : public ::testing::Test {
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

  // Shows the window modally and runs the action inside; a window the action did not close
  // is cancelled. Answers the modal result.
  TModalResult Show(const std::function<void()>& inside) {
    kit.OnModal([&](TCustomForm*) {
      inside();
      if (form->ModalResult() == mrNone) kit.Click(form->Btn_Cancel);
    });
    return form->ShowModal();
  }
  static void SetRow(TExtColumnGrid* g, int r, const std::vector<std::string>& values) {
    for (int c = 1; c < g->ColCount(); ++c) g->SetCells(c, r, values[static_cast<std::size_t>(c - 1)]);
  }
  static std::vector<std::string> Row(TExtColumnGrid* g, int r) {
    std::vector<std::string> v;
    for (int c = 1; c < g->ColCount(); ++c) v.push_back(g->Cells(c, r));
    return v;
  }
  std::vector<std::string> BoxTexts(std::size_t from = 0) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < kit.MessageBoxes().size(); ++i) texts.push_back(kit.MessageBoxes()[i].Text);
    return texts;
  }
  std::string RequestFile() const { return dir.Read("ModbusTCPM_SetAccess.xml"); }

  test::TGuiKit kit;
  testkit::TempFolder dir;
  TAppState state;
  std::unique_ptr<TFModbus_TCP_Master_Set_Access> form;
};

TEST_F(ModbusTcpMasterFormTest, CreationLaysOutTheGridsAndTheirTexts) {
  TFModbus_TCP_Master_Set_Access& f = *form;
  EXPECT_EQ(f.Caption(), "Set Modbus TCP Master Access");
  EXPECT_EQ(f.L_SW_Code->Caption(), "SW58318");
  EXPECT_EQ(f.ClientWidth(), 1100);
  EXPECT_EQ(f.TS_Modbus_Write->Caption(), "Modbus Write");
  EXPECT_EQ(f.Btn_CopyRow->Caption(), "Copy Row");
  ASSERT_EQ(f.ACG_Modbus_Read->ColCount(), 14);
  ASSERT_EQ(f.ACG_Modbus_Write->ColCount(), 16);
  EXPECT_EQ(f.ACG_Modbus_Read->RowCount(), 513);
  EXPECT_EQ(f.ACG_Modbus_Write->RowCount(), 513);
  EXPECT_EQ(f.ACG_Modbus_Read->Cells(10, 0), "Start Bit");
  EXPECT_EQ(f.ACG_Modbus_Write->Cells(14, 0), "Force F16");
  const TGridColumnItem& type = *f.ACG_Modbus_Write->Columns().Items(4);
  EXPECT_EQ(type.Editor(), edComboList);
  EXPECT_EQ(type.ComboItems().CommaText(), "\"Coil Status\",\"Holding Register\"");
  EXPECT_EQ(f.ACG_Modbus_Write->Columns().Items(8)->Editor(), edDataCheckBox);
  EXPECT_EQ(f.ACG_Modbus_Read->Columns().Items(13)->Editor(), edNormal);
}

// Each column's header is read in full: its text, in the header font, fits the width the
// column was designed with, inside the cell's text margins.
TEST_F(ModbusTcpMasterFormTest, EveryHeaderFitsItsColumnInTheHeaderFont) {
  for (TExtColumnGrid* g : {form->ACG_Modbus_Read, form->ACG_Modbus_Write}) {
    TCanvas& canvas = g->Canvas();
    const TFont saved = canvas.Font();
    for (int c = 1; c < g->ColCount(); ++c) {
      const std::string header = g->Cells(c, 0);
      canvas.SetFont(g->Columns().Items(c)->HeaderFont());
      const int room = g->ColWidths(c) - 2 * g->XYOffset().X;
      EXPECT_LE(canvas.TextWidth(header), room) << g->Name() << " \"" << header << "\" in " << canvas.Font().Name;
    }
    canvas.SetFont(saved);
  }
}

TEST_F(ModbusTcpMasterFormTest, ShowingTakesThePositionListsFromParGenAndLoadsTheRequests) {
  struct Case {
    const char* name;
    const char* parGen;  // null: no file
    int readPositions, writePositions;
    bool error;
  };
  const Case cases[] = {
      {"sizes from the file",
       "<Par_Gen><EtherNetIP_NB_Input>20</EtherNetIP_NB_Input><EtherNetIP_NB_Output>10</EtherNetIP_NB_Output>"
       "</Par_Gen>",
       10, 20, false},
      {"no file", nullptr, 500, 500, false},
      {"a file that is no XML", "<Par_Gen><EtherNetIP_NB_Input>20", 500, 500, true},
  };
  dir.Write("ModbusTCPM_SetAccess.xml",
            "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read><row IP_Address=\"1.2.3.4\" Port=\"1\" Slave_ID=\"1\" "
            "Type=\"Coil Status\" Address=\"1\" NPoint=\"1\" PollTime=\"1\" MaxError=\"1\" Position=\"1\" Bit=\"1\" "
            "Mnemonic=\"m\"/></Modbus_Read><Modbus_Write/></EtherNetIP_to_Modbus_TCP_Master>");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.parGen)
      dir.Write("ParGen.xml", c.parGen);
    else
      DeleteFile(state.Path_ParGen);
    const std::size_t boxes = kit.MessageBoxes().size();
    Show([&] {
      const TStringList& read = form->ACG_Modbus_Read->Columns().Items(9)->ComboItems();
      const TStringList& write = form->ACG_Modbus_Write->Columns().Items(10)->ComboItems();
      ASSERT_EQ(read.Count(), c.readPositions);
      ASSERT_EQ(write.Count(), c.writePositions);
      EXPECT_EQ(read.Strings(0), "0");
      EXPECT_EQ(read.Strings(c.readPositions - 1), IntToStr(c.readPositions - 1));
      EXPECT_EQ(form->NByte_IN, c.readPositions);
      EXPECT_EQ(form->NByte_OUT, c.writePositions);
      // Swap and Swap Word are missing from the row and read as "N".
      EXPECT_EQ(Row(form->ACG_Modbus_Read, 1),
                (std::vector<std::string>{"1.2.3.4", "1", "1", "Coil Status", "1", "1", "1", "1", "1", "1", "N",
                                          "N", "m"}));
    });
    EXPECT_EQ(kit.MessageBoxes().size() - boxes, c.error ? 1u : 0u);
  }
}

TEST_F(ModbusTcpMasterFormTest, OkWritesTheRowsAboveTheFirstBlankKeyOfEachGrid) {
  ASSERT_EQ(Show([&] {
              SetRow(form->ACG_Modbus_Read, 1, kRead);
              SetRow(form->ACG_Modbus_Read, 2, kRead);
              form->ACG_Modbus_Read->SetCells(1, 3, "  ");  // ends the read table
              SetRow(form->ACG_Modbus_Read, 4, {"bad", "", "", "", "", "", "", "", "", "", "", "", ""});
              SetRow(form->ACG_Modbus_Write, 1, kWrite);
              kit.Click(form->Btn_OK);
            }),
            mrOk);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  const std::string written = RequestFile();

  // The next showing holds what was written, and Cancel leaves the file as it was.
  ASSERT_EQ(Show([&] {
              EXPECT_EQ(Row(form->ACG_Modbus_Read, 2), kRead);
              EXPECT_EQ(form->ACG_Modbus_Read->Cells(1, 3), "");
              EXPECT_EQ(form->ACG_Modbus_Read->Cells(1, 4), "");
              EXPECT_EQ(Row(form->ACG_Modbus_Write, 1), kWrite);
              EXPECT_EQ(form->ACG_Modbus_Write->Cells(1, 2), "");
              form->ACG_Modbus_Read->SetCells(1, 1, "10.10.10.10");
              kit.Click(form->Btn_Cancel);
            }),
            mrCancel);
  EXPECT_EQ(RequestFile(), written);
  EXPECT_NE(written.find("<Modbus_Write><row IP_Address=\"10.0.0.2\""), std::string::npos) << written;
}

TEST_F(ModbusTcpMasterFormTest, AFailedCheckOrSaveKeepsTheWindowOpenAndWritesNothing) {
  Show([&] {
    SetRow(form->ACG_Modbus_Read, 1, kRead);
    form->ACG_Modbus_Read->SetCells(6, 1, "126");
    kit.Click(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(6, 1), "126") << "the edits stay";
    form->ACG_Modbus_Read->SetCells(6, 1, "10");
    SetRow(form->ACG_Modbus_Write, 1, kWrite);
    form->ACG_Modbus_Write->SetCells(11, 1, "8");  // Start Bit of a coil request
    kit.Click(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);

    // With no file set for the table, nothing is written anywhere and the user is told.
    form->ACG_Modbus_Write->SetCells(11, 1, "7");
    state.Path_ModbusTCPM_SetAccess.clear();
    kit.Click(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);
  });
  EXPECT_FALSE(FileExists(dir.File("ModbusTCPM_SetAccess.xml")));
  EXPECT_FALSE(FileExists(dir.File("ParGen.xml")));
  const std::vector<std::string> texts = BoxTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Error row 1!! [Modbus Read] NPoint must be between 1 and 125");
  EXPECT_EQ(texts[1], "Error row 1!! [Modbus Write] Bit must be between 0 and 7");
  EXPECT_NE(texts[2].find("no file"), std::string::npos) << texts[2];
}

TEST_F(ModbusTcpMasterFormTest, RowCommandsActOnTheGridOfTheActiveTab) {
  Show([&] {
    for (int r = 1; r <= 3; ++r) {
      SetRow(form->ACG_Modbus_Read, r, kRead);
      form->ACG_Modbus_Read->SetCells(13, r, "r" + IntToStr(r));
      SetRow(form->ACG_Modbus_Write, r, kWrite);
      form->ACG_Modbus_Write->SetCells(15, r, "w" + IntToStr(r));
    }
    form->PageControl1->SetActivePage(form->TS_Modbus_Write);
    form->ACG_Modbus_Write->SetRow(2);
    kit.AnswerMessageBox(mrNo);
    kit.Click(form->Btn_DelRow);
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(15, 2), "w2");
    kit.AnswerMessageBox(mrYes);
    kit.Click(form->Btn_DelRow);
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(15, 2), "w3");
    kit.Click(form->Btn_InsRow);
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(1, 2), "");
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(15, 3), "w3");
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(13, 2), "r2") << "the read grid is not touched";
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "Are you sure to delete the Row number 2"));

  // Each showing starts on the read tab, where the commands then act.
  Show([&] {
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_Modbus_Read);
    SetRow(form->ACG_Modbus_Read, 1, kRead);
    form->ACG_Modbus_Read->SetRow(1);
    kit.Click(form->Btn_InsRow);
    EXPECT_EQ(Row(form->ACG_Modbus_Read, 2), kRead);
  });
}

TEST_F(ModbusTcpMasterFormTest, ARowIsPastedOnlyIntoItsGridDuringTheShowingItWasCopiedIn) {
  Show([&] {
    SetRow(form->ACG_Modbus_Read, 1, kRead);
    form->ACG_Modbus_Read->SetRow(1);
    kit.Click(form->Btn_CopyRow);
    form->PageControl1->SetActivePage(form->TS_Modbus_Write);
    kit.Click(form->Btn_PasteRow);  // refused: copied from the other grid
    EXPECT_EQ(form->ACG_Modbus_Write->Cells(1, 1), "");
    form->PageControl1->SetActivePage(form->TS_Modbus_Read);
    form->ACG_Modbus_Read->SetRow(4);
    kit.Click(form->Btn_PasteRow);
    EXPECT_EQ(Row(form->ACG_Modbus_Read, 4), kRead);
  });
  Show([&] {
    form->ACG_Modbus_Read->SetRow(5);
    kit.Click(form->Btn_PasteRow);  // refused: copied in the last showing
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(1, 5), "");
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "Error!!! Copy a valid row before Paste it"));
}

TEST_F(ModbusTcpMasterFormTest, ATextStillBeingTypedReachesTheFileOnOk) {
  Show([&] {
    TExtColumnGrid* g = form->ACG_Modbus_Read;
    SetRow(g, 1, kRead);
    g->SetFocus();
    g->SetRow(1);
    g->SetCol(13);
    kit.Type("typed");
    ASSERT_TRUE(g->EditorMode());
    // The handler runs with the focus still in the editor, as when no click moved it there.
    form->Btn_OKClick(form->Btn_OK);
  });
  EXPECT_NE(RequestFile().find("Mnemonic=\"typed\""), std::string::npos) << RequestFile();
}

// A row command run while the mnemonic of row 1 is still being typed (from the keyboard, so
// no click took the focus from the editor) works on what was typed, and the editor writes
// nothing afterwards into the row that now stands there, not even when Escape reaches the
// grid later: the command ended the edit, so there is no pre-edit text left to put back.
TEST_F(ModbusTcpMasterFormTest, ARowCommandTakesTheTextStillBeingTyped) {
  struct Case {
    const char* name;
    std::function<void()> command;
    std::vector<std::string> mnemonics;  // of rows 1 to 3 once the window is closed
    std::string clipboardMnemonic;       // "": nothing copied
  };
  const Case cases[] = {
      {"Insert Row", [&] { form->Btn_InsRowClick(form->Btn_InsRow); }, {"", "typed", "r2"}, ""},
      {"Delete Row",
       [&] {
         kit.AnswerMessageBox(mrYes);
         form->Btn_DelRowClick(form->Btn_DelRow);
       },
       {"r2", "r3", ""}, ""},
      {"Copy Row", [&] { form->Btn_CopyRowClick(form->Btn_CopyRow); }, {"typed", "r2", "r3"}, "typed"},
      {"Paste Row over it",
       [&] {
         kit.AnswerMessageBox(mrYes);
         form->Btn_PasteRowClick(form->Btn_PasteRow);
       },
       {"r3", "r2", "r3"}, "r3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.Row_Clipboard.Clear();
    TExtColumnGrid* g = form->ACG_Modbus_Read;
    Show([&] {
      for (int r = 1; r <= 3; ++r) {
        SetRow(g, r, kRead);
        g->SetCells(13, r, "r" + IntToStr(r));
      }
      g->SetRow(3);
      form->Btn_CopyRowClick(form->Btn_CopyRow);  // row 3 waits in the clipboard
      g->SetFocus();
      g->SetRow(1);
      g->SetCol(13);
      kit.Type("typed");
      ASSERT_TRUE(g->EditorMode());
      c.command();
      EXPECT_FALSE(g->EditorMode());
      EXPECT_FALSE(g->Editing());
      g->SetFocus();
      kit.Press(VK_ESCAPE);
    });
    EXPECT_EQ((std::vector<std::string>{g->Cells(13, 1), g->Cells(13, 2), g->Cells(13, 3)}), c.mnemonics);
    if (!c.clipboardMnemonic.empty()) {
      ASSERT_EQ(state.Row_Clipboard.Count(), 13);
      EXPECT_EQ(state.Row_Clipboard[12], c.clipboardMnemonic);
    }
  }
}

TEST_F(ModbusTcpMasterFormTest, EnterWalksTheCellsWhenTheOptionIsOn) {
  Show([&] {
    TExtColumnGrid* g = form->ACG_Modbus_Read;
    g->SetFocus();
    g->SetRow(1);
    g->SetCol(12);
    kit.Press(VK_RETURN);
    // Column 12 holds Y/N check boxes: Enter stays in place and opens no editor there.
    EXPECT_EQ(g->Col(), 12) << "option off: Enter stays in place";
    EXPECT_FALSE(g->EditorMode());
    kit.Press(VK_RETURN);
    EXPECT_FALSE(g->EditorMode());

    state.Opt_Jump_Field_Tables = 1;
    kit.Press(VK_RETURN);
    EXPECT_EQ(g->Col(), 13);
    kit.Type("ab");
    kit.Press(VK_RETURN);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(g->Row(), 2);
    kit.Type("cd");
    EXPECT_EQ(g->Cells(13, 1), "ab");
    EXPECT_EQ(g->Cells(1, 2), "cd");
  });
}

TEST_F(ModbusTcpMasterFormTest, AHeaderDoubleClickOnEitherGridSizesItsColumn) {
  state.Opt_Double_Click_Auto_Size = 1;
  Show([&] {
    for (TExtColumnGrid* g : {form->ACG_Modbus_Read, form->ACG_Modbus_Write}) {
      const int mnemonic = g->ColCount() - 1;
      g->SetCells(mnemonic, 1, "a mnemonic much wider than its column");
      const int before = g->ColWidths(mnemonic);
      // As the grid reports it: row first.
      g->OnDblClickCell(g, 1, mnemonic);
      EXPECT_EQ(g->ColWidths(mnemonic), before);
      g->OnDblClickCell(g, 0, mnemonic);
      EXPECT_GT(g->ColWidths(mnemonic), before);
    }
  });
}

long PeakKilobytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

TEST_F(ModbusTcpMasterFormTest, AnAttributeOfFourMegabytesShowsInMemoryASmallMultipleOfIt) {
  // Just under the size XML files are refused at, in one attribute without a blank: laid out
  // in wrapped lines and rendered whole it took some 700 MB.
  const std::string big(3'900'000, 'm');
  dir.Write("ModbusTCPM_SetAccess.xml",
            "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read><row IP_Address=\"1.2.3.4\" Port=\"1\" Slave_ID=\"1\" "
            "Type=\"Coil Status\" Address=\"1\" NPoint=\"1\" PollTime=\"1\" MaxError=\"1\" Position=\"1\" Bit=\"1\" "
            "Mnemonic=\"" + big + "\"/></Modbus_Read><Modbus_Write/></EtherNetIP_to_Modbus_TCP_Master>");
  const long before = PeakKilobytes();
  Show([&] {
    form->Repaint();
    kit.Process();
    EXPECT_EQ(form->ACG_Modbus_Read->Cells(13, 1), big);
  });
  EXPECT_LT(PeakKilobytes() - before, 25 * static_cast<long>(big.size()) / 1024);
}

}  // namespace
}  // namespace hd
