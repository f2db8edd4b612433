#include "editor/forms/ChooseThesCheck.h"

namespace qf {

TChooseThesCheck::TChooseThesCheck(const FormLook& look, const std::vector<bool>& available, Settings& settings,
                                   QWidget* parent)
    : TLanguageChooser(look, "Thesaurus", {"&American", "&British"}, available, settings.userThesaurus, parent) {
    setObjectName("ChooseThesCheck");
    SetDesignSize(QSize(220, 140));
}

}  // namespace qf
