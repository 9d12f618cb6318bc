// The multi-column drop-down: items of several texts picked from a list under a header row.
// Its names live in a namespace of their own, since the grid drop-down has classes of the same
// names. The items and the rules that find and step through them come first; the edit and its
// list (the platform's string grid, drawing its own cells) follow.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "platform/grids.h"
#include "platform/messages.h"
#include "platform/types.h"

namespace hd::multicolumn {

// One entry of the list: one text per column and an image.
class TDropDownItem {
 public:
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  const std::vector<std::string>& Text() const { return FText; }
  void SetText(const std::vector<std::string>& Value) { FText = Value; }
  // The text of a column; empty when the item has none there.
  std::string ColumnText(int Column) const;
  // The texts travel with the image, so assigning a collection keeps what it shows.
  void Assign(const TDropDownItem& Source) {
    FImageIndex = Source.FImageIndex;
    FText = Source.FText;
  }

 private:
  int FImageIndex = -1;
  std::vector<std::string> FText;
};

// The items in order. Add answers the new item, valid until the next item is added.
class TDropDownItems : public std::vector<TDropDownItem> {
 public:
  using std::vector<TDropDownItem>::vector;
  int Count() const { return static_cast<int>(size()); }
  TDropDownItem& Add() { return emplace_back(); }
  TDropDownItem& Insert(int Index) { return *emplace(begin() + Index); }
  TDropDownItem& Items(int Index) { return at(static_cast<size_t>(Index)); }
  const TDropDownItem& Items(int Index) const { return at(static_cast<size_t>(Index)); }
  void Delete(int Index) { erase(begin() + Index); }
  // Items and their texts; the event stays.
  void Assign(const TDropDownItems& Source);
  // The first item whose text in Column is Value exactly; items without a text there are
  // skipped. -1 for none.
  int IndexInColumn(int Column, const std::string& Value) const;
  // Not fired by the drop-down itself.
  TNotifyEvent OnChange;
};

// The first item whose Column text starts with Entry (both upper-cased unless CaseSensitive);
// an item without a text there counts as empty. -1 when none or Entry is empty.
int FindLookup(const TDropDownItems& Items, int Column, const std::string& Entry, bool CaseSensitive);
// The item an edit key steps to from ItemIndex (negative: none chosen): Up and Down by one,
// PageUp and PageDown by ten, Home and End only when EndKeys. Answers ItemIndex when the key
// moves nothing.
int StepItem(int ItemIndex, int Count, WORD Key, bool EndKeys);
// The search of the open list: characters typed there gather into a search text.
class TListSearch {
 public:
  struct TResult {
    // The item found, -1 for none.
    int Item = -1;
    // The edit's new text and selection, when SetText.
    bool SetText = false;
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
  };
  // EditText, SelStart and SelLength: the edit as it stands (positions in characters).
  TResult LookupChar(char32_t Ch, const TDropDownItems& Items, int Column, bool CaseSensitive,
                     const std::string& EditText, int SelStart, int SelLength);
  const std::string& Entry() const { return FLookupEntry; }
  void Clear() { FLookupEntry.clear(); }

 private:
  std::string FLookupEntry;
};

// What typing into the edit makes of its text against the lookup entries.
struct TCompletion {
  bool Matched = false;
  // The matched entry; the text the edit shows while the key is down (the typed characters
  // followed by the rest of the entry) and at key-up (the entry in its own letter case).
  int Item = -1;
  std::string Text;
  std::string TextAtKeyUp;
  // The typed part's length: the completed tail after it is selected, the caret after the
  // typed part. Without a match the text is cut to the typed part with the caret at its end.
  int Typed = 0;
};
// Text and Caret: the edit after a change; MatchCase compares as typed, else upper-cased. An
// empty typed part matches nothing and leaves Text as it is.
TCompletion Complete(const std::vector<std::string>& Lookup, const std::string& Text, int Caret, bool MatchCase);

// Any negative index means no item.
inline int NormalizeItemIndex(int Value) { return Value < 0 ? -1 : Value; }


enum TColumnType { ctText, ctImage };

// Row 0 is the header row; item i is row i + 1.
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int Column, int Row, TCanvas& ACanvas, TRect ARect)>;
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont& Font, TColor& AColor, TColor& AColorTo)>;

