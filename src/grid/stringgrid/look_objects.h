// The look objects a string grid owns: how its in-cell controls look (ControlLook), what lies
// behind its cells (BackGround) and how its progress bars look (ProgressAppearance).
#pragma once

#include <array>

#include "grid/stringgrid/dropdown_appearance.h"
#include "grid/stringgrid/grid_settings_host.h"
#include "platform/bitmap.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace hd {

// Drawing style of check boxes, radio buttons and cell buttons. (The platform's TControlStyle
// is the set of control flags, hence the name.) Value 3 is kept for the files that store it.
enum TControlLookStyle { csClassic, csFlat, csWinXP, csBevel, csDAZ, csGlyph, csTheme };

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
enum TProgressStyle { psXP, psClassic };

// Every setter stores its value and repaints the grid, except the drop-down header and footer
// (copied only) and the fixed-gradient colours, which are copied into the grid's own gradient
// colours without a repaint (clNone skips the copy but for the six mirror colours).
class TControlLook : public TPersistent {
 public:
  explicit TControlLook(TGridSettingsHost* Grid);
  TControlLook(const TControlLook&) = delete;
  TControlLook& operator=(const TControlLook&) = delete;
  const char* ClassName() const override { return "TControlLook"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  int CheckSize() const { return FCheckSize; }
  void SetCheckSize(int Value) { Store(FCheckSize, Value); }
  int RadioSize() const { return FRadioSize; }
  void SetRadioSize(int Value) { Store(FRadioSize, Value); }
  const TBitmap& CheckedGlyph() const { return FCheckedGlyph; }
  void SetCheckedGlyph(const TBitmap& Value) { Store(FCheckedGlyph, Value); }
  const TBitmap& UnCheckedGlyph() const { return FUnCheckedGlyph; }
  void SetUnCheckedGlyph(const TBitmap& Value) { Store(FUnCheckedGlyph, Value); }
  const TBitmap& RadioOnGlyph() const { return FRadioOnGlyph; }
  void SetRadioOnGlyph(const TBitmap& Value) { Store(FRadioOnGlyph, Value); }
  const TBitmap& RadioOffGlyph() const { return FRadioOffGlyph; }
  void SetRadioOffGlyph(const TBitmap& Value) { Store(FRadioOffGlyph, Value); }
  TControlLookStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlLookStyle Value) { Store(FControlStyle, Value); }
  // Colour of drawn check marks.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  // Colour of a cell's comment marker.
  TColor CommentColor() const { return FCommentColor; }
  void SetCommentColor(TColor Value) { Store(FCommentColor, Value); }
  bool FlatButton() const { return FFlatButton; }
  void SetFlatButton(bool Value) { Store(FFlatButton, Value); }
  bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool Value) { Store(FNoDisabledCheckRadioLook, Value); }
  bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool Value) { Store(FNoDisabledButtonLook, Value); }
  bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
  void SetCheckAlwaysActive(bool Value) { Store(FCheckAlwaysActive, Value); }
  bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
  void SetRadioAlwaysActive(bool Value) { Store(FRadioAlwaysActive, Value); }
  bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool Value) { Store(FDropDownAlwaysVisible, Value); }
  bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
  void SetSpinButtonsAlwaysVisible(bool Value) { Store(FSpinButtonsAlwaysVisible, Value); }
  bool FixedDropDownButton() const { return FFixedDropDownButton; }
  void SetFixedDropDownButton(bool Value) { Store(FFixedDropDownButton, Value); }
  // Visible items of combo editors.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { Store(FDropDownCount, Value); }
  THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
  const THeaderAppearance& DropDownHeader() const { return FDropDownHeader; }
  void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader.Assign(&Value); }
  TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
  const TFooterAppearance& DropDownFooter() const { return FDropDownFooter; }
  void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter.Assign(&Value); }
  bool ProgressXP() const { return FProgressXP; }
  void SetProgressXP(bool Value) { Store(FProgressXP, Value); }
  TColor ProgressBorderColor() const { return FProgressBorderColor; }
  void SetProgressBorderColor(TColor Value) { Store(FProgressBorderColor, Value); }
  int ProgressMarginX() const { return FProgressMarginX; }
  void SetProgressMarginX(int Value) { Store(FProgressMarginX, Value); }
  int ProgressMarginY() const { return FProgressMarginY; }
  void SetProgressMarginY(int Value) { Store(FProgressMarginY, Value); }
  // Above 0: the widest a cell hint may be.
  int HintMaxWidth() const { return FHintMaxWidth; }
  void SetHintMaxWidth(int Value) { Store(FHintMaxWidth, Value); }

  // Every colour back to its default, the fixed gradients included; the grid's own gradient
  // colours are left alone and nothing is repainted (a style starts from here).
  void ResetColors();
  // The fixed-cell gradients, read by name or by kind.
  TColor FixedGradient(TFixedGradientColor Which) const { return FFixedGradient[Which]; }
  void SetFixedGradient(TFixedGradientColor Which, TColor Value);
  TColor FixedGradientFrom() const { return FixedGradient(fgFrom); }
  void SetFixedGradientFrom(TColor Value) { SetFixedGradient(fgFrom, Value); }
  TColor FixedGradientTo() const { return FixedGradient(fgTo); }
  void SetFixedGradientTo(TColor Value) { SetFixedGradient(fgTo, Value); }
  TColor FixedGradientMirrorFrom() const { return FixedGradient(fgMirrorFrom); }
  void SetFixedGradientMirrorFrom(TColor Value) { SetFixedGradient(fgMirrorFrom, Value); }
  TColor FixedGradientMirrorTo() const { return FixedGradient(fgMirrorTo); }
  void SetFixedGradientMirrorTo(TColor Value) { SetFixedGradient(fgMirrorTo, Value); }
  TColor FixedGradientHoverFrom() const { return FixedGradient(fgHoverFrom); }
  void SetFixedGradientHoverFrom(TColor Value) { SetFixedGradient(fgHoverFrom, Value); }
  TColor FixedGradientHoverTo() const { return FixedGradient(fgHoverTo); }
  void SetFixedGradientHoverTo(TColor Value) { SetFixedGradient(fgHoverTo, Value); }
  TColor FixedGradientHoverMirrorFrom() const { return FixedGradient(fgHoverMirrorFrom); }
  void SetFixedGradientHoverMirrorFrom(TColor Value) { SetFixedGradient(fgHoverMirrorFrom, Value); }
  TColor FixedGradientHoverMirrorTo() const { return FixedGradient(fgHoverMirrorTo); }
  void SetFixedGradientHoverMirrorTo(TColor Value) { SetFixedGradient(fgHoverMirrorTo, Value); }
  TColor FixedGradientHoverBorder() const { return FixedGradient(fgHoverBorder); }
  void SetFixedGradientHoverBorder(TColor Value) { SetFixedGradient(fgHoverBorder, Value); }
  TColor FixedGradientDownFrom() const { return FixedGradient(fgDownFrom); }
  void SetFixedGradientDownFrom(TColor Value) { SetFixedGradient(fgDownFrom, Value); }
  TColor FixedGradientDownTo() const { return FixedGradient(fgDownTo); }
  void SetFixedGradientDownTo(TColor Value) { SetFixedGradient(fgDownTo, Value); }
  TColor FixedGradientDownMirrorFrom() const { return FixedGradient(fgDownMirrorFrom); }
  void SetFixedGradientDownMirrorFrom(TColor Value) { SetFixedGradient(fgDownMirrorFrom, Value); }
  TColor FixedGradientDownMirrorTo() const { return FixedGradient(fgDownMirrorTo); }
  void SetFixedGradientDownMirrorTo(TColor Value) { SetFixedGradient(fgDownMirrorTo, Value); }
  TColor FixedGradientDownBorder() const { return FixedGradient(fgDownBorder); }
  void SetFixedGradientDownBorder(TColor Value) { SetFixedGradient(fgDownBorder, Value); }

  // Every property from another control look (the grid's colours are left alone); any
  // other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    Field = Value;
    if (FGrid) FGrid->InvalidateGrid();
  }

  TGridSettingsHost* FGrid;
  int FCheckSize = 15;
  int FRadioSize = 10;
  TBitmap FCheckedGlyph;
  TBitmap FUnCheckedGlyph;
  TBitmap FRadioOnGlyph;
  TBitmap FRadioOffGlyph;
  TControlLookStyle FControlStyle = csTheme;
  TColor FColor = clBlack;
  TColor FCommentColor = clRed;
  bool FFlatButton = false;
  bool FNoDisabledCheckRadioLook = false;
  bool FNoDisabledButtonLook = false;
  bool FCheckAlwaysActive = false;
  bool FRadioAlwaysActive = false;
  bool FDropDownAlwaysVisible = false;
  bool FSpinButtonsAlwaysVisible = false;
  bool FFixedDropDownButton = false;
  int FDropDownCount = 8;
  THeaderAppearance FDropDownHeader;
  TFooterAppearance FDropDownFooter;
  bool FProgressXP = false;
  TColor FProgressBorderColor = clGray;
  int FProgressMarginX = 2;
  int FProgressMarginY = 2;
  int FHintMaxWidth = 0;
  std::array<TColor, kFixedGradientColorCount> FFixedGradient;
};

