#include "layouts/forms/PageCanvas.h"

#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/forms/AccessibleNames.h"
#include "base/forms/QtText.h"
#include "layouts/LayoutDescription.h"
#include "layouts/PageObjects.h"
#include "output/LayoutThumbnail.h"
#include "report/Picture.h"

namespace qf {
namespace {

// The designer's colour of an object: the thumbnail's colour of its kind, but text in grey and
// rectangles and circles in their own fill.
QColor DesignerColor(const PageObject& o) {
    switch (o.Kind()) {
        case ObjectKind::Title:
        case ObjectKind::Puzzle:
        case ObjectKind::DownHeader:
        case ObjectKind::DownClues:
        case ObjectKind::AcrossHeader:
        case ObjectKind::AcrossClues:
        case ObjectKind::CombinedClues:
        case ObjectKind::WordList:
        case ObjectKind::BonusQuestion: return ThumbnailColor(o.Kind());
        case ObjectKind::Text: return QColor(192, 192, 192);
        case ObjectKind::Rectangle:
        case ObjectKind::Circle: {
            if (o.fillShape == 0) return Qt::white;
            const std::int32_t c = o.fillColor;
            return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
        default: return Qt::white;
    }
}

const char* KindCaption(ObjectKind kind) {
    static const char* const kCaptions[] = {"Title",        "Puzzle",         "Down Header",    "Across Header",
                                            "Down Clues",   "Across Clues",   "Word List",      "Bonus Question",
                                            "Combined Clues", "Text",         "Bitmap",         "Rectangle",
                                            "Circle"};
    const int k = static_cast<int>(kind);
    return k >= 1 && k <= kObjectKindCount ? kCaptions[k - 1] : "";
}

QColor ColorOfValue(std::int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// A stored rectangle as drawn (right and bottom exclusive), kept within what a painter takes.
QRect Box(const ObjectRect& r) {
    const auto clamp = [](std::int32_t v) { return std::clamp(v, -30000, 30000); };
    return QRect(QPoint(clamp(r[0]), clamp(r[1])), QPoint(clamp(r[2]) - 1, clamp(r[3]) - 1)).normalized();
}

bool HasColumns(ObjectKind kind) {
    return kind == ObjectKind::AcrossClues || kind == ObjectKind::DownClues || kind == ObjectKind::WordList ||
           kind == ObjectKind::CombinedClues;
}

}  // namespace

TPageCanvas::TPageCanvas(const PageDesign& design, std::function<PageChange(const PageAction&)> onAction,
                         QWidget* parent)
    : QWidget(parent), design_(design), onAction_(std::move(onAction)) {
    setObjectName("PageCanvas");
    DescribePicture(*this, FromAnsi(LayoutDescription(design_.layout)));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    Resize();
}

void TPageCanvas::Resize() {
    setFixedSize(design_.layout.pixelWidth + kRulerDepth, design_.layout.pixelHeight + kRulerDepth);
    update();
}

void TPageCanvas::LoadPictures() {
    pictures_ = LoadLayoutPictures(design_.layout);
    update();
}

void TPageCanvas::SetDragFrame(std::optional<ObjectRect> frame) {
    frame_ = frame;
    update();
}

void TPageCanvas::paintEvent(QPaintEvent*) {
    DescribePicture(*this, FromAnsi(LayoutDescription(design_.layout)));  // says what it draws
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    DrawRulers(painter);
    painter.translate(kRulerDepth, kRulerDepth);
    painter.setClipRect(0, 0, design_.layout.pixelWidth, design_.layout.pixelHeight);
    painter.fillRect(0, 0, design_.layout.pixelWidth, design_.layout.pixelHeight, Qt::white);
    for (int slot = 1; slot <= design_.ObjectCount(); ++slot) DrawObject(painter, slot);
    if (hasFocus()) {
        // The page has the keyboard: a frame inside its edge says so, objects or not.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(1, 1, design_.layout.pixelWidth - 2, design_.layout.pixelHeight - 2);
    }
    DrawHandles(painter);
    if (frame_) {
        painter.setBrush(Qt::NoBrush);
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(Box(*frame_));
    }
}

void TPageCanvas::DrawObject(QPainter& painter, int slot) const {
    const PageObject& o = design_.Object(slot);
    const QRect box = Box(o.rect);
    const ObjectKind kind = o.Kind();
    painter.setPen(Qt::NoPen);
    if (kind == ObjectKind::Bitmap) {
        const auto& picture = pictures_.bySlot[static_cast<std::size_t>(slot - 1)];
        if (picture) {
            painter.drawImage(box, picture->Image());
        } else {
            // The placeholder of a picture not (yet) loaded.
            painter.fillRect(box, Qt::white);
            painter.setPen(Qt::black);
            painter.setFont(QFont("Arial", 9));
            painter.drawText(box, Qt::AlignCenter, "Bitmap");
        }
        if (o.transparent != 0) {
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(0, 0, design_.layout.pixelWidth - 1, design_.layout.pixelHeight - 1);
        }
    } else {
        painter.setBrush(DesignerColor(o));
        if (kind == ObjectKind::Circle) painter.drawEllipse(box);
        else painter.fillRect(box, DesignerColor(o));
    }

    // The outline: the border as it prints, else a dotted frame; the grid always a plain one.
    painter.setBrush(Qt::NoBrush);
    if (kind == ObjectKind::Puzzle) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(box);
    } else if (o.useBorder != 0) {
        painter.setPen(QPen(ColorOfValue(o.borderColor), 1));
        QRect r = box;
        for (int i = 0; i < std::clamp<int>(o.borderWidth, 1, 9) && r.width() > 0 && r.height() > 0; ++i) {
            if (kind == ObjectKind::Circle) painter.drawEllipse(r);
            else painter.drawRect(r);
            r.adjust(1, 1, -1, -1);
        }
    } else {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        if (kind == ObjectKind::Circle) painter.drawEllipse(box);
        else painter.drawRect(box);
    }

    if (HasColumns(kind) && o.columns >= 2) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const int step = box.width() / o.columns;
        for (int c = 1; step > 0 && c < o.columns; ++c)
            painter.drawLine(box.left() + c * step, box.top(), box.left() + c * step, box.bottom());
    }

