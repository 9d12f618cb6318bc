// The main window: start-up on a program folder, its layout, the steps refused without a
// configuration, the restored configuration, Update Device and the update timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/about_form.h"
#include "app/boot_tcp_form.h"
#include "app/new_project_form.h"
#include "app/par_gen_form.h"
#include "app/program_fixture.h"
#include "platform/files.h"

namespace hd {
namespace {

using testing_app::ProgramFixture;
using testing_app::SettingsXml;

const std::string kNotValid = "Error! Project not Valid";

class MainWindowTest : public ProgramFixture {
 protected:
  // New Configuration with the name typed and confirmed.
  void CreateConfiguration(TFTessaroneFirmWare& main, const std::string& name) {
    ClickInto(main.Btn_New, [&](TCustomForm* f) {
      auto* form = dynamic_cast<TFNew_Project*>(f);
      ASSERT_NE(form, nullptr);
      Kit.Type(name);
      Kit.Click(form->Btn_OK);
    });
  }
};

TEST_F(MainWindowTest, FirstStartLaysOutTheStepsAndRefusesThemUntilAConfigurationIsActive) {
  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_EQ(main.Caption(), "Kastir - Tessaron SW58318 - EtherNet/IP / Modbus TCP Master ");
    EXPECT_EQ(main.ClientWidth(), 694);
    EXPECT_EQ(main.ClientHeight(), 396);
    EXPECT_EQ(main.Color(), RGB(248, 247, 237));
    EXPECT_EQ(main.Font().Name, "Verdana");
    EXPECT_EQ(main.Font().Size, 8);

    struct Place {
      const char* name;
      TControl* control;
      int left, top;
      bool shown;
    } places[] = {
        {"L_SW_Code", main.L_SW_Code, 16, 8, true},
        {"L_SW_Desc", main.L_SW_Desc, 16, 42, true},
        {"L_Begin", main.L_Begin, 16, 84, true},
        {"Shape2", main.Shape2, 80, 70, true},
        {"L_Name_Conf", main.L_Name_Conf, 87, 75, true},
        {"L_Name_Conf_L2", main.L_Name_Conf_L2, 87, 88, true},
        {"Btn_Info", main.Btn_Info, 516, 8, true},
        {"Btn_Opz", main.Btn_Opz, 574, 8, true},
        {"Btn_Close", main.Btn_Close, 632, 8, true},
        {"L_Step_1", main.L_Step_1, 16, 128, true},
        {"L_Step_4", main.L_Step_4, 16, 260, true},
        {"L_Step_5", main.L_Step_5, 16, 304, false},
        {"L_Step_9", main.L_Step_9, 16, 480, false},
        {"Btn_New", main.Btn_New, 80, 112, true},
        {"Btn_Open", main.Btn_Open, 258, 112, true},
        {"Btn_Prm_Gen", main.Btn_Prm_Gen, 80, 156, true},
        {"Btn_Set_Access", main.Btn_Set_Access, 80, 200, true},
        {"Btn_CreateBin", main.Btn_CreateBin, 80, 244, true},
        {"L_Kastir at the top of step 4", main.L_Kastir, 565, 260, true},
        {"LL_Update", main.LL_Update, 208, 19, false},
        {"Btn_PROFIBUS_GSD", main.Btn_PROFIBUS_GSD, 258, 300, false},
        {"Btn_CANopen_EDS", main.Btn_CANopen_EDS, main.Btn_CANopen_EDS->Left(), main.Btn_CANopen_EDS->Top(), false},
        {"Shape1 51 below Update Device", main.Shape1, 10, 295, true},
    };
    for (const Place& p : places) {
      SCOPED_TRACE(p.name);
      EXPECT_EQ(p.control->Left(), p.left);
      EXPECT_EQ(p.control->Top(), p.top);
      EXPECT_EQ(p.control->Visible(), p.shown);
    }
    EXPECT_EQ(main.Btn_New->Width(), 170);
    EXPECT_EQ(main.Btn_New->Height(), 36);
    EXPECT_EQ(main.Btn_Info->Width(), 50);
    EXPECT_EQ(main.Shape1->Width(), 674);
    EXPECT_EQ(main.Shape1->Height(), 1);

    EXPECT_EQ(main.L_SW_Code->Caption(), "SW58318");
    EXPECT_EQ(main.L_SW_Desc->Caption(), "EtherNet/IP / Modbus TCP Master - Converter");
    EXPECT_EQ(main.L_Begin->Caption(), "Begin");
    EXPECT_EQ(main.L_Step_4->Caption(), "Step 4");
    EXPECT_EQ(main.L_Step_9->Caption(), "Step 9");
    EXPECT_EQ(main.Btn_CreateBin->Caption(), "Update Device");
    EXPECT_EQ(main.Btn_CreateBin->Hint(), "Update the actual Firmware and/or Configuration in the device");
    EXPECT_EQ(main.Btn_Opz->Hint(), "Options");
    EXPECT_EQ(main.L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    EXPECT_FALSE(main.Timer_Update->Enabled());

    for (TLbButton* step : {main.Btn_Prm_Gen, main.Btn_Set_Access, main.Btn_CreateBin}) Kit.Click(step);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(3, kNotValid));
    for (const TMessageBoxRequest& box : Kit.MessageBoxes()) {
      EXPECT_EQ(box.Type, mtError);
      EXPECT_EQ(box.Buttons, std::vector<TMsgDlgBtn>{mbOK});
    }

    // Information needs no configuration.
    ClickInto(main.Btn_Info, [&](TCustomForm* f) {
      auto* about = dynamic_cast<TFAbout*>(f);
      ASSERT_NE(about, nullptr);
      EXPECT_EQ(about->Label9->Caption(), "SW58318");
      EXPECT_EQ(about->Label10->Caption(), "1.300");
      EXPECT_EQ(about->Label12->Caption(), "MN58318");
      EXPECT_EQ(about->ClientWidth(), 406);
      Kit.Click(about->LbButton1);
    });
    EXPECT_EQ(Kit.ModalLog(), (std::vector<std::string>{"FTessaroneFirmWare", "FAbout"}));
  });

