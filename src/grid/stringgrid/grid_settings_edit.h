// Settings of the grid's editing and interaction that the string grid owns: OLE drag and drop,
// scrolling while dragging, sizing while typing, balloon tooltips and modified-row marks.
#pragma once

#include <cstdint>

#include "grid/stringgrid/grid_settings_host.h"
#include "platform/classes.h"
#include "platform/component.h"

namespace hd {

// What OLE drag and drop may do with the grid. Two setters act: OleDropTarget (outside a
// designer) registers or revokes the grid's drop target, OleDropRTF sets the program-wide
// rich-text switch; the others store.
class TDragDropSettings : public TPersistent {
 public:
  explicit TDragDropSettings(TGridSettingsHost* AOwner) : FGrid(AOwner) {}
  TDragDropSettings(const TDragDropSettings&) = delete;
  TDragDropSettings& operator=(const TDragDropSettings&) = delete;
  const char* ClassName() const override { return "TDragDropSettings"; }
  TGridSettingsHost* Grid() const { return FGrid; }

  bool OleDropTarget() const { return FOleDropTarget; }
  void SetOleDropTarget(bool Value);
  // Cells can be dragged out of the grid.
  bool OleDropSource() const { return FOleDropSource; }
  void SetOleDropSource(bool Value) { FOleDropSource = Value; }
  bool OleAcceptFiles() const { return FOleAcceptFiles; }
  void SetOleAcceptFiles(bool Value) { FOleAcceptFiles = Value; }
  bool OleAcceptText() const { return FOleAcceptText; }
  void SetOleAcceptText(bool Value) { FOleAcceptText = Value; }
  bool OleAcceptURLs() const { return FOleAcceptURLs; }
  void SetOleAcceptURLs(bool Value) { FOleAcceptURLs = Value; }
  bool OleDropRTF() const { return FOleDropRTF; }
  void SetOleDropRTF(bool Value);
  // Whole rows are dragged.
  bool OleEntireRows() const { return FOleEntireRows; }
  void SetOleEntireRows(bool Value) { FOleEntireRows = Value; }
  bool OleRemoveRows() const { return FOleRemoveRows; }
  void SetOleRemoveRows(bool Value) { FOleRemoveRows = Value; }
  bool OleInsertRows() const { return FOleInsertRows; }
  void SetOleInsertRows(bool Value) { FOleInsertRows = Value; }
  bool OleAppendRows() const { return FOleAppendRows; }
  void SetOleAppendRows(bool Value) { FOleAppendRows = Value; }
  // A drop always copies.
  bool OleCopyAlways() const { return FOleCopyAlways; }
  void SetOleCopyAlways(bool Value) { FOleCopyAlways = Value; }
  bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
  void SetOleColumnDragDrop(bool Value) { FOleColumnDragDrop = Value; }
  bool OleColumnReorder() const { return FOleColumnReorder; }
  void SetOleColumnReorder(bool Value) { FOleColumnReorder = Value; }
  bool OleColumnsOnly() const { return FOleColumnsOnly; }
  void SetOleColumnsOnly(bool Value) { FOleColumnsOnly = Value; }
  // The dragged cells are shown while rows or columns move.
  bool ShowCells() const { return FShowCells; }
  void SetShowCells(bool Value) { FShowCells = Value; }

  // All fifteen settings from other drag-and-drop settings; any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  TGridSettingsHost* FGrid;
  bool FOleDropTarget = false;
  bool FOleDropSource = false;
  bool FOleAcceptFiles = true;
  bool FOleAcceptText = true;
  bool FOleAcceptURLs = true;
  bool FOleDropRTF = false;
  bool FOleEntireRows = false;
  bool FOleRemoveRows = false;
  bool FOleInsertRows = false;
  bool FOleAppendRows = false;
  bool FOleCopyAlways = false;
  bool FOleColumnDragDrop = false;
  bool FOleColumnReorder = false;
  bool FOleColumnsOnly = false;
  bool FShowCells = true;
};

// Milliseconds before scrolling starts while dragging near an edge, and between its steps.
class TDragScrollDelays : public TPersistent {
 public:
  const char* ClassName() const override { return "TDragScrollDelays"; }
  int InitialDelay() const { return FInitialDelay; }
  void SetInitialDelay(int Value) { FInitialDelay = Value; }
  int RepeatDelay() const { return FRepeatDelay; }
  void SetRepeatDelay(int Value) { FRepeatDelay = Value; }
  void Assign(const TPersistent* Source) override;

