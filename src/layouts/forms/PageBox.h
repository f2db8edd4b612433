#pragma once
// TPageBox: the thumbnail of a page layout, as the layout chooser and the word list editor show
// it. It keeps its own copy of the layout and redraws it at its own size.
#include <QFrame>
#include <QImage>
#include <memory>

#include "layouts/PageLayoutRecord.h"

namespace qf {

class TPageBox : public QFrame {
    Q_OBJECT
public:
    explicit TPageBox(QWidget* parent = nullptr);
    ~TPageBox() override;

    // Shows `layout` from now on; Clear shows the empty face.
    void SetLayout(const PageLayoutRecord& layout);
    void Clear();
    const PageLayoutRecord* Layout() const { return layout_.get(); }

    // The picture as painted at the box's size, in the device pixels of its screen.
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<PageLayoutRecord> layout_;
};

}  // namespace qf
