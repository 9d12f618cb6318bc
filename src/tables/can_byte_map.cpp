#include "tables/can_byte_map.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

std::string LoadFailure(const std::string& path, const std::string& reason) {
  return "Cannot load \"" + path + "\": " + reason;
}

// The document's root element, or the failure to show.
std::string ReadRoot(TXmlDocument& doc, const std::string& path, TXmlNode& root) {
  try {
    doc.LoadFromFile(path);
  } catch (const Exception& e) {
    return e.Message();
  }
  root = doc.FirstChild();
  if (root.NodeType() != ntElement) return LoadFailure(path, "the file does not start with its root element.");
  return {};
}

// An attribute that must hold an integer; the failure names the row and the attribute.
std::optional<int> IntegerAttribute(const TXmlNode& row, const std::string& name) {
  const std::optional<std::string> text = row.Attribute(name);
  int value = 0;
  if (!text || !TryStrToInt(*text, value)) return std::nullopt;
  return value;
}

std::string RowFailure(const std::string& path, int row, const std::string& attribute) {
  return LoadFailure(path, "row " + IntToStr(row + 1) + " has no whole number in \"" + attribute +
                               "\"; only what stands before it was loaded.");
}

}  // namespace

std::uint16_t& TRecInfo::PosB(int k) {
  switch (k) {
    case 1: return PosB1;
    case 2: return PosB2;
    case 3: return PosB3;
    case 4: return PosB4;
    case 5: return PosB5;
    case 6: return PosB6;
    case 7: return PosB7;
    case 8: return PosB8;
    default: throw std::out_of_range("CAN data byte " + std::to_string(k) + " does not exist");
  }
}

const TCanMapKind& CAN_Receive_Map() {
  static const TCanMapKind kind{"Receive_Frames", "Receive_Frames_Info", {"Eth_NumByte_IN", 496}, 2000, true};
  return kind;
}

const TCanMapKind& CAN_Send_Map() {
  static const TCanMapKind kind{"Send_Frames", "Send_Frames_Info", {"Eth_NumByte_OUT", 500}, 2200, false};
  return kind;
}

std::vector<std::string> TCanByteMap::Load(const std::string& pathParGen, const std::string& pathFrames,
                                           const std::string& pathMap) {
  std::vector<std::string> failures;
  const TParGenValues<int> size = ReadParGenSizes(pathParGen, {FKind.Size});
  FNumByteMax = size.Values[0];
  if (!size.Error.empty()) failures.push_back(size.Error);
  Cob_Ids.clear();
  Data_arr.clear();
  if (std::string failure = Load_Frames(pathFrames); !failure.empty()) failures.push_back(std::move(failure));
  // The frames read before a failure keep their positions, so that OK does not wipe them.
  if (!Data_arr.empty())
    if (std::string failure = Load_Map(pathMap); !failure.empty()) failures.push_back(std::move(failure));
  return failures;
}

std::string TCanByteMap::Load_Frames(const std::string& path) {
  if (!FileExists(path)) return {};
  TXmlDocument doc;
  TXmlNode root;
  if (std::string failure = ReadRoot(doc, path, root); !failure.empty()) return failure;
  const TXmlNode section = root.FindNode(FKind.FrameSection);
  if (!section) return LoadFailure(path, "the section \"" + FKind.FrameSection + "\" is missing.");
  const std::vector<TXmlNode> rows = section.ChildElements();
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const TXmlNode& row = rows[static_cast<std::size_t>(i)];
    const std::optional<std::string> cobId = row.Attribute("Cob_Id");
    if (!cobId) return RowFailure(path, i, "Cob_Id");
    const std::optional<int> dimension = IntegerAttribute(row, "Dimension");
    if (!dimension) return RowFailure(path, i, "Dimension");
    TRecInfo info;
    info.Dim = static_cast<std::uint8_t>(*dimension);  // kept in 8 bits, as the map file was made
    Cob_Ids.push_back(*cobId);
    Data_arr.push_back(info);
  }
  return {};
}

