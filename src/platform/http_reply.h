// Reading an HTTP/1.0 answer, apart from the socket so its rules can be checked on their own.
#pragma once

#include <optional>
#include <string>

namespace hd {

// The body of a complete 200 answer (by Content-Length, chunked, or up to the end); nothing
// for any other status, a malformed head or a body cut short.
std::optional<std::string> BodyOfOkAnswer(const std::string& answer);

}  // namespace hd
