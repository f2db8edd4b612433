#include "app/forms/ProgramPicture.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "base/forms/AccessibleNames.h"

namespace qf {
namespace {

// Drawn on a 100 x 100 square.
void DrawProgram(QPainter& p) {
    // The quern stone, with the hole of its spindle.
    QRadialGradient stone(QPointF(40, 40), 60);
    stone.setColorAt(0, QColor(190, 182, 168));
    stone.setColorAt(1, QColor(120, 112, 100));
    p.setPen(QPen(QColor(80, 74, 66), 2));
    p.setBrush(stone);
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setBrush(QColor(70, 64, 58));
    p.drawEllipse(QPointF(50, 50), 5, 5);

    // A crossword sheet over it, its lower right corner folded back.
    const QRectF sheet(22, 22, 56, 56);
    const double fold = 16;
    QPainterPath paper;
    paper.moveTo(sheet.topLeft());
    paper.lineTo(sheet.topRight());
    paper.lineTo(sheet.right(), sheet.bottom() - fold);
    paper.lineTo(sheet.right() - fold, sheet.bottom());
    paper.lineTo(sheet.bottomLeft());
    paper.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(paper);

    const double cell = sheet.width() / 4;
    const bool black[4][4] = {{false, false, false, true},
                              {false, true, false, false},
                              {false, false, false, true},
                              {true, false, false, false}};
    p.setPen(QPen(Qt::black, 1));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF r(sheet.left() + col * cell, sheet.top() + row * cell, cell, cell);
            if (row == 3 && col == 3) continue;  // under the fold
            if (black[row][col]) p.fillRect(r, Qt::black);
        }
    }
    p.setClipPath(paper);
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(sheet.left() + i * cell, sheet.top()), QPointF(sheet.left() + i * cell, sheet.bottom()));
        p.drawLine(QPointF(sheet.left(), sheet.top() + i * cell), QPointF(sheet.right(), sheet.top() + i * cell));
    }
    p.setClipping(false);

    QPolygonF flap;
    flap << QPointF(sheet.right(), sheet.bottom() - fold) << QPointF(sheet.right() - fold, sheet.bottom() - fold)
         << QPointF(sheet.right() - fold, sheet.bottom());
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(flap);

    QFont letter("Sans Serif");
    letter.setBold(true);
    letter.setPixelSize(static_cast<int>(cell * 0.8));
    p.setFont(letter);
    p.setPen(QColor(20, 40, 140));
    p.drawText(QRectF(sheet.left(), sheet.top(), cell, cell), Qt::AlignCenter, "Q");
    p.drawText(QRectF(sheet.left() + cell, sheet.top(), cell, cell), Qt::AlignCenter, "F");
}

void DrawTip(QPainter& p) {
    // Rays.
    p.setPen(QPen(QColor(230, 170, 0), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        const double a = (i * 36.0 - 90.0) * 3.14159265358979 / 180.0;
        p.drawLine(QPointF(50 + 34 * std::cos(a), 40 + 34 * std::sin(a)),
                   QPointF(50 + 46 * std::cos(a), 40 + 46 * std::sin(a)));
    }
    // The glass, narrowing to the neck.
    QPainterPath glass;
    glass.moveTo(40, 72);
    glass.cubicTo(40, 60, 24, 54, 24, 38);
    glass.arcTo(QRectF(24, 12, 52, 52), 180, -180);
    glass.cubicTo(76, 54, 60, 60, 60, 72);
    glass.closeSubpath();
    QRadialGradient light(QPointF(44, 32), 36);
    light.setColorAt(0, QColor(255, 255, 210));
    light.setColorAt(1, QColor(255, 210, 40));
    p.setPen(QPen(QColor(150, 110, 0), 2));
    p.setBrush(light);
    p.drawPath(glass);
    // The screw base.
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(QColor(160, 160, 160));
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(39, 73 + i * 6, 22, 6), 2, 2);
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(QRectF(45, 91, 10, 6));
}

}  // namespace

ProgramPicture::ProgramPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(kind == Kind::Program ? "ProgramPicture" : "TipPicture");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    DescribePicture(*this, kind == Kind::Program ? "Quernfold picture: a folded crossword on a quern stone"
                                                 : "Tip picture: a light bulb");
}

QSize ProgramPicture::sizeHint() const {
    const int side = fontMetrics().height() * 5;
    return {side, side};
}

void ProgramPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) updateGeometry();  // the dialog's scale changed
    QWidget::changeEvent(event);
}

void ProgramPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    p.translate((width() - side) / 2, (height() - side) / 2);
    p.scale(side / 100.0, side / 100.0);
    if (kind_ == Kind::Program)
        DrawProgram(p);
    else
        DrawTip(p);
}

}  // namespace qf
