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

void TExtStringGrid::GetCellLook(int ACol, int ARow, TCellLook& Look, bool Print, bool Select, bool Remap) {
  Look.RealCol = Remap ? DisplToRealCol(ACol) : ACol;
  Look.Normal = ACol >= FixedCols() && ARow >= FixedRows();
  Look.Fixed = IsFixed(ACol, ARow) || !Look.Normal;
  PlainCellLook(ACol, ARow, Look, Print);
  SelectionLook(ACol, ARow, Look, Print, Select);
  GetCellWordWrap(Look.RealCol, ARow, Look.WW);
  GetCellAlignment(Look.RealCol, ARow, Look.HA, Look.VA);
}

void TExtStringGrid::ContentLook(int ACol, int ARow, TCellLook& Look) {
  Look.Brush.Color = Look.PlainBrush;
  Look.Font.Color = Look.PlainFont;
  Look.ColorTo = Look.PlainColorTo;
  Look.MirrorColor = Look.PlainMirrorColor;
  Look.MirrorColorTo = Look.PlainMirrorColorTo;
  SelectionLook(ACol, ARow, Look, false, false);
}

void TExtStringGrid::PlainCellLook(int ACol, int ARow, TCellLook& Look, bool Print) {
  const TExtStringGridPrivate& p = *FP;
  TFont& AFont = Look.Font;
  TBrush& ABrush = Look.Brush;
  if (Look.Normal)
    AFont = Print && !p.PrintSettings->UseDisplayFont() ? p.PrintSettings->Font() : Font();
  else
    AFont = Print && !p.PrintSettings->UseDisplayFont() ? p.PrintSettings->FixedFont() : FP->Colors.FFixedFont;
  int rc = Look.RealCol;

  ABrush.Color = clNone;
  Look.ColorTo = Look.MirrorColor = Look.MirrorColorTo = clNone;
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
    Look.WW = props->WordWrap();
    Look.ColorTo = props->BrushColorTo();
    Look.GD = props->GradientDirection();
  }
  if (Look.State.Contains(gdSelected)) Look.GD = GradientVertical;

  if (ABrush.Color == clNone) {
    ABrush.Color = Color();
    const TBands& bands = *p.Bands;
    int fixedCols = FixedCols(), fixedRows = FixedRows();
    int firstRightFixed = TotalColCount() - FP->Layout.FFixedRightCols;
    int footerRow = RowCount() - FP->Layout.FFixedFooters;
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
  if (Look.Fixed && !ownColor) {
    if (!Print) {
      ABrush.Color = FixedColor();
      AFont = FP->Colors.FFixedFont;
      Look.State.Include(gdFixed);
    }
    if (FP->Colors.FLook >= glDAZ) {
      ABrush.Color = FP->Colors.FDAZGradient[fgFrom];
      Look.ColorTo = FP->Colors.FDAZGradient[fgTo];
      Look.MirrorColor = FP->Colors.FDAZGradient[fgMirrorFrom];
      Look.MirrorColorTo = FP->Colors.FDAZGradient[fgMirrorTo];
    }
  }
  if (Print)
    GetCellPrintColor(rc, ARow, Look.State, ABrush, AFont);
  else
    GetCellColor(rc, ARow, Look.State, ABrush, AFont);
  if (OnGetCellGradient) {
    TColor c = ABrush.Color;
    OnGetCellGradient(this, ARow, rc, c, Look.ColorTo, Look.MirrorColor, Look.MirrorColorTo, Look.GD);
    ABrush.Color = c;
  }
  Look.PlainBrush = ABrush.Color;
  Look.PlainFont = AFont.Color;
  Look.PlainColorTo = Look.ColorTo;
  Look.PlainMirrorColor = Look.MirrorColor;
  Look.PlainMirrorColorTo = Look.MirrorColorTo;
}

void TExtStringGrid::SelectionLook(int ACol, int ARow, TCellLook& Look, bool Print, bool Select) {
  const TExtStringGridPrivate& p = *FP;
  TGridDrawState& AState = Look.State;
  auto takeSelection = [&] {
    Look.Brush.Color = Look.Brush.Color == Color()
                           ? FP->Colors.FSelectionColor
                           : MixSelectionColor(FP->Colors.FSelectionColor, Look.Brush.Color, FP->Colors.FSelectionColorMixer,
                                               FP->Colors.FSelectionColorMixerFactor);
    Look.ColorTo = FP->Colors.FSelectionColorTo;
    Look.MirrorColor = FP->Colors.FSelectionMirrorColor;
    Look.MirrorColorTo = FP->Colors.FSelectionMirrorColorTo;
    if (FP->Colors.FSelectionTextColor != clNone) Look.Font.Color = FP->Colors.FSelectionTextColor;
  };
  const TMouseActions& mouse = *p.MouseActions;
  bool pressed = FGridState == gsSelecting;
  bool normal = Look.Normal;
  bool canSelect = !Print && Select && FP->Colors.FShowSelection && !Look.Fixed;
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
    int cc = Look.RealCol;
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
  if (mouse.DisjunctCellSelect() && FP->Colors.FShowSelection && !Print && normal) {
    bool listed = p.SelectedCells->IndexOf(ARow * 65536 + ACol) >= 0;
    if (listed) {
      takeSelection();
      AState.Include(gdSelected);
    } else if (ACol == Col() && ARow == Row()) {
      AState.Exclude(gdSelected);
      Look.Brush.Color = Look.PlainBrush;
      Look.Font.Color = Look.PlainFont;
    }
  }
  if (FP->Colors.FUseDisabledFont && (!Enabled() || (p.UseEnabledRows && !GetRowEnabled(DisplToRealRow(ARow)))))
    Look.Font.Color = FP->Colors.FDisabledFontColor;
  if (AState.Contains(gdSelected) && ARow != Row() && mouse.DisjunctRowSelect() && FP->Colors.FSelectionColorTo == clNone)
    Look.Brush.Color = AdjustBrightness(Look.Brush.Color, 7);
}

}  // namespace hd
