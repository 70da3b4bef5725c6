// A later start's side: its command line handed over to the running instance.
#pragma once

#include <QString>

namespace tarvelo {

constexpr int kHandOverTimeoutMs = 30000;

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
