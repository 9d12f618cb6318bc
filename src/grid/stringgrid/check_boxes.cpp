// Check boxes in cells: adding and removing them, reading, setting and toggling their state
// wherever it lives (the record, the cell text or the row's selection mark), and the hit test
// of a click.
#include <algorithm>

#include "grid/foundation/undo.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr TCellTypes kCheckBoxTypes{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox};
constexpr TCellTypes kTextCheckBoxTypes{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox};

TCellVAlign CellVAlignOf(TVAlignment VA) {
  switch (VA) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
  }
}

// A packed check box: its kind, the state of a plain box and its vertical alignment in the
// byte the cell store keeps for the cell.
constexpr std::uint8_t kPackedPlain = 1, kPackedData = 2, kPackedChecked = 4;
constexpr int kPackedAlignShift = 3;

std::uint8_t PackCheckBox(bool Data, bool State, TCellVAlign VA) {
  return static_cast<std::uint8_t>((Data ? kPackedData : kPackedPlain) | (State ? kPackedChecked : 0) |
                                   (VA << kPackedAlignShift));
}

void SetUpBoxRecord(TCellGraphic& Record, TCellType AType, bool State, TCellVAlign VA) {
  Record.SetCellType(AType);
  Record.SetCellBoolean(State);
  Record.SetCellAngle(0);
  Record.SetCellTransparent(true);
  Record.SetCellHAlign(haBeforeText);
  Record.SetCellVAlign(VA);
}

}  // namespace

TCellGraphic* TExtStringGrid::AddBoxRecord(int ACol, int ARow, TCellType AType, bool State) {
  // Negative indexes are refused like those past the end: either would write outside the grid.
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() + FP->NumHidden || ARow >= RowCount() + NumHiddenRows())
    throw Exception("Invalid cell");
  TCellGraphic* record = CreateCellGraphic(ACol, ARow);
  SetUpBoxRecord(*record, AType, State, CellVAlignOf(FP->Text.FVAlignment));
  return record;
}

std::uint8_t TExtStringGrid::PackedCheckBox(int ACol, int ARow) const {
  return Store().HasPacked() ? Store().Packed(ACol, ARow) : 0;
}

TCellType TExtStringGrid::PackedCheckBoxType(int ACol, int ARow) const {
  std::uint8_t packed = PackedCheckBox(ACol, ARow);
  // Column 0 under the rows' shared box shows that box instead.
  if (packed == 0 || (ACol == 0 && FP->MouseActions->HotmailRowSelect())) return ctEmpty;
  return (packed & kPackedData) ? ctDataCheckBox : ctCheckBox;
}

void TExtStringGrid::MakePackedCheckBox(int ACol, int ARow, std::uint8_t Packed) {
  if (Destroying()) return;
  // The record is made quietly: the box was there all along, so no text hook or repaint
  // may see the cell change (it may be made while the cell is painted).
  const bool blank = Store().Text(ACol, ARow).empty();
  if (blank) Store().SetText(ACol, ARow, " ");
  NewCellProperties(ACol, ARow);
  auto* record = new TCellGraphic;
  SetGraphicObjectEx(ACol, ARow, record);
  if (blank) Store().SetText(ACol, ARow, "");
  SetUpBoxRecord(*record, (Packed & kPackedData) ? ctDataCheckBox : ctCheckBox, (Packed & kPackedChecked) != 0,
                 static_cast<TCellVAlign>(Packed >> kPackedAlignShift));
}

