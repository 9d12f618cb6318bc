#include "grid/editors/dropdown/multicolumn_dropdown.h"

#include <algorithm>
#include <cmath>

#include "grid/editors/dropdown/dropdown_styles.h"
#include "platform/scroll_bars.h"
#include "platform/sysutils.h"

namespace hd::multicolumn {

std::string TDropDownItem::ColumnText(int Column) const {
  if (Column < 0 || Column >= static_cast<int>(FText.size())) return {};
  return FText[static_cast<size_t>(Column)];
}

int FindLookup(const TDropDownItems& Items, int Column, const std::string& Entry, bool CaseSensitive) {
  if (Entry.empty()) return -1;
  const std::string key = CaseSensitive ? Entry : AnsiUpperCase(Entry);
  for (size_t i = 0; i < Items.size(); ++i) {
    const std::string t = CaseSensitive ? Items[i].ColumnText(Column) : AnsiUpperCase(Items[i].ColumnText(Column));
    if (t.compare(0, key.size(), key) == 0) return static_cast<int>(i);
  }
  return -1;
}

TListSearch::TResult TListSearch::LookupChar(char32_t Ch, const TDropDownItems& Items, int Column, bool CaseSensitive,
                                             const std::string& EditText, int SelStart, int SelLength) {
  TResult r;
  if (Ch == 8) {
    r.SetText = true;
    if (SelLength <= 0) {
      std::u32string e = Utf8ToCodePoints(FLookupEntry);
      if (!e.empty()) e.pop_back();
      FLookupEntry = CodePointsToUtf8(e);
      r.Text = FLookupEntry;
    } else {
      std::u32string t = Utf8ToCodePoints(EditText);
      const size_t start = static_cast<size_t>(std::clamp(SelStart, 0, static_cast<int>(t.size())));
      t.erase(start, static_cast<size_t>(SelLength));
      r.Text = CodePointsToUtf8(t);
    }
    r.SelStart = Utf8Length(r.Text);
    return r;
  }
  if (Ch != 9) FLookupEntry += CodePointsToUtf8(std::u32string(1, Ch));
  int found = FindLookup(Items, Column, FLookupEntry, CaseSensitive);
  bool select = true;
  if (found < 0) {
    const std::string single = CodePointsToUtf8(std::u32string(1, Ch));
    found = Ch == 9 ? -1 : FindLookup(Items, Column, single, CaseSensitive);
    if (found < 0) {
      FLookupEntry.clear();
      return r;
    }
    FLookupEntry = single;
    select = false;
  }
  r.Item = found;
  r.SetText = true;
  r.Text = Items[static_cast<size_t>(found)].ColumnText(Column);
  const int typed = std::min(Utf8Length(FLookupEntry), Utf8Length(r.Text));
  r.SelStart = typed;
  r.SelLength = select ? Utf8Length(r.Text) - typed : 0;
  return r;
}

TCompletion Complete(const std::vector<std::string>& Lookup, const std::string& Text, int Caret, bool MatchCase) {
  TCompletion r;
  const std::u32string text = Utf8ToCodePoints(Text);
  const size_t caret = static_cast<size_t>(std::clamp(Caret, 0, static_cast<int>(text.size())));
  const std::u32string typed = text.substr(0, caret);
  r.Text = Text;
  r.Typed = static_cast<int>(typed.size());
  if (typed.empty()) return r;
  auto form = [MatchCase](const std::string& s) { return Utf8ToCodePoints(MatchCase ? s : AnsiUpperCase(s)); };
  const std::u32string key = form(CodePointsToUtf8(typed));
  for (size_t i = 0; i < Lookup.size(); ++i) {
    const std::u32string entry = Utf8ToCodePoints(Lookup[i]);
    const std::u32string compared = form(Lookup[i]);
    if (compared.compare(0, key.size(), key) != 0 || entry.size() < typed.size()) continue;
    r.Matched = true;
    r.Item = static_cast<int>(i);
    // The completed text is bounded as the edit's lookup buffer is.
    r.Text = CodePointsToUtf8((typed + entry.substr(typed.size())).substr(0, 255));
    r.TextAtKeyUp = Lookup[i];
    return r;
  }
  r.Text = CodePointsToUtf8(typed);
  return r;
}

int StepItem(int ItemIndex, int Count, WORD Key, bool EndKeys) {
  if (Count <= 0) return ItemIndex;
  const int last = Count - 1;
  const bool none = ItemIndex < 0;
  switch (Key) {
    case VK_PRIOR: return none || ItemIndex - 10 < 0 ? 0 : ItemIndex - 10;
    case VK_NEXT: return none ? 0 : std::min(ItemIndex + 10, last);
    case VK_UP: return none ? 0 : std::max(ItemIndex - 1, 0);
    case VK_DOWN: return none ? 0 : std::min(ItemIndex + 1, last);
    case VK_HOME: return EndKeys ? 0 : ItemIndex;
    case VK_END: return EndKeys ? last : ItemIndex;
    default: return ItemIndex;
  }
}


void TDropDownItems::Assign(const TDropDownItems& Source) {
  clear();
  reserve(Source.size());
  for (const TDropDownItem& item : Source) Add().Assign(item);
}

int TDropDownItems::IndexInColumn(int Column, const std::string& Value) const {
  for (size_t i = 0; i < size(); ++i) {
    const std::vector<std::string>& t = (*this)[i].Text();
    if (Column >= 0 && Column < static_cast<int>(t.size()) && t[static_cast<size_t>(Column)] == Value)
      return static_cast<int>(i);
  }
  return -1;
}

// The drop-down edit.

TExtMultiColumnDropDown::TExtMultiColumnDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
  SetDropDownColor(0xFFFFFF);
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
}