// A picture or a gradient behind the cells. Every setter stores its value and repaints the grid.
class TBackGround : public TPersistent {
 public:
  explicit TBackGround(TGridSettingsHost* Grid) : FGrid(Grid) {}
  TBackGround(const TBackGround&) = delete;
  TBackGround& operator=(const TBackGround&) = delete;
  const char* ClassName() const override { return "TBackGround"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  const TBitmap& Bitmap() const { return FBitmap; }
  void SetBitmap(const TBitmap& Value) { Store(FBitmap, Value); }
  // A bdFixed picture sits at (Left, Top) in grid pixels.
  int Top() const { return FTop; }
  void SetTop(int Value) { Store(FTop, Value); }
  int Left() const { return FLeft; }
  void SetLeft(int Value) { Store(FLeft, Value); }
  TBackGroundDisplay Display() const { return FDisplay; }
  void SetDisplay(TBackGroundDisplay Value) { Store(FDisplay, Value); }
  TBackGroundCells Cells() const { return FCells; }
  void SetCells(TBackGroundCells Value) { Store(FCells, Value); }
  // Start and end of a gradient.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value) { Store(FColorTo, Value); }

  // Every property from another background; any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    Field = Value;
    if (FGrid) FGrid->InvalidateGrid();
  }

  TGridSettingsHost* FGrid;
  TBitmap FBitmap;
  int FTop = 0;
  int FLeft = 0;
  TBackGroundDisplay FDisplay = bdTile;
  TBackGroundCells FCells = bcNormal;
  TColor FColor = clWindow;
  TColor FColorTo = clBtnFace;
};

