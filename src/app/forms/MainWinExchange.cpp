// The main window's export of the selected puzzle in an open crossword format (ipuz, .puz,
// .xd) or as a page to solve it in a web browser; the file's ending chooses the format.
#include <memory>

#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionOperations.h"
#include "exchange/PuzzleExport.h"

namespace qf {

void TMainWin::ExportPuzzleAsClick() {
    RunCommand(*context_.prompter, [&] {
        const ListRow* row = collection_.Lists().SelectedPuzzle();
        if (!row) {
            ShowMessage(*this, *context_.prompter, ErrorMessage(kNoPuzzleSelected));
            return;
        }
        auto record = std::make_unique<PuzzleRecord>();
        if (Outcome o = ReadPuzzle(collection_.Path(), row->value, *record, kUnableToLoadPuzzle); !o.IsDone()) {
            ShowOutcome(*this, *context_.prompter, o);
            return;
        }
        const std::string chosen = context_.fileChooser->Choose(ExportPuzzleAsRequest(record->title.Str()));
        if (chosen.empty()) return;
        const auto format = FormatOfFile(chosen);
        if (!format) {
            ShowMessage(*this, *context_.prompter, ErrorMessage(kExportUnknownFormatText));
            return;
        }
        ShowOutcome(*this, *context_.prompter,
                    ExportPuzzleFile(*record, ShownSeparators(context_.state.settings), *format, chosen));
    });
}

}  // namespace qf