TExtMultiColumnDropDown::~TExtMultiColumnDropDown() {
  // The list outlives this part of the object: its events must not reach it any more.
  if (FExtColGrid) {
    FExtColGrid->OnSelect = nullptr;
    FExtColGrid->OnSelectCell = nullptr;
    FExtColGrid->OnKeyDown = nullptr;
    FExtColGrid->OnKeyUp = nullptr;
    FExtColGrid->OnKeyPress = nullptr;
    FExtColGrid->SetExtDropDown(nullptr);
  }
}

void TExtMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value >= FItems.Count()) return;
  FItemIndex = NormalizeItemIndex(Value);
  // The text of a chosen item is not typing: nothing is completed from it.
  const bool typing = workmode;
  workmode = false;
  if (FItemIndex >= 0 && FLookupColumn >= 0)
    SetText(FItems[static_cast<size_t>(FItemIndex)].ColumnText(FLookupColumn));
  else
    SetText("");
  workmode = typing;
}

int TExtMultiColumnDropDown::GetItemIndex(const std::string& Value) const {
  return FItems.IndexInColumn(FLookupColumn, Value);
}

void TExtMultiColumnDropDown::BuildLookupItems() {
  FLookupItems.clear();
  FLookupItems.reserve(FItems.size());
  for (const TDropDownItem& item : FItems) FLookupItems.push_back(item.ColumnText(FLookupColumn));
}

int TExtMultiColumnDropDown::LookupListIndex(const std::string& Value) const {
  const std::string key = AnsiUpperCase(Value);
  for (size_t i = 0; i < FLookupItems.size(); ++i)
    if (AnsiUpperCase(FLookupItems[i]) == key) return static_cast<int>(i);
  return -1;
}

void TExtMultiColumnDropDown::Loaded() {
  TExtCustomDropDown::Loaded();
  BuildLookupItems();
}

void TExtMultiColumnDropDown::Assign(const TPersistent* Source) {
  TExtCustomDropDown::Assign(Source);
  auto* s = dynamic_cast<const TExtMultiColumnDropDown*>(Source);
  if (!s) return;
  FCaseSensitive = s->FCaseSensitive;
  FDropDownAutoWidth = s->FDropDownAutoWidth;
  FDropDownRowHeight = s->FDropDownRowHeight;
  FLineColor = s->FLineColor;
  FFixedLineColor = s->FFixedLineColor;
  FColumnSizing = s->FColumnSizing;
  FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
  FColumns.Assign(s->FColumns);
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderHeight = s->FHeaderHeight;
  FHeaderFont = s->FHeaderFont;
  FLookupColumn = s->FLookupColumn;
  FSelectionTextColor = s->FSelectionTextColor;
  FItems.Assign(s->FItems);
  FItemIndex = s->FItemIndex;
}

// The popup.

void TExtMultiColumnDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (!FExtColGrid) {
    FExtColGrid = new TExtColGrid(this);
    FExtColGrid->SetParent(FDropDownForm);
  }
  FExtColGrid->SetExtDropDown(this);
  FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
  FExtColGrid->SetColor(DropDownColor());
}

void TExtMultiColumnDropDown::AdaptDropDownControl() {
  SetDropDownControl(FExtColGrid);
  TExtCustomDropDown::AdaptDropDownControl();
}

void TExtMultiColumnDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
  FShowing = true;
  if (FExtColGrid) {
    TExtColGrid& g = *FExtColGrid;
    g.LoadFromDropDown();
    TGridOptions o = g.Options();
    o.Include(goThumbTracking);
    g.SetOptions(o);
    g.SetColor(DropDownColor());
    g.OnSelectCell = [this](TObject*, int, int ARow, bool& CanSelect) { GridSelectCell(ARow, CanSelect); };
    g.OnSelect = [this](TObject*) { GridSelect(); };
    if (g.TCustomGrid::RowCount() > 1) g.SetRow(std::max(FItemIndex + 1, g.FixedRows()));
  }
  FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::AdjustDropDownHeight(int& Height) {
  if (FDropDownRowHeight <= 0) return;
  int strips = 0;
  if (DropDownHeader().Visible()) strips += DropDownHeader().Height();
  if (DropDownFooter().Visible()) strips += DropDownFooter().Height();
  const int body = Height - strips - FHeaderHeight - 2;
  Height = strips + FHeaderHeight + (body / FDropDownRowHeight) * FDropDownRowHeight + 2;
}

void TExtMultiColumnDropDown::UpdateDropDownSize() {
  TExtCustomDropDown::UpdateDropDownSize();
  if (!FDropDownAutoWidth || !FExtColGrid || !FDropDownForm) return;
  TExtColGrid& g = *FExtColGrid;
  // The list's height decides whether a scroll bar takes a part of its width.
  int height = FDropDownForm->ClientHeight();
  if (DropDownHeader().Visible()) height -= DropDownHeader().Height();
  if (DropDownFooter().Visible()) height -= DropDownFooter().Height();
  g.SetAlign(alNone);
  g.SetBounds(g.Left(), g.Top(), g.Width(), std::max(0, height));
  const int width = g.GetTotalWidth();
  g.SetBounds(g.Left(), g.Top(), width, g.Height());
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), width + 2 * DropDownBorderWidth(),
                           FDropDownForm->Height());
  g.SetAlign(alClient);
}

void TExtMultiColumnDropDown::DoShowDropDown() {
  TExtCustomDropDown::DoShowDropDown();
  if (FExtColGrid && FDropDownForm && FDropDownForm->Visible()) {
    TExtColGrid& g = *FExtColGrid;
    SizeColumnsToDropDown();
    if (FItems.Count() > 0 && g.TCustomGrid::RowCount() > 1) {
      const int row = FItemIndex >= 0 ? FItemIndex + 1 : 1;
      g.SetRow(row);
      // A row out of view becomes the last one shown.
      if (g.CellRect(0, row).IsEmpty()) g.SetTopRow(std::max(1, row - g.VisibleRowCount() + 1));
    }
    if (g.CanFocus()) g.SetFocus();
  }
  FShowing = false;
}

void TExtMultiColumnDropDown::SizeColumnsToDropDown() {
  if (!FColumnSizeWithDropDown || !FExtColGrid || !FDropDownForm) return;
  TExtColGrid& g = *FExtColGrid;
  g.SetScrollBars(ssVertical);
  int total = 1;
  for (int i = 0; i < g.ColCount(); ++i) total += g.ColWidths(i);
  int available = FDropDownForm->Width();
  if (!g.AllRowsVisible()) available -= GetSystemMetrics(SM_CXVSCROLL);
  const double factor = static_cast<double>(available) / total;
  // Each column is rounded; the error carried over gives a pixel back once it passes one.
  double error = 0;
  for (int i = 0; i < g.ColCount(); ++i) {
    const double exact = factor * g.ColWidths(i);
    const int rounded = static_cast<int>(std::nearbyint(exact));
    error += exact - rounded;
    int width = rounded;
    if (error > 1) {
      error -= 1;
      ++width;
    }
    g.SetColWidths(i, width);
  }
}

