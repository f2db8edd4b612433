#include "app/main/DesktopScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QtGlobal>

namespace qf {

bool DesktopPrefersDark() {
    // Without a session bus of its own the library would start one (leaving ~/.dbus behind).
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage read = QDBusMessage::createMethodCall("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                                                       "org.freedesktop.portal.Settings", "Read");
    read << QString("org.freedesktop.appearance") << QString("color-scheme");
    const QDBusMessage reply = bus.call(read, QDBus::Block, 500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    // The value comes as a variant, which older portals wrap in one more.
    QVariant value = reply.arguments().constFirst();
    for (int depth = 0; depth < 2 && value.userType() == qMetaTypeId<QDBusVariant>(); ++depth)
        value = value.value<QDBusVariant>().variant();
    return value.toUInt() == 1;
}

}  // namespace qf
