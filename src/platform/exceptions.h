// The platform's error classes. The application loop shows Message() of an
// exception that leaves an event handler.
#pragma once

#include <stdexcept>
#include <string>

namespace hd {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// An operation that the object's state does not allow (focusing a hidden window, showing a
// visible form modally).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// A text that is not a number of the asked kind.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A floating-point value that an integer conversion cannot hold.
class EInvalidOp : public Exception {
 public:
  using Exception::Exception;
};

// An object taken for a class it is not of; the message is always "Invalid class typecast".
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception("Invalid class typecast") {}
};

class EListError : public Exception {
 public:
  using Exception::Exception;
};

class EStringListError : public EListError {
 public:
  using EListError::EListError;
};

// A file or folder operation that failed; the message names the file and the system's reason.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};

class EFCreateError : public EInOutError {
 public:
  using EInOutError::EInOutError;
};

class EFOpenError : public EInOutError {
 public:
  using EInOutError::EInOutError;
};

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

// A document that cannot be parsed, or a node asked for what it does not hold.
class EXmlError : public Exception {
 public:
  using Exception::Exception;
};

// Data that is no picture of a known format, or a picture that cannot be written.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// A named resource that the program does not hold.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace hd