// The look of the grid's styled progress bars. A setter that changes its value calls OnChange,
// which the grid points at a repaint.
class TGridProgressAppearance : public TPersistent {
 public:
  TGridProgressAppearance() = default;
  TGridProgressAppearance(const TGridProgressAppearance&) = delete;
  TGridProgressAppearance& operator=(const TGridProgressAppearance&) = delete;
  const char* ClassName() const override { return "TGridProgressAppearance"; }

  TColor CompleteColor() const { return FCompleteColor; }
  void SetCompleteColor(TColor Value) { Store(FCompleteColor, Value); }
  TColor CompleteFontColor() const { return FCompleteFontColor; }
  void SetCompleteFontColor(TColor Value) { Store(FCompleteFontColor, Value); }
  // clNone: the grid's brush colour.
  TColor UnCompleteColor() const { return FUnCompleteColor; }
  void SetUnCompleteColor(TColor Value) { Store(FUnCompleteColor, Value); }
  TColor UnCompleteFontColor() const { return FUnCompleteFontColor; }
  void SetUnCompleteFontColor(TColor Value) { Store(FUnCompleteFontColor, Value); }
  TColor Level0Color() const { return FLevel0Color; }
  void SetLevel0Color(TColor Value) { Store(FLevel0Color, Value); }
  TColor Level0ColorTo() const { return FLevel0ColorTo; }
  void SetLevel0ColorTo(TColor Value) { Store(FLevel0ColorTo, Value); }
  TColor Level1Color() const { return FLevel1Color; }
  void SetLevel1Color(TColor Value) { Store(FLevel1Color, Value); }
  TColor Level1ColorTo() const { return FLevel1ColorTo; }
  void SetLevel1ColorTo(TColor Value) { Store(FLevel1ColorTo, Value); }
  TColor Level2Color() const { return FLevel2Color; }
  void SetLevel2Color(TColor Value) { Store(FLevel2Color, Value); }
  TColor Level2ColorTo() const { return FLevel2ColorTo; }
  void SetLevel2ColorTo(TColor Value) { Store(FLevel2ColorTo, Value); }
  TColor Level3Color() const { return FLevel3Color; }
  void SetLevel3Color(TColor Value) { Store(FLevel3Color, Value); }
  TColor Level3ColorTo() const { return FLevel3ColorTo; }
  void SetLevel3ColorTo(TColor Value) { Store(FLevel3ColorTo, Value); }
  int Level1Perc() const { return FLevel1Perc; }
  void SetLevel1Perc(int Value) { Store(FLevel1Perc, Value); }
  int Level2Perc() const { return FLevel2Perc; }
  void SetLevel2Perc(int Value) { Store(FLevel2Perc, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
  bool ShowBorder() const { return FShowBorder; }
  void SetShowBorder(bool Value) { Store(FShowBorder, Value); }
  bool Stacked() const { return FStacked; }
  void SetStacked(bool Value) { Store(FStacked, Value); }
  bool ShowPercentage() const { return FShowPercentage; }
  void SetShowPercentage(bool Value) { Store(FShowPercentage, Value); }
  bool CompletionSmooth() const { return FCompletionSmooth; }
  void SetCompletionSmooth(bool Value) { Store(FCompletionSmooth, Value); }
  bool ShowGradient() const { return FShowGradient; }
  void SetShowGradient(bool Value) { Store(FShowGradient, Value); }
  int Steps() const { return FSteps; }
  void SetSteps(int Value) { Store(FSteps, Value); }
  // Kept and copied; the drawing does not read it.
  TProgressStyle Style() const { return FStyle; }
  void SetStyle(TProgressStyle Value) { Store(FStyle, Value); }

  TNotifyEvent OnChange;

  // Every property from another progress appearance, then OnChange once; any other source
  // is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }

  TColor FCompleteColor = clRed;
  TColor FCompleteFontColor = clBlue;
  TColor FUnCompleteColor = clNone;
  TColor FUnCompleteFontColor = clWindowText;
  TColor FLevel0Color = 0x00FF00;
  TColor FLevel0ColorTo = 0xE1FFE1;
  TColor FLevel1Color = 0x00FFFF;
  TColor FLevel1ColorTo = 0xCAFFFF;
  TColor FLevel2Color = 0x53A9FF;
  TColor FLevel2ColorTo = 0xA8D3FF;
  TColor FLevel3Color = 0x0000FF;
  TColor FLevel3ColorTo = 0xCACAFF;
  int FLevel1Perc = 70;
  int FLevel2Perc = 90;
  TColor FBorderColor = clBlack;
  bool FShowBorder = false;
  bool FStacked = false;
  bool FShowPercentage = true;
  bool FCompletionSmooth = true;
  bool FShowGradient = true;
  int FSteps = 11;
  TProgressStyle FStyle = psXP;
};

}  // namespace hd
