#pragma once
// Small pieces the word tool windows share: the three-kind radio buttons with the separator
// edit, and the multi-selection list box of the import and export dialogs.
#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace qf {

QRadioButton* ToolRadio(const char* name, const char* caption);

// A list box in which each click toggles one item.
QListWidget* ToggleList(const char* name);
int SelectedCount(const QListWidget& list);
void SelectAllItems(QListWidget& list, bool selected);

// The "Separator Char" label and its one-character edit; shown only for words and clues.
QLineEdit* SeparatorEdit(char current);
QLabel* SeparatorLabel(QLineEdit* edit);
// The label and the edit in a row, kept at the left.
QHBoxLayout* SeparatorRow(QLabel* label, QLineEdit* edit);
void ShowSeparator(QLabel& label, QLineEdit& edit, bool shown);

}  // namespace qf
