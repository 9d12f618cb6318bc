#include "app/bank_compile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "app/par_gen.h"
#include "app/testkit/expected_banks.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::Bytes;
using testkit::ExpectedBank1;
using testkit::ExpectedBank2;
using testkit::ExpectedBankK64;
using testkit::ExpectedRule;
using testkit::ParGenValues;
using testkit::SameBank;
using testkit::TBankFile;

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string RequestFile(const std::string& readRows, const std::string& writeRows) {
  return "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read>" + readRows + "</Modbus_Read><Modbus_Write>" + writeRows +
         "</Modbus_Write></EtherNetIP_to_Modbus_TCP_Master><!--SW_VERSION = 1.300-->";
}

// A row as the request window writes it, with the given attributes replaced or added.
std::string Row(const std::string& attributes) { return "<row " + attributes + "/>"; }

const char* kReadRow =
    R"(IP_Address="192.168.1.125" Port="502" Slave_ID="1" Type="Holding Register" Address="0" NPoint="2" )"
    R"(PollTime="100" MaxError="3" Position="0" Bit="" Swap="N" Swap_Word="N" Mnemonic="m")";
const char* kWriteRow =
    R"(IP_Address="192.168.1.125" Port="502" Slave_ID="1" Type="Holding Register" Address="0" NPoint="2" )"
    R"(PollTime="100" OnChange="N" MaxError="3" Position="0" Bit="" Swap="N" Swap_Word="N" Force_F16="N" )"
    R"(Mnemonic="m")";

class BankCompileTest : public ::testing::Test {
 protected:
  std::string ParGenPath() const { return tmp_.File("ParGen.xml"); }
  std::string RequestPath() const { return tmp_.File("ModbusTCPM_SetAccess.xml"); }
  std::string BankPath(const char* name) const { return tmp_.File(std::string("bin/") + name); }

  void Compile() {
    compile_.Build_Bin_Banks(ParGenPath(), RequestPath());
    compile_.Save_Bin_Banks(tmp_.Path());
  }

  void ExpectBanks(const Bytes& bank1, const Bytes& bank2, const Bytes& bankK64) {
    EXPECT_TRUE(SameBank(TBankFile::Bank1, testkit::ReadFile(BankPath("bank1.bin")), bank1));
    EXPECT_TRUE(SameBank(TBankFile::Bank2, testkit::ReadFile(BankPath("bank2.bin")), bank2));
    EXPECT_TRUE(SameBank(TBankFile::BankK64, testkit::ReadFile(BankPath("bank_K64_1.bin")), bankK64));
  }

  testkit::TempFolder tmp_;
  TBankCompile compile_;
};

