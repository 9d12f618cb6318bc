// The windows of the frames the converter receives from or sends on a field bus (NMEA 2000,
// J1939): one grid of 62 frames, each row's bytes counted into an EtherNet/IP image whose size
// ParGen.xml gives. The J1939 windows add row copy and paste, the Enter jump, the header
// double click and header hints.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/string_list.h"
#include "tables/image_sizes.h"
#include "tables/table_window.h"

namespace hd {

constexpr int Frame_Rows = 62;

// Columns of the frame tables: every attribute read with a default, every header bold.
TTableColumn Frame_Column(const std::string& attribute, int header, int width, TColor tint);
// A "Y" or "N" check box, "N" when the file lacks it.
TTableColumn Frame_Check(const std::string& attribute, int header, int width, TColor tint);
TTableColumn Frame_Combo(const std::string& attribute, int header, int width, TColor tint,
                         std::vector<std::string> choices);
// A table of 62 frames under the root, ended by the first key cell holding no character
// (a key of blanks does not end it).
TTableFile Frame_File(const std::string& root, const std::string& version, int keyColumn,
                      std::vector<TTableColumn> columns);

// The tests the frame checks share, on the cell's number.
bool Cell_In_Range(const TCellTableView& g, int column, int row, std::int64_t lo, std::int64_t hi);
// A byte range within a message of at most maxBytes: the start must lie in it (else startText)
// and the count be 0 or more with start plus count in it (else the text after startText).
std::optional<TCellFailure> Test_Byte_Range(const TCellTableView& g, int row, int startColumn, int countColumn,
                                            int maxBytes, int startText);
// Adds a row's bytes to the running total; past the image's size the failure names no row
// and ends with the size.
std::optional<TCellFailure> Add_Frame_Bytes(std::int64_t& total, std::int64_t bytes, int imageSize,
                                            int tooManyText);

class TFrameTableForm : public TRuleTableForm {
 public:
  const char* ClassName() const override { return "TFrameTableForm"; }

  virtual void Set_Lang() = 0;
  void FormCreate(TObject* Sender);

  TExtColumnGrid* sga = nullptr;

 protected:
  // textBase is the first text of the window's block: caption, description, then the captions
  // of OK, Cancel, Delete Row and Insert Row, and the row-number header at textBase + 6.
  TFrameTableForm(TComponent* owner, TAppState& state, const TTableFile& file, int textBase, int deleteText,
                  int clientWidth);

  std::vector<TExtColumnGrid*> Grids() const override { return {sga}; }
  TExtColumnGrid* Current_Grid() const override { return sga; }

  // The texts every frame window shares.
  void Set_Frame_Texts();
  // Empties the grid first, so that a box about ParGen.xml never stands over the rows of the
  // previous showing; a ParGen.xml that cannot be read is reported and the default size used.
  int Read_Image_Size(const TParGenSize& key);

 private:
  int FTextBase;
  int FClientWidth;
};

class TJ1939TableForm : public TFrameTableForm {
 public:
  const char* ClassName() const override { return "TJ1939TableForm"; }

  void Btn_CopyRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);
  void sgaKeyPress(TObject* Sender, TKeyChar& Key);
  void sgaDblClickCell(TObject* Sender, int ARow, int ACol);
  // Header cells of the data columns show their column's hint, every other cell none.
  void sgaGridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr);

  TLbButton* Btn_CopyRow = nullptr;
  TLbButton* Btn_PasteRow = nullptr;
  // The header hints, entry c-1 for data column c.
  TStringList Hint_sga;
  // A row was copied in this window since it was last shown.
  bool Do_Copy = false;

 protected:
  // copyRowText is the Copy Row caption; Paste Row, the six button hints and the column hints
  // follow it in the window's block.
  TJ1939TableForm(TComponent* owner, TAppState& state, const TTableFile& file, int textBase, int deleteText,
                  int copyRowText);

  // The frame texts, the Copy and Paste captions, the button hints and Hint_sga.
  void Set_J1939_Texts();
  // Reads the image size and loads the table; nothing copied yet in this showing.
  int Show_J1939(const TParGenSize& key);

 private:
  int FCopyRowText;
};

}  // namespace hd
