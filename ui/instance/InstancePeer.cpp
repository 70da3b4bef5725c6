// The user at the other end of a local connection, as the system gives it.
#include "ui/instance/InstancePeer.h"

#include <QLocalSocket>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvelo {

namespace {

// The user at the other end of a connected local socket, as the system recorded it when that
// end connected or listened.
std::optional<uid_t> PeerUser(qintptr descriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) !=
        0) {
        return std::nullopt;
    }
    return credentials.uid;
}

} // namespace

bool PeerIsThisUser(const QLocalSocket& socket) {
    const std::optional<uid_t> peer = PeerUser(socket.socketDescriptor());
    return peer && *peer == geteuid();
}

} // namespace tarvelo
