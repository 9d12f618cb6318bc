// The update wizard on the headless kit: the address from the settings, the ping through a fake
// pinger on the kit's virtual clock, Next, and Execute running a test updater.
#include "app/boot_tcp_form.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lb_button.h"
#include "testkit/temp_folder.h"
#include "app/update_job_file.h"
#include "platform/ext_ctrls.h"
#include "platform/files.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;
using testkit::TempFolder;

// Plays a script of replies, the last one for ever. Silence takes the full time-out of the
// kit's virtual clock, as a real echo request waits for its reply.
class TFakePinger : public IPinger {
 public:
  TFakePinger(TVirtualClock& clock, std::vector<TPingResult> script) : clock_(clock), script_(std::move(script)) {}
  TPingResult Echo(const std::string& host, int, int timeoutMs) override {
    hosts.push_back(host);
    const TPingResult r = script_[std::min(hosts.size() - 1, script_.size() - 1)];
    clock_.Sleep(r.Status == TPingStatus::Reply ? 1 : static_cast<std::uint32_t>(timeoutMs));
    return r;
  }
  std::vector<std::string> hosts;

 private:
  TVirtualClock& clock_;
  std::vector<TPingResult> script_;
};

const TPingResult Answer{TPingStatus::Reply, 1024};
const TPingResult Silence{TPingStatus::NoReply, 0};
const TPingResult Unresolved{TPingStatus::BadAddress, 0};

class BootTcpFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Load_Default_Texts();
    state.SW_Code = TAppState::SW_Code_Const;
    state.App_Folder = dir.File("program");
    state.Master_Folder = state.App_Folder + "/MASTER";
    state.Project_Folder = state.App_Folder + "/PROJECTS/Plant 1";
    ForceDirectories(state.Master_Folder);
    form = std::make_unique<TFBootTCP>(nullptr, state);
    form->AfterConstruction();
  }
  void TearDown() override { form.reset(); }

  // The pinger the next pings use; the window owns it.
  TFakePinger& Script(std::vector<TPingResult> script) {
    auto pinger = std::make_unique<TFakePinger>(kit.Clock(), std::move(script));
    TFakePinger& ref = *pinger;
    form->SetPinger(std::move(pinger));
    return ref;
  }

  // The updater stand-in: records that it ran with a copy of the job file it found.
  void PlaceUpdater() {
    const std::string path = dir.Write("program/Ethernet_Update.exe",
                                       "#!/bin/sh\ncat \"$(dirname \"$0\")/Ethernet_Update.xml\" > "
                                       "\"$(dirname \"$0\")/updater_saw.xml\"\n");
    ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
  }

  std::vector<std::string> Boxes() const {
    return {form->E_IP1->Text(), form->E_IP2->Text(), form->E_IP3->Text(), form->E_IP4->Text()};
  }

  bool OnPage2() const {
    return form->L_Options->Visible() && form->Btn_Update->Visible() && !form->Btn_Next->Visible() &&
           !form->E_IP1->Visible();
  }

  TGuiKit kit;
  TempFolder dir;
  TAppState state;
  std::unique_ptr<TFBootTCP> form;
};

