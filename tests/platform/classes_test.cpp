// Persistent objects, collections, two-phase construction and the loading phase.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/classes.h"
#include "platform/component.h"

namespace hd {
namespace {

// A font-like object that takes its own kind, and a colour box that can give itself to it.
class TFontLike : public TPersistent {
 public:
  const char* ClassName() const override { return "TFontLike"; }
  void Assign(const TPersistent* Source) override {
    if (auto* f = dynamic_cast<const TFontLike*>(Source)) {
      Size = f->Size;
      Color = f->Color;
      return;
    }
    TPersistent::Assign(Source);
  }
  int Size = 8;
  int Color = 0;
};

class TColorBox : public TPersistent {
 public:
  const char* ClassName() const override { return "TColorBox"; }
  int Color = 0;

 protected:
  void AssignTo(TPersistent* Dest) const override {
    if (auto* f = dynamic_cast<TFontLike*>(Dest)) {
      f->Color = Color;
      return;
    }
    TPersistent::AssignTo(Dest);
  }
};

class TPenLike : public TPersistent {
 public:
  const char* ClassName() const override { return "TPenLike"; }
};

TEST(PersistentTest, AssignAcrossKinds) {
  struct Case {
    const char* name;
    std::function<void(TFontLike&)> assign;
    std::string error;  // empty: the assignment goes through
    int size, color;
  };
  TFontLike other;
  other.Size = 12;
  other.Color = 5;
  TColorBox box;
  box.Color = 7;
  TPenLike pen;
  const Case cases[] = {
      {"same kind, taken by Assign", [&](TFontLike& f) { f.Assign(&other); }, "", 12, 5},
      {"other kind, given by its AssignTo", [&](TFontLike& f) { f.Assign(&box); }, "", 8, 7},
      {"kind neither side knows", [&](TFontLike& f) { f.Assign(&pen); }, "Cannot assign a TPenLike to a TFontLike", 8, 0},
      {"nothing", [&](TFontLike& f) { f.Assign(nullptr); }, "Cannot assign a nil to a TFontLike", 8, 0},
      {"the other way round, no AssignTo for it", [&](TFontLike& f) { pen.Assign(&f); }, "Cannot assign a TFontLike to a TPenLike", 8, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFontLike target;
    if (c.error.empty()) {
      c.assign(target);
    } else {
      try {
        c.assign(target);
        ADD_FAILURE() << "no error";
      } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), c.error);
      }
    }
    EXPECT_EQ(target.Size, c.size);
    EXPECT_EQ(target.Color, c.color);
  }
}

// A column-like item that copies its font from the owner while it is constructed.
class TOwnerLike : public TPersistent {
 public:
  const char* ClassName() const override { return "TOwnerLike"; }
  std::vector<std::string> log;
  int font = 11;
};

class TColumnLike : public TCollectionItem {
 public:
  explicit TColumnLike(TCollection* c) : TCollectionItem(c) {
    if (c) font = static_cast<TOwnerLike*>(c->Owner())->font;
  }
  const char* ClassName() const override { return "TColumnLike"; }
  void Assign(const TPersistent* Source) override {
    if (auto* col = dynamic_cast<const TColumnLike*>(Source)) {
      name = col->name;
      return;
    }
    TCollectionItem::Assign(Source);
  }
  void SetName(const std::string& n) {
    name = n;
    Changed(false);
  }
  std::string name;
  int font = 0;
};

// Tells its owner of every change, as a grid's columns tell the grid.
class TColumnsLike : public TOwnedCollection {
 public:
  explicit TColumnsLike(TOwnerLike* owner) : TOwnedCollection(owner, ItemClassOf<TColumnLike>()), owner_(owner) {}
  TColumnLike* Col(int i) const { return static_cast<TColumnLike*>(Items(i)); }
  std::string Names() const {
    std::string s;
    for (int i = 0; i < Count(); ++i) s += (i ? "," : "") + Col(i)->name;
    return s;
  }

