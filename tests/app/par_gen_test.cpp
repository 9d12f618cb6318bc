#include "app/par_gen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <pugixml.hpp>

#include "testkit/temp_folder.h"

namespace hd {
namespace {

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ParGenFile, FreshConfigurationSavesTheDefaultsInFileOrder) {
  testkit::TempFolder tmp;
  TParGen p;
  LoadParGen(p, tmp.File("ParGen.xml"));  // no file yet
  EXPECT_EQ(p, TParGen{});
  SaveParGen(p, tmp.File("ParGen.xml"));

  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file(tmp.File("ParGen.xml").c_str(), pugi::parse_default | pugi::parse_comments |
                                                                 pugi::parse_declaration));
  pugi::xml_node root = doc.first_child();
  EXPECT_STREQ(root.name(), "Par_Gen");
  EXPECT_EQ(root.next_sibling().type(), pugi::node_comment);
  EXPECT_STREQ(root.next_sibling().value(), "SW_VERSION = 1.300");
  EXPECT_FALSE(root.next_sibling().next_sibling());
  EXPECT_FALSE(root.first_attribute());

  std::vector<std::pair<std::string, std::string>> expected = {
      {"EtherNetIP_IP1", "192"}, {"EtherNetIP_IP2", "168"}, {"EtherNetIP_IP3", "0"}, {"EtherNetIP_IP4", "5"},
      {"EtherNetIP_SM1", "255"}, {"EtherNetIP_SM2", "255"}, {"EtherNetIP_SM3", "255"}, {"EtherNetIP_SM4", "0"},
      {"EtherNetIP_GAT1", "192"}, {"EtherNetIP_GAT2", "168"}, {"EtherNetIP_GAT3", "0"}, {"EtherNetIP_GAT4", "1"},
      {"EtherNetIP_EN_GAT", "0"}, {"EtherNetIP_PORT", "44818"}, {"EtherNetIP_NB_Input", "496"},
      {"EtherNetIP_NB_Output", "496"}, {"EtherNetIP_EN_Diagnostic", "0"}, {"EtherNetIP_Diagn_Add", "0"},
      {"Modbus_TCP_Master_TimeOut", "1000"}, {"Modbus_TCP_Master_Cyclic", "100"},
      {"Modbus_TCP_Master_IP1", "192"}, {"Modbus_TCP_Master_IP2", "168"}, {"Modbus_TCP_Master_IP3", "0"},
      {"Modbus_TCP_Master_IP4", "10"}, {"Modbus_TCP_Master_SM1", "255"}, {"Modbus_TCP_Master_SM2", "255"},
      {"Modbus_TCP_Master_SM3", "255"}, {"Modbus_TCP_Master_SM4", "0"}, {"Modbus_TCP_Master_GAT1", "192"},
      {"Modbus_TCP_Master_GAT2", "168"}, {"Modbus_TCP_Master_GAT3", "0"}, {"Modbus_TCP_Master_GAT4", "1"},
      {"Modbus_TCP_Master_EN_GAT", "0"}};
  std::vector<std::pair<std::string, std::string>> saved;
  for (pugi::xml_node e : root.children()) saved.emplace_back(e.name(), e.child_value());
  EXPECT_EQ(saved, expected);
}

TEST(ParGenFile, TextsAreKeptAsTypedAndChecksAsOneOrZero) {
  testkit::TempFolder tmp;
  TParGen p;
  p.EtherNetIP_IP1 = "012";
  p.EtherNetIP_GAT4 = "999";
  p.EtherNetIP_NB_Input = "1a";
  p.Modbus_TCP_Master_TimeOut = "";
  // Blanks came back empty and a CR as LF.
  p.EtherNetIP_IP2 = "  ";
  p.Modbus_TCP_Master_Cyclic = "\t";
  p.EtherNetIP_Diagn_Add = "1\r2";
  p.EtherNetIP_EN_GAT = true;
  p.Modbus_TCP_Master_EN_GAT = true;
  SaveParGen(p, tmp.File("ParGen.xml"));
  TParGen back;
  LoadParGen(back, tmp.File("ParGen.xml"));
  EXPECT_EQ(back, p);
  EXPECT_NE(ParGenToXml(p).find("<EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT>"), std::string::npos);
}

