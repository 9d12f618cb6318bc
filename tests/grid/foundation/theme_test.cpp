#include "grid/foundation/theme.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/themes.h"

namespace hd {
namespace {

// A user-settings store holding the keys and integer values a test gives it.
class TFakeSettings : public TUserSettingsReader {
 public:
  std::set<std::string> keys;
  std::map<std::string, int> themes;  // key -> its "Theme" value
  std::vector<std::string> reads;

  bool KeyExists(const std::string& Key) override { return keys.count(Key) > 0; }
  std::optional<int> ReadInteger(const std::string& Key, const std::string& Name) override {
    reads.push_back(Key + "|" + Name);
    auto it = themes.find(Key);
    if (Name != "Theme" || it == themes.end()) return std::nullopt;
    return it->second;
  }
};

const std::string k14 = kOffice2010Key, k12 = kOffice2007Key;

TEST(OfficeThemeTest, DecisionTable) {
  struct Case {
    const char* name;
    std::map<std::string, int> themes;
    bool themesActive;
    TOfficeTheme expected;
  };
  const std::vector<Case> cases = {
      {"14.0 blue", {{k14, 1}}, true, ot2010Blue},
      {"14.0 silver over a 12.0 value", {{k14, 2}, {k12, 3}}, true, ot2010Silver},
      {"14.0 black", {{k14, 3}}, true, ot2010Black},
      {"14.0 value 5 does not fall back to 12.0", {{k14, 5}, {k12, 2}}, true, ot2003Blue},
      {"12.0 blue", {{k12, 1}}, true, ot2007Blue},
      {"12.0 silver", {{k12, 2}}, true, ot2007Silver},
      {"12.0 black", {{k12, 3}}, true, ot2007Black},
      {"12.0 value 0", {{k12, 0}}, true, ot2003Blue},
      {"neither, the style's default scheme", {}, true, ot2003Blue},
      {"neither, themes off", {}, false, ot2003Classic},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TFakeSettings settings;
    settings.themes = k.themes;
    SetThemesActive(k.themesActive);
    TOfficeTheme got = GetOfficeTheme(settings);
    SetThemesActive(true);
    EXPECT_EQ(got, k.expected);
    EXPECT_EQ(settings.reads.front(), k14 + "|Theme");
  }
}

TEST(OfficeThemeTest, InstalledVersionFollowsTheGeneralKeys) {
  TFakeSettings settings;
  EXPECT_EQ(GetInstalledOfficeVersion(settings), 0);
  settings.keys = {k12 + "\\General"};
  EXPECT_EQ(GetInstalledOfficeVersion(settings), 1);
  settings.keys.insert(k14 + "\\General");
  EXPECT_EQ(GetInstalledOfficeVersion(settings), 2);
  settings.keys = {k14};  // the Common key alone is no installation
  EXPECT_EQ(GetInstalledOfficeVersion(settings), 0);
  settings.themes = {{k12, 2}};
  EXPECT_EQ(ReadOfficeThemeValue(settings, k12), 2);
  EXPECT_EQ(ReadOfficeThemeValue(settings, k14), -1);
}

TEST(OfficeThemeTest, ThePlatformStoreHasNoOfficeSettings) {
  EXPECT_EQ(GetInstalledOfficeVersion(), 0);
  EXPECT_EQ(ReadOfficeThemeValue(PlatformUserSettings(), k14), -1);
  EXPECT_EQ(GetOfficeTheme(), ot2003Blue);
  EXPECT_EQ(GetXPThemeColor(), 1);
  // The default font's name has no family of its own: the fallback family draws it.
  EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
  TBitmap bmp(10, 10);
  bmp.Canvas().Font().Name = GetDefaultFontName();
  int segoe = bmp.Canvas().TextWidth("Grid cell");
  bmp.Canvas().Font().Name = "Verdana";
  EXPECT_GT(segoe, 0);
  EXPECT_EQ(segoe, bmp.Canvas().TextWidth("Grid cell"));
}

TEST(ThemeNotifierTest, WithoutOfficeSettingsRegisteringDoesNothing) {
  TThemeNotifier* n = GetThemeNotifier(nullptr);
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(GetThemeNotifier(nullptr), n);
  EXPECT_EQ(n->Key(), "");
  n->RegisterWindow(7);
  EXPECT_TRUE(n->RegisteredWindows().empty());
  delete n;  // forgotten: the next request makes a new one
  TThemeNotifier* again = GetThemeNotifier(nullptr);
  EXPECT_TRUE(again->RegisteredWindows().empty());
  delete again;
}

TEST(ThemeNotifierTest, WithOfficeSettingsEachWindowIsRegisteredOnceInOrder) {
  TFakeSettings settings;
  settings.keys = {k12 + "\\General"};
  TThemeNotifier n12(nullptr, settings);
  EXPECT_EQ(n12.Key(), k12);
  settings.keys.insert(k14 + "\\General");
  TThemeNotifier n(nullptr, settings);
  EXPECT_EQ(n.Key(), k14);
  n.RegisterWindow(30);
  n.RegisterWindow(10);
  n.RegisterWindow(30);
  n.RegisterWindow(20);
  n.UnRegisterWindow(99);  // not there: nothing happens
  EXPECT_EQ(n.RegisteredWindows(), (std::vector<HWND>{30, 10, 20}));
  n.UnRegisterWindow(10);
  EXPECT_EQ(n.RegisteredWindows(), (std::vector<HWND>{30, 20}));
}

TEST(HandleListTest, KeepsOrderAndDeletesTheFirstOccurrence) {
  THandleList list;
  EXPECT_EQ(list.Add(5), 0);
  list.Add(7);
  list.Add(5);
  list.Insert(0, 9);
  list.Insert(4, 1);  // at the end
  EXPECT_EQ(list.Count(), 5);
  list.DeleteValue(5);
  list.DeleteValue(42);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Items(0), 9u);
  EXPECT_EQ(list.Items(1), 7u);
  EXPECT_EQ(list.Items(2), 5u);
  EXPECT_EQ(list.Items(3), 1u);
  list.SetItems(1, 8);
  list.Delete(0);
  EXPECT_TRUE(list.HasValue(8));
  EXPECT_FALSE(list.HasValue(9));
  EXPECT_THROW(list.Items(3), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_THROW(list.Insert(5, 2), EListError);
}

}  // namespace
}  // namespace hd
