// A grid's column layout (widths, order of moved columns, hidden columns) as one text, and as
// numbered entries in an INI section or under a key of the user's store, named by the grid's
// ColumnSize.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/stringgrid/grid_data_host.h"

namespace hd {

class TColumnSize;

// Where the "Col" and "Pos" entries of a layout are kept.
class TColumnStore {
 public:
  virtual ~TColumnStore() = default;
  virtual int Read(const std::string& Name, int Default) = 0;
  virtual void Write(const std::string& Name, int Value) = 0;
  // Writes the store back (an INI file is rewritten whole, so a missing one is created).
  virtual void Flush() = 0;
};

// The store ColumnSize names: its Key as INI file or as key under the user's root, its Section
// as INI section or subkey; null when either is empty.
std::unique_ptr<TColumnStore> OpenColumnStore(const TColumnSize& Settings);

// Whether Order holds each of 0 .. Count - 1 exactly once.
bool IsColumnPermutation(const std::vector<int>& Order, int Count);

class TColumnStates : public TDataEngine {
 public:
  explicit TColumnStates(TGridDataHost& Host) : H(Host) {}

  // N#widths#order#visibility: all columns, display widths, the recorded order, and "1" or "0"
  // per real column for shown or hidden.
  std::string ToString();
  // A text without "#" changes nothing. An order that is not a permutation of the columns is
  // passed over; a count or width that is no number raises EConvertError and a field short of
  // entries EListError, leaving what was applied before.
  void FromString(const std::string& Value);

  // The "Col" entries: each display column's width.
  void SaveColSizes();
  void LoadColSizes();
  // The "Pos" entries: the recorded order; a stored order that is not a permutation of all
  // columns is passed over.
  void SaveColPositions();
  void LoadColPositions();

 private:
  // The store, or null while designing or when ColumnSize names none.
  std::unique_ptr<TColumnStore> Store();
  // The recorded order becomes Inverse, the columns move to their places, and the order
  // becomes Order.
  void ApplyOrder(const std::vector<int>& Order);
  void ApplyWidths(const std::vector<std::string>& Widths);

  TGridDataHost& H;
};

}  // namespace hd