    if (kind == ObjectKind::Bitmap) return;
    QFont font("Arial");
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(Qt::black);
    QString caption = KindCaption(kind);
    const QFontMetrics metrics(font);
    while (!caption.isEmpty() && metrics.horizontalAdvance(caption) > box.width()) caption.chop(1);
    painter.drawText(box, Qt::AlignCenter, caption);
}

void TPageCanvas::DrawHandles(QPainter& painter) const {
    if (!design_.ValidSlot(design_.selected)) return;
    const ObjectRect& r = design_.Object(design_.selected).rect;
    for (Handle h : {Handle::TopLeft, Handle::TopRight, Handle::BottomLeft, Handle::BottomRight, Handle::Top,
                     Handle::Bottom, Handle::Left, Handle::Right}) {
        const PagePoint p = HandlePoint(r, h);
        painter.fillRect(p.x - 2, p.y - 2, 5, 5, Qt::black);
    }
}

void TPageCanvas::DrawRulers(QPainter& painter) const {
    const int w = design_.layout.pixelWidth;
    const int h = design_.layout.pixelHeight;
    const bool inches = design_.layout.inches != 0;
    const int g = PageUnits(design_);
    const QRect top(kRulerDepth, 0, w, kRulerDepth);
    const QRect left(0, kRulerDepth, kRulerDepth, h);
    painter.fillRect(top, QColor(255, 255, 220));
    painter.fillRect(left, QColor(255, 255, 220));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(top.adjusted(0, 0, -1, -1));
    painter.drawRect(left.adjusted(0, 0, -1, -1));
    QFont font("Arial");
    font.setPointSize(8);
    painter.setFont(font);

    // Ticks within a unit: (fraction of the unit, start depth from the outer edge).
    struct Tick {
        double at;
        int depth;
    };
    std::vector<Tick> ticks;
    if (inches) {
        for (int i = 1; i < 8; ++i) ticks.push_back({i / 8.0, i % 4 == 0 ? 18 : (i % 2 == 0 ? 21 : 24)});
    } else {
        for (int i = 1; i < 10; ++i) ticks.push_back({i / 10.0, i == 5 ? 20 : 24});
    }
    const auto drawTicks = [&](int length, bool horizontal) {
        const int whole = length / g;
        for (int u = 0; u <= whole; ++u) {
            const int at = u * g;
            if (u >= 1) {
                if (horizontal) {
                    painter.drawLine(kRulerDepth + at, 15, kRulerDepth + at, kRulerDepth - 1);
                    painter.drawText(kRulerDepth + at - 3, 1 + painter.fontMetrics().ascent(), QString::number(u));
                } else {
                    painter.drawLine(15, kRulerDepth + at, kRulerDepth - 1, kRulerDepth + at);
                    painter.drawText(2, kRulerDepth + at - 6 + painter.fontMetrics().ascent(), QString::number(u));
                }
            }
            for (const Tick& t : ticks) {
                const int p = at + static_cast<int>(t.at * g);
                if (p >= length) break;
                if (horizontal) painter.drawLine(kRulerDepth + p, t.depth, kRulerDepth + p, kRulerDepth - 1);
                else painter.drawLine(t.depth, kRulerDepth + p, kRulerDepth - 1, kRulerDepth + p);
            }
        }
    };
    drawTicks(w, true);
    drawTicks(h, false);
}

namespace {
PagePoint PageOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x() - kRulerDepth, p.y() - kRulerDepth};
}
}  // namespace

