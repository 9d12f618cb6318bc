// The string grid's life: construction with its owned objects and defaults, loading, window
// creation, copying another grid, resizing with its form, and destruction.
#include "grid/stringgrid/ext_string_grid.h"

#include <algorithm>

#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"
#include "platform/clipboard.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/scroll_bars.h"
#include "platform/timers.h"

namespace hd {

namespace {

// What every string grid shares, registered once.
struct TGridUnit {
  TClipboardFormat CellsClipboardFormat = RegisterClipboardFormat("TExtStringGrid Cells");
  UINT EditDoneMessage = RegisterWindowMessage("GridEditDone");
  UINT ShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
  TCursor LinkCursor = crDefault;
  bool RTFDropEnabled = false;
};

TGridUnit& GridUnit() {
  static TGridUnit unit;
  return unit;
}

}  // namespace

TClipboardFormat GridCellsClipboardFormat() { return GridUnit().CellsClipboardFormat; }
UINT GridEditDoneMessage() { return GridUnit().EditDoneMessage; }
UINT ShiftFocusMessage() { return GridUnit().ShiftFocusMessage; }
TCursor LinkCursor() { return GridUnit().LinkCursor; }
bool RTFDropEnabled() { return GridUnit().RTFDropEnabled; }

TFooterPanel::TFooterPanel(TExtStringGrid* AOwner) : TCustomPanel(AOwner), FGrid(AOwner) {}

void TFooterPanel::Paint() { FGrid->PaintFooter(Canvas(), ClientRect()); }

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseMove(Shift, X, Y);
  FGrid->FooterMouseMove(X);
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomPanel::MouseUp(Button, Shift, X, Y);
  FGrid->FooterClick(X);
}

void TFooterPanel::WndProc(TMessage& Message) {
  if (Message.Msg == CM_HINTSHOW) {
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    std::string hint = info ? info->HintStr : std::string();
    FGrid->FooterHint(info ? info->CursorPos.X : -1, hint);
    if (info) info->HintStr = hint;
    Message.Result = ShowHint() ? 0 : 1;
    return;
  }
  if (Message.Msg == CM_MOUSELEAVE) FGrid->FooterMouseLeave();
  TCustomPanel::WndProc(Message);
}

void TFooterPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  const TFloatingFooter& footer = FGrid->FloatingFooter();
  SetHeight(footer.Visible() ? footer.Height() : 0);
  if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

TExtStringGrid::TExtStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner), FP(std::make_unique<TExtStringGridPrivate>()) {
  CreateEditing();
  Store().SetObjectMaker([this](int c, int r, std::uint8_t packed) { MakePackedCheckBox(c, r, packed); });
}

TExtStringGrid::~TExtStringGrid() { Destroy(); }

