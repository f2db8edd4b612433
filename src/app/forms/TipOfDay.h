#pragma once
// TTipOfDay, "Tip of the Day": one tip at a time, the first at random, "&Next Tip" walking round
// the table. Hands back whether tips are still to be shown at start-up, however it is closed.
// Scaled and centred, but it keeps its design fonts.
#include <cstdint>

#include "base/forms/ProgramDialog.h"

class QCheckBox;
class QLabel;

namespace qf {

class TTipOfDay : public ProgramDialog {
    Q_OBJECT
public:
    // `seed` decides the first tip (the clock's when run by the program).
    TTipOfDay(const FormLook& look, bool showTips, std::uint64_t seed, QWidget* parent = nullptr);

    int TipNumber() const { return tip_; }
    // The state of "&Show Tips at Startup".
    bool ShowTips() const;

    // Shows the dialog modally with a first tip from the clock; returns the box's state.
    static bool Run(const FormLook& look, bool showTips, QWidget* parent = nullptr);

private:
    void NextTipClick();
    void ShowTip();

    int tip_ = 1;
    QLabel* text_ = nullptr;
    QCheckBox* showTips_ = nullptr;
};

}  // namespace qf
