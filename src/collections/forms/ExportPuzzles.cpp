#include "collections/forms/ExportPuzzles.h"

#include "base/forms/FormMessages.h"
#include "collections/CollectionFileChoices.h"
#include "collections/CollectionOperations.h"

namespace qf {
namespace {

const TitlePickerShape kShape{"ExportPuzzles",
                              "Export Crossword Puzzles",
                              "Puzzles Available For Export",
                              true,
                              {"SaveFileButton", "Save &File"},
                              {"ExitButton", "&Exit"},
                              kNoPuzzlesForExport,
                              QSize(400, 300)};

}  // namespace

TExportPuzzles::TExportPuzzles(const FormLook& look, const std::string& openPath, Settings& settings,
                               FileChooser& chooser, Prompter& prompter, QWidget* parent)
    : TTitlePicker(look, kShape, ListCollection(openPath), prompter, {}, parent),
      openPath_(openPath),
      settings_(settings),
      chooser_(chooser) {}

void TExportPuzzles::Act(const std::vector<std::int64_t>& picked) {
    const std::string target = chooser_.Choose(ExportPuzzlesRequest(settings_));
    if (!target.empty()) {
        settings_.lastExportPuzzleFile = target;
        result_ = ExportPuzzles(openPath_, SlotsInListOrder(Listing(), picked), target);
        ShowOutcome(*this, prompter_, result_);
    }
    // Written, refused or cancelled: the dialog closes after every save.
    accept();
}

void TExportPuzzles::Run(const FormLook& look, const std::string& openPath, Settings& settings, FileChooser& chooser,
                         Prompter& prompter, QWidget* parent) {
    TExportPuzzles dialog(look, openPath, settings, chooser, prompter, parent);
    dialog.RunModal();
}

}  // namespace qf
