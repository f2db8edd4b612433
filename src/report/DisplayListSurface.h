#pragma once
// A surface that passes every call on to another surface (the page file's, the printer's) and
// keeps the page's drawing calls in a DisplayList as well, in the inner surface's device pixels.
// Measurement is the inner surface's. The list holds the first page only.
#include "report/DisplayList.h"
#include "report/Surface.h"

namespace qf {

class DisplayListSurface : public Surface {
public:
    DisplayListSurface(Surface& inner, DisplayList& list) : inner_(inner), list_(list) {}

    bool NewPage() override;

    void SetFont(const FontChoice& font) override;
    const FontChoice& Font() const override { return inner_.Font(); }
    double TextWidth(std::string_view text) override { return Inner().TextWidth(text); }
    double TextHeight(std::string_view text) override { return Inner().TextHeight(text); }
    double Ascent() override { return Inner().Ascent(); }
    double Descent() override { return Inner().Descent(); }
    double TextHeightFloor(const FontChoice& font, std::string_view text) override {
        return Inner().TextHeightFloor(font, text);
    }
    double TextWidthFloor(const FontChoice& font, std::string_view text) override {
        return Inner().TextWidthFloor(font, text);
    }

    void SetTextTransparent(bool transparent) override;
    void TextOut(double x, double y, std::string_view text) override;

    void SetPenColor(std::int32_t color) override;
    void SetBrushColor(std::int32_t color) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y) override;
    void FillRect(double left, double top, double right, double bottom) override;
    void FillEllipse(double left, double top, double right, double bottom) override;
    void EllipseOutline(double left, double top, double right, double bottom) override;

    double DotsPerInchX() const override { return Inner().DotsPerInchX(); }
    double DotsPerInchY() const override { return Inner().DotsPerInchY(); }

    void DrawPicture(const Picture& picture, double left, double top, double right, double bottom) override;

private:
    // The inner surface, told the paper and orientation set here first: they are kept by the
    // surface they are set on, and the inner one starts its device with them.
    Surface& Inner() const;
    // True while the calls are to be kept; the list learns the device's pixels at the first.
    bool Keeping();

    Surface& inner_;
    DisplayList& list_;
    bool transparent_ = true;
    std::int32_t pen_ = 0;
    std::int32_t brush_ = 0xFFFFFF;
    double x_ = 0;
    double y_ = 0;
    bool started_ = false;
    bool pageEnded_ = false;
};

}  // namespace qf
