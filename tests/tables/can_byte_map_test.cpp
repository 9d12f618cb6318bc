// The CAN byte maps without a window: the field rule, the image bytes fed twice, the pairing
// of map rows with frames by position, and the written file.
#include "tables/can_byte_map.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/english_texts.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;

std::string English(int number) {
  for (const TEnglishText& t : English_Texts())
    if (t.Number == number) return t.Text;
  return " ";
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// A frame file row per (Cob-ID, Dimension).
std::string Frames(const char* root, const char* section, const std::vector<std::pair<std::string, std::string>>& rows) {
  std::string text = std::string("<") + root + "><" + section + ">";
  for (const auto& [cob, dim] : rows)
    text += "<row Cob_Id=\"" + cob + "\" Type=\"2.0A (11 bits)\" Dimension=\"" + dim + "\" TimeOut=\"0\" Mnemonic=\"\"/>";
  return text + "</" + section + "></" + root + "><!--SW_VERSION = 1.100-->";
}

std::string MapRow(const std::vector<std::string>& b) {
  std::string row = "<row";
  for (std::size_t k = 0; k < b.size(); ++k) row += " B" + std::to_string(k + 1) + "=\"" + b[k] + "\"";
  return row + "/>";
}

std::string Map(const char* root, const std::vector<std::string>& rows) {
  std::string text = std::string("<") + root + ">";
  for (const std::string& r : rows) text += r;
  return text + "</" + root + "><!--SW_VERSION = 1.100-->";
}

const std::vector<std::string> kNone(8, "65535");

class CanByteMapTest : public ::testing::Test {
 protected:
  // Loads the receive map from the given files (none: the file is missing).
  std::vector<std::string> LoadReceive(TCanByteMap& map, std::optional<std::string> frames,
                                       std::optional<std::string> info, std::optional<std::string> parGen = {}) {
    auto place = [&](const char* name, const std::optional<std::string>& bytes) {
      return bytes ? folder.Write(name, *bytes) : folder.File(name);
    };
    return map.Load(place("ParGen.xml", parGen), place("Receive_Frame.xml", frames), place("Receive_Info.xml", info));
  }

  TempFolder folder;
};

TEST_F(CanByteMapTest, TheFieldRuleTakesNoneOrAPositionInsideTheImage) {
  struct Case {
    const char* name;
    std::string text;
    std::optional<int> position;  // none: refused; 65535: none
  } cases[] = {
      {"empty", "", 65535},         {"blanks", "   ", 65535},         {"none", "none", 65535},
      {"None with blanks", " NoNe ", 65535},                           {"0", "0", 0},
      {"last byte", "495", 495},    {"leading blanks", "  7", 7},     {"hexadecimal", "$10", 16},
      {"the image size", "496", std::nullopt},                         {"-1", "-1", std::nullopt},
      {"a word", "nine", std::nullopt},                                {"nones", "nones", std::nullopt},
      {"65535 is no position", "65535", std::nullopt},
  };
  TCanByteMap map(CAN_Receive_Map());
  LoadReceive(map, std::nullopt, std::nullopt);
  ASSERT_EQ(map.Num_Byte_Max(), 496);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<std::uint16_t> read = map.Read_Field(c.text);
    EXPECT_EQ(read ? std::optional<int>(*read) : std::nullopt, c.position);
  }
  EXPECT_EQ(map.Field_Error(1, English), "Error Byte 1!! Value have to be between 0 to 495 or none");

  // The send map's image is 500 bytes, and a hand-edited size beyond the 16-bit map still
  // leaves 65535 meaning none.
  TCanByteMap send(CAN_Send_Map());
  send.Load(folder.File("none.xml"), folder.File("none.xml"), folder.File("none.xml"));
  EXPECT_EQ(send.Field_Error(8, English), "Error Byte 8!! Value have to be between 0 to 499 or none");
  const std::string big = folder.Write("big.xml", "<Par_Gen><Eth_NumByte_OUT>100000</Eth_NumByte_OUT></Par_Gen>");
  send.Load(big, folder.File("none.xml"), folder.File("none.xml"));
  EXPECT_EQ(send.Num_Byte_Max(), 100000);
  EXPECT_EQ(send.Read_Field("65534"), std::optional<std::uint16_t>(65534));
  EXPECT_EQ(send.Read_Field("65535"), std::nullopt);
  EXPECT_EQ(send.Field_Error(2, English), "Error Byte 2!! Value have to be between 0 to 65534 or none");
}

