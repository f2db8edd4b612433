#include "app/forms/MainWin.h"

#include <QCloseEvent>
#include <QLabel>
#include <filesystem>

#include "app/forms/QtText.h"

namespace qf {

std::string ComputeDisplayName(const std::string& collectionPath) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(collectionPath, ec);
    std::string name = (ec ? std::filesystem::path(collectionPath) : full).filename().string();
    name.resize(name.size() > 4 ? name.size() - 4 : 0);
    return name;
}

TMainWin::TMainWin(ProgramContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), working_(NewPuzzleRecord()) {
    setObjectName("MainWin");
    resize(632, 413);
    displayName_ = FromAnsi(ComputeDisplayName(context_.settings.lastGroup));
    DoCaption();
}

void TMainWin::DoCaption() { setWindowTitle("Quernfold 98 (" + displayName_ + ")"); }

void TMainWin::closeEvent(QCloseEvent* event) {
    SaveSettings(context_.settings, context_.dirs);  // a failed write is not reported
    event->accept();
}

}  // namespace qf
