#pragma once
// The one way the program talks to the user: windows install a message-box prompter,
// tests a scripted one, the command-line tool one that prints and answers from its options.
#include <string>
#include <vector>

#include "base/Message.h"

namespace qf {

enum class Answer { Yes, No, Cancel };
enum class Question { YesNo, YesNoCancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void Inform(const Message& message) = 0;
    virtual Answer Ask(const Message& message, Question kind) = 0;
};

// Open and save dialogs. An empty result means the user cancelled.
struct FileDialogRequest {
    std::string title;
    std::string filter;            // "Page Layouts (*.PAG)|*.PAG"
    std::string defaultExtension;  // "PAG"
    std::string initialPath;
    bool save = false;
    bool confirmOverwrite = false;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::string Choose(const FileDialogRequest& request) = 0;
    // An open dialog that takes several files at once; none when the user cancelled.
    virtual std::vector<std::string> ChooseSeveral(const FileDialogRequest& request) {
        std::string one = Choose(request);
        if (one.empty()) return {};
        return {std::move(one)};
    }
};

}  // namespace qf
