#pragma once
// TMakeBooklet, "Print Booklet": the titles of the open collection, of which the user picks the
// puzzles of a booklet, where their answer keys go, a contents page, page numbers and letters
// to fill in; "&Make Booklet" asks for the PDF file and writes it, with a progress window whose
// Cancel leaves no file.
#include <string>

#include "collections/forms/TitlePicker.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace qf {

class TMakeBooklet : public TTitlePicker {
    Q_OBJECT
public:
    // Lists `openPath`; a read error of the listing throws IoError.
    TMakeBooklet(const FormLook& look, const std::string& openPath, const Settings& settings, FileChooser& chooser,
                 Prompter& prompter, QWidget* parent = nullptr);

    // Result(): Done once the booklet was written (the dialog closes); Refused when it could not
    // be, Cancelled when the save dialog or the progress window was cancelled (the dialog stays).

    // Shows the dialog modally; it shows its own outcome. An input/output error is thrown from here.
    static void Run(const FormLook& look, const std::string& openPath, const Settings& settings, FileChooser& chooser,
                    Prompter& prompter, QWidget* parent = nullptr);

protected:
    void Act(const std::vector<std::int64_t>& picked) override;

private:
    std::string openPath_;
    const Settings& settings_;
    FileChooser& chooser_;
    QComboBox* keys_ = nullptr;
    QCheckBox* contents_ = nullptr;
    QCheckBox* numbers_ = nullptr;
    QLineEdit* letters_ = nullptr;
};

}  // namespace qf
