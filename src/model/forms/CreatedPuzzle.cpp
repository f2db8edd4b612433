#include "model/forms/CreatedPuzzle.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <algorithm>

#include "base/forms/AccessibleNames.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "model/CandidateChoice.h"
#include "model/PuzzleDescription.h"
#include "model/forms/BlowItUp.h"
#include "model/forms/PuzzleImage.h"
#include "model/forms/PuzzlePicture.h"

namespace qf {
namespace {

constexpr QSize kClientSize(594, 419);
constexpr int kImageSide = 191;
constexpr QPoint kImageAt[kCandidateCount] = {{8, 16}, {216, 16}, {8, 225}, {216, 225}};
constexpr int kListLeft = 424, kListWidth = 162;
constexpr int kFirstVariants = 2;

QString VariantsCaption(int k) { return QString("Make %1 &Variants").arg(k); }

struct ListEntry {
    QString word;
    QString tip;
};

// The lists sort their items as the screen's sorted lists do: without regard to letter case,
// equal items in the order they came.
void FillSorted(QListWidget* list, std::vector<ListEntry> entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const ListEntry& a, const ListEntry& b) {
        return QString::compare(a.word, b.word, Qt::CaseInsensitive) < 0;
    });
    list->clear();
    for (const ListEntry& e : entries) {
        auto* item = new QListWidgetItem(e.word, list);
        if (!e.tip.isEmpty()) item->setToolTip(e.tip);
    }
}

}  // namespace

TCreatedPuzzle::TCreatedPuzzle(CreatedPuzzleInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent), in_(inputs), start_(std::make_unique<PuzzleRecord>(inputs.working)) {
    setObjectName("CreatedPuzzle");
    setWindowTitle(kCreatedPuzzleCaption);
    totalWords_ = start_->UsedWords();
    const double scale = Look().scale;
    auto at = [scale](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(Scaled(x, scale), Scaled(y, scale), Scaled(width, scale), Scaled(height, scale));
    };
    for (int n = 1; n <= kCandidateCount; ++n) {
        const QPoint design = kImageAt[n - 1];
        auto* image = new TPuzzleImage(QSize(Scaled(kImageSide, scale), Scaled(kImageSide, scale)), this);
        image->setObjectName(QString("PuzzImage%1").arg(n));
        image->move(Scaled(design.x(), scale), Scaled(design.y(), scale));
        connect(image, &TPuzzleImage::Clicked, this, [this, n] { SelectAPuzzle(n); });
        connect(image, &TPuzzleImage::DoubleClicked, this, [this, n] { DoubleClick(n); });
        connect(image, &TPuzzleImage::NeedsPicture, this, [this, n] { DrawCandidate(n); });
        images_[n - 1] = image;
        auto* label = new QLabel(kCandidateLabels[n - 1], this);
        label->setObjectName(QString("BFLabel%1").arg(n));
        label->move(Scaled(design.x(), scale), Scaled(design.y() - 15, scale));
        labels_[n - 1] = label;
    }
    incLabel_ = new QLabel("Included Words", this);
    incLabel_->setObjectName("IncWordsLabel");
    incLabel_->move(Scaled(kListLeft, scale), 0);
    included_ = new QListWidget(this);
    included_->setObjectName("IncludedWords");
    included_->setAccessibleName("Included Words");
    at(included_, kListLeft, 16, kListWidth, 185);
    excLabel_ = new QLabel("Excluded Words", this);
    excLabel_->setObjectName("ExcWordsLabel");
    excLabel_->move(Scaled(kListLeft, scale), Scaled(209, scale));
    excluded_ = new QListWidget(this);
    excluded_->setObjectName("ExcludedWords");
    excluded_->setAccessibleName("Excluded Words");
    at(excluded_, kListLeft, 225, kListWidth, 120);
    variantCount_ = new QSpinBox(this);
    variantCount_->setObjectName("VariantCount");
    variantCount_->setRange(2, kMaxVariants);
    variantCount_->setValue(kFirstVariants);
    variantCount_->setAccessibleName("Number of variants");
    variantCount_->setToolTip("How many different grids of these words to make");
    at(variantCount_, kListLeft, 353, 44, 25);
    makeVariants_ = NamedButton("MakeVariants", VariantsCaption(kFirstVariants), FocusEnter::Takes, this);
    makeVariants_->setToolTip("The same words and clues in different grids, the selected one first, each stored as "
                              "a puzzle of its own: Title (A), Title (B) ...");
    at(makeVariants_, kListLeft + 48, 353, kListWidth - 48, 25);
    connect(variantCount_, &QSpinBox::valueChanged, this, [this](int k) { makeVariants_->setText(VariantsCaption(k)); });
    connect(makeVariants_, &QPushButton::clicked, this, &TCreatedPuzzle::VariantsClick);

    QPushButton* save = NamedButton("Save", "&Save Puzzle", FocusEnter::Takes, this);
    at(save, kListLeft, 386, 80, 25);
    QPushButton* cancel = NamedButton("Cancel", "&Cancel", FocusEnter::Takes, this);
    at(cancel, kListLeft + 84, 386, 80, 25);
    connect(save, &QPushButton::clicked, this, &TCreatedPuzzle::SaveClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    SetDesignSize(kClientSize);
}

TCreatedPuzzle::~TCreatedPuzzle() = default;

void TCreatedPuzzle::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    selected_ = 0;
    for (int n = 1; n <= kCandidateCount; ++n) {
        DrawCandidate(n);
        DescribePicture(*images_[n - 1], Empty(n) ? "No puzzle" : FromAnsi(GridDescription(in_.results.Candidate(n))),
                        kCandidateLabels[n - 1]);
        labels_[n - 1]->adjustSize();
        labels_[n - 1]->setVisible(!Empty(n));
    }
    incLabel_->adjustSize();
    excLabel_->adjustSize();
    SelectAPuzzle(1);  // the form opens on the best fit
}

