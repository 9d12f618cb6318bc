#include "tables/access_poll_table.h"

#include <cstdint>
#include <optional>

#include "platform/sysutils.h"

namespace hd {

namespace {

// Tints of the column groups, as 0x00BBGGRR: where and what, timing, image place, flags.
constexpr TColor kTargetTint = 0xFEFAE0;
constexpr TColor kTimingTint = 0xA8FFA8;
constexpr TColor kPlaceTint = 0xF4D6FC;
constexpr TColor kSwapTint = 0xA8FFFF;
constexpr TColor kForceTint = 0xFFD5D5;

TTableColumn Column(const char* attribute, int header, int width, TColor tint, TTableEditor editor = teNormal,
                    std::vector<std::string> choices = {}) {
  TTableColumn c;
  c.Attribute = attribute;
  c.HeaderText = header;
  c.Editor = editor;
  c.Choices = std::move(choices);
  c.Width = width;
  c.Color = tint;
  return c;
}

// Files of earlier versions lack these flags, which then read as "N".
TTableColumn OptionalFlag(const char* attribute, int header, int width, TColor tint) {
  TTableColumn c = Column(attribute, header, width, tint, teDataCheckBox);
  c.Required = false;
  c.Default = "N";
  return c;
}

const std::vector<std::string> kBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

TTableFile BuildFile() {
  TTableSection read{
      "Modbus_Read",
      {Column("Slave_ID", 609, 53, kTargetTint),
       Column("Type", 610, 115, kTargetTint, teComboList,
              {"Coil Status", "Input Status", "Holding Register", "Input Register"}),
       Column("Address", 611, 52, kTargetTint), Column("NPoint", 612, 42, kTargetTint),
       Column("PollTime", 613, 57, kTimingTint), Column("MaxError", 614, 61, kTimingTint),
       Column("Position", 615, 55, kPlaceTint, teComboList), Column("Bit", 616, 55, kPlaceTint, teComboList, kBits),
       OptionalFlag("Swap", 617, 36, kSwapTint), Column("Mnemonic", 618, 276, clWindow)},
      512};
  TTableSection write{
      "Modbus_Write",
      {Column("Slave_ID", 620, 53, kTargetTint),
       Column("Type", 621, 115, kTargetTint, teComboList, {"Coil Status", "Holding Register"}),
       Column("Address", 622, 52, kTargetTint), Column("NPoint", 623, 42, kTargetTint),
       Column("PollTime", 624, 57, kTimingTint), Column("OnChange", 625, 66, kTimingTint, teDataCheckBox),
       Column("MaxError", 626, 61, kTimingTint), Column("Position", 627, 55, kPlaceTint, teComboList),
       Column("Bit", 628, 55, kPlaceTint, teComboList, kBits), OptionalFlag("Swap", 629, 36, kSwapTint),
       OptionalFlag("Force_F16", 651, 75, kForceTint), Column("Mnemonic", 630, 135, clWindow)},
      512};
  TTableFile file;
  file.Root = "EtherNetIP_to_Modbus";
  file.KeyColumn = prSlave_ID;
  file.TrimKey = true;
  file.Sections = {std::move(read), std::move(write)};
  return file;
}

// The tests of a poll row in their order; each has its own text, consecutive in Lang_Table.
enum TPollStep { psSlave_ID, psType, psAddress, psNPoint, psPollTime, psMaxError, psPosition, psBit, psLastByte };

// What tells the read polls' tests from the write polls'.
struct TPollRules {
  int FirstText;
  int MaxErrorColumn, PositionColumn, BitColumn;
  int MinPollTime;
  bool ReadsInputs;  // "Input Status" is a bit request too
  int MaxBitPoints, MaxRegisterPoints;
};

constexpr TPollRules kReadPolls{632, prMaxError, prPosition, prBit, 1, true, 2000, 125};
constexpr TPollRules kWritePolls{641, pwMaxError, pwPosition, pwBit, 0, false, 1968, 123};

bool IsBitPoll(const TPollRules& rules, const std::string& type) {
  const std::string t = UpperCase(Trim(type));
  return t == "COIL STATUS" || (rules.ReadsInputs && t == "INPUT STATUS");
}

// Sizes may come from a hand-edited ParGen.xml, so the bounds are 64-bit.
std::optional<TCellFailure> TestPoll(const TPollRules& rules, const TCellTableView& g, int r, std::int64_t imageSize) {
  auto fail = [&](TPollStep step, std::optional<std::int64_t> bound = std::nullopt) {
    return std::optional<TCellFailure>(TCellFailure{rules.FirstText + step, bound});
  };
  auto number = [&](int column) { return static_cast<std::int64_t>(CellNumber(g.Cells(column, r))); };
  auto outside = [&](int column, std::int64_t lo, std::int64_t hi) {
    const std::int64_t v = number(column);
    return v < lo || v > hi;
  };

  if (outside(prSlave_ID, 1, 247)) return fail(psSlave_ID);
  const std::string type = g.Cells(prType, r);
  if (type.empty()) return fail(psType);  // blanks pass and make a register poll
  if (outside(prAddress, 0, 65535)) return fail(psAddress);
  const bool bits = IsBitPoll(rules, type);
  const int maxPoints = bits ? rules.MaxBitPoints : rules.MaxRegisterPoints;
  if (outside(prNPoint, 1, maxPoints)) return fail(psNPoint, maxPoints);
  if (outside(prPollTime, rules.MinPollTime, 100000000)) return fail(psPollTime);
  if (outside(rules.MaxErrorColumn, 0, 100000000)) return fail(psMaxError);
  if (outside(rules.PositionColumn, 0, imageSize - 1)) return fail(psPosition, imageSize - 1);
  // The text already says 0 to 7: a start bit outside a byte would move the poll's last byte.
  if (bits && outside(rules.BitColumn, 0, 7)) return fail(psBit);
  const std::int64_t position = number(rules.PositionColumn);
  const std::int64_t points = number(prNPoint);
  const std::int64_t last = bits ? position + (points + number(rules.BitColumn) - 1) / 8 : position + 2 * points - 1;
  if (last >= imageSize) return fail(psLastByte);
  return std::nullopt;
}

}  // namespace

const TTableFile& Access_Poll_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_Access_Polls(const TCellTableView& read, const TCellTableView& write, int nByteIn, int nByteOut) {
  return WalkTableCheck(Access_Poll_File(), {read, write}, [&](int grid, const TCellTableView& cells, int row) {
    return grid == 0 ? TestPoll(kReadPolls, cells, row, nByteIn) : TestPoll(kWritePolls, cells, row, nByteOut);
  });
}

}  // namespace hd
