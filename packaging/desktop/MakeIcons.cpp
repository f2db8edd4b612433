// Draws the application icon's PNG sizes from its SVG: qf-icons ICON.svg OUTDIR SIZE...
// writes OUTDIR/SIZExSIZE/apps/quernfold.png for each size. Runs at build time; not shipped.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: qf-icons ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "qf-icons: %s is not a picture\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    for (int k = 3; k < argc; ++k) {
        const int size = QString::fromLocal8Bit(argv[k]).toInt();
        if (size < 8 || size > 1024) {
            std::fprintf(stderr, "qf-icons: size %s out of range\n", argv[k]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        QSaveFile file(folder + QStringLiteral("/quernfold.png"));
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") ||
            !file.commit()) {
            std::fprintf(stderr, "qf-icons: could not write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
