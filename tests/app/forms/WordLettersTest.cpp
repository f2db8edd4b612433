// The word separator dialog, and what every dialog does when shown: interface fonts, scale
// and centring, each showing from the design size again.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/forms/WordLetters.h"
#include "support/forms/FormFixture.h"

namespace qf {

class WordLettersTest : public QObject {
    Q_OBJECT
private slots:
    void BoxesStartFromTheSettingsAndEveryChangeCounts() {
        test::FormFixture f;
        const WordSeparators start{true, false, false, true, false, '#'};
        TWordLetters dialog(f.context.Look(), start, *f.prompter);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Word Separator Characters"));
        QVERIFY(test::Control<QCheckBox>(dialog, "DashBox")->isChecked());
        QVERIFY(!test::Control<QCheckBox>(dialog, "SlashBox")->isChecked());
        QCOMPARE(test::Control<QLineEdit>(dialog, "OtherChar")->text(), QString("#"));
        QCOMPARE(test::Control<QLineEdit>(dialog, "OtherChar")->maxLength(), 1);

        QTest::mouseClick(test::Control<QCheckBox>(dialog, "DashBox"), Qt::LeftButton);
        QTest::mouseClick(test::Control<QCheckBox>(dialog, "PlusBox"), Qt::LeftButton);
        // Escape leaves like "&Ok": what was changed stays changed.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        const WordSeparators expected{false, false, true, true, false, '#'};
        QCOMPARE(dialog.Result(), expected);
    }

    void ALetterIsRefusedAndTheFieldEmptied() {
        test::FormFixture f;
        TWordLetters dialog(f.context.Look(), WordSeparators{}, *f.prompter);
        dialog.show();
        QLineEdit* field = test::Control<QLineEdit>(dialog, "OtherChar");
        QTest::keyClicks(field, "q");
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Character cannot be in A..Z.  Please correct."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QVERIFY(field->text().isEmpty());
        QCOMPARE(dialog.Result().otherChar, ' ');
        QTest::keyClicks(field, "7");
        QCOMPARE(dialog.Result().otherChar, '7');
        field->clear();
        QCOMPARE(dialog.Result().otherChar, ' ');
        QCOMPARE(f.prompter->said.size(), size_t(1));
    }

    void ShowingAppliesFontsScaleAndCentresEveryTimeAnew() {
        test::FormFixture f;
        f.context.state.settings.labelFont = {"Courier New", true, false, 0x0000FF};
        f.context.state.settings.buttonFont = {"Times New Roman", false, true, 0x00FF00};
        f.context.state.screen = {1024, 768, 1.6};
        TWordLetters dialog(f.context.Look(), WordSeparators{}, *f.prompter);
        QCheckBox* dash = test::Control<QCheckBox>(dialog, "DashBox");
        QPushButton* ok = test::Control<QPushButton>(dialog, "OkButton");
        const qreal designPoints = dash->font().pointSizeF();
        dialog.show();
        QCOMPARE(dash->font().family(), QString("Courier New"));
        QVERIFY(dash->font().bold());
        QCOMPARE(dash->palette().color(QPalette::WindowText), QColor(255, 0, 0));  // 0x0000FF is red
        QCOMPARE(ok->font().family(), QString("Times New Roman"));
        QVERIFY(ok->font().italic());
        QVERIFY(ok->palette().color(QPalette::ButtonText) != QColor(0, 255, 0));  // buttons take no colour
        QCOMPARE(dash->font().pointSizeF(), designPoints * 1.6);
        QVERIFY(dialog.width() >= 380 * 160 / 100);
        QCOMPARE(dialog.x(), (1024 - dialog.width()) / 2);
        QCOMPARE(dialog.y(), (768 - dialog.height()) / 2);

        // Shown again at another scale: from the design size, not compounded.
        dialog.hide();
        FormLook look = f.context.Look();
        look.scale = 1.0;
        look.screenWidth = 640;
        look.screenHeight = 480;
        dialog.SetLook(look);
        dialog.show();
        QCOMPARE(dash->font().pointSizeF(), designPoints);
        QCOMPARE(dialog.x(), (640 - dialog.width()) / 2);
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordLettersTest)
#include "WordLettersTest.moc"
