// Where the running instance keeps its lock and its socket: a folder only its user may use.
#pragma once

#include <QString>
#include <QStringList>

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

} // namespace tarvelo
