#include "base/forms/WindowGeometry.h"

#include <QWidget>

#include "base/forms/InterfaceFonts.h"

namespace qf {
namespace {

int FontSizeOf(const QFont& font) { return font.pixelSize() > 0 ? font.pixelSize() : font.pointSize(); }

void SetFontSize(QWidget& widget, int size) {
    QFont font = widget.font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, size));
    else
        font.setPointSize(std::max(1, size));
    widget.setFont(font);
}

}  // namespace

DesignGeometry SaveDimensions(const QWidget& client, const std::vector<QWidget*>& components) {
    DesignGeometry design;
    design.clientWidth = client.width();
    design.clientHeight = client.height();
    for (QWidget* control : components) {
        if (static_cast<int>(design.components.size()) == kMaxRecordedComponents) {
            design.tooMany = ErrorMessage(kTooManyComponents);
            break;
        }
        ComponentGeometry c;
        const ControlKind kind = KindOfControl(*control);
        if (KeepsBounds(kind)) {
            const QRect r = control->geometry();
            c = {true, KeepsFontSize(kind), r.x(), r.y(), r.width(), r.height(), FontSizeOf(control->font())};
        }
        design.components.push_back(c);
    }
    return design;
}

void RestoreDimensions(QWidget& window, QWidget& client, const std::vector<QWidget*>& controls,
                       const DesignGeometry& design, const FormLook& look, int topOffset) {
    const std::size_t count = std::min(controls.size(), design.components.size());
    for (std::size_t k = 0; k < count; ++k) {
        const ComponentGeometry& d = design.components[k];
        if (!d.recorded) continue;
        const ComponentGeometry c = ScaledComponent(d, look.scale);
        controls[k]->setGeometry(c.left, c.top, c.width, c.height);
        if (d.hasFont) SetFontSize(*controls[k], c.fontSize);
    }
    const QSize clientSize(Scaled(design.clientWidth, look.scale), Scaled(design.clientHeight, look.scale));
    client.setFixedSize(clientSize);
    window.setFixedSize(window.sizeHint().expandedTo(clientSize));
    window.adjustSize();
    const QSize frame = window.frameGeometry().size();
    const Placement at = CentreMainWindow(look.screenWidth, look.screenHeight, frame.width(), frame.height(), topOffset);
    window.move(at.left, at.top);
}

}  // namespace qf
