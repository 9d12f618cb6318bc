// The NMEA 2000 and J1939 frame windows opened by their steps: each file read with its
// defaults and written back whole, the image size from ParGen.xml, and failures reported
// without losing a row or writing anything.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/j1939_receive_form.h"
#include "tables/j1939_transmit_form.h"
#include "tables/nmea_receive_form.h"
#include "tables/nmea_transmit_form.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

// The image size a window read at its showing.
using TImageSize = std::function<int(TFrameTableForm&)>;

template <class F, int F::*Size>
int SizeOf(TFrameTableForm& form) {
  return dynamic_cast<F&>(form).*Size;
}

struct TWindow {
  const char* name;
  std::string TAppState::*path;
  const char* file;
  TImageSize size;
  int colCount;
  int clientWidth;
  int keyColumn;
};

const TWindow kReceiveNMEA{"TFReceiveNMEA", &TAppState::Path_Receive_NMEA, "Receive_NMEA.xml", SizeOf<TFReceiveNMEA, &TFReceiveNMEA::NUM_BYTE_IN>,
                           9, 810, 1};
const TWindow kTransmitNMEA{"TFTransmitNMEA", &TAppState::Path_Transmit_NMEA, "Transmit_NMEA.xml",
                            SizeOf<TFTransmitNMEA, &TFTransmitNMEA::NUM_BYTE_OUT>, 10, 810, 2};
const TWindow kReceiveJ1939{"TFReceiveJ1939", &TAppState::Path_Receive_J1939, "Receive_J1939.xml",
                            SizeOf<TFReceiveJ1939, &TFReceiveJ1939::NUM_BYTE_IN>, 9, 800, 2};
const TWindow kTransmitJ1939{"TFTransmitJ1939", &TAppState::Path_Transmit_J1939, "Transmit_J1939.xml",
                             SizeOf<TFTransmitJ1939, &TFTransmitJ1939::NUM_BYTE_OUT>, 11, 800, 3};

class BusFrameWindowsTest : public testkit::TableWindowFixture {};

