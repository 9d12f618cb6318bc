// The new and open configuration windows, through the main window's step 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/program_fixture.h"
#include "platform/files.h"

namespace hd {
namespace {

using testing_app::ProgramFixture;
using testing_app::SettingsXml;

namespace fs = std::filesystem;

class ConfigWindowsTest : public ProgramFixture {
 protected:
  // Types the name into the new window, confirms, and reports whether the window closed.
  bool TryNewName(TFTessaroneFirmWare& main, const std::string& name) {
    bool closed = false;
    ClickInto(main.Btn_New, [&](TCustomForm* f) {
      auto* form = dynamic_cast<TFNew_Project*>(f);
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(form->E_New_Proj->Text(), "") << "every showing starts with an empty name";
      Kit.Type(name);
      Kit.Click(form->Btn_OK);
      closed = form->ModalResult() == mrOk;
      if (!closed) Kit.Click(form->Btn_Cancel);
    });
    return closed;
  }

  // Runs the open window: `inside` acts on it, then OK or Cancel.
  void OpenWith(TFTessaroneFirmWare& main, const std::function<void(TFOpenConf&)>& inside, bool ok) {
    ClickInto(main.Btn_Open, [&](TCustomForm* f) {
      auto* form = dynamic_cast<TFOpenConf*>(f);
      ASSERT_NE(form, nullptr);
      inside(*form);
      Kit.Click(ok ? form->Btn_OK : form->Btn_Cancel);
    });
  }

  static std::vector<std::string> Items(TFOpenConf& form) {
    std::vector<std::string> items;
    for (int i = 0; i < form.ListBox1->Count(); ++i) items.push_back(form.ListBox1->Items()[i]);
    return items;
  }
};

TEST_F(ConfigWindowsTest, NewRefusesNamesInTheCheckedOrder) {
  fs::create_directories(Projects("Existing"));
  struct Case {
    const char* name;
    std::string typed;
    std::string message;
  } cases[] = {
      {"empty", "", "Error! Name Project is not valid"},
      {"one blank", " ", "Error! Name Project is not valid"},
      {"blanks only", "   ", "Error! Name Project is not valid"},
      {"existing configuration", "Existing", "Error! Name project is not valid because directory already exists"},
      {"path separator", "sub/dir", "Error! Name project is not valid"},
      {"other separator", "sub\\dir", "Error! Name project is not valid"},
      {"the parent folder", "..", "Error! Name project is not valid"},
      {"PROJECTS itself", ".", "Error! Name project is not valid"},
      {"leading into the parent", "../Escaped", "Error! Name project is not valid"},
  };
  Run([&](TFTessaroneFirmWare& main) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      const std::size_t before = Kit.MessageBoxes().size();
      EXPECT_FALSE(TryNewName(main, c.typed)) << "the window stays open for a correction";
      EXPECT_EQ(BoxTexts(before), std::vector<std::string>{c.message});
      EXPECT_EQ(main.State().Project_Folder, "");
    }
    // A blank typed before the name belongs to it; Enter confirms as OK does.
    ClickInto(main.Btn_New, [&](TCustomForm*) {
      Kit.Type(" Lead");
      Kit.Press(VK_RETURN);
    });
    EXPECT_EQ(main.State().Project_Name, " Lead");
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), " Lead");
    // So do blanks after it.
    EXPECT_TRUE(TryNewName(main, "Trail  "));
    EXPECT_EQ(main.State().Project_Name, "Trail  ");
  });
  EXPECT_FALSE(fs::exists(Folder.File("Escaped")));
  EXPECT_FALSE(fs::exists(Projects("sub")));
  std::vector<std::string> folders;
  for (const auto& e : fs::directory_iterator(Projects())) folders.push_back(e.path().filename().string());
  std::sort(folders.begin(), folders.end());
  EXPECT_EQ(folders, (std::vector<std::string>{" Lead", "Existing", "Trail  "}));
}

TEST_F(ConfigWindowsTest, OpenWithNothingToChooseChangesNothing) {
  Run([&](TFTessaroneFirmWare& main) {
    OpenWith(main, [&](TFOpenConf& form) { EXPECT_EQ(form.ListBox1->Count(), 0); }, true);
    EXPECT_EQ(main.State().Project_Folder, "") << "PROJECTS itself never becomes the configuration";
    EXPECT_EQ(main.L_Name_Conf->Caption(), "None Configuration Opened ");
    Kit.Click(main.Btn_CreateBin);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error! Project not Valid"});
  });
}

