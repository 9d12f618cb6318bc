// Helpers the file layer's sources share.
#pragma once

#include <sys/types.h>

#include <string>

namespace hd::files_detail {

std::string OpenErrorText(const std::string& path, int err);
std::string CreateErrorText(const std::string& path, int err);
// A file nobody may write to counts as read-only, whoever runs the program.
bool ModeIsReadOnly(mode_t mode);
// The file's folder, "." for a bare name.
std::string DirOf(const std::string& path);
// Every rename of the file layer goes through here, so tests can make one fail.
// flags: 0, RENAME_NOREPLACE or RENAME_EXCHANGE; -1 with errno set on failure.
int RenamePath(const std::string& from, const std::string& to, unsigned flags);

}  // namespace hd::files_detail
