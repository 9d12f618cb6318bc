// The job file Ethernet_Update.xml that tells the external updater what to send to the device.
#pragma once

#include <string>

namespace hd {

class TXmlDocument;

constexpr const char* Update_Job_File_Name = "Ethernet_Update.xml";
constexpr const char* Updater_Program_Name = "Ethernet_Update.exe";

// The wizard's operation check boxes.
struct TUpdateOperations {
  bool Firmware = true;   // CB_Firmware
  bool Read_Firm = true;  // CB_Read_Firm
  bool Conf = true;       // CB_Conf
  bool Read_Conf = true;  // CB_Read_Conf
};

struct TUpdateJob {
  std::string Device_IP;       // the address boxes joined with "."
  std::string Master_Folder;   // firmware images
  std::string Project_Folder;  // the active configuration, with its bin folder of banks
  TUpdateOperations Operations;
};

// Clears doc and builds the job in it.
void Build_Update_Job(TXmlDocument& doc, const TUpdateJob& job);

// Writes the job file into appFolder, replacing an earlier one; answers its path.
std::string Compile_XML_Parameter(const std::string& appFolder, const TUpdateJob& job);

}  // namespace hd
