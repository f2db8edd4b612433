#pragma once
// The word list editor's grid as a typist uses it: Tab and Enter go Word, Clue, next row's Word
// (only Clue to Clue where the words are fixed), passing over the cells that cannot be edited;
// coming into the grid, or typing on a fixed cell, goes to the row's first cell that can be
// edited, so no keystroke is lost on a cell that would not take it.
#include <QTableWidget>

namespace qf {

class TWordGrid : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;

    // The next (step 1) or previous (step -1) cell that can be edited, row by row; `from` itself
    // when there is none.
    QModelIndex NextEditable(const QModelIndex& from, int step) const;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool Editable(int row, int column) const;
    QModelIndex FirstEditableInRow(int row) const;
    QWidget* OpenEditor() const;
};

}  // namespace qf
