// The cells a table window reads, checks and saves: a table grid, or anything of its shape.
#pragma once

#include <concepts>
#include <string>
#include <type_traits>

namespace hd {

// Row 0 is the header and column 0 the row number; data lie in rows and columns from 1 on.
template <class G>
concept CellTable = requires(G& g, int c, int r, const std::string& s) {
  { g.RowCount() } -> std::convertible_to<int>;
  { g.ColCount() } -> std::convertible_to<int>;
  { g.Cells(c, r) } -> std::convertible_to<std::string>;
  g.SetCells(c, r, s);
};

// A non-owning view of any CellTable, so that the file and check code is compiled once and a
// window passes its grids as they are.
class TCellTableView {
 public:
  template <CellTable G>
    requires(!std::same_as<std::remove_cv_t<G>, TCellTableView>)
  TCellTableView(G& table) : table_(&table), ops_(&kOps<G>) {}  // NOLINT: implicit on purpose

  int RowCount() const { return ops_->rowCount(table_); }
  int ColCount() const { return ops_->colCount(table_); }
  std::string Cells(int c, int r) const { return ops_->cells(table_, c, r); }
  void SetCells(int c, int r, const std::string& text) const { ops_->setCells(table_, c, r, text); }
  // Empty outside the table, so a description wider than its grid reads blanks.
  std::string CellOrEmpty(int c, int r) const {
    return c >= 0 && c < ColCount() && r >= 0 && r < RowCount() ? Cells(c, r) : std::string();
  }

 private:
  struct TOps {
    int (*rowCount)(void*);
    int (*colCount)(void*);
    std::string (*cells)(void*, int, int);
    void (*setCells)(void*, int, int, const std::string&);
  };

  template <class G>
  static G& As(void* t) {
    return *static_cast<G*>(t);
  }

  template <class G>
  static constexpr TOps kOps = {
      [](void* t) { return static_cast<int>(As<G>(t).RowCount()); },
      [](void* t) { return static_cast<int>(As<G>(t).ColCount()); },
      [](void* t, int c, int r) { return std::string(As<G>(t).Cells(c, r)); },
      [](void* t, int c, int r, const std::string& s) { As<G>(t).SetCells(c, r, s); },
  };

  void* table_;
  const TOps* ops_;
};

}  // namespace hd
