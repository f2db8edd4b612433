#include "editor/forms/WordGridDelegate.h"

#include <QLineEdit>

#include "base/forms/QtText.h"
#include "editor/WordListRules.h"

namespace qf {

void WordGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const std::string text = ToAnsi(index.data(Qt::EditRole).toString());
    line->setText(FromAnsi(CellEditText(index.column(), text)));
}

}  // namespace qf
