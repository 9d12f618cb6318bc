// The private state of TExtStringGrid, shared by the files that implement the grid (its
// editing and data operations included).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/lists.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/settings.h"
#include "grid/foundation/theme.h"
#include "grid/stringgrid/cell_graphic.h"
#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/grid_data_host.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/filter_settings.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/grid_panels.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/print_settings.h"
#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/event_chain.h"
#include "platform/ext_ctrls.h"
#include "platform/hint_window.h"
#include "platform/string_list.h"

namespace hd {

// The timer of panning with the middle button.
inline constexpr std::uintptr_t kPanTimerId = 999;
inline constexpr unsigned kPanTimerInterval = 10;

// The grid timer: hovering, incremental search and blinking text.
inline constexpr std::uintptr_t kGridTimerId = 111;
inline constexpr unsigned kGridTimerInterval = 500;
// Real columns that take part in hiding; beyond them every column is visible.
inline constexpr int kMaxHideColumns = 512;
// Columns whose print layout is kept.
inline constexpr int kPrintColumns = 512;

class TGridEditSession;
class TGridEditorHost;
class TGridPointer;
class TGridPointerHost;
class TGridKeyboard;
class TGridKeyHost;
class TFixedCellEditorHost;

// Frees the concern objects whose classes live with the editing, a folder this one cannot
// include (defined in editing/grid_editor_host.cpp).
struct TEditingFree {
  void operator()(TGridEditSession* Session) const noexcept;
  void operator()(TGridEditorHost* Host) const noexcept;
  void operator()(TGridPointer* Pointer) const noexcept;
  void operator()(TGridPointerHost* Host) const noexcept;
  void operator()(TGridKeyboard* Keyboard) const noexcept;
  void operator()(TGridKeyHost* Host) const noexcept;
  void operator()(TFixedCellEditorHost* Host) const noexcept;
};

struct TExtStringGridPrivate {
  // Fixed lines, line sizes and the grid's own sizing.
  struct TLayoutSettings {
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowHeight = 0;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FMinRowHeight = 0;
    int FMaxRowHeight = 0;
    int FMinColWidth = 0;
    int FMaxColWidth = 0;
    bool FSizeGrowOnly = false;
    int FZoomFactor = 0;
    int FGroupColumn = -1;
    bool FIntegralHeight = false;
    bool FAutoSize = false;
    bool FSizeWithForm = false;
    bool FFitCellsInGrid = true;
    bool FEnhRowColMove = true;
  } Layout;
  // How cell texts are placed, read and shown.
  struct TTextSettings {
    bool FWordWrapEx = true;
    TVAlignment FVAlignment = vtaTop;
    unsigned FVAlign = 0;
    TAlignment FDefaultAlignment = taLeftJustify;
    std::string FFloatFormat = "%.2f";
    std::string FCheckTrue = "Y";
    std::string FCheckFalse = "N";
    char FPasswordChar = '*';
    char FDelimiter = '\0';
    bool FEnableHTML = true;
    std::string FXMLEncoding = "ISO-8859-1";
    TPoint FXYOffset{2, 2};
    bool FXYOffsetTopLeftOnly = false;
    bool FMultilinecells = false;
    bool FURLShow = false;
    bool FURLShowInText = false;
    bool FURLFull = false;
    bool FAutoNumAlign = false;
    bool FShowNullDates = true;
    bool FAnchorHint = false;
  } Text;
  // Colours, fonts and looks of cells, selection and fixed cells.
  struct TLookSettings {
    TFont FFixedFont;
    TFont FActiveCellFont;
    TColor FSelectionColor = 0xEACAB6;
    TColor FSelectionColorTo = clNone;
    TColor FSelectionMirrorColor = clNone;
    TColor FSelectionMirrorColorTo = clNone;
    TColor FSelectionTextColor = clBlack;
    bool FSelectionColorMixer = false;
    int FSelectionColorMixerFactor = 50;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    TColor FSelectionRectangleColor = clBlack;
    TColor FHintColor = clInfoBk;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    TColor FURLColor = clBlue;
    TColor FDisabledFontColor = clSilver;
    bool FActiveCellShow = false;
    TColor FActiveCellColor = clGray;
    TColor FActiveCellColorTo = clNone;
    std::array<TColor, kFixedGradientColorCount> FDAZGradient{};
    TColor FBorderColor = 0x808080;
    TGridLook FLook = glXP;
    bool FShowSelection = true;
    bool FHideFocusRect = false;
    bool FFixedAsButtons = false;
    THoverFixedCells FHoverFixedCells = hfNone;
    bool FUseDisabledFont = true;
    bool FShowDesignHelper = true;
    bool FFlat = false;
    bool FAutoThemeAdapt = false;
    THintShowLargeTextPos FHintShowLargeTextPos = hpCell;
    bool FUseInternalHintClass = true;
    TPictureContainer* FPictureContainer = nullptr;
    TImageList* FGridImages = nullptr;
  } Colors;
  // Scroll bars, wheel and zoom.
  struct TScrollSettings {
    TColor FScrollColor = clNone;
    TScrollType FScrollType = ssNormal;
    int FScrollWidth = 0;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FScrollProportional = false;
    bool FScrollSynch = false;
    TScrollHintType FScrollHints = shNone;
    bool FIntelliZoom = true;
    bool FEnableWheel = true;
  } Scrolling;
  // The filter drop-down and filtering switches.
  struct TFilterOptions {
    std::string FFilterDropDownClear = "(All)";
    TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
    bool FFilterDropDownAuto = false;
    bool FFilterNormalCellsOnly = true;
    bool FAutoFilterUpdate = true;
    bool FFilterIncremental = false;
    int FFilterDropDownRow = 0;
  } FilterOptions;
  // What editing accepts and which editor opens.
  struct TEditRules {
    TEditorType FDefaultEditor = edNormal;
    int FMaxEditLength = 0;
    std::string FInvalidEntryTitle;
    std::string FInvalidEntryText;
    TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
    bool FAlwaysValidate = false;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;
    std::string FValidChars;
    std::string FValidCharSet;
    bool FExcelStyleDecimalSeparator = false;
    int FMaxComboLength = 0;
    bool FEditWithTags = false;
    TEditorSetup FEditorSetup;
    TEditLink* FEditLink = nullptr;
    bool FSpreadSheet = false;
  } EditRules;
  // What the file, CSV and clipboard operations save and how.
  struct TFileOptions {
    bool FSaveFixedCells = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    bool FLoadFirstRow = true;
    bool FQuoteEmptyCells = true;
    bool FAlwaysQuotes = false;
    bool FJavaCSV = false;
    bool FExcelClipboardFormat = false;
    bool FClearTextOnly = false;
    bool FPrinterDriverFix = false;
    // Text file formats.
    bool FOemConvert = false;
  } Files;
  // Switches of painting and scrolling; FLastVAlign is the vertical text flag of the last cell drawn.
  struct TPaintFlags {
    bool FEnhTextSize = false;
    bool FNoImageAndText = false;
    bool FNoDefaultDraw = false;
    bool FStyled = false;
    bool FScrollLock = false;
    unsigned FLastVAlign = 0;
  } PaintFlags;
  // The owned objects, created in this order by Create.
  TFooterPanel* FooterPanel = nullptr;
  // The scratch font handed out as a cell's font.
  TFont cf;
  std::unique_ptr<TFocusHelper> FocusHelper;
  std::unique_ptr<TSearchFooter> SearchFooter;
  std::unique_ptr<TFloatingFooter> FloatingFooter;
  std::unique_ptr<TPrintSettings> PrintSettings;
  std::unique_ptr<THTMLSettings> HTMLSettings;
  std::unique_ptr<THTMLPictureCache> ImageCache;
  std::unique_ptr<TSortSettings> SortSettings;
  std::unique_ptr<TDragDropSettings> DragDropSettings;
  std::unique_ptr<TDragScrollOptions> DragScrollOptions;
  std::unique_ptr<TControlLook> ControlLook;
  std::unique_ptr<TNavigation> Navigation;
  std::unique_ptr<TColumnSize> ColumnSize;
  std::unique_ptr<TCellNode> CellNode;
  std::unique_ptr<TBands> Bands;
  std::unique_ptr<TSizeWhileTyping> SizeWhileTyping;
  std::unique_ptr<TMouseActions> MouseActions;
  std::unique_ptr<TGrouping> Grouping;
  std::unique_ptr<TStringList> ColumnHeaders;
  // Column widths remembered for stretching with the form.
  std::unique_ptr<TIntList> OrigColSizes;
  std::unique_ptr<TStringList> RowHeaders;
  std::unique_ptr<TStringList> Sortlist;
  std::unique_ptr<TStringList> LookupItems;
  // Row and column selection marks (1: marked).
  std::unique_ptr<TIntList> RowSelect;
  std::unique_ptr<TIntList> ColSelect;
  std::unique_ptr<TSortIndexList> SortIndexes;
  std::unique_ptr<TIntList> SortRowXRef;
  std::unique_ptr<TIntList> UnSortRowXRef;
  // What the data operations see of the grid, and the sort engine made on it when first used.
  std::unique_ptr<TGridDataHost> DataHost;
  std::unique_ptr<TDataEngine> Sorter;
  std::unique_ptr<TDataEngine> Nodes;
  // The calculation and grouping engines, made when first used.
  std::unique_ptr<TDataEngine> Calc;
  std::unique_ptr<TDataEngine> Grouper;
  // The filter engine: levels, narrowing and the drop-down's open column.
  std::unique_ptr<TDataEngine> Filterer;
  // The search engine, the search footer's panel (a child the grid owns) and the cell checker.
  std::unique_ptr<TDataEngine> Search;
  TCustomPanel* SearchPanel = nullptr;
  TExtStringGridCheck* CellChecker = nullptr;
  std::unique_ptr<TIntList> MergedColumns;
  std::unique_ptr<TIntList> SelectedCells;
  std::unique_ptr<TIntList> SelectedRows;
  std::unique_ptr<TIntList> ModifiedRows;
  std::unique_ptr<TIntList> EnabledRows;
  std::unique_ptr<TBitmap> RowIndicator;
  std::unique_ptr<TBackGround> BackGround;
  std::unique_ptr<TControlList> ControlList;
  std::unique_ptr<TGridProgressAppearance> ProgressAppearance;
  std::unique_ptr<TSyncGrid> SyncGrid;
  std::unique_ptr<TGridItems> GridItems;
  std::unique_ptr<TFilter> Filter;
  std::unique_ptr<TBalloonSettings> Balloon;
  std::unique_ptr<TShowModified> ShowModified;
  std::unique_ptr<TIntList> ColumnOrder;
  // The record every row check box of column 0 shares; never freed by a cell.
  std::unique_ptr<TCellGraphic> CellGraphic;
  // Node rows, counted by the node operations.
  int NumNodes = 0;
  std::unique_ptr<TIntList> IgnoreColumns;
  std::unique_ptr<TFilterDropDown> FilterDropDown;
  TDropList* DropList = nullptr;
  TDropCheckList* DropCheckList = nullptr;
  std::unique_ptr<TStringList> FilterList;

