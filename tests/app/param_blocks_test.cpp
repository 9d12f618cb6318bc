#include "app/param_blocks.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/testkit/expected_banks.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::Bytes;

struct Blocks {
  TMain_Params m;
  TK64_Block k;
};

Blocks ReadFrom(const testkit::TempFolder& tmp, const std::string& file) {
  std::ofstream(tmp.File("ParGen.xml"), std::ios::binary) << file;
  Blocks b;
  Reset_Main_Params(b.m);
  Reset_K64_Block(b.k);
  Read_ParGen_File(tmp.File("ParGen.xml"), b.m, b.k);
  return b;
}

struct DiagnosticCase {
  const char* name;
  const char* elements;
  std::uint32_t value;
};

TEST(ReadParGenFile, DiagnosticCountsFromOneAndOnlyWhenTicked) {
  const DiagnosticCase cases[] = {
      {"ticked, address 5", "<EtherNetIP_EN_Diagnostic>1</EtherNetIP_EN_Diagnostic><EtherNetIP_Diagn_Add>5</EtherNetIP_Diagn_Add>", 6},
      {"ticked, not a number", "<EtherNetIP_EN_Diagnostic>1</EtherNetIP_EN_Diagnostic><EtherNetIP_Diagn_Add>x</EtherNetIP_Diagn_Add>", 1},
      {"ticked, address missing", "<EtherNetIP_EN_Diagnostic>1</EtherNetIP_EN_Diagnostic>", 0},
      {"not ticked", "<EtherNetIP_EN_Diagnostic>0</EtherNetIP_EN_Diagnostic><EtherNetIP_Diagn_Add>5</EtherNetIP_Diagn_Add>", 0},
  };
  testkit::TempFolder tmp;
  for (const DiagnosticCase& c : cases) {
    SCOPED_TRACE(c.name);
    Blocks b = ReadFrom(tmp, std::string("<Par_Gen>") + c.elements + "</Par_Gen>");
    EXPECT_EQ(b.m.DWord(300), c.value);
    EXPECT_EQ(b.k.DWord(384), c.value);
  }
}

TEST(ReadParGenFile, GatewayOnlyWhenTickedWithExactlyOne) {
  const std::pair<const char*, bool> cases[] = {{"1", true}, {"0", false}, {" 1", false}, {"01", false}};
  testkit::TempFolder tmp;
  for (auto [flag, used] : cases) {
    SCOPED_TRACE(flag);
    Blocks b = ReadFrom(tmp, std::string("<Par_Gen><EtherNetIP_GAT1>10</EtherNetIP_GAT1><EtherNetIP_GAT2>0</EtherNetIP_GAT2>"
                                         "<EtherNetIP_GAT3>0</EtherNetIP_GAT3><EtherNetIP_GAT4>1</EtherNetIP_GAT4>"
                                         "<EtherNetIP_EN_GAT>") +
                                 flag + "</EtherNetIP_EN_GAT></Par_Gen>");
    std::uint32_t expected = used ? 0x0100000Au : 0xFFFFFFFFu;  // 10.0.0.1, first number first
    EXPECT_EQ(b.m.DWord(48), expected);
    EXPECT_EQ(b.k.DWord(48), expected);
  }
}

// A file that exists but whose first node is not the root reads as all the file's defaults,
// which are not the reset values of a configuration without the file.
TEST(ReadParGenFile, FileStartingWithAnotherNodeGivesTheFileDefaults) {
  testkit::TempFolder tmp;
  Blocks b = ReadFrom(tmp, "<?xml version=\"1.0\"?><Par_Gen><EtherNetIP_IP1>1</EtherNetIP_IP1></Par_Gen>");
  Bytes bank1(Bank1_Size), k64(K64_Block_Size);
  Put_Main_Params(b.m, bank1);
  Put_K64_Block(b.k, 0, k64);
  EXPECT_TRUE(testkit::SameBank(testkit::TBankFile::Bank1, bank1, testkit::ExpectedBank1(testkit::ParGenValues{}, 0)));
  EXPECT_TRUE(
      testkit::SameBank(testkit::TBankFile::BankK64, k64, testkit::ExpectedBankK64(testkit::ParGenValues{}, 0)));
}

TEST(ReadParGenFile, UnparsableFileIsAnError) {
  testkit::TempFolder tmp;
  EXPECT_THROW(ReadFrom(tmp, "<Par_Gen><EtherNetIP_IP1>1</Par"), EXmlError);
}

TEST(PutK64Block, WritesAtThePositionAndRefusesAShortDestination) {
  TK64_Block k;
  Reset_K64_Block(k);
  Bytes dest(4096, 0xEE);
  EXPECT_EQ(Put_K64_Block(k, 100, dest), 2148);
  EXPECT_EQ(dest[99], 0xEE);
  EXPECT_EQ(dest[100], 0x90);  // 250000 little-endian
  EXPECT_EQ(dest[2148], 0xEE);
  EXPECT_THROW(Put_K64_Block(k, 2049, dest), std::out_of_range);
}

}  // namespace
}  // namespace hd
