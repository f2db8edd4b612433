#include "base/forms/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
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

ScreenArea AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

QSize FrameAllowance(const QWidget& window) {
    const QSize measured = window.frameGeometry().size() - window.geometry().size();
    if (window.testAttribute(Qt::WA_WState_Created) && window.isVisible() && !measured.isEmpty()) return measured;
    const QString platform = QGuiApplication::platformName();
    if (platform == "xcb" || platform.startsWith("wayland")) return {16, 40};
    return {0, 0};
}

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
