// The CANopen table windows together in the running program: which image size bounds which
// table, which windows take a new language, and the EDS step reading what the SDO server and
// PDO windows saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/node_guarding_form.h"
#include "tables/pdo_form.h"
#include "tables/sdo_client_form.h"
#include "tables/sdo_server_form.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

class CANopenWindowsTest : public testkit::TableWindowFixture {
 protected:
  static void SetRow(TExtColumnGrid& g, int r, const std::vector<std::string>& values) {
    for (int c = 1; c < g.ColCount(); ++c)
      g.SetCells(c, r, c - 1 < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(c - 1)] : "");
  }
};

// The SDO server reads from the output image what clients read, so its sizes cross over; the
// SDO client and PDO windows bound their first table by the input image.
TEST_F(CANopenWindowsTest, EachWindowBoundsItsTablesByItsOwnImages) {
  WriteConfigFile("ParGen.xml",
                  "<Par_Gen><EtherNetIP_NB_Input>10</EtherNetIP_NB_Input>"
                  "<EtherNetIP_NB_Output>20</EtherNetIP_NB_Output></Par_Gen>");
  struct Case {
    const char* window;
    std::vector<std::string> first, second;  // a row of each table whose first address byte is 19
    int in, out;
    const char* failure;  // the first failure: 19 is past the image of 10 bytes
  };
  const Case cases[] = {
      {"TFSet_SDO_Server_Access", {"0x2000", "0", "1", "19"}, {"0x2000", "0", "1", "19"}, 20, 10,
       "Error row 1!! [SDO in Write] Address Byte1 must be between 0 and 9"},
      {"TFSet_SDO_Client_Access", {"1", "0x1000", "0", "1", "0", "19"}, {"1", "0x1000", "0", "1", "0", "N", "19"},
       10, 20, "Error row 1!! [SDO Read] Address Byte1 must be between 0 and 9"},
      {"TFSet_PDO_Access", {"1", "1", "19", "", "", "", "", "", "", "", "0"},
       {"1", "1", "19", "", "", "", "", "", "", "", "0", "N"}, 10, 20,
       "Error row 1!! [Receive PDO] Address Byte1 must be between 0 and 9"},
  };
  Run([&](TFTessaroneFirmWare& main) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.window);
      Open<TTwoPageTableForm>(main, c.window, [&](TTwoPageTableForm& f) {
        EXPECT_EQ(f.EtherNetIP_NByte_IN, c.in);
        EXPECT_EQ(f.EtherNetIP_NByte_OUT, c.out);
        SetRow(*f.sga, 1, c.first);
        SetRow(*f.sgb, 1, c.second);
        Kit.Click(f.Btn_OK);
        EXPECT_EQ(f.ModalResult(), mrNone);
        Kit.Click(f.Btn_Cancel);
      });
    }
  });
  const std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 4u) << "the SDO server shows its failure twice";
  EXPECT_EQ(boxes[0], cases[0].failure);
  EXPECT_EQ(boxes[1], cases[0].failure);
  EXPECT_EQ(boxes[2], cases[1].failure);
  EXPECT_EQ(boxes[3], cases[2].failure);
}

