#include "model/forms/PuzzlePicture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "base/forms/DevicePixels.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

constexpr int kDotsPerMeter = 3780;  // 96 dots an inch: the letter sizes are points on that screen
constexpr int kLargestLetter = 20;
constexpr int kSmallestLetter = 5;

QFont LetterFont(int size) {
    QFont font("Arial");
    font.setPointSize(size);
    return font;
}

bool HoldsLetter(std::uint8_t cell) { return cell != kCellOutside && cell != kCellBlank; }

}  // namespace

QImage ScreenImage(QSize size, qreal ratio) {
    QImage image = DeviceImage(size, ratio);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

int CandidateCellSize(QSize picture, int width, int height) {
    if (width < 1 || height < 1) return 0;
    return std::min(picture.width() / width - 1, picture.height() / height - 1);
}

int CandidateLetterSize(int cell) {
    const QImage probe = ScreenImage(QSize(1, 1));
    for (int size = kLargestLetter; size >= kSmallestLetter; --size) {
        if (QFontMetrics(LetterFont(size), &probe).height() < cell) return size;
    }
    return kSmallestLetter - 1;
}

void DrawAPuzzle(QImage& image, const PuzzleRecord& record, int score, const ShapeRecord& shape) {
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(ButtonFace());
    const int width = record.UsedWidth(), height = record.UsedHeight();
    // The cells are measured in logical pixels: a picture on a high-density screen shows the same
    // grid, drawn with its own device pixels.
    const int s = CandidateCellSize(image.deviceIndependentSize().toSize(), width, height);
    if (score < 1 || s < 1) return;  // an empty slot, or a grid the picture cannot hold

    QPainter p(&image);
    const int shapeWidth = std::clamp<int>(shape.width, 0, kGridSide);
    const int shapeHeight = std::clamp<int>(shape.height, 0, kGridSide);
    {
        const DevicePixels d(p);
        p.fillRect(QRect(0, 0, d.At(shapeWidth * s), d.At(shapeHeight * s)), Qt::white);

        // Lines end one pixel short, as the screen's line drawing leaves out the last point.
        p.setPen(QPen(Qt::black, 0));
        for (int g = 0; g <= height; ++g) p.drawLine(0, d.At(g * s), d.At(width * s) - 1, d.At(g * s));
        for (int h = 0; h <= width; ++h) p.drawLine(d.At(h * s), 0, d.At(h * s), d.At(height * s) - 1);

        // The inside of a cell, within its lines.
        auto inside = [&d, s](int row, int column) {
            const int left = d.At((column - 1) * s) + 1, top = d.At((row - 1) * s) + 1;
            return QRect(left, top, d.At(column * s) - left, d.At(row * s) - top);
        };
        for (int r = 1; r <= height; ++r) {
            for (int c = 1; c <= width; ++c) {
                if (record.Cell(CellIndex(r, c)) == kCellOutside) p.fillRect(inside(r, c), ButtonFace());
            }
        }
        for (int r = 1; r <= height; ++r) {
            for (int c = 1; c <= width; ++c) {
                if (record.Cell(CellIndex(r, c)) == kCellBlank) p.fillRect(inside(r, c), Qt::black);
            }
        }
    }

    // The letters in logical pixels: a tagged image draws them at its full resolution.
    auto inner = [s](int row, int column) { return QRect((column - 1) * s + 1, (row - 1) * s + 1, s - 1, s - 1); };
    const QFont font = LetterFont(CandidateLetterSize(s));
    p.setFont(font);
    p.setBackground(Qt::white);
    p.setBackgroundMode(Qt::OpaqueMode);
    const QFontMetrics metrics(font, &image);
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            const std::uint8_t cell = record.Cell(CellIndex(r, c));
            if (!HoldsLetter(cell)) continue;
            const QString letter = FromAnsi(std::string(1, static_cast<char>(cell)));
            const QRect box = inner(r, c);
            const int x = box.left() + (box.width() - metrics.horizontalAdvance(letter)) / 2;
            const int y = box.top() + (box.height() - metrics.height()) / 2;
            p.drawText(x, y + metrics.ascent(), letter);
        }
    }
}

}  // namespace qf