  // Hidden columns: per real column its visibility and the width it had when hidden.
  std::array<bool, kMaxHideColumns + 1> VisibleCol;
  std::array<std::int16_t, kMaxHideColumns + 1> AllColWidths{};
  int NumHidden = 0;
  // Row lists hidden by the filter and not restored yet.
  int FilterLevel = 0;

  // Fixed rows and columns last asked for outside loading; restored as rows or columns come
  // back (FixedRowAlways, FixedColAlways).
  int FixedRowsMin = 0;
  int FixedColsMin = 0;
  int MaxRowCount = 0;
  int MaxColCount = 0;
  // The row OnRowChanged last reported.
  int LastReportedRow = -1;
  // Platform facts taken at construction.
  bool IsXP = false;
  bool IsWin7 = false;
  bool IsVista = false;
  bool IsComCtl6 = false;
  bool IsLoaded = false;
  TCursor OldCursor = crDefault;
  // The form whose OnResize the grid follows, its size then, and the grid's handler there.
  int PrevSizeX = 0;
  int PrevSizeY = 0;
  TEventLink FormResizeLink;
  // Pending bulk update (BeginUpdate/EndUpdate) and paint passes.
  int UpdateCount = 0;
  int PaintCount = 0;
  int NumCellControls = 0;
  // A column move that came from the synchronised grid, not repeated back to it.
  bool SyncedMove = false;
  // An edit changed the text: the next Invalidate only drops this flag.
  bool EditChange = false;
  // The grid's edit-disable state: editing is off for the moment, not by the options.
  bool EditDisable = false;
  bool StretchInProgress = false;
  bool StretchAllowed = true;
  // Where the last print put each column.
  std::array<int, kPrintColumns> PrintColWidths{};
  std::array<int, kPrintColumns> PrintColOffsets{};
  int PrintPageFrom = 1;
  int PrintPageTo = 1;
  int PrintPageNum = 0;

