// The item and collection shapes the listing drop-downs share: an item with a caption (and,
// for the picture kinds, an image index and a picture) whose setters tell the collection of a
// change, and a typed collection that belongs to its control and reports changes.
#pragma once

#include <string>

#include "platform/classes.h"
#include "platform/picture.h"

namespace hd {

class TCaptionItem : public TCollectionItem {
 public:
  explicit TCaptionItem(TCollection* Collection) : TCollectionItem(Collection) {}
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { Store(FCaption, Value); }
  // A disabled item is neither hot nor chosen.
  bool Enabled() const { return FEnabled; }

 protected:
  // A changed value tells the collection.
  template <class T>
  void Store(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(false);
  }

  std::string FCaption;
  bool FEnabled = true;
};

class TPictureItem : public TCaptionItem {
 public:
  explicit TPictureItem(TCollection* Collection) : TCaptionItem(Collection) {}
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { Store(FImageIndex, Value); }
  // Shown instead of the image-list image when not empty.
  TPicture& Image() { return FImage; }
  const TPicture& Image() const { return FImage; }
  void SetImage(const TPicture& Value) { FImage.Assign(Value.Bitmap()); }

 protected:
  // Caption, image index, picture and enabled state.
  void AssignPicture(const TPictureItem& Source) {
    SetCaption(Source.FCaption);
    SetImageIndex(Source.FImageIndex);
    SetImage(Source.FImage);
    FEnabled = Source.FEnabled;
  }

  int FImageIndex = -1;
  TPicture FImage;
};

template <class TItem>
class TPickerItems : public TCollection {
 public:
  explicit TPickerItems(TPersistent* Owner) : TCollection(ItemClassOf<TItem>()), FMyOwner(Owner) {}
  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return FMyOwner; }
  void Update(TCollectionItem*) override {
    if (OnChange) OnChange(this);
  }

 private:
  TPersistent* FMyOwner;
};

}  // namespace hd
