// The string grid's painting: the order of one cell's steps, the text flags per alignment and
// word wrap, check box and glyph geometry per look, and pixel probes of the default look.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/bitmap_resources.h"
#include "platform/recording_canvas.h"
#include "platform/themes.h"

namespace hd {
namespace {

using test::StringGridTest;

// Where a call of an op with a text (or any call of the op, for an empty text) first shows.
int IndexOf(const TRecordingCanvas& canvas, const std::string& op, const std::string& text = "", int from = 0) {
  const auto& calls = canvas.Calls();
  for (int i = from; i < static_cast<int>(calls.size()); ++i)
    if (calls[i].Op == op && (text.empty() || calls[i].Text == text)) return i;
  return -1;
}

const TCanvasCall* FindText(const TRecordingCanvas& canvas, const std::string& text) {
  for (const TCanvasCall& call : canvas.Calls())
    if (call.Op == "DrawText" && call.Text == text) return &call;
  return nullptr;
}

TEST_F(StringGridTest, OneCellPaintsItsStepsInTheirFixedOrder) {
  grid->SetCells(2, 3, "text");
  grid->AddCheckBox(2, 3, cbChecked);
  grid->CellProperties(2, 3)->SetBrushColor(clYellow);
  grid->OnGetCellBorder = [](TObject*, int, int, TPen& pen, TCellBorders& borders) {
    pen.Color = clRed;
    borders = TCellBorders{cbBottom};
  };
  TRecordingCanvas canvas(600, 400);
  // Each event leaves its mark on the canvas, so that its place among the calls shows.
  grid->OnCustomCellBkgDraw = [](TObject*, TCanvas& c, int, int, TGridDrawState, const TRect&, bool) {
    c.TextOut(0, 0, "background event");
  };
  grid->OnDrawCell = [&](TObject*, int, int, const TRect&, TGridDrawState) { canvas.TextOut(0, 0, "draw cell"); };
  grid->OnCustomCellDraw = [](TObject*, TCanvas& c, int, int, TGridDrawState, const TRect&, bool) {
    c.TextOut(0, 0, "custom draw");
  };
  grid->SetRow(3);
  grid->SetCol(2);
  grid->SetFocus();
  kit.Process();
  ASSERT_TRUE(grid->Focused());
  TRect r = grid->CellRect(2, 3);
  canvas.ClearCalls();
  grid->PaintCell(canvas, 2, 3, r, {gdFocused});

  int background = IndexOf(canvas, "TextOut", "background event");
  int text = IndexOf(canvas, "DrawText", "text");
  int border = -1;
  for (int i = text; i >= 0 && i < static_cast<int>(canvas.Calls().size()); ++i)
    if (canvas.Calls()[i].Op == "LineTo" && canvas.Calls()[i].Pen == clRed) {
      border = i;
      break;
    }
  int checkBox = std::max(IndexOf(canvas, "DrawFrameControl"), IndexOf(canvas, "DrawThemedPart"));
  int drawCell = IndexOf(canvas, "TextOut", "draw cell");
  int custom = IndexOf(canvas, "TextOut", "custom draw");
  int focus = IndexOf(canvas, "DrawFocusRect");
  std::vector<int> order{background, text, border, checkBox, drawCell, custom, focus};
  for (int i : order) EXPECT_GE(i, 0) << canvas.Dump();
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << canvas.Dump();
  // The focus rectangle lies one pixel inside the cell's lines.
  EXPECT_EQ(canvas.Calls()[focus].Rect, Rect(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2)) << canvas.Dump();
}

// The cell store's background and the content share one decision of the look: a paint asks
// the colour and gradient events once per cell, and the content keeps what the events gave.
TEST_F(StringGridTest, OnePaintAsksTheCellsLookOnceAndTheTextKeepsIt) {
  struct Case {
    const char* name;
    int col, row;
    TGridDrawState state;
    TColor text;
  };
  const Case cases[] = {
      {"plain cell", 2, 2, {}, clBlue},
      {"selected cell takes the selection's text colour", 2, 3, {gdSelected}, clRed},
      {"fixed cell", 0, 2, {}, clBlue},
  };
  grid->SetSelectionTextColor(clRed);
  grid->SetRow(3);
  grid->SetCol(2);
  int colours = 0, gradients = 0;
  grid->OnGetCellColor = [&](TObject*, int, int, TGridDrawState, TBrush&, TFont& font) {
    ++colours;
    font.Color = clBlue;
  };
  grid->OnGetCellGradient = [&](TObject*, int, int, TColor&, TColor&, TColor&, TColor&, TCellGradientDirection&) {
    ++gradients;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetCells(c.col, c.row, c.name);
    TRecordingCanvas canvas(600, 400);
    colours = gradients = 0;
    grid->PaintCell(canvas, c.col, c.row, grid->CellRect(c.col, c.row), c.state);
    EXPECT_EQ(colours, 1);
    EXPECT_EQ(gradients, 1);
    const TCanvasCall* text = FindText(canvas, c.name);
    ASSERT_NE(text, nullptr) << canvas.Dump();
    EXPECT_EQ(text->FontColor, c.text) << canvas.Dump();
  }
}

// The paint events speak of the real column, and each names the cell in its own order: the
// colour and gradient events row first, the draw events column first. A hidden column makes
// the real column differ from the display column, and row and column differ from each other.
TEST_F(StringGridTest, PaintEventsNameTheRealCellEachInItsOwnOrder) {
  grid->HideColumn(1);
  ASSERT_EQ(grid->RealColIndex(2), 3);
  std::vector<std::string> calls;
  auto note = [&](const std::string& event, const char* first, int a, const char* second, int b) {
    calls.push_back(event + " " + first + std::to_string(a) + " " + second + std::to_string(b));
  };
  grid->OnGetCellColor = [&](TObject*, int row, int col, TGridDrawState, TBrush&, TFont&) {
    note("colour", "row ", row, "col ", col);
  };
  grid->OnGetCellGradient = [&](TObject*, int row, int col, TColor&, TColor&, TColor&, TColor&,
                                TCellGradientDirection&) { note("gradient", "row ", row, "col ", col); };
  grid->OnDrawCell = [&](TObject*, int col, int row, const TRect&, TGridDrawState) {
    note("draw", "col ", col, "row ", row);
  };
  grid->OnCustomCellDraw = [&](TObject*, TCanvas&, int col, int row, TGridDrawState, const TRect&, bool) {
    note("custom draw", "col ", col, "row ", row);
  };
  TRecordingCanvas canvas(600, 400);
  grid->PaintCell(canvas, 2, 4, grid->CellRect(2, 4), {});
  EXPECT_EQ(calls, (std::vector<std::string>{"colour row 4 col 3", "gradient row 4 col 3", "draw col 3 row 4",
                                             "custom draw col 3 row 4"}));
}

// A fixed cell of the current row: its look, the row indicator and the modified marker come
// before the background event and the text; the fixed frame comes after the cell's borders.
TEST_F(StringGridTest, FixedCellPaintsItsLookIndicatorMarkerAndFrameInOrder) {
  grid->SetLook(glXP);
  TGridOptions options = grid->Options();
  options.Include(goFixedHorzLine);
  grid->SetOptions(options);
  grid->SetCells(0, 3, "3");
  TBitmap indicator(6, 6);
  indicator.Canvas().Brush().Color = clBlue;
  indicator.Canvas().FillRect(Rect(0, 0, 6, 6));
  grid->SetRowIndicator(indicator);
  grid->ShowModified().SetEnabled(true);
  grid->ShowModified().SetColor(clLime);
  grid->SetRowModified(3, true);
  grid->OnGetCellBorder = [](TObject*, int, int, TPen& pen, TCellBorders& borders) {
    pen.Color = clRed;
    borders = TCellBorders{cbBottom};
  };
  grid->OnCustomCellBkgDraw = [](TObject*, TCanvas& c, int, int, TGridDrawState, const TRect&, bool) {
    c.TextOut(0, 0, "background event");
  };
  grid->SetRow(3);
  TRecordingCanvas canvas(600, 400);
  const TRect r = grid->CellRect(0, 3);
  canvas.ClearCalls();
  grid->PaintCell(canvas, 0, 3, r, {gdFixed});

  const auto& calls = canvas.Calls();
  auto first = [&](auto&& pred) {
    for (int i = 0; i < static_cast<int>(calls.size()); ++i)
      if (pred(calls[i])) return i;
    return -1;
  };
  // The cell store's background runs over the whole cell; the look's gradient stops at the
  // content's right edge, one pixel short.
  TRect content = Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 2);
  int look = first([&](const TCanvasCall& c) {
    return c.Op == "Rectangle" && c.Brush == grid->DAZGradientFrom() && c.Rect.Right == content.Right;
  });
  int row = first([](const TCanvasCall& c) { return c.Op == "Draw"; });
  int marker = first([](const TCanvasCall& c) { return c.Op == "FillRect" && c.Brush == clLime; });
  int background = IndexOf(canvas, "TextOut", "background event");
  int text = IndexOf(canvas, "DrawText", "3");
  int border = first([](const TCanvasCall& c) { return c.Op == "LineTo" && c.Pen == clRed; });
  int frame = first([](const TCanvasCall& c) { return c.Op == "LineTo" && c.Pen == clWhite; });
  std::vector<int> order{look, row, marker, background, text, border, frame};
  for (int i : order) EXPECT_GE(i, 0) << canvas.Dump();
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << canvas.Dump();
  // The indicator sits 2 pixels in; the marker is a bar 4 wide at the right; the text starts
  // after the indicator's room.
  if (row >= 0) {
    EXPECT_EQ(calls[row].Rect.Left, content.Left + 2);
  }
  if (marker >= 0) {
    EXPECT_EQ(calls[marker].Rect, Rect(content.Right - 4, content.Top, content.Right, content.Bottom));
  }
  if (text >= 0) {
    EXPECT_GE(calls[text].Rect.Left, content.Left + 2 + 6 + 2);
  }
}

// Without a selection colour a selected cell shows the system's highlight, but the focused
// cell keeps its own brush; a progress bar shows the brush in the frame around it.
TEST_F(StringGridTest, WithoutASelectionColourTheFocusedCellKeepsItsBrush) {
  struct Case {
    const char* name;
    TGridDrawState state;
    TColor frame;
  };
  const Case cases[] = {
      {"focused in the selection", {gdSelected, gdFocused}, clYellow},
      {"selected only", {gdSelected}, ColorToRGB(clHighlight)},
  };
  grid->CreateCellGraphic(2, 2)->SetCellType(ctProgress);
  grid->CellProperties(2, 2)->SetBrushColor(clYellow);
  grid->SetCells(2, 2, "40");
  grid->SetSelectionColor(clNone);
  grid->SelectCells(2, 2, 3, 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRecordingCanvas canvas(600, 400);
    grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), c.state);
    auto frames = canvas.CallsOf("FrameRect");
    ASSERT_FALSE(frames.empty()) << canvas.Dump();
    EXPECT_EQ(ColorToRGB(frames.back().Brush), ColorToRGB(c.frame)) << canvas.Dump();
  }
}

