#include "tables/j1939_transmit_form.h"

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kTextBase = 1600;
constexpr int kPrefixText = 1616;
constexpr int kDeleteText = 1624;
constexpr int kCopyRowText = 1626;
// Tints as 0x00BBGGRR: the frame, its bytes, its sending.
constexpr TColor kFrameTint = 0xFEFAE0;
constexpr TColor kBytesTint = 0xA8FFFF;
constexpr TColor kSendingTint = 0xCAFFCA;

TTableFile BuildFile() {
  TTableColumn numByte = Frame_Column("TP_NumByte", 1612, 60, kBytesTint);
  numByte.Default = "8";
  numByte.EmptyReadsDefault = true;
  // The header texts stand out of column order in the window's block.
  return Frame_File(
      "Receive_J1939", "", jtPGN,
      {Frame_Column("Priority", 1607, 50, kFrameTint), Frame_Combo("DataPage", 1608, 65, kFrameTint, {"0", "1"}),
       Frame_Column("PGN", 1609, 85, kFrameTint), Frame_Column("SA", 1610, 95, kFrameTint), numByte,
       Frame_Check("On_Request", 1613, 55, kSendingTint), Frame_Check("On_Data_Change", 1611, 80, kSendingTint),
       Frame_Check("On_Timer", 1625, 60, kSendingTint), Frame_Column("Send_Timer", 1614, 70, kSendingTint),
       Frame_Column("Mnemonic", 1615, 115, clWhite)});
}

std::optional<TCellFailure> TestFrame(const TCellTableView& g, int r) {
  if (!Cell_In_Range(g, jtPriority, r, 0, 7)) return TCellFailure{1617};
  if (g.Cells(jtDataPage, r).empty()) return TCellFailure{1618};
  if (!Cell_In_Range(g, jtPGN, r, 0, 0x1FFFF)) return TCellFailure{1619};
  if (!Cell_In_Range(g, jtSA, r, 0, 255)) return TCellFailure{1620};
  return std::nullopt;
}

}  // namespace

const TTableFile& Transmit_J1939_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_Transmit_J1939(const TCellTableView& grid, int numByteOut) {
  std::int64_t total = 0;
  return WalkTableCheck(Transmit_J1939_File(), {grid},
                        [&](int, const TCellTableView& g, int r) -> std::optional<TCellFailure> {
                          if (auto failure = TestFrame(g, r)) return failure;
                          // Its text ends in "and", the size joined without a blank.
                          if (!Cell_In_Range(g, jtTP_NumByte, r, 1, numByteOut)) return TCellFailure{1621, numByteOut};
                          if (auto failure = Add_Frame_Bytes(total, CellNumber(g.Cells(jtTP_NumByte, r)), numByteOut, 1622))
                            return failure;
                          if (g.Cells(jtOn_Timer, r) == "Y" && !Cell_In_Range(g, jtSend_Timer, r, 1, 65535))
                            return TCellFailure{1623};
                          return std::nullopt;
                        });
}

TFTransmitJ1939::TFTransmitJ1939(TComponent* owner, TAppState& state)
    : TJ1939TableForm(owner, state, Transmit_J1939_File(), kTextBase, kDeleteText, kCopyRowText) {
  SetName("FTransmitJ1939");
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFTransmitJ1939::Set_Lang() { Set_J1939_Texts(); }

void TFTransmitJ1939::FormShow(TObject*) {
  NUM_BYTE_OUT = Show_J1939({"Eth_NumByte_OUT", J1939_Default_Image_Size});
}

std::string TFTransmitJ1939::Table_Path() const { return FState.Path_Transmit_J1939; }

bool TFTransmitJ1939::Controllo_dati() {
  return Report_Check(Check_Transmit_J1939(*sga, NUM_BYTE_OUT), kPrefixText);
}

}  // namespace hd