TEST_F(CANopenWindowsTest, RowCommandsActOnTheGridOfTheActivePage) {
  const char* windows[] = {"TFSet_SDO_Server_Access", "TFSet_SDO_Client_Access", "TFSet_PDO_Access"};
  Run([&](TFTessaroneFirmWare& main) {
    for (const char* window : windows) {
      SCOPED_TRACE(window);
      Open<TTwoPageTableForm>(main, window, [&](TTwoPageTableForm& f) {
        f.sga->SetCells(1, 2, "first");
        f.sgb->SetCells(1, 2, "second");
        f.sgb->SetCells(2, 3, "third");
        f.PageControl1->SetActivePage(f.PageControl1->Pages(1));
        f.sgb->SetRow(2);
        Kit.Click(f.Btn_InsRow);
        EXPECT_EQ(f.sgb->Cells(1, 2), "");
        EXPECT_EQ(f.sgb->Cells(1, 3), "second");
        EXPECT_EQ(f.sgb->Cells(2, 4), "third");
        EXPECT_EQ(f.sga->Cells(1, 2), "first");
        Kit.AnswerMessageBox(mrYes);
        Kit.Click(f.Btn_DelRow);
        EXPECT_EQ(f.sgb->Cells(1, 2), "second");
        EXPECT_EQ(f.sgb->Cells(0, 3), "3");
        Kit.Click(f.Btn_Cancel);
      });
    }
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(3, "Are you sure to delete the Row number 2"));
}

TEST_F(CANopenWindowsTest, OnlyTheSDOClientAndPDOWindowsTakeANewLanguage) {
  Folder.Write("LANGUAGE/Italiano.lng",
               "STR1100 = Server SDO\r\nSTR1000 = Client SDO\r\nSTR1006 = Lettura SDO\r\nSTR900 = Accesso PDO\r\n"
               "STR909 = Identificatore\r\nSTR2300 = Guardia\r\n");
  Run([&](TFTessaroneFirmWare& main) {
    main.State().Current_Language = "Italiano";
    main.State().Load_Language();
    main.Change_Language();
    auto form = [&](const char* name) { return main.Table_Windows[name].Form; };
    EXPECT_EQ(form("TFSet_SDO_Server_Access")->Caption(), "Set SDO Server Access");
    EXPECT_EQ(form("TFNodeGuard")->Caption(), "Node Guarding Access");
    auto* client = dynamic_cast<TFSet_SDO_Client_Access*>(form("TFSet_SDO_Client_Access"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->Caption(), "Client SDO");
    EXPECT_EQ(client->TS_SDO_Read->Caption(), "Lettura SDO");
    auto* pdo = dynamic_cast<TFSet_PDO_Access*>(form("TFSet_PDO_Access"));
    ASSERT_NE(pdo, nullptr);
    EXPECT_EQ(pdo->Caption(), "Accesso PDO");
    EXPECT_EQ(pdo->sga->Cells(1, 0), "Identificatore");
  });
}

TEST_F(CANopenWindowsTest, TheEDSStepWritesTheObjectsTheWindowsSaved) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_SDO_Server_Access>(main, "TFSet_SDO_Server_Access", [&](TFSet_SDO_Server_Access& f) {
      SetRow(*f.sga, 1, {"0x2100", "2", "4", "0", "1", "2", "3", "position"});
      SetRow(*f.sga, 2, {"$2100", "1", "2", "4", "5", "", "", "speed"});
      SetRow(*f.sgb, 1, {"8448", "3", "1", "0", "", "", "", "set point"});
      SetRow(*f.sgb, 2, {"0x3000", "0", "2", "1", "2", "", "", ""});
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrOk);
    });
    Open<TFSet_PDO_Access>(main, "TFSet_PDO_Access", [&](TFSet_PDO_Access& f) {
      for (int r = 1; r <= 30; ++r)
        SetRow(*f.sga, r, {std::to_string(0x200 + r), "1", std::to_string(r), "", "", "", "", "", "", "", "0"});
      SetRow(*f.sgb, 1, {"0x181", "3", "0", "1", "2", "", "", "", "", "", "10", "Y"});
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrOk);
    });
    const std::string eds = ConfigFile("converter.eds");
    Kit.AnswerFileDialog(eds);
    main.Btn_Click(main.Btn_CANopen_EDS);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  const std::string eds = ReadConfigFile("converter.eds");
  for (const char* expected : {"NrOfRXPDO=30", "NrOfTXPDO=1", "[ManufacturerObjects]\r\nSupportedObjects=2\r\n"
                               "1=0x2100\r\n2=0x3000", "[2100sub0]", "[2100sub1]", "[2100sub2]", "[2100sub3]",
                               "[3000sub0]", "[701D]", "[1800]"}) {
    EXPECT_NE(eds.find(expected), std::string::npos) << expected << " in\n" << eds;
  }
}

}  // namespace
}  // namespace hd
