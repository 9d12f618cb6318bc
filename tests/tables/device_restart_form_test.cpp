// The device restart window opened by its step: 127 nodes always, each read with its default,
// Select All and Clear All, and OK writing every node without a check.
#include "tables/device_restart_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

constexpr const char* kFile = "ReStart_Devices.xml";

std::string Node(const std::string& enable, const std::string& mnemonic) {
  return "<row Enable_ReStart=\"" + enable + "\" Mnemonic=\"" + mnemonic + "\"/>";
}

// Nodes 1 to n as given, the others as a showing without a file leaves them.
std::string Document(const std::vector<std::string>& nodes, const std::string& others = "N") {
  std::string text = "<Enable_ReStart_CANopen>";
  for (int n = 0; n < 127; ++n) text += n < static_cast<int>(nodes.size()) ? nodes[n] : Node(others, "");
  return text + "</Enable_ReStart_CANopen><!--SW_VERSION = 1.304-->";
}

class DeviceRestartTest : public testkit::TableWindowFixture {};

TEST_F(DeviceRestartTest, AShortFileLoadsWithItsDefaultsAndEveryNodeIsWrittenBack) {
  WriteConfigFile(kFile,
                  "<Enable_ReStart_CANopen><row Enable_ReStart=\"Y\" Mnemonic=\"drive\"/><row Mnemonic=\"pump\"/>"
                  "<row Enable_ReStart=\"Y\"/></Enable_ReStart_CANopen><!--SW_VERSION = 1.304-->");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFReStart_Devices>(main, "TFReStart_Devices", [&](TFReStart_Devices& form) {
      const TExtColumnGrid& g = *form.sga;
      EXPECT_EQ(g.RowCount(), 128);
      EXPECT_EQ(g.Cells(0, 127), "127");
      EXPECT_EQ(g.Cells(1, 2), "N") << "a missing Enable_ReStart reads as N";
      EXPECT_EQ(g.Cells(2, 3), "");
      EXPECT_EQ(g.Cells(1, 4), "N") << "nodes after the file";
      EXPECT_EQ(form.sga->Columns().Items(1)->Editor(), edDataCheckBox);
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(ReadConfigFile(kFile), Document({Node("Y", "drive"), Node("N", "pump"), Node("Y", "")}));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(DeviceRestartTest, SelectAllAndClearAllSetEveryNode) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFReStart_Devices>(main, "TFReStart_Devices", [&](TFReStart_Devices& form) {
      EXPECT_EQ(form.Caption(), "ReStart CANopen Devices");
      EXPECT_EQ(form.Btn_SelectAll->Caption(), "Select All");
      form.sga->SetCells(2, 5, "valve");
      Kit.Click(form.Btn_ClearAll);
      EXPECT_EQ(form.sga->Cells(1, 1), "N");
      Kit.Click(form.Btn_SelectAll);
      Kit.Click(form.Btn_OK);
    });
  });
  std::vector<std::string> nodes(127, Node("Y", ""));
  nodes[4] = Node("Y", "valve");
  EXPECT_EQ(ReadConfigFile(kFile), Document(nodes));

  // A file that is no XML is reported; the window shows every node cleared and OK writes
  // a whole table again.
  WriteConfigFile(kFile, "<Enable_ReStart_CANopen><row");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFReStart_Devices>(main, "TFReStart_Devices", [&](TFReStart_Devices& form) {
      EXPECT_EQ(form.sga->Cells(1, 1), "N");
      Kit.Click(form.Btn_SelectAll);
      form.Select_Clear_All_Click(nullptr);  // any sender but Select All clears
      Kit.Click(form.Btn_OK);
    });
  });
  EXPECT_EQ(ReadConfigFile(kFile), Document({}));
  EXPECT_EQ(BoxTexts().size(), 1u);
}

}  // namespace
}  // namespace hd
