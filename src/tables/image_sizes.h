// What the table windows read from ParGen.xml: the sizes of the two EtherNet/IP data images
// that they map their rows onto (or any other key, each with its own default), and the byte
// positions offered within an image.
#pragma once

#include <string>
#include <vector>

#include "platform/string_list.h"

namespace hd {

constexpr int Default_Image_Size = 500;
// A hand-edited size never builds a list of billions of positions.
constexpr int Max_Position_Items = 65536;

// A child element of ParGen.xml's root and the value it takes when it cannot be read.
struct TParGenText {
  std::string Key;
  std::string Default;
};
struct TParGenSize {
  std::string Key;
  int Default = Default_Image_Size;
};

// The values read, one per key asked, in the order asked.
template <class T>
struct TParGenValues {
  std::vector<T> Values;
  // Empty when the file was read or is missing; otherwise what to show the user, every value
  // being then its default.
  std::string Error;
};

// Each key is read on its own: a missing element, or one that holds more than plain text,
// gives that key's default. A missing file gives every default silently.
TParGenValues<std::string> ReadParGenTexts(const std::string& pathParGen, const std::vector<TParGenText>& keys);
// The same, a text that is no integer giving the default too.
TParGenValues<int> ReadParGenSizes(const std::string& pathParGen, const std::vector<TParGenSize>& keys);

struct TImageSizes {
  int NB_Input = Default_Image_Size;   // the key EtherNetIP_NB_Input of ParGen.xml
  int NB_Output = Default_Image_Size;  // the key EtherNetIP_NB_Output
  std::string Error;                   // as TParGenValues::Error
};

// The two image sizes, 500 each when they cannot be read.
TImageSizes ReadImageSizes(const std::string& pathParGen);

// Replaces the list's items with "0" to size-1 in decimal (none for a size of 0 or less), at
// most Max_Position_Items of them.
void FillPositionList(TStringList& list, int size);

}  // namespace hd