bool TExtStringGrid::TogglePackedCheckBox(int ACol, int ARow, std::uint8_t Packed, bool CheckEditable) {
  if (CheckEditable && !FP->ControlLook->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }
  const bool data = (Packed & kPackedData) != 0;
  std::string checkTrue, checkFalse;
  GetCheckTrue(ACol, ARow, checkTrue);
  GetCheckFalse(ACol, ARow, checkFalse);
  bool state = false;
  std::string textBefore;
  if (data) {
    textBefore = Cells(ACol, ARow);
    state = textBefore != checkTrue;
    SetCells(ACol, ARow, state ? checkTrue : checkFalse);
  } else {
    state = (Packed & kPackedChecked) == 0;
    Store().SetPacked(ACol, ARow, Packed ^ kPackedChecked);
  }
  RepaintCell(RealToDisplCol(ACol), ARow);
  DoCheckBoxChange(ACol, ARow, state);
  if (FP->Grouping->AutoCheckGroup() && HasNodes()) ApplyGroupCheck(ACol, ARow, false, state);
  if (TExtGridUndoRedo* undo = UndoRedo()) {
    if (data)
      undo->RegisterChange(ACol, ARow, textBefore, Cells(ACol, ARow));
    else if (state)
      undo->RegisterChange(ACol, ARow, checkFalse, checkTrue);
    else
      undo->RegisterChange(ACol, ARow, checkTrue, checkFalse);
  }
  return true;
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  AddBoxRecord(ACol, ARow, Data ? ctDataCheckBox : ctCheckBox, State);
  if (Data) {
    // A text that already means ticked or unticked stays: the text, not State, decides.
    const std::string& text = Cells(ACol, ARow);
    if (text != FP->Text.FCheckTrue && text != FP->Text.FCheckFalse) SetCells(ACol, ARow, State ? FP->Text.FCheckTrue : FP->Text.FCheckFalse);
  }
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveCheckBox(int ACol, int ARow) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) return;
  TCellType type = record->CellType();
  if (type != ctCheckBox && type != ctDataCheckBox && type != ctTriStateCheckBox) return;
  if (record->CellAngle() == 1) {
    // The balloon riding on the box goes with it.
    record->SetCellAngle(0);
    delete TCellGraphic::SlotObject<TStringList>(record->CellBitmap());
    record->SetCellBitmap({});
  }
  RemoveCellGraphic(ACol, ARow);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TExtStringGrid::HasCheckBox(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, kCheckBoxTypes); }

bool TExtStringGrid::HasDataCheckBox(int ACol, int ARow) {
  return HasCellGraphicType(ACol, ARow, kTextCheckBoxTypes);
}

bool TExtStringGrid::HasClickableGraphic(int ACol, int ARow) {
  static constexpr TCellTypes kClickable{ctCheckBox,     ctDataCheckBox, ctRadio,       ctButton,
                                         ctVirtCheckBox, ctRowCheckBox,  ctRadioButton, ctTriStateCheckBox};
  return HasCellGraphicType(ACol, ARow, kClickable);
}

