// The grid's side of the search footer: the bar made with the grid and kept in step with
// SearchFooter, and the handlers of its edit and buttons.
#include <cctype>

#include "grid/dataops/search/search_panel.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/look_objects.h"

namespace hd {

namespace {

constexpr int kSearchPanelHeight = 32;

}  // namespace

void TExtStringGrid::CreateSearchPanel() {
  auto* panel = new TSearchPanel(this);
  panel->SetAlign(alBottom);
  panel->SetHeight(0);
  panel->SetBorderWidth(0);
  panel->SetVisible(false);
  panel->OnEditChange = [this](TObject* Sender) { SearchEditChange(Sender); };
  panel->OnForwardClick = [this](TObject* Sender) { SearchForwardClick(Sender); };
  panel->OnBackwardClick = [this](TObject* Sender) { SearchBackwardClick(Sender); };
  panel->OnExitClick = [this](TObject* Sender) { SearchExitClick(Sender); };
  panel->OnHighlightClick = [this](TObject* Sender) { SearchHighLightClick(Sender); };
  SearchPanelSlot() = panel;
}

TSearchPanel& TExtStringGrid::SearchPanel() { return static_cast<TSearchPanel&>(*SearchPanelSlot()); }

void TExtStringGrid::PlaceSearchPanel() {
  if (!SearchPanelSlot()) return;
  TSearchPanel& panel = SearchPanel();
  panel.SetParent(this);
  SearchFooterChange();
  panel.LayoutControls();
  if (OnCreatedSearchFooter) OnCreatedSearchFooter(this);
}

void TExtStringGrid::SearchFooterChange() {
  if (Loading() || !SearchPanelSlot()) return;
  TSearchPanel& panel = SearchPanel();
  TSearchFooter& footer = SearchFooter();
  if (footer.AlwaysHighLight() || (panel.HiliteButton().Down() && panel.Visible() && !footer.Visible()))
    UnHilightInGrid(false);
  panel.SetColor(footer.Color());
  panel.SetColorTo(footer.ColorTo());
  panel.SetVisible(footer.Visible());
  panel.FindNextCaption = footer.FindNextCaption();
  panel.FindPrevCaption = footer.FindPrevCaption();
  panel.MatchCaseCaption = footer.MatchCaseCaption();
  panel.HighLightCaption = footer.HighLightCaption();
  panel.HintClose = footer.HintClose();
  panel.HintFindNext = footer.HintFindNext();
  panel.HintFindPrev = footer.HintFindPrev();
  panel.HintHighlight = footer.HintHighlight();
  panel.SetFont(footer.Font());
  struct TButtonSetting {
    TExtGridButton& Button;
    const std::string& Caption;
    const std::string& Hint;
    bool Shown;
  };
  const TButtonSetting buttons[] = {
      {panel.ForwardButton(), footer.FindNextCaption(), footer.HintFindNext(), footer.ShowFindNext()},
      {panel.BackwardButton(), footer.FindPrevCaption(), footer.HintFindPrev(), footer.ShowFindPrev()},
      {panel.HiliteButton(), footer.HighLightCaption(), footer.HintHighlight(), footer.ShowHighLight()},
      {panel.ExitButton(), std::string(), footer.HintClose(), footer.ShowClose()},
  };
  const TControlLookStyle style = ControlLook().ControlStyle();
  for (const TButtonSetting& b : buttons) {
    if (&b.Button != &panel.ExitButton()) {
      b.Button.SetCaption(b.Caption);
      if (AutoThemeAdapt()) {
        b.Button.SetAutoThemeAdapt(true);
        b.Button.SetFlat(true);
      } else if (style == csFlat || style == csWinXP || style == csTheme || style == csClassic) {
        b.Button.SetFlat(style == csFlat);
        b.Button.SetAutoXPStyle(style == csWinXP || style == csTheme);
      }
    }
    b.Button.SetVisible(b.Shown);
    b.Button.SetHint(b.Hint);
    b.Button.SetShowHint(!b.Hint.empty());
  }
  panel.MatchCase().SetCaption(footer.MatchCaseCaption());
  panel.MatchCase().SetVisible(footer.ShowMatchCase());
  panel.MatchCase().SetTransparent(true);
  panel.LayoutControls();
  if (footer.Visible()) {
    panel.SetHeight(kSearchPanelHeight);
    panel.SetTop(Height() - kSearchPanelHeight);
    // Only a last row in view can be covered; a grid scrolled elsewhere keeps its place.
    if (TopRow() + VisibleRowCount() >= RowCount() - 1) ScrollClearOfSearchFooter();
  } else {
    panel.SetHeight(0);
  }
}

TFindParams TExtStringGrid::SearchFooterFindParams(bool FromEdit, bool Backward) {
  TSearchPanel& panel = SearchPanel();
  const TSearchFooter& footer = SearchFooter();
  TFindParams p{fnAutoGoto};
  if (panel.HiliteButton().Down()) p.Include(fnIgnoreHTMLTags);
  if (panel.MatchCase().Checked()) p.Include(fnMatchCase);
  if (footer.SearchActiveColumnOnly()) p.Include(fnFindInCurrentCol);
  if (footer.SearchMatchStart()) p.Include(fnMatchStart);
  if (FromEdit && footer.SearchFixedCells()) p.Include(fnIncludeFixed);
  if (FromEdit && footer.SearchHiddenRows()) p.Include(fnIncludeHiddenRows);
  // Backward never walks row by row.
  if (!Backward && footer.SearchDirection() == sdLeftRight) p.Include(fnDirectionLeftRight);
  if (Backward) p.Include(fnBackward);
  if (footer.SearchColumn() >= 0 && footer.SearchColumn() < ColCount()) {
    SetFindCol(footer.SearchColumn());
    p.Include(fnFindInPresetCol);
  }
  return p;
}

// Every occurrence of the edit's text highlighted in the grid or the search column, fixed
// cells left out; or the highlights removed.
void TExtStringGrid::ShowSearchFooterHighlights(bool On) {
  TSearchPanel& panel = SearchPanel();
  const int column = SearchFooter().SearchColumn();
  const std::string text = panel.EditControl().Text();
  const bool matchCase = panel.MatchCase().Checked();
  if (On && column == -1) HilightInGrid(false, matchCase, text);
  else if (On) HilightInCol(false, matchCase, column, text);
  else if (column == -1) UnHilightInGrid(false);
  else UnHilightInCol(false, column);
}

void TExtStringGrid::SearchEditChange(TObject*) {
  TSearchPanel& panel = SearchPanel();
  TSearchFooter& footer = SearchFooter();
  TCustomEdit& edit = panel.EditControl();
  const std::string text = edit.Text();
  bool defaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
  if (!defaultSearch || !footer.AutoSearch()) return;
  const TFindParams params = SearchFooterFindParams(true, false);
  SetLastFindParams(params);
  const bool highlight = panel.HiliteButton().Down() || footer.AlwaysHighLight();
  if (highlight) ShowSearchFooterHighlights(false);
  if (text.empty()) {
    edit.SetColor(clWindow);
    if (panel.HiliteButton().Down()) ShowSearchFooterHighlights(false);
    return;
  }
  const TPoint found = Find({-1, -1}, text, params);
  SetSearchCell(found);
  DoSearchFooterAction(text, found.X, found.Y, saFindFirst);
  if (found.X < 0) {
    edit.SetColor(clRed);
    return;
  }
  edit.SetColor(clWindow);
  ScrollInView(Col(), Row());
  if (highlight) ShowSearchFooterHighlights(true);
}

namespace {

// The found row near the bottom: the top row moves on so that it shows above the footers.
void AdjustFooterSearchRow(TExtStringGrid& G) {
  const int footer = G.FloatingFooter().Visible() ? 1 : 0;
  const int visible = G.VisibleRowCount();
  if (G.Row() > G.TopRow() + visible - 2 - footer && footer + visible + G.FixedRows() < G.RowCount())
    G.SetTopRow(G.TopRow() + 2);
}

}  // namespace

void TExtStringGrid::SearchForwardClick(TObject*) {
  TSearchPanel& panel = SearchPanel();
  TSearchFooter& footer = SearchFooter();
  const std::string text = panel.EditControl().Text();
  // Without searching as one types, the buttons start over when the text has changed.
  if (!footer.AutoSearch()) {
    if (footer.LastSearch() != text) SetSearchCell({-1, -1});
    footer.SetLastSearch(text);
  }
  const TPoint found = Find(SearchCell(), text, SearchFooterFindParams(false, false));
  SetSearchCell(found);
  if (found.X >= 0) ScrollInView(Col(), Row());
  AdjustFooterSearchRow(*this);
  DoSearchFooterAction(text, found.X, found.Y, saFindNext);
  panel.Invalidate();
}

void TExtStringGrid::SearchBackwardClick(TObject*) {
  TSearchPanel& panel = SearchPanel();
  TSearchFooter& footer = SearchFooter();
  const std::string text = panel.EditControl().Text();
  if (!footer.AutoSearch()) {
    if (footer.LastSearch() != text) SetSearchCell({-1, -1});
    footer.SetLastSearch(text);
  }
  const TPoint found = Find(SearchCell(), text, SearchFooterFindParams(false, true));
  SetSearchCell(found);
  AdjustFooterSearchRow(*this);
  if (found.X >= 0) ScrollInView(Col(), Row());
  DoSearchFooterAction(text, found.X, found.Y, saFindPrevious);
  panel.Invalidate();
}

void TExtStringGrid::SearchExitClick(TObject*) {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  SearchFooter().SetVisible(false);
}

void TExtStringGrid::SearchHighLightClick(TObject*) { ShowSearchFooterHighlights(SearchPanel().HiliteButton().Down()); }

bool TExtStringGrid::SearchFooterDialogChar(TKeyChar Key) {
  if (!SearchFooter().Visible() || !SearchPanelSlot() || Key == 0 || Key > 255) return false;
  const char key = static_cast<char>(std::tolower(static_cast<int>(Key)));
  TSearchPanel& panel = SearchPanel();
  TExtGridButton* buttons[] = {&panel.ForwardButton(), &panel.BackwardButton(), &panel.HiliteButton()};
  for (TExtGridButton* b : buttons) {
    if (CaptionAccelerator(b->Caption()) != key || !b->Visible() || !b->Enabled()) continue;
    if (b == &panel.ForwardButton()) SearchForwardClick(b);
    else if (b == &panel.BackwardButton()) SearchBackwardClick(b);
    else {
      b->SetDown(!b->Down());
      SearchHighLightClick(b);
    }
    return true;
  }
  return false;
}

void TExtStringGrid::FocusSearchFooterEdit() {
  if (!SearchFooter().Visible() || !SearchPanelSlot()) return;
  TRetEdit& edit = SearchPanel().EditControl();
  if (edit.CanFocus()) edit.SetFocus();
}

}  // namespace hd
