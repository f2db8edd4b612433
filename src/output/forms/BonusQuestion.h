#pragma once
// TBonusQuestion, "Bonus Question": the bonus question of one print.
#include <optional>
#include <string>

#include "base/forms/ProgramDialog.h"

class QLineEdit;

namespace qf {

class TBonusQuestion : public ProgramDialog {
    Q_OBJECT
public:
    TBonusQuestion(const FormLook& look, const std::string& question, QWidget* parent = nullptr);

    std::string Result() const;

    // The question on "&Ok"; nothing on "&Cancel".
    static std::optional<std::string> Run(const FormLook& look, const std::string& question, QWidget* parent = nullptr);

private:
    QLineEdit* box_ = nullptr;
};

}  // namespace qf
