// A POSIX file descriptor that closes itself.
#pragma once

#include <unistd.h>

#include <utility>

namespace hd {

class TUniqueFd {
 public:
  TUniqueFd() = default;
  explicit TUniqueFd(int fd) : Fd(fd) {}
  TUniqueFd(TUniqueFd&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
  TUniqueFd& operator=(TUniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.Fd, -1));
    return *this;
  }
  TUniqueFd(const TUniqueFd&) = delete;
  TUniqueFd& operator=(const TUniqueFd&) = delete;
  ~TUniqueFd() { Reset(); }

  int Get() const { return Fd; }
  bool Valid() const { return Fd >= 0; }
  void Reset(int fd = -1) {
    if (Fd >= 0) ::close(Fd);
    Fd = fd;
  }

 private:
  int Fd = -1;
};

}  // namespace hd
