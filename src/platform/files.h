// Files and folders. Paths are UTF-8 with the native separator.
#pragma once

#include <cstdint>
#include <string>
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

std::string ReadFileBytes(const std::string& path);  // EFOpenError naming the file and the reason
// Replaces the file only once the new content is complete: a temporary file beside it, then a
// rename. On failure the old file is intact and EFCreateError names the file and the reason.
// A read-only old file is refused as a plain overwrite would be, not silently replaced.
void WriteFileAtomic(const std::string& path, const std::string& bytes);

struct TFileContent {
  std::string Path;
  std::string Bytes;
};
// Writes every file beside its old one first and replaces them only when all were written,
// so a failure leaves all the old files as they were.
void WriteFilesAtomic(const std::vector<TFileContent>& files);

}  // namespace hd
