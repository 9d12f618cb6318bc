#include "grid/foundation/settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"

namespace hd {
namespace {

enum FireKind { kPlain, kFires, kFiresOnChange };

// A setter applied twice with the same new value: a firing setter notifies twice, one that
// fires on change once, a plain one never.
template <class T>
struct SetterCase {
  const char* name;
  std::function<void(T&)> set;
  FireKind kind;
};

template <class T>
void ExpectFiring(const std::vector<SetterCase<T>>& cases, std::function<T*()> make) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    T* object = make();
    int fired = 0;
    object->OnChange = [&](TObject* sender) {
      EXPECT_EQ(sender, object);
      ++fired;
    };
    c.set(*object);
    c.set(*object);
    EXPECT_EQ(fired, c.kind == kFires ? 2 : (c.kind == kFiresOnChange ? 1 : 0));
    delete object;
  }
}

TEST(SearchFooter, DefaultsWithAndWithoutDesignTexts) {
  TSearchFooter run(nullptr, false);
  EXPECT_TRUE(run.ShowFindPrev());
  EXPECT_TRUE(run.ShowFindNext());
  EXPECT_EQ(run.ColorTo(), static_cast<TColor>(0xFF00000F));
  EXPECT_EQ(run.Color(), 0x00FFFFFF);
  EXPECT_FALSE(run.Visible());
  EXPECT_FALSE(run.AutoThemeAdapt());
  EXPECT_TRUE(run.ShowClose());
  EXPECT_TRUE(run.ShowHighLight());
  EXPECT_TRUE(run.ShowMatchCase());
  EXPECT_TRUE(run.AutoSearch());
  EXPECT_EQ(run.SearchColumn(), -1);
  EXPECT_FALSE(run.SearchActiveColumnOnly());
  EXPECT_FALSE(run.SearchMatchStart());
  EXPECT_FALSE(run.SearchFixedCells());
  EXPECT_FALSE(run.SearchHiddenRows());
  EXPECT_FALSE(run.AlwaysHighLight());
  EXPECT_EQ(run.SearchDirection(), sdTopBottom);
  EXPECT_EQ(run.LastSearch(), "");
  for (const std::string& text : {run.FindNextCaption(), run.FindPrevCaption(), run.MatchCaseCaption(),
                                  run.HintClose(), run.HintFindPrev(), run.HintHighlight(), run.HintFindNext(),
                                  run.HighLightCaption()})
    EXPECT_EQ(text, "");

  TSearchFooter design(nullptr, true);
  EXPECT_EQ(design.FindNextCaption(), "Find &next");
  EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
  EXPECT_EQ(design.MatchCaseCaption(), "Match case");
  EXPECT_EQ(design.HintClose(), "Close");
  EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
  EXPECT_EQ(design.HintHighlight(), "Highlight occurrences");
  EXPECT_EQ(design.HintFindNext(), "Find next occurrence");
  EXPECT_EQ(design.HighLightCaption(), "Highlight");
}

