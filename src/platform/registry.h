// The platform's per-user settings store. Keys under HKEY_CURRENT_USER are kept in a file of
// the user's configuration folder, holding 32-bit integer and string values; the other roots
// keep nothing here.
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

enum TRegDataType { rdUnknown, rdString, rdInteger };

// The file behind the store: the one set here, else HD_USER_STORE from the environment, else
// HD58318/user_store.ini in the user's configuration folder. Tests point it at their own folder;
// an empty path goes back to the default.
std::string UserStoreFile();
void SetUserStoreFile(const std::string& Path);

class TRegistry {
 public:
  HKEY RootKey() const { return root_; }
  void SetRootKey(HKEY root) { root_ = root; }
  // The key opened last, without leading or trailing backslashes; empty when none is open.
  const std::string& CurrentPath() const { return path_; }

  // A key starting with a backslash is taken from the root, any other below the open key.
  // OpenKey with canCreate opens a missing key too; it is stored with its first value.
  bool OpenKeyReadOnly(const std::string& key);
  bool OpenKey(const std::string& key, bool canCreate);
  // The key has values or subkeys.
  bool KeyExists(const std::string& key);
  bool ValueExists(const std::string& name);
  TRegDataType GetDataType(const std::string& name);
  void CloseKey();

  // A missing text reads as empty; other missing values and values of the other type raise
  // ERegistryException "Failed to get data for '<name>'"; a write without a key open for
  // writing, or that cannot be stored, "Failed to set data for '<name>'".
  std::string ReadString(const std::string& name);
  int ReadInteger(const std::string& name);
  bool ReadBool(const std::string& name);
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int value);

 private:
  std::string Resolve(const std::string& key) const;
  bool Open(const std::string& key, bool canCreate, bool readOnly);
  // The stored form of a value in the open key; false when it has none.
  bool StoredValue(const std::string& name, std::string& value);
  void Store(const std::string& name, const std::string& value);

  HKEY root_ = HKEY_CURRENT_USER;
  std::string path_;
  bool readOnly_ = false;
};

}  // namespace hd
