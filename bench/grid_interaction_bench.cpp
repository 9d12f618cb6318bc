// The platform's grid answering the user at a million rows: a round of navigation keys (a page
// down, a row down, to the last cell and back to the first) and an edit of the current cell
// (the editor opened, filled and closed, its text written back), in a grid of a million rows
// against the same in a grid of a hundred. The goal is a ratio of at most 1.2.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_form.h"
#include "bench_helpers.h"
#include "platform/forms.h"
#include "platform/grids.h"
#include "platform/gui_application.h"

namespace {

struct TEditedGrid {
  explicit TEditedGrid(int rows) {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, new hd::TStringGrid(form.get()));
    grid->SetRowCount(rows);
    grid->SetOptions(grid->Options() + hd::TGridOptions{hd::goEditing});
    form->Show();
    grid->SetFocus();
  }
  void Round(int i) {
    for (int vk : {hd::VK_NEXT, hd::VK_DOWN}) grid->Perform(hd::WM_KEYDOWN, static_cast<hd::WPARAM>(vk));
    hd::SetKeyDown(hd::VK_CONTROL, true);
    for (int vk : {hd::VK_END, hd::VK_HOME}) grid->Perform(hd::WM_KEYDOWN, static_cast<hd::WPARAM>(vk));
    hd::SetKeyDown(hd::VK_CONTROL, false);
    grid->SetEditorMode(true);
    grid->SetCells(grid->Col(), grid->Row(), std::to_string(i));
    grid->SetEditorMode(false);
  }
  std::unique_ptr<hd::TForm> form;
  hd::TStringGrid* grid = nullptr;
};

void BM_KeysAndEdit_MillionRowsAgainstHundred(benchmark::State& state) {
  static TEditedGrid big(1000000), small(100);
  int i = 0;
  hd::bench::CompareAlternating(state, 1e6, "us_million", [&] { big.Round(i); }, "us_hundred", [&] { small.Round(i++); });
}
BENCHMARK(BM_KeysAndEdit_MillionRowsAgainstHundred)->Unit(benchmark::kMicrosecond);

}  // namespace
