// The main window's import of several word list files at once: each becomes a new puzzle of the
// open collection, built as Create builds it, stored as soon as it is built; a summary at the end.
#include <QApplication>
#include <QProgressDialog>

#include "app/ListPuzzle.h"
#include "app/forms/ImportWordLists.h"
#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionFile.h"
#include "editor/WordTextImport.h"
#include "shapes/ShapeDescription.h"

namespace qf {

void TMainWin::ImportWordListsClick() {
    RunCommand(*context_.prompter, [&] {
        ProgramState& state = context_.state;
        const ShapeRecord shape = ShapeForNewPuzzles(state);
        std::vector<std::string> categories;
        for (const ListRow& row : collection_.Lists().categoryBox) categories.push_back(row.text);
        const ListRow* selected = collection_.Lists().SelectedCategory();
        const std::optional<WordListImport> choice = TImportWordLists::Run(
            {context_.Look(), categories, selected ? selected->text : std::string("General"), state.settings.attempts,
             ShapeDescription(shape), ImportWordListRequest(state.settings, true), state.settings.sepChar,
             state.dirs.program,
             *context_.fileChooser, *context_.prompter},
            this);
        if (!choice) return;

        QProgressDialog progress("Building the puzzles...", "&Cancel", 0, static_cast<int>(choice->files.size()), this);
        progress.setObjectName("WordListsProgress");
        progress.setWindowTitle(kImportWordListsCaption);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(300);
        std::vector<std::string> stored, notStored;
        std::string firstTitle;
        for (std::size_t k = 0; k < choice->files.size(); ++k) {
            progress.setValue(static_cast<int>(k));
            QApplication::processEvents();
            if (progress.wasCanceled()) break;  // the puzzles stored so far stay
            const std::string& file = choice->files[k];
            ListPuzzleRequest request;
            request.words = file;
            request.category = choice->category;
            request.attempts = choice->attempts;
            request.shrink = state.settings.shrink;
            request.quick = state.settings.quickBuild;
            request.separator = state.settings.sepChar;
            ListPuzzle made;
            Outcome built = BuildListPuzzle(state, *context_.prompter, request, shape, made);
            if (built.IsDone()) built = AppendPuzzle(collection_.Path(), *made.puzzle);
            if (!built.IsDone()) {
                notStored.push_back(file + ": " + built.message.text);
                continue;
            }
            if (stored.empty()) firstTitle = made.puzzle->title.Str();
            stored.push_back(made.Line());
        }
        progress.reset();
        if (!stored.empty()) collection_.Written(choice->category, firstTitle);
        context_.prompter->Inform(WordListImportSummary(stored, notStored));
    });
}

}  // namespace qf
