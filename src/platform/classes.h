// Persistent objects that copy themselves onto each other, and collections of owned items.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/exceptions.h"
#include "platform/object.h"

namespace hd {

namespace detail {
// Reaches the protected construction body of any object.
struct TConstruction {
  static void Create(TObject* object) { object->Create(); }
};

// The loading phase of components made while it lasts (see New): they are csLoading until
// the outermost phase ends and each hears Loaded, in the order they were made. Nested phases
// join the outer one.
class TLoadingPhase {
 public:
  TLoadingPhase();
  ~TLoadingPhase();
  TLoadingPhase(const TLoadingPhase&) = delete;
  TLoadingPhase& operator=(const TLoadingPhase&) = delete;
  // Ends the phase (when outermost): every component made in it still alive gets Loaded.
  void End();

 private:
  bool outermost_;
  bool ended_ = false;
};

template <class T, class... Args>
T* Construct(Args&&... args) {
  TLoadingPhase phase;
  T* object = new T(std::forward<Args>(args)...);
  try {
    TConstruction::Create(object);
    phase.End();
  } catch (...) {
    delete object;
    throw;
  }
  return object;
}
}  // namespace detail

// Two-phase construction: the C++ constructor sets the members, then the class's construction
// body (its Create override) runs on the whole object, so that virtual calls made there reach
// the most derived class; then AfterConstruction. Components made during it, the new object
// and those its body makes, are loading (csLoading) until it ends, and then hear Loaded.
// An exception from the body frees the object and goes on to the caller.
template <class T, class... Args>
T* New(Args&&... args) {
  T* object = detail::Construct<T>(std::forward<Args>(args)...);
  try {
    object->AfterConstruction();
  } catch (...) {
    delete object;
    throw;
  }
  return object;
}

// An object whose settings can be copied onto another object. A class that knows how to take
// another kind's settings overrides Assign; a class that knows how to give its settings to
// another kind overrides AssignTo. A pair that neither side knows raises EConvertError
// "Cannot assign a <source class> to a <target class>".
class TPersistent : public TObject {
 public:
  const char* ClassName() const override { return "TPersistent"; }
  // Copies Source's settings into this object; a null Source counts as the class "nil".
  virtual void Assign(const TPersistent* Source);
  // The dotted name of the object for messages ("Form1.Grid1.Columns").
  virtual std::string GetNamePath() const;

 protected:
  virtual void AssignTo(TPersistent* Dest) const;
  // The object this one belongs to (an item's collection, a collection's owner), or null.
  virtual TPersistent* GetOwner() const { return nullptr; }
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

class TCollection;

// One item of a collection. It lives in at most one collection at a time; freeing an item
// takes it out of its collection. The constructor only records the collection (its body may
// read it); the item enters the collection once it is whole: in Add, or in
// AfterConstruction when it is made with New.
class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;
  const char* ClassName() const override { return "TCollectionItem"; }

  TCollection* Collection() const { return collection_; }
  // Moves the item into another collection (or out of any, with null).
  virtual void SetCollection(TCollection* Value);
  // Position in the collection, -1 without one. Setting it moves the item.
  int Index() const;
  virtual void SetIndex(int Value);
  // A number unique within the collection, kept when items move.
  int ID() const { return id_; }
  // The name design tools show; the class name unless a descendant names itself.
  virtual std::string GetDisplayName() const;
  std::string DisplayName() const { return GetDisplayName(); }
  std::string GetNamePath() const override;
  void AfterConstruction() override;

 protected:
  // Tells the collection that this item (or, with AllItems, every item) changed.
  void Changed(bool AllItems);
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
  bool pending_ = false;  // made for collection_ but not in it yet
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An ordered list of items of one class, which it owns and frees. Changes reach Update
// (directly, or once at the outermost EndUpdate), where a descendant tells its owner.
class TCollection : public TPersistent {
 public:
  // Makes a new item of the collection's item class inside the given collection.
  using TItemClass = std::function<TCollectionItem*(TCollection*)>;
  template <class T>
  static TItemClass ItemClassOf() {
    return [](TCollection* c) -> TCollectionItem* { return New<T>(c); };
  }

  explicit TCollection(TItemClass ItemClass);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;
  const char* ClassName() const override { return "TCollection"; }

  int Count() const { return static_cast<int>(items_.size()); }
  // EListError "List index out of bounds (n)" outside 0 to Count-1.
  TCollectionItem* Items(int Index) const;
  // The item at Index takes Value's settings (Assign).
  void SetItems(int Index, const TCollectionItem* Value);
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  // Frees the item at Index.
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  // Takes another collection's items: as many items as it has, each assigned from its own.
  void Assign(const TPersistent* Source) override;

  virtual void BeginUpdate() { ++update_count_; }
  virtual void EndUpdate();
  int UpdateCount() const { return update_count_; }
  TPersistent* Owner() const { return GetOwner(); }
  std::string GetNamePath() const override;
  // The name of the owner's property that holds the collection, for GetNamePath.
  void SetPropName(const std::string& name) { prop_name_ = name; }

 protected:
  // Items were added, removed, moved or changed: Item is the one that changed, or null for
  // any change that concerns more than one. Not called inside BeginUpdate/EndUpdate.
  virtual void Update(TCollectionItem* Item);
  // An item came in (cnAdded), goes out (cnExtracting) or is about to be freed (cnDeleting,
  // before cnExtracting). An item freed with delete rather than Delete or Clear goes out from
  // its base destructor, where only its TCollectionItem part is left.
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  // Calls Update(nullptr) unless an update is in progress.
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void CheckIndex(int Index) const;

  TItemClass item_class_;
  std::vector<TCollectionItem*> items_;
  int update_count_ = 0;
  int next_id_ = 0;
  std::string prop_name_;
};

// A collection that belongs to another object (a grid's columns), which GetOwner answers.
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection(TPersistent* Owner, TItemClass ItemClass) : TCollection(std::move(ItemClass)), owner_(Owner) {}
  const char* ClassName() const override { return "TOwnedCollection"; }

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
};

}  // namespace hd
