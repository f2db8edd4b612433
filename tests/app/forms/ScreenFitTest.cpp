// Windows on a display of 1280 x 1024 at the largest screen size of the settings (scale 2): they
// are scaled down to the screen instead of opening with their buttons out of reach.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "support/forms/EditorFixture.h"
#include "shapes/forms/DoShapes.h"

namespace qf {

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    // At the largest screen size on a smaller display, the editor and the shape designer are
    // scaled down to the available area instead of opening with their buttons out of reach.
    void ItNeverOpensLargerThanTheScreen() {
        test::FormFixture f;
        Editor e(f, true);
        FormLook look = f.context.Look();
        look.scale = 2.0;
        look.screenWidth = 1280;
        look.screenHeight = 1024;
        e.inputs->look = look;
        TWordList editor(*e.inputs);
        TDoShapes designer({look, ShapeDesignMode::New, {}, -1, f.dir.File("QFFLAY.DAT"), *f.prompter});
        for (QWidget* window : {static_cast<QWidget*>(&editor), static_cast<QWidget*>(&designer)}) {
            window->show();
            const QRect available = window->screen()->availableGeometry();
            const QRect frame = window->frameGeometry();
            QVERIFY2(available.contains(frame), qPrintable(QString("%1 at %2,%3 %4x%5 on %6x%7")
                                                               .arg(window->objectName())
                                                               .arg(frame.x()).arg(frame.y())
                                                               .arg(frame.width()).arg(frame.height())
                                                               .arg(available.width()).arg(available.height())));
            for (QPushButton* button : window->findChildren<QPushButton*>())
                if (button->isVisible())
                    QVERIFY(window->rect().contains(QRect(button->mapTo(window, QPoint(0, 0)), button->size())));
            window->hide();
        }
    }

};

}  // namespace qf

int main(int argc, char** argv) {
    // The offscreen platform's screen, made as large as the display of the case.
    QTemporaryDir dir;
    QFile config(dir.filePath("screen.json"));
    if (!config.open(QIODevice::WriteOnly)) return 1;
    config.write(R"({"screens": [{"name": "Display", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    QApplication app(argc, argv);
    qf::ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenFitTest.moc"
