// The device command page opened through the options window, talking to a converter played by
// a UDP peer on 127.0.0.1: every command as a datagram, the replies it awaits filling the
// page, and what it shows when the network refuses.
#include "tables/device_command_form.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/main_thread.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}

// A converter on a free loopback port that records what it receives.
struct TLoopbackDevice {
  TLoopbackDevice() {
    EXPECT_TRUE(Endpoint->Bind(0)) << Endpoint->ErrorText();
    Endpoint->OnDatagram = [this](const std::string& bytes, const std::string& host, int port) {
      Received.push_back(bytes);
      PageHost = host;
      PagePort = port;
    };
  }
  void Reply(const std::string& bytes) {
    EXPECT_TRUE(Endpoint->Send(PageHost, PagePort, bytes)) << Endpoint->ErrorText();
  }
  std::unique_ptr<IUdpEndpoint> Endpoint = CreateUdpEndpoint();
  std::vector<std::string> Received;
  std::string PageHost;
  int PagePort = 0;
};

class DeviceCommandFormTest : public testkit::TableWindowFixture {
 protected:
  // Handles messages and received datagrams until the condition holds, ten seconds at most.
  template <class Condition>
  bool Until(Condition done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < end) {
      WaitForPostedCalls(50);
      Kit.Process();
    }
    return done();
  }
  // Every datagram goes to the loopback peer.
  void Aim(TFAdvanceFunctions& page, const TLoopbackDevice& device) {
    page.E_IP_Address->SetText("127.0.0.1");
    page.Device_Port = device.Endpoint->LocalPort();
  }
};