bool TExtStringGrid::IsGraphicOnlyCell(int ACol, int ARow) {
  static constexpr TCellTypes kGraphicOnly{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox};
  return HasCellGraphicType(ACol, ARow, kGraphicOnly);
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
  // A packed box answers from its byte or its text, without making its record.
  if (TCellType packed = PackedCheckBoxType(ACol, ARow); packed != ctEmpty && NumHiddenRows() == 0) {
    if (packed == ctCheckBox) {
      State = (Store().Packed(ACol, ARow) & kPackedChecked) != 0;
    } else {
      std::string checkTrue;
      GetCheckTrue(ACol, ARow, checkTrue);
      State = Cells(ACol, ARow) == checkTrue;
    }
    return true;
  }
  bool fromProps = false;
  TCellGraphic* record = FindStateRecord(ACol, ARow, fromProps);
  if (!record) return false;
  switch (record->CellType()) {
    case ctCheckBox:
      State = record->CellBoolean();
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    // Among hidden rows a tri-state box with its own properties reads its text.
    case ctTriStateCheckBox: {
      if (record->CellType() == ctTriStateCheckBox && !fromProps) return false;
      std::string checkTrue;
      GetCheckTrue(ACol, ARow, checkTrue);
      State = (fromProps ? GetCellsEx(ACol, ARow) : Cells(ACol, ARow)) == checkTrue;
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      State = RowSelectMark(ARow);
      return true;
    default:
      return false;
  }
}

bool TExtStringGrid::IsChecked(int ACol, int ARow) {
  bool state = false;
  return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  bool fromProps = false;
  TCellGraphic* record = FindStateRecord(ACol, ARow, fromProps);
  if (!record) return false;
  switch (record->CellType()) {
    case ctCheckBox:
      record->SetCellBoolean(State);
      RepaintCell(ACol, RealToDisplRow(ARow));
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string text;
      if (State)
        GetCheckTrue(ACol, ARow, text);
      else
        GetCheckFalse(ACol, ARow, text);
      if (fromProps)
        SetCellsEx(ACol, ARow, text);
      else
        SetCells(ACol, ARow, text);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      SetRowSelectMark(ARow, State);
      return true;
    default:
      return false;
  }
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
  bool fromProps = false;
  TCellGraphic* record = FindStateRecord(ACol, ARow, fromProps);
  if (!record || record->CellType() != ctTriStateCheckBox) return false;
  record->SetCellCheckBoxState(State);
  RepaintCell(ACol, RealToDisplRow(ARow));
  return true;
}

bool TExtStringGrid::ApplyCheckBoxState(int ACol, int ARow, bool Value) {
  // A packed plain box changes its byte; a packed data box its text, as below.
  if (PackedCheckBoxType(ACol, ARow) == ctCheckBox && NumHiddenRows() == 0) {
    std::uint8_t packed = Store().Packed(ACol, ARow);
    if (((packed & kPackedChecked) != 0) != Value) {
      Store().SetPacked(ACol, ARow, packed ^ kPackedChecked);
      DoCheckBoxChange(ACol, ARow, Value);
      RepaintCell(RealToDisplCol(ACol), ARow);
    }
    return true;
  }
  int realRow = DisplToRealRow(ARow);
  bool fromProps = false;
  TCellGraphic* record = FindStateRecord(ACol, NumHiddenRows() > 0 ? realRow : ARow, fromProps);
  if (!record) return false;
  switch (record->CellType()) {
    case ctCheckBox:
      if (record->CellBoolean() != Value) {
        record->SetCellBoolean(Value);
        DoCheckBoxChange(ACol, ARow, Value);
        RepaintCell(RealToDisplCol(ACol), ARow);
      }
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue, checkFalse;
      GetCheckTrue(ACol, ARow, checkTrue);
      GetCheckFalse(ACol, ARow, checkFalse);
      bool was = Cells(ACol, ARow) == checkTrue;
      SetCells(ACol, ARow, Value ? checkTrue : checkFalse);
      if (was != Value) DoCheckBoxChange(ACol, ARow, Value);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      if (RowSelectMark(realRow) != Value) {
        SetRowSelectMark(realRow, Value);
        DoCheckBoxChange(ACol, ARow, Value);
      }
      return true;
    default:
      return false;
  }
}

bool TExtStringGrid::ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable) {
  // A packed box is toggled in its byte (a plain box) or its text (a data box).
  if (PackedCheckBoxType(ACol, ARow) != ctEmpty)
    return TogglePackedCheckBox(ACol, ARow, PackedCheckBox(ACol, ARow), CheckEditable);
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record || !kCheckBoxTypes.Contains(record->CellType())) return false;
  if (CheckEditable && !FP->ControlLook->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }
  // With AutoCheckGroup a node's box steps as its group's and its rows follow it.
  const bool autoCheck = FP->Grouping->AutoCheckGroup() && HasNodes();
  const bool nodeRow = autoCheck && IsNode(ARow);
  bool state = false;
  // A box whose state is its text is undone to the text it really had.
  bool textKind = record->CellType() == ctDataCheckBox || record->CellType() == ctVirtCheckBox;
  std::string textBefore = textKind ? Cells(ACol, ARow) : std::string();
  switch (record->CellType()) {
    case ctCheckBox:
      record->SetCellBoolean(!record->CellBoolean());
      state = record->CellBoolean();
      break;
    case ctTriStateCheckBox: {
      // Outside a group the box steps unchecked, grayed, checked.
      TCheckBoxState s = record->CellCheckBoxState();
      if (nodeRow) {
        record->SetCellCheckBoxState(s == cbChecked ? cbUnchecked : cbChecked);
        state = record->CellCheckBoxState() == cbChecked;
      } else {
        record->SetCellCheckBoxState(s == cbUnchecked ? cbGrayed : s == cbChecked ? cbUnchecked : cbChecked);
      }
      break;
    }
    default: {
      std::string checkTrue, checkFalse;
      GetCheckTrue(ACol, ARow, checkTrue);
      GetCheckFalse(ACol, ARow, checkFalse);
      state = Cells(ACol, ARow) != checkTrue;
      if (record->CellType() == ctRowCheckBox)
        SetRowSelectMark(DisplToRealRow(ARow), state);
      else
        SetCells(ACol, ARow, state ? checkTrue : checkFalse);
      break;
    }
  }
  RepaintCell(RealToDisplCol(ACol), ARow);
  DoCheckBoxChange(ACol, ARow, state);
  if (autoCheck) ApplyGroupCheck(ACol, ARow, nodeRow, state);
  if (TExtGridUndoRedo* undo = UndoRedo()) {
    std::string checkTrue, checkFalse;
    GetCheckTrue(ACol, ARow, checkTrue);
    GetCheckFalse(ACol, ARow, checkFalse);
    if (textKind)
      undo->RegisterChange(ACol, ARow, textBefore, Cells(ACol, ARow));
    else if (record->CellBoolean())
      undo->RegisterChange(ACol, ARow, checkFalse, checkTrue);
    else
      undo->RegisterChange(ACol, ARow, checkTrue, checkFalse);
  }
  return true;
}

