#include "grid/dataops/nodes/grouping.h"

#include <algorithm>

#include "grid/dataops/calc/grid_calc.h"
#include "grid/dataops/nodes/row_nodes.h"
#include "grid/stringgrid/grid_settings_data.h"

namespace hd {
namespace {

// A text no cell holds at the start of a scan (U+00FF U+00FE), so the first row starts a group.
const std::string kNoValue = "\xC3\xBF\xC3\xBE";

class TUpdateLock {
 public:
  explicit TUpdateLock(TGridDataHost& Host) : FHost(Host) { FHost.BeginUpdate(); }
  ~TUpdateLock() { FHost.EndUpdate(); }
  TUpdateLock(const TUpdateLock&) = delete;
  TUpdateLock& operator=(const TUpdateLock&) = delete;

 private:
  TGridDataHost& FHost;
};

// ExpandOne off for the scope, so that expanding every node contracts none.
class TExpandOneOff {
 public:
  explicit TExpandOneOff(TCellNode& Node) : FNode(Node), FWas(Node.ExpandOne()) { FNode.SetExpandOne(false); }
  ~TExpandOneOff() { FNode.SetExpandOne(FWas); }
  TExpandOneOff(const TExpandOneOff&) = delete;
  TExpandOneOff& operator=(const TExpandOneOff&) = delete;

