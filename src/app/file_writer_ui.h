// What the EDS and GSD writers ask of the user: a file name to save under, an error to show,
// a yes/no question. The main window hands in the platform's dialogs; tests hand in a script.
#pragma once

#include <optional>
#include <string>

namespace hd {

struct TSaveFileRequest {
  std::string InitialDir;
  std::string Filter;      // "Description (*.ext)|*.ext"
  std::string DefaultExt;  // added by the dialog to a name typed without one; empty for none
};

class IFileWriterUi {
 public:
  virtual ~IFileWriterUi() = default;
  // The confirmed file name; nothing when the user cancels.
  virtual std::optional<std::string> AskSaveFileName(const TSaveFileRequest& request) = 0;
  virtual void ShowError(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace hd
