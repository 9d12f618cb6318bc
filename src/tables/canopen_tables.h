// What the CANopen table windows share: their column looks, the range and address-byte tests
// of their checks, and the window with a grid on each of two tab pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/page_control.h"
#include "tables/image_sizes.h"
#include "tables/table_check.h"
#include "tables/table_window.h"

namespace hd {

// Tints of the column groups, as 0x00BBGGRR: the object, its place in an image, its timing.
constexpr TColor CANopen_Object_Tint = 0xFEFAE0;  // (224,250,254)
constexpr TColor CANopen_Place_Tint = 0xF4D6FC;   // (252,214,244)
constexpr TColor CANopen_Timing_Tint = 0xA8FFA8;  // (168,255,168)

// A required plain-text column (or data check box) with a bold header.
TTableColumn CANopen_Column(const std::string& attribute, int header, int width, TColor tint,
                            TTableEditor editor = teNormal);

// Whether the cell's number lies outside lo to hi; a cell that is no number is -1.
bool Outside_Range(const TCellTableView& g, int column, int row, std::int64_t lo, std::int64_t hi);

// The first of count address bytes, from firstColumn on, outside 0 to limit: its text is
// firstText plus its place, and limit is appended.
std::optional<TCellFailure> Test_Address_Bytes(const TCellTableView& g, int row, int firstColumn, int count,
                                               int firstText, std::int64_t limit);

// How many address bytes an object of N Byte 1, 2 or 4 occupies.
inline int Object_Address_Bytes(int nByte) { return nByte >= 4 ? 4 : nByte; }

// A table window with one grid on each of two tab pages: the first page is active again at
// each showing, and the two image sizes that bound the address bytes are read before the table.
class TTwoPageTableForm : public TRuleTableForm {
 public:
  TPageControl* PageControl1 = nullptr;
  TExtColumnGrid* sga = nullptr;
  TExtColumnGrid* sgb = nullptr;

  // Limits of the first and of the second grid: the image sizes, 500 when they cannot be read.
  int EtherNetIP_NByte_IN = Default_Image_Size;
  int EtherNetIP_NByte_OUT = Default_Image_Size;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // The texts from Ind_Lang on: caption and description, the four buttons, the two pages, the
  // headers of the first grid and right after them those of the second.
  void Set_Lang();

 protected:
  // firstText begins the window's text block; the sizes are its client area.
  TTwoPageTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int firstText, int deleteText,
                    const std::string& formName, int clientWidth, int clientHeight,
                    const std::string& firstPage, const std::string& secondPage);

  TTabSheet* Page(int index) const { return PageControl1->Pages(index); }
  // Which image size bounds which grid is the window's own.
  virtual void Take_Image_Sizes(const TImageSizes& sizes) = 0;

  std::vector<TExtColumnGrid*> Grids() const override { return {sga, sgb}; }
  TExtColumnGrid* Current_Grid() const override;

 private:
  int FClientWidth, FClientHeight;
};

}  // namespace hd