void TExtStringGrid::Create() {
  TBaseGrid::Create();
  GridUnit();
  // Cells host controls.
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  TExtStringGridPrivate& p = *FP;
  // A grid just placed in a designer fills the search bar's captions.
  TComponentState ownerState = Owner() ? Owner()->ComponentState() : TComponentState{};
  bool initDesign = IsDesigning() && !ownerState.Contains(csReading) && !ownerState.Contains(csLoading);

  FP->Colors.FDAZGradient.fill(0);
  FP->Colors.FDAZGradient[fgFrom] = clWhite;
  FP->Colors.FDAZGradient[fgTo] = ColorToRGB(clBtnFace);
  FP->Colors.FDAZGradient[fgMirrorFrom] = clNone;
  FP->Colors.FDAZGradient[fgMirrorTo] = clNone;
  FP->Scrolling.FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);

  p.FooterPanel = new TFooterPanel(this);
  p.FooterPanel->SetAlign(alBottom);
  p.FooterPanel->SetHeight(0);
  p.FooterPanel->SetBorderWidth(0);
  p.FocusHelper = std::make_unique<TFocusHelper>(this);
  p.SearchFooter = std::make_unique<TSearchFooter>(this, initDesign);
  CreateSearchPanel();
  p.SearchFooter->OnChange = [this](TObject*) { SearchFooterChange(); };
  p.FloatingFooter = std::make_unique<TFloatingFooter>(this);
  p.PrintSettings = std::make_unique<TPrintSettings>(this);
  p.HTMLSettings = std::make_unique<THTMLSettings>();
  p.ImageCache = std::make_unique<THTMLPictureCache>();
  p.SortSettings = std::make_unique<TSortSettings>(this);
  p.DragDropSettings = std::make_unique<TDragDropSettings>(this);
  p.DragScrollOptions = std::make_unique<TDragScrollOptions>();
  p.ControlLook = std::make_unique<TControlLook>(this);
  p.Navigation = std::make_unique<TNavigation>();
  p.Navigation->OnChange = [this](TObject*) { NavigationChanged(); };
  p.ColumnSize = std::make_unique<TColumnSize>(this);
  p.CellNode = std::make_unique<TCellNode>(this);
  p.Bands = std::make_unique<TBands>();
  p.Bands->OnChange = [this](TObject*) { InvalidateGrid(); };
  p.SizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  p.MouseActions = std::make_unique<TMouseActions>(this);
  p.MouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
  p.MouseActions->OnIsDesigning = [this](TObject*, bool& designing) { designing = IsDesigning(); };
  p.MouseActions->OnInvalidate = [this](TObject*) { InvalidateGrid(); };
  p.Grouping = std::make_unique<TGrouping>();
  p.ColumnHeaders = std::make_unique<TStringList>();
  p.ColumnHeaders->OnChange = [this](TStringList&) { ColumnHeadersChanged(); };
  p.OrigColSizes = std::make_unique<TIntList>(-1, -1);
  FP->Colors.FFixedFont.Name = "Tahoma";
  FP->Colors.FFixedFont.Style = {fsBold};
  if (IsDesigning()) FP->Colors.FActiveCellFont.Name = "Tahoma";
  FP->Colors.FActiveCellFont.Style = {fsBold};
  p.RowHeaders = std::make_unique<TStringList>();
  p.RowHeaders->OnChange = [this](TStringList&) { ShowRowHeaders(); };
  p.Sortlist = std::make_unique<TStringList>();
  p.LookupItems = std::make_unique<TStringList>();
  p.RowSelect = std::make_unique<TIntList>(0, 0);
  p.ColSelect = std::make_unique<TIntList>(0, 0);
  p.SortIndexes = std::make_unique<TSortIndexList>();
  p.SortRowXRef = std::make_unique<TIntList>(0, 0);
  p.UnSortRowXRef = std::make_unique<TIntList>(0, 0);
  p.MergedColumns = std::make_unique<TIntList>(0, 0);
  p.MergedColumns->OnChange = [this](TObject*, int, int) {
    SplitAllColumns();
    RemergeColumns();
  };
  p.SelectedCells = std::make_unique<TIntList>(0, 0);
  p.SelectedRows = std::make_unique<TIntList>(0, 0);
  p.ModifiedRows = std::make_unique<TIntList>(0, 0);
  p.EnabledRows = std::make_unique<TIntList>(0, 0);
  p.RowIndicator = std::make_unique<TBitmap>();
  p.BackGround = std::make_unique<TBackGround>(this);
  p.ControlList = std::make_unique<TControlList>();
  p.ProgressAppearance = std::make_unique<TGridProgressAppearance>();
  p.ProgressAppearance->OnChange = [this](TObject*) { InvalidateGrid(); };
  p.SyncGrid = std::make_unique<TSyncGrid>(this);

  SetRowCount(10);
  SetWidth(400);
  SetHeight(250);
  p.GridItems = std::make_unique<TGridItems>();
  p.Filter = std::make_unique<TFilter>(this);
  SetAutoSize(false);
  p.Balloon = std::make_unique<TBalloonSettings>();
  p.Balloon->OnEnableChange = [this](TObject* Sender) { BalloonEnableChanged(Sender); };
  p.ShowModified = std::make_unique<TShowModified>();
  // The modified marks sit in column 0.
  p.ShowModified->OnChange = [this](TObject*) { InvalidateCol(0); };

  // Each grid chains its own handler onto the form's resize and takes only that one away
  // again, so grids sharing a form keep each other's handlers and the form's own.
  if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && !IsDesigning()) {
    p.FormResizeLink = HookEvent(form->OnResize, [this](const TNotifyEvent& next, TObject* Sender) {
      FormResized(next, Sender);
    });
    p.PrevSizeX = form->Width();
    p.PrevSizeY = form->Height();
  }

  p.VisibleCol.fill(true);
  p.NumHidden = 0;
  SetDefaultRowHeight(22);
  SetFixedRowHeight(DefaultRowHeight());

  p.IsXP = IsWinXPOrLater();
  p.IsWin7 = true;
  p.IsComCtl6 = IsComCtl6();
  FP->Colors.FBorderColor = p.IsXP ? 0xB99D7F : 0x808080;
  p.IsVista = IsVistaOrLater();

  p.ColumnOrder = std::make_unique<TIntList>(0, 0);
  p.CellGraphic = std::make_unique<TCellGraphic>();
  p.IgnoreColumns = std::make_unique<TIntList>(-1, -1);
  p.FilterDropDown = std::make_unique<TFilterDropDown>();
  p.FilterDropDown->OnChange = [this](TObject*) { InvalidateGrid(); };
  p.DropList = new TDropList(this);
  p.DropList->SetParent(this);
  p.DropList->SetBounds(0, 0, 0, 0);
  p.DropList->SetVisible(false);
  // The filter drop-down's lists report to the grid's overridable handlers.
  p.DropList->OnSelect = [this](TObject* Sender, int Index) { FilterListSelect(Sender, Index); };
  p.DropList->OnCancel = [this](TObject*) { FilterDropDownCancelled(); };
  p.DropCheckList = new TDropCheckList(this);
  p.DropCheckList->SetParent(this);
  p.DropCheckList->SetBounds(0, 0, 0, 0);
  p.DropCheckList->SetVisible(false);
  p.DropCheckList->OnSelect = [this](TObject* Sender, int Index) { FilterCheckListSelect(Sender, Index); };
  p.DropCheckList->OnCancel = [this](TObject*) { FilterDropDownCancelled(); };
  p.FilterList = std::make_unique<TStringList>();
  p.FilterList->SetDuplicates(dupIgnore);
  p.FilterList->SetSorted(true);

  p.OldLeftCol = LeftCol();
  p.OldTopRow = TopRow();
  p.LastReportedRow = GetRowEx();
  if (!IsDesigning()) p.Style = tsWindowsXP;
  GridUnit().LinkCursor = crHandPoint;
}

