// The sparse cell store against a plain map: reads, writes anywhere, and whole-line moves.
#include "platform/grids/cell_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/string_list.h"

namespace hd {
namespace {

struct TPlainCell {
  std::string text;
  TObject* object = nullptr;
};
using TPlainStore = std::map<std::pair<int, int>, TPlainCell>;  // (row, col)

void ExpectSame(const TCellStore& store, const TPlainStore& plain, const std::string& step) {
  SCOPED_TRACE(step);
  ASSERT_TRUE(store.CheckConsistency());
  size_t written = 0;
  std::vector<TCellStore::TObjectCell> objects = store.ObjectCells();
  size_t nextObject = 0;
  for (const auto& [key, cell] : plain) {
    if (cell.text.empty() && !cell.object) continue;
    ++written;
    EXPECT_EQ(store.Text(key.second, key.first), cell.text) << "cell " << key.second << "," << key.first;
    EXPECT_EQ(store.Object(key.second, key.first), cell.object) << "cell " << key.second << "," << key.first;
    if (!cell.object) continue;
    // The object cells are listed in the map's own order: by row, then by column.
    ASSERT_LT(nextObject, objects.size());
    const TCellStore::TObjectCell& listed = objects[nextObject++];
    EXPECT_EQ(std::make_pair(listed.Row, listed.Col), key);
    EXPECT_EQ(listed.Object, cell.object);
  }
  EXPECT_EQ(nextObject, objects.size());
  EXPECT_EQ(store.CellCount(), written);
}

// Moves a line of the plain map: the line at `from` goes to `to`, the lines between shift.
void PlainMove(TPlainStore& plain, int from, int to, bool rows) {
  TPlainStore moved;
  for (auto& [key, cell] : plain) {
    int line = rows ? key.first : key.second;
    int target = line;
    if (line == from)
      target = to;
    else if (from < to && line > from && line <= to)
      target = line - 1;
    else if (from > to && line >= to && line < from)
      target = line + 1;
    auto newKey = rows ? std::make_pair(target, key.second) : std::make_pair(key.first, target);
    moved[newKey] = cell;
  }
  plain = std::move(moved);
}

TEST(CellStoreTest, UnwrittenAndOutOfRangeCellsReadEmpty) {
  TCellStore store;
  EXPECT_EQ(store.Text(0, 0), "");
  EXPECT_EQ(store.Object(3, 7), nullptr);
  store.SetText(-1, 0, "x");
  store.SetText(0, -1, "x");
  EXPECT_EQ(store.Text(-1, 0), "");
  EXPECT_EQ(store.CellCount(), 0u);
}

TEST(CellStoreTest, WritesAnywhereAndDropsEmptiedCells) {
  TCellStore store;
  TPlainStore plain;
  TObject a, b;
  struct Write {
    const char* name;
    int col, row;
    std::string text;
    TObject* object;
    bool setObject;
  };
  const std::string sixteen(16, 's'), seventeen(17, 'l');
  const Write writes[] = {
      {"first cell", 0, 0, "a", nullptr, false},
      {"far column", 100000, 0, "far", nullptr, false},
      {"far row", 2, 2000000000, "deep", nullptr, false},
      {"text that fits inside the cell", 1, 0, sixteen, nullptr, false},
      {"text one byte longer", 2, 0, seventeen, nullptr, false},
      {"long text shortened", 2, 0, "short", nullptr, false},
      {"object without text", 5, 3, "", &a, true},
      {"object in a far row", 7, 2000000000, "", &b, true},
      {"text beside the object", 5, 3, "t", nullptr, false},
      {"object replaced", 5, 3, "", &b, true},
      {"text cleared keeps the object", 5, 3, "", nullptr, false},
      {"object cleared drops the cell", 5, 3, "", nullptr, true},
      {"far object cleared", 7, 2000000000, "", nullptr, true},
      {"first cell cleared", 0, 0, "", nullptr, false},
      {"cell between two others", 1, 0, "", nullptr, false},
      {"row emptied", 100000, 0, "", nullptr, false},
      {"row filled again", 0, 0, "again", nullptr, false},
  };
  for (const Write& w : writes) {
    if (w.setObject) {
      store.SetObject(w.col, w.row, w.object);
      plain[{w.row, w.col}].object = w.object;
    } else {
      store.SetText(w.col, w.row, w.text);
      plain[{w.row, w.col}].text = w.text;
    }
    ExpectSame(store, plain, w.name);
  }
}

TEST(CellStoreTest, MovesCarryWholeLinesBeyondAnyCount) {
  TCellStore store;
  TPlainStore plain;
  TObject o;
  auto put = [&](int col, int row, const std::string& text) {
    store.SetText(col, row, text);
    plain[{row, col}].text = text;
  };
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c)
      if ((r + c) % 3 != 0) put(c, r, std::to_string(c) + ":" + std::to_string(r) + (c == 3 ? " a longer text here" : ""));
  put(40, 2, "far right");   // a column far past the others
  put(1, 700, "far below");  // a row far past the others
  store.SetObject(2, 1, &o);
  plain[{1, 2}].object = &o;
  ExpectSame(store, plain, "filled");

