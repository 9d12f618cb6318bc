// Byte streams: in memory and on file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace hd {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t pos) { Seek(pos, soBeginning); }
  virtual std::int64_t Size();
  // Raise EReadError / EWriteError when fewer bytes move than asked.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  std::int64_t CopyFrom(TStream& source, std::int64_t count);  // count 0: the whole source
  std::string ReadAll();  // from the position to the end
  void WriteString(const std::string& s) { WriteBuffer(s.data(), static_cast<std::int64_t>(s.size())); }
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
  void SetSize(std::int64_t size);
  void Clear();
  const std::string& Bytes() const { return data_; }
  void LoadFromFile(const std::string& path);
  // Through the atomic replace.
  void SaveToFile(const std::string& path) const;

 private:
  std::string data_;
  std::int64_t pos_ = 0;
};

enum TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

// A plain file stream; EFOpenError / EFCreateError name the file and the reason.
// fmCreate truncates at once: files the program writes go through TMemoryStream::SaveToFile.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, TFileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  void SwitchTo(int op);

  std::FILE* file_ = nullptr;
  std::string path_;
  int last_op_ = 0;  // a switch between reading and writing needs a positioning call
};

}  // namespace hd