  // Interaction state the editing and painting read, with its start values.
  TGridCoord HoverLink{-1, -1};
  int OleDragColumn = -1;
  int LastDesignChoice = -1;
  int FilterColumn = -1;
  int HoverFixedX = -1;
  int HoverFixedY = -1;
  int ComboIndex = -1;
  TGridCoord MouseSelectStart{-1, -1};
  int OldSelectedRow = -1;
  int ClickedCol = -1;
  int ClickedRow = -1;
  // Where the left button went down, and the column moves made so far (a release that
  // ends a move sorts nothing).
  TPoint PressPoint{-1, -1};
  int ColumnMoves = 0;
  int OldSize = -1;
  // The cell whose button (or fixed cell drawn as a button) is held down.
  TGridCoord PushedCellButton{-1, -1};
  // A fixed cell drawn pushed by the press, and its rectangle.
  bool FixedCellPushed = false;
  TRect PushedFixedCell;
  TGridCoord ClipTopLeft{-1, -1};
  TPoint LastHintPos{-1, -1};
  TColorTones ColorTones;
  TOfficeTheme PrevOfficeTheme = otUnknown;
  bool LastValidation = true;
  bool ShowColumnNumbers = true;
  bool ColChanged = true;
  std::string IncrSearchText;
  TDAZStyle Style = tsWindowsXP;
  // The component style the drop-down editors take when they are made.
  TDAZStyle EditorsStyle = tsWindowsXP;
  int OldLeftCol = 0;
  int OldTopRow = 0;

