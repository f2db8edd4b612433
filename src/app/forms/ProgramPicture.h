#pragma once
// The pictures of the small dialogs, drawn rather than stored so they stay sharp at every
// screen scale: the program's own (a folded crossword on a quern stone) and the tip's bulb.
// Their size follows the widget's font, which the dialogs scale with the screen.
#include <QWidget>

namespace qf {

class ProgramPicture : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Program, Tip };
    explicit ProgramPicture(Kind kind, QWidget* parent = nullptr);

    Kind PictureKind() const { return kind_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Kind kind_;
};

}  // namespace qf
