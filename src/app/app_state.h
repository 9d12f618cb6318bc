// The configurator's shared state: texts, active configuration, folders, settings and
// table-file paths. The main window owns the one instance for the whole run and hands it to
// every window it creates; only the GUI thread touches it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/string_list.h"

namespace hd {

// A language's file is its name followed by this, letter for letter: the loader opens exactly
// that name, so the options window offers only files that end so.
inline constexpr char Language_File_Ext[] = ".lng";

struct TAppState {
  TAppState() = default;
  TAppState(const TAppState&) = delete;
  TAppState& operator=(const TAppState&) = delete;

  // Windows and message boxes read their texts by number from here.
  TStringList Lang_Table;
  // 0 until the built-in texts are loaded; a language file names texts below it.
  std::int32_t Lang_Table_Size = 0;

  // Name of the active configuration's folder under Projects_Root, kept in the settings.
  std::string Project_Name;
  // Empty while no configuration is active; the steps refuse to open then.
  std::string Project_Folder;
  std::string Projects_Root;
  std::string App_Folder;  // the program's folder, without a trailing separator
  std::string Master_Folder;
  std::string Language_Folder;
  std::string Main_Title;
  std::string SW_Code;
  std::string SW_Description;
  std::string Device_IP;
  std::string Current_Language;  // a language file's name without ".lng"

  // 0 or 1 each.
  std::uint8_t Opt_Enable_Internet = 0;
  std::uint8_t Opt_Enable_Update = 0;
  std::uint8_t Opt_Jump_Field_Tables = 0;
  std::uint8_t Opt_Double_Click_Auto_Size = 0;

  // Table files of the active configuration; those this product has no window for stay empty.
  std::string Path_ParGen;
  std::string Path_SetAccess;
  std::string Path_Receive_NMEA;
  std::string Path_Transmit_NMEA;
  std::string Path_SDO_Server;
  std::string Path_SDO_Client;
  std::string Path_PDO;
  std::string Path_NodeGuard;
  std::string Path_ReStart_Devices;
  std::string Path_ModbusTCPM_SetAccess;
  std::string Path_DMX_Def_Val;
  std::string Path_Receive_J1939;
  std::string Path_Transmit_J1939;
  std::string Path_Receive_Frame;
  std::string Path_Receive_Info;
  std::string Path_Send_Frame;
  std::string Path_Send_Info;

  // The last table row copied, one text per data column from column 1 on.
  TStringList Row_Clipboard;

  static inline const std::string SW_Code_Const = "SW58318";
  static inline const std::string SW_Description_Const = "EtherNet/IP / Modbus TCP Master - Converter";
  // What the version check sends.
  static inline const std::string SW_Code_Web = "SW58318";

  // Sets App_Folder (the program passes ExeFolder()) and the folders beside the program,
  // creating MASTER, PROJECTS and LANGUAGE when missing; a folder that cannot be made is not
  // reported.
  void Set_Folders(const std::string& appFolder);
  // Rebuilds the table-file paths from Project_Folder. With no active configuration the paths
  // still get a value, which no step uses because the steps are refused.
  void Set_Files();

  // Reads Tessaron.xml from App_Folder; each value missing there, or not plain text, takes its
  // default while the others are still read. A missing or unparsable file gives all defaults.
  void Read_Setting();
  // Rewrites Tessaron.xml whole. A failed write raises EFCreateError naming the file and the
  // reason, and leaves the previous file as it was.
  void Save_Setting() const;

  // The built-in English texts, 2500 of them.
  void Load_Default_Texts();
  // Lays the texts of one language file over the table; raises EFOpenError when the file
  // cannot be read.
  void Load_Lng_File(const std::string& fileName);
  // Built-in English, then Current_Language's file from Language_Folder; without that file the
  // language becomes "English" and English.lng is laid over when present.
  void Load_Language();
};

}  // namespace hd