  // Keys, mouse and navigation (src/grid/editing); the keyboard and the host it sees (made by
  // CreateEditing; editing/grid_keyboard.h).
  std::unique_ptr<TGridKeyHost, TEditingFree> KeyHost;
  std::unique_ptr<TGridKeyboard, TEditingFree> Keyboard;
  // The text typed for the auto-goto search and its age in grid-timer ticks.
  std::string SearchInc;
  int SearchTics = 0;
  // Rows are skipped by Up and Down only once a row was disabled.
  bool UseEnabledRows = false;
  // Where a Return advance started; kept while read-only cells are skipped.
  int AECol = -1;
  int AERow = -1;
  bool SelChange = false;
  // Set by a left press; the release reads them.
  bool DoOnClick = false;
  bool MouseDownMove = false;
  bool MouseKeepDown = false;
  // A Ctrl press on a marked row or column (unmarked at the release); a plain disjunct press.
  bool DeselectState = false;
  bool DisjunctMouseDown = false;
  // A double click auto-sized a column: the next release must not sort.
  bool DblClk = false;
  // The selection when the release's standard handling started.
  TGridRect ReleaseSelection;
  bool ReleaseChanged = false;

  // The edit session and the host the in-place editors see, made by CreateEditing.
  std::unique_ptr<TGridEditSession, TEditingFree> Session;
  std::unique_ptr<TGridEditorHost, TEditingFree> EditorHost;
  // A click simulated from code selects without the editing decisions.
  bool ForceSel = false;
  bool DisableChange = false;
  bool GridModified = false;
  bool Modified = false;
  std::vector<TGridChangeNotifier*> Notifiers;
  // The selection changed while updates were held back.
  bool SelChanged = false;
  // Left by the mouse handling while a line is sized: the column or row, its size when the
  // press began, and whether the change comes from the mouse.
  int SizingCol = -1;
  int SizingRow = -1;
  int SizingOldSize = 0;
  bool ColSizedByMouse = false;
  bool RowSizedByMouse = false;
  // Drag scrolling: the edges the drag is near and the timer that scrolls, made on demand.
  TDragScrollDirections DragScrollDir;
  std::unique_ptr<TTimer> DragScrollTimer;
  // Shows the line a dragged scroll thumb would reach; made on first use.
  std::unique_ptr<THintWindow> ScrollHintWindow;

