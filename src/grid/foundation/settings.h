// The grid's groups of behaviour switches: the search bar, keeping another grid in step, row
// bands and the focus helper (the keyboard and mouse ones are in input_settings.h), and the
// cell checker.
//
// The grid owns one object of each, subscribes to its events and replaces its content through
// Assign, which copies only from an object of the same class and fires nothing. A setter
// either fires OnChange each time, or only when the value changes, or is a plain field; which
// one is fixed per setting, because the grid rebuilds or repaints on each notification.
#pragma once

#include <string>

#include "grid/foundation/grid_types.h"
#include "platform/canvas.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace hd {

class TStringGrid;

// The search bar under the grid.
class TSearchFooter : public TPersistent {
 public:
  // The captions and hints are filled only with InitDesign (a grid made in a designer).
  TSearchFooter(TComponent* AOwner, bool InitDesign);
  const char* ClassName() const override { return "TSearchFooter"; }
  void Assign(const TPersistent* Source) override;

  bool ShowFindPrev() const { return FShowFindPrev; }
  void SetShowFindPrev(bool Value);
  bool ShowFindNext() const { return FShowFindNext; }
  void SetShowFindNext(bool Value);
  const std::string& FindNextCaption() const { return FFindNextCaption; }
  void SetFindNextCaption(const std::string& Value);
  const std::string& FindPrevCaption() const { return FFindPrevCaption; }
  void SetFindPrevCaption(const std::string& Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool ShowClose() const { return FShowClose; }
  void SetShowClose(bool Value);
  bool ShowHighLight() const { return FShowHighLight; }
  void SetShowHighLight(bool Value);
  bool ShowMatchCase() const { return FShowMatchCase; }
  void SetShowMatchCase(bool Value);
  const std::string& MatchCaseCaption() const { return FMatchCaseCaption; }
  void SetMatchCaseCaption(const std::string& Value);
  const std::string& HintClose() const { return FHintClose; }
  void SetHintClose(const std::string& Value);
  const std::string& HintFindPrev() const { return FHintFindPrev; }
  void SetHintFindPrev(const std::string& Value);
  const std::string& HintHighlight() const { return FHintHighLight; }
  void SetHintHighlight(const std::string& Value);
  const std::string& HintFindNext() const { return FHintFindNext; }
  void SetHintFindNext(const std::string& Value);
  bool AutoSearch() const { return FAutoSearch; }
  void SetAutoSearch(bool Value) { FAutoSearch = Value; }
  const std::string& LastSearch() const { return FLastSearch; }
  void SetLastSearch(const std::string& Value) { FLastSearch = Value; }
  int SearchColumn() const { return FSearchColumn; }
  void SetSearchColumn(int Value) { FSearchColumn = Value; }
  bool SearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
  void SetSearchActiveColumnOnly(bool Value) { FSearchActiveColumnOnly = Value; }
  bool SearchMatchStart() const { return FSearchMatchStart; }
  void SetSearchMatchStart(bool Value) { FSearchMatchStart = Value; }
  bool SearchFixedCells() const { return FSearchFixedCells; }
  void SetSearchFixedCells(bool Value) { FSearchFixedCells = Value; }
  bool SearchHiddenRows() const { return FSearchHiddenRows; }
  void SetSearchHiddenRows(bool Value) { FSearchHiddenRows = Value; }
  const std::string& HighLightCaption() const { return FHighLightCaption; }
  void SetHighLightCaption(const std::string& Value);
  bool AlwaysHighLight() const { return FAlwaysHighLight; }
  void SetAlwaysHighLight(bool Value) { FAlwaysHighLight = Value; }
  TSearchDirection SearchDirection() const { return FSearchDirection; }
  void SetSearchDirection(TSearchDirection Value) { FSearchDirection = Value; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value);

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  void Changed();

  TComponent* FOwner;
  bool FShowFindPrev = true;
  bool FShowFindNext = true;
  std::string FFindNextCaption;
  std::string FFindPrevCaption;
  TColor FColorTo = clBtnFace;
  TColor FColor = clWhite;
  bool FVisible = false;
  bool FAutoThemeAdapt = false;
  bool FShowClose = true;
  bool FShowHighLight = true;
  bool FShowMatchCase = true;
  std::string FMatchCaseCaption;
  std::string FHintClose;
  std::string FHintFindPrev;
  std::string FHintHighLight;
  std::string FHintFindNext;
  bool FAutoSearch = true;
  std::string FLastSearch;
  int FSearchColumn = -1;
  bool FSearchActiveColumnOnly = false;
  bool FSearchMatchStart = false;
  bool FSearchFixedCells = false;
  bool FSearchHiddenRows = false;
  std::string FHighLightCaption;
  bool FAlwaysHighLight = false;
  TSearchDirection FSearchDirection = sdTopBottom;
  TFont FFont;
};

// Another grid that scrolls, selects and moves lines together with the owner.
class TSyncGrid : public TPersistent {
 public:
  explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}
  const char* ClassName() const override { return "TSyncGrid"; }
  void Assign(const TPersistent* Source) override;

