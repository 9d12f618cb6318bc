// One axis of the grid (its columns or its rows): line sizes, the fixed lines, the grid line
// between lines, and where each line lies. Rows and columns share this one class.
#pragma once

#include <cstdint>
#include <vector>

namespace hd {

// Where the lines of one axis lie in the client area for a given first scrolled line: what the
// paint loop, the hit tests, the cell rectangles and the scroll bars share.
struct TGridAxisDrawInfo {
  int EffectiveLineWidth = 0;   // the grid line after every shown line
  int FixedBoundary = 0;        // first pixel after the fixed lines
  int GridBoundary = 0;         // first pixel after the last line drawn (the client extent when cut)
  int GridExtent = 0;           // the client extent
  int LastFullVisibleCell = 0;  // last line shown whole; the first scrolled line when none is
  int FullVisBoundary = 0;      // first pixel after LastFullVisibleCell when it is shown whole
  int FixedCellCount = 0;
  int FirstGridCell = 0;        // first scrolled line shown (left column, top row)
  int GridCellCount = 0;
};

// Sizes stay implicit while every line has the default size, so positions of a million lines
// cost nothing; once a line differs they live in an array with a Fenwick tree of the extents,
// so every position and every search is O(log n).
class TGridAxis {
 public:
  TGridAxis(int count, int defaultSize);

  int Count() const { return count_; }
  // New lines take the default size; lines below the new count keep theirs.
  void SetCount(int count);
  int FixedCount() const { return fixed_; }
  // The grid checks the value against the count before it comes here.
  void SetFixedCount(int fixed) { fixed_ = fixed; }
  int DefaultSize() const { return default_size_; }
  // Every line takes the new default size.
  void SetDefaultSize(int size);
  int LineWidth() const { return line_width_; }
  void SetLineWidth(int width);

  // The default size for a line outside 0..Count-1.
  int Size(int line) const;
  // 0 <= line < Count; a negative size is kept as 0. A line of size 0 is hidden: it takes no
  // pixel, not even its grid line.
  void SetSize(int line, int size);
  bool Uniform() const { return sizes_.empty(); }

  // Pixels of a line with its grid line; 0 for a hidden line.
  int Extent(int line) const;
  // Pixels of the lines 0..line-1, for 0 <= line <= Count.
  std::int64_t Position(int line) const;
  std::int64_t Span(int from, int to) const { return Position(to) - Position(from); }
  std::int64_t Total() const { return Position(count_); }
  // The line whose pixels hold the offset from the axis start: -1 before it, Count past it.
  int LineAt(std::int64_t pos) const;
  // The first shown line at or after `line`, Count when none.
  int NextShown(int line) const;
  // The last shown line at or before `line`, -1 when none.
  int PrevShown(int line) const;

  // Takes line `from` out and puts it back at `to`; the lines between shift by one.
  void MoveLine(int from, int to);
  // Count lines of the default size before `at` (0 <= at <= Count), or Count lines from `at`
  // dropped; the other lines keep their sizes. Swap exchanges two lines' sizes.
  void InsertLines(int at, int count);
  void DeleteLines(int at, int count);
  void SwapLines(int a, int b);
  // Lines first .. first + from.size() - 1 take the sizes of the lines that stood at
  // from[k] (a permutation of those lines); the tree is rebuilt once.
  void PermuteLines(int first, const std::vector<int>& from);

  // The layout of the lines in a client extent with `first` as the first scrolled line.
  TGridAxisDrawInfo DrawInfo(int first, int gridExtent) const;
  // The smallest first scrolled line with which `last` is still shown whole in the extent;
  // `last` itself when even it does not fit.
  int MaxFirst(int last, int gridExtent) const;
  // The line under a client pixel, -1 outside the lines (also before the axis start).
  int LineAtPixel(const TGridAxisDrawInfo& info, int pixel) const;
  // Client pixel where a line starts, or false when it is scrolled away or starts at or past
  // the client extent.
  bool LineStart(const TGridAxisDrawInfo& info, int line, int& start) const;

  // The Fenwick tree agrees with the sizes, and the counts with each other.
  bool CheckConsistency() const;

 private:
  int UniformExtent() const;
  void MakeExplicit();
  void Rebuild();
  void Add(int line, std::int64_t delta);
  // Number of lines whose end lies at or before pos (strict: before pos).
  int LinesEndingBy(std::int64_t pos, bool strict) const;

  int count_;
  int fixed_ = 0;
  int default_size_;
  int line_width_ = 0;
  std::vector<int> sizes_;          // empty while every line has the default size
  std::vector<std::int64_t> tree_;  // 1-based Fenwick tree of the extents
};

}  // namespace hd
