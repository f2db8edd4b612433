#include "editor/forms/DoIntChars.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

constexpr const char* kIntCharsExplanation =
    "The function keys F1 through F12 can be assigned any number of international characters.  The function keys "
    "will play back the assigned international key in the Puzzle Creation Window.";

TDoIntChars::TDoIntChars(const FormLook& look, const std::array<std::string, kIntKeyCount>& keys, QWidget* parent)
    : ProgramDialog(look, parent) {
    setObjectName("DoIntChars");
    setWindowTitle("International Characters");
    auto* explanation = new QLabel(kIntCharsExplanation);
    explanation->setObjectName("Explanation");
    explanation->setWordWrap(true);
    auto* grid = new QGridLayout;
    for (int k = 0; k < kIntKeyCount; ++k) {
        auto* list = new QComboBox;
        list->setObjectName(QString("IntKey%1").arg(k + 1));
        for (int code = kFirstIntCode; code <= kLastIntCode; ++code)
            list->addItem(FromAnsi(std::string(1, static_cast<char>(code))), code);
        list->setCurrentIndex(IntKeyCode(keys[static_cast<std::size_t>(k)]) - kFirstIntCode);
        QLabel* label = BuddyLabel(QString("F%1").arg(k + 1), list);
        const int row = k % 6, column = (k / 6) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(list, row, column + 1);
        lists_[static_cast<std::size_t>(k)] = list;
    }
    const OkCancel buttons = OkCancelButtons(*this, {}, kEnterPasses);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(grid);
    layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}));
    SetDesignSize(QSize(330, 300));
}

std::array<std::string, kIntKeyCount> TDoIntChars::Keys() const {
    std::array<std::string, kIntKeyCount> keys;
    for (std::size_t k = 0; k < keys.size(); ++k) keys[k] = IntKeySetting(lists_[k]->currentData().toInt());
    return keys;
}

void TDoIntChars::Run(const FormLook& look, std::array<std::string, kIntKeyCount>& keys, QWidget* parent) {
    TDoIntChars dialog(look, keys, parent);
    if (dialog.exec() == QDialog::Accepted) keys = dialog.Keys();
}

}  // namespace qf
