// One running instance per user. The first start listens on a local socket that only its user
// may reach; a later start hands its command line over that socket to the running instance,
// waits until it has been handled, and ends.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

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

    // Called for every command line handed over; `done` must be called once it has been
    // handled, which tells the other start to end.
    std::function<void(const HandOver& handOver, std::function<void()> done)> onExecute;

  private:
    void Accept();
    QLocalServer* server_ = nullptr;
};

// In a second start: sends `commandLine` (when not empty) to the running instance and waits
// for it to be handled. Returns the exit status of the second start; says on standard error
// when the running instance did not answer.
int HandOverToRunningInstance(const QString& commandLine, int timeoutMs = kHandOverTimeoutMs);

} // namespace tarvelo