void TExtStringGrid::Loaded() {
  TBaseGrid::Loaded();
  TExtStringGridPrivate& p = *FP;
  p.OldCursor = Cursor();
  ShowColumnHeaders();
  ShowRowHeaders();
  // The DAZ look's colours are applied once the grid is whole.
  if (FP->Colors.FLook == glDAZ) {
    SetLook(glCustom);
    SetLook(glDAZ);
  }
  // Set while loading, AutoSize could not size yet.
  if (FP->Layout.FAutoSize) AutoSizeColumns(false, 4);
  p.FixedRowsMin = TBaseGrid::FixedRows();
  p.FixedColsMin = TBaseGrid::FixedCols();
  FP->Layout.FMinRowHeight = DefaultRowHeight();
  FP->Layout.FMinColWidth = 10;
  p.MaxRowCount = RowCount();
  p.IsLoaded = true;
  if (p.Balloon->Enable() && HandleAllocated()) BalloonInit();
  if (Options().Contains(goAlwaysShowEditor)) {
    p.Navigation->SetAlwaysEdit(true);
    SetOptions(Options() - TGridOptions{goAlwaysShowEditor});
  }
  if (!p.IsXP && !IsDesigning() && p.ControlLook->ControlStyle() == csTheme) p.ControlLook->SetControlStyle(csClassic);
  p.SearchFooter->SetAutoThemeAdapt(FP->Colors.FAutoThemeAdapt);
  SearchFooterChange();
  ApplyScrollBarAlways(false);
  if (FP->Colors.FAutoThemeAdapt && !IsDesigning())
    if (TThemeNotifier* notifier = GetThemeNotifier(this)) notifier->RegisterWindow(Handle());
  InitOrigColSizes();
  SetColumnOrder();
  LoadKeptColSizes();
}