  for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(DirectoryExists(Folder.File(folder)));
  auto saved = SavedSettings();
  EXPECT_EQ(saved->Project_Name, "");
  EXPECT_EQ(saved->Device_IP, "192.168.2.205");
  EXPECT_EQ(saved->Current_Language, "English");
}

TEST_F(MainWindowTest, TabWalksTheStepsInTheirOrderThenTheIcons) {
  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_EQ(main.ActiveControl(), main.Btn_New) << "the window opens on step 1";
    std::vector<std::string> walked;
    for (int i = 0; i < 8; ++i) {
      Kit.Press(VK_TAB);
      walked.push_back(main.ActiveControl() ? main.ActiveControl()->Name() : "-");
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"Btn_Open", "Btn_Prm_Gen", "Btn_Set_Access", "Btn_CreateBin",
                                                "Btn_Info", "Btn_Opz", "Btn_Close", "Btn_New"}));
  });
}

TEST_F(MainWindowTest, SettingsNamingADeletedConfigurationShowItsNameButRefuseTheSteps) {
  // ".." and "." name folders that exist, but neither is a configuration.
  for (const std::string name : {"Gone", "..", "."}) {
    SCOPED_TRACE(name);
    Folder.Write("Tessaron.xml", SettingsXml(name, "192.168.2.205", "English", "0", "0"));
    const std::size_t before = Kit.MessageBoxes().size();
    Run([&](TFTessaroneFirmWare& main) {
      EXPECT_EQ(main.L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
      EXPECT_EQ(main.L_Name_Conf_L2->Caption(), name);
      EXPECT_EQ(main.State().Project_Folder, "");
      Kit.Click(main.Btn_CreateBin);
      EXPECT_EQ(BoxTexts(before), std::vector<std::string>{kNotValid});
    });
    EXPECT_EQ(SavedSettings()->Project_Name, name);
  }
  EXPECT_FALSE(std::filesystem::exists(Projects("Gone")));
  EXPECT_FALSE(std::filesystem::exists(Folder.File("bin")));
  EXPECT_FALSE(std::filesystem::exists(Projects("bin")));
}

TEST_F(MainWindowTest, ConfigurationWhoseFolderWasDeletedSinceItOpenedRefusesTheSteps) {
  TForm setAccess(nullptr);
  Run([&](TFTessaroneFirmWare& main) {
    main.Table_Windows["TFModbus_TCP_Master_Set_Access"].Form = &setAccess;
    CreateConfiguration(main, "Plant 1");
    std::filesystem::remove_all(Projects("Plant 1"));
    const std::size_t modalsBefore = Kit.ModalLog().size();
    for (TLbButton* step : {main.Btn_Prm_Gen, main.Btn_Set_Access, main.Btn_CreateBin}) {
      SCOPED_TRACE(step->Name());
      const std::size_t before = Kit.MessageBoxes().size();
      Kit.Click(step);
      EXPECT_EQ(BoxTexts(before), std::vector<std::string>{kNotValid});
    }
    EXPECT_EQ(Kit.ModalLog().size(), modalsBefore) << "no step window opened";
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), "Plant 1");
  });
  EXPECT_FALSE(std::filesystem::exists(Projects("Plant 1"))) << "nothing re-created the folder";
}

