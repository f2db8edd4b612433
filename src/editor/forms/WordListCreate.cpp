// The word list editor's Create: the checks, the generation run (at once under the busy cursor
// for one attempt, else in the progress form), the choice of a candidate and its write to the
// collection.
#include <QApplication>
#include <QLineEdit>

#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionFile.h"
#include "editor/forms/WordList.h"
#include "model/CreateCheck.h"
#include "model/forms/CreatedPuzzle.h"
#include "model/forms/CreationAttempts.h"

namespace qf {
namespace {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void TWordList::CreateItClick() {
    RunCommand(in_.prompter, [&] {
        const CreateEntries entries = EntriesOf(Texts(), Grid(), ToAnsi(attempts_->text()));
        const CreateCheckResult check = CheckCreate(entries, in_.currentShape, in_.working);
        // A valid attempts count becomes the setting, also when a later check refuses.
        if (check.attempts > 0) in_.settings.attempts = check.attempts;
        ShowMessage(*this, in_.prompter, check.warning);  // the large shape: Create goes on
        if (!check.Ok()) {
            ShowMessage(*this, in_.prompter, check.error);
            return;
        }
        if (!CluesPassForCreate()) return;
        RunOptions options;
        options.attempts = check.attempts;
        options.shrink = in_.settings.shrink;
        options.quickCreate = in_.settings.quickBuild;
        if (in_.settings.thoroughFill) {
            // The search takes its budget whatever the attempts: always with the progress form.
            TCreationAttempts::Run(Look(), in_.working, in_.currentShape, options, in_.lastRun, this,
                                   ThoroughOptions{});
        } else if (check.attempts < 2) {
            const BusyCursor busy;
            options.threads = 1;
            BuildPuzzles(in_.working, in_.currentShape, options, in_.lastRun);
        } else {
            TCreationAttempts::Run(Look(), in_.working, in_.currentShape, options, in_.lastRun, this);
        }

        const CreatedPuzzleResult chosen =
            TCreatedPuzzle::Run({Look(), in_.lastRun, in_.currentShape, in_.working, in_.prompter}, this);
        if (chosen.saved == 0 && chosen.variants.empty()) return;
        // A modified puzzle keeps its place for the first variant; the others are added after it all.
        std::vector<const PuzzleRecord*> records{&in_.working};
        for (std::size_t k = 1; k < chosen.variants.size(); ++k) records.push_back(chosen.variants[k].puzzle.get());
        const Outcome written =
            StorePuzzles(in_.collection.Path(),
                         in_.isNewPuzzle ? std::nullopt : std::optional<std::int64_t>(in_.editRecordIndex), records);
        if (!written.IsDone()) {
            ShowOutcome(*this, in_.prompter, written);  // the editor stays open with its entries
            return;
        }
        Written();
        result_ = Outcome::Done(in_.isNewPuzzle ? written.index : in_.editRecordIndex);
        accept();
    });
}

}  // namespace qf
