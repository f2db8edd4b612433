#pragma once
// TCreatedPuzzle, "Created Puzzle": the candidates of a generation run side by side, best fit
// first. A click selects one (red frame, its included and excluded words, each excluded word
// with the reason it was left out as its tooltip), a double click enlarges it, Save takes the
// selected one into the working record (asking first when it left words out) and closes; the
// caller writes it to the collection. Slots the run left empty do nothing. Make K Variants builds
// K different grids of the same words, the selected one first, and once they are accepted
// closes with them for the caller to store.
#include <array>
#include <memory>
#include <vector>

#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "model/ExclusionReasons.h"
#include "model/GenerationRun.h"
#include "model/Variants.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace qf {

class TPuzzleImage;

struct CreatedPuzzleInputs {
    FormLook look;
    const RunResults& results;
    const ShapeRecord& shape;  // the run's shape
    PuzzleRecord& working;     // the record the run started from; takes the saved candidate
    Prompter& prompter;
};

// What the form closed with: the candidate saved into the working record (1..4), or the variants
// to store (the working record then holds the first), or neither.
struct CreatedPuzzleResult {
    int saved = 0;
    std::vector<Variant> variants;
};

class TCreatedPuzzle : public ProgramDialog {
    Q_OBJECT
public:
    explicit TCreatedPuzzle(CreatedPuzzleInputs inputs, QWidget* parent = nullptr);
    ~TCreatedPuzzle() override;

    // Shows the form modally.
    static CreatedPuzzleResult Run(CreatedPuzzleInputs inputs, QWidget* parent = nullptr);

    int Selected() const { return selected_; }
    int Saved() const { return saved_; }
    const std::vector<Variant>& Variants() const { return variants_; }
    // SelectAPuzzle: frame candidate n, list its words. Empty slots are passed over.
    void SelectAPuzzle(int n);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawCandidate(int n);
    void DoubleClick(int n);
    void SaveClick();
    void VariantsClick();
    bool Empty(int n) const { return n < 1 || n > kCandidateCount || in_.results.scores[n - 1] < 1; }

    CreatedPuzzleInputs in_;
    std::unique_ptr<PuzzleRecord> start_;  // the run's word list, as it was when the form opened
    int totalWords_ = 0;
    int selected_ = 0;
    int saved_ = 0;
    std::vector<Variant> variants_;
    std::array<TPuzzleImage*, kCandidateCount> images_{};
    std::array<QLabel*, kCandidateCount> labels_{};
    QLabel* incLabel_ = nullptr;
    QLabel* excLabel_ = nullptr;
    QListWidget* included_ = nullptr;
    QListWidget* excluded_ = nullptr;
    QSpinBox* variantCount_ = nullptr;
    QPushButton* makeVariants_ = nullptr;
};

}  // namespace qf
