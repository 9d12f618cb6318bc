#include "grid/editors/dropdown/detail_dropdown.h"

#include <algorithm>

#include "platform/image_list.h"
#include "platform/scroll_bars.h"

namespace hd {
namespace {

// Characters, not bytes: the caret counts characters.
int CharCount(const std::string& s) {
  int n = 0;
  for (unsigned char ch : s)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

std::string FirstChars(const std::string& s, int count) {
  std::size_t i = 0;
  for (int n = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n == count) break;
      ++n;
    }
  }
  return s.substr(0, i);
}

}  // namespace

void TDetailItem::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TDetailItem*>(Source)) {
    AssignPicture(*s);
    FTag = s->FTag;
    FItemObject = s->FItemObject;
    return;
  }
  TCollectionItem::Assign(Source);
}

int TDetailItems::IndexOf(const std::string& AValue) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Caption() == AValue) return i;
  return -1;
}

TExtDetailDropDown::TExtDetailDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
  FItems.OnChange = [](TObject*) {};
  SetEditorEnabled(true);
  SetDropDownEnabled(true);
  FCaptionFont = Font();
  FNotesFont = Font();
}

TExtDetailDropDown::~TExtDetailDropDown() { FItems.OnChange = nullptr; }

void TExtDetailDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  const bool fresh = !FItemSelector;
  TExtCustomItemSelector& selector = PopupItemSelector(FItemSelector, this, FDropDownForm, stImage, DropDownColor());
  if (fresh) {
    selector.OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect R, int Index) { DrawListItem(Canvas, R, Index); };
    selector.OnItemSize = [this](TObject*, TSize& ASize) { ItemSize(ASize); };
    selector.OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
    selector.UpdateSelectorPanel();
  }
  SetDropDownControl(&selector);
}

void TExtDetailDropDown::FillList() {
  if (!FItemSelector) return;
  FillItemSelector(*FItemSelector, {1, Images(), FLayout, DropDownColor(), &FItemAppearance,
                                    [this](TSelectorItems& Items) {
                                      for (int i = 0; i < FItems.Count(); ++i) {
                                        const TDetailItem* d = FItems.Items(i);
                                        TSelectorItem* s = Items.Add();
                                        s->SetCaption(d->Caption());
                                        s->SetImage(d->Image());
                                        s->SetImageIndex(d->ImageIndex());
                                      }
                                    },
                                    FItemIndex, [this](TObject*) { ListSelect(); }});
}

void TExtDetailDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  FillList();
  FOldItemIndex = FItemIndex;
}

void TExtDetailDropDown::DoShowDropDown() {
  TExtCustomDropDown::DoShowDropDown();
  if (FDropDownForm && FDropDownForm->Visible() && FItemSelector && FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExtDetailDropDown::UpdateDropDownSize() {
  if (FItemSelector) {
    FItemSelector->SetAlign(alNone);
    if (DropDownWidth() <= 0) FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(), Width(), FItemSelector->Height());
    if (DropDownHeight() <= 0) FItemSelector->SetBounds(FItemSelector->Left(), FItemSelector->Top(), FItemSelector->Width(), 100);
  }
  TExtCustomDropDown::UpdateDropDownSize();
}

void TExtDetailDropDown::ItemSize(TSize& ASize) {
  int w = DropDownWidth() > 0 ? DropDownWidth() : (FDropDownForm ? FDropDownForm->Width() : Width());
  if (FItemSelector && FItemSelector->VertScrollBar().IsScrollBarVisible()) w -= GetSystemMetrics(SM_CXVSCROLL);
  ASize.cx = w - 2 * GetSystemMetrics(SM_CXBORDER) - 4;
  ASize.cy = FItemHeight;
}

void TExtDetailDropDown::DropDownFormResized() {
  TExtCustomDropDown::DropDownFormResized();
  if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TExtDetailDropDown::DrawListItem(TCanvas& Canvas, TRect R, int Index) {
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, Canvas, R);
    return;
  }
  if (Index < 0 || Index >= FItems.Count()) return;
  const TDetailItem* item = FItems.Items(Index);
  TImageList* images = Images();
  if (item->Image().Empty() && images && item->ImageIndex() >= 0) {
    const int x = item->Caption().empty() ? R.Left + (R.Width() - images->Width()) / 2 : R.Left + 2;
    images->Draw(Canvas, x, R.Top + (R.Height() - images->Height()) / 2, item->ImageIndex(), true);
    R.Left += images->Width() + 4;
  } else if (!item->Image().Empty()) {
    const TBitmap& bmp = item->Image().Bitmap();
    const int x = item->Caption().empty() ? R.Left + (R.Width() - bmp.Width()) / 2 : R.Left + 2;
    // A bitmap picture is drawn transparent, keyed on its bottom-left pixel.
    TBitmap& pixels = const_cast<TBitmap&>(bmp);
    Canvas.BrushCopy(TRect{x, R.Top + (R.Height() - bmp.Height()) / 2, x + bmp.Width(),
                           R.Top + (R.Height() - bmp.Height()) / 2 + bmp.Height()},
                     bmp, TRect{0, 0, bmp.Width(), bmp.Height()}, pixels.Canvas().Pixel(0, bmp.Height() - 1));
    R.Left += bmp.Width() + 4;
  }
  TFont font = FCaptionFont;
  const int hot = FItemSelector ? FItemSelector->ItemHot() : -1;
  if (Index == hot) font.Color = FItemAppearance.ColorHotText();
  if (Index == FItemIndex) font.Color = FItemAppearance.ColorSelectedText();
  Canvas.SetFont(font);
  Canvas.Brush().Style = bsClear;
  R = TRect{R.Left + 4, R.Top + 2, R.Right - 4, R.Bottom};
  TRect text = R;
  Canvas.DrawText(item->Caption(), text, DT_END_ELLIPSIS);
  if (!item->Notes().empty()) {
    R.Top += Canvas.TextHeight("gh");
    TFont notes = FNotesFont;
    notes.Color = font.Color == FCaptionFont.Color ? FNotesFont.Color : font.Color;
    Canvas.SetFont(notes);
    DrawMarkupText(Canvas, item->Notes(), R, FItemSelector ? FItemSelector->Panel()->Handle() : HWND{}, true, images);
  }
}

