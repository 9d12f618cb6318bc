#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/exceptions.h"

namespace hd {

namespace {

std::string SysReason(int err) { return std::strerror(err); }

std::string OpenErrorText(const std::string& path, int err) {
  return "Cannot open file \"" + path + "\". " + SysReason(err);
}

std::string CreateErrorText(const std::string& path, int err) {
  return "Cannot create file \"" + path + "\". " + SysReason(err);
}

bool StatPath(const std::string& path, struct stat& st) {
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

// A file nobody may write to counts as read-only, whoever runs the program.
bool ModeIsReadOnly(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

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

std::string DirOf(const std::string& path) {
  std::string dir = ExtractFileDir(path);
  return dir.empty() ? std::string(".") : dir;
}

void SyncFolder(const std::string& dir) {
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is already visible; this only hastens its durability
  ::close(fd);
}

bool WriteAll(int fd, const std::string& bytes, int& err) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// A fresh file beside the target, named so that a long target name cannot make it too long.
int CreateTempBeside(const std::string& path, std::string& tempPath, int& err) {
  static std::atomic<unsigned> counter{0};
  std::string name = ExtractFileName(path).substr(0, 100);
  std::string prefix = IncludeTrailingPathDelimiter(DirOf(path)) + ".~" + name + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = prefix + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  err = errno;
  tempPath.clear();
  return -1;
}

// The old file's target state must allow a replace: not a folder, not read-only.
void CheckReplaceable(const std::string& path) {
  struct stat st;
  if (path.empty()) throw EFCreateError(CreateErrorText(path, ENOENT));
  if (::stat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) throw EFCreateError(CreateErrorText(path, EISDIR));
  if (ModeIsReadOnly(st.st_mode)) throw EFCreateError(CreateErrorText(path, EACCES));
}

// Writes the complete content to a temporary file beside path and syncs it; returns its name.
std::string WriteTemp(const std::string& path, const std::string& bytes) {
  CheckReplaceable(path);
  std::string temp;
  int err = 0;
  int fd = CreateTempBeside(path, temp, err);
  if (fd < 0) throw EFCreateError(CreateErrorText(path, err));
  bool ok = WriteAll(fd, bytes, err);
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  struct stat st;
  if (ok && ::stat(path.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    throw EFCreateError(CreateErrorText(path, err));
  }
  return temp;
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
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) return false;
  return ::rename(from.c_str(), to.c_str()) == 0;
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

std::string ReadFileBytes(const std::string& path) {
  if (path.empty()) throw EFOpenError(OpenErrorText(path, ENOENT));
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFOpenError(OpenErrorText(path, errno));
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
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void WriteFileAtomic(const std::string& path, const std::string& bytes) {
  std::string temp = WriteTemp(path, bytes);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    throw EFCreateError(CreateErrorText(path, err));
  }
  SyncFolder(DirOf(path));
}

void WriteFilesAtomic(const std::vector<TFileContent>& files) {
  struct Pending {
    std::string path, temp, backup;
    bool hadOld = false;
  };
  std::vector<Pending> pending;
  auto dropTemps = [&pending] {
    for (const Pending& p : pending) {
      if (!p.temp.empty()) ::unlink(p.temp.c_str());
      if (!p.backup.empty()) ::unlink(p.backup.c_str());
    }
  };
  try {
    for (const TFileContent& f : files) {
      Pending p;
      p.path = f.Path;
      p.temp = WriteTemp(f.Path, f.Bytes);
      pending.push_back(std::move(p));
    }
  } catch (...) {
    dropTemps();
    throw;
  }
  // A second name for each old file lets a failed rename further on put it back.
  for (Pending& p : pending) {
    struct stat st;
    p.hadOld = ::stat(p.path.c_str(), &st) == 0;
    if (p.hadOld) {
      std::string backup = p.temp + ".old";
      if (::link(p.path.c_str(), backup.c_str()) == 0) p.backup = backup;
    }
  }
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (::rename(pending[i].temp.c_str(), pending[i].path.c_str()) == 0) {
      pending[i].temp.clear();
      continue;
    }
    int err = errno;
    for (std::size_t j = 0; j < i; ++j) {
      Pending& done = pending[j];
      if (!done.backup.empty() && ::rename(done.backup.c_str(), done.path.c_str()) == 0)
        done.backup.clear();
      else if (!done.hadOld)
        ::unlink(done.path.c_str());
    }
    dropTemps();
    throw EFCreateError(CreateErrorText(pending[i].path, err));
  }
  dropTemps();
  std::vector<std::string> dirs;
  for (const Pending& p : pending) dirs.push_back(DirOf(p.path));
  std::sort(dirs.begin(), dirs.end());
  dirs.erase(std::unique(dirs.begin(), dirs.end()), dirs.end());
  for (const std::string& d : dirs) SyncFolder(d);
}

}  // namespace hd
