// The grid's side of the in-place editor: editor mode, making, loading, placing and hiding the
// editor, and writing its text back to its cell.
#include "platform/grids.h"

namespace hd {

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::SetEditorMode(bool value) {
  if (!value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FInplaceEdit) FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor() {
  FEditorMode = true;
  UpdateEditor();
}

void TCustomGrid::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

void TCustomGrid::HideEdit() {
  if (!FInplaceEdit) return;
  // The editor lets go of its cell and hides even when writing the text back fails.
  auto release = [this] {
    inplace_col_ = -1;
    inplace_row_ = -1;
    FInplaceEdit->Hide();
  };
  try {
    UpdateText();
  } catch (...) {
    release();
    throw;
  }
  release();
}

void TCustomGrid::UpdateText() {
  if (inplace_col_ != -1 && inplace_row_ != -1) SetEditText(inplace_col_, inplace_row_, FInplaceEdit->Text());
}

void TCustomGrid::UpdateEditor() {
  if (!CanEditShow()) return;
  // The cell is taken only once the editor holds its text, so that the changes loading
  // makes are not written back to it.
  auto load = [this] {
    FInplaceEdit->UpdateContents();
    inplace_col_ = Col();
    inplace_row_ = Row();
    FInplaceEdit->SelectAll();
  };
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    if (!FInplaceEdit) return;
    FInplaceEdit->SetGrid(this);
    FInplaceEdit->SetParent(this);
    // Its window first: making it later would hand it the text again, as a change.
    FInplaceEdit->HandleNeeded();
    load();
  } else if (Col() != inplace_col_ || Row() != inplace_row_) {
    HideEdit();
    load();
  }
  // CanEditShow is asked again: loading may have changed what it answers.
  if (CanEditShow()) FInplaceEdit->Move(CellRect(Col(), Row()));
}

void TCustomGrid::InvalidateEditor() {
  inplace_col_ = -1;
  inplace_row_ = -1;
  UpdateEditor();
}

void TCustomGrid::DoExit() {
  TCustomControl::DoExit();
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
}

}  // namespace hd