TEST_F(DeviceCommandFormTest, CommandsReachTheDeviceAndItsRepliesFillThePage) {
  TLoopbackDevice device;
  TFAdvanceFunctions* shown = nullptr;
  Run([&](TFTessaroneFirmWare& main) {
    shown = Open<TFAdvanceFunctions>(main, "TFAdvanceFunctions", [&](TFAdvanceFunctions& page) {
      EXPECT_EQ(page.E_IP_Address->Text(), "192.168.0.5");
      EXPECT_EQ(page.Last_CMD, -1);
      ASSERT_TRUE(page.IdUDPS1 && page.IdUDPS1->IsBound());
      Aim(page, device);
      TExtColumnGrid& status = *page.ACG;
      for (int row : {1, 9, 1024}) status.SetCells(2, row, "Disable");
      Kit.Click(page.Btn_Write_Status);
      ASSERT_TRUE(Until([&] { return device.Received.size() == 1; }));
      std::string mask(130, '\0');
      mask[0] = static_cast<char>(0xB1);
      mask[1] = mask[2] = 0x01;
      mask[128] = static_cast<char>(0x80);
      EXPECT_EQ(device.Received[0], mask);

      status.SetCells(1, 9, "unread");
      Kit.Click(page.Btn_Read_Status);
      ASSERT_TRUE(Until([&] { return device.Received.size() == 2; }));
      EXPECT_EQ(device.Received[1], Bytes({0xB0}));
      device.Reply(Bytes({0xB0, 0x05}));
      ASSERT_TRUE(Until([&] { return status.Cells(1, 8) == "Enable"; }));
      EXPECT_EQ(status.Cells(1, 1), "Disable");
      EXPECT_EQ(status.Cells(1, 3), "Disable");
      EXPECT_EQ(status.Cells(1, 9), "unread") << "a one-byte mask reaches row 8";
      Kit.Click(page.Btn_Copy);
      EXPECT_EQ(status.Cells(2, 2), "Enable");
      EXPECT_EQ(status.Cells(2, 3), "Disable");
      EXPECT_EQ(status.Cells(2, 9), "Disable") << "a row without a read status keeps its choice";

      // After Read Errors a status reply is ignored, and the counters' reply is taken.
      page.PageControl1->SetActivePage(page.TS_B2);
      Kit.Click(page.Btn_Read_Errors);
      ASSERT_TRUE(Until([&] { return device.Received.size() == 3; }));
      device.Reply(Bytes({0xB0, 0xFF}));
      device.Reply(Bytes({0xB2, 7, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
      ASSERT_TRUE(Until([&] { return page.ACG2->Cells(1, 2) == "4294967295"; }));
      EXPECT_EQ(page.ACG2->Cells(1, 1), "7");
      EXPECT_EQ(status.Cells(1, 2), "Enable");

      page.PageControl1->SetActivePage(page.TS_B3B4);
      page.CB_WS_TransparentMode->SetItemIndex(1);
      Kit.Click(page.Btn_Write_Status_Transparent_Mode);
      Kit.Click(page.Btn_Read_Status_Transparent_Mode);
      EXPECT_EQ(page.L_Status_TransparenMode->Caption(), "--");
      ASSERT_TRUE(Until([&] { return device.Received.size() == 5; }));
      device.Reply(Bytes({0xB4, 1}));
      ASSERT_TRUE(Until([&] { return page.L_Status_TransparenMode->Caption() != "--"; }));
      EXPECT_EQ(page.L_Status_TransparenMode->Caption(), "Transparent Mode Enable");

      page.PageControl1->SetActivePage(page.TS_B5B6);
      page.E_B5_IDSlave->SetText("248");
      Kit.Click(page.Btn_B5_Write);
      page.E_B5_IDSlave->SetText("247");
      page.CB_B5_EnableDisable->SetItemIndex(1);
      Kit.Click(page.Btn_B5_Write);
      page.E_B6_NumPoll->SetText("256");
      Kit.Click(page.Btn_B6_Write);
      page.E_B6_NumPoll->SetText("0");
      Kit.Click(page.Btn_B6_Write);
      ASSERT_TRUE(Until([&] { return device.Received.size() == 7; }));
      EXPECT_EQ(page.Last_CMD, 6);
      Kit.Click(page.Btn_Exit);
    });
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->IdUDPS1->IsBound()) << "the endpoint listens only while the page is shown";
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error !! Command B5 - Slave ID must be between 1 and 247",
                                                  "Error !! Command B6 - Number Poll must be between 0 and 255"}));
  EXPECT_EQ(device.Received[3], Bytes({0xB3, 0}));
  EXPECT_EQ(device.Received[4], Bytes({0xB4}));
  EXPECT_EQ(device.Received[5], Bytes({0xB5, 247, 1}));
  EXPECT_EQ(device.Received[6], Bytes({0xB6, 0, 0}));
}

TEST_F(DeviceCommandFormTest, ShowingTakesTheAddressAndTheDescriptionsOfThePolls) {
  WriteConfigFile("ParGen.xml", "<Par_Gen><PROFINET_IP1>127</PROFINET_IP1><PROFINET_IP4>1</PROFINET_IP4></Par_Gen>");
  std::string polls = "<EtherNetIP_to_Modbus><Modbus_Read>"
                      R"(<row Slave_ID="3" Type="Coil Status" Address="10" NPoint="8" Mnemonic="doors"/>)"
                      "</Modbus_Read><Modbus_Write>"
                      R"(<row Slave_ID="4" Type="Holding Register" NPoint="1"/>)";
  for (int i = 0; i < 1030; ++i) polls += R"(<row Slave_ID="5"/>)";
  WriteConfigFile("SetAccess.xml", polls + "</Modbus_Write></EtherNetIP_to_Modbus>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFAdvanceFunctions>(main, "TFAdvanceFunctions", [&](TFAdvanceFunctions& page) {
      EXPECT_EQ(page.E_IP_Address->Text(), "127.168.0.1");
      EXPECT_EQ(page.ACG->Cells(3, 1),
                "Read; Slave ID = 3; Type = Coil Status; Address = 10; NPoint = 8; Mnemonic = doors; ");
      EXPECT_EQ(page.ACG2->Cells(2, 2),
                "Write; Slave ID = 4; Type = Holding Register; Address = ; NPoint = 1; Mnemonic = ; ");
      EXPECT_EQ(page.ACG->Cells(3, 1024).substr(0, 20), "Write; Slave ID = 5;");
      EXPECT_EQ(page.ACG->RowCount(), 1025);
      page.ACG->SetCells(2, 4, "Disable");
      page.ACG->SetCells(1, 4, "Disable");
      Kit.CloseByTitleBar(&page);
    });
    // Without the file, no poll keeps a description; the read status stays, the choice not.
    std::filesystem::remove(ConfigFile("SetAccess.xml"));
    Open<TFAdvanceFunctions>(main, "TFAdvanceFunctions", [&](TFAdvanceFunctions& page) {
      EXPECT_EQ(page.ACG->Cells(3, 1), "");
      EXPECT_EQ(page.ACG2->Cells(2, 2), "");
      EXPECT_EQ(page.ACG->Cells(1, 4), "Disable");
      EXPECT_EQ(page.ACG->Cells(2, 4), "Enable");
      Kit.Click(page.Btn_Exit);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(DeviceCommandFormTest, ABusyPortOrABadAddressIsShownAndThePageStaysOpen) {
  TLoopbackDevice busy;
  Run([&](TFTessaroneFirmWare& main) {
    auto* page = dynamic_cast<TFAdvanceFunctions*>(main.Table_Windows["TFAdvanceFunctions"].Form);
    ASSERT_NE(page, nullptr);
    page->Local_Port = busy.Endpoint->LocalPort();
    Open<TFAdvanceFunctions>(main, "TFAdvanceFunctions", [&](TFAdvanceFunctions& p) {
      p.E_IP_Address->SetText("127.0.0.1");
      Kit.Click(p.Btn_Read_Status);
      EXPECT_EQ(p.Last_CMD, -1) << "nothing was sent";
      EXPECT_EQ(p.ModalResult(), mrNone);
      Kit.Click(p.Btn_Exit);
    });
    page->Local_Port = 0;
    Open<TFAdvanceFunctions>(main, "TFAdvanceFunctions", [&](TFAdvanceFunctions& p) {
      p.E_IP_Address->SetText("127.0.0.300");
      p.PageControl1->SetActivePage(p.TS_B2);
      Kit.Click(p.Btn_Read_Errors);
      EXPECT_EQ(p.Last_CMD, -1);
      EXPECT_EQ(p.ModalResult(), mrNone);
      Kit.Click(p.Btn_Exit);
    });
  });
  const std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 3u) << testing::PrintToString(boxes);
  EXPECT_NE(boxes[0].find("in use"), std::string::npos) << boxes[0];
  EXPECT_EQ(boxes[1], "The UDP endpoint is not active");
  EXPECT_NE(boxes[2].find("127.0.0.300"), std::string::npos) << boxes[2];
  EXPECT_TRUE(busy.Received.empty());
}

}  // namespace
}  // namespace hd