void TCreatedPuzzle::DrawCandidate(int n) {
    DrawAPuzzle(images_[n - 1]->Canvas(), in_.results.Candidate(n), in_.results.scores[n - 1], in_.shape);
    images_[n - 1]->update();
}

void TCreatedPuzzle::SelectAPuzzle(int n) {
    if (Empty(n)) return;  // a slot without a candidate holds no valid record
    if (selected_ >= 1) {
        labels_[selected_ - 1]->setAutoFillBackground(false);
        labels_[selected_ - 1]->setPalette(palette());
    }
    selected_ = n;
    QPalette red = labels_[n - 1]->palette();
    red.setColor(QPalette::Window, Qt::red);
    labels_[n - 1]->setPalette(red);
    labels_[n - 1]->setAutoFillBackground(true);
    update();

    std::vector<ListEntry> in, out;
    for (const std::string& word : IncludedWords(in_.results, n, totalWords_)) in.push_back({FromAnsi(word), {}});
    for (const Exclusion& left : ExplainExclusions(in_.results, n, *start_, in_.shape))
        out.push_back({FromAnsi(left.word), FromAnsi(left.reason)});
    incLabel_->setText(FromAnsi(IncludedLabel(in.size())));
    excLabel_->setText(FromAnsi(ExcludedLabel(out.size())));
    incLabel_->adjustSize();
    excLabel_->adjustSize();
    FillSorted(included_, std::move(in));
    FillSorted(excluded_, std::move(out));
}

void TCreatedPuzzle::paintEvent(QPaintEvent* event) {
    ProgramDialog::paintEvent(event);
    if (selected_ < 1) return;
    const QRect image = images_[selected_ - 1]->geometry();
    QPainter p(this);
    // A frame 2 pixels wide just outside the picture, filled rather than drawn as two outlines so
    // that it stays solid on a high-density screen.
    const QColor red(Qt::red);
    p.fillRect(QRect(image.left() - 2, image.top() - 2, image.width() + 4, 2), red);
    p.fillRect(QRect(image.left() - 2, image.bottom() + 1, image.width() + 4, 2), red);
    p.fillRect(QRect(image.left() - 2, image.top(), 2, image.height()), red);
    p.fillRect(QRect(image.right() + 1, image.top(), 2, image.height()), red);
}

void TCreatedPuzzle::DoubleClick(int n) {
    if (Empty(n)) return;
    TBlowItUp enlarged(Look(), in_.results.Candidate(n), in_.shape, kCandidateLabels[n - 1], this);
    enlarged.exec();
}

void TCreatedPuzzle::SaveClick() {
    if (Empty(selected_)) return;
    const Outcome chosen = ChooseCandidate(in_.results, selected_, totalWords_, in_.prompter, in_.working);
    if (!chosen.IsDone()) {
        ShowOutcome(*this, in_.prompter, chosen);  // No: the form stays open
        return;
    }
    saved_ = selected_;
    accept();
}

void TCreatedPuzzle::VariantsClick() {
    if (Empty(selected_)) return;
    const int asked = variantCount_->value();
    QProgressDialog progress("Making variants...", "&Cancel", 0, asked, this);
    progress.setObjectName("VariantsProgress");
    progress.setWindowTitle(kVariantsCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::atomic<bool> abort{false};
    std::vector<Variant> made = MakeVariantsFrom(in_.results, selected_, *start_, in_.shape, asked, [&](int done) {
        progress.setValue(std::min(done, asked - 1));
        QApplication::processEvents();
        if (progress.wasCanceled()) abort = true;
    }, &abort);
    progress.reset();
    if (abort) return;  // nothing kept; the form stays as it was
    const VariantsReport report = ReportVariants(made, asked, totalWords_);
    if (!report.asks) {
        ShowMessage(*this, in_.prompter, report.message);
        return;
    }
    if (in_.prompter.Ask(report.message, Question::YesNo) != Answer::Yes) return;
    in_.working = *made.front().puzzle;
    variants_ = std::move(made);
    accept();
}

CreatedPuzzleResult TCreatedPuzzle::Run(CreatedPuzzleInputs inputs, QWidget* parent) {
    TCreatedPuzzle form(inputs, parent);
    form.exec();
    return {form.Saved(), std::move(form.variants_)};
}

}  // namespace qf
