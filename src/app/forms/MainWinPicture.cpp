// The main window's View menu: the selected puzzle's picture beside the lists.
#include <QAction>
#include <QLabel>
#include <memory>

#include "app/ScreenOptions.h"
#include "app/forms/MainWin.h"
#include "app/forms/SelectedPuzzlePicture.h"
#include "base/forms/FormMessages.h"
#include "collections/CollectionFile.h"

namespace qf {

void TMainWin::TogglePuzzlePicture() {
    const std::optional<Message> why = qf::TogglePuzzlePicture(context_.state, designWidth_);
    Action("MenuPuzzlePicture")->setChecked(context_.state.settings.puzzlePicture);
    ApplyLook();
    if (why) context_.prompter->Inform(*why);
}

void TMainWin::LayOutPicture() {
    const bool shown = ShowsPuzzlePicture(context_.state, designWidth_);
    design_.clientWidth = designWidth_ + (shown ? kPuzzlePictureColumn : 0);
    if (!design_.components.empty()) design_.components.front().width = design_.clientWidth;  // the speed bar
    pictureHeading_->setVisible(shown);
    picture_->setVisible(shown);
    ShowPicture();
}

void TMainWin::ShowPicture() {
    const ListRow* row = collection_.Lists().SelectedPuzzle();
    if (picture_->isHidden() || !row) {
        picture_->Show(nullptr);
        return;
    }
    // A puzzle that cannot be read shows nothing here; opening it says why.
    auto read = std::make_unique<PuzzleRecord>();
    const bool readable = ReadPuzzle(collection_.Path(), row->value, *read, kUnableToAccessWordList).IsDone();
    picture_->Show(readable ? read.get() : nullptr);
}

}  // namespace qf
