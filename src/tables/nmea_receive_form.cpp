#include "tables/nmea_receive_form.h"

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kTextBase = 700;
constexpr int kPrefixText = 715;
constexpr int kDeleteText = 723;
// Tints as 0x00BBGGRR: the frame, its bytes, the cancel flag.
constexpr TColor kFrameTint = 0xFEFAE0;
constexpr TColor kBytesTint = 0xA8FFFF;
constexpr TColor kCancelTint = 0xCAFFCA;
// The largest message of the transport protocol and of a fast packet.
constexpr int kTransportBytes = 1785;
constexpr int kFastPacketBytes = 223;

TTableFile BuildFile() {
  return Frame_File("Receive_NMEA_2000", "1.002", nrPGN,
                    {Frame_Column("PGN", 707, 80, kFrameTint), Frame_Column("SA", 708, 100, kFrameTint),
                     Frame_Check("TP", 709, 115, kBytesTint), Frame_Check("FP", 710, 75, kBytesTint),
                     Frame_Column("TP_Start", 711, 65, kBytesTint), Frame_Column("TP_NByte", 712, 55, kBytesTint),
                     Frame_Check("Delete", 713, 75, kCancelTint), Frame_Column("Mnemonic", 714, 180, clWhite)});
}

}  // namespace

const TTableFile& Receive_NMEA_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_Receive_NMEA(const TCellTableView& grid, int numByteIn) {
  std::int64_t total = 0;
  return WalkTableCheck(Receive_NMEA_File(), {grid},
                        [&](int, const TCellTableView& g, int r) -> std::optional<TCellFailure> {
                          if (!Cell_In_Range(g, nrPGN, r, 0, 0x1FFFF)) return TCellFailure{716};
                          if (!Cell_In_Range(g, nrSA, r, 0, 255)) return TCellFailure{717};
                          std::int64_t bytes = 8;
                          // With both boxes ticked the transport protocol's limits apply.
                          const bool transport = g.Cells(nrTP, r) == "Y";
                          if (transport || g.Cells(nrFP, r) == "Y") {
                            const int maxBytes = transport ? kTransportBytes : kFastPacketBytes;
                            if (auto failure = Test_Byte_Range(g, r, nrTP_Start, nrTP_NByte, maxBytes,
                                                               transport ? 718 : 720))
                              return failure;
                            bytes = CellNumber(g.Cells(nrTP_NByte, r));
                          }
                          return Add_Frame_Bytes(total, bytes, numByteIn, 722);
                        });
}

TFReceiveNMEA::TFReceiveNMEA(TComponent* owner, TAppState& state)
    : TFrameTableForm(owner, state, Receive_NMEA_File(), kTextBase, kDeleteText, 810) {
  SetName("FReceiveNMEA");
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFReceiveNMEA::Set_Lang() { Set_Frame_Texts(); }

void TFReceiveNMEA::FormShow(TObject*) {
  NUM_BYTE_IN = Read_Image_Size({"EtherNetIP_NB_Input", Default_Image_Size});
  Load_Table();
}

std::string TFReceiveNMEA::Table_Path() const { return FState.Path_Receive_NMEA; }

bool TFReceiveNMEA::Controllo_dati() { return Report_Check(Check_Receive_NMEA(*sga, NUM_BYTE_IN), kPrefixText); }

}  // namespace hd
