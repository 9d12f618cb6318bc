#include "app/app_state.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "testkit/temp_folder.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/xml.h"

namespace hd {
namespace {

using testkit::TempFolder;

// Element names with their plain texts, nesting in brackets; anything else shows as "?".
std::string Outline(const TXmlNode& node) {
  if (node.NodeType() != ntElement) return "?";
  std::string s = node.NodeName();
  if (!node.Attributes().empty()) s += "[attributes]";
  if (node.ChildElements().empty()) return s + "=\"" + node.TryText().value_or("?") + "\"";
  s += "(";
  const auto children = node.ChildNodes();
  for (std::size_t i = 0; i < children.size(); ++i) s += (i ? " " : "") + Outline(children[i]);
  return s + ")";
}

std::string FileOutline(const std::string& path) {
  TXmlDocument doc;
  doc.LoadFromFile(path);
  std::string s;
  for (const TXmlNode& n : doc.ChildNodes()) s += Outline(n);
  return s;
}

struct TSettings {
  std::string Project_Name;
  std::string Device_IP;
  std::string Current_Language;
  int Internet, Update, Jump, AutoSize;
  friend bool operator==(const TSettings&, const TSettings&) = default;
  friend void PrintTo(const TSettings& s, std::ostream* os) {
    *os << "{\"" << s.Project_Name << "\", \"" << s.Device_IP << "\", \"" << s.Current_Language << "\", "
        << s.Internet << s.Update << s.Jump << s.AutoSize << "}";
  }
};

TSettings SettingsOf(const TAppState& state) {
  return {state.Project_Name, state.Device_IP, state.Current_Language, state.Opt_Enable_Internet,
          state.Opt_Enable_Update, state.Opt_Jump_Field_Tables, state.Opt_Double_Click_Auto_Size};
}

const TSettings kDefaults = {"", "192.168.2.205", "English", 0, 0, 0, 0};

std::string DefaultOutline() {
  return "Conf_Settings(lastproj(projectname=\"\") lastipadd(ipaddress=\"192.168.2.205\") "
         "lastlang(language=\"English\") lastinternet(enable_internet=\"0\" enable_update=\"0\" "
         "enable_jump_field_tables=\"0\" Double_Click_Auto_Size=\"0\"))";
}

const char kFullFile[] =
    "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
    "<lastlang><language>Italiano</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

// Leftovers that a read must overwrite.
void Dirty(TAppState& state) {
  state.Project_Name = "old";
  state.Project_Folder = "/old/folder";
  state.Device_IP = "old";
  state.Current_Language = "old";
  state.Opt_Enable_Internet = state.Opt_Enable_Update = 1;
  state.Opt_Jump_Field_Tables = state.Opt_Double_Click_Auto_Size = 1;
}

TEST(AppState, SetFoldersCreatesTheProgramFolders) {
  TempFolder folder;
  TAppState state;
  state.Set_Folders(folder.Path() + "/");
  EXPECT_EQ(state.App_Folder, folder.Path());
  EXPECT_EQ(state.Master_Folder, folder.File("MASTER"));
  EXPECT_EQ(state.Projects_Root, folder.File("PROJECTS"));
  EXPECT_EQ(state.Language_Folder, folder.File("LANGUAGE"));
  for (const char* name : {"MASTER", "PROJECTS", "LANGUAGE"})
    EXPECT_TRUE(std::filesystem::is_directory(folder.File(name))) << name;
  // An existing folder and its contents are left alone.
  folder.Write("LANGUAGE/Italiano.lng", "STR1 = x");
  state.Set_Folders(folder.Path());
  EXPECT_EQ(folder.Read("LANGUAGE/Italiano.lng"), "STR1 = x");
}

std::vector<std::string> Paths(const TAppState& s) {
  return {s.Path_ParGen, s.Path_SetAccess, s.Path_Receive_NMEA, s.Path_Transmit_NMEA, s.Path_SDO_Server,
          s.Path_SDO_Client, s.Path_PDO, s.Path_NodeGuard, s.Path_ReStart_Devices, s.Path_ModbusTCPM_SetAccess,
          s.Path_DMX_Def_Val, s.Path_Receive_J1939, s.Path_Transmit_J1939, s.Path_Receive_Frame,
          s.Path_Receive_Info, s.Path_Send_Frame, s.Path_Send_Info};
}

TEST(AppState, SetFilesFillsSixPathsFromTheProjectFolder) {
  struct Case {
    const char* name;
    std::string folder;
    std::string prefix;
  } cases[] = {
      {"active configuration", "/p/PROJECTS/Plant", "/p/PROJECTS/Plant/"},
      {"folder ending in a separator", "/p/PROJECTS/", "/p/PROJECTS/"},
      {"no active configuration", "", "/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAppState state;
    state.Project_Folder = c.folder;
    state.Set_Files();
    const std::string& p = c.prefix;
    EXPECT_EQ(Paths(state), (std::vector<std::string>{p + "ParGen.xml", "", "", "", "", "", "", "", "",
                                                      p + "ModbusTCPM_SetAccess.xml", "", "", "",
                                                      p + "Receive_Frame.xml", p + "Receive_Info.xml",
                                                      p + "Send_Frame.xml", p + "Send_Info.xml"}));
  }
}

TEST(Settings, NoFileGivesDefaultsAndTheSaveHoldsThemInOrder) {
  TempFolder folder;
  TAppState state;
  state.Set_Folders(folder.Path());
  Dirty(state);
  state.Read_Setting();
  EXPECT_EQ(SettingsOf(state), kDefaults);
  EXPECT_EQ(state.Project_Folder, "");

  state.Save_Setting();
  const std::string bytes = folder.Read("Tessaron.xml");
  EXPECT_TRUE(bytes.starts_with("<Conf_Settings")) << bytes;
  EXPECT_EQ(FileOutline(folder.File("Tessaron.xml")), DefaultOutline());
}

TEST(Settings, EachValueFallsBackToItsOwnDefault) {
  const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  struct Case {
    const char* name;
    std::string file;
    TSettings expected;
  } cases[] = {
      {"every value", kFullFile, {"Plant", "10.0.0.7", "Italiano", 1, 0, 1, 1}},
      {"only lastlang", "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
       {"", "192.168.2.205", "Deutsch", 0, 0, 0, 0}},
      {"true and 01 are not 1",
       "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update>1</enable_update>"
       "<enable_jump_field_tables>01</enable_jump_field_tables></lastinternet></Conf_Settings>",
       {"", "192.168.2.205", "English", 0, 1, 0, 0}},
      {"empty address element gives an empty address",
       "<Conf_Settings><lastipadd><ipaddress/></lastipadd></Conf_Settings>", {"", "", "English", 0, 0, 0, 0}},
      {"values that are not plain text",
       "<Conf_Settings><lastproj><projectname><x>Plant</x></projectname></lastproj>"
       "<lastipadd><ipaddress>10.0.0.7<y/></ipaddress></lastipadd>"
       "<lastlang><language>Italiano</language></lastlang></Conf_Settings>",
       {"", "192.168.2.205", "Italiano", 0, 0, 0, 0}},
      {"names match exactly",
       "<Conf_Settings><LastLang><language>Italiano</language></LastLang>"
       "<lastinternet><Enable_Internet>1</Enable_Internet><double_click_auto_size>1</double_click_auto_size>"
       "</lastinternet></Conf_Settings>",
       kDefaults},
      {"any order, any root name",
       "<Other><lastlang><language>Italiano</language></lastlang><lastproj><projectname>Plant</projectname>"
       "</lastproj></Other>",
       {"Plant", "192.168.2.205", "Italiano", 0, 0, 0, 0}},
      {"declaration first", decl + kFullFile, kDefaults},
      {"comment first", std::string("<!-- settings -->") + kFullFile, kDefaults},
      {"not XML at all", "<Conf_Settings><lastproj>", kDefaults},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    folder.Write("Tessaron.xml", c.file);
    TAppState state;
    state.Set_Folders(folder.Path());
    Dirty(state);
    state.Read_Setting();
    EXPECT_EQ(SettingsOf(state), c.expected);
    EXPECT_EQ(state.Project_Folder, "/old/folder");  // derived by the caller, not read
  }
}

TEST(Settings, SaveWritesTheWholeFileAnewAndReadsBack) {
  TempFolder folder;
  TAppState state;
  state.Set_Folders(folder.Path());
  folder.Write("Tessaron.xml", kFullFile);
  state.Project_Name = "Plant <A> & \"B\"";
  state.Device_IP = "";
  state.Current_Language = "Italiano";
  state.Opt_Enable_Internet = 0;
  state.Opt_Enable_Update = 2;  // anything but 0 is on
  state.Opt_Jump_Field_Tables = 0;
  state.Opt_Double_Click_Auto_Size = 1;
  state.Save_Setting();
  state.Project_Name = "Second";
  state.Save_Setting();

  EXPECT_EQ(FileOutline(folder.File("Tessaron.xml")),
            "Conf_Settings(lastproj(projectname=\"Second\") lastipadd(ipaddress=\"\") "
            "lastlang(language=\"Italiano\") lastinternet(enable_internet=\"0\" enable_update=\"1\" "
            "enable_jump_field_tables=\"0\" Double_Click_Auto_Size=\"1\"))");
  state.Project_Name = "Plant <A> & \"B\"";
  state.Save_Setting();
  TAppState reread;
  reread.Set_Folders(folder.Path());
  reread.Read_Setting();
  EXPECT_EQ(SettingsOf(reread), (TSettings{"Plant <A> & \"B\"", "", "Italiano", 0, 1, 0, 1}));
}

// Blanks came back empty and a CR as LF; a folder name that was not UTF-8 made the next
// start decode the whole file as Windows-1252, so the language name changed too.
TEST(Settings, ValuesReadBackAsSavedEvenBlanksCRAndNamesThatAreNotUTF8) {
  struct Case {
    const char* name;
    std::string project;
    std::string device;
    std::string projectBack;
    bool folder = false;  // the configuration's folder exists
  } cases[] = {
      {"blanks and a tab", "  ", "\t", "  "},
      {"CR inside", "Line\rTwo", "10.0.0.1\r\n", "Line\rTwo"},
      {"a name that is not UTF-8, without its folder", "Caf\xE9", "10.0.0.2", "Caf\xC3\xA9"},
      // The configuration was not reopened at start: the name came back converted.
      {"a name that is not UTF-8 reads back as its folder's bytes", "Caf\xE9", "10.0.0.2", "Caf\xE9", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    TAppState state;
    state.Set_Folders(folder.Path());
    if (c.folder) ForceDirectories(JoinPath(state.Projects_Root, c.project));
    state.Project_Name = c.project;
    state.Device_IP = c.device;
    state.Current_Language = "Fran\xC3\xA7" "ais";
    state.Save_Setting();
    TAppState back;
    back.Set_Folders(folder.Path());
    back.Read_Setting();
    EXPECT_EQ(SettingsOf(back), (TSettings{c.projectBack, c.device, "Fran\xC3\xA7" "ais", 0, 0, 0, 0}));
  }
}

// Lowers the file-size limit so that any write of more than a few bytes fails.
class TinyFileSizeLimit {
 public:
  TinyFileSizeLimit() {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old_;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
  }
  ~TinyFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

TEST(Settings, FailedSaveReportsAndLeavesThePreviousFileWhole) {
  TempFolder folder;
  folder.Write("Tessaron.xml", kFullFile);
  TAppState state;
  state.Set_Folders(folder.Path());
  state.Read_Setting();
  state.Project_Name = "A much longer configuration name than the file had";
  {
    TinyFileSizeLimit limit;
    EXPECT_THROW(state.Save_Setting(), EFCreateError);
  }
  EXPECT_EQ(folder.Read("Tessaron.xml"), kFullFile);
}

TEST(Settings, SaveIntoAMissingFolderReports) {
  TempFolder folder;
  TAppState state;
  state.App_Folder = folder.File("missing");
  EXPECT_THROW(state.Save_Setting(), EFCreateError);
}

}  // namespace
}  // namespace hd
