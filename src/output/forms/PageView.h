#pragma once
// The preview's page: the recorded page file drawn on white at a zoom, only the part in view.
#include <QWidget>

class QPicture;

namespace qf {

class PageView : public QWidget {
    Q_OBJECT
public:
    // `pageDpi` is the resolution the page was recorded at; the page is `widthInches` wide.
    PageView(const QPicture& page, double pageDpi, double widthInches, double heightInches, QWidget* parent = nullptr);

    // Shows the page `pixelWidth` pixels wide (the height follows the page's proportions).
    void SetPixelWidth(int pixelWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPicture& page_;
    double pageDpi_;
    double widthInches_;
    double heightInches_;
};

}  // namespace qf
