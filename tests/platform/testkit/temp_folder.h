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

 private:
  std::string path_;
};

}  // namespace hd::testkit
