// The block of cells every export covers, and what the grid's text files share: progress in
// whole percents, numbers read from files and streams, and the guards a long file operation
// keeps up while it runs.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "grid/stringgrid/grid_data_host.h"

namespace hd {

struct TSaveRange {
  int StartCol = 0, EndCol = 0, ColCount = 0;
  int StartRow = 0, EndRow = 0, RowCount = 0;
};

// The fixed columns (rows) are inside the range when SaveFixedCells or SaveFixedCols (Rows) is on.
TSaveRange SaveRangeOf(const TGridDataHost& Host);
// The columns a file writes from the range, as real columns: the shown ones, or with
// SaveHiddenCells every column the store holds up to the range's end.
std::vector<int> SavedColumns(const TGridDataHost& Host, const TSaveRange& Range);
// The smallest block holding every non-empty cell, inclusive; (0, 0, 0, 0) when there is none.
TRect UsedCellsOf(const TGridDataHost& Host);
// The number in a cell: 0 when empty, else its plain number text converted; EExtGridError
// names the position where the conversion stopped.
double CellNumber(const TGridDataHost& Host, int ACol, int ARow);

// Done x 100 / Total taken to the nearest whole number, halves to the even one.
int RoundedPercent(long long Done, long long Total);

// Hands the host whole percents, each only when it differs from the last one sent.
class TProgressReporter {
 public:
  explicit TProgressReporter(TGridDataHost& Host) : host_(Host), active_(Host.HasFileProgress()) {}
  bool Active() const { return active_; }
  void Report(long long Done, long long Total);

 private:
  TGridDataHost& host_;
  bool active_;
  int last_ = -1;
};

// Lets the window system run during a long load, at most every 50 ms: after every line it
// would cost more than the load itself.
class TMessagePump {
 public:
  explicit TMessagePump(TGridDataHost& Host) : host_(Host), last_(std::chrono::steady_clock::now()) {}
  void Poll();

 private:
  TGridDataHost& host_;
  std::chrono::steady_clock::time_point last_;
  unsigned calls_ = 0;
};

// Holds back painting for a load and lets it go on every way out.
class TUpdateLock {
 public:
  explicit TUpdateLock(TGridDataHost& Host) : host_(Host) { host_.BeginUpdate(); }
  ~TUpdateLock() { host_.EndUpdate(); }
  TUpdateLock(const TUpdateLock&) = delete;
  TUpdateLock& operator=(const TUpdateLock&) = delete;

 private:
  TGridDataHost& host_;
};

// The hourglass while an export runs; the cursor before it comes back on every way out.
class THourGlass {
 public:
  explicit THourGlass(TGridDataHost& Host);
  ~THourGlass() { host_.SetScreenCursor(old_); }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

 private:
  TGridDataHost& host_;
  TCursor old_;
};

// Numbers in the text file: leading blanks, a sign, decimal digits or hexadecimal ones after
// "$", "x" or "0x"; reading stops at the first other character, and no digits read as 0.
int LenientNumber(std::string_view Text);
// Numbers in a stream: a whole decimal (or "$"/"0x" hexadecimal) number, else EConvertError.
int StrictNumber(const std::string& Text);

// The message every export gives for a file it cannot write.
std::string CannotCreateMessage(const std::string& FileName);

}  // namespace hd
