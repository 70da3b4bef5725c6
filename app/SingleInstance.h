// One running instance per user. The first start listens on a local socket that only its user
// may reach; a later start hands its command line over that socket to the running instance,
// waits until it has been handled, and ends.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace tarvelo {

// The socket's name: a path in the user's runtime folder (or the temporary folder, named
// after the user).
QString InstanceSocketName();

// What a later start hands over: its command line, as it received it, and the folder it was
// started in, against which a relative path is meant.
struct HandOver {
    QString commandLine;
    QString workingDirectory;
    bool operator==(const HandOver&) const = default;
};

// A hand-over message: a tag, then the folder and the command line, each as a length and UTF-8.
QByteArray EncodeHandOver(const HandOver& handOver);
// How much of `buffer` makes one whole message: 0 while more is needed, -1 when it is no such
// message (wrong tag, or a part longer than any command line or folder).
qsizetype HandOverLength(const QByteArray& buffer);
HandOver DecodeHandOver(const QByteArray& message);

constexpr int kHandOverTimeoutMs = 30000;

class InstanceServer : public QObject {
    Q_OBJECT
  public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    enum class Start {
        Running,     // this start is the running instance now, listening
        AnotherRuns, // another instance answered: hand over to it
        Alone,       // no socket could be had; this start runs on its own
    };
    // Decides, under a lock shared by all starts of the user, whether this start becomes the
    // running instance. A socket left by a crashed instance is removed and taken over.
    Start Begin();

    // Handles one command line handed over; calls `done` once it has been handled, which tells
    // the other start to end.
    using Execute = std::function<void(const HandOver& handOver, std::function<void()> done)>;

    // From now on every hand-over goes to `onExecute`. Those that came before, while the program
    // was still starting and could not take them, waited for this call: they follow from the
    // event loop, in the order they came.
    void Serve(Execute onExecute);

  private:
    struct Waiting {
        HandOver handOver;
        std::function<void()> done;
    };
    void Accept();
    QLocalServer* server_ = nullptr;
    Execute onExecute_;
    std::vector<Waiting> waiting_;
};

// How a hand-over to the running instance ended.
enum class HandOverResult {
    Handled,     // the running instance handled it, or there was nothing to hand over
    Unreachable, // no running instance could be reached
    Closed,      // the running instance closed the connection without answering
    NoAnswer,    // the running instance did not answer in time
};

// In a second start: sends `commandLine` (when not empty) to the running instance and waits
// for it to be handled.
HandOverResult SendHandOver(const QString& commandLine, int timeoutMs = kHandOverTimeoutMs);
// What a second start says about a hand-over that failed; empty for one that did not.
QString HandOverFailureMessage(HandOverResult result, int timeoutMs = kHandOverTimeoutMs);

// The whole hand-over of a second start: sent, and a failure said on standard error. Returns
// the exit status of the second start.
int HandOverToRunningInstance(const QString& commandLine, int timeoutMs = kHandOverTimeoutMs);

} // namespace tarvelo
