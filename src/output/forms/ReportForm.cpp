#include "output/forms/ReportForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "output/ReportRun.h"

namespace qf {

TReportForm::TReportForm(const FormLook& look, Surface& surface, PageRenderer& renderer, Prompter& prompter,
                         QWidget* parent)
    : ProgramDialog(look, parent), report_(surface), renderer_(renderer), prompter_(prompter) {
    setObjectName("ReportForm");
    setWindowTitle("Report Status Screen");
    auto* heading = new QLabel("Printing Status");
    heading->setObjectName("StatusHeading");
    status_ = new QLabel;
    status_->setObjectName("Status");
    status_->setAlignment(Qt::AlignCenter);
    status_->setMinimumHeight(60);
    button_ = NamedButton("BitBtn1", "Cancel");
    connect(button_, &QPushButton::clicked, this, &TReportForm::BitBtn1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(status_);
    layout->addLayout(ButtonRow({button_}, RowAlign::Centre));
    SetDesignSize(QSize(260, 150));
}

void TReportForm::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, &TReportForm::RunReport);  // once the form is on the screen
}

void TReportForm::ShowStatus() {
    // The status format separates its lines with carriage returns.
    status_->setText(FromAnsi(report_.StatusText()).replace('\r', '\n').trimmed());
}

void TReportForm::RunReport() {
    result_ = RunRenderReport(report_, renderer_, [this] {
        ShowStatus();
        QApplication::processEvents();  // paints the status and takes a click on Cancel
    });
    finished_ = true;
    button_->setText("OK");
    ShowStatus();
    for (const Message& warning : result_.warnings) prompter_.Inform(warning);
}

void TReportForm::BitBtn1Click() {
    if (finished_)
        accept();
    else
        report_.Abort();
}

void TReportForm::reject() {
    // Escape or closing the window while the page is drawn is a Cancel; the form closes with OK.
    if (finished_)
        QDialog::reject();
    else
        report_.Abort();
}

RenderResult TReportForm::Run(const FormLook& look, Surface& surface, PageRenderer& renderer, Prompter& prompter,
                              QWidget* parent) {
    TReportForm form(look, surface, renderer, prompter, parent);
    form.exec();
    return form.Result();
}

}  // namespace qf
