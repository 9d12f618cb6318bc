#include "tables/nmea_transmit_form.h"

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr int kTextBase = 800;
constexpr int kPrefixText = 816;
constexpr int kDeleteText = 825;
// Tints as 0x00BBGGRR: the frame, its bytes, its sending.
constexpr TColor kFrameTint = 0xFEFAE0;
constexpr TColor kBytesTint = 0xA8FFFF;
constexpr TColor kSendingTint = 0xCAFFCA;
constexpr int kFastPacketBytes = 223;

TTableFile BuildFile() {
  return Frame_File(
      "Transmit_NMEA_2000", "1.002", ntPGN,
      {Frame_Column("Priority", 807, 50, kFrameTint), Frame_Column("PGN", 808, 80, kFrameTint),
       Frame_Column("SA", 809, 95, kFrameTint), Frame_Check("TP", 810, 115, kBytesTint),
       Frame_Check("FP", 811, 75, kBytesTint), Frame_Column("TP_NByte", 812, 60, kBytesTint),
       Frame_Combo("T_Type", 813, 110, kSendingTint, {"On Data Change", "On Timer"}),
       Frame_Column("SendTimer", 814, 70, kSendingTint), Frame_Column("Mnemonic", 815, 90, clWhite)});
}

// The frame's own fields, before its bytes are counted.
std::optional<TCellFailure> TestFrame(const TCellTableView& g, int r) {
  if (!Cell_In_Range(g, ntPriority, r, 0, 7)) return TCellFailure{817};
  if (!Cell_In_Range(g, ntPGN, r, 0, 0x1FFFF)) return TCellFailure{818};
  if (!Cell_In_Range(g, ntSA, r, 0, 239)) return TCellFailure{819};
  return std::nullopt;
}

// The transmission type, in any letter case and between blanks, and the timer it may need.
std::optional<TCellFailure> TestSending(const TCellTableView& g, int r) {
  const std::string type = UpperCase(Trim(g.Cells(ntT_Type, r)));
  if (type != "ON DATA CHANGE" && type != "ON TIMER") return TCellFailure{823};
  if (type == "ON TIMER" && !Cell_In_Range(g, ntSendTimer, r, 1, 65535)) return TCellFailure{824};
  return std::nullopt;
}

}  // namespace

const TTableFile& Transmit_NMEA_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_Transmit_NMEA(const TCellTableView& grid, int numByteOut) {
  std::int64_t total = 0;
  return WalkTableCheck(Transmit_NMEA_File(), {grid},
                        [&](int, const TCellTableView& g, int r) -> std::optional<TCellFailure> {
                          if (auto failure = TestFrame(g, r)) return failure;
                          std::int64_t bytes = 8;
                          // With both boxes ticked the transport protocol's limit applies.
                          if (g.Cells(ntTP, r) == "Y") {
                            if (!Cell_In_Range(g, ntTP_NByte, r, 0, numByteOut)) return TCellFailure{820, numByteOut};
                            bytes = CellNumber(g.Cells(ntTP_NByte, r));
                          } else if (g.Cells(ntFP, r) == "Y") {
                            if (!Cell_In_Range(g, ntTP_NByte, r, 0, kFastPacketBytes)) return TCellFailure{821};
                            bytes = CellNumber(g.Cells(ntTP_NByte, r));
                          }
                          // A row over the image reports the total before a bad transmission type.
                          if (auto failure = Add_Frame_Bytes(total, bytes, numByteOut, 822)) return failure;
                          return TestSending(g, r);
                        });
}

TFTransmitNMEA::TFTransmitNMEA(TComponent* owner, TAppState& state)
    : TFrameTableForm(owner, state, Transmit_NMEA_File(), kTextBase, kDeleteText, 810) {
  SetName("FTransmitNMEA");
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFTransmitNMEA::Set_Lang() { Set_Frame_Texts(); }

void TFTransmitNMEA::FormShow(TObject*) {
  NUM_BYTE_OUT = Read_Image_Size({"EtherNetIP_NB_Output", Default_Image_Size});
  Load_Table();
}

std::string TFTransmitNMEA::Table_Path() const { return FState.Path_Transmit_NMEA; }

bool TFTransmitNMEA::Controllo_dati() {
  return Report_Check(Check_Transmit_NMEA(*sga, NUM_BYTE_OUT), kPrefixText);
}

}  // namespace hd
