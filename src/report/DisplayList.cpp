#include "report/DisplayList.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>

#include "report/FontMeasure.h"

namespace qf {
namespace {

constexpr double kBand = 0.25;      // inches
constexpr std::size_t kMaxBands = 400;  // 100 inches; a box beyond lies in the last band

std::size_t BandOf(double inches) {
    if (!(inches > 0)) return 0;
    return std::min(static_cast<std::size_t>(inches / kBand), kMaxBands - 1);
}

bool Finite(const QRectF& r) {
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.right()) && std::isfinite(r.bottom());
}

QRectF Corners(double left, double top, double right, double bottom) {
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

// A device of `dpi` to measure letters on as the page's device lays them out.
const QImage& MeasuringDevice(DeviceDpi dpi) {
    static thread_local QImage device;
    const int dpmX = static_cast<int>(std::lround(dpi.x / 0.0254));
    const int dpmY = static_cast<int>(std::lround(dpi.y / 0.0254));
    if (device.isNull()) device = QImage(1, 1, QImage::Format_RGB32);
    if (device.dotsPerMeterX() != dpmX) device.setDotsPerMeterX(dpmX);
    if (device.dotsPerMeterY() != dpmY) device.setDotsPerMeterY(dpmY);
    return device;
}

}  // namespace

double DisplayList::Pixel() const { return 1.0 / std::max(1.0, std::min(dpi_.x, dpi_.y)); }

int DisplayList::FontIndex(const FontChoice& font) {
    for (std::size_t i = 0; i < fontChoices_.size(); ++i)
        if (fontChoices_[i] == font) return static_cast<int>(i);
    fontChoices_.push_back(font);
    fonts_.push_back(MakeQFont(font));
    return static_cast<int>(fonts_.size() - 1);
}

void DisplayList::Add(Call call) {
    const auto index = static_cast<std::uint32_t>(calls_.size());
    if (!Finite(call.box)) {
        unbounded_.push_back(index);
    } else {
        const std::size_t last = BandOf(call.box.bottom());
        if (bands_.size() <= last) bands_.resize(last + 1);
        for (std::size_t band = BandOf(call.box.top()); band <= last; ++band) bands_[band].push_back(index);
    }
    calls_.push_back(std::move(call));
}

void DisplayList::AddText(double x, double y, const FontChoice& font, bool transparent, const QString& text) {
    Call call(Kind::Text);
    call.transparent = transparent;
    call.font = FontIndex(font);
    call.item = static_cast<int>(texts_.size());
    texts_.push_back(text);
    call.a = x;
    call.b = y;
    call.pen = WinColor(font.color).rgb();
    // The letters' advance with the line's ascent and descent, and their ink, as the page's
    // device lays them out; widened by a quarter of the line for what the ink measure misses
    // (slanted letters, the background of opaque text, decorations).
    const QFontMetricsF metrics(fonts_[static_cast<std::size_t>(call.font)], &MeasuringDevice(dpi_));
    const QPointF at(x * dpi_.x, y * dpi_.y);
    const double line = metrics.ascent() + metrics.descent();
    QRectF px(at.x(), at.y() - metrics.ascent(), metrics.horizontalAdvance(text), line);
    px |= metrics.boundingRect(text).translated(at);
    const double margin = line / 4 + 2;
    px.adjust(-margin, -margin, margin, margin);
    call.box = QRectF(px.left() / dpi_.x, px.top() / dpi_.y, px.width() / dpi_.x, px.height() / dpi_.y);
    Add(std::move(call));
}

DisplayList::Call DisplayList::Spanning(Kind kind, double a, double b, double c, double d, double margin) {
    Call call(kind);
    call.a = a;
    call.b = b;
    call.c = c;
    call.d = d;
    call.box = Corners(a, b, c, d).adjusted(-margin, -margin, margin, margin);
    return call;
}

void DisplayList::AddLine(double x1, double y1, double x2, double y2, std::int32_t pen) {
    Call call = Spanning(Kind::Line, x1, y1, x2, y2, 2 * Pixel());  // the pen is a pixel wide
    call.pen = WinColor(pen).rgb();
    Add(std::move(call));
}

void DisplayList::AddFilledRect(double left, double top, double right, double bottom, std::int32_t brush) {
    // The corners go to the nearest whole pixel.
    Call call = Spanning(Kind::FilledRect, left, top, right, bottom, Pixel());
    call.brush = WinColor(brush).rgb();
    Add(std::move(call));
}

void DisplayList::AddEllipse(double left, double top, double right, double bottom, std::int32_t pen,
                             std::int32_t brush, bool outlineOnly) {
    Call call = Spanning(outlineOnly ? Kind::EllipseOutline : Kind::Ellipse, left, top, right, bottom, 2 * Pixel());
    call.pen = WinColor(pen).rgb();
    call.brush = WinColor(brush).rgb();
    Add(std::move(call));
}

void DisplayList::AddImage(double left, double top, double right, double bottom, const QImage& image) {
    Call call = Spanning(Kind::Image, left, top, right, bottom, 2 * Pixel());  // smoothing reaches past the edges
    call.item = static_cast<int>(images_.size());
    images_.push_back(image);
    Add(std::move(call));
}

std::vector<QFont> DisplayList::FontsFor(const QPainter& painter) const {
    // A painter sizes letters by its device's resolution; on another device than the page's
    // the point sizes are changed so that the letters keep their size in the page's pixels.
    const QPaintDevice* device = painter.device();
    const double deviceDpi = device ? device->logicalDpiY() : dpi_.y;
    if (!(deviceDpi > 0) || deviceDpi == dpi_.y) return fonts_;
    std::vector<QFont> fonts = fonts_;
    for (QFont& f : fonts) f.setPointSizeF(f.pointSizeF() * dpi_.y / deviceDpi);
    return fonts;
}

void DisplayList::PlayCall(QPainter& p, const Call& call, const std::vector<QFont>& fonts) const {
    switch (call.kind) {
        case Kind::Text:
            PaintTextAsRecorded(p, dpi_, call.a, call.b, fonts[static_cast<std::size_t>(call.font)], QColor(call.pen),
                      call.transparent, texts_[static_cast<std::size_t>(call.item)]);
            break;
        case Kind::Line: PaintLine(p, dpi_, call.a, call.b, call.c, call.d, QColor(call.pen)); break;
        case Kind::FilledRect: PaintFilledRect(p, dpi_, call.a, call.b, call.c, call.d, QColor(call.brush)); break;
        case Kind::Ellipse:
        case Kind::EllipseOutline:
            PaintEllipse(p, dpi_, call.a, call.b, call.c, call.d, QColor(call.pen), QColor(call.brush),
                         call.kind == Kind::EllipseOutline);
            break;
        case Kind::Image:
            PaintImage(p, dpi_, call.a, call.b, call.c, call.d, images_[static_cast<std::size_t>(call.item)]);
            break;
    }
}

int DisplayList::Play(QPainter& painter, const QRectF& area) const {
    if (!(area.width() > 0 && area.height() > 0) || !Finite(area)) return 0;
    // The calls of the bands the area reaches, marked once each, then taken in the order
    // recorded: a call reaching several bands is listed in each.
    std::vector<std::uint64_t> marked((calls_.size() + 63) / 64, 0);
    const auto mark = [&](std::uint32_t index) { marked[index / 64] |= std::uint64_t{1} << (index % 64); };
    for (std::uint32_t index : unbounded_) mark(index);
    if (!bands_.empty()) {
        const std::size_t last = std::min(BandOf(area.bottom()), bands_.size() - 1);
        for (std::size_t band = BandOf(area.top()); band <= last; ++band)
            for (std::uint32_t index : bands_[band]) mark(index);
    }

    const std::vector<QFont> fonts = FontsFor(painter);
    painter.save();
    StartPagePainter(painter);
    int played = 0;
    for (std::size_t word = 0; word < marked.size(); ++word)
        for (std::uint64_t bits = marked[word]; bits != 0; bits &= bits - 1) {
            const Call& call = calls_[word * 64 + static_cast<std::size_t>(std::countr_zero(bits))];
            if (Finite(call.box) && !call.box.intersects(area)) continue;
            PlayCall(painter, call, fonts);
            ++played;
        }
    painter.restore();
    return played;
}

int DisplayList::PlayAll(QPainter& painter) const {
    const std::vector<QFont> fonts = FontsFor(painter);
    painter.save();
    StartPagePainter(painter);
    for (const Call& call : calls_) PlayCall(painter, call, fonts);
    painter.restore();
    return static_cast<int>(calls_.size());
}

QImage DrawPagePart(const DisplayList& page, double scale, const QRect& part, int* played) {
    if (played) *played = 0;
    QImage image(part.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (image.isNull() || !(scale > 0)) return image;
    // The shift is in whole device pixels, so every pixel is the one the whole page would have
    // there. The calls looked for reach two device pixels past the part: smoothed edges of
    // letters and pictures lie up to a pixel beyond their outline.
    QPainter p(&image);
    p.translate(-part.left(), -part.top());
    p.scale(scale, scale);
    const DeviceDpi dpi = page.Dpi();
    const double slack = 2 / scale;
    const QRectF area(QPointF((part.left() / scale - slack) / dpi.x, (part.top() / scale - slack) / dpi.y),
                      QPointF(((part.right() + 1) / scale + slack) / dpi.x, ((part.bottom() + 1) / scale + slack) / dpi.y));
    const int n = page.Play(p, area);
    if (played) *played = n;
    return image;
}

}  // namespace qf