void TExtDetailDropDown::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  if (Value >= 0 && Value < FItems.Count()) {
    FItemIndex = Value;
    SetText(FItems.Items(Value)->Caption());
    SelectRange(0, CharCount(Text()));
    Invalidate();
    if (FItemSelector) FItemSelector->Invalidate();
    if (OnSelect) OnSelect(this);
  } else if (Value == -1) {
    SetText("");
    FItemIndex = -1;
  }
}

void TExtDetailDropDown::SelectFirst() {
  if (FItems.Count() > 0) SetItemIndex(0);
}

void TExtDetailDropDown::SelectLast() {
  if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TExtDetailDropDown::SelectNext() {
  if (FItems.Count() == 0) return;
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex + 1 < FItems.Count())
    SetItemIndex(FItemIndex + 1);
}

void TExtDetailDropDown::SelectPrevious() {
  if (FItems.Count() == 0) return;
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex > 0)
    SetItemIndex(FItemIndex - 1);
}

void TExtDetailDropDown::ListSelect() {
  if (!FItemSelector) return;
  const int i = FItemSelector->ItemIndex();
  SetItemIndex(i);
  if (i >= 0 && i < FItems.Count()) {
    SetText(FItems.Items(i)->Caption());
    SelectRange(0, CharCount(Text()));
  }
  if (!FInternalCall) DoHideDropDown(false);
}

void TExtDetailDropDown::ListMoveTo(int Index) {
  if (!FItemSelector) return;
  FInternalCall = true;
  FItemSelector->SetItemIndex(Index);
  FInternalCall = false;
}

void TExtDetailDropDown::DoHideDropDown(bool CancelChanges) {
  TExtCustomDropDown::DoHideDropDown(CancelChanges);
  if (CancelChanges && FItemSelector && FOldItemIndex != -1) SetItemIndex(FOldItemIndex);
}

void TExtDetailDropDown::SelectNextValue() {
  TExtCustomDropDown::SelectNextValue();
  if (!FDroppedDown || !FItemSelector) {
    SelectNext();
    return;
  }
  const int i = FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() + 1;
  if (i >= 0 && i < FItemSelector->Items().Count()) ListMoveTo(i);
  Invalidate();
}

void TExtDetailDropDown::SelectPreviousValue() {
  TExtCustomDropDown::SelectPreviousValue();
  if (!FDroppedDown || !FItemSelector) {
    SelectPrevious();
    return;
  }
  const int i = FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() - 1;
  if (i >= 0 && i < FItemSelector->Items().Count()) ListMoveTo(i);
  Invalidate();
}

void TExtDetailDropDown::SetComponentStyle(TDAZStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TExtDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExtCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(Value);
}

