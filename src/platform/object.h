// The root of the platform's class tree.
#pragma once

namespace hd {

namespace detail {
struct TConstruction;
}

// Root of the objects that lists, cells and components carry. ClassName is the name the
// platform's messages use ("Cannot assign a TFont to a TBrush").
class TObject {
 public:
  virtual ~TObject() = default;
  virtual const char* ClassName() const { return "TObject"; }
  // Runs once the object is whole, after its construction body (see New in classes.h).
  virtual void AfterConstruction() {}

 protected:
  // The construction body, run by New once the object is whole; an override calls its base
  // class's Create first, as a constructor would.
  virtual void Create() {}

 private:
  friend struct detail::TConstruction;
};

}  // namespace hd