void TExtStringGrid::CreateWnd() {
  if (Destroying()) return;
  TBaseGrid::CreateWnd();
  LoadKeptColSizes();
  if (!Parent()) return;
  TExtStringGridPrivate& p = *FP;
  // The thin indicators replace the bars, which would otherwise show beside them.
  if (FP->Scrolling.FScrollType == ssMetro && !IsDesigning()) {
    CreateScrollControls();
    SetScrollBars(ssNone);
  }
  p.FooterPanel->SetParent(this);
  p.FooterPanel->SetVisible(p.FloatingFooter->Visible());
  PlaceSearchPanel();
  SetTimer(Handle(), kGridTimerId, kGridTimerInterval);
  if (p.Balloon->Enable()) BalloonInit();
}

void TExtStringGrid::LoadKeptColSizes() {
  if (!FP->ColumnSize || !FP->ColumnSize->Save()) return;
  // A store that cannot be read or written leaves the widths as they are: the window still
  // comes up.
  try {
    LoadColSizes();
  } catch (const Exception&) {
  }
}

void TExtStringGrid::Destroy() {
  TExtStringGridPrivate& p = *FP;
  // The widths as the user left them, before hidden columns come back; a store that cannot be
  // written must not stop the grid from going.
  if (p.ColumnSize && p.ColumnSize->Save()) try {
      SaveColSizes();
    } catch (const Exception&) {
    }
  HideFocusWindow();
  BalloonDone();
  FreeScrollControls();
  p.FormResizeLink.Remove();
  FP->Files.FClearTextOnly = false;
  FP->Files.FSaveHiddenCells = false;
  if (p.NumHidden > 0) UnHideColumnsAll();
  if (p.GridItems) FreeHiddenRows();

  p.FocusHelper.reset();
  p.IgnoreColumns.reset();
  p.ProgressAppearance.reset();
  p.FloatingFooter.reset();
  p.CellGraphic.reset();
  p.ControlList.reset();
  p.SortRowXRef.reset();
  p.UnSortRowXRef.reset();
  p.MergedColumns.reset();
  p.SelectedCells.reset();
  p.SelectedRows.reset();
  p.ModifiedRows.reset();
  p.EnabledRows.reset();
  p.PrintSettings.reset();
  p.HTMLSettings.reset();
  p.SortSettings.reset();
  p.DragDropSettings.reset();
  p.DragScrollOptions.reset();
  p.ControlLook.reset();
  p.Navigation.reset();
  p.ColumnSize.reset();
  p.ColumnOrder.reset();
  p.CellNode.reset();
  p.Bands.reset();
  p.SizeWhileTyping.reset();
  p.MouseActions.reset();
  p.ColumnHeaders.reset();
  p.Grouping.reset();
  p.RowHeaders.reset();
  p.LookupItems.reset();
  p.RowSelect.reset();
  p.ColSelect.reset();
  p.SortIndexes.reset();
  p.RowIndicator.reset();
  p.BackGround.reset();
  delete p.FooterPanel;
  p.FooterPanel = nullptr;
  delete p.SearchPanel;
  p.SearchPanel = nullptr;
  p.SearchFooter.reset();
  p.Balloon.reset();
  p.ShowModified.reset();
  p.OrigColSizes.reset();
  p.FilterDropDown.reset();
  delete p.DropList;
  p.DropList = nullptr;
  delete p.DropCheckList;
  p.DropCheckList = nullptr;
  p.FilterList.reset();
  p.SyncGrid.reset();
  p.Sortlist.reset();
  p.GridItems.reset();
  p.Filter.reset();
  KillTimer(Handle(), kGridTimerId);
}

