// The main road through the program's real windows with its table windows: a new
// configuration, its communication parameters, a read and a write request typed into the Set
// Access window, OK, and Update Device compiling exactly those two requests into bank2.bin.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/bank_compile.h"
#include "app/main_form.h"
#include "app/new_project_form.h"
#include "app/par_gen_form.h"
#include "app/program_fixture.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/modbus_tcp_master_form.h"
#include "tables/table_windows.h"

namespace hd {
namespace {

class SetAccessRoadTest : public testing_app::ProgramFixture {
 protected:
  // Types the texts into the cells of a row as a user does: move to the cell, type, Enter.
  void TypeRow(TExtColumnGrid* grid, int row, const std::vector<std::pair<int, std::string>>& cells) {
    grid->SetFocus();
    for (const auto& [col, text] : cells) {
      grid->SetRow(row);
      grid->SetCol(col);
      Kit.Type(text);
      Kit.Press(VK_RETURN);
    }
  }
  void ClickTab(TPageControl* pages, int index) {
    const TRect tab = pages->TabRect(index);
    Kit.Click(pages, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
  }
};

TEST_F(SetAccessRoadTest, TypedRequestsReachBank2) {
  Layer_Windows = Table_Layer_Windows();
  Run([&](TFTessaroneFirmWare& main) {
    auto* access = dynamic_cast<TFModbus_TCP_Master_Set_Access*>(
        main.Table_Windows["TFModbus_TCP_Master_Set_Access"].Form);
    ASSERT_NE(access, nullptr);
    ClickInto(main.Btn_New, [&](TCustomForm*) {
      Kit.Type("Plant 1");
      Kit.Click(main.FNew_Project->Btn_OK);
    });
    ClickInto(main.Btn_Prm_Gen, [&](TCustomForm*) { Kit.Click(main.FParGen->Btn_OK); });

    ClickInto(main.Btn_Set_Access, [&](TCustomForm* f) {
      ASSERT_EQ(f, access);
      TypeRow(access->ACG_Modbus_Read, 1,
              {{1, "192.168.1.10"}, {2, "502"}, {3, "1"}, {4, "Holding Register"}, {5, "100"}, {6, "2"},
               {7, "250"}, {8, "3"}, {9, "4"}});
      ClickTab(access->PageControl1, 1);
      EXPECT_EQ(access->PageControl1->ActivePage(), access->TS_Modbus_Write);
      TypeRow(access->ACG_Modbus_Write, 1,
              {{1, "192.168.1.11"}, {2, "503"}, {3, "2"}, {4, "Coil Status"}, {5, "7"}, {6, "3"}, {7, "0"},
               {9, "5"}, {10, "6"}, {11, "1"}});
      Kit.Click(access->Btn_OK);
      EXPECT_EQ(access->ModalResult(), mrOk) << "the check passed and the window closes";
    });
    ClickInto(main.Btn_CreateBin, [&](TCustomForm* f) { Kit.CloseByTitleBar(f); });
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  });

  // Position, Bit, PollTime, Slave_ID, Function, Address, NPoint, Port, IP_Address, MaxError, NByte, Flags
  const Modbus_Rule read{4, 0, 250, 1, 3, 100, 2, 502, 0xC0A8010A, 3, 4, 0};
  const Modbus_Rule write{6, 1, 0, 2, 15, 7, 3, 503, 0xC0A8010B, 5, 1, 0};
  std::string expected(Bank2_Size, '\0');
  Put_Modbus_Rule(read, reinterpret_cast<std::uint8_t*>(expected.data()));
  Put_Modbus_Rule(write, reinterpret_cast<std::uint8_t*>(expected.data()) + Modbus_Rule_Size);
  EXPECT_EQ(Folder.Read("PROJECTS/Plant 1/bin/bank2.bin"), expected);
}

}  // namespace
}  // namespace hd
