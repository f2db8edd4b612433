#include "output/forms/TheJPegFactor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "output/ExportChoices.h"

namespace qf {
namespace {

constexpr const char* kNote =
    "When the Factor is high, the image will be sharper, but the file size will be larger.  If the factor is "
    "lower, then the file size will be smaller, but the image will not be as sharp.";

}  // namespace

TTheJPegFactor::TTheJPegFactor(const FormLook& look, int quality, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), prompter_(prompter), quality_(quality) {
    setObjectName("TheJPegFactor");
    setWindowTitle("JPEG Factor");
    factor_ = new QLineEdit(QString::number(quality));
    factor_->setObjectName(JpegFactorControls::kFactor.text);
    factor_->setMaxLength(3);
    QLabel* label = NamedLabel("FactorLabel", "JPEG Compression/Quality Factor (Range: 1 - 100)", factor_);
    auto* note = new QLabel(kNote);
    note->setObjectName("Note");
    note->setWordWrap(true);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(factor_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(note);
    layout->addLayout(OkCancelRow(*this, [this] { OkClick(); }));
    SetDesignSize(QSize(380, 160));
}

void TTheJPegFactor::OkClick() {
    int quality = 0;
    const Outcome outcome = CheckJpegFactor(ToAnsi(factor_->text()), quality);
    if (!outcome.IsDone()) {
        ShowOutcome(*this, prompter_, outcome);
        return;
    }
    quality_ = quality;
    accept();
}

std::optional<int> TTheJPegFactor::Run(const FormLook& look, Settings& settings, Prompter& prompter, QWidget* parent) {
    TTheJPegFactor dialog(look, settings.jpegQuality, prompter, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    settings.jpegQuality = dialog.Result();
    return dialog.Result();
}

}  // namespace qf
