#include "base/forms/DialogPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include "base/forms/AccessibleNames.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

QMessageBox::Icon IconOf(Severity severity) {
    switch (severity) {
        case Severity::Error: return QMessageBox::Critical;
        case Severity::Warning: return QMessageBox::Warning;
        case Severity::Information: break;
    }
    return QMessageBox::Information;
}

// The box's icon is a picture: a screen reader says which one.
void NameIcon(QMessageBox& box, const char* kind) {
    if (auto* icon = box.findChild<QLabel*>("qt_msgboxex_icon_label")) DescribePicture(*icon, kind);
}

const char* IconName(Severity severity) {
    switch (severity) {
        case Severity::Error: return "Error";
        case Severity::Warning: return "Warning";
        case Severity::Information: break;
    }
    return "Information";
}

}  // namespace

void DialogPrompter::Inform(const Message& message) {
    if (message.beep != Beep::None) QApplication::beep();
    QMessageBox box(IconOf(message.severity), FromAnsi(message.caption), FromAnsi(message.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    NameIcon(box, IconName(message.severity));
    box.exec();
}

Answer DialogPrompter::Ask(const Message& message, Question kind) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (kind == Question::YesNoCancel) buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, FromAnsi(message.caption), FromAnsi(message.text), buttons,
                    QApplication::activeWindow());
    NameIcon(box, "Question");
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

namespace {

// The dialog of a request: "Page Layouts (*.PAG)|*.PAG" becomes Qt's "Page Layouts (*.PAG)".
QStringList Chosen(const FileDialogRequest& request, QFileDialog::FileMode openMode) {
    QString filter = FromAnsi(request.filter);
    const QStringList parts = filter.split('|');
    QStringList qtFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) qtFilters << parts[i];
    QFileDialog dialog(QApplication::activeWindow(), FromAnsi(request.title), FromAnsi(request.initialPath),
                       qtFilters.join(";;"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : openMode);
    dialog.setDefaultSuffix(FromAnsi(request.defaultExtension));
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

}  // namespace

std::string DialogFileChooser::Choose(const FileDialogRequest& request) {
    const QStringList files = Chosen(request, QFileDialog::ExistingFile);
    return files.isEmpty() ? std::string() : ToAnsi(files.first());
}

std::vector<std::string> DialogFileChooser::ChooseSeveral(const FileDialogRequest& request) {
    std::vector<std::string> out;
    for (const QString& file : Chosen(request, QFileDialog::ExistingFiles)) out.push_back(ToAnsi(file));
    return out;
}

}  // namespace qf
