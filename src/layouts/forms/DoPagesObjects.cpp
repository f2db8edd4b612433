// The page designer's object menu: each command on the selected object, through its dialog.
#include <QImage>
#include <QImageReader>
#include <QMenu>

#include "base/Ansi.h"
#include "base/forms/FormMessages.h"
#include "layouts/forms/DoPages.h"
#include "layouts/forms/ClueChange.h"
#include "layouts/forms/NumberClueFont.h"
#include "layouts/forms/ObjectBorders.h"
#include "layouts/forms/ObjectFill.h"
#include "layouts/forms/ObjectProp.h"
#include "layouts/forms/ObjectProp2.h"
#include "layouts/forms/PageCanvas.h"
#include "layouts/forms/SizeLocation.h"
#include "layouts/forms/TextInput.h"

namespace qf {

void TDoPages::RunObjectCommand(ObjectMenuItem item) {
    const int slot = design_.selected;
    if (!design_.ValidSlot(slot) || !ObjectMenuFor(design_.Object(slot)).Enabled(item)) return;
    // The dialogs change the design themselves: the step before is recorded when they did.
    // Delete and the reordering are actions, recorded as they apply.
    PageStep before = CurrentStep(design_);
    RunCommand(in_.prompter, [&] {
        switch (item) {
            case ObjectMenuItem::SizePosition: SizeAndPosition(); break;
            case ObjectMenuItem::Properties: Properties(); break;
            case ObjectMenuItem::Border: Border(); break;
            case ObjectMenuItem::Fill: Fill(); break;
            case ObjectMenuItem::ChangeText: ChangeText(); break;
            case ObjectMenuItem::TextAlignment: break;  // its submenu's items
            case ObjectMenuItem::TextFont: TextFont(); break;
            case ObjectMenuItem::ClueNumberFont: ClueNumberFont(); break;
            case ObjectMenuItem::LoadBitmap: LoadBitmap(); break;
            case ObjectMenuItem::Delete: Apply(pages::DeleteObject{slot}); break;
            case ObjectMenuItem::BringToFront: Apply(pages::BringToFront{slot}); break;
            case ObjectMenuItem::SendToBack: Apply(pages::SendToBack{slot}); break;
        }
        if (item != ObjectMenuItem::Delete && item != ObjectMenuItem::BringToFront &&
            item != ObjectMenuItem::SendToBack)
            RecordIfChanged(design_, std::move(before));
    });
    ShowHistory();
    canvas_->update();
}

void TDoPages::SizeAndPosition() {
    TSizeLocation(Look(), design_, design_.selected, in_.prompter, this).Exec();
}

void TDoPages::Properties() {
    if (design_.Object(design_.selected).Kind() == ObjectKind::Puzzle)
        TObjectProp2(Look(), design_, design_.selected, in_.prompter, in_.colorChooser, this).Exec();
    else
        TObjectProp(Look(), design_, design_.selected, in_.prompter, this).Exec();
}

void TDoPages::Border() {
    TObjectBorders(Look(), design_, design_.selected, in_.prompter, in_.colorChooser, this).Exec();
}

void TDoPages::Fill() { TObjectFill(Look(), design_, design_.selected, in_.prompter, in_.colorChooser, this).Exec(); }

void TDoPages::ChangeText() {
    const ObjectKind kind = design_.Object(design_.selected).Kind();
    if (kind == ObjectKind::AcrossHeader || kind == ObjectKind::DownHeader)
        TClueChange(Look(), design_, design_.selected, in_.prompter, this).Exec();
    else
        TTextInput(Look(), design_, design_.selected, in_.prompter, this).Exec();
}

void TDoPages::TextFont() {
    const int slot = design_.selected;
    if (const auto chosen = in_.fontChooser.Choose(ChoiceOfFont(design_.Object(slot).textFont)))
        ShowOutcome(*this, in_.prompter, ApplyTextFont(design_, slot, FontOfChoice(*chosen)));
}

void TDoPages::ClueNumberFont() {
    TNumberClueFont(Look(), design_, design_.selected, in_.prompter, in_.fontChooser, this).Exec();
}

void TDoPages::LoadBitmap() {
    const int slot = design_.selected;
    const std::string path =
        in_.fileChooser.Choose({"Load Bitmap File", kPictureFilter, "BMP", std::string(), false, false});
    if (path.empty()) return;
    const Outcome loaded = ApplyBitmapFile(design_, slot, path, [](const std::string& file) {
        QImageReader reader(QString::fromStdString(AnsiToUtf8(file)));
        return reader.canRead() && !reader.read().isNull();
    });
    if (!loaded.IsDone()) {
        ShowOutcome(*this, in_.prompter, loaded);
        return;
    }
    canvas_->LoadPictures();
}

}  // namespace qf
