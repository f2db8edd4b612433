#pragma once
// The word grid's cell editor: opening on a Word cell cuts its text to 30 characters, on a Clue
// cell to 150; typing itself is not limited (SetValues cuts when storing). Enter stores the cell
// and goes on to the next one, as Tab does.
#include <QStyledItemDelegate>

namespace qf {

class WordGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace qf
