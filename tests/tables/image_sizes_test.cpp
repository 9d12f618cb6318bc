#include "tables/image_sizes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::TempFolder;

TEST(ImageSizes, EachKeyIsReadOnItsOwn) {
  struct Case {
    const char* name;
    std::optional<std::string> content;  // none: no file
    int input, output;
    bool error;
  } cases[] = {
      {"no file", std::nullopt, 500, 500, false},
      {"both keys", "<Par_Gen><EtherNetIP_NB_Input>20</EtherNetIP_NB_Input>"
                    "<EtherNetIP_NB_Output>10</EtherNetIP_NB_Output></Par_Gen><!--SW_VERSION = 1.300-->",
       20, 10, false},
      {"one key missing, hexadecimal and blanks before the other",
       "<Par_Gen><EtherNetIP_NB_Output>  $20</EtherNetIP_NB_Output></Par_Gen>", 500, 32, false},
      {"a trailing blank, a word and child elements are no integers",
       "<Par_Gen><EtherNetIP_NB_Input>7 </EtherNetIP_NB_Input>"
       "<EtherNetIP_NB_Output><x>7</x></EtherNetIP_NB_Output></Par_Gen>",
       500, 500, false},
      {"a size far beyond the images", "<Par_Gen><EtherNetIP_NB_Input>2147483647</EtherNetIP_NB_Input></Par_Gen>",
       2147483647, 500, false},
      {"the first node is not the root", "<!--c--><Par_Gen><EtherNetIP_NB_Input>20</EtherNetIP_NB_Input></Par_Gen>",
       500, 500, false},
      {"not well-formed", "<Par_Gen><EtherNetIP_NB_Input>20</EtherNetIP_NB_Input>", 500, 500, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder tmp;
    if (c.content) tmp.Write("ParGen.xml", *c.content);
    TImageSizes sizes = ReadImageSizes(tmp.File("ParGen.xml"));
    EXPECT_EQ(sizes.NB_Input, c.input);
    EXPECT_EQ(sizes.NB_Output, c.output);
    if (c.error)
      EXPECT_NE(sizes.Error.find(tmp.File("ParGen.xml")), std::string::npos) << sizes.Error;
    else
      EXPECT_EQ(sizes.Error, "");
  }
}

TEST(ImageSizes, AnyKeyTakesItsOwnDefault) {
  TempFolder tmp;
  const std::vector<TParGenSize> sizes = {{"Eth_NumByte_IN", 496}, {"Eth_NumByte_OUT", 500}, {"EtherNetIP_NB_Input", 1}};
  const std::vector<TParGenText> texts = {{"PROFINET_IP1", "192"}, {"PROFINET_IP2", "168"}};
  EXPECT_EQ(ReadParGenSizes(tmp.File("ParGen.xml"), sizes).Values, (std::vector<int>{496, 500, 1}));

  tmp.Write("ParGen.xml",
            "<Par_Gen><Eth_NumByte_OUT>x</Eth_NumByte_OUT><EtherNetIP_NB_Input>64</EtherNetIP_NB_Input>"
            "<PROFINET_IP1> 10 </PROFINET_IP1><PROFINET_IP2><b/></PROFINET_IP2></Par_Gen>");
  EXPECT_EQ(ReadParGenSizes(tmp.File("ParGen.xml"), sizes).Values, (std::vector<int>{496, 500, 64}));
  // Texts are taken as they stand; one that is no plain text gives its default.
  EXPECT_EQ(ReadParGenTexts(tmp.File("ParGen.xml"), texts).Values, (std::vector<std::string>{" 10 ", "168"}));

  tmp.Write("ParGen.xml", "<Par_Gen>");
  const TParGenValues<std::string> broken = ReadParGenTexts(tmp.File("ParGen.xml"), texts);
  EXPECT_EQ(broken.Values, (std::vector<std::string>{"192", "168"}));
  EXPECT_NE(broken.Error.find("ParGen.xml"), std::string::npos) << broken.Error;
}

TEST(ImageSizes, PositionListsOfferTheBytesOfTheImage) {
  TStringList list;
  list.Add("old");
  FillPositionList(list, 10);
  EXPECT_EQ(list.CommaText(), "0,1,2,3,4,5,6,7,8,9");
  FillPositionList(list, 0);
  EXPECT_EQ(list.Count(), 0);
  FillPositionList(list, -5);
  EXPECT_EQ(list.Count(), 0);
  FillPositionList(list, 2147483647);
  ASSERT_EQ(list.Count(), Max_Position_Items);
  EXPECT_EQ(list[Max_Position_Items - 1], "65535");
}

}  // namespace
}  // namespace hd
