#pragma once
// TCheckClues, "Check Clues": the problems of the clues, one a row. Enter or a double click on
// one closes the list and hands back that problem, whose cell the editor then goes to.
#include <optional>
#include <string>
#include <vector>

#include "base/forms/ProgramDialog.h"
#include "editor/ClueCheck.h"

class QListWidget;

namespace qf {

class TCheckClues : public ProgramDialog {
    Q_OBJECT
public:
    TCheckClues(const FormLook& look, const std::string& programDir, std::vector<ClueProblem> problems,
                QWidget* parent = nullptr);

    const std::optional<ClueProblem>& Result() const { return result_; }

    static std::optional<ClueProblem> Run(const FormLook& look, const std::string& programDir,
                                          std::vector<ClueProblem> problems, QWidget* parent = nullptr);

private:
    void GoTo();

    std::vector<ClueProblem> problems_;
    std::optional<ClueProblem> result_;
    QListWidget* list_ = nullptr;
};

}  // namespace qf