void TPageCanvas::mousePressEvent(QMouseEvent* event) {
    const PagePoint p = PageOf(event);
    if (p.x < 0 || p.y < 0 || p.x >= design_.layout.pixelWidth || p.y >= design_.layout.pixelHeight) return;
    if (event->button() == Qt::LeftButton) onAction_(pages::MouseDown{PageMouseButton::Left, p});
    else if (event->button() == Qt::RightButton) onAction_(pages::MouseDown{PageMouseButton::Right, p});
}

void TPageCanvas::mouseMoveEvent(QMouseEvent* event) {
    onAction_(pages::MouseMove{PageOf(event), (event->buttons() & Qt::LeftButton) != 0});
}

void TPageCanvas::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = mods == Qt::ShiftModifier;
    const int key = event->key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && shift)) {
        if (design_.ValidSlot(design_.selected)) emit MenuKey();
        return;
    }
    if (mods != Qt::NoModifier && !shift) {
        QWidget::keyPressEvent(event);
        return;
    }
    int dx = 0, dy = 0;
    switch (key) {
        case Qt::Key_Left: dx = -1; break;
        case Qt::Key_Right: dx = 1; break;
        case Qt::Key_Up: dy = -1; break;
        case Qt::Key_Down: dy = 1; break;
        case Qt::Key_Delete:
            if (design_.ValidSlot(design_.selected) && !shift) {
                onAction_(pages::DeleteObject{design_.selected});
                return;
            }
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter with no kind chosen goes on to the dialog's default button.
            if (design_.chosenKind != 0 && !shift) {
                onAction_(pages::PlaceChosen{});
                emit KeyChanged();
                return;
            }
            break;
        default: break;
    }
    if (dx != 0 || dy != 0) {
        onAction_(pages::NudgeObject{dx, dy, shift});
        emit KeyChanged();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Coming in by Tab selects the first object, by Shift+Tab the last.
void TPageCanvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    const int count = design_.ObjectCount();
    const bool tab = event->reason() == Qt::TabFocusReason;
    if (count > 0 && (tab || event->reason() == Qt::BacktabFocusReason)) {
        onAction_(pages::SelectObject{tab ? 1 : count});
        emit KeyChanged();  // a click that brings the focus scrolls nothing
    }
    update();
}

void TPageCanvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool TPageCanvas::focusNextPrevChild(bool next) {
    if (!hasFocus()) return QWidget::focusNextPrevChild(next);
    if (!onAction_(pages::CycleObjects{next}).pastEnd) {
        emit KeyChanged();
        return true;
    }
    // Leaving, the scroll area around would bring the page's corner into view: the page stays
    // where the user left it.
    auto* area = qobject_cast<QAbstractScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr);
    const QPoint scrolled = area ? QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value())
                                 : QPoint();
    const bool moved = QWidget::focusNextPrevChild(next);
    if (area) {
        area->horizontalScrollBar()->setValue(scrolled.x());
        area->verticalScrollBar()->setValue(scrolled.y());
    }
    return moved;
}

void TPageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) onAction_(pages::MouseUp{PageMouseButton::Left, PageOf(event)});
    else if (event->button() == Qt::RightButton) onAction_(pages::MouseUp{PageMouseButton::Right, PageOf(event)});
}

}  // namespace qf
