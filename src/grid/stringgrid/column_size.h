// Where a grid keeps its column sizes, which column stretches, and which rows an automatic
// column width measures.
#pragma once

#include <string>

#include "grid/stringgrid/grid_settings_host.h"
#include "platform/classes.h"

namespace hd {

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize : public TPersistent {
 public:
  explicit TColumnSize(TGridSettingsHost* Owner) : FOwner(Owner) {}
  TColumnSize(const TColumnSize&) = delete;
  TColumnSize& operator=(const TColumnSize&) = delete;
  const char* ClassName() const override { return "TColumnSize"; }
  TGridSettingsHost* Owner() const { return FOwner; }

  // Column sizes are saved and restored.
  bool Save() const { return FSave; }
  void SetSave(bool Value) { FSave = Value; }
  // The registry key or INI file, and the value group or INI section, of the saved sizes.
  const std::string& Key() const { return FKey; }
  void SetKey(const std::string& Value) { FKey = Value; }
  const std::string& Section() const { return FSection; }
  void SetSection(const std::string& Value) { FSection = Value; }
  // One column stretches to fill the grid; setting it stretches at once when the grid has a
  // parent.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // The column that stretches; -1 for the last.
  int StretchColumn() const { return FStretchColumn; }
  void SetStretchColumn(int Value) { FStretchColumn = Value; }
  bool SynchWithGrid() const { return FSynchWithGrid; }
  void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
  bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
  void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
  TColumnSizeLocation Location() const { return FLocation; }
  void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }
  TAutoSizeRows Rows() const { return FRows; }
  void SetRows(TAutoSizeRows Value) { FRows = Value; }

  // Every field but the owner from another column size; any other source changes nothing.
  void Assign(const TPersistent* Source) override;

 private:
  TGridSettingsHost* FOwner;
  bool FSave = false;
  std::string FKey;
  std::string FSection;
  bool FStretch = false;
  int FStretchColumn = -1;
  bool FSynchWithGrid = false;
  bool FSynchNormalCellsOnly = false;
  TColumnSizeLocation FLocation = clRegistry;
  TAutoSizeRows FRows = arAll;
};

}  // namespace hd
