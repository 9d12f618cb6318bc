// Saving without losing the old content: atomic file replacement, folders replaced as one
// unit, and the clearing of what a killed save left behind.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/files_p.h"

namespace hd {

using namespace files_detail;

namespace {

namespace fs = std::filesystem;

std::mutex RenameHookLock;
std::vector<std::pair<int, int>> RenameFailures;
int RenameCount = 0;

int InjectedRenameError() {
  std::lock_guard<std::mutex> lock(RenameHookLock);
  if (RenameFailures.empty()) return 0;
  ++RenameCount;
  for (const auto& [n, err] : RenameFailures)
    if (n == RenameCount) return err;
  return 0;
}

// A file-size limit must fail the write with EFBIG, not end the program without a word.
void IgnoreFileSizeSignal() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) ::signal(SIGXFSZ, SIG_IGN);
  });
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

// The path a chain of symbolic links ends at, so a save replaces the file and keeps the link.
std::string FollowLinks(const std::string& path) {
  std::string p = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::error_code ec;
    fs::path target = fs::read_symlink(p, ec);
    if (ec) return p;
    p = target.is_absolute() ? target.string() : (fs::path(DirOf(p)) / target).lexically_normal().string();
  }
  return p;
}

// Temporaries are named ".~<name>.<pid>.<n>.<kind>" beside their target, so a later save can
// tell whose they are. The name is cut so that a long target name cannot make them too long.
std::string TempPrefix(const std::string& folder, const std::string& name) {
  return IncludeTrailingPathDelimiter(folder) + ".~" + name.substr(0, 100) + ".";
}

std::string NewTempName(const std::string& prefix, const char* kind) {
  static std::atomic<unsigned> counter{0};
  return prefix + std::to_string(::getpid()) + "." + std::to_string(counter++) + "." + kind;
}

bool AllDigits(const std::string& s) {
  if (s.empty() || s.size() > 9) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// The process that made a temporary named ".~<name>.<pid>.<n>.<kind>"; 0 for any other name.
pid_t LeftoverOwner(const std::string& entry, std::string& kind) {
  if (entry.rfind(".~", 0) != 0) return 0;
  // "tmp.old": the second name an older version kept of a replaced file.
  for (const char* k : {"tmp.old", "tmp", "new", "old"}) {
    const std::string suffix = std::string(".") + k;
    if (entry.size() <= suffix.size() || entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    const std::string rest = entry.substr(0, entry.size() - suffix.size());
    const std::size_t d2 = rest.rfind('.');
    const std::size_t d1 = (d2 == std::string::npos || d2 == 0) ? std::string::npos : rest.rfind('.', d2 - 1);
    if (d1 == std::string::npos || d1 < 2) return 0;
    const std::string pid = rest.substr(d1 + 1, d2 - d1 - 1);
    if (!AllDigits(pid) || !AllDigits(rest.substr(d2 + 1))) return 0;
    kind = k;
    return static_cast<pid_t>(std::stol(pid));
  }
  return 0;
}

bool ProcessIsGone(pid_t pid) { return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH; }

bool IsDeadLeftover(const std::string& entry, std::string& kind) { return ProcessIsGone(LeftoverOwner(entry, kind)); }

// Removes what saves of `name` in `folder` left when their process died (of any name when
// `name` is empty). An old folder set aside by a save that died before the new one came in
// goes back in place.
void ClearLeftovers(const std::string& folder, const std::string& name) {
  const std::string leading = name.empty() ? std::string(".~") : ExtractFileName(TempPrefix(folder, name));
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  std::vector<std::pair<std::string, std::string>> dead;
  while (dirent* e = ::readdir(d)) {
    const std::string entry = e->d_name;
    std::string kind;
    if (entry.rfind(leading, 0) == 0 && IsDeadLeftover(entry, kind)) dead.emplace_back(JoinPath(folder, entry), kind);
  }
  ::closedir(d);
  const std::string target = JoinPath(folder, name);
  for (const auto& [path, kind] : dead) {
    struct stat st;
    if (!name.empty() && kind == "old" && ::lstat(target.c_str(), &st) != 0 &&
        RenamePath(path, target, RENAME_NOREPLACE) == 0)
      continue;
    std::error_code ec;
    fs::remove_all(path, ec);
  }
}

// The old file's state must allow a replace: not a folder, not read-only. `shown` is the name
// the caller gave.
void CheckReplaceable(const std::string& path, const std::string& shown) {
  struct stat st;
  if (path.empty()) throw EFCreateError(CreateErrorText(shown, ENOENT));
  if (::stat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) throw EFCreateError(CreateErrorText(shown, EISDIR));
  if (ModeIsReadOnly(st.st_mode)) throw EFCreateError(CreateErrorText(shown, EACCES));
}

// Writes and syncs a new file; the mode follows `modeOf` when that file exists. false with err.
bool WriteNewFile(const std::string& path, const std::string& bytes, const std::string& modeOf, int& err) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    err = errno;
    return false;
  }
  bool ok = WriteAll(fd, bytes, err);
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  struct stat st;
  if (ok && ::stat(modeOf.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (!ok) ::unlink(path.c_str());
  return ok;
}

// Links every entry of `from` but the named ones into `to`; a copy where links cannot be made.
void LinkOtherEntries(const std::string& from, const std::string& to, const std::vector<TFileContent>& skip,
                      const std::string& shownFolder) {
  std::error_code ec;
  // Stepped with an error code: a listing that fails half-way is a write error, not a crash.
  for (fs::directory_iterator it(from, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const fs::directory_entry& e = *it;
    const std::string name = e.path().filename().string();
    bool replaced = false;
    for (const TFileContent& f : skip) replaced = replaced || f.Path == name;
    std::string kind;
    if (replaced || IsDeadLeftover(name, kind)) continue;
    const fs::path dest = fs::path(to) / name;
    std::error_code linkError;
    fs::copy(e.path(), dest, fs::copy_options::recursive | fs::copy_options::copy_symlinks |
                                 fs::copy_options::create_hard_links, linkError);
    if (!linkError) continue;
    std::error_code copyError;
    fs::remove_all(dest, copyError);
    fs::copy(e.path(), dest, fs::copy_options::recursive | fs::copy_options::copy_symlinks, copyError);
    if (copyError) throw EFCreateError(CreateErrorText(JoinPath(shownFolder, name), copyError.value()));
  }
  if (ec) throw EFCreateError(CreateErrorText(shownFolder, ec.value()));
}

// Puts the complete new folder in the place of the old one; answers where the old one lies now.
std::string SwapIn(const std::string& fresh, const std::string& dir, bool hadOld, const std::string& prefix,
                   const std::string& shown) {
  if (!hadOld) {
    if (RenamePath(fresh, dir, RENAME_NOREPLACE) != 0) throw EFCreateError(CreateErrorText(shown, errno));
    return std::string();
  }
  if (RenamePath(fresh, dir, RENAME_EXCHANGE) == 0) return fresh;
  if (errno != EINVAL && errno != ENOSYS) throw EFCreateError(CreateErrorText(shown, errno));
  // A file system without the exchange: the old folder steps aside and comes back when the new
  // one cannot take its place. A crash between the two leaves it aside, and the next save puts
  // it back.
  const std::string aside = NewTempName(prefix, "old");
  if (RenamePath(dir, aside, RENAME_NOREPLACE) != 0) throw EFCreateError(CreateErrorText(shown, errno));
  if (RenamePath(fresh, dir, RENAME_NOREPLACE) != 0) {
    const int err = errno;
    RenamePath(aside, dir, RENAME_NOREPLACE);
    throw EFCreateError(CreateErrorText(shown, err));
  }
  return aside;
}

}  // namespace

namespace files_detail {

int RenamePath(const std::string& from, const std::string& to, unsigned flags) {
  if (const int err = InjectedRenameError()) {
    errno = err;
    return -1;
  }
  if (flags == 0) return ::rename(from.c_str(), to.c_str());
  return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags);
}

}  // namespace files_detail

void SetRenameFailuresForTests(std::vector<std::pair<int, int>> failures) {
  std::lock_guard<std::mutex> lock(RenameHookLock);
  RenameFailures = std::move(failures);
  RenameCount = 0;
}

void WriteFileAtomic(const std::string& path, const std::string& bytes) {
  IgnoreFileSizeSignal();
  const std::string target = FollowLinks(path);
  CheckReplaceable(target, path);
  const std::string folder = DirOf(target);
  const std::string prefix = TempPrefix(folder, ExtractFileName(target));
  ClearLeftovers(folder, ExtractFileName(target));
  int err = 0;
  std::string temp;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = NewTempName(prefix, "tmp");
    if (WriteNewFile(temp, bytes, target, err) || err != EEXIST) break;
  }
  if (err != 0) throw EFCreateError(CreateErrorText(path, err));
  if (RenamePath(temp, target, 0) != 0) {
    err = errno;
    ::unlink(temp.c_str());
    throw EFCreateError(CreateErrorText(path, err));
  }
  SyncFolder(folder);
}