TEST_F(CanByteMapTest, MapRowsPairWithFramesByPositionAndOnlyBytesInUseAreRead) {
  const std::string frames = Frames("PROFINET_to_Receive_CAN", "Receive_Frames", {{"0x181", "3"}, {"0x182", "8"}});
  struct Case {
    const char* name;
    std::vector<std::string> mapRows;
    std::vector<std::uint16_t> first, second;  // B1 to B8 of each frame after loading
  } cases[] = {
      {"fewer map rows than frames", {MapRow({"1", "2", "3", "4", "5", "6", "7", "8"})},
       {1, 2, 3, 65535, 65535, 65535, 65535, 65535},
       std::vector<std::uint16_t>(8, 65535)},
      {"more map rows than frames",
       {MapRow({"1", "2", "3", "65535", "65535", "65535", "65535", "65535"}),
        MapRow({"10", "11", "12", "13", "14", "15", "16", "17"}), MapRow({"20", "21", "22", "23", "24", "25", "26", "27"})},
       {1, 2, 3, 65535, 65535, 65535, 65535, 65535},
       {10, 11, 12, 13, 14, 15, 16, 17}},
      // Positions from the file are not range-tested; 16 bits keep "-1" as none.
      {"bytes beyond the length need no attribute", {MapRow({"400", "-1", "9000"}), MapRow(kNone)},
       {400, 65535, 9000, 65535, 65535, 65535, 65535, 65535},
       std::vector<std::uint16_t>(8, 65535)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCanByteMap map(CAN_Receive_Map());
    EXPECT_EQ(LoadReceive(map, frames, Map("Receive_Frames_Info", c.mapRows)), std::vector<std::string>{});
    ASSERT_EQ(map.Cob_Ids, (std::vector<std::string>{"0x181", "0x182"}));
    ASSERT_EQ(map.Data_arr.size(), 2u);
    EXPECT_EQ(map.Data_arr[0].Dim, 3);
    for (int k = 1; k <= 8; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(map.Data_arr[0].PosB(k), c.first[static_cast<std::size_t>(k - 1)]);
      EXPECT_EQ(map.Data_arr[1].PosB(k), c.second[static_cast<std::size_t>(k - 1)]);
    }
    // Every frame is written with all eight bytes, and no more rows than frames.
    const std::size_t rows = Count(map.Map_Text(), "<row ");
    EXPECT_EQ(rows, 2u);
  }
}

TEST_F(CanByteMapTest, AFailedReadingKeepsWhatStoodBeforeIt) {
  struct Case {
    const char* name;
    std::string frames, info;
    std::vector<std::string> cobIds;
    std::string failure;  // a part of the one failure shown
    std::uint16_t firstB1;
  } cases[] = {
      {"a frame without Dimension",
       "<PROFINET_to_Receive_CAN><Receive_Frames><row Cob_Id=\"1\" Dimension=\"2\"/><row Cob_Id=\"2\"/>"
       "</Receive_Frames></PROFINET_to_Receive_CAN>",
       Map("Receive_Frames_Info", {MapRow({"5", "6"})}), {"1"}, "row 2 has no whole number in \"Dimension\"", 5},
      {"a Dimension that is no number",
       "<PROFINET_to_Receive_CAN><Receive_Frames><row Cob_Id=\"1\" Dimension=\"two\"/></Receive_Frames>"
       "</PROFINET_to_Receive_CAN>",
       "", {}, "row 1 has no whole number in \"Dimension\"", 65535},
      {"no frames section", "<PROFINET_to_Receive_CAN/>", "", {}, "the section \"Receive_Frames\" is missing", 65535},
      {"a map row without a byte in use", Frames("PROFINET_to_Receive_CAN", "Receive_Frames", {{"1", "2"}, {"2", "1"}}),
       Map("Receive_Frames_Info", {MapRow({"5", "6"}), MapRow({})}), {"1", "2"}, "row 2 has no whole number in \"B1\"",
       5},
      {"a map that is not XML", Frames("PROFINET_to_Receive_CAN", "Receive_Frames", {{"1", "2"}}), "<Receive",
       {"1"}, "Receive_Info.xml", 65535},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCanByteMap map(CAN_Receive_Map());
    const std::vector<std::string> failures = LoadReceive(map, c.frames, c.info);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find(c.failure), std::string::npos) << failures[0];
    EXPECT_EQ(map.Cob_Ids, c.cobIds);
    ASSERT_EQ(map.Data_arr.size(), c.cobIds.size());
    if (!map.Data_arr.empty()) {
      EXPECT_EQ(map.Data_arr[0].PosB1, c.firstB1);
    }
  }
}

