// The per-user store: keys under the user's root kept in a file, integer and string values
// read back by a later store object, and the errors of values of the other type.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include "testkit/temp_folder.h"

namespace hd {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUserStoreFile(dir.File("cfg/store.ini")); }
  void TearDown() override { SetUserStoreFile(""); }
  testkit::TempFolder dir;
};

TEST_F(RegistryTest, ValuesWrittenUnderACreatedKeyComeBackInALaterStore) {
  {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Maker\\Grid\\", true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Maker\\Grid");
    reg.WriteInteger("Col0", 64);
    reg.WriteInteger("Neg", -2);
    reg.WriteString("Name", "two\r\nlines \\ \xC3\xA9");
  }
  TRegistry reg;
  EXPECT_TRUE(reg.KeyExists("software\\maker"));
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Maker"));
  ASSERT_TRUE(reg.OpenKeyReadOnly("GRID"));  // below the open key
  EXPECT_EQ(reg.ReadInteger("col0"), 64);
  EXPECT_EQ(reg.ReadInteger("Neg"), -2);
  EXPECT_TRUE(reg.ReadBool("Col0"));
  EXPECT_EQ(reg.ReadString("Name"), "two\r\nlines \\ \xC3\xA9");
  EXPECT_EQ(reg.GetDataType("Col0"), rdInteger);
  EXPECT_EQ(reg.GetDataType("Name"), rdString);
  EXPECT_EQ(reg.GetDataType("Col9"), rdUnknown);
  // Each type reads as itself only.
  EXPECT_THROW(reg.ReadInteger("Name"), ERegistryException);
  EXPECT_THROW(reg.ReadString("Col0"), ERegistryException);
  // A key opened for reading takes no writes.
  EXPECT_THROW(reg.WriteInteger("Col0", 1), ERegistryException);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Maker\\Grid", false));
  reg.WriteString("Col0", "70");
  EXPECT_EQ(reg.GetDataType("Col0"), rdString);
  EXPECT_FALSE(reg.OpenKey("\\Software\\Nobody", false));
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenRaisesTheSetError) {
  SetUserStoreFile(dir.Write("file", "x") + "/store.ini");
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Maker", true));
  try {
    reg.WriteInteger("Col0", 1);
    ADD_FAILURE() << "the store's folder is a file";
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'Col0'");
  }
}

}  // namespace
}  // namespace hd
