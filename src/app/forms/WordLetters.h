#pragma once
// TWordLetters, "Word Separator Characters": which characters separate the words of an answer
// of several words in the printed puzzle. Takes the separators in force and hands back the
// ones chosen; every change counts at once, there is no undo, and Escape closes like "&Ok".
#include "app/WordSeparators.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"

class QCheckBox;
class QLineEdit;

namespace qf {

class TWordLetters : public ProgramDialog {
    Q_OBJECT
public:
    TWordLetters(const FormLook& look, const WordSeparators& start, Prompter& prompter, QWidget* parent = nullptr);

    const WordSeparators& Result() const { return separators_; }

    // Shows the dialog modally and returns the separators it ends with.
    static WordSeparators Run(const FormLook& look, const WordSeparators& start, Prompter& prompter,
                              QWidget* parent = nullptr);

private:
    void OtherCharChanged(const QString& text);

    WordSeparators separators_;
    Prompter& prompter_;
    QLineEdit* otherChar_ = nullptr;
};

}  // namespace qf
