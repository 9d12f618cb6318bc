// The byte maps of the CAN frames: for every frame of a frame file, which byte of an
// EtherNet/IP data image each of its eight data bytes is paired with, or none. The map file
// pairs its rows with the frame file's rows by position, not by Cob-ID.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tables/image_sizes.h"

namespace hd {

constexpr int CAN_Frame_Bytes = 8;
// A data byte paired with no image byte; the 16-bit map cannot name this position.
constexpr std::uint16_t No_Position = 65535;

// The map of one frame.
struct TRecInfo {
  std::uint8_t Dim = 0;  // the frame's length, from its "Dimension"
  std::uint16_t PosB1 = No_Position, PosB2 = No_Position, PosB3 = No_Position, PosB4 = No_Position,
                PosB5 = No_Position, PosB6 = No_Position, PosB7 = No_Position, PosB8 = No_Position;

  // The position of data byte k, 1 to 8.
  std::uint16_t& PosB(int k);
  std::uint16_t PosB(int k) const { return const_cast<TRecInfo*>(this)->PosB(k); }
  bool InUse(int k) const { return Dim >= k; }
};

// What tells the receive map from the send map.
struct TCanMapKind {
  std::string FrameSection;  // of the frame file
  std::string Root;          // of the map file
  TParGenSize Size;          // the image size in ParGen.xml
  // First number of the window's text block (see TCanMapText).
  int FirstText = 0;
  // Whether OK refuses an image byte paired with two data bytes.
  bool RefusesSharedBytes = false;
};

// The receive map: frames of "Receive_Frames", root "Receive_Frames_Info", the input image
// "Eth_NumByte_IN" (496), texts from 2000, shared image bytes refused.
const TCanMapKind& CAN_Receive_Map();
// The send map: "Send_Frames", "Send_Frames_Info", the output image "Eth_NumByte_OUT" (500),
// texts from 2200, shared image bytes allowed.
const TCanMapKind& CAN_Send_Map();

// Offsets in a map's text block; the label before field k and the field's error are
// ByteLabel + k and FieldError + k.
enum TCanMapText {
  cmCaption = 0, cmDescription, cmOK, cmCancel, cmTitleCob, cmTitleBytes, cmByteLabel = 5, cmOfImage = 14,
  cmNotInUse = 15, cmFieldError = 15, cmOrNone = 24, cmSharedByte = 25, cmUsedInCob, cmInByte, cmAndInCob,
  cmInFirstByte
};

// Two data bytes paired with one image byte: the later one and the one that claimed it first.
struct TSharedByte {
  int Position = 0;
  int Frame = 0, Byte = 0;
  int FirstFrame = 0, FirstByte = 0;

  friend bool operator==(const TSharedByte&, const TSharedByte&) = default;
};

using TLangText = std::function<std::string(int)>;

class TCanByteMap {
 public:
  explicit TCanByteMap(const TCanMapKind& kind) : FKind(kind) {}

  const TCanMapKind& Kind() const { return FKind; }

  // Rebuilds the map: the image size from ParGen.xml, the frames from the frame file, their
  // positions from the map file. Answers what to show the user, in order; what was read before
  // a failure is kept, and frames beyond what the map file gives keep none everywhere.
  std::vector<std::string> Load(const std::string& pathParGen, const std::string& pathFrames,
                                const std::string& pathMap);

  // The image size, and the first position a field refuses: a hand-edited size above the
  // 16-bit map still leaves 65535 meaning none.
  int Num_Byte_Max() const { return FNumByteMax; }
  int Position_Limit() const;

  // One entry per frame, in frame file order; Cob_Ids holds the frames' list texts.
  std::vector<std::string> Cob_Ids;
  std::vector<TRecInfo> Data_arr;

  // The field rule: blanks, nothing or "none" in any case give none, a number 0 to
  // Position_Limit() - 1 gives itself; anything else is refused (nothing).
  std::optional<std::uint16_t> Read_Field(const std::string& text) const;
  // Stores field k of frame i when the rule takes it; false when it refused, the position then
  // unchanged.
  bool Set_Field(int frame, int k, const std::string& text);
  // The error of a refused field k.
  std::string Field_Error(int k, const TLangText& lang) const;

  // The first image byte paired twice, walking the frames in order and each frame's bytes 1
  // to 8; nothing when every image byte is paired at most once.
  std::optional<TSharedByte> Find_Shared_Byte() const;
  std::string Shared_Byte_Message(const TSharedByte& shared, const TLangText& lang) const;

  // The map file: the root, the version comment, one "row" per frame with "B1" to "B8" in
  // decimal (65535 for none). Save_Map replaces the file whole; EFCreateError when the path is
  // empty or the file cannot be written.
  std::string Map_Text() const;
  void Save_Map(const std::string& path) const;

 private:
  std::string Load_Frames(const std::string& path);
  std::string Load_Map(const std::string& path);

  const TCanMapKind& FKind;
  int FNumByteMax = Default_Image_Size;
};

}  // namespace hd