 private:
  TCellNode& FNode;
  bool FWas;
};

bool AnyContracted(TGridDataHost& Host, TRowNodes& Nodes) {
  for (int r = Host.FixedRows(); r < Host.RowCount(); ++r)
    if (Nodes.GetNodeState(r)) return true;
  return false;
}

}  // namespace

void TGridGrouping::InsertSummary(int ARow) {
  FHost.InsertRow(ARow);
  TRowNodes(FHost).AddSummary(FHost.DisplToRealRow(ARow));
  const TGrouping& g = FHost.Grouping();
  if (!g.MergeSummary()) FHost.SetRowColors(ARow, g.SummaryColor(), g.SummaryColorTo(), g.SummaryTextColor());
}

// The merge of a header or summary row goes with it: left behind, it would cover data cells.
void TGridGrouping::SplitRow(int ARow) {
  for (int c = 0; c < FHost.ColCount(); ++c)
    if (FHost.IsBaseCell(c, ARow) && (FHost.CellSpan(c, ARow).X > 0 || FHost.CellSpan(c, ARow).Y > 0))
      FHost.SplitCells(c, ARow);
}

void TGridGrouping::RemoveGroupRow(int ARow) {
  SplitRow(ARow);
  FHost.RemoveRow(ARow);
}

void TGridGrouping::HeaderColors(int ARow) {
  const TGrouping& g = FHost.Grouping();
  if (!g.MergeHeader()) FHost.SetRowColors(ARow, g.HeaderColor(), g.HeaderColorTo(), g.HeaderTextColor());
}

void TGridGrouping::Group(int Colindex) {
  if (Colindex < FHost.FixedCols() || Colindex <= 0) return;
  if (FHost.GroupColumn() != -1) UnGroup();
  if (FHost.RowCount() - FHost.FixedFooters() <= FHost.FixedRows()) return;
  TUpdateLock lock(FHost);
  FHost.GroupColumn() = Colindex;
  FGroupWidth = FHost.ColWidth(Colindex);
  FGroupCaption = FHost.FixedRows() > 0 ? FHost.StoredText(Colindex, 0) : std::string();
  FGroupFooter = FHost.FixedFooters() > 0 ? FHost.StoredText(Colindex, FHost.RowCount() - 1) : std::string();
  if (FHost.SortSettings().AutoSortForGrouping()) {
    FHost.SortSettings().SetColumn(Colindex);
    FHost.QSort();
  }
  GroupRows(Colindex);
  FHost.RemoveColumn(Colindex);
  MergeGroupRows();
  TRowNodes nodes(FHost);
  if (FHost.CellNode().ExpandOne())
    for (int r = FHost.FixedRows(); r < FHost.RowCount(); ++r)
      if (nodes.IsNode(r)) {
        nodes.ExpandNode(FHost.DisplToRealRow(r));
        break;
      }
  if (FHost.Col() < 0 || FHost.Col() >= FHost.ColCount() || FHost.Row() < 0 || FHost.Row() >= FHost.RowCount())
    FHost.SetCol(std::min(FHost.FixedCols(), FHost.ColCount() - 1));
  FHost.SetRow(FHost.FixedRows());
}

// Header rows above each run of equal values, the nodes over them, and the summary rows.
void TGridGrouping::GroupRows(int Colindex) {
  TRowNodes nodes(FHost);
  const bool summary = FHost.Grouping().Summary();
  const int hc = Colindex == 1 ? 2 : 1;
  std::string prev = kNoValue;
  int h = -1, r = FHost.FixedRows();
  auto closeGroup = [&] {
    if (h > FHost.FixedRows() && summary) {
      // The summary of the group above h goes between that group and h.
      InsertSummary(h);
      ++h;
      ++r;
    }
    nodes.AddNode(FHost.DisplToRealRow(h), r - h);
  };
  while (r <= FHost.RowCount() - FHost.FixedFooters() - 1) {
    std::string cur = FHost.StoredText(Colindex, r);
    if (cur != prev) {
      if (h != -1) closeGroup();
      FHost.InsertRow(r);
      FHost.SetStoredText(hc, r, cur);
      HeaderColors(r);
      h = r;
      ++r;
    }
    prev = cur;
    ++r;
  }
  if (h == -1) return;
  closeGroup();
  HeaderColors(h);
  if (summary) InsertSummary(r);
}

void TGridGrouping::MergeGroupRows() {
  const TGrouping& g = FHost.Grouping();
  const bool mergeSummary = g.MergeSummary() && g.Summary();
  if (!g.MergeHeader() && !mergeSummary) return;
  TRowNodes nodes(FHost);
  int span = FHost.ColCount() - 1;
  if (span < 1) return;
  for (int b = FHost.FixedRows(); b < FHost.RowCount() - FHost.FixedFooters(); ++b) {
    if (g.MergeHeader() && nodes.IsNode(b)) {
      FHost.MergeCells(1, b, span, 1);
      FHost.SetCellColors(1, b, g.HeaderColor(), g.HeaderColorTo(), g.HeaderTextColor());
    } else if (mergeSummary && nodes.IsSummary(b)) {
      FHost.MergeCells(1, b, span, 1);
      FHost.SetCellColors(1, b, g.SummaryColor(), g.SummaryColorTo(), g.SummaryTextColor());
    }
  }
}

void TGridGrouping::UnGroup() {
  const int g = FHost.GroupColumn();
  if (g <= 0) return;
  TUpdateLock lock(FHost);
  TExpandOneOff expandOne(FHost.CellNode());
  TRowNodes nodes(FHost);
  nodes.ExpandAll();
  FHost.InsertColumn(g);
  FHost.SetColWidth(g, FGroupWidth);
  if (FHost.FixedRows() > 0) FHost.SetStoredText(g, 0, FGroupCaption);
  if (FHost.FixedFooters() > 0) FHost.SetStoredText(g, FHost.RowCount() - 1, FGroupFooter);
  const int valueCol = g == 1 ? 2 : 1;
  std::string text;
  int r = FHost.FixedRows();
  while (r <= FHost.RowCount() - FHost.FixedFooters() - 1) {
    if (!nodes.IsNode(r)) {
      if (!nodes.IsSummary(r)) FHost.SetStoredText(g, r, text);
      ++r;
      continue;
    }
    int span = nodes.GetNodeSpan(r);
    // By what the rows are, not by the switch, which may have changed since the grouping.
    if (nodes.IsSummary(r + span)) RemoveGroupRow(r + span);
    text = FHost.StoredText(valueCol, r);
    nodes.RemoveNode(FHost.DisplToRealRow(r));
    RemoveGroupRow(r);
  }
  FHost.GroupColumn() = -1;
  FHost.Invalidate();
}

void TGridGrouping::SubGroup(int Colindex) {
  if (Colindex < FHost.FixedCols() || Colindex <= 0) return;
  if (FHost.RowCount() - FHost.FixedFooters() <= FHost.FixedRows() + 1) return;
  TUpdateLock lock(FHost);
  TRowNodes nodes(FHost);
  // The scan follows display rows: the rows of contracted groups come back first.
  if (AnyContracted(FHost, nodes)) {
    TExpandOneOff expandOne(FHost.CellNode());
    nodes.ExpandAll();
  }
  const TGrouping& g = FHost.Grouping();
  const int hc = Colindex + 1;
  auto headerLook = [&](int ARow) {
    if (g.MergeHeader() && hc < FHost.ColCount() - 1) {
      FHost.MergeCells(hc, ARow, FHost.ColCount() - hc, 1);
      FHost.SetCellColors(hc, ARow, g.HeaderColor(), g.HeaderColorTo(), g.HeaderTextColor());
    } else {
      HeaderColors(ARow);
    }
  };
  auto closeSub = [&](int h, int r) {
    nodes.AddNode(FHost.DisplToRealRow(h), r - h);
    if (TCellGraphic* n = FHost.NodeGraphic(0, h)) n->SetCellVar(Colindex);
  };
  auto plain = [&](int ARow) { return !nodes.IsNode(ARow) && !nodes.IsSummary(ARow); };
  std::string prev = kNoValue;
  int h = -1, r = FHost.FixedRows() + 1;
  while (r < FHost.RowCount() - FHost.FixedFooters()) {
    std::string cur = FHost.DisplayText(Colindex, r);
    if (cur != prev || !plain(r)) {
      if (h != -1 && plain(h)) closeSub(h, r);
      if (plain(r)) {
        nodes.InsertChildRow(FHost.DisplToRealRow(r), 0);
        FHost.SetDisplayText(hc, r, cur);
        headerLook(r);
      }
      h = r;
      ++r;
    }
    if (r < FHost.RowCount() - FHost.FixedFooters() && plain(r - 1)) {
      prev = FHost.DisplayText(Colindex, r);
      FHost.SetDisplayText(Colindex, r, "");
      ++r;
    } else {
      prev = kNoValue;
    }
  }
  if (h != -1 && plain(h)) {
    closeSub(h, r);
    headerLook(h);
  }
  FHost.SetRow(FHost.FixedRows());
}

void TGridGrouping::SubUnGroup(int Colindex) {
  TUpdateLock lock(FHost);
  TRowNodes nodes(FHost);
  {
    TExpandOneOff expandOne(FHost.CellNode());
    nodes.ExpandAll();
  }
  std::string text;
  int r = FHost.FixedRows();
  while (r <= FHost.RowCount() - FHost.FixedFooters() - 1) {
    if (nodes.IsNode(r)) {
      TCellGraphic* n = FHost.NodeGraphic(0, r);
      if (n && n->CellVar() == Colindex) {
        text = FHost.DisplayText(Colindex + 1, r);
        nodes.RemoveNode(FHost.DisplToRealRow(r));
        SplitRow(r);
        nodes.RemoveChildRow(FHost.DisplToRealRow(r));
      } else {
        ++r;
      }
      continue;
    }
    // Summary rows keep their own texts.
    if (!nodes.IsSummary(r)) FHost.SetDisplayText(Colindex, r, text);
    ++r;
  }
}

void TGridGrouping::GroupCalc(int Colindex, int Method) {
  TRowNodes nodes(FHost);
  TGridCalc calc(FHost);
  const bool summary = FHost.Grouping().Summary();
  int r = FHost.FixedRows();
  while (r < FHost.RowCount()) {
    if (!nodes.IsNode(r) || nodes.GetNodeState(r)) {
      ++r;
      continue;
    }
    int s = std::max(nodes.GetNodeSpan(r), 1);
    int target = summary ? r + s : r, from = r + 1, to = r + s - 1;
    if (target < FHost.RowCount()) {
      switch (Method) {
        case 1: FHost.SetCellFloat(Colindex, target, calc.ColumnSum(Colindex, from, to)); break;
        case 2: FHost.SetCellFloat(Colindex, target, calc.ColumnAvg(Colindex, from, to)); break;
        case 3: FHost.SetCellFloat(Colindex, target, calc.ColumnMin(Colindex, from, to)); break;
        case 4: FHost.SetCellFloat(Colindex, target, calc.ColumnMax(Colindex, from, to)); break;
        case 5: FHost.SetCellInt(Colindex, target, s - 1); break;
        case 6: FHost.SetCellFloat(Colindex, target, calc.GroupCustomCalc(Colindex, from, to)); break;
        case 7: FHost.SetCellFloat(Colindex, target, calc.ColumnDistinct(Colindex, from, to)); break;
        case 8: FHost.SetCellFloat(Colindex, target, calc.ColumnStdDev(Colindex, from, to)); break;
        default: break;
      }
    }
    r += s;
  }
}

}  // namespace hd