void TExtMultiColumnDropDown::DoHideDropDown(bool CancelChanges) {
  if (!FDropDownForm || !FDropDownForm->Visible() || FHidingList) {
    TExtCustomDropDown::DoHideDropDown(CancelChanges);
    return;
  }
  // Hiding takes the activation from the popup, which asks for the hide once more.
  FHidingList = true;
  TExtCustomDropDown::DoHideDropDown(CancelChanges);
  FHidingList = false;
  if (CancelChanges)
    SetItemIndex(FOldItemIndex);
  else if (FExtColGrid && FExtColGrid->ConfirmSelection() && FExtColGrid->Row() >= 1)
    SetItemIndex(FExtColGrid->Row() - 1);
  FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::GridSelect() {
  if (FExtColGrid && FExtColGrid->ConfirmSelection() && FExtColGrid->Row() >= 1) SetItemIndex(FExtColGrid->Row() - 1);
  DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TExtMultiColumnDropDown::GridSelectCell(int ARow, bool&) {
  if (FShowing || !FExtColGrid || FExtColGrid->MouseWheelSelection()) return;
  if (ARow >= 1) SetItemIndex(ARow - 1);
}

// Keys of the open list.

void TExtMultiColumnDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
  const bool listKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (listKey && !Shift.Contains(ssAlt)) return;
  TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtMultiColumnDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
  const bool listKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (listKey && !Shift.Contains(ssAlt)) return;
  TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExtMultiColumnDropDown::ControlKeyPress(TKeyChar& Key) {
  if (!FExtColGrid || FExtColGrid->Options().Contains(goEditing)) {
    FSearch.Clear();
    return;
  }
  // Characters that share their codes with the navigation keys search only with Alt held.
  const bool navigationCode = Key == 33 || Key == 34 || Key == 35 || Key == 36 || Key == 38 || Key == 40;
  if (Key == 13 || Key == 27 || (navigationCode && GetKeyState(VK_MENU) >= 0)) {
    FSearch.Clear();
    return;
  }
  LookupInList(Key);
}

void TExtMultiColumnDropDown::LookupInList(TKeyChar Key) {
  const std::string value = Text();
  const int prefix = Utf8Length(Prefix());
  const TListSearch::TResult r =
      FSearch.LookupChar(Key, FItems, FLookupColumn, FCaseSensitive, value, SelStart() - prefix, SelLength());
  if (r.Item >= 0 && FExtColGrid) {
    TExtColGrid& g = *FExtColGrid;
    const int row = r.Item + 1;
    if (row < g.TopRow() || row > g.TopRow() + g.VisibleRowCount()) g.SetTopRow(row);
    g.SetCol(0);
    g.SetRow(row);
  }
  if (r.Item >= 0) FItemIndex = r.Item;
  // The text and its selection come after the row move, which shows the item's text itself.
  if (r.SetText) {
    SetTextDirect(Prefix() + r.Text + Suffix());
    SelectRange(prefix + r.SelStart, prefix + r.SelStart + r.SelLength);
  }
}

// Typing in the edit.

void TExtMultiColumnDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  const WORD key = Key;
  if (FLookupColumn >= 0 && FItems.Count() > 0) {
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
      workmode = false;
    } else if (key == VK_RETURN) {
      const int i = LookupListIndex(Text());
      if (i >= 0) {
        SetText(FLookupItems[static_cast<size_t>(i)]);
        SetItemIndex(i);
        Change();
      }
      if (FReturnIsTab) {
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
        Key = 0;
        return;
      }
    } else {
      workmode = true;
    }
  }
  TExtCustomDropDown::KeyDown(Key, Shift);
  if (key == VK_ESCAPE && FLookupColumn >= 0 && FItems.Count() > 0) {
    // A text that is no entry stays: choosing none would empty it.
    const int i = LookupListIndex(Text());
    if (i >= 0)
      SetItemIndex(i);
    else
      FItemIndex = -1;
  }
}

void TExtMultiColumnDropDown::Change() {
  FItemChange = false;
  TExtCustomDropDown::Change();
  if (!workmode || ComponentState().Contains(csDesigning)) return;
  const std::string value = Text();
  SetModified(value != FOldValue);
  const int prefix = Utf8Length(Prefix());
  const TCompletion c = Complete(FLookupItems, value, SelStart() - prefix, FMatchCase);
  // Writing the text below comes back here; that pass changes nothing more.
  workmode = false;
  if (c.Matched) {
    SetTextDirect(Prefix() + c.Text + Suffix());
    SelectRange(prefix + Utf8Length(c.Text), prefix + c.Typed);
    // After the write, whose own change report starts by clearing the flag.
    FItemIndex = c.Item;
    FItemIdx = c.Item;
    FItemSel = c.Typed;
    FItemChange = true;
  } else if (c.Typed > 0) {
    if (c.Text != value) SetTextDirect(Prefix() + c.Text + Suffix());
    SelectRange(prefix + c.Typed, prefix + c.Typed);
  }
  SetModified(value != FOldValue);
  workmode = true;
}

void TExtMultiColumnDropDown::KeyUp(WORD& Key, TShiftState Shift) {
  if (!(Key == VK_RETURN && FReturnIsTab)) TExtCustomDropDown::KeyUp(Key, Shift);
  if (!FItemChange) return;
  // The entry in its own letter case, the completed tail still selected; still typed input.
  const bool modified = IsModified();
  SetItemIndex(FItemIdx);
  SetModified(modified);
  const int prefix = Utf8Length(Prefix());
  SelectRange(prefix + Utf8Length(Text()), prefix + FItemSel);
  FItemChange = false;
}

