#pragma once
// TClueHeaders, "Clue Headers": the across and down headings. Mode 1 edits the default labels of
// the settings (caption "Default Clue Headers"), mode 2 the headings of one print.
#include <optional>

#include "base/forms/ProgramDialog.h"
#include "output/PrintOptions.h"

class QLineEdit;

namespace qf {

enum class ClueHeadersMode { Defaults = 1, ThisPrint = 2 };

class TClueHeaders : public ProgramDialog {
    Q_OBJECT
public:
    TClueHeaders(const FormLook& look, ClueHeadersMode mode, const PrintHeadings& start, QWidget* parent = nullptr);

    // Both texts, each cut to 25 characters.
    PrintHeadings Result() const;

    // The headings on "&Ok"; nothing on "&Cancel".
    static std::optional<PrintHeadings> Run(const FormLook& look, ClueHeadersMode mode, const PrintHeadings& start,
                                            QWidget* parent = nullptr);

private:
    QLineEdit* across_ = nullptr;
    QLineEdit* down_ = nullptr;
};

}  // namespace qf
