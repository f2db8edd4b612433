#pragma once
// TCreatedPuzzle, "Created Puzzle": the candidates of a generation run side by side, best fit
// first. A click selects one (red frame, its included and excluded words, each excluded word
// with the reason it was left out as its tooltip), a double click enlarges it, Save takes the
// selected one into the working record (asking first when it left words out) and closes; the
// caller writes it to the collection. Slots the run left empty do nothing.
#include <array>
#include <memory>
#include <vector>

#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "model/ExclusionReasons.h"
#include "model/GenerationRun.h"

class QLabel;
class QListWidget;

namespace qf {

class TPuzzleImage;

struct CreatedPuzzleInputs {
    FormLook look;
    const RunResults& results;
    const ShapeRecord& shape;  // the run's shape
    PuzzleRecord& working;     // the record the run started from; takes the saved candidate
    Prompter& prompter;
};

class TCreatedPuzzle : public ProgramDialog {
    Q_OBJECT
public:
    explicit TCreatedPuzzle(CreatedPuzzleInputs inputs, QWidget* parent = nullptr);
    ~TCreatedPuzzle() override;

    // Shows the form modally; the candidate saved (1..4), 0 when none was.
    static int Run(CreatedPuzzleInputs inputs, QWidget* parent = nullptr);

    int Selected() const { return selected_; }
    int Saved() const { return saved_; }
    // SelectAPuzzle: frame candidate n, list its words. Empty slots are passed over.
    void SelectAPuzzle(int n);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void DoubleClick(int n);
    void SaveClick();
    bool Empty(int n) const { return n < 1 || n > kCandidateCount || in_.results.scores[n - 1] < 1; }

    CreatedPuzzleInputs in_;
    std::unique_ptr<PuzzleRecord> start_;  // the run's word list, as it was when the form opened
    int totalWords_ = 0;
    int selected_ = 0;
    int saved_ = 0;
    std::array<TPuzzleImage*, kCandidateCount> images_{};
    std::array<QLabel*, kCandidateCount> labels_{};
    QLabel* incLabel_ = nullptr;
    QLabel* excLabel_ = nullptr;
    QListWidget* included_ = nullptr;
    QListWidget* excluded_ = nullptr;
};

}  // namespace qf