TEST(SearchFooter, WhichSettersFire) {
  TFont bold;
  bold.Style = {fsBold};
  ExpectFiring<TSearchFooter>(
      {
          {"Color", [](TSearchFooter& s) { s.SetColor(clRed); }, kFires},
          {"ColorTo", [](TSearchFooter& s) { s.SetColorTo(clRed); }, kFires},
          {"Font", [&](TSearchFooter& s) { s.SetFont(bold); }, kFires},
          {"FindNextCaption", [](TSearchFooter& s) { s.SetFindNextCaption("n"); }, kFires},
          {"FindPrevCaption", [](TSearchFooter& s) { s.SetFindPrevCaption("p"); }, kFires},
          {"MatchCaseCaption", [](TSearchFooter& s) { s.SetMatchCaseCaption("m"); }, kFires},
          {"HighLightCaption", [](TSearchFooter& s) { s.SetHighLightCaption("h"); }, kFires},
          {"HintClose", [](TSearchFooter& s) { s.SetHintClose("c"); }, kFires},
          {"HintFindPrev", [](TSearchFooter& s) { s.SetHintFindPrev("p"); }, kFires},
          {"HintFindNext", [](TSearchFooter& s) { s.SetHintFindNext("n"); }, kFires},
          {"HintHighlight", [](TSearchFooter& s) { s.SetHintHighlight("h"); }, kFires},
          {"AutoThemeAdapt", [](TSearchFooter& s) { s.SetAutoThemeAdapt(true); }, kFires},
          {"ShowClose", [](TSearchFooter& s) { s.SetShowClose(false); }, kFires},
          {"ShowFindNext", [](TSearchFooter& s) { s.SetShowFindNext(false); }, kFiresOnChange},
          {"ShowFindPrev", [](TSearchFooter& s) { s.SetShowFindPrev(false); }, kFiresOnChange},
          {"ShowHighLight", [](TSearchFooter& s) { s.SetShowHighLight(false); }, kFiresOnChange},
          {"ShowMatchCase", [](TSearchFooter& s) { s.SetShowMatchCase(false); }, kFiresOnChange},
          {"Visible", [](TSearchFooter& s) { s.SetVisible(true); }, kFiresOnChange},
          {"AutoSearch", [](TSearchFooter& s) { s.SetAutoSearch(false); }, kPlain},
          {"LastSearch", [](TSearchFooter& s) { s.SetLastSearch("x"); }, kPlain},
          {"SearchColumn", [](TSearchFooter& s) { s.SetSearchColumn(2); }, kPlain},
          {"SearchActiveColumnOnly", [](TSearchFooter& s) { s.SetSearchActiveColumnOnly(true); }, kPlain},
          {"SearchMatchStart", [](TSearchFooter& s) { s.SetSearchMatchStart(true); }, kPlain},
          {"SearchFixedCells", [](TSearchFooter& s) { s.SetSearchFixedCells(true); }, kPlain},
          {"SearchHiddenRows", [](TSearchFooter& s) { s.SetSearchHiddenRows(true); }, kPlain},
          {"AlwaysHighLight", [](TSearchFooter& s) { s.SetAlwaysHighLight(true); }, kPlain},
          {"SearchDirection", [](TSearchFooter& s) { s.SetSearchDirection(sdLeftRight); }, kPlain},
      },
      [] { return new TSearchFooter(nullptr, false); });
}

TEST(SearchFooter, AssignCopiesAllButTheSearchStateAndFiresNothing) {
  TSearchFooter src(nullptr, true);
  TFont font;
  font.Size = 14;
  src.SetFont(font);
  src.SetColor(clRed);
  src.SetColorTo(clBlue);
  src.SetVisible(true);
  src.SetShowClose(false);
  src.SetSearchColumn(3);
  src.SetSearchDirection(sdLeftRight);
  src.SetSearchHiddenRows(true);
  src.SetAlwaysHighLight(true);
  src.SetAutoSearch(false);
  src.SetSearchFixedCells(true);
  src.SetAutoThemeAdapt(true);
  src.SetLastSearch("abc");

  TSearchFooter dst(nullptr, false);
  int fired = 0;
  dst.OnChange = [&](TObject*) { ++fired; };
  dst.Assign(&src);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(dst.Font().Size, 14);
  EXPECT_EQ(dst.Color(), clRed);
  EXPECT_EQ(dst.ColorTo(), clBlue);
  EXPECT_TRUE(dst.Visible());
  EXPECT_FALSE(dst.ShowClose());
  EXPECT_EQ(dst.SearchColumn(), 3);
  EXPECT_EQ(dst.SearchDirection(), sdLeftRight);
  EXPECT_TRUE(dst.SearchHiddenRows());
  EXPECT_TRUE(dst.AlwaysHighLight());
  EXPECT_EQ(dst.FindNextCaption(), "Find &next");
  EXPECT_EQ(dst.HintHighlight(), "Highlight occurrences");
  // Not copied.
  EXPECT_TRUE(dst.AutoSearch());
  EXPECT_FALSE(dst.SearchFixedCells());
  EXPECT_FALSE(dst.AutoThemeAdapt());
  EXPECT_EQ(dst.LastSearch(), "");

  // Another class is ignored, not refused.
  TBands bands;
  EXPECT_NO_THROW(dst.Assign(&bands));
  EXPECT_EQ(dst.Color(), clRed);
}

