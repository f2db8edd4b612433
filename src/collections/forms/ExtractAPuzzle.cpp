#include "collections/forms/ExtractAPuzzle.h"

#include "base/forms/FormMessages.h"
#include "collections/CollectionOperations.h"

namespace qf {
namespace {

const TitlePickerShape kShape{"ExtractAPuzzle",
                              "Extract Page Layout From Puzzle",
                              "Available Puzzles",
                              false,
                              {"ExtractButton", "&Extract", FocusEnter::Takes},
                              {"CancelButton", "&Cancel"},
                              kNoPuzzlesForExport,
                              QSize(360, 280)};

}  // namespace

TExtractAPuzzle::TExtractAPuzzle(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                                 Prompter& prompter, QWidget* parent)
    : TTitlePicker(look, kShape, ListCollection(openPath), prompter, {}, parent),
      openPath_(openPath),
      layoutsLibrary_(layoutsLibrary) {}

void TExtractAPuzzle::Act(const std::vector<std::int64_t>& picked) {
    const Outcome outcome = ExtractLayout(openPath_, picked.front(), layoutsLibrary_);
    if (!outcome.IsDone()) {
        // Nothing was added; the user may pick another puzzle or cancel.
        ShowOutcome(*this, prompter_, outcome);
        return;
    }
    result_ = outcome;
    accept();
}

Outcome TExtractAPuzzle::Run(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                             Prompter& prompter, QWidget* parent) {
    TExtractAPuzzle dialog(look, openPath, layoutsLibrary, prompter, parent);
    dialog.RunModal();
    return dialog.Result();
}

}  // namespace qf
