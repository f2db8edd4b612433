#pragma once
// The surface that writes a Windows metafile, enhanced (EMF) or not (WMF), record by record
// through libUEMF. The device has 96 units to the inch; an inch value becomes units truncated
// toward zero. Text is measured as on every other surface (FontMeasure), and each character's
// advance is written with the text, so a reader places the letters where the page measured
// them. Pictures are not drawn: a metafile of the page holds no bitmaps.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "report/FontMeasure.h"
#include "report/Surface.h"

namespace qf {

enum class MetafileKind { Enhanced, Windows };

inline constexpr double kMetafileUnitsPerInch = 96;
inline constexpr const char* kMetafileCreator = "Quernfold 98";
inline constexpr const char* kMetafileDescription = "Crossword Puzzle";

// The picture's size in device units, and the physical size it claims in hundredths of a
// millimetre (1.2 times the page, as the program has always written it).
struct MetafileGeometry {
    int width = 0;
    int height = 0;
    int frameWidth = 0;
    int frameHeight = 0;
};
MetafileGeometry MetafileGeometryFor(double widthInches, double heightInches);

class MetafileRecords;

class MetafileSurface : public Surface {
public:
    explicit MetafileSurface(MetafileKind kind);
    ~MetafileSurface() override;

    // The whole file: header, the records drawn so far and the end record; empty when a record
    // could not be made.
    std::vector<std::uint8_t> Bytes() const;
    // Records drawn so far, the header and end record not counted.
    int RecordCount() const;

    bool NewPage() override { return false; }

    void SetFont(const FontChoice& font) override;
    const FontChoice& Font() const override { return font_; }
    double TextWidth(std::string_view text) override { return measure_.TextWidth(text); }
    double TextHeight(std::string_view) override { return measure_.TextHeight(); }
    double Ascent() override { return measure_.Ascent(); }
    double Descent() override { return measure_.Descent(); }

    void SetTextTransparent(bool transparent) override { transparent_ = transparent; }
    void TextOut(double x, double y, std::string_view text) override;
    void TextOutTop(double x, double top, std::string_view text) override;

    void SetPenColor(std::int32_t color) override { penColor_ = color; }
    void SetBrushColor(std::int32_t color) override { brushColor_ = color; }
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y) override;
    void FillRect(double left, double top, double right, double bottom) override;
    void FillEllipse(double left, double top, double right, double bottom) override;
    void EllipseOutline(double left, double top, double right, double bottom) override;

    double DotsPerInchX() const override { return kMetafileUnitsPerInch; }
    double DotsPerInchY() const override { return kMetafileUnitsPerInch; }

    void DrawPicture(const Picture&, double, double, double, double) override {}

private:
    void Text(double x, double y, bool baseline, std::string_view text);

    std::unique_ptr<MetafileRecords> records_;
    FontMeasure measure_;
    FontChoice font_;
    bool transparent_ = true;
    std::int32_t penColor_ = 0;
    std::int32_t brushColor_ = 0xFFFFFF;
};

}  // namespace qf
