// The main window's printing commands: print a puzzle, the printer setup, the default clue headers.
#include <QAction>
#include <optional>
#include <utility>

#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionOperations.h"
#include "layouts/forms/ListPages.h"
#include "output/forms/ClueHeaders.h"
#include "output/forms/DialogPageExporter.h"
#include "output/forms/MyBitmapWidth.h"
#include "output/forms/MyReport.h"
#include "output/forms/PagePrinter.h"

namespace qf {

PagePrinter& TMainWin::Printer() {
    // One printer for the whole run: what the printer setup chooses applies to later printing.
    if (!printer_) printer_ = std::make_shared<QtPagePrinter>();
    return *printer_;
}

void TMainWin::PrintPuzzle() {
    RunCommand(*context_.prompter, [&] {
        const ListRow* row = collection_.Lists().SelectedPuzzle();
        if (!row) {
            ShowMessage(*this, *context_.prompter, ErrorMessage(kNoPuzzleSelected));
            return;
        }
        auto read = std::make_unique<PuzzleRecord>();
        const Outcome outcome = ReadPuzzle(collection_.Path(), row->value, *read, kUnableToLoadPuzzle);
        if (!outcome.IsDone()) {
            ShowOutcome(*this, *context_.prompter, outcome);
            return;
        }
        *working_ = *read;
        if (!working_->generated) {
            ShowMessage(*this, *context_.prompter, WarningMessage(kNeverGeneratedText));
            return;
        }
        ProgramState& state = context_.state;
        // The layout chooser in its print mode: the chosen layout goes into the print's copy.
        qf::LayoutChooser chooseLayout = [choose = LayoutChooser(ListPagesMode::Print)](QWidget*) {
            std::optional<PageLayoutRecord> chosen(std::in_place);
            if (!choose(*chosen)) chosen.reset();
            return chosen;
        };
        TMyReport::Run(MyReportInputs{context_.Look(), *working_, state.settings, *context_.prompter,
                                      *context_.fileChooser, *context_.fontChooser, *context_.colorChooser, Printer(),
                                      state.dirs.program, &Exporter(), std::move(chooseLayout),
                                      [this](QWidget* parent) {
                                          RunJpegFactorCommand(context_.Look(), context_.state.settings,
                                                               *context_.prompter, parent);
                                      },
                                      state.dirs.working},
                       this);
    });
}

PageExporter& TMainWin::Exporter() {
    // The pixel width window lives for the whole run: its last width is offered again.
    if (!exporter_) {
        ProgramState& state = context_.state;
        bitmapWidth_ = new TMyBitmapWidth(context_.Look(), *context_.prompter, this);
        exporter_ = std::make_shared<DialogPageExporter>(context_.Look(), state.settings, *context_.prompter,
                                                         *context_.fileChooser, *bitmapWidth_, this);
    }
    return *exporter_;
}

void TMainWin::JpegFactorClick() {
    RunJpegFactorCommand(context_.Look(), context_.state.settings, *context_.prompter, this);
}

void TMainWin::PrinterSetupClick() { Printer().Setup(this); }

void TMainWin::ClueHeadersClick() {
    Settings& settings = context_.state.settings;
    const auto headings =
        TClueHeaders::Run(context_.Look(), ClueHeadersMode::Defaults, {settings.acrossLabel, settings.downLabel}, this);
    if (!headings) return;
    settings.acrossLabel = headings->across;
    settings.downLabel = headings->down;
}

}  // namespace qf
