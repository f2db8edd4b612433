#pragma once
// TMyReport, "Reports": the print options of one puzzle. The user chooses the parts to print,
// how the answers show in the grid, and, for this print only, another layout, fonts, headings
// and bonus question; "&View/Print" draws the page and opens the preview. The form works on
// its own copy of the puzzle: nothing here changes the collection.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Choosers.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "output/PrintChoices.h"
#include "output/PrintOptions.h"
#include "output/RenderResult.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace qf {

class PageExporter;
class PagePrinter;

// The layout chooser in its print mode: the layout picked, or nothing.
using LayoutChooser = std::function<std::optional<PageLayoutRecord>(QWidget* parent)>;

struct MyReportInputs {
    FormLook look;
    const PuzzleRecord& puzzle;  // copied: the print's working copy
    Settings& settings;
    Prompter& prompter;
    FileChooser& chooser;
    FontChooser& fonts;
    ColorChooser& colors;
    PagePrinter& printer;
    std::string programDir;                     // where the help file lies
    PageExporter* exporter = nullptr;           // none: the preview's picture exports stay disabled
    LayoutChooser chooseLayout;                 // none: "Change Page &Layout" stays disabled
    std::function<void(QWidget*)> jpegQuality;  // none: the preview's quality command stays disabled
    std::string workingDir;                     // where a first export is offered
};

class TMyReport : public ProgramDialog {
    Q_OBJECT
public:
    explicit TMyReport(MyReportInputs inputs, QWidget* parent = nullptr);
    ~TMyReport() override;

    const PuzzleRecord& Working() const { return *working_; }
    const PrintOptions& Options() const { return options_; }
    const PrintHeadings& Headings() const { return headings_; }
    const std::vector<FontListEntry>& FontList() const { return fontList_; }

    static void Run(MyReportInputs inputs, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, built by their group boxes.
    void BuildControls();
    QMenuBar* BuildMenuBar();
    QGroupBox* PartsGroup();
    QGroupBox* AnswersGroup();
    QGroupBox* OverridesGroup();
    void BuildFontMenu();
    QCheckBox* PartBox(const char* name, const char* caption, bool PrintOptions::*field);
    void FormShow();
    void Derive();
    void ShowOptions();
    void ApplyEnabling();
    void ShowSwatch();
    void DrawThumbnail();
    void Changed();
    void ShowNoPlaceNote();

    void AnswerKeyClick(bool on);
    void PartialAnswerClick(bool on);
    void PartialLettersClick(bool on);
    void LettersChange(const QString& text);
    void SkeletonClick(bool on);
    void BoxColorClick();
    void SelectClick();
    void ChangeLayoutClick();
    void ChangeFontsClick();
    void FontEntryClick(int index);
    void ClueHeadersClick();
    void BonusQuestionClick();
    void ViewPrintClick();
    void PrinterSetupClick();
    void HelpClick();

    MyReportInputs in_;
    std::unique_ptr<PuzzleRecord> working_;
    PrintOptions options_;
    PrintHeadings headings_;
    std::vector<FontListEntry> fontList_;
    RenderResult rendering_;

    std::vector<std::pair<QCheckBox*, bool PrintOptions::*>> parts_;
    QCheckBox* answerKey_ = nullptr;
    QCheckBox* markAnswerKey_ = nullptr;  // "Mark the answer key": "Answer Key" under the title
    QLabel* noPlace_ = nullptr;
    QCheckBox* partialAnswer_ = nullptr;
    QPushButton* select_ = nullptr;
    QCheckBox* partialLetters_ = nullptr;
    QLineEdit* letters_ = nullptr;
    QCheckBox* skeleton_ = nullptr;
    QLabel* swatch_ = nullptr;
    QLabel* thumbnail_ = nullptr;
    QMenu* fontMenu_ = nullptr;
    QPushButton* changeFonts_ = nullptr;
};

}  // namespace qf
