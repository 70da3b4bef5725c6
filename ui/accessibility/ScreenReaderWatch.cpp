// The status of the accessibility bus and the focus listeners of its registry, read and followed
// without waiting for either bus.
#include "ui/accessibility/ScreenReaderWatch.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace tarvelo {

namespace {

// Where the session bus keeps the accessibility bus's address and status.
const QString kBusService = QStringLiteral("org.a11y.Bus");
const QString kBusPath = QStringLiteral("/org/a11y/bus");
const QString kStatusInterface = QStringLiteral("org.a11y.Status");
const QString kScreenReaderProperty = QStringLiteral("ScreenReaderEnabled");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// The registry on the accessibility bus, which knows every client's event listeners.
const QString kRegistryService = QStringLiteral("org.a11y.atspi.Registry");
const QString kRegistryPath = QStringLiteral("/org/a11y/atspi/registry");
const QString kRegistryInterface = QStringLiteral("org.a11y.atspi.Registry");

// A listener of the focus, whichever way its library spells the event
// ("Object:StateChanged:Focused", "object:state-changed:focused").
bool FollowsFocus(QString event) {
    event.remove(QLatin1Char('-'));
    return event.compare(QStringLiteral("Object:StateChanged:Focused"), Qt::CaseInsensitive) == 0;
}

} // namespace

ScreenReaderWatch::ScreenReaderWatch(QObject* parent) : QObject(parent) {
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) {
        return;
    }
    // The status is followed before it is read, so that no change falls between the two.
    session.connect(kBusService, kBusPath, kPropertiesInterface,
                    QStringLiteral("PropertiesChanged"), this,
                    SLOT(StatusChanged(QString, QVariantMap, QStringList)));
    QDBusMessage get = QDBusMessage::createMethodCall(kBusService, kBusPath, kPropertiesInterface,
                                                      QStringLiteral("Get"));
    get << kStatusInterface << kScreenReaderProperty;
    auto* status = new QDBusPendingCallWatcher(session.asyncCall(get), this);
    connect(status, &QDBusPendingCallWatcher::finished, this, &ScreenReaderWatch::StatusRead);
    const QDBusMessage address = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                                QStringLiteral("GetAddress"));
    auto* addressCall = new QDBusPendingCallWatcher(session.asyncCall(address), this);
    connect(addressCall, &QDBusPendingCallWatcher::finished, this, &ScreenReaderWatch::AddressRead);
}

ScreenReaderWatch::~ScreenReaderWatch() {
    if (!accessibilityBus_.isEmpty()) {
        QDBusConnection::disconnectFromBus(accessibilityBus_);
    }
}

void ScreenReaderWatch::StatusRead(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isValid()) {
        statusSaysSo_ = reply.value().variant().toBool();
    }
}

void ScreenReaderWatch::StatusChanged(const QString& interface, const QVariantMap& changed,
                                      const QStringList& /*invalidated*/) {
    if (interface == kStatusInterface && changed.contains(kScreenReaderProperty)) {
        statusSaysSo_ = changed.value(kScreenReaderProperty).toBool();
    }
}

void ScreenReaderWatch::AddressRead(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QString> reply = *call;
    if (!reply.isValid()) {
        return;
    }
    // A connection of the watch's own: the one of Qt's bridge is not offered. Connecting is one
    // exchange on a local socket, once.
    const QString name = QStringLiteral("tarvelo-screen-reader-watch-%1")
                             .arg(reinterpret_cast<quintptr>(this), 0, 16);
    QDBusConnection bus = QDBusConnection::connectToBus(reply.value(), name);
    accessibilityBus_ = name;
    if (!bus.isConnected()) {
        return;
    }
    for (const char* signal : {"EventListenerRegistered", "EventListenerDeregistered"}) {
        bus.connect(kRegistryService, kRegistryPath, kRegistryInterface,
                    QString::fromLatin1(signal), this, SLOT(ListenersChanged()));
    }
    AskListeners();
}

void ScreenReaderWatch::ListenersChanged() {
    // A screen reader registers dozens of events as it starts: one question at a time.
    if (listenersAsked_) {
        askListenersAgain_ = true;
        return;
    }
    AskListeners();
}

void ScreenReaderWatch::AskListeners() {
    listenersAsked_ = true;
    askListenersAgain_ = false;
    const QDBusMessage ask = QDBusMessage::createMethodCall(
        kRegistryService, kRegistryPath, kRegistryInterface, QStringLiteral("GetRegisteredEvents"));
    auto* call =
        new QDBusPendingCallWatcher(QDBusConnection(accessibilityBus_).asyncCall(ask), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, &ScreenReaderWatch::ListenersRead);
}

void ScreenReaderWatch::ListenersRead(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    listenersAsked_ = false;
    const QDBusMessage reply = QDBusPendingReply<>(*call).reply();
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        // An array of (client, event).
        const auto listeners = reply.arguments().constFirst().value<QDBusArgument>();
        bool follows = false;
        listeners.beginArray();
        while (!listeners.atEnd()) {
            QString client;
            QString event;
            listeners.beginStructure();
            listeners >> client >> event;
            listeners.endStructure();
            follows = follows || FollowsFocus(event);
        }
        listeners.endArray();
        focusFollowed_ = follows;
    }
    if (askListenersAgain_) {
        AskListeners();
    }
}

} // namespace tarvelo
