// The about box: name, version, picture and the folders of the files, "&Ok", scaled and centred
// in its design fonts.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/forms/AboutBox.h"
#include "app/forms/ProgramPicture.h"
#include "support/forms/FormFixture.h"

namespace qf {

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void NameVersionPictureAndOk() {
        test::FormFixture f;
        TAboutBox dialog(f.context.Look(), FileLocations(f.context.state.dirs));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("About"));
        // Where this run keeps its files, so that a user can find them.
        const QString files = test::Control<QLabel>(dialog, "FilesLabel")->text();
        QVERIFY2(files.contains("Shapes library: " + QString::fromStdString(f.dir.File("QFFLAY.DAT")) + "\n"),
                 qPrintable(files));
        QVERIFY(files.contains("Settings: " + QString::fromStdString(f.dir.File("QFOLD3.INI"))));
        QCOMPARE(test::Control<QLabel>(dialog, "ProductName")->text(), QString("Quernfold 98"));
        QCOMPARE(test::Control<QLabel>(dialog, "VersionLabel")->text(), QString("Version 3.1a"));
        ProgramPicture* picture = test::Control<ProgramPicture>(dialog, "ProgramPicture");
        QVERIFY(picture->isVisible());
        // The picture is drawn: not one colour all over.
        const QImage image = picture->grab().toImage();
        QVERIFY(image.pixelColor(image.width() / 2, image.height() / 2) !=
                image.pixelColor(image.width() / 10, image.height() / 10));
        QPushButton* ok = test::Control<QPushButton>(dialog, "OkButton");
        QCOMPARE(ok->text(), QString("&Ok"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void ScaledAndCentredInItsDesignFonts() {
        test::FormFixture f;
        f.context.state.settings.labelFont = {"Courier New", true, true, 0x0000FF};
        f.context.state.screen = {1280, 1024, 2.0};
        TAboutBox dialog(f.context.Look());
        QLabel* version = test::Control<QLabel>(dialog, "VersionLabel");
        ProgramPicture* picture = test::Control<ProgramPicture>(dialog, "ProgramPicture");
        const QFont design = version->font();
        const int designSide = picture->sizeHint().width();
        dialog.show();
        QCOMPARE(version->font().family(), design.family());
        QCOMPARE(version->font().pointSizeF(), design.pointSizeF() * 2.0);
        QVERIFY(picture->width() > designSide * 3 / 2);  // the picture grows with the scale
        QVERIFY(dialog.width() >= 600);
        QCOMPARE(dialog.x(), (1280 - dialog.width()) / 2);
        QCOMPARE(dialog.y(), (1024 - dialog.height()) / 2);
    }
};

}  // namespace qf

QTEST_MAIN(qf::AboutBoxTest)
#include "AboutBoxTest.moc"
