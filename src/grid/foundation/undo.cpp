#include "grid/foundation/undo.h"

#include <algorithm>

#include "grid/foundation/base_grid.h"

namespace hd {

TExtGridUndoRedo::TExtGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

TExtGridUndoRedo::~TExtGridUndoRedo() = default;

void TExtGridUndoRedo::SetGrid(TBaseGrid* Value) {
  FGrid = Value;
  if (Value) FreeNotification(Value);
}

void TExtGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
}

void TExtGridUndoRedo::DropRedoTail() {
  while (FItems.Count() > FLevel) FItems.Delete(FItems.Count() - 1);
}

void TExtGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue) {
  DropRedoTail();
  if (FMaxLevel > 0 && FItems.Count() >= FMaxLevel) FItems.Delete(0);
  TUndoRedoItem* E = FItems.Add();
  E->SetCol(ACol);
  E->SetRow(ARow);
  E->SetValue(NewValue);
  E->SetOrigValue(OldValue);
  FLevel = FItems.Count();
}

void TExtGridUndoRedo::AddMarker(bool Start) {
  DropRedoTail();
  TUndoRedoItem* E = FItems.Add();
  E->SetSequenceStart(Start);
  E->SetSequenceStop(!Start);
  FLevel = FItems.Count();
}

void TExtGridUndoRedo::StartSequence() { AddMarker(true); }

void TExtGridUndoRedo::StopSequence() { AddMarker(false); }

void TExtGridUndoRedo::Apply(const TUndoRedoItem& E, bool Backwards) {
  // A marker left unpaired (a stray StopSequence) holds no cell.
  if (E.SequenceStart() || E.SequenceStop()) return;
  const std::string& text = Backwards ? E.OrigValue() : E.Value();
  if (const TExtGridUndoRedoEvent& event = Backwards ? OnUndo : OnRedo)
    event(this, FGrid, E.Col(), E.Row(), FGrid->GetCellEx(E.Col(), E.Row()), text);
  FGrid->SetCellEx(E.Col(), E.Row(), text);
  // A cell outside the grid gets its text, but the current cell stays inside.
  int col = FGrid->DisplColIndex(E.Col());
  if (col >= 0 && col < FGrid->ColCount() && E.Row() >= 0 && E.Row() < FGrid->RowCount()) {
    FGrid->SetCol(col);
    FGrid->SetRow(E.Row());
  }
}

void TExtGridUndoRedo::Undo() {
  if (!FGrid || FLevel <= 0 || FItems.Count() < FLevel) return;
  const TUndoRedoItem& E = *FItems.Items(FLevel - 1);
  if (!E.SequenceStop()) {
    Apply(E, true);
    FGrid->RepaintCell(FGrid->Col(), E.Row());
    --FLevel;
    return;
  }
  --FLevel;
  while (FLevel > 0 && !FItems.Items(FLevel - 1)->SequenceStart()) {
    Apply(*FItems.Items(FLevel - 1), true);
    --FLevel;
  }
  // Past the opening marker; a closing marker without one has undone everything.
  if (FLevel > 0) --FLevel;
  FGrid->Invalidate();
}

void TExtGridUndoRedo::Redo() {
  if (!FGrid || FLevel >= FItems.Count()) return;
  ++FLevel;
  const TUndoRedoItem& E = *FItems.Items(FLevel - 1);
  if (!E.SequenceStart()) {
    Apply(E, false);
    return;
  }
  // Ends just past the closing marker; a sequence still open replays to the end.
  ++FLevel;
  while (FLevel <= FItems.Count() && !FItems.Items(FLevel - 1)->SequenceStop()) {
    Apply(*FItems.Items(FLevel - 1), false);
    ++FLevel;
  }
  FLevel = std::min(FLevel, FItems.Count());
  FGrid->Invalidate();
}

void TExtGridUndoRedo::Reset() {
  FItems.Clear();
  FLevel = 0;
}

}  // namespace hd
