#include "output/forms/DoMeta.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"

namespace qf {

TDoMeta::TDoMeta(const FormLook& look, QWidget* parent) : ProgramDialog(look, parent) {
    setObjectName("DoMeta");
    setWindowTitle("Metafile Creation");
    status_ = new QLabel(kCreatingMetafileText);
    status_->setObjectName("StatusLabel");
    status_->setAlignment(Qt::AlignCenter);
    ok_ = NamedButton("OkButton", "&Ok");
    ok_->setVisible(false);
    ok_->setEnabled(false);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(ButtonRow({ok_}, RowAlign::Centre));
    SetDesignSize(QSize(300, 100));
}

void TDoMeta::Created() {
    status_->setText(kMetafileCreatedText);
    ok_->setVisible(true);
    ok_->setEnabled(true);
    ok_->setDefault(true);
    ok_->setFocus();
}

}  // namespace qf