TEST(Navigation, DefaultsAndSetters) {
  TNavigation n;
  const bool onByDefault[] = {n.AllowClipboardColGrow(), n.AllowClipboardRowGrow(), n.CopyHTMLTagsToClipboard(),
                              n.AdvanceAutoEdit(),       n.CursorWalkAlwaysEdit(),  n.EditSelectAll(),
                              n.SkipFixedCells(),        n.SkipDisabledRows(),      n.AllowCtrlEnter(),
                              n.LeftRightRowSelect(),    n.ComboGetUpDown(),        n.AdvanceOnEnterLoop(),
                              n.AdvanceSkipReadOnlyCells()};
  for (bool b : onByDefault) EXPECT_TRUE(b);
  const bool offByDefault[] = {n.AllowInsertRow(),       n.AllowDeleteRow(),        n.AdvanceOnEnter(),
                               n.AdvanceInsert(),        n.AutoGotoWhenSorted(),    n.AutoGotoIncremental(),
                               n.AutoComboDropSize(),    n.AllowClipboardShortCuts(), n.AllowRTFClipboard(),
                               n.AllowSmartClipboard(),  n.AllowClipboardAlways(),  n.AdvanceAuto(),
                               n.CursorWalkEditor(),     n.MoveRowOnSort(),         n.KeepScrollOnSort(),
                               n.ImproveMaskSel(),       n.AlwaysEdit(),            n.LineFeedOnEnter(),
                               n.KeepHorizScroll(),      n.AllowFmtClipboard(),     n.TabToNextAtEnd(),
                               n.AppendOnArrowDown(),    n.MoveScrollOnly(),        n.CursorMoveRows()};
  for (bool b : offByDefault) EXPECT_FALSE(b);
  EXPECT_EQ(n.ClipboardPasteAction(), paReplace);
  EXPECT_EQ(n.AdvanceDirection(), adLeftRight);
  EXPECT_EQ(n.TabAdvanceDirection(), adLeftRight);
  EXPECT_EQ(n.InsertPosition(), pInsertBefore);
  EXPECT_EQ(n.HomeEndKey(), heFirstLastColumn);
  EXPECT_EQ(n.CursorAdvance(), caDefault);

  ExpectFiring<TNavigation>(
      {
          {"AdvanceDirection", [](TNavigation& x) { x.SetAdvanceDirection(adTopBottom); }, kFiresOnChange},
          {"AdvanceInsert", [](TNavigation& x) { x.SetAdvanceInsert(true); }, kFiresOnChange},
          {"AdvanceAuto", [](TNavigation& x) { x.SetAdvanceAuto(true); }, kPlain},
          {"AutoGotoWhenSorted", [](TNavigation& x) { x.SetAutoGotoWhenSorted(true); }, kPlain},
          {"TabAdvanceDirection", [](TNavigation& x) { x.SetTabAdvanceDirection(adTopBottom); }, kPlain},
          {"AllowInsertRow", [](TNavigation& x) { x.SetAllowInsertRow(true); }, kPlain},
          {"CursorAdvance", [](TNavigation& x) { x.SetCursorAdvance(caLoop); }, kPlain},
      },
      [] { return new TNavigation; });
}

TEST(Navigation, AdvanceAutoTurnsAdvanceOnEnterOnButNotOff) {
  TNavigation n;
  n.SetAdvanceAuto(true);
  EXPECT_TRUE(n.AdvanceOnEnter());
  n.SetAdvanceAuto(false);
  EXPECT_TRUE(n.AdvanceOnEnter());
  n.SetAdvanceOnEnter(false);
  n.SetAdvanceAuto(false);  // no change: AdvanceOnEnter stays off
  EXPECT_FALSE(n.AdvanceOnEnter());
}

TEST(Navigation, AssignCopiesAllButKeepScrollOnSort) {
  TNavigation src;
  src.SetAdvanceDirection(adTopBottom);
  src.SetTabAdvanceDirection(adLeftRightInRow);
  src.SetAllowInsertRow(true);
  src.SetSkipFixedCells(false);
  src.SetHomeEndKey(heFirstLastCell);
  src.SetCursorMoveRows(true);
  src.SetAllowFmtClipboard(true);
  src.SetKeepScrollOnSort(true);

  TNavigation dst;
  int fired = 0;
  dst.OnChange = [&](TObject*) { ++fired; };
  dst.Assign(&src);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(dst.AdvanceDirection(), adTopBottom);
  EXPECT_EQ(dst.TabAdvanceDirection(), adLeftRightInRow);
  EXPECT_TRUE(dst.AllowInsertRow());
  EXPECT_FALSE(dst.SkipFixedCells());
  EXPECT_EQ(dst.HomeEndKey(), heFirstLastCell);
  EXPECT_TRUE(dst.CursorMoveRows());
  EXPECT_TRUE(dst.AllowFmtClipboard());
  EXPECT_FALSE(dst.KeepScrollOnSort());
}

