#include "base/FormGeometry.h"

#include <algorithm>

namespace qf {

double ScaleOfWindowSize(int windowSize) {
    switch (windowSize) {
        case 800: return 1.25;
        case 1024: return 1.6;
        case 1280: return 2.0;
        default: return 1.0;
    }
}

int StartUpWindowSize(int setting, int screenWidth, int screenHeight) {
    struct Size {
        int width, height;
    };
    static constexpr Size kSizes[] = {{1280, 1024}, {1024, 768}, {800, 600}};
    for (const Size& s : kSizes)
        if ((setting == s.width || setting == kAutomaticWindowSize) && screenWidth >= s.width &&
            screenHeight >= s.height)
            return s.width;
    return 640;
}

int ScalePercent(double scale) { return static_cast<int>(scale * 100.0 + 1e-9); }

int Scaled(int designSize, double scale) {
    return static_cast<int>(static_cast<long long>(designSize) * ScalePercent(scale) / 100);
}

Placement CentreDialog(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

Placement CentreMainWindow(int screenWidth, int screenHeight, int width, int height, int topOffset) {
    return {(screenWidth - width) / 2, std::max(0, (screenHeight - height) / 2 - topOffset)};
}

double FittingScale(int designWidth, int designHeight, double scale, const ScreenArea& area, int frameWidth,
                    int frameHeight) {
    const auto fits = [&](double s) {
        return Scaled(designWidth, s) + frameWidth <= area.width && Scaled(designHeight, s) + frameHeight <= area.height;
    };
    if (area.width <= 0 || area.height <= 0 || fits(scale)) return scale;
    int percent = ScalePercent(scale);
    while (percent > 10 && !fits(percent / 100.0)) --percent;
    return percent / 100.0;
}

Placement KeepInside(Placement at, int width, int height, const ScreenArea& area) {
    if (area.width <= 0 || area.height <= 0) return at;
    at.left = std::max(area.left, std::min(at.left, area.left + area.width - width));
    at.top = std::max(area.top, std::min(at.top, area.top + area.height - height));
    return at;
}

FontRule FontRuleFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: return {InterfaceFontKind::Label, true};
        case ControlKind::ListBox:
        case ControlKind::GroupBox: return {InterfaceFontKind::Label, false};
        case ControlKind::Edit:
        case ControlKind::Grid:
        case ControlKind::ComboBox: return {InterfaceFontKind::Edit, true};
        case ControlKind::MaskedEdit: return {InterfaceFontKind::Edit, false};
        case ControlKind::Button: return {InterfaceFontKind::Button, false};
        case ControlKind::SpeedButton:
        case ControlKind::Panel:
        case ControlKind::Bevel:
        case ControlKind::Other: break;
    }
    return {};
}

bool KeepsBounds(ControlKind kind) { return kind != ControlKind::Other && kind != ControlKind::GroupBox &&
                                              kind != ControlKind::ComboBox && kind != ControlKind::MaskedEdit; }

bool KeepsFontSize(ControlKind kind) { return KeepsBounds(kind) && kind != ControlKind::Bevel; }

ComponentGeometry ScaledComponent(const ComponentGeometry& design, double scale) {
    ComponentGeometry c = design;
    c.left = Scaled(design.left, scale);
    c.top = Scaled(design.top, scale);
    c.width = Scaled(design.width, scale);
    c.height = Scaled(design.height, scale);
    c.fontSize = Scaled(design.fontSize, scale);
    return c;
}

const InterfaceFont* FormLook::Font(InterfaceFontKind kind) const {
    switch (kind) {
        case InterfaceFontKind::Label: return &label;
        case InterfaceFontKind::Edit: return &edit;
        case InterfaceFontKind::Button: return &button;
        case InterfaceFontKind::None: break;
    }
    return nullptr;
}

}  // namespace qf
