#pragma once
// The main window's picture of the selected puzzle: its grid with the answers, as the candidate
// windows draw it, centred at the top of the control and drawn at the screen's own pixels.
#include <QWidget>
#include <memory>

#include "model/PuzzleRecord.h"

namespace qf {

class TSelectedPuzzlePicture : public QWidget {
    Q_OBJECT
public:
    explicit TSelectedPuzzlePicture(QWidget* parent = nullptr);
    ~TSelectedPuzzlePicture() override;

    // The puzzle to show; none shows nothing (no puzzle selected, or it could not be read).
    void Show(const PuzzleRecord* puzzle);
    bool ShowsPuzzle() const { return puzzle_ != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<PuzzleRecord> puzzle_;
};

}  // namespace qf
