#include "grid/editors/dropdown/colorpicker_dropdown.h"

#include <algorithm>
#include <initializer_list>

#include "platform/edit_paint.h"
#include "platform/scroll_bars.h"

namespace hd {

void TColorItem::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TColorItem*>(Source)) {
    SetCaption(s->FCaption);
    SetColor(s->FColor);
    FEnabled = s->FEnabled;
    FHint = s->FHint;
    return;
  }
  TCollectionItem::Assign(Source);
}

TExtColorPickerDropDown::TExtColorPickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FListKeys(this, {[this] { return FColors.Count(); }, [this] { return FItemIndex; },
                       [this](int Index) { SetItemIndex(Index); }, [this] { UpdateItemSelector(); },
                       [this] { return FColumns; }, [this] { return DroppedDown(); },
                       [this] { return EditorEnabled(); },
                       [this] {
                         if (OnSelect) OnSelect(this);
                       }}) {
  FColors.OnChange = [](TObject*) {};
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  FDesignTime = ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading) &&
                !ComponentState().Contains(csReading);
  SetDropDownHeight(200);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
  SetCursor(crArrow);
}

TExtColorPickerDropDown::~TExtColorPickerDropDown() { FColors.OnChange = nullptr; }

void TExtColorPickerDropDown::CreateWnd() {
  TExtCustomDropDown::CreateWnd();
  SetEditPaintsOver(*this, true);
  if (FDesignTime && FColors.Count() == 0) AddDefaultColors();
  FDesignTime = false;
}

void TExtColorPickerDropDown::AddDefaultColors() {
  for (const auto& c : DefaultColors()) {
    TColorItem* item = FColors.Add();
    item->SetCaption(c.Caption);
    item->SetColor(c.Color);
  }
}

void TExtColorPickerDropDown::SetShowText(bool Value) {
  FShowText = Value;
  Invalidate();
}

void TExtColorPickerDropDown::SetColorValueText(TColorValueText Value) {
  FColorValueText = Value;
  Invalidate();
}

void TExtColorPickerDropDown::SetItemIndex(int Value) {
  if (Value >= FColors.Count()) return;
  FItemIndex = Value < 0 ? -1 : Value;
  if (FItemIndex >= 0) FSelectedColor = FColors.Items(FItemIndex)->Color();
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExtColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  for (int i = 0; i < FColors.Count(); ++i)
    if (FColors.Items(i)->Color() == Value) {
      SetItemIndex(i);
      break;
    }
  Invalidate();
}

std::string TExtColorPickerDropDown::GetSelectedColorText() const {
  if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors.Count())
    return FColors.Items(FItemIndex)->Caption();
  return ColorValueTextOf(FSelectedColor, FColorValueText);
}

void TExtColorPickerDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  SetDropDownControl(&PopupItemSelector(FItemSelector, this, FDropDownForm, stColor, DropDownColor()));
}

void TExtColorPickerDropDown::UpdateItemSelector() {
  if (!FItemSelector) return;
  FItemSelector->SetColorBoxHeight(FColorBoxHeight);
  FItemSelector->SetColorBoxWidth(FColorBoxWidth);
  FillItemSelector(*FItemSelector, {FColumns, Images(), FLayout, DropDownColor(), &FItemAppearance,
                                    [this](TSelectorItems& Items) {
                                      for (int i = 0; i < FColors.Count(); ++i) {
                                        const TColorItem* src = FColors.Items(i);
                                        TSelectorItem* it = Items.Add();
                                        it->SetCaption(src->Caption());
                                        it->SetColor(src->Color());
                                        it->SetHint(src->Hint());
                                      }
                                    },
                                    FItemIndex, [this](TObject*) { ListItemSelected(); }});
  FItemSelector->SetShowHint(ShowHint());
}

void TExtColorPickerDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  PrepareContent();
  FOldItemIndex = FItemIndex;
  FOldSelectedColor = FSelectedColor;
}

void TExtColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
  if (Value == FColorSelectionStyle) return;
  FColorSelectionStyle = Value;
  if (ComponentState().Contains(csDesigning) || !FDropDownForm) return;
  // The popup shows the new picker at once, sized to it.
  PrepareContent();
  UpdateDropDownSize();
  AdaptDropDownControl();
  FOldSelectedColor = FSelectedColor;
  FDropDownForm->Invalidate();
}

void TExtColorPickerDropDown::AdaptDropDownControl() {
  TExtCustomDropDown::AdaptDropDownControl();
  if (FDropDownForm && FColorSelectionStyle != csList) FDropDownForm->SetSizeable(false);
}

