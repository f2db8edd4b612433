#pragma once
// Text measurement in inches, the same on every device: fonts are measured at a fixed
// reference resolution without hinting, so a page breaks its lines alike on paper, in a PDF
// and in a picture. "Arial" and its kin resolve to the metric-compatible Liberation fonts.
#include <memory>
#include <string_view>

#include "report/Surface.h"

class QFont;
class QFontMetricsF;

namespace qf {

// Creates the application object fonts need when the program has none yet (the command-line
// tool, tests); headless unless a platform was chosen. Also installs the font substitutions.
void EnsureGuiApplication();

// The Qt font for a surface font, sized in points.
QFont MakeQFont(const SurfaceFont& font);

class FontMeasure {
public:
    FontMeasure();
    ~FontMeasure();

    void SetFont(const SurfaceFont& font);
    double TextWidth(std::string_view ansi) const;
    double TextHeight() const;
    double Ascent() const;
    double Descent() const;

private:
    std::unique_ptr<QFontMetricsF> metrics_;
};

}  // namespace qf
