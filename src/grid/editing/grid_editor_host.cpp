// The string grid as the host of its in-place editors: each question an editor may ask
// answered by the grid's own members; and the editing objects the grid owns, made and freed
// here.
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/editing/editor_host.h"
#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/grid_settings_edit.h"

namespace hd {

class TExtStringGrid::TEditorHost final : public TGridEditorHost {
 public:
  explicit TEditorHost(TExtStringGrid& Grid) : G(Grid) {}

  TWinControl& Window() override { return G; }
  TGridEditSession& Session() override { return *G.FP->Session; }

  int Col() override { return G.Col(); }
  int Row() override { return G.Row(); }
  int ColCount() override { return G.ColCount(); }
  int RowCount() override { return G.RowCount(); }
  int RealColIndex(int ACol) override { return G.RealColIndex(ACol); }
  std::string CurrentCell() override { return G.CurrentCell(); }
  void SetCurrentCell(const std::string& Value) override { G.SetCurrentCell(Value); }
  void SetEditText(int ACol, int ARow, const std::string& Value) override { G.SetEditText(ACol, ARow, Value); }
  void CellLook(TColor& Color, TFont& Font) override {
    TBrush brush;
    brush.Color = G.Color();
    Font = G.Font();
    G.GetCellColor(G.RealColIndex(G.Col()), G.Row(), TGridDrawState{}, brush, Font);
    Color = brush.Color;
  }
  void GetEditorProp(int ACol, int ARow) override { G.DoGetEditorProp(ACol, ARow, nullptr); }

  int EditLimit() override { return G.GetEditLimit(); }
  int MaxEditLength() override { return G.MaxEditLength(); }
  TKeyChar PasswordChar() override { return static_cast<TKeyChar>(G.PasswordChar()); }
  bool WordWrap() override { return G.WordWrap(); }
  bool Multilinecells() override { return G.Multilinecells(); }
  std::string ValidChars() override { return G.ValidChars(); }
  std::string ValidCharSet() override { return G.ValidCharSet(); }
  bool ExcelStyleDecimalSeparator() override { return G.ExcelStyleDecimalSeparator(); }
  bool EditorHandlesTab() override { return G.EditorHandlesTab(); }
  bool TabsMoveCells() override { return G.Options().Contains(goTabs); }
  TNavigation& Navigation() override { return G.Navigation(); }
  TMouseActions& MouseActions() override { return G.MouseActions(); }

  bool Lookup() override { return G.Lookup(); }
  bool LookupCaseSensitive() override { return G.LookupCaseSensitive(); }
  bool LookupHistory() override { return G.LookupHistory(); }
  TStringList& LookupItems() override { return G.LookupItems(); }

  bool ValidateCell(const std::string& Value) override { return G.ValidateCell(Value); }
  void RestoreCellCache() override { G.RestoreCellCache(); }

  void TabToNextCell(bool Backward) override { G.TabToNextCell(Backward); }
  void AdvanceOnReturn() override { G.AdvanceToNextCell(G.Col(), G.Row(), false, true, true, false, false); }
  void CursorWalk(bool Forward, const std::string& Text, bool ShowAgain) override {
    G.CursorWalk(Forward, Text, ShowAgain);
  }
  void GridKeyDown(WORD& Key, TShiftState Shift) override { G.KeyDown(Key, Shift); }
  void GridKeyPress(TKeyChar& Key) override { G.KeyPress(Key); }
  bool SelectCell(int ACol, int ARow) override { return G.SelectCell(ACol, ARow); }
  void MarkOnlyRow(int ARow) override {
    G.ClearRowSelect();
    G.SetRowSelect(ARow, true);
  }
  void SizeColWhileTyping() override {
    if (G.SizeWhileTyping().Width()) G.DoAutoSizeCol(G.Col(), true);
  }
  bool RowsGrowWhileTyping() override { return G.SizeWhileTyping().Height(); }
  void SizeRowToLines(int ARow, int Lines) override {
    // The column sizes stay as they are while one row follows its text.
    TColumnSize& sizes = G.ColumnSize();
    bool synch = sizes.SynchWithGrid();
    sizes.SetSynchWithGrid(false);
    if (Lines <= 0 || Lines < G.GetMaxLinesInRow(ARow))
      G.AutoSizeRow(ARow, 0);
    else
      G.SetRowLineHeight(ARow, Lines, G.GetVertXYOffset());
    sizes.SetSynchWithGrid(synch);
    if (G.OnEndRowSize) G.OnEndRowSize(&G, ARow);
  }

