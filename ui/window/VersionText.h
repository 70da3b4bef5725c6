// The program's name, version and licence, as --version prints them and the information window
// shows them.
#pragma once

#include <QString>

namespace tarvelo {

QString VersionText();

} // namespace tarvelo
