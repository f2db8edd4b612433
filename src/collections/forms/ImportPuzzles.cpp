#include "collections/forms/ImportPuzzles.h"

#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionOperations.h"

namespace qf {
namespace {

const TitlePickerShape kShape{"ImportPuzzles",
                              "Import Crossword Puzzles",
                              "Puzzles in File",
                              true,
                              {"OkButton", "&Ok"},
                              {"CancelButton", "&Cancel"},
                              kNoPuzzlesForImport,
                              QSize(400, 320)};

}  // namespace

TImportPuzzles::TImportPuzzles(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                               Prompter& prompter, QWidget* parent)
    : TTitlePicker(look, kShape, ListCollection(chosenPath), prompter, FromAnsi("File Name: " + chosenPath), parent),
      chosenPath_(chosenPath),
      openPath_(openPath) {}

void TImportPuzzles::Act(const std::vector<std::int64_t>& picked) {
    const Outcome outcome = ImportPuzzles(chosenPath_, openPath_, SlotsInListOrder(Listing(), picked));
    ShowOutcome(*this, prompter_, outcome);
    result_ = outcome;
    // Imported or refused, the dialog has done its part.
    accept();
}

Outcome TImportPuzzles::Run(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                            Prompter& prompter, QWidget* parent) {
    TImportPuzzles dialog(look, chosenPath, openPath, prompter, parent);
    dialog.RunModal();
    return dialog.Result();
}

}  // namespace qf
