#include "app/app_dialogs.h"

#include <utility>

#include "platform/dialogs.h"
#include "platform/process.h"

namespace hd {
namespace {

TLinkOpener g_link_opener;

}  // namespace

void Show_Error(const std::string& text) { MessageDlg(text, mtError, {mbOK}); }

bool Ask_Yes_No(const std::string& text) { return MessageDlg(text, mtConfirmation, {mbYes, mbNo}) == mrYes; }

void Open_Link(const std::string& link) {
  if (g_link_opener)
    g_link_opener(link);
  else
    OpenWithDefaultHandler(link);
}

TLinkOpener Set_Link_Opener(TLinkOpener opener) { return std::exchange(g_link_opener, std::move(opener)); }

std::optional<std::string> TDialogFileWriterUi::AskSaveFileName(const TSaveFileRequest& request) {
  TSaveDialog dialog(nullptr);
  dialog.InitialDir = request.InitialDir;
  dialog.Filter = request.Filter;
  dialog.DefaultExt = request.DefaultExt;
  if (!dialog.Execute()) return std::nullopt;
  return dialog.FileName;
}

}  // namespace hd
