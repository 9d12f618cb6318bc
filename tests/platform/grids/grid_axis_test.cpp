// The grid axis against a plain list of sizes: positions, searches and layouts after every
// structural change, with the axis checking itself each time.
#include "platform/grids/grid_axis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace hd {
namespace {

// The same axis kept the obvious way.
struct TPlainAxis {
  std::vector<int> sizes;
  int lineWidth = 0;
  int Extent(int i) const { return sizes[static_cast<size_t>(i)] > 0 ? sizes[static_cast<size_t>(i)] + lineWidth : 0; }
  std::int64_t Position(int line) const {
    std::int64_t p = 0;
    for (int i = 0; i < line; ++i) p += Extent(i);
    return p;
  }
};

void ExpectSame(const TGridAxis& axis, const TPlainAxis& plain, const std::string& step) {
  SCOPED_TRACE(step);
  ASSERT_TRUE(axis.CheckConsistency());
  ASSERT_EQ(axis.Count(), static_cast<int>(plain.sizes.size()));
  int n = axis.Count();
  for (int i = 0; i <= n; ++i) ASSERT_EQ(axis.Position(i), plain.Position(i)) << "position of line " << i;
  for (int i = 0; i < n; ++i) ASSERT_EQ(axis.Size(i), plain.sizes[static_cast<size_t>(i)]) << "size of line " << i;
  // Every pixel, and one past the end, finds the line that holds it.
  std::int64_t total = plain.Position(n);
  int expected = 0;
  for (std::int64_t px = 0; px <= total; ++px) {
    while (expected < n && plain.Position(expected + 1) <= px) ++expected;
    ASSERT_EQ(axis.LineAt(px), expected) << "line at pixel " << px;
  }
  for (int i = 0; i < n; ++i) {
    int next = i;
    while (next < n && plain.Extent(next) == 0) ++next;
    ASSERT_EQ(axis.NextShown(i), next) << "next shown from " << i;
    int prev = i;
    while (prev >= 0 && plain.Extent(prev) == 0) --prev;
    ASSERT_EQ(axis.PrevShown(i), prev) << "previous shown from " << i;
  }
}

TEST(GridAxisTest, PositionsFollowEveryStructuralChange) {
  TGridAxis axis(6, 20);
  TPlainAxis plain{std::vector<int>(6, 20), 0};
  ExpectSame(axis, plain, "uniform start");

  struct Step {
    const char* name;
    std::function<void()> apply;
  };
  auto size = [&](int line, int v) {
    axis.SetSize(line, v);
    plain.sizes[static_cast<size_t>(line)] = std::max(v, 0);
  };
  auto count = [&](int n) {
    axis.SetCount(n);
    plain.sizes.resize(static_cast<size_t>(n), axis.DefaultSize());
  };
  auto move = [&](int from, int to) {
    axis.MoveLine(from, to);
    int v = plain.sizes[static_cast<size_t>(from)];
    plain.sizes.erase(plain.sizes.begin() + from);
    plain.sizes.insert(plain.sizes.begin() + to, v);
  };
  std::vector<Step> steps = {
      {"line 2 taller", [&] { size(2, 35); }},
      {"line 0 hidden", [&] { size(0, 0); }},
      {"negative size kept as hidden", [&] { size(4, -3); }},
      {"grid line of 1", [&] { axis.SetLineWidth(1); plain.lineWidth = 1; }},
      {"grow to 40", [&] { count(40); }},
      {"grow to 41", [&] { count(41); }},
      {"line 33 of 7", [&] { size(33, 7); }},
      {"shrink to 17", [&] { count(17); }},
      {"move 2 to 12", [&] { move(2, 12); }},
      {"move 16 to 0", [&] { move(16, 0); }},
      {"move 5 to 6", [&] { move(5, 6); }},
      {"insert 3 at 4", [&] {
         axis.InsertLines(4, 3);
         plain.sizes.insert(plain.sizes.begin() + 4, 3, axis.DefaultSize());
       }},
      {"delete 5 from 1", [&] {
         axis.DeleteLines(1, 5);
         plain.sizes.erase(plain.sizes.begin() + 1, plain.sizes.begin() + 6);
       }},
      {"delete past the end", [&] {
         axis.DeleteLines(12, 100);
         plain.sizes.resize(12);
       }},
      {"swap 0 and 3", [&] {
         axis.SwapLines(0, 3);
         std::swap(plain.sizes[0], plain.sizes[3]);
       }},
      {"permute 2..7", [&] {
         const std::vector<int> from{5, 2, 7, 3, 6, 4};
         std::vector<int> before = plain.sizes;
         axis.PermuteLines(2, from);
         for (std::size_t k = 0; k < from.size(); ++k) plain.sizes[2 + k] = before[static_cast<size_t>(from[k])];
       }},
      {"insert at the end", [&] {
         axis.InsertLines(12, 4);
         plain.sizes.insert(plain.sizes.end(), 4, axis.DefaultSize());
       }},
      {"grid line of 3", [&] { axis.SetLineWidth(3); plain.lineWidth = 3; }},
      {"grow by one at a time", [&] { for (int n = 18; n <= 33; ++n) count(n); }},
      {"default 10 resets all", [&] {
         axis.SetDefaultSize(10);
         plain.sizes.assign(plain.sizes.size(), 10);
       }},
      {"uniform grid lines only", [&] { size(3, 10); }},
      {"hidden default", [&] {
         axis.SetDefaultSize(0);
         plain.sizes.assign(plain.sizes.size(), 0);
       }},
      {"one line shown among hidden", [&] { size(20, 5); }},
  };
  for (const Step& s : steps) {
    s.apply();
    ExpectSame(axis, plain, s.name);
  }
}

// Columns of 20 with a grid line of 1 (21 pixels a line), one fixed line, in a client of 100.
TEST(GridAxisTest, LayoutInAClientExtent) {
  TGridAxis axis(10, 20);
  axis.SetFixedCount(1);
  axis.SetLineWidth(1);
  struct Case {
    const char* name;
    int first, extent;
    int lastFull, fullVis, gridBoundary;
  };
  const Case cases[] = {
      {"top, cut at the client edge", 1, 100, 3, 84, 100},
      {"the last grid line may fall past the edge", 1, 104, 4, 105, 104},
      {"scrolled to the end, all of it fits", 7, 100, 9, 84, 84},
      {"client smaller than one line", 1, 30, 1, 21, 30},
      {"client inside the fixed line", 1, 10, 1, 21, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGridAxisDrawInfo info = axis.DrawInfo(c.first, c.extent);
    EXPECT_EQ(info.FixedBoundary, 21);
    EXPECT_EQ(info.LastFullVisibleCell, c.lastFull);
    EXPECT_EQ(info.FullVisBoundary, c.fullVis);
    EXPECT_EQ(info.GridBoundary, c.gridBoundary);
  }
  // The smallest first line that still shows the last line whole, and one for a middle line.
  EXPECT_EQ(axis.MaxFirst(9, 100), 7);
  EXPECT_EQ(axis.MaxFirst(5, 100), 3);
  EXPECT_EQ(axis.MaxFirst(9, 10), 9) << "nothing fits: the line itself";
  // A hidden line is never the first shown.
  axis.SetSize(6, 0);
  EXPECT_EQ(axis.MaxFirst(9, 100), 7);
  EXPECT_TRUE(axis.CheckConsistency());
}

TEST(GridAxisTest, PixelsToLinesAndBack) {
  TGridAxis axis(10, 20);
  axis.SetFixedCount(2);
  axis.SetSize(1, 0);  // a hidden fixed line
  TGridAxisDrawInfo info = axis.DrawInfo(5, 100);
  struct Case {
    int pixel, line;
  };
  const Case cases[] = {{-1, -1}, {0, 0}, {19, 0}, {20, 5}, {39, 5}, {40, 6}, {99, 8}, {100, 9}, {119, 9}, {120, -1}};
  for (const Case& c : cases) EXPECT_EQ(axis.LineAtPixel(info, c.pixel), c.line) << "pixel " << c.pixel;
  int start = -1;
  EXPECT_TRUE(axis.LineStart(info, 0, start));
  EXPECT_EQ(start, 0);
  EXPECT_TRUE(axis.LineStart(info, 6, start));
  EXPECT_EQ(start, 40);
  EXPECT_FALSE(axis.LineStart(info, 3, start)) << "scrolled away";
  EXPECT_FALSE(axis.LineStart(info, 9, start)) << "starts at the client edge";
  EXPECT_FALSE(axis.LineStart(info, 10, start)) << "past the lines";
}

// Ten thousand lines with a few odd sizes: positions near the end come from the tree.
TEST(GridAxisTest, ManyLinesWithAFewOddSizes) {
  TGridAxis axis(10000, 24);
  axis.SetSize(0, 30);
  axis.SetSize(5000, 0);
  axis.SetSize(9999, 48);
  EXPECT_EQ(axis.Position(10000), 30 + 24LL * 9997 + 48);
  EXPECT_EQ(axis.LineAt(30 + 24LL * 4999), 5001) << "the hidden line is skipped";
  EXPECT_EQ(axis.MaxFirst(9999, 24 * 10), 9991);
  EXPECT_TRUE(axis.CheckConsistency());
}

}  // namespace
}  // namespace hd
