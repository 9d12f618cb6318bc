// The words every layer of the grid speaks: editor kinds, the grid's other enumerations and the
// types of its events. Ordinals are kept in settings and files, so the order of every
// enumeration is fixed.
#pragma once

#include <functional>
#include <string>

#include "platform/canvas.h"
#include "platform/exceptions.h"
#include "platform/grids.h"
#include "platform/string_list.h"
#include "platform/types.h"
#include "platform/unicode.h"

namespace hd {

class TBaseGrid;

// The error the grid raises where a cell or index cannot give what was asked of it.
class EExtGridError : public Exception {
 public:
  using Exception::Exception;
};

// The editor a cell or a column asks for. The kinds ending in DropDown are the drop-down edits.
enum TEditorType {
  edNormal,               // 0, the default of every cell and column
  edSpinEdit,             // 1
  edComboEdit,            // 2
  edComboList,            // 3
  edEditBtn,              // 4
  edCheckBox,             // 5
  edDateEdit,             // 6
  edDateEditUpDown,       // 7
  edTimeEdit,             // 8
  edButton,               // 9
  edDataCheckBox,         // 10
  edNumeric,              // 11
  edPositiveNumeric,      // 12
  edFloat,                // 13
  edCapital,              // 14
  edMixedCase,            // 15
  edPassword,             // 16
  edUnitEditBtn,          // 17
  edLowerCase,            // 18
  edUpperCase,            // 19
  edFloatSpinEdit,        // 20
  edTimeSpinEdit,         // 21
  edDateSpinEdit,         // 22
  edNumericEditBtn,       // 23
  edFloatEditBtn,         // 24
  edCustom,               // 25
  edRichEdit,             // 26
  edNone,                 // 27, no editor at all
  edDateTimeEdit,         // 28
  edValidChars,           // 29
  edTrackbarDropDown,     // 30
  edMemoDropDown,         // 31
  edCalculatorDropDown,   // 32
  edTimePickerDropDown,   // 33
  edDetailDropDown,       // 34
  edGridDropDown,         // 35
  edColorPickerDropDown,  // 36
  edImagePickerDropDown,  // 37
  edExtGridDropDown,      // 38
  edPositiveFloat,        // 39
  edNumericUnitEditBtn,   // 40
  edFloatUnitEditBtn,     // 41
  edMaskEditBtn,          // 42
};
inline constexpr int kEditorTypeCount = 43;

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

// How a column compares its cells when sorting.
enum TSortStyle {
  ssAutomatic,
  ssAlphabetic,
  ssNumeric,
  ssDate,
  ssAlphaNoCase,
  ssAlphaCase,
  ssShortDateEU,
  ssShortDateUS,
  ssCustom,
  ssFinancial,
  ssAnsiAlphaCase,
  ssAnsiAlphaNoCase,
  ssRaw,
  ssHTML,
  ssImages,
  ssCheckBox,
  ssDateTime,
  ssTime,
  ssAlphaNumeric,
  ssAlphaNumericNoCase,
};

// Vertical alignment of cell text: the platform's own (vtaTop, vtaCenter, vtaBottom).
using TVAlignment = TVerticalAlignment;

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };
enum TExtGridButtonStyle { tasButton, tasCheck };
enum TSearchDirection { sdTopBottom, sdLeftRight };
// Options of a search in the grid's cells; a set of them is 16 bits, value n = bit n.
enum TFindParameters {
  fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
  fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
  fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParameters>;
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

// Event types. Every event takes its sender first; an unassigned event is not fired and the
// caller keeps its own value. A reference parameter is in-out: the handler sees the current
// value and the caller uses what it finds there afterwards.
//
// The cell events do not share one order: the families below are kept exactly, because
// handlers written for one family read the first number as the row, for the other as the
// column.

// Row before column.
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& Anchor)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;
using TGridColorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont)>;
using TGridGradientEvent = std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                              TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen& APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen& LeftPen, TPen& TopPen,
                                                TPen& RightPen, TPen& BottomPen)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& hintstr)>;

// Column before row.
using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, WideString& Value)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
// ARow the display row, ARowReal the real row of a node.
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TNodeClickEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
// AIdx numbers the radio group's items from 0.
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
// The canvas comes before the column.
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int ACol, int ARow,
                                                TGridDrawState AState, const TRect& ARect, bool Printing)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
using TGridBalloonEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                             std::string& AText, int& AIcon)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
// The grid comes before the column.
using TExtGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;

// A column only.
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;

// A row only.
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;

// No cell.
using TOnResizeEvent = std::function<void(TObject* Sender)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const std::string& str1, const std::string& str2, int& Res)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// Where a long pass over the rows stands (exports, loads, row sizing), and the progress of a
// save or load in whole percents.
enum TGridExportState { esExportStart, esExportNextRow, esExportDone, esExportNewRow, esExportSelRow };
using TGridProgressEvent = std::function<void(TObject* Sender, short Progress)>;

}  // namespace hd
