#pragma once
// TCreationAttempts, "Building Puzzles": the progress of a generation run of two or more
// attempts. The run starts once the form is up and goes on a thread of its own, so the window
// stays live; &Abort asks it to stop after the attempt under way, and once the run has ended
// the button reads &Ok and closes the form. The run works on its own copy of the record, so the
// working record stays as it was whatever happens; the candidates go to `results` at the end.
// Given thorough options, a thorough fill follows the attempts, and the second line shows the
// best count so far.
#include <QString>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "base/forms/ProgramDialog.h"
#include "model/GenerationRun.h"
#include "model/ThoroughFill.h"

class QPushButton;

namespace qf {

class TCreationAttempts : public ProgramDialog {
    Q_OBJECT
public:
    TCreationAttempts(const FormLook& look, const PuzzleRecord& working, const ShapeRecord& shape,
                      const RunOptions& options, RunResults& results, QWidget* parent = nullptr,
                      std::optional<ThoroughOptions> thorough = std::nullopt);
    ~TCreationAttempts() override;

    // Shows the form modally; returns when the user closes it after the run.
    static void Run(const FormLook& look, const PuzzleRecord& working, const ShapeRecord& shape,
                    const RunOptions& options, RunResults& results, QWidget* parent = nullptr,
                    std::optional<ThoroughOptions> thorough = std::nullopt);

    const QString& StatusLine() const { return statusLine_; }
    const QString& SecondLine() const { return secondLine_; }
    bool Running() const { return running_; }
    bool AbortRequested() const { return abort_.load(); }

signals:
    void Progressed();  // a new status line is showing
    void RunEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;  // Escape and the close button: abort first, close once ended

private:
    void StartRun();
    void Show(const RunProgress& progress);
    void ShowSecond(const RunProgress& progress);  // the second line only
    void Ended();
    void CancelClick();

    std::unique_ptr<PuzzleRecord> start_;
    ShapeRecord shape_;
    RunOptions options_;
    std::optional<ThoroughOptions> thorough_;
    RunResults& results_;
    std::unique_ptr<RunResults> runResults_;
    std::thread worker_;
    std::atomic<bool> abort_{false};
    bool started_ = false;
    bool running_ = false;
    bool ended_ = false;
    QString statusLine_, secondLine_;
    std::string statusLineText_;  // the run's last status line, on the worker's side
    QPushButton* button_ = nullptr;
};

}  // namespace qf
