#include "tables/image_sizes.h"

#include <algorithm>
#include <optional>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

int SizeKey(const TXmlNode& root, const char* name) {
  if (root.NodeType() != ntElement) return Default_Image_Size;
  TXmlNode node = root.FindNode(name);
  std::optional<std::string> text = node ? node.TryText() : std::nullopt;
  return text ? StrToIntDef(*text, Default_Image_Size) : Default_Image_Size;
}

}  // namespace

TImageSizes ReadImageSizes(const std::string& pathParGen) {
  TImageSizes sizes;
  if (!FileExists(pathParGen)) return sizes;
  TXmlDocument doc;
  try {
    doc.LoadFromFile(pathParGen);
  } catch (const Exception& e) {
    sizes.Error = e.Message() + "\nThe data images are taken as " + IntToStr(Default_Image_Size) + " bytes each.";
    return sizes;
  }
  TXmlNode root = doc.FirstChild();
  sizes.NB_Input = SizeKey(root, "EtherNetIP_NB_Input");
  sizes.NB_Output = SizeKey(root, "EtherNetIP_NB_Output");
  return sizes;
}

void FillPositionList(TStringList& list, int size) {
  list.Clear();
  const int count = std::clamp(size, 0, Max_Position_Items);
  for (int i = 0; i < count; ++i) list.Add(IntToStr(i));
}

}  // namespace hd