struct MouseActionsSpy {
  TMouseActions actions{nullptr};
  bool designing = false;
  std::vector<std::string> events;
  MouseActionsSpy() {
    actions.OnChange = [this](TObject*) { events.push_back("Change"); };
    actions.OnInvalidate = [this](TObject*) { events.push_back("Invalidate"); };
    actions.OnDisableEdit = [this](TObject*) { events.push_back("DisableEdit"); };
    actions.OnIsDesigning = [this](TObject*, bool& d) { d = designing; };
  }
};

TEST(MouseActions, DefaultsAndTheSettersWithSideEffects) {
  MouseActionsSpy spy;
  TMouseActions& m = spy.actions;
  EXPECT_TRUE(m.PreciseNodeClick());
  EXPECT_TRUE(m.AutoSizeColOnDblClick());
  EXPECT_FALSE(m.DisjunctRowSelect());
  EXPECT_EQ(m.FixedRowsEdit(), fceNone);
  EXPECT_EQ(m.FixedColsEditor(), fceEdit);
  EXPECT_EQ(m.WheelIncrement(), 0);
  EXPECT_EQ(m.WheelAction(), waMoveSelection);
  EXPECT_EQ(m.FixedComboValues().Count(), 0);

  m.SetHotmailRowSelect(false);
  EXPECT_FALSE(m.DisjunctRowSelect());
  m.SetHotmailRowSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect());
  EXPECT_TRUE(m.CheckAllCheck());
  m.SetHotmailRowSelect(false);  // leaves them on
  EXPECT_TRUE(m.DisjunctRowSelect());
  EXPECT_TRUE(m.CheckAllCheck());

  m.SetEditOnDblClickOnly(false);
  m.SetEditOnDblClickOnly(true);
  m.SetWheelAction(waScroll);
  m.SetWheelAction(waScroll);
  m.SetRowSelect(true);
  EXPECT_EQ(spy.events, (std::vector<std::string>{"Invalidate", "Invalidate", "Invalidate", "DisableEdit", "Change"}));

  TStringList values;
  values.Add("a");
  values.Add("b");
  m.SetFixedComboValues(values);
  values.Clear();
  EXPECT_EQ(m.FixedComboValues().CommaText(), "a,b");
}

TEST(MouseActions, DisjunctSelectionsExcludeEachOtherOnlyInADesigner) {
  MouseActionsSpy spy;
  TMouseActions& m = spy.actions;
  m.SetDisjunctRowSelect(true);
  m.SetDisjunctColSelect(true);
  m.SetDisjunctCellSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctColSelect() && m.DisjunctCellSelect());

  spy.designing = true;
  m.SetDisjunctColSelect(true);
  EXPECT_TRUE(m.DisjunctColSelect());
  EXPECT_FALSE(m.DisjunctRowSelect());
  EXPECT_FALSE(m.DisjunctCellSelect());
  m.SetDisjunctRowSelect(false);  // turning one off touches nothing else
  EXPECT_TRUE(m.DisjunctColSelect());
  m.SetDisjunctRowSelectDirect(true);
  EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctColSelect());
  EXPECT_TRUE(spy.events.empty());
}

TEST(MouseActions, AssignCopiesWithoutSideEffects) {
  MouseActionsSpy src;
  src.actions.SetDisjunctRowSelectDirect(true);
  src.actions.SetDisjunctColSelect(true);
  src.actions.SetSizeFixedCol(true);
  src.actions.SetSizeFixedRow(true);
  src.actions.SetHotmailRowSelect(true);
  src.actions.SetEditOnDblClickOnly(true);
  src.actions.SetWheelAction(waScroll);
  src.actions.SetWheelIncrement(3);
  src.actions.SetFixedRowsEdit(fceDblClick);
  src.actions.SetPreciseNodeClick(false);
  TStringList values;
  values.Add("x");
  src.actions.SetFixedComboValues(values);

  MouseActionsSpy dst;
  dst.designing = true;
  dst.actions.Assign(&src.actions);
  EXPECT_TRUE(dst.events.empty());
  EXPECT_TRUE(dst.actions.DisjunctRowSelect());
  EXPECT_TRUE(dst.actions.DisjunctColSelect());
  EXPECT_TRUE(dst.actions.CheckAllCheck());
  EXPECT_TRUE(dst.actions.SizeFixedCol());
  EXPECT_EQ(dst.actions.WheelAction(), waScroll);
  EXPECT_EQ(dst.actions.WheelIncrement(), 3);
  EXPECT_EQ(dst.actions.FixedRowsEdit(), fceDblClick);
  EXPECT_FALSE(dst.actions.PreciseNodeClick());
  // Not copied.
  EXPECT_FALSE(dst.actions.SizeFixedRow());
  EXPECT_FALSE(dst.actions.HotmailRowSelect());
  EXPECT_FALSE(dst.actions.EditOnDblClickOnly());
  EXPECT_EQ(dst.actions.FixedComboValues().Count(), 0);
}

