// The tip of the day: the first tip from the random source, "&Next Tip" round the table, the
// box handed back however the dialog is closed, and its design fonts.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <set>

#include "app/Tips.h"
#include "app/forms/TipOfDay.h"
#include "support/forms/FormFixture.h"

namespace qf {

class TipOfDayTest : public QObject {
    Q_OBJECT
private slots:
    void TheFirstTipComesFromTheSeed() {
        test::FormFixture f;
        std::set<int> firsts;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            TTipOfDay dialog(f.context.Look(), true, seed);
            AttemptRandom same(seed);
            QCOMPARE(dialog.TipNumber(), FirstTip(same));
            QCOMPARE(test::Control<QLabel>(dialog, "TipText")->text(),
                     QString::fromStdString(TipText(dialog.TipNumber())));
            firsts.insert(dialog.TipNumber());
        }
        QVERIFY(firsts.size() > 10);
    }

    void NextTipThirtyOneTimesComesBackToTheFirst() {
        test::FormFixture f;
        TTipOfDay dialog(f.context.Look(), true, 99);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Tip of the Day"));
        QCOMPARE(test::Control<QLabel>(dialog, "HeadingLabel")->text(), QString("Did you know?"));
        QLabel* text = test::Control<QLabel>(dialog, "TipText");
        QPushButton* next = test::Control<QPushButton>(dialog, "NextTipButton");
        QCOMPARE(next->text(), QString("&Next Tip"));
        const int first = dialog.TipNumber();
        const QString firstText = text->text();
        QSet<QString> seen{firstText};
        for (int i = 1; i <= 31; ++i) {
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(dialog.TipNumber(), (first - 1 + i) % 31 + 1);
            seen.insert(text->text());
        }
        QCOMPARE(dialog.TipNumber(), first);
        QCOMPARE(text->text(), firstText);
        QCOMPARE(seen.size(), 31);
    }

    void TheTipShowsOneAmpersandForTwo() {
        test::FormFixture f;
        std::uint64_t seed = 0;
        for (;; ++seed) {  // a seed whose first tip is the shapes tip
            AttemptRandom r(seed);
            if (FirstTip(r) == 10) break;
        }
        TTipOfDay dialog(f.context.Look(), true, seed);
        QVERIFY(test::Control<QLabel>(dialog, "TipText")->text().endsWith("(import & export)"));
        QCOMPARE(test::Control<QLabel>(dialog, "TipText")->textFormat(), Qt::PlainText);
    }

    void TheBoxIsHandedBackHoweverTheDialogCloses() {
        test::FormFixture f;
        test::WhenDialogShows([](QWidget& dialog) {
            QCheckBox* box = test::Control<QCheckBox>(dialog, "ShowTipsBox");
            QCOMPARE(box->text(), QString("&Show Tips at Startup"));
            QVERIFY(box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::mouseClick(test::Control<QPushButton>(dialog, "CloseButton"), Qt::LeftButton);
        });
        QCOMPARE(TTipOfDay::Run(f.context.Look(), true), false);

        test::WhenDialogShows([](QWidget& dialog) {
            QCheckBox* box = test::Control<QCheckBox>(dialog, "ShowTipsBox");
            QVERIFY(!box->isChecked());
            QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);  // the box's accelerator
            QTRY_VERIFY(box->isChecked());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(TTipOfDay::Run(f.context.Look(), false), true);

        test::WhenDialogShows([](QWidget& dialog) {
            QTest::mouseClick(test::Control<QCheckBox>(dialog, "ShowTipsBox"), Qt::LeftButton);
            dialog.close();  // the title bar's close
        });
        QCOMPARE(TTipOfDay::Run(f.context.Look(), true), false);
    }

    void ItIsScaledAndCentredButKeepsItsDesignFonts() {
        test::FormFixture f;
        f.context.state.settings.labelFont = {"Courier New", false, true, 0x0000FF};
        f.context.state.settings.buttonFont = {"Courier New", true, false, 0};
        f.context.state.screen = {1024, 768, 1.6};
        TTipOfDay dialog(f.context.Look(), true, 5);
        QLabel* text = test::Control<QLabel>(dialog, "TipText");
        QPushButton* close = test::Control<QPushButton>(dialog, "CloseButton");
        const QFont design = text->font();
        dialog.show();
        QCOMPARE(text->font().family(), design.family());
        QVERIFY(!text->font().italic());
        QVERIFY(close->font().family() != QString("Courier New"));
        QCOMPARE(text->font().pointSizeF(), design.pointSizeF() * 1.6);
        QVERIFY(dialog.width() >= 430 * 160 / 100);
        QCOMPARE(dialog.x(), (1024 - dialog.width()) / 2);
        QCOMPARE(dialog.y(), (768 - dialog.height()) / 2);
    }
};

}  // namespace qf

QTEST_MAIN(qf::TipOfDayTest)
#include "TipOfDayTest.moc"
