#include "platform/raw_resources.h"

#include <map>

#include "platform/sysutils.h"

namespace hd {

namespace {
std::map<std::string, std::string>& Resources() {
  static std::map<std::string, std::string> resources;
  return resources;
}
}  // namespace

void RegisterRawResource(const std::string& name, const std::string& bytes) { Resources()[UpperCase(name)] = bytes; }

void UnregisterRawResource(const std::string& name) { Resources().erase(UpperCase(name)); }

bool FindRawResource(const std::string& name, std::string& bytes) {
  auto it = Resources().find(UpperCase(name));
  if (it == Resources().end()) return false;
  bytes = it->second;
  return true;
}

}  // namespace hd
