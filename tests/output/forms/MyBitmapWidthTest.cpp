// The pixel width window: its two forms, the width it refuses and the one it stores, and one
// window for every showing of the run.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/forms/FormFixture.h"
#include "output/forms/MyBitmapWidth.h"

namespace qf {

class MyBitmapWidthTest : public QObject {
    Q_OBJECT
private slots:
    void EachFormItsCaptionsAndTheWidthStored() {
        test::FormFixture f;
        Settings& settings = f.context.state.settings;
        settings.pixelWidth = 800;
        TMyBitmapWidth window(f.context.Look(), *f.prompter);
        test::WhenDialogShows([](QWidget& w) {
            QCOMPARE(w.windowTitle(), QString("Bitmap"));
            QCOMPARE(test::Control<QLabel>(w, "WidthLabel")->text(), QString("Width of Bitmap"));
            QCOMPARE(test::Control<QPushButton>(w, "CreateButton")->text(), QString("Create &Bitmap"));
            QLineEdit* edit = test::Control<QLineEdit>(w, "WidthEdit");
            QCOMPARE(edit->text(), QString("800"));
            QCOMPARE(edit->maxLength(), 4);
            edit->setText(" 1 ");
            test::Control<QPushButton>(w, "CreateButton")->click();
        });
        QCOMPARE(window.Ask(TMyBitmapWidth::Form::Bitmap, settings), std::optional<int>(1));
        QCOMPARE(settings.pixelWidth, 1);

        // The same window again, in its JPEG form, cancelled: nothing stored.
        test::WhenDialogShows([](QWidget& w) {
            QCOMPARE(w.windowTitle(), QString("JPeg"));
            QCOMPARE(test::Control<QLabel>(w, "WidthLabel")->text(), QString("Width of JPeg"));
            QCOMPARE(test::Control<QPushButton>(w, "CreateButton")->text(), QString("Create &JPeg"));
            QCOMPARE(test::Control<QLineEdit>(w, "WidthEdit")->text(), QString("1"));
            test::Control<QLineEdit>(w, "WidthEdit")->setText("300");
            test::Control<QPushButton>(w, "CancelButton")->click();
        });
        QCOMPARE(window.Ask(TMyBitmapWidth::Form::Jpeg, settings), std::optional<int>());
        QCOMPARE(settings.pixelWidth, 1);
    }

    void ZeroAndLettersAreRefusedAndTheWindowStays() {
        test::FormFixture f;
        Settings& settings = f.context.state.settings;
        TMyBitmapWidth window(f.context.Look(), *f.prompter);
        bool stayed = true;
        test::WhenDialogShows([&](QWidget& w) {
            QLineEdit* edit = test::Control<QLineEdit>(w, "WidthEdit");
            for (const char* bad : {"0", "12a"}) {
                edit->setText(bad);
                test::Control<QPushButton>(w, "CreateButton")->click();
                stayed = stayed && w.isVisible();
            }
            edit->setText("1024");
            test::Control<QPushButton>(w, "CreateButton")->click();
        });
        QCOMPARE(window.Ask(TMyBitmapWidth::Form::Jpeg, settings), std::optional<int>(1024));
        QVERIFY(stayed);
        QCOMPARE(f.prompter->said.size(), size_t(2));
        for (const Message& m : f.prompter->said) {
            QCOMPARE(QString::fromStdString(m.text), QString("Invalid width specified.  Please correct."));
            QCOMPARE(QString::fromStdString(m.caption), QString("Error"));
            QCOMPARE(QString::fromStdString(m.focus), QString("WidthEdit"));
        }
        QCOMPARE(settings.pixelWidth, 1024);
    }
};

}  // namespace qf

QTEST_MAIN(qf::MyBitmapWidthTest)
#include "MyBitmapWidthTest.moc"
