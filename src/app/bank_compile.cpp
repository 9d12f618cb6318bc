#include "app/bank_compile.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "app/byte_block.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

constexpr int K64_Buffer_Size = 131072;

// The attributes of one request row, gathered in one pass: a row is read a dozen times and
// a lookup by name would walk its attributes each time.
enum TRowAttr {
  raIP_Address, raPort, raSlave_ID, raType, raAddress, raNPoint, raPollTime, raMaxError, raPosition, raBit,
  raSwap, raSwap_Word, raOnChange, raForce_F16, raCount
};

constexpr std::array<std::string_view, raCount> kRowAttrNames = {
    "IP_Address", "Port", "Slave_ID", "Type", "Address", "NPoint", "PollTime", "MaxError", "Position", "Bit",
    "Swap", "Swap_Word", "OnChange", "Force_F16"};

class TRequestRow {
 public:
  explicit TRequestRow(const TXmlNode& row) {
    row.ForEachAttribute([this](std::string_view name, std::string_view value) {
      auto it = std::find(kRowAttrNames.begin(), kRowAttrNames.end(), name);
      if (it == kRowAttrNames.end()) return;
      const auto a = static_cast<std::size_t>(it - kRowAttrNames.begin());
      if (present_[a]) return;
      present_[a] = true;
      values_[a].assign(value);
    });
  }

  bool Has(TRowAttr a) const { return present_[a]; }
  // A missing attribute reads as empty.
  const std::string& Text(TRowAttr a) const { return values_[a]; }
  // Type and OnChange are texts, but a row without them is no request the device can run.
  const std::string& RequiredText(TRowAttr a) const {
    if (!Has(a)) throw EConvertError("Missing attribute '" + std::string(kRowAttrNames[a]) + "'");
    return values_[a];
  }
  // A missing or empty value raises the platform's conversion error.
  int Number(TRowAttr a) const { return StrToInt(Text(a)); }
  bool Is(TRowAttr a, const char* value) const { return Has(a) && Text(a) == value; }

 private:
  std::array<std::string, raCount> values_;
  std::array<bool, raCount> present_{};
};

// The request window writes Bit empty for a register request whose start bit was left empty.
int BitNumber(const TRequestRow& row) {
  if (row.Has(raBit) && Trim(row.Text(raBit)).empty()) return 0;
  return row.Number(raBit);
}

std::uint16_t PortNumber(const TRequestRow& row) {
  int port = 0;
  return row.Has(raPort) && TryStrToInt(row.Text(raPort), port) ? static_cast<std::uint16_t>(port)
                                                                 : Modbus_Default_Port;
}

// Split at the first three dots; a part whose dot is missing stays empty, as do the parts after
// it, and fails to convert.
std::array<std::string, 4> AddressParts(const std::string& text) {
  std::array<std::string, 4> parts;
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    std::size_t dot = text.find('.', start);
    if (dot == std::string::npos) return parts;
    parts[i] = text.substr(start, dot - start);
    start = dot + 1;
  }
  parts[3] = text.substr(start);
  return parts;
}

std::uint32_t IPNumber(const TRequestRow& row) {
  std::uint32_t ip = 0;
  for (const std::string& part : AddressParts(row.Text(raIP_Address)))
    ip = (ip << 8) | static_cast<std::uint8_t>(StrToInt(Trim(part)));
  return ip;
}

std::uint8_t BitRequestBytes(std::uint16_t points) { return static_cast<std::uint8_t>((points + 7) / 8); }
std::uint8_t RegisterRequestBytes(std::uint16_t points) { return static_cast<std::uint8_t>(2 * points); }

std::uint8_t SwapFlags(const TRequestRow& row) {
  // The request window stores "Y" or "N"; these two are compared as stored.
  std::uint8_t flags = 0;
  if (row.Is(raSwap, "Y")) flags |= mrSwap;
  if (row.Is(raSwap_Word, "Y")) flags |= mrSwapWord;
  return flags;
}

