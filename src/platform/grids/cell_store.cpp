#include "platform/grids/cell_store.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace hd {

// 32 bytes: texts up to 16 bytes sit inside the cell, longer ones in a block of their own.
struct TCellStore::Cell {
  static constexpr std::uint32_t kInline = 16;

  std::int32_t col;
  std::uint32_t len;
  TObject* object;
  union {
    char inline_text[kInline];
    char* heap_text;
  };

  std::string_view Text() const { return {len <= kInline ? inline_text : heap_text, len}; }
  bool Empty() const { return len == 0 && object == nullptr; }
  void ReleaseText() {
    if (len > kInline) std::free(heap_text);
    len = 0;
  }
  void SetText(std::string_view t) {
    char* heap = nullptr;
    if (t.size() > kInline) {
      heap = static_cast<char*>(std::malloc(t.size()));
      if (!heap) throw std::bad_alloc();
      std::memcpy(heap, t.data(), t.size());
    }
    ReleaseText();
    len = static_cast<std::uint32_t>(t.size());
    if (heap)
      heap_text = heap;
    else if (!t.empty())
      std::memcpy(inline_text, t.data(), t.size());
  }
};

// The written cells of one row, sorted by column, in one allocation behind this header.
struct TCellStore::RowBlock {
  std::uint32_t size;
  std::uint32_t capacity;

  Cell* Cells() { return reinterpret_cast<Cell*>(this + 1); }
  const Cell* Cells() const { return reinterpret_cast<const Cell*>(this + 1); }
  Cell* begin() { return Cells(); }
  Cell* end() { return Cells() + size; }
  const Cell* begin() const { return Cells(); }
  const Cell* end() const { return Cells() + size; }

  static RowBlock* Resize(RowBlock* old, std::uint32_t capacity) {
    auto* block = static_cast<RowBlock*>(std::realloc(old, sizeof(RowBlock) + sizeof(Cell) * capacity));
    if (!block) throw std::bad_alloc();
    if (!old) block->size = 0;
    block->capacity = capacity;
    return block;
  }
  static void Free(RowBlock* block) {
    if (!block) return;
    for (Cell& c : *block) c.ReleaseText();
    std::free(block);
  }
};

namespace {

constexpr int kPageBits = 8;        // 256 rows per page
constexpr int kDirectoryBits = 12;  // 4096 pages (a million rows) per directory
constexpr int kPageSize = 1 << kPageBits;
constexpr int kDirectorySize = 1 << kDirectoryBits;

}  // namespace

struct TCellStore::Page {
  RowBlock* rows[kPageSize] = {};
};

struct TCellStore::Directory {
  std::unique_ptr<Page> pages[kDirectorySize];
};

TCellStore::TCellStore() {
  // Cells are moved with memmove and realloc, and a row's cells follow its header.
  static_assert(std::is_trivially_copyable_v<Cell>);
  static_assert(sizeof(Cell) == 32 || sizeof(void*) != 8);
  static_assert(sizeof(RowBlock) % alignof(Cell) == 0);
}

TCellStore::~TCellStore() { Clear(); }

TCellStore::RowBlock* TCellStore::FindRow(int row) const {
  auto d = static_cast<size_t>(row >> (kPageBits + kDirectoryBits));
  if (d >= directories_.size() || !directories_[d]) return nullptr;
  const auto& page = directories_[d]->pages[(row >> kPageBits) & (kDirectorySize - 1)];
  return page ? page->rows[row & (kPageSize - 1)] : nullptr;
}

TCellStore::RowBlock*& TCellStore::RowSlot(int row) {
  auto d = static_cast<size_t>(row >> (kPageBits + kDirectoryBits));
  if (d >= directories_.size()) directories_.resize(d + 1);
  if (!directories_[d]) directories_[d] = std::make_unique<Directory>();
  auto& page = directories_[d]->pages[(row >> kPageBits) & (kDirectorySize - 1)];
  if (!page) page = std::make_unique<Page>();
  return page->rows[row & (kPageSize - 1)];
}

TCellStore::Cell* TCellStore::FindCell(int col, int row) const {
  if (col < 0) return nullptr;
  RowBlock* block = RowAt(row);
  if (!block) return nullptr;
  Cell* it = std::lower_bound(block->begin(), block->end(), col, [](const Cell& c, int v) { return c.col < v; });
  return it != block->end() && it->col == col ? it : nullptr;
}