TEST(ValidIp, SplitsFourDecimalPartsFrom0To255) {
  struct Case {
    const char* text;
    bool valid;
    std::vector<std::string> parts;
  };
  const std::vector<Case> cases = {
      {"127.0.0.1", true, {"127", "0", "0", "1"}},
      {"  10.1.2.3  ", true, {"10", "1", "2", "3"}},
      {"10. 1. 2. 3", true, {"10", "1", "2", "3"}},
      {"0.0.0.255", true, {"0", "0", "0", "255"}},
      {"127.0.0.300", false, {}},
      {"127.0.1", false, {}},
      {"127001", false, {}},
      {"", false, {}},
      {"127 .0.0.1", false, {}},
      {"127..0.1", false, {}},
      {"1.2.3.4.5", false, {}},
      {"$7F.0.0.1", false, {}},
      {"a.b.c.d", false, {}},
      {"-1.0.0.1", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string a, b, d, e;
    EXPECT_EQ(Valid_IP(c.text, a, b, d, e), c.valid);
    if (c.valid) {
      EXPECT_EQ((std::vector<std::string>{a, b, d, e}), c.parts);
    }
  }
}

TEST_F(BootTcpFormTest, ShowingStartsOnPage1AndTakesAValidDeviceAddress) {
  struct Case {
    const char* device_ip;
    std::vector<std::string> boxes;
  };
  const std::vector<Case> cases = {
      {"127.0.0.1", {"127", "0", "0", "1"}},
      {"127.0.0.300", {"127", "0", "0", "1"}},  // left as they were
      {"10.0.0", {"127", "0", "0", "1"}},
      {"", {"127", "0", "0", "1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.device_ip);
    state.Device_IP = c.device_ip;
    kit.OnModal([&](TCustomForm*) {
      EXPECT_EQ(Boxes(), c.boxes);
      EXPECT_EQ(form->L_IP_Address->Caption(), "Insert the IP Address of  HD58318");
      EXPECT_EQ(form->LPing->Caption(), "");
      EXPECT_FALSE(form->Esegui_Ping);
      const std::vector<std::pair<TControl*, TPoint>> page1 = {
          {form->L_IP_Address, {16, 75}}, {form->E_IP1, {35, 97}},    {form->E_IP2, {91, 97}},
          {form->E_IP3, {147, 97}},       {form->E_IP4, {203, 97}},   {form->Label2, {83, 105}},
          {form->Label3, {139, 105}},     {form->Label4, {195, 105}}, {form->L_Ping, {16, 136}},
          {form->Btn_Ping, {35, 155}},    {form->LPing, {151, 163}}};
      for (const auto& [control, at] : page1) {
        EXPECT_EQ((TPoint{control->Left(), control->Top()}), at) << control->Name();
        EXPECT_TRUE(control->Visible());
      }
      EXPECT_TRUE(form->Btn_Cancel->Visible());
      EXPECT_TRUE(form->Btn_Next->Visible());
      for (TControl* hidden : std::vector<TControl*>{form->L_Options, form->CB_Firmware, form->CB_Read_Firm,
                                                     form->CB_Conf, form->CB_Read_Conf, form->Btn_Update})
        EXPECT_FALSE(hidden->Visible());
      kit.Click(form->Btn_Cancel);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
  }
  EXPECT_EQ(form->ClientWidth(), 350);
  EXPECT_EQ(form->ClientHeight(), 233);
}

TEST_F(BootTcpFormTest, PingOutcomeShowsInTheLabelAndOnlyAFoundDeviceOpensNext) {
  struct Case {
    const char* name;
    std::vector<TPingResult> script;
    std::string text;
    TColor color;
    bool found;
  };
  const std::vector<Case> cases = {
      {"answers", {Answer}, "Device Found!", clGreen, true},
      {"never answers", {Silence}, "Device Not Found!", clRed, false},
      {"answers once, then falls silent", {Answer, Silence}, "Device Not Found!", clRed, false},
      {"cannot be resolved", {Unresolved}, "Error!!! Check the Ip Address", clRed, false},
  };
  state.Device_IP = "127.0.0.1";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFakePinger& pinger = Script(c.script);
    const std::size_t boxes = kit.MessageBoxes().size();
    const std::uint64_t start = kit.Clock().NowMs();
    kit.OnModal([&](TCustomForm*) {
      kit.Click(form->Btn_Ping);
      EXPECT_EQ(form->LPing->Caption(), c.text);
      EXPECT_EQ(form->LPing->Font().Color, c.color);
      EXPECT_EQ(form->Esegui_Ping, c.found);
      kit.Click(form->Btn_Next);
      EXPECT_EQ(OnPage2(), c.found);
      kit.CloseByTitleBar(form.get());
    });
    form->ShowModal();
    ASSERT_FALSE(pinger.hosts.empty());
    EXPECT_TRUE(std::all_of(pinger.hosts.begin(), pinger.hosts.end(), [](auto& h) { return h == "127.0.0.1"; }));
    if (!c.found) {
      ASSERT_EQ(kit.MessageBoxes().size(), boxes + 1);
      EXPECT_EQ(kit.MessageBoxes().back().Type, mtError);
      EXPECT_EQ(kit.MessageBoxes().back().Text, "Device not found in network");
      EXPECT_EQ(kit.MessageBoxes().back().Buttons, std::vector<TMsgDlgBtn>{mbOK});
    }
    if (c.script.back().Status == TPingStatus::NoReply) {
      EXPECT_GE(kit.Clock().NowMs() - start, 10000u) << "a silent device is tried for 10 s";
    }
  }
}

TEST_F(BootTcpFormTest, NextIsRefusedUntilAPingSucceededOnThisShowing) {
  state.Device_IP = "127.0.0.1";
  Script({Answer});
  kit.OnModal([&](TCustomForm*) {
    kit.Click(form->Btn_Next);
    EXPECT_FALSE(OnPage2());
    kit.Click(form->Btn_Ping);
    kit.Click(form->Btn_Cancel);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  kit.OnModal([&](TCustomForm*) {
    EXPECT_FALSE(form->Esegui_Ping) << "each showing starts without a ping";
    kit.Click(form->Btn_Next);
    EXPECT_FALSE(OnPage2());
    kit.Click(form->Btn_Cancel);
  });
  form->ShowModal();
  ASSERT_EQ(kit.MessageBoxes().size(), 2u);
  EXPECT_EQ(state.Device_IP, "127.0.0.1");
}

TEST_F(BootTcpFormTest, TypedAddressIsPingedAndNextStoresItAndShowsPage2) {
  TFakePinger& pinger = Script({Answer});
  kit.OnModal([&](TCustomForm*) {
    form->E_IP1->SetFocus();
    kit.Type("127.0.0.1");
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"127", "0", "0", "1"})) << "each dot moves to the next box";
    kit.Click(form->Btn_Ping);
    kit.Click(form->Btn_Next);
    EXPECT_TRUE(OnPage2());
    const std::vector<std::pair<TControl*, TPoint>> page2 = {{form->L_Options, {16, 75}},
                                                             {form->CB_Firmware, {36, 96}},
                                                             {form->CB_Read_Firm, {56, 119}},
                                                             {form->CB_Conf, {36, 142}},
                                                             {form->CB_Read_Conf, {56, 165}}};
    for (const auto& [control, at] : page2) EXPECT_EQ((TPoint{control->Left(), control->Top()}), at) << control->Name();
    EXPECT_EQ(form->Btn_Update->Left(), 16);
    EXPECT_EQ(form->Btn_Update->Parent(), static_cast<TWinControl*>(form->P_Buttons));
    kit.CloseByTitleBar(form.get());
  });
  form->ShowModal();
  EXPECT_EQ(pinger.hosts.front(), "127.0.0.1");
  EXPECT_EQ(state.Device_IP, "127.0.0.1") << "the settings keep the address for the next showing";
}

TEST_F(BootTcpFormTest, ExecuteWritesTheJobForTheChosenOperationsAndRunsTheUpdater) {
  struct Case {
    const char* name;
    TUpdateOperations ops;
  };
  const std::vector<Case> cases = {
      {"all four", {true, true, true, true}},
      {"configuration only, no read-back", {false, true, true, false}},
      {"firmware only", {true, false, false, true}},
      {"neither", {false, false, false, false}},
  };
  PlaceUpdater();
  state.Device_IP = "127.0.0.1";
  Script({Answer});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(dir.File("program/updater_saw.xml").c_str());
    kit.OnModal([&](TCustomForm*) {
      EXPECT_FALSE(OnPage2()) << "every showing starts on page 1";
      kit.Click(form->Btn_Ping);
      kit.Click(form->Btn_Next);
      const std::vector<std::pair<TCheckBox*, bool>> choice = {{form->CB_Firmware, c.ops.Firmware},
                                                               {form->CB_Read_Firm, c.ops.Read_Firm},
                                                               {form->CB_Conf, c.ops.Conf},
                                                               {form->CB_Read_Conf, c.ops.Read_Conf}};
      for (const auto& [box, on] : choice)
        if (box->Checked() != on) kit.Click(box, 6, 8);  // on the box itself
      kit.Click(form->Btn_Update);
      EXPECT_TRUE(OnPage2()) << "the wizard stays on page 2 after the update";
      kit.CloseByTitleBar(form.get());
    });
    form->ShowModal();

    ForceDirectories(dir.File("expected"));
    Compile_XML_Parameter(dir.File("expected"),
                          TUpdateJob{"127.0.0.1", state.Master_Folder, state.Project_Folder, c.ops});
    const std::string job = dir.Read("program/Ethernet_Update.xml");
    EXPECT_EQ(job, dir.Read("expected/Ethernet_Update.xml"));
    EXPECT_EQ(dir.Read("program/updater_saw.xml"), job) << "the updater ran after the job file was written";
  }
  EXPECT_TRUE(!form->CB_Firmware->Checked() && !form->CB_Conf->Checked())
      << "the choice lasts from one showing to the next";
  EXPECT_TRUE(kit.MessageBoxes().empty());
}

TEST_F(BootTcpFormTest, UpdaterThatCannotStartIsReportedAndTheJobFileIsStillWritten) {
  struct Case {
    const char* name;
    const char* updater;  // the file's text; null for no file
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"missing", nullptr, "No such file or directory"},
      {"not executable", "#!/bin/sh\nexit 0\n", "Permission denied"},
  };
  state.Device_IP = "127.0.0.1";
  Script({Answer});
  const std::string updater = dir.File("program/Ethernet_Update.exe");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(updater.c_str());
    std::remove(dir.File("program/Ethernet_Update.xml").c_str());
    if (c.updater) dir.Write("program/Ethernet_Update.exe", c.updater);
    const std::size_t before = kit.MessageBoxes().size();
    kit.OnModal([&](TCustomForm*) {
      kit.Click(form->Btn_Ping);
      kit.Click(form->Btn_Next);
      kit.Click(form->Btn_Update);
      EXPECT_TRUE(OnPage2());
      kit.CloseByTitleBar(form.get());
    });
    form->ShowModal();

    ASSERT_EQ(kit.MessageBoxes().size(), before + 1);
    const TMessageBoxRequest& box = kit.MessageBoxes().back();
    EXPECT_EQ(box.Type, mtError);
    EXPECT_EQ(box.Text, "Error! The updater \"" + updater + "\" could not be started: " + c.reason);
    EXPECT_TRUE(FileExists(dir.File("program/Ethernet_Update.xml"))) << "the job file is written first";
  }
}

