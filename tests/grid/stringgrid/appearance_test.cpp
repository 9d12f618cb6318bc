// What the appearance setters repaint, seen in the update region of the paint cycle; the
// selection's picture on a form of its own; and the panel a designed grid shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/no_active_form.h"
#include "platform/ext_ctrls.h"
#include "platform/recording_canvas.h"
#include "string_grid_fixture.h"

namespace hd {
namespace {

using test::StringGridTest;

TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

TEST_F(StringGridTest, AppearanceSettersRepaintWhatShowsTheirValue) {
  int paints = 0;
  grid->OnPainted = [&](TObject*) { ++paints; };
  TBitmap indicator(8, 8);
  TBackGround background(nullptr);
  background.SetColor(clYellow);
  TFont bold = grid->ActiveCellFont();
  bold.Style = {fsBold};
  const std::vector<TGridCoord> all{{0, 0}, {1, 1}, {4, 9}};
  struct Case {
    const char* Name;
    std::function<void()> Prepare;
    std::function<void()> Set;
    std::vector<TGridCoord> Repainted;  // empty: nothing waits to be painted
    std::vector<TGridCoord> Kept;
  };
  const std::vector<Case> cases{
      {"GridImages", [] {}, [&] { grid->SetGridImages(nullptr); }, {}, all},
      {"URLColor while links are not shown", [&] { grid->SetURLShow(false); }, [&] { grid->SetURLColor(clRed); }, {}, all},
      {"URLColor while links are shown", [&] { grid->SetURLShow(true); }, [&] { grid->SetURLColor(clGreen); }, all, {}},
      {"URLColor unchanged", [] {}, [&] { grid->SetURLColor(clGreen); }, {}, all},
      {"URLFull while links are not shown", [&] { grid->SetURLShow(false); }, [&] { grid->SetURLFull(true); }, {}, all},
      {"URLFull while links are shown", [&] { grid->SetURLShow(true); }, [&] { grid->SetURLFull(false); }, all, {}},
      {"URLShowInText", [] {}, [&] { grid->SetURLShowInText(true); }, all, {}},
      {"ShowDesignHelper unchanged", [] {}, [&] { grid->SetShowDesignHelper(true); }, {}, all},
      {"ShowDesignHelper", [] {}, [&] { grid->SetShowDesignHelper(false); }, all, {}},
      {"Hovering", [] {}, [&] { grid->SetHovering(true); }, {}, all},
      {"UpdateXYOffset", [] {}, [&] { grid->UpdateXYOffset(5, 3); }, {}, all},
      {"XYOffset", [] {}, [&] { grid->SetXYOffset(TPoint{2, 2}); }, all, {}},
      {"HighlightColor", [] {}, [&] { grid->SetHighlightColor(clLime); }, all, {}},
      {"HighlightColor unchanged", [] {}, [&] { grid->SetHighlightColor(clLime); }, {}, all},
      {"HighlightTextColor", [] {}, [&] { grid->SetHighlightTextColor(clNavy); }, all, {}},
      {"ActiveCellColor", [] {}, [&] { grid->SetActiveCellColor(clAqua); }, all, {}},
      {"ActiveCellFont", [] {}, [&] { grid->SetActiveCellFont(bold); }, all, {}},
      {"BackGround", [] {}, [&] { grid->SetBackGround(background); }, all, {}},
      {"RowIndicator", [&] { grid->FocusCell(2, 4); }, [&] { grid->SetRowIndicator(indicator); }, {{0, 4}},
       {{1, 4}, {0, 5}, {3, 8}}},
      {"Selection with ActiveCellShow",
       [&] {
         grid->SetActiveCellShow(true);
         grid->SetSelection(TGridRect{1, 1, 1, 1});
       },
       [&] { grid->SetSelection(TGridRect{3, 6, 3, 6}); }, {{4, 0}, {0, 9}, {3, 6}, {1, 1}}, {{2, 8}}},
      {"Selection with ActiveRowShow",
       [&] {
         grid->SetActiveCellShow(false);
         grid->SetActiveRowShow(true);
         grid->SetSelection(TGridRect{1, 1, 1, 1});
       },
       [&] { grid->SetSelection(TGridRect{2, 7, 2, 7}); }, {{4, 7}, {2, 7}}, {{4, 0}, {0, 3}, {2, 8}}},
  };
  auto waits = [&](TGridCoord c) {
    TPoint at = Center(grid->CellRect(c.X, c.Y));
    return grid->UpdateRegion().Contains(at.X, at.Y);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Prepare();
    grid->Update();
    ASSERT_TRUE(grid->UpdateRegion().IsEmpty());
    paints = 0;
    c.Set();
    for (TGridCoord cell : c.Repainted) EXPECT_TRUE(waits(cell)) << "cell " << cell.X << ", " << cell.Y;
    for (TGridCoord cell : c.Kept) EXPECT_FALSE(waits(cell)) << "cell " << cell.X << ", " << cell.Y;
    if (c.Repainted.empty()) {
      EXPECT_TRUE(grid->UpdateRegion().IsEmpty());
    }
    grid->Update();
    EXPECT_EQ(paints, c.Repainted.empty() ? 0 : 1);
  }
  EXPECT_EQ(grid->XYOffset(), (TPoint{2, 2}));
  EXPECT_EQ(grid->BackGround().Color(), clYellow);
  EXPECT_TRUE(grid->Hovering());
}

TEST_F(StringGridTest, SelectionPictureCopiesTheCellsWhicheverCornersAreNamed) {
  grid->SetColors(2, 2, clRed);
  kit.Process();
  TBitmap shown(grid->Width(), grid->Height());
  grid->PaintTo(shown.Canvas());
  const TRect first = grid->CellRect(1, 1), second = grid->CellRect(2, 2);
  const int W = second.Right - first.Left + 1, H = second.Bottom - first.Top + 1;
  for (TGridRect corners : {TGridRect{1, 1, 2, 2}, TGridRect{2, 2, 1, 1}, TGridRect{2, 1, 1, 2}, TGridRect{1, 2, 2, 1}}) {
    SCOPED_TRACE(testing::Message() << corners.Left << "," << corners.Top << " to " << corners.Right << ","
                                    << corners.Bottom);
    TNoActiveForm* form = grid->SelectionToForm(corners);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Owner(), grid);
    EXPECT_FALSE(form->Visible()) << "the caller moves and shows it";
    EXPECT_EQ(form->Width(), W);
    EXPECT_EQ(form->Height(), H);
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(form->FormStyle(), fsStayOnTop);
    EXPECT_TRUE(form->AlphaBlend());
    EXPECT_EQ(form->AlphaBlendValue(), 192);
    ASSERT_EQ(form->ControlCount(), 1);
    auto* image = dynamic_cast<TImage*>(form->Controls(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Align(), alClient);
    const TBitmap& picture = image->Picture().Bitmap();
    ASSERT_EQ(picture.Width(), W);
    ASSERT_EQ(picture.Height(), H);
    for (TPoint at : {TPoint{3, 3}, TPoint{W - 4, H - 4}, TPoint{W / 2, 2}})
      EXPECT_EQ(picture.ScanLine(at.Y)[at.X] & 0xFFFFFFu, shown.ScanLine(first.Top + 1 + at.Y)[first.Left + 1 + at.X] & 0xFFFFFFu)
          << at.X << ", " << at.Y;
    delete form;
  }
}

TEST_F(StringGridTest, SelectionPictureFromTheFixedCellsRedrawsTheirEdgeLines) {
  TGridOptions options = grid->Options();
  grid->SetOptions(options.Include(goFixedHorzLine).Include(goFixedVertLine));
  grid->SetGridFixedLineColor(clRed);
  std::unique_ptr<TNoActiveForm> form(grid->SelectionToForm(TGridRect{0, 0, 1, 1}));
  auto* image = dynamic_cast<TImage*>(form->Controls(0));
  ASSERT_NE(image, nullptr);
  const TBitmap& picture = image->Picture().Bitmap();
  EXPECT_EQ(picture.ScanLine(picture.Height() / 2)[0] & 0xFFFFFFu, static_cast<std::uint32_t>(clRed));
  EXPECT_EQ(picture.ScanLine(0)[picture.Width() / 2] & 0xFFFFFFu, static_cast<std::uint32_t>(clRed));
}

// A grid in the designer's hands: the state the program itself never has.
class TDesignedGrid : public test::TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  bool designing = true;
  bool IsDesigning() const override { return designing; }
};

class DesignPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(600, 400);
    grid = New<TDesignedGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 600, 400);
    form->Show();
    kit.Process();
    TCanvas& c = grid->Canvas();
    TFont saved = c.Font();
    c.Font().Name = "Tahoma";
    c.Font().Size = 8;
    h = c.TextHeight("gh");
    c.Font() = saved;
    right = grid->ClientWidth();
    top = grid->ClientHeight() - (4 * h + 18);
  }
  void TearDown() override { form.reset(); }

  // A point inside the panel's entry (1 to 4).
  TPoint EntryPoint(int entry) const {
    if (entry == 4) return {right - 8, top + 8};
    return {right - 145, top + entry * (h + 2) + 4 + (h + 2) / 2};
  }
  std::vector<std::string> PaintedTexts() {
    TRecordingCanvas rec(grid->Width(), grid->Height());
    grid->PaintTo(rec);
    std::vector<std::string> texts;
    for (const TCanvasCall& call : rec.Calls())
      if (!call.Text.empty()) texts.push_back(call.Text);
    return texts;
  }
  static bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  test::TGuiKit kit;
  std::unique_ptr<TForm> form;
  TDesignedGrid* grid = nullptr;
  int h = 0, right = 0, top = 0;
};

