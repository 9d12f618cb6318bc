#include "app/version_check.h"

#include <exception>

#include "platform/sysutils.h"

namespace hd {

THttpRequest Version_Request(const TVersionServer& server) {
  THttpRequest request;
  request.Host = server.Host;
  request.Port = server.Port;
  request.Path = std::string("/home/download/GetversionSW.asp?nomesw=") + Version_Query_Code;
  request.Headers = {{"Accept", Http_Accept}};
  request.UserAgent = Http_User_Agent;
  request.ConnectTimeoutMs = server.ConnectTimeoutMs;
  request.ReadTimeoutMs = server.ReadTimeoutMs;
  return request;
}

bool Check_Version(IHttpClient& http, const TVersionServer& server) {
  std::string reply;
  try {
    reply = http.Get(Version_Request(server)).value_or("");
  } catch (const std::exception&) {
    return false;
  }
  return Is_Newer_Version(reply);
}

bool Is_Newer_Version(const std::string& reply) {
  const std::string text = Trim(reply);
  const std::string upper = UpperCase(text);
  if (upper.empty() || upper == "VER. 0.000") return false;
  const int own = Conv_Version(Own_Version_Text);
  const int offered = Conv_Version(text);
  return own != -1 && offered != -1 && offered > own;
}

int Conv_Version(const std::string& Ver_str) {
  const std::string::size_type blank = Ver_str.find(' ');
  const std::string number = Trim(blank == std::string::npos ? Ver_str : Ver_str.substr(blank + 1));
  if (number.size() < 5) return -1;
  // The point between the first digit and the other three is skipped.
  const std::string digits = {number[0], number[2], number[3], number[4]};
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string Download_Page_Url() {
  return std::string("http://") + Maker_Web_Host + "/Home/download/download.asp#HD58318";
}

std::string Home_Page_Url() { return std::string("http://") + Maker_Web_Host + "/HOME/default.asp?frompg=SW58318"; }

}  // namespace hd
