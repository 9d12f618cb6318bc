#include "platform/dialogs.h"

#include "platform/application.h"
#include "platform/native_bridge_p.h"

namespace hd {
namespace {

TDialogSink* g_sink = nullptr;

constexpr TMsgDlgBtn kButtonOrder[] = {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry,
                                       mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose};

}  // namespace

TDialogSink* SetDialogSink(TDialogSink* sink) {
  TDialogSink* previous = g_sink;
  g_sink = sink;
  return previous;
}

TDialogSink& DialogSink() { return g_sink ? *g_sink : NativeDialogSink(); }

std::string MessageBoxCaption(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
  }
  return Application().Title();
}

TModalResult ModalResultOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbHelp: return mrHelp;
    case mbClose: return mrClose;
  }
  return mrNone;
}

std::string ButtonCaption(TMsgDlgBtn button) {
  switch (button) {
    case mbYes: return "&Yes";
    case mbNo: return "&No";
    case mbOK: return "OK";
    case mbCancel: return "Cancel";
    case mbAbort: return "&Abort";
    case mbRetry: return "&Retry";
    case mbIgnore: return "&Ignore";
    case mbAll: return "&All";
    case mbNoToAll: return "N&o to All";
    case mbYesToAll: return "Yes to &All";
    case mbHelp: return "&Help";
    case mbClose: return "&Close";
  }
  return {};
}

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  TMessageBoxRequest request;
  request.Type = type;
  request.Caption = MessageBoxCaption(type);
  request.Text = text;
  for (TMsgDlgBtn b : kButtonOrder)
    if (buttons.Contains(b)) request.Buttons.push_back(b);
  if (request.Buttons.empty()) request.Buttons.push_back(mbOK);
  // The first of OK, Yes or the first button is the default, as the platform's dialogs do.
  request.DefaultButton = buttons.Contains(mbOK) ? mbOK : buttons.Contains(mbYes) ? mbYes : request.Buttons.front();
  return DialogSink().ShowMessageBox(request);
}

void ShowMessage(const std::string& text) {
  TMessageBoxRequest request;
  request.Type = mtCustom;
  request.Caption = Application().Title();
  request.Text = text;
  request.Buttons = {mbOK};
  DialogSink().ShowMessageBox(request);
}

std::vector<std::pair<std::string, std::string>> ParseDialogFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    size_t bar = filter.find('|', start);
    if (bar == std::string::npos) bar = filter.size();
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<std::pair<std::string, std::string>> result;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) result.emplace_back(parts[i], parts[i + 1]);
  if (parts.size() % 2 == 1 && !parts.back().empty()) result.emplace_back(parts.back(), parts.back());
  return result;
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt) {
  std::string ext = defaultExt;
  while (!ext.empty() && (ext.front() == '*' || ext.front() == '.')) ext.erase(ext.begin());
  if (ext.empty() || fileName.empty()) return fileName;
  size_t slash = fileName.find_last_of("/\\");
  std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  if (base.find('.') != std::string::npos) return fileName;
  return fileName + "." + ext;
}

bool TOpenDialog::Execute() {
  TFileDialogRequest request;
  request.Save = save_;
  request.Title = Title;
  request.Filter = Filter;
  request.FilterIndex = FilterIndex;
  request.DefaultExt = DefaultExt;
  request.InitialDir = InitialDir;
  request.FileName = FileName;
  request.Options = Options;
  TFileDialogAnswer answer = DialogSink().ExecuteFileDialog(request);
  if (!answer.Accepted) return false;
  FileName = ApplyDefaultExt(answer.FileName, DefaultExt);
  FilterIndex = answer.FilterIndex;
  return true;
}

}  // namespace hd
