#pragma once
// A surface for tests: logs every call with its coordinates and measures text by a fixed,
// documented metric, so expected positions can be worked out by hand.
//
// Metric, in ems of the font size (1 em = size / 72 inch): digits 0.5; 'W' 1.0; 'M' 0.9;
// blank, 'i', 'j', 'l', 'I', '.', ',', '\'' 0.25; other upper-case letters 0.7; everything
// else 0.5. Ascent 0.8 em, descent 0.2 em, text height 1 em. Bold and italic change nothing.
#include <string>
#include <vector>

#include "report/Surface.h"

namespace qf {

struct SurfaceCall {
    std::string op;             // "Text", "MoveTo", "LineTo", "FillRect", "FillEllipse", "EllipseOutline", "Picture", "NewPage"
    std::vector<double> args;   // coordinates in inches, in the order of the call
    std::string text;           // Text: the text; Picture: the picture's path
    FontChoice font;           // the font at the time of the call
    std::int32_t pen = 0;
    std::int32_t brush = 0;
    bool transparent = true;
};

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(double dpi = 100.0) : dpi_(dpi) {}

    static double EmsOf(char c);

    bool NewPage() override {
        Log("NewPage", {});
        return true;
    }

    void SetFont(const FontChoice& font) override { font_ = font; }
    const FontChoice& Font() const override { return font_; }
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view) override { return Em(); }
    double Ascent() override { return 0.8 * Em(); }
    double Descent() override { return 0.2 * Em(); }
    // The metric is exact, so its floors are the measures themselves.
    double TextHeightFloor(const FontChoice& font, std::string_view) override { return font.size / 72.0; }
    double TextWidthFloor(const FontChoice& font, std::string_view text) override;

    void SetTextTransparent(bool transparent) override { transparent_ = transparent; }
    void TextOut(double x, double y, std::string_view text) override;

    void SetPenColor(std::int32_t color) override { pen_ = color; }
    void SetBrushColor(std::int32_t color) override { brush_ = color; }
    void MoveTo(double x, double y) override { Log("MoveTo", {x, y}); }
    void LineTo(double x, double y) override { Log("LineTo", {x, y}); }
    void FillRect(double l, double t, double r, double b) override { Log("FillRect", {l, t, r, b}); }
    void FillEllipse(double l, double t, double r, double b) override { Log("FillEllipse", {l, t, r, b}); }
    void EllipseOutline(double l, double t, double r, double b) override { Log("EllipseOutline", {l, t, r, b}); }

    double DotsPerInchX() const override { return dpi_; }
    double DotsPerInchY() const override { return dpi_; }

    void DrawPicture(const Picture& picture, double l, double t, double r, double b) override;

    const std::vector<SurfaceCall>& Calls() const { return calls_; }
    std::vector<SurfaceCall> CallsOf(const std::string& op) const;
    std::vector<SurfaceCall> Texts() const { return CallsOf("Text"); }
    void Clear() { calls_.clear(); }

private:
    double Em() const { return font_.size / 72.0; }
    void Log(const char* op, std::vector<double> args, std::string text = {});

    double dpi_;
    FontChoice font_;
    bool transparent_ = true;
    std::int32_t pen_ = 0;
    std::int32_t brush_ = 0xFFFFFF;
    std::vector<SurfaceCall> calls_;
};

}  // namespace qf
