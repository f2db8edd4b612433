#include "output/PreviewZoom.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::array<double, 11> kSteps{10, 20, 25, 100.0 / 3, 50, 75, 100, 150, 200, 300, 400};
constexpr double kSameZoom = 0.005;  // what the box's two decimals cannot tell apart

}  // namespace

double ClampZoom(double zoom) { return std::clamp(zoom, kMinZoom, kMaxZoom); }

int PageGeometry::PixelWidth(double zoom) const {
    return static_cast<int>(std::lround(widthInches * screenDpi * zoom / 100));
}

int PageGeometry::PixelHeight(double zoom) const {
    return static_cast<int>(std::lround(heightInches * screenDpi * zoom / 100));
}

double PageGeometry::ZoomForPixelWidth(int pixels) const {
    if (!(widthInches > 0) || !(screenDpi > 0)) return 100;
    return ClampZoom(pixels * 100.0 / (widthInches * screenDpi));
}

double PageGeometry::ZoomForPageWidth(int viewWidth) const { return ZoomForPixelWidth(std::max(viewWidth, 1)); }

double PageGeometry::ZoomForWholePage(int viewWidth, int viewHeight) const {
    if (!(heightInches > 0) || !(screenDpi > 0)) return 100;
    const double byHeight = std::max(viewHeight, 1) * 100.0 / (heightInches * screenDpi);
    return std::min(ZoomForPageWidth(viewWidth), ClampZoom(byHeight));
}

double NextZoomIn(double zoom) {
    for (double step : kSteps)
        if (step > zoom + kSameZoom) return step;
    return ClampZoom(std::max(zoom, kSteps.back()));
}

double NextZoomOut(double zoom) {
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
        if (*it < zoom - kSameZoom) return *it;
    return ClampZoom(std::min(zoom, kSteps.front()));
}

std::string FormatZoom(double zoom) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, zoom, std::chars_format::fixed, 2);
    return error == std::errc() ? std::string(text, end) : std::string();
}

std::optional<double> ParseZoom(std::string_view text) {
    const std::string t = TrimBlanks(std::string(text));
    if (t.empty() || t.size() > 20) return std::nullopt;
    if (!std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; }))
        return std::nullopt;
    // Not strtod: the number is read alike whatever the user's locale.
    double v = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (error != std::errc() || end != t.data() + t.size() || !(v > 0) || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> ParsePixelWidth(std::string_view text) {
    const auto v = ParseWholeNumber(text, 6);
    if (!v || *v < 1) return std::nullopt;
    return static_cast<int>(*v);
}

}  // namespace qf
