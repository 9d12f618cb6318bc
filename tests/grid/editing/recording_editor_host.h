// An editor host that records what the in-place editors ask of it, over a plain platform grid
// (whose cells the editors edit), for the conformance of every editor kind.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/editing/check_editors.h"
#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"
#include "grid/editing/inplace_combo.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/foundation/input_settings.h"
#include "platform/grids.h"
#include "platform/string_list.h"
#include "platform/sysutils.h"

namespace hd::test {

class TRecordingEditorHost;

// The platform grid the host stands for: its text editor is the grid's own.
class THostGrid : public TStringGrid {
 public:
  THostGrid(TComponent* AOwner, TRecordingEditorHost& Host) : TStringGrid(AOwner), FHost(Host) {}
  using TStringGrid::HideEditor;
  using TStringGrid::ShowEditor;
  TInplaceEdit* Editor() const { return FInplaceEdit; }
  // The text editor's notifications go back to it, as the string grid sends them.
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_COMMAND && FInplaceEdit && static_cast<HWND>(Message.LParam) == FInplaceEdit->Handle())
      SendMessage(FInplaceEdit->Handle(), CN_COMMAND, Message.WParam, Message.LParam);
    TStringGrid::WndProc(Message);
  }

 protected:
  TInplaceEdit* CreateEditor() override;

 private:
  TRecordingEditorHost& FHost;
};

class TRecordingEditorHost : public TGridEditorHost {
 public:
  explicit TRecordingEditorHost(TComponent* AOwner)
      : Grid(New<THostGrid>(AOwner, *this)), Actions(Grid) {}

  // The host calls that act (queries are not recorded), in order.
  std::vector<std::string> Calls;
  // ValidateCell refuses, proposing this text.
  bool Refuse = false;
  std::string Proposal = "a";
  // The special editor open now (null for the text editor).
  TWinControl* Special = nullptr;
  THostGrid* Grid;
  TGridEditSession State;
  TNavigation Nav;
  TMouseActions Actions;
  TStringList Lookups;

  TWinControl& Window() override { return *Grid; }
  TGridEditSession& Session() override { return State; }
  int Col() override { return Grid->Col(); }
  int Row() override { return Grid->Row(); }
  int ColCount() override { return Grid->ColCount(); }
  int RowCount() override { return Grid->RowCount(); }
  int RealColIndex(int ACol) override { return ACol; }
  std::string CurrentCell() override { return Grid->Cells(Col(), Row()); }
  void SetCurrentCell(const std::string& Value) override {
    Note("setcell " + Value);
    Grid->SetCells(Col(), Row(), Value);
  }
  void SetEditText(int ACol, int ARow, const std::string& Value) override {
    Note("edittext " + Cell(ACol, ARow) + "=" + Value);
  }
  void CellLook(TColor& Color, TFont& Font) override {
    Color = clNone;
    Font = Grid->Font();
  }
  void GetEditorProp(int ACol, int ARow) override { Note("editorprop " + Cell(ACol, ARow)); }

  int EditLimit() override { return 0; }
  int MaxEditLength() override { return 0; }
  TKeyChar PasswordChar() override { return '*'; }
  bool WordWrap() override { return false; }
  bool Multilinecells() override { return false; }
  std::string ValidChars() override { return "abc"; }
  std::string ValidCharSet() override { return ""; }
  bool ExcelStyleDecimalSeparator() override { return false; }
  bool EditorHandlesTab() override { return false; }
  bool TabsMoveCells() override { return false; }
  TNavigation& Navigation() override { return Nav; }
  TMouseActions& MouseActions() override { return Actions; }
  bool Lookup() override { return false; }
  bool LookupCaseSensitive() override { return false; }
  bool LookupHistory() override { return false; }
  TStringList& LookupItems() override { return Lookups; }