TEST_F(ConfigWindowsTest, OpenNeverReturnsToAChoiceThatIsNoLongerListed) {
  fs::create_directories(Projects("Alpha"));
  Run([&](TFTessaroneFirmWare& main) {
    // Alpha is chosen in the window, then the window is cancelled: Name_Conf remembers it.
    OpenWith(main, [&](TFOpenConf& form) { EXPECT_EQ(form.Name_Conf, "Alpha"); }, false);
    EXPECT_EQ(main.State().Project_Folder, "");
    fs::remove_all(Projects("Alpha"));
    OpenWith(main, [&](TFOpenConf& form) { EXPECT_EQ(form.ListBox1->ItemIndex(), -1); }, true);
    EXPECT_EQ(main.State().Project_Folder, "");
    EXPECT_EQ(main.State().Project_Name, "");
  });
}

TEST_F(ConfigWindowsTest, OpenListsTheConfigurationFoldersAndPreselectsTheActiveOne) {
  for (const char* name : {"Beta", "Alpha", "Gamma", "Alphabet"}) fs::create_directories(Projects(name));
  Folder.Write("PROJECTS/notes.txt", "a plain file is no configuration");
  Folder.Write("Tessaron.xml", SettingsXml("Alpha", "192.168.2.205", "English", "0", "0"));
  Run([&](TFTessaroneFirmWare& main) {
    ASSERT_EQ(main.State().Project_Folder, Projects("Alpha"));
    OpenWith(main, [&](TFOpenConf& form) {
      EXPECT_EQ(Items(form), (std::vector<std::string>{"Alpha", "Alphabet", "Beta", "Gamma"}));
      EXPECT_EQ(form.ListBox1->ItemIndex(), 0) << "the active configuration, not one that begins like it";
      EXPECT_EQ(form.ClientWidth(), 377);
      EXPECT_EQ(form.ClientHeight(), 351);
      EXPECT_EQ(form.Caption(), "Open Configuration");
      // Cancel after another entry was picked changes nothing.
      form.ListBox1->SetFocus();
      Kit.Press(VK_DOWN);
      EXPECT_EQ(form.Name_Conf, "Alphabet");
    }, false);
    EXPECT_EQ(main.State().Project_Folder, Projects("Alpha"));

    OpenWith(main, [&](TFOpenConf& form) {
      EXPECT_EQ(form.Name_Conf, "Alpha") << "preselection sets the chosen name";
      form.ListBox1->SetFocus();
      Kit.Press(VK_DOWN);
      Kit.Press(VK_DOWN);
    }, true);
    EXPECT_EQ(main.State().Project_Name, "Beta");
    EXPECT_EQ(main.State().Project_Folder, Projects("Beta"));
    EXPECT_EQ(main.State().Path_ParGen, Projects("Beta") + "/ParGen.xml");
    EXPECT_EQ(main.L_Name_Conf_L2->Caption(), "Beta");
  });
  EXPECT_EQ(SavedSettings()->Project_Name, "Beta");
}

TEST_F(ConfigWindowsTest, OpenStartsOnTheListAndTabReachesOkThenCancel) {
  fs::create_directories(Projects("Alpha"));
  fs::create_directories(Projects("Beta"));
  Run([&](TFTessaroneFirmWare& main) {
    OpenWith(main, [&](TFOpenConf& form) {
      EXPECT_EQ(form.ActiveControl(), form.ListBox1) << "the arrows choose at once";
      Kit.Press(VK_DOWN);
      EXPECT_EQ(form.Name_Conf, "Beta");
      std::vector<TWinControl*> walked;
      for (int i = 0; i < 3; ++i) {
        Kit.Press(VK_TAB);
        walked.push_back(form.ActiveControl());
      }
      EXPECT_EQ(walked, (std::vector<TWinControl*>{form.Btn_OK, form.Btn_Cancel, form.ListBox1}));
    }, true);
    EXPECT_EQ(main.State().Project_Name, "Beta");
  });
}

TEST_F(ConfigWindowsTest, OpenWithoutAnActiveConfigurationPreselectsTheFirst) {
  fs::create_directories(Projects("Only"));
  Run([&](TFTessaroneFirmWare& main) {
    OpenWith(main, [&](TFOpenConf& form) { EXPECT_EQ(form.ListBox1->ItemIndex(), 0); }, true);
    EXPECT_EQ(main.State().Project_Folder, Projects("Only"));
  });
}

}  // namespace
}  // namespace hd
