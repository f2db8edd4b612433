#include "report/RecordingSurface.h"

#include "report/Picture.h"

namespace qf {

double RecordingSurface::EmsOf(char c) {
    if (c >= '0' && c <= '9') return 0.5;
    switch (c) {
    case 'W': return 1.0;
    case 'M': return 0.9;
    case ' ': case 'i': case 'j': case 'l': case 'I': case '.': case ',': case '\'': return 0.25;
    default: break;
    }
    if (c >= 'A' && c <= 'Z') return 0.7;
    return 0.5;
}

double RecordingSurface::TextWidth(std::string_view text) { return TextWidthFloor(font_, text); }

double RecordingSurface::TextWidthFloor(const FontChoice& font, std::string_view text) {
    double ems = 0;
    for (char c : text) ems += EmsOf(c);
    return ems * (font.size / 72.0);  // as Em() reckons it, to the last bit
}

void RecordingSurface::TextOut(double x, double y, std::string_view text) {
    Log("Text", {x, y}, std::string(text));
}

void RecordingSurface::DrawPicture(const Picture& picture, double l, double t, double r, double b) {
    Log("Picture", {l, t, r, b}, picture.Path());
}

std::vector<SurfaceCall> RecordingSurface::CallsOf(const std::string& op) const {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

void RecordingSurface::Log(const char* op, std::vector<double> args, std::string text) {
    calls_.push_back({op, std::move(args), std::move(text), font_, pen_, brush_, transparent_});
}

}  // namespace qf
