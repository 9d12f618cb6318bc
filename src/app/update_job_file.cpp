#include "app/update_job_file.h"

#include "platform/files.h"
#include "platform/xml.h"

namespace hd {

namespace {

// The two processors each get their own protection code: the main one 0xF2, the K64 0x4B2.
constexpr const char* Main_Protection = "0xF2";
constexpr const char* K64_Protection = "0x4B2";

// What differs between the operations; the rest of an operation is the same for all.
struct TOperationRow {
  const char* Protection;
  std::string FileName;
  const char* Start_Address;
  const char* Bank_Type;
  bool Read_Back;
  const char* Write_CSS;
  const char* Address_CSS;
  const char* Command_CSS;
  const char* WID_Address;
  bool GoToApp_After;
};

void AddText(TXmlNode parent, const std::string& name, const std::string& text) {
  parent.AddChild(name).SetText(text);
}

void AddOperation(TXmlNode operations, const TOperationRow& row) {
  TXmlNode op = operations.AddChild("Operation");
  AddText(op, "Ope_Protection_Enabled", row.Protection);
  AddText(op, "Ope_GoToBoot_Before", "0");
  AddText(op, "Ope_GoToApp_Before", "0");
  AddText(op, "Ope_IP_Address", "");
  AddText(op, "Ope_Port", "2008");
  AddText(op, "Ope_Port_Sec", "2007");
  AddText(op, "Ope_Erase_Memory", "0");
  AddText(op, "Ope_FileName", row.FileName);
  AddText(op, "Ope_Start_Address", row.Start_Address);
  AddText(op, "Ope_Memory_Type", "0");
  AddText(op, "Ope_Bank_Type", row.Bank_Type);
  AddText(op, "Ope_Read_Back", row.Read_Back ? "1" : "0");
  AddText(op, "Ope_Write_CSS", row.Write_CSS);
  AddText(op, "Ope_Address_CSS", row.Address_CSS);
  AddText(op, "Ope_Command_CSS", row.Command_CSS);
  AddText(op, "Ope_Write_Internal_Data", "0");
  AddText(op, "Ope_WID_Address", row.WID_Address);
  AddText(op, "Ope_WID_Command", "0x0B");
  AddText(op, "Ope_WID_Data", "");
  AddText(op, "Ope_GoToApp_After", row.GoToApp_After ? "1" : "0");
}

std::string InFolder(const std::string& folder, const std::string& name) {
  return folder + PathDelim + name;
}

void AddFirmwareOperations(TXmlNode operations, const TUpdateJob& job) {
  const bool readBack = job.Operations.Read_Firm;
  // The device returns to its application after the firmware only when no configuration follows.
  const bool goToApp = !job.Operations.Conf;
  AddOperation(operations, {Main_Protection, InFolder(job.Master_Folder, "Sim58318.sim"), "0x8000", "1", readBack,
                            "1", "0x78100", "0x0B", "0x78200", goToApp});
  AddOperation(operations, {K64_Protection, InFolder(job.Master_Folder, "Sim58318_K64.sim"), "0x8000", "1",
                            readBack, "1", "0x7A00", "0x02", "0x78300", goToApp});
}

void AddConfigurationOperations(TXmlNode operations, const TUpdateJob& job) {
  const bool readBack = job.Operations.Read_Conf;
  const std::string bin = InFolder(job.Project_Folder, "bin");
  AddOperation(operations, {Main_Protection, InFolder(bin, "bank1.bin"), "0x68000", "2", readBack, "0", "0x50100",
                            "0x0B", "0x78200", false});
  AddOperation(operations, {K64_Protection, InFolder(bin, "bank_K64_1.bin"), "0x07000", "2", readBack, "0",
                            "0x50100", "0x0B", "0x78300", false});
  // bank2 goes to both processors, at the addresses bank1 and bank_K64_1 name for it.
  AddOperation(operations, {Main_Protection, InFolder(bin, "bank2.bin"), "0x58000", "2", readBack, "0", "0x50100",
                            "0x0B", "0x78200", true});
  AddOperation(operations, {K64_Protection, InFolder(bin, "bank2.bin"), "0x80000", "2", readBack, "0", "0x50100",
                            "0x0B", "0x78300", true});
}

}  // namespace

void Build_Update_Job(TXmlDocument& doc, const TUpdateJob& job) {
  doc.SetActive(true);
  doc.Clear();
  TXmlNode root = doc.AddChild("Ethernet_Update");
  AddText(root, "Version", "1000");
  AddText(root, "Title", "Kastir - SW58318 Ethernet Update");
  AddText(root, "IP_Address_Dev", job.Device_IP);
  AddText(root, "Application_Port", "10000");
  AddText(root, "Boot_Port", "2008");
  AddText(root, "Boot_Port_Sec", "2007");
  AddText(root, "Address_Protection", "0x78000");
  AddText(root, "Address_Protection_Sec", "0x07800");
  TXmlNode protections = root.AddChild("Protections");
  AddText(protections, "Protection", Main_Protection);
  AddText(protections, "Protection", K64_Protection);
  TXmlNode operations = root.AddChild("Operations");
  if (job.Operations.Firmware) AddFirmwareOperations(operations, job);
  if (job.Operations.Conf) AddConfigurationOperations(operations, job);
}

std::string Compile_XML_Parameter(const std::string& appFolder, const TUpdateJob& job) {
  TXmlDocument doc;
  Build_Update_Job(doc, job);
  const std::string path = InFolder(appFolder, Update_Job_File_Name);
  doc.SaveToFile(path);
  return path;
}

}  // namespace hd
