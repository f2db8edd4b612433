#pragma once
// The scripted stand-ins of the dialogs: they record what the program said and asked, and
// answer from a script (No, or a cancelled file dialog, once the script runs out).
#include <deque>
#include <string>
#include <vector>

#include "base/Choosers.h"
#include "base/DocumentOpener.h"
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
    // Several files are one answer, their names separated by new lines.
    std::vector<std::string> ChooseSeveral(const FileDialogRequest& request) override {
        std::vector<std::string> files;
        std::string all = Choose(request);
        for (std::size_t at = 0; !all.empty();) {
            at = all.find('\n');
            files.push_back(all.substr(0, at));
            all = at == std::string::npos ? std::string() : all.substr(at + 1);
        }
        return files;
    }
    std::vector<FileDialogRequest> requests;
    std::deque<std::string>& Answers() { return answers_; }

private:
    std::deque<std::string> answers_;
};

// Answers font and colour dialogs from a script (nothing, a cancel, once it runs out).
class ScriptedFontChooser : public FontChooser {
public:
    std::optional<FontChoice> Choose(const FontChoice& current) override {
        shown.push_back(current);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<FontChoice>> answers;
    std::vector<FontChoice> shown;
};

class ScriptedColorChooser : public ColorChooser {
public:
    std::optional<std::int32_t> Choose(std::int32_t current) override {
        shown.push_back(current);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::int32_t>> answers;
    std::vector<std::int32_t> shown;
};

// Records the documents handed to the desktop.
class RecordingOpener : public DocumentOpener {
public:
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return canOpen;
    }
    std::vector<std::string> opened;
    bool canOpen = true;  // false: the desktop has no program for the file
};

}  // namespace qf::test
