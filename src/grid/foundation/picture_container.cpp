#include "grid/foundation/picture_container.h"

#include <algorithm>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/raw_resources.h"
#include "platform/streams.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

int Le16(const std::string& b, size_t at) {
  if (at + 1 >= b.size()) return 0;
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

// The part of the decoded logical screen that the frame covers, in the bitmap's own format.
TBitmap Crop(const TBitmap& Source, int Left, int Top, int Width, int Height) {
  Left = std::clamp(Left, 0, Source.Width());
  Top = std::clamp(Top, 0, Source.Height());
  Width = std::clamp(Width, 0, Source.Width() - Left);
  Height = std::clamp(Height, 0, Source.Height() - Top);
  TBitmap out;
  out.SetPixelFormat(Source.PixelFormat());
  out.SetSize(Width, Height);
  for (int y = 0; y < Height; ++y) std::copy_n(Source.ScanLine(Top + y) + Left, Width, out.ScanLine(y));
  return out;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;

bool THTMLPicture::IsGIF() const { return FDatastream.size() >= 5 && FDatastream.compare(0, 4, "GIF8") == 0; }

std::vector<THTMLPicture::TGifFrame> THTMLPicture::GifFrames() const {
  std::vector<TGifFrame> frames;
  const std::string& b = FDatastream;
  auto at = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
  for (size_t i = 0; i + 9 < b.size(); ++i) {
    if (at(i) != 0x21 || at(i + 1) != 0xF9 || at(i + 2) != 0x04 || at(i + 8) != 0x2C) continue;
    frames.push_back({i, Le16(b, i + 4), at(i + 3), Le16(b, i + 9), Le16(b, i + 11), Le16(b, i + 13), Le16(b, i + 15)});
  }
  return frames;
}

int THTMLPicture::FrameCount() {
  if (FFrameCount >= 0) return FFrameCount;
  if (!IsGIF()) return -1;
  FFrameCount = static_cast<int>(GifFrames().size());
  return FFrameCount;
}

int THTMLPicture::FrameTime(int i) {
  if (!IsGIF()) return -1;
  std::vector<TGifFrame> frames = GifFrames();
  if (i < 1 || i > static_cast<int>(frames.size())) return -1;
  const TGifFrame& f = frames[static_cast<size_t>(i - 1)];
  FFrameTransp = (f.Flags & 1) != 0;
  FFrameDisposal = (f.Flags >> 2) & 7;
  return f.Delay;
}

int THTMLPicture::MaxWidth() const { return FAnimMaxX ? FAnimMaxX : Width(); }
int THTMLPicture::MaxHeight() const { return FAnimMaxY ? FAnimMaxY : Height(); }

void THTMLPicture::Decode() {
  FDecoded.Clear();
  FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
  FAnimMaxX = FAnimMaxY = 0;
  if (FDatastream.empty()) throw Exception("Could not load image");
  std::string data = FDatastream;
  std::vector<TGifFrame> frames = IsGIF() ? GifFrames() : std::vector<TGifFrame>{};
  const TGifFrame* current = nullptr;
  if (!frames.empty()) {
    FAnimMaxX = Le16(FDatastream, 6);
    FAnimMaxY = Le16(FDatastream, 8);
    // The header and the frames from the current one on: decoding that yields the current frame.
    size_t n = std::clamp<size_t>(static_cast<size_t>(std::max(FFrame, 1)), 1, frames.size());
    data = FDatastream.substr(0, frames[0].At);
    data.append(FDatastream, frames[n - 1].At, std::string::npos);
    current = &frames[n - 1];
    FFrameXPos = current->Left;
    FFrameYPos = current->Top;
    FFrameXSize = current->Width;
    FFrameYSize = current->Height;
  }
  TBitmap bmp;
  try {
    bmp.LoadFromMemory(data);
  } catch (const Exception&) {
    throw Exception("Could not load image. Invalid format");
  }
  if (bmp.Empty()) throw Exception("Could not load image");
  // Frames decode at the size of the logical screen; only the frame's own rectangle is kept.
  if (current && (bmp.Width() > current->Width || bmp.Height() > current->Height) && current->Width > 0 &&
      current->Height > 0)
    bmp = Crop(bmp, current->Left, current->Top, current->Width, current->Height);
  FDecoded.Assign(bmp);
}

void THTMLPicture::Changed() {
  if (OnChange) OnChange(this);
}

void THTMLPicture::LoadBytes(const std::string& Bytes, bool Fire) {
  FDatastream = Bytes;
  FFrameCount = FNextCount = FTimerCount = -1;
  FFrame = 1;
  FIsEmpty = false;
  try {
    Decode();
  } catch (...) {
    FIsEmpty = true;
    throw;
  }
  if (Fire) Changed();
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
  FIsEmpty = true;
  FDecoded.Clear();
  FFrameCount = FNextCount = FTimerCount = -1;
  FFrame = 1;
  if (!Source) {
    FDatastream.clear();
    return;
  }
  if (Source->FDatastream.empty()) {
    FDatastream.clear();
    return;
  }
  LoadBytes(Source->FDatastream, true);
}

void THTMLPicture::LoadFromFile(const std::string& FileName) {
  try {
    LoadBytes(ReadFileBytes(FileName, kMaxPictureFileSize), true);
  } catch (const Exception&) {
    FIsEmpty = true;
    FDecoded.Clear();
  }
}

void THTMLPicture::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  LoadBytes(Stream->ReadAll(), true);
}

void THTMLPicture::LoadFromBytes(const std::string& Bytes) { LoadBytes(Bytes, true); }

void THTMLPicture::SaveToStream(TStream* Stream) const {
  if (Stream) Stream->WriteString(FDatastream);
}

void THTMLPicture::ReadData(TStream& Stream) { LoadBytes(Stream.ReadAll(), false); }

void THTMLPicture::LoadFromResourceName(const std::string& ResName) {
  std::string bytes;
  if (FindRawResource(ResName, bytes)) LoadBytes(bytes, true);
}

void THTMLPicture::LoadFromResourceID(int ResID) {
  std::string bytes;
  if (!FindRawResource(std::to_string(ResID), bytes)) throw EResNotFound("Resource " + std::to_string(ResID) + " not found");
  LoadBytes(bytes, true);
}

void THTMLPicture::LoadFromURL(const std::string& URL) {
  std::string upper = UpperCase(URL);
  if (upper.rfind("RES://", 0) == 0) {
    FID = URL;
    if (URL.size() > 6) LoadFromResourceName(URL.substr(6));
  } else if (upper.rfind("FILE://", 0) == 0) {
    FID = URL;
    if (URL.size() > 7) LoadFromFile(URL.substr(7));
  } else if (!FAsynch) {
    FURL = URL;
    FID = URL;
  } else if (!FThreadBusy) {
    // Web pictures are never fetched: the picture stays as it was.
    FURL = URL;
    FThreadBusy = true;
  }
}

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) const {
  if (FIsEmpty || FDecoded.Empty()) return;
  FDecoded.Draw(Canvas, Rect, FStretched);
}

