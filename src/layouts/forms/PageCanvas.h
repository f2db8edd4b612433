#pragma once
// The page area of the page designer: the two rulers and the page picture with its objects,
// drawn from the design's state. Mouse events on the page go back to the designer as actions
// in page coordinates (layout units at the current zoom). With the focus, the keys do too:
// Tab and Shift+Tab walk the objects before the focus moves on, arrows move the selected
// object, Shift+arrows resize it, Delete removes it, Space or Enter places a chosen kind, and
// the menu key or Shift+F10 opens the object's pop-up menu.
#include <QWidget>
#include <functional>
#include <optional>

#include "layouts/PageDesign.h"
#include "output/PageRenderer.h"

class QPainter;

namespace qf {

inline constexpr int kRulerDepth = 29;

class TPageCanvas : public QWidget {
    Q_OBJECT
public:
    TPageCanvas(const PageDesign& design, std::function<PageChange(const PageAction&)> onAction,
                QWidget* parent = nullptr);

    // The page changed its size: the canvas is the page plus the rulers.
    void Resize();
    // Loads every Bitmap object's picture again (after a placement, a reordering or a new file).
    void LoadPictures();
    void SetDragFrame(std::optional<ObjectRect> frame);

    // Where a page point lies on the canvas.
    static QPoint CanvasPoint(PagePoint point) { return {point.x + kRulerDepth, point.y + kRulerDepth}; }

signals:
    void MenuKey();        // the object pop-up menu asked for by its key
    void KeyChanged();     // a key acted on the selection: it should be in view

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawRulers(QPainter& painter) const;
    void DrawObject(QPainter& painter, int slot) const;
    void DrawHandles(QPainter& painter) const;

    const PageDesign& design_;
    std::function<PageChange(const PageAction&)> onAction_;
    LoadedPictures pictures_;
    std::optional<ObjectRect> frame_;
};

}  // namespace qf