TCellStore::Cell& TCellStore::CellFor(int col, int row) {
  RowBlock*& block = RowSlot(row);
  if (!block) block = RowBlock::Resize(nullptr, 1);
  Cell* it = std::lower_bound(block->begin(), block->end(), col, [](const Cell& c, int v) { return c.col < v; });
  if (it != block->end() && it->col == col) return *it;
  auto index = static_cast<std::uint32_t>(it - block->begin());
  if (block->size == block->capacity) {
    // A quarter more at a time: little slack per row, still amortised constant time.
    block = RowBlock::Resize(block, block->capacity + std::max<std::uint32_t>(1, block->capacity / 4));
  }
  Cell* cells = block->Cells();
  std::memmove(static_cast<void*>(cells + index + 1), cells + index, sizeof(Cell) * (block->size - index));
  ++block->size;
  ++cells_;
  Cell& cell = cells[index];
  cell.col = col;
  cell.len = 0;
  cell.object = nullptr;
  return cell;
}

void TCellStore::DropIfEmpty(int col, int row) {
  Cell* cell = FindCell(col, row);
  if (!cell || !cell->Empty()) return;
  RowBlock*& block = RowSlot(row);
  auto index = static_cast<std::uint32_t>(cell - block->Cells());
  cell->ReleaseText();
  std::memmove(static_cast<void*>(cell), cell + 1, sizeof(Cell) * (block->size - index - 1));
  --block->size;
  --cells_;
  if (block->size == 0) {
    RowBlock::Free(block);
    block = nullptr;
  }
}

std::string_view TCellStore::Text(int col, int row) const {
  const Cell* cell = FindCell(col, row);
  return cell ? cell->Text() : std::string_view{};
}

TObject* TCellStore::Object(int col, int row) const {
  const Cell* cell = FindCell(col, row);
  if (cell && cell->object) return cell->object;
  if (packed_.empty()) return nullptr;
  std::uint8_t packed = Packed(col, row);
  if (packed == 0 || !maker_) return nullptr;
  // Making the object the byte stands for changes what the cell holds, not what it means.
  auto* self = const_cast<TCellStore*>(this);
  self->SetPacked(col, row, 0);
  maker_(col, row, packed);
  cell = FindCell(col, row);
  return cell ? cell->object : nullptr;
}

TObject* TCellStore::StoredObject(int col, int row) const {
  const Cell* cell = FindCell(col, row);
  return cell ? cell->object : nullptr;
}

std::uint8_t TCellStore::Packed(int col, int row) const {
  if (row < 0) return 0;
  auto it = packed_.find(col);
  if (it == packed_.end() || static_cast<std::size_t>(row) >= it->second.size()) return 0;
  return it->second[static_cast<std::size_t>(row)];
}

std::vector<std::uint8_t>& TCellStore::PackedRows(int col, int row) {
  std::vector<std::uint8_t>& rows = packed_[col];
  if (rows.size() <= static_cast<std::size_t>(row)) rows.resize(static_cast<std::size_t>(row) + 1, 0);
  return rows;
}

void TCellStore::SetPacked(int col, int row, std::uint8_t value) {
  if (col < 0 || row < 0) return;
  if (value == 0) {
    auto it = packed_.find(col);
    if (it == packed_.end() || static_cast<std::size_t>(row) >= it->second.size()) return;
    it->second[static_cast<std::size_t>(row)] = 0;
    if (static_cast<std::size_t>(row) + 1 == it->second.size()) {
      while (!it->second.empty() && it->second.back() == 0) it->second.pop_back();
      if (it->second.empty()) packed_.erase(it);
    }
    return;
  }
  if (const Cell* cell = FindCell(col, row); cell && cell->object) return;
  PackedRows(col, row)[static_cast<std::size_t>(row)] = value;
}

void TCellStore::PackedMoveRow(int from, int to) {
  for (auto& [col, rows] : packed_) {
    auto hi = static_cast<std::size_t>(std::max(from, to));
    if (rows.size() <= static_cast<std::size_t>(std::min(from, to))) continue;
    if (rows.size() <= hi) rows.resize(hi + 1, 0);
    auto f = rows.begin() + from, t = rows.begin() + to;
    if (from < to)
      std::rotate(f, f + 1, t + 1);
    else
      std::rotate(t, f, f + 1);
  }
}

