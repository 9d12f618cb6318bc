// A fresh folder per test under HD_TEST_TMP (or /tmp), removed with everything in it.
#pragma once

#include <string>

namespace hd::testkit {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + "/" + name.
  std::string File(const std::string& name) const;
  // Writes the bytes as they are, creating the file's folder; answers the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // The file's bytes; empty when it cannot be read.
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace hd::testkit
