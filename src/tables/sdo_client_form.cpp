#include "tables/sdo_client_form.h"

#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kDeleteText = 1050;
constexpr int kReadTexts = 1032, kWriteTexts = 1041;

// The tests of a transfer in their order; each has its own text, consecutive in Lang_Table.
enum TSdoClientStep { csDevice, csIndex, csSubIndex, csNByte, csPollTime, csAddress };

TTableSection Section(const char* name, int firstHeader, bool onChange) {
  const int h = firstHeader;
  const int s = onChange ? 1 : 0;  // the columns after On_Change sit one place to the right
  std::vector<TTableColumn> columns = {
      CANopen_Column("Device_ID", h + 1, 60, CANopen_Object_Tint),
      CANopen_Column("Index", h + 2, 55, CANopen_Object_Tint),
      CANopen_Column("SubIndex", h + 3, 60, CANopen_Object_Tint),
      CANopen_Column("NByte", h + 4, 45, CANopen_Object_Tint),
      CANopen_Column("Poll_Time", h + 5, 60, CANopen_Timing_Tint)};
  if (onChange) columns.push_back(CANopen_Column("On_Change", h + 6, 68, CANopen_Timing_Tint, teDataCheckBox));
  for (int b = 1; b <= 4; ++b)
    columns.push_back(CANopen_Column("Address_B" + std::to_string(b), h + 5 + s + b, 70, CANopen_Place_Tint));
  columns.push_back(CANopen_Column("Mnemonic", h + 10 + s, onChange ? 95 : 165, clWhite));
  return TTableSection{.Name = name, .Columns = std::move(columns), .DataRows = 256, .BoldNumberHeader = true};
}

TTableFile BuildFile() {
  return TTableFile{.Root = "EtherNetIP_to_SDO_CANopen", .KeyColumn = crDevice_ID,
                    .Sections = {Section("SDO_Read", 1008, false), Section("SDO_Write", 1019, true)}};
}

// The read and write rows differ only in where the address bytes start.
std::optional<TCellFailure> TestTransfer(const TCellTableView& g, int r, int firstText, int firstAddress,
                                         std::int64_t limit) {
  auto fail = [&](TSdoClientStep step) { return std::optional<TCellFailure>(TCellFailure{firstText + step, {}}); };
  if (Outside_Range(g, crDevice_ID, r, 1, 127)) return fail(csDevice);
  if (Outside_Range(g, crIndex, r, 0x1000, 0xFFFF)) return fail(csIndex);
  if (Outside_Range(g, crSubIndex, r, 0, 255)) return fail(csSubIndex);
  const int nByte = CellNumber(g.Cells(crNByte, r));
  if (nByte != 1 && nByte != 2 && nByte != 4) return fail(csNByte);
  if (Outside_Range(g, crPoll_Time, r, 0, 100000000)) return fail(csPollTime);
  return Test_Address_Bytes(g, r, firstAddress, Object_Address_Bytes(nByte), firstText + csAddress, limit);
}

}  // namespace

const TTableFile& SDO_Client_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_SDO_Client(const TCellTableView& read, const TCellTableView& write, std::int64_t readLimit,
                             std::int64_t writeLimit) {
  return WalkTableCheck(SDO_Client_File(), {read, write}, [&](int grid, const TCellTableView& cells, int row) {
    return grid == 0 ? TestTransfer(cells, row, kReadTexts, crAddress_B1, readLimit)
                     : TestTransfer(cells, row, kWriteTexts, cwAddress_B1, writeLimit);
  });
}

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* owner, TAppState& state)
    : TTwoPageTableForm(owner, state, SDO_Client_File(), 1000, kDeleteText, "FSet_SDO_Client_Access", 798, 337,
                        "TS_SDO_Read", "TS_SDO_Write") {
  SetCaption("Set SDO Client Access");
  TS_SDO_Read = Page(0);
  TS_SDO_Write = Page(1);
}

void TFSet_SDO_Client_Access::Take_Image_Sizes(const TImageSizes& sizes) {
  EtherNetIP_NByte_IN = sizes.NB_Input;
  EtherNetIP_NByte_OUT = sizes.NB_Output;
}

std::string TFSet_SDO_Client_Access::Table_Path() const { return FState.Path_SDO_Client; }

bool TFSet_SDO_Client_Access::Controllo_dati() {
  return Report_Check(Check_SDO_Client(*sga, *sgb, std::int64_t{EtherNetIP_NByte_IN} - 1,
                                       std::int64_t{EtherNetIP_NByte_OUT} - 1),
                      SDO_Client_Prefix_Text);
}

}  // namespace hd