TEST_F(DesignPanelTest, PanelShowsOnlyWhileDesignedAndAnswersForItsEntries) {
  std::vector<std::string> texts = PaintedTexts();
  EXPECT_TRUE(Has(texts, "Quick config [v" + grid->Version() + "]"));
  EXPECT_TRUE(Has(texts, "Allow edit"));
  EXPECT_TRUE(Has(texts, "Column numbers"));
  EXPECT_TRUE(Has(texts, "Set look: Windows XP"));
  for (int entry = 1; entry <= 4; ++entry) {
    TPoint at = EntryPoint(entry);
    EXPECT_EQ(grid->DesignHelperHitTest(at.X, at.Y), entry) << entry;
  }
  EXPECT_EQ(grid->DesignHelperHitTest(right - 100, top - 10), -1) << "above the panel";
  EXPECT_EQ(grid->DesignHelperHitTest(right - 10, EntryPoint(1).Y), -1) << "right of the short text";

  // The designer's hit test: the panel repaints only when the entry under the mouse changes.
  grid->Update();
  TPoint allowEdit = EntryPoint(1);
  EXPECT_EQ(grid->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(allowEdit.X, allowEdit.Y)), 1);
  EXPECT_FALSE(grid->UpdateRegion().IsEmpty());
  grid->Update();
  EXPECT_EQ(grid->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(allowEdit.X + 1, allowEdit.Y)), 1);
  EXPECT_TRUE(grid->UpdateRegion().IsEmpty());
  EXPECT_EQ(grid->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(20, 20)), 0);

  grid->designing = false;
  texts = PaintedTexts();
  EXPECT_FALSE(Has(texts, "Allow edit"));
  const bool editing = grid->Options().Contains(goEditing);
  kit.Click(grid, allowEdit.X, allowEdit.Y);
  EXPECT_EQ(grid->Options().Contains(goEditing), editing) << "a running grid has no panel to click";
}