TEST_F(StringGridTest, FocusRectangleNeedsTheFocusAndNoRowSelection) {
  grid->SetRow(2);
  grid->SetCol(2);
  struct Case {
    const char* name;
    bool focus, rowSelect, hide;
    bool drawn;
  };
  const Case cases[] = {
      {"focused", true, false, false, true},
      {"row selection", true, true, false, false},
      {"HideFocusRect", true, false, true, false},
      {"no focus", false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.focus)
      grid->SetFocus();
    else
      form->SetFocusedControl(nullptr);
    kit.Process();
    TGridOptions options = grid->Options();
    if (c.rowSelect)
      options.Include(goRowSelect);
    else
      options.Exclude(goRowSelect);
    grid->SetOptions(options);
    grid->SetHideFocusRect(c.hide);
    TRecordingCanvas canvas(600, 400);
    grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
    EXPECT_EQ(IndexOf(canvas, "DrawFocusRect") >= 0, c.drawn) << canvas.Dump();
  }
}

TEST_F(StringGridTest, TextFlagsFollowAlignmentWordWrapAndLines) {
  struct Case {
    const char* name;
    TAlignment ha;
    TVAlignment va;
    bool wordWrap, multiLine, enhTextSize;
    std::string text, drawn;
    unsigned flags;
  };
  const unsigned common = DT_EXPANDTABS | DT_NOPREFIX;
  const Case cases[] = {
      {"left top single line", taLeftJustify, vtaTop, false, false, false, "abc", "abc", common | DT_SINGLELINE},
      {"right centre", taRightJustify, vtaCenter, false, false, false, "abc", "abc",
       common | DT_SINGLELINE | DT_RIGHT | DT_VCENTER},
      {"centre bottom", taCenter, vtaBottom, false, false, false, "abc", "abc",
       common | DT_SINGLELINE | DT_CENTER | DT_BOTTOM},
      {"one line with ellipsis", taLeftJustify, vtaTop, false, false, true, "abc", "abc",
       common | DT_SINGLELINE | DT_END_ELLIPSIS},
      {"word wrap", taLeftJustify, vtaTop, true, false, false, "a b", "a b", common | DT_EDITCONTROL | DT_WORDBREAK},
      {"word wrap with ellipsis", taLeftJustify, vtaTop, true, false, true, "a b", "a b",
       common | DT_EDITCONTROL | DT_WORDBREAK | DT_END_ELLIPSIS},
      {"line breaks without multiline keep the first line", taLeftJustify, vtaTop, false, false, false, "one\r\ntwo",
       "one", common | DT_SINGLELINE},
      {"multiline cells keep the lines", taLeftJustify, vtaTop, false, true, false, "one\r\ntwo", "one\r\ntwo",
       common | DT_EDITCONTROL | DT_WORDBREAK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetCells(2, 2, c.text);
    grid->SetDefaultAlignment(c.ha);
    grid->SetVAlignment(c.va);
    grid->SetWordWrap(c.wordWrap);
    grid->SetMultilinecells(c.multiLine);
    grid->SetEnhTextSize(c.enhTextSize);
    TRecordingCanvas canvas(600, 400);
    grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
    const TCanvasCall* call = FindText(canvas, c.drawn);
    ASSERT_NE(call, nullptr) << canvas.Dump();
    EXPECT_EQ(call->Flags, c.flags);
    // The text starts XYOffset inside the content rectangle (inside the grid lines).
    TRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(call->Rect.Left, cell.Left + 1 + grid->XYOffset().X);
    EXPECT_EQ(call->Rect.Top, cell.Top + 1 + grid->XYOffset().Y);
  }
}

TEST_F(StringGridTest, CheckBoxGeometryAndStatePerControlLook) {
  struct Case {
    const char* name;
    TControlLookStyle style;
    bool themes;
    bool checked, enabled;
    std::string op;
    unsigned flags;  // frame-control state or theme state
  };
  const Case cases[] = {
      {"classic checked", csClassic, false, true, true, "DrawFrameControl", DFCS_BUTTONCHECK | DFCS_CHECKED},
      {"classic unchecked, read-only", csClassic, false, false, false, "DrawFrameControl",
       DFCS_BUTTONCHECK | DFCS_INACTIVE},
      {"flat", csFlat, false, true, true, "DrawFrameControl", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT},
      {"theme without themes is classic", csTheme, false, true, true, "DrawFrameControl",
       DFCS_BUTTONCHECK | DFCS_CHECKED},
      {"theme checked", csTheme, true, true, true, "DrawThemedPart", CBS_CHECKEDNORMAL},
      {"theme unchecked disabled", csTheme, true, false, false, "DrawThemedPart", CBS_UNCHECKEDDISABLED},
  };
  grid->SetCells(2, 2, "Y");
  grid->SetDefaultAlignment(taLeftJustify);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetThemesActive(c.themes);
    grid->ControlLook().SetControlStyle(c.style);
    grid->AddCheckBox(2, 2, c.checked ? cbChecked : cbUnchecked);
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SetReadOnly(2, 2, !c.enabled);
    TRecordingCanvas canvas(600, 400);
    grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
    int i = IndexOf(canvas, c.op);
    ASSERT_GE(i, 0) << canvas.Dump();
    const TCanvasCall& call = canvas.Calls()[i];
    // A themed part logs its element and state as its point.
    EXPECT_EQ(c.op == "DrawThemedPart" ? static_cast<unsigned>(call.Points.at(0).Y) : call.Flags, c.flags);
    // A CheckSize square, left-aligned: R.left + 1 after the XYOffset inset of the graphic.
    TRect cell = grid->CellRect(2, 2);
    int left = cell.Left + 1 + (grid->XYOffset().X - 1) + 1;
    int top = cell.Top + 1 + (grid->XYOffset().Y - 1) + 1;
    EXPECT_EQ(call.Rect, Rect(left, top, left + 15, top + 15));
  }
  SetThemesActive(true);
}