TEST_F(BusFrameWindowsTest, EachTableLoadsWithItsDefaultsAndIsWrittenBackWhole) {
  // A screen wider than the windows: a smaller one would fit them to itself.
  test::TScreenSizeScope screen(1280, 1024);
  WriteConfigFile("ParGen.xml",
                  "<Par_Gen><EtherNetIP_NB_Input>300</EtherNetIP_NB_Input><EtherNetIP_NB_Output>200"
                  "</EtherNetIP_NB_Output><Eth_NumByte_IN>100</Eth_NumByte_IN><Eth_NumByte_OUT>50</Eth_NumByte_OUT>"
                  "</Par_Gen>");
  struct Case {
    TWindow window;
    std::string stored;
    std::string written;
    int size;
    std::vector<std::pair<int, std::string>> headers;
  } cases[] = {
      {kReceiveNMEA,
       R"(<Receive_NMEA_2000><row PGN="0x1F801" SA="3" TP="Y" FP="N" TP_Start="0" TP_NByte="20" Delete="N" )"
       R"(Mnemonic="position"/><row PGN="127250" SA="1" Mnemonic="heading"/><row SA="9"/><row PGN="5" SA="5"/>)"
       R"(</Receive_NMEA_2000><!--SW_VERSION = 1.002-->)",
       R"(<Receive_NMEA_2000><row PGN="0x1F801" SA="3" TP="Y" FP="N" TP_Start="0" TP_NByte="20" Delete="N" )"
       R"(Mnemonic="position"/><row PGN="127250" SA="1" TP="N" FP="N" TP_Start="" TP_NByte="" Delete="N" )"
       R"(Mnemonic="heading"/></Receive_NMEA_2000><!--SW_VERSION = 1.002-->)",
       300,
       {{0, "N"}, {1, "PGN"}, {6, "N° Byte"}}},
      {kTransmitNMEA,
       R"(<Transmit_NMEA_2000><row Priority="3" PGN="130306" SA="7" TP="N" FP="Y" TP_NByte="12" )"
       R"(T_Type="On Timer" SendTimer="100" Mnemonic="wind"/><row Priority="6" PGN="127488" SA="7" )"
       R"(T_Type="On Data Change"/><row Priority="2" SA="1"/></Transmit_NMEA_2000>)",
       R"(<Transmit_NMEA_2000><row Priority="3" PGN="130306" SA="7" TP="N" FP="Y" TP_NByte="12" )"
       R"(T_Type="On Timer" SendTimer="100" Mnemonic="wind"/><row Priority="6" PGN="127488" SA="7" TP="N" FP="N" )"
       R"(TP_NByte="" T_Type="On Data Change" SendTimer="" Mnemonic=""/></Transmit_NMEA_2000>)"
       R"(<!--SW_VERSION = 1.002-->)",
       200,
       {{2, "PGN"}, {7, "Transmition Type"}}},
      {kReceiveJ1939,
       R"(<Frames><row DataPage="0" PGN="61444" SA="0" TP="N" TP_Start="3" TP_NByte="2" Delete="Y" )"
       R"(Mnemonic="rpm"/><row PGN="65262" SA="0" DataPage="1"/></Frames>)",
       R"(<Receive_J1939><row DataPage="0" PGN="61444" SA="0" TP="N" TP_Start="3" TP_NByte="2" Delete="Y" )"
       R"(Mnemonic="rpm"/><row DataPage="1" PGN="65262" SA="0" TP="N" TP_Start="" TP_NByte="" Delete="N" )"
       R"(Mnemonic=""/></Receive_J1939>)",
       100,
       {{1, "Data Page"}, {7, "Cancel Data"}}},
      {kTransmitJ1939,
       R"(<Receive_J1939><row Priority="6" DataPage="0" PGN="65265" SA="0" TP_NumByte="" On_Request="Y" )"
       R"(On_Data_Change="N" On_Timer="Y" Send_Timer="100" Mnemonic="speed"/><row Priority="3" DataPage="1" )"
       R"(PGN="0x1FFFF" SA="255"/></Receive_J1939>)",
       R"(<Receive_J1939><row Priority="6" DataPage="0" PGN="65265" SA="0" TP_NumByte="8" On_Request="Y" )"
       R"(On_Data_Change="N" On_Timer="Y" Send_Timer="100" Mnemonic="speed"/><row Priority="3" DataPage="1" )"
       R"(PGN="0x1FFFF" SA="255" TP_NumByte="8" On_Request="N" On_Data_Change="N" On_Timer="N" Send_Timer="" )"
       R"(Mnemonic=""/></Receive_J1939>)",
       50,
       {{5, "Num Byte"}, {7, "Data Change"}, {8, "On Timer"}, {9, "Send Timer"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window.name);
    WriteConfigFile(c.window.file, c.stored);
    Run([&](TFTessaroneFirmWare& main) {
      Open<TFrameTableForm>(main, c.window.name, [&](TFrameTableForm& form) {
        EXPECT_EQ(form.ClientWidth(), c.window.clientWidth);
        EXPECT_EQ(form.ClientHeight(), 337);
        EXPECT_EQ(form.sga->RowCount(), 63);
        EXPECT_EQ(form.sga->ColCount(), c.window.colCount);
        EXPECT_EQ(form.sga->Cells(0, 62), "62");
        for (const auto& [col, header] : c.headers) EXPECT_EQ(form.sga->Cells(col, 0), header) << col;
        EXPECT_EQ(c.window.size(form), c.size);
        Kit.Click(form.Btn_OK);
        EXPECT_EQ(form.ModalResult(), mrOk);
      });
    });
    EXPECT_EQ(ReadConfigFile(c.window.file), c.written);
  }
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(BusFrameWindowsTest, AnUnreadableParGenOrAFileLessSlotIsReportedAndNoRowIsLost) {
  // Three rows that pass the check, with the keys 11, 22 and 33.
  auto three = [](const std::string& root, const std::string& attributes) {
    std::string doc = "<" + root + ">";
    for (const char* key : {"11", "22", "33"}) doc += "<row PGN=\"" + std::string(key) + "\" " + attributes + "/>";
    return doc + "</" + root + ">";
  };
  struct Case {
    TWindow window;
    std::string stored;
    int defaultSize;
  } cases[] = {
      {kReceiveNMEA, three("Receive_NMEA_2000", R"(SA="1")"), 500},
      {kTransmitNMEA, three("Transmit_NMEA_2000", R"(Priority="1" SA="1" T_Type="On Data Change")"), 500},
      {kReceiveJ1939, three("Receive_J1939", R"(DataPage="0" SA="1")"), 496},
      {kTransmitJ1939, three("Receive_J1939", R"(Priority="1" DataPage="0" SA="1")"), 496},
  };
  WriteConfigFile("ParGen.xml", "<Par_Gen><EtherNetIP_NB_Input>10");
  std::vector<std::string> boxes;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window.name);
    WriteConfigFile(c.window.file, c.stored);
    const int key = c.window.keyColumn;
    Run([&](TFTessaroneFirmWare& main) {
      Open<TFrameTableForm>(main, c.window.name, [&](TFrameTableForm& form) {
        EXPECT_EQ(c.window.size(form), c.defaultSize);
        EXPECT_EQ(form.sga->Cells(key, 3), "33") << "the table loads all the same";
        form.sga->SetCells(key, 1, "edited");
        form.sga->SetCells(key, 4, "44");
        Kit.Click(form.Btn_Cancel);
      });
      Open<TFrameTableForm>(main, c.window.name, [&](TFrameTableForm& form) {
        TExtColumnGrid& g = *form.sga;
        EXPECT_EQ(g.Cells(key, 1), "11") << "Cancel kept nothing";
        EXPECT_EQ(g.Cells(key, 4), "");
        g.SetRow(2);
        Kit.AnswerMessageBox(mrYes);
        Kit.Click(form.Btn_DelRow);
        EXPECT_EQ(g.Cells(key, 2), "33");
        EXPECT_EQ(g.Cells(0, 2), "2");
        main.State().*c.window.path = "";
        Kit.Click(form.Btn_OK);
        EXPECT_EQ(form.ModalResult(), mrNone) << "no file is set for the table";
        EXPECT_EQ(g.Cells(key, 1), "11");
        Kit.Click(form.Btn_Cancel);
      });
    });
    EXPECT_EQ(ReadConfigFile(c.window.file), c.stored);
  }
  const std::vector<std::string> shown = BoxTexts();
  ASSERT_EQ(shown.size(), 4u * 4u);
  for (std::size_t i = 0; i < shown.size(); i += 4) {
    EXPECT_NE(shown[i].find("ParGen.xml"), std::string::npos) << shown[i];
    EXPECT_EQ(shown[i + 1], shown[i]) << "each showing reads it again";
    EXPECT_EQ(shown[i + 2], "Are you sure to delete the Row number 2");
    EXPECT_NE(shown[i + 3].find("no file"), std::string::npos) << shown[i + 3];
  }
}

}  // namespace
}  // namespace hd
