#include "platform/registry.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/ini_files.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

constexpr const char* kUserRoot = "HKEY_CURRENT_USER";
constexpr const char* kIntegerTag = "dword:";
constexpr const char* kStringTag = "sz:";
// Marked, so that any text comes back as it went in.
constexpr TTextEncoding kStoreEncoding = TTextEncoding::UTF8BOM;

std::string& StoreFileOverride() {
  static std::string path;
  return path;
}

[[noreturn]] void Fail(const char* what, const std::string& name) {
  throw ERegistryException(std::string("Failed to ") + what + " data for '" + name + "'");
}

// An unreadable store reads as empty.
TMemIniFile ReadStore() {
  try {
    return TMemIniFile(UserStoreFile(), kStoreEncoding);
  } catch (const EInOutError&) {
    return TMemIniFile(std::string(), kStoreEncoding);
  }
}

std::string SectionOf(const std::string& path) { return std::string(kUserRoot) + "\\" + path; }

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// A string value on one line: backslashes and line breaks written as escapes.
std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    char c = s[++i];
    out += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
  }
  return out;
}

// Backslashes at the ends and doubled ones inside are dropped.
std::string NormalPath(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return out;
}

}  // namespace

std::string UserStoreFile() {
  if (!StoreFileOverride().empty()) return StoreFileOverride();
  if (const char* env = std::getenv("HD_USER_STORE"); env && *env) return env;
  std::string folder;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) folder = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home) folder = JoinPath(home, ".config");
  else folder = TempFolder();
  return JoinPath(JoinPath(folder, "HD58318"), "user_store.ini");
}

void SetUserStoreFile(const std::string& Path) { StoreFileOverride() = Path; }

std::string TRegistry::Resolve(const std::string& key) const {
  if (!key.empty() && key[0] == '\\') return NormalPath(key);
  return NormalPath(path_.empty() ? key : path_ + "\\" + key);
}

bool TRegistry::Open(const std::string& key, bool canCreate, bool readOnly) {
  if (root_ != HKEY_CURRENT_USER) return false;
  std::string path = Resolve(key);
  if (path.empty() || (!canCreate && !KeyExists("\\" + path))) return false;
  path_ = path;
  readOnly_ = readOnly;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) { return Open(key, false, true); }
bool TRegistry::OpenKey(const std::string& key, bool canCreate) { return Open(key, canCreate, false); }

bool TRegistry::KeyExists(const std::string& key) {
  if (root_ != HKEY_CURRENT_USER) return false;
  std::string path = Resolve(key);
  if (path.empty()) return false;
  std::string section = SectionOf(path);
  TMemIniFile store = ReadStore();
  for (const std::string& name : store.ReadSections())
    if (SameText(name, section) || (name.size() > section.size() && SameText(name.substr(0, section.size() + 1), section + "\\")))
      return true;
  return false;
}

bool TRegistry::StoredValue(const std::string& name, std::string& value) {
  if (path_.empty()) return false;
  TMemIniFile store = ReadStore();
  if (!store.ValueExists(SectionOf(path_), name)) return false;
  value = store.ReadString(SectionOf(path_), name, "");
  return true;
}

bool TRegistry::ValueExists(const std::string& name) { return GetDataType(name) != rdUnknown; }

TRegDataType TRegistry::GetDataType(const std::string& name) {
  std::string value;
  if (!StoredValue(name, value)) return rdUnknown;
  if (StartsWith(value, kIntegerTag)) return rdInteger;
  if (StartsWith(value, kStringTag)) return rdString;
  return rdUnknown;
}

void TRegistry::CloseKey() {
  path_.clear();
  readOnly_ = false;
}

std::string TRegistry::ReadString(const std::string& name) {
  std::string value;
  if (!StoredValue(name, value)) return {};
  if (!StartsWith(value, kStringTag)) Fail("get", name);
  return Unescape(value.substr(std::char_traits<char>::length(kStringTag)));
}

int TRegistry::ReadInteger(const std::string& name) {
  std::string value;
  if (!StoredValue(name, value) || !StartsWith(value, kIntegerTag)) Fail("get", name);
  int result = 0;
  if (!TryStrToInt("$" + value.substr(std::char_traits<char>::length(kIntegerTag)), result)) Fail("get", name);
  return result;
}

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

void TRegistry::Store(const std::string& name, const std::string& value) {
  if (path_.empty() || readOnly_ || name.find('=') != std::string::npos) Fail("set", name);
  std::string file = UserStoreFile();
  try {
    TMemIniFile store(file, kStoreEncoding);
    store.WriteString(SectionOf(path_), name, value);
    ForceDirectories(ExtractFileDir(file));
    store.UpdateFile();
  } catch (const EInOutError&) {
    Fail("set", name);
  }
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  Store(name, kStringTag + Escape(value));
}

void TRegistry::WriteInteger(const std::string& name, int value) {
  Store(name, kIntegerTag + IntToHex(static_cast<std::uint32_t>(value), 8));
}

}  // namespace hd
