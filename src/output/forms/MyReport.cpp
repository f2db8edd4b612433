#include "output/forms/MyReport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/AccessibleNames.h"
#include "base/forms/DevicePixels.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/HelpWindow.h"
#include "base/forms/InterfaceFonts.h"
#include "base/forms/Palettes.h"
#include "base/forms/QtText.h"
#include "output/forms/BonusQuestion.h"
#include "output/forms/ClueHeaders.h"
#include "layouts/LayoutDescription.h"
#include "output/LayoutThumbnail.h"
#include "output/forms/MyPreview.h"
#include "output/forms/PagePrinter.h"
#include "output/forms/PartialAnswerList.h"
#include "output/forms/ReportForm.h"
#include "report/DisplayListSurface.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf {
namespace {

constexpr const char* kHelpKeyword = "Report Window";
constexpr int kThumbnailSide = 150;

}  // namespace

TMyReport::TMyReport(MyReportInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent), in_(std::move(inputs)), working_(std::make_unique<PuzzleRecord>(in_.puzzle)) {
    setObjectName("MyReport");
    setWindowTitle("Reports");
    BuildControls();
    SetDesignSize(QSize(560, 400));
}

TMyReport::~TMyReport() = default;

QCheckBox* TMyReport::PartBox(const char* name, const char* caption, bool PrintOptions::*field) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
        options_.*field = on;
        Changed();
    });
    parts_.emplace_back(box, field);
    return box;
}

void TMyReport::BuildControls() {
    QMenuBar* bar = BuildMenuBar();
    QGroupBox* parts = PartsGroup();
    QGroupBox* answers = AnswersGroup();
    QGroupBox* overrides = OverridesGroup();
    BuildFontMenu();

    thumbnail_ = new QLabel;
    thumbnail_->setObjectName("LayoutImage");
    thumbnail_->setFixedSize(kThumbnailSide, kThumbnailSide);

    QPushButton* view = DefaultButton("ViewPrint", "&View/Print");
    QPushButton* exitButton = NamedButton("ExitButton", "E&xit");
    connect(view, &QPushButton::clicked, this, &TMyReport::ViewPrintClick);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(overrides);
    right->addWidget(thumbnail_, 0, Qt::AlignHCenter);
    right->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(parts);
    left->addWidget(answers);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(columns);
    layout->addLayout(ButtonRow({view, exitButton}));
}

QMenuBar* TMyReport::BuildMenuBar() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu("&File");
    file->addAction("&View/Print", this, &TMyReport::ViewPrintClick)->setObjectName("MenuViewPrint");
    file->addAction("Printer &Setup", this, &TMyReport::PrinterSetupClick)->setObjectName("MenuPrinterSetup");
    file->addSeparator();
    file->addAction("E&xit", this, &QDialog::accept)->setObjectName("MenuExit");
    bar->addAction("&Help", this, &TMyReport::HelpClick)->setObjectName("MenuHelp");
    return bar;
}

QGroupBox* TMyReport::PartsGroup() {
    auto* parts = new QGroupBox("Parts To Print");
    auto* partsLayout = new QVBoxLayout(parts);
    partsLayout->addWidget(PartBox("PrintTitle", "Puzzle &Title", &PrintOptions::printTitle));
    partsLayout->addWidget(PartBox("PrintBody", "Puzzle &Body", &PrintOptions::printBody));
    partsLayout->addWidget(PartBox("PrintClues", "Puzzle &Clues", &PrintOptions::printClues));
    partsLayout->addWidget(PartBox("PrintWords", "Puzzle &Words", &PrintOptions::printWords));
    partsLayout->addWidget(PartBox("PrintBonus", "Bonus &Question", &PrintOptions::printBonus));
    // A ticked part the layout has no place for would print nothing without a word.
    noPlace_ = new QLabel;
    noPlace_->setObjectName("NoPlaceNote");
    noPlace_->setWordWrap(true);
    // Dark red, or a light red on a dark desktop; a style sheet, so the label fonts' colour
    // does not take it over.
    const QColor warning = ReadableOn(QColor(160, 0, 0), palette().color(QPalette::Window), QColor(255, 140, 140));
    noPlace_->setStyleSheet(QString("color: %1;").arg(warning.name()));
    partsLayout->addWidget(noPlace_);
    return parts;
}

