#include "app/forms/ProgramContext.h"

#include "app/forms/DialogPrompter.h"
#include "editor/SpellLanguages.h"

namespace qf {

ProgramContext ProgramContext::AtStartUp() {
    ProgramContext c;
    c.dirs = Directories::AtStartUp();
    c.settings = LoadSettings(c.dirs);
    // A language whose files are missing is corrected now; the corrected value is written at close.
    CorrectLanguageSettings(c.settings, c.dirs);
    c.prompter = std::make_unique<DialogPrompter>();
    c.fileChooser = std::make_unique<DialogFileChooser>();
    return c;
}

}  // namespace qf
