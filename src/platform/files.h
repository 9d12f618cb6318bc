// Files and folders. Paths are UTF-8 with the native separator.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace hd {

constexpr char PathDelim = '/';

// An empty path never exists.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// One folder level; false when it could not be made (or already exists).
bool CreateDir(const std::string& path);
// Every missing level of the path; true when the folder exists afterwards.
bool ForceDirectories(const std::string& path);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);

std::string ExtractFilePath(const std::string& path);  // with the trailing separator
std::string ExtractFileDir(const std::string& path);   // without it
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);   // with the dot
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);
// a + separator + b, with no doubled separator; an empty a gives "/b".
std::string JoinPath(const std::string& a, const std::string& b);

struct TDirEntry {
  std::string Name;
  bool IsDir = false;
  bool ReadOnly = false;
  std::uint64_t Size = 0;
};
// Entries of a folder in name order (case-insensitive first), without "." and "..".
// ReadOnly: nobody may write to it, whoever runs the program.
std::vector<TDirEntry> ListFolder(const std::string& dir);
std::vector<std::string> ListSubFolders(const std::string& dir);
// Files whose name matches a pattern with * and ? (case-insensitive), "*" for all.
std::vector<std::string> ListFiles(const std::string& dir, const std::string& pattern = "*");

// The folder of the running executable, without a trailing separator.
std::string ExeFolder();
std::string GetCurrentDir();
std::string TempFolder();

constexpr std::uint64_t kNoFileSizeLimit = std::numeric_limits<std::uint64_t>::max();

// EFOpenError naming the file and the reason. Readers of outside files pass the most they can
// sensibly hold: a larger file (or an endless device) is refused without being read whole.
std::string ReadFileBytes(const std::string& path, std::uint64_t maxBytes = kNoFileSizeLimit);
// Replaces the file only once the new content is complete: a temporary file beside it, then a
// rename. On failure the old file is intact, no temporary is left and EFCreateError names the
// file and the reason (a file-size limit included). A read-only old file is refused as a plain
// overwrite would be, not silently replaced. A symbolic link is written through: the file it
// names is replaced and the link stays. Temporaries left beside the file by a save that was
// killed are removed.
void WriteFileAtomic(const std::string& path, const std::string& bytes);

struct TFileContent {
  std::string Path;  // a name inside the folder
  std::string Bytes;
};
// Writes the files into a fresh copy of the folder (its other entries linked over) and swaps
// that copy in with one atomic exchange, so a crash at any moment leaves either the whole old
// folder or the whole new one. The folder is made when missing; its parent must exist. A
// failure leaves the old folder as it was and raises EFCreateError naming the file.
void ReplaceFolderFiles(const std::string& folder, const std::vector<TFileContent>& files);

// For tests of the failure paths: each pair (n, errno) makes the n-th rename of the file layer
// from now on (1 = the next) fail with that error. An empty list switches it off.
void SetRenameFailuresForTests(std::vector<std::pair<int, int>> failures);

}  // namespace hd
