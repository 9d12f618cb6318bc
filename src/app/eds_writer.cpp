#include "app/eds_writer.h"

#include <optional>
#include <utility>

#include "app/file_writer_ui.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"
#include "platform/xml.h"

namespace hd {

namespace {

constexpr const char* Eds_File_Name = "EtherNetIP_CANopen.eds";
constexpr const char* Eds_Description = "Converter EtherNet/IP / CANopen";
constexpr const char* Eds_Product_Number = "297";
constexpr const char* Eds_Order_Code = "HD58297";

// Name prefixes of the PDO data entries, by PDO number.
constexpr const char* Rx_Prefix[Max_PDO] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                            "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                            "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr const char* Tx_Prefix[Max_PDO] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                            "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                            "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

using TLines = std::vector<std::string>;

std::string Hex(int value, int digits) { return IntToHex(value, digits); }
std::string Dec(int value) { return IntToStr(value); }
std::string Pad2(int value) { return value < 10 ? "0" + Dec(value) : Dec(value); }
std::string Sub(int object, int sub) { return Hex(object, 4) + "sub" + Dec(sub); }

void Section(TLines& out, const std::string& name) { out.push_back("[" + name + "]"); }

// A variable entry (object type 7) with its closing blank line.
void Entry(TLines& out, const std::string& section, const std::string& name, const std::string& dataType,
           const std::string& access, const std::optional<std::string>& defaultValue, int mapping = 0) {
  Section(out, section);
  out.push_back("ParameterName=" + name);
  out.push_back("ObjectType=0x07");
  out.push_back("DataType=" + dataType);
  out.push_back("AccessType=" + access);
  if (defaultValue) out.push_back("DefaultValue=" + *defaultValue);
  out.push_back("PDOMapping=" + Dec(mapping));
  out.push_back("");
}

// The head of a record or array object whose entries follow as sub-sections.
void Record(TLines& out, const std::string& section, int subNumber, const std::string& name,
            const std::string& objectType) {
  Section(out, section);
  out.push_back("SubNumber=" + Dec(subNumber));
  out.push_back("ParameterName=" + name);
  out.push_back("ObjectType=" + objectType);
  out.push_back("");
}

void WriteFixedObjects(TLines& out) {
  Entry(out, "1000", "Device Type", "0x0007", "const", "0x000101A4");
  Entry(out, "1001", "Error Register", "0x0005", "ro", "0x00");
  Entry(out, "1005", "COB-ID SYNC", "0x0007", "rw", "0x80000080");
  Entry(out, "1006", "Communication Cycle Period", "0x0007", "rw", "0x00000000");
  Entry(out, "1008", "Manufacturer Device Name", "0x0009", "const", "s1");
  Entry(out, "1014", "COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80");
  Record(out, "1016", 3, "Heartbeat Consumer Entries", "0x08");
  Entry(out, "1016sub0", "Number of Entries", "0x0005", "ro", "0x02");
  Entry(out, "1016sub1", "Consumer Heartbeat Time 1", "0x0007", "rw", "0x00000000");
  Entry(out, "1016sub2", "Consumer Heartbeat Time 2", "0x0007", "rw", "0x00000000");
  Entry(out, "1017", "Producer Heartbeat Time", "0x0006", "rw", "0x000003E8");
  Record(out, "1018", 5, "Identity Object", "0x09");
  Entry(out, "1018sub0", "number of entries", "0x0005", "ro", "0x4");
  Entry(out, "1018sub1", "Vendor Id", "0x0007", "ro", std::nullopt);
  Entry(out, "1018sub2", "Product Code", "0x0007", "ro", std::nullopt);
  Entry(out, "1018sub3", "Revision number", "0x0007", "ro", std::nullopt);
  Entry(out, "1018sub4", "Serial number", "0x0007", "ro", std::nullopt);
  Record(out, "1029", 2, "Error Behaviour", "0x08");
  Entry(out, "1029sub0", "Number of Entries", "0x0005", "ro", "1");
  Entry(out, "1029sub1", "Communication Error", "0x0005", "rw", "0x0");
  Record(out, "1280", 4, "Client SDO Parameter 1", "0x09");
  Entry(out, "1280sub0", "Number of Entries", "0x0005", "ro", "0x03");
  Entry(out, "1280sub1", "COB-ID Client -> Server", "0x0007", "rw", std::nullopt);
  Entry(out, "1280sub2", "COB-ID Server -> Client", "0x0007", "rw", std::nullopt);
  Entry(out, "1280sub3", "Node ID of the SDO Server", "0x0005", "rw", std::nullopt);
}

void WriteCommunication(TLines& out, int object, const std::string& title, int k, const TPdoEntry& pdo) {
  Record(out, Hex(object, 4), 4, title + Dec(k), "0x09");
  Entry(out, Sub(object, 0), "Number of Entries", "0x0005", "ro", "0x03");
  Entry(out, Sub(object, 1), "COB-ID", "0x0007", "rw", "0x" + Hex(pdo.COB_ID, 8));
  Entry(out, Sub(object, 2), "Transmission Type", "0x0005", "rw", "0xFE");
  Entry(out, Sub(object, 3), "Inhibit Time", "0x0006", "rw", "0x0");
}

void WriteMapping(TLines& out, int object, const std::string& title, int dataObject, const TPdoEntry& pdo) {
  const int d = pdo.Dimension;
  Record(out, Hex(object, 4), d + 1, title, "0x09");
  Entry(out, Sub(object, 0), "Number of Entries", "0x0005", "ro", "0x" + Hex(d, 2));
  for (int j = 1; j <= d; ++j)
    Entry(out, Sub(object, j), "Mapping Entry " + Dec(j), "0x0007", "ro", "0x" + Hex(dataObject, 4) + Hex(j, 2) + "08");
}

void WriteData(TLines& out, int object, const std::string& title, const std::string& countAccess,
               const std::string& prefix, const std::string& access, const TPdoEntry& pdo) {
  const int d = pdo.Dimension;
  Record(out, Hex(object, 4), d + 1, title, "0x08");
  Entry(out, Sub(object, 0), "Number of Entries", "0x0005", countAccess, "0x" + Hex(d, 2));
  for (int j = 1; j <= d; ++j) Entry(out, Sub(object, j), prefix + Dec(j), "0x0005", access, "0x00", 1);
}

// Rows of one table section; a missing section reads as an empty one.
std::vector<TXmlNode> SectionRows(const TXmlDocument& doc, const std::string& section) {
  const TXmlNode root = doc.FirstChild();
  if (!root) return {};
  const TXmlNode node = root.FindNode(section);
  return node ? node.ChildElements() : std::vector<TXmlNode>{};
}

int ReadPdoRows(const TXmlDocument& doc, const std::string& section, TPdoEntry* table) {
  int count = 0;
  for (const TXmlNode& row : SectionRows(doc, section)) {
    // A hand-edited file may list more PDOs than the device has; the rest are left out.
    if (count == Max_PDO) break;
    table[count].COB_ID = StrToIntDef(row.AttributeOr("COB-ID", ""), 0);
    table[count].Dimension = StrToIntDef(row.AttributeOr("Dimension", ""), 8);
    ++count;
  }
  return count;
}

}  // namespace

TEdsWriter::TEdsWriter(std::string pathPDO, std::string pathSDOServer)
    : pathPDO_(std::move(pathPDO)), pathSDOServer_(std::move(pathSDOServer)) {}

void TEdsWriter::Read_PDO_Table() {
  nrOfRXPDO_ = 0;
  nrOfTXPDO_ = 0;
  if (!FileExists(pathPDO_)) return;
  TXmlDocument doc;
  doc.LoadFromFile(pathPDO_);
  nrOfRXPDO_ = ReadPdoRows(doc, "Receive_PDO", rxPdo_);
  nrOfTXPDO_ = ReadPdoRows(doc, "Transmit_PDO", txPdo_);
}

void TEdsWriter::Read_SDO_Table() {
  if (!FileExists(pathSDOServer_)) return;
  TXmlDocument doc;
  doc.LoadFromFile(pathSDOServer_);
  for (const char* section : {"SDO_Read", "SDO_Write"}) {
    const bool readOnly = std::string(section) == "SDO_Read";
    for (const TXmlNode& row : SectionRows(doc, section)) {
      const auto index = static_cast<std::uint16_t>(StrToInt(row.AttributeOr("Index", "")));
      SDO_Sub_Type sub;
      sub.Sub = static_cast<std::uint8_t>(StrToInt(row.AttributeOr("SubIndex", "")));
      sub.Quantity = static_cast<std::uint8_t>(StrToInt(row.AttributeOr("NByte", "")));
      sub.Readonly = readOnly;
      int at = Find_SDO_Index(index);
      if (at < 0) {
        sdo_.push_back(SDO_Index{index, {}});
        at = static_cast<int>(sdo_.size()) - 1;
      }
      sdo_[at].Sub_Indexs.push_back(sub);
    }
  }
}

int TEdsWriter::Find_SDO_Index(std::uint16_t index) const {
  for (std::size_t i = 0; i < sdo_.size(); ++i)
    if (sdo_[i].Index == index) return static_cast<int>(i);
  return -1;
}

void TEdsWriter::Sort_SDO_Sub_Indexs() {
  for (SDO_Index& index : sdo_) {
    auto& subs = index.Sub_Indexs;
    bool swapped = true;
    while (swapped) {
      swapped = false;
      for (std::size_t i = 1; i < subs.size(); ++i) {
        if (subs[i - 1].Sub > subs[i].Sub) {
          std::swap(subs[i - 1], subs[i]);
          swapped = true;
        }
      }
    }
  }
}

void TEdsWriter::WriteFileInfo(TLines& out, TDateTime now) const {
  const std::string time = EDS_Time(now);
  const std::string date = EDS_Date(now);
  out.insert(out.end(), {"[FileInfo]", std::string("FileName=") + Eds_File_Name, "FileVersion=1", "FileRevision=0",
                         "EDSVersion=4.0", std::string("Description=") + Eds_Description, "CreationTime=" + time,
                         "CreationDate=" + date, "CreatedBy=Kastir", "ModificationTime=" + time,
                         "ModificationDate=" + date, "ModifiedBy=Kastir", ""});
}

void TEdsWriter::WriteDeviceInfo(TLines& out) const {
  out.insert(out.end(), {"[DeviceInfo]", "VendorName=Kastir", "VendorNumber=0x00",
                         std::string("ProductName=") + Eds_Description,
                         std::string("ProductNumber=") + Eds_Product_Number, "RevisionNumber=0x0",
                         std::string("OrderCode=") + Eds_Order_Code, "BaudRate_10=1", "BaudRate_20=1",
                         "BaudRate_50=1", "BaudRate_125=1", "BaudRate_250=1", "BaudRate_500=1", "BaudRate_800=0",
                         "BaudRate_1000=1", "DynamicChannelsSupported=0", "GroupMessaging=0", "LSS_Supported=0",
                         "Granularity=0", "SimpleBootUpSlave=1", "SimpleBootUpMaster=0",
                         "NrOfRXPDO=" + Dec(nrOfRXPDO_), "NrOfTXPDO=" + Dec(nrOfTXPDO_), ""});
  out.insert(out.end(), {"[Comments]", "Lines=0", ""});
  out.push_back("[DummyUsage]");
  for (int i = 1; i <= 7; ++i) out.push_back("Dummy000" + Dec(i) + "=0");
  out.push_back("");
}

void TEdsWriter::WriteObjectLists(TLines& out) const {
  const int r = nrOfRXPDO_;
  const int t = nrOfTXPDO_;
  out.insert(out.end(), {"[MandatoryObjects]", "SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018", ""});
  out.insert(out.end(), {"[OptionalObjects]", "SupportedObjects=" + Dec(8 + 3 * r + 3 * t), "1=0x1005", "2=0x1006",
                         "3=0x1008", "4=0x1014", "5=0x1016", "6=0x1017", "7=0x1029", "8=0x1280"});
  int number = 9;
  const std::pair<int, int> groups[] = {{0x1400, r}, {0x1600, r}, {0x1800, t}, {0x1A00, t}, {0x7000, r}, {0x7050, t}};
  for (const auto& [base, count] : groups)
    for (int n = 0; n < count; ++n) out.push_back(Dec(number++) + "=0x" + Hex(base + n, 4));
  out.push_back("");
  out.push_back("[ManufacturerObjects]");
  out.push_back("SupportedObjects=" + Dec(static_cast<int>(sdo_.size())));
  for (std::size_t i = 0; i < sdo_.size(); ++i)
    out.push_back(Dec(static_cast<int>(i) + 1) + "=0x" + Hex(sdo_[i].Index, 4));
  out.push_back("");
}

void TEdsWriter::WritePdoObjects(TLines& out) const {
  for (int n = 0; n < nrOfRXPDO_; ++n)
    WriteCommunication(out, 0x1400 + n, "Receive PDO Communication Parameter ", n + 1, rxPdo_[n]);
  for (int n = 0; n < nrOfRXPDO_; ++n)
    WriteMapping(out, 0x1600 + n, "Receive PDO Mapping Parameter", 0x7000 + n, rxPdo_[n]);
  for (int n = 0; n < nrOfTXPDO_; ++n)
    WriteCommunication(out, 0x1800 + n, "Transmit PDO Communication Parameter ", n + 1, txPdo_[n]);
  for (int n = 0; n < nrOfTXPDO_; ++n)
    WriteMapping(out, 0x1A00 + n, "Transmit PDO Mapping Parameter " + Dec(n + 1), 0x7050 + n, txPdo_[n]);
  for (int n = 0; n < nrOfRXPDO_; ++n)
    WriteData(out, 0x7000 + n, "RPDO" + Dec(n + 1), "ro", Rx_Prefix[n], "rww", rxPdo_[n]);
  for (int n = 0; n < nrOfTXPDO_; ++n)
    WriteData(out, 0x7050 + n, "TPDO" + Dec(n + 1), "rw", Tx_Prefix[n], "rwr", txPdo_[n]);
}

void TEdsWriter::WriteSdoObject(TLines& out, const SDO_Index& index) const {
  const std::string x = Hex(index.Index, 4);
  const auto& subs = index.Sub_Indexs;
  const int m = static_cast<int>(subs.size());
  const bool hasSub0 = subs.front().Sub == 0;
  out.insert(out.end(), {"[" + x + "]", "SubNumber=" + Dec(hasSub0 ? m : m + 1), "ParameterName=App Vars",
                         "ObjectType=0x9", ""});
  if (!hasSub0) {
    out.insert(out.end(), {"[" + x + "sub0]", "ParameterName=Largest Sub-Index supported", "ObjectType=0x7",
                           "DataType=0x0005", "AccessType=ro", "DefaultValue=0x" + Hex(subs.back().Sub, 2),
                           "PDOMapping=0", ""});
  }
  for (const SDO_Sub_Type& sub : subs) {
    out.insert(out.end(), {"[" + x + "sub" + Dec(sub.Sub) + "]", "ParameterName=Application Variable",
                           "ObjectType=0x7"});
    if (sub.Quantity == 1)
      out.insert(out.end(), {"DataType=0x0005", "LowLimit=0x00", "HighLimit=0xFF", "DefaultValue=0x00"});
    else if (sub.Quantity == 2)
      out.insert(out.end(), {"DataType=0x0006", "LowLimit=0x0000", "HighLimit=0xFFFF", "DefaultValue=0x0000"});
    else
      out.insert(out.end(),
                 {"DataType=0x0007", "LowLimit=0x00000000", "HighLimit=0xFFFFFFFF", "DefaultValue=0x00000000"});
    out.push_back(sub.Readonly ? "AccessType=ro" : "AccessType=rw");
    out.push_back("PDOMapping=0");
    out.push_back("");
  }
}

std::vector<std::string> TEdsWriter::Build_EDS_Lines(TDateTime now) {
  sdo_.clear();
  Read_PDO_Table();
  Read_SDO_Table();
  Sort_SDO_Sub_Indexs();
  TLines out;
  WriteFileInfo(out, now);
  WriteDeviceInfo(out);
  WriteObjectLists(out);
  WriteFixedObjects(out);
  WritePdoObjects(out);
  for (const SDO_Index& index : sdo_) WriteSdoObject(out, index);
  out.push_back("");
  return out;
}

void TEdsWriter::Create_EDS_File(const std::string& fileName, TDateTime now) {
  WriteTextLines(fileName, Build_EDS_Lines(now), "\r\n", TTextEncoding::Windows1252);
}

std::string EDS_Date(TDateTime dt) {
  int year = 0, month = 0, day = 0;
  DecodeDate(dt, year, month, day);
  return Pad2(month) + "-" + Pad2(day) + "-" + Dec(year);
}

std::string EDS_Time(TDateTime dt) {
  int hour = 0, minute = 0, sec = 0, msec = 0;
  DecodeTime(dt, hour, minute, sec, msec);
  const bool pm = hour >= 12;
  const int shown = hour > 12 ? hour - 12 : hour;
  return Pad2(shown) + ":" + Pad2(minute) + (pm ? "PM" : "AM");
}

void Save_EDS_File(IFileWriterUi& ui, const std::string& projectFolder, const std::string& pathPDO,
                   const std::string& pathSDOServer) {
  const std::optional<std::string> name =
      ui.AskSaveFileName({projectFolder, "Electronic Data Sheet (*.eds)|*.eds", "eds"});
  if (!name) return;
  TEdsWriter(pathPDO, pathSDOServer).Create_EDS_File(*name);
}

}  // namespace hd
