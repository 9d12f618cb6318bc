// The native dialog sink: message boxes and file dialogs shown with Qt, inside the layer's
// modal loop so that posted messages and timers keep running meanwhile.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/dialogs.h"
#include "platform/forms.h"
#include "platform/modal_loop.h"
#include "platform/native_bridge_p.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

QString QtFilter(const std::string& filter) {
  QStringList parts;
  for (const auto& [description, patterns] : ParseDialogFilter(filter)) {
    QString p = ToQString(patterns);
    p.replace(';', ' ');
    parts << ToQString(description) + " (" + p + ")";
  }
  return parts.join(";;");
}

QWidget* ActiveWindowWidget() {
  TCustomForm* f = Screen().ActiveForm();
  TNativeWindow* n = NativeOf(f);
  return n ? n->widget : nullptr;
}

class TNativeDialogSink : public TDialogSink {
 public:
  TModalResult ShowMessageBox(const TMessageBoxRequest& request) override {
    EnsureNativeApplication();
    QMessageBox box(IconOf(request.Type), ToQString(request.Caption), ToQString(request.Text), QMessageBox::NoButton,
                    ActiveWindowWidget());
    box.setWindowModality(Qt::ApplicationModal);
    std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> buttons;
    for (TMsgDlgBtn b : request.Buttons) {
      QString caption = ToQString(ButtonCaption(b));
      QAbstractButton* button = box.addButton(caption, QMessageBox::ActionRole);
      buttons.emplace_back(button, b);
      if (b == request.DefaultButton) box.setDefaultButton(static_cast<QPushButton*>(button));
      if (b == mbCancel || (request.Buttons.size() == 1)) box.setEscapeButton(button);
    }
    bool finished = false;
    QObject::connect(&box, &QMessageBox::finished, [&finished](int) { finished = true; });
    box.open();
    TModalLoop loop{TModalKind::MessageBox, nullptr, [&finished] { return finished; }, [&box] { box.reject(); }};
    {
      TForwardSuspend suspend;
      RunModalLoop(loop);
    }
    for (auto& [button, b] : buttons)
      if (box.clickedButton() == button) return ModalResultOf(b);
    // Closed without a button: Cancel when there is one, else the only button's result.
    for (TMsgDlgBtn b : request.Buttons)
      if (b == mbCancel) return mrCancel;
    return request.Buttons.size() == 1 ? ModalResultOf(request.Buttons.front()) : mrCancel;
  }

  TFileDialogAnswer ExecuteFileDialog(const TFileDialogRequest& request) override {
    EnsureNativeApplication();
    QFileDialog dialog(ActiveWindowWidget(), ToQString(request.Title), ToQString(request.InitialDir),
                       QtFilter(request.Filter));
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile
                                    : (request.Options.Contains(ofFileMustExist) ? QFileDialog::ExistingFile
                                                                                  : QFileDialog::AnyFile));
    if (!request.Options.Contains(ofOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters = dialog.nameFilters();
    if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
      dialog.selectNameFilter(filters.at(request.FilterIndex - 1));
    if (!request.FileName.empty()) dialog.selectFile(ToQString(request.FileName));
    bool finished = false;
    QObject::connect(&dialog, &QFileDialog::finished, [&finished](int) { finished = true; });
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.open();
    TModalLoop loop{TModalKind::FileDialog, nullptr, [&finished] { return finished; }, [&dialog] { dialog.reject(); }};
    {
      TForwardSuspend suspend;
      RunModalLoop(loop);
    }
    TFileDialogAnswer answer;
    if (dialog.result() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return answer;
    answer.Accepted = true;
    answer.FileName = FromQString(dialog.selectedFiles().first());
    answer.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.FilterIndex < 1) answer.FilterIndex = request.FilterIndex;
    return answer;
  }
};

}  // namespace

TDialogSink& NativeDialogSink() {
  static TNativeDialogSink sink;
  return sink;
}

}  // namespace hd
