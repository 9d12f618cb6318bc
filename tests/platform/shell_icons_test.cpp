#include "platform/shell_icons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/raw_resources.h"
#include "platform/recording_canvas.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

TEST(ShellIcons, PathsAndStockNumbersGiveIconsOfTheirSize) {
  testkit::TempFolder tmp;
  const std::string file = tmp.Write("notes.txt", "x");
  EXPECT_TRUE(IsDirectoryPath(tmp.Path()));
  EXPECT_FALSE(IsDirectoryPath(file));
  for (const std::string& name : std::vector<std::string>{tmp.Path(), file, "/no/such/place/readme.txt", "5"}) {
    for (bool large : {false, true}) {
      SCOPED_TRACE(name + (large ? " large" : " small"));
      const int side = large ? 32 : 16;
      TIcon icon = ShellIcon(name, large);
      ASSERT_FALSE(icon.Empty());
      EXPECT_EQ(icon.Width(), side);
      TRecordingCanvas canvas(80, 80);
      TSize size;
      DrawShellIcon(canvas, 3, 4, size, 1.0, false, false, large, name);
      EXPECT_EQ(size, (TSize{side, side}));
      EXPECT_TRUE(canvas.CallsOf("DrawIcon").empty()) << "measuring draws nothing";
      DrawShellIcon(canvas, 3, 4, size, 2.0, true, true, large, name);
      std::vector<TCanvasCall> drawn = canvas.CallsOf("DrawIcon");
      ASSERT_EQ(drawn.size(), 1u);
      EXPECT_EQ(drawn[0].Rect, (TRect{3, 4, 3, 4}));
    }
  }
}

TEST(RawResources, FoundByNameInAnyCase) {
  RegisterRawResource("Logo", "bytes");
  std::string bytes = "kept";
  EXPECT_TRUE(FindRawResource("LOGO", bytes));
  EXPECT_EQ(bytes, "bytes");
  UnregisterRawResource("logo");
  bytes = "kept";
  EXPECT_FALSE(FindRawResource("Logo", bytes));
  EXPECT_EQ(bytes, "kept");
}

}  // namespace
}  // namespace hd