TEST(Bands, ColoursAndLengthsAreHeardOnlyWhileActive) {
  TBands b;
  EXPECT_FALSE(b.Active());
  EXPECT_FALSE(b.Print());
  EXPECT_EQ(b.PrimaryLength(), 1);
  EXPECT_EQ(b.SecondaryLength(), 1);
  EXPECT_EQ(b.TotalLength(), 2);
  EXPECT_EQ(b.PrimaryColor(), static_cast<TColor>(0xFF000018));
  EXPECT_EQ(b.SecondaryColor(), static_cast<TColor>(0xFF000005));

  int fired = 0;
  b.OnChange = [&](TObject*) { ++fired; };
  b.SetPrimaryColor(clRed);
  b.SetPrimaryLength(3);
  b.SetPrint(true);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(b.TotalLength(), 4);

  b.SetActive(true);
  b.SetActive(true);
  EXPECT_EQ(fired, 1);
  b.SetPrimaryColor(clRed);  // no change
  b.SetSecondaryColor(clBlue);
  b.SetSecondaryLength(2);
  b.SetSecondaryLength(2);
  EXPECT_EQ(fired, 3);
  EXPECT_EQ(b.TotalLength(), 5);

  TBands copy;
  int copyFired = 0;
  copy.OnChange = [&](TObject*) { ++copyFired; };
  copy.Assign(&b);
  EXPECT_EQ(copyFired, 0);
  EXPECT_TRUE(copy.Active());
  EXPECT_TRUE(copy.Print());
  EXPECT_EQ(copy.PrimaryColor(), clRed);
  EXPECT_EQ(copy.SecondaryColor(), clBlue);
  EXPECT_EQ(copy.TotalLength(), 5);
}

TEST(SyncGridAndFocusHelper, GridIsNeverItsOwnAndAssignCopies) {
  // Only the pointers matter here; no grid is touched.
  auto* owner = reinterpret_cast<TStringGrid*>(0x1000);
  auto* other = reinterpret_cast<TStringGrid*>(0x2000);
  TSyncGrid sync(owner);
  EXPECT_EQ(sync.Grid(), nullptr);
  sync.SetGrid(other);
  sync.SetGrid(owner);
  EXPECT_EQ(sync.Grid(), other);
  sync.SetScrollVertical(true);
  sync.SetMoveColumn(true);

  TSyncGrid second(other);
  second.Assign(&sync);  // the other grid is second's owner: refused
  EXPECT_EQ(second.Grid(), nullptr);
  EXPECT_TRUE(second.ScrollVertical());
  EXPECT_TRUE(second.MoveColumn());
  EXPECT_FALSE(second.ScrollHorizontal());

  TFocusHelper f(nullptr), g(nullptr);
  EXPECT_FALSE(f.Enabled());
  f.SetEnabled(true);
  g.Assign(&f);
  EXPECT_TRUE(g.Enabled());
}

TEST(CellChecker, LeavesTextsAsTheyAreUntilADescendantChecks) {
  TExtStringGridCheck check(nullptr);
  EXPECT_FALSE(check.AutoCorrect() || check.AutoMarkError() || check.UseCorrect() || check.UseMarkError() ||
               check.GotoCell());
  EXPECT_EQ(check.Correct(1, 2, "teh"), "teh");
  EXPECT_EQ(check.MarkError(1, 2, "teh"), "teh");

  struct Speller : TExtStringGridCheck {
    using TExtStringGridCheck::TExtStringGridCheck;
    std::string Correct(int, int, const std::string& s) override { return s == "teh" ? "the" : s; }
  } speller(nullptr);
  TExtStringGridCheck& asBase = speller;
  asBase.StartCheck();
  EXPECT_EQ(asBase.Correct(0, 0, "teh"), "the");
  asBase.StopCheck();
}

}  // namespace
}  // namespace hd
