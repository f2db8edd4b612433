// The JPEG quality window: 1 and 100 are taken, 101 and text refused with the window open,
// Cancel keeps the old quality; and the metafile's progress window.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/forms/FormFixture.h"
#include "output/forms/DoMeta.h"
#include "output/forms/TheJPegFactor.h"

namespace qf {

class TheJPegFactorTest : public QObject {
    Q_OBJECT
private slots:
    void RangeOneToAHundredStoredOnOk() {
        test::FormFixture f;
        Settings& settings = f.context.state.settings;
        bool stayed = true;
        test::WhenDialogShows([&](QWidget& w) {
            QCOMPARE(w.windowTitle(), QString("JPEG Factor"));
            QCOMPARE(test::Control<QLabel>(w, "FactorLabel")->text(),
                     QString("JPEG Compression/Quality Factor (Range: 1 - 100)"));
            QLineEdit* edit = test::Control<QLineEdit>(w, "FactorEdit");
            QCOMPARE(edit->text(), QString("50"));
            for (const char* bad : {"101", "0", "x"}) {
                edit->setText(bad);
                test::Control<QPushButton>(w, "OkButton")->click();
                stayed = stayed && w.isVisible();
            }
            edit->setText("100");
            test::Control<QPushButton>(w, "OkButton")->click();
        });
        QCOMPARE(TTheJPegFactor::Run(f.context.Look(), settings, *f.prompter), std::optional<int>(100));
        QVERIFY(stayed);
        QCOMPARE(settings.jpegQuality, 100);
        QCOMPARE(f.prompter->said.size(), size_t(3));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("Invalid factor entered.  Factor must be between 1 and 100"));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].focus), QString("FactorEdit"));

        test::WhenDialogShows([](QWidget& w) {
            test::Control<QLineEdit>(w, "FactorEdit")->setText("1");
            test::Control<QPushButton>(w, "OkButton")->click();
        });
        QCOMPARE(TTheJPegFactor::Run(f.context.Look(), settings, *f.prompter), std::optional<int>(1));
        QCOMPARE(settings.jpegQuality, 1);

        test::WhenDialogShows([](QWidget& w) {
            test::Control<QLineEdit>(w, "FactorEdit")->setText("77");
            test::Control<QPushButton>(w, "CancelButton")->click();
        });
        QCOMPARE(TTheJPegFactor::Run(f.context.Look(), settings, *f.prompter), std::optional<int>());
        QCOMPARE(settings.jpegQuality, 1);
    }

    void MetafileProgressThenItsOk() {
        test::FormFixture f;
        TDoMeta window(f.context.Look());
        window.show();
        QCOMPARE(window.windowTitle(), QString("Metafile Creation"));
        QLabel* status = test::Control<QLabel>(window, "StatusLabel");
        QPushButton* ok = test::Control<QPushButton>(window, "OkButton");
        QCOMPARE(status->text(), QString("Creating Metafile...  Please Wait."));
        QVERIFY(!ok->isVisible());
        QVERIFY(!ok->isEnabled());
        window.Created();
        QCOMPARE(status->text(), QString("Metafile Created"));
        QVERIFY(ok->isVisible());
        QVERIFY(ok->isEnabled());
        ok->click();
        QVERIFY(!window.isVisible());
    }
};

}  // namespace qf

QTEST_MAIN(qf::TheJPegFactorTest)
#include "TheJPegFactorTest.moc"
