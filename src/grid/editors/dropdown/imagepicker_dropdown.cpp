#include "grid/editors/dropdown/imagepicker_dropdown.h"

#include <algorithm>
#include <cctype>

#include "platform/edit_paint.h"
#include "platform/files.h"
#include "platform/image_list.h"
#include "platform/scroll_bars.h"

namespace hd {
namespace {

// * and ? without regard to case, as the platform's directory search matches.
bool MaskMatches(const char* n, const char* m) {
  for (; *m; ++m, ++n) {
    if (*m == '*') {
      for (const char* t = n;; ++t) {
        if (MaskMatches(t, m + 1)) return true;
        if (!*t) return false;
      }
    }
    if (!*n) return false;
    if (*m != '?' && std::tolower(static_cast<unsigned char>(*m)) != std::tolower(static_cast<unsigned char>(*n)))
      return false;
  }
  return !*n;
}

bool IsRootFolder(const std::string& dir) {
  const std::string d = ExcludeTrailingPathDelimiter(dir);
  return d.empty() || d == "/" || (d.size() == 2 && d[1] == ':');
}

}  // namespace

void TImageItem::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TImageItem*>(Source)) {
    AssignPicture(*s);
    FHint = s->FHint;
    return;
  }
  TCollectionItem::Assign(Source);
}

TExtImagePickerDropDown::TExtImagePickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FListKeys(this, {[this] { return FItems.Count(); }, [this] { return FItemIndex; },
                       [this](int Index) { SetItemIndex(Index); }, [this] { UpdateItemSelector(); },
                       [this] { return FColumns; }, [this] { return DroppedDown(); },
                       [this] { return EditorEnabled(); },
                       [this] {
                         if (OnSelect) OnSelect(this);
                       }}) {
  FItems.OnChange = [](TObject*) {};
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetCursor(crArrow);
}

TExtImagePickerDropDown::~TExtImagePickerDropDown() { FItems.OnChange = nullptr; }

void TExtImagePickerDropDown::CreateWnd() {
  TExtCustomDropDown::CreateWnd();
  SetEditPaintsOver(*this, true);
}

void TExtImagePickerDropDown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  SetDropDownControl(&PopupItemSelector(FItemSelector, this, FDropDownForm, stImage, DropDownColor()));
}

void TExtImagePickerDropDown::UpdateItemSelector() {
  if (!FItemSelector) return;
  FillItemSelector(*FItemSelector, {FColumns, Images(), FLayout, DropDownColor(), &FItemAppearance,
                                    [this](TSelectorItems& Items) {
                                      for (int i = 0; i < FItems.Count(); ++i) {
                                        const TImageItem* src = FItems.Items(i);
                                        TSelectorItem* it = Items.Add();
                                        it->SetCaption(src->Caption());
                                        it->SetImage(src->Image());
                                        it->SetImageIndex(src->ImageIndex());
                                        it->SetHint(src->Hint());
                                      }
                                    },
                                    FItemIndex, [this](TObject*) { ItemSelected(); }});
  FItemSelector->SetShowHint(ShowHint());
}

void TExtImagePickerDropDown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  UpdateItemSelector();
  if (FItemSelector) {
    if (OnDrawItem)
      FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect R, int Index) {
        OnDrawItem(this, Canvas, R, Index);
      };
    else
      FItemSelector->OnDrawItem = nullptr;
  }
  FOldItemIndex = FItemIndex;
}

