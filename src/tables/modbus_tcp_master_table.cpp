#include "tables/modbus_tcp_master_table.h"

#include <cstdint>
#include <optional>

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

// The tests of a request row in their order; each has its own text, consecutive in Lang_Table.
enum TRequestStep {
  stIP_Address, stPort, stSlave_ID, stType, stAddress, stNPoint, stPollTime, stMaxError, stPosition, stBit,
  stLastByte
};

// What tells the read requests' tests from the write requests'.
struct TRequestRules {
  int FirstText;
  int MaxErrorColumn, PositionColumn, BitColumn;
  int MinPollTime;
  const char* const* BitTypes;  // upper-case Types whose data are bits, null-terminated
  int MaxBitPoints, MaxRegisterPoints;
};

const char* const kReadBitTypes[] = {"INPUT STATUS", "COIL STATUS", nullptr};
const char* const kWriteBitTypes[] = {"COIL STATUS", nullptr};

constexpr TRequestRules kReadRules{1334, rcMaxError, rcPosition, rcBit, 1, kReadBitTypes, 2000, 125};
constexpr TRequestRules kWriteRules{1345, wcMaxError, wcPosition, wcBit, 0, kWriteBitTypes, 1968, 123};

bool IsBitRequest(const TRequestRules& rules, const std::string& type) {
  const std::string t = UpperCase(Trim(type));
  for (const char* const* b = rules.BitTypes; *b; ++b)
    if (t == *b) return true;
  return false;
}

// The byte counts of an image may come from a hand-edited file, so bounds are 64-bit.
std::optional<TCellFailure> TestRequest(const TRequestRules& rules, const TCellTableView& g, int r,
                                        std::int64_t imageSize) {
  auto fail = [&](TRequestStep step, std::optional<std::int64_t> bound = std::nullopt) {
    return std::optional<TCellFailure>(TCellFailure{rules.FirstText + step, bound});
  };
  auto number = [&](int column) { return static_cast<std::int64_t>(CellNumber(g.Cells(column, r))); };
  auto outside = [&](int column, std::int64_t lo, std::int64_t hi) {
    const std::int64_t v = number(column);
    return v < lo || v > hi;
  };

  // Columns 1 to 7 stand alike in both grids; the rules name the ones that differ.
  if (Check_IP_Address(g.Cells(rcIP_Address, r))) return fail(stIP_Address);
  if (outside(rcPort, 0, 65535)) return fail(stPort);
  if (outside(rcSlave_ID, 0, 255)) return fail(stSlave_ID);
  const std::string type = g.Cells(rcType, r);
  if (type.empty()) return fail(stType);  // blanks pass and make a register request
  if (outside(rcAddress, 0, 65535)) return fail(stAddress);
  const bool bits = IsBitRequest(rules, type);
  const int maxPoints = bits ? rules.MaxBitPoints : rules.MaxRegisterPoints;
  if (outside(rcNPoint, 1, maxPoints)) return fail(stNPoint, maxPoints);
  if (outside(rcPollTime, rules.MinPollTime, 100000000)) return fail(stPollTime);
  if (outside(rules.MaxErrorColumn, 0, 100000000)) return fail(stMaxError);
  if (outside(rules.PositionColumn, 0, imageSize - 1)) return fail(stPosition, imageSize - 1);
  // The compile cannot convert a start bit that is no number, so a bit request needs 0 to 7.
  if (bits && outside(rules.BitColumn, 0, 7)) return fail(stBit);
  const std::int64_t position = number(rules.PositionColumn);
  const std::int64_t points = number(rcNPoint);
  const std::int64_t last = bits ? position + (points + number(rules.BitColumn) - 1) / 8 : position + 2 * points - 1;
  if (last >= imageSize) return fail(stLastByte);
  return std::nullopt;
}

}  // namespace

const TTableFile& ModbusTCPM_SetAccess_File() {
  static const TTableFile file = BuildFile();
  return file;
}

bool Check_IP_Address(const std::string& IP_Address) {
  if (IP_Address.empty()) return true;
  std::string rest = IP_Address;
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = rest.find('.');
    // A part without its dot is empty, which is no number.
    const std::string part = i == 3 ? rest : dot == std::string::npos ? std::string() : rest.substr(0, dot);
    const int v = CellNumber(part);
    if (v < 0 || v > 255) return true;
    if (dot != std::string::npos) rest.erase(0, dot + 1);
  }
  return false;
}

TTableCheck Controllo_dati(const TCellTableView& read, const TCellTableView& write, int nByteIn, int nByteOut) {
  return WalkTableCheck(ModbusTCPM_SetAccess_File(), {read, write},
                        [&](int grid, const TCellTableView& cells, int row) {
                          return grid == 0 ? TestRequest(kReadRules, cells, row, nByteIn)
                                           : TestRequest(kWriteRules, cells, row, nByteOut);
                        });
}

}  // namespace hd