 protected:
  void Update(TCollectionItem* item) override {
    auto* col = dynamic_cast<TColumnLike*>(item);
    owner_->log.push_back("update " + (item ? (col ? col->name + "@" + std::to_string(col->Index()) : "?") : "all"));
  }
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    // The item is whole here: its own class answers.
    const char* what[] = {"added", "extracting", "deleting"};
    owner_->log.push_back(std::string(what[action]) + " " + item->ClassName());
  }

 private:
  TOwnerLike* owner_;
};

std::string Joined(std::vector<std::string>& log) {
  std::string s;
  for (const auto& e : log) s += (s.empty() ? "" : "; ") + e;
  log.clear();
  return s;
}

TEST(CollectionTest, ChangesReachTheOwnerInOrder) {
  TOwnerLike owner;
  TColumnsLike cols(&owner);
  auto* a = static_cast<TColumnLike*>(cols.Add());
  EXPECT_EQ(Joined(owner.log), "added TColumnLike; update all");
  EXPECT_EQ(a->font, 11);
  EXPECT_EQ(cols.Owner(), &owner);
  a->SetName("a");
  EXPECT_EQ(Joined(owner.log), "update a@0");

  cols.BeginUpdate();
  static_cast<TColumnLike*>(cols.Add())->SetName("b");
  static_cast<TColumnLike*>(cols.Insert(0))->SetName("c");
  cols.BeginUpdate();
  cols.EndUpdate();
  EXPECT_EQ(Joined(owner.log), "added TColumnLike; added TColumnLike");
  cols.EndUpdate();
  EXPECT_EQ(Joined(owner.log), "update all");
  EXPECT_EQ(cols.Names(), "c,a,b");
  EXPECT_EQ(cols.Col(2)->Index(), 2);

  cols.Col(2)->SetIndex(0);
  EXPECT_EQ(cols.Names(), "b,c,a");
  EXPECT_EQ(Joined(owner.log), "update all");

  cols.Delete(1);
  EXPECT_EQ(Joined(owner.log), "deleting TColumnLike; extracting TColumnLike; update all");
  delete cols.Col(0);  // freeing an item takes it out
  EXPECT_EQ(owner.log.back(), "update all");
  owner.log.clear();
  EXPECT_EQ(cols.Names(), "a");
  EXPECT_EQ(cols.FindItemID(a->ID()), a);

  try {
    cols.Items(1);
    ADD_FAILURE() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (1)");
  }
}

TEST(CollectionTest, AssignCopiesEveryItemInOneUpdate) {
  TOwnerLike owner, other;
  TColumnsLike cols(&owner), source(&other);
  for (const char* n : {"x", "y", "z"}) static_cast<TColumnLike*>(source.Add())->SetName(n);
  cols.Add();
  owner.log.clear();
  cols.Assign(&source);
  EXPECT_EQ(cols.Names(), "x,y,z");
  EXPECT_EQ(owner.log.back(), "update all");
  EXPECT_EQ(std::count(owner.log.begin(), owner.log.end(), "update all"), 1);
  TColumnLike single(nullptr);
  EXPECT_THROW(cols.Assign(&single), EConvertError);
}

TEST(CollectionTest, ItemMadeWithNewEntersWhenWhole) {
  TOwnerLike owner;
  TColumnsLike cols(&owner);
  TColumnLike* item = New<TColumnLike>(&cols);
  EXPECT_EQ(item->Collection(), &cols);
  EXPECT_EQ(item->Index(), 0);
  EXPECT_EQ(Joined(owner.log), "added TColumnLike; update all");
  item->SetCollection(nullptr);
  EXPECT_EQ(cols.Count(), 0);
  delete item;
}

// A part that notes when it goes; a watcher that notes the components it watched going.
class TPart : public TComponent {
 public:
  TPart(TComponent* owner, std::vector<std::string>* log, const std::string& name) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TPart() override { log_->push_back(Name() + " goes"); }

 private:
  std::vector<std::string>* log_;
};

class TWatcher : public TComponent {
 public:
  explicit TWatcher(std::vector<std::string>* log) : TComponent(nullptr), log_(log) {}

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove)
      log_->push_back("watcher hears " + component->Name() + (component->Destroying() ? " destroying" : ""));
  }

 private:
  std::vector<std::string>* log_;
};

