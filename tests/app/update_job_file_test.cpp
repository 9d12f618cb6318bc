#include "app/update_job_file.h"

#include <gtest/gtest.h>

#include "testkit/temp_folder.h"
#include "platform/xml.h"

namespace hd {
namespace {

using testkit::TempFolder;

// The document as indented elements, so two documents compare as text whatever the indentation
// of the saved file.
void Dump(const TXmlNode& node, int depth, std::string& out) {
  const std::string pad(depth * 2, ' ');
  if (node.NodeType() != ntElement) {
    out += pad + "<!-- node of kind " + std::to_string(node.NodeType()) + ": " + node.NodeValue() + " -->\n";
    return;
  }
  std::string open = "<" + node.NodeName();
  for (const auto& [name, value] : node.Attributes()) open += " " + name + "=\"" + value + "\"";
  open += ">";
  if (node.IsTextElement()) {
    out += pad + open + node.Text() + "</" + node.NodeName() + ">\n";
    return;
  }
  out += pad + open + "\n";
  for (const TXmlNode& child : node.ChildNodes()) Dump(child, depth + 1, out);
  out += pad + "</" + node.NodeName() + ">\n";
}

std::string DumpFile(const std::string& path) {
  TXmlDocument doc;
  doc.LoadFromFile(path);
  std::string out;
  for (const TXmlNode& node : doc.ChildNodes()) Dump(node, 0, out);
  return out;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

const char* const Head = R"(<Ethernet_Update>
  <Version>1000</Version>
  <Title>Kastir - SW58318 Ethernet Update</Title>
  <IP_Address_Dev>10.0.0.7</IP_Address_Dev>
  <Application_Port>10000</Application_Port>
  <Boot_Port>2008</Boot_Port>
  <Boot_Port_Sec>2007</Boot_Port_Sec>
  <Address_Protection>0x78000</Address_Protection>
  <Address_Protection_Sec>0x07800</Address_Protection_Sec>
  <Protections>
    <Protection>0xF2</Protection>
    <Protection>0x4B2</Protection>
  </Protections>
)";

// The firmware operations; {RB} is the read-back flag, {GA} the return to the application.
const char* const FirmwareOperations = R"(    <Operation>
      <Ope_Protection_Enabled>0xF2</Ope_Protection_Enabled>
      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>
      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>
      <Ope_IP_Address></Ope_IP_Address>
      <Ope_Port>2008</Ope_Port>
      <Ope_Port_Sec>2007</Ope_Port_Sec>
      <Ope_Erase_Memory>0</Ope_Erase_Memory>
      <Ope_FileName>/opt/hd/MASTER/Sim58318.sim</Ope_FileName>
      <Ope_Start_Address>0x8000</Ope_Start_Address>
      <Ope_Memory_Type>0</Ope_Memory_Type>
      <Ope_Bank_Type>1</Ope_Bank_Type>
      <Ope_Read_Back>{RB}</Ope_Read_Back>
      <Ope_Write_CSS>1</Ope_Write_CSS>
      <Ope_Address_CSS>0x78100</Ope_Address_CSS>
      <Ope_Command_CSS>0x0B</Ope_Command_CSS>
      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>
      <Ope_WID_Address>0x78200</Ope_WID_Address>
      <Ope_WID_Command>0x0B</Ope_WID_Command>
      <Ope_WID_Data></Ope_WID_Data>
      <Ope_GoToApp_After>{GA}</Ope_GoToApp_After>
    </Operation>
    <Operation>
      <Ope_Protection_Enabled>0x4B2</Ope_Protection_Enabled>
      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>
      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>
      <Ope_IP_Address></Ope_IP_Address>
      <Ope_Port>2008</Ope_Port>
      <Ope_Port_Sec>2007</Ope_Port_Sec>
      <Ope_Erase_Memory>0</Ope_Erase_Memory>
      <Ope_FileName>/opt/hd/MASTER/Sim58318_K64.sim</Ope_FileName>
      <Ope_Start_Address>0x8000</Ope_Start_Address>
      <Ope_Memory_Type>0</Ope_Memory_Type>
      <Ope_Bank_Type>1</Ope_Bank_Type>
      <Ope_Read_Back>{RB}</Ope_Read_Back>
      <Ope_Write_CSS>1</Ope_Write_CSS>
      <Ope_Address_CSS>0x7A00</Ope_Address_CSS>
      <Ope_Command_CSS>0x02</Ope_Command_CSS>
      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>
      <Ope_WID_Address>0x78300</Ope_WID_Address>
      <Ope_WID_Command>0x0B</Ope_WID_Command>
      <Ope_WID_Data></Ope_WID_Data>
      <Ope_GoToApp_After>{GA}</Ope_GoToApp_After>
    </Operation>
)";

const char* const ConfigurationOperations = R"(    <Operation>
      <Ope_Protection_Enabled>0xF2</Ope_Protection_Enabled>
      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>
      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>
      <Ope_IP_Address></Ope_IP_Address>
      <Ope_Port>2008</Ope_Port>
      <Ope_Port_Sec>2007</Ope_Port_Sec>
      <Ope_Erase_Memory>0</Ope_Erase_Memory>
      <Ope_FileName>/opt/hd/PROJECTS/Plant 1/bin/bank1.bin</Ope_FileName>
      <Ope_Start_Address>0x68000</Ope_Start_Address>
      <Ope_Memory_Type>0</Ope_Memory_Type>
      <Ope_Bank_Type>2</Ope_Bank_Type>
      <Ope_Read_Back>{RB}</Ope_Read_Back>
      <Ope_Write_CSS>0</Ope_Write_CSS>
      <Ope_Address_CSS>0x50100</Ope_Address_CSS>
      <Ope_Command_CSS>0x0B</Ope_Command_CSS>
      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>
      <Ope_WID_Address>0x78200</Ope_WID_Address>
      <Ope_WID_Command>0x0B</Ope_WID_Command>
      <Ope_WID_Data></Ope_WID_Data>
      <Ope_GoToApp_After>0</Ope_GoToApp_After>
    </Operation>
    <Operation>
      <Ope_Protection_Enabled>0x4B2</Ope_Protection_Enabled>
      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>
      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>
      <Ope_IP_Address></Ope_IP_Address>
      <Ope_Port>2008</Ope_Port>
      <Ope_Port_Sec>2007</Ope_Port_Sec>
      <Ope_Erase_Memory>0</Ope_Erase_Memory>
      <Ope_FileName>/opt/hd/PROJECTS/Plant 1/bin/bank_K64_1.bin</Ope_FileName>
      <Ope_Start_Address>0x07000</Ope_Start_Address>
      <Ope_Memory_Type>0</Ope_Memory_Type>
      <Ope_Bank_Type>2</Ope_Bank_Type>
      <Ope_Read_Back>{RB}</Ope_Read_Back>
      <Ope_Write_CSS>0</Ope_Write_CSS>
      <Ope_Address_CSS>0x50100</Ope_Address_CSS>
      <Ope_Command_CSS>0x0B</Ope_Command_CSS>
      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>
      <Ope_WID_Address>0x78300</Ope_WID_Address>
      <Ope_WID_Command>0x0B</Ope_WID_Command>
      <Ope_WID_Data></Ope_WID_Data>
      <Ope_GoToApp_After>0</Ope_GoToApp_After>
    </Operation>
    <Operation>
      <Ope_Protection_Enabled>0xF2</Ope_Protection_Enabled>
      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>
      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>
      <Ope_IP_Address></Ope_IP_Address>
      <Ope_Port>2008</Ope_Port>
      <Ope_Port_Sec>2007</Ope_Port_Sec>
      <Ope_Erase_Memory>0</Ope_Erase_Memory>
      <Ope_FileName>/opt/hd/PROJECTS/Plant 1/bin/bank2.bin</Ope_FileName>
      <Ope_Start_Address>0x58000</Ope_Start_Address>
      <Ope_Memory_Type>0</Ope_Memory_Type>
      <Ope_Bank_Type>2</Ope_Bank_Type>
      <Ope_Read_Back>{RB}</Ope_Read_Back>
      <Ope_Write_CSS>0</Ope_Write_CSS>
      <Ope_Address_CSS>0x50100</Ope_Address_CSS>
      <Ope_Command_CSS>0x0B</Ope_Command_CSS>
      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>
      <Ope_WID_Address>0x78200</Ope_WID_Address>
      <Ope_WID_Command>0x0B</Ope_WID_Command>
      <Ope_WID_Data></Ope_WID_Data>
      <Ope_GoToApp_After>1</Ope_GoToApp_After>
    </Operation>
    <Operation>
      <Ope_Protection_Enabled>0x4B2</Ope_Protection_Enabled>
      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>
      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>
      <Ope_IP_Address></Ope_IP_Address>
      <Ope_Port>2008</Ope_Port>
      <Ope_Port_Sec>2007</Ope_Port_Sec>
      <Ope_Erase_Memory>0</Ope_Erase_Memory>
      <Ope_FileName>/opt/hd/PROJECTS/Plant 1/bin/bank2.bin</Ope_FileName>
      <Ope_Start_Address>0x80000</Ope_Start_Address>
      <Ope_Memory_Type>0</Ope_Memory_Type>
      <Ope_Bank_Type>2</Ope_Bank_Type>
      <Ope_Read_Back>{RB}</Ope_Read_Back>
      <Ope_Write_CSS>0</Ope_Write_CSS>
      <Ope_Address_CSS>0x50100</Ope_Address_CSS>
      <Ope_Command_CSS>0x0B</Ope_Command_CSS>
      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>
      <Ope_WID_Address>0x78300</Ope_WID_Address>
      <Ope_WID_Command>0x0B</Ope_WID_Command>
      <Ope_WID_Data></Ope_WID_Data>
      <Ope_GoToApp_After>1</Ope_GoToApp_After>
    </Operation>
)";

