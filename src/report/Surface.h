#pragma once
// The paged drawing surface the page renderer draws on. Everything is measured in inches from
// the page's top-left corner, y downwards; text is Windows-1252 as everywhere in the core.
// Implementations: QPainterSurface (printer, page file, image, PDF, SVG), MetafileSurface (EMF,
// WMF) and RecordingSurface.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/FontChoice.h"

namespace qf {

class Picture;

enum class PageOrientation { Portrait, Landscape };

// Standard papers by their Windows paper code; sizes in inches, portrait.
struct PaperDimensions {
    double width = 0;
    double height = 0;
};
// Letter 1, Legal 5, Executive 7, A4 9, A5 11, B5 13; false for any other code.
bool PaperForCode(int code, PaperDimensions& out);

// The page as the surface was told it: a standard paper by its code (0 for a user-defined size)
// with its upright size, the orientation, and the page size that results.
struct PageSetup {
    int paperCode = 1;
    PaperDimensions paper{8.5, 11.0};
    PageOrientation orientation = PageOrientation::Portrait;
    double Width() const { return orientation == PageOrientation::Portrait ? paper.width : paper.height; }
    double Height() const { return orientation == PageOrientation::Portrait ? paper.height : paper.width; }
};

class Surface {
public:
    virtual ~Surface() = default;

    // Paper and orientation. They take effect before the first drawing of the page; the page
    // size reported is the paper turned by the orientation.
    bool SelectPaper(int paperCode);
    void SetCustomPaper(double widthInches, double heightInches);  // portrait sizes
    void SetOrientation(PageOrientation orientation) { setup_.orientation = orientation; }
    PageOrientation Orientation() const { return setup_.orientation; }
    double PageWidth() const { return setup_.Width(); }
    double PageHeight() const { return setup_.Height(); }
    const PageSetup& Setup() const { return setup_; }

    // Ends the page and starts the next one, of the paper and orientation now set; false when the
    // device has one page only.
    virtual bool NewPage() = 0;

    // Font: set, then measured in inches.
    virtual void SetFont(const FontChoice& font) = 0;
    virtual const FontChoice& Font() const = 0;
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;
    virtual double Ascent() = 0;
    virtual double Descent() = 0;
    double LineHeight() const { return Font().size / 60.0; }  // 1.2 times the point size
    // Lower bounds of TextHeight and TextWidth that `font` would give, found without making it
    // current, so that shrinking to fit can rule out many sizes for the price of a few
    // measurements. 0 when the surface knows no bound.
    virtual double TextHeightFloor(const FontChoice& /*font*/, std::string_view /*text*/) { return 0; }
    virtual double TextWidthFloor(const FontChoice& /*font*/, std::string_view /*text*/) { return 0; }

    // Text with its baseline at (x, y).
    virtual void SetTextTransparent(bool transparent) = 0;
    virtual void TextOut(double x, double y, std::string_view text) = 0;
    // Text with the top-left corner of its line at (x, top): the metafile places text so.
    virtual void TextOutTop(double x, double top, std::string_view text) { TextOut(x, top + Ascent(), text); }

    // Lines and shapes in the current pen and brush.
    virtual void SetPenColor(std::int32_t color) = 0;
    virtual void SetBrushColor(std::int32_t color) = 0;
    virtual void MoveTo(double x, double y) = 0;
    virtual void LineTo(double x, double y) = 0;
    virtual void FillRect(double left, double top, double right, double bottom) = 0;
    virtual void FillEllipse(double left, double top, double right, double bottom) = 0;
    virtual void EllipseOutline(double left, double top, double right, double bottom) = 0;

    // Device pixels, for lines that must lie whole pixels apart.
    virtual double DotsPerInchX() const = 0;
    virtual double DotsPerInchY() const = 0;
    long XToPixels(double x) const;
    long YToPixels(double y) const;
    double PixelsToX(long px) const { return static_cast<double>(px) / DotsPerInchX(); }
    double PixelsToY(long px) const { return static_cast<double>(px) / DotsPerInchY(); }

    // A picture stretched into a rectangle.
    virtual void DrawPicture(const Picture& picture, double left, double top, double right, double bottom) = 0;

private:
    PageSetup setup_;
};

}  // namespace qf
