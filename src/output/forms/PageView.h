#pragma once
// The preview's page: the recorded page's drawing calls played on white at a zoom, only those
// of the part in view, at the screen's device pixels.
#include <QWidget>

namespace qf {

class DisplayList;

class PageView : public QWidget {
    Q_OBJECT
public:
    // The page is `widthInches` wide.
    PageView(const DisplayList& page, double widthInches, double heightInches, QWidget* parent = nullptr);

    // Shows the page `pixelWidth` pixels wide (the height follows the page's proportions).
    void SetPixelWidth(int pixelWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DisplayList& page_;
    double widthInches_;
    double heightInches_;
};

}  // namespace qf