std::string TCanByteMap::Load_Map(const std::string& path) {
  if (!FileExists(path)) return {};
  TXmlDocument doc;
  TXmlNode root;
  if (std::string failure = ReadRoot(doc, path, root); !failure.empty()) return failure;
  const std::vector<TXmlNode> rows = root.ChildElements();
  const std::size_t n = std::min(rows.size(), Data_arr.size());
  for (std::size_t i = 0; i < n; ++i) {
    TRecInfo& info = Data_arr[i];
    for (int k = 1; k <= CAN_Frame_Bytes && info.InUse(k); ++k) {
      const std::string attribute = "B" + IntToStr(k);
      const std::optional<int> position = IntegerAttribute(rows[i], attribute);
      if (!position) return RowFailure(path, static_cast<int>(i), attribute);
      // Kept in 16 bits: "65535" reads back as none.
      info.PosB(k) = static_cast<std::uint16_t>(*position);
    }
  }
  return {};
}

int TCanByteMap::Position_Limit() const { return std::min(FNumByteMax, static_cast<int>(No_Position)); }

std::optional<std::uint16_t> TCanByteMap::Read_Field(const std::string& text) const {
  const std::string t = Trim(text);
  if (t.empty() || UpperCase(t) == "NONE") return No_Position;
  const int value = StrToIntDef(t, -1);
  if (value < 0 || value >= Position_Limit()) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

bool TCanByteMap::Set_Field(int frame, int k, const std::string& text) {
  const std::optional<std::uint16_t> position = Read_Field(text);
  if (!position) return false;
  Data_arr.at(static_cast<std::size_t>(frame)).PosB(k) = *position;
  return true;
}

std::string TCanByteMap::Field_Error(int k, const TLangText& lang) const {
  return lang(FKind.FirstText + cmFieldError + k) + IntToStr(Position_Limit() - 1) + lang(FKind.FirstText + cmOrNone);
}

std::optional<TSharedByte> TCanByteMap::Find_Shared_Byte() const {
  // Keyed by position, so that any position a hand-edited file holds is checked.
  std::map<int, std::pair<int, int>> claimed;
  for (int i = 0; i < static_cast<int>(Data_arr.size()); ++i) {
    for (int k = 1; k <= CAN_Frame_Bytes; ++k) {
      const std::uint16_t position = Data_arr[static_cast<std::size_t>(i)].PosB(k);
      if (position == No_Position) continue;
      const auto [at, fresh] = claimed.try_emplace(position, i, k);
      if (!fresh) return TSharedByte{position, i, k, at->second.first, at->second.second};
    }
  }
  return std::nullopt;
}

std::string TCanByteMap::Shared_Byte_Message(const TSharedByte& s, const TLangText& lang) const {
  const int t = FKind.FirstText;
  auto cob = [this](int frame) { return Cob_Ids.at(static_cast<std::size_t>(frame)); };
  return lang(t + cmSharedByte) + IntToStr(s.Position) + lang(t + cmUsedInCob) + cob(s.Frame) + lang(t + cmInByte) +
         IntToStr(s.Byte) + lang(t + cmAndInCob) + cob(s.FirstFrame) + lang(t + cmInFirstByte) + IntToStr(s.FirstByte);
}

namespace {

void BuildMap(const TCanMapKind& kind, const std::vector<TRecInfo>& frames, TXmlDocument& doc) {
  doc.SetActive(true);
  doc.Clear();
  TXmlNode root = doc.AddChild(kind.Root);
  doc.AddComment("SW_VERSION = 1.100");
  for (const TRecInfo& info : frames) {
    TXmlNode row = root.AddChild("row");
    for (int k = 1; k <= CAN_Frame_Bytes; ++k)
      row.SetAttribute("B" + IntToStr(k), IntToStr(info.InUse(k) ? info.PosB(k) : No_Position));
  }
}

}  // namespace

std::string TCanByteMap::Map_Text() const {
  TXmlDocument doc;
  BuildMap(FKind, Data_arr, doc);
  return doc.SaveToString(xlCompact);
}

void TCanByteMap::Save_Map(const std::string& path) const {
  if (path.empty()) throw EFCreateError("Cannot save the map: no file is set for it in this configuration.");
  TXmlDocument doc;
  BuildMap(FKind, Data_arr, doc);
  doc.SaveToFile(path, xlCompact);
}

}  // namespace hd
