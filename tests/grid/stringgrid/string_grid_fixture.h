// A string grid on a shown form for the string grid's tests, with its protected hooks made
// reachable.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd::test {

class TTestStringGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::FindStateRecord;
  using TExtStringGrid::GetDefaultCellProperties;
};

// A grid of 5 columns and 10 rows (one fixed of each), 64 x 22 cells, on a form 600 x 400.
class StringGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(600, 400);
    grid = New<TTestStringGrid>(form.get());
    grid->SetParent(form.get());
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TTestStringGrid* grid = nullptr;
};

}  // namespace hd::test
