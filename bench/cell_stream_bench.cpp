// The grid's binary cell stream and HTML export.
// - Cell stream: SaveToBinStream of 100,000 cells of short text and LoadFromBinStream into a
//   second grid, against a QDataStream writing the same texts and reading them back into a
//   vector. The counters give milliseconds per run of each side and the ratio.
// - HTML export: SaveToHTMLString of the same grid, reported alone.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/gui_application.h"
#include "platform/streams.h"

namespace {

constexpr int kRows = 10000, kCols = 10;

std::unique_ptr<hd::TExtStringGrid> FilledGrid() {
  std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
  grid->SetColCount(kCols);
  grid->SetRowCount(kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, hd::bench::ShortText(c, r));
  return grid;
}

void BM_CellStream_RoundTrip(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  std::unique_ptr<hd::TExtStringGrid> target(hd::New<hd::TExtStringGrid>(nullptr));
  std::vector<QString> texts;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) texts.push_back(QString::fromStdString(hd::bench::ShortText(c, r)));
  std::size_t kept = 0;
  hd::bench::CompareAlternating(
      state, 1e3, "cell_stream_ms",
      [&] {
        hd::TMemoryStream s;
        grid->SaveToBinStream(s);
        s.SetPosition(0);
        target->LoadFromBinStream(s);
      },
      "qdatastream_ms",
      [&] {
        QByteArray bytes;
        {
          QDataStream out(&bytes, QIODevice::WriteOnly);
          for (const QString& t : texts) out << t;
        }
        QDataStream in(bytes);
        std::vector<QString> back;
        back.reserve(texts.size());
        QString t;
        while (!in.atEnd()) {
          in >> t;
          back.push_back(t);
        }
        kept += back.size();
      });
  benchmark::DoNotOptimize(kept);
}
BENCHMARK(BM_CellStream_RoundTrip)->Name("CellStream/RoundTrip_100kCells_AgainstQDataStream")->Unit(benchmark::kMillisecond);

void BM_CellStream_HtmlExport(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  std::size_t size = 0;
  for (auto _ : state) size += grid->SaveToHTMLString("").size();
  benchmark::DoNotOptimize(size);
}
BENCHMARK(BM_CellStream_HtmlExport)->Name("CellStream/SaveToHTMLString_100kCells")->Unit(benchmark::kMillisecond);

}  // namespace
