// The word list editor's "Thorough" check box: off by default, beside Quick Create, a setting
// written as soon as it is clicked, and locked with the other run options when a puzzle is
// modified.
#include <QCheckBox>
#include <memory>
#include <QtTest>

#include "collections/CollectionFile.h"
#include "editor/forms/WordList.h"
#include "shapes/ShapeFiles.h"
#include "support/SquareShape.h"
#include "support/forms/FormFixture.h"

namespace qf {

class WordListThoroughTest : public QObject {
    Q_OBJECT
private slots:
    void TheCheckBoxIsASettingOfItsOwnAndOffByDefault() {
        for (const bool isNew : {true, false}) {
            test::FormFixture f;
            f.context.state.currentShape = test::Square(15);
            QVERIFY(AppendShape(f.dir.File("QFFLAY.DAT"), f.context.state.currentShape).IsDone());
            auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
            CollectionModel collection;
            collection.Open(f.dir.File("SET.QF3"));
            WordListInputs inputs{f.context.Look(), isNew, isNew ? kCaptionCreateNew : kCaptionModify, 0, *working,
                                  f.context.state.settings, f.context.state.currentShape, f.context.state.lastRun,
                                  collection, *f.prompter, *f.chooser, f.dir.File("QFFLAY.DAT"), false, false, {}};
            TWordList editor(inputs);
            editor.show();
            auto* thorough = test::Control<QCheckBox>(editor, "ThoroughFill");
            auto* quick = test::Control<QCheckBox>(editor, "QuickCreate");
            QCOMPARE(thorough->text(), QString("T&horough"));
            QCOMPARE(thorough->parentWidget(), quick->parentWidget());
            QVERIFY(!thorough->isChecked());
            QVERIFY(!f.context.state.settings.thoroughFill);
            if (!isNew) {
                QVERIFY(!thorough->isEnabled());
                continue;
            }
            QTest::mouseClick(thorough, Qt::LeftButton, Qt::NoModifier, thorough->rect().center() - QPoint(thorough->width() / 2 - 6, 0));
            QVERIFY(thorough->isChecked());
            QVERIFY(f.context.state.settings.thoroughFill);
            QVERIFY(!f.context.state.settings.quickBuild);
            QTest::mouseClick(thorough, Qt::LeftButton, Qt::NoModifier, thorough->rect().center() - QPoint(thorough->width() / 2 - 6, 0));
            QVERIFY(!f.context.state.settings.thoroughFill);
        }
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordListThoroughTest)
#include "WordListThoroughTest.moc"