// A data check box shows no text, yet stands where the cell's alignment puts it (the table
// windows centre their Y/N columns so).
TEST_F(StringGridTest, DataCheckBoxWithoutTextFollowsTheCellAlignment) {
  struct Case {
    const char* name;
    TAlignment align;
    int left;  // of the 15-pixel box in a cell 64 wide, whose graphic area lies 2 pixels inside
  };
  const Case cases[] = {
      {"left", taLeftJustify, 3},
      {"centre", taCenter, 2 + (60 - 15) / 2},
      {"right", taRightJustify, 64 - 2 - 1 - 15},
  };
  grid->ControlLook().SetControlStyle(csClassic);
  grid->SetColWidths(2, 64);
  grid->SetCells(2, 2, "Y");
  grid->AddCheckBox(2, 2, true, true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->CellProperties(2, 2)->SetAlignment(c.align);
    TRecordingCanvas canvas(600, 400);
    grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
    int i = IndexOf(canvas, "DrawFrameControl");
    ASSERT_GE(i, 0) << canvas.Dump();
    const TRect cell = grid->CellRect(2, 2);
    ASSERT_EQ(cell.Width(), 64);
    EXPECT_EQ(canvas.Calls()[i].Rect, Rect(cell.Left + c.left, cell.Top + 3, cell.Left + c.left + 15, cell.Top + 18));
  }
}

