#include "app/forms/AboutBox.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/forms/ProgramPicture.h"
#include "base/forms/FormControls.h"

namespace qf {

TAboutBox::TAboutBox(const FormLook& look, const std::vector<FileLocation>& files, QWidget* parent)
    : ProgramDialog(look, parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    KeepDesignFonts();

    auto* picture = new ProgramPicture(ProgramPicture::Kind::Program);

    auto* product = new QLabel(kProductName);
    product->setObjectName("ProductName");
    QFont productFont = product->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.6);
    product->setFont(productFont);
    auto* version = new QLabel(kProductVersion);
    version->setObjectName("VersionLabel");

    auto* words = new QVBoxLayout;
    words->addStretch();
    words->addWidget(product);
    words->addWidget(version);
    words->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(words, 1);

    // The paths can be selected and copied: a user looking for their files wants them whole.
    QString where;
    for (const FileLocation& f : files)
        where += QString::fromStdString(f.what) + ": " + QFile::decodeName(f.path.c_str()) + '\n';
    auto* filesLabel = new QLabel(where.trimmed());
    filesLabel->setObjectName("FilesLabel");
    filesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    filesLabel->setVisible(!files.empty());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(filesLabel);
    layout->addLayout(OkRow(*this));
    SetDesignSize(QSize(300, 160));
}

void TAboutBox::Run(const FormLook& look, const std::vector<FileLocation>& files, QWidget* parent) {
    TAboutBox dialog(look, files, parent);
    dialog.exec();
}

}  // namespace qf
