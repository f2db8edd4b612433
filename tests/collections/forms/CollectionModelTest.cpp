// The open collection's lists as the windows see them: every change ends in one Changed signal.
#include <QSignalSpy>
#include <QtTest>

#include "collections/forms/CollectionModel.h"
#include "support/forms/FormFixture.h"
#include "collections/CollectionFixtures.h"

namespace qf {

class CollectionModelTest : public QObject {
    Q_OBJECT
private slots:
    void WritersSayWhatTheyWroteAndTheListsFollow() {
        test::TempDir dir;
        const std::string path = dir.File("SET.QF3");
        test::WriteCollection(path, {{"Sports", "Tennis"}, {"Animals", "Owls"}, {"Sports", "Golf"}});
        CollectionModel model;
        QSignalSpy changed(&model, &CollectionModel::Changed);
        model.Open(path);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.Lists().categoryBox.size(), size_t(2));
        QCOMPARE(QString::fromStdString(model.Lists().SelectedCategory()->text), QString("Animals"));
        QVERIFY(model.Lists().SelectedPuzzle() == nullptr);

        model.SelectCategory(1);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(QString::fromStdString(model.Lists().puzzleBox[0].text), QString("Golf"));
        model.SelectCategory(1);  // the category shown already: nothing happens
        QCOMPARE(changed.count(), 2);

        // A writer appends a puzzle and says so; the model reads the file again and selects it.
        std::vector<std::uint8_t> bytes = test::FileBytes(path);
        const auto added = test::SlotBytes(*test::MakePuzzle("Rivers", "Nile", 9));
        bytes.insert(bytes.end(), added.begin(), added.end());
        test::WriteBytes(path, bytes);
        model.Written("rivers", "NILE");
        QCOMPARE(changed.count(), 3);
        QCOMPARE(QString::fromStdString(model.Lists().SelectedCategory()->text), QString("Rivers"));
        QCOMPARE(QString::fromStdString(model.Lists().SelectedPuzzle()->text), QString("Nile"));
    }

    void DeletingAsksAndReloadsOnlyWhenDone() {
        test::TempDir dir;
        const std::string path = dir.File("SET.QF3");
        test::WriteCollection(path, {{"Sea", "Crabs"}, {"Sea", "Bream"}});
        CollectionModel model;
        model.Open(path);
        QSignalSpy changed(&model, &CollectionModel::Changed);
        test::ScriptedPrompter prompter({Answer::No, Answer::Yes});
        QVERIFY(model.DeleteSelected(prompter).IsRefused());  // no puzzle selected
        model.SelectPuzzle(1);  // Crabs
        QCOMPARE(changed.count(), 1);
        QVERIFY(model.DeleteSelected(prompter).IsCancelled());
        QCOMPARE(changed.count(), 1);
        QVERIFY(model.DeleteSelected(prompter).IsDone());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(model.Lists().puzzleBox.size(), size_t(1));
        QCOMPARE(QString::fromStdString(model.Lists().SelectedPuzzle()->text), QString("Bream"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::CollectionModelTest)
#include "CollectionModelTest.moc"