void TExtStringGrid::ApplyGroupCheck(int ACol, int ARow, bool NodeRow, bool State) {
  if (NodeRow) {
    int span = GetNodeSpan(ARow), real = DisplToRealRow(ARow);
    bool contracted = GetNodeState(ARow);
    for (int e = 1; e < span; ++e)
      SetCheckBoxState(ACol, contracted ? real + e : DisplToRealRow(std::min(ARow + e, RowCount() - 1)), State);
    return;
  }
  int parent = GetParentRow(ARow);
  if (parent < 0 || parent == ARow) return;
  int span = GetNodeSpan(parent);
  if (span < 2) return;
  bool first = false, each = false, same = true;
  GetCheckBoxState(ACol, DisplToRealRow(parent + 1), first);
  for (int e = 1; e < span && parent + e < RowCount(); ++e) {
    each = false;
    GetCheckBoxState(ACol, DisplToRealRow(parent + e), each);
    same = same && each == first;
  }
  SetCheckBoxState(ACol, DisplToRealRow(parent), same ? (first ? cbChecked : cbUnchecked) : cbGrayed);
}

void TExtStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TExtStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  static constexpr TCellTypes kHit{ctCheckBox,    ctDataCheckBox, ctVirtCheckBox,
                                   ctRowCheckBox, ctRadioButton,  ctTriStateCheckBox};
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record || !kHit.Contains(record->CellType())) return false;
  if (!FP->MouseActions->PreciseCheckBoxCheck()) return true;
  TRect R = CellRect(RealToDisplCol(ACol), ARow);
  int S = FP->ControlLook->CheckSize();
  TRect box;
  switch (record->CellVAlign()) {
    case vaBottom: box.Top = R.Bottom - S - 2; break;
    case vaCenter: box.Top = R.Top + (R.Height() - S) / 2; break;
    default: box.Top = R.Top + 2; break;
  }
  box.Bottom = box.Top + S;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = FP->Text.FVAlignment;
  GetCellAlignment(ACol, ARow, HA, VA);
  switch (HA) {
    case taRightJustify: {
      box.Left = R.Right - S - 2;
      std::string text = Cells(ACol, ARow);
      if (!text.empty()) box.Left -= GetCellTextSize(ACol, ARow, false, false).cx;
      break;
    }
    case taCenter: box.Left = R.Left + (R.Width() - S) / 2; break;
    default: box.Left = R.Left + 2; break;
  }
  box.Right = box.Left + S;
  return PtInRect(box, TPoint{XPos, YPos});
}