void TExtStringGrid::FreeHiddenRows() {
  // Their cells' properties objects wait in the items; nothing else frees them now.
  TGridItems& items = *FP->GridItems;
  for (int i = 0; i < items.Count(); ++i) {
    TStringList& cells = items.Items(i)->Items();
    for (int c = 0; c < cells.Count(); ++c) {
      auto* props = dynamic_cast<TCellProperties*>(cells.Objects(c));
      if (!props) continue;
      cells.SetObjects(c, nullptr);
      delete GraphicOfCellProperties(props);
      delete props;
    }
  }
  items.Clear();
}

void TExtStringGrid::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExtStringGrid*>(Source);
  if (!s) return;
  auto& src = const_cast<TExtStringGrid&>(*s);
  TExtStringGridPrivate& p = *FP;
  SetFont(s->Font());
  SetActiveCellColor(s->FP->Colors.FActiveCellColor);
  SetActiveCellColorTo(s->FP->Colors.FActiveCellColorTo);
  SetActiveCellFont(s->FP->Colors.FActiveCellFont);
  SetActiveCellShow(s->FP->Colors.FActiveCellShow);
  SetActiveRowShow(s->ActiveRowShow());
  SetAlign(s->Align());
  p.FilterDropDown->Assign(&src.FilterDropDown());
  FP->Text.FAnchorHint = s->FP->Text.FAnchorHint;
  FP->Text.FAutoNumAlign = s->FP->Text.FAutoNumAlign;
  FP->Layout.FAutoSize = s->FP->Layout.FAutoSize;
  FP->Colors.FAutoThemeAdapt = s->FP->Colors.FAutoThemeAdapt;
  FP->FilterOptions.FAutoFilterUpdate = s->FP->FilterOptions.FAutoFilterUpdate;
  p.MouseActions->Assign(&src.MouseActions());
  p.Navigation->Assign(&src.Navigation());
  p.Grouping->Assign(&src.Grouping());
  p.SearchFooter->Assign(&src.SearchFooter());
  p.PrintSettings->Assign(&src.PrintSettings());
  p.Filter->Assign(&src.Filter());
  p.HTMLSettings->Assign(&src.HTMLSettings());
  p.Bands->Assign(&src.Bands());
  p.CellNode->Assign(&src.CellNode());
  p.SortSettings->Assign(&src.SortSettings());
  p.DragScrollOptions->Assign(&src.DragScrollOptions());
  p.DragDropSettings->Assign(&src.DragDropSettings());
  p.ProgressAppearance->Assign(&src.ProgressAppearance());
  p.ColumnSize->Assign(&src.ColumnSize());
  p.SyncGrid->Assign(&src.SyncGrid());
  p.FocusHelper->Assign(&src.FocusHelper());
  FP->Layout.FFixedRowAlways = s->FP->Layout.FFixedRowAlways;

  SetColCount(s->ColCount());
  SetRowCount(s->RowCount());
  SetFixedRows(s->TBaseGrid::FixedRows());
  SetFixedCols(s->TBaseGrid::FixedCols());
  SetDefaultColWidth(s->DefaultColWidth());
  SetDefaultRowHeight(s->DefaultRowHeight());
  SetFixedRowHeight(s->FP->Layout.FFixedRowHeight);
  SetFixedColWidth(s->FixedColWidth());
  FP->EditRules.FInvalidEntryTitle = s->FP->EditRules.FInvalidEntryTitle;
  FP->EditRules.FInvalidEntryIcon = s->FP->EditRules.FInvalidEntryIcon;
  FP->EditRules.FInvalidEntryText = s->FP->EditRules.FInvalidEntryText;
  SetOptions(s->Options());
  for (int c = 0; c < ColCount(); ++c) SetColWidths(c, s->ColWidths(c));
  SetColumnHeaders(src.ColumnHeaders());
  for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, s->RowHeights(r));
  FP->Scrolling.FScrollProportional = s->FP->Scrolling.FScrollProportional;
  FP->Scrolling.FScrollSynch = s->FP->Scrolling.FScrollSynch;
  FP->Scrolling.FScrollWidth = s->FP->Scrolling.FScrollWidth;
  FP->Scrolling.FScrollHints = s->FP->Scrolling.FScrollHints;
  FP->Scrolling.FScrollBarAlways = s->FP->Scrolling.FScrollBarAlways;
  SetScrollBars(s->ScrollBars());
  SetScrollColor(s->FP->Scrolling.FScrollColor);
  SetScrollType(s->FP->Scrolling.FScrollType);
  SetScrollWidth(s->FP->Scrolling.FScrollWidth);
  AssignCells(Source);
}

