#pragma once
// The scripted stand-ins of the dialogs: they record what the program said and asked, and
// answer from a script (No, or a cancelled file dialog, once the script runs out).
#include <deque>
#include <string>
#include <vector>

#include "base/Prompter.h"

namespace qf::test {

class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}
    void Inform(const Message& message) override { said.push_back(message); }
    Answer Ask(const Message& message, Question) override {
        asked.push_back(message);
        if (answers_.empty()) return Answer::No;
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::vector<Message> said;
    std::vector<Message> asked;

private:
    std::deque<Answer> answers_;
};

// Answers file dialogs from a script ("" cancels) and records what was asked.
class ScriptedChooser : public FileChooser {
public:
    explicit ScriptedChooser(std::deque<std::string> answers) : answers_(std::move(answers)) {}
    std::string Choose(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers_.empty()) return {};
        std::string a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::vector<FileDialogRequest> requests;

private:
    std::deque<std::string> answers_;
};

}  // namespace qf::test
