#include "platform/http_reply.h"

#include <cstdlib>

namespace hd {

namespace {

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string TrimBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::string> DecodeChunked(const std::string& body) {
  std::string out;
  std::size_t at = 0;
  for (;;) {
    const std::size_t lineEnd = body.find('\n', at);
    if (lineEnd == std::string::npos) return std::nullopt;
    char* end = nullptr;
    const std::string sizeText = body.substr(at, lineEnd - at);
    const unsigned long size = std::strtoul(sizeText.c_str(), &end, 16);
    if (end == sizeText.c_str()) return std::nullopt;
    at = lineEnd + 1;
    if (size == 0) return out;
    if (size > body.size() - at) return std::nullopt;
    out.append(body, at, size);
    at += size;
    if (body.compare(at, 2, "\r\n") == 0)
      at += 2;
    else if (body.compare(at, 1, "\n") == 0)
      at += 1;
    else
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> BodyOfOkAnswer(const std::string& answer) {
  std::size_t headerEnd = answer.find("\r\n\r\n");
  std::size_t bodyStart = headerEnd + 4;
  if (headerEnd == std::string::npos) {
    headerEnd = answer.find("\n\n");
    if (headerEnd == std::string::npos) return std::nullopt;
    bodyStart = headerEnd + 2;
  }
  const std::string head = answer.substr(0, headerEnd);
  const std::size_t statusEnd = head.find('\n');
  const std::string status = TrimBlanks(head.substr(0, statusEnd));
  const std::size_t blank = status.find(' ');
  if (status.rfind("HTTP/", 0) != 0 || blank == std::string::npos ||
      status.compare(blank + 1, 3, "200") != 0 ||
      (status.size() > blank + 4 && status[blank + 4] != ' '))
    return std::nullopt;

  std::optional<std::size_t> length;
  bool chunked = false;
  std::size_t at = statusEnd == std::string::npos ? head.size() : statusEnd + 1;
  while (at < head.size()) {
    std::size_t end = head.find('\n', at);
    if (end == std::string::npos) end = head.size();
    const std::string line = head.substr(at, end - at);
    at = end + 1;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string name = LowerAscii(TrimBlanks(line.substr(0, colon)));
    const std::string value = TrimBlanks(line.substr(colon + 1));
    if (name == "content-length") {
      char* stop = nullptr;
      const unsigned long long n = std::strtoull(value.c_str(), &stop, 10);
      if (value.empty() || *stop != '\0') return std::nullopt;
      length = static_cast<std::size_t>(n);
    } else if (name == "transfer-encoding") {
      chunked = LowerAscii(value).find("chunked") != std::string::npos;
    }
  }
  const std::string body = answer.substr(bodyStart);
  if (chunked) return DecodeChunked(body);
  if (length) {
    // A body cut short by the peer is no answer.
    if (body.size() < *length) return std::nullopt;
    return body.substr(0, *length);
  }
  return body;
}

}  // namespace hd
