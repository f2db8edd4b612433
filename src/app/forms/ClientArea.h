#pragma once
// The main window's client area: grey, or tiled with the background picture when "Background
// Bitmap" is on.
#include <QPixmap>
#include <QWidget>

namespace qf {

// The client area's grey, whatever the desktop's colours.
inline constexpr QRgb kClientGrey = qRgb(128, 128, 128);

class TClientArea : public QWidget {
    Q_OBJECT
public:
    explicit TClientArea(QWidget* parent = nullptr);
    void SetTiled(bool tiled);
    bool Tiled() const { return tiled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap tile_;
    bool tiled_ = false;
};

// The rectangles of the tiles covering a client area: rows from the top, tiles from the left,
// as many as cover it, partial tiles at the right and bottom included.
std::vector<QRect> BackgroundTiles(QSize area, QSize tile);

}  // namespace qf