 private:
  int FInitialDelay = 1000;
  int FRepeatDelay = 250;
};

// How near an edge, in pixels, a drag scrolls the grid that way.
class TDragScrollMargins : public TPersistent {
 public:
  const char* ClassName() const override { return "TDragScrollMargins"; }
  int TopMargin() const { return FTopMargin; }
  void SetTopMargin(int Value) { FTopMargin = Value; }
  int BottomMargin() const { return FBottomMargin; }
  void SetBottomMargin(int Value) { FBottomMargin = Value; }
  int LeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(int Value) { FLeftMargin = Value; }
  int RightMargin() const { return FRightMargin; }
  void SetRightMargin(int Value) { FRightMargin = Value; }
  void Assign(const TPersistent* Source) override;

 private:
  int FTopMargin = 50;
  int FBottomMargin = 50;
  int FLeftMargin = 50;
  int FRightMargin = 50;
};

// Scrolling while something is dragged over the grid.
class TDragScrollOptions : public TPersistent {
 public:
  const char* ClassName() const override { return "TDragScrollOptions"; }
  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  TDragScrollDelays& Delays() { return FDelays; }
  const TDragScrollDelays& Delays() const { return FDelays; }
  void SetDelays(const TDragScrollDelays& Value) { FDelays.Assign(&Value); }
  TDragScrollMargins& Margins() { return FMargins; }
  const TDragScrollMargins& Margins() const { return FMargins; }
  void SetMargins(const TDragScrollMargins& Value) { FMargins.Assign(&Value); }
  void Assign(const TPersistent* Source) override;

 private:
  bool FActive = false;
  TDragScrollDelays FDelays;
  TDragScrollMargins FMargins;
};

// The edited row grows to the lines of its text (Height), the column to its text (Width).
class TSizeWhileTyping : public TPersistent {
 public:
  const char* ClassName() const override { return "TSizeWhileTyping"; }
  bool Height() const { return FHeight; }
  void SetHeight(bool Value) { FHeight = Value; }
  bool Width() const { return FWidth; }
  void SetWidth(bool Value) { FWidth = Value; }

 private:
  bool FHeight = false;
  bool FWidth = false;
};

// Balloon tooltips over the cells. Setting Enable fires OnEnableChange, which the grid points
// at its handler that starts or ends the tooltips.
class TBalloonSettings : public TPersistent {
 public:
  const char* ClassName() const override { return "TBalloonSettings"; }
  // clNone keeps the system's colours.
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor Value) { FTextColor = Value; }
  // Milliseconds; -1 keeps the system's delay.
  int ReshowDelay() const { return FReshowDelay; }
  void SetReshowDelay(int Value) { FReshowDelay = Value; }
  int InitialDelay() const { return FInitialDelay; }
  void SetInitialDelay(int Value) { FInitialDelay = Value; }
  int AutoHideDelay() const { return FAutoHideDelay; }
  void SetAutoHideDelay(int Value) { FAutoHideDelay = Value; }
  // 0 is opaque; otherwise the balloon is drawn with alpha 255 - Transparency.
  std::uint8_t Transparency() const { return FTransparency; }
  void SetTransparency(std::uint8_t Value) { FTransparency = Value; }
  bool Enable() const { return FEnable; }
  void SetEnable(bool Value);

  TNotifyEvent OnEnableChange;
  // The tooltip window exists; kept by the grid's balloon start and end.
  bool FInit = false;

  // The colours, delays, transparency and the enable flag (without the event) from other
  // balloon settings; any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  TColor FBackgroundColor = clNone;
  TColor FTextColor = clNone;
  int FReshowDelay = -1;
  int FInitialDelay = -1;
  int FAutoHideDelay = -1;
  std::uint8_t FTransparency = 0;
  bool FEnable = false;
};

// The bar that marks modified rows in their fixed cell. Setting Color fires OnChange, which
// the grid points at a repaint of column 0.
class TShowModified : public TPersistent {
 public:
  const char* ClassName() const override { return "TShowModified"; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

  TNotifyEvent OnChange;

  // Color and Enabled from other modified-row settings; any other source is ignored.
  void Assign(const TPersistent* Source) override;

 private:
  bool FEnabled = false;
  TColor FColor = clYellow;
};

}  // namespace hd