  TStringGrid* Grid() const { return FGrid; }
  // The owner itself is refused: a grid is never kept in step with itself.
  void SetGrid(TStringGrid* Value);
  bool ScrollHorizontal() const { return FScrollHorizontal; }
  void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
  bool ScrollVertical() const { return FScrollVertical; }
  void SetScrollVertical(bool Value) { FScrollVertical = Value; }
  bool SelectionRow() const { return FSelectionRow; }
  void SetSelectionRow(bool Value) { FSelectionRow = Value; }
  bool SelectionColumn() const { return FSelectionColumn; }
  void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
  bool MoveRow() const { return FMoveRow; }
  void SetMoveRow(bool Value) { FMoveRow = Value; }
  bool MoveColumn() const { return FMoveColumn; }
  void SetMoveColumn(bool Value) { FMoveColumn = Value; }

 private:
  TStringGrid* FOwner;
  bool FScrollHorizontal = false;
  TStringGrid* FGrid = nullptr;
  bool FScrollVertical = false;
  bool FSelectionRow = false;
  bool FSelectionColumn = false;
  bool FMoveRow = false;
  bool FMoveColumn = false;
};

// Alternating row colours: runs of PrimaryLength rows in the primary colour and
// SecondaryLength rows in the secondary colour, from the first row after the fixed rows.
class TBands : public TPersistent {
 public:
  TBands() = default;
  const char* ClassName() const override { return "TBands"; }
  void Assign(const TPersistent* Source) override;

  bool Print() const { return FPrint; }
  void SetPrint(bool Value) { FPrint = Value; }
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  // Always PrimaryLength + SecondaryLength.
  int TotalLength() const { return FTotalLength; }
  int SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int Value);
  int PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int Value);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value);

  TNotifyEvent OnChange;

 private:
  // Colours and lengths are heard only while the bands show.
  void ChangedWhileActive();

  bool FPrint = false;
  bool FActive = false;
  int FTotalLength = 2;
  int FSecondaryLength = 1;
  int FPrimaryLength = 1;
  TColor FSecondaryColor = clWindow;
  TColor FPrimaryColor = clInfoBk;
};

class TFocusHelper : public TPersistent {
 public:
  explicit TFocusHelper(TComponent* AOwner) : FOwner(AOwner) {}
  const char* ClassName() const override { return "TFocusHelper"; }
  void Assign(const TPersistent* Source) override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TComponent* FOwner;
  bool FEnabled = false;
};

// The cell checker a grid calls to correct cell texts and mark their errors. This one leaves
// every text as it is; a descendant does the checking.
class TExtStringGridCheck : public TComponent {
 public:
  explicit TExtStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}
  const char* ClassName() const override { return "TExtStringGridCheck"; }

  virtual std::string MarkError(int ACol, int ARow, const std::string& s);
  virtual std::string Correct(int ACol, int ARow, const std::string& s);
  virtual void StartCheck();
  virtual void StopCheck();

  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

 private:
  bool FGotoCell = false;
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};

}  // namespace hd
