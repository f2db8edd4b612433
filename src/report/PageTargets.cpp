#include "report/PageTargets.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPicture>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <span>

#include "base/SaveFile.h"

namespace qf {
namespace {

// A picture larger than this many pixels on a side is refused rather than allocated.
constexpr int kMaxImageSide = 20000;

bool WriteBytes(const QByteArray& bytes, const std::string& path) {
    if (bytes.isEmpty()) return false;  // the device wrote nothing: not a file to put in place
    return WriteWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
}

}  // namespace

bool WriteImageFile(const QImage& image, const std::string& path, const std::string& format, int quality) {
    if (image.isNull()) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format.c_str(), quality)) return false;
    buffer.close();
    return WriteBytes(bytes, path);
}

QPageLayout PaperPageLayout(const PageSetup& page, bool fullPage) {
    const QPageSize::PageSizeId id = page.paperCode ? QPageSize::id(page.paperCode) : QPageSize::Custom;
    const QPageSize size = id != QPageSize::Custom
                               ? QPageSize(id)
                               : QPageSize(QSizeF(page.paper.width, page.paper.height), QPageSize::Inch, QString(),
                                           QPageSize::ExactMatch);
    const auto orientation =
        page.orientation == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    QPageLayout layout(size, orientation, QMarginsF(0, 0, 0, 0));
    if (fullPage) layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

QPaintDevice* PagedDeviceTarget::Begin(const PageSetup& page) {
    if (!device_.setPageLayout(PaperPageLayout(page, false))) return nullptr;
    return &device_;
}

bool PagedDeviceTarget::NewPage(const PageSetup& page) {
    // The next page takes the layout set now; the same paper for every page of a print.
    return device_.setPageLayout(PaperPageLayout(page, false)) && device_.newPage();
}

ImageTarget::ImageTarget(int pixelWidth, std::string path, std::string format, int quality)
    : pixelWidth_(pixelWidth), path_(std::move(path)), format_(std::move(format)), quality_(quality) {}
ImageTarget::~ImageTarget() = default;

QPaintDevice* ImageTarget::Begin(const PageSetup& page) {
    const double widthInches = page.Width();
    const double heightInches = page.Height();
    if (pixelWidth_ < 1 || pixelWidth_ > kMaxImageSide || !(widthInches > 0) || !(heightInches > 0)) return nullptr;
    const double dpi = pixelWidth_ / widthInches;
    const long height = std::lround(heightInches * dpi);
    if (height < 1 || height > kMaxImageSide) return nullptr;
    image_ = std::make_unique<QImage>(pixelWidth_, static_cast<int>(height), QImage::Format_RGB32);
    if (image_->isNull()) return nullptr;
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    image_->setDotsPerMeterX(dpm);
    image_->setDotsPerMeterY(dpm);
    image_->fill(Qt::white);
    return image_.get();
}

bool ImageTarget::Finish() {
    if (path_.empty()) return image_ != nullptr;
    return image_ && WriteImageFile(*image_, path_, format_, quality_);
}

const QImage& ImageTarget::Image() const {
    static const QImage empty;
    return image_ ? *image_ : empty;
}

PdfTarget::PdfTarget(std::string path, int dpi)
    : path_(std::move(path)), dpi_(dpi), bytes_(std::make_unique<QByteArray>()), buffer_(std::make_unique<QBuffer>(bytes_.get())) {}
PdfTarget::~PdfTarget() = default;

QPaintDevice* PdfTarget::Begin(const PageSetup& page) {
    if (!buffer_->open(QIODevice::WriteOnly)) return nullptr;
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setResolution(dpi_);
    writer_->setCreator(QStringLiteral("Quernfold"));
    writer_->setTitle(QStringLiteral("Test Report"));
    PagedDeviceTarget paged(*writer_);
    return paged.Begin(page);
}

bool PdfTarget::NewPage(const PageSetup& page) { return writer_ && PagedDeviceTarget(*writer_).NewPage(page); }

bool PdfTarget::Finish() {
    if (!writer_) return false;
    writer_.reset();  // ends the document
    buffer_->close();
    return !discarded_ && WriteBytes(*bytes_, path_);
}

SvgTarget::SvgTarget(std::string path, int dpi)
    : path_(std::move(path)), dpi_(dpi), bytes_(std::make_unique<QByteArray>()), buffer_(std::make_unique<QBuffer>(bytes_.get())) {}
SvgTarget::~SvgTarget() = default;

QPaintDevice* SvgTarget::Begin(const PageSetup& page) {
    const double widthInches = page.Width();
    const double heightInches = page.Height();
    if (!buffer_->open(QIODevice::WriteOnly)) return nullptr;
    generator_ = std::make_unique<QSvgGenerator>();
    generator_->setOutputDevice(buffer_.get());
    generator_->setResolution(dpi_);
    const QSize px(static_cast<int>(std::lround(widthInches * dpi_)), static_cast<int>(std::lround(heightInches * dpi_)));
    generator_->setSize(px);
    generator_->setViewBox(QRect(QPoint(0, 0), px));
    generator_->setTitle(QStringLiteral("Test Report"));
    return generator_.get();
}

bool SvgTarget::Finish() {
    if (!generator_) return false;
    generator_.reset();
    buffer_->close();
    return WriteBytes(*bytes_, path_);
}

PageFileTarget::PageFileTarget() : picture_(std::make_unique<QPicture>()) {}
PageFileTarget::~PageFileTarget() = default;

QPaintDevice* PageFileTarget::Begin(const PageSetup& page) {
    width_ = page.Width();
    return picture_.get();
}

const QPicture& PageFileTarget::Page() const { return *picture_; }

double PageFileTarget::Dpi() const { return picture_->logicalDpiX(); }

}  // namespace qf
