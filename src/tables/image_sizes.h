// The sizes of the two EtherNet/IP data images that the table windows map their rows onto,
// and the byte positions offered within them.
#pragma once

#include <string>

#include "platform/string_list.h"

namespace hd {

constexpr int Default_Image_Size = 500;
// A hand-edited size never builds a list of billions of positions.
constexpr int Max_Position_Items = 65536;

struct TImageSizes {
  int NB_Input = Default_Image_Size;   // the key EtherNetIP_NB_Input of ParGen.xml
  int NB_Output = Default_Image_Size;  // the key EtherNetIP_NB_Output
  // Empty when the file was read or is missing; otherwise what to show the user, the sizes
  // being then the defaults.
  std::string Error;
};

// Each key is read on its own: a missing element or a text that is no integer gives 500 for
// that size. A missing file gives both defaults silently.
TImageSizes ReadImageSizes(const std::string& pathParGen);

// Replaces the list's items with "0" to size-1 in decimal (none for a size of 0 or less), at
// most Max_Position_Items of them.
void FillPositionList(TStringList& list, int size);

}  // namespace hd
