// The platform's per-user settings store. This platform keeps none: every key and value is
// missing, and nothing can be written; callers take their defaults.
#pragma once

#include <cstdint>
#include <string>

#include "platform/exceptions.h"

namespace hd {

using HKEY = std::uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000, HKEY_CURRENT_USER = 0x80000001, HKEY_LOCAL_MACHINE = 0x80000002;

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class TRegistry {
 public:
  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root) { root_ = root; }
  // The key opened last; always empty here.
  const std::string& CurrentPath() const { return path_; }

  // False: there is no key to open, and none can be created.
  bool OpenKeyReadOnly(const std::string& key);
  bool OpenKey(const std::string& key, bool canCreate);
  bool KeyExists(const std::string& key);
  bool ValueExists(const std::string& name);
  void CloseKey();

  // A missing text reads as empty; other missing values raise ERegistryException
  // "Failed to get data for '<name>'", and writes "Failed to set data for '<name>'".
  std::string ReadString(const std::string& name);
  int ReadInteger(const std::string& name);
  bool ReadBool(const std::string& name);
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int value);

 private:
  HKEY root_ = HKEY_CURRENT_USER;
  std::string path_;
};

}  // namespace hd
