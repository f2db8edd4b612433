// The user manual notice: its texts, the file each button hands to the desktop, the messages
// for missing files, and that it closes after either button.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "app/forms/UserManual.h"
#include "support/forms/FormFixture.h"

namespace qf {
namespace {

using test::RecordingOpener;

// Runs the notice as the Help menu does; `keys` end it. Returns the notice's result.
Outcome RunNotice(test::FormFixture& f, RecordingOpener& opener, const std::function<void(QWidget&)>& keys) {
    Outcome result = Outcome::Cancelled();
    test::WhenDialogShows([&](QWidget& dialog) {
        keys(dialog);
        result = qobject_cast<TUserManual*>(&dialog)->Result();
    });
    TUserManual::Run(f.context.Look(), f.context.state.dirs, opener, *f.prompter);
    return result;
}

}  // namespace

class UserManualTest : public QObject {
    Q_OBJECT
private slots:
    void TheNoticesAndButtons() {
        test::FormFixture f;
        RecordingOpener opener;
        TUserManual dialog(f.context.Look(), f.context.state.dirs, opener, *f.prompter);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("User Manual Notice"));
        QCOMPARE(test::Control<QLabel>(dialog, "NoticeLabel")->text(),
                 QString("The user manual for the Quernfold 98 is in a Microsoft Word format.  If you do not have "
                         "Word on your computer, a free \"Word Viewer\" is available for download on Microsoft's "
                         "home page on the web."));
        QVERIFY(test::Control<QLabel>(dialog, "PdfNoticeLabel")->text().contains("PDF"));
        QCOMPARE(test::Control<QPushButton>(dialog, "ViewWordButton")->text(), QString("View in &Word"));
        QCOMPARE(test::Control<QPushButton>(dialog, "ViewPdfButton")->text(), QString("View in &Acrobat"));
        QTest::mouseClick(test::Control<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsCancelled());
        QVERIFY(opener.opened.empty());
        QVERIFY(f.prompter->said.empty());
    }

    void MissingManualsAreReportedAndTheDialogCloses() {
        test::FormFixture f;
        RecordingOpener opener;
        QVERIFY(RunNotice(f, opener, [](QWidget& dialog) {
                    QTest::mouseClick(test::Control<QPushButton>(dialog, "ViewWordButton"), Qt::LeftButton);
                }).IsRefused());
        QVERIFY(RunNotice(f, opener, [](QWidget& dialog) {
                    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
                }).IsRefused());

        QCOMPARE(f.prompter->said.size(), size_t(2));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("The User Manual could not be located.  Please make sure the user manual was installed.  "
                         "A copy is available at our web site."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QCOMPARE(QString::fromStdString(f.prompter->said[1].text),
                 QString("User Manual could not be located.  Please make sure that it was installed."));
        QCOMPARE(QString::fromStdString(f.prompter->said[1].caption), QString("Error"));
        QVERIFY(opener.opened.empty());
    }

    void AnInstalledManualIsOpenedFromTheProgramDirectory() {
        test::FormFixture f;
        test::WriteFile(f.context.state.dirs.ProgramFile("QFOLD.PDF"), "%PDF-1.4");
        test::WriteFile(f.context.state.dirs.ProgramFile("QFOLD.DOC"), "doc");
        RecordingOpener opener;
        TUserManual pdf(f.context.Look(), f.context.state.dirs, opener, *f.prompter);
        pdf.show();
        QTest::mouseClick(test::Control<QPushButton>(pdf, "ViewPdfButton"), Qt::LeftButton);
        QVERIFY(!pdf.isVisible());
        QVERIFY(pdf.Result().IsDone());
        QVERIFY(RunNotice(f, opener, [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }).IsDone());
        QCOMPARE(opener.opened, (std::vector<std::string>{f.context.state.dirs.program + "/QFOLD.PDF",
                                                          f.context.state.dirs.program + "/QFOLD.DOC"}));
        QVERIFY(f.prompter->said.empty());
    }

    void ItTakesTheInterfaceFonts() {
        test::FormFixture f;
        f.context.state.settings.labelFont = {"Courier New", true, false, 0};
        RecordingOpener opener;
        TUserManual dialog(f.context.Look(), f.context.state.dirs, opener, *f.prompter);
        dialog.show();
        QCOMPARE(test::Control<QLabel>(dialog, "NoticeLabel")->font().family(), QString("Courier New"));
        QCOMPARE(dialog.x(), (640 - dialog.width()) / 2);
    }
};

}  // namespace qf

QTEST_MAIN(qf::UserManualTest)
#include "UserManualTest.moc"
