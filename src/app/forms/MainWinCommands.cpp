// The main window's collection commands: new, open, the recent files, delete, import, export,
// and the file named on the command line.
#include <QAction>

#include "app/RecentFiles.h"
#include "app/StartFile.h"
#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionFileChoices.h"
#include "collections/OldVersions.h"
#include "app/forms/MakeBooklet.h"
#include "collections/forms/ExportPuzzles.h"
#include "collections/forms/ImportPuzzles.h"

namespace qf {

void TMainWin::OpenedCollection() {
    collection_.Open(context_.state.settings.lastGroup);
    displayName_ = FromAnsi(ComputeDisplayName(context_.state.settings.lastGroup));
    DoCaption();
    SetMenuLastFiles();
}

void TMainWin::SetMenuLastFiles() {
    const RecentMenu menu = qf::SetMenuLastFiles(context_.state.settings.lastFiles);
    lastFilesSeparator_->setVisible(menu.separatorVisible);
    for (std::size_t k = 0; k < lastFiles_.size(); ++k) {
        lastFiles_[k]->setText(FromAnsi(menu.captions[k]));
        lastFiles_[k]->setVisible(menu.visible[k]);
    }
}

void TMainWin::NewGroupClick() {
    RunCommand(*context_.prompter, [&] {
        const std::string chosen = context_.fileChooser->Choose(NewGroupRequest(context_.state.settings.lastGroup));
        if (chosen.empty()) return;
        NewGroupFile(context_.state.settings, chosen);
        OpenedCollection();
        EnableDisable();
        const Message first = InfoMessage(kFirstPuzzleQuestion, kCaptionNewPuzzle);
        if (context_.prompter->Ask(first, Question::YesNo) == Answer::Yes) {
            if (QAction* make = Action("MenuNew"); make->isEnabled()) make->trigger();
        }
    });
}

void TMainWin::OpenGroupClick() {
    RunCommand(*context_.prompter, [&] {
        const std::string chosen = context_.fileChooser->Choose(OpenGroupRequest(context_.state.settings.lastGroup));
        if (chosen.empty()) {
            EnableDisable();
            return;
        }
        const Outcome opened = OpenGroupFile(context_.state.settings, chosen);
        if (!opened.IsDone()) {
            ShowOutcome(*this, *context_.prompter, opened);
            return;
        }
        OpenedCollection();
        EnableDisable();
    });
}

void TMainWin::OpenSaveFile(int entry) {
    RunCommand(*context_.prompter, [&] {
        if (!OpenRecentFile(context_.state.settings, entry).IsDone()) return;  // a missing file does nothing
        OpenedCollection();
    });
}

void TMainWin::OpenStartFile(const std::string& path) {
    RunCommand(*context_.prompter, [&] {
        const StartFileResult result = qf::OpenStartFile(context_.state, path, *context_.prompter);
        if (result.kind == StartFileKind::Collection && result.outcome.IsDone()) {
            OpenedCollection();
            EnableDisable();
            return;
        }
        ShowOutcome(*this, *context_.prompter, result.outcome);
    });
}

void TMainWin::DeletePuzzleClick() {
    RunCommand(*context_.prompter,
               [&] { ShowOutcome(*this, *context_.prompter, collection_.DeleteSelected(*context_.prompter)); });
}

void TMainWin::ImportPuzzleClick() {
    RunCommand(*context_.prompter, [&] {
        Settings& settings = context_.state.settings;
        ImportChoice choice;
        const Outcome chosen = ChooseImportFile(settings, *context_.fileChooser, collection_.Path(), choice);
        if (!chosen.IsDone()) {
            ShowOutcome(*this, *context_.prompter, chosen);
            return;
        }
        if (choice.kind == ImportKind::OldPuzzle) {
            const OldVersionPaths paths{context_.state.LayoutsLibrary(), settings.defaultPage};
            const Outcome converted = Import16Bit(choice.path, collection_.Path(), paths, *working_);
            if (!converted.IsDone()) {
                ShowOutcome(*this, *context_.prompter, converted);
                return;
            }
            collection_.Written(kOldPuzzleCategory, working_->title.Str());
            return;
        }
        const Outcome imported =
            TImportPuzzles::Run(context_.Look(), choice.path, collection_.Path(), *context_.prompter, this);
        if (imported.IsDone()) collection_.Added();
    });
}

void TMainWin::PrintBookletClick() {
    RunCommand(*context_.prompter, [&] {
        TMakeBooklet::Run(context_.Look(), collection_.Path(), context_.state.settings, *context_.fileChooser,
                          *context_.prompter, this);
    });
}

void TMainWin::ExportPuzzleClick() {
    RunCommand(*context_.prompter, [&] {
        TExportPuzzles::Run(context_.Look(), collection_.Path(), context_.state.settings, *context_.fileChooser,
                            *context_.prompter, this);
    });
}

}  // namespace qf