QGroupBox* TMyReport::AnswersGroup() {
    auto* answers = new QGroupBox("Answer Key Options");
    auto* answersLayout = new QGridLayout(answers);
    answerKey_ = new QCheckBox("&Answer Key");
    answerKey_->setObjectName("AnswerKey");
    partialAnswer_ = new QCheckBox("&Partial Answers");
    partialAnswer_->setObjectName("PartialAnswer");
    select_ = NamedButton("SelectButton", "&Select");
    partialLetters_ = new QCheckBox("Pa&rtial Letters");
    partialLetters_->setObjectName("PartialLetters");
    letters_ = new QLineEdit;
    letters_->setObjectName("Letters");
    letters_->setMaxLength(static_cast<int>(kLettersCapacity));
    skeleton_ = new QCheckBox("&Skeleton Puzzle");
    skeleton_->setObjectName("Skeleton");
    QPushButton* boxColor = NamedButton("BoxColorButton", "&Filled Box Color");
    swatch_ = new QLabel;
    swatch_->setObjectName("BoxColorSwatch");
    swatch_->setFixedSize(24, 24);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setAutoFillBackground(true);
    markAnswerKey_ = new QCheckBox("Mark the answer key");
    markAnswerKey_->setObjectName("MarkAnswerKey");
    answersLayout->addWidget(answerKey_, 0, 0);
    answersLayout->addWidget(markAnswerKey_, 0, 1);
    answersLayout->addWidget(partialAnswer_, 1, 0);
    answersLayout->addWidget(select_, 1, 1);
    answersLayout->addWidget(partialLetters_, 2, 0);
    answersLayout->addWidget(letters_, 2, 1);
    answersLayout->addWidget(skeleton_, 3, 0);
    answersLayout->addWidget(boxColor, 4, 0);
    answersLayout->addWidget(swatch_, 4, 1, Qt::AlignLeft);
    connect(answerKey_, &QCheckBox::toggled, this, &TMyReport::AnswerKeyClick);
    connect(markAnswerKey_, &QCheckBox::toggled, this, [this](bool on) {
        options_.markAnswerKey = on;
        Changed();
    });
    connect(partialAnswer_, &QCheckBox::toggled, this, &TMyReport::PartialAnswerClick);
    connect(partialLetters_, &QCheckBox::toggled, this, &TMyReport::PartialLettersClick);
    connect(letters_, &QLineEdit::textChanged, this, &TMyReport::LettersChange);
    connect(skeleton_, &QCheckBox::toggled, this, &TMyReport::SkeletonClick);
    connect(boxColor, &QPushButton::clicked, this, &TMyReport::BoxColorClick);
    connect(select_, &QPushButton::clicked, this, &TMyReport::SelectClick);
    return answers;
}

QGroupBox* TMyReport::OverridesGroup() {
    auto* overrides = new QGroupBox("Puzzle Overrides");
    auto* overridesLayout = new QVBoxLayout(overrides);
    QPushButton* changeLayout = NamedButton("ChangeLayout", "Change Page &Layout");
    changeLayout->setEnabled(static_cast<bool>(in_.chooseLayout));  // the chooser comes with the layouts window
    changeFonts_ = NamedButton("ChangeFonts", "Change &Fonts");
    QPushButton* changeHeaders = NamedButton("ChangeHeaders", "Change Clue &Headers");
    QPushButton* changeBonus = NamedButton("ChangeBonus", "Change Bon&us Question");
    for (QPushButton* b : {changeLayout, changeFonts_, changeHeaders, changeBonus}) overridesLayout->addWidget(b);
    connect(changeLayout, &QPushButton::clicked, this, &TMyReport::ChangeLayoutClick);
    connect(changeFonts_, &QPushButton::clicked, this, &TMyReport::ChangeFontsClick);
    connect(changeHeaders, &QPushButton::clicked, this, &TMyReport::ClueHeadersClick);
    connect(changeBonus, &QPushButton::clicked, this, &TMyReport::BonusQuestionClick);
    return overrides;
}