// One column of the list.
class TDropDownColumn {
 public:
  bool Wordwrap() const { return FWordwrap; }
  void SetWordwrap(bool Value) { FWordwrap = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  // The width follows the widest item text when the list loads.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  const std::string& Header() const { return FHeader; }
  void SetHeader(const std::string& Value) { FHeader = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  // An image column also draws the item's image.
  TColumnType ColumnType() const { return FColumnType; }
  void SetColumnType(TColumnType Value) { FColumnType = Value; }
  const TFont& Font() const { return FFont; }
  TFont& Font() { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value) { FEllipsis = Value; }

 private:
  bool FWordwrap = false;
  int FWidth = 80;
  bool FAutoSize = false;
  std::string FHeader;
  TAlignment FAlignment = taLeftJustify;
  TColor FColor = 0xFFFFFF;
  TColumnType FColumnType = ctText;
  TFont FFont;
  bool FEllipsis = false;
};

class TDropDownColumns : public std::vector<TDropDownColumn> {
 public:
  using std::vector<TDropDownColumn>::vector;
  int Count() const { return static_cast<int>(size()); }
  TDropDownColumn& Add() { return emplace_back(); }
  TDropDownColumn& Insert(int Index) { return *emplace(begin() + Index); }
  TDropDownColumn& Items(int Index) { return at(static_cast<size_t>(Index)); }
  const TDropDownColumn& Items(int Index) const { return at(static_cast<size_t>(Index)); }
  void Assign(const TDropDownColumns& Source) { std::vector<TDropDownColumn>::operator=(Source); }
  // Not fired by the drop-down itself.
  TNotifyEvent OnChange;
};

class TExtMultiColumnDropDown;

// The list inside the popup: a string grid with one header row that draws every cell itself
// (with its own line width; the grid's own lines are off).
class TExtColGrid : public TStringGrid {
 public:
  explicit TExtColGrid(TComponent* AOwner);
  const char* ClassName() const override { return "TExtColGrid"; }

  TExtMultiColumnDropDown* ExtDropDown() const { return FExtDropDown; }
  void SetExtDropDown(TExtMultiColumnDropDown* Value) { FExtDropDown = Value; }
  TDropDownColumns& Columns() { return FColumns; }
  const TDropDownColumns& Columns() const { return FColumns; }
  void SetColumns(const TDropDownColumns& Value) { FColumns.Assign(Value); }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  // The width of the lines this list draws between its cells.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value) { FGridLineWidth = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  const TFont& HeaderFont() const { return FHeaderFont; }
  void SetHeaderFont(const TFont& Value) { FHeaderFont = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  // Used for measuring; drawing takes the drop-down's images.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  // The next close takes the list's row (a click or a key in the list, not the wheel).
  bool ConfirmSelection() const { return FConfirmSelection; }
  bool MouseWheelSelection() const { return FMouseWheelSelection; }

  // Published for the stored settings; drawing fires the drop-down's events instead.
  TDrawCellEvent OnDrawCell;
  TGetCellPropEvent OnGetCellProp;
  TGetCellTextEvent OnGetCellText;
  TNotifyEvent OnSelect;

  // Columns, rows, sizes and colours taken from the drop-down.
  void LoadFromDropDown();
  void FitColumnWidths();
  void FitColumnWidth(int Index);
  void FitRowHeights();
  // Borders, all columns and the vertical scroll bar when not every row shows.
  int GetTotalWidth() const;
  // Every row is shown whole in the client height.
  bool AllRowsVisible() const;
  // The cell's rectangle with the full column width and row height.
  TRect CellRectFull(int ACol, int ARow) const;
  using TCustomGrid::TopRow;
  using TCustomGrid::SetTopRow;
  using TCustomGrid::VisibleRowCount;
  using TCustomGrid::CellRect;

  void Dispatch(TMessage& m) override;

 protected:
  virtual void DoSelect();
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  void DrawText(TCanvas& C, int ACol, int ARow, const TRect& Cell, bool Selected);
  bool InPopup() const;

  TExtMultiColumnDropDown* FExtDropDown = nullptr;
  TDropDownColumns FColumns;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  TColor FLineColor = 0x808080;
  TImageList* FImages = nullptr;
  int FHeaderHeight = 25;
  TFont FHeaderFont;
  TColor FFixedLineColor = clGray;
  int FGridLineWidth = 1;
  int FOldRow = 0;
  bool FMouseWheelSelection = false;
  bool FConfirmSelection = false;
};

// The drop-down edit: shows the lookup column's text of the chosen item, completes it while
// typing, and steps through the items with the arrow and page keys while the popup is closed.
class TExtMultiColumnDropDown : public TExtCustomDropDown {
 public:
  explicit TExtMultiColumnDropDown(TComponent* AOwner);
  ~TExtMultiColumnDropDown() override;
  const char* ClassName() const override { return "TExtMultiColumnDropDown"; }

  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TDropDownItems& Items() { return FItems; }
  void SetItems(const TDropDownItems& Value) { FItems.Assign(Value); }
  TDropDownColumns& Columns() { return FColumns; }
  void SetColumns(const TDropDownColumns& Value) { FColumns.Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  // An index at or past the item count is ignored; any negative one chooses none.
  void SetItemIndex(int Value);
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  const TFont& HeaderFont() const { return FHeaderFont; }
  TFont& HeaderFont() { return FHeaderFont; }
  void SetHeaderFont(const TFont& Value) { FHeaderFont = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool MatchCase() const { return FMatchCase; }
  void SetMatchCase(bool Value) { FMatchCase = Value; }
  bool MatchStart() const { return FMatchStart; }
  void SetMatchStart(bool Value) { FMatchStart = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  int DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  int RowCount() const { return FItems.Count(); }
  TExtColGrid* ColGrid() const { return FExtColGrid; }
  // The first item whose lookup text is Value exactly, -1 for none.
  int GetItemIndex(const std::string& Value) const;
  // Completion reads the lookup texts as EndUpdate last gathered them.
  void BeginUpdate() {}
  void EndUpdate() { BuildLookupItems(); }
  const std::vector<std::string>& LookupItems() const { return FLookupItems; }
  // Fits column widths to the popup (with ColumnSizeWithDropDown), carrying the rounding.
  void SizeColumnsToDropDown();

  TNotifyEvent OnSelect;
  TDrawCellEvent OnDropDownDrawItem;
  TGetCellPropEvent OnDropDownGetItemProp;
  TGetCellTextEvent OnDropDownGetItemText;

  void Assign(const TPersistent* Source) override;
  void Loaded() override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void SetComponentStyle(TDAZStyle AStyle) override;
  void Dispatch(TMessage& m) override;
  void AdjustDropDownHeight(int& Height) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoShowDropDown() override;
  void AdaptDropDownControl() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void ControlKeyDown(WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TKeyChar& Key) override;
  void DropDownFormResized() override { SizeColumnsToDropDown(); }
  void SelectNextValue() override;
  void SelectPreviousValue() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Change() override;

 private:
  friend class TExtColGrid;
  void BuildLookupItems();
  void GridSelect();
  void GridSelectCell(int ARow, bool& CanSelect);
  void LookupInList(TKeyChar Key);
  int LookupListIndex(const std::string& Value) const;
  void StepTo(WORD Key);

  bool FShowing = false;
  bool FColumnSizing = false;
  int FLookupColumn = 0;
  TColor FHeaderColorTo = 0x808080;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FLineColor = 0xF1EDEB;
  TDropDownItems FItems;
  TDropDownColumns FColumns;
  int FItemIndex = -1;
  int FHeaderHeight = 25;
  TFont FHeaderFont;
  TExtColGrid* FExtColGrid = nullptr;
  TColor FFixedLineColor = 0xD1BBA4;
  bool workmode = false;
  // Completion compares with it; nothing assigns it.
  std::string FOldValue;
  bool FReturnIsTab = false;
  std::vector<std::string> FLookupItems;
  bool FMatchCase = false;
  bool FMatchStart = true;
  bool FItemChange = false;
  int FItemIdx = -1;
  int FItemSel = 0;
  int FOldItemIndex = -1;
  bool FDropDownAutoWidth = true;
  bool FColumnSizeWithDropDown = true;
  TColor FSelectionTextColor = 0x000000;
  int FDropDownRowHeight = 22;
  bool FCaseSensitive = false;
  TListSearch FSearch;
  bool FHidingList = false;
};

}  // namespace hd::multicolumn
