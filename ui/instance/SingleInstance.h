// One running instance per user. The running instance holds a lock for its whole life and
// listens on a socket beside it, both in a folder only its user may use; a later start that
// finds the lock held hands its command line over that socket, waits until the running instance
// has taken it, and ends.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace tarvelo {

// Where the lock and the socket lie: a folder of this user's alone (owned by the user, mode
// 0700, no symbolic link) that no other user can move away. It is chosen by the user's number and
// the user database alone, whatever the environment says (XDG_RUNTIME_DIR, TMPDIR, HOME,
// XDG_CACHE_HOME), so that every start of the user looks in the same place:
// - the runtime folder the system makes for the user at login, /run/user/<uid>, when it is such
//   a folder;
// - else a folder made for the purpose in the cache folder of the home the user database gives,
//   with the machine's name in the socket's and the lock's names, as a home may be shared by
//   several machines;
// - else none, and the program runs on its own.
struct InstancePlace {
    QString socketName; // all three empty when no such folder could be had
    QString lockName;
    QString folder;
    QStringList refused; // the folders that were looked at and found unfit, with why
};

// The folders the place is chosen among.
struct InstanceFolders {
    QString runtime; // the runtime folder the system makes at login
    QString home;    // the home the user database gives
    QString machine; // this machine's name
};
InstanceFolders SystemInstanceFolders();
InstancePlace FindInstancePlaceAmong(const InstanceFolders& folders);

// Tests and sandboxes may name a private folder of their own in this variable, so that none of
// them meets another or the user's running program; it is then the only folder looked at.
constexpr char kInstanceFolderVariable[] = "TARVELO_INSTANCE_FOLDER";

// The place among the system's folders, or in the folder the variable above names.
InstancePlace FindInstancePlace();

// The socket's path in the place above; empty when there is none.
QString InstanceSocketName();

// A command line as text that keeps its bytes (see TextFromBytes); `argv` after the toolkit has
// taken its own options out: the arguments after the program's path, joined by single blanks.
QString CommandLineOf(int argc, char* argv[]);
QString TextOfBytes(const std::string& bytes);
std::string BytesOfText(const QString& text);

// What a later start hands over: its command line, as it received it, and the folder it was
// started in, against which a relative path is meant. Both are texts that keep their bytes.
struct HandOver {
    QString commandLine;
    QString workingDirectory;
    bool operator==(const HandOver&) const = default;
};

// A hand-over message: a tag, then the folder and the command line, each as a length and their
// bytes.
QByteArray EncodeHandOver(const HandOver& handOver);
// How much of `buffer` makes one whole message: 0 while more is needed, -1 when it is no such
// message (wrong tag, or a part longer than any command line or folder).
qsizetype HandOverLength(const QByteArray& buffer);
HandOver DecodeHandOver(const QByteArray& message);

constexpr int kHandOverTimeoutMs = 30000;

// The lock that the running instance holds as long as it lives. The system lets it go when the
// process ends, however it ends, so a held lock means a live instance (perhaps a stopped or busy
// one), never a crashed one.
class InstanceLock {
  public:
    enum class State {
        Taken,         // this process holds it now
        HeldElsewhere, // a live instance holds it
        Failed,        // the lock file could not be had
    };
    // Takes the lock at `path`. A lock file that is not this user's regular file is replaced.
    static InstanceLock Take(const QString& path);
    // Whether some process holds the lock at `path`, without taking it.
    static bool IsHeld(const QString& path);

    InstanceLock() = default;
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    State state() const { return state_; }

  private:
    InstanceLock(State state, int descriptor) : state_(state), descriptor_(descriptor) {}
    State state_ = State::Failed;
    int descriptor_ = -1;
};

class InstanceServer : public QObject {
    Q_OBJECT
  public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    enum class Start {
        Running,     // this start is the running instance now, listening
        AnotherRuns, // a live instance holds the lock: hand over to it
        Alone,       // this start runs, but takes no hand-overs (see Problem)
    };
    // Decides by the lock whether this start becomes the running instance. Whatever lies at the
    // socket's path is removed only while this start holds the lock; a directory is left alone.
    Start Begin();
    // Why this start takes no hand-overs; empty when it does.
    QString Problem() const { return problem_; }

    using Execute = std::function<void(const HandOver& handOver)>;

    // From now on every hand-over goes to `onExecute`, from the event loop. Those that came
    // before, while the program was still starting, waited for this call: they follow in the
    // order they came.
    void Serve(Execute onExecute);

  private:
    bool Listen(const QString& socketName);
    void Accept();
    void Read(QLocalSocket* socket);
    void Queue(const HandOver& handOver);

    InstanceLock lock_;
    QLocalServer* server_ = nullptr;
    Execute onExecute_;
    std::vector<HandOver> waiting_;
    QString problem_;
};

// How a hand-over to the running instance ended.
enum class HandOverResult {
    Accepted,    // the running instance took it, or there was nothing to hand over
    NoInstance,  // no live instance holds the lock
    Unreachable, // the lock is held, but no connection could be made in time
    InTheWay,    // something that is not a socket lies at the socket's path
    Stranger,    // the socket belongs to another user: nothing was sent
    Closed,      // the running instance closed the connection without answering
    NoAnswer,    // the running instance did not answer in time
};

// In a later start: sends `commandLine` (when not empty) to the running instance and waits until
// it has taken it, for at most `timeoutMs` in all.
HandOverResult SendHandOver(const QString& commandLine, int timeoutMs = kHandOverTimeoutMs);

// The whole hand-over of a later start: sent, and a failure said on standard error. Returns the
// exit status of the later start.
int HandOverToRunningInstance(const QString& commandLine, int timeoutMs = kHandOverTimeoutMs);

} // namespace tarvelo
