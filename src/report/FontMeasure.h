#pragma once
// Text measurement in inches, the same on every device: fonts are measured at a fixed
// reference resolution without hinting, so a page breaks its lines alike on paper, in a PDF
// and in a picture. "Arial" and its kin resolve to the metric-compatible Liberation fonts.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "report/Surface.h"

class QFont;
class QFontMetricsF;

namespace qf {

// Creates the application object fonts need when the program has none yet (the command-line
// tool, tests); headless unless a platform was chosen. Also installs the font substitutions.
void EnsureGuiApplication();

// The Qt font for a surface font, sized in points.
QFont MakeQFont(const FontChoice& font);

class FontMeasure {
public:
    FontMeasure();
    ~FontMeasure();

    void SetFont(const FontChoice& font);
    double TextWidth(std::string_view ansi) const;
    double TextHeight() const;
    double Ascent() const;
    double Descent() const;

    // Lower bounds of TextHeight and TextWidth in `font`, from one measurement at a reference
    // size per font (see FontMeasure.cpp); 0 for a font that is not smoothly scalable.
    double HeightFloor(const FontChoice& font);
    double WidthFloor(const FontChoice& font, std::string_view ansi);

private:
    struct Reference;
    Reference& ReferenceFor(const FontChoice& font);

    std::unique_ptr<QFontMetricsF> metrics_;
    std::map<std::string, std::unique_ptr<Reference>> references_;  // by font without its size
};

}  // namespace qf
