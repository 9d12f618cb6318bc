// Message boxes and the open and save dialogs. Every dialog goes through a sink: the program's
// shows native dialogs; tests install one that records the request and answers it.
#pragma once

#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/forms.h"

namespace hd {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using enum TMsgDlgBtn;
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// The platform's MessageBox flags and answers.
constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                   MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10,
                   MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONEXCLAMATION = 0x30,
                   MB_ICONINFORMATION = 0x40, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

struct TMessageBoxRequest {
  TMsgDlgType Type = mtInformation;
  std::string Caption;
  std::string Text;
  // Buttons from left to right, with the modal result each gives.
  std::vector<TMsgDlgBtn> Buttons;
  TMsgDlgBtn DefaultButton = mbOK;
};

enum class TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofAllowMultiSelect, ofPathMustExist,
  ofFileMustExist, ofCreatePrompt, ofNoReadOnlyReturn, ofEnableSizing
};
using enum TOpenOption;
using TOpenOptions = TSet<TOpenOption>;

struct TFileDialogRequest {
  bool Save = false;
  std::string Title;
  std::string Filter;      // "Description|*.ext|Other|*.a;*.b"
  int FilterIndex = 1;     // counted from 1
  std::string DefaultExt;
  std::string InitialDir;
  std::string FileName;
  TOpenOptions Options;
};

struct TFileDialogAnswer {
  bool Accepted = false;
  std::string FileName;    // as chosen; the dialog adds the default extension
  int FilterIndex = 1;
};

class TDialogSink {
 public:
  virtual ~TDialogSink() = default;
  // Returns the modal result of the button chosen.
  virtual TModalResult ShowMessageBox(const TMessageBoxRequest& request) = 0;
  virtual TFileDialogAnswer ExecuteFileDialog(const TFileDialogRequest& request) = 0;
};

// Installs a sink (not owned); nullptr restores the native one. Returns the previous sink.
TDialogSink* SetDialogSink(TDialogSink* sink);
TDialogSink& DialogSink();

// The caption of a message box of the type: "Warning", "Error", "Information", "Confirm", or
// the application's title for mtCustom.
std::string MessageBoxCaption(TMsgDlgType type);
TModalResult ModalResultOf(TMsgDlgBtn button);
std::string ButtonCaption(TMsgDlgBtn button);

// A message box of the type with the buttons; returns the modal result of the one chosen.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& text);

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner) : TComponent(owner) {}
  const char* ClassName() const override { return "TOpenDialog"; }

  // True when the user chose a file; FileName then holds it, with DefaultExt added when it
  // has no extension.
  virtual bool Execute();

  std::string Title;
  std::string Filter;
  int FilterIndex = 1;
  std::string DefaultExt;
  std::string InitialDir;
  std::string FileName;
  TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

 protected:
  bool save_ = false;
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) { save_ = true; }
  const char* ClassName() const override { return "TSaveDialog"; }
};

// "Description|*.ext|..." as (description, patterns) pairs.
std::vector<std::pair<std::string, std::string>> ParseDialogFilter(const std::string& filter);
// Adds the default extension ("eds", ".eds" or "*.eds") to a name that has none.
std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt);

}  // namespace hd
