// The keys every window shares: Alt and a letter presses the button of that letter at once, and
// never types the letter into the box that has the focus, also when that button is disabled or
// no control has the letter.
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "base/forms/FormControls.h"
#include "base/forms/ProgramDialog.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

namespace qf {

class WindowKeysTest : public QObject {
    Q_OBJECT
private slots:
    void AltLettersPressButtonsAndNeverType_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("saves");
        QTest::newRow("a disabled button's letter") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::AltModifier) << "Birds" << 0;
        QTest::newRow("a letter of no control") << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::AltModifier) << "Birds" << 0;
        QTest::newRow("with Shift") << int(Qt::Key_Q) << (Qt::AltModifier | Qt::ShiftModifier) << "Birds" << 0;
        QTest::newRow("an enabled button's letter") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::AltModifier) << "Birds" << 1;
        QTest::newRow("a plain letter types") << int(Qt::Key_C) << Qt::KeyboardModifiers() << "c" << 0;
    }
    void AltLettersPressButtonsAndNeverType() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(int, saves);
        test::FormFixture f;
        ProgramDialog dialog(f.context.Look());
        auto* layout = new QVBoxLayout(&dialog);
        auto* title = new QLineEdit("Birds", &dialog);
        layout->addWidget(title);
        QPushButton* create = NamedButton("CreateIt", "&Create", FocusEnter::Takes, &dialog);
        create->setEnabled(false);
        layout->addWidget(create);
        QPushButton* save = NamedButton("Save", "&Save", FocusEnter::Takes, &dialog);
        layout->addWidget(save);
        int saved = 0;
        connect(save, &QPushButton::clicked, [&saved] { ++saved; });
        QVERIFY(test::ShowActive(dialog));
        title->setFocus();
        title->selectAll();
        QTest::keyClick(test::Focused(), Qt::Key(key), modifiers);
        QCOMPARE(title->text(), text);
        QCOMPARE(saved, saves);
    }
};

}  // namespace qf

QTEST_MAIN(qf::WindowKeysTest)
#include "WindowKeysTest.moc"
