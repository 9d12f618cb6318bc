// The main road through the real windows: a first start, a new configuration, its
// communication parameters, Update Device with the wizard's ping, job file and updater, and
// the next start that restores the configuration.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/boot_tcp_form.h"
#include "app/new_project_form.h"
#include "app/par_gen_form.h"
#include "app/program_fixture.h"
#include "platform/files.h"
#include "platform/xml.h"

namespace hd {
namespace {

using testing_app::ProgramFixture;
using testing_app::SettingsXml;

// The system's pinger, refusing any host but the loopback: no echo request leaves the machine.
class TLoopbackOnlyPinger : public IPinger {
 public:
  // hosts outlives the pinger, which goes with the wizard.
  explicit TLoopbackOnlyPinger(std::vector<std::string>& hosts) : hosts_(hosts) {}
  TPingResult Echo(const std::string& host, int payloadSize, int timeoutMs) override {
    hosts_.push_back(host);
    if (host != "127.0.0.1") {
      ADD_FAILURE() << "ping of " << host;
      return {TPingStatus::NoReply, 0};
    }
    return system_->Echo(host, payloadSize, timeoutMs);
  }

 private:
  std::vector<std::string>& hosts_;
  std::unique_ptr<IPinger> system_ = CreateSystemPinger();
};

class MainRoadTest : public ProgramFixture {};

TEST_F(MainRoadTest, NewConfigurationToTheUpdaterAndBack) {
  if (!PingMethodAvailable(TPingMethod::Auto)) GTEST_SKIP() << "this machine cannot send ICMP echo";
  // The device answers on the loopback; the default address is never used.
  Folder.Write("Tessaron.xml", SettingsXml("", "127.0.0.1", "English", "0", "0"));
  const std::string updater = Folder.Write(
      "Ethernet_Update.exe",
      "#!/bin/sh\n"
      "cd \"$(dirname \"$0\")\"\n"
      "echo ran >> updater_runs.txt\n"
      "cp Ethernet_Update.xml updater_saw.xml\n");
  ASSERT_EQ(::chmod(updater.c_str(), 0755), 0);

  std::vector<std::string> pinged;
  Before_Run = [&](TFTessaroneFirmWare& main) {
    main.FBootTCP->SetPinger(std::make_unique<TLoopbackOnlyPinger>(pinged));
  };
  Run([&](TFTessaroneFirmWare& main) {
    for (TLbButton* step : {main.Btn_Prm_Gen, main.Btn_Set_Access, main.Btn_CreateBin}) Kit.Click(step);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(3, "Error! Project not Valid"));

    ClickInto(main.Btn_New, [&](TCustomForm*) {
      Kit.Type("Plant 1");
      Kit.Click(main.FNew_Project->Btn_OK);
    });
    ASSERT_EQ(main.State().Project_Folder, Projects("Plant 1"));

    ClickInto(main.Btn_Prm_Gen, [&](TCustomForm* f) {
      EXPECT_EQ(f, main.FParGen);
      Kit.Click(main.FParGen->Btn_OK);
    });
    EXPECT_TRUE(FileExists(Projects("Plant 1") + "/ParGen.xml"));

    ClickInto(main.Btn_CreateBin, [&](TCustomForm* f) {
      TFBootTCP& wizard = *main.FBootTCP;
      ASSERT_EQ(f, &wizard);
      // The banks are on disk before the wizard shows.
      for (const char* bank : {"bank1.bin", "bank2.bin", "bank_K64_1.bin"})
        EXPECT_TRUE(FileExists(Projects("Plant 1") + "/bin/" + bank)) << bank;
      EXPECT_EQ(wizard.E_IP1->Text() + "." + wizard.E_IP4->Text(), "127.1");
      Kit.Click(wizard.Btn_Ping);
      EXPECT_EQ(wizard.LPing->Caption(), "Device Found!");
      EXPECT_TRUE(wizard.Esegui_Ping);
      Kit.Click(wizard.Btn_Next);
      EXPECT_TRUE(wizard.Btn_Update->Visible());
      Kit.Click(wizard.Btn_Update);
      Kit.CloseByTitleBar(f);
    });
    EXPECT_EQ(BoxTexts().size(), 3u) << "no message beyond the refused steps";
  });
  EXPECT_FALSE(pinged.empty());

  EXPECT_EQ(Folder.Read("updater_runs.txt"), "ran\n");
  TXmlDocument job;
  job.LoadFromFile(Folder.File("updater_saw.xml"));
  const TXmlNode root = job.DocumentElement();
  EXPECT_EQ(root.NodeName(), "Ethernet_Update");
  EXPECT_EQ(root.FindNode("IP_Address_Dev").Text(), "127.0.0.1");
  const std::vector<TXmlNode> operations = root.FindNode("Operations").ChildElements("Operation");
  ASSERT_EQ(operations.size(), 6u);
  EXPECT_EQ(operations[2].FindNode("Ope_FileName").Text(), Projects("Plant 1") + "/bin/bank1.bin");

  auto saved = SavedSettings();
  EXPECT_EQ(saved->Project_Name, "Plant 1");
  EXPECT_EQ(saved->Device_IP, "127.0.0.1");

  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_EQ(main.State().Project_Folder, Projects("Plant 1"));
    EXPECT_EQ(main.L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), "Plant 1");
  });
}

}  // namespace
}  // namespace hd
