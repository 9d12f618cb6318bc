// A grid stand-in that records what the settings objects ask of it, and a table check of
// default values.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "grid/foundation/lists.h"
#include "grid/stringgrid/grid_settings_host.h"

namespace hd {

class RecordingHost : public TGridSettingsHost {
 public:
  // What the grid was asked, in order ("InvalidateGrid", "RepaintRow 0", ...).
  std::vector<std::string> calls;
  int fixed_rows = 1;
  bool designing = false;
  bool has_parent = true;
  TSortIndexList sort_indexes;

  std::vector<std::string> Take() {
    std::vector<std::string> out;
    out.swap(calls);
    return out;
  }

  void InvalidateGrid() override { Log("InvalidateGrid"); }
  void RepaintRow(int ARow) override { Log("RepaintRow", ARow); }
  void RepaintCell(int ACol, int ARow) override { Log("RepaintCell", ACol, ARow); }
  int FixedRows() const override { return fixed_rows; }
  bool IsDesigning() const override { return designing; }
  bool HasParent() const override { return has_parent; }
  void StretchColumn(int ACol) override { Log("StretchColumn", ACol); }
  void SetDAZGradientColor(TFixedGradientColor Which, TColor Value) override { Log("SetDAZGradientColor", Which, Value); }
  void SetFixedFooters(int Value) override { Log("SetFixedFooters", Value); }
  void SetHideLastRow(bool Value) override { Log("SetHideLastRow", Value); }
  void SetFooterPanelHeight(int Value) override { Log("SetFooterPanelHeight", Value); }
  void SetFooterPanelVisible(bool Value) override { Log("SetFooterPanelVisible", Value); }
  void SetFooterPanelShowHint(bool Value) override { Log("SetFooterPanelShowHint", Value); }
  void UpdateFooter() override { Log("UpdateFooter"); }
  void ApplyOleDropTarget(bool Value) override { Log("ApplyOleDropTarget", Value); }
  void SetRTFDropEnabled(bool Value) override { Log("SetRTFDropEnabled", Value); }
  TSortIndexList& SortIndexes() override { return sort_indexes; }

 private:
  template <class... Args>
  void Log(const std::string& name, Args... args) {
    std::string s = name;
    ((s += " " + std::to_string(static_cast<long long>(args))), ...);
    calls.push_back(s);
  }
};

// Any value of a setting as a comparable text.
template <class T>
std::string ShowValue(const T& v) {
  if constexpr (std::is_convertible_v<T, std::string>)
    return "\"" + std::string(v) + "\"";
  else
    return std::to_string(static_cast<long long>(v));
}

struct DefaultCase {
  std::string name, actual, expected;
};

// One row of a defaults table, named after the expression read.
#define HD_DEFAULT(expr, expected) \
  ::hd::DefaultCase { #expr, ::hd::ShowValue(expr), ::hd::ShowValue(expected) }

inline void ExpectDefaults(const std::vector<DefaultCase>& cases) {
  for (const DefaultCase& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

}  // namespace hd