// Every window of the core centres itself; on a screen smaller than the window its frame's
// corner stays on the screen, so its title bar (and the folding buttons of the communication
// window, which bring its OK and Cancel into reach) can be reached.
TEST_F(MainWindowTest, EveryWindowOnASmallScreenKeepsItsTitleBarOnIt) {
  test::TScreenSizeScope screen(640, 480);
  auto expectOnScreen = [](TCustomForm* f) {
    SCOPED_TRACE(f->Name());
    const TPoint centred{(640 - f->Width()) / 2, (480 - f->Height()) / 2};
    EXPECT_EQ((TPoint{f->Left(), f->Top()}), (TPoint{std::max(centred.X, 0), std::max(centred.Y, 0)}));
  };
  Run([&](TFTessaroneFirmWare& main) {
    expectOnScreen(&main);
    EXPECT_EQ(main.Left(), 0) << "the main window is wider than this screen";
    CreateConfiguration(main, "Plant 1");
    for (TLbButton* step : {main.Btn_New, main.Btn_Open, main.Btn_Info, main.Btn_Opz, main.Btn_Prm_Gen,
                            main.Btn_CreateBin}) {
      ClickInto(step, [&](TCustomForm* f) {
        expectOnScreen(f);
        f->SetModalResult(mrCancel);
      });
    }
    EXPECT_EQ(main.FParGen->Top(), 0) << "the communication window is higher than this screen";
    EXPECT_EQ(main.FParGen->ClientToScreen({0, 0}).Y, 26) << "its title bar lies above its client area";
  });
  EXPECT_EQ(Kit.ModalLog().size(), 8u);
}

