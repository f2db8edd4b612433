#pragma once
// TMyHtml, "HTML Creation": the texts and styles of the web page around the page's picture.
// Styles count at once; the texts and the title are taken by "&Save HTML", which hands the
// page to the save step (picture width, file, writing) and closes once that is done.
#include <array>
#include <functional>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "output/HtmlExport.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace qf {

class TMyHtml : public ProgramDialog {
    Q_OBJECT
public:
    // Done closes the window; a refusal is shown and the window stays; cancelled does nothing.
    using SaveStep = std::function<Outcome(const HtmlPage&)>;

    TMyHtml(const FormLook& look, const HtmlPage& start, Prompter& prompter, SaveStep save, QWidget* parent = nullptr);

    // The styles as they are now; the texts and title as the last "&Save HTML" took them.
    const HtmlPage& Page() const { return page_; }
    bool Saved() const { return saved_; }

private:
    struct Block {
        QPlainTextEdit* text = nullptr;
        QCheckBox* bold = nullptr;
        QCheckBox* italic = nullptr;
        QCheckBox* center = nullptr;
        QComboBox* size = nullptr;
    };
    QWidget* MakeBlock(std::size_t index, const char* name, const char* caption);
    void SaveClick();

    HtmlPage page_;
    Prompter& prompter_;
    SaveStep save_;
    bool saved_ = false;
    QLineEdit* title_ = nullptr;
    std::array<Block, 4> blocks_{};
};

}  // namespace qf
