// Opening links and documents with the desktop's handler. The request goes through a sink that
// tests replace; the program's own sink hands it to the desktop's opener.
#pragma once

#include <string>

#include "platform/messages.h"

namespace hd {


// ShellExecute answers a number above 32 when it started the handler, else one of these.
constexpr std::intptr_t SE_ERR_FNF = 2, SE_ERR_ACCESSDENIED = 5, SE_ERR_NOASSOC = 31;
constexpr std::intptr_t kShellExecuteStarted = 42;

struct TShellRequest {
  HWND Owner = 0;
  std::string Operation;  // "open"
  std::string File;       // a link the opener may take
  std::string Parameters;
  std::string Directory;
  int ShowCmd = SW_SHOWNORMAL;
};

class TShellSink {
 public:
  virtual ~TShellSink() = default;
  // True when the handler was started.
  virtual bool Open(const TShellRequest& request) = 0;
};

// Installs a sink (not owned); nullptr restores the desktop's opener. Returns the previous one.
TShellSink* SetShellSink(TShellSink* sink);

// Whether the text is a link the desktop's opener may be given: an http, https, ftp, file or
// mailto URL (scheme in any case) with something after the scheme and no control characters.
// Anything else could start a program or pass an option to the opener.
bool IsOpenableLink(const std::string& file);

// Opens File with the verb "open" (an empty verb means "open"). Another verb gives
// SE_ERR_NOASSOC, an empty file SE_ERR_FNF, a text that is not an openable link
// SE_ERR_ACCESSDENIED, a handler that could not be started SE_ERR_NOASSOC; the sink sees
// only the requests that may go on.
std::intptr_t ShellExecute(HWND owner, const std::string& operation, const std::string& file,
                           const std::string& parameters = {}, const std::string& directory = {},
                           int showCmd = SW_SHOWNORMAL);

}  // namespace hd
