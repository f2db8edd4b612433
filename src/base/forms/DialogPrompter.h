#pragma once
// The real prompter and file chooser: message boxes and file dialogs.
#include "base/Prompter.h"

namespace qf {

class DialogPrompter : public Prompter {
public:
    void Inform(const Message& message) override;
    Answer Ask(const Message& message, Question kind) override;
};

class DialogFileChooser : public FileChooser {
public:
    std::string Choose(const FileDialogRequest& request) override;
    std::vector<std::string> ChooseSeveral(const FileDialogRequest& request) override;
};

}  // namespace qf
