// Asking the maker's web server whether a newer version of the program exists, and the
// maker's pages the windows link to.
#pragma once

#include <string>

#include "platform/net.h"

namespace hd {

// The maker's web host. Its pages and the version service all live there.
constexpr const char* Maker_Web_Host = "www.kastir.example";

// Headers of the program's HTTP client.
constexpr const char* Http_Accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
constexpr const char* Http_User_Agent = "Mozilla/3.0 (compatible; Indy Library)";

// The software code the server is asked about and the version it is compared with.
constexpr const char* Version_Query_Code = "SW58318";
constexpr const char* Own_Version_Text = "1.300";

// Where the version request goes. The time-outs keep a silent server from hanging the window.
struct TVersionServer {
  std::string Host = Maker_Web_Host;
  int Port = 80;
  int ConnectTimeoutMs = 5000;
  int ReadTimeoutMs = 5000;
};

THttpRequest Version_Request(const TVersionServer& server = {});

// True when the server names a newer version than the program's own. Any failure of the
// request counts as "no newer version" and is not reported.
bool Check_Version(IHttpClient& http, const TVersionServer& server = {});

// The reply test alone: true when the reply body names a newer version.
bool Is_Newer_Version(const std::string& reply);

// The number of a version text such as "VER. 1.301" (1301), -1 when it holds none.
int Conv_Version(const std::string& Ver_str);

// The download page the update links open, and the maker's home page.
std::string Download_Page_Url();
std::string Home_Page_Url();

}  // namespace hd