TEST_F(MainWindowTest, NewConfigurationBecomesActiveAndTheNextStartRestoresIt) {
  Run([&](TFTessaroneFirmWare& main) {
    CreateConfiguration(main, "Plant 1");
    EXPECT_EQ(main.L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), "Plant 1");
    EXPECT_EQ(main.State().Project_Folder, Projects("Plant 1"));
    EXPECT_EQ(main.State().Path_ParGen, Projects("Plant 1") + "/ParGen.xml");
    EXPECT_TRUE(DirectoryExists(Projects("Plant 1") + "/bin"));
  });
  EXPECT_EQ(SavedSettings()->Project_Name, "Plant 1");

  // Set Access shows the Modbus TCP master window once the table layer has registered it.
  TForm setAccess(nullptr);
  setAccess.SetName("SetAccessStandIn");
  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), "Plant 1");
    EXPECT_EQ(main.State().Project_Folder, Projects("Plant 1"));
    EXPECT_EQ(main.State().Path_ModbusTCPM_SetAccess, Projects("Plant 1") + "/ModbusTCPM_SetAccess.xml");
    Kit.Click(main.Btn_Set_Access);
    main.Table_Windows["TFModbus_TCP_Master_Set_Access"].Form = &setAccess;
    ClickInto(main.Btn_Set_Access, [&](TCustomForm* f) {
      EXPECT_EQ(f, &setAccess);
      f->SetModalResult(mrCancel);
    });
  });
  EXPECT_EQ(Kit.ModalLog(), (std::vector<std::string>{"FTessaroneFirmWare", "FNew_Project", "FTessaroneFirmWare",
                                                      "SetAccessStandIn"}));
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(MainWindowTest, UpdateDeviceWritesTheBanksAndStopsWhenOneCannotBeWritten) {
  Run([&](TFTessaroneFirmWare& main) {
    CreateConfiguration(main, "Plant 1");
    // No table file exists yet: the compile takes its defaults, then the wizard opens.
    ClickInto(main.Btn_CreateBin, [&](TCustomForm* f) {
      EXPECT_EQ(f, main.FBootTCP);
      Kit.CloseByTitleBar(f);
    });
    EXPECT_TRUE(BoxTexts().empty());
    const std::string bin = Projects("Plant 1") + "/bin/";
    EXPECT_EQ(std::filesystem::file_size(bin + "bank1.bin"), 2048u);
    EXPECT_EQ(std::filesystem::file_size(bin + "bank2.bin"), 32768u);
    EXPECT_EQ(std::filesystem::file_size(bin + "bank_K64_1.bin"), 2048u);

    // A plain file where the bin folder belongs: the error names the bank, and the wizard
    // does not open on banks that are not there.
    std::filesystem::remove_all(bin);
    Folder.Write("PROJECTS/Plant 1/bin", "not a folder");
    const std::size_t modalsBefore = Kit.ModalLog().size();
    Kit.Click(main.Btn_CreateBin);
    ASSERT_EQ(Kit.MessageBoxes().size(), 1u);
    EXPECT_EQ(Kit.MessageBoxes()[0].Type, mtError);
    EXPECT_NE(Kit.MessageBoxes()[0].Text.find("bank1.bin"), std::string::npos) << Kit.MessageBoxes()[0].Text;
    EXPECT_EQ(Kit.ModalLog().size(), modalsBefore);
  });
}

TEST_F(MainWindowTest, UpdateTimerChecksAMinuteAfterStartThenEveryTwoHours) {
  Folder.Write("Tessaron.xml", SettingsXml("", "192.168.2.205", "English", "1", "1"));
  Run([&](TFTessaroneFirmWare& main) {
    ASSERT_TRUE(main.Timer_Update->Enabled());
    EXPECT_EQ(main.Timer_Update->Interval(), 60000u);
    Http->Replies = {"VER. 1.400", "VER. 0.000"};

    Kit.Advance(59999);
    EXPECT_TRUE(Http->Requests.empty());
    Kit.Advance(1);
    ASSERT_EQ(Http->Requests.size(), 1u);
    EXPECT_EQ(Http->Requests[0].Path, "/home/download/GetversionSW.asp?nomesw=SW58318");
    EXPECT_EQ(Http->Requests[0].UserAgent, "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_TRUE(main.LL_Update->Visible());
    EXPECT_EQ(main.LL_Update->Caption(),
              "<a href=\"" + Download_Page_Url() + "\">New Version Available. Click Here for more Details</a>");
    EXPECT_EQ(main.Timer_Update->Interval(), 7200000u);
    EXPECT_TRUE(main.Timer_Update->Enabled());

    Kit.Advance(7199999);
    EXPECT_EQ(Http->Requests.size(), 1u);
    Kit.Advance(1);
    EXPECT_EQ(Http->Requests.size(), 2u);
    EXPECT_FALSE(main.LL_Update->Visible()) << "a check that finds nothing newer hides the link";
  });
}

TEST_F(MainWindowTest, InternetWithoutUpdateLeavesTheTimerOff) {
  Folder.Write("Tessaron.xml", SettingsXml("", "192.168.2.205", "English", "1", "0"));
  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_FALSE(main.Timer_Update->Enabled());
    Kit.Advance(120000);
    EXPECT_TRUE(Http->Requests.empty());
  });
}

}  // namespace
}  // namespace hd
