#include "support/forms/FormFixture.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

namespace qf::test {

FormFixture::FormFixture(std::deque<Answer> answers, std::deque<std::string> files) {
    context.state = ProgramState::StartUp(Directories{dir.Path(), dir.Path()});
    context.state.settings.showTips = false;  // a test that wants the tip of the day asks for it
    auto scriptedPrompter = std::make_unique<ScriptedPrompter>(std::move(answers));
    auto scriptedChooser = std::make_unique<ScriptedChooser>(std::move(files));
    prompter = scriptedPrompter.get();
    chooser = scriptedChooser.get();
    context.prompter = std::move(scriptedPrompter);
    context.fileChooser = std::move(scriptedChooser);
    auto scriptedFonts = std::make_unique<ScriptedFontChooser>();
    auto scriptedColors = std::make_unique<ScriptedColorChooser>();
    fonts = scriptedFonts.get();
    colors = scriptedColors.get();
    context.fontChooser = std::move(scriptedFonts);
    context.colorChooser = std::move(scriptedColors);
    auto recordingOpener = std::make_unique<RecordingOpener>();
    opener = recordingOpener.get();
    context.documentOpener = std::move(recordingOpener);
}

void FormFixture::CopyShipped(const std::string& name) const {
    const char* shipped = std::getenv("QUERNFOLD_PROGRAM_DIR");
    std::filesystem::copy_file(std::filesystem::path(shipped ? shipped : ".") / name, dir.File(name),
                               std::filesystem::copy_options::overwrite_existing);
}

void WhenDialogShows(const std::function<void(QWidget&)>& step) {
    // Polls, because the dialog appears only once exec() has started its own event loop.
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        // Once it has the keyboard too: keys sent before would go nowhere.
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !modal->isActiveWindow()) return;
        timer->stop();
        timer->deleteLater();
        step(*modal);
    });
    timer->start();
}

}  // namespace qf::test