  struct Move {
    const char* name;
    bool rows;
    int from, to;
  };
  const Move moves[] = {
      {"row 1 down to 4", true, 1, 4},
      {"row 5 up to 0", true, 5, 0},
      {"row 2 (with the far column) to 3", true, 2, 3},
      {"empty row 9 to 1", true, 9, 1},
      {"far row 700 to 2", true, 700, 2},
      {"column 0 right to 3", false, 0, 3},
      {"column 3 left to 1", false, 3, 1},
      {"far column 40 to 0", false, 40, 0},
      {"empty column 20 to 2", false, 20, 2},
      {"column 2 to far column 50", false, 2, 50},
  };
  for (const Move& m : moves) {
    if (m.rows)
      store.MoveRow(m.from, m.to);
    else
      store.MoveColumn(m.from, m.to);
    PlainMove(plain, m.from, m.to, m.rows);
    ExpectSame(store, plain, m.name);
  }
  store.Clear();
  EXPECT_EQ(store.CellCount(), 0u);
  EXPECT_EQ(store.Text(1, 2), "");
}

// Shifts the plain map: lines from `at` move by `count` (negative: the lines at..at-count-1
// are dropped first).
void PlainShift(TPlainStore& plain, int at, int count, bool rows) {
  TPlainStore shifted;
  for (auto& [key, cell] : plain) {
    int line = rows ? key.first : key.second;
    if (count < 0 && line >= at && line < at - count) continue;
    int target = line >= at ? line + count : line;
    shifted[rows ? std::make_pair(target, key.second) : std::make_pair(key.first, target)] = cell;
  }
  plain = std::move(shifted);
}

TEST(CellStoreTest, BulkShiftsAndSwapsAcrossPagesAgreeWithAPlainMap) {
  TCellStore store;
  TPlainStore plain;
  TObject o1, o2;
  auto put = [&](int col, int row, const std::string& text) {
    store.SetText(col, row, text);
    plain[{row, col}].text = text;
  };
  // Rows on both sides of page edges (256 rows a page) and far below, some pages empty.
  for (int r : {0, 1, 5, 254, 255, 256, 257, 300, 511, 512, 1000, 5000, 70000})
    for (int c = 0; c < 3; ++c) put(c * 2, r, std::to_string(c) + ":" + std::to_string(r) + (c == 2 ? " long enough for the heap" : ""));
  store.SetObject(1, 255, &o1);
  plain[{255, 1}].object = &o1;
  store.SetObject(3, 5000, &o2);
  plain[{5000, 3}].object = &o2;
  ExpectSame(store, plain, "filled");

  struct Step {
    const char* name;
    bool rows;
    int at, count;  // count < 0 deletes
  };
  const Step steps[] = {
      {"insert 3 rows at 1", true, 1, 3},
      {"insert a page's worth at 250", true, 250, 300},
      {"delete 10 rows across a page edge", true, 250, -10},
      {"delete 1000 rows from 100", true, 100, -1000},
      {"insert rows past the last one", true, 90000, 5},
      {"delete down to nothing past row 2", true, 2, -100000},
      {"insert 2 columns at 1", false, 1, 2},
      {"delete columns 0 to 2", false, 0, -3},
  };
  for (const Step& s : steps) {
    if (s.rows)
      s.count > 0 ? store.InsertRows(s.at, s.count) : store.DeleteRows(s.at, -s.count);
    else
      s.count > 0 ? store.InsertColumns(s.at, s.count) : store.DeleteColumns(s.at, -s.count);
    PlainShift(plain, s.at, s.count, s.rows);
    ExpectSame(store, plain, s.name);
  }

  put(0, 900, "far");
  store.SwapRows(0, 900);
  PlainMove(plain, 0, 900, true);
  PlainMove(plain, 899, 0, true);
  ExpectSame(store, plain, "rows 0 and 900 swapped");
  store.SwapColumns(1, 3);
  PlainMove(plain, 1, 3, false);
  PlainMove(plain, 2, 1, false);
  ExpectSame(store, plain, "columns 1 and 3 swapped");
  EXPECT_EQ(store.LastRow(), 900);

  // A permutation in one pass lands each row where the exchanges that make it would.
  put(1, 255, "page end");
  put(0, 257, "next page");
  const std::vector<int> from{900, 255, 1, 257, 0, 256, 2};
  const std::vector<int> rows{0, 1, 2, 255, 256, 257, 900};
  TPlainStore before = plain;
  for (auto it = plain.begin(); it != plain.end();)
    it = std::find(rows.begin(), rows.end(), it->first.first) != rows.end() ? plain.erase(it) : std::next(it);
  for (std::size_t k = 0; k < rows.size(); ++k)
    for (const auto& [key, cell] : before)
      if (key.first == from[k]) plain[{rows[k], key.second}] = cell;
  std::vector<int> order(901);
  for (int r = 0; r <= 900; ++r) order[static_cast<std::size_t>(r)] = r;
  for (std::size_t k = 0; k < rows.size(); ++k) order[static_cast<std::size_t>(rows[k])] = from[k];
  store.PermuteRows(0, order);
  ExpectSame(store, plain, "rows permuted across pages");
}

// Packed bytes ride with their lines like stored cells, and become objects when read.
TEST(CellStoreTest, PackedBytesFollowTheLinesAndTurnIntoObjectsOnFirstRead) {
  TCellStore store;
  TPlainStore plain;  // the byte as the text of the plain cell
  auto pack = [&](int col, int row, std::uint8_t b) {
    store.SetPacked(col, row, b);
    plain[{row, col}].text = std::string(1, static_cast<char>(b));
  };
  auto expectSame = [&](const std::string& step) {
    SCOPED_TRACE(step);
    for (int r = 0; r < 1200; ++r)
      for (int c = 0; c < 8; ++c) {
        auto it = plain.find({r, c});
        std::uint8_t want = it == plain.end() || it->second.text.empty() ? 0 : static_cast<std::uint8_t>(it->second.text[0]);
        ASSERT_EQ(store.Packed(c, r), want) << "cell " << c << ", " << r;
      }
  };
  for (int r : {0, 1, 255, 256, 700, 1000}) {
    pack(1, r, static_cast<std::uint8_t>(r % 7 + 1));
    pack(4, r + 1, 9);
  }
  EXPECT_EQ(store.LastRow(), 1001) << "packed rows count";
  expectSame("packed");
  store.InsertRows(200, 60);
  PlainShift(plain, 200, 60, true);
  expectSame("rows inserted");
  store.DeleteRows(0, 2);
  PlainShift(plain, 0, -2, true);
  expectSame("rows deleted");
  store.MoveRow(313, 2);
  PlainMove(plain, 313, 2, true);
  store.MoveRow(5, 900);
  PlainMove(plain, 5, 900, true);
  expectSame("rows moved");
  store.SwapRows(2, 1100);
  PlainMove(plain, 2, 1100, true);
  PlainMove(plain, 1099, 2, true);
  expectSame("rows swapped");
  // Rows 0..1101 reversed in one pass.
  std::vector<int> reversed(1102);
  for (int r = 0; r < 1102; ++r) reversed[static_cast<std::size_t>(r)] = 1101 - r;
  store.PermuteRows(0, reversed);
  TPlainStore flipped;
  for (const auto& [key, cell] : plain) flipped[{key.first <= 1101 ? 1101 - key.first : key.first, key.second}] = cell;
  plain = flipped;
  expectSame("rows reversed");
  store.InsertColumns(2, 2);
  PlainShift(plain, 2, 2, false);
  store.MoveColumn(1, 7);
  PlainMove(plain, 1, 7, false);
  expectSame("columns inserted and moved");
  store.DeleteColumns(0, 3);
  PlainShift(plain, 0, -3, false);
  expectSame("columns deleted");

  // The first read makes the object through the maker, once; the byte is gone after.
  TObject made, own;
  std::vector<std::pair<int, int>> asked;
  store.SetObjectMaker([&](int col, int row, std::uint8_t b) {
    asked.emplace_back(col, row);
    EXPECT_EQ(b, 9);
    store.SetObject(col, row, &made);
  });
  store.SetPacked(0, 302, 9);
  EXPECT_TRUE(store.ObjectCells().empty()) << "packed cells are no objects yet";
  EXPECT_EQ(store.Object(0, 302), &made);
  EXPECT_EQ(store.Object(0, 302), &made);
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(store.Packed(0, 302), 0);
  store.SetObject(4, 0, &own);
  EXPECT_EQ(store.Packed(4, 0), 0) << "an object written takes the byte's place";
  store.SetPacked(4, 0, 3);
  EXPECT_EQ(store.Packed(4, 0), 0) << "a cell holding an object takes no byte";
  EXPECT_EQ(store.Object(4, 0), &own);
  store.SetPacked(3, 10, 9);
  store.SetObject(3, 10, nullptr);
  EXPECT_EQ(store.Object(3, 10), nullptr) << "null removes a byte without making anything";
  EXPECT_EQ(asked.size(), 1u);
  store.Clear();
  EXPECT_FALSE(store.HasPacked());
  EXPECT_EQ(store.LastRow(), -1);
}

}  // namespace
}  // namespace hd
