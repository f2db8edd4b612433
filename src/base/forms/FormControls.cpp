#include "base/forms/FormControls.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "base/forms/AccessibleNames.h"

namespace qf {

QPushButton* NamedButton(const QString& name, const QString& caption, FocusEnter enter, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Left alone, Qt decides by the button's dialog; set only where Enter must pass.
    if (enter == FocusEnter::Passes) button->setAutoDefault(false);
    return button;
}

QPushButton* DefaultButton(const QString& name, const QString& caption, FocusEnter enter) {
    QPushButton* button = NamedButton(name, caption, enter);
    button->setDefault(true);
    return button;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    if (name) label->setObjectName(name);
    if (buddy) {
        label->setBuddy(buddy);
        NameByLabel(*label);  // a screen reader names the control by its label
    }
    return label;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy) { return NamedLabel(nullptr, text, buddy); }

QLabel* NoticeLabel(const char* name, const QString& text) {
    QLabel* label = NamedLabel(name, text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLineEdit* NamedEdit(const char* name, int maxLength, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QCheckBox* NamedCheckBox(const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons, RowAlign align) {
    auto* row = new QHBoxLayout;
    if (align == RowAlign::Right || align == RowAlign::Centre) row->addStretch();
    for (QWidget* button : buttons) row->addWidget(button);
    if (align == RowAlign::Left || align == RowAlign::Centre) row->addStretch();
    return row;
}

OkCancel OkCancelButtons(QDialog& dialog, std::function<void()> onOk, OkCancelKeys keys) {
    QPushButton* ok = NamedButton("OkButton", "&Ok", keys.ok);
    if (keys.okIsDefault) ok->setDefault(true);
    if (onOk)
        QObject::connect(ok, &QPushButton::clicked, &dialog, std::move(onOk));
    else
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QPushButton* cancel = NamedButton("CancelButton", "&Cancel", keys.cancel);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {ok, cancel};
}

QHBoxLayout* OkCancelRow(QDialog& dialog, std::function<void()> onOk) {
    const OkCancel buttons = OkCancelButtons(dialog, std::move(onOk));
    return ButtonRow({buttons.ok, buttons.cancel});
}

QHBoxLayout* OkRow(QDialog& dialog) {
    QPushButton* ok = DefaultButton("OkButton", "&Ok");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return ButtonRow({ok}, RowAlign::Centre);
}

namespace {

void AddItems(QVBoxLayout& column, const std::vector<ColumnItem>& items) {
    for (const ColumnItem& item : items) {
        if (auto* const* widget = std::get_if<QWidget*>(&item))
            column.addWidget(*widget);
        else if (auto* const* layout = std::get_if<QLayout*>(&item))
            column.addLayout(*layout);
        else
            column.addSpacing(std::get<Gap>(item).pixels);
    }
}

}  // namespace

QVBoxLayout* SideColumn(const std::vector<ColumnItem>& top, const std::vector<ColumnItem>& bottom) {
    auto* column = new QVBoxLayout;
    AddItems(*column, top);
    column->addStretch();
    AddItems(*column, bottom);
    return column;
}

}  // namespace qf