// One panel per style, made at first use, placed at the popup's origin in its colour; the
// others hidden.
template <class TContent>
TContent* TExtColorPickerDropDown::ShowPanel(TContent*& Panel) {
  if (!Panel) {
    Panel = new TContent(this);
    Panel->SetParent(FDropDownForm);
  }
  for (TControl* other : std::initializer_list<TControl*>{FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel})
    if (other && other != Panel) other->SetVisible(false);
  Panel->SetVisible(true);
  // Made the content of an open popup it fills it: free again, it takes its own size below.
  SetDropDownControl(Panel);
  Panel->SetAlign(alNone);
  Panel->SetBounds(0, 0, Panel->Width(), Panel->Height());
  Panel->SetColor(DropDownColor());
  return Panel;
}

void TExtColorPickerDropDown::PrepareContent() {
  if (!FDropDownForm) return;
  if (FColorSelectionStyle == csDiscrete) {
    const bool fresh = !FColorSelector;
    ShowPanel(FColorSelector);
    if (fresh) FColorSelector->AddDiscreteColors();
    FColorSelector->SetSelectedColor(FSelectedColor);
    FColorSelector->SetItemColorStyle(SelectionColorStyle());
    FColorSelector->UpdateItemRects();
    FColorSelector->OnItemSelect = [this](TObject*) { BoxSelected(); };
    return;
  }
  if (FColorSelectionStyle == csColorCube) {
    ShowPanel(FColorCubePanel);
    FColorCubePanel->SetSelectedColor(FSelectedColor);
    FColorCubePanel->InitCells();
    FColorCubePanel->ResetHot();
    FColorCubePanel->OnSelect = [this](TObject*) { CubeSelected(); };
    return;
  }
  if (FColorSelectionStyle == csSpectrum) {
    ShowPanel(FSpectrumPanel);
    FSpectrumPanel->SetSelectedColor(FSelectedColor);
    FSpectrumPanel->UpdateLayout();
    FSpectrumPanel->OnSelect = [this](TObject*) { SpectrumSelected(); };
    return;
  }
  if (FSpectrumPanel) FSpectrumPanel->SetVisible(false);
  if (FColorCubePanel) FColorCubePanel->SetVisible(false);
  if (FColorSelector) FColorSelector->SetVisible(false);
  if (!FItemSelector) return;
  FItemSelector->SetVisible(true);
  SetDropDownControl(FItemSelector);
  UpdateItemSelector();
  if (OnDrawColor)
    FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect R, int Index) {
      OnDrawColor(this, Canvas, R, Index);
    };
  else
    FItemSelector->OnDrawItem = nullptr;
}

void TExtColorPickerDropDown::UpdateDropDownSize() {
  if (TControl* content = PanelContent(); content && FDropDownForm) {
    const int b = DropDownBorderWidth();
    const int w = content->Visible() ? content->Width() + 2 * b : Width();
    int h = 2 * b + (content->Visible() ? content->Height() : 0);
    if (DropDownHeader().Visible() && FDropDownForm->Header()) h += FDropDownForm->Header()->Height();
    if (DropDownFooter().Visible() && FDropDownForm->Footer()) h += FDropDownForm->Footer()->Height();
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
    return;
  }
  if (!FItemSelector) {
    TExtCustomDropDown::UpdateDropDownSize();
    return;
  }
  SizeSelectorToItems(*FItemSelector, DropDownWidth() < 1, DropDownHeight() < 1);
  TExtCustomDropDown::UpdateDropDownSize();
  // Sized to the items, the popup holds the list, its bar and the border on both sides (one
  // pixel short, the list needs a horizontal bar as well).
  const int frame = DropDownWidth() < 1 ? 2 * DropDownBorderWidth() : 0;
  if (FDropDownForm)
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(),
                             FDropDownForm->Width() + SelectorBarWidth(*FItemSelector) + frame,
                             FDropDownForm->Height());
}

void TExtColorPickerDropDown::DoHideDropDown(bool CancelChanges) {
  // Only the hide that closed the popup restores (see the image picker).
  const bool wasDown = DroppedDown();
  TExtCustomDropDown::DoHideDropDown(CancelChanges);
  if (!CancelChanges || !wasDown || DroppedDown()) return;
  if (FColorSelectionStyle == csDiscrete && FColorSelector) FColorSelector->SetSelectedColor(FOldSelectedColor);
  else if (FColorSelectionStyle == csList && FItemSelector) SetItemIndex(FOldItemIndex);
}

TControl* TExtColorPickerDropDown::PanelContent() const {
  if (FColorSelectionStyle == csDiscrete) return FColorSelector;
  if (FColorSelectionStyle == csColorCube) return FColorCubePanel;
  if (FColorSelectionStyle == csSpectrum) return FSpectrumPanel;
  return nullptr;
}

void TExtColorPickerDropDown::CubeSelected() {
  if (!FColorCubePanel) return;
  SetSelectedColor(FColorCubePanel->SelectedColor());
  SetItemIndex(-1);
  DoHideDropDown(false);
}

