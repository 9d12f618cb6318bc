// The grid's filtering members, each handing over to the filter engine, and the selection
// handlers of the filter drop-down's lists.
#include <algorithm>
#include <memory>
#include <type_traits>

#include "grid/dataops/filter/grid_filter.h"
#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/column_items.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_panels.h"

namespace hd {

namespace {

// "display=condition": the display text before the first "=", the condition after it; an
// entry without "=" is both.
void SplitEntry(const std::string& Entry, std::string& Display, std::string& Condition) {
  size_t eq = Entry.find('=');
  Display = eq == std::string::npos ? Entry : Entry.substr(0, eq);
  Condition = eq == std::string::npos ? Entry : Entry.substr(eq + 1);
}

}  // namespace

TGridFilter& TExtStringGrid::Filterer() {
  static_assert(std::is_base_of_v<TDataEngine, TGridFilter>);
  std::unique_ptr<TDataEngine>& slot = FilterEngineSlot();
  if (!slot) slot = std::make_unique<TGridFilter>(DataHost());
  return static_cast<TGridFilter&>(*slot);
}

bool TExtStringGrid::MatchFilter(int ARow) { return Filterer().MatchRow(ARow); }
void TExtStringGrid::ApplyFilter() { Filterer().ApplyFilter(); }
void TExtStringGrid::FilterRow(int ARow) { Filterer().FilterRow(ARow); }
bool TExtStringGrid::FilterActive() const { return const_cast<TExtStringGrid*>(this)->Filterer().FilterActive(); }
void TExtStringGrid::SetFilterActive(bool Value) { Filterer().SetFilterActive(Value); }
bool TExtStringGrid::RemoveLastFilter() { return Filterer().RemoveLastFilter(); }
void TExtStringGrid::RemoveAllFilters() { Filterer().RemoveAllFilters(); }
void TExtStringGrid::NarrowDown(const std::string& ACondition, int AColumn) { Filterer().NarrowDown(ACondition, AColumn); }
bool TExtStringGrid::FilterDropDownCheck() const {
  return const_cast<TExtStringGrid*>(this)->Filterer().FilterDropDownCheck();
}
void TExtStringGrid::SetFilterDropDownCheck(bool Value) { Filterer().SetFilterDropDownCheck(Value); }
int TExtStringGrid::FilterCol() const { return const_cast<TExtStringGrid*>(this)->Filterer().FilterCol(); }

void TExtStringGrid::FilterListSelect(TObject*, int ItemIndex) {
  if (CanFocus()) SetFocus();
  TGridFilter& f = Filterer();
  const int col = f.FilterCol();
  if (col >= 0 && col <= TotalColCount() - 1 && ItemIndex >= 0 && ItemIndex < DropList()->Count()) {
    GetColumnFilter(col);
    TStringList& list = FilterList();
    if (ItemIndex < list.Count()) {
      std::string friendly, condition;
      SplitEntry(list[ItemIndex], friendly, condition);
      const bool update = AutoFilterUpdate();
      if (update) SetFilterActive(false);
      if (condition == FilterDropDownClear()) condition.clear();
      if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, friendly, condition);
      if (!condition.empty())
        Filter().ColumnFilter(col)->SetCondition(condition);
      else
        Filter().RemoveColumnFilter(col);
      if (update) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
        DoFilterDone();
      }
    }
  }
  f.SetFilterCol(-1);
}

void TExtStringGrid::FilterCheckListSelect(TObject*, int) {
  TGridFilter& f = Filterer();
  const int col = f.FilterCol();
  if (col < 0 || col > TotalColCount() - 1) return;
  GetColumnFilter(col);
  if (AutoFilterUpdate()) SetFilterActive(false);
  TFilter& filter = Filter();
  // The check list sets the whole filter: other columns' conditions go too.
  filter.Clear();
  TDropCheckList& checks = *DropCheckList();
  TStringList& list = FilterList();
  for (int i = 0; i < checks.Count() && i < list.Count(); ++i) {
    if (!checks.Checked(i)) continue;
    std::string friendly, condition;
    SplitEntry(list[i], friendly, condition);
    if (condition == FilterDropDownClear()) condition.clear();
    if (OnFilterCheck) OnFilterCheck(this, col, i, friendly, condition, checks);
    TFilterData* item = filter.Add();
    item->SetCondition(condition);
    item->SetColumn(static_cast<std::int16_t>(col));
    item->SetOperation(filter.Count() == 1 ? foNONE : foOR);
  }
  SetFilterActive(true);
  checks.Invalidate();
}

void TExtStringGrid::FilterDropDownCancelled() { Filterer().SetFilterCol(-1); }

void TExtColumnGrid::FilterListSelect(TObject*, int ItemIndex) {
  TGridFilter& f = Filterer();
  const int col = f.FilterCol();
  TGridColumnItem* item = col >= 0 && col < Columns().Count() ? Columns().Items(col) : nullptr;
  if (item && ItemIndex >= 0 && ItemIndex < item->Filter().Count()) {
    std::string display, condition;
    SplitEntry(item->Filter()[ItemIndex], display, condition);
    if (AutoFilterDisplay()) item->SetHeader(display);
    const bool update = AutoFilterUpdate();
    if (update) SetFilterActive(false);
    if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, display, condition);
    TFilterData* data = Filter().ColumnFilter(col);
    data->SetCondition(condition);
    data->SetCaseSensitive(item->FilterCaseSensitive());
    if (update) {
      SetFixedRowAlways(true);
      SetFilterActive(true);
      if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
      DoFilterDone();
    }
  }
  f.SetFilterCol(-1);
}

}  // namespace hd
