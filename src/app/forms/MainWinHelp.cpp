// The main window's Help menu: the user manual, the tips and the about box.
#include "app/forms/AboutBox.h"
#include "app/forms/MainWin.h"
#include "app/forms/TipOfDay.h"
#include "app/forms/UserManual.h"
#include "base/forms/FormMessages.h"
#include "base/forms/HelpWindow.h"

namespace qf {

void TMainWin::UserManualClick() {
    TUserManual::Run(context_.Look(), context_.state.dirs, *context_.documentOpener, *context_.prompter, this);
}

void TMainWin::ReviewTipsClick() {
    context_.state.settings.showTips = TTipOfDay::Run(context_.Look(), context_.state.settings.showTips, this);
}

void TMainWin::AboutClick() { TAboutBox::Run(context_.Look(), FileLocations(context_.state.dirs), this); }

// ShowHelp: the help file of the program directory at its contents; a missing file is not reported.
void TMainWin::ShowHelpClick() { ShowHelp(this, context_.state.dirs.program); }

void TMainWin::DataExchangeClick() { ShowHelp(this, context_.state.dirs.program, "PUZZLE CONNECTION"); }

}  // namespace qf
