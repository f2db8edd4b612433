#pragma once
// TPartialAnswerList, "Partial Answer": the words of the puzzle, several selectable, whose
// letters a partial answer prints in the grid.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/forms/ProgramDialog.h"
#include "model/PuzzleRecord.h"

class QListWidget;

namespace qf {

using PartialSelection = std::array<bool, kMaxWords>;  // word slot i at [i - 1]

class TPartialAnswerList : public ProgramDialog {
    Q_OBJECT
public:
    // `words` are those of slots 1, 2, ...; the flagged ones start selected.
    TPartialAnswerList(const FormLook& look, const std::vector<std::string>& words, const PartialSelection& start,
                       QWidget* parent = nullptr);

    // The start with each listed slot set to whether its line is selected.
    PartialSelection Result() const;

    // The selection on "&Ok"; nothing when cancelled.
    static std::optional<PartialSelection> Run(const FormLook& look, const std::vector<std::string>& words,
                                               const PartialSelection& start, QWidget* parent = nullptr);

private:
    PartialSelection start_;
    QListWidget* list_ = nullptr;
};

}  // namespace qf
