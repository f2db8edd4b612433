#include "report/Surface.h"

#include <array>
#include <cmath>

namespace qf {
namespace {

struct PaperCode {
    int code;
    PaperDimensions size;
};

// The Windows DMPAPER sizes; the metric ones converted from millimetres.
constexpr double kMm = 1.0 / 25.4;
constexpr std::array<PaperCode, 6> kPaperCodes{{
    {1, {8.5, 11.0}},
    {5, {8.5, 14.0}},
    {7, {7.25, 10.5}},
    {9, {210 * kMm, 297 * kMm}},
    {11, {148 * kMm, 210 * kMm}},
    {13, {182 * kMm, 257 * kMm}},
}};

}  // namespace

bool PaperForCode(int code, PaperDimensions& out) {
    for (const PaperCode& p : kPaperCodes)
        if (p.code == code) {
            out = p.size;
            return true;
        }
    return false;
}

bool Surface::SelectPaper(int paperCode) {
    if (!PaperForCode(paperCode, setup_.paper)) return false;
    setup_.paperCode = paperCode;
    return true;
}

void Surface::SetCustomPaper(double widthInches, double heightInches) {
    setup_.paperCode = 0;
    setup_.paper = {widthInches, heightInches};
}

long Surface::XToPixels(double x) const { return std::lround(x * DotsPerInchX()); }
long Surface::YToPixels(double y) const { return std::lround(y * DotsPerInchY()); }

}  // namespace qf
