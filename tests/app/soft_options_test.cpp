// The options window: connection options and the update timer, the version check on demand,
// the language pages and a language change reaching the windows that follow it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/boot_tcp_form.h"
#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/par_gen_form.h"
#include "app/program_fixture.h"
#include "app/soft_options_form.h"

namespace hd {
namespace {

using testing_app::ProgramFixture;
using testing_app::SettingsXml;

class OptionsTest : public ProgramFixture {
 protected:
  // Opens the options window, lets `inside` act, then OK or Cancel.
  void Options(TFTessaroneFirmWare& main, const std::function<void(TFSoftOptions&)>& inside, bool ok) {
    ClickInto(main.Btn_Opz, [&](TCustomForm* f) {
      auto* form = dynamic_cast<TFSoftOptions*>(f);
      ASSERT_NE(form, nullptr);
      inside(*form);
      Kit.Click(ok ? form->Btn_OK : form->Btn_Cancel);
    });
  }
  // A click on the box itself: the caption is narrower than the control.
  void Tick(TCheckBox* box) { Kit.Click(box, 6, box->Height() / 2); }
  void ShowPage(TFSoftOptions& form, TTabSheet* page) {
    form.PC_Options->SetActivePage(page);
    Kit.Process();
  }
  // The languages the slots show, a hidden slot as "-".
  static std::vector<std::string> Slots(const TFSoftOptions& form) {
    std::vector<std::string> shown;
    for (int k = 0; k < TFSoftOptions::Slots_Per_Page; ++k)
      shown.push_back(form.L_L[k]->Visible() ? form.L_L[k]->Caption() : "-");
    return shown;
  }
};

TEST_F(OptionsTest, InternetWithoutUpdateStopsTheTimerAndTheChoiceIsSaved) {
  Folder.Write("Tessaron.xml", SettingsXml("", "192.168.2.205", "English", "1", "1"));
  Run([&](TFTessaroneFirmWare& main) {
    ASSERT_TRUE(main.Timer_Update->Enabled());
    Options(main, [&](TFSoftOptions& form) {
      EXPECT_TRUE(form.CB_En_Con->Checked());
      EXPECT_TRUE(form.CB_Update->Checked());
      EXPECT_TRUE(form.Btn_Check_Update->Enabled());
      ShowPage(form, form.TS_Con_Options);
      Tick(form.CB_Update);
      EXPECT_FALSE(form.Btn_Check_Update->Enabled());
    }, true);
    EXPECT_FALSE(main.Timer_Update->Enabled());
    auto saved = SavedSettings();
    EXPECT_EQ(saved->Opt_Enable_Internet, 1);
    EXPECT_EQ(saved->Opt_Enable_Update, 0) << "confirming writes the settings at once";

    // Internet off keeps the update tick but disables it, and the timer stays off.
    Options(main, [&](TFSoftOptions& form) {
      ShowPage(form, form.TS_Con_Options);
      Tick(form.CB_Update);
      Tick(form.CB_En_Con);
      EXPECT_FALSE(form.CB_Update->Enabled());
      EXPECT_TRUE(form.CB_Update->Checked());
      EXPECT_FALSE(form.Btn_Check_Update->Enabled());
    }, true);
    EXPECT_FALSE(main.Timer_Update->Enabled());
    EXPECT_EQ(SavedSettings()->Opt_Enable_Update, 1);

    // Both on again: the timer runs.
    Options(main, [&](TFSoftOptions& form) {
      ShowPage(form, form.TS_Con_Options);
      Tick(form.CB_En_Con);
    }, true);
    EXPECT_TRUE(main.Timer_Update->Enabled());

    // Cancel keeps the options as they were.
    Options(main, [&](TFSoftOptions& form) {
      ShowPage(form, form.TS_Soft_Settings);
      Tick(form.CB_Soft_Set_Jump_Table);
    }, false);
    EXPECT_EQ(main.State().Opt_Jump_Field_Tables, 0);
  });
}

TEST_F(OptionsTest, TabWalksThePageBeforeOkAndCancel) {
  for (const char* name : {"Deutsch", "English", "Espanol", "Francais", "Italiano", "Nederlands", "Portugues"})
    Folder.Write(std::string("LANGUAGE/") + name + ".lng", "STR0 = x\r\n");
  Run([&](TFTessaroneFirmWare& main) {
    Options(main, [&](TFSoftOptions& form) {
      std::vector<std::string> walked{form.ActiveControl() ? form.ActiveControl()->Name() : "-"};
      for (int i = 0; i < 4; ++i) {
        Kit.Press(VK_TAB);
        walked.push_back(form.ActiveControl() ? form.ActiveControl()->Name() : "-");
      }
      EXPECT_EQ(walked, (std::vector<std::string>{"PC_Options", "Btn_Next", "Btn_OK", "Btn_Cancel", "PC_Options"}));
    }, false);
  });
}

TEST_F(OptionsTest, CheckButtonShowsWhatTheServerAnswers) {
  Folder.Write("Tessaron.xml", SettingsXml("", "192.168.2.205", "English", "1", "1"));
  Run([&](TFTessaroneFirmWare& main) {
    Http->Replies = {"ver. 1.400", "VER. 1.300"};
    Options(main, [&](TFSoftOptions& form) {
      ShowPage(form, form.TS_Con_Options);
      EXPECT_FALSE(form.LL_Check_Update->Visible());
      Kit.Click(form.Btn_Check_Update);
      EXPECT_TRUE(form.LL_Check_Update->Visible());
      EXPECT_EQ(form.LL_Check_Update->DisplayText(), "New Version Available. Click Here for more Details");
      Kit.Click(form.LL_Check_Update, form.LL_Check_Update->LinkRect(0).Left + 2,
                form.LL_Check_Update->LinkRect(0).Top + 2);
      Kit.Click(form.Btn_Check_Update);
      EXPECT_EQ(form.LL_Check_Update->DisplayText(), "No Update Available");
    }, false);
    EXPECT_EQ(Http->Requests.size(), 2u);
  });
  EXPECT_EQ(Links, std::vector<std::string>{Download_Page_Url()});
}

TEST_F(OptionsTest, LanguagePagesHoldSixLanguagesEach) {
  for (const char* name : {"Deutsch", "English", "Espanol", "Francais", "Italiano", "Nederlands", "Portugues"})
    Folder.Write(std::string("LANGUAGE/") + name + ".lng", "STR0 = x\r\n");
  const std::string locked = Folder.Write("LANGUAGE/Locked.lng", "STR0 = x\r\n");
  ::chmod(locked.c_str(), 0444);
  std::filesystem::create_directories(Folder.File("LANGUAGE/Folder.lng"));
  // The loader would look for Svenska.lng and fall back to English: not offered.
  Folder.Write("LANGUAGE/Svenska.LNG", "STR0 = x\r\n");
  ShipLanguageFiles();  // English.bmp and DefaultFlag.bmp
  Folder.Write("LANGUAGE/Deutsch.bmp", "no picture at all");

  Run([&](TFTessaroneFirmWare& main) {
    Options(main, [&](TFSoftOptions& form) {
      EXPECT_EQ(form.PC_Options->ActivePage(), form.TS_Language);
      EXPECT_FALSE(form.TS_AdvanceFunctions->TabVisible()) << "the device command page stays out of reach";
      EXPECT_EQ(form.L_Sel_Lang->Caption(), "Selected Language : English");
      EXPECT_EQ(form.L_Page_Lang->Caption(), "Page 1 / 2");
      EXPECT_EQ(Slots(form),
                (std::vector<std::string>{"Deutsch", "English", "Espanol", "Francais", "Italiano", "Nederlands"}));
      EXPECT_FALSE(form.Btn_Prev->Visible());
      EXPECT_TRUE(form.Btn_Next->Visible());
      EXPECT_FALSE(form.I_L[0]->Visible()) << "a flag that is no picture leaves the name alone";
      for (int k = 1; k < 6; ++k) EXPECT_TRUE(form.I_L[k]->Visible()) << "slot " << k + 1;
      EXPECT_EQ(form.I_L[1]->Picture().Width(), 42);

      Kit.Click(form.Btn_Next);
      EXPECT_EQ(form.L_Page_Lang->Caption(), "Page 2 / 2");
      EXPECT_EQ(Slots(form), (std::vector<std::string>{"Portugues", "-", "-", "-", "-", "-"}));
      EXPECT_FALSE(form.I_L[1]->Visible());
      EXPECT_TRUE(form.Btn_Prev->Visible());
      EXPECT_FALSE(form.Btn_Next->Visible());

      // A language picked on page 2 leaves the page label on page 2.
      Kit.AnswerMessageBox(mrYes);
      Kit.Click(form.L_L[0]);
      EXPECT_EQ(form.L_Sel_Lang->Caption(), "Selected Language : Portugues");
      EXPECT_EQ(form.L_Page_Lang->Caption(), "Page 2 / 2");
      EXPECT_EQ(Slots(form), (std::vector<std::string>{"Portugues", "-", "-", "-", "-", "-"}));
      Kit.Click(form.Btn_Prev);
      EXPECT_EQ(form.L_Page_Lang->Caption(), "Page 1 / 2");
    }, false);
  });
}

TEST_F(OptionsTest, WithoutLanguageFilesEverySlotIsHidden) {
  Run([&](TFTessaroneFirmWare& main) {
    Options(main, [&](TFSoftOptions& form) {
      EXPECT_EQ(form.L_Page_Lang->Caption(), "Page 1 / 0");
      EXPECT_EQ(Slots(form), std::vector<std::string>(6, "-"));
      EXPECT_FALSE(form.Btn_Prev->Visible());
      EXPECT_TRUE(form.Btn_Next->Visible());
      Kit.Click(form.Btn_Next);
      EXPECT_EQ(form.Show_Page, 1);
    }, false);
  });
}

TEST_F(OptionsTest, ChosenLanguageRelabelsTheWindowsThatFollowIt) {
  ShipLanguageFiles();
  Folder.Write("LANGUAGE/Italiano.lng",
               "STR15 = Nuova Configurazione\r\nSTR100 = Crea Nuova Configurazione\r\n"
               "STR200 = Apri Configurazione\r\nSTR300 = Opzioni\r\nSTR302 = Lingua\r\n"
               "STR304 = Lingua Selezionata : \xC2\xB6\r\nSTR18 = Errore! Progetto non valido\r\n"
               "STR400 = Imposta Comunicazione\r\nSTR1700 = Aggiorna Firmware\r\n");
  std::vector<std::string> relabelled;
  Run([&](TFTessaroneFirmWare& main) {
    for (const char* name : {"TFReceiveNMEA", "TF_Sen_Info", "TFModbus_TCP_Master_Set_Access", "TFNodeGuard"})
      main.Table_Windows[name].Set_Lang = [&relabelled, name] { relabelled.push_back(name); };

    Kit.AnswerMessageBox(mrNo);
    Kit.AnswerMessageBox(mrYes);
    Options(main, [&](TFSoftOptions& form) {
      EXPECT_EQ(Slots(form), (std::vector<std::string>{"English", "Italiano", "-", "-", "-", "-"}));
      Kit.Click(form.L_L[1]);
      EXPECT_EQ(main.Btn_New->Caption(), "New Configuration") << "No leaves the language alone";
      Kit.Click(form.I_L[1]);
      EXPECT_EQ(form.Caption(), "Opzioni");
      EXPECT_EQ(form.TS_Language->Caption(), "Lingua");
      EXPECT_EQ(form.L_Sel_Lang->Caption(), "Lingua Selezionata : Italiano");
      EXPECT_EQ(form.L_Page_Lang->Caption(), "Page 1 / 1");
    }, false);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "Do you want to change the Language from English to Italiano?"));
    EXPECT_EQ(Kit.MessageBoxes()[0].Type, mtConfirmation);
    EXPECT_EQ(Kit.MessageBoxes()[0].Buttons, (std::vector<TMsgDlgBtn>{mbYes, mbNo}));

    EXPECT_EQ(main.Btn_New->Caption(), "Nuova Configurazione");
    EXPECT_EQ(main.Btn_Open->Caption(), "Open Configuration") << "a text the file does not name is English";
    EXPECT_EQ(main.FNew_Project->Caption(), "Crea Nuova Configurazione");
    EXPECT_EQ(main.FOpenConf->Caption(), "Apri Configurazione");
    EXPECT_EQ(main.FParGen->Caption(), "Imposta Comunicazione");
    EXPECT_EQ(main.FBootTCP->Caption(), "Aggiorna Firmware");
    EXPECT_EQ(relabelled, (std::vector<std::string>{"TFReceiveNMEA", "TF_Sen_Info"}));
    // Messages read their texts when shown.
    Kit.Click(main.Btn_CreateBin);
    EXPECT_EQ(BoxTexts(2), std::vector<std::string>{"Errore! Progetto non valido"});
    EXPECT_EQ(main.State().Current_Language, "English") << "the choice is kept only by OK";
  });
  EXPECT_EQ(SavedSettings()->Current_Language, "English");

  Kit.AnswerMessageBox(mrYes);
  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_EQ(main.Btn_New->Caption(), "New Configuration");
    Options(main, [&](TFSoftOptions& form) { Kit.Click(form.L_L[1]); }, true);
    EXPECT_EQ(main.State().Current_Language, "Italiano");
  });
  EXPECT_EQ(SavedSettings()->Current_Language, "Italiano");
  Run([&](TFTessaroneFirmWare& main) {
    EXPECT_EQ(main.Btn_New->Caption(), "Nuova Configurazione");
    EXPECT_EQ(main.FSoftOptions->Caption(), "Opzioni");
  });
}

}  // namespace
}  // namespace hd