TEST(ParGenFile, LoadingFallsBackToDefaults) {
  struct Case {
    const char* name;
    std::string file;
    std::function<void(TParGen&)> expect;  // applied to the defaults
    bool unreadable = false;  // the load answers why, naming the file
  };
  std::vector<Case> cases = {
      {"another port reads as 44818", "<Par_Gen><EtherNetIP_PORT>80</EtherNetIP_PORT></Par_Gen>", [](TParGen&) {}},
      {"missing elements take defaults, present ones their text",
       "<Par_Gen><EtherNetIP_IP4>77</EtherNetIP_IP4><Modbus_TCP_Master_Cyclic/></Par_Gen>",
       [](TParGen& p) {
         p.EtherNetIP_IP4 = "77";
         p.Modbus_TCP_Master_Cyclic = "";
       }},
      {"a check box is ticked only by 1",
       "<Par_Gen><EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT><Modbus_TCP_Master_EN_GAT>true</Modbus_TCP_Master_EN_GAT>"
       "<EtherNetIP_EN_Diagnostic> 1</EtherNetIP_EN_Diagnostic></Par_Gen>",
       [](TParGen& p) { p.EtherNetIP_EN_GAT = true; }},
      {"an element holding elements is not text",
       "<Par_Gen><EtherNetIP_IP1><x>1</x></EtherNetIP_IP1></Par_Gen>", [](TParGen&) {}},
      {"a file that starts with a comment", "<!-- c --><Par_Gen><EtherNetIP_IP1>1</EtherNetIP_IP1></Par_Gen>",
       [](TParGen&) {}},
      {"a file that starts with a declaration",
       "<?xml version=\"1.0\"?><Par_Gen><EtherNetIP_IP1>1</EtherNetIP_IP1></Par_Gen>", [](TParGen&) {}},
      {"a file that does not parse", "<Par_Gen><EtherNetIP_IP1>1</Par", [](TParGen&) {}, true},
      {"a truncated file", "<Par_Gen><EtherNetIP_IP1>1</EtherNetIP_IP1>", [](TParGen&) {}, true},
      {"an empty file", "", [](TParGen&) {}, true},
  };
  testkit::TempFolder tmp;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteText(tmp.File("ParGen.xml"), c.file);
    TParGen p;
    p.EtherNetIP_IP2 = "stale";  // nothing of a previous load survives
    const std::string reason = LoadParGen(p, tmp.File("ParGen.xml"));
    TParGen expected;
    c.expect(expected);
    EXPECT_EQ(p, expected);
    if (c.unreadable)
      EXPECT_NE(reason.find(tmp.File("ParGen.xml")), std::string::npos) << reason;
    else
      EXPECT_EQ(reason, "");
  }
}

