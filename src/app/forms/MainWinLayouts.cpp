// The main window's page layout command and the layout chooser it hands to the editor and the
// print options.
#include <QApplication>

#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "collections/forms/ExtractAPuzzle.h"
#include "layouts/forms/ListPages.h"

namespace qf {
namespace {

// The chooser of `mode`; "Ex&tract" takes a layout from a puzzle of the open collection.
ListPagesInputs ChooserInputs(ProgramContext& context, const CollectionModel& collection, ListPagesMode mode) {
    return ListPagesInputs{context.Look(),
                           mode,
                           context.state.settings,
                           context.state.LayoutsLibrary(),
                           context.state.dirs.program,
                           *context.prompter,
                           *context.fileChooser,
                           *context.fontChooser,
                           *context.colorChooser,
                           [&context, &collection] {
                               return TExtractAPuzzle::Run(context.Look(), collection.Path(),
                                                           context.state.LayoutsLibrary(), *context.prompter,
                                                           QApplication::activeWindow());
                           }};
}

}  // namespace

std::function<bool(PageLayoutRecord&)> TMainWin::LayoutChooser(ListPagesMode mode) {
    return TListPages::Chooser([this, mode] { return ChooserInputs(context_, collection_, mode); }, this);
}

void TMainWin::PageLayoutClick() {
    RunCommand(*context_.prompter,
               [&] { TListPages::Run(ChooserInputs(context_, collection_, ListPagesMode::Manage), this); });
}

}  // namespace qf
