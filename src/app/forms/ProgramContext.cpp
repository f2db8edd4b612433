#include "app/forms/ProgramContext.h"

#include "app/forms/DialogPrompter.h"

namespace qf {

ProgramContext ProgramContext::AtStartUp() {
    ProgramContext c;
    c.dirs = Directories::AtStartUp();
    c.settings = LoadSettings(c.dirs);
    c.prompter = std::make_unique<DialogPrompter>();
    c.fileChooser = std::make_unique<DialogFileChooser>();
    return c;
}

}  // namespace qf
