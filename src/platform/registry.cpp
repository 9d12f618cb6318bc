#include "platform/registry.h"

namespace hd {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& name) {
  throw ERegistryException(std::string("Failed to ") + what + " data for '" + name + "'");
}

}  // namespace

bool TRegistry::OpenKeyReadOnly(const std::string&) { return false; }
bool TRegistry::OpenKey(const std::string&, bool) { return false; }
bool TRegistry::KeyExists(const std::string&) { return false; }
bool TRegistry::ValueExists(const std::string&) { return false; }
void TRegistry::CloseKey() { path_.clear(); }

std::string TRegistry::ReadString(const std::string&) { return {}; }
int TRegistry::ReadInteger(const std::string& name) { Fail("get", name); }
bool TRegistry::ReadBool(const std::string& name) { Fail("get", name); }
void TRegistry::WriteString(const std::string& name, const std::string&) { Fail("set", name); }
void TRegistry::WriteInteger(const std::string& name, int) { Fail("set", name); }

}  // namespace hd
