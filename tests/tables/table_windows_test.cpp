// The table windows in the running program: each created at start-up in its place, each
// opened by its step, and only the windows the main window names re-labelled after a language
// change.
#include "tables/table_windows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/program_start.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/frame_table_form.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

class TableWindowsTest : public testkit::TableWindowFixture {};

TEST_F(TableWindowsTest, EveryTableWindowIsCreatedAtStartUpAndOpensThroughItsStep) {
  const std::set<std::string> order(Startup_Order().begin(), Startup_Order().end());
  std::set<std::string> stepped;
  for (const testkit::TTableStep& step : testkit::Table_Steps()) stepped.insert(step.Window);
  Run([&](TFTessaroneFirmWare& main) {
    std::set<std::string> registered;
    for (const auto& [name, window] : main.Table_Windows) {
      SCOPED_TRACE(name);
      registered.insert(name);
      ASSERT_NE(window.Form, nullptr);
      EXPECT_EQ(window.Form->ClassName(), name);
      EXPECT_TRUE(order.count(name)) << "created in its place of the start-up order";
    }
    EXPECT_EQ(registered, stepped) << "every window has its step, and every step its window";
    for (const testkit::TTableStep& step : testkit::Table_Steps()) {
      SCOPED_TRACE(step.Window);
      TCustomForm* opened = nullptr;
      OpenStep(main, step.Window, [&](TCustomForm* f) {
        opened = f;
        Kit.CloseByTitleBar(f);
      });
      EXPECT_EQ(opened, main.Table_Windows[step.Window].Form);
      EXPECT_EQ(main.State().*step.Path, ConfigFile(step.File));
    }
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(TableWindowsTest, ALanguageChangeRelabelsOnlyTheWindowsTheMainWindowNames) {
  Folder.Write("LANGUAGE/Italiano.lng",
               "STR1400 = Valori DMX\r\nSTR2400 = Riavvio\r\nSTR600 = Accesso\r\nSTR1200 = Funzioni\r\n"
               "STR1300 = Richieste\r\n"
               "STR700 = Ricezione NMEA\r\nSTR714 = Mnemonico\r\nSTR800 = Trasmissione NMEA\r\n"
               "STR1500 = Ricezione J1939\r\nSTR1514 = Mnemonico\r\nSTR1600 = Trasmissione J1939\r\n");
  Run([&](TFTessaroneFirmWare& main) {
    main.State().Current_Language = "Italiano";
    main.State().Load_Language();
    main.Change_Language();
    auto caption = [&](const char* name) { return main.Table_Windows[name].Form->Caption(); };
    EXPECT_EQ(caption("TFDMXDefVal"), "Valori DMX");
    EXPECT_EQ(caption("TFReStart_Devices"), "ReStart CANopen Devices");
    EXPECT_EQ(caption("TFSetAccess"), "Set Modbus Access");
    EXPECT_EQ(caption("TFAdvanceFunctions"), "Advance Functions");
    EXPECT_EQ(caption("TFModbus_TCP_Master_Set_Access"), "Set Modbus TCP Master Access");
    auto header = [&](const char* name, int col) {
      return dynamic_cast<TFrameTableForm&>(*main.Table_Windows[name].Form).sga->Cells(col, 0);
    };
    EXPECT_EQ(caption("TFReceiveNMEA"), "Ricezione NMEA");
    EXPECT_EQ(header("TFReceiveNMEA", 8), "Mnemonico");
    EXPECT_EQ(caption("TFTransmitNMEA"), "Trasmissione NMEA");
    EXPECT_EQ(caption("TFReceiveJ1939"), "Receive J1939 Frames");
    EXPECT_EQ(header("TFReceiveJ1939", 8), "Mnemonic");
    EXPECT_EQ(caption("TFTransmitJ1939"), "Transmit J1939 Frames");
  });
}

}  // namespace
}  // namespace hd
