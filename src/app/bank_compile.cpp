#include "app/bank_compile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "app/byte_block.h"
#include "app/modbus_request.h"
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
  bool Is(TRowAttr a, const char* value) const { return Has(a) && Text(a) == value; }

 private:
  std::array<std::string, raCount> values_;
  std::array<bool, raCount> present_{};
};

std::uint8_t SwapFlags(const TRequestRow& row) {
  // The request window stores "Y" or "N"; these two are compared as stored.
  std::uint8_t flags = 0;
  if (row.Is(raSwap, "Y")) flags |= mrSwap;
  if (row.Is(raSwap_Word, "Y")) flags |= mrSwapWord;
  return flags;
}

// The attributes of a row's fields in the order of the request reading.
constexpr std::array<TRowAttr, Request_Field_Count> kFieldAttrs = {
    raIP_Address, raPort, raSlave_ID, raType, raAddress, raNPoint, raPollTime, raMaxError, raPosition, raBit};

// What a field must hold, for the compile's message.
const char* FieldRule(TRequestStep step) {
  switch (step) {
    case stIP_Address: return "four numbers from 0 to 255 joined by dots";
    case stSlave_ID: return "a number from 0 to 255";
    case stType: return "a Modbus type of the section";
    case stNPoint: return "a number of points from 1 to the type's limit";
    case stPollTime:
    case stMaxError: return "a number from 0 to 100000000 (a read's poll time from 1)";
    case stPosition: return "a byte position from 0 to 65535";
    case stBit: return "a start bit (0 to 7 for coils and inputs)";
    default: return "a number from 0 to 65535";
  }
}

// One reading with the request window's check, so a row compiles exactly as the check read
// it; a row it refuses stops the compile with the file, section, row and attribute named.
TModbusRequest ReadRequest(const TRequestRow& row, TRequestTable table, const std::string& path, int rowNumber) {
  std::array<std::string, Request_Field_Count> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = row.Text(kFieldAttrs[i]);
  // A row without a usable port talks to the Modbus port.
  const int port = RequestNumber(fields[stPort]);
  if (port < 0 || port > 65535) fields[stPort] = std::to_string(Modbus_Default_Port);
  TModbusRequest request;
  if (std::optional<TRequestFailure> failure = ReadModbusRequest(table, fields, std::nullopt, request)) {
    const TRowAttr attr = kFieldAttrs[static_cast<std::size_t>(failure->Step)];
    const std::string section = table == TRequestTable::rtRead ? "Modbus_Read" : "Modbus_Write";
    throw EConvertError("Cannot compile \"" + path + "\": row " + std::to_string(rowNumber) + " of section \"" +
                        section + "\", attribute \"" + std::string(kRowAttrNames[attr]) + "\": " +
                        (row.Has(attr) ? "\"" + row.Text(attr) + "\" is not " : std::string("missing; it must be ")) +
                        FieldRule(failure->Step) + ".");
  }
  return request;
}

std::uint8_t RequestBytes(const TModbusRequest& q) {
  return static_cast<std::uint8_t>(q.Bits ? (q.NPoint + 7) / 8 : 2 * q.NPoint);
}

void Fill_Rule(const TModbusRequest& q, Modbus_Rule& r) {
  r.IP_Address = q.IP_Address;
  r.Port = q.Port;
  r.Slave_ID = q.Slave_ID;
  r.Function = q.Function;
  r.NPoint = q.NPoint;
  // The byte count follows the single or multiple code chosen by the type, before Force_F16.
  r.NByte = RequestBytes(q);
  r.Address = q.Address;
  r.PollTime = q.PollTime;
  r.MaxError = q.MaxError;
  r.Position = q.Position;
  r.Bit = q.Bit;
}

void Read_Modbus_Read(const TRequestRow& row, Modbus_Rule& r, const std::string& path, int rowNumber) {
  Fill_Rule(ReadRequest(row, TRequestTable::rtRead, path, rowNumber), r);
  r.Flags = SwapFlags(row);  // a read has no on-change flag
}

void Read_Modbus_Write(const TRequestRow& row, Modbus_Rule& r, const std::string& path, int rowNumber) {
  Fill_Rule(ReadRequest(row, TRequestTable::rtWrite, path, rowNumber), r);
  // A write without OnChange is no request the device can run.
  if (!row.Has(raOnChange))
    throw EConvertError("Cannot compile \"" + path + "\": row " + std::to_string(rowNumber) +
                        " of section \"Modbus_Write\", attribute \"OnChange\": missing; it must be Y or N.");
  r.Flags = UpperCase(row.Text(raOnChange)) == "Y" ? mrOnChange : 0;
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
    // Declarations and comments a hand-edited file starts with are not the root.
    TXmlNode root = doc.DocumentElement();
    std::vector<TXmlNode> reads = SectionRows(root, "Modbus_Read");
    std::vector<TXmlNode> writes = SectionRows(root, "Modbus_Write");
    // A hand-edited file may hold more rows than the table.
    if (reads.size() + writes.size() > Modbus_Rules_Count)
      throw ETooManyRequests(static_cast<int>(reads.size() + writes.size()));
    for (std::size_t k = 0; k < reads.size(); ++k)
      Read_Modbus_Read(TRequestRow(reads[k]), modbusRules_[index++], path, static_cast<int>(k) + 1);
    for (std::size_t k = 0; k < writes.size(); ++k)
      Read_Modbus_Write(TRequestRow(writes[k]), modbusRules_[index++], path, static_cast<int>(k) + 1);
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
