#include "app/forms/ImportWordLists.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/HelpWindow.h"
#include "base/forms/QtText.h"

namespace qf {
TImportWordLists::TImportWordLists(ImportWordListsInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent), in_(std::move(inputs)) {
    setObjectName("ImportWordLists");
    setWindowTitle(kImportWordListsCaption);
    files_ = new QListWidget;
    files_->setObjectName("WordFiles");
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    files_->setMinimumSize(360, 140);
    QPushButton* add = NamedButton(WordListImportControls::kAddFiles.text, "&Add Files...");
    QPushButton* remove = NamedButton("RemoveFiles", "&Remove");
    category_ = new QComboBox;
    category_->setObjectName(WordListImportControls::kCategory.text);
    category_->setEditable(true);
    for (const std::string& c : in_.categories) category_->addItem(FromAnsi(c));
    category_->setCurrentText(FromAnsi(in_.category));
    attempts_ = NamedEdit(WordListImportControls::kAttempts.text, 3, QString::number(in_.attempts));
    auto* shape = new QLabel(FromAnsi(in_.shapeText));
    shape->setObjectName("ShapeName");

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel("&Category:", category_), category_);
    form->addRow(BuddyLabel("A&ttempts:", attempts_), attempts_);
    form->addRow(new QLabel("Built in:"), shape);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NoticeLabel("ImportNote", QString("Each word list file (on each line a word, \"%1\" and its clue) "
                                                        "becomes a new puzzle, titled with the file's name.")
                                                    .arg(FromAnsi(std::string(1, in_.separator)))));
    layout->addWidget(BuddyLabel("Word list &files:", files_));
    layout->addWidget(files_);
    layout->addLayout(ButtonRow({add, remove}, RowAlign::Left));
    layout->addLayout(form);
    OkCancel buttons = OkCancelButtons(*this, [this] { ImportClick(); });
    buttons.ok->setText("&Import");
    QPushButton* help = NamedButton("HelpButton", "&Help", FocusEnter::Passes);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, in_.programDir, kImportWordListsHelp); });
    layout->addLayout(ButtonRow({buttons.ok, buttons.cancel, help}));
    connect(add, &QPushButton::clicked, this, &TImportWordLists::AddFiles);
    connect(remove, &QPushButton::clicked, this, &TImportWordLists::RemoveFiles);
    setTabOrder(files_, add);
    setTabOrder(add, remove);
    setTabOrder(remove, category_);
    setTabOrder(category_, attempts_);
    setTabOrder(attempts_, buttons.ok);
    setTabOrder(buttons.ok, buttons.cancel);
    setTabOrder(buttons.cancel, help);
}

void TImportWordLists::AddFiles() {
    for (const std::string& file : in_.chooser.ChooseSeveral(in_.files)) {
        const QString name = FromAnsi(file);
        if (files_->findItems(name, Qt::MatchExactly).isEmpty()) files_->addItem(name);
    }
    if (files_->count() > 0 && !files_->currentItem()) files_->setCurrentRow(0);
}

void TImportWordLists::RemoveFiles() {
    const int row = files_->currentRow();
    qDeleteAll(files_->selectedItems());
    if (files_->count() > 0) files_->setCurrentRow(std::clamp(row, 0, files_->count() - 1));
}

void TImportWordLists::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && files_->hasFocus()) {
        RemoveFiles();
        return;
    }
    ProgramDialog::keyPressEvent(event);
}

WordListImport TImportWordLists::Choice() const {
    WordListImport choice;
    for (int k = 0; k < files_->count(); ++k) choice.files.push_back(ToAnsi(files_->item(k)->text()));
    choice.category = ToAnsi(category_->currentText());
    choice.attempts = ToAnsi(attempts_->text());
    return choice;
}

void TImportWordLists::ImportClick() {
    WordListImport choice = Choice();
    const Outcome checked = CheckWordListImport(choice);
    if (!checked.IsDone()) {
        ShowOutcome(*this, in_.prompter, checked);
        return;
    }
    result_ = std::move(choice);
    accept();
}

std::optional<WordListImport> TImportWordLists::Run(ImportWordListsInputs inputs, QWidget* parent) {
    TImportWordLists dialog(std::move(inputs), parent);
    dialog.exec();
    return dialog.Result();
}

}  // namespace qf
