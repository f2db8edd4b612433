#include "report/FontMeasure.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

#include "report/QtTextCodec.h"

namespace qf {
namespace {

constexpr double kReferenceDpi = 1200.0;

void InstallSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Helvetica"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

const QImage& ReferenceDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dpm = static_cast<int>(kReferenceDpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return image;
    }();
    return device;
}

// A program without windows has no one to read Qt's chatter about its environment; it would
// only garble the tool's output. Real failures still get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

void EnsureGuiApplication() {
    if (!QCoreApplication::instance()) {
        qInstallMessageHandler(QuietMessages);
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "quernfold";
        static char* argv[] = {name, nullptr};
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    }
    InstallSubstitutions();
}

QFont MakeQFont(const SurfaceFont& font) {
    InstallSubstitutions();
    QFont f(AnsiToQString(font.name));
    f.setPointSizeF(font.size > 0 ? font.size : 1);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

FontMeasure::FontMeasure() { SetFont(SurfaceFont{}); }
FontMeasure::~FontMeasure() = default;

void FontMeasure::SetFont(const SurfaceFont& font) {
    EnsureGuiApplication();
    metrics_ = std::make_unique<QFontMetricsF>(MakeQFont(font), &ReferenceDevice());
}

double FontMeasure::TextWidth(std::string_view ansi) const {
    return metrics_->horizontalAdvance(AnsiToQString(ansi)) / kReferenceDpi;
}

double FontMeasure::TextHeight() const { return (metrics_->ascent() + metrics_->descent()) / kReferenceDpi; }
double FontMeasure::Ascent() const { return metrics_->ascent() / kReferenceDpi; }
double FontMeasure::Descent() const { return metrics_->descent() / kReferenceDpi; }

}  // namespace qf
