#include "platform/shell.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "platform/process.h"

namespace hd {
namespace {

class TDesktopOpener : public TShellSink {
 public:
  bool Open(const TShellRequest& request) override { return OpenWithDefaultHandler(request.File); }
};

TDesktopOpener& DesktopOpener() {
  static TDesktopOpener opener;
  return opener;
}

TShellSink*& CurrentSink() {
  static TShellSink* sink = &DesktopOpener();
  return sink;
}

bool StartsWithNoCase(const std::string& text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

TShellSink* SetShellSink(TShellSink* sink) {
  TShellSink* previous = CurrentSink();
  CurrentSink() = sink ? sink : &DesktopOpener();
  return previous;
}

bool IsOpenableLink(const std::string& file) {
  static constexpr std::array<std::string_view, 5> kSchemes = {"http://", "https://", "ftp://", "file://",
                                                               "mailto:"};
  bool control = std::any_of(file.begin(), file.end(), [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
  if (control) return false;
  return std::any_of(kSchemes.begin(), kSchemes.end(), [&](std::string_view scheme) {
    return StartsWithNoCase(file, scheme) && file.size() > scheme.size();
  });
}

std::intptr_t ShellExecute(HWND owner, const std::string& operation, const std::string& file,
                           const std::string& parameters, const std::string& directory, int showCmd) {
  if (!operation.empty() && !(operation.size() == 4 && StartsWithNoCase(operation, "open"))) return SE_ERR_NOASSOC;
  if (file.empty()) return SE_ERR_FNF;
  if (!IsOpenableLink(file)) return SE_ERR_ACCESSDENIED;
  TShellRequest request{owner, "open", file, parameters, directory, showCmd};
  return CurrentSink()->Open(request) ? kShellExecuteStarted : SE_ERR_NOASSOC;
}

}  // namespace hd