TEST_F(StringGridTest, BitmapCheckBoxLooksPickTheirPictureAndBevelDrawsItsMark) {
  TRecordingCanvas canvas(100, 100);
  grid->ControlLook().SetColor(clRed);
  canvas.ClearCalls();
  grid->DrawCheckBox(canvas, Rect(10, 10, 40, 40), true, cbUnchecked, false, csWinXP, false, true);
  grid->DrawCheckBox(canvas, Rect(10, 10, 40, 40), false, cbUnchecked, false, csDAZ, false, false);
  auto draws = canvas.CallsOf("Draw");
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].Rect.Left, 10);
  EXPECT_EQ(draws[0].Rect.Top, 10);
  // The picture drawn is the named one: checked XP and unchecked disabled soft.
  EXPECT_EQ(canvas.Pixel(17, 17), BitmapResource("ESGCHK04").Canvas().Pixel(7, 7));

  TRecordingCanvas bevel(100, 100);
  grid->DrawCheckBox(bevel, Rect(10, 10, 25, 25), true, cbUnchecked, false, csBevel, false, true);
  std::vector<TCanvasCall> lines;
  for (const TCanvasCall& call : bevel.CallsOf("LineTo"))
    if (call.Pen == clRed) lines.push_back(call);
  ASSERT_EQ(lines.size(), 4u) << bevel.Dump();
  // s = CheckSize div 2 = 7: the mark's first stroke runs from (left + 2, top + s) down.
  EXPECT_EQ(lines[0].Points.back(), (TPoint{12, 23}));
  EXPECT_EQ(lines[2].Points.back(), (TPoint{23, 12}));
  EXPECT_EQ(lines[3].Points.back(), (TPoint{24, 12}));
}

