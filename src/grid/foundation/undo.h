// Undo and redo of cell changes: a history of changed cells, single or in sequences that
// replay as one step, replayed on the linked grid through its cell text.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace hd {

class TBaseGrid;

// One registered change, or the opening or closing marker of a sequence (column and row -1).
class TUndoRedoItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  const char* ClassName() const override { return "TUndoRedoItem"; }

  // The text after the change, written by redo.
  const std::string& Value() const { return FValue; }
  void SetValue(const std::string& v) { FValue = v; }
  // The text before the change, written by undo.
  const std::string& OrigValue() const { return FOrigValue; }
  void SetOrigValue(const std::string& v) { FOrigValue = v; }
  int Col() const { return FCol; }
  void SetCol(int v) { FCol = v; }
  int Row() const { return FRow; }
  void SetRow(int v) { FRow = v; }
  bool SequenceStart() const { return FSequenceStart; }
  void SetSequenceStart(bool v) { FSequenceStart = v; }
  bool SequenceStop() const { return FSequenceStop; }
  void SetSequenceStop(bool v) { FSequenceStop = v; }

 private:
  int FRow = -1;
  int FCol = -1;
  std::string FValue;
  std::string FOrigValue;
  bool FSequenceStart = false;
  bool FSequenceStop = false;
};

// The history, oldest entry first.
class TUndoRedoCollection : public TCollection {
 public:
  TUndoRedoCollection() : TCollection(ItemClassOf<TUndoRedoItem>()) {}
  const char* ClassName() const override { return "TUndoRedoCollection"; }
  TUndoRedoItem* Items(int Index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(Index)); }
  TUndoRedoItem* Add() { return static_cast<TUndoRedoItem*>(TCollection::Add()); }
};

class TExtGridUndoRedo : public TComponent {
 public:
  explicit TExtGridUndoRedo(TComponent* AOwner);
  ~TExtGridUndoRedo() override;
  const char* ClassName() const override { return "TExtGridUndoRedo"; }

  // Entries 0..Level-1 are applied; the entries from Level on can be redone.
  int Level() const { return FLevel; }
  const TUndoRedoCollection& Items() const { return FItems; }
  // The grid replayed on; not owned, forgotten when it goes. The grid's UndoRedo sets it.
  TBaseGrid* Grid() const { return FGrid; }
  void SetGrid(TBaseGrid* Value);
  // Bound on the number of entries, kept when a change is registered (a marker is added
  // regardless); 0 for none.
  int MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int Value) { FMaxLevel = Value; }
  // Fired before each cell a step writes, with the cell's current text and the text to come.
  TExtGridUndoRedoEvent OnUndo;
  TExtGridUndoRedoEvent OnRedo;

  // Each of these first drops the entries that could still be redone: a new change makes
  // them unreachable.
  virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
  // The changes registered between the two markers undo and redo as one step.
  virtual void StartSequence();
  virtual void StopSequence();

  void Undo();
  void Redo();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems.Count(); }
  void Reset();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DropRedoTail();
  void AddMarker(bool Start);
  // Writes the entry's old text (undo) or new text (redo) and makes the cell current.
  void Apply(const TUndoRedoItem& E, bool Backwards);

  TUndoRedoCollection FItems;
  TBaseGrid* FGrid = nullptr;
  int FLevel = 0;
  int FMaxLevel = 0;
};

}  // namespace hd
