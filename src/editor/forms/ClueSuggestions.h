#pragma once
// TClueSuggestions, "Suggest Clue": the clue suggestions for one word, each with its part of
// speech and an example where there is one. The list has the focus: the arrow keys choose, Enter
// or a double click takes the chosen clue, Escape keeps the clue the row has.
#include <optional>
#include <string>
#include <vector>

#include "base/forms/ProgramDialog.h"
#include "editor/ClueSuggestions.h"

// The help topic of the clue commands.
inline constexpr const char* kClueHelpKeyword = "CLUE SUGGESTIONS";

class QListWidget;

namespace qf {

class TClueSuggestions : public ProgramDialog {
    Q_OBJECT
public:
    TClueSuggestions(const FormLook& look, const std::string& programDir, const std::string& word,
                     const std::string& currentClue, std::vector<ClueSuggestion> suggestions, QWidget* parent = nullptr);

    // The clue picked; nullopt when the dialog was left without one.
    const std::optional<std::string>& Result() const { return result_; }

    static std::optional<std::string> Run(const FormLook& look, const std::string& programDir, const std::string& word,
                                          const std::string& currentClue, std::vector<ClueSuggestion> suggestions,
                                          QWidget* parent = nullptr);

private:
    void Pick();

    std::vector<ClueSuggestion> suggestions_;
    std::optional<std::string> result_;
    QListWidget* list_ = nullptr;
};

}  // namespace qf