// The fonts of the layout, offered by "Change &Fonts".
void TMyReport::BuildFontMenu() {
    fontMenu_ = new QMenu(this);
    fontMenu_->setObjectName("FontList");
    for (int i = 0; i < kMaxFontEntries; ++i) {
        QAction* entry = fontMenu_->addAction(QString());
        entry->setObjectName(QString("FontEntry%1").arg(i + 1));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] { FontEntryClick(i); });
    }
}

void TMyReport::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TMyReport::FormShow() {
    options_ = PrintOptionsFromSettings(in_.settings);
    Derive();
    options_.partialSelection.fill(false);
    ShowOptions();
}

void TMyReport::Derive() {
    headings_ = DerivePrintOverrides(working_->layout, in_.settings, options_);
    StorePrintOptions(options_, in_.settings);
    fontList_ = BuildFontList(working_->layout);
    const QList<QAction*> entries = fontMenu_->actions();
    for (int i = 0; i < entries.size(); ++i) {
        const bool used = static_cast<std::size_t>(i) < fontList_.size();
        entries[i]->setVisible(used);  // unused entries are hidden
        entries[i]->setText(used ? FromAnsi(fontList_[static_cast<std::size_t>(i)].caption) : QString());
    }
    changeFonts_->setEnabled(!fontList_.empty());
    ShowSwatch();
    DrawThumbnail();
    ShowNoPlaceNote();
}

void TMyReport::ShowOptions() {
    // Setting the controls from the values must not write the values back half way.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QWidget* w : std::initializer_list<QWidget*>{answerKey_, markAnswerKey_, partialAnswer_, partialLetters_,
                                                      letters_, skeleton_})
        quiet.push_back(std::make_unique<QSignalBlocker>(w));
    for (auto& [box, field] : parts_) {
        const QSignalBlocker q(box);
        box->setChecked(options_.*field);
    }
    answerKey_->setChecked(options_.answerKey);
    markAnswerKey_->setChecked(options_.markAnswerKey);
    partialAnswer_->setChecked(options_.partialAnswer);
    partialLetters_->setChecked(options_.partialLetters);
    letters_->setText(FromAnsi(options_.letters));
    skeleton_->setChecked(!options_.useBoxes);
    ApplyEnabling();
    ShowSwatch();
}

void TMyReport::ApplyEnabling() {
    const AnswerKeyEnabling e = EnablingOf(options_);
    partialAnswer_->setEnabled(e.partialAnswer);
    select_->setEnabled(e.select);
    partialLetters_->setEnabled(e.partialLetters);
    letters_->setEnabled(e.letters);
}

void TMyReport::ShowSwatch() {
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, ColorOf(options_.boxColor));
    swatch_->setPalette(palette);
    const QSignalBlocker quiet(skeleton_);
    skeleton_->setChecked(!options_.useBoxes);
}

void TMyReport::DrawThumbnail() {
    QImage image = DeviceImage(QSize(kThumbnailSide, kThumbnailSide), thumbnail_->devicePixelRatioF());
    DrawLayoutThumbnail(image, working_->layout, palette().color(QPalette::Window));
    thumbnail_->setPixmap(QPixmap::fromImage(image));
    DescribePicture(*thumbnail_, FromAnsi(LayoutDescription(working_->layout)));
}

void TMyReport::Changed() {
    StorePrintOptions(options_, in_.settings);
    ShowNoPlaceNote();
}

