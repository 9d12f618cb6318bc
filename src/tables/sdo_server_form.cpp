#include "tables/sdo_server_form.h"

#include <algorithm>

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/english_texts.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"

namespace hd {

namespace {

constexpr int kDeleteText = 1141;
constexpr int kReadTexts = 1127, kWriteTexts = 1134;

// The tests of a row in their order; each has its own text, consecutive in Lang_Table.
enum TSdoServerStep { ssStepIndex, ssStepSubIndex, ssStepNByte, ssStepAddress };

TTableSection Section(const char* name, int firstHeader) {
  const int h = firstHeader;
  return TTableSection{
      .Name = name,
      .Columns = {CANopen_Column("Index", h + 1, 65, CANopen_Object_Tint),
                  CANopen_Column("SubIndex", h + 2, 61, CANopen_Object_Tint),
                  CANopen_Column("NByte", h + 3, 55, CANopen_Object_Tint),
                  CANopen_Column("Address_B1", h + 4, 80, CANopen_Place_Tint),
                  CANopen_Column("Address_B2", h + 5, 80, CANopen_Place_Tint),
                  CANopen_Column("Address_B3", h + 6, 80, CANopen_Place_Tint),
                  CANopen_Column("Address_B4", h + 7, 80, CANopen_Place_Tint),
                  CANopen_Column("Mnemonic", h + 8, 170, clWhite)},
      .DataRows = 500,
      .BoldNumberHeader = true};
}

TTableFile BuildFile() {
  return TTableFile{.Root = "EtherNetIP_to_SDO_CANopen", .KeyColumn = ssIndex,
                    .Sections = {Section("SDO_Read", 1108), Section("SDO_Write", 1117)}};
}

std::optional<TCellFailure> TestObject(const TCellTableView& g, int r, int firstText, std::int64_t limit) {
  auto fail = [&](TSdoServerStep step) { return std::optional<TCellFailure>(TCellFailure{firstText + step, {}}); };
  if (Outside_Range(g, ssIndex, r, 0x2000, 0x5FFF)) return fail(ssStepIndex);
  if (Outside_Range(g, ssSubIndex, r, 0, 255)) return fail(ssStepSubIndex);
  const int nByte = CellNumber(g.Cells(ssNByte, r));
  if (nByte != 1 && nByte != 2 && nByte != 4) return fail(ssStepNByte);
  return Test_Address_Bytes(g, r, ssAddress_B1, Object_Address_Bytes(nByte), firstText + ssStepAddress, limit);
}

// The built-in English text, whatever language the user chose.
std::string English(int number) {
  const auto texts = English_Texts();
  const auto it = std::lower_bound(texts.begin(), texts.end(), number,
                                   [](const TEnglishText& t, int n) { return t.Number < n; });
  return it != texts.end() && it->Number == number ? it->Text : " ";
}

}  // namespace

const TTableFile& SDO_Server_File() {
  static const TTableFile file = BuildFile();
  return file;
}

TTableCheck Check_SDO_Server(const TCellTableView& read, const TCellTableView& write, std::int64_t readLimit,
                             std::int64_t writeLimit) {
  return WalkTableCheck(SDO_Server_File(), {read, write}, [&](int grid, const TCellTableView& cells, int row) {
    return grid == 0 ? TestObject(cells, row, kReadTexts, readLimit) : TestObject(cells, row, kWriteTexts, writeLimit);
  });
}

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* owner, TAppState& state)
    : TTwoPageTableForm(owner, state, SDO_Server_File(), 1100, kDeleteText, "FSet_SDO_Server_Access", 798, 337,
                        "TS_SDO_Read", "TS_SDO_Write") {
  SetCaption("Set SDO Server Access");
  TS_SDO_Read = Page(0);
  TS_SDO_Write = Page(1);
}

void TFSet_SDO_Server_Access::Take_Image_Sizes(const TImageSizes& sizes) {
  EtherNetIP_NByte_IN = sizes.NB_Output;
  EtherNetIP_NByte_OUT = sizes.NB_Input;
}

std::string TFSet_SDO_Server_Access::Table_Path() const { return FState.Path_SDO_Server; }

bool TFSet_SDO_Server_Access::Controllo_dati() {
  const TTableCheck check = Check_SDO_Server(*sga, *sgb, std::int64_t{EtherNetIP_NByte_IN} - 1,
                                             std::int64_t{EtherNetIP_NByte_OUT} - 1);
  if (!check.Passed()) Show_Error(check.Message(SDO_Server_Prefix_Text, English));
  return Report_Check(check, SDO_Server_Prefix_Text);
}

}  // namespace hd