void TExtStringGrid::SetRowSelectMark(int ARow, bool Value) {
  if (ARow < 0) return;
  TIntList& marks = *FP->RowSelect;
  while (marks.Count() <= ARow) marks.Add(0);
  marks.SetItems(ARow, Value ? 1 : 0);
  RepaintRow(RealToDisplRow(ARow));
}

}  // namespace hd

namespace hd {

void TExtStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  int first = FP->MouseActions->CheckAllCheck() ? 0 : TBaseGrid::FixedRows();
  // Boxes go into the store packed, a byte a cell; a cell that already holds properties, or
  // column 0 under the rows' shared check box, gets its record at once.
  const bool packable = ACol >= 0 && ACol < ColCount() + FP->NumHidden &&
                        (ACol != 0 || !FP->MouseActions->HotmailRowSelect());
  const std::uint8_t packed = PackCheckBox(DataCheckBox, DefaultState, CellVAlignOf(FP->Text.FVAlignment));
  bool anyPacked = false;
  for (int r = first; r < RowCount(); ++r) {
    if (IsSummary(r)) continue;
    if (IsNode(r)) {
      AddCheckBox(ACol, r, cbUnchecked);
      continue;
    }
    if (!packable || (PackedCheckBox(ACol, r) == 0 && Store().Object(ACol, r))) {
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
      continue;
    }
    Store().SetPacked(ACol, r, packed);
    anyPacked = true;
    if (DataCheckBox) {
      const std::string& text = Cells(ACol, r);
      if (text != FP->Text.FCheckTrue && text != FP->Text.FCheckFalse)
        SetCells(ACol, r, DefaultState ? FP->Text.FCheckTrue : FP->Text.FCheckFalse);
    }
  }
  if (!anyPacked) return;
  FHasCellProps = true;
  RepaintCol(RealToDisplCol(ACol));
}

void TExtStringGrid::RemoveCheckBoxColumn(int ACol) {
  int first = FP->MouseActions->CheckAllCheck() ? 0 : TBaseGrid::FixedRows();
  bool anyPacked = false;
  for (int r = first; r < RowCount(); ++r) {
    if (IsSummary(r)) continue;
    if (PackedCheckBox(ACol, r) != 0) {
      // A box never made needs no record to be taken away.
      Store().SetPacked(ACol, r, 0);
      anyPacked = true;
    } else if (HasCheckBox(ACol, r)) {
      RemoveCheckBox(ACol, r);
    }
  }
  if (anyPacked) RepaintCol(RealToDisplCol(ACol));
}

void TExtStringGrid::CheckAll(int ACol) {
  for (int r = TBaseGrid::FixedRows(); r < RowCount(); ++r) ApplyCheckBoxState(ACol, r, true);
  if (FP->NumHidden > 0) RepaintCol(RealToDisplCol(ACol));
}

void TExtStringGrid::UnCheckAll(int ACol) {
  for (int r = TBaseGrid::FixedRows(); r < RowCount(); ++r) ApplyCheckBoxState(ACol, r, false);
}

void TExtStringGrid::AddRadioButtonColumn(int ACol) {
  for (int r = TBaseGrid::FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExtStringGrid::RemoveRadioButtonColumn(int ACol) {
  for (int r = TBaseGrid::FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

void TExtStringGrid::RemoveRadioButton(int ACol, int ARow) {
  if (GetCellType(ACol, ARow) != ctRadioButton) return;
  RemoveCellGraphic(ACol, ARow);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

}  // namespace hd
