#pragma once
// TMyEditBox, "Dictionary Maintenance": the user's own word list of one language, the words
// the spelling check accepts (include list) or refuses (exclude list). The list is kept sorted;
// "&Ok" replaces the list file by exactly the words shown.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "editor/UserWordList.h"

class QLineEdit;
class QListWidget;

namespace qf {

struct UserListTarget {
    UserListMode mode = UserListMode::Include;
    std::string path;          // the list file in the program directory
    std::string languageName;  // "American"
    std::int16_t languageCode = 1033;
};

class TMyEditBox : public ProgramDialog {
    Q_OBJECT
public:
    TMyEditBox(const FormLook& look, UserListTarget target, Prompter& prompter, QWidget* parent = nullptr);

    const std::vector<std::string>& Words() const { return words_; }
    // Shows the dialog.
    static void Run(const FormLook& look, UserListTarget target, Prompter& prompter, QWidget* parent = nullptr);

private:
    void ShowWords(int select);
    void AddClick();
    void DeleteClick();
    void OkClick();

    UserListTarget target_;
    Prompter& prompter_;
    std::vector<std::string> words_;  // sorted
    QListWidget* list_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

}  // namespace qf
