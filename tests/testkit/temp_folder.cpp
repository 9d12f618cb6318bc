#include "testkit/temp_folder.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace hd::testkit {

TempFolder::TempFolder() {
  const char* base = std::getenv("HD_TEST_TMP");
  std::string root = (base && *base) ? base : "/tmp";
  std::error_code ec;
  std::filesystem::create_directories(root, ec);
  std::string templ = root + "/hd-test-XXXXXX";
  if (!::mkdtemp(templ.data())) throw std::runtime_error("cannot create a test folder under " + root);
  path_ = templ;
}

TempFolder::~TempFolder() {
  namespace fs = std::filesystem;
  std::error_code ec;
  // A test may have made parts read-only; give write access back so removal works.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    if (!it->is_symlink()) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempFolder::File(const std::string& name) const { return path_ + "/" + name; }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path file = File(name);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  return file.string();
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace hd::testkit
