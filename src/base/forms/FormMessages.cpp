#include "base/forms/FormMessages.h"

#include <QTableWidget>
#include <QWidget>

namespace qf {

void ShowMessage(QWidget& form, Prompter& prompter, const Message& message) {
    if (message.Empty()) return;
    prompter.Inform(message);
    if (message.focus.empty()) return;
    QWidget* control = form.findChild<QWidget*>(QString::fromStdString(message.focus));
    if (!control) return;
    if (auto* grid = qobject_cast<QTableWidget*>(control); grid && message.focusRow > 0)
        grid->setCurrentCell(message.focusRow - 1, message.focusColumn);
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace qf