void TExtImagePickerDropDown::UpdateDropDownSize() {
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

void TExtImagePickerDropDown::DoHideDropDown(bool CancelChanges) {
  // Hiding deactivates the popup, which asks for a cancelling hide again while this one runs:
  // only the hide that closed the popup may restore, or a choice would be undone.
  const bool wasDown = DroppedDown();
  TExtCustomDropDown::DoHideDropDown(CancelChanges);
  if (CancelChanges && FItemSelector && wasDown && !DroppedDown()) SetItemIndex(FOldItemIndex);
}

void TExtImagePickerDropDown::ItemSelected() {
  if (!FItemSelector) return;
  SetItemIndex(FItemSelector->ItemIndex());
  if (!FListKeys.InternalCall()) DoHideDropDown(false);
}

void TExtImagePickerDropDown::SetItemIndex(int Value) {
  if (Value == FItemIndex || Value >= FItems.Count()) return;
  FItemIndex = Value;
  Invalidate();
  Change();
  if (OnSelect) OnSelect(this);
}

int TExtImagePickerDropDown::ImageIndex() const {
  if (FItemIndex < 0 || FItemIndex >= FItems.Count()) return -1;
  return FItems.Items(FItemIndex)->ImageIndex();
}

void TExtImagePickerDropDown::SetImageIndex(int Value) {
  for (int i = 0; i < FItems.Count(); ++i)
    if (FItems.Items(i)->ImageIndex() == Value) {
      SetItemIndex(i);
      return;
    }
  SetItemIndex(-1);
}

void TExtImagePickerDropDown::SelectFirst() {
  if (FItems.Count() > 0) SetItemIndex(0);
}

void TExtImagePickerDropDown::SelectLast() {
  if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TExtImagePickerDropDown::SelectNext() {
  if (FItemIndex < 0) SelectFirst();
  else if (FItemIndex < FItems.Count() - 1) SetItemIndex(FItemIndex + 1);
}

void TExtImagePickerDropDown::SelectPrevious() {
  if (FItemIndex < 0) SelectFirst();
  else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExtImagePickerDropDown::AddImagesFromImageList() {
  TImageList* list = Images();
  if (!list) return;
  for (int i = 0; i < list->Count(); ++i) FItems.Add()->SetImageIndex(i);
}

void TExtImagePickerDropDown::AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption) {
  const std::string folder = ExtractFilePath(AFolder);
  const std::string pattern = ExtractFileName(AFolder);
  std::vector<std::string> names;
  if (!IsRootFolder(folder) && DirectoryExists(folder.empty() ? "." : folder)) {
    names.push_back(".");
    names.push_back("..");
  }
  for (const auto& e : ListFolder(folder.empty() ? "." : folder)) names.push_back(e.Name);
  for (const auto& name : names) {
    if (!MaskMatches(name.c_str(), pattern.c_str())) continue;
    TImageItem* item = FItems.Add();
    try {
      item->Image().LoadFromFile(folder + name);
      if (SetImageCaption) item->SetCaption(name);
    } catch (const std::exception&) {
      item->Image() = TPicture();
    }
  }
}

void TExtImagePickerDropDown::SelectNextValue() {
  TExtCustomDropDown::SelectNextValue();
  if (Enabled() && !ReadOnly() && FItemSelector) FListKeys.Step(*FItemSelector, true);
}

void TExtImagePickerDropDown::SelectPreviousValue() {
  TExtCustomDropDown::SelectPreviousValue();
  if (Enabled() && !ReadOnly() && FItemSelector) FListKeys.Step(*FItemSelector, false);
}

void TExtImagePickerDropDown::DrawFocus() {
  TExtCustomDropDown::DrawFocus();
  Invalidate();
}

void TExtImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  TExtCustomDropDown::SetSelectionColorStyle(Value);
  if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(Value);
}

void TExtImagePickerDropDown::SetComponentStyle(TDAZStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TExtImagePickerDropDown::PaintSelectedImage(TCanvas& Canvas) {
  const TRect R = GetEditRect();
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, Canvas, R);
    return;
  }
  if (FItemIndex < 0 || FItemIndex >= FItems.Count()) return;
  const TImageItem* item = FItems.Items(FItemIndex);
  if (!item->Image().Empty()) {
    const TBitmap& b = item->Image().Bitmap();
    Canvas.Draw(R.Left + (R.Width() - b.Width()) / 2, R.Top + (R.Height() - b.Height()) / 2, b);
  } else if (Images() && item->ImageIndex() >= 0) {
    Images()->Draw(Canvas, R.Left + (R.Width() - Images()->Width()) / 2,
                   R.Top + (R.Height() - Images()->Height()) / 2, item->ImageIndex(), true);
  }
}

void TExtImagePickerDropDown::Dispatch(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    TExtCustomDropDown::Dispatch(m);
    PaintSelectedImage(*reinterpret_cast<TCanvas*>(m.WParam));
    return;
  }
  if (m.Msg != WM_KEYDOWN) {
    TExtCustomDropDown::Dispatch(m);
    return;
  }
  const WORD key = static_cast<WORD>(m.WParam);
  const bool handled = Enabled() && key == VK_RETURN && FListKeys.ChooseHot(FItemSelector);
  HWND self = Handle();
  TExtCustomDropDown::Dispatch(m);
  if (!IsWindow(self) || !Enabled() || GetKeyState(VK_MENU) < 0 || !FItemSelector) return;
  FListKeys.HandleKey(*FItemSelector, key, handled);
}

}  // namespace hd
