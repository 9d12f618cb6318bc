#include "platform/streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/exceptions.h"
#include "platform/files.h"

namespace hd {

namespace {

enum { kNoOp, kReadOp, kWriteOp };

constexpr std::int64_t kMaxPosition = std::numeric_limits<std::int64_t>::max();

std::int64_t SeekBase(TSeekOrigin origin, std::int64_t current, std::int64_t size) {
  switch (origin) {
    case soBeginning:
      return 0;
    case soCurrent:
      return current;
    case soEnd:
      return size;
  }
  return 0;
}

}  // namespace

std::int64_t TStream::Size() {
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  char buf[65536];
  std::int64_t left = count;
  while (left > 0) {
    std::int64_t n = std::min<std::int64_t>(left, sizeof buf);
    source.ReadBuffer(buf, n);
    WriteBuffer(buf, n);
    left -= n;
  }
  return count;
}

std::string TStream::ReadAll() {
  std::string bytes;
  char buf[65536];
  for (;;) {
    std::int64_t n = Read(buf, sizeof buf);
    if (n <= 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  return bytes;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  std::int64_t size = Size();
  if (count <= 0 || pos_ >= size) return 0;
  std::int64_t n = std::min(count, size - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<std::size_t>(n));
  pos_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  // A position far past the end cannot hold the bytes: nothing is written there.
  if (pos_ > kMaxPosition - count || static_cast<std::uint64_t>(pos_ + count) > data_.max_size()) return 0;
  std::int64_t end = pos_ + count;
  if (end > Size()) data_.resize(static_cast<std::size_t>(end), '\0');  // a gap reads as zeros
  std::memcpy(data_.data() + pos_, buffer, static_cast<std::size_t>(count));
  pos_ = end;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t base = SeekBase(origin, pos_, Size());  // never negative
  if ((offset > 0 && base > kMaxPosition - offset) || base + offset < 0) throw EStreamError("Invalid stream position");
  pos_ = base + offset;
  return pos_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  data_.resize(static_cast<std::size_t>(size), '\0');
  pos_ = std::min(pos_, size);
}

void TMemoryStream::Clear() {
  data_.clear();
  pos_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  data_ = ReadFileBytes(path);
  pos_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const { WriteFileAtomic(path, data_); }

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
  const char* how = mode == fmOpenRead ? "rb" : mode == fmCreate ? "w+b" : "r+b";
  file_ = path.empty() ? nullptr : std::fopen(path.c_str(), how);
  if (!file_) {
    int err = path.empty() ? ENOENT : errno;
    if (mode == fmCreate)
      throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(err));
    throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(err));
  }
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

void TFileStream::SwitchTo(int op) {
  if (last_op_ != kNoOp && last_op_ != op) std::fseek(file_, 0, SEEK_CUR);
  last_op_ = op;
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(kReadOp);
  return static_cast<std::int64_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(kWriteOp);
  return static_cast<std::int64_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  if (::fseeko(file_, static_cast<off_t>(offset), whence) != 0)
    throw EStreamError("Cannot seek in \"" + path_ + "\". " + std::strerror(errno));
  last_op_ = kNoOp;
  return static_cast<std::int64_t>(::ftello(file_));
}

}  // namespace hd
