#pragma once
// TDoIntChars, "International Characters": which character each of the keys F1 to F12 types
// in the word list editor, chosen from the codes 192 to 255. "&Ok" stores them in the settings.
#include <array>
#include <string>

#include "base/forms/ProgramDialog.h"
#include "editor/IntKeys.h"

class QComboBox;

namespace qf {

class TDoIntChars : public ProgramDialog {
    Q_OBJECT
public:
    TDoIntChars(const FormLook& look, const std::array<std::string, kIntKeyCount>& keys, QWidget* parent = nullptr);

    // The settings as the lists show them now.
    std::array<std::string, kIntKeyCount> Keys() const;
    // Shows the dialog; "&Ok" writes the twelve settings, "&Cancel" leaves them.
    static void Run(const FormLook& look, std::array<std::string, kIntKeyCount>& keys, QWidget* parent = nullptr);

private:
    std::array<QComboBox*, kIntKeyCount> lists_{};
};

}  // namespace qf
