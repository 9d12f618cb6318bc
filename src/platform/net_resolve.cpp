#include "platform/net_resolve.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>

namespace hd {

bool LooksNumeric(const std::string& host) {
  return host.find_first_not_of("0123456789.") == std::string::npos;
}

bool ResolveIPv4(const std::string& host, in_addr& address, std::string& error) {
  if (host.empty()) {
    error = "No host name given";
    return false;
  }
  if (LooksNumeric(host)) {
    if (inet_pton(AF_INET, host.c_str(), &address) == 1) return true;
    error = "'" + host + "' is not a valid IPv4 address";
    return false;
  }
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const int rc = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (rc != 0 || found == nullptr) {
    error = "Host '" + host + "' not found: " + gai_strerror(rc);
    if (found) freeaddrinfo(found);
    return false;
  }
  address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return true;
}

std::string DottedAddress(const in_addr& address) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof text);
  return text;
}

}  // namespace hd
