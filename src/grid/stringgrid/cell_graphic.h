// The object a cell can carry besides its text (a check box, a picture, a progress bar, a
// comment, ...): one record per cell, kept in the graphic slot of the cell's properties.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "platform/classes.h"
#include "platform/std_ctrls.h"
#include "platform/types.h"

namespace hd {

class TBitmap;
class TIcon;
class TPicture;
class TStringList;
class TCanvas;

// What an application object put into a cell with AddInterfacedCell offers the grid: it draws
// itself and tells its size (0 for a side: the cell's).
class IInterfacedCell {
 public:
  virtual ~IInterfacedCell() = default;
  virtual void Draw(TCanvas& Canvas, const TRect& R, TObject* Grid, bool Selected, int ARow, int ACol) = 0;
  virtual int GetWidth() = 0;
  virtual int GetHeight() = 0;
  // Drawn under the cell text rather than beside it.
  virtual bool IsBackground() = 0;
};

// The icon of a cell's balloon.
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// The page size and range of a cell scroll bar.
struct TScrollProp {
  int PageSize = 0;
  int Range = 0;
};

// The kinds of cell object. Ordinals are kept in the grid's files.
enum TCellType : std::uint8_t {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator,
  ctXPProgress,
  ctInterface,
  ctScrollbar,
  ctRadioButton,
  ctBalloon,
  ctShape,
  ctRating,
  ctTriStateCheckBox,
  ctExpand,
};
using TCellTypes = TSet<TCellType>;

enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// What an object slot of the record holds: nothing, a plain value (a colour, for the kinds
// that keep one), or an object of the kind.
using TCellSlot = std::variant<std::monostate, std::intptr_t, TObject*, TBitmap*, TIcon*, TPicture*, TStringList*>;

class TCellGraphic : public TPersistent {
 public:
  TCellGraphic() = default;
  // Frees what the record owns for its kind (see Owns).
  ~TCellGraphic() override;
  TCellGraphic(const TCellGraphic&) = delete;
  TCellGraphic& operator=(const TCellGraphic&) = delete;
  const char* ClassName() const override { return "TCellGraphic"; }

  // The kind, both alignments, the index, flags, angle, value, error range, text and the
  // created flag; the object slots, the radio value and the tri-state stay.
  void Assign(const TPersistent* Source) override;

  TCellType CellType() const { return FCellType; }
  void SetCellType(TCellType v) { FCellType = v; }
  const TCellSlot& CellBitmap() const { return FCellBitmap; }
  void SetCellBitmap(const TCellSlot& v) { FCellBitmap = v; }
  const TCellSlot& CellIcon() const { return FCellIcon; }
  void SetCellIcon(const TCellSlot& v) { FCellIcon = v; }
  TCellVAlign CellVAlign() const { return FCellVAlign; }
  void SetCellVAlign(TCellVAlign v) { FCellVAlign = v; }
  TCellHAlign CellHAlign() const { return FCellHAlign; }
  void SetCellHAlign(TCellHAlign v) { FCellHAlign = v; }
  int CellIndex() const { return FCellIndex; }
  void SetCellIndex(int v) { FCellIndex = v; }
  bool CellTransparent() const { return FCellTransparent; }
  void SetCellTransparent(bool v) { FCellTransparent = v; }
  bool CellCreated() const { return FCellCreated; }
  void SetCellCreated(bool v) { FCellCreated = v; }
  bool CellBoolean() const { return FCellBoolean; }
  void SetCellBoolean(bool v) { FCellBoolean = v; }
  int CellAngle() const { return FCellAngle; }
  void SetCellAngle(int v) { FCellAngle = v; }
  double CellValue() const { return FCellValue; }
  void SetCellValue(double v) { FCellValue = v; }
  int CellErrFrom() const { return FCellErrFrom; }
  void SetCellErrFrom(int v) { FCellErrFrom = v; }
  int CellErrLen() const { return FCellErrLen; }
  void SetCellErrLen(int v) { FCellErrLen = v; }
  const std::string& CellText() const { return FCellText; }
  void SetCellText(const std::string& v) { FCellText = v; }
  // The selected index of a radio group.
  int CellVar() const { return FCellVar; }
  void SetCellVar(int v) { FCellVar = v; }
  TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
  void SetCellCheckBoxState(TCheckBoxState v) { FCellCheckBoxState = v; }

  // The size a picture kind takes fitted into cw x rh (padding taken off once) by its stretch
  // mode; other kinds answer (0, 0). hastext is accepted and not used.
  TPoint GetPictureSize(int cw, int rh, bool hastext) const;

  // Makes the record a rotated text: the angle brought into 0..360 (360 itself stays).
  void SetAngle(int AAngle);

  // The object in a slot when it is of that class, else null. Objects of other classes (file
  // pictures, index lists, application objects) are kept as TObject and found by their class.
  template <class T>
  static T* SlotObject(const TCellSlot& Slot) {
    if constexpr (std::is_same_v<T, TObject> || std::is_same_v<T, TBitmap> || std::is_same_v<T, TIcon> ||
                  std::is_same_v<T, TPicture> || std::is_same_v<T, TStringList>) {
      T* const* p = std::get_if<T*>(&Slot);
      return p ? *p : nullptr;
    } else {
      TObject* const* p = std::get_if<TObject*>(&Slot);
      return p && *p ? dynamic_cast<T*>(*p) : nullptr;
    }
  }
  // The plain value in a slot (0 when it holds an object or nothing).
  static std::intptr_t SlotValue(const TCellSlot& Slot) {
    const std::intptr_t* p = std::get_if<std::intptr_t>(&Slot);
    return p ? *p : 0;
  }

 private:
  // The record frees the object in FCellBitmap (FCellIcon) when its kind owns it.
  bool OwnsBitmap() const;
  static void FreeSlot(TCellSlot& Slot);

  TCellType FCellType = ctNone;
  TCellSlot FCellBitmap;
  TCellSlot FCellIcon;
  TCellVAlign FCellVAlign = vaTop;
  TCellHAlign FCellHAlign = haLeft;
  int FCellIndex = 0;
  bool FCellTransparent = false;
  bool FCellCreated = false;
  bool FCellBoolean = false;
  int FCellAngle = 0;
  double FCellValue = 0;
  int FCellErrFrom = 0;
  int FCellErrLen = 0;
  std::string FCellText;
  int FCellVar = 0;
  TCheckBoxState FCellCheckBoxState = cbUnchecked;
};

}  // namespace hd
