#pragma once
// TThesSuggestions, "Thesaurus Lookup": a word's meanings (categories), antonyms and synonyms
// from the thesaurus; "&Accept" hands back one synonym. TThes2Sugs, "Word Suggestions": the
// similar words offered when a word is not in the thesaurus.
#include <optional>
#include <string>
#include <vector>

#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "editor/ThesaurusLookup.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace qf {

class TThes2Sugs : public ProgramDialog {
    Q_OBJECT
public:
    TThes2Sugs(const FormLook& look, const std::string& word, const std::vector<std::string>& suggestions,
               QWidget* parent = nullptr);
    // The suggestion taken with "&Ok"; nothing on "&Cancel" or when none was selected.
    std::optional<std::string> Choose();

private:
    std::vector<std::string> suggestions_;
    QListWidget* list_ = nullptr;
};

class TThesSuggestions : public ProgramDialog {
    Q_OBJECT
public:
    TThesSuggestions(const FormLook& look, const std::string& thesaurusPath, const std::string& word,
                     Prompter& prompter, QWidget* parent = nullptr);

    // Shows the dialog; the synonym accepted, or nothing.
    std::optional<std::string> Choose();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void LookUpWord();
    void LoadInSyns(const QString& entry);
    void SuggestClick();
    void AcceptClick();

    std::string path_;
    Prompter& prompter_;
    ThesaurusLookup lookup_;
    std::optional<std::string> accepted_;
    std::vector<std::string> synonyms_;
    QLineEdit* theWord_ = nullptr;
    QListWidget* catBox_ = nullptr;
    QListWidget* antBox_ = nullptr;
    QListWidget* defBox_ = nullptr;
    QPushButton* accept_ = nullptr;
};

}  // namespace qf