void ReplaceFolderFiles(const std::string& folder, const std::vector<TFileContent>& files) {
  IgnoreFileSizeSignal();
  const std::string shownFirst = JoinPath(folder, files.empty() ? std::string() : files.front().Path);
  const std::string dir = FollowLinks(ExcludeTrailingPathDelimiter(folder));
  struct stat st;
  const bool hadOld = ::lstat(dir.c_str(), &st) == 0;
  if (hadOld && !S_ISDIR(st.st_mode)) throw EFCreateError(CreateErrorText(shownFirst, ENOTDIR));
  for (const TFileContent& f : files) CheckReplaceable(JoinPath(dir, f.Path), JoinPath(folder, f.Path));
  const std::string parent = DirOf(dir);
  const std::string name = ExtractFileName(dir);
  const std::string prefix = TempPrefix(parent, name);
  ClearLeftovers(parent, name);

  std::string fresh;
  int err = EEXIST;
  for (int attempt = 0; attempt < 100 && err == EEXIST; ++attempt) {
    fresh = NewTempName(prefix, "new");
    err = ::mkdir(fresh.c_str(), 0777) == 0 ? 0 : errno;
  }
  if (err != 0) throw EFCreateError(CreateErrorText(shownFirst, err));
  std::string old;
  try {
    if (hadOld) {
      ::chmod(fresh.c_str(), st.st_mode & 07777);
      LinkOtherEntries(dir, fresh, files, folder);
    }
    for (const TFileContent& f : files)
      if (!WriteNewFile(JoinPath(fresh, f.Path), f.Bytes, JoinPath(dir, f.Path), err))
        throw EFCreateError(CreateErrorText(JoinPath(folder, f.Path), err));
    SyncFolder(fresh);
    old = SwapIn(fresh, dir, hadOld, prefix, shownFirst);
  } catch (...) {
    std::error_code ec;
    fs::remove_all(fresh, ec);
    throw;
  }
  SyncFolder(parent);
  std::error_code ec;
  if (!old.empty()) fs::remove_all(old, ec);
}

}  // namespace hd