void TExtStringGrid::AssignCells(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExtStringGrid*>(Source);
  if (!s || s == this) return;
  // Every cell of the source's area, empty ones too, so that this grid shows what it shows.
  for (int r = 0; r < s->RowCount(); ++r)
    for (int c = 0; c < s->TotalColCount(); ++c) SetGridCells(c, r, s->GridCells(c, r));
  InvalidateGrid();
  AllCellsChanged();
}

void TExtStringGrid::Invalidate() {
  if (FP && FP->EditChange) {
    FP->EditChange = false;
    return;
  }
  // Under the update lock the whole window is repainted when the lock ends: changes made
  // meanwhile (a sort exchanging rows one by one) need not gather regions each.
  if (!(FP && FP->UpdateCount > 0 && Visible() && HandleAllocated())) TBaseGrid::Invalidate();
  if (FP && FP->FloatingFooter && FP->FloatingFooter->Visible() && !Loading()) FP->FooterPanel->Invalidate();
}

void TExtStringGrid::Resize() {
  TBaseGrid::Resize();
  TExtStringGridPrivate& p = *FP;
  if ((p.BackGround->Display() == bdGradientHorz || p.BackGround->Display() == bdGradientVert) &&
      p.BackGround->ColorTo() != clNone)
    InvalidateGrid();
  ApplyScrollBarAlways(false);
  if (IsDesigning()) Invalidate();
  CellControlsUpdate(false);
}

void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  int drh = DefaultRowHeight();
  if (FP->Layout.FIntegralHeight && FP && FP->UpdateCount == 0 && drh > 0) {
    int s = VisibleColCount() + TBaseGrid::FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    int b = BorderStyle() == bsSingle ? 2 : 0;
    AHeight = AHeight + b - ((AHeight - s - b) % drh);
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Parent() && Parent()->HandleAllocated()) NonClientChanged();
}

void TExtStringGrid::SetBorderColor(TColor Value) {
  if (FP->Colors.FBorderColor == Value) return;
  FP->Colors.FBorderColor = Value;
  if (Parent() && Parent()->HandleAllocated()) NonClientChanged();
}