struct CheckCase {
  const char* name;
  std::function<void(TParGen&)> edit;
  int text;
  std::string suffix;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class ParGenCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ParGenCheckTest, FirstFailingCheck) {
  TParGen p;
  GetParam().edit(p);
  EXPECT_EQ(Controllo_Dati(p), (TParGenCheck{GetParam().text, GetParam().suffix}));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ParGenCheckTest,
    ::testing::Values(
        CheckCase{"Defaults", [](TParGen&) {}, -1, ""},
        CheckCase{"LeadingZeroAndHexPass", [](TParGen& p) { p.EtherNetIP_IP1 = "012"; p.EtherNetIP_SM4 = "$FF"; },
                  -1, ""},
        CheckCase{"IP1Above255", [](TParGen& p) { p.EtherNetIP_IP1 = "256"; }, 445, ""},
        CheckCase{"IP3NotANumber", [](TParGen& p) { p.EtherNetIP_IP3 = "1a"; }, 447, ""},
        CheckCase{"IP4Empty", [](TParGen& p) { p.EtherNetIP_IP4 = ""; }, 448, ""},
        CheckCase{"SM2Negative", [](TParGen& p) { p.EtherNetIP_SM2 = "-1"; }, 450, ""},
        CheckCase{"GatewayUntickedNotChecked", [](TParGen& p) { p.EtherNetIP_GAT1 = "999"; }, -1, ""},
        CheckCase{"GatewayTickedChecked",
                  [](TParGen& p) { p.EtherNetIP_EN_GAT = true; p.EtherNetIP_GAT4 = "999"; }, 456, ""},
        CheckCase{"PortNot44818", [](TParGen& p) { p.EtherNetIP_PORT = "44819"; }, 457, ""},
        CheckCase{"Input500Passes", [](TParGen& p) { p.EtherNetIP_NB_Input = "500"; }, -1, ""},
        CheckCase{"Input501", [](TParGen& p) { p.EtherNetIP_NB_Input = "501"; }, 458, "500"},
        CheckCase{"InputNegative", [](TParGen& p) { p.EtherNetIP_NB_Input = "-1"; }, 458, "500"},
        CheckCase{"Output0Passes", [](TParGen& p) { p.EtherNetIP_NB_Output = "0"; }, -1, ""},
        CheckCase{"Output497", [](TParGen& p) { p.EtherNetIP_NB_Output = "497"; }, 459, "496"},
        CheckCase{"DiagnosticLastOutputBytePasses",
                  [](TParGen& p) {
                    p.EtherNetIP_EN_Diagnostic = true;
                    p.EtherNetIP_NB_Output = "100";
                    p.EtherNetIP_Diagn_Add = "99";
                  },
                  -1, ""},
        CheckCase{"DiagnosticPastOutput",
                  [](TParGen& p) {
                    p.EtherNetIP_EN_Diagnostic = true;
                    p.EtherNetIP_NB_Output = "100";
                    p.EtherNetIP_Diagn_Add = "100";
                  },
                  498, "99"},
        CheckCase{"DiagnosticWithoutOutput",
                  [](TParGen& p) {
                    p.EtherNetIP_EN_Diagnostic = true;
                    p.EtherNetIP_NB_Output = "0";
                    p.EtherNetIP_Diagn_Add = "0";
                  },
                  498, "-1"},
        CheckCase{"DiagnosticUntickedNotChecked", [](TParGen& p) { p.EtherNetIP_Diagn_Add = "999"; }, -1, ""},
        CheckCase{"TimeOutStopsTheChain",
                  [](TParGen& p) {
                    p.Modbus_TCP_Master_TimeOut = "200000";
                    p.Modbus_TCP_Master_Cyclic = "10001";
                    p.Modbus_TCP_Master_IP1 = "300";
                  },
                  484, ""},
        CheckCase{"TimeOutLimitPasses", [](TParGen& p) { p.Modbus_TCP_Master_TimeOut = "100000"; }, -1, ""},
        CheckCase{"Cyclic10001", [](TParGen& p) { p.Modbus_TCP_Master_Cyclic = "10001"; }, 485, ""},
        CheckCase{"EtherNetIPBeforeMaster",
                  [](TParGen& p) { p.Modbus_TCP_Master_IP1 = "300"; p.EtherNetIP_SM4 = "300"; }, 452, ""},
        CheckCase{"MasterIP2", [](TParGen& p) { p.Modbus_TCP_Master_IP2 = "256"; }, 487, ""},
        CheckCase{"MasterSM1", [](TParGen& p) { p.Modbus_TCP_Master_SM1 = "x"; }, 490, ""},
        CheckCase{"MasterGatewayUntickedNotChecked", [](TParGen& p) { p.Modbus_TCP_Master_GAT3 = "999"; }, -1, ""},
        CheckCase{"MasterGatewayTicked",
                  [](TParGen& p) { p.Modbus_TCP_Master_EN_GAT = true; p.Modbus_TCP_Master_GAT3 = "999"; }, 496,
                  ""}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(ParGenCheck, MessageIsTheLanguageTextWithItsComposedTail) {
  TParGen p;
  p.EtherNetIP_NB_Input = "501";
  auto lang = [](int index) { return index == 458 ? std::string("Entrées entre 0 et ") : std::string("?"); };
  EXPECT_EQ(Controllo_Dati(p).Message(lang), "Entrées entre 0 et 500");
}

}  // namespace
}  // namespace hd
