#include "app/gsd_writer.h"

#include <optional>

#include "app/file_writer_ui.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"
#include "platform/xml.h"

namespace hd {

namespace {

using TLines = std::vector<std::string>;

constexpr int Module_Bytes = 64;
constexpr int Banner_Width = 85;

std::string Dec(int value) { return IntToStr(value); }
std::string Hex2(int value) { return IntToHex(value, 2); }

void Add(TLines& out, std::initializer_list<const char*> lines) {
  for (const char* line : lines) out.push_back(line);
}

void Blanks(TLines& out, int count) { out.insert(out.end(), count, std::string()); }

// A banner line closed by "*" in the last column.
std::string Framed(const std::string& start) {
  return start + std::string(Banner_Width - 1 - static_cast<int>(start.size()), ' ') + "*";
}

std::string VendorLine(const std::string& text) { return Framed(";*" + std::string(11, ' ') + text); }

void Banner(TLines& out) {
  const std::string rule = ";* " + std::string(80, '=') + " *";
  const std::string empty = Framed(";*");
  out.push_back(";");
  out.push_back(";******************** EtherNet/IP / PROFIBUS Slave - Converter **********************");
  out.insert(out.end(), {rule, empty});
  out.push_back(Framed(";* Vendor:   Kastir"));
  for (const char* line : {"Street 1", "00000 Town", "Province - Country", "Tel. : +00 000 000000",
                           "FAX. : +00 000 000001", "eMail: info@kastir.example"})
    out.push_back(VendorLine(line));
  out.insert(out.end(), {empty, rule, empty});
  out.push_back(Framed(";* Function:       EtherNet/IP / PROFIBUS Slave - Converter"));
  out.insert(out.end(), {empty, empty});
  out.push_back(Framed(";* Order Number : HD58296-A1"));
  out.insert(out.end(), {empty, empty});
  out.push_back(";" + std::string(84, '*'));
}

void Header(TLines& out, const std::string& title, int width) {
  std::string rule(1, ';');
  rule.append(static_cast<std::size_t>(width - 1), '=');
  const std::string middle = ";==== " + title + " ";
  out.push_back(rule);
  out.push_back(middle + std::string(width - static_cast<int>(middle.size()), '='));
  out.push_back(rule);
}

void PrmTexts(TLines& out) {
  Header(out, "Prm-Text-Def-List", 85);
  Add(out, {"", "PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText", "", "PrmText  = 2",
            "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText", "", "PrmText  = 3",
            "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"", "Text(4)  = \"40\"", "Text(5)  = \"50\"",
            "EndPrmText", "", ""});
}

void ExtUserPrmData(TLines& out) {
  Header(out, "Ext-User-Prm-Data-Def-List", 86);
  out.push_back("");
  const std::initializer_list<const char*> blocks[] = {
      {"ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32"},
      {"ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1"},
      {"ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1"},
      {"ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2"},
      {"ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3"},
      {"ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535"},
      {"ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535"},
  };
  for (const auto& block : blocks) {
    Add(out, block);
    Add(out, {"EndExtUserPrmData", ""});
  }
  out.push_back("");
}

void GeneralKeywords(TLines& out) {
  Header(out, "General DP Keywords", 86);
  Add(out, {"", "GSD_Revision = 5", "Vendor_Name = \"Kastir\"", "Model_Name = \"HD58296\"", "Revision = \"1.00\"",
            "Ident_Number = 0xAFEF", "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0",
            "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0",
            "Repeater_Ctrl_Sig = 2", "24V_Pins = 0", "", ""});
}

void Baudrates(TLines& out) {
  Header(out, "Supported baudrates", 79);
  Add(out, {"", "9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1",
            "500_supp = 1", "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1", "", "MaxTsdr_9.6=15",
            "MaxTsdr_19.2=15", "MaxTsdr_45.45=15", "MaxTsdr_93.75=15", "MaxTsdr_187.5=15", "MaxTsdr_500=15",
            "MaxTsdr_1.5M=20", "MaxTsdr_3M=35", "MaxTsdr_6M=50", "MaxTsdr_12M=95", "", ""});
}

int ModuleCount(int bytes) { return bytes > 0 ? (bytes + Module_Bytes - 1) / Module_Bytes : 0; }

void SlaveValues(TLines& out, int In, int Out) {
  Header(out, "Slave specific values", 79);
  Add(out, {"", "OrderNumber=\"HD58296\"", "Slave_Family = 9@Kastir@HD58296", "Implementation_Type = \"VPC3+\"",
            "Info_Text=\"Kastir: EtherNet/IP / PROFIBUS Slave - Converter\"", "Bitmap_Device = \"DPV0_1N\"",
            "Bitmap_SF=\"DPV0_1S\"", "", "Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1",
            "Auto_Baud_supp=1", "Set_Slave_Add_supp=0", "", "Min_Slave_Intervall=6", "", "Modular_Station=1"});
  out.push_back("Max_Module=" + Dec(ModuleCount(In) + ModuleCount(Out)));
  out.push_back("Modul_Offset=1");
  out.push_back("Max_Input_Len=" + Dec(In));
  out.push_back("Max_Output_Len=" + Dec(Out));
  out.push_back("Max_Data_Len=" + Dec(In + Out));
  Add(out, {"Max_Diag_Data_Len=15", "", "WD_Base_1ms_supp = 1", "Publisher_supp = 1", ""});
}

void UserPrmAndStatus(TLines& out) {
  Header(out, "User-Prm-Data", 79);
  Add(out, {"", "Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00", ""});
  Header(out, "Modulstatus", 79);
  Add(out, {"", "Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"", "Value(2)= \"Slot 1: Wrong module\"",
            "Value(3)= \"Slot 1: No module\"", "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27",
            "Value(1)= \"Slot 2: Module error\"", "Value(2)= \"Slot 2: Wrong module\"",
            "Value(3)= \"Slot 2: No module\"", "Unit_Diag_Area_End", "", ""});
}

// Modules of one direction: full ones of 64 bytes, the last with what is left.
void Modules(TLines& out, int bytes, const std::string& kind, const std::string& code, int& m) {
  if (bytes <= 0) return;
  for (int left = bytes; left > 0; left -= Module_Bytes) {
    const int size = left > Module_Bytes ? Module_Bytes : left;
    out.push_back("Module=\"" + kind + "  (PORT" + Dec(m) + ")    \" " + code + ",0x" + Hex2(size - 1) + ",0x00,0x" +
                  Hex2(m));
    out.push_back(Dec(m));
    out.push_back("EndModule");
    ++m;
  }
}

// Input and output sizes of ParGen.xml; a missing or non-numeric value is 0.
int ParGenSize(const TXmlNode& root, const std::string& name) {
  const TXmlNode node = root ? root.FindNode(name) : TXmlNode();
  const std::optional<std::string> text = node ? node.TryText() : std::nullopt;
  return text ? StrToIntDef(*text, 0) : 0;
}

}  // namespace

std::vector<std::string> Build_GSD_Lines(int In, int Out) {
  TLines out;
  Banner(out);
  Blanks(out, 2);
  out.push_back("#Profibus_DP");
  Blanks(out, 2);
  PrmTexts(out);
  ExtUserPrmData(out);
  GeneralKeywords(out);
  Baudrates(out);
  SlaveValues(out, In, Out);
  UserPrmAndStatus(out);
  Header(out, "Module-Definition-List", 79);
  out.push_back("");
  int m = 1;
  Modules(out, In, "DI", "0x42", m);
  Modules(out, Out, "DO", "0x82", m);
  Blanks(out, 3);
  out.push_back("SlotDefinition");
  for (int s = 1; s < m; ++s) out.push_back("Slot(" + Dec(s) + ") = \"Slot " + Dec(s) + "\" " + Dec(s) + " " + Dec(s));
  out.push_back("EndSlotDefinition");
  Blanks(out, 4);
  return out;
}

void Create_GSD_File(const std::string& fileName, int In, int Out) {
  WriteTextLines(fileName, Build_GSD_Lines(In, Out), "\r\n", TTextEncoding::Windows1252);
}

std::string GSD_File_Name(const std::string& chosen) {
  const std::string lower = LowerCase(chosen);
  const std::string::size_type at = lower.find(".gsd");
  if (at != std::string::npos && at + 4 == lower.size()) return chosen;
  return chosen + ".gsd";
}

void Save_GSD_File(IFileWriterUi& ui, const std::string& pathParGen, const std::string& projectFolder) {
  if (!FileExists(pathParGen)) {
    ui.ShowError(Gsd_Missing_ParGen_Message);
    return;
  }
  int In = 0;
  int Out = 0;
  {
    TXmlDocument doc;
    doc.LoadFromFile(pathParGen);
    const TXmlNode root = doc.FirstChild();
    In = ParGenSize(root, "EtherNetIP_NB_Input");
    Out = ParGenSize(root, "EtherNetIP_NB_Output");
  }
  const std::optional<std::string> chosen =
      ui.AskSaveFileName({projectFolder, "Generic Station Description (*.gsd)|*.gsd", ""});
  if (!chosen) return;
  const std::string name = GSD_File_Name(*chosen);
  if (FileExists(name) && !ui.AskYesNo(Gsd_Overwrite_Question)) return;
  Create_GSD_File(name, In, Out);
}

}  // namespace hd