void TCellStore::PackedInsertRows(int at, int count) {
  for (auto& [col, rows] : packed_)
    if (static_cast<std::size_t>(at) < rows.size()) rows.insert(rows.begin() + at, static_cast<std::size_t>(count), 0);
}

void TCellStore::PackedDeleteRows(int at, int count) {
  for (auto it = packed_.begin(); it != packed_.end();) {
    std::vector<std::uint8_t>& rows = it->second;
    if (static_cast<std::size_t>(at) < rows.size())
      rows.erase(rows.begin() + at, rows.begin() + std::min<std::size_t>(rows.size(), static_cast<std::size_t>(at) + count));
    while (!rows.empty() && rows.back() == 0) rows.pop_back();
    it = rows.empty() ? packed_.erase(it) : std::next(it);
  }
}

void TCellStore::PackedSwapRows(int a, int b) {
  for (auto& [col, rows] : packed_) {
    auto hi = static_cast<std::size_t>(std::max(a, b));
    if (rows.size() <= static_cast<std::size_t>(std::min(a, b))) continue;
    if (rows.size() <= hi) rows.resize(hi + 1, 0);
    std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
  }
}

void TCellStore::PackedMoveColumn(int from, int to) {
  if (packed_.empty()) return;
  std::map<int, std::vector<std::uint8_t>> moved;
  for (auto& [col, rows] : packed_) {
    int c = col;
    if (col == from)
      c = to;
    else if (from < to && col > from && col <= to)
      --c;
    else if (from > to && col >= to && col < from)
      ++c;
    moved.emplace(c, std::move(rows));
  }
  packed_ = std::move(moved);
}

void TCellStore::PackedInsertColumns(int at, int count) {
  if (packed_.empty()) return;
  std::map<int, std::vector<std::uint8_t>> moved;
  for (auto& [col, rows] : packed_) moved.emplace(col >= at ? col + count : col, std::move(rows));
  packed_ = std::move(moved);
}

void TCellStore::PackedDeleteColumns(int at, int count) {
  if (packed_.empty()) return;
  std::map<int, std::vector<std::uint8_t>> kept;
  for (auto& [col, rows] : packed_) {
    if (col >= at && col < at + count) continue;
    kept.emplace(col >= at + count ? col - count : col, std::move(rows));
  }
  packed_ = std::move(kept);
}

int TCellStore::PackedLastRow() const {
  int last = -1;
  for (const auto& [col, rows] : packed_)
    for (std::size_t r = rows.size(); r-- > 0;)
      if (rows[r] != 0) {
        last = std::max(last, static_cast<int>(r));
        break;
      }
  return last;
}

void TCellStore::SetText(int col, int row, std::string_view text) {
  if (col < 0 || row < 0) return;
  if (text.empty()) {
    if (Cell* cell = FindCell(col, row)) {
      cell->ReleaseText();
      DropIfEmpty(col, row);
    }
    return;
  }
  CellFor(col, row).SetText(text);
}

void TCellStore::SetObject(int col, int row, TObject* object) {
  if (col < 0 || row < 0) return;
  if (!packed_.empty()) SetPacked(col, row, 0);
  if (!object) {
    if (Cell* cell = FindCell(col, row)) {
      cell->object = nullptr;
      DropIfEmpty(col, row);
    }
    return;
  }
  CellFor(col, row).object = object;
}

void TCellStore::MoveRow(int from, int to) {
  if (from == to || from < 0 || to < 0) return;
  PackedMoveRow(from, to);
  RowBlock* moving = FindRow(from);
  int step = from < to ? 1 : -1;
  for (int i = from; i != to; i += step) {
    RowBlock* next = FindRow(i + step);
    if (next || FindRow(i)) RowSlot(i) = next;
  }
  if (moving || FindRow(to)) RowSlot(to) = moving;
}

void TCellStore::MoveColumn(int from, int to) {
  if (from == to || from < 0 || to < 0) return;
  PackedMoveColumn(from, to);
  int lo = std::min(from, to), hi = std::max(from, to);
  ForEachRow([&](int, RowBlock& block) {
    auto less = [](const Cell& c, int v) { return c.col < v; };
    Cell* first = std::lower_bound(block.begin(), block.end(), lo, less);
    Cell* last = std::lower_bound(first, block.end(), hi + 1, less);
    if (first == last) return;
    for (Cell* c = first; c != last; ++c) {
      if (c->col == from)
        c->col = to;
      else
        c->col += from < to ? -1 : 1;
    }
    // Only the moved cell can be out of place: it goes to the far end of the range.
    if (from < to && first->col == to)
      std::rotate(first, first + 1, last);
    else if (from > to && (last - 1)->col == to)
      std::rotate(first, last - 1, last);
  });
}