// A failing whole-bank comparison says where the banks part and which field that is.
TEST(SameBank, NamesTheFirstDifferingOffsetAndItsField) {
  struct Case {
    TBankFile bank;
    int offset;
    const char* message;
  };
  const Case cases[] = {
      {TBankFile::Bank1, 305,
       "bank1.bin differs first at offset 305, byte 1 of Modbus TCP address (4 bytes at 304): 169, expected 168"},
      {TBankFile::BankK64, 96, "bank_K64_1.bin differs first at offset 96, fixed value 128: 129, expected 128"},
      {TBankFile::Bank2, 3 * 32 + 9, "bank2.bin differs first at offset 105, record 3, function code: 1, expected 0"},
      {TBankFile::Bank1, 1000, "bank1.bin differs first at offset 1000, no field, always 0: 1, expected 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    const Bytes expected = c.bank == TBankFile::Bank2  ? ExpectedBank2({})
                           : c.bank == TBankFile::Bank1 ? ExpectedBank1(ParGenValues{}, 0)
                                                        : ExpectedBankK64(ParGenValues{}, 0);
    Bytes actual = expected;
    ++actual[static_cast<std::size_t>(c.offset)];
    const ::testing::AssertionResult same = SameBank(c.bank, actual, expected);
    EXPECT_FALSE(same);
    EXPECT_EQ(std::string(same.message()), std::string(c.message) + "; differing bytes: 1");
  }
  const Bytes bank2 = ExpectedBank2({});
  EXPECT_EQ(std::string(SameBank(TBankFile::Bank2, Bytes(bank2.begin(), bank2.end() - 1), bank2).message()),
            "bank2.bin is 32767 bytes long, expected 32768;");
}

TEST_F(BankCompileTest, NeitherFileGivesTheResetBlocksAndAnEmptyTable) {
  Compile();  // the bin folder does not exist yet
  Bytes bank1 = testkit::ReadFile(BankPath("bank1.bin"));
  Bytes k64 = testkit::ReadFile(BankPath("bank_K64_1.bin"));
  EXPECT_EQ(testkit::StoredSum(bank1), 853u);
  EXPECT_EQ(testkit::StoredSum(k64), 3602u);
  ExpectBanks(ExpectedBank1(std::nullopt, 0), Bytes(32768, 0), ExpectedBankK64(std::nullopt, 0));
}

TEST_F(BankCompileTest, FreshConfigurationSavedByTheWindow) {
  SaveParGen(TParGen{}, ParGenPath());
  Compile();
  ExpectBanks(ExpectedBank1(ParGenValues{}, 0), Bytes(32768, 0), ExpectedBankK64(ParGenValues{}, 0));
}

TEST_F(BankCompileTest, EveryKindOfRequestWithEditedParameters) {
  WriteText(ParGenPath(),
            "<Par_Gen>"
            "<EtherNetIP_IP1>10</EtherNetIP_IP1><EtherNetIP_IP2>1</EtherNetIP_IP2>"
            "<EtherNetIP_IP3>2</EtherNetIP_IP3><EtherNetIP_IP4>300</EtherNetIP_IP4>"
            "<EtherNetIP_SM1>255</EtherNetIP_SM1><EtherNetIP_SM2>255</EtherNetIP_SM2>"
            "<EtherNetIP_SM3>0</EtherNetIP_SM3><EtherNetIP_SM4>0</EtherNetIP_SM4>"
            "<EtherNetIP_GAT1>10</EtherNetIP_GAT1><EtherNetIP_GAT2>1</EtherNetIP_GAT2>"
            "<EtherNetIP_GAT3>2</EtherNetIP_GAT3><EtherNetIP_GAT4>254</EtherNetIP_GAT4>"
            "<EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT>"
            "<EtherNetIP_PORT>1234</EtherNetIP_PORT>"
            "<EtherNetIP_NB_Input>100</EtherNetIP_NB_Input>"
            "<EtherNetIP_NB_Output>abc</EtherNetIP_NB_Output>"
            "<EtherNetIP_EN_Diagnostic>1</EtherNetIP_EN_Diagnostic>"
            "<EtherNetIP_Diagn_Add>5</EtherNetIP_Diagn_Add>"
            "<Modbus_TCP_Master_TimeOut>$9C4</Modbus_TCP_Master_TimeOut>"
            "<Modbus_TCP_Master_IP1>172</Modbus_TCP_Master_IP1><Modbus_TCP_Master_IP2>16</Modbus_TCP_Master_IP2>"
            "<Modbus_TCP_Master_IP3>0</Modbus_TCP_Master_IP3>"
            "<Modbus_TCP_Master_SM1>255</Modbus_TCP_Master_SM1><Modbus_TCP_Master_SM2>255</Modbus_TCP_Master_SM2>"
            "<Modbus_TCP_Master_SM3>255</Modbus_TCP_Master_SM3><Modbus_TCP_Master_SM4>128</Modbus_TCP_Master_SM4>"
            "<Modbus_TCP_Master_GAT1>172</Modbus_TCP_Master_GAT1><Modbus_TCP_Master_GAT2>16</Modbus_TCP_Master_GAT2>"
            "<Modbus_TCP_Master_GAT3>0</Modbus_TCP_Master_GAT3><Modbus_TCP_Master_GAT4>254</Modbus_TCP_Master_GAT4>"
            "<Modbus_TCP_Master_EN_GAT>0</Modbus_TCP_Master_EN_GAT>"
            "</Par_Gen><!--SW_VERSION = 1.300-->");
  ParGenValues p;
  p.IP = {10, 1, 2, 44};  // 300 keeps its low byte
  p.SM = {255, 255, 0, 0};
  p.GAT = {10, 1, 2, 254};
  p.NB_Input = 100;
  p.NB_Output = 496;   // not a number: default
  p.Diagnostic = 6;    // address + 1
  p.TimeOut = 2500;    // hexadecimal, as the windows accept it
  p.Cyclic = 100;      // missing: default
  p.MasterIP = {172, 16, 0, 10};  // IP4 missing: default
  p.MasterSM = {255, 255, 255, 128};
  p.MasterGAT = {255, 255, 255, 255};  // gateway not ticked

  WriteText(
      RequestPath(),
      RequestFile(
          Row(R"(IP_Address="192.168.1.125" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="17" )"
              R"(PollTime="100" MaxError="3" Position="0" Bit="3" Swap="N" Swap_Word="N" Mnemonic="coils")") +
              Row(R"(IP_Address=" 10.0.0.7" Slave_ID="44" Type="Input Status" Address="$10" NPoint="8" )"
                  R"(PollTime="100000000" MaxError="0" Position="4" Bit="7" Swap="Y" Swap_Word="y" OnChange="Y" )"
                  R"(Mnemonic="")") +
              Row(R"(IP_Address="192.168.0.10" Port="abc" Slave_ID="255" Type="holding register" Address="65535" )"
                  R"(NPoint="125" PollTime="1" MaxError="100000000" Position="10" Bit="" Swap="y" Swap_Word="Y" )"
                  R"(Mnemonic="")") +
              Row(R"(IP_Address="10.0.0.1" Port="1502" Slave_ID="2" Type="Input Register" Address="7" NPoint="72" )"
                  R"(PollTime="50" MaxError="1" Position="20" Bit=" " Mnemonic="")") +
              Row(R"(IP_Address="10.0.0.2" Port="502" Slave_ID="3" Type=" Coil Status" Address="1" NPoint="3" )"
                  R"(PollTime="50" MaxError="1" Position="30" Bit="0" Swap="N" Swap_Word="N" Mnemonic="")"),
          Row(R"(IP_Address="192.168.1.20" Port="502" Slave_ID="1" Type="Coil Status" Address="100" NPoint="1" )"
              R"(PollTime="0" OnChange="Y" MaxError="2" Position="0" Bit="5" Swap="N" Swap_Word="N" Force_F16="N" )"
              R"(Mnemonic="")") +
              Row(R"(IP_Address="192.168.1.20" Port="502" Slave_ID="1" Type="coil status" Address="101" NPoint="1" )"
                  R"(PollTime="10" OnChange="n" MaxError="2" Position="1" Bit="0" Swap="N" Swap_Word="N" )"
                  R"(Force_F16="y" Mnemonic="")") +
              "<!-- a note, not a request -->" +
              Row(R"(IP_Address="192.168.1.20" Port="502" Slave_ID="1" Type="Coil Status" Address="200" NPoint="20" )"
                  R"(PollTime="10" OnChange="N" MaxError="2" Position="2" Bit="1" Swap="Y" Swap_Word="N" )"
                  R"(Force_F16="N" Mnemonic="")") +
              Row(R"(IP_Address="192.168.1.21" Port="503" Slave_ID="4" Type="Holding Register" Address="40" NPoint="1" )"
                  R"(PollTime="10" OnChange="y" MaxError="2" Position="6" Bit="" Swap="N" Swap_Word="Y" )"
                  R"(Force_F16="N" Mnemonic="")") +
              Row(R"(IP_Address="192.168.1.21" Port="503" Slave_ID="4" Type="Holding Register" Address="41" NPoint="1" )"
                  R"(PollTime="10" OnChange="N" MaxError="2" Position="8" Bit="" Swap="N" Swap_Word="N" )"
                  R"(Force_F16="Y" Mnemonic="")") +
              Row(R"(IP_Address="192.168.1.21" Port="503" Slave_ID="4" Type="Holding Register" Address="50" NPoint="10" )"
                  R"(PollTime="10" OnChange="N" MaxError="2" Position="10" Bit="" Mnemonic="")") +
              Row(R"(IP_Address="192.168.1.22" Port="502" Slave_ID="5" Type="Holding Register" Address="1" NPoint="1" )"
                  R"(PollTime="10" OnChange="N" MaxError="2" Position="30" Bit="" Swap="N" Swap_Word="N" )"
                  R"(Force_F16="Y" Mnemonic="")") +
              Row(R"(IP_Address="192.168. 0.1" Slave_ID="6" Type="Holding Register" Address="3" NPoint="2" )"
                  R"(PollTime="10" OnChange="N" MaxError="2" Position="40" Bit="" Swap="N" Swap_Word="N" )"
                  R"(Force_F16="N" Mnemonic="")")));

  std::vector<ExpectedRule> rules = {
      // Reads: codes 1 to 4; bits pack 8 a byte, registers take 2 bytes, kept to 8 bits.
      {.Position = 0, .Bit = 3, .PollTime = 100, .Slave_ID = 1, .Function = 1, .Address = 0, .NPoint = 17,
       .Port = 502, .IP = {192, 168, 1, 125}, .MaxError = 3, .NByte = 3, .Flags = 0},
      {.Position = 4, .Bit = 7, .PollTime = 100000000, .Slave_ID = 44, .Function = 2, .Address = 16, .NPoint = 8,
       .Port = 502, .IP = {10, 0, 0, 7}, .MaxError = 0, .NByte = 1, .Flags = 4},
      {.Position = 10, .Bit = 0, .PollTime = 1, .Slave_ID = 255, .Function = 3, .Address = 65535, .NPoint = 125,
       .Port = 502, .IP = {192, 168, 0, 10}, .MaxError = 100000000, .NByte = 250, .Flags = 8},
      {.Position = 20, .Bit = 0, .PollTime = 50, .Slave_ID = 2, .Function = 4, .Address = 7, .NPoint = 72,
       .Port = 1502, .IP = {10, 0, 0, 1}, .MaxError = 1, .NByte = 144, .Flags = 0},
      // The type is trimmed as the request window's check trims it.
      {.Position = 30, .Bit = 0, .PollTime = 50, .Slave_ID = 3, .Function = 1, .Address = 1, .NPoint = 3,
       .Port = 502, .IP = {10, 0, 0, 2}, .MaxError = 1, .NByte = 1, .Flags = 0},
      // Writes follow the reads.
      {.Position = 0, .Bit = 5, .PollTime = 0, .Slave_ID = 1, .Function = 5, .Address = 100, .NPoint = 1,
       .Port = 502, .IP = {192, 168, 1, 20}, .MaxError = 2, .NByte = 1, .Flags = 1},
      {.Position = 1, .Bit = 0, .PollTime = 10, .Slave_ID = 1, .Function = 15, .Address = 101, .NPoint = 1,
       .Port = 502, .IP = {192, 168, 1, 20}, .MaxError = 2, .NByte = 1, .Flags = 0},
      {.Position = 2, .Bit = 1, .PollTime = 10, .Slave_ID = 1, .Function = 15, .Address = 200, .NPoint = 20,
       .Port = 502, .IP = {192, 168, 1, 20}, .MaxError = 2, .NByte = 3, .Flags = 4},
      {.Position = 6, .Bit = 0, .PollTime = 10, .Slave_ID = 4, .Function = 6, .Address = 40, .NPoint = 1,
       .Port = 503, .IP = {192, 168, 1, 21}, .MaxError = 2, .NByte = 2, .Flags = 9},
      {.Position = 8, .Bit = 0, .PollTime = 10, .Slave_ID = 4, .Function = 16, .Address = 41, .NPoint = 1,
       .Port = 503, .IP = {192, 168, 1, 21}, .MaxError = 2, .NByte = 2, .Flags = 0},
      {.Position = 10, .Bit = 0, .PollTime = 10, .Slave_ID = 4, .Function = 16, .Address = 50, .NPoint = 10,
       .Port = 503, .IP = {192, 168, 1, 21}, .MaxError = 2, .NByte = 20, .Flags = 0},
      {.Position = 30, .Bit = 0, .PollTime = 10, .Slave_ID = 5, .Function = 16, .Address = 1, .NPoint = 1,
       .Port = 502, .IP = {192, 168, 1, 22}, .MaxError = 2, .NByte = 2, .Flags = 0},
      {.Position = 40, .Bit = 0, .PollTime = 10, .Slave_ID = 6, .Function = 16, .Address = 3, .NPoint = 2,
       .Port = 502, .IP = {192, 168, 0, 1}, .MaxError = 2, .NByte = 4, .Flags = 0},
  };

  Compile();
  EXPECT_EQ(compile_.Request_Count(), 13);
  ExpectBanks(ExpectedBank1(p, 13), ExpectedBank2(rules), ExpectedBankK64(p, 13));
}

// A hand-edited file that starts with a declaration or a comment compiled no request at all.
TEST_F(BankCompileTest, ADeclarationAndCommentsBeforeTheRootAreSkipped) {
  WriteText(RequestPath(), "<?xml version=\"1.0\"?>\n<!-- edited -->\n" + RequestFile(Row(kReadRow), Row(kWriteRow)));
  compile_.Build_Bin_Banks(ParGenPath(), RequestPath());
  EXPECT_EQ(compile_.Request_Count(), 2);
  EXPECT_EQ(compile_.Modbus_Rules()[0].Function, 3);
  EXPECT_EQ(compile_.Modbus_Rules()[1].Function, 16);
}

TEST_F(BankCompileTest, FullTableCompilesAndOneRowMoreWritesNothing) {
  std::string reads, writes;
  for (int i = 0; i < 512; ++i) {
    reads += Row(kReadRow);
    writes += Row(kWriteRow);
  }
  WriteText(RequestPath(), RequestFile(reads, writes));
  Compile();
  ASSERT_EQ(compile_.Request_Count(), 1024);
  EXPECT_EQ(compile_.Modbus_Rules()[1023].Function, 16);
  Bytes bank1 = testkit::ReadFile(BankPath("bank1.bin"));
  Bytes bank2 = testkit::ReadFile(BankPath("bank2.bin"));
  Bytes k64 = testkit::ReadFile(BankPath("bank_K64_1.bin"));

  WriteText(RequestPath(), RequestFile(reads + Row(kReadRow), writes));
  TBankCompile again;
  try {
    again.Build_Bin_Banks(ParGenPath(), RequestPath());
    FAIL() << "1025 requests compiled";
  } catch (const ETooManyRequests& e) {
    EXPECT_EQ(e.Count(), 1025);
  }
  EXPECT_THROW(again.Save_Bin_Banks(tmp_.Path()), Exception);
  ExpectBanks(bank1, bank2, k64);
}

struct BadRow {
  const char* name;
  std::string readRow;
  std::string writeRow;
  const char* message;
};

void PrintTo(const BadRow& r, std::ostream* os) { *os << r.name; }

class BankCompileBadValueTest : public BankCompileTest, public ::testing::WithParamInterface<BadRow> {};

// The conversion error of the first bad value ends the compile; the banks of the previous one
// stay as they were, byte for byte.
TEST_P(BankCompileBadValueTest, LeavesThePreviousBanks) {
  WriteText(RequestPath(), RequestFile(Row(kReadRow), ""));
  Compile();
  Bytes bank1 = testkit::ReadFile(BankPath("bank1.bin"));
  Bytes bank2 = testkit::ReadFile(BankPath("bank2.bin"));
  Bytes k64 = testkit::ReadFile(BankPath("bank_K64_1.bin"));

  const BadRow& bad = GetParam();
  WriteText(RequestPath(), RequestFile(Row(kReadRow) + bad.readRow, bad.writeRow));
  try {
    compile_.Build_Bin_Banks(ParGenPath(), RequestPath());
    FAIL() << "compiled";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot compile \"" + RequestPath() + "\": " + bad.message);
  }
  EXPECT_THROW(compile_.Save_Bin_Banks(tmp_.Path()), Exception);
  ExpectBanks(bank1, bank2, k64);
}