void TExtColorPickerDropDown::SpectrumSelected() {
  if (!FSpectrumPanel) return;
  SetSelectedColor(FSpectrumPanel->SelectedColor());
  SetItemIndex(-1);
  DoHideDropDown(false);
}

void TExtColorPickerDropDown::BoxSelected() {
  if (!FColorSelector) return;
  SetSelectedColor(FColorSelector->SelectedColor());
  SetItemIndex(-1);
  if (!FInternalCall) DoHideDropDown(false);
}

void TExtColorPickerDropDown::ListItemSelected() {
  if (!FItemSelector) return;
  SetItemIndex(FItemSelector->ItemIndex());
  if (!FListKeys.InternalCall()) DoHideDropDown(false);
}

void TExtColorPickerDropDown::SelectNextValue() {
  if (FColorSelectionStyle == csColorCube || FColorSelectionStyle == csSpectrum) return;
  if (FColorSelectionStyle == csDiscrete && FColorSelector && Enabled() && !ReadOnly()) {
    if (DroppedDown()) {
      FColorSelector->HotNext();
    } else {
      FInternalCall = true;
      FColorSelector->HandleKey(VK_RIGHT, false, true);
      FInternalCall = false;
    }
    return;
  }
  if (Enabled() && !ReadOnly() && FItemSelector && FColorSelectionStyle == csList) FListKeys.Step(*FItemSelector, true);
}

void TExtColorPickerDropDown::SelectPreviousValue() {
  if (FColorSelectionStyle == csColorCube || FColorSelectionStyle == csSpectrum) return;
  if (FColorSelectionStyle == csDiscrete && FColorSelector && Enabled() && !ReadOnly()) {
    if (DroppedDown()) {
      FColorSelector->HotPrevious();
    } else {
      FInternalCall = true;
      FColorSelector->HandleKey(VK_LEFT, false, true);
      FInternalCall = false;
    }
    return;
  }
  if (Enabled() && !ReadOnly() && FItemSelector && FColorSelectionStyle == csList) FListKeys.Step(*FItemSelector, false);
}

void TExtColorPickerDropDown::DrawFocus() {
  TExtCustomDropDown::DrawFocus();
  Invalidate();
}

void TExtColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExtCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(Value);
}

void TExtColorPickerDropDown::SetComponentStyle(TDAZStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TExtColorPickerDropDown::PaintSelectedColor(TCanvas& Canvas) {
  const TRect area{1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2};
  if (OnDrawSelectedColor) {
    OnDrawSelectedColor(this, Canvas, area);
    return;
  }
  if (FSelectedColor == clNone) return;
  const TRect box = Bounds(area.Left + 4, area.Top + (Height() - FColorBoxHeight) / 2, FColorBoxWidth, FColorBoxHeight);
  Canvas.Pen() = TPen{clBlack};
  Canvas.Brush() = TBrush{FSelectedColor, bsSolid};
  Canvas.Rectangle(box);
  if (!FShowText) return;
  TRect r{box.Right + 4, area.Top, area.Right, area.Bottom};
  Canvas.Font() = Font();
  const bool focused = Focused();
  Canvas.Brush() = TBrush{focused ? clHighlight : Color(), bsSolid};
  if (focused && !EditorEnabled()) Canvas.Font().Color = clHighlightText;
  Canvas.FillRect(r);
  Canvas.DrawText(GetSelectedColorText(), r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void TExtColorPickerDropDown::Dispatch(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    TExtCustomDropDown::Dispatch(m);
    PaintSelectedColor(*reinterpret_cast<TCanvas*>(m.WParam));
    return;
  }
  if (m.Msg != WM_KEYDOWN) {
    TExtCustomDropDown::Dispatch(m);
    return;
  }
  const WORD key = static_cast<WORD>(m.WParam);
  bool handled = Enabled() && key == VK_RETURN && FColorSelectionStyle == csList && FListKeys.ChooseHot(FItemSelector);
  if (Enabled() && DroppedDown() && key == VK_RETURN && FColorSelectionStyle == csDiscrete && FColorSelector &&
      FColorSelector->ItemHot() >= 0) {
    FColorSelector->SetItemIndex(FColorSelector->ItemHot());
    handled = true;
  }
  HWND self = Handle();
  TExtCustomDropDown::Dispatch(m);
  if (!IsWindow(self) || !Enabled() || GetKeyState(VK_MENU) < 0) return;
  if (FColorSelectionStyle == csList && FItemSelector) FListKeys.HandleKey(*FItemSelector, key, handled);
  if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    if (key == VK_RETURN) {
      if (!handled && OnSelect) OnSelect(this);
      return;
    }
    FInternalCall = true;
    FColorSelector->HandleKey(key, EditorEnabled(), DroppedDown());
    FInternalCall = false;
  }
}

}  // namespace hd
