#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/exceptions.h"
#include "platform/files_p.h"

namespace hd {

using namespace files_detail;

namespace files_detail {

std::string OpenErrorText(const std::string& path, int err) {
  return "Cannot open file \"" + path + "\". " + std::strerror(err);
}

std::string CreateErrorText(const std::string& path, int err) {
  return "Cannot create file \"" + path + "\". " + std::strerror(err);
}

bool ModeIsReadOnly(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

std::string DirOf(const std::string& path) {
  std::string dir = ExtractFileDir(path);
  return dir.empty() ? std::string(".") : dir;
}

}  // namespace files_detail

namespace {

bool StatPath(const std::string& path, struct stat& st) {
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesMask(const char* name, const char* mask) {
  while (*mask) {
    if (*mask == '*') {
      while (*mask == '*') ++mask;
      if (!*mask) return true;
      for (const char* n = name; *n; ++n)
        if (MatchesMask(n, mask)) return true;
      return false;
    }
    if (!*name) return false;
    if (*mask != '?' && LowerAscii(*mask) != LowerAscii(*name)) return false;
    ++mask;
    ++name;
  }
  return *name == '\0';
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return StatPath(path, st) && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& path) { return !path.empty() && ::mkdir(path.c_str(), 0777) == 0; }

bool ForceDirectories(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return DirectoryExists(path);
}

bool DeleteFile(const std::string& path) {
  return FileExists(path) && ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  // Never replaces an existing file or folder.
  if (RenamePath(from, to, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) return false;
  return RenamePath(from, to, 0) == 0;
}

std::string ExtractFilePath(const std::string& path) {
  std::size_t p = path.rfind(PathDelim);
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ExtractFileDir(const std::string& path) {
  std::size_t p = path.rfind(PathDelim);
  if (p == std::string::npos) return std::string();
  if (p == 0) return std::string(1, PathDelim);  // the root keeps its separator
  return path.substr(0, p);
}

std::string ExtractFileName(const std::string& path) {
  std::size_t p = path.rfind(PathDelim);
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFileExt(const std::string& path) {
  std::size_t dot = path.rfind('.');
  std::size_t delim = path.rfind(PathDelim);
  if (dot == std::string::npos || (delim != std::string::npos && dot < delim)) return std::string();
  return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  std::string old = ExtractFileExt(path);
  return path.substr(0, path.size() - old.size()) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && path.back() == PathDelim) return path;
  return path + PathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && path.back() == PathDelim) return path.substr(0, path.size() - 1);
  return path;
}

std::string JoinPath(const std::string& a, const std::string& b) {
  // An empty folder gives "/b", never a name relative to the working folder.
  std::size_t skip = 0;
  while (skip < b.size() && b[skip] == PathDelim) ++skip;
  return IncludeTrailingPathDelimiter(a) + b.substr(skip);
}

std::vector<TDirEntry> ListFolder(const std::string& dir) {
  std::vector<TDirEntry> entries;
  if (dir.empty()) return entries;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return entries;
  while (dirent* e = ::readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    if (::stat(JoinPath(dir, name).c_str(), &st) != 0) continue;  // a dangling link
    TDirEntry entry;
    entry.Name = name;
    entry.IsDir = S_ISDIR(st.st_mode);
    entry.ReadOnly = ModeIsReadOnly(st.st_mode);
    entry.Size = entry.IsDir ? 0 : static_cast<std::uint64_t>(st.st_size);
    entries.push_back(std::move(entry));
  }
  ::closedir(d);
  // Without regard to case first, as the listings of the program's usual file systems come.
  auto key = [](const std::string& s) {
    std::string k = s;
    for (char& c : k) c = LowerAscii(c);
    return k;
  };
  std::sort(entries.begin(), entries.end(), [&key](const TDirEntry& x, const TDirEntry& y) {
    std::string kx = key(x.Name), ky = key(y.Name);
    return kx != ky ? kx < ky : x.Name < y.Name;
  });
  return entries;
}

std::vector<std::string> ListSubFolders(const std::string& dir) {
  std::vector<std::string> names;
  for (const TDirEntry& e : ListFolder(dir))
    if (e.IsDir) names.push_back(e.Name);
  return names;
}

std::vector<std::string> ListFiles(const std::string& dir, const std::string& pattern) {
  std::vector<std::string> names;
  for (const TDirEntry& e : ListFolder(dir))
    if (!e.IsDir && MatchesMask(e.Name.c_str(), pattern.c_str())) names.push_back(e.Name);
  return names;
}

std::string ExeFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return GetCurrentDir();
  return ExcludeTrailingPathDelimiter(exe.parent_path().string());
}

std::string GetCurrentDir() {
  std::error_code ec;
  std::filesystem::path cwd = std::filesystem::current_path(ec);
  return ec ? std::string() : cwd.string();
}

std::string TempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string dir = (tmp && *tmp) ? tmp : "/tmp";
  if (dir.size() > 1) dir = ExcludeTrailingPathDelimiter(dir);
  return dir;
}

std::string ReadFileBytes(const std::string& path, std::uint64_t maxBytes) {
  if (path.empty()) throw EFOpenError(OpenErrorText(path, ENOENT));
  // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw EFOpenError(OpenErrorText(path, errno));
  auto tooLarge = [&](std::uint64_t size) {
    ::close(fd);
    return EFOpenError("Cannot open file \"" + path + "\". It is too large: " +
                       (size ? std::to_string(size) + " bytes" : std::string("more")) + " where at most " +
                       std::to_string(maxBytes) + " bytes are read.");
  };
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    throw EFOpenError(OpenErrorText(path, err));
  }
  // A pipe, a device or a folder has no contents to read as a file, and may never end.
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw EFOpenError("Cannot open file \"" + path + "\". It is not a regular file.");
  }
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) throw tooLarge(static_cast<std::uint64_t>(st.st_size));
  std::string bytes;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      throw EFOpenError(OpenErrorText(path, err));
    }
    // A file that grows while read, or a device that never ends.
    if (static_cast<std::uint64_t>(n) > maxBytes - bytes.size()) throw tooLarge(0);
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

}  // namespace hd