TEST_F(CanByteMapTest, AnImageByteFedTwiceIsFoundWhereverItIs) {
  struct Case {
    const char* name;
    std::vector<std::vector<std::uint16_t>> frames;  // the positions of each frame's bytes
    std::optional<TSharedByte> shared;
  } cases[] = {
      {"each byte once", {{0, 1, 2}, {3, 65535, 4}}, std::nullopt},
      {"nones never clash", {{65535, 65535}, {65535}}, std::nullopt},
      {"across frames", {{7, 10}, {10}}, TSharedByte{10, 1, 1, 0, 2}},
      {"inside one frame", {{1, 2, 1}}, TSharedByte{1, 0, 3, 0, 1}},
      {"the first clash in walking order", {{3, 4}, {4, 3}}, TSharedByte{4, 1, 1, 0, 2}},
      // A hand-edited map or a large image brings positions far past 500.
      {"beyond 500", {{501}, {65534}, {65534}}, TSharedByte{65534, 2, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCanByteMap map(CAN_Receive_Map());
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
      TRecInfo info;
      info.Dim = 8;
      for (std::size_t k = 0; k < c.frames[i].size(); ++k) info.PosB(static_cast<int>(k) + 1) = c.frames[i][k];
      map.Data_arr.push_back(info);
      map.Cob_Ids.push_back("0x18" + std::to_string(i + 1));
    }
    EXPECT_EQ(map.Find_Shared_Byte(), c.shared);
  }

  TCanByteMap map(CAN_Receive_Map());
  map.Cob_Ids = {"0x181", "0x182"};
  EXPECT_EQ(map.Shared_Byte_Message(TSharedByte{10, 1, 1, 0, 3}, English),
            "Error!! The Byte 10 is used in COB ID 0x182 in Byte 1 and in COB ID 0x181 in Byte 3");
}

TEST_F(CanByteMapTest, TheMapFileHoldsEveryFrameWithAllEightBytes) {
  TCanByteMap map(CAN_Send_Map());
  map.Cob_Ids = {"0x201", "0x202", "0x203"};
  TRecInfo shortFrame;
  shortFrame.Dim = 2;
  shortFrame.PosB1 = 0;
  shortFrame.PosB2 = 499;
  shortFrame.PosB3 = 7;  // beyond the frame's length since it was shortened: written as none
  TRecInfo empty;        // length 0
  TRecInfo full;
  full.Dim = 8;
  for (int k = 1; k <= 8; ++k) full.PosB(k) = static_cast<std::uint16_t>(k == 4 ? 65535 : 10);
  map.Data_arr = {shortFrame, empty, full};
  const std::string expected = "<Send_Frames_Info>" +
                               MapRow({"0", "499", "65535", "65535", "65535", "65535", "65535", "65535"}) +
                               MapRow(kNone) + MapRow({"10", "10", "10", "65535", "10", "10", "10", "10"}) +
                               "</Send_Frames_Info><!--SW_VERSION = 1.100-->";
  EXPECT_EQ(map.Map_Text(), expected);
  map.Save_Map(folder.File("Send_Info.xml"));
  EXPECT_EQ(folder.Read("Send_Info.xml"), expected);
  EXPECT_THROW(map.Save_Map(""), EFCreateError);

  TCanByteMap none(CAN_Receive_Map());
  EXPECT_EQ(none.Map_Text(), "<Receive_Frames_Info/><!--SW_VERSION = 1.100-->");
}

}  // namespace
}  // namespace hd
