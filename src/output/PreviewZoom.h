#pragma once
// The preview's zoom: a percentage of the page's size at the screen's resolution, the page's
// width in screen pixels at a zoom and back, the zooms that fit the view, and the two boxes
// where the user types a zoom or a pixel width.
#include <optional>
#include <string>
#include <string_view>

namespace qf {

inline constexpr double kMinZoom = 5;
inline constexpr double kMaxZoom = 800;

double ClampZoom(double zoom);

struct PageGeometry {
    double widthInches = 8.5;
    double heightInches = 11;
    double screenDpi = 96;

    // The page's width in screen pixels at `zoom` percent, rounded.
    int PixelWidth(double zoom) const;
    int PixelHeight(double zoom) const;
    // The zoom at which the page is `pixels` wide (within the zoom limits).
    double ZoomForPixelWidth(int pixels) const;
    // The zoom at which the page's width fills a view `viewWidth` pixels wide.
    double ZoomForPageWidth(int viewWidth) const;
    // The zoom at which the whole page fits a view of that size.
    double ZoomForWholePage(int viewWidth, int viewHeight) const;
};

// The steps the zoom-in and zoom-out buttons move through.
double NextZoomIn(double zoom);
double NextZoomOut(double zoom);

// "Zoom %" shows two decimals.
std::string FormatZoom(double zoom);
// A number above 0, blanks trimmed; nothing for any other text.
std::optional<double> ParseZoom(std::string_view text);
// A whole number above 0, blanks trimmed.
std::optional<int> ParsePixelWidth(std::string_view text);

}  // namespace qf
