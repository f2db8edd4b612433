#pragma once
// The surface over a Qt paint device: a printer, the page file, a picture, a PDF or an SVG.
// Coordinates are converted to the device's pixels; text is measured by FontMeasure so that
// every device breaks lines alike.
#include <memory>

#include "report/FontMeasure.h"
#include "report/Surface.h"

class QPainter;
class QPaintDevice;

namespace qf {

class PageTarget;

class QPainterSurface : public Surface {
public:
    explicit QPainterSurface(PageTarget& target);
    ~QPainterSurface() override;

    // Ends the page and writes it out; false when the device could not be made or written.
    bool Finish();

    bool NewPage() override;

    void SetFont(const FontChoice& font) override;
    const FontChoice& Font() const override { return font_; }
    double TextWidth(std::string_view text) override { return measure_.TextWidth(text); }
    double TextHeight(std::string_view) override { return measure_.TextHeight(); }
    double Ascent() override { return measure_.Ascent(); }
    double Descent() override { return measure_.Descent(); }
    double TextHeightFloor(const FontChoice& font, std::string_view) override { return measure_.HeightFloor(font); }
    double TextWidthFloor(const FontChoice& font, std::string_view text) override {
        return measure_.WidthFloor(font, text);
    }

    void SetTextTransparent(bool transparent) override { transparent_ = transparent; }
    void TextOut(double x, double y, std::string_view text) override;

    void SetPenColor(std::int32_t color) override { penColor_ = color; }
    void SetBrushColor(std::int32_t color) override { brushColor_ = color; }
    void MoveTo(double x, double y) override { x_ = x; y_ = y; }
    void LineTo(double x, double y) override;
    void FillRect(double left, double top, double right, double bottom) override;
    void FillEllipse(double left, double top, double right, double bottom) override;
    void EllipseOutline(double left, double top, double right, double bottom) override;

    double DotsPerInchX() const override;
    double DotsPerInchY() const override;

    void DrawPicture(const Picture& picture, double left, double top, double right, double bottom) override;

private:
    QPainter* Painter() const;  // begins the page on first use

    PageTarget& target_;
    FontMeasure measure_;
    FontChoice font_;
    bool transparent_ = true;
    std::int32_t penColor_ = 0;
    std::int32_t brushColor_ = 0xFFFFFF;
    double x_ = 0;
    double y_ = 0;
    mutable std::unique_ptr<QPainter> painter_;
    mutable QPaintDevice* device_ = nullptr;
    mutable bool started_ = false;
    mutable double dpiX_ = 96;
    mutable double dpiY_ = 96;
};

}  // namespace qf
