#include "base/forms/InterfaceFonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>

#include "base/forms/Palettes.h"
#include "base/forms/QtText.h"

namespace qf {

ControlKind KindOfControl(const QWidget& w) {
    if (qobject_cast<const QLabel*>(&w)) return ControlKind::Label;
    if (qobject_cast<const QCheckBox*>(&w)) return ControlKind::CheckBox;
    if (qobject_cast<const QRadioButton*>(&w)) return ControlKind::RadioButton;
    if (qobject_cast<const QPushButton*>(&w)) return ControlKind::Button;
    if (qobject_cast<const QToolButton*>(&w)) return ControlKind::SpeedButton;
    if (qobject_cast<const QGroupBox*>(&w)) return ControlKind::GroupBox;
    if (qobject_cast<const QTableView*>(&w)) return ControlKind::Grid;
    if (qobject_cast<const QListView*>(&w)) return ControlKind::ListBox;
    if (qobject_cast<const QComboBox*>(&w)) return ControlKind::ComboBox;
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        return edit->inputMask().isEmpty() ? ControlKind::Edit : ControlKind::MaskedEdit;
    if (qobject_cast<const QPlainTextEdit*>(&w) || qobject_cast<const QTextEdit*>(&w)) return ControlKind::Edit;
    // A plain frame is a panel; a frame drawn as a line only is a bevel.
    if (const auto* frame = qobject_cast<const QFrame*>(&w); frame && frame->metaObject() == &QFrame::staticMetaObject)
        return frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine ? ControlKind::Bevel
                                                                                               : ControlKind::Panel;
    if (w.property("qfPanel").toBool()) return ControlKind::Panel;
    return ControlKind::Other;
}

QColor ColorOf(std::int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

void ApplyInterfaceFont(QWidget& widget, const FormLook& look) {
    const FontRule rule = FontRuleFor(KindOfControl(widget));
    const InterfaceFont* chosen = look.Font(rule.font);
    if (!chosen) return;
    QFont font = widget.font();
    font.setFamily(FromAnsi(chosen->name));
    font.setBold(chosen->bold);
    font.setItalic(chosen->italic);
    widget.setFont(font);
    if (rule.colour) {
        // On a dark desktop the chosen colour only where it can be read: the default black
        // would hide every label, so there the desktop's own text colour stays.
        QPalette palette = widget.palette();
        const QPalette desktop = QApplication::palette(&widget);
        const QColor wanted = ColorOf(chosen->color);
        const auto shown = [&](QPalette::ColorRole background, QPalette::ColorRole text) {
            return IsDark(desktop) ? ReadableOn(wanted, palette.color(background), desktop.color(text)) : wanted;
        };
        palette.setColor(QPalette::WindowText, shown(QPalette::Window, QPalette::WindowText));
        palette.setColor(QPalette::Text, shown(QPalette::Base, QPalette::Text));
        widget.setPalette(palette);
    }
}

void ApplyInterfaceFonts(QWidget& window, const FormLook& look) {
    for (QWidget* child : window.findChildren<QWidget*>()) ApplyInterfaceFont(*child, look);
}

void ApplyLook(QWidget& widget, const QFont& designFont, const FormLook& look, bool applyFonts) {
    QFont font = designFont;
    const int percent = ScalePercent(look.scale);
    if (designFont.pointSizeF() > 0)
        font.setPointSizeF(designFont.pointSizeF() * percent / 100.0);
    else if (designFont.pixelSize() > 0)
        font.setPixelSize(std::max(1, designFont.pixelSize() * percent / 100));
    widget.setFont(font);
    if (applyFonts) ApplyInterfaceFont(widget, look);
}

}  // namespace qf