TCellStore::RowBlock** TCellStore::SlotIfAny(int row) const {
  auto d = static_cast<size_t>(row >> (kPageBits + kDirectoryBits));
  if (d >= directories_.size() || !directories_[d]) return nullptr;
  auto& page = directories_[d]->pages[(row >> kPageBits) & (kDirectorySize - 1)];
  return page ? &page->rows[row & (kPageSize - 1)] : nullptr;
}

int TCellStore::LastRow() const {
  if (!packed_.empty()) return std::max(PackedLastRow(), StoredLastRow());
  return StoredLastRow();
}

int TCellStore::StoredLastRow() const {
  for (std::size_t d = directories_.size(); d-- > 0;) {
    if (!directories_[d]) continue;
    for (int p = kDirectorySize; p-- > 0;) {
      const auto& page = directories_[d]->pages[p];
      if (!page) continue;
      for (int s = kPageSize; s-- > 0;)
        if (page->rows[s]) return static_cast<int>(d << (kPageBits + kDirectoryBits)) | (p << kPageBits) | s;
    }
  }
  return -1;
}

void TCellStore::MoveSlots(int from, int to, int n) {
  if (n <= 0 || from == to) return;
  // Runs never cross a page on either side; moving up walks forwards, moving down backwards,
  // so no slot is overwritten before it was read.
  auto run = [&](int src, int dst, int len) {
    RowBlock** s = SlotIfAny(src);
    if (!s) {
      // An empty source page: the destination run becomes empty.
      if (RowBlock** d = SlotIfAny(dst)) std::fill(d, d + len, nullptr);
      return;
    }
    bool any = std::any_of(s, s + len, [](RowBlock* b) { return b != nullptr; });
    RowBlock** d = any ? &RowSlot(dst) : SlotIfAny(dst);
    if (!d) return;
    s = SlotIfAny(src);  // RowSlot may have made the page the source shares a directory with
    std::memmove(static_cast<void*>(d), s, sizeof(RowBlock*) * static_cast<size_t>(len));
  };
  auto room = [](int row) { return kPageSize - (row & (kPageSize - 1)); };
  if (to < from) {
    for (int i = 0; i < n;) {
      int len = std::min({n - i, room(from + i), room(to + i)});
      run(from + i, to + i, len);
      i += len;
    }
  } else {
    for (int end = n; end > 0;) {
      // The run ends at end - 1; it starts no earlier than either page's first slot.
      int s_last = from + end - 1, d_last = to + end - 1;
      int len = std::min({end, (s_last & (kPageSize - 1)) + 1, (d_last & (kPageSize - 1)) + 1});
      run(from + end - len, to + end - len, len);
      end -= len;
    }
  }
}

void TCellStore::InsertRows(int at, int count) {
  if (at < 0 || count <= 0) return;
  PackedInsertRows(at, count);
  int last = StoredLastRow();
  if (last < at) return;
  MoveSlots(at, at + count, last - at + 1);
  for (int r = at; r < at + count && r <= last; ++r)
    if (RowBlock** slot = SlotIfAny(r)) *slot = nullptr;
}

void TCellStore::DeleteRows(int at, int count) {
  if (at < 0 || count <= 0) return;
  PackedDeleteRows(at, count);
  int last = StoredLastRow();
  if (last < at) return;
  for (int r = at; r < at + count && r <= last; ++r)
    if (RowBlock** slot = SlotIfAny(r); slot && *slot) {
      cells_ -= (*slot)->size;
      RowBlock::Free(*slot);
      *slot = nullptr;
    }
  if (last >= at + count) MoveSlots(at + count, at, last - at - count + 1);
  for (int r = std::max(at, last - count + 1); r <= last; ++r)
    if (RowBlock** slot = SlotIfAny(r)) *slot = nullptr;
}

void TCellStore::SwapRows(int a, int b) {
  if (a == b || a < 0 || b < 0) return;
  PackedSwapRows(a, b);
  RowBlock* ra = FindRow(a);
  RowBlock* rb = FindRow(b);
  if (!ra && !rb) return;
  RowSlot(a) = rb;
  RowSlot(b) = ra;
}

