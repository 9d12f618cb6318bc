// QSort of a million rows and 10 columns by a numeric column and by a text column, against
// std::stable_sort of (key, row) pairs with the keys taken from the same texts (the goal: at
// most 3 times its time), with QSortFilterProxyModel::sort over a model of the same texts
// reported beside. Every round sorts the same shuffled rows: the grid goes back with QUnSort
// and the proxy with sort(-1), outside the timing.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench_form.h"
#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/gui_application.h"

namespace {

constexpr int kCols = 10;
constexpr int kRows = hd::bench::kCells;
constexpr int kNumberCol = 1;
constexpr int kTextCol = 2;

// The same shuffled texts for every party: numbers with two decimals in one column, words of
// eight letters in another, short labels elsewhere.
struct TSortTexts {
  TSortTexts() : cols(kCols) {
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int c = 0; c < kCols; ++c) cols[static_cast<std::size_t>(c)].reserve(kRows);
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) {
        std::string t;
        if (c == kNumberCol) {
          std::uint32_t v = next() % 100000000u;
          t = std::to_string(v / 100) + "." + std::to_string(10 + v % 90);
        } else if (c == kTextCol) {
          for (int k = 0; k < 8; ++k) t += static_cast<char>('a' + (next() >> 8) % 26);
        } else {
          t = hd::bench::ShortText(c, r);
        }
        cols[static_cast<std::size_t>(c)].push_back(std::move(t));
      }
    }
  }
  std::vector<std::vector<std::string>> cols;
};

const TSortTexts& Texts() {
  static TSortTexts texts;
  return texts;
}

struct TOurGrid {
  TOurGrid() {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, hd::New<hd::TExtStringGrid>(form.get()));
    grid->SetFixedCols(0);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows + 1);
    const TSortTexts& t = Texts();
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid->SetGridCells(c, r + 1, t.cols[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    form->Show();
  }
  std::unique_ptr<hd::TForm> form;
  hd::TExtStringGrid* grid = nullptr;
};

TOurGrid& Ours() {
  static TOurGrid ours;
  return ours;
}

// A table model over the same texts; the numeric column answers numbers, read from its text
// as a model over text cells does.
class TTextModel : public QAbstractTableModel {
 public:
  TTextModel() {
    const TSortTexts& t = Texts();
    for (const auto& col : t.cols) {
      std::vector<QString> q;
      q.reserve(col.size());
      for (const std::string& s : col) q.push_back(QString::fromStdString(s));
      cols.push_back(std::move(q));
    }
  }
  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kRows; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kCols; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const QString& s = cols[static_cast<std::size_t>(index.column())][static_cast<std::size_t>(index.row())];
    if (index.column() == kNumberCol) return s.toDouble();
    return s;
  }

 private:
  std::vector<std::vector<QString>> cols;
};

struct TPeer {
  TPeer() { proxy.setSourceModel(&model); }
  TTextModel model;
  QSortFilterProxyModel proxy;
};

TPeer& Peer() {
  static TPeer peer;
  return peer;
}

// The plain loop: keys taken from the texts, then a stable sort of (key, row).
template <typename Key, typename Extract>
void PlainSort(int col, Extract extract) {
  const std::vector<std::string>& texts = Texts().cols[static_cast<std::size_t>(col)];
  std::vector<std::pair<Key, int>> keys;
  keys.reserve(texts.size());
  for (std::size_t r = 0; r < texts.size(); ++r) keys.emplace_back(extract(texts[r]), static_cast<int>(r));
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  benchmark::DoNotOptimize(keys.data());
}

template <typename Plain>
void RunSort(benchmark::State& state, int col, Plain plain) {
  using Clock = std::chrono::steady_clock;
  TOurGrid& ours = Ours();
  TPeer& peer = Peer();
  Clock::duration oursTime{}, plainTime{}, qtTime{};
  for (auto _ : state) {
    ours.grid->SortSettings().SetColumn(col);
    auto t0 = Clock::now();
    ours.grid->QSort();
    auto t1 = Clock::now();
    ours.grid->QUnSort();
    auto t2 = Clock::now();
    plain();
    auto t3 = Clock::now();
    peer.proxy.sort(col);
    auto t4 = Clock::now();
    peer.proxy.sort(-1);
    oursTime += t1 - t0;
    plainTime += t3 - t2;
    qtTime += t4 - t3;
  }
  auto ms = [&](Clock::duration d) {
    return std::chrono::duration<double>(d).count() * 1e3 / static_cast<double>(state.iterations());
  };
  state.counters["ms_ours"] = ms(oursTime);
  state.counters["ms_stable_sort"] = ms(plainTime);
  state.counters["ms_qt_proxy"] = ms(qtTime);
  state.counters["ratio"] = ms(oursTime) / ms(plainTime);
  state.counters["ratio_qt"] = ms(oursTime) / ms(qtTime);
}

void BM_QSort_NumericColumn_AgainstStableSortAndProxy(benchmark::State& state) {
  RunSort(state, kNumberCol, [] { PlainSort<double>(kNumberCol, [](const std::string& s) { return std::strtod(s.c_str(), nullptr); }); });
}
BENCHMARK(BM_QSort_NumericColumn_AgainstStableSortAndProxy)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QSort_TextColumn_AgainstStableSortAndProxy(benchmark::State& state) {
  RunSort(state, kTextCol, [] { PlainSort<std::string>(kTextCol, [](const std::string& s) { return s; }); });
}
BENCHMARK(BM_QSort_TextColumn_AgainstStableSortAndProxy)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
