#include "editor/forms/WordToolControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "editor/WordTextImport.h"

namespace qf {

QRadioButton* ToolRadio(const char* name, const char* caption) {
    auto* radio = new QRadioButton(caption);
    radio->setObjectName(name);
    return radio;
}

QListWidget* ToggleList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    return list;
}

int SelectedCount(const QListWidget& list) { return static_cast<int>(list.selectedItems().size()); }

void SelectAllItems(QListWidget& list, bool selected) {
    for (int i = 0; i < list.count(); ++i) list.item(i)->setSelected(selected);
}

QLineEdit* SeparatorEdit(char current) {
    auto* edit = new QLineEdit;
    edit->setObjectName(TextImportControls::kSeparator.text);
    edit->setMaxLength(1);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("WW") + 16);
    edit->setText(FromAnsi(std::string(1, current)));
    return edit;
}

QLabel* SeparatorLabel(QLineEdit* edit) { return BuddyLabel("Separator Char", edit); }

QHBoxLayout* SeparatorRow(QLabel* label, QLineEdit* edit) {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit);
    row->addStretch();
    return row;
}

void ShowSeparator(QLabel& label, QLineEdit& edit, bool shown) {
    label.setVisible(shown);
    edit.setVisible(shown);
}

}  // namespace qf
