#include "tables/modbus_tcp_master_table.h"

#include <array>
#include <cstdint>
#include <optional>

#include "app/modbus_request.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

TTableColumn Column(const char* attribute, int header, TTableEditor editor) {
  TTableColumn c;
  c.Attribute = attribute;
  c.HeaderText = header;
  c.Editor = editor;
  return c;
}

TTableColumn Plain(const char* attribute, int header) { return Column(attribute, header, teNormal); }

TTableColumn Combo(const char* attribute, int header, std::vector<std::string> choices = {}) {
  TTableColumn c = Column(attribute, header, teComboList);
  c.Choices = std::move(choices);
  return c;
}

// Files of earlier versions lack the swap and Force F16 flags, which then read as "N".
TTableColumn CheckBox(const char* attribute, int header, bool required) {
  TTableColumn c = Column(attribute, header, teDataCheckBox);
  c.Required = required;
  if (!required) c.Default = "N";
  return c;
}

const std::vector<std::string> kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TTableFile BuildFile() {
  TTableSection read{
      "Modbus_Read",
      {Plain("IP_Address", 1309), Plain("Port", 1310), Plain("Slave_ID", 1311),
       Combo("Type", 1312, {"Coil Status", "Input Status", "Holding Register", "Input Register"}),
       Plain("Address", 1313), Plain("NPoint", 1314), Plain("PollTime", 1315), Plain("MaxError", 1316),
       Combo("Position", 1317), Combo("Bit", 1318, kBits), CheckBox("Swap", 1357, false),
       CheckBox("Swap_Word", 1358, false), Plain("Mnemonic", 1319)}};
  TTableSection write{
      "Modbus_Write",
      {Plain("IP_Address", 1321), Plain("Port", 1322), Plain("Slave_ID", 1323),
       Combo("Type", 1324, {"Coil Status", "Holding Register"}), Plain("Address", 1325), Plain("NPoint", 1326),
       Plain("PollTime", 1327), CheckBox("OnChange", 1328, true), Plain("MaxError", 1329), Combo("Position", 1330),
       Combo("Bit", 1331, kBits), CheckBox("Swap", 1359, false), CheckBox("Swap_Word", 1360, false),
       CheckBox("Force_F16", 1361, false), Plain("Mnemonic", 1332)}};
  TTableFile file;
  file.Root = "EtherNetIP_to_Modbus_TCP_Master";
  file.Version = "1.300";
  file.KeyColumn = rcIP_Address;
  file.TrimKey = true;
  file.Sections = {std::move(read), std::move(write)};
  return file;
}

// What tells the read requests' cells from the write requests'.
struct TRequestRules {
  TRequestTable Table;
  int FirstText;
  int MaxErrorColumn, PositionColumn, BitColumn;
};

constexpr TRequestRules kReadRules{TRequestTable::rtRead, 1334, rcMaxError, rcPosition, rcBit};
constexpr TRequestRules kWriteRules{TRequestTable::rtWrite, 1345, wcMaxError, wcPosition, wcBit};

// The byte counts of an image may come from a hand-edited file, so bounds are 64-bit.
std::optional<TCellFailure> TestRequest(const TRequestRules& rules, const TCellTableView& g, int r,
                                        std::int64_t imageSize) {
  // Columns 1 to 7 stand alike in both grids; the rules name the ones that differ.
  const std::array<int, Request_Field_Count> columns = {
      rcIP_Address, rcPort, rcSlave_ID, rcType, rcAddress, rcNPoint, rcPollTime,
      rules.MaxErrorColumn, rules.PositionColumn, rules.BitColumn};
  std::array<std::string, Request_Field_Count> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = g.Cells(columns[i], r);
  TModbusRequest request;
  const std::optional<TRequestFailure> failure = ReadModbusRequest(rules.Table, fields, imageSize, request);
  if (!failure) return std::nullopt;
  return TCellFailure{rules.FirstText + failure->Step, failure->Bound};
}

}  // namespace

const TTableFile& ModbusTCPM_SetAccess_File() {
  static const TTableFile file = BuildFile();
  return file;
}

bool Check_IP_Address(const std::string& IP_Address) { return !RequestIPAddress(IP_Address); }

TTableCheck Controllo_dati(const TCellTableView& read, const TCellTableView& write, int nByteIn, int nByteOut) {
  return WalkTableCheck(ModbusTCPM_SetAccess_File(), {read, write},
                        [&](int grid, const TCellTableView& cells, int row) {
                          return grid == 0 ? TestRequest(kReadRules, cells, row, nByteIn)
                                           : TestRequest(kWriteRules, cells, row, nByteOut);
                        });
}

}  // namespace hd