TEST_F(StringGridTest, SortGlyphOutlinePerDirection) {
  struct Case {
    const char* name;
    TSortDirection direction;
    std::vector<TPoint> ends;  // the LineTo ends in order
  };
  const Case cases[] = {
      {"ascending", sdAscending, {{54, 54}, {50, 46}, {46, 54}}},
      {"descending", sdDescending, {{50, 54}, {46, 46}, {54, 46}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SortSettings().SetDirection(c.direction);
    TRecordingCanvas canvas(100, 100);
    grid->DrawSortGlyph(canvas, 1, 50, 50);
    auto lines = canvas.CallsOf("LineTo");
    ASSERT_EQ(lines.size(), c.ends.size()) << canvas.Dump();
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].Points.back(), c.ends[i]) << i;
    EXPECT_EQ(canvas.Pen().Color, clBlack);
  }
}

TEST_F(StringGridTest, RotatedCellTurnsItsTextAboutTheCentreInsteadOfTheTextStep) {
  grid->SetCells(2, 2, "up");
  grid->CreateCellGraphic(2, 2)->SetAngle(90);
  TRecordingCanvas canvas(600, 400);
  grid->PaintCell(canvas, 2, 2, grid->CellRect(2, 2), {});
  EXPECT_EQ(FindText(canvas, "up"), nullptr) << "no plain text";
  auto outs = canvas.CallsOf("TextOut");
  ASSERT_EQ(outs.size(), 1u) << canvas.Dump();
  EXPECT_EQ(outs[0].Text, "up");
  // Turned a quarter, the text runs upwards: it starts below the centre, left of it by half
  // a line.
  TRect r = grid->CellRect(2, 2);
  EXPECT_LT(outs[0].Rect.Left, (r.Left + r.Right) / 2);
  EXPECT_GT(outs[0].Rect.Top, (r.Top + r.Bottom) / 2);
}

