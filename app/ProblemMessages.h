// What the user is told when a problem file is refused or cannot be saved.
#pragma once

#include "app/ProblemFile.h"

#include <QString>

namespace tarvelo {

// One clear sentence or two naming the file and, where it helps, the line at fault.
QString RefusedFileMessage(const QString& path, const ProblemError& error);

QString SaveFailedMessage(const QString& path, const QString& reason);

// A command line too short to name a file (a lone double quote).
QString UnusableCommandLineMessage(const QString& commandLine);

// An answer to the prompt for X or Y (`letter`) that is no value they can take.
QString UnknownValueRefusedMessage(const QString& letter, const QString& answer);

} // namespace tarvelo
