// The main window's word commands: the dictionary lists, the character keys, word entry.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "editor/UserWordList.h"
#include "support/forms/FormFixture.h"

namespace qf {

class MainWinWordsTest : public QObject {
    Q_OBJECT
private slots:
    void DictionaryCommandsEditTheListsNamedAtStartUp() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("EMPTY.QF3");
        f.context.state.userLists = UserListNamesFor(2);  // British lists, as start-up named them
        TMainWin window(f.context);
        window.show();
        QVERIFY(window.Action("MenuAddDict")->isEnabled());
        test::WhenDialogShows([](QWidget& d) {
            QCOMPARE(d.windowTitle(), QString("Dictionary Maintenance"));
            QCOMPARE(test::Control<QLabel>(d, "Heading")->text(),
                     QString("These words will be added to the British dictionary and counted as valid."));
            test::Control<QLineEdit>(d, "Edit1")->setText("Quernfold");
            test::Control<QPushButton>(d, "AddButton")->click();
            test::Control<QPushButton>(d, "OkButton")->click();
        });
        window.Action("MenuAddDict")->trigger();
        QVERIFY(LoadUserWordList(f.dir.File("IncBrit.tlx")) == std::vector<std::string>{"Quernfold"});
        QVERIFY(!QFileInfo::exists(QString::fromStdString(f.dir.File("ExcBrit.tlx"))));

        // Without a language no list is named: said so, nothing written.
        f.context.state.userLists = UserListNamesFor(0);
        window.Action("MenuExcludeDict")->trigger();
        QCOMPARE(f.prompter->said.back().text, std::string("No dictionary language is installed."));
    }

    void CharacterKeysAreStoredOnOkOnly() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("EMPTY.QF3");
        TMainWin window(f.context);
        window.show();
        test::WhenDialogShows([](QWidget& d) {
            test::Control<QComboBox>(d, "IntKey2")->setCurrentIndex(0);
            test::Control<QPushButton>(d, "CancelButton")->click();
        });
        window.Action("MenuIntChars")->trigger();
        QCOMPARE(f.context.state.settings.intKeys[1], std::string("0233"));
        test::WhenDialogShows([](QWidget& d) {
            test::Control<QComboBox>(d, "IntKey2")->setCurrentIndex(0);
            test::Control<QPushButton>(d, "OkButton")->click();
        });
        window.Action("MenuIntChars")->trigger();
        QCOMPARE(f.context.state.settings.intKeys[1], std::string("0192"));
        QCOMPARE(f.context.state.settings.intKeys[0], std::string("0225"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::MainWinWordsTest)
#include "MainWinWordsTest.moc"