void TExtDetailDropDown::Change() {
  FItemChange = false;
  TExtCustomDropDown::Change();
  if (!FWorkMode || ComponentState().Contains(csDesigning)) return;
  const std::string value = Text();
  SetModified(value != FOldValue);
  const int caret = std::min(SelStart(), CharCount(value));
  const std::string typed = FirstChars(value, caret);
  const std::string key = MatchCaseText(typed, FMatchCase);
  // Setting the text below comes back here; that pass changes nothing more.
  FWorkMode = false;
  bool found = false;
  if (!key.empty()) {
    for (int i = 0; i < FItems.Count(); ++i) {
      const std::string caption = FItems.Items(i)->Caption();
      if (MatchCaseText(caption, FMatchCase).compare(0, key.size(), key) != 0) continue;
      const int keyChars = CharCount(key);
      std::string rest = caption.substr(FirstChars(caption, keyChars).size());
      rest = FirstChars(rest, 255);
      const std::string text = FirstChars(value, keyChars) + rest;
      FItemIndex = i;
      FItemIdx = i;
      FItemSel = keyChars;
      FItemChange = true;
      SetText(text);
      SelectRange(CharCount(text), keyChars);
      found = true;
      break;
    }
  }
  if (!found && !typed.empty()) {
    if (typed != value) SetText(typed);
    SelectRange(CharCount(typed), CharCount(typed));
  }
  FWorkMode = true;
}

void TExtDetailDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  if (FItems.Count() == 0) {
    TExtCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  const WORD key = Key;
  if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
    FWorkMode = false;
  } else if (key == VK_RETURN) {
    const int i = FItems.IndexOf(Text());
    if (i >= 0) {
      SetText(FItems.Items(i)->Caption());
      SetItemIndex(i);
      Change();
    }
  } else {
    FWorkMode = true;
  }
  TExtCustomDropDown::KeyDown(Key, Shift);
  if (key == VK_ESCAPE) {
    const int i = FItems.IndexOf(Text());
    if (i >= 0) SetItemIndex(i);
  }
}

void TExtDetailDropDown::KeyUp(WORD& Key, TShiftState Shift) {
  TExtCustomDropDown::KeyUp(Key, Shift);
  if (FItemChange) {
    SetItemIndex(FItemIdx);
    FItemChange = false;
  }
}

bool TExtDetailDropDown::HandleNavigation(TMessage& m) {
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return false;
  const WORD key = static_cast<WORD>(m.WParam);
  const bool down = FDroppedDown;
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT: {
      if (!FItemSelector) break;
      if (FItemSelector->Items().Count() != FItems.Count()) FillList();
      const int v = FItemSelector->GetVisibleItemCount();
      if (v < 1) break;
      const int at = FItemSelector->ItemIndex();
      ListMoveTo(key == VK_PRIOR ? std::max(0, at - v) : std::min(at + v, FItems.Count() - 1));
      break;
    }
    case VK_END:
    case VK_HOME:
      if (down && FItemSelector) {
        FInternalCall = true;
        if (key == VK_END) FItemSelector->SelectLast(); else FItemSelector->SelectFirst();
        FInternalCall = false;
      } else if (!down && !EditorEnabled()) {
        if (key == VK_END) SelectLast(); else SelectFirst();
      }
      break;
    case VK_LEFT:
    case VK_RIGHT:
      if (!EditorEnabled() && down && FItemSelector) {
        FInternalCall = true;
        if (key == VK_LEFT) FItemSelector->SelectPrevious(); else FItemSelector->SelectNext();
        FInternalCall = false;
      }
      break;
    case VK_UP:
    case VK_DOWN:
      if (down && FItemSelector) {
        const int at = FItemSelector->ItemIndex();
        const int to = at < 0 ? 0 : (key == VK_UP ? at - 1 : at + 1);
        if (to >= 0 && to < FItemSelector->Items().Count()) ListMoveTo(to);
        Invalidate();
      } else if (!down) {
        if (key == VK_UP) SelectPrevious(); else SelectNext();
      }
      break;
    default:
      if (GetKeyState(VK_CONTROL) < 0 || !FItemSelector) break;
      FItemSelector->LookupItem(FSearch.Add(static_cast<char>(key)));
      break;
  }
  if (!down) return false;
  if (key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
    m.WParam = 0;
    m.Result = 1;
    return true;
  }
  return false;
}

void TExtDetailDropDown::Dispatch(TMessage& m) {
  if (m.Msg == WM_KEYDOWN && HandleNavigation(m)) return;
  TExtCustomDropDown::Dispatch(m);
}

}  // namespace hd
