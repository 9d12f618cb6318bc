// The grid's text files against plain loops over the same files.
// - CSV load: LoadFromCSV of 100,000 rows x 10 columns (a quoted field with a delimiter and
//   one with doubled quotes in every row) against a loop that reads the file, splits it into
//   lines and fields (quotes undone) and keeps the fields in a vector of strings.
// - CSV save: SaveToCSV of the same grid against a loop that quotes, joins and writes those
//   strings.
// - The text file, load and save, against the same loops over its "c,r,text" lines.
// The counters give milliseconds per run of each side and the ratio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/files.h"
#include "platform/gui_application.h"

namespace {

constexpr int kRows = 100000, kCols = 10;

std::string CellText(int c, int r) {
  if (c == 3) return "a," + std::to_string(r);
  if (c == 6) return "say \"" + std::to_string(r) + "\"";
  return hd::bench::ShortText(c, r);
}

std::unique_ptr<hd::TExtStringGrid> FilledGrid() {
  std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
  grid->SetColCount(kCols);
  grid->SetRowCount(kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, CellText(c, r));
  return grid;
}

std::string TempFile(const char* name) { return hd::TempFolder() + "/hd_bench_" + name; }

// The plain reader: lines, then fields split at commas outside quotes, doubled quotes undone.
std::vector<std::string> PlainCsvRead(const std::string& path) {
  const std::string text = hd::ReadFileBytes(path);
  std::vector<std::string> cells;
  cells.reserve(static_cast<std::size_t>(kRows) * kCols);
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (quoted) {
      if (ch != '"') field += ch;
      else if (i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
      else quoted = false;
    } else if (ch == '"') {
      quoted = true;
    } else if (ch == ',' || ch == '\n') {
      cells.push_back(std::move(field));
      field.clear();
    } else if (ch != '\r') {
      field += ch;
    }
  }
  return cells;
}

void PlainCsvWrite(const std::vector<std::string>& cells, const std::string& path) {
  std::string out;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::string& t = cells[i];
    if (t.find_first_of(",\"") != std::string::npos) {
      out += '"';
      for (char ch : t) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
      out += '"';
    } else {
      out += t;
    }
    out += (i + 1) % kCols == 0 ? "\r\n" : ",";
  }
  hd::WriteFileAtomic(path, out);
}

// The plain reader of "c,r,text" lines: the two numbers and the text kept.
std::vector<std::string> PlainTextFileRead(const std::string& path) {
  const std::string text = hd::ReadFileBytes(path);
  std::vector<std::string> cells;
  cells.reserve(static_cast<std::size_t>(kRows) * kCols);
  std::size_t from = text.find('\n') + 1;
  while (from < text.size()) {
    std::size_t end = text.find("\r\n", from);
    if (end == std::string::npos) end = text.size();
    const std::size_t c1 = text.find(',', from), c2 = text.find(',', c1 + 1);
    if (text.compare(from, 2, "cw") != 0 && c2 < end) {
      benchmark::DoNotOptimize(std::stoi(text.substr(from, c1 - from)) + std::stoi(text.substr(c1 + 1, c2 - c1 - 1)));
      cells.push_back(text.substr(c2 + 1, end - c2 - 1));
    }
    from = end + 2;
  }
  return cells;
}

void PlainTextFileWrite(const std::vector<std::string>& cells, const std::string& path) {
  std::string out = std::to_string(kCols) + "," + std::to_string(kRows) + "\r\n";
  for (int c = 0; c < kCols; ++c) out += "cw " + std::to_string(c) + ",64\r\n";
  for (std::size_t i = 0; i < cells.size(); ++i)
    out += std::to_string(i % kCols) + "," + std::to_string(i / kCols) + "," + cells[i] + "\r\n";
  hd::WriteFileAtomic(path, out);
}

void BM_GridFiles_CsvLoad(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  const std::string path = TempFile("load.csv");
  grid->SaveToCSV(path);
  std::size_t kept = 0;
  hd::bench::CompareAlternating(
      state, 1e3, "grid_ms", [&] { grid->LoadFromCSV(path); },
      "plain_loop_ms", [&] { kept += PlainCsvRead(path).size(); });
  benchmark::DoNotOptimize(kept);
  std::remove(path.c_str());
}
BENCHMARK(BM_GridFiles_CsvLoad)->Name("GridFiles/LoadFromCSV_1MCells_AgainstPlainLoop")->Unit(benchmark::kMillisecond);

void BM_GridFiles_CsvSave(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  const std::string ours = TempFile("save.csv"), plain = TempFile("plain.csv");
  grid->SaveToCSV(ours);
  const std::vector<std::string> cells = PlainCsvRead(ours);
  hd::bench::CompareAlternating(
      state, 1e3, "grid_ms", [&] { grid->SaveToCSV(ours); },
      "plain_loop_ms", [&] { PlainCsvWrite(cells, plain); });
  std::remove(ours.c_str());
  std::remove(plain.c_str());
}
BENCHMARK(BM_GridFiles_CsvSave)->Name("GridFiles/SaveToCSV_1MCells_AgainstPlainLoop")->Unit(benchmark::kMillisecond);

void BM_GridFiles_TextFileLoad(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  const std::string path = TempFile("load.txt");
  grid->SaveToFile(path);
  std::size_t kept = 0;
  hd::bench::CompareAlternating(
      state, 1e3, "grid_ms", [&] { grid->LoadFromFile(path); },
      "plain_loop_ms", [&] { kept += PlainTextFileRead(path).size(); });
  benchmark::DoNotOptimize(kept);
  std::remove(path.c_str());
}
BENCHMARK(BM_GridFiles_TextFileLoad)->Name("GridFiles/LoadFromFile_1MCells_AgainstPlainLoop")->Unit(benchmark::kMillisecond);

void BM_GridFiles_TextFileSave(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  const std::string ours = TempFile("save.txt"), plain = TempFile("plain.txt");
  grid->SaveToFile(ours);
  const std::vector<std::string> cells = PlainTextFileRead(ours);
  hd::bench::CompareAlternating(
      state, 1e3, "grid_ms", [&] { grid->SaveToFile(ours); },
      "plain_loop_ms", [&] { PlainTextFileWrite(cells, plain); });
  std::remove(ours.c_str());
  std::remove(plain.c_str());
}
BENCHMARK(BM_GridFiles_TextFileSave)->Name("GridFiles/SaveToFile_1MCells_AgainstPlainLoop")->Unit(benchmark::kMillisecond);

}  // namespace