std::uint8_t ReadFunction(const std::string& type) {
  if (type == "COIL STATUS") return 1;
  if (type == "INPUT STATUS") return 2;
  if (type == "HOLDING REGISTER") return 3;
  if (type == "INPUT REGISTER") return 4;
  return 0;
}

std::uint8_t WriteFunction(const std::string& type, std::uint16_t points) {
  if (type == "COIL STATUS") return points == 1 ? 5 : 15;
  if (type == "HOLDING REGISTER") return points == 1 ? 6 : 16;
  return 0;
}

// The attributes are converted in this order, so a file with several bad values reports the
// same one each time.
void Read_Modbus_Read(const TRequestRow& row, Modbus_Rule& r) {
  r.IP_Address = IPNumber(row);
  r.Port = PortNumber(row);
  r.Slave_ID = static_cast<std::uint8_t>(row.Number(raSlave_ID));
  r.Function = ReadFunction(UpperCase(row.RequiredText(raType)));
  r.NPoint = static_cast<std::uint16_t>(row.Number(raNPoint));
  r.NByte = r.Function == 1 || r.Function == 2 ? BitRequestBytes(r.NPoint) : RegisterRequestBytes(r.NPoint);
  r.Address = static_cast<std::uint16_t>(row.Number(raAddress));
  r.PollTime = static_cast<std::uint32_t>(row.Number(raPollTime));
  r.MaxError = static_cast<std::uint32_t>(row.Number(raMaxError));
  r.Position = static_cast<std::uint16_t>(row.Number(raPosition));
  r.Bit = static_cast<std::uint16_t>(BitNumber(row));
  r.Flags = SwapFlags(row);  // a read has no on-change flag
}

void Read_Modbus_Write(const TRequestRow& row, Modbus_Rule& r) {
  r.IP_Address = IPNumber(row);
  r.Port = PortNumber(row);
  r.Slave_ID = static_cast<std::uint8_t>(row.Number(raSlave_ID));
  r.NPoint = static_cast<std::uint16_t>(row.Number(raNPoint));
  r.Function = WriteFunction(UpperCase(row.RequiredText(raType)), r.NPoint);
  // The byte count follows the single or multiple code chosen by the type, before Force_F16.
  r.NByte = r.Function == 5 || r.Function == 15 ? BitRequestBytes(r.NPoint) : RegisterRequestBytes(r.NPoint);
  r.Address = static_cast<std::uint16_t>(row.Number(raAddress));
  r.PollTime = static_cast<std::uint32_t>(row.Number(raPollTime));
  r.MaxError = static_cast<std::uint32_t>(row.Number(raMaxError));
  r.Flags = UpperCase(row.RequiredText(raOnChange)) == "Y" ? mrOnChange : 0;
  r.Position = static_cast<std::uint16_t>(row.Number(raPosition));
  r.Bit = static_cast<std::uint16_t>(BitNumber(row));
  r.Flags |= SwapFlags(row);
  if (UpperCase(row.Text(raForce_F16)) == "Y") {
    if (r.Function == 5) r.Function = 15;
    if (r.Function == 6) r.Function = 16;
  }
}

// A missing section counts as empty.
std::vector<TXmlNode> SectionRows(const TXmlNode& root, const char* name) {
  if (root.NodeType() != ntElement) return {};
  TXmlNode section = root.FindNode(name);
  return section ? section.ChildElements() : std::vector<TXmlNode>{};
}

}  // namespace

void Put_Modbus_Rule(const Modbus_Rule& r, std::uint8_t* d) {
  std::fill(d, d + Modbus_Rule_Size, 0);
  PutLE16(d + 0, r.Position);
  PutLE16(d + 2, r.Bit);
  PutLE32(d + 4, r.PollTime);
  d[8] = r.Slave_ID;
  d[9] = r.Function;
  PutLE16(d + 10, r.Address);
  PutLE16(d + 12, r.NPoint);
  PutLE16(d + 14, r.Port);
  PutLE32(d + 16, r.IP_Address);
  PutLE32(d + 24, r.MaxError);
  d[30] = r.NByte;
  d[31] = r.Flags;
}

