#include "output/forms/PartialAnswerList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

TPartialAnswerList::TPartialAnswerList(const FormLook& look, const std::vector<std::string>& words,
                                       const PartialSelection& start, QWidget* parent)
    : ProgramDialog(look, parent), start_(start) {
    setObjectName("PartialAnswerList");
    setWindowTitle("Partial Answer");
    auto* text = new QLabel("Select those words you would like filled in the puzzle.");
    text->setWordWrap(true);
    list_ = new QListWidget;
    list_->setObjectName("WordList");
    list_->setAccessibleName("Words to fill in");
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (std::size_t i = 0; i < words.size() && i < start.size(); ++i) {
        auto* item = new QListWidgetItem(FromAnsi(words[i]), list_);
        item->setSelected(start[i]);
    }

    QHBoxLayout* buttons = OkCancelRow(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    SetDesignSize(QSize(280, 360));
}

PartialSelection TPartialAnswerList::Result() const {
    PartialSelection result = start_;
    for (int row = 0; row < list_->count(); ++row) result[static_cast<std::size_t>(row)] = list_->item(row)->isSelected();
    return result;
}

std::optional<PartialSelection> TPartialAnswerList::Run(const FormLook& look, const std::vector<std::string>& words,
                                                        const PartialSelection& start, QWidget* parent) {
    TPartialAnswerList dialog(look, words, start, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace qf
