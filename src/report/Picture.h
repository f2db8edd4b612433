#pragma once
// A picture loaded from a file (BMP and every other format Qt reads), drawn by the surfaces.
// The pixels stay behind this class so that the renderer needs no graphics headers.
#include <memory>
#include <string>

class QImage;

namespace qf {

class Picture {
public:
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The file's picture, or nullptr when it is missing or cannot be decoded. `path` is UTF-8.
    static std::shared_ptr<const Picture> Load(const std::string& path);

    int Width() const;
    int Height() const;
    const std::string& Path() const { return path_; }
    const QImage& Image() const;

private:
    Picture(std::string path, std::unique_ptr<QImage> image);
    std::string path_;
    std::unique_ptr<QImage> image_;
};

}  // namespace qf