void TExtMultiColumnDropDown::KeyPress(TKeyChar& Key) {
  if (Key == 13 && FReturnIsTab) {
    Key = 0;
    return;
  }
  TExtCustomDropDown::KeyPress(Key);
}

void TExtMultiColumnDropDown::StepTo(WORD Key) {
  if (FItems.Count() == 0) return;
  const int next = StepItem(FItemIndex, FItems.Count(), Key, !EditorEnabled());
  if (next != FItemIndex) SetItemIndex(next);
}

void TExtMultiColumnDropDown::SelectNextValue() { StepTo(VK_DOWN); }
void TExtMultiColumnDropDown::SelectPreviousValue() { StepTo(VK_UP); }

void TExtMultiColumnDropDown::Dispatch(TMessage& m) {
  if (m.Msg != WM_KEYDOWN) {
    TExtCustomDropDown::Dispatch(m);
    return;
  }
  HWND self = Handle();
  const auto key = static_cast<WORD>(m.WParam);
  TExtCustomDropDown::Dispatch(m);
  if (!IsWindow(self) || !Enabled() || GetKeyState(VK_MENU) < 0) return;
  StepTo(key);
}

// Styles.

void TExtMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  if (Value == scOffice2007) {
    FLineColor = 0xF1EDEB;
    FFixedLineColor = 0xD1BBA4;
    SetSelectionColor(0x5EC1F1);
  } else if (Value == scWindowsVista || Value == scWindows7) {
    SetSelectionColor(0xEACAB6);
    FLineColor = 0xECECF0;
    FFixedLineColor = 0xD4D2D1;
  }
  TExtCustomDropDown::SetSelectionColorStyle(Value);
}

namespace {

// What a style gives the list. Header font colour and selection colour clNone: unchanged.
struct TListStyle {
  TDAZStyle Style;
  TColor HeaderColor, HeaderColorTo, HeaderFontColor, LineColor, FixedLineColor;
  TSelectionColorStyle Selection;
  TColor SelectionColor, SelectionTextColor;
};

constexpr TListStyle kListStyles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, 0x962D00, scOffice2007, clNone, 0x000000},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, clNone, 0x947C7C, 0x947C7C, scOffice2007, clNone, 0x000000},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, clNone, 0x588060, 0x588060, scOffice2007, clNone, 0x000000},
    {tsOffice2003Classic, 0x808080, 0x808080, clNone, 0x808080, 0x808080, scOffice2007, clNone, 0x000000},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF, scOffice2007, clNone, 0x000000},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C, scOffice2007, clNone, 0x000000},
    {tsWindowsXP, clBtnFace, clBtnFace, 0x000000, 0xC0C0C0, 0x000000, scCustom, clHighlight, clHighlightText},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0x962D00, scOffice2007, clNone, 0x000000},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F, scOffice2007, clNone, 0x000000},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFCF2DA, scWindowsVista, clNone, 0x000000},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFBD6B8, scWindows7, clNone, 0x000000},
    {tsTerminal, clBtnFace, clBtnFace, 0x000000, 0x808080, 0x808080, scCustom, clHighlight, clHighlightText},
    {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, 0xEEDDCF, 0xEEDDCF, scCustom, 0x6CD0FF, 0x000000},
    {tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, 0xEEDDCF, 0xEEDDCF, scCustom, 0x6CD0FF, 0x000000},
    {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, 0xEEDDCF, 0xEEDDCF, scCustom, 0x6CD0FF, 0x000000},
};

}  // namespace

void TExtMultiColumnDropDown::SetComponentStyle(TDAZStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  const auto* s = std::find_if(std::begin(kListStyles), std::end(kListStyles),
                               [AStyle](const TListStyle& e) { return e.Style == AStyle; });
  if (s == std::end(kListStyles)) return;
  FHeaderColor = s->HeaderColor;
  FHeaderColorTo = s->HeaderColorTo;
  if (s->HeaderFontColor != clNone) FHeaderFont.Color = s->HeaderFontColor;
  SetSelectionColorStyle(s->Selection);
  if (s->SelectionColor != clNone) {
    SetSelectionColor(s->SelectionColor);
    SetSelectionColorTo(s->SelectionColor);
  }
  FSelectionTextColor = s->SelectionTextColor;
  FLineColor = s->LineColor;
  FFixedLineColor = s->FixedLineColor;
}

}  // namespace hd::multicolumn
