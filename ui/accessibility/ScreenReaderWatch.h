// Whether a screen reader runs on the desktop, followed on the session and accessibility buses.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QDBusPendingCallWatcher;

namespace tarvelo {

// A desktop may start the accessibility bus for everyone (GNOME does), and Qt then turns its
// accessibility on: that alone says nobody listens. A screen reader runs when the bus's status
// says so (ScreenReaderEnabled, which the desktop sets as it starts one), or when a client of the
// accessibility bus follows the focus, as a screen reader started by hand does (Orca from a
// terminal sets no status).
//
// Every question is asked without waiting: the answers and the buses' signals of changes come
// through the event loop, so that nothing a key does waits for a bus. Until the first answers,
// and with no bus at all, no screen reader runs.
class ScreenReaderWatch : public QObject {
    Q_OBJECT
  public:
    explicit ScreenReaderWatch(QObject* parent);
    ~ScreenReaderWatch() override;

    bool Runs() const { return statusSaysSo_ || focusFollowed_; }

  private slots:
    // The session bus's org.a11y.Status changed.
    void StatusChanged(const QString& interface, const QVariantMap& changed,
                       const QStringList& invalidated);
    // A client of the accessibility bus began or stopped listening to some events.
    void ListenersChanged();

  private:
    void StatusRead(QDBusPendingCallWatcher* call);
    void AddressRead(QDBusPendingCallWatcher* call);
    void AskListeners();
    void ListenersRead(QDBusPendingCallWatcher* call);

    // The connection to the accessibility bus, once its address is known; empty before.
    QString accessibilityBus_;
    bool statusSaysSo_ = false;
    bool focusFollowed_ = false;
    // A question about the listeners is under way, and another is due once it is answered.
    bool listenersAsked_ = false;
    bool askListenersAgain_ = false;
};

} // namespace tarvelo