TEST_F(StringGridTest, AutoRangeScrollBarFollowsTheCellText) {
  TCellGraphic* bar = grid->CreateCellGraphic(2, 2);
  bar->SetCellType(ctScrollbar);
  bar->SetCellBoolean(true);
  grid->SetCells(2, 2, "one");
  int oneLine = bar->CellErrFrom();
  grid->SetCells(2, 2, "one two three four five six seven eight nine ten eleven twelve");
  EXPECT_GT(bar->CellErrFrom(), oneLine);
  EXPECT_EQ(bar->CellAngle(), grid->RowHeights(2));
}

TEST_F(StringGridTest, RadioGroupPlacesItsRadiosAndChecksByIndexOrCellText) {
  TStringList items;
  items.Add("one");
  items.Add("two");
  grid->SetCells(2, 2, "two");
  const TRect r = Rect(100, 100, 200, 160);
  {
    SCOPED_TRACE("classic, vertical, index -1 follows the cell text");
    TRecordingCanvas canvas(400, 300);
    int t = canvas.TextHeight("gh");
    grid->DrawRadioGroup(canvas, r, false, 1.0, csClassic, 2, 2, false, &items, false, false, -1, 2);
    auto frames = canvas.CallsOf("DrawFrameControl");
    ASSERT_EQ(frames.size(), 2u) << canvas.Dump();
    EXPECT_EQ(frames[0].Rect, Rect(102, 102, 112, 112));
    EXPECT_EQ(frames[1].Rect, Rect(102, 102 + t, 112, 112 + t));
    EXPECT_EQ(frames[0].Flags & DFCS_CHECKED, 0u);
    EXPECT_EQ(frames[1].Flags & DFCS_CHECKED, DFCS_CHECKED);
    auto texts = canvas.CallsOf("TextOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Rect.Left, 102 + 14);
    EXPECT_EQ(texts[0].Rect.Top, 100);
  }
  {
    SCOPED_TRACE("bevel, horizontal, index 0, disabled look dropped");
    grid->ControlLook().SetRadioAlwaysActive(true);
    grid->ControlLook().SetColor(clRed);
    TRecordingCanvas canvas(400, 300);
    grid->DrawRadioGroup(canvas, r, false, 1.0, csBevel, 2, 2, false, &items, true, true, 0, 2);
    auto polygons = canvas.CallsOf("Polygon");
    ASSERT_EQ(polygons.size(), 3u) << canvas.Dump();  // two diamonds and the checked dot
    // Radio 1 at x = R.left + 16 - 14, vertically centred for 16.
    const int x = 102, y = 100 + (60 - 16) / 2;
    EXPECT_EQ(polygons[0].Points, (std::vector<TPoint>{{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}, {x + 8, y + 14}}));
    EXPECT_EQ(polygons[1].Brush, clRed) << "the dot of the checked radio";
  }
  {
    SCOPED_TRACE("no items, nothing drawn");
    TRecordingCanvas canvas(400, 300);
    grid->DrawRadioGroup(canvas, r, false, 1.0, csClassic, 2, 2, false, &items, false, false, 0, 0);
    EXPECT_TRUE(canvas.Calls().empty());
  }
}

}  // namespace
}  // namespace hd