TEST(ComponentTest, OwnerFreesItsPartsLastMadeFirstAndWatchersHearThem) {
  std::vector<std::string> log;
  auto* owner = new TComponent(nullptr);
  owner->SetName("owner");
  auto* a = new TPart(owner, &log, "a");
  auto* b = new TPart(owner, &log, "b");
  new TPart(owner, &log, "c");
  TWatcher watcher(&log), quiet(&log);
  watcher.FreeNotification(owner);
  watcher.FreeNotification(b);
  quiet.FreeNotification(a);
  quiet.RemoveFreeNotification(a);
  EXPECT_EQ(owner->FindComponent("B"), b);
  delete a;
  EXPECT_EQ(Joined(log), "a goes");
  EXPECT_EQ(owner->ComponentCount(), 2);
  delete owner;
  // Watchers hear first, then the parts go, last made first.
  EXPECT_EQ(Joined(log), "watcher hears owner destroying; c goes; b goes; watcher hears b destroying");
}

// Construction bodies that call a virtual, and components that record their loading.
class TLoggedComponent : public TComponent {
 public:
  TLoggedComponent(TComponent* owner, std::vector<std::string>* log, std::string tag)
      : TComponent(owner), log_(log), tag_(std::move(tag)) {}
  virtual std::string Kind() const { return "base"; }

 protected:
  void Create() override {
    TComponent::Create();
    log_->push_back(tag_ + " body sees " + Kind() + (ComponentState().Contains(csLoading) ? ", loading" : ""));
  }
  void Loaded() override {
    TComponent::Loaded();
    log_->push_back(tag_ + " loaded");
  }

  std::vector<std::string>* log_;
  std::string tag_;
};

class TDerivedComponent : public TLoggedComponent {
 public:
  using TLoggedComponent::TLoggedComponent;
  std::string Kind() const override { return "derived"; }
  bool fail = false;
};

// A root that makes its parts in its body: two plainly, one in two phases, one it frees.
class TRootComponent : public TDerivedComponent {
 public:
  TRootComponent(std::vector<std::string>* log, bool fail) : TDerivedComponent(nullptr, log, "root"), fail_(fail) {}

 protected:
  void Create() override {
    TDerivedComponent::Create();
    new TLoggedComponent(this, log_, "a");
    New<TDerivedComponent>(this, log_, "b");
    delete new TLoggedComponent(this, log_, "gone");
    if (fail_) throw EInvalidOperation("body failed");
    new TLoggedComponent(this, log_, "c");
  }

 private:
  bool fail_;
};

TEST(ConstructionTest, BodyReachesTheDerivedClassAndLoadedEndsThePhaseOnce) {
  std::vector<std::string> log;
  TRootComponent* root = New<TRootComponent>(&log, false);
  EXPECT_EQ(Joined(log),
            "root body sees derived, loading; b body sees derived, loading; root loaded; a loaded; b loaded; c loaded");
  for (int i = 0; i < root->ComponentCount(); ++i) EXPECT_FALSE(root->Components(i)->ComponentState().Contains(csLoading));
  EXPECT_FALSE(root->ComponentState().Contains(csLoading));
  // Made outside a phase: not loading, no Loaded.
  auto* later = new TLoggedComponent(root, &log, "later");
  EXPECT_FALSE(later->ComponentState().Contains(csLoading));
  delete root;
  EXPECT_TRUE(log.empty());
}

TEST(ConstructionTest, FailingBodyFreesTheObjectAndReachesTheCaller) {
  std::vector<std::string> log;
  TComponent keeper(nullptr);
  EXPECT_THROW(New<TRootComponent>(&log, true), EInvalidOperation);
  EXPECT_EQ(Joined(log), "root body sees derived, loading; b body sees derived, loading");
  // The phase is over: what is made now is not loading.
  TLoggedComponent after(&keeper, &log, "after");
  EXPECT_TRUE(after.ComponentState().Empty());
}

}  // namespace
}  // namespace hd
