// Host name resolution shared by the network services.
#pragma once

#include <netinet/in.h>

#include <string>

namespace hd {

// Resolves a host name or dotted address to an IPv4 address. A text of digits and dots must be a
// dotted address itself: it is never sent to a name server as a name. False with the reason.
bool ResolveIPv4(const std::string& host, in_addr& address, std::string& error);

// A text of digits and dots only, which is an address or nothing, never a host name.
bool LooksNumeric(const std::string& host);

std::string DottedAddress(const in_addr& address);

}  // namespace hd