  void ShowInplaceEdit() override { G.ShowInplaceEdit(); }
  void HideInplaceEdit() override { G.HideInplaceEdit(); }
  void DoneInplaceEdit(WORD Key, TShiftState Shift) override { G.DoneInplaceEdit(Key, Shift); }
  void ReadBackEditor() override { G.ReadBackEditor(G.Col(), G.Row()); }
  void NotifyEditDone(int ACol, int ARow) override { G.NotifyEditDone(ACol, ARow); }

  void FireEditChange(int ACol, int ARow, const std::string& Value) override {
    if (G.OnEditChange) G.OnEditChange(&G, ACol, ARow, Value);
  }
  void FireComboChange(int Index, const std::string& Selection, TObject* Object) override {
    int real = G.RealColIndex(G.Col());
    if (G.OnComboChange) G.OnComboChange(&G, real, G.Row(), Index, Selection);
    if (G.OnComboObjectChange) G.OnComboObjectChange(&G, real, G.Row(), Index, Selection, Object);
  }
  void FireDblClickCell() override {
    if (G.OnDblClickCell) G.OnDblClickCell(&G, G.Row(), G.Col());
  }
  void FireKeyPress(TObject* Editor, TKeyChar& Key) override {
    if (G.OnKeyPress) G.OnKeyPress(Editor, Key);
  }
  void FireKeyDown(WORD& Key, TShiftState Shift) override {
    if (G.OnKeyDown) G.OnKeyDown(&G, Key, Shift);
  }
  void FireKeyUp(WORD& Key, TShiftState Shift) override {
    if (G.OnKeyUp) G.OnKeyUp(&G, Key, Shift);
  }
  void SpinClick(int AValue, bool UpDown) override {
    if (G.OnSpinClick) G.OnSpinClick(&G, G.Col(), G.Row(), AValue, UpDown);
  }
  void FloatSpinClick(double AValue, bool UpDown) override {
    if (G.OnFloatSpinClick) G.OnFloatSpinClick(&G, G.Col(), G.Row(), AValue, UpDown);
  }
  void DateSpinClick(double AValue, bool UpDown) override {
    if (G.OnDateSpinClick) G.OnDateSpinClick(&G, G.Col(), G.Row(), AValue, UpDown);
  }
  void TimeSpinClick(double AValue, bool UpDown) override {
    if (G.OnTimeSpinClick) G.OnTimeSpinClick(&G, G.Col(), G.Row(), AValue, UpDown);
  }
  bool ClipboardAllowed(TObject* Editor, unsigned Msg, bool Allow) override {
    auto& event = Msg == WM_COPY ? G.OnClipboardCopy : Msg == WM_CUT ? G.OnClipboardCut : G.OnClipboardPaste;
    if (event) event(Editor, Allow);
    return Allow;
  }
  bool BeforePasteCell(TObject* Editor, std::string& Value) override {
    bool allow = true;
    if (G.OnClipboardBeforePasteCell) G.OnClipboardBeforePasteCell(Editor, G.Col(), G.Row(), Value, allow);
    return allow;
  }
  void AfterPasteCell(TObject* Editor, const std::string& Text) override {
    if (G.OnClipboardAfterPasteCell) G.OnClipboardAfterPasteCell(Editor, G.Col(), G.Row(), Text);
  }
  void ButtonClick() override { G.DoButtonClick(G.Col(), G.Row()); }
  std::string EllipsClick(const std::string& Caption) override {
    std::string caption;
    G.DoEllipsClick(Caption, caption);
    return caption;
  }
  bool FocusChangeInvoked() override { return G.FP->Pointer->InvokedFocusChange; }
  void SetFocusChangeInvoked(bool Value) override { G.FP->Pointer->InvokedFocusChange = Value; }
  void GrowRowForEditor(TWinControl& Editor, int Needed) override {
    const int row = G.Row();
    const TRect cell = G.CellRect(G.Col(), row);
    if (G.RowHeights(row) < Needed + 5 && cell.Top + Needed + 5 < G.Height()) {
      Editor.SetHeight(Needed + 9);
      G.SetRowHeights(row, Needed + 10);
      if (G.OnEndRowSize) G.OnEndRowSize(&G, row);
    }
  }

 private:
  TExtStringGrid& G;
};

void TExtStringGrid::CreateEditing() {
  FP->Session.reset(new TGridEditSession);
  FP->EditorHost.reset(new TEditorHost(*this));
  CreatePointer();
  CreateKeyboard();
}

void TEditingFree::operator()(TGridEditSession* Session) const noexcept { delete Session; }

void TEditingFree::operator()(TGridEditorHost* Host) const noexcept { delete Host; }

}  // namespace hd
