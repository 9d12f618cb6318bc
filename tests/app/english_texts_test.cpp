#include "app/english_texts.h"

#include <gtest/gtest.h>

#include "app/app_state.h"

namespace hd {
namespace {

TEST(EnglishTexts, TableHoldsEveryNumberWithUnlistedOnesBlank) {
  TAppState state;
  EXPECT_EQ(state.Lang_Table_Size, 0);
  state.Load_Default_Texts();
  state.Load_Default_Texts();  // a reload starts from an empty list
  ASSERT_EQ(state.Lang_Table.Count(), 2500);
  EXPECT_EQ(state.Lang_Table_Size, 2500);

  int blanks = 0;
  for (int n = 0; n < 2500; ++n) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(state.Lang_Table[n].empty());
    if (state.Lang_Table[n] == " ") ++blanks;
  }
  // No listed text is a lone blank, so the blanks are exactly the unlisted numbers.
  EXPECT_EQ(blanks, 2500 - static_cast<int>(English_Texts().size()));
}

TEST(EnglishTexts, OddTextsStandAsWritten) {
  struct Case {
    int number;
    const char* text;
  } cases[] = {
      {0, "Begin"},
      {8, "Step 8"},
      {9, "None Configuration Opened "},
      {11, "Opened Configuration of the Converter : "},
      {57, "Set Rules for Node Gaurding and check the state of CANopen devices"},
      {60, "Step 9"},
      {61, " "},
      {100, "Create New Configuration"},
      {101, "Create New Configuration"},
      {202, "List of Avaliable Configurations"},
      {306, " / "},
      {404, " EtherNet/IP "},
      {447, "Error EtherNet/IP!! IP Address 3 must be between 0 and 255"},
      {470, " "},
      {473, " "},
      {474, "Do you want to exit without saving changes?"},
      {504, "Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000 and 44818"},
      {712, "N\xC2\xB0 Byte"},
      {823, "!! Transmition Type must be \"On Data Change\" or \"On Timer\""},
      {942, "!! [Receive PDO] Address Byte5 must be between 0 and "},
      {1008, "N\xC2\xB0"},
      {1117, "N\xC2\xB0"},
      {1334, "!! [Modbus Read] Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {1512, "N\xC2\xB0 Byte"},
      {1621, "!! Num Byte must be between 1 and"},
      {1634, "Insert the Priority of Transmit J1939 frame [0..7]"},
      {1700, "Update Firmware from Etherner (UDP)"},
      {2013, "Byte 8 of frame CAN go to byte"},
      {2024, " or none"},
      {2029, " in Byte "},
      {2219, "Error Byte 4!! Value have to be between 0 to "},
      {2408, "Mnemonic"},
      {2409, " "},
      {2499, " "},
  };
  TAppState state;
  state.Load_Default_Texts();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(state.Lang_Table[c.number], c.text);
  }
}

}  // namespace
}  // namespace hd
