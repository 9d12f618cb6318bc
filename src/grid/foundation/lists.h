// Small containers of the grid: the integer list of a cell, the multi-column sort order, the
// controls placed in cells, a picture kept by file name and the line buffer of the text files.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/grid_types.h"
#include "platform/classes.h"
#include "platform/controls.h"
#include "platform/string_list.h"

namespace hd {

// Integers that belong to one cell (its image indexes) or to the grid (column orders, hidden
// and selected lines). Adding, deleting and overwriting an entry report the change.
class TIntList : public TObject {
 public:
  TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

  int Count() const { return static_cast<int>(items_.size()); }
  int Items(int Index) const { return GetInteger(Index); }
  void SetItems(int Index, int Value) { SetInteger(Index, Value); }
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);

  int Add(int Value);
  void Delete(int Index);
  // Quietly: the grid inserts while it rebuilds and reports once afterwards.
  void Insert(int Index, int Value);
  void DeleteValue(int Value);
  bool HasValue(int Value) const;
  int IndexOf(int Value) const;
  // The list's own housekeeping, unreported.
  void Clear() { items_.clear(); }
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  // Stable sort by a comparison answering <0, 0 or >0.
  void Sort(const std::function<int(int, int)>& Compare);

  // "1,5,12": decimal entries joined by "," without blanks. Writing reads the comma text and
  // adds each item with Add; an item that is not an integer raises EConvertError after the
  // items before it were added.
  std::string StrValue() const;
  void SetStrValue(const std::string& Value);

  int Col() const { return FCol; }
  int Row() const { return FRow; }

  TImageChangeEvent OnChange;

 protected:
  void Changed();
  void CheckIndex(int Index) const;

 private:
  int FCol;
  int FRow;
  std::vector<int> items_;
};

// The columns of a sort over several columns, in order of precedence: bits 0 to 30 hold the
// column, bit 31 set means descending.
class TSortIndexList : public TIntList {
 public:
  explicit TSortIndexList(int Col = 0, int Row = 0) : TIntList(Col, Row) {}

  void AddIndex(int ColumnIndex, bool Ascending);
  int FindIndex(int ColumnIndex) const;
  // Flips the direction of the first entry of the column; nothing when there is none.
  void ToggleIndex(int ColumnIndex);

  int SortColumns(int i) const { return GetSortColumns(i); }
  void SetSortColumns(int i, int Value);
  int GetSortColumns(int i) const;
  // True when entry i sorts ascending.
  bool SortDirections(int i) const { return GetSortDirections(i); }
  bool GetSortDirections(int i) const;
  void SetSortDirections(int i, bool Value);

  // "u2;d5": "u" ascending, "d" descending, then the column (low 16 bits), joined by ";".
  std::string SaveToString() const;
  // Items shorter than two characters are skipped; only a lower-case "u" is ascending; an item
  // whose column is not a number reads as column 0.
  void LoadFromString(std::string s);
};

// A control placed in a cell: column X, real row Y. The control is not owned.
class TControlItem {
 public:
  TControlItem(int X, int Y, TControl* AObject) : FX(X), FY(Y), FObject(AObject) {}
  int X() const { return FX; }
  void SetX(int v) { FX = v; }
  int Y() const { return FY; }
  void SetY(int v) { FY = v; }
  TControl* Control() const { return FObject; }
  void SetControl(TControl* c) { FObject = c; }

 private:
  int FX;
  int FY;
  TControl* FObject;
};

// The controls the grid hosts in its cells. Owns its items, not their controls.
class TControlList {
 public:
  TControlList() = default;
  TControlList(const TControlList&) = delete;
  TControlList& operator=(const TControlList&) = delete;
  ~TControlList();

  int Count() const { return static_cast<int>(items_.size()); }
  void AddControl(int X, int Y, TControl* AObject);
  int ControlIndex(int X, int Y) const;
  TControlItem* Control(int i) const { return GetControl(i); }
  TControlItem* GetControl(int i) const;
  // A windowed control of the list has this window handle.
  bool HasHandle(HWND Handle) const;
  void RemoveControl(int i);

 private:
  std::vector<std::unique_ptr<TControlItem>> items_;
};

// A picture that a cell shows from a file: only the name and the size are kept; the file is
// read again each time it is drawn.
class TFilePicture : public TPersistent {
 public:
  const char* ClassName() const override { return "TFilePicture"; }
  const std::string& Filename() const { return FFilename; }
  // Reads the file for its size; EFOpenError or EInvalidGraphic when it is missing or no picture.
  void SetFilename(const std::string& Value);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Stretched into r; nothing without a file name.
  void DrawPicture(TCanvas& Canvas, const TRect& r) const;
  // Name and size of another file picture; any other source is refused as by every persistent.
  void Assign(const TPersistent* Source) override;

 private:
  std::string FFilename;
  int FWidth = 0;
  int FHeight = 0;
};

// Lines read one by one and written piece by piece, for the grid's text file formats.
class TFileStringList : public TStringList {
 public:
  void Reset();
  // The line at the read position, which advances; raises the list's index error at Eof.
  void ReadLn(std::string& s);
  bool Eof() const { return fp >= Count(); }
  // Text collected for the line that the next WriteLn adds.
  void Write(const std::string& s) { cache += s; }
  void WriteLn(const std::string& s);

 private:
  int fp = 0;
  std::string cache;
};

}  // namespace hd
