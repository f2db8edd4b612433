#pragma once
// The word grid's cell editor: opening on a Word cell cuts its text to 30 characters, on a Clue
// cell to 150; typing itself is not limited (SetValues cuts when storing).
#include <QStyledItemDelegate>

namespace qf {

class WordGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

}  // namespace qf
