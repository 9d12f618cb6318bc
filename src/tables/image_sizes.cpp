#include "tables/image_sizes.h"

#include <algorithm>
#include <optional>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

// The plain text of each key, or nothing for a key that cannot be read.
TParGenValues<std::optional<std::string>> ReadKeys(const std::string& path, const std::vector<std::string>& keys) {
  TParGenValues<std::optional<std::string>> read;
  read.Values.resize(keys.size());
  if (!FileExists(path)) return read;
  TXmlDocument doc;
  try {
    doc.LoadFromFile(path);
  } catch (const Exception& e) {
    read.Error = e.Message() + "\nThe defaults are used instead of its values.";
    return read;
  }
  const TXmlNode root = doc.FirstChild();
  if (root.NodeType() != ntElement) return read;
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (const TXmlNode node = root.FindNode(keys[i])) read.Values[i] = node.TryText();
  return read;
}

template <class Key>
std::vector<std::string> KeyNames(const std::vector<Key>& keys) {
  std::vector<std::string> names;
  for (const Key& k : keys) names.push_back(k.Key);
  return names;
}

}  // namespace

TParGenValues<std::string> ReadParGenTexts(const std::string& pathParGen, const std::vector<TParGenText>& keys) {
  const auto read = ReadKeys(pathParGen, KeyNames(keys));
  TParGenValues<std::string> texts{{}, read.Error};
  for (std::size_t i = 0; i < keys.size(); ++i) texts.Values.push_back(read.Values[i].value_or(keys[i].Default));
  return texts;
}

TParGenValues<int> ReadParGenSizes(const std::string& pathParGen, const std::vector<TParGenSize>& keys) {
  const auto read = ReadKeys(pathParGen, KeyNames(keys));
  TParGenValues<int> sizes{{}, read.Error};
  for (std::size_t i = 0; i < keys.size(); ++i)
    sizes.Values.push_back(read.Values[i] ? StrToIntDef(*read.Values[i], keys[i].Default) : keys[i].Default);
  return sizes;
}

TImageSizes ReadImageSizes(const std::string& pathParGen) {
  const TParGenValues<int> read =
      ReadParGenSizes(pathParGen, {{"EtherNetIP_NB_Input", Default_Image_Size}, {"EtherNetIP_NB_Output", Default_Image_Size}});
  return {read.Values[0], read.Values[1], read.Error};
}

void FillPositionList(TStringList& list, int size) {
  list.Clear();
  const int count = std::clamp(size, 0, Max_Position_Items);
  for (int i = 0; i < count; ++i) list.Add(IntToStr(i));
}

}  // namespace hd
