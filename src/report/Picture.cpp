#include "report/Picture.h"

#include <QImage>
#include <QImageReader>
#include <QString>

namespace qf {

Picture::Picture(std::string path, std::unique_ptr<QImage> image)
    : path_(std::move(path)), image_(std::move(image)) {}

Picture::~Picture() = default;

std::shared_ptr<const Picture> Picture::Load(const std::string& path) {
    if (path.empty()) return nullptr;
    QImageReader reader(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    reader.setAutoTransform(true);
    auto image = std::make_unique<QImage>(reader.read());
    if (image->isNull()) return nullptr;
    return std::shared_ptr<const Picture>(new Picture(path, std::move(image)));
}

int Picture::Width() const { return image_->width(); }
int Picture::Height() const { return image_->height(); }
const QImage& Picture::Image() const { return *image_; }

}  // namespace qf
