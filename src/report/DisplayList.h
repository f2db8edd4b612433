#pragma once
// A page kept as the list of its drawing calls, each with the box it can paint in (inches from
// the page's top-left corner), played back onto a QPainter: the whole page, or only the calls
// whose box meets a part of it. Playing a call draws it with the painter state the recorded
// page file plays it back with (report/PainterDrawing.h), so the page has the pixels the page
// file gives the printer, and a part played alone has the pixels of the whole page there.
// The preview plays the part in view; a page of a few thousand calls seen at a high zoom then
// costs the few hundred in view.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

#include "base/FontChoice.h"
#include "report/PainterDrawing.h"

namespace qf {

class DisplayList {
public:
    // The calls' device pixels: those of the device the page was drawn on.
    void SetDpi(DeviceDpi dpi) { dpi_ = dpi; }
    DeviceDpi Dpi() const { return dpi_; }

    // Recording, in inches; the boxes are worked out here.
    void AddText(double x, double y, const FontChoice& font, bool transparent, const QString& text);
    void AddLine(double x1, double y1, double x2, double y2, std::int32_t pen);
    void AddFilledRect(double left, double top, double right, double bottom, std::int32_t brush);
    void AddEllipse(double left, double top, double right, double bottom, std::int32_t pen, std::int32_t brush,
                    bool outlineOnly);
    void AddImage(double left, double top, double right, double bottom, const QImage& image);

    std::size_t Size() const { return calls_.size(); }
    // The box of call `index` in inches (what culling compares).
    const QRectF& Box(std::size_t index) const { return calls_[index].box; }

    // Plays every call whose box meets `area` (inches), in the order recorded, onto `painter`,
    // whose coordinates are the device pixels of Dpi() (scale and shift it to draw at another
    // size or place); answers how many were played. Letters come out at the size they had on
    // the page whatever the painter's device. The painter's state is left as it was.
    int Play(QPainter& painter, const QRectF& area) const;
    int PlayAll(QPainter& painter) const;

private:
    enum class Kind : std::uint8_t { Text, Line, FilledRect, Ellipse, EllipseOutline, Image };
    struct Call {
        explicit Call(Kind k) : kind(k) {}
        Kind kind;
        bool transparent = true;
        int font = 0;   // Text: index into fonts_
        int item = 0;   // Text: into texts_; Image: into images_
        double a = 0, b = 0, c = 0, d = 0;  // (x, y) for text, else the two corners or ends
        QRgb pen = 0;   // text colour for Text
        QRgb brush = 0;
        QRectF box;
    };

    int FontIndex(const FontChoice& font);
    void Add(Call call);
    // A call over the corners (a, b) and (c, d), its box widened by `margin` inches each way.
    static Call Spanning(Kind kind, double a, double b, double c, double d, double margin);
    void PlayCall(QPainter& painter, const Call& call, const std::vector<QFont>& fonts) const;
    std::vector<QFont> FontsFor(const QPainter& painter) const;
    double Pixel() const;  // one device pixel in inches

    DeviceDpi dpi_;
    std::vector<Call> calls_;
    std::vector<FontChoice> fontChoices_;
    std::vector<QFont> fonts_;
    std::vector<QString> texts_;
    std::vector<QImage> images_;
    // The calls by the bands of the page their boxes reach, each band kBand inches high, the
    // last one open downwards; calls with no finite box are played always.
    std::vector<std::vector<std::uint32_t>> bands_;
    std::vector<std::uint32_t> unbounded_;
};

// The part `part` (device pixels of the page drawn at `scale` device pixels a page pixel) of
// `page` on white, playing only the calls that reach it: the same pixels as that part of the
// whole page drawn at that scale. `played`, when given, is told how many calls were played.
QImage DrawPagePart(const DisplayList& page, double scale, const QRect& part, int* played = nullptr);

}  // namespace qf
