#include "platform/classes.h"

#include <algorithm>
#include <iterator>

namespace hd {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) const { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const {
  std::string source = Source ? Source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + source + " to a " + ClassName());
}

std::string TPersistent::GetNamePath() const { return ""; }

TCollectionItem::TCollectionItem(TCollection* Collection) : collection_(Collection), pending_(Collection != nullptr) {}

TCollectionItem::~TCollectionItem() {
  if (pending_) {
    collection_ = nullptr;
    pending_ = false;
  }
  SetCollection(nullptr);
}

void TCollectionItem::AfterConstruction() {
  if (!pending_) return;
  pending_ = false;
  collection_->InsertItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (pending_) {
    // Not in collection_ yet: the item simply goes elsewhere.
    pending_ = false;
    collection_ = nullptr;
  }
  if (Value == collection_) return;
  if (collection_) collection_->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!collection_ || pending_) return -1;
  const auto& items = collection_->items_;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  int current = Index();
  if (current < 0 || Value < 0 || Value == current || Value >= collection_->Count()) return;
  auto& items = collection_->items_;
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() const { return ClassName(); }

std::string TCollectionItem::GetNamePath() const {
  if (!collection_) return ClassName();
  return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
  if (collection_ && !pending_ && collection_->update_count_ == 0) collection_->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

TCollection::TCollection(TItemClass ItemClass) : item_class_(std::move(ItemClass)) {}

TCollection::~TCollection() {
  // Items going away one by one are no news to anyone.
  update_count_ = 1;
  Clear();
}

void TCollection::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

TCollectionItem* TCollection::Items(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<size_t>(Index)];
}

void TCollection::SetItems(int Index, const TCollectionItem* Value) { Items(Index)->Assign(Value); }

TCollectionItem* TCollection::Add() {
  if (!item_class_) throw EInvalidOperation("The collection has no item class");
  TCollectionItem* item = item_class_(this);
  if (item->pending_ && item->collection_ == this) {
    item->pending_ = false;
    InsertItem(item);
  }
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  // Out first, while the item is still whole for Notify; then freed.
  RemoveItem(item);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  try {
    while (!items_.empty()) {
      TCollectionItem* item = items_.back();
      RemoveItem(item);
      delete item;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : items_)
    if (item->id_ == ID) return item;
  return nullptr;
}

void TCollection::Assign(const TPersistent* Source) {
  auto* other = dynamic_cast<const TCollection*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : other->items_) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (update_count_ > 0) --update_count_;
  Changed();
}

std::string TCollection::GetNamePath() const {
  TPersistent* owner = GetOwner();
  if (!owner) return ClassName();
  std::string path = owner->GetNamePath();
  if (path.empty() || prop_name_.empty()) return ClassName();
  return path + "." + prop_name_;
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (update_count_ == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  items_.push_back(Item);
  Item->collection_ = this;
  Item->id_ = next_id_++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  // Searched from the end: items freed newest first then cost no walk over the others.
  auto it = std::find(items_.rbegin(), items_.rend(), Item);
  if (it != items_.rend()) items_.erase(std::next(it).base());
  Item->collection_ = nullptr;
  Changed();
}

}  // namespace hd
