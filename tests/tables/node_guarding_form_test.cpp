// The node guarding table: its check on a table in memory, and the window opened by its step,
// reading every attribute with an empty default and writing its version after the root.
#include "tables/node_guarding_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/testkit/memory_table.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

using testkit::MemoryTable;

constexpr const char* kFile = "Node_Guarding.xml";

TEST(NodeGuardingCheck, FirstFailedTestOfEachDevice) {
  struct Case {
    const char* name;
    std::vector<std::string> row;  // NodeID, GuardTime, LifeTimeFactor, Mnemonic
    std::optional<int> text;       // the failed test's text; none: passes
  };
  const Case cases[] = {
      {"lowest values", {"1", "1", "1", ""}, std::nullopt},
      {"highest values", {"127", "65535", "255", "m"}, std::nullopt},
      {"hexadecimal values", {"0x7F", "$FFFF", "xFF", ""}, std::nullopt},
      {"Device ID 0", {"0", "1", "1", ""}, 2312},
      {"Device ID 128", {"128", "1", "1", ""}, 2312},
      {"Guard Time 0", {"1", "0", "1", ""}, 2313},
      {"Guard Time 65536", {"1", "65536", "1", ""}, 2313},
      {"no Guard Time", {"1", "", "1", ""}, 2313},
      {"Life Time Factor 0", {"1", "1", "0", ""}, 2314},
      {"Life Time Factor 256", {"1", "1", "256", ""}, 2314},
      {"a Device ID of blanks ends the table", {" ", "0", "0", ""}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTable t(5, 33);
    t.SetRow(1, {"5", "100", "3", ""});
    t.SetRow(2, c.row);
    const TTableCheck expected = c.text ? TTableCheck{0, 2, {*c.text, std::nullopt}} : TTableCheck{};
    EXPECT_EQ(Check_Node_Guarding(t), expected);
  }
}

class NodeGuardingFormTest : public testkit::TableWindowFixture {};

TEST_F(NodeGuardingFormTest, DevicesRoundTripWithTheirVersionAndEmptyDefaults) {
  // The second row lacks GuardTime: it loads empty and then fails the check.
  WriteConfigFile(kFile,
                  R"(<Node_Guarding><row NodeID="3" GuardTime="100" LifeTimeFactor="3" Mnemonic="drive"/>)"
                  R"(<row NodeID=" 4" LifeTimeFactor="2"/><row NodeID="" GuardTime="5"/>)"
                  R"(<row NodeID="9" GuardTime="1" LifeTimeFactor="1" Mnemonic="below the end"/>)"
                  "</Node_Guarding><!--SW_VERSION = 1.304-->");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFNodeGuard>(main, "TFNodeGuard", [&](TFNodeGuard& f) {
      EXPECT_EQ(f.Caption(), "Node Guarding Access");
      EXPECT_EQ(f.ClientWidth(), 700);
      EXPECT_EQ(f.ESG->RowCount(), 33);
      EXPECT_EQ(f.ESG->Cells(0, 32), "32");
      EXPECT_EQ(f.ESG->Cells(3, 0), "Life Time Factor");
      EXPECT_EQ(f.ESG->Cells(2, 2), "");
      EXPECT_EQ(f.ESG->Cells(4, 2), "");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrNone);
      f.ESG->SetCells(2, 2, "65535");
      // Delete the device after the blank one, through the shared row delete.
      f.ESG->SetRow(3);
      Kit.AnswerMessageBox(mrYes);
      Kit.Click(f.Btn_DelRow);
      EXPECT_EQ(f.ESG->Cells(1, 3), "9");
      EXPECT_EQ(f.ESG->Cells(0, 3), "3");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error row 2!! Guard Time must be between 1 and 65535 ms",
                                                  "Are you sure to delete the Row number 3"}));
  EXPECT_EQ(ReadConfigFile(kFile),
            R"(<Node_Guarding><row NodeID="3" GuardTime="100" LifeTimeFactor="3" Mnemonic="drive"/>)"
            R"(<row NodeID=" 4" GuardTime="65535" LifeTimeFactor="2" Mnemonic=""/>)"
            R"(<row NodeID="9" GuardTime="1" LifeTimeFactor="1" Mnemonic="below the end"/>)"
            "</Node_Guarding><!--SW_VERSION = 1.304-->");
}

}  // namespace
}  // namespace hd
