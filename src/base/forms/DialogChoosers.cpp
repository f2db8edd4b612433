#include "base/forms/DialogChoosers.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/InterfaceFonts.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

std::int32_t WindowsColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QIcon Swatch(std::int32_t color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(ColorOf(color));
    return QIcon(pixmap);
}

}  // namespace

std::optional<FontChoice> DialogFontChooser::Choose(const FontChoice& current) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle("Font");
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons);
    QFont font(FromAnsi(current.name), std::max(1, current.size));
    font.setBold(current.bold);
    font.setItalic(current.italic);
    font.setUnderline(current.underline);
    font.setStrikeOut(current.strikeOut);
    fonts->setCurrentFont(font);

    std::int32_t color = current.color;
    auto* colorButton = new QPushButton(Swatch(color), "C&olor...");
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen = QColorDialog::getColor(ColorOf(color), &dialog);
        if (!chosen.isValid()) return;
        color = WindowsColor(chosen);
        colorButton->setIcon(Swatch(color));
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addWidget(colorButton, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;

    const QFont chosen = fonts->currentFont();
    FontChoice result;
    result.name = ToAnsi(chosen.family());
    result.size = chosen.pointSize() > 0 ? chosen.pointSize() : current.size;
    result.color = color;
    result.bold = chosen.bold();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    return result;
}

std::optional<std::int32_t> DialogColorChooser::Choose(std::int32_t current) {
    const QColor chosen = QColorDialog::getColor(ColorOf(current), QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return WindowsColor(chosen);
}

}  // namespace qf
