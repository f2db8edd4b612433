#include "editor/forms/CheckClues.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/HelpWindow.h"
#include "editor/forms/ClueSuggestions.h"
#include "base/forms/QtText.h"

namespace qf {

TCheckClues::TCheckClues(const FormLook& look, const std::string& programDir, std::vector<ClueProblem> problems,
                         QWidget* parent)
    : ProgramDialog(look, parent), problems_(std::move(problems)) {
    setObjectName("CheckClues");
    setWindowTitle(kCaptionCheckClues);

    list_ = new QListWidget;
    list_->setObjectName("ProblemList");
    list_->setWordWrap(true);
    for (const ClueProblem& p : problems_) list_->addItem(FromAnsi(p.text));
    list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemActivated, this, [this] { GoTo(); });

    auto* goTo = DefaultButton("GoTo", "&Go To");
    connect(goTo, &QPushButton::clicked, this, [this] { GoTo(); });
    auto* help = NamedButton("HelpButton", "&Help", FocusEnter::Passes);
    connect(help, &QPushButton::clicked, this, [this, programDir] { ShowHelp(this, programDir, kClueHelpKeyword); });
    auto* close = NamedButton("CloseButton", "&Close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuddyLabel(QString("&Problems (%1):").arg(problems_.size()), list_));
    layout->addWidget(list_, 1);
    layout->addLayout(ButtonRow({help, goTo, close}));
    SetDesignSize(QSize(540, 320));
    list_->setFocus();
}

void TCheckClues::GoTo() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(problems_.size())) return;
    result_ = problems_[static_cast<std::size_t>(row)];
    accept();
}

std::optional<ClueProblem> TCheckClues::Run(const FormLook& look, const std::string& programDir,
                                            std::vector<ClueProblem> problems, QWidget* parent) {
    TCheckClues dialog(look, programDir, std::move(problems), parent);
    dialog.exec();
    return dialog.Result();
}

}  // namespace qf