TCustomForm* TExtStringGrid::FindParentForm(TControl* Control) {
  for (TControl* c = Control; c; c = c->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  return nullptr;
}

void TExtStringGrid::InitOrigColSizes() {
  TIntList& sizes = *FP->OrigColSizes;
  sizes.Clear();
  for (int c = 0; c < ColCount(); ++c) sizes.Add(ColWidths(c));
  FP->OldSize = Width();
}

void TExtStringGrid::SizeWithOwnerForm(TObject* Sender) {
  auto* form = dynamic_cast<TCustomForm*>(Sender);
  if (!form || !FP->Layout.FSizeWithForm) return;
  TExtStringGridPrivate& p = *FP;
  int w = form->Width() + Width() - p.PrevSizeX;
  int h = form->Height() + Height() - p.PrevSizeY;
  if (w > 0 && h > 0) {
    SetBounds(Left(), Top(), w, h);
    p.PrevSizeX = form->Width();
    p.PrevSizeY = form->Height();
  }
}

void TExtStringGrid::OwnerFormResize(TObject* Sender) {
  if (IsDesigning() || Destroying()) return;
  SizeWithOwnerForm(Sender);
  StretchColumn(FP->ColumnSize->StretchColumn());
}

void TExtStringGrid::FormResized(const TNotifyEvent& next, TObject* Sender) {
  bool active = !IsDesigning() && !Destroying();
  if (active) SizeWithOwnerForm(Sender);
  // What the form had before runs between the grid's sizing and its stretching; its errors
  // are its own.
  if (next) try {
      next(Sender);
    } catch (const std::exception&) {
    }
  if (active) StretchColumn(FP->ColumnSize->StretchColumn());
}

void TExtStringGrid::StretchColumn(int ACol) {
  if (Loading() || Destroying()) return;
  if (ACol == -1) ACol = ColCount() - 1;
  if (ACol >= ColCount()) throw Exception("Stretch column index out of range");
  TExtStringGridPrivate& p = *FP;
  if (ColCount() == 0 || !p.ColumnSize->Stretch() || p.StretchInProgress || ACol < 0) return;
  p.StretchInProgress = true;
  p.StretchAllowed = false;
  int client = ClientWidth();
  if (ColCount() == 1) {
    SetColWidths(ACol, client);
  } else {
    int s = 0;
    for (int c = 0; c < ColCount(); ++c)
      if (c != ACol) s += ColWidths(c);
    if (s < client)
      SetColWidths(ACol, client - s - 1);
    else if (LeftCol() == TBaseGrid::FixedCols())
      SetColWidths(ACol, DefaultColWidth());
  }
  p.StretchAllowed = true;
  p.StretchInProgress = false;
  if (p.FloatingFooter->Visible()) p.FooterPanel->SetAlign(alBottom);
}

void TExtStringGrid::ApplyScrollBarAlways(bool Hide) {
  if (!HandleAllocated()) return;
  bool rowsFit = VisibleRowCount() + TBaseGrid::FixedRows() >= RowCount();
  bool colsFit = VisibleColCount() + TBaseGrid::FixedCols() >= ColCount();
  if (FP->Scrolling.FScrollBarAlways != saNone) {
    // A dimension that does not fit keeps the bar the grid shows anyway.
    if (rowsFit) ShowScrollBar(Handle(), SB_VERT, FP->Scrolling.FScrollBarAlways == saVert || FP->Scrolling.FScrollBarAlways == saBoth);
    if (colsFit) ShowScrollBar(Handle(), SB_HORZ, FP->Scrolling.FScrollBarAlways == saHorz || FP->Scrolling.FScrollBarAlways == saBoth);
    EnableScrollBar(Handle(), SB_VERT, rowsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    EnableScrollBar(Handle(), SB_HORZ, colsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
  } else if (Hide) {
    if (rowsFit) ShowScrollBar(Handle(), SB_VERT, false);
    if (colsFit) ShowScrollBar(Handle(), SB_HORZ, false);
  }
}

}  // namespace hd

namespace hd {

void TExtStringGrid::SetRTFDropEnabled(bool Value) { GridUnit().RTFDropEnabled = Value; }

// OLE drop targets come with the grid's drag and drop; until then the setting is kept by the
// drag-and-drop settings alone.
void TExtStringGrid::ApplyOleDropTarget(bool) {}

bool TExtStringGrid::SaveFixedCells() const { return FP->Files.FSaveFixedCells; }
void TExtStringGrid::SetSaveFixedCells(bool Value) { FP->Files.FSaveFixedCells = Value; }
bool TExtStringGrid::SaveFixedRows() const { return FP->Files.FSaveFixedRows; }
void TExtStringGrid::SetSaveFixedRows(bool Value) { FP->Files.FSaveFixedRows = Value; }
bool TExtStringGrid::SaveFixedCols() const { return FP->Files.FSaveFixedCols; }
void TExtStringGrid::SetSaveFixedCols(bool Value) { FP->Files.FSaveFixedCols = Value; }
bool TExtStringGrid::SaveHiddenCells() const { return FP->Files.FSaveHiddenCells; }
void TExtStringGrid::SetSaveHiddenCells(bool Value) { FP->Files.FSaveHiddenCells = Value; }
bool TExtStringGrid::SaveVirtCells() const { return FP->Files.FSaveVirtCells; }
void TExtStringGrid::SetSaveVirtCells(bool Value) { FP->Files.FSaveVirtCells = Value; }
bool TExtStringGrid::SaveWithHTML() const { return FP->Files.FSaveWithHTML; }
void TExtStringGrid::SetSaveWithHTML(bool Value) { FP->Files.FSaveWithHTML = Value; }
bool TExtStringGrid::LoadFirstRow() const { return FP->Files.FLoadFirstRow; }
void TExtStringGrid::SetLoadFirstRow(bool Value) { FP->Files.FLoadFirstRow = Value; }
bool TExtStringGrid::QuoteEmptyCells() const { return FP->Files.FQuoteEmptyCells; }
void TExtStringGrid::SetQuoteEmptyCells(bool Value) { FP->Files.FQuoteEmptyCells = Value; }
bool TExtStringGrid::AlwaysQuotes() const { return FP->Files.FAlwaysQuotes; }
void TExtStringGrid::SetAlwaysQuotes(bool Value) { FP->Files.FAlwaysQuotes = Value; }
bool TExtStringGrid::JavaCSV() const { return FP->Files.FJavaCSV; }
void TExtStringGrid::SetJavaCSV(bool Value) { FP->Files.FJavaCSV = Value; }
bool TExtStringGrid::OemConvert() const { return FP->Files.FOemConvert; }
void TExtStringGrid::SetOemConvert(bool Value) { FP->Files.FOemConvert = Value; }
bool TExtStringGrid::ExcelClipboardFormat() const { return FP->Files.FExcelClipboardFormat; }
void TExtStringGrid::SetExcelClipboardFormat(bool Value) { FP->Files.FExcelClipboardFormat = Value; }
bool TExtStringGrid::ClearTextOnly() const { return FP->Files.FClearTextOnly; }
void TExtStringGrid::SetClearTextOnly(bool Value) { FP->Files.FClearTextOnly = Value; }
bool TExtStringGrid::PrinterDriverFix() const { return FP->Files.FPrinterDriverFix; }
void TExtStringGrid::SetPrinterDriverFix(bool Value) { FP->Files.FPrinterDriverFix = Value; }
bool TExtStringGrid::ScrollProportionalLocked() const { return FP->PaintFlags.FScrollLock; }
void TExtStringGrid::SetScrollLock(bool Value) { FP->PaintFlags.FScrollLock = Value; }
bool TExtStringGrid::EnhTextSize() const { return FP->PaintFlags.FEnhTextSize; }
void TExtStringGrid::SetEnhTextSize(bool Value) { SetAndInvalidate(FP->PaintFlags.FEnhTextSize, Value); }
bool TExtStringGrid::NoImageAndText() const { return FP->PaintFlags.FNoImageAndText; }
void TExtStringGrid::SetNoImageAndText(bool Value) { SetAndInvalidate(FP->PaintFlags.FNoImageAndText, Value); }
bool TExtStringGrid::NoDefaultDraw() const { return FP->PaintFlags.FNoDefaultDraw; }
void TExtStringGrid::SetNoDefaultDraw(bool Value) { SetAndInvalidate(FP->PaintFlags.FNoDefaultDraw, Value); }
bool TExtStringGrid::IsStyled() const { return FP->PaintFlags.FStyled; }
void TExtStringGrid::SetStyled(bool Value) { SetAndInvalidate(FP->PaintFlags.FStyled, Value); }

}  // namespace hd
