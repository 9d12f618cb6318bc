#include "tables/modbus_tcp_master_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/bank_compile.h"
#include "platform/exceptions.h"
#include "tables/table_file.h"
#include "tables/testkit/memory_table.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::MemoryTable;

TEST(ModbusTcpMaster, CheckIPAddress) {
  struct Case {
    const char* text;
    bool invalid;
  } cases[] = {
      {"192.168.1.125", false},
      {"0.0.0.0", false},
      {"255.255.255.255", false},
      {" 192.168.1.125", false},  // the integer reading skips leading blanks
      {"$C0.168.1.0x7D", false},
      {"192.168.1.125 ", true},
      {"192.168.1.256", true},
      {"192.168.1", true},
      {"192.168.1.2.5", true},
      {"192.168..1", true},
      {"-1.0.0.0", true},
      {"", true},
      {"...", true},
  };
  for (const Case& c : cases) EXPECT_EQ(Check_IP_Address(c.text), c.invalid) << '"' << c.text << '"';
}

struct Edit {
  int grid;  // 0 read, 1 write
  int row;
  int column;
  std::string text;
};

// Two valid read and two valid write requests, and the English texts of the messages.
class RequestTables {
 public:
  RequestTables() {
    state_.Load_Default_Texts();
    for (int r = 1; r <= 2; ++r) {
      read_.SetRow(r, {"192.168.1.125", "502", "1", "Holding Register", "0", "2", "100", "3", "0", "", "N", "N", "m"});
      write_.SetRow(r, {"192.168.1.126", "502", "1", "Holding Register", "0", "2", "0", "N", "3", "0", "", "N", "N",
                        "N", ""});
    }
  }

  std::string Check(const std::vector<Edit>& edits, int nByteIn, int nByteOut) {
    for (const Edit& e : edits) (e.grid == 0 ? read_ : write_).SetCells(e.column, e.row, e.text);
    TTableCheck check = Controllo_dati(read_, write_, nByteIn, nByteOut);
    if (check.Passed()) return "";
    return check.Message(Modbus_Check_Prefix_Text, [this](int i) { return state_.Lang_Table[i]; });
  }

  MemoryTable& Read() { return read_; }
  MemoryTable& Write() { return write_; }

 private:
  TAppState state_;
  MemoryTable read_{14};
  MemoryTable write_{16};
};

