#include "tables/can_frame_tables.h"

#include <climits>
#include <cstdint>
#include <optional>

#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr int kFrames = 500;
constexpr int kNumberWidth = 64;
constexpr TColor kWindowColour = 0xEDF7F8;  // (248,247,237), the row numbers'

// Tints as 0x00BBGGRR: the frame itself, its timing.
constexpr TColor kFrameTint = 0xFEFAE0;
constexpr TColor kTimingTint = 0xCAFFCA;

const std::vector<std::string> kFrameTypes = {"2.0A (11 bits)", "2.0B (29 bits)"};

TTableColumn Column(const char* attribute, int header, int width, TColor tint, std::vector<std::string> choices = {}) {
  return TTableColumn{.Attribute = attribute, .HeaderText = header, .Editor = choices.empty() ? teNormal : teComboList,
                      .Choices = std::move(choices), .Width = width, .Color = tint};
}

TTableFile FramesFile(const char* root, const char* section, std::vector<TTableColumn> columns) {
  return TTableFile{.Root = root, .Version = "1.100", .KeyColumn = 1, .TrimKey = false,
                    .Sections = {TTableSection{section, std::move(columns), kFrames, kNumberWidth, false, kWindowColour}}};
}

TTableFile BuildReceiveFile() {
  return FramesFile("PROFINET_to_Receive_CAN", "Receive_Frames",
                    {Column("Cob_Id", 1907, 110, kFrameTint), Column("Type", 1908, 85, kFrameTint, kFrameTypes),
                     Column("Dimension", 1909, 75, kFrameTint), Column("TimeOut", 1910, 85, kTimingTint),
                     Column("Mnemonic", 1911, 310, clWhite)});
}

TTableFile BuildSendFile() {
  return FramesFile("PROFINET_to_Send_CAN", "Send_Frames",
                    {Column("Cob_Id", 2107, 110, kFrameTint), Column("Type", 2108, 85, kFrameTint, kFrameTypes),
                     Column("Dimension", 2109, 71, kFrameTint),
                     Column("Send_Type", 2110, 106, kTimingTint, {"On Data Change", "On Timer"}),
                     Column("Timer_Send", 2111, 85, kTimingTint), Column("Mnemonic", 2112, 210, clWhite)});
}

// What tells the two tables' checks apart; their tests' texts follow FirstText in this order:
// type, 11-bit Cob-ID, 29-bit Cob-ID, dimension, time.
struct TFrameRules {
  int FirstText;
  int MinDimension;
  int TimeColumn;
};

enum TFrameStep { fsType, fsCobId11, fsCobId29, fsDimension, fsTime };

constexpr TFrameRules kReceiveRules{1913, 1, rfTimeOut};
constexpr TFrameRules kSendRules{2114, 0, sfTimer_Send};

std::optional<TCellFailure> TestFrame(const TFrameRules& rules, const TCellTableView& g, int r) {
  auto fail = [&](TFrameStep step) { return std::optional<TCellFailure>(TCellFailure{rules.FirstText + step, {}}); };
  auto outside = [&](int column, int lo, int hi) {
    const int v = CellNumber(g.Cells(column, r));
    return v < lo || v > hi;
  };
  const std::string type = Trim(g.Cells(rfType, r));
  if (type.empty()) return fail(fsType);
  // Compared unsigned, a negative Cob-ID and one that is no number (read as 0x80000000) fail
  // both bounds.
  const auto cobId = static_cast<std::uint32_t>(CellNumber(g.Cells(rfCob_Id, r), INT_MIN));
  if (UpperCase(type) == "2.0A (11 BITS)") {
    if (cobId > 0x7FF) return fail(fsCobId11);
  } else if (cobId > 0x1FFFFFFF) {
    return fail(fsCobId29);
  }
  if (outside(rfDimension, rules.MinDimension, 8)) return fail(fsDimension);
  if (outside(rules.TimeColumn, 0, 10000000)) return fail(fsTime);
  return std::nullopt;
}

}  // namespace

const TTableFile& CAN_Receive_Frames_File() {
  static const TTableFile file = BuildReceiveFile();
  return file;
}

const TTableFile& CAN_Send_Frames_File() {
  static const TTableFile file = BuildSendFile();
  return file;
}

TTableCheck Check_CAN_Receive_Frames(const TCellTableView& grid) {
  return WalkTableCheck(CAN_Receive_Frames_File(), {grid},
                        [](int, const TCellTableView& g, int r) { return TestFrame(kReceiveRules, g, r); });
}

TTableCheck Check_CAN_Send_Frames(const TCellTableView& grid) {
  return WalkTableCheck(CAN_Send_Frames_File(), {grid},
                        [](int, const TCellTableView& g, int r) { return TestFrame(kSendRules, g, r); });
}

}  // namespace hd
