#include "tables/pdo_form.h"

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kDeleteText = 958;
constexpr int kReceiveTexts = 936, kTransmitTexts = 947;
constexpr int kPDOs = 30;
constexpr int kMaxDimension = 8;

// The tests of a PDO in their order; each has its own text, consecutive in Lang_Table.
enum TPdoStep { psCOB_ID, psDimension, psAddress, psTiming = psAddress + kMaxDimension };

TTableSection Section(const char* name, int firstHeader, bool transmit) {
  const int h = firstHeader;
  std::vector<TTableColumn> columns = {CANopen_Column("COB-ID", h + 1, 65, CANopen_Object_Tint),
                                       CANopen_Column("Dimension", h + 2, 65, CANopen_Object_Tint)};
  for (int b = 1; b <= kMaxDimension; ++b)
    columns.push_back(CANopen_Column("Address_B" + std::to_string(b), h + 2 + b, 45, CANopen_Place_Tint));
  columns.push_back(CANopen_Column(transmit ? "Send_Time" : "TimeOut", h + 11, 65, CANopen_Timing_Tint));
  if (transmit) columns.push_back(CANopen_Column("On_Change", h + 12, 68, CANopen_Timing_Tint, teDataCheckBox));
  columns.push_back(CANopen_Column("Mnemonic", transmit ? h + 13 : h + 12, transmit ? 104 : 165, clWhite));
  return TTableSection{.Name = name, .Columns = std::move(columns), .DataRows = kPDOs, .BoldNumberHeader = true};
}

TTableFile BuildFile() {
  return TTableFile{.Root = "EtherNetIP_to_SDO_CANopen", .KeyColumn = prCOB_ID,
                    .Sections = {Section("Receive_PDO", 908, false), Section("Transmit_PDO", 921, true)}};
}

// Only the address bytes the Dimension uses are tested; the others are written as they stand.
std::optional<TCellFailure> TestPDO(const TCellTableView& g, int r, int firstText, std::int64_t limit) {
  auto fail = [&](int step) { return std::optional<TCellFailure>(TCellFailure{firstText + step, {}}); };
  if (Outside_Range(g, prCOB_ID, r, 0, 0x7FF)) return fail(psCOB_ID);
  if (Outside_Range(g, prDimension, r, 1, kMaxDimension)) return fail(psDimension);
  const int dimension = CellNumber(g.Cells(prDimension, r));
  if (auto f = Test_Address_Bytes(g, r, prAddress_B1, dimension, firstText + psAddress, limit)) return f;
  // TimeOut and Send Time share their column.
  if (Outside_Range(g, prTimeOut, r, 0, 100000000)) return fail(psTiming);
  return std::nullopt;
}

}  // namespace

const TTableFile& PDO_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_PDO(const TCellTableView& receive, const TCellTableView& transmit, std::int64_t receiveLimit,
                      std::int64_t transmitLimit) {
  return WalkTableCheck(PDO_File(), {receive, transmit}, [&](int grid, const TCellTableView& cells, int row) {
    return grid == 0 ? TestPDO(cells, row, kReceiveTexts, receiveLimit)
                     : TestPDO(cells, row, kTransmitTexts, transmitLimit);
  });
}

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* owner, TAppState& state)
    : TTwoPageTableForm(owner, state, PDO_File(), 900, kDeleteText, "FSet_PDO_Access", 798, 337, "TS_Receive_PDO",
                        "TS_Transmit_PDO") {
  SetCaption("Set PDO Access");
  TS_Receive_PDO = Page(0);
  TS_Transmit_PDO = Page(1);
}

void TFSet_PDO_Access::Take_Image_Sizes(const TImageSizes& sizes) {
  EtherNetIP_NByte_IN = sizes.NB_Input;
  EtherNetIP_NByte_OUT = sizes.NB_Output;
}

std::string TFSet_PDO_Access::Table_Path() const { return FState.Path_PDO; }

bool TFSet_PDO_Access::Controllo_dati() {
  return Report_Check(
      Check_PDO(*sga, *sgb, std::int64_t{EtherNetIP_NByte_IN} - 1, std::int64_t{EtherNetIP_NByte_OUT} - 1),
      PDO_Prefix_Text);
}

}  // namespace hd
