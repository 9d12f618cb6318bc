// The standard colour names and the colour texts built on them.
#include "platform/color_idents.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace hd {
namespace {

TEST(ColorIdentsTest, ColoursWithANameUseItAndOthersTheirHexValue) {
  struct Case {
    TColor color;
    const char* text;
  } cases[] = {
      {clBlack, "clBlack"},          {clMedGray, "clMedGray"},       {clWindow, "clWindow"},
      {clNone, "clNone"},            {clDefault, "clDefault"},       {cl3DDkShadow, "cl3DDkShadow"},
      {clMenuBar, "clMenuBar"},      {0x123456, "$00123456"},        {SystemColor(25), "$FF000019"},
      {clHotLight, "clHotLight"},    {static_cast<TColor>(0x80FF00FF), "$80FF00FF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color);
  }
}

TEST(ColorIdentsTest, NamesReadWithoutRegardToCaseAndNumbersInDecimalOrHex) {
  TColor c = 0;
  EXPECT_TRUE(IdentToColor("CLbtnFACE", c));
  EXPECT_EQ(c, clBtnFace);
  EXPECT_FALSE(IdentToColor("clLtGray", c));  // an alias, not one of the names
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
  EXPECT_EQ(StringToColor("0xFF0000"), clBlue);
  for (const char* bad : {"", "clBogus", "12ab", "$"}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(StringToColor(bad), EConvertError);
  }
}

}  // namespace
}  // namespace hd