std::string Firmware(const char* readBack, const char* goToApp) {
  return Replace(Replace(FirmwareOperations, "{RB}", readBack), "{GA}", goToApp);
}

std::string Configuration(const char* readBack) { return Replace(ConfigurationOperations, "{RB}", readBack); }

std::string Document(const std::string& operations) {
  if (operations.empty()) return std::string(Head) + "  <Operations></Operations>\n</Ethernet_Update>\n";
  return std::string(Head) + "  <Operations>\n" + operations + "  </Operations>\n</Ethernet_Update>\n";
}

TEST(UpdateJobFile, EveryCombinationOfTheOperationBoxesWritesItsWholeDocument) {
  struct Case {
    const char* name;
    TUpdateOperations boxes;  // Firmware, Read_Firm, Conf, Read_Conf
    std::string expected;
  } cases[] = {
      {"firmware and configuration: the firmware does not return to the application",
       {true, true, true, false}, Document(Firmware("1", "0") + Configuration("0"))},
      {"firmware only: it returns to the application", {true, false, false, true}, Document(Firmware("0", "1"))},
      {"configuration only", {false, true, true, true}, Document(Configuration("1"))},
      {"neither: an empty operation list", {false, true, false, true}, Document("")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder app;
    const TUpdateJob job{"10.0.0.7", "/opt/hd/MASTER", "/opt/hd/PROJECTS/Plant 1", c.boxes};
    const std::string path = Compile_XML_Parameter(app.Path(), job);
    EXPECT_EQ(path, app.Path() + "/Ethernet_Update.xml");
    EXPECT_EQ(DumpFile(path), c.expected);
  }
}

TEST(UpdateJobFile, ReplacesAnEarlierJob) {
  TempFolder app;
  TUpdateJob job{"10.0.0.7", "/opt/hd/MASTER", "/opt/hd/PROJECTS/Plant 1", {true, true, true, false}};
  Compile_XML_Parameter(app.Path(), job);
  job.Operations = {false, false, false, false};
  EXPECT_EQ(DumpFile(Compile_XML_Parameter(app.Path(), job)), Document(""));
}

}  // namespace
}  // namespace hd
