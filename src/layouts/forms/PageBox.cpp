#include "layouts/forms/PageBox.h"

#include <QPainter>

#include "base/forms/AccessibleNames.h"
#include "base/forms/DevicePixels.h"
#include "base/forms/QtText.h"
#include "layouts/LayoutDescription.h"
#include "output/LayoutThumbnail.h"

namespace qf {

TPageBox::TPageBox(QWidget* parent) : QFrame(parent) {
    setObjectName("PageImage");
    setFrameShape(QFrame::Box);
    setMinimumSize(60, 78);
    DescribePicture(*this, "No page layout");
}

TPageBox::~TPageBox() = default;

void TPageBox::SetLayout(const PageLayoutRecord& layout) {
    layout_ = std::make_unique<PageLayoutRecord>(layout);
    DescribePicture(*this, FromAnsi(LayoutDescription(layout)));
    update();
}

void TPageBox::Clear() {
    layout_.reset();
    DescribePicture(*this, "No page layout");
    update();
}

QImage TPageBox::Picture() const {
    const QRect inside = contentsRect();
    QImage image = DeviceImage(inside.size().expandedTo(QSize(1, 1)), devicePixelRatioF());
    const QColor face = palette().color(QPalette::Window);
    if (layout_) DrawLayoutThumbnail(image, *layout_, face);
    else image.fill(face);
    return image;
}

void TPageBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), Picture());
}

}  // namespace qf
