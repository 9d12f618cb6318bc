#include "app/app_state.h"

#include <optional>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/xml.h"

namespace hd {

namespace {

const char kSettingsFile[] = "Tessaron.xml";
const char kDefaultDeviceIP[] = "192.168.2.205";
const char kDefaultLanguage[] = "English";

void MakeFolder(const std::string& path) {
  if (!DirectoryExists(path)) ForceDirectories(path);
}

// root / group / name, when every step exists and the last one holds plain text.
std::optional<std::string> SettingText(const TXmlNode& root, const char* group, const char* name) {
  if (root.IsNull()) return std::nullopt;
  const TXmlNode g = root.FindNode(group);
  if (g.IsNull()) return std::nullopt;
  const TXmlNode v = g.FindNode(name);
  if (v.IsNull()) return std::nullopt;
  return v.TryText();
}

std::string SettingOr(const TXmlNode& root, const char* group, const char* name, const std::string& def) {
  return SettingText(root, group, name).value_or(def);
}

// Only "1" turns an option on; "true" and the like leave it off.
std::uint8_t SettingFlag(const TXmlNode& root, const char* name) {
  return SettingText(root, "lastinternet", name) == std::optional<std::string>("1") ? 1 : 0;
}

void AddSetting(TXmlNode& root, const char* group, const char* name, const std::string& text) {
  root.AddChild(group).AddChild(name).SetText(text);
}

// The settings file holds UTF-8 only, so a folder name that is not UTF-8 was saved as its
// Windows-1252 reading; the folder whose name reads so is the one meant.
std::string FolderNamed(const std::string& root, const std::string& name) {
  if (name.empty() || DirectoryExists(JoinPath(root, name))) return name;
  for (const std::string& folder : ListSubFolders(root))
    if (!IsValidUtf8(folder) && ValidUtf8(folder) == name) return folder;
  return name;
}

}  // namespace

void TAppState::Set_Folders(const std::string& appFolder) {
  App_Folder = ExcludeTrailingPathDelimiter(appFolder);
  Master_Folder = JoinPath(App_Folder, "MASTER");
  Projects_Root = JoinPath(App_Folder, "PROJECTS");
  Language_Folder = JoinPath(App_Folder, "LANGUAGE");
  MakeFolder(Master_Folder);
  MakeFolder(Projects_Root);
  MakeFolder(Language_Folder);
}

void TAppState::Set_Files() {
  Path_ParGen = JoinPath(Project_Folder, "ParGen.xml");
  Path_ModbusTCPM_SetAccess = JoinPath(Project_Folder, "ModbusTCPM_SetAccess.xml");
  Path_Receive_Frame = JoinPath(Project_Folder, "Receive_Frame.xml");
  Path_Receive_Info = JoinPath(Project_Folder, "Receive_Info.xml");
  Path_Send_Frame = JoinPath(Project_Folder, "Send_Frame.xml");
  Path_Send_Info = JoinPath(Project_Folder, "Send_Info.xml");
}

void TAppState::Read_Setting() {
  const std::string path = JoinPath(App_Folder, kSettingsFile);
  if (!FileExists(path)) {
    Project_Name.clear();
    Project_Folder.clear();
    Device_IP = kDefaultDeviceIP;
    Current_Language = kDefaultLanguage;
    Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = 0;
    return;
  }
  TXmlDocument doc;
  try {
    doc.LoadFromFile(path);
  } catch (const Exception&) {
    // A damaged file must not stop start-up; the empty document gives every default and the
    // next save replaces the file.
    doc.Clear();
  }
  // The first node, whatever it is: a file that opens with a declaration or a comment reads
  // as all defaults, as the files already in the field always have.
  const TXmlNode root = doc.FirstChild();
  Project_Name = FolderNamed(Projects_Root, SettingOr(root, "lastproj", "projectname", ""));
  Device_IP = SettingOr(root, "lastipadd", "ipaddress", kDefaultDeviceIP);
  Current_Language = SettingOr(root, "lastlang", "language", kDefaultLanguage);
  Opt_Enable_Internet = SettingFlag(root, "enable_internet");
  Opt_Enable_Update = SettingFlag(root, "enable_update");
  Opt_Jump_Field_Tables = SettingFlag(root, "enable_jump_field_tables");
  Opt_Double_Click_Auto_Size = SettingFlag(root, "Double_Click_Auto_Size");
}

void TAppState::Save_Setting() const {
  TXmlDocument doc;
  doc.SetActive(true);
  TXmlNode root = doc.AddChild("Conf_Settings");
  AddSetting(root, "lastproj", "projectname", Project_Name);
  AddSetting(root, "lastipadd", "ipaddress", Device_IP);
  AddSetting(root, "lastlang", "language", Current_Language);
  TXmlNode options = root.AddChild("lastinternet");
  options.AddChild("enable_internet").SetText(Opt_Enable_Internet != 0 ? "1" : "0");
  options.AddChild("enable_update").SetText(Opt_Enable_Update != 0 ? "1" : "0");
  options.AddChild("enable_jump_field_tables").SetText(Opt_Jump_Field_Tables != 0 ? "1" : "0");
  options.AddChild("Double_Click_Auto_Size").SetText(Opt_Double_Click_Auto_Size != 0 ? "1" : "0");
  doc.SaveToFile(JoinPath(App_Folder, kSettingsFile));
}

}  // namespace hd
