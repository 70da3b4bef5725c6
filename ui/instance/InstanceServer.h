// The running instance's side: the lock taken, the socket listened on, and the hand-overs served.
#pragma once

#include "ui/instance/HandOverMessage.h"
#include "ui/instance/InstanceLock.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace tarvelo {

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

} // namespace tarvelo
