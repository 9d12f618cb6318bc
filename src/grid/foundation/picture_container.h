// Pictures that markup shows by name or by URL: a picture keeping its encoded bytes and
// stepping through the frames of an animated GIF itself, the cache of pictures loaded by URL,
// and the container of named pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/component.h"
#include "platform/picture.h"

namespace hd {

class TStream;

class THTMLPicture {
 public:
  THTMLPicture();
  THTMLPicture(const THTMLPicture&) = delete;
  THTMLPicture& operator=(const THTMLPicture&) = delete;

  // Copies the bytes of another picture and decodes them; a null source empties this one.
  void Assign(const THTMLPicture* Source);
  // A file that cannot be read or decoded leaves the picture empty.
  void LoadFromFile(const std::string& FileName);
  // Decoding failures raise (see the error texts below); a null stream does nothing.
  void LoadFromStream(TStream* Stream);
  void LoadFromBytes(const std::string& Bytes);
  void SaveToStream(TStream* Stream) const;
  // The stored form: the raw bytes; reading decodes without firing OnChange.
  void ReadData(TStream& Stream);
  void WriteData(TStream& Stream) const { SaveToStream(&Stream); }
  // The program's raw-data resource of that name; nothing when there is none.
  void LoadFromResourceName(const std::string& ResName);
  // The raw-data resource of that number; EResNotFound when there is none.
  void LoadFromResourceID(int ResID);
  // RES:// and FILE:// load; any other URL only records itself (web pictures never load).
  void LoadFromURL(const std::string& URL);

  // At the rectangle's top-left in its natural size, or stretched into it.
  void Draw(TCanvas& Canvas, const TRect& Rect) const;

  bool Empty() const { return FIsEmpty; }
  int Width() const { return FDecoded.Width(); }
  int Height() const { return FDecoded.Height(); }
  const std::string& Bytes() const { return FDatastream; }
  // A picture's size is its data's; the clipboard carries no such pictures.
  void SetWidth(int) {}
  void SetHeight(int) {}
  void LoadFromClipboardFormat(unsigned, std::intptr_t, std::intptr_t) {}
  void SaveToClipboardFormat(unsigned&, std::intptr_t&, std::intptr_t&) const {}

  bool IsGIF() const;
  // -1 for other data.
  int FrameCount();
  // Delay of frame i (1-based) in hundredths of a second, -1 without that frame; also reads
  // the frame's transparency and disposal method.
  int FrameTime(int i);
  int MaxWidth() const;
  int MaxHeight() const;
  int Frame() const { return FFrame; }
  void SetFrame(int Value);
  void FrameNext();
  void FramePrev();
  // One animation tick of 100 ms: true when it moved to another frame.
  bool Step();
  int FrameXPos() const { return FFrameXPos; }
  int FrameYPos() const { return FFrameYPos; }
  int FrameXSize() const { return FFrameXSize; }
  int FrameYSize() const { return FFrameYSize; }
  bool FrameTransp() const { return FFrameTransp; }
  int FrameDisposal() const { return FFrameDisposal; }

  bool Stretch() const { return FStretched; }
  void SetStretch(bool Value) { FStretched = Value; }
  const std::string& ID() const { return FID; }
  void SetID(const std::string& Value) { FID = Value; }
  const std::string& URL() const { return FURL; }
  bool IsDB() const { return FIsDB; }
  void SetIsDB(bool Value) { FIsDB = Value; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool Value) { FAsynch = Value; }
  bool Busy() const { return FThreadBusy; }

  std::function<void(THTMLPicture*)> OnChange;
  std::function<void(THTMLPicture*)> OnFrameChange;
  // Published for forms that set them; pictures are never downloaded, so they never fire.
  std::function<void(THTMLPicture*, std::uint32_t, std::uint32_t)> OnDownLoadProgress;
  std::function<void(THTMLPicture*, bool&)> OnDownLoadCancel;
  std::function<void(THTMLPicture*)> OnDownLoadComplete;
  std::function<void(THTMLPicture*, const std::string&)> OnDownLoadError;

 private:
  struct TGifFrame {
    size_t At;  // the graphic control block
    int Delay, Flags, Left, Top, Width, Height;
  };
  std::vector<TGifFrame> GifFrames() const;
  void Decode();
  void LoadBytes(const std::string& Bytes, bool Fire);
  void Changed();

  std::string FDatastream;
  TPicture FDecoded;
  bool FIsEmpty = true;
  bool FStretched = false;
  std::string FURL;
  std::string FID;
  bool FIsDB = false;
  bool FAsynch = true;
  bool FThreadBusy = false;
  int FFrame = 1;
  int FFrameCount = -1;
  int FFrameXPos = 0, FFrameYPos = 0, FFrameXSize = 0, FFrameYSize = 0;
  bool FFrameTransp = false;
  int FFrameDisposal = 0;
  int FAnimMaxX = 0, FAnimMaxY = 0;
  int FNextCount = -1;
  int FTimerCount = -1;
};

// Pictures that markup loaded by URL, found again by their exact ID.
class THTMLPictureCache {
 public:
  THTMLPicture* AddPicture();
  THTMLPicture* FindPicture(const std::string& ID) const;
  int Count() const { return static_cast<int>(FItems.size()); }
  THTMLPicture* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  // The cache owns what it is given.
  void SetItems(int Index, std::unique_ptr<THTMLPicture> Value);
  void ClearPictures() { FItems.clear(); }
  // Steps every picture; true when any frame changed.
  bool Animate();

 private:
  std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureItem {
 public:
  TPictureItem() = default;
  THTMLPicture& Picture() { return FPicture; }
  const THTMLPicture& Picture() const { return FPicture; }
  void SetPicture(const THTMLPicture& Value) { FPicture.Assign(&Value); }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  void Assign(const TPictureItem& Source);

 private:
  THTMLPicture FPicture;
  int FTag = 0;
  std::string FName;
};

class TPictureCollection {
 public:
  explicit TPictureCollection(TComponent* AOwner = nullptr) : FOwner(AOwner) {}
  TComponent* Owner() const { return FOwner; }
  TPictureItem* Add();
  TPictureItem* Insert(int Index);
  int Count() const { return static_cast<int>(FItems.size()); }
  TPictureItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  void SetItems(int Index, const TPictureItem& Value) { Items(Index)->Assign(Value); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  bool Animate();

 private:
  TComponent* FOwner;
  std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer : public TComponent {
 public:
  explicit TPictureContainer(TComponent* AOwner);
  const char* ClassName() const override { return "TPictureContainer"; }
  TPictureCollection& Items() { return FItems; }
  // Copies the items of another collection in place of this one's.
  void SetItems(const TPictureCollection& Value);
  // The picture of the first item of that name, compared ignoring A-Z case; null when none.
  THTMLPicture* FindPicture(const std::string& Name);

 private:
  TPictureCollection FItems;
};

}  // namespace hd