TEST_F(DesignPanelTest, ClicksSwitchEditingAndColumnNumbersChooseTheLookAndClose) {
  const bool editing = grid->Options().Contains(goEditing);
  TPoint at = EntryPoint(1);
  kit.Click(grid, at.X, at.Y);
  EXPECT_NE(grid->Options().Contains(goEditing), editing);
  EXPECT_EQ(form->ClientWidth(), 600) << "the width is changed and given back";

  auto numbersShown = [&] { return Has(PaintedTexts(), "3"); };
  EXPECT_TRUE(numbersShown());
  at = EntryPoint(2);
  kit.Click(grid, at.X, at.Y);
  EXPECT_FALSE(numbersShown());

  kit.ChooseMenuItem("Windows 7");
  at = EntryPoint(3);
  kit.Click(grid, at.X, at.Y);
  EXPECT_EQ(grid->Look(), glWin7);
  EXPECT_TRUE(Has(PaintedTexts(), "Set look: Windows 7"));
  kit.ChooseMenuItem("");
  kit.Click(grid, at.X, at.Y);
  EXPECT_EQ(grid->Look(), glWin7) << "a dismissed menu keeps the look";

  at = EntryPoint(4);
  kit.Click(grid, at.X, at.Y);
  EXPECT_FALSE(grid->ShowDesignHelper());
  EXPECT_FALSE(Has(PaintedTexts(), "Allow edit"));
}

}  // namespace
}  // namespace hd
