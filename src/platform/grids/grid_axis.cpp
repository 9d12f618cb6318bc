#include "platform/grids/grid_axis.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace hd {

namespace {

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

}  // namespace

TGridAxis::TGridAxis(int count, int defaultSize) : count_(std::max(count, 0)), default_size_(defaultSize) {}

void TGridAxis::SetCount(int count) {
  count = std::max(count, 0);
  int old = count_;
  count_ = count;
  if (Uniform() || count == old) return;
  sizes_.resize(static_cast<size_t>(count), default_size_);
  if (count < old) {
    // Nodes up to the new count cover only lines below it.
    tree_.resize(static_cast<size_t>(count) + 1);
    return;
  }
  if (count - old > old) {
    Rebuild();
    return;
  }
  tree_.resize(static_cast<size_t>(count) + 1);
  for (int i = old + 1; i <= count; ++i) {
    // Node i covers lines (i - lowbit(i), i]: its own extent plus the lines before it in that span.
    int low = i - (i & -i);
    tree_[static_cast<size_t>(i)] = Extent(i - 1) + (Position(i - 1) - Position(low));
  }
}

void TGridAxis::SetDefaultSize(int size) {
  default_size_ = size;
  sizes_.clear();
  tree_.clear();
}

void TGridAxis::SetLineWidth(int width) {
  if (width == line_width_) return;
  line_width_ = width;
  if (!Uniform()) Rebuild();
}

int TGridAxis::Size(int line) const {
  if (Uniform() || line < 0 || line >= count_) return default_size_;
  return sizes_[static_cast<size_t>(line)];
}

void TGridAxis::SetSize(int line, int size) {
  size = std::max(size, 0);
  if (line < 0 || line >= count_) return;
  if (Uniform()) {
    if (size == default_size_) return;
    MakeExplicit();
  }
  int before = Extent(line);
  sizes_[static_cast<size_t>(line)] = size;
  Add(line, Extent(line) - before);
}

int TGridAxis::UniformExtent() const { return default_size_ > 0 ? default_size_ + line_width_ : 0; }

int TGridAxis::Extent(int line) const {
  if (Uniform()) return UniformExtent();
  int s = Size(line);
  return s > 0 ? s + line_width_ : 0;
}

std::int64_t TGridAxis::Position(int line) const {
  line = std::clamp(line, 0, count_);
  if (Uniform()) return std::int64_t{line} * UniformExtent();
  std::int64_t sum = 0;
  for (int i = line; i > 0; i -= i & -i) sum += tree_[static_cast<size_t>(i)];
  return sum;
}

int TGridAxis::LinesEndingBy(std::int64_t pos, bool strict) const {
  if (Uniform()) {
    std::int64_t ext = UniformExtent();
    if (ext == 0) return (strict ? pos > 0 : pos >= 0) ? count_ : 0;
    if (pos < 0 || (strict && pos == 0)) return 0;
    std::int64_t k = strict ? (pos - 1) / ext : pos / ext;
    return static_cast<int>(std::min<std::int64_t>(k, count_));
  }
  if (pos < 0 || (strict && pos == 0)) return 0;
  int idx = 0;
  std::int64_t rest = pos;
  for (int step = count_ > 0 ? static_cast<int>(std::bit_floor(static_cast<unsigned>(count_))) : 0; step > 0;
       step >>= 1) {
    int next = idx + step;
    if (next > count_) continue;
    std::int64_t node = tree_[static_cast<size_t>(next)];
    if (strict ? node < rest : node <= rest) {
      idx = next;
      rest -= node;
    }
  }
  return idx;
}

int TGridAxis::LineAt(std::int64_t pos) const {
  if (pos < 0) return -1;
  return LinesEndingBy(pos, false);
}

int TGridAxis::NextShown(int line) const {
  line = std::max(line, 0);
  if (line >= count_) return count_;
  std::int64_t p = Position(line);
  return p >= Total() ? count_ : LineAt(p);
}

int TGridAxis::PrevShown(int line) const {
  if (line < 0 || count_ == 0) return -1;
  line = std::min(line, count_ - 1);
  std::int64_t p = Position(line + 1);
  return p == 0 ? -1 : LineAt(p - 1);
}

void TGridAxis::InsertLines(int at, int count) {
  at = std::clamp(at, 0, count_);
  if (count <= 0) return;
  count_ += count;
  if (Uniform()) return;
  sizes_.insert(sizes_.begin() + at, static_cast<size_t>(count), default_size_);
  Rebuild();
}

void TGridAxis::DeleteLines(int at, int count) {
  if (at < 0 || at >= count_ || count <= 0) return;
  count = std::min(count, count_ - at);
  count_ -= count;
  if (Uniform()) return;
  sizes_.erase(sizes_.begin() + at, sizes_.begin() + at + count);
  Rebuild();
}

void TGridAxis::SwapLines(int a, int b) {
  if (a == b || a < 0 || b < 0 || a >= count_ || b >= count_ || Uniform()) return;
  int sa = Size(a), sb = Size(b);
  if (sa == sb) return;
  SetSize(a, sb);
  SetSize(b, sa);
}

