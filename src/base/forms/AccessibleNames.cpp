#include "base/forms/AccessibleNames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace qf {
namespace {

constexpr const char* kPictureProperty = "qfPicture";

// Qt gives a plain widget the role of a client area; a described picture is a graphic.
QAccessibleInterface* PictureInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(kPictureProperty).toBool()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Graphic);
}

}  // namespace

QString SpokenText(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" is a written &
        text += caption[i];
    }
    text = text.simplified();
    if (text.endsWith(':')) text.chop(1);
    return text.trimmed();
}

void NameByLabel(const QLabel& label) {
    QWidget* buddy = label.buddy();
    if (!buddy || !buddy->accessibleName().isEmpty()) return;
    const QString text = SpokenText(label.text());
    if (!text.isEmpty()) buddy->setAccessibleName(text);
}

void NameControlsByLabels(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) NameByLabel(*label);
}

void DescribePicture(QWidget& picture, const QString& name, const QString& description) {
    static const bool installed = [] {
        QAccessible::installFactory(PictureInterface);
        return true;
    }();
    (void)installed;
    if (!picture.property(kPictureProperty).toBool()) picture.setProperty(kPictureProperty, true);
    if (picture.accessibleName() != name) picture.setAccessibleName(name);
    if (picture.accessibleDescription() != description) picture.setAccessibleDescription(description);
}

}  // namespace qf
