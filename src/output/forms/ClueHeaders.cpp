#include "output/forms/ClueHeaders.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

QLineEdit* HeadingBox(const char* name, const std::string& text) {
    auto* box = new QLineEdit(FromAnsi(text.substr(0, kHeadingCapacity)));
    box->setObjectName(name);
    box->setMaxLength(static_cast<int>(kHeadingCapacity));
    return box;
}

}  // namespace

TClueHeaders::TClueHeaders(const FormLook& look, ClueHeadersMode mode, const PrintHeadings& start, QWidget* parent)
    : ProgramDialog(look, parent) {
    setObjectName("ClueHeaders");
    setWindowTitle(mode == ClueHeadersMode::Defaults ? "Default Clue Headers" : "Clue Headers");
    across_ = HeadingBox("AcrossHeader", start.across);
    down_ = HeadingBox("DownHeader", start.down);

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel("Across Header", across_), 0, 0);
    grid->addWidget(across_, 0, 1);
    grid->addWidget(BuddyLabel("Down Header", down_), 1, 0);
    grid->addWidget(down_, 1, 1);

    QHBoxLayout* buttons = OkCancelRow(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    SetDesignSize(QSize(320, 130));
}

PrintHeadings TClueHeaders::Result() const {
    return {ToAnsi(across_->text()).substr(0, kHeadingCapacity), ToAnsi(down_->text()).substr(0, kHeadingCapacity)};
}

std::optional<PrintHeadings> TClueHeaders::Run(const FormLook& look, ClueHeadersMode mode, const PrintHeadings& start,
                                               QWidget* parent) {
    TClueHeaders dialog(look, mode, start, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace qf
