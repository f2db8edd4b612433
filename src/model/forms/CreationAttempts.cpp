#include "model/forms/CreationAttempts.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "base/forms/FormControls.h"

namespace qf {
namespace {

constexpr QSize kClientSize(323, 106);
constexpr QPoint kStatusAt(75, 20), kAbortedAt(25, 20), kSecondAt(115, 45);
constexpr int kTextPixels = 19;

}  // namespace

TCreationAttempts::TCreationAttempts(const FormLook& look, const PuzzleRecord& working, const ShapeRecord& shape,
                                     const RunOptions& options, RunResults& results, QWidget* parent,
                                     std::optional<ThoroughOptions> thorough)
    : ProgramDialog(look, parent), start_(std::make_unique<PuzzleRecord>(working)), shape_(shape),
      options_(options), thorough_(thorough), results_(results) {
    setObjectName("CreationAttempts");
    setWindowTitle("Building Puzzles");
    const double scale = look.scale;
    button_ = NamedButton("Cancel", "&Abort", FocusEnter::Takes, this);
    button_->setGeometry(Scaled(125, scale), Scaled(76, scale), Scaled(80, scale), Scaled(21, scale));
    connect(button_, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);
    SetDesignSize(kClientSize);
}

TCreationAttempts::~TCreationAttempts() {
    abort_ = true;
    if (worker_.joinable()) worker_.join();
}

void TCreationAttempts::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous() || started_) return;
    started_ = true;
    abort_ = false;
    // The run starts once the form is up and drawn.
    QTimer::singleShot(0, this, &TCreationAttempts::StartRun);
}

void TCreationAttempts::StartRun() {
    running_ = true;
    runResults_ = std::make_unique<RunResults>();
    // The worker reports through queued calls, which the form's thread runs in its event loop;
    // the form waits for the worker before it goes, and calls still queued go with it.
    auto report = [this](const RunProgress& progress) {
        QMetaObject::invokeMethod(this, [this, progress] { Show(progress); }, Qt::QueuedConnection);
    };
    worker_ = std::thread([this, report] {
        if (thorough_) {
            // The run's own lines first; then the best count so far under the last attempt.
            auto best = [this](const ThoroughProgress& progress) {
                const RunProgress line{statusLineText_, BestSoFarText(progress), false, false};
                QMetaObject::invokeMethod(this, [this, line] { ShowSecond(line); }, Qt::QueuedConnection);
            };
            auto run = [this, report](const RunProgress& progress) {
                statusLineText_ = progress.statusLine;
                report(progress);
            };
            ThoroughReport done;
            ThoroughFill(*start_, shape_, options_, *thorough_, *runResults_, done, best, &abort_, run);
            const std::string last = done.cutShort ? "Stopped: best " : "Completed: best ";
            const RunProgress line{statusLineText_, last + std::to_string(runResults_->scores[0]) + " of " +
                                                        std::to_string(start_->UsedWords()), true, false};
            QMetaObject::invokeMethod(this, [this, line] { ShowSecond(line); }, Qt::QueuedConnection);
        } else {
            BuildPuzzles(*start_, shape_, options_, *runResults_, report, &abort_);
        }
        QMetaObject::invokeMethod(this, [this] { Ended(); }, Qt::QueuedConnection);
    });
}

void TCreationAttempts::Show(const RunProgress& progress) {
    statusLine_ = QString::fromStdString(progress.statusLine);
    secondLine_ = QString::fromStdString(progress.secondLine);
    update();
    emit Progressed();
}

void TCreationAttempts::ShowSecond(const RunProgress& progress) {
    secondLine_ = QString::fromStdString(progress.secondLine);
    update();
    emit Progressed();
}

void TCreationAttempts::Ended() {
    if (worker_.joinable()) worker_.join();
    running_ = false;
    ended_ = true;
    std::swap(results_, *runResults_);
    runResults_.reset();
    button_->setText("&Ok");
    if (!results_.aborted) QApplication::beep();
    emit RunEnded();
}

void TCreationAttempts::CancelClick() {
    if (!ended_) {
        abort_ = true;  // the run sees it when the attempt under way has ended
        return;
    }
    QDialog::accept();
}

void TCreationAttempts::reject() { CancelClick(); }

void TCreationAttempts::paintEvent(QPaintEvent* event) {
    ProgramDialog::paintEvent(event);
    const double scale = Look().scale;
    QPainter p(this);
    QFont font("Arial");
    font.setPixelSize(Scaled(kTextPixels, scale));
    p.setFont(font);
    const int ascent = p.fontMetrics().ascent();
    auto draw = [&](QPoint design, const QString& text) {
        p.drawText(Scaled(design.x(), scale), Scaled(design.y(), scale) + ascent, text);
    };
    draw(statusLine_.contains("Aborted") ? kAbortedAt : kStatusAt, statusLine_);
    // The search's longer lines ("Completed: best 52 of 60") move left as far as they must to fit.
    const int room = width() - Scaled(kSecondAt.x(), scale) - Scaled(kAbortedAt.x(), scale);
    const int shift = std::max(0, p.fontMetrics().horizontalAdvance(secondLine_) - room);
    p.drawText(std::max(Scaled(kAbortedAt.x(), scale), Scaled(kSecondAt.x(), scale) - shift),
               Scaled(kSecondAt.y(), scale) + ascent, secondLine_);
}

void TCreationAttempts::Run(const FormLook& look, const PuzzleRecord& working, const ShapeRecord& shape,
                            const RunOptions& options, RunResults& results, QWidget* parent,
                            std::optional<ThoroughOptions> thorough) {
    TCreationAttempts form(look, working, shape, options, results, parent, thorough);
    form.exec();
}

}  // namespace qf
