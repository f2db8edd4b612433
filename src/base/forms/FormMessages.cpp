#include "base/forms/FormMessages.h"

#include <QTableWidget>
#include <QWidget>
#include <QtGlobal>

namespace qf {

void ShowMessage(QWidget& form, Prompter& prompter, const Message& message) {
    if (message.Empty()) return;
    prompter.Inform(message);
    if (message.focus.empty()) return;
    QWidget* control = form.findChild<QWidget*>(QString::fromStdString(message.focus));
    if (!control) {  // a name the window does not have; the focus test of the windows catches it
        qWarning("no control named %s in %s to focus", message.focus.c_str(), qPrintable(form.objectName()));
        return;
    }
    if (auto* grid = qobject_cast<QTableWidget*>(control); grid && message.focusRow > 0)
        grid->setCurrentCell(message.focusRow - 1, message.focusColumn);
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace qf