std::string ReadWith(const std::string& attribute) {
  return Row(std::string(R"(IP_Address="10.0.0.1" Port="502" Type="Coil Status" Address="0" NPoint="1" )"
                         R"(PollTime="1" MaxError="1" Position="0" )") +
             attribute);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BankCompileBadValueTest,
    ::testing::Values(
        BadRow{"SlaveIdNotANumber", ReadWith(R"(Slave_ID="1x" Bit="0")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"Slave_ID\": \"1x\" is not a number from 0 to 255."},
        BadRow{"SlaveIdMissing", ReadWith(R"(Bit="0")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"Slave_ID\": missing; it must be a number from 0 to 255."},
        BadRow{"BitNotANumber", ReadWith(R"(Slave_ID="1" Bit="b")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"Bit\": \"b\" is not a start bit (0 to 7 for coils and inputs)."},
        BadRow{"BitMissing", ReadWith(R"(Slave_ID="1")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"Bit\": missing; it must be a start bit (0 to 7 for coils and inputs)."},
        BadRow{"IPWithThreeParts", Row(R"(IP_Address="192.168.0" Slave_ID="1" Bit="0")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"IP_Address\": \"192.168.0\" is not four numbers from 0 to 255 joined by dots."},
        BadRow{"IPWithFiveParts", Row(R"(IP_Address="192.168.0.1.5" Slave_ID="1" Bit="0")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"IP_Address\": \"192.168.0.1.5\" is not four numbers from 0 to 255 joined by dots."},
        BadRow{"PositionBeyondTheRecord", Row(R"(IP_Address="10.0.0.1" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" )"
                                              R"(PollTime="1" MaxError="1" Position="65536" Bit="0")"), "",
               "row 2 of section \"Modbus_Read\", attribute \"Position\": \"65536\" is not a byte position from 0 to 65535."},
        // Type and OnChange are texts, yet a request file without them is not valid either.
        BadRow{"ReadTypeMissing",
               Row(R"(IP_Address="10.0.0.1" Port="502" Slave_ID="1" Address="0" NPoint="1" PollTime="1" )"
                   R"(MaxError="1" Position="0" Bit="0")"),
               "", "row 2 of section \"Modbus_Read\", attribute \"Type\": missing; it must be a Modbus type of the section."},
        BadRow{"WriteTypeMissing", "",
               Row(R"(IP_Address="10.0.0.1" Port="502" Slave_ID="1" Address="0" NPoint="1" PollTime="1" )"
                   R"(OnChange="N" MaxError="1" Position="0" Bit="0")"),
               "row 1 of section \"Modbus_Write\", attribute \"Type\": missing; it must be a Modbus type of the section."},
        BadRow{"WriteInputRegister", "",
               Row(R"(IP_Address="10.0.0.1" Port="502" Slave_ID="1" Type="Input Register" Address="0" NPoint="1" )"
                   R"(PollTime="1" OnChange="N" MaxError="1" Position="0" Bit="")"),
               "row 1 of section \"Modbus_Write\", attribute \"Type\": \"Input Register\" is not a Modbus type of the section."},
        BadRow{"WriteOnChangeMissing", "",
               Row(R"(IP_Address="10.0.0.1" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" )"
                   R"(PollTime="1" MaxError="1" Position="0" Bit="0")"),
               "row 1 of section \"Modbus_Write\", attribute \"OnChange\": missing; it must be Y or N."},
        BadRow{"WritePollTimeMissing", "",
               Row(R"(IP_Address="10.0.0.1" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" )"
                   R"(OnChange="N" MaxError="1" Position="0" Bit="0")"),
               "row 1 of section \"Modbus_Write\", attribute \"PollTime\": missing; it must be a number from 0 to 100000000 (a read's poll time from 1)."}),
    [](const ::testing::TestParamInfo<BadRow>& info) { return info.param.name; });

TEST_F(BankCompileTest, UnwritableBinFolderNamesTheFileAndTheReason) {
  WriteText(tmp_.File("bin"), "a file where the folder belongs");
  compile_.Build_Bin_Banks(ParGenPath(), RequestPath());
  try {
    compile_.Save_Bin_Banks(tmp_.Path());
    FAIL() << "saved";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find(BankPath("bank1.bin")), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find(std::strerror(ENOTDIR)), std::string::npos) << e.Message();
  }
}

TEST_F(BankCompileTest, ABankThatCannotBeReplacedKeepsAllThreeOld) {
  Compile();
  Bytes bank1 = testkit::ReadFile(BankPath("bank1.bin"));
  Bytes k64 = testkit::ReadFile(BankPath("bank_K64_1.bin"));
  std::filesystem::remove(BankPath("bank2.bin"));
  std::filesystem::create_directory(BankPath("bank2.bin"));

  SaveParGen(TParGen{}, ParGenPath());
  compile_.Build_Bin_Banks(ParGenPath(), RequestPath());
  EXPECT_THROW(compile_.Save_Bin_Banks(tmp_.Path()), EInOutError);
  EXPECT_EQ(testkit::ReadFile(BankPath("bank1.bin")), bank1);
  EXPECT_EQ(testkit::ReadFile(BankPath("bank_K64_1.bin")), k64);
  EXPECT_TRUE(std::filesystem::is_directory(BankPath("bank2.bin")));
}

// A crash between the renames of the three files left banks of two different compiles.
TEST_F(BankCompileTest, KilledSavesLeaveTheBanksOfOneCompile) {
  TBankCompile empty, edited;
  empty.Build_Bin_Banks(ParGenPath(), RequestPath());  // neither file: the defaults
  SaveParGen(TParGen{}, ParGenPath());
  WriteText(RequestPath(), RequestFile(Row(kReadRow), ""));
  edited.Build_Bin_Banks(ParGenPath(), RequestPath());
  auto bytes = [](std::span<const std::uint8_t> s) { return Bytes(s.begin(), s.end()); };
  const std::vector<Bytes> first = {bytes(empty.Bank1()), bytes(empty.Bank2()), bytes(empty.Bank_K64())};
  const std::vector<Bytes> second = {bytes(edited.Bank1()), bytes(edited.Bank2()), bytes(edited.Bank_K64())};
  for (int k = 0; k < 3; ++k) ASSERT_NE(first[k], second[k]) << "bank " << k << " must tell the compiles apart";

  // Kills fall anywhere within a few saves: the child reports each finished save, and the
  // kill comes after a random number of them plus a random part of one more, so both compiles
  // are seen however fast or loaded the machine is.
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < 4; ++k) (k % 2 ? edited : empty).Save_Bin_Banks(tmp_.Path());
  const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / 4;
  std::mt19937 random(25);
  int seen[2] = {0, 0};
  for (int run = 0; run < 200; ++run) {
    int saved[2];
    ASSERT_EQ(::pipe(saved), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::write(saved[1], "s", 1);  // started
      for (int k = 0;; ++k) {
        (k % 2 ? edited : empty).Save_Bin_Banks(tmp_.Path());
        ::write(saved[1], "s", 1);
      }
    }
    const unsigned finished = random() % 4;
    char byte = 0;
    for (unsigned k = 0; k <= finished; ++k) ASSERT_EQ(::read(saved[0], &byte, 1), 1);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (saveTime.count() + 1)));
    ::kill(child, SIGKILL);
    ::close(saved[0]);
    ::close(saved[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the saving child failed by itself";
    const std::vector<Bytes> found = {testkit::ReadFile(BankPath("bank1.bin")), testkit::ReadFile(BankPath("bank2.bin")),
                                      testkit::ReadFile(BankPath("bank_K64_1.bin"))};
    ASSERT_TRUE(found == first || found == second) << "banks of two compiles after kill " << run;
    ++seen[found == second ? 1 : 0];
  }
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
  // The next save clears what the killed ones left.
  empty.Save_Bin_Banks(tmp_.Path());
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(tmp_.Path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"ModbusTCPM_SetAccess.xml", "ParGen.xml", "bin"}));
}

}  // namespace
}  // namespace hd
