// The DMX default values window opened by its step: every one of the 512 channels is loaded,
// checked and written, whatever the file held.
#include "tables/dmx_default_values_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "grid/stringgrid/column_grid.h"
#include "tables/testkit/memory_table.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

constexpr const char* kFile = "DMX_Default_Values.xml";

std::string Row(const std::string& value, const std::string& mnemonic) {
  return "<Row Default_Value=\"" + value + "\" Mnemonic=\"" + mnemonic + "\"/>";
}

// The whole document OK writes: one Row per channel, rows 1 to n as given, the rest at "0".
std::string Document(const std::vector<std::string>& rows) {
  std::string text = "<DMX_Default_Values>";
  for (int r = 0; r < 512; ++r) text += r < static_cast<int>(rows.size()) ? rows[r] : Row("0", "");
  return text + "</DMX_Default_Values><!--SW_VERSION = 1.101-->";
}

class DMXDefaultValuesTest : public testkit::TableWindowFixture {};

TEST_F(DMXDefaultValuesTest, EveryChannelIsLoadedAndWrittenBackAsAWholeDocument) {
  std::vector<std::string> many;
  for (int r = 0; r < 600; ++r) many.push_back(Row(std::to_string(r % 256), "ch" + std::to_string(r + 1)));
  const std::vector<std::string> first512(many.begin(), many.begin() + 512);
  struct Case {
    const char* name;
    std::optional<std::string> file;  // none: no file
    std::string written;
  };
  const Case cases[] = {
      {"no file: 512 channels at 0", std::nullopt, Document({})},
      {"missing attributes read as their defaults, the rows after the file at 0",
       "<DMX_Default_Values><Row Mnemonic=\"lamp\"/><Row Default_Value=\"255\"/>"
       "<Row Default_Value=\" 7\" Mnemonic=\"a &amp; b\"/></DMX_Default_Values><!--SW_VERSION = 1.101-->",
       Document({Row("0", "lamp"), Row("255", ""), Row(" 7", "a &amp; b")})},
      {"rows past the 512th are left out", "<DMX_Default_Values>" + [&] {
         std::string s;
         for (const std::string& r : many) s += r;
         return s;
       }() + "</DMX_Default_Values>",
       Document(first512)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.file)
      WriteConfigFile(kFile, *c.file);
    else
      std::filesystem::remove(ConfigFile(kFile));
    Run([&](TFTessaroneFirmWare& main) {
      Open<TFDMXDefVal>(main, "TFDMXDefVal", [&](TFDMXDefVal& dmx) {
        EXPECT_EQ(dmx.ACG_DMX_Def_Val->RowCount(), 513);
        EXPECT_EQ(dmx.ACG_DMX_Def_Val->Cells(0, 512), "512");
        Kit.Click(dmx.Btn_OK);
        EXPECT_EQ(dmx.ModalResult(), mrOk);
      });
    });
    EXPECT_EQ(ReadConfigFile(kFile), c.written);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  }
}

TEST_F(DMXDefaultValuesTest, ShowingRestartsFromTheFileAndAnyBadValueKeepsTheWindowOpen) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFDMXDefVal>(main, "TFDMXDefVal", [&](TFDMXDefVal& dmx) {
      dmx.ACG_DMX_Def_Val->SetCells(1, 3, "42");
      dmx.ACG_DMX_Def_Val->SetRowCount(20);  // whatever shrank it, a showing has all channels
      Kit.Click(dmx.Btn_Cancel);
    });
    Open<TFDMXDefVal>(main, "TFDMXDefVal", [&](TFDMXDefVal& dmx) {
      TExtColumnGrid& g = *dmx.ACG_DMX_Def_Val;
      ASSERT_EQ(g.RowCount(), 513);
      EXPECT_EQ(g.Cells(1, 3), "0") << "Cancel wrote nothing";
      g.SetCells(1, 512, "256");
      Kit.Click(dmx.Btn_OK);
      EXPECT_EQ(dmx.ModalResult(), mrNone);
      Kit.Click(dmx.Btn_Cancel);
    });
    // With no file set for the table, OK says so and keeps the window open.
    Open<TFDMXDefVal>(main, "TFDMXDefVal", [&](TFDMXDefVal& dmx) {
      main.State().Path_DMX_Def_Val.clear();
      Kit.Click(dmx.Btn_OK);
      EXPECT_EQ(dmx.ModalResult(), mrNone);
      Kit.Click(dmx.Btn_Cancel);
    });
  });
  const std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], "Error row 512!! Default Value must be between 0 and 255");
  EXPECT_NE(boxes[1].find("no file"), std::string::npos) << boxes[1];
  EXPECT_EQ(ReadConfigFile(kFile), "");
}

TEST(DMXDefaultValues, TheCheckWalksEveryChannel) {
  struct Case {
    const char* name;
    std::string value;  // of channel 300; every other channel holds "0"
    int failedRow;      // 0: passes
  } cases[] = {
      {"0", "0", 0},       {"255", "255", 0},   {"hexadecimal", "$FF", 0}, {"256", "256", 300},
      {"-1", "-1", 300},   {"empty", "", 300},  {"a blank after", "5 ", 300}, {"a word", "five", 300},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::MemoryTable t(3);
    for (int r = 1; r < t.RowCount(); ++r) t.SetRow(r, {"0", ""});
    t.SetCells(1, 300, c.value);
    const TTableCheck check = Check_DMX_Default_Values(t);
    EXPECT_EQ(check.Passed() ? 0 : check.Row, c.failedRow);
    if (!check.Passed()) {
      EXPECT_EQ(check.Failure, (TCellFailure{1408, std::nullopt}));
    }
  }
}

}  // namespace
}  // namespace hd
