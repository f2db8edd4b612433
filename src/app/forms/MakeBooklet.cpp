#include "app/forms/MakeBooklet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>

#include "app/BookletPuzzles.h"
#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionOperations.h"
#include "output/PrintOptions.h"

namespace qf {
namespace {

const TitlePickerShape kShape{"MakeBooklet",
                              "Print Booklet",
                              "Puzzles In The Booklet",
                              true,
                              {"MakeButton", "&Make Booklet"},
                              {"CloseButton", "&Close"},
                              kNoPuzzlesForBooklet,
                              QSize(440, 400)};

}  // namespace

TMakeBooklet::TMakeBooklet(const FormLook& look, const std::string& openPath, const Settings& settings,
                           FileChooser& chooser, Prompter& prompter, QWidget* parent)
    : TTitlePicker(look, kShape, ListCollection(openPath), prompter, {}, parent),
      openPath_(openPath),
      settings_(settings),
      chooser_(chooser) {
    keys_ = new QComboBox;
    keys_->setObjectName("KeysBox");
    for (const char* caption : kKeyPlacementCaptions) keys_->addItem(caption);
    contents_ = NamedCheckBox("ContentsCheck", "C&ontents page", false);
    numbers_ = NamedCheckBox("NumbersCheck", "Page &numbers", true);
    letters_ = NamedEdit("LettersEdit", static_cast<int>(kLettersCapacity), {});
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel("Answer &keys:", keys_), keys_);
    form->addRow(BuddyLabel("Le&tters filled in:", letters_), letters_);
    form->addRow(contents_);
    form->addRow(numbers_);
    AddUnderList(form);
    // Tab goes from the list through the booklet's choices to the buttons.
    QWidget* list = findChild<QListWidget*>(TitlePickControls::kList.text);
    QWidget* chain[] = {list, keys_, letters_, contents_, numbers_, findChild<QPushButton*>("SelectAllButton")};
    for (std::size_t k = 0; k + 1 < std::size(chain); ++k) setTabOrder(chain[k], chain[k + 1]);
}

void TMakeBooklet::Act(const std::vector<std::int64_t>& picked) {
    const std::string target = chooser_.Choose(BookletFileRequest(openPath_));
    if (target.empty()) {
        result_ = Outcome::Cancelled();
        return;
    }
    BookletOptions options;
    options.keys = static_cast<KeyPlacement>(keys_->currentIndex());
    options.contents = contents_->isChecked();
    options.pageNumbers = numbers_->isChecked();
    options.letters = TrimBlanks(ToAnsi(letters_->text()));
    std::vector<BookletPuzzle> puzzles;
    result_ = ReadBookletPuzzles(openPath_, SlotsInListOrder(Listing(), picked), std::nullopt, puzzles);
    if (result_.IsDone()) {
        QProgressDialog progress("Making the booklet...", "&Cancel", 0, 1, this);
        progress.setObjectName("BookletProgress");
        progress.setWindowTitle("Print Booklet");
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(300);
        const BookletResult made = WriteBookletPdf(target, puzzles, settings_, options, [&](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
        for (const Message& warning : made.warnings) prompter_.Inform(warning);
        result_ = made.outcome.IsDone() ? Outcome::Confirmed(BookletWritten(made.pages)) : made.outcome;
    }
    ShowOutcome(*this, prompter_, result_);
    if (result_.IsDone()) accept();
}

void TMakeBooklet::Run(const FormLook& look, const std::string& openPath, const Settings& settings,
                       FileChooser& chooser, Prompter& prompter, QWidget* parent) {
    TMakeBooklet dialog(look, openPath, settings, chooser, prompter, parent);
    dialog.RunModal();
}

}  // namespace qf