  bool ValidateCell(const std::string& Value) override {
    Note("validate " + Value);
    State.NewCellText = Refuse ? Proposal : Value;
    if (!Refuse) State.Editing = false;
    return !Refuse;
  }
  void RestoreCellCache() override { Note("restore"); }
  void TabToNextCell(bool Backward) override { Note(Backward ? "tab back" : "tab"); }
  void AdvanceOnReturn() override { Note("advance"); }
  void CursorWalk(bool Forward, const std::string& Text, bool) override {
    Note(std::string(Forward ? "walk right " : "walk left ") + Text);
  }
  void GridKeyDown(WORD& Key, TShiftState) override { Note("gridkey " + IntToStr(Key)); }
  void GridKeyPress(TKeyChar& Key) override { Note("gridchar " + IntToStr(static_cast<int>(Key))); }
  bool SelectCell(int ACol, int ARow) override {
    Note("select " + Cell(ACol, ARow));
    return true;
  }
  void MarkOnlyRow(int ARow) override { Note("markrow " + IntToStr(ARow)); }
  void SizeColWhileTyping() override {}
  bool RowsGrowWhileTyping() override { return false; }
  void SizeRowToLines(int ARow, int Lines) override { Note("sizerow " + IntToStr(ARow) + ":" + IntToStr(Lines)); }

  void ShowInplaceEdit() override { Note("show"); }
  void HideInplaceEdit() override {
    Note("hide");
    Hide();
  }
  void DoneInplaceEdit(WORD Key, TShiftState) override {
    Note("done " + IntToStr(Key));
    Hide();
  }
  void ReadBackEditor() override {
    Note("readback");
    Hide();
  }
  void NotifyEditDone(int ACol, int ARow) override { Note("editdone " + Cell(ACol, ARow)); }

  void FireEditChange(int ACol, int ARow, const std::string& Value) override {
    Note("change " + Cell(ACol, ARow) + "=" + Value);
  }
  void FireComboChange(int Index, const std::string& Selection, TObject*) override {
    Note("combo " + IntToStr(Index) + "=" + Selection);
  }
  void FireDblClickCell() override { Note("dblclick"); }
  void FireKeyPress(TObject*, TKeyChar& Key) override { Note("keypress " + IntToStr(static_cast<int>(Key))); }
  void FireKeyDown(WORD& Key, TShiftState) override { Note("keydown " + IntToStr(Key)); }
  void FireKeyUp(WORD& Key, TShiftState) override { Note("keyup " + IntToStr(Key)); }
  void SpinClick(int AValue, bool UpDown) override { Note("spin " + IntToStr(AValue) + (UpDown ? " up" : " down")); }
  void FloatSpinClick(double AValue, bool UpDown) override {
    Note("floatspin " + FloatToStr(AValue) + (UpDown ? " up" : " down"));
  }
  void DateSpinClick(double, bool UpDown) override { Note(std::string("datespin") + (UpDown ? " up" : " down")); }
  void TimeSpinClick(double, bool UpDown) override { Note(std::string("timespin") + (UpDown ? " up" : " down")); }
  bool ClipboardAllowed(TObject*, unsigned, bool Allow) override { return Allow; }
  bool BeforePasteCell(TObject*, std::string&) override { return true; }
  void AfterPasteCell(TObject*, const std::string&) override {}
  void ButtonClick() override { Note("button"); }
  std::string EllipsClick(const std::string& Caption) override {
    Note("ellips " + Caption);
    return Caption + "!";
  }

 private:
  static std::string Cell(int c, int r) { return IntToStr(c) + "," + IntToStr(r); }
  void Note(const std::string& call) { Calls.push_back(call); }
  // What the grid's hiding does: the special editor goes, or the text editor with the
  // platform grid's editor mode.
  void Hide() {
    State.EditMode = false;
    // Hiding moves the focus, and the editor's exit may hide again.
    if (TWinControl* special = std::exchange(Special, nullptr)) {
      special->SetVisible(false);
      special->SetEnabled(false);
    } else {
      Grid->HideEditor();
    }
  }
};

inline TInplaceEdit* THostGrid::CreateEditor() { return New<TExtInplaceEdit>(this, FHost); }

}  // namespace hd::test
