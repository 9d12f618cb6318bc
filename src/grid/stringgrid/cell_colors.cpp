// The decision of a cell's brush, gradient, font, alignment and word wrap: the grid's defaults,
// the cell's own properties, banding, fixed colours and the look, then the overridable queries
// and events, and last the selection.
#include <algorithm>
#include <cmath>

#include "grid/foundation/draw_utils.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Kinds whose own brush colour keeps the cell out of the banding, fixed colour and look.
bool OwnBrushKind(TCellType t) { return t == ctNone || t == ctRotated || t == ctEmpty; }

}  // namespace

TColor TExtStringGrid::BlendColors(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent < 1 || Color1 == clNone) return Color2;
  if (Color2 == clNone) return Color1;
  TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
  double p = Percent / 100.0;
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    double v = p * ((c1 >> shift) & 0xFF) + (1 - p) * ((c2 >> shift) & 0xFF);
    // Halves go to the even neighbour.
    auto channel = static_cast<TColor>(std::min(255.0, std::nearbyint(v)));
    result |= channel << shift;
  }
  return result;
}

TColor TExtStringGrid::MixSelectionColor(TColor SelectionColor, TColor CellColor, bool Mixer, int Factor) {
  return Mixer ? BlendColors(SelectionColor, CellColor, Factor) : SelectionColor;
}

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD) {
  const TExtStringGridPrivate& p = *FP;
  int fixedCols = FixedCols(), fixedRows = FixedRows();
  bool normal = ACol >= fixedCols && ARow >= fixedRows;
  if (normal)
    AFont = Print && !p.PrintSettings->UseDisplayFont() ? p.PrintSettings->Font() : Font();
  else
    AFont = Print && !p.PrintSettings->UseDisplayFont() ? p.PrintSettings->FixedFont() : FFixedFont;
  int rc = Remap ? DisplToRealCol(ACol) : ACol;

  ABrush.Color = clNone;
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  bool ownColor = false;
  if (const TCellProperties* props = FindCellProperties(rc, ARow)) {
    TCellType type = GetCellType(rc, ARow);
    if (OwnBrushKind(type)) {
      if (props->BrushColor() != clNone) {
        ABrush.Color = props->BrushColor();
        ownColor = true;
      }
    } else {
      ABrush.Color = props->BrushColor();
    }
    if (props->FontColor() != clNone) AFont.Color = props->FontColor();
    if (!props->FontStyle().Empty()) AFont.Style = props->FontStyle();
    if (props->FontSize() != 0) AFont.Size = props->FontSize();
    if (!props->FontName().empty()) AFont.Name = props->FontName();
    WW = props->WordWrap();
    AColorTo = props->BrushColorTo();
    GD = props->GradientDirection();
  }
  if (AState.Contains(gdSelected)) GD = GradientVertical;

  if (ABrush.Color == clNone) {
    ABrush.Color = Color();
    const TBands& bands = *p.Bands;
    int firstRightFixed = TotalColCount() - FFixedRightCols;
    int footerRow = RowCount() - FFixedFooters;
    bool bandArea = ACol >= fixedCols && rc < firstRightFixed && ARow >= fixedRows && ARow < footerRow;
    if (bands.Active() && (!Print || bands.Print())) {
      if (bandArea) {
        if (bands.TotalLength() > 0)
          ABrush.Color = (ARow - fixedRows) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                                         : bands.SecondaryColor();
      } else {
        ABrush.Color = FixedColor();
      }
    }
  }
  bool fixed = IsFixed(ACol, ARow) || !normal;
  if (fixed && !ownColor) {
    if (!Print) {
      ABrush.Color = FixedColor();
      AFont = FFixedFont;
      AState.Include(gdFixed);
    }
    if (FLook >= glDAZ) {
      ABrush.Color = FDAZGradient[fgFrom];
      AColorTo = FDAZGradient[fgTo];
      AMirrorColor = FDAZGradient[fgMirrorFrom];
      AMirrorColorTo = FDAZGradient[fgMirrorTo];
    }
  }
  if (Print)
    GetCellPrintColor(rc, ARow, AState, ABrush, AFont);
  else
    GetCellColor(rc, ARow, AState, ABrush, AFont);
  if (OnGetCellGradient) {
    TColor c = ABrush.Color;
    OnGetCellGradient(this, ARow, rc, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush.Color = c;
  }
  TColor plainBrush = ABrush.Color, plainFont = AFont.Color;

  auto takeSelection = [&] {
    ABrush.Color = ABrush.Color == Color()
                       ? FSelectionColor
                       : MixSelectionColor(FSelectionColor, ABrush.Color, FSelectionColorMixer,
                                           FSelectionColorMixerFactor);
    AColorTo = FSelectionColorTo;
    AMirrorColor = FSelectionMirrorColor;
    AMirrorColorTo = FSelectionMirrorColorTo;
    if (FSelectionTextColor != clNone) AFont.Color = FSelectionTextColor;
  };
  const TMouseActions& mouse = *p.MouseActions;
  bool pressed = FGridState == gsSelecting;
  bool canSelect = !Print && Select && FShowSelection && !fixed;
  if (canSelect && normal && mouse.DisjunctRowSelect()) {
    int rr = mouse.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
    bool marked = RowSelectMark(rr), drawn = AState.Contains(gdSelected);
    bool selected = !pressed ? marked : (ARow == Row() ? !marked && drawn : marked || drawn);
    if (selected) {
      AState = {gdSelected};
      takeSelection();
    } else {
      AState.Exclude(gdSelected);
    }
  } else if (canSelect && normal && mouse.DisjunctColSelect()) {
    int cc = rc;
    bool marked = cc < p.ColSelect->Count() && p.ColSelect->Items(cc) != 0;
    if ((marked && !(pressed && ACol == Col())) || (pressed && AState.Contains(gdSelected) && !marked)) {
      AState = {gdSelected};
      takeSelection();
    }
  } else if (canSelect && !mouse.DisjunctCellSelect() &&
             (IsSelected(ACol, ARow) || (pressed && AState.Contains(gdSelected)))) {
    takeSelection();
    AState.Include(gdSelected);
  }
  if (mouse.DisjunctCellSelect() && FShowSelection && !Print && normal) {
    bool listed = p.SelectedCells->IndexOf(ARow * 65536 + ACol) >= 0;
    if (listed) {
      takeSelection();
      AState.Include(gdSelected);
    } else if (ACol == Col() && ARow == Row()) {
      AState.Exclude(gdSelected);
      ABrush.Color = plainBrush;
      AFont.Color = plainFont;
    }
  }
  if (FUseDisabledFont && (!Enabled() || (p.UseEnabledRows && !GetRowEnabled(DisplToRealRow(ARow)))))
    AFont.Color = FDisabledFontColor;
  if (AState.Contains(gdSelected) && ARow != Row() && mouse.DisjunctRowSelect() && FSelectionColorTo == clNone)
    ABrush.Color = AdjustBrightness(ABrush.Color, 7);
  GetCellWordWrap(rc, ARow, WW);
  GetCellAlignment(rc, ARow, HA, VA);
}

}  // namespace hd