  // Row and column changes (row_col_changes.cpp, ranges.cpp): the selection put out of view by
  // HideSelection and where it was; a swap in progress, whose clears must not free the
  // objects that moved; the exchanges a sort made; the row a sort keeps track of.
  bool SelectionHidden = false;
  TGridRect HiddenSelection;
  bool NilObjects = false;
  int Swaps = 0;
  int SortTrackRow = -1;
  int AutoNumberStart = 0;
  int AutoNumberOffset = 0;
  TSortDirection AutoNumberDirection = sdAscending;
  // The scroll-bar looks: the ssMetro indicators (children the grid owns), whether flat
  // scroll bars took over the window's bars, and the markup-hint switch.
  struct TScrollLooks {
    TScrollControl* Vert = nullptr;
    TScrollControl* Horz = nullptr;
    bool FlatInitialised = false;
    bool UseHTMLHints = false;
  } ScrollLooks;
  // The design panel's entry under the mouse (-1 none).
  int DesignHotEntry = -1;
  // The pointer, the wheel, the focus and the hints, and the host the pointer sees (made by
  // CreateEditing; editing/grid_pointer.h).
  std::unique_ptr<TGridPointerHost, TEditingFree> PointerHost;
  std::unique_ptr<TGridPointer, TEditingFree> Pointer;
  // Rich-text cells: the hidden rich edit that converts and measures them, and the switches.
  struct {
    TRichEdit* Hidden = nullptr;
    bool SaveWithRTF = false;
    bool SelectionRTFKeep = false;
  } Rich;
  // Header clicks, fixed-cell editors and line moving (editing/header_click.cpp,
  // fixed_cell_editing.cpp, column_row_moving.cpp, header_drag_button.cpp). The windows are
  // the grid's components, freed with it.
  struct THeaderState {
    // The header drop-down button is held; its menu (not owned).
    bool DropDownDown = false;
    TPopupMenu* FixedDropDownMenu = nullptr;
    // The fixed cell being edited (display column, row) and its two editors.
    int FixedColEdit = -1;
    int FixedRowEdit = -1;
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    std::unique_ptr<TFixedCellEditorHost, TEditingFree> FixedHost;
    // The line a header press would move, the press inside its cell, the target the last
    // move of the grid's own drag showed, and that drag's windows.
    int Movecell = -1;
    int MoveOfsX = 0;
    int MoveOfsY = 0;
    int MoveColInd = -1;
    int MoveRowInd = -1;
    bool Dragging = false;
    THeaderDragButton* MoveButton = nullptr;
    TNoActiveForm* MoveForm = nullptr;
    std::array<TArrowWindow*, 4> Arrows{};
  } Header;
};

// Cells of the disjunct list are packed as row * 65536 + column.
inline int PackCell(int ACol, int ARow) { return ARow * 65536 + ACol; }

// A cell picked for the disjunct list: with Ctrl it toggles, else it becomes the only one.
inline void PickDisjunctCell(TIntList& cells, int packed, bool toggle) {
  if (!toggle) {
    cells.Clear();
    cells.Add(packed);
  } else if (cells.HasValue(packed)) {
    cells.DeleteValue(packed);
  } else {
    cells.Add(packed);
  }
}

}  // namespace hd