TEST_F(BootTcpFormTest, SetLangAppliesTheWizardTexts) {
  EXPECT_EQ(form->Caption(), "Update Firmware from Etherner (UDP)");
  EXPECT_EQ(form->L_SW_Desc->Caption(), "Update Firmware from Etherner (UDP)");
  EXPECT_EQ(form->L_SW_Code->Caption(), "SW58318");
  const std::vector<std::pair<TControl*, std::string>> english = {
      {form->L_Ping, "Check the Connection the device"},
      {form->Btn_Ping, "Ping"},
      {form->Btn_Cancel, "Cancel"},
      {form->Btn_Next, "Next"},
      {form->L_Options, "Update Device Options"},
      {form->CB_Firmware, "Firmware"},
      {form->CB_Read_Firm, "Read Firmware when finish"},
      {form->CB_Conf, "Configuration"},
      {form->CB_Read_Conf, "Read Configuration when finish"},
      {form->Btn_Update, "Execute update firmware"}};
  for (const auto& [control, text] : english) EXPECT_EQ(control->Caption(), text);
  for (TCheckBox* box : {form->CB_Firmware, form->CB_Read_Firm, form->CB_Conf, form->CB_Read_Conf})
    EXPECT_TRUE(box->Checked()) << "all four are checked at creation";

  for (int i = 1700; i <= 1715; ++i) state.Lang_Table.SetStrings(i, "T" + std::to_string(i));
  form->Set_Lang();
  EXPECT_EQ(form->Caption(), "T1700");
  EXPECT_EQ(form->Btn_Update->Caption(), "T1711");
  EXPECT_EQ(form->CB_Read_Conf->Caption(), "T1710");
  state.Device_IP = "127.0.0.1";
  Script({Answer});
  kit.OnModal([&](TCustomForm*) {
    EXPECT_EQ(form->L_IP_Address->Caption(), "T1701 HD58318");
    kit.Click(form->Btn_Ping);
    EXPECT_EQ(form->LPing->Caption(), "T1712");
    kit.CloseByTitleBar(form.get());
  });
  form->ShowModal();
}

}  // namespace
}  // namespace hd
