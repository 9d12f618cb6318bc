// The configurator's message boxes and the file writers' questions, shown through the
// platform's dialogs.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/file_writer_ui.h"

namespace hd {

// An error box with one OK button.
void Show_Error(const std::string& text);
// A confirmation box with Yes and No; true for Yes.
bool Ask_Yes_No(const std::string& text);

// Opens a link with the desktop's default handler.
void Open_Link(const std::string& link);
// Replaces what Open_Link does (tests record the links); an empty opener restores the
// desktop's. Returns the previous one.
using TLinkOpener = std::function<void(const std::string& link)>;
TLinkOpener Set_Link_Opener(TLinkOpener opener);

// What the EDS and GSD steps ask of the user: the platform's save dialog and message boxes.
class TDialogFileWriterUi : public IFileWriterUi {
 public:
  std::optional<std::string> AskSaveFileName(const TSaveFileRequest& request) override;
  void ShowError(const std::string& text) override { Show_Error(text); }
  bool AskYesNo(const std::string& text) override { return Ask_Yes_No(text); }
};

}  // namespace hd
