#pragma once
// Small pieces the word tool windows share: named buttons, the three-kind radio buttons with
// the separator edit, and the multi-selection list box of the import and export dialogs.
#include <QString>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qf {

QPushButton* ToolButton(const char* name, const char* caption);
QRadioButton* ToolRadio(const char* name, const char* caption);

// A list box in which each click toggles one item.
QListWidget* ToggleList(const char* name);
int SelectedCount(const QListWidget& list);
void SelectAllItems(QListWidget& list, bool selected);

// The "Separator Char" label and its one-character edit; shown only for words and clues.
QLineEdit* SeparatorEdit(char current);
void ShowSeparator(QLabel& label, QLineEdit& edit, bool shown);

}  // namespace qf
