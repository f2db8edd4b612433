#include "editor/forms/WordGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace qf {

bool TWordGrid::Editable(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell && (cell->flags() & Qt::ItemIsEditable);
}

QModelIndex TWordGrid::NextEditable(const QModelIndex& from, int step) const {
    const int columns = columnCount();
    const int cells = rowCount() * columns;
    const int start = from.isValid() ? from.row() * columns + from.column() : (step > 0 ? -1 : cells);
    for (int n = start + step; n >= 0 && n < cells; n += step)
        if (Editable(n / columns, n % columns)) return model()->index(n / columns, n % columns);
    return from;
}

QModelIndex TWordGrid::FirstEditableInRow(int row) const {
    for (int c = 0; c < columnCount(); ++c)
        if (Editable(row, c)) return model()->index(row, c);
    return {};
}

QModelIndex TWordGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    if (cursorAction == MoveNext) return NextEditable(currentIndex(), 1);
    if (cursorAction == MovePrevious) return NextEditable(currentIndex(), -1);
    return QTableWidget::moveCursor(cursorAction, modifiers);
}

QWidget* TWordGrid::OpenEditor() const {
    for (QWidget* child : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible()) return child;
    return nullptr;
}

void TWordGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    const bool plainEnter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                            !(event->modifiers() & ~Qt::KeypadModifier);
    if (plainEnter) {
        setCurrentIndex(NextEditable(current, 1));
        return;
    }
    const QString text = event->text();
    const bool typing = !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && current.isValid() && !Editable(current.row(), current.column())) {
        const QModelIndex to = FirstEditableInRow(current.row());
        if (to.isValid()) {
            setCurrentIndex(to);  // opens the cell editor, which takes the key
            if (QWidget* editor = OpenEditor()) {
                QApplication::sendEvent(editor, event);
                return;
            }
        }
    }
    QTableWidget::keyPressEvent(event);
}

void TWordGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    const QModelIndex current = currentIndex();
    if (current.isValid() && Editable(current.row(), current.column())) return;
    const QModelIndex to = FirstEditableInRow(current.isValid() ? current.row() : 0);
    if (to.isValid()) setCurrentIndex(to);
}

}  // namespace qf
