#include "output/forms/MyBitmapWidth.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "output/ExportChoices.h"

namespace qf {

TMyBitmapWidth::TMyBitmapWidth(const FormLook& look, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), prompter_(prompter) {
    setObjectName("MyBitmapWidth");
    width_ = new QLineEdit;
    width_->setObjectName(PixelWidthControls::kWidth.text);
    width_->setMaxLength(kWidthDigits);
    label_ = NamedLabel("WidthLabel", QString(), width_);  // its text names the picture's kind when asked

    create_ = DefaultButton("CreateButton", QString());  // named for the picture's kind when asked
    connect(create_, &QPushButton::clicked, this, &TMyBitmapWidth::CreateClick);
    QPushButton* cancel = NamedButton("CancelButton", "&Cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label_);
    row->addWidget(width_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(ButtonRow({create_, cancel}));
    SetDesignSize(QSize(280, 100));
}

std::optional<int> TMyBitmapWidth::Ask(Form form, Settings& settings) {
    const bool bitmap = form == Form::Bitmap;
    setWindowTitle(bitmap ? "Bitmap" : "JPeg");
    label_->setText(bitmap ? "Width of Bitmap" : "Width of JPeg");
    create_->setText(bitmap ? "Create &Bitmap" : "Create &JPeg");
    width_->setText(QString::number(settings.pixelWidth));
    width_->selectAll();
    width_->setFocus();
    settings_ = &settings;
    const bool created = exec() == QDialog::Accepted;
    settings_ = nullptr;
    if (!created) return std::nullopt;
    return accepted_;
}

void TMyBitmapWidth::CreateClick() {
    int width = 0;
    const Outcome outcome = CheckPixelWidth(ToAnsi(width_->text()), width);
    if (!outcome.IsDone()) {
        ShowOutcome(*this, prompter_, outcome);  // the window stays, the focus in the box
        return;
    }
    accepted_ = width;
    if (settings_) settings_->pixelWidth = width;
    accept();
}

}  // namespace qf
