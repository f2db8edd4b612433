#include "report/FontMeasure.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "report/QtTextCodec.h"

namespace qf {
namespace {

constexpr double kReferenceDpi = 1200.0;

// The floors. An outline font measured without hinting scales its metrics linearly with the
// size; the font engine then rounds ascent and descent to whole device pixels (at most a pixel
// each) and every advance by well under a pixel. A measure taken at the reference size and
// scaled, less those roundings at both sizes, is below the measure at any size. The margins are
// twice what the engine is known to round by.
constexpr double kFloorReferenceSize = 1000;
constexpr double kHeightMarginPixels = 2;
constexpr double kAdvanceMarginPixels = 1;  // per character, and the same again for the whole

double ScaledFloor(double referencePixels, double margin, int size) {
    const double s = (size > 0 ? size : 1) / kFloorReferenceSize;
    return std::max(0.0, (referencePixels - margin) * s - margin) / kReferenceDpi;
}

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

QFont MakeQFont(const FontChoice& font) {
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

struct FontMeasure::Reference {
    bool scalable = false;
    double heightPixels = 0;
    std::unique_ptr<QFontMetricsF> metrics;
};

FontMeasure::FontMeasure() { SetFont(FontChoice{}); }
FontMeasure::~FontMeasure() = default;

void FontMeasure::SetFont(const FontChoice& font) {
    EnsureGuiApplication();
    metrics_ = std::make_unique<QFontMetricsF>(MakeQFont(font), &ReferenceDevice());
}

double FontMeasure::TextWidth(std::string_view ansi) const {
    return metrics_->horizontalAdvance(AnsiToQString(ansi)) / kReferenceDpi;
}

double FontMeasure::TextHeight() const { return (metrics_->ascent() + metrics_->descent()) / kReferenceDpi; }

FontMeasure::Reference& FontMeasure::ReferenceFor(const FontChoice& font) {
    std::string key = font.name;
    key += {'\0', char('0' + font.bold), char('0' + font.italic), char('0' + font.underline), char('0' + font.strikeOut)};
    auto& slot = references_[key];
    if (!slot) {
        EnsureGuiApplication();
        FontChoice at = font;
        at.size = static_cast<int>(kFloorReferenceSize);
        const QFont qfont = MakeQFont(at);
        const QFontInfo info(qfont);
        slot = std::make_unique<Reference>();
        // A bitmap font comes in a few sizes only and does not scale: it gets no floor.
        slot->scalable = QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
        slot->metrics = std::make_unique<QFontMetricsF>(qfont, &ReferenceDevice());
        slot->heightPixels = slot->metrics->ascent() + slot->metrics->descent();
    }
    return *slot;
}

double FontMeasure::HeightFloor(const FontChoice& font) {
    const Reference& r = ReferenceFor(font);
    return r.scalable ? ScaledFloor(r.heightPixels, kHeightMarginPixels, font.size) : 0;
}

double FontMeasure::WidthFloor(const FontChoice& font, std::string_view ansi) {
    const Reference& r = ReferenceFor(font);
    if (!r.scalable) return 0;
    const QString text = AnsiToQString(ansi);
    const double margin = kAdvanceMarginPixels * (static_cast<double>(text.size()) + 1);
    return ScaledFloor(r.metrics->horizontalAdvance(text), margin, font.size);
}
double FontMeasure::Ascent() const { return metrics_->ascent() / kReferenceDpi; }
double FontMeasure::Descent() const { return metrics_->descent() / kReferenceDpi; }

}  // namespace qf
