#pragma once
// Where a QPainterSurface's page goes. The surface asks for the device once the paper is known,
// just before its first drawing, and finishes it at the end.
#include <memory>
#include <string>

#include "report/Surface.h"

class QBuffer;
class QByteArray;
class QImage;
class QPaintDevice;
class QPageLayout;
class QPagedPaintDevice;
class QPdfWriter;
class QPicture;
class QSvgGenerator;

namespace qf {

// Every file the drawing layer writes is made in memory and written as a whole file
// (base/SaveFile.h): an existing file is replaced only by a complete new one, keeping its links,
// owner and mode, and a failure leaves it as it was. A picture in `format` ("PNG", "BMP",
// "JPG"; `quality` 0..100 or -1 for the default); false when it could not be encoded or written.
bool WriteImageFile(const QImage& image, const std::string& path, const std::string& format, int quality = -1);

// The paper as a page layout without margins: a standard paper by its Windows code, so a
// printer picks its own tray for it, else the custom size. `fullPage` places the page at the
// paper's corner whatever the device's printable area, as the printer needs it.
QPageLayout PaperPageLayout(const PageSetup& page, bool fullPage);

class PageTarget {
public:
    virtual ~PageTarget() = default;
    // The device for the page; nullptr when it cannot be made.
    virtual QPaintDevice* Begin(const PageSetup& page) = 0;
    // Starts another page, of the paper `page`, while painting; false for a device of one page.
    virtual bool NewPage(const PageSetup& /*page*/) { return false; }
    // Called after painting has ended; false when the result could not be written.
    virtual bool Finish() { return true; }
};

// A picture of the page, `pixelWidth` pixels wide, on white; written to `path` (UTF-8) in
// `format` ("PNG", "BMP", "JPG") when a path is given, by WriteImageFile.
class ImageTarget : public PageTarget {
public:
    explicit ImageTarget(int pixelWidth, std::string path = {}, std::string format = "PNG", int quality = -1);
    ~ImageTarget() override;
    QPaintDevice* Begin(const PageSetup& page) override;
    bool Finish() override;
    const QImage& Image() const;

private:
    int pixelWidth_;
    std::string path_;
    std::string format_;
    int quality_;
    std::unique_ptr<QImage> image_;
};

// A paged device that takes the paper by its code and the orientation itself: the printer
// (QPrinter, made by the windows layer) or a PDF writer.
class PagedDeviceTarget : public PageTarget {
public:
    explicit PagedDeviceTarget(QPagedPaintDevice& device) : device_(device) {}
    QPaintDevice* Begin(const PageSetup& page) override;
    bool NewPage(const PageSetup& page) override;

private:
    QPagedPaintDevice& device_;
};

// A PDF file of the paper's size, of one page or more.
class PdfTarget : public PageTarget {
public:
    explicit PdfTarget(std::string path, int dpi = 600);
    ~PdfTarget() override;
    QPaintDevice* Begin(const PageSetup& page) override;
    bool NewPage(const PageSetup& page) override;
    bool Finish() override;
    // What was drawn is not to be written: Finish then writes nothing and answers false.
    void Discard() { discarded_ = true; }

private:
    std::string path_;
    int dpi_;
    bool discarded_ = false;
    std::unique_ptr<QByteArray> bytes_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
};

// An SVG file with the page's size.
class SvgTarget : public PageTarget {
public:
    explicit SvgTarget(std::string path, int dpi = 96);
    ~SvgTarget() override;
    QPaintDevice* Begin(const PageSetup& page) override;
    bool Finish() override;

private:
    std::string path_;
    int dpi_;
    std::unique_ptr<QByteArray> bytes_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QSvgGenerator> generator_;
};

// The replayable page file: the page recorded in memory, played back by the preview and the printer.
class PageFileTarget : public PageTarget {
public:
    PageFileTarget();
    ~PageFileTarget() override;
    QPaintDevice* Begin(const PageSetup& page) override;
    const QPicture& Page() const;
    double WidthInches() const { return width_; }
    // The device's resolution the page was recorded in (its coordinates are pixels at it).
    double Dpi() const;

private:
    std::unique_ptr<QPicture> picture_;
    double width_ = 0;
};

}  // namespace qf