ETooManyRequests::ETooManyRequests(int count)
    : Exception("The Modbus TCP request file holds " + std::to_string(count) + " requests; the device takes at most " +
                std::to_string(Modbus_Rules_Count) + "."),
      count_(count) {}

TBankCompile::TBankCompile()
    : bank1Buffer_(Bank1_Size), bank2Buffer_(Bank2_Size), bankK64Buffer_(K64_Buffer_Size) {}

void TBankCompile::Build_Bin_Banks(const std::string& pathParGen, const std::string& pathModbusTCPM_SetAccess) {
  // Until the build completes there is nothing to save.
  bank1Len_ = bank2Len_ = bankK64Len_ = 0;
  Reset_Main_Params(mainParams_);
  Reset_K64_Block(k64Block_);
  Clear_Modbus_Rules();
  Read_ParGen_File(pathParGen, mainParams_, k64Block_);
  Read_Modbus_Rules_File(pathModbusTCPM_SetAccess);
  int bank1Len = Put_Main_Params(mainParams_, bank1Buffer_);
  int bank2Len = Put_Modbus_Rules(0, bank2Buffer_);
  int bankK64Len = Put_K64_Block(k64Block_, 0, bankK64Buffer_);
  bank1Len_ = bank1Len;
  bank2Len_ = bank2Len;
  bankK64Len_ = bankK64Len;
}

void TBankCompile::Save_Bin_Banks(const std::string& projectFolder) const {
  if (bank1Len_ == 0 || bank2Len_ == 0 || bankK64Len_ == 0)
    throw Exception("The bank files have not been built.");
  // When the folder cannot be made, the replace below names the file and the reason.
  ForceDirectories(projectFolder);
  auto bytes = [](std::span<const std::uint8_t> s) { return std::string(s.begin(), s.end()); };
  // The device takes the three files as one compile: the bin folder is replaced whole.
  ReplaceFolderFiles(JoinPath(projectFolder, "bin"), {
                                                         {"bank1.bin", bytes(Bank1())},
                                                         {"bank2.bin", bytes(Bank2())},
                                                         {"bank_K64_1.bin", bytes(Bank_K64())},
                                                     });
}

void TBankCompile::Clear_Modbus_Rules() {
  modbusRules_.fill(Modbus_Rule{});
  requestCount_ = 0;
}

void TBankCompile::Read_Modbus_Rules_File(const std::string& path) {
  int index = 0;
  if (FileExists(path)) {
    TXmlDocument doc;
    doc.SetActive(true);
    doc.LoadFromFile(path);
    TXmlNode root = doc.FirstChild();
    std::vector<TXmlNode> reads = SectionRows(root, "Modbus_Read");
    std::vector<TXmlNode> writes = SectionRows(root, "Modbus_Write");
    // A hand-edited file may hold more rows than the table.
    if (reads.size() + writes.size() > Modbus_Rules_Count)
      throw ETooManyRequests(static_cast<int>(reads.size() + writes.size()));
    for (const TXmlNode& row : reads) Read_Modbus_Read(TRequestRow(row), modbusRules_[index++]);
    for (const TXmlNode& row : writes) Read_Modbus_Write(TRequestRow(row), modbusRules_[index++]);
  }
  requestCount_ = index;
  Set_Request_Count(mainParams_, k64Block_, static_cast<std::uint32_t>(index));
}

int TBankCompile::Put_Modbus_Rules(int position, std::span<std::uint8_t> destination) const {
  CheckImageFits(position, Bank2_Size, destination);
  for (const Modbus_Rule& r : modbusRules_) {
    Put_Modbus_Rule(r, destination.data() + position);
    position += Modbus_Rule_Size;
  }
  return position;
}

}  // namespace hd