TEST(ModbusTcpMaster, CheckMessagesOfTheFirstFailedTest) {
  const std::string R = "!! [Modbus Read] ";
  const std::string W = "!! [Modbus Write] ";
  const std::string coil = "Coil Status";
  struct Case {
    const char* name;
    std::vector<Edit> edits;
    std::string expected;  // empty: the check passes
    int nByteIn = 500;
    int nByteOut = 500;
  } cases[] = {
      {"valid requests", {}, ""},
      {"IP address with a trailing blank", {{0, 1, 1, "192.168.1.125 "}},
       "Error row 1" + R + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"port in hexadecimal after blanks", {{0, 1, 2, "  $FFFF"}}, ""},
      {"port beyond 16 bits", {{0, 1, 2, "0x10000"}}, "Error row 1" + R + "Port must be between 0 and 65535"},
      {"port with a trailing blank", {{0, 1, 2, "502 "}}, "Error row 1" + R + "Port must be between 0 and 65535"},
      {"slave ID 256", {{0, 1, 3, "256"}}, "Error row 1" + R + "Slave ID must be between 0 and 255"},
      {"empty type", {{0, 1, 4, ""}},
       "Error row 1" + R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
      {"address -1", {{0, 1, 5, "-1"}}, "Error row 1" + R + "Address must be between 0 and 65535"},
      {"126 registers", {{0, 1, 6, "126"}}, "Error row 1" + R + "NPoint must be between 1 and 125"},
      // Blanks or a type the device has no function for compiled to function 0.
      {"a blank type", {{0, 1, 4, "  "}},
       "Error row 1" + R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
      {"an unknown type", {{0, 1, 4, "Holding"}},
       "Error row 1" + R + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
      {"a type with a trailing blank", {{0, 1, 4, "Holding Register "}}, ""},
      {"126 coils", {{0, 1, 4, coil}, {0, 1, 6, "126"}, {0, 1, 10, "0"}}, ""},
      {"2001 inputs, type in other case and blanks", {{0, 1, 4, " input status "}, {0, 1, 6, "2001"}},
       "Error row 1" + R + "NPoint must be between 1 and 2000"},
      {"read poll time 0", {{0, 1, 7, "0"}}, "Error row 1" + R + "Poll Time must be between 1 and 100000000"},
      {"max error beyond", {{0, 1, 8, "100000001"}}, "Error row 1" + R + "Max Error must be between 0 and 100000000"},
      {"position outside the image", {{0, 1, 9, "500"}}, "Error row 1" + R + "Position must be between 0 and 499"},
      {"an image of 0 bytes", {}, "Error row 1" + R + "Position must be between 0 and -1", 0},
      {"bit request without a start bit", {{0, 1, 4, coil}}, "Error row 1" + R + "Bit must be between 0 and 7"},
      {"start bit 8", {{0, 1, 4, coil}, {0, 1, 10, "8"}}, "Error row 1" + R + "Bit must be between 0 and 7"},
      {"start bit that is no number", {{0, 1, 4, coil}, {0, 1, 10, "x"}},
       "Error row 1" + R + "Bit must be between 0 and 7"},
      // The record holds a register request's start bit too: it must be empty or fit 16 bits.
      {"register start bit that is no number", {{0, 1, 10, "x"}}, "Error row 1" + R + "Bit must be between 0 and 7"},
      {"register start bit 65536", {{0, 1, 10, "65536"}}, "Error row 1" + R + "Bit must be between 0 and 7"},
      {"register start bit 65535 or blank", {{0, 1, 10, "65535"}, {0, 2, 10, " "}}, ""},
      {"position beyond the record in a large image", {{0, 1, 9, "65536"}},
       "Error row 1" + R + "Position must be between 0 and 65535", 100000},
      {"last position of the record", {{0, 1, 9, "65535"}, {0, 1, 6, "1"}, {0, 2, 1, ""}}, "", 100000},
      {"last register byte 500", {{0, 1, 9, "499"}, {0, 1, 6, "1"}},
       "Error row 1" + R + "Too many bytes to save starting from the Position indicate"},
      {"last register byte 499", {{0, 1, 9, "498"}, {0, 1, 6, "1"}}, ""},
      {"2 coils from bit 7 end in byte 1", {{0, 1, 4, coil}, {0, 1, 10, "7"}},
       "Error row 1" + R + "Too many bytes to save starting from the Position indicate", 1},
      {"8 coils from bit 0 end in byte 0", {{0, 1, 4, coil}, {0, 1, 10, "0"}, {0, 1, 6, "8"}, {0, 2, 1, ""}}, "", 1},
      {"second read row", {{0, 2, 3, "-1"}}, "Error row 2" + R + "Slave ID must be between 0 and 255"},
      {"rows below a blank key are not checked", {{0, 1, 1, " "}, {0, 2, 3, "-1"}, {1, 1, 1, "\t"}}, ""},
      {"the read table is reported first", {{0, 2, 2, "x"}, {1, 1, 2, "x"}},
       "Error row 2" + R + "Port must be between 0 and 65535"},
      {"write IP address", {{1, 1, 1, "1.2.3"}},
       "Error row 1" + W + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {"write port", {{1, 1, 2, "65536"}}, "Error row 1" + W + "Port must be between 0 and 65535"},
      {"write slave ID with a trailing blank", {{1, 1, 3, "1 "}},
       "Error row 1" + W + "Slave ID must be between 0 and 255"},
      {"write type", {{1, 1, 4, ""}}, "Error row 1" + W + "Type must be Coil Status or Holding Register"},
      {"write address", {{1, 1, 5, "65536"}}, "Error row 1" + W + "Address must be between 0 and 65535"},
      {"124 registers written", {{1, 1, 6, "124"}}, "Error row 1" + W + "NPoint must be between 1 and 123"},
      {"input status cannot be written", {{1, 1, 4, "Input Status"}},
       "Error row 1" + W + "Type must be Coil Status or Holding Register"},
      {"1969 coils written", {{1, 2, 4, coil}, {1, 2, 6, "1969"}, {1, 2, 11, "0"}},
       "Error row 2" + W + "NPoint must be between 1 and 1968"},
      {"write poll time -1", {{1, 1, 7, "-1"}}, "Error row 1" + W + "Poll Time must be between 0 and 100000000"},
      {"write max error", {{1, 1, 9, ""}}, "Error row 1" + W + "Max Error must be between 0 and 100000000"},
      {"write position", {{1, 1, 10, "20"}}, "Error row 1" + W + "Position must be between 0 and 19", 500, 20},
      {"coil write without a start bit", {{1, 1, 4, coil}}, "Error row 1" + W + "Bit must be between 0 and 7"},
      {"last byte written", {{1, 1, 10, "18"}},
       "Error row 1" + W + "Too many bytes to read starting from the Position indicate", 500, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RequestTables tables;
    EXPECT_EQ(tables.Check(c.edits, c.nByteIn, c.nByteOut), c.expected);
  }
}

TEST(ModbusTcpMaster, SavedRequestsCompileIntoTheirRecords) {
  testkit::TempFolder tmp;
  MemoryTable read(14), write(16);
  read.SetRow(1, {"192.168.1.125", "502", "7", "Coil Status", "5", "10", "250", "3", "3", "2", "Y", "N", "coils"});
  read.SetRow(2, {"10.0.0.1", "$1F6", "1", "Holding Register", "100", "4", "1000", "0", "10", "", "N", "N", ""});
  write.SetRow(1, {"10.0.0.2", "503", "1", "Holding Register", "40", "1", "0", "Y", "5", "0", "", "N", "Y", "Y", ""});
  ASSERT_TRUE(Controllo_dati(read, write, 500, 500).Passed());
  const std::string path = tmp.File("ModbusTCPM_SetAccess.xml");
  SaveTableFile(ModbusTCPM_SetAccess_File(), path, {read, write});

  TBankCompile compile;
  compile.Build_Bin_Banks(tmp.File("ParGen.xml"), path);
  ASSERT_EQ(compile.Request_Count(), 3);
  // Position, Bit, PollTime, Slave_ID, Function, Address, NPoint, Port, IP_Address, MaxError, NByte, Flags
  EXPECT_EQ(compile.Modbus_Rules()[0], (Modbus_Rule{3, 2, 250, 7, 1, 5, 10, 502, 0xC0A8017D, 3, 2, mrSwap}));
  EXPECT_EQ(compile.Modbus_Rules()[1], (Modbus_Rule{10, 0, 1000, 1, 3, 100, 4, 502, 0x0A000001, 0, 8, 0}));
  EXPECT_EQ(compile.Modbus_Rules()[2],
            (Modbus_Rule{0, 0, 0, 1, 16, 40, 1, 503, 0x0A000002, 5, 2, mrOnChange | mrSwapWord}));
  EXPECT_EQ(compile.Modbus_Rules()[3], Modbus_Rule{});
}

// The check passed rows the compile then wrote otherwise: a type with a trailing blank became
// function 0, a position or register start bit above 65535 was cut to 16 bits. Every row the
// check passes now compiles into the numbers the check read; the rows it refuses stop the
// compile, naming the row and the attribute.
TEST(ModbusTcpMaster, TheCheckAndTheCompileReadEveryFieldAlike) {
  struct Case {
    const char* name;
    std::vector<std::string> read;  // one read row, in column order
    bool passes;
    Modbus_Rule rule;  // the record compiled, when the check passes
    const char* attribute = "";  // the attribute the compile names, when it does not
  } cases[] = {
      {"type with a trailing blank", {"10.0.0.1", "502", "1", "Holding Register ", "0", "2", "1", "0", "0", "", "N", "N", ""},
       true, {0, 0, 1, 1, 3, 0, 2, 502, 0x0A000001, 0, 4, 0}},
      {"type after blanks in other case", {" 10.0.0.1", "$1F6", "0x10", " coil status", "7", "9", "5", "6", "3", "7", "Y", "N", ""},
       true, {3, 7, 5, 16, 1, 7, 9, 502, 0x0A000001, 6, 2, mrSwap}},
      {"last position and start bit of the record", {"10.0.0.1", "502", "1", "Input Register", "0", "1", "1", "0", "65535", "65535", "N", "Y", ""},
       true, {65535, 65535, 1, 1, 4, 0, 1, 502, 0x0A000001, 0, 2, mrSwapWord}},
      {"position beyond 16 bits", {"10.0.0.1", "502", "1", "Holding Register", "0", "1", "1", "0", "65536", "", "N", "N", ""},
       false, {}, "Position"},
      {"register start bit beyond 16 bits", {"10.0.0.1", "502", "1", "Holding Register", "0", "1", "1", "0", "0", "65536", "N", "N", ""},
       false, {}, "Bit"},
      {"register start bit that is no number", {"10.0.0.1", "502", "1", "Holding Register", "0", "1", "1", "0", "0", "b", "N", "N", ""},
       false, {}, "Bit"},
      {"unknown type", {"10.0.0.1", "502", "1", "Register", "0", "1", "1", "0", "0", "", "N", "N", ""},
       false, {}, "Type"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::TempFolder tmp;
    MemoryTable read(14), write(16);
    read.SetRow(1, c.read);
    EXPECT_EQ(Controllo_dati(read, write, 100000, 500).Passed(), c.passes);
    // The file as OK writes it (the check aside), then the compile.
    const std::string path = tmp.File("ModbusTCPM_SetAccess.xml");
    SaveTableFile(ModbusTCPM_SetAccess_File(), path, {read, write});
    TBankCompile compile;
    if (c.passes) {
      compile.Build_Bin_Banks(tmp.File("ParGen.xml"), path);
      EXPECT_EQ(compile.Modbus_Rules()[0], c.rule);
      continue;
    }
    try {
      compile.Build_Bin_Banks(tmp.File("ParGen.xml"), path);
      ADD_FAILURE() << "compiled";
    } catch (const EConvertError& e) {
      const std::string place = "Cannot compile \"" + path + "\": row 1 of section \"Modbus_Read\", attribute \"" +
                                c.attribute + "\": \"" + c.read[static_cast<std::size_t>(c.attribute == std::string("Type") ? 3 : c.attribute == std::string("Bit") ? 9 : 8)] + "\" is not ";
      EXPECT_EQ(e.Message().substr(0, place.size()), place);
    }
  }
}

}  // namespace
}  // namespace hd
