// Who is at the other end of a connection to the instance's socket.
#pragma once

class QLocalSocket;

namespace tarvelo {

// Whether the process at the other end of `socket` runs as this user, as the system recorded it
// when that end connected or listened; another user's learns nothing and is told nothing.
bool PeerIsThisUser(const QLocalSocket& socket);

} // namespace tarvelo