void TGridAxis::PermuteLines(int first, const std::vector<int>& from) {
  if (Uniform() || first < 0 || from.empty() || first + static_cast<int>(from.size()) > count_) return;
  std::vector<int> before(sizes_.begin() + first, sizes_.begin() + first + static_cast<int>(from.size()));
  bool changed = false;
  for (std::size_t k = 0; k < from.size(); ++k) {
    int size = before[static_cast<std::size_t>(from[k] - first)];
    changed |= size != before[k];
    sizes_[static_cast<std::size_t>(first) + k] = size;
  }
  if (changed) Rebuild();
}

void TGridAxis::MoveLine(int from, int to) {
  if (from == to || Uniform() || from < 0 || to < 0 || from >= count_ || to >= count_) return;
  int lo = std::min(from, to), hi = std::max(from, to);
  std::vector<int> before(sizes_.begin() + lo, sizes_.begin() + hi + 1);
  auto first = sizes_.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
  // A short move updates its lines one by one; a long one rebuilds the tree in O(n).
  if (std::int64_t{hi - lo + 1} * 32 > count_) {
    Rebuild();
    return;
  }
  for (int i = lo; i <= hi; ++i) {
    int old = before[static_cast<size_t>(i - lo)];
    int oldExtent = old > 0 ? old + line_width_ : 0;
    Add(i, Extent(i) - oldExtent);
  }
}

TGridAxisDrawInfo TGridAxis::DrawInfo(int first, int gridExtent) const {
  TGridAxisDrawInfo info;
  first = std::clamp(first, fixed_, std::max(fixed_, count_ - 1));
  info.EffectiveLineWidth = line_width_;
  info.FixedCellCount = fixed_;
  info.FirstGridCell = first;
  info.GridCellCount = count_;
  info.GridExtent = gridExtent;
  std::int64_t fixedBoundary = Position(fixed_);
  info.FixedBoundary = ClampToInt(fixedBoundary);
  // A line fits while its end (with its grid line) stays within the extent plus one grid line.
  std::int64_t room = std::int64_t{gridExtent} + line_width_ - fixedBoundary;
  int fitting = LinesEndingBy(Position(first) + room, false);
  bool fits = room >= 0 && fitting > first;
  // The platform counts the first scrolled line as visible even when it is cut.
  int last = fits ? std::min(fitting, count_) - 1 : first;
  info.LastFullVisibleCell = last;
  info.FullVisBoundary = fits ? ClampToInt(fixedBoundary + Span(first, last + 1)) : info.FixedBoundary;
  info.GridBoundary = fits && last == count_ - 1 ? ClampToInt(fixedBoundary + Span(first, count_)) : gridExtent;
  return info;
}

int TGridAxis::MaxFirst(int last, int gridExtent) const {
  last = std::clamp(last, 0, std::max(count_ - 1, 0));
  std::int64_t room = std::int64_t{gridExtent} + line_width_ - Position(fixed_);
  std::int64_t target = Position(last + 1) - room;
  int first = target <= 0 ? 0 : LinesEndingBy(target, true) + 1;
  first = std::max(first, fixed_);
  if (first > last) return last;
  int shown = NextShown(first);
  return shown <= last ? shown : last;
}

int TGridAxis::LineAtPixel(const TGridAxisDrawInfo& info, int pixel) const {
  if (pixel < 0) return -1;
  if (pixel < info.FixedBoundary) {
    int line = LineAt(pixel);
    return line < fixed_ ? line : -1;
  }
  int line = LineAt(Position(info.FirstGridCell) + (pixel - info.FixedBoundary));
  return line < count_ ? line : -1;
}

bool TGridAxis::LineStart(const TGridAxisDrawInfo& info, int line, int& start) const {
  if (line < 0 || line >= count_) return false;
  std::int64_t s;
  if (line < fixed_)
    s = Position(line);
  else if (line < info.FirstGridCell)
    return false;
  else
    s = info.FixedBoundary + Span(info.FirstGridCell, line);
  if (s >= info.GridExtent) return false;
  start = static_cast<int>(s);
  return true;
}

void TGridAxis::MakeExplicit() {
  sizes_.assign(static_cast<size_t>(count_), default_size_);
  Rebuild();
}

void TGridAxis::Rebuild() {
  tree_.assign(static_cast<size_t>(count_) + 1, 0);
  for (int i = 1; i <= count_; ++i) tree_[static_cast<size_t>(i)] = Extent(i - 1);
  for (int i = 1; i <= count_; ++i) {
    int parent = i + (i & -i);
    if (parent <= count_) tree_[static_cast<size_t>(parent)] += tree_[static_cast<size_t>(i)];
  }
}

void TGridAxis::Add(int line, std::int64_t delta) {
  if (delta == 0) return;
  for (int i = line + 1; i <= count_; i += i & -i) tree_[static_cast<size_t>(i)] += delta;
}

bool TGridAxis::CheckConsistency() const {
  if (count_ < 0 || fixed_ < 0 || (count_ > 0 && fixed_ >= count_)) return false;
  if (Uniform()) return tree_.empty();
  if (sizes_.size() != static_cast<size_t>(count_) || tree_.size() != static_cast<size_t>(count_) + 1) return false;
  std::int64_t sum = 0;
  for (int i = 0; i < count_; ++i) {
    if (sizes_[static_cast<size_t>(i)] < 0) return false;
    if (Position(i) != sum) return false;
    sum += Extent(i);
  }
  return Position(count_) == sum;
}

}  // namespace hd
