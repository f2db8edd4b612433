#include "app/forms/UserManual.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"

namespace qf {
namespace {

constexpr const char* kNotice =
    "The user manual for the Quernfold 98 is in a Microsoft Word format.  If you do not have Word on your "
    "computer, a free \"Word Viewer\" is available for download on Microsoft's home page on the web.";
constexpr const char* kPdfNotice =
    "The manual is also provided as a PDF document.  It opens in the PDF reader your desktop uses by default; "
    "free PDF readers are available for every system.";

}  // namespace

TUserManual::TUserManual(const FormLook& look, const Directories& dirs, DocumentOpener& opener, Prompter& prompter,
                         QWidget* parent)
    : ProgramDialog(look, parent), dirs_(dirs), opener_(opener), prompter_(prompter) {
    setObjectName("UserManual");
    setWindowTitle("User Manual Notice");

    QPushButton* word = DefaultButton("ViewWordButton", "View in &Word");
    QPushButton* pdf = NamedButton("ViewPdfButton", "View in &Acrobat", FocusEnter::Passes);
    QPushButton* cancel = NamedButton("CancelButton", "&Cancel", FocusEnter::Passes);
    connect(word, &QPushButton::clicked, this, [this] { View(ManualFormat::WordProcessor); });
    connect(pdf, &QPushButton::clicked, this, [this] { View(ManualFormat::Pdf); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NoticeLabel("NoticeLabel", kNotice));
    layout->addSpacing(8);
    layout->addWidget(NoticeLabel("PdfNoticeLabel", kPdfNotice));
    layout->addStretch();
    layout->addLayout(ButtonRow({word, pdf, cancel}, RowAlign::Centre));
    SetDesignSize(QSize(420, 200));
}

void TUserManual::View(ManualFormat format) {
    result_ = ViewManual(dirs_, format, opener_);
    ShowOutcome(*this, prompter_, result_);
    accept();  // opened or missing, the notice has done its part
}

void TUserManual::Run(const FormLook& look, const Directories& dirs, DocumentOpener& opener, Prompter& prompter,
                      QWidget* parent) {
    TUserManual dialog(look, dirs, opener, prompter, parent);
    dialog.exec();
}

}  // namespace qf