void THTMLPicture::SetFrame(int Value) {
  FFrame = Value;
  if (FDatastream.empty()) return;
  Decode();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() {
  int count = FrameCount();
  FFrame = FFrame >= count ? 1 : FFrame + 1;
}

void THTMLPicture::FramePrev() {
  int count = FrameCount();
  FFrame = FFrame <= 1 ? std::max(count, 1) : FFrame - 1;
}

bool THTMLPicture::Step() {
  if (FIsEmpty || FrameCount() < 2) return false;
  if (FNextCount == -1) FNextCount = std::max(0, FrameTime(FFrame));
  bool changed = false;
  if (FTimerCount * 10 >= FNextCount) {
    FrameNext();
    SetFrame(FFrame);
    FNextCount += std::max(0, FrameTime(FFrame));
    changed = true;
  }
  ++FTimerCount;
  return changed;
}

THTMLPicture* THTMLPictureCache::AddPicture() {
  FItems.push_back(std::make_unique<THTMLPicture>());
  return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const {
  for (const auto& p : FItems)
    if (p->ID() == ID) return p.get();
  return nullptr;
}

void THTMLPictureCache::SetItems(int Index, std::unique_ptr<THTMLPicture> Value) {
  FItems.at(static_cast<size_t>(Index)) = std::move(Value);
}

bool THTMLPictureCache::Animate() {
  bool changed = false;
  for (const auto& p : FItems) changed = p->Step() || changed;
  return changed;
}

void TPictureItem::Assign(const TPictureItem& Source) {
  FName = Source.FName;
  FTag = Source.FTag;
  FPicture.Assign(&Source.FPicture);
}

TPictureItem* TPictureCollection::Add() {
  FItems.push_back(std::make_unique<TPictureItem>());
  return FItems.back().get();
}

TPictureItem* TPictureCollection::Insert(int Index) {
  size_t at = std::min(static_cast<size_t>(std::max(Index, 0)), FItems.size());
  return FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(at), std::make_unique<TPictureItem>())->get();
}

void TPictureCollection::Delete(int Index) { FItems.erase(FItems.begin() + Index); }

bool TPictureCollection::Animate() {
  bool changed = false;
  for (const auto& item : FItems) changed = item->Picture().Step() || changed;
  return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner) : TComponent(AOwner), FItems(this) {}

void TPictureContainer::SetItems(const TPictureCollection& Value) {
  if (&Value == &FItems) return;
  FItems.Clear();
  for (int i = 0; i < Value.Count(); ++i) FItems.Add()->Assign(*Value.Items(i));
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) {
  std::string key = UpperCase(Name);
  for (int i = 0; i < FItems.Count(); ++i)
    if (UpperCase(FItems.Items(i)->Name()) == key) return &FItems.Items(i)->Picture();
  return nullptr;
}

}  // namespace hd
