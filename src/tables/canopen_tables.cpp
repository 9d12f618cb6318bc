#include "tables/canopen_tables.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/table_grid.h"

namespace hd {

namespace {

constexpr int kRowHeight = 21;

}  // namespace

TTableColumn CANopen_Column(const std::string& attribute, int header, int width, TColor tint, TTableEditor editor) {
  return TTableColumn{.Attribute = attribute, .HeaderText = header, .Editor = editor, .Width = width,
                      .Color = tint, .BoldHeader = true};
}

bool Outside_Range(const TCellTableView& g, int column, int row, std::int64_t lo, std::int64_t hi) {
  const std::int64_t v = CellNumber(g.Cells(column, row));
  return v < lo || v > hi;
}

std::optional<TCellFailure> Test_Address_Bytes(const TCellTableView& g, int row, int firstColumn, int count,
                                               int firstText, std::int64_t limit) {
  for (int k = 0; k < count; ++k)
    if (Outside_Range(g, firstColumn + k, row, 0, limit)) return TCellFailure{firstText + k, limit};
  return std::nullopt;
}

TTwoPageTableForm::TTwoPageTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int firstText,
                                     int deleteText, const std::string& formName, int clientWidth, int clientHeight,
                                     const std::string& firstPage, const std::string& secondPage)
    : TRuleTableForm(owner, state, file, firstText, deleteText),
      FClientWidth(clientWidth),
      FClientHeight(clientHeight) {
  SetName(formName);
  SetColor(0xEDF7F8);  // (248,247,237)
  SetClientSize(clientWidth, clientHeight);
  Add_Row_Buttons();

  PageControl1 = new TPageControl(this);
  PageControl1->SetName("PageControl1");
  PageControl1->SetParent(this);
  PageControl1->SetAlign(alClient);
  TExtColumnGrid** grids[] = {&sga, &sgb};
  const std::string pages[] = {firstPage, secondPage};
  for (int i = 0; i < 2; ++i) {
    auto* page = new TTabSheet(this);
    page->SetName(pages[i]);
    page->SetPageControl(PageControl1);
    *grids[i] = Make_Table_Grid(page, i == 0 ? "sga" : "sgb", file.Sections[static_cast<std::size_t>(i)]);
    (*grids[i])->SetDefaultRowHeight(kRowHeight);
    (*grids[i])->SetRowHeights(0, Table_Header_Height);
  }
  PageControl1->SetActivePage(Page(0));

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TTwoPageTableForm::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(FClientWidth, FClientHeight);
  Set_Lang();
}

void TTwoPageTableForm::Set_Lang() {
  const int base = Ind_Lang;
  SetCaption(Lang(base));
  L_SW_Desc->SetCaption(Lang(base + 1));
  Btn_OK->SetCaption(Lang(base + 2));
  Btn_Cancel->SetCaption(Lang(base + 3));
  Btn_DelRow->SetCaption(Lang(base + 4));
  Btn_InsRow->SetCaption(Lang(base + 5));
  Page(0)->SetCaption(Lang(base + 6));
  Page(1)->SetCaption(Lang(base + 7));
  Set_Column_Headers(*sga, FFile.Sections[0], base + 8);
  Set_Column_Headers(*sgb, FFile.Sections[1], base + 8 + sga->ColCount());
}

void TTwoPageTableForm::FormShow(TObject*) {
  PageControl1->SetActivePage(Page(0));
  const TImageSizes sizes = ReadImageSizes(FState.Path_ParGen);
  Take_Image_Sizes(sizes);
  // An unreadable ParGen.xml still lets the table load, bounded by the default sizes.
  if (!sizes.Error.empty()) Show_Error(sizes.Error);
  Load_Table();
}

TExtColumnGrid* TTwoPageTableForm::Current_Grid() const { return PageControl1->ActivePage() == Page(0) ? sga : sgb; }

}  // namespace hd