void TCellStore::PermuteRows(int first, const std::vector<int>& from) {
  if (first < 0 || from.empty()) return;
  const int n = static_cast<int>(from.size());
  for (auto& [col, rows] : packed_) {
    if (rows.size() <= static_cast<std::size_t>(first)) continue;
    rows.resize(std::max(rows.size(), static_cast<std::size_t>(first) + from.size()), 0);
    std::vector<std::uint8_t> before(rows.begin() + first, rows.begin() + first + n);
    for (int k = 0; k < n; ++k)
      rows[static_cast<std::size_t>(first + k)] = before[static_cast<std::size_t>(from[static_cast<std::size_t>(k)] - first)];
    while (!rows.empty() && rows.back() == 0) rows.pop_back();
  }
  std::vector<RowBlock*> before(from.size());
  bool any = false;
  for (int k = 0; k < n; ++k) any |= (before[static_cast<std::size_t>(k)] = FindRow(first + k)) != nullptr;
  if (!any) return;
  for (int k = 0; k < n; ++k) {
    RowBlock* moving = before[static_cast<std::size_t>(from[static_cast<std::size_t>(k)] - first)];
    if (moving || FindRow(first + k)) RowSlot(first + k) = moving;
  }
}

void TCellStore::InsertColumns(int at, int count) {
  if (at < 0 || count <= 0) return;
  PackedInsertColumns(at, count);
  ForEachRow([&](int, RowBlock& block) {
    for (Cell& c : block)
      if (c.col >= at) c.col += count;
  });
}

void TCellStore::DeleteColumns(int at, int count) {
  if (at < 0 || count <= 0) return;
  PackedDeleteColumns(at, count);
  std::vector<int> emptied;
  ForEachRow([&](int row, RowBlock& block) {
    Cell* out = block.begin();
    for (Cell& c : block) {
      if (c.col >= at && c.col < at + count) {
        c.ReleaseText();
        --cells_;
        continue;
      }
      if (c.col >= at + count) c.col -= count;
      if (out != &c) std::memcpy(static_cast<void*>(out), &c, sizeof(Cell));
      ++out;
    }
    block.size = static_cast<std::uint32_t>(out - block.begin());
    if (block.size == 0) emptied.push_back(row);
  });
  for (int row : emptied) {
    RowBlock*& slot = RowSlot(row);
    RowBlock::Free(slot);
    slot = nullptr;
  }
}

void TCellStore::SwapColumns(int a, int b) {
  if (a == b || a < 0 || b < 0) return;
  int lo = std::min(a, b), hi = std::max(a, b);
  MoveColumn(lo, hi);
  MoveColumn(hi - 1, lo);
}

template <typename F>
void TCellStore::ForEachRow(F f) const {
  for (std::size_t d = 0; d < directories_.size(); ++d) {
    if (!directories_[d]) continue;
    for (int p = 0; p < kDirectorySize; ++p) {
      const auto& page = directories_[d]->pages[p];
      if (!page) continue;
      int first = static_cast<int>(d << (kPageBits + kDirectoryBits)) | (p << kPageBits);
      for (int s = 0; s < kPageSize; ++s)
        if (RowBlock* block = page->rows[s]) f(first | s, *block);
    }
  }
}

std::vector<TCellStore::TObjectCell> TCellStore::ObjectCells() const {
  std::vector<TObjectCell> result;
  ForEachRow([&](int row, const RowBlock& block) {
    for (const Cell& c : block)
      if (c.object) result.push_back({c.col, row, c.object});
  });
  return result;
}

void TCellStore::Clear() {
  ForEachRow([](int, RowBlock& block) { RowBlock::Free(&block); });
  directories_.clear();
  cells_ = 0;
  packed_.clear();
}

bool TCellStore::CheckConsistency() const {
  std::size_t count = 0;
  bool ok = true;
  ForEachRow([&](int, const RowBlock& block) {
    if (block.size == 0 || block.size > block.capacity) ok = false;
    int previous = -1;
    for (const Cell& c : block) {
      if (c.col <= previous || c.Empty()) ok = false;
      previous = c.col;
    }
    count += block.size;
  });
  return ok && count == cells_;
}

}  // namespace hd