void TMyReport::ShowNoPlaceNote() {
    const std::string note = PartsWithoutPlaceNote(options_, working_->layout);
    noPlace_->setText(FromAnsi(note));
    noPlace_->setVisible(!note.empty());
}

void TMyReport::AnswerKeyClick(bool on) {
    options_.answerKey = on;
    Changed();
    ApplyEnabling();
}

void TMyReport::PartialAnswerClick(bool on) {
    options_.partialAnswer = on;
    Changed();
    ApplyEnabling();
}

void TMyReport::PartialLettersClick(bool on) {
    options_.partialLetters = on;
    Changed();
    ApplyEnabling();
}

void TMyReport::LettersChange(const QString& text) {
    options_.letters = LettersFromBox(ToAnsi(text));
    Changed();
}

void TMyReport::SkeletonClick(bool on) {
    options_.useBoxes = !on;
    Changed();
}

void TMyReport::BoxColorClick() {
    const auto color = in_.colors.Choose(options_.boxColor);
    if (!color) return;
    options_.boxColor = *color;
    Changed();
    ShowSwatch();
}

void TMyReport::SelectClick() {
    const auto chosen =
        TPartialAnswerList::Run(Look(), PartialAnswerWords(*working_), options_.partialSelection, this);
    if (chosen) options_.partialSelection = *chosen;
}

void TMyReport::ChangeLayoutClick() {
    if (!in_.chooseLayout) return;
    const auto layout = in_.chooseLayout(this);
    if (!layout) return;
    working_->layout = *layout;
    Derive();
}

void TMyReport::ChangeFontsClick() {
    fontMenu_->popup(changeFonts_->mapToGlobal(QPoint(0, changeFonts_->height())));
}

void TMyReport::FontEntryClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= fontList_.size()) return;
    const FontListEntry& entry = fontList_[static_cast<std::size_t>(index)];
    const auto font = in_.fonts.Choose(FontOf(working_->layout, entry));
    if (font) StoreFont(working_->layout, entry, *font);
}

void TMyReport::ClueHeadersClick() {
    if (const auto headings = TClueHeaders::Run(Look(), ClueHeadersMode::ThisPrint, headings_, this)) headings_ = *headings;
}

void TMyReport::BonusQuestionClick() {
    if (const auto question = TBonusQuestion::Run(Look(), working_->bonusQuestion.Str(), this))
        working_->bonusQuestion.Set(*question);
}

void TMyReport::ViewPrintClick() {
    RunCommand(in_.prompter, [&] {
        PageFileTarget pageFile;
        QPainterSurface surface(pageFile);
        DisplayList calls;  // what the preview's view plays, the part in view only
        DisplayListSurface both(surface, calls);
        PageRenderer renderer(*working_, working_->layout, options_, headings_);
        TReportForm form(Look(), both, renderer, in_.prompter, this);
        form.exec();
        const bool recorded = surface.Finish();
        rendering_ = form.Result();
        if (!form.Finished() || rendering_.aborted || !recorded) return;
        PreviewInputs preview{Look(),
                              in_.settings,
                              in_.prompter,
                              in_.chooser,
                              in_.printer,
                              in_.exporter,
                              in_.jpegQuality,
                              pageFile.Page(),
                              calls,
                              pageFile.Dpi(),
                              both.Setup(),
                              ExportPage{*working_, working_->layout, options_, headings_, rendering_},
                              in_.workingDir};
        TMyPreview window(std::move(preview), this);
        window.exec();
    });
}

void TMyReport::PrinterSetupClick() { in_.printer.Setup(this); }

void TMyReport::HelpClick() { ShowHelp(this, in_.programDir, kHelpKeyword); }

void TMyReport::Run(MyReportInputs inputs, QWidget* parent) {
    TMyReport form(std::move(inputs), parent);
    form.exec();
}

}  // namespace qf
