#pragma once
// TSpellSuggestions, "Spelling Suggestions": one word the spelling check rejected, with the
// engine's suggestions. One dialog serves a whole check; it is placed on the screen the first
// time it shows and stays where the user leaves it after that.
#include <string>
#include <vector>

#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "editor/SpellCheck.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace qf {

class TSpellSuggestions : public ProgramDialog, public SpellSuggestionsDialog {
    Q_OBJECT
public:
    TSpellSuggestions(const FormLook& look, Prompter& prompter, QWidget* parent = nullptr);

    SuggestionChoice ShowSuggestions(const std::string& notice, const std::string& word,
                                     const std::vector<std::string>& suggestions) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FillSuggestions(const std::vector<std::string>& suggestions);
    // The selected suggestion, else the word as edited when it was changed; empty for neither.
    std::string Replacement() const;
    void ReplaceClick(SuggestionAction action);
    void Close(SuggestionAction action);
    void SuggestClick();

    Prompter& prompter_;
    std::string word_;
    std::vector<std::string> suggestions_;
    SuggestionChoice choice_;
    QLabel* notice_ = nullptr;
    QLineEdit* theWord_ = nullptr;
    QListWidget* list_ = nullptr;
    bool placed_ = false;
    QPoint lastPlace_;
};

}  // namespace qf
