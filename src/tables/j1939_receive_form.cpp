#include "tables/j1939_receive_form.h"

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "app/lb_button.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr int kTextBase = 1500;
constexpr int kPrefixText = 1515;
constexpr int kDeleteText = 1522;
constexpr int kCopyRowText = 1527;
// Tints as 0x00BBGGRR: the frame, the transport flag, its bytes, the cancel flag.
constexpr TColor kFrameTint = 0xFEFAE0;
constexpr TColor kTransportTint = 0xA8FFFF;
constexpr TColor kBytesTint = 0xCAFFCA;
constexpr TColor kCancelTint = 0xF4D6FC;
constexpr int kTransportBytes = 1785;
constexpr int kFrameBytes = 8;

TTableFile BuildFile() {
  return Frame_File(
      "Receive_J1939", "", jrPGN,
      {Frame_Combo("DataPage", 1507, 65, kFrameTint, {"0", "1"}), Frame_Column("PGN", 1508, 85, kFrameTint),
       Frame_Column("SA", 1509, 95, kFrameTint), Frame_Check("TP", 1510, 113, kTransportTint),
       Frame_Column("TP_Start", 1511, 65, kBytesTint), Frame_Column("TP_NByte", 1512, 55, kBytesTint),
       Frame_Check("Delete", 1513, 75, kCancelTint), Frame_Column("Mnemonic", 1514, 180, clWhite)});
}

// A byte range of a single frame: none (the whole frame), or both ends given, each a number of
// the frame's bytes, so that no text lowers the byte total.
std::optional<TCellFailure> TestFrameRange(const TCellTableView& g, int r) {
  const bool noStart = Trim(g.Cells(jrTP_Start, r)).empty();
  const bool noCount = Trim(g.Cells(jrTP_NByte, r)).empty();
  if (noStart && noCount) return std::nullopt;
  if (noStart || noCount) return TCellFailure{1523};
  if (!Cell_In_Range(g, jrTP_Start, r, 0, kFrameBytes)) return TCellFailure{1524};
  if (!Cell_In_Range(g, jrTP_NByte, r, 0, kFrameBytes)) return TCellFailure{1525};
  if (CellNumber(g.Cells(jrTP_Start, r)) + CellNumber(g.Cells(jrTP_NByte, r)) > kFrameBytes)
    return TCellFailure{1526};
  return std::nullopt;
}

}  // namespace

const TTableFile& Receive_J1939_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_Receive_J1939(const TCellTableView& grid, int numByteIn) {
  std::int64_t total = 0;
  return WalkTableCheck(
      Receive_J1939_File(), {grid}, [&](int, const TCellTableView& g, int r) -> std::optional<TCellFailure> {
        // The page itself is not tested: the combo offers only "0" and "1".
        if (g.Cells(jrDataPage, r).empty()) return TCellFailure{1516};
        if (!Cell_In_Range(g, jrPGN, r, 0, 0xFFFF)) return TCellFailure{1517};
        // Its text names 239, but source addresses up to 255 have always passed.
        if (!Cell_In_Range(g, jrSA, r, 0, 255)) return TCellFailure{1518};
        const bool transport = g.Cells(jrTP, r) == "Y";
        const auto failure =
            transport ? Test_Byte_Range(g, r, jrTP_Start, jrTP_NByte, kTransportBytes, 1519) : TestFrameRange(g, r);
        if (failure) return failure;
        const bool wholeFrame = !transport && Trim(g.Cells(jrTP_NByte, r)).empty();
        const std::int64_t bytes = wholeFrame ? kFrameBytes : CellNumber(g.Cells(jrTP_NByte, r));
        return Add_Frame_Bytes(total, bytes, numByteIn, 1521);
      });
}

TFReceiveJ1939::TFReceiveJ1939(TComponent* owner, TAppState& state)
    : TJ1939TableForm(owner, state, Receive_J1939_File(), kTextBase, kDeleteText, kCopyRowText) {
  SetName("FReceiveJ1939");
  // Of the buttons only Copy Row and Paste Row show their hints.
  SetShowHint(false);
  Btn_CopyRow->SetShowHint(true);
  Btn_PasteRow->SetShowHint(true);
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFReceiveJ1939::Set_Lang() { Set_J1939_Texts(); }

void TFReceiveJ1939::FormShow(TObject*) {
  NUM_BYTE_IN = Show_J1939({"Eth_NumByte_IN", J1939_Default_Image_Size});
}

std::string TFReceiveJ1939::Table_Path() const { return FState.Path_Receive_J1939; }

bool TFReceiveJ1939::Controllo_dati() {
  return Report_Check(Check_Receive_J1939(*sga, NUM_BYTE_IN), kPrefixText);
}

}  // namespace hd
